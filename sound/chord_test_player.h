#pragma once

// The test player of the sound settings' chord page, with its beat light. The page runs
// timer 100 at PeriodMs() (half a slot) from the moment it is shown, test or no test, and
// calls Tick() on every timer event. Every second tick is a beat: the light is lit and,
// while a test runs, one pick step or one strum sounds.
//
//   CChordTestPlayer player(engine, testTuning);
//   player.SetBpm(bpm);
//   player.StartTest(loop);                 // after the page checked that a pack is set
//   bool lit = player.Tick();               // bitmap 196 when lit, else 195

#include "guitar/tuning.h"

class NotePlayer;

class CChordTestPlayer {
public:
    static constexpr int kTimerId = 100;

    // The test tuning is the page's copy of the view's tuning; it must outlive the player.
    CChordTestPlayer(NotePlayer& player, CTuning& testTuning)
        : player(player), tuning(testTuning) {}

    void SetBpm(int bpm);
    int PeriodMs() const { return periodMs; }

    // Rewinds the test tuning's pattern and starts playing it (strummed when its strum flag
    // is 1); with loop the test repeats until stopped.
    void StartTest(bool loop);
    void StopTest() { testing = false; }
    bool IsTesting() const { return testing; }

    // One timer tick; true on the beat (the lit light).
    bool Tick();

private:
    void SoundBeat();

    NotePlayer& player;
    CTuning& tuning;
    int periodMs = 0;
    bool testing = false;
    bool loop = false;
    bool soundTick = true;
};
