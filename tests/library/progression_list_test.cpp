#include "library/progression_list.h"

#include <gtest/gtest.h>

#include <limits>

#include "library/library_file.h"
#include "library_fixtures.h"
#include "tests/util/fake_choice_list.h"
#include "util/object_archive.h"

namespace {

std::vector<int> Ids(const CProgressionList& list) {
    std::vector<int> ids;
    for (const auto& progression : list.progressions) {
        ids.push_back(progression->id);
    }
    return ids;
}

TEST(ProgressionListTest, IdsComeFromTheCounterAndAreNeverReused) {
    CProgressionList list;
    list.CreateProgression(0, "a");
    list.CreateProgression(0, "b");
    ASSERT_TRUE(list.RemoveProgression(1));
    EXPECT_EQ(list.CreateProgression(3, "c")->id, 2);
    auto imported = std::make_unique<CProgression>();
    imported->id = 0;  // the file's id is not kept
    EXPECT_EQ(list.AddProgression(std::move(imported))->id, 3);
    EXPECT_EQ(list.AddProgression(nullptr), nullptr);
    EXPECT_EQ(list.CopyProgression(0, "d")->id, 4);
    EXPECT_EQ(list.nextId, 5);
    EXPECT_EQ(Ids(list), (std::vector<int>{0, 2, 3, 4}));
}

TEST(ProgressionListTest, IdsNoProgressionHasChangeNothing) {
    CProgressionList list;
    list.CreateProgression(0, "a");
    EXPECT_EQ(list.FindProgression(5), nullptr);
    EXPECT_EQ(list.CopyProgression(5, "x"), nullptr);
    EXPECT_FALSE(list.ReplaceProgression(5, std::make_unique<CProgression>()));
    EXPECT_FALSE(list.RemoveProgression(5));
    EXPECT_FALSE(list.ReplaceProgression(0, nullptr));
    EXPECT_EQ(list.nextId, 1);
    EXPECT_EQ(list.progressions.size(), 1u);
}

TEST(ProgressionListTest, CopyKeepsThePatternsAndTheirCounter) {
    CProgressionList list;
    CProgression* source = list.CreateProgression(0, "Blues");
    source->description = "slow";
    source->BPM = 70;
    source->created = 5;
    source->modified = 6;
    for (int i = 0; i < 7; ++i) {
        source->patterns.AddPattern(MakePattern("p" + std::to_string(i), "12"), true);
    }
    source->patterns.RemovePattern(5);
    source->patterns.RemovePattern(6);
    CProgression* copy = list.CopyProgression(0, "Blues 2");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->id, 1);
    EXPECT_EQ(copy->name, "Blues 2");
    EXPECT_EQ(copy->description, "slow");
    EXPECT_EQ(copy->BPM, 70);
    EXPECT_EQ(copy->patterns.Count(), 5);
    EXPECT_EQ(copy->patterns.patterns[4]->id, 4);
    EXPECT_EQ(copy->patterns.nextId, 7);
    EXPECT_GT(copy->created, 6);
    EXPECT_EQ(copy->created, copy->modified);
    copy->patterns.patterns[0]->name = "changed";
    EXPECT_EQ(list.FindProgression(0)->patterns.patterns[0]->name, "p0");
}

TEST(ProgressionListTest, ReplaceKeepsThePlaceAndCloneKeepsTheId) {
    CProgressionList list;
    list.CreateProgression(0, "a");
    list.CreateProgression(0, "b");
    list.CreateProgression(0, "c");
    std::unique_ptr<CProgression> edited = CProgressionList::Clone(*list.FindProgression(1));
    EXPECT_EQ(edited->id, 1);
    edited->name = "B";
    ASSERT_TRUE(list.ReplaceProgression(1, std::move(edited)));
    EXPECT_EQ(list.progressions[1]->name, "B");
    EXPECT_EQ(Ids(list), (std::vector<int>{0, 1, 2}));
}

TEST(ProgressionListTest, NamesCountsChoosersAndCollectionsWorkWithinOneTuning) {
    CProgressionList list;
    list.CreateProgression(0, "Blues");
    list.CreateProgression(3, "Blues");
    list.CreateProgression(0, "Rock");
    list.CreateProgression(0, "blues");
    EXPECT_EQ(list.FindByName("Blues", 3)->id, 1);
    EXPECT_EQ(list.FindByName("Blues", 0)->id, 0);
    EXPECT_EQ(list.FindByName("Blues", 5), nullptr);
    EXPECT_TRUE(list.NameExists("blues", 0));
    EXPECT_FALSE(list.NameExists("ROCK", 0));
    EXPECT_EQ(list.CountInTuning(0), 3);
    EXPECT_EQ(list.CountInTuning(27), 0);

    FakeChoiceList chooser;
    list.FillProgressionChooser(chooser, 0, 2);
    EXPECT_EQ(chooser.rows, (std::vector<std::pair<std::string, int>>{
                                {"Blues", 0}, {"Rock", 2}, {"blues", 3}}));
    EXPECT_EQ(chooser.selected, 1);
    list.FillProgressionChooser(chooser, 0, 1);  // id of another tuning: the first row
    EXPECT_EQ(chooser.selected, 0);
    list.FillProgressionChooser(chooser, 9, 0);
    EXPECT_EQ(chooser.Count(), 0);

    std::vector<CProgression*> found;
    EXPECT_EQ(list.CollectInTuning(0, found), 3);
    EXPECT_EQ(found[1]->name, "Rock");
    EXPECT_EQ(list.CollectInTuning(3, found), -1);
    EXPECT_EQ(found.size(), 3u);
}

TEST(ProgressionListTest, AnEmptyListIsItsCountAndCounter) {
    CProgressionList list;
    list.nextId = 9;
    Bytes bytes;
    ASSERT_TRUE(StoreToBytes(list, bytes));
    EXPECT_EQ(bytes, (Bytes{0x00, 0x00, 0x09, 0x00, 0x00, 0x00}));
}

TEST(ProgressionListTest, EachClassRecordOccursOnceAndTheRestAreReferences) {
    CProgressionList list;
    for (const char* name : {"one", "two"}) {
        CProgression* progression = list.CreateProgression(0, name);
        for (const char* pattern : {"a", "b", "c"}) {
            progression->patterns.AddPattern(MakePattern(pattern, "123"), true);
        }
    }
    Bytes bytes;
    ASSERT_TRUE(StoreToBytes(list, bytes));
    EXPECT_EQ(CountOccurrences(bytes, "CProgression"), 1u);
    EXPECT_EQ(CountOccurrences(bytes, "CPattern"), 1u);
    EXPECT_EQ(CountOccurrences(bytes, "CChord"), 0u);  // chords are held in place
    // Class CProgression is index 1, its first object 2, class CPattern 3: the second
    // progression is tagged 0x8001 and its patterns 0x8003.
    EXPECT_EQ(CountOccurrences(bytes, std::string_view("\x01\x80", 2)), 1u);
    EXPECT_GE(CountOccurrences(bytes, std::string_view("\x03\x80", 2)), 5u);

    RegisterLibraryClasses();
    CProgressionList back;
    const Result<> loaded = LoadFromBytes(back, bytes);
    ASSERT_TRUE(loaded) << loaded.Error().Describe();
    ASSERT_EQ(back.progressions.size(), 2u);
    EXPECT_EQ(back.progressions[1]->patterns.patterns[2]->name, "c");
    EXPECT_EQ(back.nextId, 2);
    Bytes again;
    ASSERT_TRUE(StoreToBytes(back, again));
    EXPECT_EQ(again, bytes);
}

TEST(ProgressionListTest, ALoadedListHasItsIdsRepaired) {
    CProgressionList list;
    for (int id : {3, 3, 1}) {
        auto progression = std::make_unique<CProgression>();
        progression->id = id;
        auto pattern = MakePattern("p", "");
        pattern->id = 8;
        progression->patterns.AddPattern(std::move(pattern), false);
        progression->patterns.AddPattern(MakePattern("q", ""), false);  // id 0
        progression->patterns.nextId = 0;
        list.progressions.push_back(std::move(progression));
    }
    list.nextId = 2;
    list.LoadedFromFile();
    EXPECT_EQ(Ids(list), (std::vector<int>{3, 4, 1}));
    EXPECT_EQ(list.nextId, 5);
    for (const auto& progression : list.progressions) {
        EXPECT_EQ(progression->patterns.nextId, 9);
    }
    EXPECT_EQ(list.CreateProgression(0, "new")->id, 5);
    // Removing by id now removes exactly the one meant.
    EXPECT_TRUE(list.RemoveProgression(4));
    EXPECT_EQ(Ids(list), (std::vector<int>{3, 1, 5}));
}

TEST(ProgressionListTest, ACounterAtItsEndRefusesNewElementsInsteadOfRepeatingAnId) {
    // Only an edited file holds such counters.
    CProgressionList list;
    list.nextId = std::numeric_limits<int>::max();
    list.LoadedFromFile();
    EXPECT_EQ(list.CreateProgression(0, "a"), nullptr);
    EXPECT_EQ(list.AddProgression(std::make_unique<CProgression>()), nullptr);
    list.nextId = std::numeric_limits<int>::max() - 1;
    CProgression* last = list.CreateProgression(0, "last");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(list.CopyProgression(last->id, "copy"), nullptr);
    EXPECT_EQ(list.progressions.size(), 1u);

    last->patterns.nextId = std::numeric_limits<int>::max();
    EXPECT_EQ(last->patterns.AddPattern(MakePattern("p", ""), true), nullptr);
    EXPECT_NE(last->patterns.AddPattern(MakePattern("kept id", ""), false), nullptr);
}

}  // namespace
