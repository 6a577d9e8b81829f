#pragma once
// The program's pictures: each one drawn in logical pixels by a painter function, then
// rendered at 1x, 2x and 3x so every zoom gets pixels drawn for it rather than scaled.

#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>
#include <vector>

struct CPictureSpec {
    QString name;   // "143", "play": the file is <name>.png, <name>@2x.png, <name>@3x.png
    int width = 0;  // logical size, the same at every scale
    int height = 0;
    // Opaque pictures are drawn on black (the sprite sheet relies on that); the others
    // start fully transparent.
    bool opaque = true;
    QString use;  // one line for the README and the generator's listing
    std::function<void(QPainter&)> paint;
};

// Every picture the window and the dialogs load, in a fixed order.
const std::vector<CPictureSpec>& Pictures();

// The picture at scale 1, 2 or 3 (scale times the logical size).
QImage RenderPicture(const CPictureSpec& spec, int scale);

// Registers the bundled fonts; false with a message when a font file cannot be read.
bool LoadArtworkFonts(QString* error);
