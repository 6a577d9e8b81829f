// The pattern dialog's OK: what it refuses, with the message the player sees, and the
// pattern it stores.

#include "library/progression_edits.h"

#include <gtest/gtest.h>

#include "guitar/chord.h"
#include "library/library_messages.h"
#include "library/progression.h"
#include "library/progression_list.h"
#include "tests/util/recording_prompter.h"

namespace {

CChord LoopingOpenC() {
    CChord chord;
    chord.SetStringNote(1, kNoteMuted, 0);
    chord.root = kNoteC;
    chord.chordType = 0;
    chord.variation = 1;
    chord.loopPattern = 1;  // the main view's Play was looping
    return chord;
}

CPatternEntry Named(const char* name, const char* startingName = "") {
    CPatternEntry entry;
    entry.name = name;
    entry.startingName = startingName;
    return entry;
}

TEST(ProgressionEditsTest, PatternDialogRefusesWithItsMessages) {
    CProgressionList list;
    CProgression* blues = list.CreateProgression(0, "Blues");
    ASSERT_NE(blues, nullptr);
    const CChord chord = LoopingOpenC();
    RecordingPrompter setup;
    ASSERT_NE(CProgressionEdits::AddPattern(list, blues->id, Named("A7"), chord, setup),
              nullptr);

    struct Case {
        const char* label;
        int progressionId;
        CPatternEntry entry;
        const char* message;
    };
    const Case cases[] = {
        {"empty name", blues->id, Named("   "), library_messages::kEnterPatternName},
        {"no progression", -1, Named("D7"), library_messages::kSelectProgression},
        {"gone progression", blues->id + 100, Named("D7"),
         library_messages::kSelectProgression},
        {"name taken", blues->id, Named(" A7 "), library_messages::kPatternNameTaken},
    };
    for (const Case& c : cases) {
        RecordingPrompter prompter;
        EXPECT_EQ(CProgressionEdits::AddPattern(list, c.progressionId, c.entry, chord, prompter),
                  nullptr)
            << c.label;
        ASSERT_EQ(prompter.shown.size(), 1U) << c.label;
        EXPECT_EQ(prompter.shown[0].text, c.message) << c.label;
    }
    EXPECT_EQ(blues->patterns.Count(), 1);

    // Editing a pattern may keep its own name.
    RecordingPrompter prompter;
    EXPECT_TRUE(CProgressionEdits::CheckPatternEntry(
        list, blues->id, Named("A7", "A7"), prompter));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(ProgressionEditsTest, StoredPatternPlaysItsTimesAndEnds) {
    CProgressionList list;
    CProgression* blues = list.CreateProgression(0, "Blues");
    RecordingPrompter prompter;
    CPatternEntry riff = Named(" Riff ");
    riff.strum = false;
    riff.pickPattern = "1R3";
    riff.numTimesToPlay = 40;
    riff.letRing = false;
    const CPattern* picked =
        CProgressionEdits::AddPattern(list, blues->id, riff, LoopingOpenC(), prompter);
    ASSERT_NE(picked, nullptr);
    EXPECT_EQ(picked->name, "Riff");
    EXPECT_EQ(picked->chord.loopPattern, 0);
    EXPECT_EQ(picked->chord.strum, 0);
    EXPECT_EQ(picked->chord.pickPattern, "1R3");
    EXPECT_EQ(picked->NumTimesToPlay, kMaxTimesToPlay);
    EXPECT_EQ(picked->letRing, 0);
    EXPECT_EQ(picked->chord.root, kNoteC);
    EXPECT_TRUE(picked->chord.IsMutedString(1));

    const CPattern* strummed =
        CProgressionEdits::AddPattern(list, blues->id, Named("Strum"), LoopingOpenC(), prompter);
    ASSERT_NE(strummed, nullptr);
    EXPECT_EQ(strummed->chord.strum, 1);
    EXPECT_EQ(strummed->chord.pickPattern, "");
    EXPECT_NE(strummed->id, picked->id);
}

}  // namespace
