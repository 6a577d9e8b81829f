#include <gtest/gtest.h>

#include <limits>

#include "library/exchange_file.h"
#include "library/export_flow.h"
#include "library/import_flow.h"
#include "library/library_messages.h"
#include "library_fixtures.h"
#include "tests/util/recording_prompter.h"
#include "util/object_archive.h"

namespace {

namespace fs = std::filesystem;

std::unique_ptr<CProgression> Blues() {
    auto blues = std::make_unique<CProgression>();
    blues->id = 6;
    blues->name = "Blues";
    blues->description = "in A";
    blues->tuningKey = 0;
    blues->created = 111;
    blues->modified = 222;
    blues->BPM = 88;
    blues->patterns.AddPattern(MakePattern("A7", "", 4), true);
    blues->patterns.AddPattern(MakePattern("D7", "1R", 2), true);
    blues->patterns.RemovePattern(0);
    return blues;
}

std::string Folder(const TempDir& dir) {
    return dir.Path().string() + "/";
}

TEST(ExportFlowTest, WritesNameDotFqpAndAsks65043BeforeReplacing) {
    TempDir dir;
    std::unique_ptr<CProgression> blues = Blues();
    RecordingPrompter prompter;
    std::string file;
    ASSERT_EQ(CExportFlow::CheckDestination(Folder(dir), "  Blues ", prompter, file),
              CExportFlow::Check::Proceed);
    EXPECT_EQ(file, (dir / "Blues.fqp").string());
    EXPECT_TRUE(prompter.shown.empty());
    ASSERT_TRUE(CExportFlow::Finish(*blues, file, prompter));
    EXPECT_EQ(prompter.shown.back().text, "Export successful.");
    Bytes expected;
    ASSERT_TRUE(StoreToBytes(*blues, expected));
    EXPECT_EQ(ReadFileBytes(file), expected);

    // Again: the question names the file without its extension and the folder.
    for (PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        RecordingPrompter again;
        again.answer = answer;
        std::string path;
        const CExportFlow::Check check =
            CExportFlow::CheckDestination(dir.Path().string(), "Blues", again, path);
        EXPECT_EQ(check, answer == PromptAnswer::Yes ? CExportFlow::Check::Proceed
                                                     : CExportFlow::Check::Stay);
        ASSERT_EQ(again.shown.size(), 1u);
        EXPECT_EQ(again.shown[0].kind, PromptKind::YesNo);
        EXPECT_EQ(again.shown[0].text, "There is already a file called 'Blues' in directory '" +
                                           Folder(dir) + "'.  Overwrite?");
    }
    blues->BPM = 140;
    ASSERT_TRUE(CExportFlow::Finish(*blues, file, prompter));
    CProgression back;
    ASSERT_TRUE(ImportFrom(back, file, prompter));
    EXPECT_EQ(back.BPM, 140);
}

TEST(ExportFlowTest, RefusesNamesThatAreNoFileNameHere) {
    TempDir dir;
    for (const char* name : {"", "   ", "../escape", "a/b", ".."}) {
        RecordingPrompter prompter;
        std::string file = "unchanged";
        EXPECT_EQ(CExportFlow::CheckDestination(Folder(dir), name, prompter, file),
                  CExportFlow::Check::Stay)
            << name;
        EXPECT_EQ(file, "unchanged");
        ASSERT_EQ(prompter.shown.size(), 1u);
    }
    RecordingPrompter prompter;
    std::string file;
    CExportFlow::CheckDestination(Folder(dir), "", prompter, file);
    EXPECT_EQ(prompter.shown[0].text, "Please enter a name for this progression.");
}

TEST(ExportFlowTest, AFileThatCannotBeWrittenIsReported) {
    TempDir dir;
    std::unique_ptr<CProgression> blues = Blues();
    RecordingPrompter prompter;
    EXPECT_FALSE(CExportFlow::Finish(*blues, (dir / "missing/Blues.fqp").string(), prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, PromptKind::Error);
    EXPECT_NE(prompter.shown[0].text.find("Blues.fqp"), std::string::npos);
}

// As editors warn on read-only files: a file the player protected is not replaced, also
// when the process could (root).
TEST(ExportFlowTest, AReadOnlyFileIsLeftAsItIs) {
    TempDir dir;
    const fs::path path = dir / "Blues.fqp";
    const Bytes before = {1, 2, 3};
    WriteFileBytes(path, before);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    RecordingPrompter prompter;
    EXPECT_FALSE(CExportFlow::Finish(*Blues(), path.string(), prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "Could not save " + path.string() + ": it is read-only, and is left as it is.");
    EXPECT_EQ(ReadFileBytes(path), before);
}

class ImportFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        RecordingPrompter quiet;
        ASSERT_TRUE(ExportTo(*Blues(), path_, quiet));
    }
    TempDir dir_;
    std::string path_ = (dir_ / "Blues.fqp").string();
    CProgressionList list_;
    RecordingPrompter prompter_;
};

TEST_F(ImportFlowTest, AFreeNameIsAddedAtOnceWithANewIdAndEverythingElseKept) {
    list_.CreateProgression(3, "Blues");  // the same name in another tuning is no clash
    CImportFlow import(list_, prompter_);
    ASSERT_TRUE(import.Read(path_));
    EXPECT_FALSE(import.NeedsNewName());
    CProgression* added = import.Finish();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->id, 1);
    EXPECT_EQ(added->name, "Blues");
    EXPECT_EQ(added->created, 111);
    EXPECT_EQ(added->modified, 222);
    EXPECT_EQ(added->BPM, 88);
    EXPECT_EQ(added->description, "in A");
    ASSERT_EQ(added->patterns.Count(), 1);
    EXPECT_EQ(added->patterns.patterns[0]->id, 1);
    EXPECT_EQ(added->patterns.nextId, 2);
    EXPECT_EQ(prompter_.shown.back().text, "Progression imported successfully.");
    EXPECT_EQ(import.Imported(), nullptr);
}

TEST_F(ImportFlowTest, ANameTakenInTheTuningNeedsANewOneAndTheOldIsRefusedWith65041) {
    list_.CreateProgression(0, "Blues");
    list_.CreateProgression(0, "Blues 2");
    CImportFlow import(list_, prompter_);
    ASSERT_TRUE(import.Read(path_));
    EXPECT_TRUE(import.NeedsNewName());
    EXPECT_EQ(import.Finish(), nullptr);  // not while the name clashes
    for (const char* taken : {"Blues", "Blues 2", " Blues "}) {
        EXPECT_FALSE(import.TryNewName(taken));
        EXPECT_EQ(prompter_.shown.back().text,
                  "A progression with this new name already exists.  Please choose another "
                  "name.");
    }
    EXPECT_FALSE(import.TryNewName("  "));
    EXPECT_TRUE(import.TryNewName("blues"));  // names compare with their case
    EXPECT_FALSE(import.NeedsNewName());
    CProgression* added = import.Finish();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->name, "blues");
    EXPECT_EQ(list_.progressions.size(), 3u);
}

TEST_F(ImportFlowTest, CancellingTheRenameImportsNothing) {
    list_.CreateProgression(0, "Blues");
    CImportFlow import(list_, prompter_);
    ASSERT_TRUE(import.Read(path_));
    import.Cancel();
    EXPECT_EQ(import.Finish(), nullptr);
    EXPECT_EQ(list_.progressions.size(), 1u);
    EXPECT_EQ(list_.nextId, 1);
}

TEST_F(ImportFlowTest, AFileThatDoesNotReadImportsNothingAndIsLeftAlone) {
    const Bytes whole = ReadFileBytes(path_);
    struct Case {
        const char* what;
        Bytes bytes;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"empty", {}, "empty"},
        {"truncated", Bytes(whole.begin(), whole.end() - 3), "at byte"},
        {"tag 0x8000", {0x01, 0x00, 0x00, 0x80}, "0x8000 (class index 0) at byte 2"},
    };
    for (const Case& c : cases) {
        const fs::path bad = dir_ / "bad.fqp";
        WriteFileBytes(bad, c.bytes);
        RecordingPrompter prompter;
        CImportFlow import(list_, prompter);
        EXPECT_FALSE(import.Read(bad.string())) << c.what;
        EXPECT_EQ(import.Imported(), nullptr);
        EXPECT_EQ(import.Finish(), nullptr);
        ASSERT_EQ(prompter.shown.size(), 1u) << c.what;
        EXPECT_EQ(prompter.shown[0].kind, PromptKind::Error);
        EXPECT_NE(prompter.shown[0].text.find("bad.fqp"), std::string::npos);
        EXPECT_NE(prompter.shown[0].text.find(c.says), std::string::npos)
            << prompter.shown[0].text;
        EXPECT_EQ(ReadFileBytes(bad), c.bytes) << c.what;  // never renamed or changed
    }
    RecordingPrompter prompter;
    CImportFlow import(list_, prompter);
    EXPECT_FALSE(import.Read((dir_ / "none.fqp").string()));
    EXPECT_TRUE(list_.progressions.empty());

    std::string chosen;
    EXPECT_FALSE(CImportFlow::CheckChoice(dir_.Path().string(), "", prompter, chosen));
    EXPECT_EQ(prompter.shown.back().text, "Please choose a progression to import.");
    EXPECT_TRUE(CImportFlow::CheckChoice(dir_.Path().string(), "Blues.fqp", prompter, chosen));
    EXPECT_EQ(chosen, path_);
}

TEST_F(ImportFlowTest, AListWithNoIdLeftSaysSoInsteadOfReportingSuccess) {
    list_.nextId = std::numeric_limits<int>::max();
    CImportFlow import(list_, prompter_);
    ASSERT_TRUE(import.Read(path_));
    EXPECT_EQ(import.Finish(), nullptr);
    ASSERT_EQ(prompter_.shown.size(), 1u);
    EXPECT_EQ(prompter_.shown[0].kind, PromptKind::Error);
    EXPECT_TRUE(list_.progressions.empty());
}

TEST(ExchangeFileTest, AFailedImportLeavesTheProgressionAsItWas) {
    TempDir dir;
    const fs::path bad = dir / "bad.fqp";
    Bytes bytes;
    ASSERT_TRUE(StoreToBytes(*Blues(), bytes));
    bytes.resize(bytes.size() - 1);
    WriteFileBytes(bad, bytes);
    CProgression progression;
    progression.name = "mine";
    RecordingPrompter prompter;
    EXPECT_FALSE(ImportFrom(progression, bad, prompter));
    EXPECT_EQ(progression.name, "mine");
    EXPECT_EQ(progression.patterns.Count(), 0);
}

}  // namespace
