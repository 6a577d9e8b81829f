#include "dialogs/beat_lamp.h"

#include <QPainter>

#include "dialogs/pictures.h"

namespace {

constexpr int kLampSize = 15;

QPixmap Dot(const QColor& colour) {
    QPixmap dot(kLampSize, kLampSize);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(40, 40, 40));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(1.5, 1.5, kLampSize - 3, kLampSize - 3));
    return dot;
}

}  // namespace

CBeatLamp::CBeatLamp(QWidget* parent) : QLabel(parent) {
    litPicture = LoadPicture("196", devicePixelRatioF());
    darkPicture = LoadPicture("195", devicePixelRatioF());
    if (litPicture.isNull()) {
        litPicture = Dot(QColor(0, 230, 0));
    }
    if (darkPicture.isNull()) {
        darkPicture = Dot(QColor(30, 70, 30));
    }
    setFixedSize(kLampSize, kLampSize);
    setAccessibleName("Beat");
    SetLit(false);
}

void CBeatLamp::SetLit(bool on) {
    lit = on;
    setPixmap(on ? litPicture : darkPicture);
}
