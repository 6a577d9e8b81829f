#include "library/pattern_list.h"

#include <gtest/gtest.h>

#include "library_fixtures.h"
#include "util/object_archive.h"

namespace {

std::vector<int> Ids(const CPatternList& list) {
    std::vector<int> ids;
    for (const auto& pattern : list.patterns) {
        ids.push_back(pattern->id);
    }
    return ids;
}

std::vector<std::string> Names(const CPatternList& list) {
    std::vector<std::string> names;
    for (const auto& pattern : list.patterns) {
        names.push_back(pattern->name);
    }
    return names;
}

// Patterns a, b, c with ids 0, 1, 2.
CPatternList ThreePatterns() {
    CPatternList list;
    for (const char* name : {"a", "b", "c"}) {
        list.AddPattern(MakePattern(name, ""), true);
    }
    return list;
}

TEST(PatternListTest, IdsAreNeverReused) {
    CPatternList list = ThreePatterns();
    EXPECT_TRUE(list.RemovePattern(2));
    EXPECT_EQ(list.AddPattern(MakePattern("d", ""), true)->id, 3);
    list.RemoveAll();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.AddPattern(MakePattern("e", ""), true)->id, 4);
    // Without an assigned id the pattern keeps its own and the counter stays.
    auto kept = MakePattern("f", "");
    kept->id = 40;
    EXPECT_EQ(list.AddPattern(std::move(kept), false)->id, 40);
    EXPECT_EQ(list.nextId, 5);
    EXPECT_EQ(list.AddPattern(nullptr, true), nullptr);
    EXPECT_EQ(list.nextId, 5);
}

TEST(PatternListTest, SwapRemoveAndFindAnswerIdsNoPatternHas) {
    struct Case {
        int a;
        int b;
        bool ok;
        std::vector<std::string> order;
    };
    const std::vector<Case> cases = {
        {0, 2, true, {"c", "b", "a"}},
        {1, 1, true, {"a", "b", "c"}},   // with itself: nothing changes
        {7, 7, true, {"a", "b", "c"}},   // equal ids succeed at once, even unknown ones
        {-1, 0, false, {"a", "b", "c"}},
        {0, -3, false, {"a", "b", "c"}},
        {0, 9, false, {"a", "b", "c"}},
    };
    for (const Case& c : cases) {
        CPatternList list = ThreePatterns();
        EXPECT_EQ(list.SwapPatterns(c.a, c.b), c.ok) << c.a << "," << c.b;
        EXPECT_EQ(Names(list), c.order) << c.a << "," << c.b;
    }
    CPatternList list = ThreePatterns();
    ASSERT_TRUE(list.SwapPatterns(0, 2));
    // The patterns traded places with their ids.
    EXPECT_EQ(Ids(list), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(list.FindPattern(2)->name, "c");
    EXPECT_FALSE(list.RemovePattern(9));
    EXPECT_EQ(list.FindPattern(9), nullptr);
    EXPECT_TRUE(list.HasPatternNamed("b"));
    EXPECT_FALSE(list.HasPatternNamed("B"));
}

TEST(PatternListTest, CopyFromIsDeepAndTakesTheCounter) {
    CPatternList source = ThreePatterns();
    source.RemovePattern(1);
    source.patterns[0]->chord.strum = 0;
    source.patterns[0]->chord.pickPattern = "1R3";
    source.patterns[0]->chord.loopPattern = 1;
    source.patterns[0]->reservedText = "kept";
    CPatternList copy;
    copy.AddPattern(MakePattern("old", ""), true);
    EXPECT_EQ(copy.CopyFrom(source), 2);
    EXPECT_EQ(Ids(copy), (std::vector<int>{0, 2}));
    EXPECT_EQ(copy.nextId, 3);
    const CPattern& first = *copy.patterns[0];
    EXPECT_EQ(first.chord.pickPattern, "1R3");
    EXPECT_EQ(first.chord.strum, 0);
    EXPECT_EQ(first.chord.loopPattern, 1);
    EXPECT_EQ(first.reservedText, "kept");
    source.patterns[0]->name = "changed";
    EXPECT_EQ(first.name, "a");
    EXPECT_EQ(copy.CopyFrom(copy), 2);
}

TEST(PatternListTest, CursorHandsOutEachPatternOnceAndSurvivesRemoval) {
    CPatternList list = ThreePatterns();
    list.RewindCursor();
    EXPECT_EQ(list.NextPattern()->name, "a");
    list.RemovePattern(0);
    EXPECT_EQ(list.NextPattern()->name, "b");
    EXPECT_EQ(list.NextPattern()->name, "c");
    EXPECT_EQ(list.NextPattern(), nullptr);
}

TEST(PatternListTest, RepairGivesDuplicateAndNegativeIdsFreshOnes) {
    struct Case {
        std::vector<int> ids;
        int nextId;
        std::vector<int> repaired;
        int repairedNext;
    };
    const std::vector<Case> cases = {
        {{0, 1, 2}, 3, {0, 1, 2}, 3},        // sound: untouched
        {{0, 1, 2}, 9, {0, 1, 2}, 9},        // a counter above the ids is fine
        {{0, 5, 2}, 1, {0, 5, 2}, 6},        // counter below an id rises past it
        {{4, 4, 4}, 5, {4, 5, 6}, 7},        // duplicates take fresh ids in order
        {{-1, 0}, -7, {1, 0}, 2},            // negative ids and counters
        {{}, -3, {}, 0},
    };
    for (const Case& c : cases) {
        CPatternList list;
        for (int id : c.ids) {
            auto pattern = MakePattern("p", "");
            pattern->id = id;
            list.AddPattern(std::move(pattern), false);
        }
        list.nextId = c.nextId;
        list.RepairIds();
        EXPECT_EQ(Ids(list), c.repaired);
        EXPECT_EQ(list.nextId, c.repairedNext);
    }
}

TEST(PatternListTest, StoredFormRoundTripsEveryField) {
    CPatternList list = ThreePatterns();
    CPattern& p = *list.patterns[1];
    p.name = "G Minor \xC3\xA9";
    p.reservedText = "r";
    p.NumTimesToPlay = 7;
    p.letRing = 0;
    p.chord.strum = 0;
    p.chord.pickPattern = "65R4";
    p.chord.loopPattern = 1;
    p.chord.SetStringNote(2, kNoteMuted, 0);
    p.chord.root = kNoteG;
    p.chord.chordType = 3;
    p.chord.variation = 4;
    p.chord.dynamic = 1;
    list.RemovePattern(0);

    Bytes bytes;
    ASSERT_TRUE(StoreToBytes(list, bytes));
    CPatternList back;
    ASSERT_TRUE(LoadFromBytes(back, bytes)) << LoadFromBytes(back, bytes).Error().Describe();
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.nextId, 3);
    const CPattern& q = *back.patterns[0];
    EXPECT_EQ(q.id, 1);
    EXPECT_EQ(q.name, p.name);
    EXPECT_EQ(q.reservedText, "r");
    EXPECT_EQ(q.NumTimesToPlay, 7);
    EXPECT_EQ(q.letRing, 0);
    EXPECT_EQ(q.chord.strum, 0);
    EXPECT_EQ(q.chord.pickPattern, "65R4");
    EXPECT_EQ(q.chord.loopPattern, 1);
    EXPECT_TRUE(q.chord.StringNote(2).IsMuted());
    EXPECT_EQ(q.chord.StringNote(6), p.chord.StringNote(6));
    EXPECT_EQ(q.chord.root, kNoteG);
    EXPECT_EQ(q.chord.chordType, 3);
    EXPECT_EQ(q.chord.variation, 4);
    EXPECT_EQ(q.chord.dynamic, 1);
    Bytes again;
    ASSERT_TRUE(StoreToBytes(back, again));
    EXPECT_EQ(again, bytes);
    // One class record, then class references.
    EXPECT_EQ(CountOccurrences(bytes, "CPattern"), 1u);
}

}  // namespace
