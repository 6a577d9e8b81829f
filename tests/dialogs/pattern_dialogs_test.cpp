#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "dialogs/add_progression_dlg.h"
#include "dialogs/pattern_dlg.h"
#include "dialogs/pick_pattern_list_ctrl.h"
#include "dialogs/sort_list_ctrl.h"
#include "guitar/chord.h"
#include "library/favorites_list.h"
#include "library/library_messages.h"
#include "library/pattern_edit.h"
#include "library/progression_list.h"
#include "tests/dialogs/dialog_fixtures.h"

namespace msg = library_messages;

namespace {

constexpr int kMinor = 5;

class PatternDialogsTest : public ::testing::Test {
protected:
    CProgressionList progressions;
    CFavoritesList favorites;
    std::unique_ptr<CAppSettings> settings = TestSettings();
    RecordingNotePlayer player;
    ScriptedPrompter prompter;
    CLibraryContext context{progressions, favorites, *settings, player, prompter};
    CChord viewChord;

    PatternDialogsTest() {
        viewChord.root = kNoteG;
        viewChord.chordType = kMinor;
        viewChord.variation = 3;
        viewChord.strum = 1;
        viewChord.loopPattern = 1;
    }

    CPatternDlgInput AddInput(int progressionId = -1) const {
        CPatternDlgInput input;
        input.mode = PatternDlgMode::AddPattern;
        input.tuningKey = 0;
        input.progressionId = progressionId;
        input.viewChord = &viewChord;
        input.note = viewChord.root;
        input.chordType = viewChord.chordType;
        input.variation = viewChord.variation;
        return input;
    }
};

void ChooseRow(CPickPatternListCtrl& patterns, const QString& text) {
    for (int row = 0; row < patterns.List()->topLevelItemCount(); ++row) {
        if (patterns.List()->CellText(row, 0) == text) {
            patterns.List()->SelectRow(row);
            return;
        }
    }
    FAIL() << text.toStdString();
}

TEST_F(PatternDialogsTest, APatternNameIsRefusedTwiceInOneProgressionAndTakenInAnother) {
    CProgression* blues = progressions.CreateProgression(0, "Blues");
    CProgression* rock = progressions.CreateProgression(0, "Rock");
    progressions.CreateProgression(4, "Elsewhere");
    {
        CPatternDlg dialog(context, AddInput(blues->id));
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Add Pattern");
        EXPECT_EQ(dialog.ChooserCombo()->count(), 2);
        EXPECT_EQ(dialog.NameEdit()->text(), "G Minor");
        EXPECT_EQ(dialog.ChordText("Var:"), "3");
        ClickOk(dialog);
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
    }
    ASSERT_EQ(blues->patterns.Count(), 1);
    const CPattern& stored = *blues->patterns.patterns[0];
    EXPECT_EQ(stored.chord.pickPattern, "123456");
    EXPECT_EQ(stored.chord.strum, 0);
    EXPECT_EQ(stored.chord.loopPattern, 0);

    CPatternDlg again(context, AddInput(blues->id));
    again.show();
    ClickOk(again);
    EXPECT_TRUE(again.isVisible());
    EXPECT_EQ(prompter.Last(), msg::kPatternNameTaken);
    again.ChooserCombo()->setCurrentIndex(1);
    ClickOk(again);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(again.ProgressionId(), rock->id);
    EXPECT_EQ(rock->patterns.Count(), 1);
    EXPECT_EQ(blues->patterns.Count(), 1);
}

TEST_F(PatternDialogsTest, TestPlaysTheTimesAtHalfASlotAndCancelLeavesTheViewsChordAlone) {
    CProgression* slow = progressions.CreateProgression(0, "Slow");
    slow->BPM = 100;
    settings->patterns = "12";
    CPatternDlg dialog(context, AddInput(slow->id));
    dialog.show();
    ChooseRow(*dialog.Patterns(), "12");
    dialog.TimesSpin()->setValue(2);
    Click(dialog.TestButton());
    EXPECT_TRUE(dialog.IsTesting());
    EXPECT_EQ(dialog.TestPeriodMs(), 300);  // half a slot at 100 BPM
    EXPECT_FALSE(dialog.TimesSpin()->isEnabled());
    EXPECT_EQ(dialog.TestButton()->text().remove('&'), "Stop Test");
    for (int tick = 0; tick < 5; ++tick) {
        dialog.TestTick();
    }
    EXPECT_EQ(player.Sounded(), (std::vector<std::string>{"s1", "s2", "s1", "s2"}));
    EXPECT_FALSE(dialog.IsTesting());
    EXPECT_EQ(dialog.TestButton()->text().remove('&'), "Test");
    EXPECT_TRUE(dialog.TimesSpin()->isEnabled());

    ClickCancel(dialog);
    EXPECT_EQ(viewChord.pickPattern, "123456");
    EXPECT_EQ(viewChord.strum, 1);
    EXPECT_EQ(viewChord.loopPattern, 1);
    EXPECT_EQ(slow->patterns.Count(), 0);
}

TEST_F(PatternDialogsTest, TestWithoutAProgressionUsesTheChordTempoAndNeedsASoundPack) {
    settings->chordBpm = 180;
    CPatternDlg dialog(context, AddInput());
    dialog.show();
    Click(dialog.TestButton());
    EXPECT_EQ(dialog.TestPeriodMs(), 166);
    Click(dialog.TestButton());
    EXPECT_FALSE(dialog.IsTesting());

    Click(dialog.StrumRadio());
    EXPECT_FALSE(dialog.Patterns()->List()->isEnabled());
    Click(dialog.TestButton());
    EXPECT_EQ(player.Sounded(), (std::vector<std::string>{"strum"}));
    EXPECT_FALSE(dialog.IsTesting());

    settings->soundPack.clear();
    Click(dialog.TestButton());
    EXPECT_EQ(prompter.Last(), kNoSoundPackMessage);
    EXPECT_EQ(player.Sounded().size(), 1u);
}

TEST_F(PatternDialogsTest, OkNeedsAPickPatternRowAndTheTimesStayWithinOneToTen) {
    CProgression* blues = progressions.CreateProgression(0, "Blues");
    settings->patterns = "321";
    CPatternDlg dialog(context, AddInput(blues->id));
    dialog.show();
    // Enter in the pattern box adds the pattern and leaves the dialog open.
    QTest::keyClicks(dialog.Patterns()->PatternEdit(), "6");
    QTest::keyClick(dialog.Patterns()->PatternEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Patterns()->SelectedText(), "6");
    EXPECT_EQ(dialog.WorkingChord().pickPattern, "6");
    ChooseRow(*dialog.Patterns(), "321");
    Click(dialog.Patterns()->DeleteButton());
    ClickOk(dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(prompter.Last(), kChoosePickPattern);
    EXPECT_EQ(blues->patterns.Count(), 0);

    for (const auto& [typed, shown] : std::vector<std::pair<int, int>>{{0, 1}, {7, 7}, {15, 10}}) {
        dialog.TimesSpin()->setValue(typed);
        EXPECT_EQ(dialog.TimesSpin()->value(), shown) << typed;
    }
    Click(dialog.StrumRadio());
    ClickOk(dialog);
    ASSERT_EQ(blues->patterns.Count(), 1);
    EXPECT_EQ(blues->patterns.patterns[0]->PatternText(), kStrumDisplayText);
    EXPECT_EQ(blues->patterns.patterns[0]->NumTimesToPlay, 10);
}

TEST_F(PatternDialogsTest, AddingFromAFavoriteGoesIntoTheGivenProgressionOnly) {
    auto favorite = std::make_unique<CFavorite>();
    favorite->mode = ProgramMode::ChordPlotter;
    favorite->name = "Dark";
    favorite->chord.root = kNoteGFlat;
    favorite->chord.chordType = kMinor;
    favorite->chord.variation = 4;
    favorites.AddFavorite(std::move(favorite));
    CProgression* stored = progressions.CreateProgression(0, "Stored");
    auto copy = CProgressionList::Clone(*stored);

    CPatternDlgInput input;
    input.mode = PatternDlgMode::AddFromFavorite;
    input.target = copy.get();
    CPatternDlg dialog(context, input);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Add from Favorite");
    EXPECT_EQ(dialog.ChooserLabel()->text().remove('&'), "Pick fav:");
    EXPECT_FALSE(dialog.NewButton()->isEnabled());
    EXPECT_EQ(dialog.ChordText("Note:"), "F#");
    EXPECT_EQ(dialog.NameEdit()->text(), "F# Minor");
    ClickOk(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(copy->patterns.Count(), 1);
    EXPECT_EQ(copy->patterns.patterns[0]->chord.variation, 4);
    EXPECT_EQ(stored->patterns.Count(), 0);
}

TEST_F(PatternDialogsTest, EditingChecksNamesInTheEditorsOwnCopyLeavingThePatternOut) {
    CProgression* other = progressions.CreateProgression(0, "First in the list");
    other->patterns.AddPattern(std::make_unique<CPattern>(), true);
    other->patterns.patterns[0]->name = "Free here";
    CProgression* stored = progressions.CreateProgression(0, "Mine");
    auto copy = CProgressionList::Clone(*stored);
    for (const char* name : {"Intro", "Verse"}) {
        auto pattern = std::make_unique<CPattern>();
        pattern->name = name;
        copy->patterns.AddPattern(std::move(pattern), true);
    }
    CPattern* verse = copy->patterns.patterns[1].get();
    verse->chord.strum = 0;
    verse->chord.pickPattern = "1R";
    settings->patterns = "1R";

    CPatternDlgInput input;
    input.mode = PatternDlgMode::EditPattern;
    input.target = copy.get();
    input.pattern = verse;
    CPatternDlg dialog(context, input);
    dialog.show();
    EXPECT_EQ(dialog.ChooserCombo()->currentText(), "Mine");
    EXPECT_FALSE(dialog.ChooserCombo()->isEnabled());
    EXPECT_EQ(dialog.Patterns()->SelectedText(), "1R");
    dialog.NameEdit()->setText("Intro");
    ClickOk(dialog);
    EXPECT_EQ(prompter.Last(), msg::kPatternNameTaken);
    dialog.NameEdit()->setText(" Verse ");
    dialog.TimesSpin()->setValue(3);
    ClickOk(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(verse->name, "Verse");
    EXPECT_EQ(verse->NumTimesToPlay, 3);
    EXPECT_EQ(verse->chord.pickPattern, "1R");

    CPatternDlg rename(context, input);
    rename.NameEdit()->setText("Free here");
    ClickOk(rename);
    EXPECT_EQ(rename.result(), QDialog::Accepted);
    EXPECT_EQ(verse->name, "Free here");
}

TEST_F(PatternDialogsTest, AddingToATuningWithoutProgressionsGoesThroughAddProgressionFirst) {
    ModalScript script;
    {
        CPatternDlg dialog(context, AddInput());
        script.Then([](CFramedDialog& add) { ClickCancel(add); });
        EXPECT_EQ(dialog.Run(), QDialog::Rejected);
        EXPECT_EQ(prompter.Last(), msg::kNoProgressionToAddTo);
    }
    CPatternDlg dialog(context, AddInput());
    script.Then([](CFramedDialog& add) {
        static_cast<CAddProgressionDlg&>(add).NameEdit()->setText("New one");
        ClickOk(add);
    });
    script.Then([](CFramedDialog& pattern) {
        EXPECT_EQ(static_cast<CPatternDlg&>(pattern).ChooserCombo()->currentText(), "New one");
        ClickOk(pattern);
    });
    EXPECT_EQ(dialog.Run(), QDialog::Accepted);
    EXPECT_EQ(script.opened,
              (std::vector<QString>{"Add Progression", "Add Progression", "Add Pattern"}));
    ASSERT_NE(progressions.FindByName("New one", 0), nullptr);
    EXPECT_EQ(progressions.FindByName("New one", 0)->patterns.Count(), 1);
}

TEST_F(PatternDialogsTest, AddProgressionNamesCopiesAndItsRefusals) {
    CProgression* source = progressions.CreateProgression(0, "Source");
    source->BPM = 90;
    source->patterns.AddPattern(std::make_unique<CPattern>(), true);
    source->created = source->modified = 1000;
    progressions.CreateProgression(4, "Elsewhere");

    CAddProgressionDlg dialog(context, 0);
    dialog.show();
    EXPECT_EQ(dialog.TuningNameLabel()->text(), "Standard E");
    EXPECT_TRUE(dialog.CreateNewRadio()->isChecked());
    EXPECT_FALSE(dialog.SourceCombo()->isEnabled());
    Click(dialog.CopyRadio());
    EXPECT_TRUE(dialog.SourceCombo()->isEnabled());
    // A tuning without progressions: the choice goes back to "Create new".
    dialog.TuningCombo()->setCurrentIndex(1);
    EXPECT_FALSE(dialog.CopyRadio()->isEnabled());
    EXPECT_TRUE(dialog.CreateNewRadio()->isChecked());
    dialog.TuningCombo()->setCurrentIndex(-1);
    dialog.NameEdit()->setText("Elsewhere");
    ClickOk(dialog);
    EXPECT_EQ(prompter.Last(), kChooseTuning);
    dialog.TuningCombo()->setCurrentIndex(0);
    dialog.NameEdit()->setText("  ");
    ClickOk(dialog);
    EXPECT_EQ(prompter.Last(), msg::kEnterProgressionName);
    dialog.NameEdit()->setText("Source");
    ClickOk(dialog);
    EXPECT_EQ(prompter.Last(),
              "A progression with the name 'Source' already exists in this tuning.  Please "
              "choose another name.");
    dialog.NameEdit()->setText(" Elsewhere ");
    dialog.DescriptionEdit()->setText("a copy");
    Click(dialog.CopyRadio());
    // The source gone meanwhile: said, and nothing made.
    auto kept = CProgressionList::Clone(*source);
    progressions.RemoveProgression(source->id);
    ClickOk(dialog);
    EXPECT_EQ(prompter.Last(), kCopySourceGone);
    EXPECT_EQ(dialog.Created(), nullptr);
    source = progressions.AddProgression(std::move(kept));
    dialog.SourceCombo()->setItemData(0, source->id);
    ClickOk(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const CProgression* copy = dialog.Created();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->name, "Elsewhere");
    EXPECT_EQ(copy->tuningKey, 0);
    EXPECT_EQ(copy->BPM, 90);
    EXPECT_EQ(copy->patterns.Count(), 1);
    EXPECT_EQ(copy->description, "a copy");
    EXPECT_NE(copy->created, 1000);
    EXPECT_NE(copy->id, source->id);
}

}  // namespace
