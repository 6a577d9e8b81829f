#pragma once

// CTuning: the six open strings of a guitar, its handedness, the pick state used when its
// strings are played, and the number of its tuning type.
//
//   CTuning dropD(13);                       // D3 A3 D4 G4 B4 E5, right-handed
//   dropD.SetLeftHanded();                   // stored E5 B4 G4 D4 A3 D3
//   dropD.NoteAt(6, 2);                      // E3: string 6 is now the low D string
//
// Strings are numbered 1..6 in stored order: string 1 is the leftmost string on screen,
// the lowest-pitched string of a right-handed tuning and the highest of a left-handed one.
// Frets run 0..24. Tuning types 0..26 are the predefined tunings; 27 is a custom tuning.

#include <array>
#include <string>
#include <string_view>

#include "music/note.h"
#include "util/archive_object.h"

class ChoiceList;

inline constexpr int kStringCount = 6;
inline constexpr int kFretCount = 24;
inline constexpr int kPredefinedTuningCount = 27;
inline constexpr int kCustomTuning = 27;

// What NextPatternStep hands out besides a string number 1..6.
inline constexpr int kStepEnd = -1;
inline constexpr int kStepStrum = 0;
inline constexpr int kStepRest = -99;

inline constexpr const char* kDefaultPickPattern = "123456";

class CTuning : public CObject {
public:
    static constexpr std::string_view kClassName = "CTuning";

    std::array<CNote, kStringCount> strings;
    // The sound voice last started for each string, -1 for none.
    std::array<int, kStringCount> channels;
    int rightHanded = 1;
    std::string pickPattern = kDefaultPickPattern;
    int patternPos = 0;
    int loopPattern = 0;
    int strum = 1;
    int tuningType = 0;

    // Standard tuning, right-handed.
    CTuning();
    // Predefined tuning n (a number outside 0..26 leaves standard strings with type 27).
    explicit CTuning(int predefined);
    virtual ~CTuning() = default;

    // A copy starts with no voices and its pattern rewound.
    CTuning(const CTuning& other);
    // Assignment copies everything but the strum flag, which stays as it was.
    CTuning& operator=(const CTuning& other);

    // Sets the strings of predefined tuning n in this tuning's handedness. False, with the
    // strings unchanged and type 27, for a number outside 0..26.
    bool BuildPredefined(int n);
    static std::string TuningCode(int n);
    static std::string TuningName(int n);
    // The strings of predefined tuning n in right-handed order; standard tuning for any
    // other number.
    static std::array<CNote, kStringCount> PredefinedStrings(int n);
    // Fills a drop-down with the codes of the predefined tunings (item value = number);
    // with selectCurrent, selects currentType (nothing for a custom tuning).
    static void FillTuningList(ChoiceList& list, bool selectCurrent, int currentType);

    // "E3,A3,D4,G4,B4,E5": the strings in stored order.
    std::string ToText() const;
    // Reads six notes in stored order and makes this a custom tuning; false, with the
    // strings unchanged, unless there are exactly six parts.
    bool FromText(std::string_view text);

    bool IsRightHanded() const { return rightHanded != 0; }
    void ReverseStrings();
    void SetLeftHanded();
    void SetRightHanded();
    // The same physical string after the handedness changes.
    static int MirrorString(int s);

    CNote StringNote(int s) const;
    bool SetStringNote(int s, NoteValue note, int octave);
    bool IsOpenString(int s, const CNote& note) const;
    // The note sounding at a fret, sharp-spelled; muted for fret -1, no note for string -1.
    CNote NoteAt(int s, int fret) const;
    // The fret where the note sounds on string s, -1 when it is not within 24 frets; 0 for
    // a muted note or a string outside 1..6.
    int FretOf(int s, const CNote& note) const;
    // The first occurrence of a note on a string (frets 0..11), named as asked.
    CNote LowestOnString(int s, NoteValue note) const;

    // Pick state.
    static bool IsValidPattern(std::string_view text);
    bool SetPickPattern(std::string_view text);
    void RewindPattern() { patternPos = 0; }
    // A string 1..6 to pluck, kStepRest, kStepStrum, or kStepEnd after a whole pass.
    int NextPatternStep();

    // Stored form: six note/octave pairs, tuningType, loopPattern, strum, pickPattern,
    // rightHanded. Voices and the pattern position are not stored.
    std::string_view ClassName() const override { return kClassName; }
    void Serialize(CArchive& ar) override;
};
