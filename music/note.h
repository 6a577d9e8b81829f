#pragma once

// Spelled notes: the note values every part of the program works with, their names and
// semitone arithmetic, and CNote, a spelled note with an octave.
//
//   CNote low = CNote::Parse("E3");        // {E, 3}
//   low.HalfStep(true);                    // F3
//   Transpose(kNoteC, 6) == kNoteFSharp;   // sharps going up, flats going down
//
// Note values 0..16 are the spelled notes C, C#, Db, D, ... B (sharps and flats distinct,
// no E#, Fb, B#, Cb). 17 is "no note", 18 "unsupported", 19 a rest and -1 a muted string.
// The octave number rises from B to C; the low E string of a guitar is E3.

#include <string>
#include <string_view>

using NoteValue = int;

inline constexpr NoteValue kNoteMuted = -1;
inline constexpr NoteValue kNoteC = 0;
inline constexpr NoteValue kNoteCSharp = 1;
inline constexpr NoteValue kNoteDFlat = 2;
inline constexpr NoteValue kNoteD = 3;
inline constexpr NoteValue kNoteDSharp = 4;
inline constexpr NoteValue kNoteEFlat = 5;
inline constexpr NoteValue kNoteE = 6;
inline constexpr NoteValue kNoteF = 7;
inline constexpr NoteValue kNoteFSharp = 8;
inline constexpr NoteValue kNoteGFlat = 9;
inline constexpr NoteValue kNoteG = 10;
inline constexpr NoteValue kNoteGSharp = 11;
inline constexpr NoteValue kNoteAFlat = 12;
inline constexpr NoteValue kNoteA = 13;
inline constexpr NoteValue kNoteASharp = 14;
inline constexpr NoteValue kNoteBFlat = 15;
inline constexpr NoteValue kNoteB = 16;
inline constexpr NoteValue kNoteNone = 17;
inline constexpr NoteValue kNoteUnsupported = 18;
inline constexpr NoteValue kNoteRest = 19;

// True for the spelled notes 0..16.
constexpr bool IsSpelledNote(NoteValue value) { return value >= kNoteC && value <= kNoteB; }

// One semitone up or down; where the result has two spellings, `sharps` picks the sharp
// one. Anything that is not a spelled note gives kNoteNone.
NoteValue StepUp(NoteValue value, bool sharps);
NoteValue StepDown(NoteValue value, bool sharps);

// n semitones away: sharp spellings going up, flat spellings going down.
NoteValue Transpose(NoteValue value, int n);

// The enharmonic twin of a sharp or flat; every other value unchanged.
NoteValue Enharmonic(NoteValue value);

// The program's note equality wherever spelling must not matter.
bool SameNote(NoteValue a, NoteValue b);

bool IsSharp(NoteValue value);

// 0..11, or -1 for anything that is not a spelled note.
int PitchClass(NoteValue value);

// The name of a note value without octave ("C#", "Muted", "UNKNOWN", ...).
std::string NoteName(NoteValue value);

class CNote {
public:
    NoteValue note = kNoteNone;
    int octave = 0;

    constexpr CNote() = default;
    constexpr CNote(NoteValue noteValue, int octaveNumber) : note(noteValue), octave(octaveNumber) {}

    static constexpr CNote NoNote() { return CNote(kNoteNone, 0); }
    static constexpr CNote Muted() { return CNote(kNoteMuted, 0); }

    // "E3" -> {E, 3}; "MUTED" (any letter case) -> muted; a lone letter has octave 1;
    // anything unreadable -> no note.
    static CNote Parse(std::string_view text);

    // "C#3" with the octave, "C#" without; special values give their text, never an octave.
    std::string Format(bool withOctave = true) const;

    // Raises the note a semitone; the octave goes up when the note becomes C.
    void HalfStep(bool sharps);
    void WholeStep(bool sharps);

    bool IsMuted() const { return note == kNoteMuted; }

    friend bool operator==(const CNote& a, const CNote& b) {
        return SameNote(a.note, b.note) && a.octave == b.octave;
    }
};

// Pitch order of notes with octaves, as the scale plot and scale playback compare them: the
// octave first, then the spelled-note value. Notes that are equal or enharmonic with the same
// octave are neither lower nor higher.
bool IsLowerNote(const CNote& a, const CNote& b);
bool IsHigherNote(const CNote& a, const CNote& b);
