#include "music/scale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/util/fake_choice_list.h"

namespace {

std::string Text(const std::vector<CNote>& notes) {
    std::string text;
    for (const CNote& note : notes) {
        text += (text.empty() ? "" : " ") + note.Format(true);
    }
    return text;
}

struct BuildCase {
    bool mode;
    int type;
    const char* root;
    const char* notes;
};

TEST(ScaleBuild, EveryScaleAndModeOnItsRoot) {
    const std::vector<BuildCase> cases = {
        {false, kScaleMinorDiatonic, "C3", "C3 D3 Eb3 F3 G3 Ab3 Bb3"},
        {false, kScaleMajorDiatonic, "C3", "C3 D3 E3 F3 G3 A3 B3"},
        {false, kScaleMinorHarmonic, "A3", "A3 B3 C4 D4 E4 F4 Ab4"},
        {false, kScaleMinorMelodic, "A3", "A3 B3 C4 D4 E4 Gb4 Ab4"},
        {false, kScaleMinorPentatonic, "A3", "A3 C4 D4 E4 G4"},
        // Five notes: the major seventh is not part of a major pentatonic scale.
        {false, kScaleMajorPentatonic, "C3", "C3 D3 E3 G3 A3"},
        {false, kScaleMajorPentatonic, "G3", "G3 A3 B3 D4 E4"},
        {false, kScaleBlues, "E3", "E3 G3 A3 Bb3 B3 D4"},
        {false, kScaleWholeTone, "C3", "C3 D3 E3 Gb3 Ab3 Bb3"},
        {false, kScaleDiminished, "C3", "C3 D3 Eb3 F3 Gb3 Ab3 A3 B3"},
        {false, kScaleMajor, "C3", "C3 D3 E3 F3 G3 A3 B3"},
        // Spelling comes from the root alone, and the octave turns over at C.
        {false, kScaleMajorDiatonic, "E3", "E3 Gb3 Ab3 A3 B3 Db4 Eb4"},
        {false, kScaleMajorDiatonic, "F#3", "F#3 G#3 A#3 B3 C#4 D#4 F4"},
        {false, kScaleMajorDiatonic, "B3", "B3 Db4 Eb4 E4 Gb4 Ab4 Bb4"},
        {false, kScaleMajorDiatonic, "Bb2", "Bb2 C3 D3 Eb3 F3 G3 A3"},
        {true, kModeIonian, "C3", "C3 D3 E3 F3 G3 A3 B3"},
        {true, kModeDorian, "D3", "D3 E3 F3 G3 A3 B3 C4"},
        {true, kModePhrygian, "E3", "E3 F3 G3 A3 B3 C4 D4"},
        {true, kModeLydian, "F3", "F3 G3 A3 B3 C4 D4 E4"},
        {true, kModeMixolydian, "G3", "G3 A3 B3 C4 D4 E4 F4"},
        {true, kModeAeolian, "A3", "A3 B3 C4 D4 E4 F4 G4"},
        {true, kModeLocrian, "B3", "B3 C4 D4 E4 F4 G4 A4"},
        {true, kModeDorian, "C#4", "C#4 D#4 E4 F#4 G#4 A#4 B4"},
    };
    for (const BuildCase& c : cases) {
        CScale scale;
        const CNote root = CNote::Parse(c.root);
        EXPECT_TRUE(c.mode ? scale.BuildMode(c.type, root) : scale.BuildScale(c.type, root));
        EXPECT_EQ(Text(scale.Notes()), c.notes)
            << (c.mode ? ModeName(c.type) : ScaleName(c.type)) << " on " << c.root;
    }
}

TEST(ScaleBuild, MajorIsIonianOnEveryRoot) {
    for (NoteValue root = kNoteC; root <= kNoteB; ++root) {
        CScale major, ionian, diatonic;
        ASSERT_TRUE(major.BuildScale(kScaleMajor, CNote(root, 3)));
        ASSERT_TRUE(ionian.BuildMode(kModeIonian, CNote(root, 3)));
        ASSERT_TRUE(diatonic.BuildScale(kScaleMajorDiatonic, CNote(root, 3)));
        EXPECT_EQ(Text(major.Notes()), Text(ionian.Notes()));
        EXPECT_EQ(Text(major.Notes()), Text(diatonic.Notes()));
    }
}

TEST(ScaleBuild, RefusedBuildsAndWhatTheyLeave) {
    struct Case {
        bool mode;
        int type;
        CNote root;
        bool built;
        const char* notes;  // after a first build of C major diatonic
        int offset;         // after ShiftOctave(2)
    };
    const std::vector<Case> cases = {
        // No usable root: nothing changes, but a scale build still resets the offset.
        {false, kScaleBlues, CNote::NoNote(), false, "C3 D3 E3 F3 G3 A3 B3", 0},
        {true, kModeDorian, CNote::NoNote(), false, "C3 D3 E3 F3 G3 A3 B3", 2},
        {false, kScaleBlues, CNote::Muted(), false, "C3 D3 E3 F3 G3 A3 B3", 0},
        {true, kModeDorian, CNote(kNoteRest, 0), false, "C3 D3 E3 F3 G3 A3 B3", 2},
        // Named but never built, or unknown: the root alone.
        {false, kScaleNaturalMinor, CNote(kNoteD, 3), false, "D3", 0},
        {false, 11, CNote(kNoteD, 3), false, "D3", 0},
        {false, -1, CNote(kNoteD, 3), false, "D3", 0},
        // An unknown mode leaves nothing.
        {true, 7, CNote(kNoteD, 3), false, "", 2},
        {true, -1, CNote(kNoteD, 3), false, "", 2},
        // A good mode build keeps the offset; a good scale build resets it.
        {true, kModeDorian, CNote(kNoteD, 3), true, "D3 E3 F3 G3 A3 B3 C4", 2},
        {false, kScaleBlues, CNote(kNoteA, 3), true, "A3 C4 D4 Eb4 E4 G4", 0},
    };
    for (const Case& c : cases) {
        CScale scale;
        ASSERT_TRUE(scale.BuildScale(kScaleMajorDiatonic, CNote(kNoteC, 3)));
        scale.ShiftOctave(2);
        const bool built =
            c.mode ? scale.BuildMode(c.type, c.root) : scale.BuildScale(c.type, c.root);
        EXPECT_EQ(built, c.built) << c.type;
        EXPECT_EQ(Text(scale.Notes()), c.notes) << c.type;
        EXPECT_EQ(scale.OctaveOffset(), c.offset) << c.type;
        EXPECT_EQ(scale.IsPastEnd(), scale.Notes().empty()) << c.type;
    }
}

// Steps through a scale and writes down what comes out, "|" where the position is past the
// end.
std::string Walk(CScale& scale, bool up, int steps) {
    std::string text;
    for (int i = 0; i < steps; ++i) {
        text += (text.empty() ? "" : " ") + (up ? scale.Next() : scale.Prev()).Format(true);
        if (scale.IsPastEnd()) {
            text += " |";
        }
    }
    return text;
}

TEST(ScaleIteration, RunsEndlesslyThroughTheOctaves) {
    enum class Start { kRewind, kRewindToLast, kClearPosition, kAfterBuild, kShiftedUp };
    struct Case {
        Start start;
        bool up;
        int steps;
        const char* walked;
    };
    const std::vector<Case> cases = {
        {Start::kRewind, true, 6, "A3 C4 D4 E4 G4 | A4"},
        {Start::kAfterBuild, true, 6, "A3 C4 D4 E4 G4 | A4"},
        {Start::kRewindToLast, false, 7, "G4 E4 D4 C4 A3 | G3 E3"},
        {Start::kClearPosition, false, 2, "G3 E3"},
        {Start::kClearPosition, true, 2, "A4 C5"},
        {Start::kRewind, false, 3, "A3 | G3 E3"},
        {Start::kRewindToLast, true, 3, "G4 | A4 C5"},
        {Start::kRewind, true, 11, "A3 C4 D4 E4 G4 | A4 C5 D5 E5 G5 | A5"},
        {Start::kShiftedUp, true, 5, "C2 D2 E2 G2 | A2"},
    };
    for (const Case& c : cases) {
        CScale scale;
        ASSERT_TRUE(scale.BuildScale(kScaleMinorPentatonic, CNote(kNoteA, 3)));
        scale.ShiftOctave(3);
        switch (c.start) {
            case Start::kRewind:
                scale.Rewind();
                break;
            case Start::kRewindToLast:
                scale.RewindToLast();
                break;
            case Start::kClearPosition:
                scale.ClearPosition();
                break;
            case Start::kAfterBuild:
                scale.BuildScale(kScaleMinorPentatonic, CNote(kNoteA, 3));
                break;
            case Start::kShiftedUp:
                scale.Rewind();
                scale.Next();
                scale.ShiftOctave(-2);
                break;
        }
        EXPECT_EQ(Walk(scale, c.up, c.steps), c.walked);
    }
}

TEST(ScaleIteration, AnEmptyScaleGivesNoNote) {
    CScale scale;
    EXPECT_TRUE(scale.IsPastEnd());
    EXPECT_EQ(scale.Next().note, kNoteNone);
    EXPECT_EQ(scale.Prev().note, kNoteNone);
    scale.Rewind();
    EXPECT_TRUE(scale.IsPastEnd());
    scale.RewindToLast();
    EXPECT_TRUE(scale.IsPastEnd());
    EXPECT_EQ(scale.OctaveOffset(), 0);

    ASSERT_TRUE(scale.BuildScale(kScaleBlues, CNote(kNoteE, 3)));
    scale.Clear();
    EXPECT_TRUE(scale.IsPastEnd());
    EXPECT_EQ(scale.Next().note, kNoteNone);
}

TEST(ScaleNames, NamesForEveryValueAndNoneOutside) {
    const std::vector<std::tuple<int, std::string, std::string, std::string>> cases = {
        {0, "Minor Diatonic", "Ionian", "Ascending only"},
        {2, "Natural Minor", "Phrygian", "Ascending, then descending"},
        {3, "Minor Harmonic", "Lydian", "Descending, then ascending"},
        {6, "Major Pentatonic", "Locrian", ""},
        {7, "Blues", "", ""},
        {10, "Major", "", ""},
        {11, "", "", ""},
        {-1, "", "", ""},
    };
    for (const auto& [value, scale, mode, direction] : cases) {
        EXPECT_EQ(ScaleName(value), scale) << value;
        EXPECT_EQ(ModeName(value), mode) << value;
        EXPECT_EQ(LoopDirectionName(value), direction) << value;
    }
}

TEST(ScaleLists, FillInTheProgramsOrderWithValuesAsItemData) {
    using Rows = std::vector<std::pair<std::string, int>>;
    FakeChoiceList scales;
    scales.Add("stale", 42);
    FillScaleList(scales);
    EXPECT_EQ(scales.rows, (Rows{{"Blues", 7},
                                 {"Whole Tone", 8},
                                 {"Diminished", 9},
                                 {"Minor Harmonic", 3},
                                 {"Minor Melodic", 4},
                                 {"Major", 10},
                                 {"Major Diatonic", 1},
                                 {"Minor Diatonic", 0},
                                 {"Minor Pentatonic", 5},
                                 {"Major Pentatonic", 6}}));
    EXPECT_EQ(scales.selected, 0);

    FakeChoiceList modes;
    FillModeList(modes);
    EXPECT_EQ(modes.rows, (Rows{{"Aeolian", 5},
                                {"Dorian", 1},
                                {"Ionian", 0},
                                {"Locrian", 6},
                                {"Lydian", 3},
                                {"Mixolydian", 4},
                                {"Phrygian", 2}}));
    EXPECT_EQ(modes.selected, 0);

    FakeChoiceList directions;
    FillLoopDirectionList(directions);
    EXPECT_EQ(directions.rows, (Rows{{"Ascending only", 0},
                                     {"Descending only", 1},
                                     {"Ascending, then descending", 2},
                                     {"Descending, then ascending", 3}}));
    EXPECT_EQ(directions.selected, -1);
}

TEST(ScaleNames, AStoredDirectionNumberOutsideTheFourPlaysAscending) {
    using enum LoopDirection;
    const std::vector<std::pair<int, LoopDirection>> cases = {
        {0, kAscending},
        {1, kDescending},
        {2, kAscendingThenDescending},
        {3, kDescendingThenAscending},
        {4, kAscending},
        {-1, kAscending},
        {1000, kAscending},
    };
    for (const auto& [number, direction] : cases) {
        EXPECT_EQ(LoopDirectionFromNumber(number), direction) << number;
    }
}

}  // namespace
