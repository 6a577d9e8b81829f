#include "icons.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>

#include "paint_kit.h"

namespace {

const QColor kOutline(40, 36, 32);
const QColor kGreen(46, 160, 60);
const QColor kRed(204, 52, 44);
const QColor kBlue(52, 108, 196);
const QColor kPaper(250, 248, 240);
const QColor kGold(226, 178, 52);

void Outlined(QPainter& painter, const QPainterPath& path, const QBrush& fill, double pen = 1.0) {
    painter.setPen(QPen(kOutline, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath Star(const QPointF& centre, double outer, double inner) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = -M_PI / 2 + i * M_PI / 5;
        points << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

void Page(QPainter& painter, const QRectF& page) {
    QPainterPath path;
    const double fold = 4;
    path.moveTo(page.topLeft());
    path.lineTo(page.right() - fold, page.top());
    path.lineTo(page.right(), page.top() + fold);
    path.lineTo(page.bottomRight());
    path.lineTo(page.bottomLeft());
    path.closeSubpath();
    Outlined(painter, path, kPaper);
    painter.drawLine(QPointF(page.right() - fold, page.top()),
                     QPointF(page.right() - fold, page.top() + fold));
    painter.drawLine(QPointF(page.right() - fold, page.top() + fold),
                     QPointF(page.right(), page.top() + fold));
}

void Arrow(QPainter& painter, const QPointF& tip, double dy, const QColor& colour) {
    // A fat vertical arrow pointing down (dy > 0) or up (dy < 0).
    const double s = dy > 0 ? 1 : -1;
    const double h = std::abs(dy);
    Outlined(painter,
             Polygon({tip, tip + QPointF(-5, -s * h * 0.5), tip + QPointF(-2, -s * h * 0.5),
                      tip + QPointF(-2, -s * h), tip + QPointF(2, -s * h),
                      tip + QPointF(2, -s * h * 0.5), tip + QPointF(5, -s * h * 0.5)}),
             colour);
}

void Cross(QPainter& painter, const QRectF& box) {
    for (const auto& [width, colour] : {std::pair{3.6, kOutline}, std::pair{2.0, kRed}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    }
}

void Pencil(QPainter& painter, const QPointF& tip) {
    QPainterPath body = Polygon({tip, tip + QPointF(1, -4), tip + QPointF(9, -12),
                                 tip + QPointF(12, -9), tip + QPointF(4, -1)});
    Outlined(painter, body, kGold);
    Outlined(painter, Polygon({tip, tip + QPointF(1, -4), tip + QPointF(4, -1)}),
             QColor(240, 214, 170), 0.8);
}

void Note(QPainter& painter, const QPointF& at, const QColor& colour) {
    // An eighth note: head at `at`.
    painter.setPen(QPen(colour, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at + QPointF(2.2, 0), at + QPointF(2.2, -9));
    painter.drawLine(at + QPointF(2.2, -9), at + QPointF(5.5, -6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(at + QPointF(0, 0.4), 2.8, 2.1);
}

}  // namespace

void PaintPlay(QPainter& painter) {
    QLinearGradient green(0, 2, 0, 14);
    green.setColorAt(0, kGreen.lighter(140));
    green.setColorAt(1, kGreen.darker(120));
    Outlined(painter, Polygon({{4, 2}, {14, 8}, {4, 14}}), green);
}

void PaintStop(QPainter& painter) {
    QLinearGradient red(0, 3, 0, 13);
    red.setColorAt(0, kRed.lighter(140));
    red.setColorAt(1, kRed.darker(120));
    QPainterPath square;
    square.addRoundedRect(QRectF(3.5, 3.5, 9, 9), 1.5, 1.5);
    Outlined(painter, square, red);
}

void PaintNew(QPainter& painter) {
    Page(painter, QRectF(3.5, 1.5, 10, 13));
    painter.setPen(QPen(kOutline, 1.0));
    Outlined(painter, Star(QPointF(11.5, 11.5), 4.2, 1.8), kGold, 0.8);
}

void PaintEdit(QPainter& painter) {
    Page(painter, QRectF(2.5, 1.5, 10, 13));
    Pencil(painter, QPointF(5, 14));
}

void PaintDelete(QPainter& painter) {
    Cross(painter, QRectF(4, 4, 8, 8));
}

void PaintExport(QPainter& painter) {
    Page(painter, QRectF(1.5, 3.5, 9, 11));
    painter.setRenderHint(QPainter::Antialiasing);
    Outlined(painter, Polygon({{8, 6}, {12, 6}, {12, 3}, {15.5, 7.5}, {12, 12}, {12, 9}, {8, 9}}),
             kGreen, 0.9);
}

void PaintImport(QPainter& painter) {
    Page(painter, QRectF(5.5, 3.5, 9, 11));
    Outlined(painter, Polygon({{0.5, 6}, {5, 6}, {5, 3}, {8.5, 7.5}, {5, 12}, {5, 9}, {0.5, 9}}),
             kBlue, 0.9);
}

void PaintAddFromFavorite(QPainter& painter) {
    Outlined(painter, Star(QPointF(7.5, 7.5), 7, 3), kGold, 0.9);
    painter.setPen(QPen(kOutline, 3.2));
    painter.drawLine(QPointF(12, 9.5), QPointF(12, 15.5));
    painter.drawLine(QPointF(9, 12.5), QPointF(15, 12.5));
    painter.setPen(QPen(kGreen.lighter(120), 1.4));
    painter.drawLine(QPointF(12, 9.8), QPointF(12, 15.2));
    painter.drawLine(QPointF(9.3, 12.5), QPointF(14.7, 12.5));
}

void PaintEditPattern(QPainter& painter) {
    Note(painter, QPointF(4, 12), kBlue.darker(130));
    Pencil(painter, QPointF(6, 15));
}

void PaintDeletePattern(QPainter& painter) {
    Note(painter, QPointF(3.5, 11), kBlue.darker(130));
    Cross(painter, QRectF(8.5, 8.5, 6, 6));
}

void PaintMoveDown(QPainter& painter) {
    Arrow(painter, QPointF(8, 14.5), 13, kBlue);
}

void PaintMoveUp(QPainter& painter) {
    Arrow(painter, QPointF(8, 1.5), -13, kBlue);
}

void PaintFolder(QPainter& painter, bool open) {
    const QColor manila(238, 198, 96);
    Outlined(painter,
             Polygon({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}),
             manila.darker(115), 0.9);
    if (open) {
        Outlined(painter, Polygon({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}), manila,
                 0.9);
    } else {
        Outlined(painter, Polygon({{1.5, 6.5}, {14.5, 6.5}, {14.5, 13.5}, {1.5, 13.5}}), manila,
                 0.9);
    }
}

void PaintFavorite(QPainter& painter) {
    Outlined(painter, Star(QPointF(8, 8.5), 7, 3), kGold, 0.9);
}

void PaintDevice(QPainter& painter, bool selected) {
    QPainterPath body;
    body.addRoundedRect(QRectF(3.5, 1.5, 9, 13), 1.5, 1.5);
    Outlined(painter, body, QColor(120, 124, 132));
    painter.fillRect(QRectF(5, 3, 6, 7), selected ? QColor(120, 200, 255) : QColor(60, 90, 120));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 220, 220));
    painter.drawEllipse(QPointF(8, 12.3), 1.2, 1.2);
}

void PaintPatternRow(QPainter& painter) {
    // Six strings and a pick.
    painter.setPen(QPen(QColor(150, 150, 156), 0.8));
    for (int i = 0; i < 6; ++i) {
        painter.drawLine(QPointF(1, 2.5 + 2.2 * i), QPointF(15, 2.5 + 2.2 * i));
    }
    QPainterPath pick;
    pick.moveTo(5, 4);
    pick.cubicTo(8, 2.5, 13, 3, 12, 6);
    pick.cubicTo(11.5, 9, 9, 12, 8, 14);
    pick.cubicTo(6.5, 12, 3.5, 8, 5, 4);
    Outlined(painter, pick, QColor(220, 120, 40), 0.9);
}

void PaintProgressionFile(QPainter& painter) {
    Page(painter, QRectF(2.5, 1.5, 11, 13));
    Note(painter, QPointF(6, 11.5), kBlue.darker(130));
}

void PaintSoundPack(QPainter& painter, bool loaded) {
    QPainterPath box;
    box.addRoundedRect(QRectF(1.5, 4.5, 13, 10), 1.5, 1.5);
    Outlined(painter, box, loaded ? kGreen.lighter(130) : QColor(190, 170, 140));
    Note(painter, QPointF(6, 11.5), kOutline);
    painter.setPen(QPen(kOutline, 1.0));
    painter.drawLine(QPointF(5, 4.5), QPointF(6, 1.5));
    painter.drawLine(QPointF(11, 4.5), QPointF(10, 1.5));
    painter.drawLine(QPointF(6, 1.5), QPointF(10, 1.5));
}

void PaintBanner(QPainter& painter) {
    PaintWoodGrain(painter, QRectF(0, 0, 240, 50),
                   WoodTones{QColor(40, 21, 13), QColor(76, 42, 26), QColor(116, 66, 40)}, 161,
                   true);
    QLinearGradient shade(0, 0, 240, 0);
    shade.setColorAt(0, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 120));
    painter.fillRect(QRectF(0, 0, 240, 50), shade);
    QLinearGradient gloss(0, 0, 0, 20);
    gloss.setColorAt(0, QColor(255, 255, 255, 40));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(0, 0, 240, 20), gloss);
    Outlined(painter, Star(QPointF(25, 25), 16, 7), kGold, 1.2);
    FillTextCentred(painter, QRectF(48, 8, 186, 34), QStringLiteral("Favorites"),
                    ArtFont::SerifBold, 24, QColor(240, 222, 176));
    painter.fillRect(QRectF(0, 48, 240, 2), QColor(176, 140, 74));
}

void PaintLamp(QPainter& painter, bool lit) {
    QRadialGradient glass(QPointF(6, 5.5), 8);
    if (lit) {
        glass.setColorAt(0, QColor(220, 255, 210));
        glass.setColorAt(0.5, QColor(60, 230, 60));
        glass.setColorAt(1, QColor(20, 140, 20));
    } else {
        glass.setColorAt(0, QColor(80, 120, 80));
        glass.setColorAt(0.5, QColor(30, 70, 30));
        glass.setColorAt(1, QColor(14, 40, 14));
    }
    painter.setPen(QPen(QColor(30, 30, 30), 1.0));
    painter.setBrush(glass);
    painter.drawEllipse(QRectF(1, 1, 13, 13));
}

void PaintTipPicture(QPainter& painter, int size) {
    painter.scale(size / 48.0, size / 48.0);
    QRadialGradient bulb(QPointF(21, 16), 18);
    bulb.setColorAt(0, QColor(255, 255, 230));
    bulb.setColorAt(0.6, QColor(255, 226, 90));
    bulb.setColorAt(1, QColor(230, 170, 30));
    QPainterPath round;
    round.addEllipse(QPointF(24, 19), 14, 14);
    QPainterPath neck;
    neck.addPolygon(
        QPolygonF({QPointF(13.5, 24), QPointF(34.5, 24), QPointF(29.5, 36), QPointF(18.5, 36)}));
    neck.closeSubpath();
    Outlined(painter, round.united(neck), bulb, 1.5);
    // The filament.
    painter.setPen(QPen(QColor(200, 120, 20), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(
        QPolygonF({QPointF(20.5, 35), QPointF(20.5, 24), QPointF(22.5, 20), QPointF(24, 24),
                   QPointF(25.5, 20), QPointF(27.5, 24), QPointF(27.5, 35)}));
    for (int i = 0; i < 3; ++i) {
        QPainterPath thread;
        thread.addRoundedRect(QRectF(18, 36 + 3.2 * i, 12, 2.8), 1.2, 1.2);
        Outlined(painter, thread, QColor(170, 172, 178), 0.8);
    }
    QPainterPath tip;
    tip.addRoundedRect(QRectF(21, 45.4, 6, 2.2), 1, 1);
    Outlined(painter, tip, kOutline, 0.6);
}

void PaintAppIcon(QPainter& painter, int size) {
    painter.scale(size / 64.0, size / 64.0);
    // A rounded tile in deep lacquer holding a stretch of the program's neck: nut, frets,
    // strings and a chord of ivory note plates.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 13, 13);
    QLinearGradient lacquer(0, 2, 0, 62);
    lacquer.setColorAt(0.0, QColor(150, 40, 30));
    lacquer.setColorAt(1.0, QColor(70, 14, 10));
    painter.fillPath(tile, lacquer);
    painter.save();
    painter.setClipPath(tile);
    const QRectF neck(15, 2, 34, 60);
    PaintWoodGrain(painter, neck,
                   WoodTones{QColor(40, 21, 13), QColor(78, 44, 28), QColor(120, 70, 42)}, 64);
    painter.fillRect(QRectF(neck.left() - 1.5, 2, 1.5, 60), QColor(236, 226, 200));
    painter.fillRect(QRectF(neck.right(), 2, 1.5, 60), QColor(236, 226, 200));
    QLinearGradient bone(0, 9, 0, 14);
    bone.setColorAt(0.0, QColor(255, 252, 240));
    bone.setColorAt(1.0, QColor(184, 172, 146));
    painter.fillRect(QRectF(neck.left(), 9, neck.width(), 5), bone);
    for (double y : {27.0, 40.0, 53.0}) {
        QLinearGradient wire(0, y - 1.2, 0, y + 1.2);
        wire.setColorAt(0.0, QColor(90, 90, 94));
        wire.setColorAt(0.4, QColor(255, 255, 255));
        wire.setColorAt(1.0, QColor(80, 80, 84));
        painter.fillRect(QRectF(neck.left(), y - 1.2, neck.width(), 2.4), wire);
    }
    for (int s = 0; s < 6; ++s) {
        const double x = neck.left() + 4 + s * (neck.width() - 8) / 5.0;
        const double w = 1.5 - 0.16 * s;
        painter.fillRect(QRectF(x - w / 2 + 0.7, 2, w, 60), QColor(0, 0, 0, 100));
        QLinearGradient metal(x - w / 2, 0, x + w / 2, 0);
        metal.setColorAt(0.0, QColor(130, 130, 136));
        metal.setColorAt(0.4, QColor(255, 255, 255));
        metal.setColorAt(1.0, QColor(120, 120, 126));
        painter.fillRect(QRectF(x - w / 2, 2, w, 60), metal);
    }
    const double step = (neck.width() - 8) / 5.0;
    for (const QPointF& plate :
         {QPointF(neck.left() + 4 + step, 46.5), QPointF(neck.left() + 4 + 2 * step, 33.5),
          QPointF(neck.left() + 4 + 4 * step, 20.5)}) {
        QRadialGradient ivory(plate + QPointF(-1.5, -2), 7);
        ivory.setColorAt(0.0, QColor(255, 253, 244));
        ivory.setColorAt(1.0, QColor(214, 200, 166));
        painter.setPen(QPen(QColor(40, 26, 14), 1.0));
        painter.setBrush(ivory);
        painter.drawEllipse(plate, 4.6, 5.6);
    }
    painter.restore();
    // A glassy rim.
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2.5, 2.5, 59, 59), 12.5, 12.5);
    painter.setPen(QPen(QColor(30, 6, 4), 1.2));
    painter.drawPath(tile);
}
