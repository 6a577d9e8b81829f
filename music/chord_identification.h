#pragma once

// Names the chord that a set of sounding notes forms, in the program's own compact notation:
// "7M" is the major seventh, altered degrees carry a trailing "+" or "-", and degrees are
// separated by "/" (Cm/5-/7, C7M/9, Cadd9-sus2 (no5)).
//
//   IdentifyChord(tuning.strings);                     // "C" for x,3,2,0,1,0 in standard tuning
//
// Every root that explains all the sounding pitch classes is read, and the plainest reading
// wins (a major or minor third, a perfect fifth, no added degrees). The bass, the lowest
// sounding note by pitch, names the chord when its reading is within one step of the
// plainest, so inversions and sixth chords keep the root a player hears (x32213 is "C6",
// x02010 "Am7"); otherwise the plainest root from C upward does. Roots are named with
// sharps. Muted strings, and the values that are no spelled note (no note, unsupported,
// rest), do not sound. The result is "" when no root explains every sounding pitch class,
// also when nothing sounds.

#include <array>
#include <span>
#include <string>

#include "music/note.h"

// The six strings of a chord or tuning, in any order.
std::string IdentifyChord(const std::array<CNote, 6>& strings);
// Any number of notes.
std::string IdentifyChord(std::span<const CNote> notes);
// The same with the first sounding note as the bass, whatever its octave (notes typed
// without octaves).
std::string IdentifyChordFirstAsBass(std::span<const CNote> notes);
