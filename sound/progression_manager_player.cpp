#include "sound/progression_manager_player.h"

#include "library/progression_list.h"
#include "sound/note_player.h"
#include "sound/slot_timing.h"

bool CProgressionManagerPlayer::Play(int id, int row) {
    CProgression* found = list.FindProgression(id);
    if (found == nullptr) {
        return false;
    }
    progression = found;
    progressionId = id;
    progression->ResetPlayback();
    periodMs = SlotMilliseconds(progression->BPM);
    markedRow = row;
    playing = true;
    return true;
}

bool CProgressionManagerPlayer::Tick() {
    if (!playing) {
        return false;
    }
    // Replaced by the editor or deleted since the last tick: the object is gone.
    if (list.FindProgression(progressionId) != progression || !progression->PlayStep(player)) {
        Forget();
        return false;
    }
    return true;
}

void CProgressionManagerPlayer::Stop() {
    player.StopSound(kAllVoices);
    Forget();
}

void CProgressionManagerPlayer::Forget() {
    playing = false;
    progression = nullptr;
    progressionId = -1;
    markedRow = -1;
}
