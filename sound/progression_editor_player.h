#pragma once

// The progression editor's player and beat light. The editor's beat timer runs at
// PeriodMs() (half a slot of its tempo) for as long as the editor is open; every second
// tick the light is dark and, while playing, one slot of the working copy plays (each
// pattern NumTimesToPlay passes), from the row the player chose to the end. The row marked
// as playing is the row of the pattern that sounded last.
//
//   CProgressionEditorPlayer player(engine, workingCopy);
//   player.SetBpm(slider);
//   player.Play(patternId, row);
//   bool lit = player.Tick();     // then re-read IsPlaying() and MarkedRow()

class CPattern;
class CProgression;
class NotePlayer;

class CProgressionEditorPlayer {
public:
    static constexpr int kTimerId = 100;

    // The working copy must outlive the player (or be handed in again with SetProgression).
    CProgressionEditorPlayer(NotePlayer& player, CProgression& copy);

    // The tempo slider: the copy's BPM and the beat period.
    void SetBpm(int bpm);
    int PeriodMs() const { return periodMs; }

    // The working copy was rebuilt (a pattern added from a favorite): play that one.
    void SetProgression(CProgression& copy);

    // Plays from the pattern with that id, shown at row.
    void Play(int patternId, int row);
    // Silences everything, rewinds the copy and unmarks the row.
    void Stop();
    // A pattern moved: the copy's playback starts over.
    void ResetPlayback();

    // One beat-timer tick; true when the light is lit.
    bool Tick();

    bool IsPlaying() const { return playing; }
    // The row shown as playing, -1 for none.
    int MarkedRow() const { return markedRow; }

private:
    // The pattern's row in the list (the copy's pattern order).
    int RowOf(const CPattern& pattern) const;

    NotePlayer& player;
    CProgression* progression;
    int periodMs = 0;
    bool beat = true;
    bool playing = false;
    int markedRow = -1;
};
