#include "library/pattern_edit.h"

#include <gtest/gtest.h>

#include "library/library_messages.h"
#include "library/progression.h"
#include "library/progression_edits.h"
#include "tests/library/library_fixtures.h"
#include "tests/util/recording_prompter.h"

namespace {

TEST(PatternEditTest, NamesAreCheckedAgainstTheOtherPatternsOfThatProgressionOnly) {
    CProgression progression;
    progression.patterns.AddPattern(MakePattern("G Minor", "123456"), true);
    CPattern* edited = progression.patterns.AddPattern(MakePattern("C Major", ""), true);
    struct Case {
        const char* name;
        const CPattern* edited;
        const char* refusal;  // nullptr: accepted
    };
    const Case cases[] = {
        {"G Minor", nullptr, library_messages::kPatternNameTaken},
        {" G Minor ", edited, library_messages::kPatternNameTaken},
        {"C Major", edited, nullptr},
        {"g minor", nullptr, nullptr},
        {"   ", edited, library_messages::kEnterPatternName},
    };
    for (const Case& c : cases) {
        RecordingPrompter prompter;
        EXPECT_EQ(CheckPatternName(progression, c.name, c.edited, prompter), c.refusal == nullptr)
            << c.name;
        EXPECT_EQ(prompter.shown.empty() ? std::string() : prompter.shown.back().text,
                  c.refusal == nullptr ? "" : c.refusal)
            << c.name;
    }
}

TEST(PatternEditTest, AddingTwiceUnderOneNameIsRefusedAndAddedPatternsStopAtTheirEnd) {
    CProgression progression;
    CChord chord;
    chord.loopPattern = 1;
    CPatternEntry entry;
    entry.name = " G Minor ";
    entry.strum = false;
    entry.pickPattern = "1R3";
    entry.numTimesToPlay = 12;
    RecordingPrompter prompter;
    CPattern* added = AddPatternTo(progression, entry, chord, prompter);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->name, "G Minor");
    EXPECT_EQ(added->chord.pickPattern, "1R3");
    EXPECT_EQ(added->chord.strum, 0);
    EXPECT_EQ(added->chord.loopPattern, 0);
    EXPECT_EQ(added->NumTimesToPlay, 10);
    EXPECT_EQ(AddPatternTo(progression, entry, chord, prompter), nullptr);
    EXPECT_EQ(prompter.shown.back().text, library_messages::kPatternNameTaken);
    EXPECT_EQ(progression.patterns.Count(), 1);
}

TEST(PatternEditTest, TestTempoAndPickChoice) {
    CProgression slow;
    slow.BPM = 20;
    CProgression fast;
    fast.BPM = 180;
    EXPECT_EQ(PatternTestBpm(&slow, 120), 60);
    EXPECT_EQ(PatternTestBpm(&fast, 120), 180);
    EXPECT_EQ(PatternTestBpm(nullptr, 90), 90);
    EXPECT_EQ(PatternTestBpm(nullptr, 999), 320);

    RecordingPrompter prompter;
    CPatternEntry entry;
    entry.strum = false;
    EXPECT_FALSE(CheckPickPatternChosen(entry, prompter));
    EXPECT_EQ(prompter.shown.back().text, kChoosePickPattern);
    entry.strum = true;
    EXPECT_TRUE(CheckPickPatternChosen(entry, prompter));
    entry.strum = false;
    entry.pickPattern = "12";
    EXPECT_TRUE(CheckPickPatternChosen(entry, prompter));
}

}  // namespace
