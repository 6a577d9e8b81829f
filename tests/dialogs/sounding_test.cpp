// The manager and the editor played through the real sound engine and the shipped sound
// pack, on the offline output, one timer tick at a time.

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "dialogs/progression_editor_dlg.h"
#include "dialogs/progression_manager_dlg.h"
#include "dialogs/sort_list_ctrl.h"
#include "library/favorites_list.h"
#include "library/progression_list.h"
#include "sound/app_sound_settings.h"
#include "sound/audio/audio_output_library.h"
#include "sound/sound_engine.h"
#include "tests/dialogs/dialog_fixtures.h"
#include "tests/sound/audio/signal_measure.h"

namespace {

using namespace std::chrono_literals;

class SoundingTest : public ::testing::Test {
protected:
    CProgressionList progressions;
    CFavoritesList favorites;
    std::unique_ptr<CAppSettings> settings = TestSettings();
    CAppSoundSettings soundSettings{*settings};
    CAudioOutputLibrary audio;
    int song = 0;
    CSoundEngine engine{audio, song, soundSettings};
    ScriptedPrompter prompter;
    CLibraryContext context{progressions, favorites, *settings, engine, prompter};
    CProgression* progression = nullptr;

    void SetUp() override {
        ASSERT_TRUE(audio.StartOffline(22050, 12));
        settings->soundPack = std::string(FRETQUILL_BINARY_DIR) + "/sounds/default.spk";
        progression = progressions.CreateProgression(0, "Picked");
        auto pattern = std::make_unique<CPattern>();
        pattern->name = "Open strings";
        pattern->chord.strum = 0;
        pattern->chord.pickPattern = "1R3";
        progression->patterns.AddPattern(std::move(pattern), true);
    }

    // What sounds in the time after a tick.
    double Loudness(std::chrono::milliseconds time) {
        const std::vector<std::int16_t> frames = audio.Render(time);
        return Rms(frames);
    }
};

TEST_F(SoundingTest, TheManagerPlaysTheProgressionSlotBySlotAndStops) {
    CProgressionManagerDlg manager(context, 0);
    manager.show();
    manager.ProgressionList()->SelectRow(0);
    manager.Play();
    ASSERT_TRUE(manager.IsPlaying());
    std::vector<double> loudness;
    for (int tick = 0; tick < 3; ++tick) {
        manager.PlayTick();
        loudness.push_back(Loudness(std::chrono::milliseconds(manager.PlayPeriodMs())));
    }
    EXPECT_TRUE(engine.HasSoundPack());
    EXPECT_GT(loudness[0], 100.0);        // string 1
    EXPECT_GT(loudness[2], 100.0);        // string 3
    EXPECT_LT(loudness[1], loudness[0]);  // the rest: string 1 fading
    manager.PlayTick();
    EXPECT_FALSE(manager.IsPlaying());
    manager.Stop();
    Loudness(100ms);
    EXPECT_LT(Loudness(100ms), 1.0);
}

TEST_F(SoundingTest, TheEditorSoundsOnlyWhilePlayingAtOneSlotPerBeat) {
    CProgressionEditorDlg editor(context, *progression);
    editor.show();
    const auto tickTime = std::chrono::milliseconds(editor.BeatPeriodMs());
    for (int tick = 0; tick < 4; ++tick) {
        editor.BeatTick();
        EXPECT_LT(Loudness(tickTime), 1.0) << "before Play, tick " << tick;
    }
    editor.PatternList()->SelectRow(0);
    editor.Play();
    std::vector<double> ticks;
    for (int tick = 0; tick < 8 && editor.IsPlaying(); ++tick) {
        editor.BeatTick();
        ticks.push_back(Loudness(tickTime));
    }
    EXPECT_FALSE(editor.IsPlaying());
    ASSERT_GE(ticks.size(), 4u);
    EXPECT_LT(ticks[0], 1.0);  // the lit half of the first beat plays nothing
    EXPECT_GT(ticks[1], 100.0);
    ClickCancel(editor);
}

}  // namespace
