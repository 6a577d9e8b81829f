#pragma once
// CCanvas: what the view draws on. The window implements it over its back buffer (in
// logical pixels; the window scales to the zoom); tests record the calls.
//
//   canvas.Fill(x, y, 15, 23, kBlack);
//   canvas.DrawTransparent(kPictureNeckLabels, x, y, {cell.x, cell.y, 25, 33});
//
// A picture that is missing or empty draws nothing.

#include <cstdint>

struct CCanvasRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// 0xRRGGBB.
using CanvasColour = std::uint32_t;
inline constexpr CanvasColour kCanvasBlack = 0x000000;

class CCanvas {
public:
    virtual ~CCanvas() = default;
    // Plain copy of the picture's source rectangle to (x, y).
    virtual void Draw(int pictureId, int x, int y, const CCanvasRect& source) = 0;
    // Copy leaving out every pixel of the picture's top-left pixel's colour.
    virtual void DrawTransparent(int pictureId, int x, int y, const CCanvasRect& source) = 0;
    // new = picture * percent / 100 + old * (100 - percent) / 100 per channel, the whole
    // picture stretched to width x height at (x, y).
    virtual void Blend(int pictureId, int x, int y, int percent, int width, int height) = 0;
    virtual void Fill(int x, int y, int width, int height, CanvasColour colour) = 0;
};
