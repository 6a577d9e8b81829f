#pragma once

// The progression manager's player: plays a stored progression of the list, one slot per
// tick of its timer 500 at PeriodMs() (a whole slot of the progression's tempo), each
// pattern NumTimesToPlay passes, once through.
//
//   CProgressionManagerPlayer player(engine, CProgressionList::Instance());
//   player.Play(id, row);
//   while (player.Tick()) { ... }      // then re-read IsPlaying() and MarkedRow()
//
// The manager's dialogs may replace (edit) or remove (delete) the very progression being
// played while its timer runs; the player notices and stops rather than touch it.

class CProgression;
class CProgressionList;
class NotePlayer;

class CProgressionManagerPlayer {
public:
    static constexpr int kTimerId = 500;

    CProgressionManagerPlayer(NotePlayer& player, CProgressionList& list)
        : player(player), list(list) {}

    // Rewinds the progression with that id (shown at row) and starts; false when the list
    // has no such progression.
    bool Play(int progressionId, int row);
    // One slot; false once playback has ended (the row is unmarked, the progression
    // forgotten).
    bool Tick();
    // Silences everything and forgets the progression; also what closing the manager does.
    void Stop();

    bool IsPlaying() const { return playing; }
    int PeriodMs() const { return periodMs; }
    int MarkedRow() const { return markedRow; }

private:
    void Forget();

    NotePlayer& player;
    CProgressionList& list;
    CProgression* progression = nullptr;
    int progressionId = -1;
    int markedRow = -1;
    bool playing = false;
    int periodMs = 0;
};
