#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "dialogs/add_progression_dlg.h"
#include "dialogs/file_choosers.h"
#include "dialogs/progression_editor_dlg.h"
#include "dialogs/progression_manager_dlg.h"
#include "dialogs/rename_progression_dlg.h"
#include "dialogs/sort_list_ctrl.h"
#include "library/favorites_list.h"
#include "library/library_messages.h"
#include "library/progression_list.h"
#include "tests/dialogs/dialog_fixtures.h"
#include "tests/util/temp_dir.h"

namespace msg = library_messages;

namespace {

class ProgressionManagerTest : public ::testing::Test {
protected:
    CProgressionList progressions;
    CFavoritesList favorites;
    std::unique_ptr<CAppSettings> settings = TestSettings();
    RecordingNotePlayer player;
    ScriptedPrompter prompter;
    CLibraryContext context{progressions, favorites, *settings, player, prompter};
    TempDir files;
    std::deque<QString> exportChoices;
    std::deque<QString> importChoices;
    int exportAsked = 0;

    void SetUp() override {
        for (const auto& [key, name] :
             std::vector<std::pair<int, std::string>>{{0, "Blues"}, {0, "Rock"}, {3, "Open G"}}) {
            CProgression* made = progressions.CreateProgression(key, name);
            auto pattern = std::make_unique<CPattern>();
            pattern->name = "strum";
            pattern->NumTimesToPlay = 2;
            made->patterns.AddPattern(std::move(pattern), true);
        }
        SetExportFileChooser([this](QWidget*, const QString&) {
            ++exportAsked;
            return Next(exportChoices);
        });
        SetImportFileChooser([this](QWidget*) { return Next(importChoices); });
    }
    void TearDown() override {
        SetExportFileChooser(nullptr);
        SetImportFileChooser(nullptr);
    }
    static QString Next(std::deque<QString>& choices) {
        if (choices.empty()) {
            return {};
        }
        QString next = choices.front();
        choices.pop_front();
        return next;
    }
    QString File(const std::string& name) const {
        return QString::fromStdString((files / name).string());
    }
    static QStringList Rows(const CProgressionManagerDlg& manager) {
        QStringList rows;
        for (int row = 0; row < manager.ProgressionList()->topLevelItemCount(); ++row) {
            rows << manager.ProgressionList()->CellText(row, 0);
        }
        return rows;
    }
    static bool Enabled(const CProgressionManagerDlg& manager, const char* action) {
        return manager.Action(action)->isEnabled();
    }
};

TEST_F(ProgressionManagerTest, ListsTheTuningsProgressionsWithDetailsAndTheToolBarFollows) {
    CProgressionManagerDlg manager(context, 0);
    manager.show();
    EXPECT_EQ(manager.windowTitle(), "Progression Manager");
    EXPECT_EQ(Rows(manager), (QStringList{"Blues", "Rock"}));
    EXPECT_EQ(manager.TuningNameLabel()->text(), "Standard E");
    EXPECT_EQ(manager.Details()->topLevelItemCount(), 0);
    for (const char* action : {"Edit", "Delete", "Export", "Play", "Stop"}) {
        EXPECT_FALSE(Enabled(manager, action)) << action;
    }
    EXPECT_TRUE(Enabled(manager, "New"));
    EXPECT_TRUE(Enabled(manager, "Import"));

    manager.ProgressionList()->SelectRow(1);
    for (const char* action : {"Edit", "Delete", "Export", "Play"}) {
        EXPECT_TRUE(Enabled(manager, action)) << action;
    }
    ASSERT_EQ(manager.Details()->topLevelItemCount(), 5);
    QStringList keys;
    for (int row = 0; row < 5; ++row) {
        keys << manager.Details()->topLevelItem(row)->text(0);
    }
    EXPECT_EQ(keys, (QStringList{"Description:", "# patterns:", "BPM:", "Created:", "Modified:"}));
    EXPECT_EQ(manager.Details()->topLevelItem(2)->text(1), "  120");
    EXPECT_TRUE(manager.Details()->topLevelItem(0)->font(0).bold());

    manager.SelectTuning(3);
    EXPECT_EQ(Rows(manager), (QStringList{"Open G"}));
    manager.SelectTuning(kCustomTuning);
    EXPECT_EQ(manager.TuningCombo()->currentText(), "Custom");
    EXPECT_TRUE(Rows(manager).isEmpty());
}

TEST_F(ProgressionManagerTest, PlaysTheSelectedProgressionOneSlotPerTickUntilItEnds) {
    CProgressionManagerDlg manager(context, 0);
    manager.show();
    manager.ProgressionList()->SelectRow(0);
    manager.Action("Play")->trigger();
    EXPECT_TRUE(manager.IsPlaying());
    EXPECT_EQ(manager.PlayPeriodMs(), 500);
    EXPECT_EQ(manager.ProgressionList()->PlayingRow(), 0);
    EXPECT_TRUE(Enabled(manager, "Stop"));
    EXPECT_FALSE(Enabled(manager, "Play"));
    for (int tick = 0; tick < 3; ++tick) {
        manager.PlayTick();
    }
    EXPECT_EQ(player.Sounded(), (std::vector<std::string>{"strum", "strum"}));
    EXPECT_FALSE(manager.IsPlaying());
    EXPECT_EQ(manager.ProgressionList()->PlayingRow(), -1);
    EXPECT_TRUE(Enabled(manager, "Play"));
    EXPECT_FALSE(Enabled(manager, "Stop"));

    // Only muted strings: over at the first tick.
    CProgression* muted = progressions.FindByName("Rock", 0);
    CPattern& pattern = *muted->patterns.patterns[0];
    pattern.chord.strum = 0;
    pattern.chord.pickPattern = "1";
    pattern.chord.SetStringNote(1, kNoteMuted, 0);
    manager.ProgressionList()->SelectRow(1);
    manager.Play();
    manager.PlayTick();
    EXPECT_FALSE(manager.IsPlaying());
    EXPECT_TRUE(Enabled(manager, "Play"));

    settings->soundPack.clear();
    manager.Play();
    EXPECT_EQ(prompter.Last(), kNoSoundPackMessage);
}

TEST_F(ProgressionManagerTest, EditDeleteAndNewStopPlaybackFirst) {
    CProgressionManagerDlg manager(context, 0);
    manager.show();
    ModalScript script;
    const auto playFirst = [&] {
        manager.ProgressionList()->SelectRow(0);
        manager.Play();
        ASSERT_TRUE(manager.IsPlaying());
    };

    playFirst();
    script.Then([&](CFramedDialog& editor) {
        EXPECT_FALSE(manager.IsPlaying());
        static_cast<CProgressionEditorDlg&>(editor).NameEdit()->setText("Slow Blues");
        ClickOk(editor);
    });
    manager.Action("Edit")->trigger();
    EXPECT_EQ(Rows(manager), (QStringList{"Slow Blues", "Rock"}));
    manager.PlayTick();
    EXPECT_EQ(player.Sounded().size(), 0u);

    playFirst();
    manager.Action("Delete")->trigger();
    EXPECT_FALSE(manager.IsPlaying());
    EXPECT_EQ(prompter.Last(), "Are you sure you want to delete 'Slow Blues'?");
    EXPECT_EQ(Rows(manager), (QStringList{"Rock"}));
    EXPECT_EQ(progressions.FindByName("Slow Blues", 0), nullptr);

    playFirst();
    script.Then([](CFramedDialog& add) {
        static_cast<CAddProgressionDlg&>(add).NameEdit()->setText("Jazz");
        ClickOk(add);
    });
    manager.Action("New")->trigger();
    EXPECT_FALSE(manager.IsPlaying());
    EXPECT_EQ(Rows(manager), (QStringList{"Rock", "Jazz"}));
    EXPECT_EQ(manager.ProgressionList()->SelectedRow(), 1);
}

TEST_F(ProgressionManagerTest, ExportThenImportWithANameClashAsksForANewName) {
    CProgressionManagerDlg manager(context, 0);
    manager.show();
    manager.ProgressionList()->SelectRow(0);
    exportChoices = {File("Blues.fqp")};
    manager.Export();
    EXPECT_EQ(prompter.Last(), msg::kExportSuccessful);
    ASSERT_TRUE(std::filesystem::exists(files / "Blues.fqp"));

    // Again: the program asks before replacing; No lets the player choose again.
    prompter.answers = {PromptAnswer::No};
    exportChoices = {File("Blues"), File("Other.fqp")};
    manager.Export();
    EXPECT_TRUE(prompter.Saw("There is already a file called 'Blues' in directory"));
    EXPECT_EQ(exportAsked, 3);
    EXPECT_TRUE(std::filesystem::exists(files / "Other.fqp"));

    ModalScript script;
    script.Then([&](CFramedDialog& rename) {
        auto& dialog = static_cast<CRenameProgressionDlg&>(rename);
        EXPECT_EQ(rename.windowTitle(), "Rename progression");
        dialog.NameEdit()->setText("Rock");
        ClickOk(rename);
        EXPECT_EQ(prompter.Last(), msg::kProgressionNameTaken);
        ClickCancel(rename);
    });
    importChoices = {File("Blues.fqp")};
    manager.Play();
    ASSERT_TRUE(manager.IsPlaying());
    manager.Import();
    EXPECT_FALSE(manager.IsPlaying());
    EXPECT_EQ(progressions.CountInTuning(0), 2);

    script.Then([](CFramedDialog& rename) {
        static_cast<CRenameProgressionDlg&>(rename).NameEdit()->setText(" Blues 2 ");
        ClickOk(rename);
    });
    importChoices = {File("Blues.fqp")};
    manager.Import();
    EXPECT_EQ(prompter.Last(), msg::kImportSuccessful);
    EXPECT_EQ(Rows(manager), (QStringList{"Blues", "Rock", "Blues 2"}));
    EXPECT_EQ(manager.ProgressionList()->SelectedRow(), 2);
    const CProgression* imported = progressions.FindByName("Blues 2", 0);
    ASSERT_NE(imported, nullptr);
    EXPECT_EQ(imported->patterns.Count(), 1);
    EXPECT_EQ(imported->created, progressions.FindByName("Blues", 0)->created);
}

TEST_F(ProgressionManagerTest, ImportsOfAnotherTuningAddNoRowAndExportAsksAboutAnyExistingFile) {
    CProgressionManagerDlg manager(context, 3);
    manager.show();
    manager.ProgressionList()->SelectRow(0);
    exportChoices = {File("Open G.fqp")};
    manager.Export();
    progressions.FindByName("Open G", 3)->name = "Renamed meanwhile";
    manager.SelectTuning(0);
    importChoices = {File("Open G.fqp")};
    manager.Import();
    EXPECT_NE(progressions.FindByName("Open G", 3), nullptr);
    EXPECT_EQ(Rows(manager), (QStringList{"Blues", "Rock"}));

    // A file there that cannot be read is asked about too.
    const auto locked = files / "Locked.fqp";
    std::ofstream(locked) << "x";
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    manager.ProgressionList()->SelectRow(0);
    prompter.answers = {PromptAnswer::No};
    exportChoices = {File("Locked.fqp")};
    manager.Export();
    EXPECT_TRUE(prompter.Saw("There is already a file called 'Locked'"));
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
    EXPECT_EQ(std::filesystem::file_size(locked), 1u);
}

}  // namespace
