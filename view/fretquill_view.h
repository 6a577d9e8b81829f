#pragma once
// CFretquillView: the neck and what it means in each program mode, without widgets. It owns
// the tuning, the chord shown, the display and playback scales, the start position and the
// playback; the window feeds it taps, sweeps, timer ticks and commands and paints what
// DrawNeck draws into its back buffer.
//
//   CFretquillView view(host, prompter, settings, guitar, favorites, progressions, engine);
//   CModeBar bar(barControls, settings, progressions);
//   bar.Initialise(view.TuningType(), view.GeneratesChords());
//   view.AttachBar(bar);
//   view.InitialUpdate();                        // makes the chord, enters the saved mode
//   ...
//   view.Tap(x, y + host.ScrollPosition());
//   view.Command(CommandId(ViewCommand::Play));
//   if (view.RedrawNeeded()) view.DrawNeck(backBufferCanvas);
//   ...
//   view.Shutdown();                             // before the bar and the window go

#include <memory>
#include <string>
#include <vector>

#include "guitar/chord.h"
#include "guitar/scale_plot.h"
#include "guitar/tuning.h"
#include "music/note.h"
#include "music/scale.h"
#include "sound/chord_sequencer.h"
#include "sound/progression_sequencer.h"
#include "sound/scale_sequencer.h"
#include "util/program_mode.h"
#include "view/view_commands.h"

class CAppSettings;
class CCanvas;
class CFavorite;
class CFavoritesList;
class CGuitar;
class CModeBar;
class CPattern;
class CProgression;
class CProgressionList;
class CViewHost;
class NotePlayer;
class Prompter;

// The texts the view shows.
inline constexpr const char* kNoProgressionsMessage = "There are no progressions for this tuning";
inline constexpr const char* kNoSoundPackMessage =
    "There is no sound pack loaded.  Please ensure one is loaded via 'Sound options' before "
    "playing.";

// One favorite in the Favorites submenu: its command id, its menu text ('&' doubled so it
// shows as written) and whether it can be chosen.
struct FavoriteMenuItem {
    int id = 0;
    std::string text;
    bool enabled = true;
    friend bool operator==(const FavoriteMenuItem&, const FavoriteMenuItem&) = default;
};

// The run-time parts of the menus.
struct ViewMenu {
    // The favorites of the mode and tuning, in list order, above the submenu's separator.
    std::vector<FavoriteMenuItem> favorites;
    // "Dynamic Chord Generation" and its separator at the top of Tools (Chord Plotter only).
    bool dynamicItemShown = false;
    // The Tools > Progression submenu (Chord Plotter and Progression modes).
    bool progressionMenuEnabled = true;
};

// Keeps settings read from a damaged file within what the view can show: PlotMode 0..4,
// overlay types 0..2, tempos 60..320 and the loop direction 0..3.
void SanitizeViewSettings(CAppSettings& settings);

class CFretquillView {
public:
    CFretquillView(CViewHost& host, Prompter& prompter, CAppSettings& settings, CGuitar& guitar,
                   CFavoritesList& favorites, CProgressionList& progressions, NotePlayer& player);
    ~CFretquillView();
    CFretquillView(const CFretquillView&) = delete;
    CFretquillView& operator=(const CFretquillView&) = delete;

    // Start-up: the bar first, then the initial update (the chord, the scales, the saved
    // mode entered in full).
    void AttachBar(CModeBar& bar);
    void InitialUpdate();
    // Playback stopped, the bar's selections stored. Run before the bar goes.
    void Shutdown();

    // Program modes. Entering the mode already shown does nothing (except the first time).
    void EnterMode(ProgramMode mode);
    ProgramMode Mode() const { return programMode; }

    // Menu commands the view handles itself: the modes, Dynamic, Play, Stop, Loop and the
    // favorites 101..110. Other ids do nothing.
    void Command(int id);
    ViewCommandState CommandState(int id) const;
    ViewMenu Menu() const;

    // Pointer input: a tap with x in window pixels and y on the neck; a sweep with both in
    // window pixels.
    void Tap(int x, int y);
    void Sweep(int x, int y);
    // A playback timer's period has passed.
    void TimerTick(int id);

    // Painting: draws the whole back buffer (230 x 1000) when RedrawNeeded, then clears it
    // and scrolls what is shown into view when the settings ask.
    bool RedrawNeeded() const { return redrawNeeded; }
    void DrawNeck(CCanvas& canvas);
    void Redraw();
    // Scrolls so that the chord's or the scale's highest fret is in sight.
    void ScrollIntoView();

    // What the bar reports.
    void ChordSelectionChanged(NoteValue root, int chordType, int variation);
    void ScaleSelectionChanged(NoteValue note, int type);
    void ClearStartPosition();
    void ShowPatternChord(const CChord& chord);
    void PatternSelected(bool found);

    void StopPlayback(bool reselect);
    bool IsPlaying() const { return isPlaying; }

    // Before a dialog command (Add favorite, Add To, Organize, the settings sheets).
    void PrepareForDialog() { StopPlayback(true); }
    // After the dialogs.
    void SoundSettingsClosed(bool ok);
    void GuitarSettingsClosed(const CTuning& newTuning, int newMutedOverlayType,
                              int newOpenOverlayType);
    // A favorite was added (id 101..110) or overwritten (0), or the favorites organized.
    void FavoritesChanged();
    // The progression manager closed: Progression mode refills its bar lists.
    void ProgressionsChanged();

    // Dynamic generation is in effect (any tuning but standard, or the Dynamic setting);
    // GeneratesChords adds the case of static chords being unavailable.
    bool DynamicInEffect() const;
    bool StaticChordsAvailable() const;
    bool GeneratesChords() const { return DynamicInEffect() || !StaticChordsAvailable(); }

    // State the window and the dialogs read.
    const CTuning& Tuning() const { return tuning; }
    int TuningType() const { return tuning.tuningType; }
    // nullptr before the initial update.
    const CChord* Chord() const { return chord.get(); }
    const CScale& DisplayScale() const { return displayScale; }
    const CScale& PlaybackScale() const { return playbackScale; }
    StartPosition Start() const { return start; }
    int MutedOverlayType() const { return mutedOverlayType; }
    int OpenOverlayType() const { return openOverlayType; }
    bool PatternMissing() const { return patternMissing; }
    int PlayStartIndex() const { return progressionSequencer.PlayStartIndex(); }
    const PlacedRange& Placed() const { return placed; }
    CModeBar* Bar() const { return bar; }

private:
    class CPlaybackDisplay;

    void ChordLookup(NoteValue root, int chordType, int variation);
    void ResetChord();
    // Copies a chord from the library into `chord`, in the view's tuning and handedness.
    void TakeChord(const CChord& source);
    // Both scales rebuilt on the root the event gives, from the bar's note and type.
    void RebuildForEvent(ScaleEvent event, bool handednessChanged = false);
    void DiscovererTap(int s, int fret, const CNote& n);
    void ApplyCurrentPattern(CTuning& target) const;
    void ToggleDynamic();
    void Play();
    void Stop();
    void ToggleLoop();
    void FavoriteChosen(int id);
    int& LoopEntry();
    bool LoopChecked() const;
    void StartTimer(int id, int periodMs);
    void MenuChanged();
    int ScrollFret() const;

    CViewHost& host;
    Prompter& prompter;
    CAppSettings& settings;
    CGuitar& guitar;
    CFavoritesList& favorites;
    CProgressionList& progressions;
    NotePlayer& player;
    CModeBar* bar = nullptr;

    ProgramMode programMode = ProgramMode::ChordPlotter;
    CTuning tuning;
    int handednessSeen = 1;
    std::unique_ptr<CChord> chord;
    CScale displayScale;
    CScale playbackScale;
    StartPosition start;
    PlacedRange placed;
    int mutedOverlayType = 2;
    int openOverlayType = 2;
    bool startNoteOverlay = true;
    bool isPlaying = false;
    bool patternMissing = false;
    bool forceModeEntry = true;
    bool redrawNeeded = true;

    int showSymbolSeen = 0;

    std::unique_ptr<CPlaybackDisplay> playbackDisplay;
    CChordSequencer chordSequencer;
    CScaleSequencer scaleSequencer;
    CProgressionSequencer progressionSequencer;
    // The timer that runs, 0 for none.
    int runningTimer = 0;
};
