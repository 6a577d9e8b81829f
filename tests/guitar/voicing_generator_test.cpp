#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "guitar/chord_chart_rules.h"
#include "guitar/guitar.h"
#include "music/chord_type.h"

namespace {

using Frets = std::array<int, kStringCount>;

struct Expected {
    int variation;
    Frets frets;
    int total;
};

struct GenerationCase {
    const char* what;
    CTuning tuning;
    NoteValue root;
    int type;
    int span;
    int found;  // -1: not checked
    std::vector<Expected> variations;
};

CTuning Custom(const char* text) {
    CTuning t;
    t.FromText(text);
    return t;
}

CTuning LeftStandard() {
    CTuning t;
    t.SetLeftHanded();
    return t;
}

TEST(VoicingGeneratorTest, RanksFingeringsAsThePlayerExpects) {
    const std::vector<GenerationCase> cases = {
        {"C major",
         CTuning(),
         kNoteC,
         0,
         4,
         50,
         {{1, {-1, 3, 2, 0, 1, 0}, 201}, {2, {-1, 3, 2, 0, 1, 3}, 189}}},
        {"C major seventh",
         CTuning(),
         kNoteC,
         18,
         5,
         -1,
         {{1, {-1, 3, 2, 0, 0, 0}, 233},
          {2, {-1, 3, 2, 0, 0, 3}, 223},
          {3, {-1, -1, 10, 0, 0, 0}, 210}}},
        {"D minor in DADGAD",
         Custom("D3,A3,D4,G4,A4,D5"),
         kNoteD,
         5,
         3,
         -1,
         {{1, {0, 0, 3, 2, 0, 0}, 210}, {2, {0, 0, 0, 2, 0, 3}, 210}}},
        {"C fifth",
         CTuning(),
         kNoteC,
         4,
         4,
         5,
         {{1, {8, 10, 10, 0, 8, 8}, 147}, {2, {-1, -1, 10, 0, 8, 8}, 147}}},
        // Left-handed players get the mirror image of the right-handed chords.
        {"C major left-handed",
         LeftStandard(),
         kNoteC,
         0,
         4,
         50,
         {{1, {0, 1, 0, 2, 3, -1}, 201}, {2, {3, 1, 0, 2, 3, -1}, 189}}},
    };
    for (const GenerationCase& c : cases) {
        CGuitar guitar;
        ASSERT_TRUE(guitar.GenerateVoicings(c.tuning, c.root, c.type, c.span));
        if (c.found >= 0) {
            EXPECT_EQ(guitar.Voicings().Found(), c.found) << c.what;
        }
        for (const Expected& e : c.variations) {
            const CVoicingSlot& slot =
                guitar.Voicings().Slots()[static_cast<size_t>(e.variation - 1)];
            EXPECT_EQ(slot.frets, e.frets) << c.what << " variation " << e.variation;
            EXPECT_EQ(slot.scores[0], e.total) << c.what << " variation " << e.variation;
        }
    }
}

TEST(VoicingGeneratorTest, EveryVariationNeedsAtMostFourFingers) {
    struct Case {
        const char* what;
        NoteValue root;
        int type;
        int span;
    };
    const std::vector<Case> cases = {
        {"C7(b5), once topped by x32312", kNoteC, 17, 4},
        {"F major", kNoteF, 0, 4},
        {"B minor seventh", kNoteB, 14, 5},
        {"G thirteenth", kNoteG, 33, 5},
    };
    for (const Case& c : cases) {
        CGuitar guitar;
        ASSERT_TRUE(guitar.GenerateVoicings(CTuning(), c.root, c.type, c.span));
        const int shown = std::min(guitar.Voicings().Found(), kVoicingSlots);
        ASSERT_GT(shown, 0) << c.what;
        for (int v = 0; v < shown; ++v) {
            const Frets& frets = guitar.Voicings().Slots()[static_cast<size_t>(v)].frets;
            EXPECT_TRUE(ChartHandHolds(frets)) << c.what << " variation " << v + 1;
            EXPECT_NE(frets, (Frets{-1, 3, 2, 3, 1, 2})) << c.what;
        }
    }
}

// Every type in every predefined tuning, the root turning with them so every spelling comes up,
// at the narrowest and the widest span the settings offer.
TEST(VoicingGeneratorTest, NoTypeInAnyTuningOffersAFiveFingerShape) {
    CGuitar guitar;
    int generated = 0;
    for (int tuning = 0; tuning < kPredefinedTuningCount; ++tuning) {
        for (int type = 0; type < kChordTypeCount; ++type) {
            const auto root = static_cast<NoteValue>((tuning + type) % (kNoteB + 1));
            for (const int span : {3, 6}) {
                if (!guitar.GenerateVoicings(CTuning(tuning), root, type, span)) {
                    continue;
                }
                ++generated;
                const int shown = std::min(guitar.Voicings().Found(), kVoicingSlots);
                for (int v = 0; v < shown; ++v) {
                    const Frets& frets = guitar.Voicings().Slots()[static_cast<size_t>(v)].frets;
                    ASSERT_TRUE(ChartHandHolds(frets))
                        << "tuning " << tuning << " type " << type << " root " << root
                        << " span " << span << " variation " << v + 1;
                }
            }
        }
    }
    EXPECT_GT(generated, kPredefinedTuningCount * kChordTypeCount);
}

TEST(VoicingGeneratorTest, PartialScoresOfOpenC) {
    CGuitar guitar;
    guitar.GenerateVoicings(CTuning(), kNoteC, 0, 4);
    const std::array<int, 7> scores = {201, 24, 36, 20, 50, 26, 45};
    EXPECT_EQ(guitar.Voicings().Slots()[0].scores, scores);
}

TEST(VoicingGeneratorTest, FlatRootsEarnTheBassBonusLikeSharpOnes) {
    CGuitar flat;
    flat.GenerateVoicings(CTuning(), kNoteBFlat, 0, 4);
    CGuitar sharp;
    sharp.GenerateVoicings(CTuning(), kNoteASharp, 0, 4);
    ASSERT_EQ(flat.Voicings().Found(), sharp.Voicings().Found());
    for (int v = 0; v < flat.Voicings().Found(); ++v) {
        EXPECT_EQ(flat.Voicings().Slots()[v].frets, sharp.Voicings().Slots()[v].frets) << v + 1;
        EXPECT_EQ(flat.Voicings().Slots()[v].scores, sharp.Voicings().Slots()[v].scores) << v + 1;
    }
    EXPECT_EQ(flat.Voicings().Slots()[0].scores[4], 50);
}

TEST(VoicingGeneratorTest, SpanThreeKeepsFrettedStringsWithinTwoFrets) {
    CGuitar guitar;
    guitar.GenerateVoicings(CTuning(), kNoteG, 14, 3);
    ASSERT_GT(guitar.Voicings().Found(), 0);
    for (int v = 0; v < guitar.Voicings().Found(); ++v) {
        int low = 99;
        int high = 0;
        for (int fret : guitar.Voicings().Slots()[v].frets) {
            if (fret > 0) {
                low = std::min(low, fret);
                high = std::max(high, fret);
            }
        }
        EXPECT_LE(high - (low == 99 ? high : low), 2) << v + 1;
    }
}

TEST(VoicingGeneratorTest, VariationsBeyondTheFoundOnesAreNeverStale) {
    CGuitar guitar;
    guitar.GenerateVoicings(CTuning(), kNoteC, 0, 4);
    guitar.GenerateVoicings(CTuning(), kNoteC, 4, 4);  // five fingerings only
    ASSERT_EQ(guitar.Voicings().Found(), 5);
    CChord chord;
    EXPECT_TRUE(guitar.BuildVariation(5, chord));
    EXPECT_FALSE(guitar.BuildVariation(6, chord));
    EXPECT_EQ(chord.ToText(), "Muted,Muted,Muted,Muted,Muted,Muted");
    EXPECT_EQ(chord.root, kNoteC);
    EXPECT_EQ(chord.chordType, 4);
    EXPECT_EQ(chord.variation, 6);
}

TEST(VoicingGeneratorTest, BuildVariationWritesTheNotesInTheTuningsOrder) {
    CGuitar guitar;
    guitar.GenerateVoicings(LeftStandard(), kNoteC, 0, 4);
    CChord chord;  // right-handed: takes the tuning's handedness
    ASSERT_TRUE(guitar.BuildVariation(1, chord));
    EXPECT_EQ(chord.rightHanded, 0);
    EXPECT_EQ(chord.ToText(), "E5,C5,G4,E4,C4,Muted");
    EXPECT_EQ(chord.dynamic, 1);
    EXPECT_EQ(chord.variation, 1);
    EXPECT_EQ(chord.root, kNoteC);
}

TEST(VoicingGeneratorTest, SixToneChordNeedsEveryString) {
    CGuitar guitar;
    guitar.GenerateVoicings(CTuning(), kNoteC, 34, 4);
    for (int v = 0; v < guitar.Voicings().Found(); ++v) {
        for (int fret : guitar.Voicings().Slots()[v].frets) {
            EXPECT_GE(fret, 0);
        }
    }
}

}  // namespace
