#include "sound/sound_pack_library.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../util/recording_prompter.h"
#include "fake_audio_library.h"
#include "sound/sound_engine.h"
#include "sound/sound_startup.h"

namespace {

namespace fs = std::filesystem;

using Texts = std::vector<std::string>;

class SoundPackLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("fq_packs_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
        dir = root.string() + "/";
    }
    void TearDown() override { fs::remove_all(root); }

    // A file of the given size; a pack the fake audio loads when it ends in ".spk".
    void MakeFile(const std::string& relative, std::size_t size) {
        const fs::path path = root / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << std::string(size, 'x');
        audio.packs[path.string()] = kSoundPackSampleCount;
    }

    Texts RowNames(const CSoundPackLibrary& library) const {
        Texts names;
        for (const SoundPackRow& row : library.Rows()) {
            names.push_back(row.path.substr(dir.size()) + row.name + (row.loaded ? "*" : "") + " " +
                            row.sizeText);
        }
        return names;
    }

    fs::path root;
    std::string dir;
    FakeAudioLibrary audio;
    FakeSoundSettings settings;
    RecordingPrompter prompter;
    int song = 0;
    CSoundEngine engine{audio, song, settings};
};

TEST(SearchDirectoriesTest, SplitAndJoin) {
    struct Case {
        std::string stored;
        Texts split;
    };
    const std::vector<Case> cases = {
        {"/a/sounds/", {"/a/sounds/"}},
        {"/a;/b", {"/a", "/b"}},
        {"/a;;/b;", {"/a", "/b"}},  // doubled and trailing separators give no empty part
        {";/a", {"", "/a"}},        // a leading one gives an empty first directory
        {"\"/my;packs\";/b", {"/my;packs", "/b"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitSearchDirectories(c.stored), c.split) << c.stored;
    }
    EXPECT_EQ(JoinSearchDirectories({"/a", "/b/", "/c"}), "/a;/b/;/c");
    EXPECT_EQ(JoinSearchDirectories({}), "");
}

TEST(SearchDirectoriesTest, AnyDirectoryNameSplitsBackExactly) {
    struct Case {
        Texts directories;
        std::string stored;
    };
    const std::vector<Case> cases = {
        {{"/my;packs", "/b"}, "\"/my;packs\";/b"},
        {{"/say \"hi\"/", "/c"}, "\"/say \"\"hi\"\"/\";/c"},
        {{"/x\";y", "/\"\""}, "\"/x\"\";y\";\"/\"\"\"\"\""},
        {{"", "/a"}, "\"\";/a"},
        {{"/a", "", "/b"}, "/a;\"\";/b"},
        {{"/plain dir/", "/b"}, "/plain dir/;/b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JoinSearchDirectories(c.directories), c.stored);
        EXPECT_EQ(SplitSearchDirectories(c.stored), c.directories) << c.stored;
    }
}

TEST_F(SoundPackLibraryTest, DiscoveryFindsPacksOncePerDirectory) {
    MakeFile("one/b.spk", 2048);
    MakeFile("one/a.SPK", 1024);
    MakeFile("one/notes.txt", 10);
    MakeFile("one/deeper/hidden.spk", 10);  // not recursive
    MakeFile("two/c.spk", 3 * 1024 * 1024 + 5);
    const std::vector<SoundPackEntry> found = DiscoverSoundPacks(
        {dir + "one", dir + "one/", dir + "two/", dir + "missing/", dir + "one"});
    Texts names;
    for (const SoundPackEntry& e : found) {
        names.push_back(std::to_string(e.index) + " " + e.path.substr(dir.size()) + e.name + " " +
                        std::to_string(e.size));
    }
    EXPECT_EQ(names, (Texts{"0 one/a.SPK 1024", "1 one/b.spk 2048", "2 two/c.spk 3145733"}));
}

TEST_F(SoundPackLibraryTest, DirectoriesDifferingInCaseAreBothSearched) {
    MakeFile("Packs/a.spk", 1);
    MakeFile("packs/b.spk", 1);
    const std::vector<SoundPackEntry> found = DiscoverSoundPacks({dir + "Packs", dir + "packs"});
    ASSERT_EQ(found.size(), 2u);
}

TEST_F(SoundPackLibraryTest, PageShowsSortedDirectoriesAndLastFoundFirst) {
    MakeFile("sounds/default.spk", 2048);
    MakeFile("sounds/other.spk", 1024);
    MakeFile("Extra/x.spk", 100);
    settings.soundPack = dir + "sounds/default.spk";
    CSoundPackLibrary library(engine, settings, prompter);
    library.Open(dir + "sounds/;;" + dir + "Extra;" + dir + "sounds");
    EXPECT_EQ(library.Directories(), (Texts{dir + "Extra", dir + "sounds", dir + "sounds/"}));
    EXPECT_EQ(RowNames(library),
              (Texts{"sounds/other.spk 1024", "sounds/default.spk* 2K", "Extra/x.spk 100"}));
    EXPECT_EQ(library.CurrentText(), dir + "sounds/default.spk");
    EXPECT_TRUE(library.CanUnload());
    EXPECT_EQ(library.JoinedDirectories(), dir + "Extra;" + dir + "sounds;" + dir + "sounds/");
}

TEST_F(SoundPackLibraryTest, LoadUnloadAndFailure) {
    MakeFile("sounds/a.spk", 10);
    MakeFile("sounds/b.spk", 10);
    settings.soundPack = "  ";
    CSoundPackLibrary library(engine, settings, prompter);
    library.Open(dir + "sounds");
    EXPECT_EQ(library.CurrentText(), "<none>");
    EXPECT_FALSE(library.CanUnload());
    ASSERT_EQ(RowNames(library), (Texts{"sounds/b.spk 10", "sounds/a.spk 10"}));

    ASSERT_TRUE(library.Load(1));
    EXPECT_EQ(settings.soundPack, dir + "sounds/a.spk");
    EXPECT_EQ(RowNames(library), (Texts{"sounds/b.spk 10", "sounds/a.spk* 10"}));
    EXPECT_TRUE(engine.HasSoundPack());

    // b.spk turns out to be no pack: the error is shown, SoundPack keeps a.spk, but a.spk
    // was unloaded by the attempt and comes back with the next note.
    audio.packs.erase((root / "sounds/b.spk").string());
    EXPECT_FALSE(library.Load(0));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "error 11");
    EXPECT_EQ(settings.soundPack, dir + "sounds/a.spk");
    EXPECT_FALSE(engine.HasSoundPack());
    CTuning chord;
    EXPECT_TRUE(engine.SoundString(chord, 1));
    EXPECT_TRUE(engine.HasSoundPack());

    EXPECT_TRUE(library.Unload());
    EXPECT_EQ(settings.soundPack, "");
    EXPECT_EQ(library.CurrentText(), "<none>");
    EXPECT_EQ(RowNames(library), (Texts{"sounds/b.spk 10", "sounds/a.spk 10"}));
    EXPECT_FALSE(library.Load(5));
    EXPECT_FALSE(library.Load(-1));
}

TEST_F(SoundPackLibraryTest, AFailedUnloadKeepsTheSetting) {
    MakeFile("a.spk", 10);
    settings.soundPack = dir + "a.spk";
    CSoundPackLibrary library(engine, settings, prompter);
    library.Open(dir);
    engine.EnsureSoundPack();
    audio.freeSucceeds = false;
    EXPECT_FALSE(library.Unload());
    EXPECT_EQ(settings.soundPack, dir + "a.spk");
    EXPECT_FALSE(engine.HasSoundPack());  // forgotten all the same
}

TEST_F(SoundPackLibraryTest, AddAndDeleteDirectories) {
    MakeFile("b/x.spk", 1);
    MakeFile("a/y.spk", 1);
    CSoundPackLibrary library(engine, settings, prompter);
    library.Open(dir + "b");
    library.AddDirectory(dir + "a");
    EXPECT_EQ(library.Directories(), (Texts{dir + "a", dir + "b"}));
    EXPECT_EQ(RowNames(library), (Texts{"b/x.spk 1", "a/y.spk 1"}));
    EXPECT_FALSE(library.DeleteDirectory(2));
    EXPECT_TRUE(library.DeleteDirectory(1));
    EXPECT_EQ(RowNames(library), (Texts{"a/y.spk 1"}));
}

TEST(SoundStartupTest, OutputStartRetries) {
    struct Case {
        int failures;
        bool started;
        int attempts;
        int sleeps;
        std::size_t messages;
    };
    const std::vector<Case> cases = {
        {0, true, 1, 0, 0},     {3, true, 4, 3, 0},
        {10, true, 11, 10, 0},  // success on the last retry shows nothing
        {11, false, 11, 10, 1}, {50, false, 11, 10, 1},
    };
    for (const Case& c : cases) {
        FakeAudioLibrary audio;
        audio.startFailures = c.failures;
        RecordingPrompter prompter;
        int sleeps = 0;
        const bool started = StartAudioOutput(audio, prompter, [&](int ms) {
            EXPECT_EQ(ms, 100);
            ++sleeps;
        });
        EXPECT_EQ(started, c.started) << c.failures;
        EXPECT_EQ(audio.startAttempts, c.attempts) << c.failures;
        EXPECT_EQ(sleeps, c.sleeps) << c.failures;
        ASSERT_EQ(prompter.shown.size(), c.messages) << c.failures;
        if (c.messages > 0) {
            EXPECT_EQ(prompter.shown[0].text, "error 2");
        }
        EXPECT_EQ(audio.calls.front(), "start:22050,12,2");
    }
}

TEST(SoundStartupTest, SavedPack) {
    struct Case {
        std::string saved;
        bool loaded;
        std::string after;
        std::size_t messages;
    };
    const std::vector<Case> cases = {
        {"/p/good.spk", true, "/p/good.spk", 0},
        {"/p/gone.spk", false, "", 1},  // cleared, so the next start tries nothing
        {"", false, "", 0},             // unloaded by the player: stays unloaded
    };
    for (const Case& c : cases) {
        FakeAudioLibrary audio;
        audio.packs["/p/good.spk"] = 53;
        FakeSoundSettings settings;
        settings.soundPack = c.saved;
        RecordingPrompter prompter;
        int song = 0;
        CSoundEngine engine(audio, song, settings);
        EXPECT_EQ(LoadSavedSoundPack(engine, settings, prompter), c.loaded) << c.saved;
        EXPECT_EQ(settings.soundPack, c.after) << c.saved;
        EXPECT_EQ(prompter.shown.size(), c.messages) << c.saved;
        EXPECT_EQ(engine.HasSoundPack(), c.loaded) << c.saved;
    }
}

}  // namespace
