#pragma once

// Placing a scale on the neck, and choosing the root the scale is built on.
//
//   CScale display;
//   display.BuildScale(kScaleMajorDiatonic, CNote(kNoteD, 4));
//   PlacedRange range = PlotScale(display, CTuning(), {2, 5}, ScalePlotOptions{}, marker);
//   // marks D4 at string 2 fret 5, E4 at fret 7, ... up to Db6, then Db4 down to A3
//
// The span plot lays out one playable run: from the start string it climbs toward the
// high-side string, keeping the fretting hand within `span` frets, then runs down from the
// note below the root toward the low-side string. The whole-fretboard plot marks every
// occurrence of every scale note. Strings are the tuning's stored strings 1..6; the
// high-side string is 6 for a right-handed tuning and 1 for a left-handed one.

#include "guitar/tuning.h"
#include "music/note.h"

class CScale;
class NoteMarker;

// A position on the neck; (-1, -1) is none.
struct StartPosition {
    int string = -1;
    int fret = -1;

    bool IsValid() const { return string >= 1 && string <= kStringCount && fret >= 0 && fret <= kFretCount; }
    friend bool operator==(const StartPosition&, const StartPosition&) = default;
};

struct ScalePlotOptions {
    bool useAllFretboard = false;
    int span = 4;  // 4..6
    bool noOpenNotes = false;
    bool overlay = true;  // colour the root and its octaves
};

// The lowest and highest notes one plot placed; scale playback stays within them. A plot
// that places nothing leaves C10 and C1, so nothing is in range.
struct PlacedRange {
    CNote lowestPlaced{kNoteC, 10};
    CNote highestPlaced{kNoteC, 1};

    void Include(const CNote& note);
};

// Marks the display scale's notes and returns the range placed. The span plot sets the
// scale's minFret and maxFret to its window; the whole-fretboard plot leaves them as they
// were. An empty scale draws nothing.
PlacedRange PlotScale(CScale& display, const CTuning& tuning, StartPosition start,
                      const ScalePlotOptions& options, NoteMarker& marker);

// What made the view rebuild its scales.
enum class ScaleEvent {
    kProgramModeChosen,   // scale or mode chosen from the menu
    kFretboardTapped,     // `start` is the tapped position
    kTypeChosen,
    kNoteChosen,
    kFavoriteChosen,      // barNote is the favorite's note
    kSettingsClosed,      // the guitar settings were accepted
};

struct ScaleRootChoice {
    // False when the event gives no playable root (a tap beside the strings or above the
    // nut): the scales stay as they were.
    bool playable = false;
    CNote root;
    StartPosition start;
};

// The root to build the scales on after an event, and the start position afterwards.
// barNote is the note selected in the bar; start is the start position before the event
// (the tapped position for a tap). handednessChanged applies to kSettingsClosed, where the
// tuning is already the new one.
ScaleRootChoice ChooseScaleRoot(ScaleEvent event, const CTuning& tuning, NoteValue barNote,
                                StartPosition start, bool handednessChanged = false);
