#pragma once

// CVoicingGenerator: finds and ranks the fingerings of a chord in a tuning.
//
//   CVoicingGenerator generator;
//   generator.Generate(CTuning(), kNoteC, 0, 4);   // every C major within 4 frets
//   generator.Slots()[0].frets;                    // x32010, the best one
//
// The search tries frets 0..15 of every string exhaustively for fingerings that hold every
// chord tone within the span, scores them and keeps the 50 best, best first. A search
// allocates nothing: its whole state lives in the fixed arrays below.

#include <array>

#include "guitar/tuning.h"
#include "music/note.h"

inline constexpr int kVoicingSlots = 50;
inline constexpr int kHighestSearchedFret = 15;

// Where each score sits in CVoicingSlot::scores: the total first, then the six partial
// scores in the order CVoicingWeights describes them.
enum VoicingScore {
    kScoreTotal = 0,
    kScoreSpan,
    kScoreReach,
    kScoreOpenStrings,
    kScoreBassTone,
    kScorePosition,
    kScoreNeighbours,
    kVoicingScoreCount
};

struct CVoicingSlot {
    std::array<int, kStringCount> frets{};         // -1 muted, 0 open; in stored order
    std::array<NoteValue, kStringCount> notes{};   // -1 muted; in stored order
    std::array<int, kVoicingScoreCount> scores{};  // indexed by VoicingScore
};

// What a fingering earns. Every partial score grows with what makes a chord easier to
// hold or better to hear; the total is their plain sum.
struct CVoicingWeights {
    // Span: per fret the fretted strings stay inside the player's span (less stretch).
    static constexpr int kPerFretUnderSpan = 12;
    // Reach: per fret the sounding strings, open ones at fret 0, lie closer than 15 frets.
    static constexpr int kPerFretOfReach = 3;
    // Open strings: per open string (nothing to hold, and it rings).
    static constexpr int kPerOpenString = 10;
    // Bass tone: the chord's first tone (the root for nearly every type) in the bass.
    static constexpr int kBassTone = 50;
    // Position: per fret the average fretted fret lies below fret 15 (nearer the nut).
    static constexpr int kPerFretBelowTop = 2;
    // Position when no string is fretted at all.
    static constexpr int kAllOpen = 30;
    // Neighbours: earned in full when no two neighbouring strings sound the same note...
    static constexpr int kDistinctNeighbours = 45;
    // ...less this for every neighbouring pair that doubles a note.
    static constexpr int kPerDoubledPair = 9;
};

class CVoicingGenerator {
public:
    CVoicingGenerator();

    // Replaces the results of the last generation. A left-handed tuning is searched in
    // pitch order, like its right-handed twin, and its results are stored mirrored, so
    // both hands get the same chords. Slots the new generation does not fill keep what
    // earlier ones left there.
    void Generate(const CTuning& tuning, NoteValue root, int type, int span);

    // How many fingerings the last generation found, at most 50.
    int Found() const { return found_; }
    // The span of the last generation.
    int MaxSpan() const { return maxSpan_; }
    // The ranked fingerings, best first; the first Found() are the last generation's.
    const std::array<CVoicingSlot, kVoicingSlots>& Slots() const { return slots_; }
    // The chord tones of the last generation; entries after the last tone are -1.
    const std::array<NoteValue, 12>& Tones() const { return tones_; }

private:
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

    std::array<NoteValue, 12> tones_{};
    std::array<CVoicingSlot, kVoicingSlots> slots_{};
    int slotCount_ = 0;
    int found_ = 0;
    int maxSpan_ = 4;

    // Search state, strings in pitch order (string 0 the lowest-pitched).
    std::array<std::array<int, 16>, kStringCount> candidateFrets_{};
    std::array<std::array<NoteValue, 16>, kStringCount> candidateNotes_{};
    std::array<std::array<unsigned, 16>, kStringCount> candidateBits_{};  // pitch-class bit
    std::array<int, kStringCount> candidateCount_{};
    std::array<int, kStringCount> curFrets_{};
    std::array<NoteValue, kStringCount> curNotes_{};
    std::array<int, kVoicingScoreCount> curScore_{};
    unsigned requiredPitchClasses_ = 0;
    NoteValue firstTone_ = kNoteNone;
    bool mirrored_ = false;

    static int FrettedSpan(const Fingering& f);
    // Whether a complete fingering is kept: its fretted strings fit the span and it sounds
    // every chord tone. The search prunes only what this would refuse.
    bool Accepts(const Fingering& f) const;
    Fingering WithString(const Fingering& above, int s, int position) const;
    bool CanComplete(const Fingering& f, int stringsLeft) const;
    void SearchUpper(int s, const Fingering& above);
    void SearchLowest(const Fingering& above);
    // bass: the lowest sounding string (strings below it are muted).
    void Evaluate(const Fingering& f, int bass);
    void Score(const Fingering& f, int bass);
    void Insert();
};
