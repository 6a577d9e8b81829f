#pragma once

// The program from start to end: the start-up that leads to the shown window, and the
// shutdown that runs after the event loop while the window still lives, so a save that
// fails is shown to the player.
//
//   CFretquillApp app({.zoom = 2});
//   if (!app.Start()) return 1;
//   application.exec();
//   app.Shutdown();

#include <functional>
#include <memory>
#include <string>

class AudioLibrary;
class CFretquillView;
class CMainFrame;
class CModeBar;
class CPictureSet;
class CPlaybackTimers;
class CSoundEngine;
class Prompter;
class QApplication;
struct CommandLine;

struct CAppOptions {
    int zoom = 1;
    // The program's own audio output when null (tests hand in theirs).
    AudioLibrary* audio = nullptr;
    // Message boxes over the window when null.
    Prompter* prompter = nullptr;
    // Waits between audio start attempts; a real sleep when empty.
    std::function<void(int milliseconds)> sleep;
    // Take the one-window lock in the user data directory.
    bool lock = true;
};

class CFretquillApp {
public:
    explicit CFretquillApp(const CAppOptions& options);
    ~CFretquillApp();
    CFretquillApp(const CFretquillApp&) = delete;
    CFretquillApp& operator=(const CFretquillApp&) = delete;

    // Everything up to the window shown. False when the program must end (another window
    // runs); the player has been told.
    bool Start();
    // Stops playback, stores the bar's choices, writes the chord cache, the progressions,
    // the favorites and the settings, and closes the sound: in that order, each failure
    // shown. False when anything could not be saved. Runs once; later calls do nothing.
    bool Shutdown();

    CMainFrame& Frame();
    CFretquillView& View();
    CModeBar& Bar();
    CPictureSet& Pictures();
    CPlaybackTimers& Timers();
    CSoundEngine& Engine();
    Prompter& Messages();

private:
    struct Parts;
    std::unique_ptr<Parts> parts;
};

// The whole program inside the application object: start, event loop, shutdown. The exit
// status.
int RunFretquill(QApplication& application, const CommandLine& line);
