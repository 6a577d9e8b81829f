#include "dialogs/settings/guitar_settings_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <memory>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "settings/memory_settings_store.h"
#include "sheet_gestures.h"

namespace {

class GuitarSettingsSheetTest : public ::testing::Test {
protected:
    // A sheet over the view's values, shown offscreen on its first page.
    CGuitarSettingsSheet& Open(const CTuning& tuning, int muted = 2, int open = 2) {
        sheet = std::make_unique<CGuitarSettingsSheet>(settings,
                                                       GuitarSettingsValues{tuning, muted, open});
        sheet->show();
        return *sheet;
    }
    template <typename T>
    T* Find(const char* name) {
        T* widget = sheet->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Ok() { Click(SheetButton(sheet.get(), QDialogButtonBox::Ok)); }
    void Cancel() { Click(SheetButton(sheet.get(), QDialogButtonBox::Cancel)); }

    MemorySettingsStore store;
    CAppSettings settings{store};
    std::unique_ptr<CGuitarSettingsSheet> sheet;
};

TEST_F(GuitarSettingsSheetTest, TypicalTuningsNameThemselvesAtOnceAndOkTakesThem) {
    struct Case {
        const char* code;
        const char* name;
        bool left;
        const char* strings;
    };
    const std::vector<Case> cases = {
        {"DADGBE", "Drop D", false, "D3,A3,D4,G4,B4,E5"},
        {"DADGAD", "D Suspended", true, "D5,A4,G4,D4,A3,D3"},
        {"BEADF#B", "Standard B", false, "B2,E3,A3,D4,F#4,B4"},
    };
    // A left-handed player who picks "Right" gets the strings back in right-handed order.
    CTuning left;
    left.SetLeftHanded();
    Open(left);
    EXPECT_TRUE(Find<QRadioButton>("left")->isChecked());
    Click(Find<QRadioButton>("right"));
    Ok();
    EXPECT_EQ(sheet->Values().tuning.ToText(), "E3,A3,D4,G4,B4,E5");

    for (const Case& c : cases) {
        Open(CTuning());
        EXPECT_EQ(Find<QLabel>("description")->text(), "Standard E");
        Choose(Find<QComboBox>("tuningList"), c.code);
        EXPECT_EQ(Find<QLabel>("description")->text().toStdString(), c.name);
        if (c.left) {
            Click(Find<QRadioButton>("left"));
        }
        Ok();
        const GuitarSettingsValues values = sheet->Values();
        EXPECT_EQ(values.tuning.ToText(), c.strings) << c.name;
        EXPECT_EQ(values.tuning.tuningType, CTuning(values.tuning).tuningType);
        EXPECT_EQ(CTuning::TuningName(values.tuning.tuningType), c.name);
        EXPECT_EQ(values.tuning.rightHanded, c.left ? 0 : 1) << c.name;
    }
}

TEST_F(GuitarSettingsSheetTest, CustomListsShowEveryNoteByPitchAndMakeACustomTuning) {
    Open(CTuning());
    auto* low = Find<QComboBox>("string1");
    EXPECT_FALSE(low->isEnabled());
    ASSERT_EQ(low->count(), 36);
    EXPECT_EQ(low->itemText(0), "C3");
    EXPECT_EQ(low->itemText(35), "B5");
    EXPECT_EQ(low->currentText(), "E3");
    EXPECT_EQ(Find<QComboBox>("string6")->currentText(), "E5");

    Click(Find<QRadioButton>("custom"));
    EXPECT_TRUE(low->isEnabled());
    EXPECT_FALSE(Find<QComboBox>("tuningList")->isEnabled());
    Choose(low, "C3");
    Ok();
    EXPECT_EQ(sheet->Values().tuning.ToText(), "C3,A3,D4,G4,B4,E5");
    EXPECT_EQ(sheet->Values().tuning.tuningType, kCustomTuning);
}

TEST_F(GuitarSettingsSheetTest, CustomTuningTheListsCannotShowSurvivesOk) {
    struct Case {
        const char* stored;
        bool left;
        const char* lowList;   // what the lowest string's list shows
        const char* highList;  // and the highest's
    };
    const std::vector<Case> cases = {
        {"C#3,A3,D4,G4,B4,E5", false, "Db3", "E5"},
        {"B2,E3,A3,D4,F#4,C#6", false, "B2", "C#6"},
        {"E5,B4,G4,D4,A3,C3", true, "C3", "E5"},
    };
    for (const Case& c : cases) {
        CTuning custom;
        custom.FromText(c.stored);
        if (c.left) {
            custom.rightHanded = 0;
        }
        Open(custom);
        EXPECT_TRUE(Find<QRadioButton>("custom")->isChecked());
        EXPECT_EQ(Find<QComboBox>("tuningList")->currentIndex(), -1);
        EXPECT_EQ(Find<QComboBox>("string1")->currentText().toStdString(), c.lowList);
        EXPECT_EQ(Find<QComboBox>("string6")->currentText().toStdString(), c.highList);
        Ok();
        EXPECT_EQ(sheet->Values().tuning.ToText(), c.stored);
        EXPECT_EQ(sheet->Values().tuning.tuningType, kCustomTuning);
    }
}

TEST_F(GuitarSettingsSheetTest, SpansAndOptionsAreShownAndStored) {
    settings.chordMaxSpan = 3;
    settings.scaleMaxSpan = 4;
    settings.showSymbol = 0;
    settings.chordEnsureVisible = 1;
    settings.useAllFretboard = 0;
    Open(CTuning(), 0, 1);
    sheet->ShowPage(1);
    EXPECT_EQ(Find<QComboBox>("chordSpan")->currentText(), "3 frets");
    EXPECT_TRUE(Find<QRadioButton>("fullName")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("mutedIcon")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("openColour")->isChecked());
    Choose(Find<QComboBox>("chordSpan"), "6 frets");
    Click(Find<QRadioButton>("symbol"));
    Click(Find<QRadioButton>("mutedColour"));
    Click(Find<QRadioButton>("openBoth"));
    Click(Find<QCheckBox>("chordEnsureVisible"));

    sheet->ShowPage(2);
    auto* span = Find<QComboBox>("scaleSpan");
    EXPECT_EQ(span->currentText(), "4 frets");
    Choose(span, "6 frets");
    Click(Find<QCheckBox>("wholeFretboard"));
    EXPECT_FALSE(span->isEnabled());
    Click(Find<QCheckBox>("noOpenNotes"));
    Ok();

    EXPECT_EQ(settings.chordMaxSpan, 6);
    EXPECT_EQ(settings.showSymbol, 1);
    EXPECT_EQ(settings.chordEnsureVisible, 0);
    EXPECT_EQ(settings.scaleMaxSpan, 6);  // stored although the list was disabled
    EXPECT_EQ(settings.useAllFretboard, 1);
    EXPECT_EQ(settings.noOpenNotes, 1);
    EXPECT_EQ(sheet->Values().mutedOverlayType, 1);
    EXPECT_EQ(sheet->Values().openOverlayType, 2);
}

TEST_F(GuitarSettingsSheetTest, OnlyShownPagesWriteAndCancelWritesNothing) {
    settings.chordMaxSpan = 7;  // a value no list offers shows whether a page wrote
    settings.scaleMaxSpan = 7;
    Open(CTuning());
    Ok();
    EXPECT_EQ(settings.chordMaxSpan, 7);
    EXPECT_EQ(settings.scaleMaxSpan, 7);

    Open(CTuning(), 1, 1);
    sheet->ShowPage(2);
    EXPECT_TRUE(Find<QComboBox>("scaleSpan")->isVisible());
    Ok();
    EXPECT_EQ(settings.chordMaxSpan, 7);
    EXPECT_EQ(settings.scaleMaxSpan, 4);  // shown as its first entry, stored as shown

    settings.scaleMaxSpan = 5;
    Open(CTuning());
    Choose(Find<QComboBox>("tuningList"), "DADGBE");
    Click(Find<QRadioButton>("left"));
    sheet->ShowPage(2);
    Choose(Find<QComboBox>("scaleSpan"), "6 frets");
    Cancel();
    EXPECT_EQ(settings.scaleMaxSpan, 5);
    EXPECT_EQ(sheet->Values().tuning.ToText(), "E3,A3,D4,G4,B4,E5");
    EXPECT_EQ(sheet->Values().tuning.rightHanded, 1);
}

}  // namespace
