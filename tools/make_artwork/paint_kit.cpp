#include "paint_kit.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <QTransform>
#include <algorithm>
#include <array>

#include "artwork.h"

namespace {

struct FontFile {
    ArtFont font;
    const char* file;
};

constexpr std::array kFontFiles{
    FontFile{ArtFont::Sans, "DejaVuSans.ttf"},
    FontFile{ArtFont::SansBold, "DejaVuSans-Bold.ttf"},
    FontFile{ArtFont::SansCondensedBold, "DejaVuSansCondensed-Bold.ttf"},
    FontFile{ArtFont::SerifBold, "DejaVuSerif-Bold.ttf"},
};

std::array<QString, kFontFiles.size()> families;

// Outlines are taken at a large pixel size and scaled, so no screen resolution enters.
constexpr int kOutlinePixels = 100;

QFont FontOf(ArtFont font) {
    QFont result(families[static_cast<std::size_t>(font)]);
    result.setPixelSize(kOutlinePixels);
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setKerning(true);
    result.setBold(font != ArtFont::Sans);
    return result;
}

}  // namespace

bool LoadArtworkFonts(QString* error) {
    for (const FontFile& entry : kFontFiles) {
        const QString path =
            QStringLiteral(FRETQUILL_FONT_DIR "/") + QString::fromLatin1(entry.file);
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList found =
            id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (found.isEmpty()) {
            if (error) {
                *error =
                    QStringLiteral("cannot read the font %1 (install fonts-dejavu-core)").arg(path);
            }
            return false;
        }
        families[static_cast<std::size_t>(entry.font)] = found.first();
    }
    return true;
}

QPainterPath TextPath(const QString& text, ArtFont font, double pixelSize) {
    QPainterPath path;
    path.addText(0, 0, FontOf(font), text);
    const double k = pixelSize / kOutlinePixels;
    return QTransform::fromScale(k, k).map(path);
}

void FillTextCentred(QPainter& painter, const QRectF& box, const QString& text, ArtFont font,
                     double pixelSize, const QColor& colour) {
    QPainterPath path = TextPath(text, font, pixelSize);
    const QRectF ink = path.boundingRect();
    path.translate(box.center() - ink.center());
    painter.fillPath(path, colour);
}

void FillTextFitted(QPainter& painter, const QRectF& box, const QString& text, ArtFont font,
                    double pixelSize, const QColor& colour) {
    QPainterPath path = TextPath(text, font, pixelSize);
    const QRectF ink = path.boundingRect();
    const double shrink = std::min({1.0, box.width() / ink.width(), box.height() / ink.height()});
    path = QTransform::fromScale(shrink, shrink).map(path);
    path.translate(box.center() - path.boundingRect().center());
    painter.fillPath(path, colour);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}
