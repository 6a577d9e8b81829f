#include "sound/progression_editor_player.h"

#include <cstddef>

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
    // The row of the pattern that sounded. Counting one row on per new pattern would
    // mark the wrong row after a pattern of muted strings was passed within the slot, or
    // after a move or delete while playing (rows follow the copy's pattern order).
    const CPattern* current = progression->CurrentPattern();
    if (current != nullptr) {
        markedRow = RowOf(*current);
    }
    return lit;
}

int CProgressionEditorPlayer::RowOf(const CPattern& pattern) const {
    const auto& patterns = progression->patterns.patterns;
    for (std::size_t row = 0; row < patterns.size(); ++row) {
        if (patterns[row].get() == &pattern) {
            return static_cast<int>(row);
        }
    }
    return markedRow;
}
