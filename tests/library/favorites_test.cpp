#include "library/favorites_list.h"

#include <gtest/gtest.h>

#include "library/favorite_add.h"
#include "library/library_file.h"
#include "library_fixtures.h"
#include "tests/util/fake_choice_list.h"
#include "tests/util/recording_prompter.h"
#include "util/object_archive.h"

namespace {

std::unique_ptr<CFavorite> Favorite(ProgramMode mode, int tuningKey, const std::string& name) {
    auto favorite = std::make_unique<CFavorite>();
    favorite->mode = mode;
    favorite->tuningKey = tuningKey;
    favorite->name = name;
    return favorite;
}

std::vector<int> NumbersOf(const CFavoritesList& list, ProgramMode mode, int tuningKey) {
    std::vector<int> numbers;
    for (const auto& favorite : list.favorites) {
        if (favorite->mode == mode && favorite->tuningKey == tuningKey) {
            numbers.push_back(favorite->id);
        }
    }
    return numbers;
}

TEST(FavoritesListTest, NextNumberRunsFrom101To110ThenFull) {
    const std::vector<std::pair<int, int>> cases = {
        {0, 101}, {101, 102}, {109, 110}, {110, -1}, {-1, -1}, {100, -1}, {111, -1}, {55, -1}};
    for (const auto& [last, next] : cases) {
        EXPECT_EQ(CFavoritesList::NextNumber(last), next) << last;
    }
}

TEST(FavoritesListTest, TenPerModeAndTuningNumberedInListOrder) {
    CFavoritesList list;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(list.AddFavorite(Favorite(ProgramMode::ChordPlotter, 0, "f" + std::to_string(i))),
                  101 + i);
    }
    EXPECT_EQ(list.LastNumber(ProgramMode::ChordPlotter), 110);
    EXPECT_EQ(list.AddFavorite(Favorite(ProgramMode::ChordPlotter, 0, "eleventh")), -1);
    EXPECT_EQ(list.LastNumber(ProgramMode::ChordPlotter), -1);  // full stays full until renumbered
    EXPECT_EQ(list.favorites.size(), 10u);
    // The other modes count on their own.
    EXPECT_EQ(list.AddFavorite(Favorite(ProgramMode::Scale, 0, "scale")), 101);
    EXPECT_EQ(list.AddFavorite(Favorite(ProgramMode::Progression, 0, "progression mode")), -1);
    EXPECT_EQ(list.AddFavorite(Favorite(static_cast<ProgramMode>(-1), 0, "none")), -1);
    EXPECT_EQ(list.AddFavorite(nullptr), -1);
    EXPECT_EQ(list.LastNumber(ProgramMode::Progression), -1);
    EXPECT_EQ(list.favorites.size(), 11u);
}

TEST(FavoritesListTest, RenumberingAfterARemovalClosesTheGap) {
    CFavoritesList list;
    for (int i = 0; i < 10; ++i) {
        list.AddFavorite(Favorite(ProgramMode::ChordPlotter, 0, "f" + std::to_string(i)));
    }
    EXPECT_TRUE(list.RemoveFavorite(104, ProgramMode::ChordPlotter, 0));
    EXPECT_FALSE(list.RemoveFavorite(104, ProgramMode::ChordPlotter, 0));
    // Until renumbered the others keep their numbers.
    EXPECT_EQ(list.FindFavorite(105, ProgramMode::ChordPlotter, 0)->name, "f4");
    list.Renumber();
    EXPECT_EQ(NumbersOf(list, ProgramMode::ChordPlotter, 0),
              (std::vector<int>{101, 102, 103, 104, 105, 106, 107, 108, 109}));
    EXPECT_EQ(list.FindInCurrentTuning(104, ProgramMode::ChordPlotter)->name, "f4");
    EXPECT_EQ(list.AddFavorite(Favorite(ProgramMode::ChordPlotter, 0, "new")), 110);
}

TEST(FavoritesListTest, OnlyTheCurrentTuningIsRenumbered) {
    CFavoritesList list;
    // As loaded from a file: stored numbers of tuning 3, interleaved with tuning 0.
    constexpr ProgramMode kPlotter = ProgramMode::ChordPlotter;
    constexpr ProgramMode kDiscoverer = ProgramMode::ChordDiscoverer;
    const std::vector<std::tuple<int, ProgramMode, int>> stored = {
        {3, kPlotter, 107},  {0, kPlotter, 1},      {3, kPlotter, 103},
        {0, kDiscoverer, 0}, {3, kDiscoverer, 109}, {0, kPlotter, 5}};
    for (const auto& [tuning, mode, id] : stored) {
        auto favorite = Favorite(mode, tuning, "x");
        favorite->id = id;
        list.favorites.push_back(std::move(favorite));
    }
    list.LoadedFromFile();
    EXPECT_EQ(list.CurrentTuning(), 0);
    EXPECT_EQ(NumbersOf(list, ProgramMode::ChordPlotter, 0), (std::vector<int>{101, 102}));
    EXPECT_EQ(NumbersOf(list, ProgramMode::ChordDiscoverer, 0), (std::vector<int>{101}));
    EXPECT_EQ(NumbersOf(list, ProgramMode::ChordPlotter, 3), (std::vector<int>{107, 103}));
    EXPECT_EQ(NumbersOf(list, ProgramMode::ChordDiscoverer, 3), (std::vector<int>{109}));
    list.SetCurrentTuning(3);
    EXPECT_EQ(NumbersOf(list, ProgramMode::ChordPlotter, 3), (std::vector<int>{101, 102}));
    EXPECT_EQ(NumbersOf(list, ProgramMode::ChordDiscoverer, 3), (std::vector<int>{101}));
    EXPECT_EQ(list.LastNumber(ProgramMode::ChordPlotter), 102);
    EXPECT_EQ(list.LastNumber(ProgramMode::Scale), 0);
    EXPECT_EQ(list.CountInCurrentTuning(ProgramMode::ChordPlotter), 2);
    EXPECT_EQ(list.CountFavorites(ProgramMode::ChordPlotter, 0), 2);
}

TEST(FavoritesListTest, MoreThanTenFromAnEditedFileGetNoNumber) {
    CFavoritesList list;
    for (int i = 0; i < 12; ++i) {
        list.favorites.push_back(
            Favorite(ProgramMode::ChordDiscoverer, 0, "f" + std::to_string(i)));
    }
    list.Renumber();
    const std::vector<int> numbers = NumbersOf(list, ProgramMode::ChordDiscoverer, 0);
    EXPECT_EQ(numbers[9], 110);
    EXPECT_EQ(numbers[10], -1);
    EXPECT_EQ(numbers[11], -1);
}

TEST(FavoritesListTest, LookupsCompareNamesExactlyWithinModeAndTuning) {
    CFavoritesList list;
    list.AddFavorite(Favorite(ProgramMode::ChordPlotter, 0, "Am"));
    list.AddFavorite(Favorite(ProgramMode::ChordDiscoverer, 0, "Am"));
    list.AddFavorite(Favorite(ProgramMode::ChordPlotter, 0, "C"));
    list.favorites.push_back(Favorite(ProgramMode::ChordPlotter, 5, "Am"));
    list.favorites.back()->id = 101;
    EXPECT_EQ(list.FindFavoriteNamed("Am", ProgramMode::ChordDiscoverer, 0),
              list.favorites[1].get());
    EXPECT_EQ(list.FindFavoriteNamed("Am", ProgramMode::ChordPlotter, 5), list.favorites[3].get());
    EXPECT_EQ(list.FindFavoriteNamed("am", ProgramMode::ChordPlotter, 0), nullptr);
    EXPECT_TRUE(list.FavoriteNameExists(0, ProgramMode::ChordPlotter, "C"));
    EXPECT_FALSE(list.FavoriteNameExists(0, ProgramMode::ChordDiscoverer, "C"));
    EXPECT_EQ(list.FindFavorite(101, ProgramMode::ChordPlotter, 5), list.favorites[3].get());
    EXPECT_EQ(list.FindFavorite(101, ProgramMode::Scale, 0), nullptr);

    FakeChoiceList chooser;
    list.FillChordFavoriteChooser(chooser, 0);
    EXPECT_EQ(chooser.rows, (std::vector<std::pair<std::string, int>>{{"Am", 101}, {"C", 102}}));
    EXPECT_EQ(chooser.selected, 0);

    list.RewindCursor();
    EXPECT_EQ(list.NextFavorite(), list.favorites[0].get());
    list.RemoveFavorite(101, ProgramMode::ChordPlotter, 0);
    EXPECT_EQ(list.NextFavorite()->mode, ProgramMode::ChordDiscoverer);
    EXPECT_EQ(list.NextFavorite()->name, "C");
    EXPECT_EQ(list.NextFavorite()->tuningKey, 5);
    EXPECT_EQ(list.NextFavorite(), nullptr);
}

TEST(FavoriteAddTest, AFullModeAsks65008WithTheLimit) {
    CFavoritesList list;
    for (int i = 0; i < 10; ++i) {
        list.AddFavorite(Favorite(ProgramMode::ChordPlotter, 0, "f" + std::to_string(i)));
    }
    for (PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No}) {
        RecordingPrompter prompter;
        prompter.answer = answer;
        bool organize = answer == PromptAnswer::No;
        EXPECT_FALSE(CFavoriteAdd::HasRoom(list, ProgramMode::ChordPlotter, prompter, organize));
        EXPECT_EQ(organize, answer == PromptAnswer::Yes);
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].kind, PromptKind::YesNo);
        EXPECT_EQ(prompter.shown[0].text,
                  "The maximum allowed favorites for this mode has been reached (10).  You will "
                  "need to first delete one or more favorites to be able to add more.  Would you "
                  "like to organize your favorites now?");
    }
    RecordingPrompter prompter;
    bool organize = true;
    EXPECT_TRUE(CFavoriteAdd::HasRoom(list, ProgramMode::ChordDiscoverer, prompter, organize));
    EXPECT_FALSE(organize);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(FavoriteAddTest, StoringOverwritesByNameOrAddsWithTheNextNumber) {
    CFavoritesList list;
    CChord chord;
    chord.root = kNoteA;
    chord.chordType = 14;
    chord.variation = 2;
    chord.SetStringNote(1, kNoteMuted, 0);
    chord.strum = 0;
    chord.pickPattern = "654";

    CFavoriteEntry entry{ProgramMode::ChordPlotter, 0, "Am7", "first", &chord, 0, 0};
    EXPECT_EQ(CFavoriteAdd::Store(list, entry), 101);
    CFavorite& stored = *list.favorites[0];
    EXPECT_EQ(stored.rootNote, kNoteA);
    EXPECT_EQ(stored.chord.chordType, 14);
    EXPECT_TRUE(stored.chord.StringNote(1).IsMuted());

    // The same name in the same mode and tuning: changed in place, nothing added.
    entry.description = "second";
    chord.variation = 3;
    EXPECT_EQ(CFavoriteAdd::Store(list, entry), 0);
    ASSERT_EQ(list.favorites.size(), 1u);
    EXPECT_EQ(stored.id, 101);
    EXPECT_EQ(stored.description, "second");
    EXPECT_EQ(stored.chord.variation, 3);

    // Another mode or tuning: a different favorite.
    CFavoriteEntry scale{ProgramMode::Scale, 0, "Am7", "", nullptr, kNoteA, 4};
    EXPECT_EQ(CFavoriteAdd::Store(list, scale), 101);
    EXPECT_EQ(list.favorites[1]->scaleType, 4);
    EXPECT_EQ(list.favorites[1]->rootNote, kNoteA);
    CFavoriteEntry otherTuning = entry;
    otherTuning.tuningKey = 4;
    EXPECT_GT(CFavoriteAdd::Store(list, otherTuning), 0);
    EXPECT_EQ(list.favorites.size(), 3u);

    CFavoriteEntry progressionMode{ProgramMode::Progression, 0, "x", "", &chord, 0, 0};
    EXPECT_EQ(CFavoriteAdd::Store(list, progressionMode), -1);
    EXPECT_EQ(list.favorites.size(), 3u);
}

TEST(FavoriteAddTest, TheDialogAsksBeforeReusingAName) {
    CFavoritesList list;
    list.AddFavorite(Favorite(ProgramMode::ChordPlotter, 0, "Am"));
    struct Case {
        std::string name;
        bool editingIt;
        PromptAnswer answer;
        bool closes;
        std::size_t questions;
    };
    const std::vector<Case> cases = {
        {"C", false, PromptAnswer::No, true, 0},
        {"Am", false, PromptAnswer::Yes, true, 1},
        {"Am", false, PromptAnswer::No, false, 1},
        {"Am", true, PromptAnswer::No, true, 0},  // its own name is no clash
    };
    for (const Case& c : cases) {
        RecordingPrompter prompter;
        prompter.answer = c.answer;
        EXPECT_EQ(
            CFavoriteAdd::ConfirmName(list, 0, ProgramMode::ChordPlotter, c.name,
                                      c.editingIt ? list.favorites[0].get() : nullptr, prompter),
            c.closes)
            << c.name;
        EXPECT_EQ(prompter.shown.size(), c.questions) << c.name;
    }
}

TEST(FavoritesListTest, StoredFormRoundTripsEveryFieldAndKeepsNoNumbering) {
    CFavoritesList list;
    auto chordFavorite = Favorite(ProgramMode::ChordDiscoverer, 13, "Drop D power");
    chordFavorite->description = "with a long ring";
    chordFavorite->rootNote = kNoteD;
    chordFavorite->chord.root = kNoteD;
    chordFavorite->chord.chordType = 1;
    chordFavorite->chord.SetStringNote(6, kNoteMuted, 0);
    chordFavorite->chord.loopPattern = 1;
    list.AddFavorite(std::move(chordFavorite));
    auto scale = Favorite(ProgramMode::Mode, 0, "Dorian on D");
    scale->scaleType = 1;
    scale->rootNote = kNoteD;
    list.AddFavorite(std::move(scale));

    Bytes bytes;
    ASSERT_TRUE(StoreToBytes(list, bytes));
    EXPECT_EQ(CountOccurrences(bytes, "CFavorite"), 1u);
    RegisterLibraryClasses();
    CFavoritesList back;
    const Result<> loaded = LoadFromBytes(back, bytes);
    ASSERT_TRUE(loaded) << loaded.Error().Describe();
    ASSERT_EQ(back.favorites.size(), 2u);
    const CFavorite& a = *back.favorites[0];
    EXPECT_EQ(a.id, 101);
    EXPECT_EQ(a.mode, ProgramMode::ChordDiscoverer);
    EXPECT_EQ(a.tuningKey, 13);
    EXPECT_EQ(a.name, "Drop D power");
    EXPECT_EQ(a.description, "with a long ring");
    EXPECT_EQ(a.rootNote, kNoteD);
    EXPECT_EQ(a.chord.chordType, 1);
    EXPECT_TRUE(a.chord.StringNote(6).IsMuted());
    EXPECT_EQ(a.chord.loopPattern, 1);
    EXPECT_EQ(back.favorites[1]->scaleType, 1);
    Bytes again;
    ASSERT_TRUE(StoreToBytes(back, again));
    EXPECT_EQ(again, bytes);

    CFavoritesList empty;
    ASSERT_TRUE(StoreToBytes(empty, bytes));
    EXPECT_EQ(bytes, (Bytes{0x00, 0x00}));
}

}  // namespace
