#include "music/chord_type.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/util/fake_choice_list.h"

namespace {

std::vector<std::string> Names(const std::vector<NoteValue>& tones) {
    std::vector<std::string> names;
    for (NoteValue tone : tones) {
        names.push_back(NoteName(tone));
    }
    return names;
}

using Tones = std::vector<std::string>;

TEST(ChordTones, EveryTypeOnCFollowsItsFormula) {
    const std::vector<Tones> onC = {
        {"C", "E", "G"},
        {"C", "F", "G"},
        {"C", "E", "Gb"},
        {"C", "D", "E", "G"},
        {"C", "G"},
        {"C", "D#", "G"},
        {"C", "E", "G#"},
        {"C", "D#", "A", "Gb"},
        {"C", "E", "G", "A"},
        {"C", "D", "E", "G", "A"},
        {"C", "D", "D#", "G", "A"},
        {"C", "D#", "G", "A"},
        {"C", "E", "G", "A#"},
        {"C", "F", "G", "A#"},
        {"C", "D#", "G", "A#"},
        {"C", "Gb", "D#", "A#"},
        {"C", "A#", "E", "G#"},
        {"C", "Gb", "A#", "E"},
        {"C", "E", "G", "B"},
        {"C", "Gb", "E", "B"},
        {"C", "D#", "G", "B"},
        {"C", "C#", "E", "G", "A#"},
        {"C", "D#", "E", "G", "A#"},
        {"C", "C#", "E", "G#", "A#"},
        {"C", "D", "D#", "G", "A#"},
        {"C", "D", "E", "G", "A#"},
        {"C", "D", "E", "G#", "A#"},
        {"C", "Gb", "D", "E", "A#"},
        {"C", "D", "E", "G", "B"},
        {"C", "D", "F#", "G", "A#"},
        {"C", "D", "D#", "G", "B"},
        {"C", "D", "F", "G", "A#"},
        {"C", "D#", "F", "G", "A#"},
        {"C", "E", "G", "A", "A#"},
        {"C", "C#", "E", "G", "A", "A#"},
        {"Gb", "C#", "E", "A", "A#"},
    };
    ASSERT_EQ(onC.size(), static_cast<size_t>(kChordTypeCount));
    for (int type = 0; type < kChordTypeCount; ++type) {
        EXPECT_EQ(Names(ChordTones(kNoteC, type)), onC[static_cast<size_t>(type)])
            << "type " << type;
    }
}

TEST(ChordTones, SpellingOnOtherRootsAndUnknownTypes) {
    const std::vector<std::tuple<NoteValue, int, Tones>> cases = {
        {kNoteA, 7, {"A", "C", "Gb", "Eb"}},
        {kNoteC, 5, {"C", "D#", "G"}},
        {kNoteBFlat, 0, {"Bb", "D", "F"}},
        // The flat fifth stays flat where stepping up would have given a sharp.
        {kNoteA, 2, {"A", "C#", "Eb"}},
        {kNoteD, 2, {"D", "F#", "Ab"}},
        {kNoteF, 2, {"F", "A", "B"}},
        {kNoteE, 4, {"E", "B"}},
        {kNoteC, 36, {"C"}},
        {kNoteC, kNoChord, {"C"}},
        {kNoteFSharp, -20, {"F#"}},
    };
    for (const auto& [root, type, tones] : cases) {
        EXPECT_EQ(Names(ChordTones(root, type)), tones) << NoteName(root) << " type " << type;
    }
}

TEST(ChordTones, FlatFifthIsNeverSharpOnAnyRoot) {
    for (NoteValue root = kNoteC; root <= kNoteB; ++root) {
        const std::vector<NoteValue> tones = ChordTones(root, 2);
        ASSERT_EQ(tones.size(), 3u);
        EXPECT_FALSE(IsSharp(tones[2])) << NoteName(root);
        EXPECT_EQ(PitchClass(tones[2]), (PitchClass(root) + 6) % 12) << NoteName(root);
    }
}

TEST(ChordTypeNames, NamesSymbolsAndKeysLookUpBothWays) {
    const std::vector<std::tuple<int, std::string, std::string, std::string>> cases = {
        {0, "MAJOR", "Major", "maj"},
        {5, "MINOR", "Minor", "m"},
        {14, "MINOR_SEVENTH", "Minor Seventh", "m7"},
        {35, "THIRTEENTH_FLAT_NINTH_FLAT_FIFTH", "Thirteenth Flat Ninth Flat Fifth", "13(b9/b5)"},
        {kNoChord, "", "No Chord", "No Chord"},
        {36, "", "", ""},
        {-2, "", "", ""},
    };
    for (const auto& [type, key, name, symbol] : cases) {
        EXPECT_EQ(ChordTypeKey(type), key) << type;
        EXPECT_EQ(ChordTypeName(type), name) << type;
        EXPECT_EQ(ChordTypeSymbol(type), symbol) << type;
    }
    for (int type = 0; type < kChordTypeCount; ++type) {
        EXPECT_EQ(ChordTypeFromName(ChordTypeKey(type)), type);
    }
    for (const char* text : {"minor", "MAJOR ", " MAJOR", "", "Major", "maj", "NO_CHORD"}) {
        EXPECT_EQ(ChordTypeFromName(text), kNoChord) << "'" << text << "'";
    }
}

TEST(ChordTypeNames, EveryKeyNameAndSymbolIsDistinct) {
    std::set<std::string> keys, names, symbols;
    for (int type = 0; type < kChordTypeCount; ++type) {
        EXPECT_TRUE(keys.insert(ChordTypeKey(type)).second) << type;
        EXPECT_TRUE(names.insert(ChordTypeName(type)).second) << type;
        EXPECT_TRUE(symbols.insert(ChordTypeSymbol(type)).second) << type;
    }
}

// An alias must never shadow another type's symbol or alias, or a text would name two types.
TEST(ChordTypeNames, EveryAliasNamesOnlyItsOwnType) {
    std::set<std::string> written;
    for (int type = 0; type < kChordTypeCount; ++type) {
        written.insert(ChordTypeSymbol(type));
    }
    for (int type = 0; type < kChordTypeCount; ++type) {
        for (const std::string& alias : ChordTypeAliases(type)) {
            EXPECT_TRUE(written.insert(alias).second) << alias;
            EXPECT_EQ(ChordTypeFromText(alias), type) << alias;
        }
        EXPECT_EQ(ChordTypeFromText(ChordTypeSymbol(type)), type);
        EXPECT_EQ(ChordTypeFromText(ChordTypeKey(type)), type);
        EXPECT_EQ(ChordTypeFromText(ChordTypeName(type)), type);
        EXPECT_EQ(ChordTypeFromText("#" + std::to_string(type)), type);
    }
    EXPECT_TRUE(ChordTypeAliases(-1).empty());
    EXPECT_TRUE(ChordTypeAliases(kChordTypeCount).empty());
}

TEST(ChordTypeNames, TextsAPersonTypes) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"m7", 14},
        {"M7", 18},
        {"min", 5},
        {"mi", 5},
        {"-", 5},
        {"Maj7", 18},
        {"dim7", 7},
        {"m7b5", 15},
        {"ø", 15},
        {"+", 6},
        {"aug7", 16},
        {"7sus4", 13},
        {"M9", 28},
        {"mM7", 20},
        {"7", 12},
        {"#7", 7},
        {"#07", 7},
        {"minor_seventh", 14},
        {"MAJOR seventh", 18},
        {"major seventh", 18},
        {"#36", -1},
        {"#", -1},
        {"#123", -1},
        {"", -1},
        {"maj8", -1},
        {"MIN", -1},
        {"14", -1},
    };
    for (const auto& [text, type] : cases) {
        EXPECT_EQ(ChordTypeFromText(text), type) << text;
    }
}

TEST(ChordTypeList, FillsAllTypesInNumberOrderWithTheChosenText) {
    for (bool showSymbol : {true, false}) {
        FakeChoiceList list;
        list.Add("stale", 99);
        FillChordTypeList(list, showSymbol);
        ASSERT_EQ(list.Count(), kChordTypeCount);
        EXPECT_EQ(list.selected, 0);
        for (int row = 0; row < kChordTypeCount; ++row) {
            EXPECT_EQ(list.ItemValue(row), row);
            EXPECT_EQ(list.rows[static_cast<size_t>(row)].first,
                      showSymbol ? ChordTypeSymbol(row) : ChordTypeName(row));
        }
        EXPECT_EQ(list.rows[18].first, showSymbol ? "maj7" : "Major Seventh");
    }
}

}  // namespace
