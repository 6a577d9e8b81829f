#pragma once

// The test player of the sound settings' scale page, with its beat light: it plays
// "Major Diatonic" on E3 in one of the four loop directions, one note per beat. The page
// runs timer 200 at PeriodMs() (half a slot) while it is shown and calls Tick() on every
// timer event; every second tick is a beat.
//
//   CScaleTestPlayer player(engine);
//   player.SetBpm(bpm);
//   player.StartTest(direction, loop, stopPlayingNote);
//   bool lit = player.Tick();
//
// "Ascending, then descending" without loop plays E3 up to E4 and back down to E3; the
// turning notes sound once.

#include <memory>

#include "music/note.h"
#include "music/scale.h"

class NotePlayer;

class CScaleTestPlayer {
public:
    static constexpr int kTimerId = 200;

    explicit CScaleTestPlayer(NotePlayer& player);
    ~CScaleTestPlayer();

    void SetBpm(int bpm);
    int PeriodMs() const { return periodMs; }

    // A direction value no direction has plays as ascending.
    void StartTest(LoopDirection direction, bool loop, bool stopPlayingNote);
    void StopTest() { testing = false; }
    bool IsTesting() const { return testing; }

    // One timer tick; true on the beat.
    bool Tick();

    const CNote& Current() const { return current; }

private:
    void SoundBeat();
    void TurnDown();

    NotePlayer& player;
    std::unique_ptr<CScale> scale;
    int periodMs = 0;
    bool soundTick = true;
    bool testing = false;
    LoopDirection direction = LoopDirection::kAscending;
    bool loop = false;
    bool stopPlayingNote = false;
    bool ascending = true;
    CNote current;
    CNote endNote;
};
