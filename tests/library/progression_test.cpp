#include "library/progression.h"

#include <gtest/gtest.h>

#include <functional>

#include "library_fixtures.h"
#include "tests/util/fake_choice_list.h"
#include "util/object_archive.h"

namespace {

// Plays slot after slot from the start: each slot's sound ("strum", "s3") or "rest", then
// "end" when PlayStep answers false. Stops after maxSlots slots.
std::vector<std::string> Play(CProgression& progression, bool reset = true, int maxSlots = 100) {
    if (reset) {
        progression.ResetPlayback();
    }
    RecordingChordPlayer player;
    std::vector<std::string> slots;
    for (int i = 0; i < maxSlots; ++i) {
        const std::size_t before = player.events.size();
        if (!progression.PlayStep(player)) {
            slots.push_back("end");
            break;
        }
        slots.push_back(player.events.size() > before ? player.events.back() : "rest");
    }
    return slots;
}

using Slots = std::vector<std::string>;

TEST(ProgressionPlaybackTest, PlaysEachPatternItsTimesInListOrderOnceThrough) {
    struct Case {
        const char* what;
        std::function<void(CPatternList&)> build;
        Slots expected;
    };
    const std::vector<Case> cases = {
        {"one picked pattern twice",
         [](CPatternList& l) { l.AddPattern(MakePattern("a", "123456", 2), true); },
         {"s1", "s2", "s3", "s4", "s5", "s6", "s1", "s2", "s3", "s4", "s5", "s6", "end"}},
        {"a strum three times, then a picked 1R",
         [](CPatternList& l) {
             l.AddPattern(MakePattern("A", "", 3), true);
             l.AddPattern(MakePattern("B", "1R"), true);
         },
         {"strum", "strum", "strum", "s1", "rest", "end"}},
        {"a muted string is skipped within the slot",
         [](CPatternList& l) { l.AddPattern(MakePattern("a", "123456", 1, {6}), true); },
         {"s1", "s2", "s3", "s4", "s5", "end"}},
        {"every picked string muted, as the last pattern",
         [](CPatternList& l) {
             l.AddPattern(MakePattern("a", "", 1), true);
             l.AddPattern(MakePattern("b", "12", 3, {1, 2}), true);
         },
         {"strum", "end"}},
        {"every picked string muted, first: no slot used",
         [](CPatternList& l) {
             l.AddPattern(MakePattern("a", "21", 5, {1, 2}), true);
             l.AddPattern(MakePattern("b", "3"), true);
         },
         {"s3", "end"}},
        {"rests in either letter case take a slot each",
         [](CPatternList& l) { l.AddPattern(MakePattern("a", "1R3r"), true); },
         {"s1", "rest", "s3", "rest", "end"}},
        {"no patterns", [](CPatternList&) {}, {"end"}},
    };
    for (const Case& c : cases) {
        CProgression progression;
        c.build(progression.patterns);
        EXPECT_EQ(Play(progression), c.expected) << c.what;
        // Played again after a reset, it sounds the same.
        EXPECT_EQ(Play(progression), c.expected) << c.what << " (again)";
    }
}

TEST(ProgressionPlaybackTest, ALoopingPatternOfMutedStringsOnlyStillEndsEachSlot) {
    CProgression progression;
    auto pattern = MakePattern("a", "12", 1, {1, 2});
    pattern->chord.loopPattern = 1;
    progression.patterns.AddPattern(std::move(pattern), true);
    // It never ends (it loops), but every slot returns: silence.
    EXPECT_EQ(Play(progression, true, 3), (Slots{"rest", "rest", "rest"}));
}

TEST(ProgressionPlaybackTest, NothingPlaysBeforeAReset) {
    CProgression progression;
    progression.patterns.AddPattern(MakePattern("a", ""), true);
    EXPECT_EQ(Play(progression, false), (Slots{"end"}));
}

TEST(ProgressionPlaybackTest, SeekStartsAtThePatternWithThatId) {
    CProgression progression;
    progression.patterns.AddPattern(MakePattern("a", "1"), true);
    progression.patterns.AddPattern(MakePattern("b", "2"), true);
    progression.patterns.AddPattern(MakePattern("c", "3", 2), true);
    progression.patterns.AddPattern(MakePattern("d", "4"), true);
    ASSERT_TRUE(progression.SeekPattern(2));
    EXPECT_EQ(progression.CurrentPattern()->name, "c");
    EXPECT_EQ(Play(progression, false), (Slots{"s3", "s3", "s4", "end"}));
    EXPECT_FALSE(progression.SeekPattern(17));
    EXPECT_EQ(progression.CurrentPattern(), nullptr);
    EXPECT_EQ(Play(progression, false), (Slots{"end"}));
}

TEST(ProgressionPlaybackTest, RemovingTheCurrentPatternEndsPlaybackCleanly) {
    CProgression progression;
    progression.patterns.AddPattern(MakePattern("a", "12"), true);
    progression.patterns.AddPattern(MakePattern("b", "3"), true);
    progression.ResetPlayback();
    RecordingChordPlayer player;
    ASSERT_TRUE(progression.PlayStep(player));
    progression.patterns.RemovePattern(0);
    EXPECT_EQ(progression.CurrentPattern(), nullptr);
    EXPECT_FALSE(progression.PlayStep(player));
}

TEST(ProgressionPlaybackTest, PatternsSharingAnIdStillPlayInTurn) {
    // Only an edited file holds such patterns; each must still play, once.
    CProgression progression;
    for (const char* pick : {"1", "2", "3"}) {
        auto pattern = MakePattern("p", pick);
        pattern->id = 4;
        progression.patterns.AddPattern(std::move(pattern), false);
    }
    auto negative = MakePattern("n", "5");
    negative->id = -1;
    progression.patterns.AddPattern(std::move(negative), false);
    EXPECT_EQ(Play(progression), (Slots{"s1", "s2", "s3", "s5", "end"}));
}

TEST(ProgressionTest, PatternChooserListsNamePickPatternAndTimes) {
    CProgression progression;
    FakeChoiceList chooser;
    chooser.Add("stale", 3);
    progression.FillPatternChooser(chooser);
    EXPECT_EQ(chooser.rows, (std::vector<std::pair<std::string, int>>{{"-=no patterns=-", -1}}));
    EXPECT_FALSE(chooser.enabled);
    EXPECT_EQ(chooser.selected, 0);

    progression.patterns.AddPattern(MakePattern("Intro", "1R34", 2), true);
    progression.patterns.AddPattern(MakePattern("Verse", ""), true);
    progression.FillPatternChooser(chooser);
    EXPECT_EQ(chooser.rows, (std::vector<std::pair<std::string, int>>{
                                {"Intro -> 1R34 -> 2", 0}, {"Verse ->  -> 1", 1}}));
    EXPECT_TRUE(chooser.enabled);
    EXPECT_EQ(chooser.selected, 0);
}

TEST(ProgressionTest, StoredFormRoundTripsEveryFieldAndCopiesAreDeep) {
    CProgression progression;
    progression.id = 12;
    progression.name = "Blues in A";
    progression.description = "twelve bars";
    progression.tuningKey = 27;
    progression.created = 1000000000;
    progression.modified = 4102444800;  // beyond 2038: still the 32-bit form
    progression.BPM = 95;
    progression.patterns.AddPattern(MakePattern("a", "1R3", 3, {6}), true);
    progression.patterns.AddPattern(MakePattern("b", ""), true);
    progression.patterns.RemovePattern(0);
    progression.patterns.AddPattern(MakePattern("c", "6"), true);

    Bytes bytes;
    ASSERT_TRUE(StoreToBytes(progression, bytes));
    CProgression back;
    const Result<> loaded = LoadFromBytes(back, bytes);
    ASSERT_TRUE(loaded) << loaded.Error().Describe();
    EXPECT_EQ(back.id, 12);
    EXPECT_EQ(back.name, "Blues in A");
    EXPECT_EQ(back.description, "twelve bars");
    EXPECT_EQ(back.tuningKey, 27);
    EXPECT_EQ(back.created, 1000000000);
    EXPECT_EQ(back.modified, 4102444800);
    EXPECT_EQ(back.BPM, 95);
    EXPECT_EQ(back.patterns.nextId, 3);
    ASSERT_EQ(back.patterns.Count(), 2);
    EXPECT_EQ(back.patterns.patterns[1]->id, 2);
    Bytes again;
    ASSERT_TRUE(StoreToBytes(back, again));
    EXPECT_EQ(again, bytes);
    // The root's own fields end the file: the last four bytes are the tempo.
    EXPECT_EQ(Bytes(bytes.end() - 4, bytes.end()), (Bytes{95, 0, 0, 0}));

    CProgression copy(progression);
    copy.patterns.patterns[0]->name = "changed";
    EXPECT_EQ(progression.patterns.patterns[0]->name, "b");
}

}  // namespace
