#pragma once

// CChord: a fingering. The inherited tuning fields hold the chord itself (the note on each
// string, -1 for a muted one, and its pick state); chordTuning is the tuning it is
// fingered in.
//
//   CChord c;                               // open strings of standard tuning
//   c.SetStringNote(1, kNoteMuted, 0);      // x32010 and so on
//   c.chordTuning.FretOf(2, c.StringNote(2));

#include <string>
#include <string_view>

#include "guitar/tuning.h"

class CChord : public CTuning {
public:
    static constexpr std::string_view kClassName = "CChord";

    CTuning chordTuning;
    NoteValue root = kNoteUnsupported;
    int chordType = -1;
    int variation = 0;
    int dynamic = 0;

    // Open strings of standard tuning.
    CChord();
    // Open strings of the tuning, in its stored order and handedness.
    explicit CChord(const CTuning& tuning);
    // Copies the fingering and its identity; the pick state starts afresh (strummed
    // "123456").
    CChord(const CChord& other);
    CChord& operator=(const CChord& other) = delete;

    // Every string open on chordTuning, no root, type or variation.
    void ResetChord();
    // Takes another chord's fingering in this chord's handedness, and its pick state.
    void AssignChord(const CChord& source);
    // Moves the chord to another tuning, mirroring it when the handedness differs.
    void SetChordTuning(const CTuning& tuning);

    bool IsMutedString(int s) const;
    bool IsOpenOnString(int s) const;
    // The lowest fretted fret (24 when every string is open or muted) and the highest fret.
    int LowestFret() const;
    int HighestFret() const;

    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;
};
