#include "panels.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <vector>

#include "paint_kit.h"

namespace {

// The frame's key colour: the splash draws the frame leaving out every pixel of its
// top-left colour, so the bar shows through the frame's window.
const QColor kFrameKey(255, 0, 255);

}  // namespace

namespace {

const WoodTones kDarkRosewood{QColor(28, 15, 10), QColor(54, 30, 19), QColor(86, 48, 29)};

// A short stretch of neck across the splash: nut, frets closing up towards the right,
// six strings and two pearl dots.
void PaintNeckMotif(QPainter& painter, const QRectF& band) {
    painter.fillRect(band, QColor(0, 0, 0, 90));
    const double nutX = band.left() + 14;
    QLinearGradient bone(nutX, 0, nutX + 5, 0);
    bone.setColorAt(0.0, QColor(255, 252, 240));
    bone.setColorAt(1.0, QColor(180, 168, 140));
    painter.fillRect(QRectF(nutX, band.top(), 5, band.height()), bone);
    double x = nutX + 5;
    double gap = 34;
    std::vector<double> frets;
    while (x + gap < band.right()) {
        x += gap;
        frets.push_back(x);
        gap *= 0.944;  // each fret a semitone shorter
    }
    for (double fx : frets) {
        QLinearGradient wire(fx - 1.2, 0, fx + 1.2, 0);
        wire.setColorAt(0.0, QColor(90, 90, 94));
        wire.setColorAt(0.45, QColor(250, 250, 252));
        wire.setColorAt(1.0, QColor(80, 80, 84));
        painter.fillRect(QRectF(fx - 1.2, band.top(), 2.4, band.height()), wire);
    }
    painter.setPen(Qt::NoPen);
    for (int i : {2, 4}) {
        if (i < static_cast<int>(frets.size())) {
            const QPointF dot(
                (frets[static_cast<std::size_t>(i - 1)] + frets[static_cast<std::size_t>(i)]) / 2,
                band.center().y());
            QRadialGradient pearl(dot + QPointF(-1, -1), 4);
            pearl.setColorAt(0.0, QColor(255, 255, 250));
            pearl.setColorAt(1.0, QColor(196, 200, 206));
            painter.setBrush(pearl);
            painter.drawEllipse(dot, 3.2, 3.2);
        }
    }
    for (int s = 0; s < 6; ++s) {
        const double y = band.top() + 3 + s * (band.height() - 6) / 5.0;
        const double w = 0.7 + 0.28 * s;
        painter.fillRect(QRectF(band.left(), y - w / 2 + 0.8, band.width(), w),
                         QColor(0, 0, 0, 110));
        QLinearGradient metal(0, y - w / 2, 0, y + w / 2);
        metal.setColorAt(0.0, s >= 3 ? QColor(150, 132, 100) : QColor(140, 142, 148));
        metal.setColorAt(0.4, s >= 3 ? QColor(246, 232, 200) : QColor(255, 255, 255));
        metal.setColorAt(1.0, s >= 3 ? QColor(110, 96, 70) : QColor(120, 122, 128));
        painter.fillRect(QRectF(band.left(), y - w / 2, band.width(), w), metal);
    }
}

}  // namespace

void PaintSplash(QPainter& painter) {
    const QRectF whole(0, 0, kSplashWidth, kSplashHeight);
    PaintWoodGrain(painter, whole, kDarkRosewood, 176, true);
    // Darker towards the edges, so the title and panel stand forward.
    QRadialGradient vignette(QPointF(kSplashWidth / 2.0, kSplashHeight * 0.4),
                             kSplashHeight * 0.75);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 170));
    painter.fillRect(whole, vignette);
    // The title, in cream with a soft shadow and a gilt rule under it.
    const QRectF title(0, 8, kSplashWidth, 44);
    for (int i = 3; i >= 1; --i) {
        FillTextCentred(painter, title.translated(i * 0.5, i * 0.7), QStringLiteral("Fretquill"),
                        ArtFont::SerifBold, 36, QColor(0, 0, 0, 70));
    }
    FillTextCentred(painter, title, QStringLiteral("Fretquill"), ArtFont::SerifBold, 36,
                    QColor(246, 230, 188));
    QLinearGradient rule(30, 0, kSplashWidth - 30, 0);
    rule.setColorAt(0.0, QColor(210, 170, 90, 0));
    rule.setColorAt(0.5, QColor(232, 196, 120));
    rule.setColorAt(1.0, QColor(210, 170, 90, 0));
    painter.fillRect(QRectF(30, 55, kSplashWidth - 60, 1.2), rule);
    FillTextCentred(painter, QRectF(0, 58, kSplashWidth, 14),
                    QStringLiteral("chords \u00b7 scales \u00b7 progressions"), ArtFont::Sans, 10,
                    QColor(222, 204, 166));
    PaintNeckMotif(painter, QRectF(0, 76, kSplashWidth, 20));
    // The black text panel in a gilt frame.
    const QRectF panel(kSplashPanelLeft, kSplashPanelTop, kSplashPanelRight - kSplashPanelLeft,
                       kSplashPanelBottom - kSplashPanelTop);
    painter.fillRect(panel.adjusted(-4, -4, 4, 4), QColor(0, 0, 0, 120));
    QLinearGradient gilt(0, panel.top() - 3, 0, panel.bottom() + 3);
    gilt.setColorAt(0.0, QColor(240, 208, 136));
    gilt.setColorAt(0.5, QColor(176, 134, 64));
    gilt.setColorAt(1.0, QColor(226, 190, 112));
    painter.fillRect(panel.adjusted(-3, -3, 3, 3), gilt);
    painter.fillRect(panel.adjusted(-1, -1, 1, 1), QColor(60, 40, 20));
    painter.fillRect(panel, Qt::black);
}

void PaintProgressFrame(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, kProgressFrameWidth, kProgressFrameHeight), kFrameKey);
    // No smoothing: a blended edge would mix in the key colour and show as a pink seam.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRectF outer(0, 0, kProgressFrameWidth, kProgressFrameHeight);
    QPainterPath ring;
    ring.addRoundedRect(outer, 6, 6);
    QPainterPath window;
    window.addRoundedRect(QRectF(4, 4, kProgressFrameWidth - 8, kProgressFrameHeight - 8), 2, 2);
    QLinearGradient gilt(0, 0, 0, kProgressFrameHeight);
    gilt.setColorAt(0.0, QColor(246, 218, 150));
    gilt.setColorAt(0.45, QColor(186, 142, 68));
    gilt.setColorAt(0.55, QColor(160, 118, 52));
    gilt.setColorAt(1.0, QColor(230, 194, 118));
    painter.fillPath(ring.subtracted(window), gilt);
    // A dark inner lip where the frame meets the bar.
    QPainterPath lip;
    lip.addRoundedRect(QRectF(3, 3, kProgressFrameWidth - 6, kProgressFrameHeight - 6), 3, 3);
    painter.fillPath(lip.subtracted(window), QColor(70, 46, 20));
    painter.fillRect(QRectF(0, 0, 1, 1), kFrameKey);
}

void PaintProgressFill(QPainter& painter) {
    // A glowing amber bar with a glassy highlight along its top.
    QLinearGradient fill(0, 0, 0, kProgressBarHeight);
    fill.setColorAt(0.0, QColor(255, 236, 170));
    fill.setColorAt(0.45, QColor(236, 170, 60));
    fill.setColorAt(0.55, QColor(214, 140, 36));
    fill.setColorAt(1.0, QColor(150, 84, 20));
    painter.fillRect(QRectF(0, 0, kProgressBarWidth, kProgressBarHeight), fill);
    QLinearGradient gloss(0, 4, 0, 11);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(0, 4, kProgressBarWidth, 7), gloss);
}

void PaintProgressEmpty(QPainter& painter) {
    QLinearGradient empty(0, 0, 0, kProgressBarHeight);
    empty.setColorAt(0.0, QColor(20, 14, 10));
    empty.setColorAt(1.0, QColor(50, 36, 26));
    painter.fillRect(QRectF(0, 0, kProgressBarWidth, kProgressBarHeight), empty);
}
