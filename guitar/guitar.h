#pragma once

// CGuitar: the program's single guitar object. It holds the voicing generator, the static
// chord database and the handle of the loaded sound pack.
//
//   CGuitar& guitar = CGuitar::Instance();
//   guitar.GenerateVoicings(CTuning(), kNoteC, 0, 4);   // every C major within 4 frets
//   CChord chord;
//   guitar.BuildVariation(1, chord);                    // x32010
//
// The generator searches frets 0..15 of every string exhaustively for fingerings that
// hold every chord tone within the span, scores them and keeps the 50 best, best first.
// A search allocates nothing: its whole state lives in the fixed arrays below.

#include <array>
#include <cstdint>
#include <string>

#include "guitar/chord.h"
#include "guitar/chord_database.h"
#include "guitar/chord_list.h"
#include "guitar/tuning.h"

inline constexpr int kVoicingSlots = 50;
inline constexpr int kHighestSearchedFret = 15;

struct CVoicingSlot {
    std::array<int, kStringCount> frets{};          // -1 muted, 0 open; in stored order
    std::array<NoteValue, kStringCount> notes{};    // -1 muted; in stored order
    std::array<int, 7> scores{};                    // total, then the six partial scores
};

class CGuitar {
public:
    static CGuitar& Instance();

    // The loaded sound pack's handle at the audio boundary, 0 when none.
    int song = 0;
    CChordList chordList;
    // Why the chord database could not be loaded, "" when it could.
    std::string loadError;
    // The tuning, chord and span of the last generation.
    CTuning tuning;
    int staticChords = 0;
    int chordType = -1;
    std::array<NoteValue, 12> tones{};
    NoteValue root = kNoteUnsupported;
    std::array<CVoicingSlot, kVoicingSlots> slots{};
    int slotCount = 0;
    int maxSpan = 4;
    // How many fingerings the last generation found, at most 50.
    int found = 0;

    CGuitar();
    // Writes the chord cache when static chords are available (SaveChordCache).
    ~CGuitar();
    CGuitar(const CGuitar&) = delete;
    CGuitar& operator=(const CGuitar&) = delete;

    // Loads the static chord database of the application directory into chordList
    // (LoadChordDatabase). With neither file there, loadError gets the missing-files text
    // and nothing runs: the window shows no splash for it (ChordFilesPresent tells first).
    // staticChords and the result say whether static chords are available; otherwise
    // loadError says why. `storedCrc` is the settings entry CRC, updated after a parse.
    bool LoadStaticChords(std::uint32_t& storedCrc, ProgressReporter& progress, Prompter& prompter);
    static bool ChordFilesPresent();
    // Writes chordList as the cache beside the database it came from. Done at exit after
    // every successful load; never after a failed one, so the last good cache survives.
    FileResult SaveChordCache();

    // Finds and ranks the fingerings of a chord. A left-handed tuning is searched in pitch
    // order, like its right-handed twin, and its results are stored mirrored, so both
    // hands get the same chords.
    bool GenerateVoicings(CTuning forTuning, NoteValue chordRoot, int type, int span);

    // Writes variation v (1..50) of the last generation into the chord. A variation the
    // last generation did not find gives the chord with every string muted, and false.
    bool BuildVariation(int v, CChord& chord) const;

private:
    // Search state, strings in pitch order (string 0 the lowest-pitched).
    std::array<std::array<int, 16>, kStringCount> candidateFrets_{};
    std::array<std::array<NoteValue, 16>, kStringCount> candidateNotes_{};
    std::array<int, kStringCount> candidateCount_{};
    std::array<int, kStringCount> curFrets_{};
    std::array<NoteValue, kStringCount> curNotes_{};
    std::array<int, 7> curScore_{};
    unsigned requiredPitchClasses_ = 0;
    NoteValue firstTone_ = kNoteNone;
    bool mirrored_ = false;
    ChordDatabaseFiles chordFiles_;

    // What the strings chosen so far contribute to acceptance and the scores.
    struct Fingering {
        unsigned present = 0;  // pitch classes sounding
        int lowFretted = kHighestSearchedFret + 1;
        int highFretted = 0;
        int lowSounding = kHighestSearchedFret + 1;
        int highSounding = 0;
        int fretted = 0;
        int fretSum = 0;
        int open = 0;
        int doubled = 0;  // neighbouring sounding strings on the same spelled note
    };

    Fingering WithString(const Fingering& above, int s, int position) const;
    bool CanComplete(const Fingering& f, int stringsLeft) const;
    void SearchUpper(int s, const Fingering& above);
    void SearchLowest(const Fingering& above);
    // bass: the lowest sounding string (strings below it are muted).
    void Evaluate(const Fingering& f, int bass);
    void Insert();
};
