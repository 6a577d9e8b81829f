#pragma once

// The chord-type catalogue: 36 types, each with a number (stored in chords, patterns and
// favorites), an upper-case type name (the key in the chord database), a full name, a short
// symbol and a tone formula.
//
//   ChordTypeFromName("MINOR_SEVENTH");      // 14
//   ChordTypeSymbol(14);                     // "m7"
//   ChordTones(kNoteA, 7);                   // A C Gb Eb
//
// Numbers run 0..35; kNoChord (-1) is a chord record holding no chord.

#include <string>
#include <string_view>
#include <vector>

#include "music/note.h"

class ChoiceList;

inline constexpr int kChordTypeCount = 36;
inline constexpr int kNoChord = -1;
// No formula yields more tones than there are pitch classes.
inline constexpr int kMaxChordTones = 12;

// The number whose type name equals the text exactly (case-sensitive); -1 when none does.
int ChordTypeFromName(std::string_view typeName);

// The type a person's text names, -1 when none does. Tried in this order: a symbol or an
// alias, with its case ("m7", "M7", "min7", "ø"); a type name or a full name in any case
// ("minor_seventh", "Minor Seventh"); "#N" for type number N.
int ChordTypeFromText(std::string_view text);

// The other common spellings of a type ("min", "mi", "-" for the minor chord); none outside
// 0..35.
std::vector<std::string> ChordTypeAliases(int type);

// "Major Seventh" / "maj7"; "No Chord" for kNoChord; "" for any other number outside 0..35.
std::string ChordTypeName(int type);
std::string ChordTypeSymbol(int type);
// The database key, "MAJOR_SEVENTH"; "" outside 0..35.
std::string ChordTypeKey(int type);

// The tones of a type on a root (a spelled note 0..16), in formula order. Tones reached
// upward are sharp-spelled, tones reached downward flat-spelled. The first tone is the one
// a voicing treats as its bass: the root, except for the rootless type 35. A number outside
// 0..35 gives the root alone.
std::vector<NoteValue> ChordTones(NoteValue root, int type);

// Empties the list, adds the 36 types in number order (item value = the number, text = the
// symbol or the full name) and selects the first row.
void FillChordTypeList(ChoiceList& list, bool showSymbol);
