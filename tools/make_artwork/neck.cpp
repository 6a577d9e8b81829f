#include "neck.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>

#include "guitar/tuning.h"
#include "music/note.h"
#include "paint_kit.h"
#include "view/neck_geometry.h"

namespace {

// Where the wood of the fingerboard ends on either side; the strings and labels sit
// well inside it, the fret numbers in the margin outside.
constexpr double kBoardLeft = StringX(1) - 22;
constexpr double kBoardRight = StringX(kNeckStrings) + 23;
constexpr double kBoardWidth = kBoardRight - kBoardLeft;

// A label of fret f is drawn from FretY(f), 33 high, and the next one starts 37 lower:
// fret wire f sits in the gap between the two, the nut in the gap above fret 1.
constexpr double WireY(int f) {
    return FretY(f) + kLabelHeight + 2.0;
}
constexpr double kNutBottom = FretY(1) - 1.0;
constexpr double kNutHeight = 6.0;
constexpr double FretMiddle(int f) {
    return (WireY(f - 1 > 0 ? f - 1 : 0) + WireY(f)) / 2.0;
}
// The fingerboard ends a little below the last fret; the guitar's top shows below it.
constexpr double kBoardEnd = WireY(kNeckFrets) + 20.0;

const WoodTones kRosewood{QColor(38, 20, 13), QColor(72, 40, 26), QColor(112, 64, 38)};
const WoodTones kEbony{QColor(10, 7, 6), QColor(22, 15, 11), QColor(38, 26, 19)};
const QColor kSide(24, 15, 11);
const QColor kNumber(226, 212, 178);

// StringX is a pixel column; the string runs down the middle of that pixel, which is
// also the middle of a label drawn 12 pixels to its left and 25 wide.
constexpr double StringCentre(int s) {
    return StringX(s) + 0.5;
}

double Column(int s, Hand hand) {
    return hand == Hand::Right ? StringCentre(s) : StringCentre(kNeckStrings + 1 - s);
}

void PaintFretWire(QPainter& painter, double y) {
    // A crowned nickel wire seen from above, lit from the top: a bright crown, darker
    // flanks, and a soft shadow on the wood below it.
    QLinearGradient shadow(0, y + 1.5, 0, y + 4.0);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 130));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(kBoardLeft, y + 1.5, kBoardWidth, 2.5), shadow);
    QLinearGradient wire(0, y - 1.5, 0, y + 1.5);
    wire.setColorAt(0.0, QColor(96, 96, 100));
    wire.setColorAt(0.2, QColor(208, 210, 214));
    wire.setColorAt(0.4, QColor(255, 255, 255));
    wire.setColorAt(0.65, QColor(168, 170, 176));
    wire.setColorAt(1.0, QColor(70, 70, 74));
    QPainterPath bar;
    bar.addRoundedRect(QRectF(kBoardLeft + 1, y - 1.5, kBoardWidth - 2, 3.0), 1.5, 1.5);
    painter.fillPath(bar, wire);
}

void PaintInlay(QPainter& painter, const QPointF& centre, double radius) {
    // Mother of pearl: a milky disc with a faint play of colour and a bright sheen.
    painter.setPen(QPen(QColor(20, 10, 6, 170), 0.8));
    QRadialGradient body(centre, radius);
    body.setColorAt(0.0, QColor(250, 250, 244));
    body.setColorAt(0.7, QColor(228, 232, 226));
    body.setColorAt(1.0, QColor(196, 198, 206));
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    QLinearGradient play(centre + QPointF(-radius, radius), centre + QPointF(radius, -radius));
    play.setColorAt(0.0, QColor(180, 210, 255, 70));
    play.setColorAt(0.35, QColor(255, 255, 255, 0));
    play.setColorAt(0.6, QColor(255, 200, 230, 60));
    play.setColorAt(1.0, QColor(200, 255, 220, 50));
    painter.setBrush(play);
    painter.drawEllipse(centre, radius - 0.5, radius - 0.5);
    QRadialGradient sheen(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 0.6);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 220));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(sheen);
    painter.drawEllipse(centre, radius - 0.5, radius - 0.5);
}

// Physical string 1 is the low E: thickest, wound; the three highest are plain steel.
double StringThickness(int physical) {
    constexpr double kThickness[kNeckStrings] = {3.2, 2.7, 2.2, 1.7, 1.3, 1.0};
    return kThickness[physical - 1];
}

void PaintString(QPainter& painter, double x, double top, double bottom, int physical) {
    const double w = StringThickness(physical);
    const bool wound = physical <= 3;
    const QRectF body(x - w / 2, top, w, bottom - top);
    // Shadow on the wood, down and right of the string.
    painter.fillRect(body.translated(w * 0.45 + 0.6, 0), QColor(0, 0, 0, 90));
    QLinearGradient metal(body.left(), 0, body.right(), 0);
    if (wound) {
        metal.setColorAt(0.0, QColor(96, 84, 64));
        metal.setColorAt(0.35, QColor(240, 228, 200));
        metal.setColorAt(0.55, QColor(200, 186, 156));
        metal.setColorAt(1.0, QColor(84, 72, 54));
    } else {
        metal.setColorAt(0.0, QColor(112, 114, 120));
        metal.setColorAt(0.35, QColor(255, 255, 255));
        metal.setColorAt(1.0, QColor(108, 110, 116));
    }
    painter.fillRect(body, metal);
    if (wound) {
        // The winding: slanted grooves, no finer than two device pixels apart.
        const double scale = painter.deviceTransform().m11();
        const double period = 0.6 + 2.0 / scale;
        QLinearGradient grooves(x, top, x + period * 0.3, top + period);
        grooves.setSpread(QGradient::RepeatSpread);
        grooves.setColorAt(0.0, QColor(40, 30, 20, 0));
        grooves.setColorAt(0.55, QColor(40, 30, 20, 0));
        grooves.setColorAt(0.8, QColor(40, 30, 20, 150));
        grooves.setColorAt(1.0, QColor(40, 30, 20, 0));
        painter.fillRect(body, grooves);
    }
}

}  // namespace

void PaintFretboard(QPainter& painter, Hand hand) {
    // The neck's sides, turning away into shadow towards the outer edges.
    QLinearGradient sides(0, 0, kNeckWidth, 0);
    sides.setColorAt(0.0, QColor(10, 6, 4));
    sides.setColorAt(kBoardLeft / kNeckWidth, kSide);
    sides.setColorAt(kBoardRight / kNeckWidth, kSide);
    sides.setColorAt(1.0, QColor(10, 6, 4));
    painter.fillRect(QRectF(0, 0, kNeckWidth, kNeckHeight), sides);
    // The head above the nut: a dark, glossy face; the fingerboard below it.
    const double nutTop = kNutBottom - kNutHeight;
    PaintWoodGrain(painter, QRectF(kBoardLeft, 0, kBoardWidth, nutTop), kEbony, 144);
    QLinearGradient gloss(0, 0, 0, nutTop);
    gloss.setColorAt(0.0, QColor(0, 0, 0, 120));
    gloss.setColorAt(0.55, QColor(255, 240, 220, 18));
    gloss.setColorAt(1.0, QColor(0, 0, 0, 90));
    painter.fillRect(QRectF(kBoardLeft, 0, kBoardWidth, nutTop), gloss);
    PaintWoodGrain(painter, QRectF(kBoardLeft, nutTop, kBoardWidth, kBoardEnd - nutTop), kRosewood,
                   143);
    // The body below the end of the fingerboard, in its shadow.
    QLinearGradient body(0, kBoardEnd, 0, kNeckHeight);
    body.setColorAt(0.0, QColor(8, 5, 4));
    body.setColorAt(0.4, QColor(60, 30, 14));
    body.setColorAt(1.0, QColor(96, 50, 20));
    painter.fillRect(QRectF(0, kBoardEnd, kNeckWidth, kNeckHeight - kBoardEnd), body);
    QLinearGradient cast(0, kBoardEnd, 0, kBoardEnd + 6);
    cast.setColorAt(0.0, QColor(0, 0, 0, 200));
    cast.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(kBoardLeft - 3, kBoardEnd, kBoardWidth + 6, 6), cast);
    // Cream binding along both edges of the fingerboard.
    for (double x : {kBoardLeft - 1, kBoardRight - 1}) {
        QLinearGradient binding(x, 0, x + 2, 0);
        binding.setColorAt(0.0, QColor(190, 176, 146));
        binding.setColorAt(0.5, QColor(240, 232, 208));
        binding.setColorAt(1.0, QColor(170, 156, 128));
        painter.fillRect(QRectF(x, nutTop, 2, kBoardEnd - nutTop), binding);
    }
    // The bone nut, lit from above, with its shadow on the first fret's wood.
    QLinearGradient bone(0, nutTop, 0, kNutBottom);
    bone.setColorAt(0.0, QColor(255, 253, 244));
    bone.setColorAt(0.5, QColor(238, 230, 208));
    bone.setColorAt(1.0, QColor(176, 164, 138));
    painter.fillRect(QRectF(kBoardLeft - 1, nutTop, kBoardWidth + 2, kNutHeight), bone);
    QLinearGradient nutShadow(0, kNutBottom, 0, kNutBottom + 3);
    nutShadow.setColorAt(0.0, QColor(0, 0, 0, 140));
    nutShadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(kBoardLeft, kNutBottom, kBoardWidth, 3), nutShadow);
    for (int f = 1; f <= kNeckFrets; ++f) {
        PaintFretWire(painter, WireY(f));
    }
    // The fingerboard is slightly rounded: lit across its crown, falling off to the edges.
    QLinearGradient crown(kBoardLeft, 0, kBoardRight, 0);
    crown.setColorAt(0.0, QColor(0, 0, 0, 90));
    crown.setColorAt(0.12, QColor(0, 0, 0, 20));
    crown.setColorAt(0.4, QColor(255, 236, 210, 14));
    crown.setColorAt(0.6, QColor(255, 236, 210, 14));
    crown.setColorAt(0.88, QColor(0, 0, 0, 20));
    crown.setColorAt(1.0, QColor(0, 0, 0, 90));
    painter.fillRect(QRectF(kBoardLeft, kNutBottom, kBoardWidth, kBoardEnd - kNutBottom), crown);
    const double middle = (StringCentre(3) + StringCentre(4)) / 2.0;
    for (int f : {3, 5, 7, 9, 15, 17, 19, 21}) {
        PaintInlay(painter, QPointF(middle, FretMiddle(f)), 6.0);
    }
    for (int f : {12, 24}) {
        PaintInlay(painter, QPointF((StringCentre(2) + StringCentre(3)) / 2.0, FretMiddle(f)), 6.0);
        PaintInlay(painter, QPointF((StringCentre(4) + StringCentre(5)) / 2.0, FretMiddle(f)), 6.0);
    }
    for (int s = 1; s <= kNeckStrings; ++s) {
        PaintString(painter, Column(s, hand), 0, kNeckHeight, s);
    }
    // Fret numbers in the margin on the bass side.
    const double marginLeft = hand == Hand::Right ? 0 : kBoardRight + 1;
    const double marginWidth = hand == Hand::Right ? kBoardLeft - 1 : kNeckWidth - kBoardRight - 1;
    for (int f = 1; f <= kNeckFrets; ++f) {
        const QRectF box(marginLeft, FretMiddle(f) - 8, marginWidth, 16);
        const bool marked = f % 12 == 0;
        FillTextCentred(painter, box, QString::number(f),
                        marked ? ArtFont::SansBold : ArtFont::SansCondensedBold, marked ? 12 : 11,
                        marked ? QColor(250, 236, 200) : kNumber);
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

namespace {

// A note name for the header: the letter, and a drawn sign raised at its right.
void FillNoteName(QPainter& painter, const QPointF& centre, const QString& name, double size,
                  const QColor& colour) {
    QPainterPath letter = TextPath(name.left(1), ArtFont::SansBold, size);
    const Sign sign =
        name.size() < 2 ? Sign::None : (name[1] == QLatin1Char('#') ? Sign::Sharp : Sign::Flat);
    QPainterPath mark;
    if (sign != Sign::None) {
        // The label signs span about 13.5 pixels; here they reach from the letter's top to
        // a little below its middle.
        const QRectF cap = letter.boundingRect();
        const double k = cap.height() * 0.95 / 13.5;
        mark = QTransform::fromScale(k, k).map(SignPath(sign));
        const QRectF at = mark.boundingRect();
        mark.translate(cap.right() + size * 0.08 - at.left(), cap.top() - size * 0.06 - at.top());
    }
    // Thickened a little: scaled down, the signs' strokes would be hairlines.
    QPainterPathStroker thicken;
    thicken.setWidth(0.7);
    thicken.setJoinStyle(Qt::RoundJoin);
    QPainterPath whole = letter.united(mark.united(thicken.createStroke(mark)));
    whole.translate(centre - whole.boundingRect().center());
    painter.fillPath(whole.translated(0.6, 0.8), QColor(0, 0, 0, 150));
    painter.fillPath(whole, colour);
}

}  // namespace

void PaintHeaderStrip(QPainter& painter, Hand hand) {
    const double height = kHeaderRows * kHeaderRowHeight;
    painter.fillRect(QRectF(0, 0, kNeckWidth, height), kSide);
    for (int r = 0; r < kHeaderRows; ++r) {
        const double top = r * kHeaderRowHeight;
        // A lacquered band: dark, with a soft gloss near its top and a gilt line below.
        QLinearGradient band(0, top, 0, top + kHeaderRowHeight);
        band.setColorAt(0.0, QColor(58, 38, 26));
        band.setColorAt(0.18, QColor(44, 28, 19));
        band.setColorAt(0.6, QColor(26, 16, 11));
        band.setColorAt(1.0, QColor(18, 11, 8));
        painter.fillRect(QRectF(0, top, kNeckWidth, kHeaderRowHeight), band);
        QLinearGradient gilt(0, top + kHeaderRowHeight - 2, 0, top + kHeaderRowHeight);
        gilt.setColorAt(0.0, QColor(232, 196, 120));
        gilt.setColorAt(1.0, QColor(140, 104, 48));
        painter.fillRect(QRectF(0, top + kHeaderRowHeight - 2, kNeckWidth, 2), gilt);
        if (r >= kPredefinedTuningCount) {
            continue;
        }
        const auto strings = CTuning::PredefinedStrings(r);
        for (int s = 1; s <= kNeckStrings; ++s) {
            const CNote& note = strings[static_cast<std::size_t>(s - 1)];
            FillNoteName(painter, QPointF(Column(s, hand), top + (kHeaderRowHeight - 2) / 2.0),
                         QString::fromStdString(NoteName(note.note)), 15, QColor(246, 234, 204));
        }
    }
}
