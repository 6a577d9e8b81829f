#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include "dialogs/beat_lamp.h"
#include "dialogs/pattern_dlg.h"
#include "dialogs/progression_editor_dlg.h"
#include "dialogs/sort_list_ctrl.h"
#include "library/favorites_list.h"
#include "library/library_messages.h"
#include "library/progression_list.h"
#include "tests/dialogs/dialog_fixtures.h"

namespace msg = library_messages;

namespace {

class ProgressionEditorTest : public ::testing::Test {
protected:
    CProgressionList progressions;
    CFavoritesList favorites;
    std::unique_ptr<CAppSettings> settings = TestSettings();
    RecordingNotePlayer player;
    ScriptedPrompter prompter;
    CLibraryContext context{progressions, favorites, *settings, player, prompter};
    CProgression* stored = nullptr;

    void SetUp() override {
        stored = progressions.CreateProgression(0, "Blues");
        stored->description = "twelve bars";
        // Pattern i plucks string i once.
        for (int i = 1; i <= 5; ++i) {
            auto pattern = std::make_unique<CPattern>();
            pattern->name = "P" + std::to_string(i);
            pattern->chord.strum = 0;
            pattern->chord.pickPattern = std::to_string(i);
            stored->patterns.AddPattern(std::move(pattern), true);
        }
    }

    static QStringList Names(const CProgressionEditorDlg& editor) {
        QStringList names;
        for (int row = 0; row < editor.PatternList()->topLevelItemCount(); ++row) {
            names << editor.PatternList()->CellText(row, 0);
        }
        return names;
    }
    static std::vector<std::string> StoredNames(const CProgression& progression) {
        std::vector<std::string> names;
        for (const auto& pattern : progression.patterns.patterns) {
            names.push_back(pattern->name + "#" + std::to_string(pattern->id));
        }
        return names;
    }
    static bool Enabled(const CProgressionEditorDlg& editor, const char* action) {
        return editor.Action(action)->isEnabled();
    }
};

TEST_F(ProgressionEditorTest, CancelLeavesTheStoredProgressionAsItWas) {
    const auto before = StoredNames(*stored);
    {
        CProgressionEditorDlg editor(context, *stored);
        editor.show();
        EXPECT_EQ(editor.windowTitle(), "Progression Editor");
        EXPECT_EQ(Names(editor), (QStringList{"P1", "P2", "P3", "P4", "P5"}));
        EXPECT_EQ(editor.PatternList()->CellText(0, 1), "1");
        editor.PatternList()->SelectRow(1);
        editor.DeletePattern();
        editor.NameEdit()->setText("Changed");
        editor.TempoSlider()->setValue(200);
        ClickCancel(editor);
    }
    EXPECT_EQ(progressions.FindProgression(stored->id), stored);
    EXPECT_EQ(StoredNames(*stored), before);
    EXPECT_EQ(stored->name, "Blues");
    EXPECT_EQ(stored->BPM, 120);
    EXPECT_EQ(prompter.Last(), "Are you sure you want to delete 'P2'?");
    EXPECT_EQ(settings->progMgrBpm, 200);
}

TEST_F(ProgressionEditorTest, OkStoresTheCopyAndRefusesNamesTakenInTheTuning) {
    progressions.CreateProgression(0, "Taken");
    progressions.CreateProgression(5, "Other tuning");
    CProgressionEditorDlg editor(context, *stored);
    editor.show();
    editor.PatternList()->SelectRow(0);
    prompter.answers = {PromptAnswer::Yes};
    editor.DeletePattern();
    for (const auto& [name, refusal] : std::vector<std::pair<QString, std::string>>{
             {"Taken", msg::kProgressionNameTaken}, {"   ", kEnterEditedProgressionName}}) {
        editor.NameEdit()->setText(name);
        ClickOk(editor);
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(prompter.Last(), refusal);
    }
    editor.NameEdit()->setText(" Other tuning ");
    editor.TempoSlider()->setValue(90);
    ClickOk(editor);
    ASSERT_EQ(editor.result(), QDialog::Accepted);
    const CProgression* now = progressions.FindProgression(editor.Stored()->id);
    ASSERT_EQ(now, editor.Stored());
    EXPECT_EQ(now->name, "Other tuning");
    EXPECT_EQ(now->BPM, 90);
    EXPECT_EQ(now->description, "twelve bars");
    EXPECT_EQ(now->patterns.Count(), 4);
}

TEST_F(ProgressionEditorTest, PlaysFromTheChosenRowOneSlotPerBeatWithTheRowMarked) {
    CProgressionEditorDlg editor(context, *stored);
    editor.show();
    EXPECT_EQ(editor.TempoLabel()->text(), "BPM: 120");
    EXPECT_EQ(editor.BeatPeriodMs(), 250);
    EXPECT_EQ(editor.PatternList()->SelectedRow(), 0);
    editor.PatternList()->clearSelection();
    EXPECT_FALSE(Enabled(editor, "Play"));
    editor.PatternList()->SelectRow(2);
    ASSERT_TRUE(Enabled(editor, "Play"));
    editor.Action("Play")->trigger();
    EXPECT_TRUE(Enabled(editor, "Stop"));
    EXPECT_FALSE(Enabled(editor, "Play"));
    std::vector<int> marks;
    std::vector<bool> lamps;
    for (int tick = 0; tick < 8; ++tick) {
        editor.BeatTick();
        marks.push_back(editor.PatternList()->PlayingRow());
        lamps.push_back(editor.Lamp()->IsLit());
    }
    EXPECT_EQ(player.Sounded(), (std::vector<std::string>{"s3", "s4", "s5"}));
    EXPECT_EQ(marks, (std::vector<int>{2, 2, 2, 3, 3, 4, 4, -1}));
    EXPECT_EQ(lamps, (std::vector<bool>{true, false, true, false, true, false, true, false}));
    EXPECT_FALSE(editor.IsPlaying());
    EXPECT_TRUE(Enabled(editor, "Play"));
    EXPECT_FALSE(Enabled(editor, "Stop"));

    settings->soundPack.clear();
    editor.Action("Play")->trigger();
    EXPECT_EQ(prompter.Last(), kNoSoundPackMessage);
    EXPECT_FALSE(editor.IsPlaying());
}

TEST_F(ProgressionEditorTest, MovingAndDeletingWhilePlayingKeepTheMarkOnTheSoundingPattern) {
    CProgressionEditorDlg editor(context, *stored);
    editor.show();
    editor.PatternList()->SelectRow(0);
    EXPECT_FALSE(Enabled(editor, "Move up"));
    EXPECT_TRUE(Enabled(editor, "Move down"));
    editor.Action("Move down")->trigger();
    EXPECT_EQ(Names(editor), (QStringList{"P2", "P1", "P3", "P4", "P5"}));
    EXPECT_EQ(editor.PatternList()->SelectedRow(), 1);
    EXPECT_EQ(StoredNames(*editor.WorkingCopy())[1], "P1#0");
    editor.Action("Move up")->trigger();
    EXPECT_EQ(Names(editor), (QStringList{"P1", "P2", "P3", "P4", "P5"}));
    EXPECT_EQ(editor.PatternList()->SelectedRow(), 0);

    editor.PatternList()->SelectRow(1);
    editor.Play();
    editor.BeatTick();
    editor.BeatTick();  // P2 sounds
    ASSERT_EQ(editor.PatternList()->PlayingRow(), 1);
    editor.PatternList()->SelectRow(0);
    editor.DeletePattern();  // P1, above the sounding pattern
    EXPECT_EQ(editor.PatternList()->PlayingRow(), 0);
    EXPECT_EQ(editor.PatternList()->CellText(0, 0), "P2");
    editor.PatternList()->SelectRow(0);
    editor.MoveDown();  // P2 goes below P3 and starts again there
    EXPECT_EQ(editor.PatternList()->PlayingRow(), 1);
    editor.BeatTick();
    editor.BeatTick();
    EXPECT_EQ(editor.PatternList()->CellText(editor.PatternList()->PlayingRow(), 0), "P2");
    EXPECT_EQ(player.Sounded(), (std::vector<std::string>{"s2", "s2"}));
    editor.Stop();
    EXPECT_EQ(editor.PatternList()->PlayingRow(), -1);
}

TEST_F(ProgressionEditorTest, AddFromFavoriteAddsToTheWorkingCopyKeepingEarlierEdits) {
    CProgressionEditorDlg editor(context, *stored);
    editor.show();
    editor.AddFromFavorite();
    EXPECT_EQ(prompter.Last(), "There are no favorites in this tuning (EADGBE)");

    auto favorite = std::make_unique<CFavorite>();
    favorite->name = "Open";
    favorites.AddFavorite(std::move(favorite));
    editor.PatternList()->SelectRow(4);
    editor.DeletePattern();
    ModalScript script;
    script.Then([](CFramedDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Add from Favorite");
        static_cast<CPatternDlg&>(dialog).NameEdit()->setText("From fav");
        ClickOk(dialog);
    });
    editor.AddFromFavorite();
    EXPECT_EQ(Names(editor), (QStringList{"P1", "P2", "P3", "P4", "From fav"}));
    EXPECT_EQ(stored->patterns.Count(), 5);
    EXPECT_EQ(StoredNames(*stored).back(), "P5#4");
    ClickOk(editor);
    const auto names = StoredNames(*editor.Stored());
    EXPECT_EQ(names, (std::vector<std::string>{"P1#0", "P2#1", "P3#2", "P4#3", "From fav#5"}));
}

TEST_F(ProgressionEditorTest, EditPatternRewritesItsRowAndTemposStayInRange) {
    stored->BPM = 20;
    CProgressionEditorDlg editor(context, *stored);
    editor.show();
    EXPECT_EQ(editor.TempoSlider()->value(), 60);
    EXPECT_EQ(editor.TempoLabel()->text(), "BPM: 60");
    EXPECT_EQ(editor.BeatPeriodMs(), 500);
    editor.TempoSlider()->setValue(500);
    EXPECT_EQ(editor.TempoLabel()->text(), "BPM: 320");

    ModalScript script;
    script.Then([](CFramedDialog& dialog) {
        auto& pattern = static_cast<CPatternDlg&>(dialog);
        EXPECT_EQ(pattern.NameEdit()->text(), "P3");
        Click(pattern.StrumRadio());
        ClickOk(dialog);
    });
    // Enter on a row edits it, and does not also close the editor.
    editor.PatternList()->SelectRow(2);
    QTest::keyClick(editor.PatternList(), Qt::Key_Return);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(script.steps.empty());
    EXPECT_EQ(editor.PatternList()->CellText(2, 1), kStrumDisplayText);
    EXPECT_EQ(stored->patterns.patterns[2]->PatternText(), "3");
}

}  // namespace
