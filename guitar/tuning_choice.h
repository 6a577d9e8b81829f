#pragma once

// The tuning made on the guitar settings' "Guitar" page: a typical (predefined) tuning from
// the list, or a custom one from six string lists, and the handedness.
//
//   TuningChoice choice;
//   choice.touched = true;
//   choice.predefined = 13;                              // "Drop D"
//   choice.rightHanded = false;
//   CTuning t = ApplyTuningChoice(viewTuning, choice);   // A3.. reversed, same pick state
//
// The custom string lists offer every semitone from C3 to B5 in the program's octave
// numbers, spelled with flats, and run from the lowest-pitched string to the highest
// whatever the handedness. A string's note is found in a list by pitch, so C#3 selects
// Db3; a note outside C3..B5 (B2 of "Standard B") has no row and keeps its string as it is.

#include <array>
#include <vector>

#include "guitar/tuning.h"

// C3, Db3, D3, Eb3, ... Bb5, B5 (36 notes).
const std::vector<CNote>& CustomStringNotes();

// The row of CustomStringNotes() with the same pitch as the note, -1 when there is none.
int CustomStringNoteRow(const CNote& note);

// The strings of a tuning from the lowest-pitched to the highest (its right-handed order).
std::array<CNote, kStringCount> LowToHighStrings(const CTuning& tuning);

struct TuningChoice {
    // The player changed a tuning control (Typical/Custom, the tuning list, a string list).
    // An untouched page never rebuilds the tuning, so OK cannot rewrite a custom tuning
    // into what the lists are able to show.
    bool touched = false;
    bool custom = false;
    // The typical tuning chosen, 0..26; anything else keeps the strings.
    int predefined = -1;
    // Rows of CustomStringNotes() for the strings from lowest to highest; -1, or the row
    // of the string's own pitch, keeps the string's note as it is spelled.
    std::array<int, kStringCount> customRows{-1, -1, -1, -1, -1, -1};
    bool rightHanded = true;
};

// The tuning the page hands back on OK: the working tuning rebuilt as chosen (custom
// choices become tuning type 27), then made right- or left-handed, which reverses the
// string order when the handedness changes. The pick state is kept.
CTuning ApplyTuningChoice(const CTuning& tuning, const TuningChoice& choice);
