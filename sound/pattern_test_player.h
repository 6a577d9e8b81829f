#pragma once

// The test player of the pattern dialog: plays the working chord's pick pattern as many
// passes as the dialog's "# times to play" box says, one step on every tick, two ticks per
// beat of the chosen progression's tempo. The dialog runs timer 100 at PeriodMs() while a
// test runs and calls Tick() on every timer event.
//
//   CPatternTestPlayer test(engine);
//   test.Start(workingChord, progression.BPM, timesToPlay);
//   while (test.Tick()) { ... }

#include "guitar/tuning.h"

class NotePlayer;

class CPatternTestPlayer {
public:
    static constexpr int kTimerId = 100;

    explicit CPatternTestPlayer(NotePlayer& player) : player(player) {}

    // Sets the chord to picking, rewinds it and starts the test (the chord must outlive it).
    // The chord's loop flag is cleared while the test runs, so that every pass ends.
    void Start(CTuning& chord, int bpm, int timesToPlay);
    // One tick; false once the test has stopped.
    bool Tick();
    // Ends a running test and gives the chord its loop flag back.
    void Stop();

    // The dialog's "Strum" radio: while set, every tick strums instead of picking, and the
    // test stops after timesToPlay strums.
    void SetStrumSelected(bool selected) { strumSelected = selected; }

    bool IsTesting() const { return testing; }
    int PeriodMs() const { return periodMs; }
    int PassesPlayed() const { return passes; }

private:
    NotePlayer& player;
    CTuning* chord = nullptr;
    bool testing = false;
    bool strumSelected = false;
    int periodMs = 0;
    int timesToPlay = 1;
    int savedLoop = 0;
    int passes = 1;
    int strums = 0;
    int stepsThisPass = 0;
};
