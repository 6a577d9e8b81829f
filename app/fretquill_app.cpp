#include "app/fretquill_app.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSessionManager>
#include <QThread>
#include <QToolBar>
#include <algorithm>
#include <cstdint>

#include "app/about_dialog.h"
#include "app/command_line.h"
#include "app/dialog_commands.h"
#include "app/instance_lock.h"
#include "app/main_frame.h"
#include "app/mode_bar_widget.h"
#include "app/neck_widget.h"
#include "app/panel_text.h"
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
#include "util/display_format.h"
#include "util/safe_file.h"
#include "view/about_text.h"
#include "view/fretquill_view.h"
#include "view/mode_bar.h"
#include "view/view_host.h"

namespace {

constexpr const char* kLoadingTitle = "Loading static chords...";
constexpr const char* kTitle = "Fretquill";

// The view's window: the neck widget's scrolling and repaints, the playback timers and
// the run-time menu items.
class CWindowHost : public CViewHost {
public:
    CWindowHost(CNeckWidget& neck, CPlaybackTimers& timers, std::function<void()> menuChanged)
        : neck(neck), timers(timers), menuChanged(std::move(menuChanged)) {}

    void RequestRepaint() override { neck.update(); }
    int ScrollPosition() const override { return neck.ScrollPosition(); }
    void ScrollTo(int y) override { neck.ScrollTo(y); }
    int ClientHeight() const override { return neck.ClientHeight(); }
    void StartTimer(int id, int periodMs) override { timers.Start(id, periodMs); }
    void StopTimer(int id) override { timers.Stop(id); }
    void MenuChanged() override { menuChanged(); }

private:
    CNeckWidget& neck;
    CPlaybackTimers& timers;
    std::function<void()> menuChanged;
};

bool IsViewCommand(int id) {
    switch (id) {
        case kCommandPlotter:
        case kCommandDiscoverer:
        case kCommandProgressionMode:
        case kCommandScale:
        case kCommandMode:
        case kCommandDynamic:
        case kCommandPlay:
        case kCommandStop:
        case kCommandLoop:
            return true;
        default:
            return id >= kCommandFirstFavorite && id <= kCommandLastFavorite;
    }
}

QStringList AboutLines() {
    std::vector<std::string> texts = {
        "Version " + VersionText(true), "Release Build", kCreditLine, "", kMakerAddress, ""};
    QStringList lines;
    for (const std::string& line : WrapAboutText(texts)) {
        lines.append(QString::fromStdString(line));
    }
    return lines;
}

}  // namespace

struct CFretquillApp::Parts {
    explicit Parts(const CAppOptions& options)
        : options(options),
          pictures(options.zoom),
          ownAudio(options.audio == nullptr ? std::make_unique<CAudioOutputLibrary>() : nullptr),
          audio(options.audio != nullptr ? *options.audio : *ownAudio),
          settings(CAppSettings::Instance()),
          soundSettings(settings) {}

    CAppOptions options;
    CInstanceLock lock;
    CPictureSet pictures;
    std::unique_ptr<CAudioOutputLibrary> ownAudio;
    AudioLibrary& audio;
    CAppSettings& settings;
    CAppSoundSettings soundSettings;
    std::unique_ptr<CSoundEngine> engine;
    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<CMessageBoxPrompter> messageBoxes;
    CPlaybackTimers timers;
    std::unique_ptr<CWindowHost> host;
    std::unique_ptr<CFretquillView> view;
    std::unique_ptr<CModeBar> bar;
    bool staticChords = false;
    bool audioStarted = false;
    bool started = false;
    bool shutDown = false;

    Prompter& Messages() {
        return options.prompter != nullptr ? *options.prompter
                                           : static_cast<Prompter&>(*messageBoxes);
    }

    CDialogContext DialogContext() {
        return {settings, CProgressionList::Instance(), CFavoritesList::Instance(), *engine,
                Messages()};
    }

    void MenuChanged();
    void Command(int id);
    CCommandState CommandState(int id) const;
    void About();
};

void CFretquillApp::Parts::MenuChanged() {
    const ViewMenu menu = view->Menu();
    QList<CMainMenus::Favorite> favorites;
    for (const FavoriteMenuItem& item : menu.favorites) {
        // The view doubles '&' already; the text goes in as it is.
        favorites.append({item.id, QString::fromStdString(item.text), item.enabled});
    }
    CMainMenus& menus = frame->Menus();
    menus.SetFavorites(favorites);
    menus.ShowDynamicItem(menu.dynamicItemShown);
    menus.progressionMenu->menuAction()->setEnabled(menu.progressionMenuEnabled);
}

void CFretquillApp::Parts::Command(int id) {
    QWidget* window = frame.get();
    if (IsViewCommand(id)) {
        view->Command(id);
        return;
    }
    switch (id) {
        case kCommandSoundSettings: {
            view->PrepareForDialog();
            const bool ok = OpenSoundSettings(window, DialogContext(), view->Tuning());
            view->SoundSettingsClosed(ok);
            break;
        }
        case kCommandGuitarSettings: {
            view->PrepareForDialog();
            if (const auto choice =
                    OpenGuitarSettings(window, DialogContext(), view->Tuning(),
                                       view->MutedOverlayType(), view->OpenOverlayType())) {
                QGuiApplication::setOverrideCursor(Qt::WaitCursor);
                view->GuitarSettingsClosed(choice->tuning, choice->mutedOverlayType,
                                           choice->openOverlayType);
                QGuiApplication::restoreOverrideCursor();
            }
            break;
        }
        case kCommandAddFavorite: {
            view->PrepareForDialog();
            CAddFavoriteRequest request;
            request.mode = view->Mode();
            request.tuningKey = view->TuningType();
            request.chord = view->Chord();
            request.startNote = bar->SelectedNote();
            request.scaleType = bar->SelectedType();
            OpenAddFavorite(window, DialogContext(), request);
            view->FavoritesChanged();
            break;
        }
        case kCommandOrganizeFavorites:
            view->PrepareForDialog();
            if (OpenOrganizeFavorites(window, DialogContext(), view->TuningType())) {
                view->FavoritesChanged();
            }
            break;
        case kCommandAddToProgression: {
            view->PrepareForDialog();
            CAddToProgressionRequest request;
            request.tuningKey = view->TuningType();
            request.chord = view->Chord();
            request.note = bar->SelectedNote();
            request.chordType = bar->SelectedType();
            request.variation = bar->SelectedVariation();
            request.dynamic = view->GeneratesChords();
            OpenAddToProgression(window, DialogContext(), request);
            break;
        }
        case kCommandProgressionManager:
            // The manager plays on its own; the view's playback goes on meanwhile.
            if (OpenProgressionManager(window, DialogContext(), view->TuningType())) {
                view->ProgressionsChanged();
            }
            break;
        case kCommandTip:
            OpenTipOfTheDay(window, DialogContext());
            break;
        case kCommandAbout:
            About();
            break;
        default:
            break;
    }
}

CCommandState CFretquillApp::Parts::CommandState(int id) const {
    switch (id) {
        case kCommandPlotter:
        case kCommandDiscoverer:
        case kCommandProgressionMode:
        case kCommandScale:
        case kCommandMode:
        case kCommandDynamic:
        case kCommandPlay:
        case kCommandStop:
        case kCommandLoop:
        case kCommandSoundSettings:
        case kCommandAddFavorite:
        case kCommandOrganizeFavorites:
        case kCommandAddToProgression:
        case kCommandProgressionManager:
        case kCommandGuitarSettings: {
            const ViewCommandState state = view->CommandState(id);
            return {state.enabled, state.checked};
        }
        default:
            return {};
    }
}

void CFretquillApp::Parts::About() {
    CAboutDlg about(pictures, AboutLines(), frame.get());
    about.exec();
}

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
CFretquillView& CFretquillApp::View() {
    return *parts->view;
}
CModeBar& CFretquillApp::Bar() {
    return *parts->bar;
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

bool CFretquillApp::Start() {
    Parts& p = *parts;
    p.frame = std::make_unique<CMainFrame>(p.pictures);
    p.messageBoxes = std::make_unique<CMessageBoxPrompter>(p.frame.get());

    if (p.options.lock) {
        if (const Result<> locked = p.lock.Acquire(UserDataDirectory() + kInstanceLockName);
            !locked) {
            p.Messages().Show(PromptKind::Error, kTitle, locked.Error().message);
            p.shutDown = true;
            return false;
        }
    }
    p.started = true;

    // A damaged settings file must not leave the window in no mode.
    SanitizeViewSettings(p.settings);
    CGuitar& guitar = CGuitar::Instance();
    p.host = std::make_unique<CWindowHost>(p.frame->Neck(), p.timers, [&p] { p.MenuChanged(); });
    p.view = std::make_unique<CFretquillView>(*p.host, p.Messages(), p.settings, guitar,
                                              CFavoritesList::Instance(),
                                              CProgressionList::Instance(), *p.engine);
    p.bar = std::make_unique<CModeBar>(p.frame->Bar(), p.settings, CProgressionList::Instance());
    p.bar->Initialise(p.view->TuningType(), p.view->DynamicInEffect());
    p.view->AttachBar(*p.bar);

    CModeBarWidget& barWidget = p.frame->Bar();
    CModeBar& bar = *p.bar;
    CMainFrame& frame = *p.frame;
    barWidget.noteChosen = [&bar, &frame] {
        bar.NoteChosen();
        frame.UpdateCommands();
    };
    barWidget.typeChosen = [&bar, &frame] {
        bar.TypeChosen();
        frame.UpdateCommands();
    };
    barWidget.variationChosen = [&bar, &frame] {
        bar.VariationChosen();
        frame.UpdateCommands();
    };
    barWidget.progressionChosen = [&bar, &frame] {
        bar.ProgressionChosen();
        frame.UpdateCommands();
    };
    barWidget.patternChosen = [&bar, &frame] {
        bar.PatternChosen();
        frame.UpdateCommands();
    };

    CFretquillView& view = *p.view;
    CNeckWidget& neck = frame.Neck();
    neck.needsRedraw = [&view] { return view.RedrawNeeded(); };
    neck.drawNeck = [&view](CCanvas& canvas) { view.DrawNeck(canvas); };
    neck.tapped = [&view, &frame](int x, int y) {
        view.Tap(x, y);
        frame.UpdateCommands();
    };
    neck.swept = [&view](int x, int y) { view.Sweep(x, y); };
    p.timers.tick = [&view, &frame](int id) {
        view.TimerTick(id);
        // Playback may have ended by itself: Play and Stop follow.
        if (!view.IsPlaying()) {
            frame.UpdateCommands();
        }
    };
    frame.command = [&p](int id) { p.Command(id); };
    frame.updateCommand = [&p](int id) { return p.CommandState(id); };
    frame.isPlaying = [&view] { return view.IsPlaying(); };

    // The chord database loads on a worker behind the splash; the task's own result says
    // whether static chords are available. With neither file there nothing runs and the
    // reason is shown after the audio start.
    std::uint32_t crc = static_cast<std::uint32_t>(p.settings.crc);
    if (CGuitar::ChordFilesPresent()) {
        p.staticChords = RunWithProgress(
            [&guitar, &crc](ProgressReporter& progress, Prompter& prompter) {
                return guitar.LoadStaticChords(crc, progress, prompter);
            },
            kLoadingTitle, p.pictures, p.Messages(), p.frame.get());
    } else {
        NullProgressReporter silent;
        p.staticChords = guitar.LoadStaticChords(crc, silent, p.Messages());
    }
    p.settings.crc = static_cast<int>(crc);

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    std::function<void(int)> sleep = p.options.sleep;
    if (!sleep) {
        sleep = [](int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); };
    }
    p.audioStarted = StartAudioOutput(p.audio, p.Messages(), sleep);
    LoadSavedSoundPack(*p.engine, p.soundSettings, p.Messages());
    if (!p.staticChords) {
        p.Messages().Show(PromptKind::Information, kTitle,
                          guitar.loadError.empty() ? kMissingChordFilesText : guitar.loadError);
    }
    // Makes the chord and the scales and enters the saved mode in full.
    view.InitialUpdate();
    // Dynamic chord generation works in the view's tuning.
    guitar.tuning = view.Tuning();
    QGuiApplication::restoreOverrideCursor();

    p.MenuChanged();
    frame.UpdateCommands();
    // Frets 0 to 12 when the screen has the room: the neck asks for them while the window
    // takes its first size, then may shrink to frets 0 to 3 again.
    int wanted = neck.sizeHint().height();
    if (const QScreen* screen = frame.screen()) {
        // Leaves room for the title bar, the menus and the bars.
        wanted = std::min(wanted, screen->availableGeometry().height() - 200);
    }
    const int shortest = neck.minimumHeight();
    neck.setMinimumHeight(std::max(wanted, shortest));
    frame.adjustSize();
    neck.setMinimumHeight(shortest);
    frame.show();
    neck.setFocus();
    return true;
}

bool CFretquillApp::Shutdown() {
    Parts& p = *parts;
    if (p.shutDown) {
        return true;
    }
    p.shutDown = true;
    if (!p.started) {
        return true;
    }
    bool saved = true;
    Prompter& messages = p.Messages();

    // Playback and its timers stop; the bar stores its choices in the settings.
    p.timers.StopAll();
    if (p.view) {
        p.view->Shutdown();
    }

    CGuitar& guitar = CGuitar::Instance();
    if (guitar.staticChords == 1) {
        if (const Result<> result = guitar.SaveChordCache(); !result) {
            messages.Show(PromptKind::Error, kTitle, result.Error().message);
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
        if (const Result<> flushed = file->Flush(); !flushed) {
            messages.Show(PromptKind::Error, kTitle, flushed.Error().message);
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
