#include "music/note.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ParseCase {
    std::string text;
    NoteValue note;
    int octave;
};

TEST(NoteParse, ReadsNamesAccidentalsAndOctaves) {
    const std::vector<ParseCase> cases = {
        {"E3", kNoteE, 3},
        {"C#4", kNoteCSharp, 4},
        {"Bb2", kNoteBFlat, 2},
        {"A", kNoteA, 1},
        {"Gb", kNoteGFlat, 1},
        {"D-1", kNoteD, -1},
        {"F+2", kNoteF, 2},
        {"A#x", kNoteASharp, 0},
        {"G9", kNoteG, 9},
        // Spellings the program does not keep become their natural twins, octave as written.
        {"B#3", kNoteC, 3},
        {"Cb4", kNoteB, 4},
        {"E#3", kNoteF, 3},
        {"Fb3", kNoteE, 3},
        {"MUTED", kNoteMuted, 0},
        {"muted", kNoteMuted, 0},
        {"Muted", kNoteMuted, 0},
        // Unreadable: too long, lower-case letter, a letter outside A..G, nothing.
        {"C#10", kNoteNone, 0},
        {"e3", kNoteNone, 0},
        {"H3", kNoteNone, 0},
        {"", kNoteNone, 0},
        {"#3", kNoteNone, 0},
        {"MUTE", kNoteNone, 0},
        {"MUTEDX", kNoteNone, 0},
    };
    for (const ParseCase& c : cases) {
        const CNote parsed = CNote::Parse(c.text);
        EXPECT_EQ(parsed.note, c.note) << "'" << c.text << "'";
        EXPECT_EQ(parsed.octave, c.octave) << "'" << c.text << "'";
    }
}

TEST(NoteFormat, WritesNamesWithOptionalOctaveAndSpecialTexts) {
    const std::vector<std::tuple<CNote, bool, std::string>> cases = {
        {CNote(kNoteCSharp, 3), true, "C#3"},
        {CNote(kNoteCSharp, 3), false, "C#"},
        {CNote(kNoteE, 5), true, "E5"},
        {CNote(kNoteBFlat, -1), true, "Bb-1"},
        {CNote(kNoteMuted, 0), true, "Muted"},
        {CNote(kNoteNone, 0), true, "UNKNOWN"},
        {CNote(kNoteUnsupported, 4), true, "Unsupported"},
        {CNote(kNoteRest, 2), true, "Rest"},
        {CNote(42, 2), true, "UNKNOWN"},
        {CNote(-7, 2), false, "UNKNOWN"},
    };
    for (const auto& [note, withOctave, text] : cases) {
        EXPECT_EQ(note.Format(withOctave), text);
    }
}

TEST(NoteFormat, EverySpelledNoteReadsBackAsItself) {
    for (NoteValue value = kNoteC; value <= kNoteB; ++value) {
        for (int octave : {0, 3, 7}) {
            const CNote note(value, octave);
            const CNote back = CNote::Parse(note.Format(true));
            EXPECT_EQ(back.note, value);
            EXPECT_EQ(back.octave, octave);
        }
    }
}

TEST(NoteSteps, StepUpAndDownFollowTheSpellingChoice) {
    struct Case {
        NoteValue from;
        bool sharps;
        NoteValue up;
        NoteValue down;
    };
    const std::vector<Case> cases = {
        {kNoteC, true, kNoteCSharp, kNoteB},      {kNoteC, false, kNoteDFlat, kNoteB},
        {kNoteCSharp, false, kNoteD, kNoteC},     {kNoteDFlat, true, kNoteD, kNoteC},
        {kNoteE, true, kNoteF, kNoteDSharp},      {kNoteE, false, kNoteF, kNoteEFlat},
        {kNoteB, true, kNoteC, kNoteASharp},      {kNoteB, false, kNoteC, kNoteBFlat},
        {kNoteGFlat, true, kNoteG, kNoteF},       {kNoteAFlat, false, kNoteA, kNoteG},
        {kNoteNone, true, kNoteNone, kNoteNone},  {kNoteMuted, true, kNoteNone, kNoteNone},
        {kNoteRest, false, kNoteNone, kNoteNone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StepUp(c.from, c.sharps), c.up) << NoteName(c.from);
        EXPECT_EQ(StepDown(c.from, c.sharps), c.down) << NoteName(c.from);
    }
}

TEST(NoteSteps, TransposeSpellsUpWithSharpsAndDownWithFlats) {
    const std::vector<std::tuple<NoteValue, int, NoteValue>> cases = {
        {kNoteC, 6, kNoteFSharp},    {kNoteC, -6, kNoteGFlat},  {kNoteBFlat, 1, kNoteB},
        {kNoteC, -1, kNoteB},        {kNoteNone, 5, kNoteNone}, {kNoteDFlat, 0, kNoteDFlat},
        {kNoteA, 12, kNoteA},        {kNoteA, 13, kNoteASharp}, {kNoteA, -13, kNoteAFlat},
        {kNoteMuted, 0, kNoteMuted},
    };
    for (const auto& [from, n, to] : cases) {
        EXPECT_EQ(Transpose(from, n), to) << NoteName(from) << " by " << n;
    }
}

TEST(NoteValues, EnharmonicPitchClassAndSameNote) {
    const std::vector<std::tuple<NoteValue, NoteValue, int>> cases = {
        {kNoteCSharp, kNoteDFlat, 1}, {kNoteDFlat, kNoteCSharp, 1},
        {kNoteDSharp, kNoteEFlat, 3}, {kNoteFSharp, kNoteGFlat, 6},
        {kNoteGSharp, kNoteAFlat, 8}, {kNoteBFlat, kNoteASharp, 10},
        {kNoteC, kNoteC, 0},          {kNoteB, kNoteB, 11},
        {kNoteNone, kNoteNone, -1},   {kNoteUnsupported, kNoteUnsupported, -1},
        {kNoteMuted, kNoteMuted, -1},
    };
    for (const auto& [value, twin, pitchClass] : cases) {
        EXPECT_EQ(Enharmonic(value), twin) << NoteName(value);
        EXPECT_EQ(PitchClass(value), pitchClass) << NoteName(value);
        EXPECT_TRUE(SameNote(value, twin));
    }
    EXPECT_FALSE(SameNote(kNoteCSharp, kNoteD));
    EXPECT_FALSE(SameNote(kNoteE, kNoteF));
    EXPECT_FALSE(SameNote(kNoteNone, kNoteMuted));

    for (NoteValue value = -1; value <= kNoteRest; ++value) {
        const bool sharp = value == kNoteCSharp || value == kNoteDSharp || value == kNoteFSharp ||
                           value == kNoteGSharp || value == kNoteASharp;
        EXPECT_EQ(IsSharp(value), sharp) << value;
    }
}

TEST(NoteSteps, HalfAndWholeStepsRaiseTheOctaveAtC) {
    struct Case {
        CNote from;
        bool whole;
        bool sharps;
        CNote to;
    };
    const std::vector<Case> cases = {
        {CNote(kNoteB, 3), false, true, CNote(kNoteC, 4)},
        {CNote(kNoteE, 3), false, true, CNote(kNoteF, 3)},
        {CNote(kNoteASharp, 3), true, false, CNote(kNoteC, 4)},
        {CNote(kNoteBFlat, 3), true, true, CNote(kNoteC, 4)},
        {CNote(kNoteB, 3), true, true, CNote(kNoteCSharp, 4)},
        {CNote(kNoteG, 2), false, false, CNote(kNoteAFlat, 2)},
    };
    for (const Case& c : cases) {
        CNote note = c.from;
        if (c.whole) {
            note.WholeStep(c.sharps);
        } else {
            note.HalfStep(c.sharps);
        }
        EXPECT_EQ(note.note, c.to.note) << c.from.Format();
        EXPECT_EQ(note.octave, c.to.octave) << c.from.Format();
    }
}

TEST(NoteEquality, IgnoresSpellingButNotOctave) {
    EXPECT_EQ(CNote(kNoteCSharp, 3), CNote(kNoteDFlat, 3));
    EXPECT_NE(CNote(kNoteCSharp, 3), CNote(kNoteDFlat, 4));
    EXPECT_NE(CNote(kNoteC, 3), CNote(kNoteD, 3));
    EXPECT_EQ(CNote::Muted(), CNote(kNoteMuted, 0));
}

}  // namespace
