#include "app/painter_canvas.h"

#include <algorithm>

#include "app/picture_set.h"

CPainterCanvas::CPainterCanvas(QImage& buffer, CPictureSet& pictures)
    : buffer(buffer), pictures(pictures), zoom(pictures.Zoom()), painter(&buffer) {
    // Stretched pictures (the string bars, zoom 4) keep hard pixel edges.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

CPainterCanvas::~CPainterCanvas() {
    painter.end();
}

void CPainterCanvas::Copy(const QImage& image, int scale, int logicalWidth, int logicalHeight,
                          int x, int y, const CCanvasRect& source) {
    // Only the part of the source inside the picture is copied, to where it belongs.
    const int left = std::max(source.x, 0);
    const int top = std::max(source.y, 0);
    const int right = std::min(source.x + source.width, logicalWidth);
    const int bottom = std::min(source.y + source.height, logicalHeight);
    if (right <= left || bottom <= top) {
        return;
    }
    const QRect from(left * scale, top * scale, (right - left) * scale, (bottom - top) * scale);
    const QRect to((x + left - source.x) * zoom, (y + top - source.y) * zoom, (right - left) * zoom,
                   (bottom - top) * zoom);
    painter.drawImage(to, image, from);
}

void CPainterCanvas::Draw(int pictureId, int x, int y, const CCanvasRect& source) {
    if (const CPictureSet::Picture* picture = pictures.Get(pictureId)) {
        Copy(picture->image, picture->scale, picture->logicalWidth, picture->logicalHeight, x, y,
             source);
    }
}

void CPainterCanvas::DrawTransparent(int pictureId, int x, int y, const CCanvasRect& source) {
    const QImage* keyed = pictures.Keyed(pictureId);
    const CPictureSet::Picture* picture = pictures.Get(pictureId);
    if (keyed != nullptr && picture != nullptr) {
        Copy(*keyed, picture->scale, picture->logicalWidth, picture->logicalHeight, x, y, source);
    }
}

void CPainterCanvas::Blend(int pictureId, int x, int y, int percent, int width, int height) {
    const CPictureSet::Picture* picture = pictures.Get(pictureId);
    if (picture == nullptr || width <= 0 || height <= 0) {
        return;
    }
    painter.save();
    painter.setOpacity(std::clamp(percent, 0, 100) / 100.0);
    painter.drawImage(QRect(x * zoom, y * zoom, width * zoom, height * zoom), picture->image);
    painter.restore();
}

void CPainterCanvas::Fill(int x, int y, int width, int height, CanvasColour colour) {
    if (width > 0 && height > 0) {
        painter.fillRect(QRect(x * zoom, y * zoom, width * zoom, height * zoom),
                         QColor::fromRgb(static_cast<QRgb>(colour | 0xff000000u)));
    }
}
