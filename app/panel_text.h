#pragma once

// The black text panel of the splash and the About panel: white lines, 14 pixels
// apart, clipped to the panel of the backdrop picture. Logical pixels.

#include <QRect>
#include <QStringList>

class QPainter;

inline constexpr int kPanelPicture = 176;
inline constexpr int kBarFramePicture = 198;
inline constexpr int kBarFillPicture = 199;
inline constexpr int kBarEmptyPicture = 200;
inline constexpr QRect kTextPanel(24, 103, 196, 119);
inline constexpr int kPanelLineHeight = 14;

// Rows of the status text hidden above the panel so that the newest line sits at its
// bottom edge.
int PanelTextOffset(int lineCount);

// Splash: line i at 5 + 14 i, less `offset`. About (`scrolling`): the lines start one
// panel height down and an empty line is half a line; `offset` is how far they have
// risen.
void DrawPanelText(QPainter& painter, const QStringList& lines, int offset, bool scrolling);

// The height of the About text, panel above and below included: where the scroll
// starts over.
int ScrollingTextHeight(const QStringList& lines);

// The credit line and the maker's address of the splash and the About panel.
inline constexpr const char* kCreditLine = "Guitar chords, scales and sounds";
inline constexpr const char* kMakerAddress = "https://quorvane.example/fretquill";
