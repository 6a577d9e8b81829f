#include "dialogs/settings/sound_settings_sheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/beat_lamp.h"
#include "dialogs/pick_pattern_list_ctrl.h"
#include "dialogs/settings/sound_settings_pages.h"
#include "dialogs/settings/tempo_box.h"
#include "dialogs/sort_list_ctrl.h"
#include "settings/app_settings.h"
#include "settings/memory_settings_store.h"
#include "sheet_gestures.h"
#include "sound/app_sound_settings.h"
#include "sound/audio/audio_output_library.h"
#include "sound/slot_timing.h"
#include "sound/sound_engine.h"
#include "sound/sound_messages.h"
#include "tests/sound/fake_audio_library.h"
#include "tests/sound/recording_note_player.h"
#include "tests/util/recording_prompter.h"
#include "tests/util/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

class SoundSettingsSheetTest : public ::testing::Test {
protected:
    SoundSettingsSheetTest() { settings.soundPack = "/packs/chosen.spk"; }

    CSoundSettingsSheet& Open(NotePlayer& player, CSoundEngine& soundEngine) {
        sheet.reset();  // the former sheet stores its pattern library first
        sheet =
            std::make_unique<CSoundSettingsSheet>(settings, tuning, player, soundEngine, &prompter);
        sheet->show();
        return *sheet;
    }
    CSoundSettingsSheet& Open() { return Open(recorder, engine); }

    template <typename T>
    T* Find(const char* name) {
        T* widget = sheet->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Ok() { Click(SheetButton(sheet.get(), QDialogButtonBox::Ok)); }
    void Cancel() { Click(SheetButton(sheet.get(), QDialogButtonBox::Cancel)); }

    // What sounded on each of a number of beats: the lit tick sounds, the dark one between
    // two beats never does.
    template <typename Page>
    std::vector<Texts> Beats(Page* page, int count) {
        std::vector<Texts> beats;
        CBeatLamp* lamp = page->template findChild<CBeatLamp*>();
        for (int i = 0; i < count; ++i) {
            page->OnTimer();
            EXPECT_TRUE(lamp->IsLit()) << "beat " << i;
            beats.push_back(recorder.Take());
            page->OnTimer();
            EXPECT_FALSE(lamp->IsLit());
            EXPECT_TRUE(recorder.Take().empty());
        }
        return beats;
    }
    std::vector<Texts> ChordBeats(int count) { return Beats(sheet->ChordsPage(), count); }

    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const RecordingPrompter::Shown& shown : prompter.shown) {
            texts.push_back(shown.text);
        }
        prompter.shown.clear();
        return texts;
    }

    MemorySettingsStore store;
    CAppSettings settings{store};
    CTuning tuning;
    RecordingNotePlayer recorder;
    RecordingPrompter prompter;
    FakeAudioLibrary audio;
    CAppSoundSettings soundSettings{settings};
    int song = 0;
    CSoundEngine engine{audio, song, soundSettings};
    std::unique_ptr<CSoundSettingsSheet> sheet;
};

TEST_F(SoundSettingsSheetTest, TimersRunAtHalfASlotOfTheSliderTempo) {
    Open();
    QSlider* chordSlider = Find<CTempoBox>("chordTempo")->Slider();
    const QTimer& chordTimer = sheet->ChordsPage()->Timer();
    EXPECT_TRUE(chordTimer.isActive());
    EXPECT_EQ(chordTimer.timerType(), Qt::PreciseTimer);
    EXPECT_EQ(chordTimer.interval(), HalfSlotMilliseconds(120));
    for (const int bpm : {100, 119, 60, 179, 180, 320}) {
        chordSlider->setValue(bpm);
        EXPECT_EQ(chordTimer.interval(), HalfSlotMilliseconds(bpm)) << bpm;
        EXPECT_EQ(Find<CTempoBox>("chordTempo")->Field()->text(), QString::number(bpm));
    }
    // Every tempo keeps its own time: 100 and 119 BPM no longer share one period.
    chordSlider->setValue(100);
    EXPECT_EQ(chordTimer.interval(), 300);
    chordSlider->setValue(119);
    EXPECT_EQ(chordTimer.interval(), 252);

    sheet->ShowPage(1);
    EXPECT_FALSE(chordTimer.isActive());
    const QTimer& scaleTimer = sheet->ScalesPage()->Timer();
    EXPECT_TRUE(scaleTimer.isActive());
    Find<CTempoBox>("scaleTempo")->Slider()->setValue(240);
    EXPECT_EQ(scaleTimer.interval(), HalfSlotMilliseconds(240));
    sheet->ShowPage(2);
    EXPECT_FALSE(scaleTimer.isActive());
    sheet->ShowPage(0);
    EXPECT_TRUE(chordTimer.isActive());
    EXPECT_EQ(chordTimer.interval(), HalfSlotMilliseconds(119));

    // A running test pauses on another page and goes on where it was. Strumming greys the
    // pattern controls out; picking brings them back.
    Click(Find<QPushButton>("chordTest"));
    EXPECT_EQ(ChordBeats(1), std::vector<Texts>{{"strum"}});
    EXPECT_FALSE(Find<QGroupBox>("patternGroup")->isEnabled());
    Click(Find<QRadioButton>("pick"));
    EXPECT_TRUE(Find<QGroupBox>("patternGroup")->isEnabled());
    EXPECT_EQ(sheet->ChordsPage()->TestTuning().strum, 0);
    Click(Find<QPushButton>("chordTest"));
    EXPECT_EQ(ChordBeats(1), std::vector<Texts>{{"1:E3"}});
    sheet->ShowPage(2);
    sheet->ShowPage(0);
    EXPECT_TRUE(sheet->ChordsPage()->Player().IsTesting());
    EXPECT_EQ(ChordBeats(1), std::vector<Texts>{{"2:A3"}});
    Ok();
    EXPECT_FALSE(chordTimer.isActive());
    EXPECT_EQ(settings.chordBpm, 119);
    EXPECT_EQ(settings.scaleBpm, 240);
}

TEST_F(SoundSettingsSheetTest, TemposFromTheSettingsStayWithinTheSliderRange) {
    struct Case {
        int stored;
        int shown;
    };
    const std::vector<Case> cases = {{10, 60},   {59, 60},   {60, 60},     {200, 200},
                                     {320, 320}, {321, 320}, {100000, 320}};
    for (const Case& c : cases) {
        settings.chordBpm = c.stored;
        settings.scaleBpm = c.stored;
        Open();
        sheet->ShowPage(1);
        EXPECT_EQ(Find<CTempoBox>("chordTempo")->Field()->text(), QString::number(c.shown));
        EXPECT_EQ(Find<CTempoBox>("scaleTempo")->Field()->text(), QString::number(c.shown));
        EXPECT_EQ(sheet->ChordsPage()->Timer().interval(), HalfSlotMilliseconds(c.shown));
        Ok();
        EXPECT_EQ(settings.chordBpm, c.shown) << c.stored;
        EXPECT_EQ(settings.scaleBpm, c.shown) << c.stored;
    }
}

TEST_F(SoundSettingsSheetTest, ChordTestStrumsOrPicksOnTheBeat) {
    struct Case {
        const char* what;
        int strum;
        const char* pattern;
        bool loop;
        std::vector<Texts> beats;
    };
    const Texts none;
    const std::vector<Case> cases = {
        {"strum once", 1, "123456", false, {{"strum"}, none, none}},
        {"strum looping", 1, "123456", true, {{"strum"}, {"strum"}, {"strum"}}},
        {"pick with a rest", 0, "1R3", false, {{"1:E3"}, none, {"3:D4"}, none, none}},
        {"pick with a rest, looping",
         0,
         "1R3",
         true,
         {{"1:E3"}, none, {"3:D4"}, none, {"1:E3"}, none}},
    };
    for (const Case& c : cases) {
        sheet.reset();  // the former sheet stores its library before the settings change
        settings.strum = c.strum;
        settings.currentPattern = c.pattern;
        Open();
        QCheckBox* loop = Find<QCheckBox>("chordLoop");
        if (c.loop) {
            Click(loop);
        }
        QPushButton* test = Find<QPushButton>("chordTest");
        Click(test);
        EXPECT_EQ(test->text(), "Stop Test") << c.what;
        EXPECT_FALSE(loop->isEnabled());
        EXPECT_EQ(ChordBeats(static_cast<int>(c.beats.size())), c.beats) << c.what;
        EXPECT_EQ(test->text(), c.loop ? "Stop Test" : "Test") << c.what;
        EXPECT_EQ(loop->isEnabled(), !c.loop);
        if (c.loop) {
            Click(test);
            EXPECT_EQ(test->text(), "Test");
            EXPECT_TRUE(ChordBeats(2) == std::vector<Texts>(2, none));
        }
    }
}

TEST_F(SoundSettingsSheetTest, TestWithoutASoundPackSaysSoAndPlaysNothing) {
    settings.soundPack = "  ";
    Open();
    Click(Find<QPushButton>("chordTest"));
    EXPECT_EQ(Messages(), Texts{sound_messages::kNoSoundPack});
    EXPECT_EQ(Find<QPushButton>("chordTest")->text(), "Test");
    EXPECT_EQ(ChordBeats(2), std::vector<Texts>(2, Texts{}));
}

TEST_F(SoundSettingsSheetTest, PatternLibraryOnTheChordPage) {
    settings.strum = 0;
    settings.patterns = "321,1R1R";
    settings.currentPattern = "321";
    Open();
    auto* patterns = Find<CPickPatternListCtrl>("patterns");
    CSortListCtrl* list = patterns->List();
    QPushButton* remove = patterns->DeleteButton();

    // "123456" can never be deleted, and adding it again says it exists.
    ClickRow(list, RowOf(list, "123456"));
    EXPECT_EQ(settings.currentPattern, "123456");  // a tapped row is current at once
    EXPECT_FALSE(remove->isEnabled());
    QTest::keyClicks(patterns->PatternEdit(), "123456");
    QTest::keyClick(patterns->PatternEdit(), Qt::Key_Return);
    EXPECT_EQ(Messages(), Texts{"Pattern already exists!"});
    EXPECT_TRUE(sheet->isVisible());  // Return in the field adds; it does not end the sheet

    // A pattern added with Return is current and plays in the test.
    patterns->PatternEdit()->clear();
    QTest::keyClicks(patterns->PatternEdit(), "6R");
    QTest::keyClick(patterns->PatternEdit(), Qt::Key_Return);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(settings.currentPattern, "6R");
    EXPECT_EQ(sheet->ChordsPage()->TestTuning().pickPattern, "6R");
    EXPECT_TRUE(patterns->PatternEdit()->text().isEmpty());
    Click(Find<QPushButton>("chordTest"));
    EXPECT_EQ(ChordBeats(2), (std::vector<Texts>{{"6:E5"}, {}}));

    // Deleting the current pattern makes "123456" current at once.
    Click(remove);
    EXPECT_FALSE(sheet->ChordsPage()->Player().IsTesting());  // Delete stops the test
    EXPECT_EQ(settings.currentPattern, "123456");
    EXPECT_EQ(patterns->SelectedText(), "123456");
    EXPECT_EQ(RowOf(list, "6R"), -1);

    // Cancel keeps the tapped pattern, the library as edited and the "stop playing" boxes,
    // and nothing else.
    ClickRow(list, RowOf(list, "1R1R"));
    Click(Find<QCheckBox>("chordStopPlaying"));
    sheet->ShowPage(1);
    Click(Find<QCheckBox>("scaleStopPlaying"));
    Find<CTempoBox>("scaleTempo")->Slider()->setValue(200);
    Cancel();
    sheet.reset();
    EXPECT_EQ(settings.currentPattern, "1R1R");
    EXPECT_EQ(settings.patterns, "123456,1R1R,321");
    EXPECT_EQ(settings.stopPlayingNote, 1);
    EXPECT_EQ(settings.scaleStopPlayingNote, 1);
    EXPECT_EQ(settings.scaleBpm, 120);
}

TEST_F(SoundSettingsSheetTest, LoopDirectionIsShownAndStoredNeverAsNone) {
    struct Case {
        int stored;
        const char* shown;
        int written;
    };
    const std::vector<Case> cases = {
        {0, "Ascending only", 0},
        {3, "Descending, then ascending", 3},
        {7, "Ascending only", 0},
        {-1, "Ascending only", 0},
    };
    for (const Case& c : cases) {
        settings.scalePattern = c.stored;
        Open();
        sheet->ShowPage(1);
        EXPECT_EQ(Find<QComboBox>("direction")->currentText().toStdString(), c.shown);
        Ok();
        EXPECT_EQ(settings.scalePattern, c.written) << c.stored;
    }
    settings.scalePattern = 0;
    Open();
    sheet->ShowPage(1);
    Choose(Find<QComboBox>("direction"), "Descending only");
    Ok();
    EXPECT_EQ(settings.scalePattern, 1);

    // A page never shown leaves its entries alone.
    settings.scalePattern = 9;
    Open();
    Ok();
    EXPECT_EQ(settings.scalePattern, 9);
}

// A note's name with sharps, since the run is heard, not read: "Gb3" and "F#3" are one.
std::string SharpSpelled(const std::string& text) {
    CNote note = CNote::Parse(text);
    if (IsSharp(Enharmonic(note.note))) {
        note.note = Enharmonic(note.note);
    }
    return note.Format();
}

// The scale test through the audio output that renders offline, with the shipped pack.
class ScaleTestOfflineTest : public SoundSettingsSheetTest {
protected:
    // Writes down each note and sounds it through the engine.
    class Forwarder : public RecordingNotePlayer {
    public:
        explicit Forwarder(NotePlayer& next) : next(next) {}
        bool SoundNote(const CNote& note, int stopVoice) override {
            RecordingNotePlayer::SoundNote(note, stopVoice);
            return next.SoundNote(note, stopVoice);
        }

    private:
        NotePlayer& next;
    };
};

TEST_F(ScaleTestOfflineTest, FourDirectionsSoundTheirRuns) {
    const fs::path pack = fs::path(FRETQUILL_BINARY_DIR) / "sounds" / "default.spk";
    ASSERT_TRUE(fs::exists(pack)) << pack;
    CAudioOutputLibrary offline;
    ASSERT_TRUE(offline.StartOffline(22050, 12));
    int offlineSong = 0;
    CSoundEngine offlineEngine(offline, offlineSong, soundSettings);
    settings.soundPack = pack.string();
    Forwarder player(offlineEngine);

    struct Case {
        const char* direction;
        bool loop;
        int beats;
        const char* notes;
    };
    const std::vector<Case> cases = {
        {"Ascending only", false, 9, "E3 F#3 G#3 A3 B3 C#4 D#4 E4 -"},
        {"Descending only", true, 10, "E4 D#4 C#4 B3 A3 G#3 F#3 E3 E4 D#4"},
        {"Ascending, then descending", false, 16,
         "E3 F#3 G#3 A3 B3 C#4 D#4 E4 D#4 C#4 B3 A3 G#3 F#3 E3 -"},
        {"Descending, then ascending", true, 17,
         "E4 D#4 C#4 B3 A3 G#3 F#3 E3 F#3 G#3 A3 B3 C#4 D#4 E4 D#4 C#4"},
    };
    for (const Case& c : cases) {
        Open(player, offlineEngine);
        sheet->ShowPage(1);
        Choose(Find<QComboBox>("direction"), c.direction);
        if (c.loop) {
            Click(Find<QCheckBox>("scaleLoop"));
        }
        Click(Find<QPushButton>("scaleTest"));
        std::string notes;
        for (int beat = 0; beat < c.beats; ++beat) {
            sheet->ScalesPage()->OnTimer();
            const Texts sounded = player.Take();
            notes += notes.empty() ? "" : " ";
            notes += sounded.empty() ? "-" : SharpSpelled(sounded.back().substr(5));
            // Each note is heard at once from the shipped pack.
            const std::vector<std::int16_t> frames = offline.Render(std::chrono::milliseconds(20));
            if (!sounded.empty()) {
                EXPECT_TRUE(std::any_of(frames.begin(), frames.end(),
                                        [](std::int16_t f) { return f != 0; }))
                    << c.direction << " beat " << beat;
            }
            sheet->ScalesPage()->OnTimer();
        }
        EXPECT_EQ(notes, c.notes) << c.direction << (c.loop ? ", looping" : "");
        EXPECT_EQ(sheet->ScalesPage()->Player().IsTesting(), c.loop) << c.direction;
    }
    sheet.reset();
}

// A sound pack found in a search directory, loaded, played and unloaded.
TEST_F(SoundSettingsSheetTest, SoundPackFoundLoadedPlayedAndUnloaded) {
    const TempDir temp;
    const fs::path packs = temp / "my;packs";
    fs::create_directories(packs);
    fs::copy_file(fs::path(FRETQUILL_BINARY_DIR) / "sounds" / "default.spk", packs / "warm.spk");
    std::ofstream(packs / "notes.txt") << "not a pack";
    const fs::path elsewhere = temp / "elsewhere";
    fs::create_directories(elsewhere);

    CAudioOutputLibrary offline;
    ASSERT_TRUE(offline.StartOffline(22050, 12));
    int offlineSong = 0;
    CSoundEngine offlineEngine(offline, offlineSong, soundSettings);
    settings.soundPack = "";
    settings.spkDirs = elsewhere.string();
    settings.strum = 1;

    Open(offlineEngine, offlineEngine);
    sheet->ShowPage(2);
    auto* current = Find<QLineEdit>("currentPack");
    auto* list = Find<CSortListCtrl>("packs");
    EXPECT_EQ(current->text(), "<none>");
    EXPECT_FALSE(Find<QPushButton>("unload")->isEnabled());
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_FALSE(Find<QPushButton>("deleteDirectory")->isEnabled());

    // Add... a directory whose name holds ';'.
    sheet->PacksPage()->SetDirectoryChooser([&] { return QString::fromStdString(packs.string()); });
    Click(Find<QPushButton>("addDirectory"));
    EXPECT_EQ(Find<QListWidget>("directories")->count(), 2);
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->CellText(0, 0), "warm.spk");
    EXPECT_EQ(list->CellText(0, 1).toStdString(), packs.string() + "/");
    EXPECT_FALSE(Find<QPushButton>("load")->isEnabled());

    ClickRow(list, 0);
    QPushButton* load = Find<QPushButton>("load");
    ASSERT_TRUE(load->isEnabled());
    Click(load);
    const std::string loadedPath = packs.string() + "/warm.spk";
    EXPECT_EQ(settings.soundPack, loadedPath);
    EXPECT_EQ(current->text().toStdString(), loadedPath);
    EXPECT_TRUE(list->topLevelItem(0)->font(0).bold());
    EXPECT_TRUE(Find<QPushButton>("unload")->isEnabled());

    // It plays: the chord page's strum sounds six strings of the pack.
    sheet->ShowPage(0);
    Click(Find<QPushButton>("chordTest"));
    sheet->ChordsPage()->OnTimer();
    EXPECT_EQ(offline.ActiveVoices(), 6);
    const std::vector<std::int16_t> frames = offline.Render(std::chrono::milliseconds(50));
    EXPECT_TRUE(std::any_of(frames.begin(), frames.end(), [](std::int16_t f) { return f != 0; }));

    sheet->ShowPage(2);
    Click(Find<QPushButton>("unload"));
    EXPECT_EQ(settings.soundPack, "");
    EXPECT_EQ(current->text(), "<none>");
    EXPECT_FALSE(offlineEngine.HasSoundPack());
    EXPECT_FALSE(list->topLevelItem(0)->font(0).bold());
    Ok();
    sheet.reset();

    // The directories are stored so that they split back exactly.
    Open(offlineEngine, offlineEngine);
    sheet->ShowPage(2);
    auto* directories = Find<QListWidget>("directories");
    ASSERT_EQ(directories->count(), 2);
    EXPECT_EQ(directories->item(0)->text().toStdString(), elsewhere.string());
    EXPECT_EQ(directories->item(1)->text().toStdString(), packs.string());

    // Delete asks first; No keeps the directory, Yes removes it.
    directories->setCurrentRow(1);
    prompter.answer = PromptAnswer::No;
    Click(Find<QPushButton>("deleteDirectory"));
    EXPECT_EQ(Messages(),
              Texts{"Are you sure you want to delete search dir '" + packs.string() + "'?"});
    EXPECT_EQ(directories->count(), 2);
    prompter.answer = PromptAnswer::Yes;
    Click(Find<QPushButton>("deleteDirectory"));
    EXPECT_EQ(directories->count(), 1);
    EXPECT_EQ(Find<CSortListCtrl>("packs")->topLevelItemCount(), 0);
    Cancel();
    EXPECT_EQ(SplitSearchDirectories(settings.spkDirs),
              (Texts{elsewhere.string(), packs.string()}));
    sheet.reset();
}

}  // namespace
