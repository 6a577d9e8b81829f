#include "sound/progression_sequencer.h"

#include "library/progression.h"
#include "sound/note_player.h"
#include "sound/progression_display.h"
#include "sound/slot_step.h"
#include "sound/slot_timing.h"

void CProgressionSequencer::Start(CProgression& target, int patternId, int patternIndex) {
    progression = &target;
    playStartIndex = patternIndex;
    playPatternIndex = patternIndex;
    progression->SeekPattern(patternId);
    const CPattern* first = progression->CurrentPattern();
    playPatternId = first != nullptr ? first->id : -1;
    periodMs = SlotMilliseconds(progression->BPM);
    playing = true;
    Tick();
}

bool CProgressionSequencer::Tick() {
    if (!playing || progression == nullptr) {
        return false;
    }
    CPattern* pattern = progression->patterns.FindPattern(playPatternId);
    // Bounded: each pass through the loop moves on to the next pattern of the list.
    while (pattern != nullptr) {
        const int step = NextSlotStep(pattern->chord);
        if (step != kStepEnd) {
            SoundStep(player, pattern->chord, step);
            return true;
        }
        pattern = progression->patterns.NextPattern();
        if (pattern == nullptr) {
            break;
        }
        playPatternId = pattern->id;
        ++playPatternIndex;
        display.SelectPatternIndex(playPatternIndex);
        display.ShowPatternChord(pattern->chord);
    }
    // The last pattern has ended, or there was none to play.
    Stop(true);
    return false;
}

void CProgressionSequencer::Stop(bool reselect) {
    playing = false;
    if (reselect && playStartIndex >= 0) {
        display.SelectPatternAt(playStartIndex);
    }
}
