#pragma once

// Plays the main view's chord in the Chord Plotter and Chord Discoverer modes: one pick
// step or one strum per time slot. The view owns it, runs its timer 100 at PeriodMs() and
// calls Tick() on every timer event; Start() sounds the first slot at once.
//
//   CChordSequencer sequencer(engine);
//   sequencer.Start(chord, {.bpm = 120, .strum = false, .loop = false});
//   while (sequencer.Tick()) { ... wait PeriodMs() ... }
//
// The chord is the view's own object and may change while it plays (a tap in Chord
// Discoverer): the next steps play the new notes. It must outlive the playback.

#include "guitar/tuning.h"

class NotePlayer;

class CChordSequencer {
public:
    static constexpr int kTimerId = 100;

    struct Options {
        int bpm = 120;      // ChordBPM
        bool strum = true;  // Strum: every slot strums the whole chord
        bool loop = false;  // Chord\Loop: start the pattern over at its end
    };

    explicit CChordSequencer(NotePlayer& player) : player(player) {}

    // Play's preparation of the chord (pattern rewound, loop and strum flags from the
    // options, an empty pick pattern when strumming), then the first slot.
    void Start(CTuning& chord, const Options& options);
    // One time slot; false once playback has stopped (by itself or by Stop).
    bool Tick();
    // Stops stepping; notes already sounding ring on.
    void Stop();

    bool IsPlaying() const { return playing; }
    int PeriodMs() const { return periodMs; }

private:
    NotePlayer& player;
    CTuning* chord = nullptr;
    bool strum = true;
    bool playing = false;
    int periodMs = 0;
};
