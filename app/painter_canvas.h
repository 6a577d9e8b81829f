#pragma once

// The view's canvas over the window's back buffer: a QImage of the neck's logical size
// times the zoom. Every call takes logical pixels; pictures are drawn from their sharpest
// copy, so the neck stays crisp at every zoom while its geometry never changes.

#include <QImage>
#include <QPainter>
#include <optional>

#include "view/canvas.h"

class CPictureSet;

class CPainterCanvas : public CCanvas {
public:
    // buffer is zoom x the logical size; both must outlive the canvas.
    CPainterCanvas(QImage& buffer, CPictureSet& pictures);
    ~CPainterCanvas() override;

    void Draw(int pictureId, int x, int y, const CCanvasRect& source) override;
    void DrawTransparent(int pictureId, int x, int y, const CCanvasRect& source) override;
    void Blend(int pictureId, int x, int y, int percent, int width, int height) override;
    void Fill(int x, int y, int width, int height, CanvasColour colour) override;

private:
    void Copy(const QImage& image, int scale, int logicalWidth, int logicalHeight, int x, int y,
              const CCanvasRect& source);

    QImage& buffer;
    CPictureSet& pictures;
    int zoom;
    QPainter painter;
};
