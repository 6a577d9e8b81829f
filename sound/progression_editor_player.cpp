#include "sound/progression_editor_player.h"

#include "library/progression.h"
#include "sound/note_player.h"
#include "sound/slot_timing.h"

CProgressionEditorPlayer::CProgressionEditorPlayer(NotePlayer& notePlayer, CProgression& copy)
    : player(notePlayer), progression(&copy) {
    progression->ResetPlayback();
}

void CProgressionEditorPlayer::SetBpm(int bpm) {
    progression->BPM = bpm;
    periodMs = HalfSlotMilliseconds(bpm);
}

void CProgressionEditorPlayer::SetProgression(CProgression& copy) {
    playing = false;
    markedRow = -1;
    progression = &copy;
    progression->ResetPlayback();
}

void CProgressionEditorPlayer::Play(int patternId, int row) {
    playing = true;
    lastMarkedId = patternId;
    progression->SeekPattern(patternId);
    markedRow = row;
}

void CProgressionEditorPlayer::Stop() {
    player.StopSound(kAllVoices);
    playing = false;
    progression->ResetPlayback();
    markedRow = -1;
}

void CProgressionEditorPlayer::ResetPlayback() {
    progression->ResetPlayback();
}

bool CProgressionEditorPlayer::Tick() {
    const bool lit = beat;
    beat = !beat;
    if (!playing || lit) {
        return lit;
    }
    if (!progression->PlayStep(player)) {
        // Ran out: the last notes ring on.
        playing = false;
        progression->ResetPlayback();
        markedRow = -1;
        return lit;
    }
    const CPattern* current = progression->CurrentPattern();
    if (current != nullptr && current->id != lastMarkedId) {
        lastMarkedId = current->id;
        ++markedRow;
    }
    return lit;
}
