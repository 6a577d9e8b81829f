#include "dialogs/library_commands.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/add_progression_dlg.h"
#include "dialogs/library_context.h"
#include "dialogs/tip_dlg.h"
#include "guitar/chord.h"
#include "library/favorites_list.h"
#include "library/library_messages.h"
#include "library/progression_list.h"
#include "settings/tips.h"
#include "tests/dialogs/dialog_fixtures.h"

namespace {

TEST(TipDlgTest, OpeningShowsTheNextTipAndTheButtonsStepRoundAllTwenty) {
    auto settings = TestSettings();
    settings->currentTip = kLastTipId;
    CTipDlg tip(*settings);
    tip.show();
    EXPECT_EQ(tip.HeaderTitle(), "Tip of the day");
    EXPECT_EQ(tip.TipLabel()->text().toStdString(), TipText(kFirstTipId));
    EXPECT_EQ(settings->currentTip, kFirstTipId);
    Click(tip.PrevButton());
    EXPECT_EQ(settings->currentTip, kLastTipId);
    EXPECT_EQ(tip.TipLabel()->text(), "Don't run with scissors.");
    QStringList seen;
    for (int i = 0; i < kTipCount; ++i) {
        Click(tip.NextButton());
        seen << tip.TipLabel()->text();
    }
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), kTipCount);
    EXPECT_EQ(settings->currentTip, kLastTipId);
}

TEST(LibraryCommandsTest, AddToMakesAProgressionWhenThereIsNoneAndOpensTheEditorOnIt) {
    CProgressionList progressions;
    CFavoritesList favorites;
    auto settings = TestSettings();
    RecordingNotePlayer player;
    ScriptedPrompter prompter;
    const CLibraryContext context{progressions, favorites, *settings, player, prompter};
    CChord chord;
    chord.root = kNoteC;
    chord.chordType = 0;
    ModalScript script;
    script.Then([](CFramedDialog& add) {
        static_cast<CAddProgressionDlg&>(add).NameEdit()->setText("First");
        ClickOk(add);
    });
    script.Then([](CFramedDialog& pattern) { ClickOk(pattern); });
    script.Then([](CFramedDialog& editor) { ClickCancel(editor); });
    CAddToProgressionRequest request;
    request.chord = &chord;
    EXPECT_TRUE(AddToProgressionCommand(nullptr, context, request));
    EXPECT_EQ(prompter.texts.front(), library_messages::kNoProgressionToAddTo);
    EXPECT_EQ(script.opened,
              (std::vector<QString>{"Add Progression", "Add Pattern", "Progression Editor"}));
    const CProgression* first = progressions.FindByName("First", 0);
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(first->patterns.Count(), 1);
    EXPECT_EQ(first->patterns.patterns[0]->name, "C Major");

    // Cancelling the pattern dialog opens no editor.
    script.Then([](CFramedDialog& pattern) { ClickCancel(pattern); });
    EXPECT_FALSE(AddToProgressionCommand(nullptr, context, request));
    EXPECT_EQ(script.opened.size(), 4u);
}

}  // namespace
