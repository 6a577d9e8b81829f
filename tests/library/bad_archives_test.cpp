// Damaged files of every kind fail to read cleanly, with the problem and its offset,
// through the archive, the library files and the import.

#include <gtest/gtest.h>

#include <set>

#include "bad_archive_cases.h"
#include "guitar/chord_list.h"
#include "library/exchange_file.h"
#include "library/library_file.h"
#include "library_fixtures.h"
#include "tests/util/recording_prompter.h"
#include "util/object_archive.h"

namespace {

namespace fs = std::filesystem;

std::unique_ptr<CObject> RootOfKind(const std::string& kind) {
    if (kind == "chords") {
        return std::make_unique<CChordList>();
    }
    if (kind == "progressions") {
        return std::make_unique<CProgressionList>();
    }
    if (kind == "favorites") {
        return std::make_unique<CFavoritesList>();
    }
    if (kind == "exchange") {
        return std::make_unique<CProgression>();
    }
    return nullptr;
}

TEST(BadArchivesTest, EveryFileOfTheFolderIsACaseAndFailsWithItsMessageAndOffset) {
    RegisterLibraryClasses();
    const std::vector<BadArchiveCase> cases = ReadBadArchiveCases();
    ASSERT_GE(cases.size(), 20u);
    std::set<std::string> listed;
    for (const BadArchiveCase& c : cases) {
        listed.insert(c.file);
        const Bytes bytes = ReadFileBytes(BadArchiveFolder() + "/" + c.file);
        std::unique_ptr<CObject> root = RootOfKind(c.kind);
        ASSERT_NE(root, nullptr) << c.file << ": kind " << c.kind;
        const ArchiveResult result = LoadFromBytes(*root, bytes);
        EXPECT_FALSE(result) << c.file;
        EXPECT_EQ(result.offset, c.offset) << c.file << ": " << result.Describe();
        EXPECT_NE(result.message.find(c.message), std::string::npos)
            << c.file << ": " << result.message;
        EXPECT_LE(result.offset, bytes.size()) << c.file;
    }
    for (const auto& entry : fs::directory_iterator(BadArchiveFolder())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "cases.txt" || listed.count(name) == 1) << name << " is no case";
    }
}

TEST(BadArchivesTest, LibraryFilesTellThePlayerAndKeepTheFileAside) {
    RegisterLibraryClasses();
    for (const BadArchiveCase& c : ReadBadArchiveCases()) {
        if (c.kind != "progressions" && c.kind != "favorites") {
            continue;
        }
        TempDir dir;
        const fs::path path = dir / (c.kind == "progressions" ? "progs.dat" : "fav.dat");
        const Bytes bytes = ReadFileBytes(BadArchiveFolder() + "/" + c.file);
        WriteFileBytes(path, bytes);
        CLibraryFile file(path);
        RecordingPrompter prompter;
        std::unique_ptr<CObject> root = RootOfKind(c.kind);
        EXPECT_FALSE(file.Load(*root, prompter)) << c.file;
        ASSERT_EQ(prompter.shown.size(), 1u) << c.file;
        const std::string& text = prompter.shown[0].text;
        EXPECT_NE(text.find(path.string()), std::string::npos) << text;
        EXPECT_NE(text.find(c.message + " at byte " + std::to_string(c.offset)),
                  std::string::npos)
            << text;
        EXPECT_EQ(ReadFileBytes(path.string() + ".damaged"), bytes) << c.file;
        EXPECT_FALSE(file.SaveBlocked());
    }
}

TEST(BadArchivesTest, ADamagedExchangeFileImportsNothingAndStaysAsItWas) {
    for (const BadArchiveCase& c : ReadBadArchiveCases()) {
        if (c.kind != "exchange") {
            continue;
        }
        const std::string path = BadArchiveFolder() + "/" + c.file;
        const Bytes before = ReadFileBytes(path);
        CProgression progression;
        RecordingPrompter prompter;
        EXPECT_FALSE(ImportFrom(progression, path, prompter)) << c.file;
        ASSERT_EQ(prompter.shown.size(), 1u);
        if (!before.empty()) {
            EXPECT_NE(prompter.shown[0].text.find("at byte " + std::to_string(c.offset)),
                      std::string::npos)
                << prompter.shown[0].text;
        }
        EXPECT_EQ(ReadFileBytes(path), before);
        EXPECT_EQ(progression.patterns.Count(), 0);
    }
}

// Valid files of every kind, as the library writes them.
std::vector<std::pair<std::string, Bytes>> ValidFiles() {
    std::vector<std::pair<std::string, Bytes>> files;
    Bytes bytes;
    CProgressionList progressions;
    for (const char* name : {"one", "two"}) {
        CProgression* progression = progressions.CreateProgression(0, name);
        progression->description = "d";
        progression->modified = 5000000000;  // the long time form
        progression->patterns.AddPattern(MakePattern("a", "1R3", 2, {6}), true);
        progression->patterns.AddPattern(MakePattern("b", ""), true);
    }
    StoreToBytes(progressions, bytes);
    files.emplace_back("progressions", bytes);
    StoreToBytes(*progressions.progressions[0], bytes);
    files.emplace_back("exchange", bytes);
    CFavoritesList favorites;
    favorites.AddFavorite(std::make_unique<CFavorite>());
    favorites.AddFavorite(std::make_unique<CFavorite>());
    favorites.favorites[1]->name = "Am";
    StoreToBytes(favorites, bytes);
    files.emplace_back("favorites", bytes);
    CChordList chords;
    chords.Add(std::make_unique<CChord>());
    chords.Add(std::make_unique<CChord>());
    StoreToBytes(chords, bytes);
    files.emplace_back("chords", bytes);
    return files;
}

TEST(BadArchivesTest, AFileCutAtAnyByteFailsCleanlyWithinTheData) {
    RegisterLibraryClasses();
    for (const auto& [kind, whole] : ValidFiles()) {
        {
            std::unique_ptr<CObject> root = RootOfKind(kind);
            ASSERT_TRUE(LoadFromBytes(*root, whole)) << kind;
        }
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
            std::unique_ptr<CObject> root = RootOfKind(kind);
            const ArchiveResult result = LoadFromBytes(*root, cut);
            ASSERT_FALSE(result) << kind << " cut at " << size;
            EXPECT_LE(result.offset, size) << kind << " cut at " << size;
            EXPECT_FALSE(result.message.empty());
        }
    }
}

}  // namespace
