#include "dialogs/pick_pattern_list_ctrl.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "dialogs/sort_list_ctrl.h"
#include "tests/dialogs/dialog_fixtures.h"

namespace {

QStringList Rows(const CPickPatternListCtrl& control) {
    QStringList rows;
    for (int row = 0; row < control.List()->topLevelItemCount(); ++row) {
        rows << control.List()->CellText(row, 0);
    }
    return rows;
}

TEST(PickPatternListCtrlTest, ThePlayerAddsSelectsAndDeletesAndTheLibraryIsStoredWhenItGoes) {
    auto settings = TestSettings();
    settings->patterns = "321,12x,1R1R";
    settings->currentPattern = "1R1R";
    ScriptedPrompter prompter;
    {
        CPickPatternListCtrl control(*settings, prompter);
        QStringList chosen;
        QObject::connect(&control, &CPickPatternListCtrl::SelectionChanged,
                         [&chosen](const QString& text) { chosen << text; });
        control.Fill("111");
        control.show();
        EXPECT_EQ(Rows(control), (QStringList{"111", "123456", "1R1R", "321"}));
        EXPECT_EQ(control.SelectedText(), "111");
        EXPECT_FALSE(control.AddButton()->isEnabled());

        QTest::keyClicks(control.PatternEdit(), " 65R ");
        QTest::keyClick(control.PatternEdit(), Qt::Key_Return);
        EXPECT_EQ(control.SelectedText(), "65R");
        EXPECT_TRUE(control.PatternEdit()->text().isEmpty());

        QTest::keyClicks(control.PatternEdit(), "321");
        Click(control.AddButton());
        EXPECT_EQ(prompter.Last(), kPatternExistsMessage);
        EXPECT_EQ(control.SelectedText(), "321");

        control.PatternEdit()->setText("12x");
        Click(control.AddButton());
        EXPECT_EQ(prompter.Last(), kInvalidPatternMessage);

        control.List()->SelectRow(1);  // "123456"
        EXPECT_FALSE(control.DeleteButton()->isEnabled());
        control.List()->SelectRow(2);  // "1R1R", the current pattern
        Click(control.DeleteButton());
        EXPECT_EQ(Rows(control), (QStringList{"111", "123456", "321", "65R"}));
        EXPECT_EQ(chosen.last(), "");
        EXPECT_EQ(QString::fromStdString(control.PatternEdit()->text().toStdString()), "12x");
        EXPECT_EQ(control.PatternEdit()->maxLength(), kMaxPickPatternLength);
    }
    EXPECT_EQ(settings->patterns, "111,123456,321,65R");
    EXPECT_EQ(settings->currentPattern, "123456");
}

TEST(PickPatternListCtrlTest, AControlNeverFilledLeavesTheLibraryAlone) {
    auto settings = TestSettings();
    settings->patterns = "321";
    ScriptedPrompter prompter;
    { CPickPatternListCtrl control(*settings, prompter); }
    EXPECT_EQ(settings->patterns, "321");
}

}  // namespace
