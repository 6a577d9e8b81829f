#include "paint_kit.h"

#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QStringList>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

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
    // Only the bundled face: a glyph borrowed from some other installed font would make
    // the pictures differ between machines.
    result.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
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

namespace {

double Lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffff) / 65535.0;
}

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

int Channel(double v) {
    return std::clamp(static_cast<int>(v + 0.5), 0, 255);
}

}  // namespace

double ValueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int xi = static_cast<int>(fx);
    const int yi = static_cast<int>(fy);
    const double sx = Smooth(x - fx);
    const double sy = Smooth(y - fy);
    const double top =
        Lattice(xi, yi, seed) + (Lattice(xi + 1, yi, seed) - Lattice(xi, yi, seed)) * sx;
    const double bottom = Lattice(xi, yi + 1, seed) +
                          (Lattice(xi + 1, yi + 1, seed) - Lattice(xi, yi + 1, seed)) * sx;
    return top + (bottom - top) * sy;
}

void PaintWoodGrain(QPainter& painter, const QRectF& area, const WoodTones& tones,
                    std::uint32_t seed, bool across) {
    const double scale = painter.deviceTransform().m11();
    const int width = static_cast<int>(std::lround(area.width() * scale));
    const int height = static_cast<int>(std::lround(area.height() * scale));
    // Both fretboards use the same wood: work it out once per size.
    static std::map<std::tuple<std::uint32_t, int, int, bool, double, double>, QImage> made;
    QImage& wood = made[{seed, width, height, across, area.left(), area.top()}];
    if (wood.isNull()) {
        wood = QImage(width, height, QImage::Format_RGB32);
        const double tone[3][3] = {
            {tones.dark.redF(), tones.dark.greenF(), tones.dark.blueF()},
            {tones.middle.redF(), tones.middle.greenF(), tones.middle.blueF()},
            {tones.light.redF(), tones.light.greenF(), tones.light.blueF()}};
        for (int py = 0; py < height; ++py) {
            auto* line = reinterpret_cast<QRgb*>(wood.scanLine(py));
            for (int px = 0; px < width; ++px) {
                double x = area.left() + (px + 0.5) / scale;
                double y = area.top() + (py + 0.5) / scale;
                if (across) {
                    std::swap(x, y);
                }
                // Grain lines wander slowly sideways as they run along the wood.
                const double u = x + 7.0 * ValueNoise(y / 150.0, x / 70.0, seed + 1);
                const double fine = 0.5 * ValueNoise(u / 3.2, y / 90.0, seed + 2) +
                                    0.3 * ValueNoise(u / 1.3, y / 40.0, seed + 3) +
                                    0.2 * ValueNoise(u / 0.55, y / 16.0, seed + 4);
                const double broad = ValueNoise(u / 22.0, y / 260.0, seed + 5);
                const double t =
                    std::clamp(0.5 + 1.4 * (fine - 0.5) + 0.7 * (broad - 0.5), 0.0, 1.0);
                const double* from = t < 0.5 ? tone[0] : tone[1];
                const double* to = t < 0.5 ? tone[1] : tone[2];
                const double k = t < 0.5 ? t * 2 : t * 2 - 1;
                // Open pores: short dark dashes along the grain.
                const double pore = ValueNoise(u / 0.5, y / 2.6, seed + 6);
                const double shade = 255.0 * (pore > 0.8 ? 1.0 - (pore - 0.8) * 2.2 : 1.0);
                line[px] = qRgb(Channel((from[0] + (to[0] - from[0]) * k) * shade),
                                Channel((from[1] + (to[1] - from[1]) * k) * shade),
                                Channel((from[2] + (to[2] - from[2]) * k) * shade));
            }
        }
    }
    painter.drawImage(area, wood);
}
