#pragma once

// Scales and modes: the catalogues of the ten scales and seven modes the program shows and
// plays, and CScale, which builds one of them on a start note and hands its notes out one by
// one, endlessly, up or down through the octaves.
//
//   CScale scale;
//   scale.BuildScale(kScaleMajorDiatonic, CNote(kNoteE, 3));   // E3 Gb3 Ab3 A3 B3 Db4 Eb4
//   scale.Rewind();
//   scale.Next();                                             // E3, then Gb3, ... Eb4, E4, ...
//
// Spelling depends on the root alone: a sharp-spelled root raises with sharps, every other
// root with flats; no key signature is consulted. Type and mode numbers are the values stored
// in settings and favorites.

#include <span>
#include <vector>

#include "music/note.h"

class ChoiceList;

inline constexpr int kScaleMinorDiatonic = 0;
inline constexpr int kScaleMajorDiatonic = 1;
inline constexpr int kScaleNaturalMinor = 2;  // named, but never built or listed
inline constexpr int kScaleMinorHarmonic = 3;
inline constexpr int kScaleMinorMelodic = 4;
inline constexpr int kScaleMinorPentatonic = 5;
inline constexpr int kScaleMajorPentatonic = 6;
inline constexpr int kScaleBlues = 7;
inline constexpr int kScaleWholeTone = 8;
inline constexpr int kScaleDiminished = 9;
inline constexpr int kScaleMajor = 10;  // the same notes as the mode Ionian
inline constexpr int kScaleTypeCount = 11;

inline constexpr int kModeIonian = 0;
inline constexpr int kModeDorian = 1;
inline constexpr int kModePhrygian = 2;
inline constexpr int kModeLydian = 3;
inline constexpr int kModeMixolydian = 4;
inline constexpr int kModeAeolian = 5;
inline constexpr int kModeLocrian = 6;
inline constexpr int kModeCount = 7;

// How scale and mode playback runs through the notes; stored as its number.
enum class LoopDirection {
    kAscending = 0,
    kDescending = 1,
    kAscendingThenDescending = 2,
    kDescendingThenAscending = 3,
};
inline constexpr int kLoopDirectionCount = 4;

// The direction stored as this number; a number no direction has plays as ascending.
constexpr LoopDirection LoopDirectionFromNumber(int number) {
    return number >= 0 && number < kLoopDirectionCount ? static_cast<LoopDirection>(number)
                                                       : LoopDirection::kAscending;
}

class CScale {
public:
    // The fret window of the last plot of this scale; only stored here, the plot sets them.
    int minFret = 0;
    int maxFret = 0;

    // Replace the notes with the scale or mode built on root, leaving the position on the
    // root. A root that is no spelled note (no note, muted, a rest) gives false and keeps
    // everything as it was. BuildScale also
    // resets the octave offset (even then); BuildMode leaves it. An unknown or unbuilt scale
    // type gives false with the root alone stored; an unknown mode gives false and no notes.
    bool BuildScale(int type, const CNote& root);
    bool BuildMode(int mode, const CNote& root);

    void Clear();

    // The next note up (or down), with the octave offset added. Past the last note Next
    // starts over on the root one octave higher; before the first Prev starts over on the
    // last note one octave lower. An empty scale gives the no-note value.
    CNote Next();
    CNote Prev();

    // First note, offset 0.
    void Rewind();
    // Last note, offset 0.
    void RewindToLast();
    // No position, offset 0: the next Next gives the root an octave up, the next Prev the
    // note just below the root.
    void ClearPosition();
    bool IsPastEnd() const { return position < 0; }

    void ShiftOctave(int octaves) { octaveOffset += octaves; }
    int OctaveOffset() const { return octaveOffset; }

    // The stored notes, root first, with their own octaves (no offset).
    const std::vector<CNote>& Notes() const { return notes; }
    int NoteCount() const { return static_cast<int>(notes.size()); }

private:
    void Walk(const CNote& root, std::span<const int> steps);

    std::vector<CNote> notes;
    // Index of the note the next step hands out; -1 for none.
    int position = -1;
    int octaveOffset = 0;
};

// Display names; "" for any value without one.
const char* ScaleName(int type);
const char* ModeName(int mode);
const char* LoopDirectionName(int direction);

// Empty the list, add the scales (or modes) in the program's list order with the value as
// item value, and select the first row. "Natural Minor" is not offered.
void FillScaleList(ChoiceList& list);
void FillModeList(ChoiceList& list);
// Adds the four loop directions in value order; the caller selects the stored one.
void FillLoopDirectionList(ChoiceList& list);
