#include "dialogs/settings/beat_lamp.h"

#include <QPainter>

#include "dialogs/pictures.h"

namespace {

constexpr int kLampSize = 15;

}  // namespace

CBeatLamp::CBeatLamp(QWidget* parent) : QWidget(parent) {
    setFixedSize(kLampSize, kLampSize);
    setAccessibleName(QStringLiteral("Beat"));
}

void CBeatLamp::SetLit(bool on) {
    if (on != lit) {
        lit = on;
        update();
    }
}

void CBeatLamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap picture =
        LoadPicture(lit ? QStringLiteral("196") : QStringLiteral("195"), devicePixelRatioF());
    if (!picture.isNull()) {
        painter.drawPixmap(rect(), picture);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x10, 0x30, 0x10));
    painter.setBrush(lit ? QColor(0x40, 0xF0, 0x40) : QColor(0x10, 0x50, 0x10));
    painter.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}
