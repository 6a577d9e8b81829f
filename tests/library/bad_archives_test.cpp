// Damaged files of every kind fail to read cleanly, with the problem and its offset,
// through the archive, the library files and the import.

#include <gtest/gtest.h>

#include <set>

#include "bad_archive_cases.h"
#include "guitar/chord_database.h"
#include "guitar/chord_list.h"
#include "library/exchange_file.h"
#include "library/library_file.h"
#include "library/stored_ranges.h"
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
        if (c.repaired) {
            continue;
        }
        const Bytes bytes = ReadFileBytes(BadArchiveFolder() + "/" + c.file);
        std::unique_ptr<CObject> root = RootOfKind(c.kind);
        ASSERT_NE(root, nullptr) << c.file << ": kind " << c.kind;
        const Result<> result = LoadFromBytes(*root, bytes);
        EXPECT_FALSE(result) << c.file;
        EXPECT_EQ(result.Error().offset, c.offset) << c.file << ": " << result.Message();
        EXPECT_NE(result.Message().find(c.message), std::string::npos)
            << c.file << ": " << result.Message();
        EXPECT_LE(result.Error().offset.value(), bytes.size()) << c.file;
    }
    for (const auto& entry : fs::directory_iterator(BadArchiveFolder())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "cases.txt" || listed.count(name) == 1) << name << " is no case";
    }
}

TEST(BadArchivesTest, LibraryFilesTellThePlayerAndKeepTheFileAside) {
    RegisterLibraryClasses();
    for (const BadArchiveCase& c : ReadBadArchiveCases()) {
        if (c.repaired || (c.kind != "progressions" && c.kind != "favorites")) {
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
        if (c.repaired || c.kind != "exchange") {
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

std::vector<RangeFault> RangeFaults(const std::string& kind, CObject& root) {
    CRangeCheck check(CRangeCheck::Action::Report);
    if (kind == "chords") {
        CheckChordListRanges(static_cast<CChordList&>(root), check);
    } else if (kind == "progressions") {
        CheckProgressionListRanges(static_cast<CProgressionList&>(root), check);
    } else if (kind == "favorites") {
        CheckFavoritesListRanges(static_cast<CFavoritesList&>(root), check);
    } else {
        CheckProgressionRanges(static_cast<CProgression&>(root), "progression", check);
    }
    return check.Faults();
}

// Loads a file of the folder as the program does for its kind and returns what the player
// was told and the root as the program goes on with it.
std::unique_ptr<CObject> LoadAsTheProgramDoes(const BadArchiveCase& c, const TempDir& dir,
                                              RecordingPrompter& prompter, fs::path& path) {
    const Bytes bytes = ReadFileBytes(BadArchiveFolder() + "/" + c.file);
    if (c.kind == "exchange") {
        path = dir / "in.fqp";
        WriteFileBytes(path, bytes);
        auto progression = std::make_unique<CProgression>();
        EXPECT_TRUE(ImportFrom(*progression, path, prompter)) << c.file;
        return progression;
    }
    if (c.kind == "chords") {
        path = dir / "chords.dat";
        WriteFileBytes(path, bytes);
        auto list = std::make_unique<CChordList>();
        NullProgressReporter progress;
        std::uint32_t crc = 0;
        const ChordDatabaseLoad load = LoadChordDatabase(
            ChordDatabaseFiles::In(dir.Path().string() + "/"), crc, *list, progress, prompter);
        EXPECT_TRUE(load.available) << c.file << ": " << load.available.Message();
        return list;
    }
    // The library's own files, read at first use by the one instance of their list.
    path = dir / (c.kind == "progressions" ? "progs.dat" : "fav.dat");
    WriteFileBytes(path, bytes);
    setenv("FRETQUILL_APPDIR", (dir.Path().string() + "/").c_str(), 1);
    SetLibraryPrompter(&prompter);
    std::unique_ptr<CObject> root = RootOfKind(c.kind);
    Bytes stored;
    if (c.kind == "progressions") {
        StoreToBytes(CProgressionList::Instance(), stored);
        CProgressionList::DiscardInstance();
    } else {
        StoreToBytes(CFavoritesList::Instance(), stored);
        CFavoritesList::DiscardInstance();
    }
    SetLibraryPrompter(nullptr);
    unsetenv("FRETQUILL_APPDIR");
    EXPECT_TRUE(LoadFromBytes(*root, stored));
    return root;
}

TEST(BadArchivesTest, OutOfRangeValuesAreRepairedToTheNearestAndToldOnce) {
    RegisterLibraryClasses();
    int repaired = 0;
    for (const BadArchiveCase& c : ReadBadArchiveCases()) {
        if (!c.repaired) {
            continue;
        }
        ++repaired;
        SCOPED_TRACE(c.file);
        // As stored: the one field out of range.
        const Bytes bytes = ReadFileBytes(BadArchiveFolder() + "/" + c.file);
        std::unique_ptr<CObject> raw = RootOfKind(c.kind);
        ASSERT_TRUE(LoadFromBytes(*raw, bytes));
        const std::vector<RangeFault> faults = RangeFaults(c.kind, *raw);
        ASSERT_EQ(faults.size(), 1u);
        EXPECT_EQ(DescribeFault(faults[0]), c.message);

        // Saving never writes it, even from a record nobody repaired.
        Bytes saved;
        ASSERT_TRUE(StoreToBytes(*raw, saved));
        std::unique_ptr<CObject> back = RootOfKind(c.kind);
        ASSERT_TRUE(LoadFromBytes(*back, saved));
        EXPECT_TRUE(RangeFaults(c.kind, *back).empty());

        // Loading repairs it to the nearest value in range and says so once, naming the file.
        TempDir dir;
        RecordingPrompter prompter;
        fs::path path;
        std::unique_ptr<CObject> loaded = LoadAsTheProgramDoes(c, dir, prompter, path);
        EXPECT_TRUE(RangeFaults(c.kind, *loaded).empty());
        ASSERT_EQ(prompter.shown.size(), 1u);
        const std::string& text = prompter.shown[0].text;
        EXPECT_NE(text.find(path.string()), std::string::npos) << text;
        const RangeFault& fault = faults[0];
        EXPECT_NE(text.find(fault.field + " " + std::to_string(fault.stored) + " became " +
                            std::to_string(fault.range.Nearest(fault.stored))),
                  std::string::npos)
            << text;
        Bytes again;
        ASSERT_TRUE(StoreToBytes(*loaded, again));
        EXPECT_EQ(again, saved);
    }
    EXPECT_GE(repaired, 11);
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
            const Result<> result = LoadFromBytes(*root, cut);
            ASSERT_FALSE(result) << kind << " cut at " << size;
            EXPECT_LE(result.Error().offset.value(), size) << kind << " cut at " << size;
            EXPECT_FALSE(result.Message().empty());
        }
    }
}

}  // namespace
