#include "panels.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "paint_kit.h"

namespace {

// The frame's key colour: the splash draws the frame leaving out every pixel of its
// top-left colour, so the bar shows through the frame's window.
const QColor kFrameKey(255, 0, 255);

}  // namespace

void PaintSplash(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, kSplashHeight);
    sky.setColorAt(0.0, QColor(70, 40, 26));
    sky.setColorAt(1.0, QColor(24, 14, 10));
    painter.fillRect(QRectF(0, 0, kSplashWidth, kSplashHeight), sky);
    FillTextCentred(painter, QRectF(0, 18, kSplashWidth, 40), QStringLiteral("Fretquill"),
                    ArtFont::SerifBold, 34, QColor(240, 222, 176));
    FillTextCentred(painter, QRectF(0, 66, kSplashWidth, 20),
                    QStringLiteral("chords \u00b7 scales \u00b7 progressions"), ArtFont::Sans, 11,
                    QColor(214, 196, 160));
    const QRectF panel(kSplashPanelLeft, kSplashPanelTop, kSplashPanelRight - kSplashPanelLeft,
                       kSplashPanelBottom - kSplashPanelTop);
    painter.fillRect(panel.adjusted(-3, -3, 3, 3), QColor(176, 140, 74));
    painter.fillRect(panel, Qt::black);
}

void PaintProgressFrame(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, kProgressFrameWidth, kProgressFrameHeight), kFrameKey);
    const QRectF outer(0, 0, kProgressFrameWidth, kProgressFrameHeight);
    QPainterPath ring;
    ring.addRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    QPainterPath window;
    window.addRect(QRectF(4, 4, kProgressFrameWidth - 8, kProgressFrameHeight - 8));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(ring.subtracted(window), QColor(176, 140, 74));
    painter.fillRect(QRectF(0, 0, 1, 1), kFrameKey);
}

void PaintProgressFill(QPainter& painter) {
    QLinearGradient fill(0, 0, 0, kProgressBarHeight);
    fill.setColorAt(0.0, QColor(250, 230, 170));
    fill.setColorAt(0.5, QColor(214, 164, 70));
    fill.setColorAt(1.0, QColor(140, 96, 30));
    painter.fillRect(QRectF(0, 0, kProgressBarWidth, kProgressBarHeight), fill);
}

void PaintProgressEmpty(QPainter& painter) {
    QLinearGradient empty(0, 0, 0, kProgressBarHeight);
    empty.setColorAt(0.0, QColor(20, 14, 10));
    empty.setColorAt(1.0, QColor(50, 36, 26));
    painter.fillRect(QRectF(0, 0, kProgressBarWidth, kProgressBarHeight), empty);
}
