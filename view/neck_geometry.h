#pragma once
// The neck's pixel geometry in logical pixels (zoom 1), shared by the view's drawing and
// hit-testing and by the artwork generator, so the pictures and the rules never disagree.
// Strings are numbered 1..6 from the left edge of the screen; frets 0..24 run down.

// Pictures, by their resource ids.
enum PictureId : int {
    kPictureNeckLabels = 142,      // 175 x 350 sprite sheet: note labels and the O / X icons
    kPictureFretboardRight = 143,  // 230 x 1000
    kPictureHeaderRight = 144,     // 230 x 784: 28 rows of 28
    kPictureHeaderLeft = 145,      // 230 x 784, mirrored
    kPictureFretboardLeft = 146,   // 230 x 1000, mirrored
    kPictureOpenBar = 151,         // 6 x 100 blue bar
    kPictureMutedBar = 152,        // 6 x 100 red bar
    kPictureNoteOverlay = 155,     // 24 x 33 blue oval
    kPictureIconOverlay = 156,     // 24 x 25 blue ring
    kPictureNoteOverlayGreen = 193,
    kPictureIconOverlayGreen = 194,
};

inline constexpr int kNeckWidth = 230;
inline constexpr int kNeckHeight = 1000;   // the back buffer and the scroll range
inline constexpr int kHeaderRowHeight = 28;
inline constexpr int kHeaderRows = 28;      // 27 predefined tunings and a blank row
inline constexpr int kHeaderBlankRowOffset = 756;

inline constexpr int kNeckStrings = 6;
inline constexpr int kNeckFrets = 24;

inline constexpr int kLabelWidth = 25;
inline constexpr int kLabelHeight = 33;
inline constexpr int kIconWidth = 24;
inline constexpr int kIconHeight = 25;
inline constexpr int kSpriteSheetWidth = 175;
inline constexpr int kSpriteSheetHeight = 350;

// Centre line of string s (1..6): 45, 73, ..., 185.
constexpr int StringX(int s) { return 17 + 28 * s; }

// Top of a note drawn on fret f: 37 at the nut, 39 + 37 f for frets 1..24.
constexpr int FretY(int f) { return f == 0 ? 37 : 39 + 37 * f; }

// Where a label or an icon is drawn for string s.
constexpr int LabelX(int s) { return StringX(s) - 12; }
inline constexpr int kIconY = 37;

// Header strip row for a tuning type: 28 t for the predefined tunings 0..26, the blank
// row for a custom tuning or anything else.
constexpr int HeaderRowOffset(int tuningType) {
    return tuningType >= 0 && tuningType <= 26 ? kHeaderRowHeight * tuningType : kHeaderBlankRowOffset;
}

struct SpriteCell {
    int x;
    int y;
};

// Label cell of a spelled-note value 0..16 (C, C#, Db, ... B); other values get the
// spare cell at (17, 0).
constexpr SpriteCell LabelCell(int noteValue) {
    constexpr SpriteCell cells[17] = {{25, 66}, {50, 66}, {0, 99},   {25, 99},  {50, 99},  {0, 132},
                                      {25, 132}, {25, 165}, {50, 165}, {0, 198},  {25, 198}, {50, 198},
                                      {0, 0},    {25, 0},   {50, 0},   {0, 33},   {25, 33}};
    return noteValue >= 0 && noteValue < 17 ? cells[noteValue] : SpriteCell{17, 0};
}

inline constexpr SpriteCell kOpenIconCell{24, 268};
inline constexpr SpriteCell kMutedIconCell{0, 268};
