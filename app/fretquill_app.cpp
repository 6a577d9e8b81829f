#include "app/fretquill_app.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>
#include <QThread>
#include <cstdint>
#include <optional>

#include "app/command_line.h"
#include "app/instance_lock.h"
#include "app/main_frame.h"
#include "app/neck_widget.h"
#include "app/picture_set.h"
#include "app/playback_timers.h"
#include "app/progress_dialog.h"
#include "app/qt_settings_store.h"
#include "app/quit_signals.h"
#include "dialogs/message_box_prompter.h"
#include "guitar/guitar.h"
#include "library/favorites_list.h"
#include "library/progression_list.h"
#include "settings/app_settings.h"
#include "sound/app_sound_settings.h"
#include "sound/audio/audio_output_library.h"
#include "sound/sound_engine.h"
#include "sound/sound_startup.h"
#include "util/safe_file.h"

namespace {

constexpr const char* kLoadingTitle = "Loading static chords...";

}  // namespace

struct CFretquillApp::Parts {
    explicit Parts(const CAppOptions& options)
        : options(options),
          pictures(options.zoom),
          ownAudio(options.audio == nullptr ? std::make_unique<CAudioOutputLibrary>() : nullptr),
          audio(options.audio != nullptr ? *options.audio : *ownAudio),
          soundSettings(CAppSettings::Instance()) {}

    CAppOptions options;
    CInstanceLock lock;
    CPictureSet pictures;
    std::unique_ptr<CAudioOutputLibrary> ownAudio;
    AudioLibrary& audio;
    CAppSoundSettings soundSettings;
    std::unique_ptr<CSoundEngine> engine;
    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<CMessageBoxPrompter> messageBoxes;
    CPlaybackTimers timers;
    bool staticChords = false;
    bool audioStarted = false;
    bool shutDown = false;

    Prompter& Messages() {
        return options.prompter != nullptr ? *options.prompter
                                           : static_cast<Prompter&>(*messageBoxes);
    }
};

CFretquillApp::CFretquillApp(const CAppOptions& options) : parts(std::make_unique<Parts>(options)) {
    // The sound engine frees the guitar's sound pack when it goes; CGuitar outlives it.
    parts->engine = std::make_unique<CSoundEngine>(parts->audio, CGuitar::Instance().song,
                                                   parts->soundSettings);
}

CFretquillApp::~CFretquillApp() {
    Shutdown();
}

CMainFrame& CFretquillApp::Frame() {
    return *parts->frame;
}
CPictureSet& CFretquillApp::Pictures() {
    return parts->pictures;
}
CPlaybackTimers& CFretquillApp::Timers() {
    return parts->timers;
}
CSoundEngine& CFretquillApp::Engine() {
    return *parts->engine;
}
Prompter& CFretquillApp::Messages() {
    return parts->Messages();
}
bool CFretquillApp::StaticChordsAvailable() const {
    return parts->staticChords;
}

bool CFretquillApp::Start() {
    Parts& p = *parts;
    p.frame = std::make_unique<CMainFrame>(p.pictures);
    p.messageBoxes = std::make_unique<CMessageBoxPrompter>(p.frame.get());

    if (p.options.lock) {
        std::string error;
        if (!p.lock.Acquire(UserDataDirectory() + kInstanceLockName, error)) {
            p.Messages().Show(PromptKind::Error, "Fretquill", error);
            p.shutDown = true;
            return false;
        }
    }

    CAppSettings& settings = CAppSettings::Instance();
    CFavoritesList::Instance().SetCurrentTuning(settings.Tuning().tuningType);

    // The chord database loads on a worker behind the splash; the task's own result says
    // whether static chords are available. With neither file there nothing runs and the
    // reason is shown after the audio start.
    CGuitar& guitar = CGuitar::Instance();
    if (CGuitar::ChordFilesPresent()) {
        std::uint32_t crc = static_cast<std::uint32_t>(settings.crc);
        p.staticChords = RunWithProgress(
            [&](ProgressReporter& progress, Prompter& prompter) {
                return guitar.LoadStaticChords(crc, progress, prompter);
            },
            kLoadingTitle, p.pictures, p.Messages());
        settings.crc = static_cast<int>(crc);
    } else {
        guitar.loadError = kMissingChordFilesText;
        guitar.staticChords = 0;
        guitar.chordList.loaded = 1;
        p.staticChords = false;
    }

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    std::function<void(int)> sleep = p.options.sleep;
    if (!sleep) {
        sleep = [](int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); };
    }
    p.audioStarted = StartAudioOutput(p.audio, p.Messages(), sleep);
    LoadSavedSoundPack(*p.engine, p.soundSettings, p.Messages());
    if (!p.staticChords) {
        p.Messages().Show(PromptKind::Information, "Fretquill",
                          guitar.loadError.empty() ? kMissingChordFilesText : guitar.loadError);
    }
    // The generator works in the view's tuning from the start.
    guitar.tuning = settings.Tuning();
    QGuiApplication::restoreOverrideCursor();

    p.frame->UpdateCommands();
    p.frame->show();
    return true;
}

bool CFretquillApp::Shutdown() {
    Parts& p = *parts;
    if (p.shutDown) {
        return true;
    }
    p.shutDown = true;
    bool saved = true;
    Prompter& messages = p.Messages();

    p.timers.StopAll();

    CGuitar& guitar = CGuitar::Instance();
    if (guitar.staticChords == 1) {
        if (const FileResult result = guitar.SaveChordCache(); !result) {
            messages.Show(PromptKind::Error, "Fretquill", result.message);
            saved = false;
        }
        // Written once, here, where a failure can still be shown.
        guitar.staticChords = 0;
    }
    if (CProgressionList::InstanceExists()) {
        saved = CProgressionList::ReleaseInstance() && saved;
    }
    if (CFavoritesList::InstanceExists()) {
        saved = CFavoritesList::ReleaseInstance() && saved;
    }
    std::unique_ptr<SettingsStore> store = CAppSettings::Close();
    if (auto* file = dynamic_cast<CQtSettingsStore*>(store.get())) {
        std::string error;
        if (!file->Flush(error)) {
            messages.Show(PromptKind::Error, "Fretquill", error);
            saved = false;
        }
    }
    // The pack is freed before the output it plays on closes.
    p.engine.reset();
    if (p.audioStarted) {
        p.audio.CloseOutput();
    }
    p.lock.Release();
    return saved;
}

int RunFretquill(QApplication& application, const CommandLine& line) {
    int zoom = line.zoom;
    if (zoom == 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const int available = screen != nullptr ? screen->availableGeometry().height() : 0;
        // Frets 0 to 12 down to the bottom of fret 12's label, and room for the title bar,
        // menus, tool bar and mode bar.
        zoom = FittingZoom(available, 39 + 37 * 12 + 33, 170);
    }
    CAppSettings::UseStore(std::make_unique<CQtSettingsStore>());

    CQuitSignals quitSignals;
    CAppOptions options;
    options.zoom = zoom;
    CFretquillApp app(options);
    if (!app.Start()) {
        return 1;
    }
    quitSignals.Install();
    QObject::connect(&quitSignals, &CQuitSignals::QuitRequested, &app.Frame(),
                     [&app] { app.Frame().close(); });
    // The session ending closes the window the same way.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &app.Frame(),
                     [&app](QSessionManager&) { app.Frame().close(); });
    application.setQuitOnLastWindowClosed(true);
    application.exec();
    return app.Shutdown() ? 0 : 1;
}
