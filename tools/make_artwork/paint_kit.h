#pragma once
// Small drawing helpers the pictures share: text as outlines (so it rasterises the same
// way everywhere, whatever the machine's font settings), and repeatable noise for grain.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <cstdint>

enum class ArtFont { Sans, SansBold, SansCondensedBold, SerifBold };

// The text's outline at the given pixel size, its baseline starting at (0, 0).
QPainterPath TextPath(const QString& text, ArtFont font, double pixelSize);

// Fills text centred in box (by its ink, not by the font's line box).
void FillTextCentred(QPainter& painter, const QRectF& box, const QString& text, ArtFont font,
                     double pixelSize, const QColor& colour);

// Fills text centred in box, shrunk (never stretched) so its ink stays inside the box.
void FillTextFitted(QPainter& painter, const QRectF& box, const QString& text, ArtFont font,
                    double pixelSize, const QColor& colour);

// Deterministic pseudo-random numbers for grain and speckle.
class CArtRandom {
public:
    explicit CArtRandom(std::uint32_t seed) : state(seed ? seed : 1u) {}
    std::uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    // Uniform in [0, 1).
    double Unit() { return (Next() & 0xffffff) / double(0x1000000); }
    double Range(double low, double high) { return low + (high - low) * Unit(); }

private:
    std::uint32_t state;
};

// Smooth deterministic noise in [0, 1] over the plane, one lattice point per unit.
double ValueNoise(double x, double y, std::uint32_t seed);

// Wood: dark, middle and light tones of its grain.
struct WoodTones {
    QColor dark;
    QColor middle;
    QColor light;
};

// Fills area with wood whose grain runs along y (or along x when across is set), worked
// out pixel by pixel at the painter's own resolution so every scale gets real detail.
void PaintWoodGrain(QPainter& painter, const QRectF& area, const WoodTones& tones,
                    std::uint32_t seed, bool across = false);

QColor Mix(const QColor& a, const QColor& b, double t);
