#pragma once

// The rules every fingering of the chord database keeps, so that a player can trust the
// chart: what sounds belongs to the chord, and one hand can hold it.
//
//   ChartFrets c = {-1, 3, 2, 0, 1, 0};                     // x32010
//   ChartShapeFault(CTuning(), c, kNoteC, 0);               // "": a good C major
//   ChartShapeFault(CTuning(), {-1, 3, 2, 0, 1, 1}, kNoteC, 0);  // "plays F, ..."
//
// Frets are in the tuning's stored order, -1 for a muted string, 0 for an open one. The
// strings of the array are taken to lie side by side in that order, as on the neck.
//
// The rules:
// - every sounding note is a chord tone, and every tone sounds, except that a chord of
//   four or more tones may leave out its perfect fifth;
// - the fretted notes lie within four frets (highest minus lowest fretted fret at most 3);
// - at most four fingers, where one finger may barre one fret across adjacent strings:
//   each string under the barre is fretted at that fret or higher, or muted, and no open
//   string lies under it;
// - at most one muted string between the outermost sounding strings;
// - at least three strings sound.

#include <array>
#include <string>

#include "guitar/tuning.h"
#include "music/note.h"

using ChartFrets = std::array<int, kStringCount>;

inline constexpr int kChartMaxFingers = 4;
inline constexpr int kChartMaxStretch = 3;
inline constexpr int kChartMinSounding = 3;

// How a hand holds a fingering with the fewest fingers: a barre when it saves a finger.
struct CChartFingering {
    int fingers = 0;
    // Fret and first and last string index (0-based, stored order) of the barre; -1 when
    // the fingering has none.
    int barreFret = -1;
    int barreFirst = -1;
    int barreLast = -1;
};

// The fewest fingers that hold the fretted notes with at most one barre.
CChartFingering ChartFingering(const ChartFrets& frets);

// Whether one hand holds the fretted notes: at most kChartMaxFingers fingers, counted as
// ChartFingering counts them.
bool ChartHandHolds(const ChartFrets& frets);

// The lowest fretted fret; 0 when no string is fretted (all open or muted).
int ChartPosition(const ChartFrets& frets);

// The index (0-based, stored order) of the lowest-numbered sounding string, -1 when none.
int ChartBassString(const ChartFrets& frets);

// Why the fingering breaks a rule for the chord on this root and type, in words for a
// person; "" when it keeps every rule.
std::string ChartShapeFault(const CTuning& tuning, const ChartFrets& frets, NoteValue root,
                            int type);

// "x 3 2 0 1 0": frets as a person writes them, x for muted.
std::string ChartFretsText(const ChartFrets& frets);
