#include "neck.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>

#include "guitar/tuning.h"
#include "music/note.h"
#include "paint_kit.h"
#include "view/neck_geometry.h"

namespace {

// Where the wood of the fingerboard ends on either side; the strings and labels sit
// well inside it.
constexpr double kBoardLeft = StringX(1) - 22;
constexpr double kBoardRight = StringX(kNeckStrings) + 22;

// The open-string zone ends and fret 1 begins one pixel below FretY(1) - 2: the nut
// sits there, and fret wire f sits where fret f's zone ends.
constexpr double NutBottom() {
    return FretY(1) + 1;
}
constexpr double WireY(int f) {
    return FretY(f) + 37.5;
}
constexpr double FretMiddle(int f) {
    return (FretY(f) + 1 + WireY(f)) / 2.0;
}

const QColor kRosewood(74, 42, 28);
const QColor kRosewoodDark(46, 25, 16);
const QColor kRosewoodLight(104, 62, 40);
const QColor kSide(28, 18, 13);

double Column(int s, Hand hand) {
    return hand == Hand::Right ? StringX(s) : StringX(kNeckStrings + 1 - s);
}

void PaintWood(QPainter& painter, const QRectF& area, std::uint32_t seed) {
    painter.fillRect(area, kRosewood);
    CArtRandom random(seed);
    // Grain runs along the neck: long, slightly wavy strands of darker and lighter wood.
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 150; ++i) {
        const double x = area.left() + random.Unit() * area.width();
        const double amplitude = random.Range(0.3, 1.6);
        const double period = random.Range(60, 220);
        const double phase = random.Range(0, 6.28);
        const bool dark = random.Unit() < 0.6;
        const QColor base = dark ? kRosewoodDark : kRosewoodLight;
        QColor colour = base;
        colour.setAlphaF(random.Range(0.15, 0.45));
        QPainterPath strand;
        const double top = area.top() + random.Range(-200, area.height() * 0.5);
        const double length = random.Range(area.height() * 0.3, area.height() * 1.2);
        strand.moveTo(x, top);
        for (double y = top; y <= top + length; y += 8) {
            strand.lineTo(x + amplitude * std::sin(phase + y * 6.283 / period), y);
        }
        painter.setPen(QPen(colour, random.Range(0.4, 1.4), Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(strand);
    }
    // Pores: short dark flecks.
    for (int i = 0; i < int(area.width() * area.height() / 90); ++i) {
        const double x = area.left() + random.Unit() * area.width();
        const double y = area.top() + random.Unit() * area.height();
        QColor fleck = kRosewoodDark.darker(130);
        fleck.setAlphaF(random.Range(0.2, 0.5));
        painter.setPen(QPen(fleck, 0.6));
        painter.drawLine(QPointF(x, y), QPointF(x, y + random.Range(1.5, 5)));
    }
}

void PaintFretWire(QPainter& painter, double y) {
    // A crowned nickel wire seen from above: dark edges, a bright crown line.
    QLinearGradient wire(0, y - 1.6, 0, y + 1.6);
    wire.setColorAt(0.0, QColor(70, 70, 72));
    wire.setColorAt(0.25, QColor(190, 192, 196));
    wire.setColorAt(0.45, QColor(250, 250, 252));
    wire.setColorAt(0.7, QColor(160, 162, 166));
    wire.setColorAt(1.0, QColor(60, 60, 62));
    painter.fillRect(QRectF(kBoardLeft, y + 1.6, kBoardRight - kBoardLeft, 1.4),
                     QColor(0, 0, 0, 90));
    painter.fillRect(QRectF(kBoardLeft, y - 1.6, kBoardRight - kBoardLeft, 3.2), wire);
}

void PaintInlay(QPainter& painter, const QPointF& centre, double radius) {
    QRadialGradient pearl(centre + QPointF(-radius * 0.35, -radius * 0.35), radius * 1.3);
    pearl.setColorAt(0.0, QColor(255, 255, 250));
    pearl.setColorAt(0.45, QColor(226, 232, 228));
    pearl.setColorAt(0.75, QColor(206, 200, 214));
    pearl.setColorAt(1.0, QColor(170, 176, 180));
    painter.setPen(QPen(QColor(30, 18, 12, 160), 0.6));
    painter.setBrush(pearl);
    painter.drawEllipse(centre, radius, radius);
}

double StringThickness(int physical) {
    constexpr double kThickness[kNeckStrings] = {3.0, 2.5, 2.0, 1.6, 1.25, 1.0};
    return kThickness[physical - 1];
}

void PaintString(QPainter& painter, double x, double top, double bottom, int physical) {
    const double w = StringThickness(physical);
    const bool wound = physical <= 3;
    // Shadow on the wood, down and right of the string.
    painter.fillRect(QRectF(x - w / 2 + 1.2, top, w, bottom - top), QColor(0, 0, 0, 80));
    QLinearGradient metal(x - w / 2, 0, x + w / 2, 0);
    if (wound) {
        metal.setColorAt(0.0, QColor(90, 80, 62));
        metal.setColorAt(0.4, QColor(232, 220, 190));
        metal.setColorAt(1.0, QColor(110, 98, 76));
    } else {
        metal.setColorAt(0.0, QColor(110, 112, 116));
        metal.setColorAt(0.4, QColor(250, 250, 252));
        metal.setColorAt(1.0, QColor(120, 122, 126));
    }
    painter.fillRect(QRectF(x - w / 2, top, w, bottom - top), metal);
    if (wound) {
        // The winding: fine slanted grooves along the string.
        painter.setPen(QPen(QColor(60, 52, 40, 150), 0.35));
        for (double y = top; y < bottom; y += 0.9) {
            painter.drawLine(QPointF(x - w / 2, y + 0.5), QPointF(x + w / 2, y));
        }
    }
}

}  // namespace

void PaintFretboard(QPainter& painter, Hand hand) {
    painter.fillRect(QRectF(0, 0, kNeckWidth, kNeckHeight), kSide);
    PaintWood(painter, QRectF(kBoardLeft, 0, kBoardRight - kBoardLeft, kNeckHeight), 143);
    // Binding along both edges.
    for (double x : {kBoardLeft, kBoardRight - 2}) {
        painter.fillRect(QRectF(x, 0, 2, kNeckHeight), QColor(224, 214, 190));
    }
    // The nut.
    const double nutTop = NutBottom() - 5;
    QLinearGradient bone(0, nutTop, 0, NutBottom());
    bone.setColorAt(0.0, QColor(255, 252, 240));
    bone.setColorAt(0.6, QColor(232, 224, 200));
    bone.setColorAt(1.0, QColor(170, 160, 136));
    painter.fillRect(QRectF(kBoardLeft, nutTop, kBoardRight - kBoardLeft, 5), bone);
    painter.fillRect(QRectF(kBoardLeft, NutBottom(), kBoardRight - kBoardLeft, 1.5),
                     QColor(0, 0, 0, 110));
    for (int f = 1; f <= kNeckFrets; ++f) {
        PaintFretWire(painter, WireY(f));
    }
    const double middle = (StringX(3) + StringX(4)) / 2.0;
    for (int f : {3, 5, 7, 9, 15, 17, 19, 21}) {
        PaintInlay(painter, QPointF(middle, FretMiddle(f)), 5.5);
    }
    for (int f : {12, 24}) {
        PaintInlay(painter, QPointF((StringX(2) + StringX(3)) / 2.0, FretMiddle(f)), 5.5);
        PaintInlay(painter, QPointF((StringX(4) + StringX(5)) / 2.0, FretMiddle(f)), 5.5);
    }
    for (int s = 1; s <= kNeckStrings; ++s) {
        PaintString(painter, Column(s, hand), kHeaderRowHeight, kNeckHeight, s);
    }
    // Fret numbers in the margin on the treble side's opposite: the left margin for
    // right-handed play, the right one for left-handed.
    const double marginLeft = hand == Hand::Right ? 0 : kBoardRight;
    const double marginWidth = hand == Hand::Right ? kBoardLeft : kNeckWidth - kBoardRight;
    for (int f = 1; f <= kNeckFrets; ++f) {
        const QRectF box(marginLeft, FretMiddle(f) - 8, marginWidth, 16);
        FillTextCentred(painter, box, QString::number(f), ArtFont::SansCondensedBold, 11,
                        QColor(222, 210, 180));
    }
}

void PaintHeaderStrip(QPainter& painter, Hand hand) {
    painter.fillRect(QRectF(0, 0, kNeckWidth, kHeaderRows * kHeaderRowHeight), kSide);
    for (int r = 0; r < kHeaderRows; ++r) {
        const double top = r * kHeaderRowHeight;
        QLinearGradient band(0, top, 0, top + kHeaderRowHeight);
        band.setColorAt(0.0, QColor(40, 26, 18));
        band.setColorAt(1.0, QColor(22, 14, 10));
        painter.fillRect(QRectF(0, top, kNeckWidth, kHeaderRowHeight), band);
        painter.fillRect(QRectF(0, top + kHeaderRowHeight - 1.5, kNeckWidth, 1.5),
                         QColor(176, 140, 74));
        if (r >= kPredefinedTuningCount) {
            continue;
        }
        const auto strings = CTuning::PredefinedStrings(r);
        for (int s = 1; s <= kNeckStrings; ++s) {
            const CNote& note = strings[static_cast<std::size_t>(s - 1)];
            const QString name = QString::fromStdString(NoteName(note.note));
            const QRectF box(Column(s, hand) - 13, top + 3, 26, kHeaderRowHeight - 7);
            FillTextCentred(painter, box, name, ArtFont::SansBold, 13, QColor(240, 226, 190));
        }
    }
}

namespace {

// A label: an ivory plate with the note name cut out in black, so that the black
// rectangle the view fills behind it shows through the lettering. The lettering keeps
// inside that rectangle (5, 5, 15 x 23 within the cell).

void PaintPlate(QPainter& painter, const QRectF& cell) {
    const QRectF oval = cell.adjusted(1.0, 1.0, -1.0, -1.0);
    QRadialGradient ivory(oval.center() + QPointF(-3, -6), oval.height() * 0.75);
    ivory.setColorAt(0.0, QColor(255, 253, 244));
    ivory.setColorAt(0.7, QColor(240, 230, 204));
    ivory.setColorAt(1.0, QColor(204, 190, 156));
    painter.setPen(QPen(QColor(96, 74, 44), 1.0));
    painter.setBrush(ivory);
    painter.drawEllipse(oval);
}

enum class Sign { None, Flat, Sharp };

// The signs are drawn rather than set in type: at 25 x 33 a font's sharp and flat are
// hairlines, and their strokes must land on whole pixels to stay black at zoom 1.
QPainterPath SignPath(Sign sign) {
    QPainterPath path;
    if (sign == Sign::Sharp) {
        path.addRect(QRectF(15, 8.5, 1, 11.5));
        path.addRect(QRectF(18, 7.5, 1, 11.5));
        for (double y : {11.8, 16.0}) {
            QPainterPath bar;
            bar.addPolygon(QPolygonF({QPointF(14.2, y + 1.0), QPointF(19.8, y - 0.4),
                                      QPointF(19.8, y + 1.5), QPointF(14.2, y + 2.9)}));
            bar.closeSubpath();
            path = path.united(bar);
        }
    } else if (sign == Sign::Flat) {
        path.addRect(QRectF(14.5, 7, 1.5, 13.5));
        QPainterPath bowl;
        bowl.moveTo(16, 14.6);
        bowl.cubicTo(17.6, 12.8, 20.6, 13.2, 19.8, 15.8);
        bowl.cubicTo(19.3, 17.6, 17.6, 19.4, 16, 20.5);
        bowl.closeSubpath();
        QPainterPath hole;
        hole.moveTo(16, 16.1);
        hole.cubicTo(17.0, 15.0, 18.6, 14.9, 18.3, 16.2);
        hole.cubicTo(18.0, 17.3, 17.0, 18.4, 16, 19.1);
        hole.closeSubpath();
        path = path.united(bowl.subtracted(hole));
    }
    return path;
}

void PaintNoteLabel(QPainter& painter, const QPointF& at, const QString& letter, Sign sign) {
    const QRectF cell(at, QSizeF(kLabelWidth, kLabelHeight));
    PaintPlate(painter, cell);
    if (sign == Sign::None) {
        FillTextFitted(painter, QRectF(6, 10, 13, 13).translated(at), letter, ArtFont::SansBold, 17,
                       Qt::black);
        return;
    }
    FillTextFitted(painter, QRectF(5.6, 10, 8.4, 13).translated(at), letter,
                   ArtFont::SansCondensedBold, 17, Qt::black);
    painter.fillPath(SignPath(sign).translated(at), Qt::black);
}

void PaintOpenIcon(QPainter& painter, const QPointF& at) {
    const QRectF ring = QRectF(at, QSizeF(kIconWidth, kIconHeight)).adjusted(3.5, 3.5, -3.5, -3.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(20, 20, 20), 5.0));
    painter.drawEllipse(ring);
    painter.setPen(QPen(QColor(244, 238, 220), 3.0));
    painter.drawEllipse(ring);
}

void PaintMutedIcon(QPainter& painter, const QPointF& at) {
    const QRectF box = QRectF(at, QSizeF(kIconWidth, kIconHeight)).adjusted(5, 5.5, -5, -5.5);
    for (const auto& [width, colour] :
         {std::pair{5.5, QColor(20, 20, 20)}, std::pair{3.2, QColor(236, 70, 56)}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    }
}

}  // namespace

void PaintLabelSheet(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, kSpriteSheetWidth, kSpriteSheetHeight), Qt::black);
    // Rows of flat, natural and sharp labels for A to G, as the view's cells expect.
    const char* letters = "ABCDEFG";
    for (int row = 0; row < 7; ++row) {
        const QString letter = QString(QChar(letters[row]));
        const double y = row * kLabelHeight;
        PaintNoteLabel(painter, QPointF(0, y), letter, Sign::Flat);
        PaintNoteLabel(painter, QPointF(kLabelWidth, y), letter, Sign::None);
        PaintNoteLabel(painter, QPointF(2 * kLabelWidth, y), letter, Sign::Sharp);
    }
    // Finger numbers 1 to 4 in the row below.
    for (int finger = 1; finger <= 4; ++finger) {
        PaintNoteLabel(painter, QPointF((finger - 1) * kLabelWidth, 7 * kLabelHeight),
                       QString::number(finger), Sign::None);
    }
    PaintMutedIcon(painter, QPointF(kMutedIconCell.x, kMutedIconCell.y));
    PaintOpenIcon(painter, QPointF(kOpenIconCell.x, kOpenIconCell.y));
    // The top-left pixel is the transparent colour: keep it black whatever the cell
    // there looks like.
    painter.fillRect(QRectF(0, 0, 1, 1), Qt::black);
}

void PaintStringBar(QPainter& painter, const QColor& colour) {
    QLinearGradient bar(0, 0, 6, 0);
    bar.setColorAt(0.0, colour.darker(160));
    bar.setColorAt(0.4, colour.lighter(140));
    bar.setColorAt(1.0, colour.darker(140));
    painter.fillRect(QRectF(0, 0, 6, 100), bar);
}

void PaintNoteOverlay(QPainter& painter, const QColor& colour) {
    QRadialGradient glow(QPointF(12, 14), 16);
    glow.setColorAt(0.0, colour.lighter(150));
    glow.setColorAt(1.0, colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QRectF(0, 0, kLabelWidth - 1, kLabelHeight));
}

void PaintIconOverlay(QPainter& painter, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 4.0));
    painter.drawEllipse(QRectF(2, 2, kIconWidth - 4, kIconHeight - 4));
}
