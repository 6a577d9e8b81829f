#pragma once

// Plays a progression in the main view's Progression mode: each pattern once, in list
// order, from the pattern selected in the bar, one slot per tick. While it plays the bar
// follows the playing pattern and the view shows its chord; when it stops the bar goes back
// to the pattern it started from. The view owns it, runs its timer 100 at PeriodMs() (from
// the progression's BPM) and calls Tick(); Start() sounds the first slot at once.
//
//   CProgressionSequencer sequencer(engine, display);
//   sequencer.Start(progression, selectedPatternId, selectedRow);
//   while (sequencer.Tick()) { ... }
//
// A pattern whose chord loops never ends, so playback stays on it until Stop. (The editor
// and manager repeat each pattern NumTimesToPlay times; the main view does not.)

class CPattern;
class CProgression;
class NotePlayer;
class ProgressionDisplay;

class CProgressionSequencer {
public:
    static constexpr int kTimerId = 100;

    CProgressionSequencer(NotePlayer& player, ProgressionDisplay& display)
        : player(player), display(display) {}

    // The progression must outlive the playback. Seeks it to the pattern with patternId
    // (at row patternIndex of the bar) and plays the first slot.
    void Start(CProgression& progression, int patternId, int patternIndex);
    // One slot; false once playback has stopped.
    bool Tick();
    // The view's StopPlayback: stepping ends; with reselect the bar selects the row where
    // playback started again. Notes already sounding ring on.
    void Stop(bool reselect);
    // Stop also forgets the playing pattern.
    void ForgetPattern() { playPatternId = -1; }

    bool IsPlaying() const { return playing; }
    int PeriodMs() const { return periodMs; }
    int PlayStartIndex() const { return playStartIndex; }
    // Entering Progression mode starts over from the first row.
    void SetPlayStartIndex(int index) { playStartIndex = index; }
    int PlayPatternIndex() const { return playPatternIndex; }
    // The id of the pattern playing, -1 for none.
    int PlayPatternId() const { return playPatternId; }

private:
    // The pattern playing, nullptr for none.
    CPattern* PlayingPattern() const;

    NotePlayer& player;
    ProgressionDisplay& display;
    CProgression* progression = nullptr;
    int playPatternId = -1;
    int playStartIndex = -1;
    int playPatternIndex = -1;
    bool playing = false;
    int periodMs = 0;
};
