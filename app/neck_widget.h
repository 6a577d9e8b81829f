#pragma once

// The neck on screen: the back buffer (the whole 230 x 1000 neck at the zoom) drawn by the
// view only when something changed, and the part under the scroll position copied to the
// widget on every paint. Mouse positions go back to the view in logical pixels: a left
// press is a tap, moving with the left button held is a sweep.

#include <QImage>
#include <QWidget>
#include <functional>

class CCanvas;
class CPictureSet;
class QScrollBar;

class CNeckWidget : public QWidget {
    Q_OBJECT

public:
    CNeckWidget(CPictureSet& pictures, QWidget* parent = nullptr);

    // Draws the neck into the back buffer; asked only when needsRedraw says so.
    std::function<void(CCanvas&)> drawNeck;
    std::function<bool()> needsRedraw;
    // A tap: x in window pixels, y on the neck (the scroll position added); logical.
    std::function<void(int x, int y)> tapped;
    // The pointer moving with the left button held: window pixels, logical.
    std::function<void(int x, int y)> swept;

    QScrollBar* ScrollBar() const { return scrollBar; }
    // The first neck row shown, in logical pixels.
    int ScrollPosition() const;
    // Clamped to the scroll range.
    void ScrollTo(int y);
    // How many logical rows the widget shows.
    int ClientHeight() const;
    int Zoom() const { return zoom; }
    const QImage& BackBuffer() const { return buffer; }
    // Draws the back buffer now when the view asks for it (what a paint does first).
    void RedrawIfNeeded();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void UpdateScrollRange();

    CPictureSet& pictures;
    int zoom;
    QImage buffer;
    QScrollBar* scrollBar;
};
