#pragma once

// Names the chord that a set of sounding notes forms, in the program's own compact notation:
// "7M" is the major seventh, altered degrees carry a trailing "+" or "-", and degrees are
// separated by "/" (Cm/5-/7, C7M/9, Cadd9-sus2 (no5)).
//
//   IdentifyChord(tuning.strings);                     // "C" for x,3,2,0,1,0 in standard tuning
//
// Pitch classes make the chord; spelling and repeated notes do not count. The root is the
// one whose reading is plainest (fewest of: a third neither minor nor major, a fifth not
// perfect, a minor third with an augmented fifth, a ninth, an eleventh, a thirteenth); the
// bass note keeps the root when its reading is at most one step less plain, so inversions
// of plain chords keep their root and sixth chords stay on their bass. Of equally plain
// roots the first from C upward wins. Roots are always named with sharps. Muted strings, and the
// values that are no spelled note (no note, unsupported, rest), do not sound. The result is "" when
// no root explains every sounding pitch class, also when nothing sounds.

#include <array>
#include <span>
#include <string>

#include "music/note.h"

// The six strings of a chord or tuning, in any order; the lowest-pitched sounding note (by
// octave and pitch, not by string) is the bass.
std::string IdentifyChord(const std::array<CNote, 6>& strings);
// Any number of notes, the lowest-pitched being the bass.
std::string IdentifyChord(std::span<const CNote> notes);
// Notes as a person lists them: the first sounding one is the bass.
std::string IdentifyChordOverFirst(std::span<const CNote> notes);
