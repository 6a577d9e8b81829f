#include "library/library_file.h"

#include <gtest/gtest.h>

#include "library_fixtures.h"
#include "tests/util/recording_prompter.h"
#include "util/object_archive.h"

namespace {

namespace fs = std::filesystem;

// Catches what the library files tell the player, for the life of the object.
class CapturedMessages {
public:
    CapturedMessages() { SetLibraryPrompter(&prompter); }
    ~CapturedMessages() { SetLibraryPrompter(nullptr); }
    CapturedMessages(const CapturedMessages&) = delete;
    CapturedMessages& operator=(const CapturedMessages&) = delete;
    RecordingPrompter prompter;
};

Bytes StoredProgressions() {
    CProgressionList list;
    CProgression* blues = list.CreateProgression(0, "Blues");
    blues->patterns.AddPattern(MakePattern("A7", "123"), true);
    list.CreateProgression(5, "Drone");
    Bytes bytes;
    StoreToBytes(list, bytes);
    return bytes;
}

TEST(LibraryFileTest, ProgressionsAreReadAtFirstUseAndWrittenAtRelease) {
    PrivateAppDirectory app;
    CapturedMessages messages;
    EXPECT_FALSE(CProgressionList::InstanceExists());
    CProgressionList& first = CProgressionList::Instance();
    EXPECT_TRUE(first.progressions.empty());
    EXPECT_FALSE(fs::exists(app / "progs.dat"));  // nothing written before exit
    first.CreateProgression(0, "Blues")->patterns.AddPattern(MakePattern("A7", "123"), true);
    first.CreateProgression(5, "Drone");
    EXPECT_TRUE(CProgressionList::ReleaseInstance());
    EXPECT_EQ(ReadFileBytes(app / "progs.dat"), StoredProgressions());

    CProgressionList& again = CProgressionList::Instance();
    ASSERT_EQ(again.progressions.size(), 2u);
    EXPECT_EQ(again.progressions[1]->name, "Drone");
    EXPECT_EQ(again.nextId, 2);
    EXPECT_EQ(again.CreateProgression(0, "new")->id, 2);
    EXPECT_TRUE(messages.prompter.shown.empty());
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(app.Path()), fs::directory_iterator()), 1);
}

TEST(LibraryFileTest, FavoritesAreRenumberedAfterReading) {
    PrivateAppDirectory app;
    CapturedMessages messages;
    {
        CFavoritesList list;
        for (int i = 0; i < 3; ++i) {
            auto favorite = std::make_unique<CFavorite>();
            favorite->name = "f" + std::to_string(i);
            favorite->id = 7 - i;  // whatever a file says
            list.favorites.push_back(std::move(favorite));
        }
        ASSERT_TRUE(SaveObjectFile(app / "fav.dat", list));
    }
    CFavoritesList& favorites = CFavoritesList::Instance();
    ASSERT_EQ(favorites.favorites.size(), 3u);
    EXPECT_EQ(favorites.favorites[0]->id, 101);
    EXPECT_EQ(favorites.favorites[2]->id, 103);
    EXPECT_EQ(favorites.LastNumber(ProgramMode::ChordPlotter), 103);
    EXPECT_TRUE(messages.prompter.shown.empty());
}

TEST(LibraryFileTest, AnEmptyFileIsAnEmptyListWithoutAWord) {
    for (const char* name : {"progs.dat", "fav.dat"}) {
        PrivateAppDirectory app;
        CapturedMessages messages;
        WriteFileBytes(app / name, {});
        EXPECT_TRUE(CProgressionList::Instance().progressions.empty());
        EXPECT_TRUE(CFavoritesList::Instance().favorites.empty());
        EXPECT_TRUE(messages.prompter.shown.empty()) << name;
        EXPECT_TRUE(fs::exists(app / name));
        EXPECT_FALSE(fs::exists(app / (std::string(name) + ".damaged")));
    }
}

TEST(LibraryFileTest, ADamagedFileIsToldKeptAsideAndNeverWrittenOver) {
    const Bytes good = StoredProgressions();
    struct Case {
        const char* file;
        Bytes bytes;
        const char* fault;
    };
    const std::vector<Case> cases = {
        {"progs.dat", Bytes(good.begin(), good.begin() + 40), "end of data"},
        {"progs.dat", {0x01, 0x00, 0x00, 0x80}, "0x8000 (class index 0) at byte 2"},
        {"fav.dat", {0x05, 0x00, 0xFF, 0xFF}, "count 5"},
        // A progressions file where the favorites belong.
        {"fav.dat", good, "\"CProgression\" where \"CFavorite\" was expected at byte 2"},
    };
    for (const Case& c : cases) {
        PrivateAppDirectory app;
        CapturedMessages messages;
        WriteFileBytes(app / c.file, c.bytes);
        CProgressionList& progressions = CProgressionList::Instance();
        CFavoritesList& favorites = CFavoritesList::Instance();
        EXPECT_TRUE(progressions.progressions.empty());
        EXPECT_TRUE(favorites.favorites.empty());
        ASSERT_EQ(messages.prompter.shown.size(), 1u) << c.file;
        const std::string& text = messages.prompter.shown[0].text;
        EXPECT_EQ(messages.prompter.shown[0].kind, PromptKind::Error);
        EXPECT_NE(text.find((app / c.file).string()), std::string::npos) << text;
        EXPECT_NE(text.find(c.fault), std::string::npos) << text;
        EXPECT_NE(text.find(".damaged"), std::string::npos) << text;
        const fs::path kept = app / (std::string(c.file) + ".damaged");
        EXPECT_EQ(ReadFileBytes(kept), c.bytes);

        // The program goes on; what is saved at exit does not touch the damaged copy.
        progressions.CreateProgression(0, "after");
        favorites.SetCurrentTuning(0);
        favorites.AddFavorite(std::make_unique<CFavorite>());
        EXPECT_TRUE(CProgressionList::ReleaseInstance());
        EXPECT_TRUE(CFavoritesList::ReleaseInstance());
        EXPECT_EQ(ReadFileBytes(kept), c.bytes);
        EXPECT_EQ(CProgressionList::Instance().progressions.size(), 1u);
        EXPECT_EQ(CFavoritesList::Instance().favorites.size(), 1u);
    }
}

TEST(LibraryFileTest, AFileThatCannotBeSavedIsToldWithTheReason) {
    PrivateAppDirectory app;
    CapturedMessages messages;
    CProgressionList::Instance().CreateProgression(0, "Blues");
    // The folder disappears and a plain file takes its name: no file can be made there.
    fs::remove_all(app.Path());
    WriteFileBytes(app.Path(), {1});
    EXPECT_FALSE(CProgressionList::ReleaseInstance());
    ASSERT_EQ(messages.prompter.shown.size(), 1u);
    const std::string& text = messages.prompter.shown[0].text;
    EXPECT_NE(text.find("Could not save " + (app / "progs.dat").string()), std::string::npos)
        << text;
    EXPECT_NE(text.find("Not a directory"), std::string::npos) << text;
    fs::remove(app.Path());
    fs::create_directory(app.Path());
}

TEST(LibraryFileTest, AFileInTheWayThatCannotBeReadIsNotReplaced) {
    PrivateAppDirectory app;
    CapturedMessages messages;
    fs::create_directory(app / "progs.dat");
    WriteFileBytes(app / "progs.dat" / "keep", {1, 2});
    EXPECT_TRUE(CProgressionList::Instance().progressions.empty());
    ASSERT_EQ(messages.prompter.shown.size(), 1u);
    EXPECT_FALSE(CProgressionList::ReleaseInstance());
    ASSERT_EQ(messages.prompter.shown.size(), 2u);
    EXPECT_NE(messages.prompter.shown[1].text.find("progs.dat"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(app / "progs.dat" / "keep"), (Bytes{1, 2}));
}

}  // namespace
