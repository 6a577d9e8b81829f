#pragma once

// Where the scale plot puts its notes: the fretboard painter draws them, tests and the
// command-line tool record them.

#include "music/note.h"

class NoteMarker {
public:
    virtual ~NoteMarker() = default;

    // A note on string s, drawn at the fret where it sounds on that string (at the nut for
    // the open string's note), with the start-note overlay when asked.
    virtual void MarkNote(int s, const CNote& note, bool overlay) = 0;
    // A note at a given fret of string s; fret 0 is the nut.
    virtual void MarkFret(int s, int fret, const CNote& note, bool overlay) = 0;
};
