#pragma once

// CPattern: one entry of a progression — a named chord with its pick or strum setting,
// played NumTimesToPlay passes in a row.
//
//   CPattern pattern;                      // strums a chord on standard tuning, once
//   pattern.name = "G Minor";
//   pattern.chord.strum = 0;
//   pattern.chord.SetPickPattern("1R3r");
//
// Stored form: the chord in place, then id, name, reservedText, NumTimesToPlay, letRing.

#include <string>
#include <string_view>

#include "guitar/chord.h"
#include "util/archive_object.h"

// What lists show instead of the pick pattern of a strummed pattern.
inline constexpr const char* kStrumDisplayText = "<STRUM>";

class CPattern : public CObject {
public:
    static constexpr std::string_view kClassName = "CPattern";

    // Given by the owning list, unique within its progression.
    int id = 0;
    // Unique within its progression (exact comparison).
    std::string name;
    // Kept, copied and stored, but nothing sets it.
    std::string reservedText;
    CChord chord;
    // Passes played in a row before the next pattern; the dialogs keep it to 1..10.
    int NumTimesToPlay = 1;
    // The dialog's "Let notes ring" box; no player reads it.
    int letRing = 1;

    CPattern() = default;
    // Copies every field, the chord's pick setting and the id included.
    CPattern(const CPattern& other);
    CPattern& operator=(const CPattern& other);
    ~CPattern() override = default;

    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;

    bool IsStrummed() const { return chord.strum != 0; }
    // "<STRUM>" for a strummed pattern, else its pick pattern.
    std::string PatternText() const;
};

// Copies a chord whole: notes, fingering tuning, chord fields and the pick setting. The
// chord's own copy deliberately starts over with the default pattern and a strum; records
// of the library keep exactly what the player made.
void CopyChordWhole(CChord& to, const CChord& from);
