#include "guitar/chord.h"

#include <gtest/gtest.h>

#include <memory>

#include "guitar/chord_list.h"

namespace {

// x32010 in standard tuning.
CChord OpenC() {
    CChord c;
    c.SetStringNote(1, kNoteMuted, 0);
    c.SetStringNote(2, kNoteC, 4);
    c.SetStringNote(3, kNoteE, 4);
    c.SetStringNote(5, kNoteC, 5);
    c.root = kNoteC;
    c.chordType = 0;
    c.variation = 1;
    return c;
}

TEST(ChordTest, NewChordIsOpenStandardTuningWithNoIdentity) {
    const CChord c;
    EXPECT_EQ(c.ToText(), "E3,A3,D4,G4,B4,E5");
    EXPECT_EQ(c.root, kNoteUnsupported);
    EXPECT_EQ(c.chordType, -1);
    EXPECT_EQ(c.variation, 0);
    EXPECT_EQ(c.pickPattern, "123456");
    EXPECT_EQ(c.LowestFret(), 24);
    EXPECT_EQ(c.HighestFret(), 0);
}

TEST(ChordTest, ConstructionFromALeftHandedTuning) {
    CTuning dropD(13);
    dropD.SetLeftHanded();
    const CChord c(dropD);
    EXPECT_EQ(c.ToText(), "E5,B4,G4,D4,A3,D3");
    EXPECT_EQ(c.rightHanded, 0);
    EXPECT_TRUE(c.IsOpenOnString(6));
}

TEST(ChordTest, CopyAssignAndRetuneEachCopyDifferently) {
    CChord source = OpenC();
    source.pickPattern = "6R1";
    source.strum = 0;
    source.loopPattern = 1;
    source.dynamic = 1;
    source.tuningType = 5;

    const CChord copy(source);
    EXPECT_EQ(copy.ToText(), source.ToText());
    EXPECT_EQ(copy.pickPattern, "123456");
    EXPECT_EQ(copy.strum, 1);
    EXPECT_EQ(copy.tuningType, 0);
    EXPECT_EQ(copy.loopPattern, 1);
    EXPECT_EQ(copy.dynamic, 1);
    EXPECT_EQ(copy.variation, 1);

    CChord left;
    left.SetLeftHanded();
    left.dynamic = 0;
    left.tuningType = 9;
    left.patternPos = 4;
    left.AssignChord(source);
    EXPECT_EQ(left.ToText(), "E5,C5,G4,E4,C4,Muted");
    EXPECT_EQ(left.pickPattern, "6R1");
    EXPECT_EQ(left.strum, 0);
    EXPECT_EQ(left.patternPos, 0);
    EXPECT_EQ(left.dynamic, 0);
    EXPECT_EQ(left.tuningType, 9);
    EXPECT_EQ(left.rightHanded, 1);  // the source's handedness is taken

    CChord c = OpenC();
    CTuning leftStandard;
    leftStandard.SetLeftHanded();
    c.SetChordTuning(leftStandard);
    EXPECT_EQ(c.rightHanded, 0);
    EXPECT_EQ(c.ToText(), "E5,C5,G4,E4,C4,Muted");
    EXPECT_TRUE(c.IsMutedString(6));
    EXPECT_EQ(c.LowestFret(), 1);
    EXPECT_EQ(c.HighestFret(), 3);
}

TEST(ChordTest, ResetKeepsHandednessAndPickFlags) {
    CChord c = OpenC();
    c.strum = 0;
    c.loopPattern = 1;
    c.pickPattern = "1";
    c.ResetChord();
    EXPECT_EQ(c.ToText(), "E3,A3,D4,G4,B4,E5");
    EXPECT_EQ(c.pickPattern, "123456");
    EXPECT_EQ(c.strum, 0);
    EXPECT_EQ(c.loopPattern, 1);
    EXPECT_EQ(c.root, kNoteUnsupported);
}

TEST(ChordTest, FretsOfOpenC) {
    const CChord c = OpenC();
    EXPECT_TRUE(c.IsMutedString(1));
    EXPECT_FALSE(c.IsMutedString(0));
    EXPECT_TRUE(c.IsOpenOnString(4));
    EXPECT_FALSE(c.IsOpenOnString(2));
    EXPECT_EQ(c.LowestFret(), 1);
    EXPECT_EQ(c.HighestFret(), 3);
}

TEST(ChordListTest, FindStaticMatchesEitherSpelling) {
    CChordList list;
    for (int v = 1; v <= 3; ++v) {
        auto chord = std::make_unique<CChord>();
        chord->root = kNoteDFlat;
        chord->chordType = 5;
        chord->variation = v;
        list.Add(std::move(chord));
    }
    const CChord* found = list.FindStatic(kNoteCSharp, 5, 2);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->variation, 2);
    EXPECT_EQ(list.FindStatic(kNoteD, 5, 2), nullptr);
    EXPECT_EQ(list.FindStatic(kNoteDFlat, 5, 4), nullptr);
    list.RemoveAll();
    EXPECT_EQ(list.Count(), 0);
}

TEST(ChordListTest, LookUpShowsTheStoredChordOrNothingWrong) {
    CChordList list;
    auto stored = std::make_unique<CChord>(OpenC());
    stored->root = kNoteC;
    stored->chordType = 0;
    stored->variation = 1;
    list.Add(std::move(stored));

    CChord shown;
    ASSERT_TRUE(list.LookUpStatic(kNoteC, 0, 1, shown));
    EXPECT_TRUE(shown.IsMutedString(1));
    EXPECT_EQ(shown.HighestFret(), 3);

    // A variation the list does not hold: every string muted, named as asked.
    EXPECT_FALSE(list.LookUpStatic(kNoteC, 0, 2, shown));
    for (int s = 1; s <= kStringCount; ++s) {
        EXPECT_TRUE(shown.IsMutedString(s)) << s;
    }
    EXPECT_EQ(shown.root, kNoteC);
    EXPECT_EQ(shown.chordType, 0);
    EXPECT_EQ(shown.variation, 2);
}

}  // namespace
