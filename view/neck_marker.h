#pragma once
// Draws notes on the neck as canvas calls: a fretted note is a black fill under its label,
// an open or muted string its icon at the nut, and in the chord modes the overlay settings
// may colour the whole string instead of (1) or as well as (2) the icon.
//
//   CNeckMarker marker(canvas, tuning, ProgramMode::ChordPlotter, mutedType, openType);
//   marker.MarkNote(1, CNote::Muted(), false);     // red string and/or the X icon

#include "guitar/note_marker.h"
#include "guitar/tuning.h"
#include "util/program_mode.h"

class CCanvas;

inline constexpr int kOverlayPercent = 20;
inline constexpr int kStringColourPercent = 50;

class CNeckMarker : public NoteMarker {
public:
    // Overlay types: 0 icon, 1 coloured string, 2 both; other values draw as 0.
    CNeckMarker(CCanvas& canvas, const CTuning& tuning, ProgramMode mode, int mutedOverlayType,
                int openOverlayType);

    void MarkNote(int s, const CNote& note, bool overlay) override;
    void MarkFret(int s, int fret, const CNote& note, bool overlay) override;

    // Blends the red (muted) or blue (open) bar down the whole length of string s.
    void ColourString(int s, bool muted);

private:
    void DrawIcon(int s, bool open, bool overlay);
    void DrawLabel(int s, int fret, const CNote& note, bool overlay);

    CCanvas& canvas;
    const CTuning& tuning;
    ProgramMode mode;
    int mutedOverlayType;
    int openOverlayType;
};
