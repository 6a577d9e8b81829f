// The sheets' results as the window hands them to the main view: what the neck shows and
// plays afterwards, and what a restart reads back.

// The core first: Qt's "slots" macro would otherwise meet the guitar model's member of
// that name.
#include "tests/view/view_fakes.h"
// Then the sheets and Qt.
#include <QComboBox>
#include <QRadioButton>
#include <QTreeWidget>
#include <memory>

#include "dialogs/pick_pattern_list_ctrl.h"
#include "dialogs/settings/guitar_settings_sheet.h"
#include "dialogs/settings/sound_settings_sheet.h"
#include "dialogs/sort_list_ctrl.h"
#include "sheet_gestures.h"
#include "sound/app_sound_settings.h"
#include "sound/sound_engine.h"
#include "tests/sound/fake_audio_library.h"

namespace {

TEST(SettingsSheetsView, DropDLeftHandedReachesTheNeckAndSurvivesARestart) {
    ViewRig rig;
    rig.settings.plotMode = ProgramMode::Scale;
    CFretquillView& view = rig.Start();
    rig.TapAt(2, 5);
    ASSERT_EQ(view.Start(), (StartPosition{2, 5}));
    ASSERT_FALSE(rig.settings.IsDynamic());

    CGuitarSettingsSheet sheet(rig.settings,
                               {view.Tuning(), view.MutedOverlayType(), view.OpenOverlayType()});
    sheet.show();
    Choose(sheet.findChild<QComboBox*>("tuningList"), "DADGBE");
    Click(sheet.findChild<QRadioButton*>("left"));
    Click(SheetButton(&sheet, QDialogButtonBox::Ok));
    const GuitarSettingsValues values = sheet.Values();
    view.GuitarSettingsClosed(values.tuning, values.mutedOverlayType, values.openOverlayType);

    EXPECT_EQ(view.Tuning().ToText(), "E5,B4,G4,D4,A3,D3");
    EXPECT_EQ(view.Start(), (StartPosition{5, 5}));  // the same string, now mirrored
    EXPECT_TRUE(rig.settings.IsDynamic());           // any tuning but standard generates
    view.EnterMode(ProgramMode::ChordPlotter);
    EXPECT_EQ(rig.controls.variations.Count(), 50);

    MemorySettingsStore restart;
    rig.settings.Write(restart);
    const CAppSettings reread(restart);
    EXPECT_EQ(reread.Tuning().ToText(), "E5,B4,G4,D4,A3,D3");
    EXPECT_EQ(reread.Tuning().tuningType, 13);
}

TEST(SettingsSheetsView, APatternTappedBeforeCancelIsWhatTheViewPlays) {
    ViewRig rig;
    rig.settings.strum = 0;
    rig.settings.patterns = "321";
    CFretquillView& view = rig.Start();
    FakeAudioLibrary audio;
    CAppSoundSettings soundSettings(rig.settings);
    int song = 0;
    CSoundEngine engine(audio, song, soundSettings);
    {
        CSoundSettingsSheet sheet(rig.settings, view.Tuning(), rig.player, engine, &rig.prompter);
        sheet.show();
        QTreeWidget* list = sheet.findChild<CPickPatternListCtrl*>()->List();
        ClickRow(list, RowOf(list, "321"));
        Click(SheetButton(&sheet, QDialogButtonBox::Cancel));
    }
    view.SoundSettingsClosed(false);
    EXPECT_EQ(view.Tuning().pickPattern, "321");
    EXPECT_EQ(view.Chord()->pickPattern, "321");
}

}  // namespace
