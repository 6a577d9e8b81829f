#include "guitar/chord.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "guitar/chord_list.h"
#include "tests/guitar/archive_bytes.h"
#include "util/object_archive.h"

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

// OpenC's stored form with the given trailing fields.
Bytes OpenCBytes(int root, int variation, int type, int dynamic) {
    return Concat(
        {TuningBytes(
             {{kNoteMuted, 0}, {kNoteC, 4}, {kNoteE, 4}, {kNoteG, 4}, {kNoteC, 5}, {kNoteE, 5}}, 0,
             0, 1, "123456", 1),
         Int(root), Int(variation), Int(type), Int(dynamic)});
}

TEST(ChordArchiveTest, AChordIsItsTuningFormThenRootVariationTypeAndDynamic) {
    CChord c = OpenC();
    // Distinct values, so that a swap of two fields shows.
    c.root = kNoteD;
    c.variation = 5;
    c.chordType = 7;
    c.dynamic = 1;
    Bytes bytes;
    ASSERT_TRUE(StoreToBytes(c, bytes));
    EXPECT_EQ(bytes, OpenCBytes(kNoteD, 5, 7, 1));

    CChord back;
    ASSERT_TRUE(LoadFromBytes(back, bytes));
    EXPECT_EQ(back.ToText(), c.ToText());
    EXPECT_EQ(back.root, kNoteD);
    EXPECT_EQ(back.variation, 5);
    EXPECT_EQ(back.chordType, 7);
    EXPECT_EQ(back.dynamic, 1);
    // The tuning a chord is fingered in is not stored.
    EXPECT_EQ(back.chordTuning.ToText(), "E3,A3,D4,G4,B4,E5");
    EXPECT_EQ(back.chordTuning.tuningType, 0);
    Bytes again;
    ASSERT_TRUE(StoreToBytes(back, again));
    EXPECT_EQ(again, bytes);
}

TEST(ChordArchiveTest, AChordListHasOneClassRecordAndReferencesAfterIt) {
    const Bytes chordClass = Concat({{0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00}, Ascii("CChord")});
    struct Case {
        int chords;
        Bytes bytes;
    };
    const std::vector<Case> cases = {
        {0, {0x00, 0x00}},
        {1, Concat({{0x01, 0x00}, chordClass, OpenCBytes(0, 1, 0, 0)})},
        // CChord is index 1 and the chords 2, 3, 4: each later chord names class 1.
        {3, Concat({{0x03, 0x00},
                    chordClass,
                    OpenCBytes(0, 1, 0, 0),
                    {0x01, 0x80},
                    OpenCBytes(0, 2, 0, 0),
                    {0x01, 0x80},
                    OpenCBytes(0, 3, 0, 0)})},
    };
    for (const Case& c : cases) {
        CChordList list;
        for (int v = 1; v <= c.chords; ++v) {
            auto chord = std::make_unique<CChord>(OpenC());
            chord->variation = v;
            list.Add(std::move(chord));
        }
        Bytes bytes;
        ASSERT_TRUE(StoreToBytes(list, bytes)) << c.chords;
        EXPECT_EQ(bytes, c.bytes) << c.chords;

        // The chord class needs no registration to be read back as a list element.
        CChordList back;
        back.Add(std::make_unique<CChord>());
        ASSERT_TRUE(LoadFromBytes(back, bytes, CClassRegistry())) << c.chords;
        ASSERT_EQ(back.Count(), c.chords);
        for (int v = 1; v <= c.chords; ++v) {
            EXPECT_EQ(back.chords[static_cast<std::size_t>(v - 1)]->variation, v);
        }
        EXPECT_EQ(back.loaded, 0);
        Bytes again;
        ASSERT_TRUE(StoreToBytes(back, again));
        EXPECT_EQ(again, bytes) << c.chords;
    }
}

TEST(ChordArchiveTest, ADamagedChordListFailsCleanly) {
    CChordList list;
    list.Add(std::make_unique<CChord>(OpenC()));
    list.Add(std::make_unique<CChord>(OpenC()));
    Bytes whole;
    ASSERT_TRUE(StoreToBytes(list, whole));
    for (std::size_t size = 0; size < whole.size(); ++size) {
        CChordList back;
        const Result<> result =
            LoadFromBytes(back, std::span<const std::uint8_t>(whole.data(), size));
        EXPECT_FALSE(result) << size;
        EXPECT_LE(result.Error().offset.value(), size) << size << ": " << result.Message();
    }
    struct Case {
        const char* what;
        Bytes bytes;
        const char* message;
        std::uint64_t offset;
    };
    const std::vector<Case> cases = {
        // A tuning is only ever stored in place.
        {"a tuning as an element",
         Concat({{0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x07, 0x00}, Ascii("CTuning")}),
         "unknown class name \"CTuning\"", 8},
        {"a chord with a bad note",
         Concat(
             {{0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00}, Ascii("CChord"), Int(99), Int(3)}),
         "note value 99", 14},
    };
    for (const Case& c : cases) {
        CChordList back;
        const Result<> result = LoadFromBytes(back, c.bytes, CClassRegistry());
        EXPECT_FALSE(result) << c.what;
        EXPECT_NE(result.Message().find(c.message), std::string::npos) << result.Message();
        EXPECT_EQ(result.Error().offset, c.offset) << c.what;
    }
}

}  // namespace
