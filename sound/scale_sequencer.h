#pragma once

// Plays the main view's playback scale in the Scale and Mode modes: one note per time
// slot, in one of the four loop directions. The view owns it, runs its timer 200 at
// PeriodMs() and calls Tick() on every timer event; Start() sounds the first note at once.
//
//   CScaleSequencer sequencer(engine);
//   if (sequencer.Start(playbackScale, lowestPlaced, highestPlaced, options)) { ...timer... }
//
// Directions: ascending (up one octave), descending (down one octave), ascending then
// descending, descending then ascending. A turning note sounds once; in the one-way
// directions the start note sounds again at the start of each loop. The run is kept within
// the notes placed on the fretboard: when its far end lies beyond them it moves one
// octave; when it still does not fit, nothing plays.

#include "music/note.h"
#include "music/scale.h"

class NotePlayer;

class CScaleSequencer {
public:
    static constexpr int kTimerId = 200;

    struct Options {
        int bpm = 120;                 // the main view plays scales at ChordBPM
        // Settings\Scale Pattern; a value no direction has plays as ascending.
        LoopDirection direction = LoopDirection::kAscending;
        bool loop = false;             // Scale\Loop or Mode\Loop
        bool stopPlayingNote = false;  // ScaleStopPlayingNote: silence all before each note
    };

    explicit CScaleSequencer(NotePlayer& player) : player(player) {}

    // Sets the run up on the scale (which must outlive the playback) and sounds its first
    // note; false, with nothing played, when the run does not fit the placed range or the
    // scale holds no notes.
    bool Start(CScale& scale, const CNote& lowestPlaced, const CNote& highestPlaced,
               const Options& options);
    // One time slot; false once playback has stopped.
    bool Tick();
    void Stop() { playing = false; }

    bool IsPlaying() const { return playing; }
    int PeriodMs() const { return periodMs; }
    // The note of the next tick, where the run turns or ends, and whether it rises.
    const CNote& ScaleNote() const { return scaleNote; }
    const CNote& ScaleEnd() const { return scaleEnd; }
    bool ScaleRising() const { return scaleRising; }

private:
    void TurnDown();
    void TurnUp();

    NotePlayer& player;
    CScale* scale = nullptr;
    Options options;
    CNote scaleNote;
    CNote scaleEnd;
    bool scaleRising = true;
    bool playing = false;
    int periodMs = 0;
};
