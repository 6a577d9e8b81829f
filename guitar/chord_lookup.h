#pragma once

// The chord shown for a root, type and variation when static chords are in use: the chord
// database's, or, for a chord the database lacks (a damaged or edited chords.xml), the
// generated fingering of that variation rather than an empty or all-muted chord.
//
//   CChord chord;                                       // standard tuning
//   LookUpChord(guitar.chordList, guitar, kNoteC, 0, 1, 4, chord);

#include "music/note.h"

class CChord;
class CChordList;
class CGuitar;

enum class ChordLookup {
    Stored,     // the database's chord
    Generated,  // the database lacks it: the generator's variation, within the span
    None,       // neither has it: every string muted
};

// `into` keeps its chord tuning; the generation runs in it with the given span (3 to 6).
ChordLookup LookUpChord(const CChordList& list, CGuitar& guitar, NoteValue root, int type,
                        int variation, int span, CChord& into);
