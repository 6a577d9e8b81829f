#include "app/neck_widget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "app/painter_canvas.h"
#include "app/picture_set.h"
#include "view/neck_geometry.h"

namespace {

// What shows where the pictures do not: the wood's darkest tone.
constexpr QRgb kNeckBackground = 0xff201008;
// A wheel notch moves three label rows' worth, like a text view's three lines.
constexpr int kWheelStep = 3 * 37;

}  // namespace

CNeckWidget::CNeckWidget(CPictureSet& pictures, QWidget* parent)
    : QWidget(parent),
      pictures(pictures),
      zoom(pictures.Zoom()),
      buffer(kNeckWidth * zoom, kNeckHeight * zoom, QImage::Format_RGB32),
      scrollBar(new QScrollBar(Qt::Vertical, parent)) {
    buffer.fill(kNeckBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedWidth(kNeckWidth * zoom);
    setFocusPolicy(Qt::StrongFocus);
    scrollBar->setSingleStep(37);
    connect(scrollBar, &QScrollBar::valueChanged, this, [this] { update(); });
}

// Frets 0 to 12, down to the bottom of fret 12's labels.
QSize CNeckWidget::sizeHint() const {
    return {kNeckWidth * zoom, (FretY(12) + kLabelHeight) * zoom};
}

int CNeckWidget::ScrollPosition() const {
    return scrollBar->value();
}

void CNeckWidget::ScrollTo(int y) {
    scrollBar->setValue(std::clamp(y, 0, scrollBar->maximum()));
}

int CNeckWidget::ClientHeight() const {
    return std::min(height() / zoom, kNeckHeight);
}

void CNeckWidget::UpdateScrollRange() {
    const int shown = ClientHeight();
    scrollBar->setRange(0, std::max(0, kNeckHeight - shown));
    scrollBar->setPageStep(std::max(1, shown));
}

void CNeckWidget::resizeEvent(QResizeEvent* event) {
    UpdateScrollRange();
    QWidget::resizeEvent(event);
}

void CNeckWidget::RedrawIfNeeded() {
    if (drawNeck && (!needsRedraw || needsRedraw())) {
        // Whatever the pictures leave uncovered shows the background, not old pixels.
        buffer.fill(kNeckBackground);
        CPainterCanvas canvas(buffer, pictures);
        drawNeck(canvas);
    }
}

void CNeckWidget::paintEvent(QPaintEvent* event) {
    RedrawIfNeeded();
    QPainter painter(this);
    // The part of the buffer under the scroll position, never a row beyond it.
    const int top = ScrollPosition() * zoom;
    const int rows = std::min(height(), buffer.height() - top);
    const QRect dirty = event->rect();
    if (rows > 0) {
        const QRect shown = dirty.intersected(QRect(0, 0, buffer.width(), rows));
        painter.drawImage(shown.topLeft(), buffer, shown.translated(0, top));
    }
    if (rows < height()) {
        painter.fillRect(QRect(0, std::max(rows, 0), width(), height() - std::max(rows, 0)),
                         QColor::fromRgb(kNeckBackground));
    }
}

void CNeckWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && tapped) {
        const QPoint at = event->position().toPoint();
        tapped(at.x() / zoom, at.y() / zoom + ScrollPosition());
    }
    event->accept();
}

void CNeckWidget::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && swept) {
        const QPoint at = event->position().toPoint();
        swept(at.x() / zoom, at.y() / zoom);
    }
    event->accept();
}

void CNeckWidget::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0) {
        ScrollTo(ScrollPosition() - notches * kWheelStep);
    } else if (event->pixelDelta().y() != 0) {
        ScrollTo(ScrollPosition() - event->pixelDelta().y() / zoom);
    }
    event->accept();
}
