#include "sound/progression_sequencer.h"

#include <cstddef>

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
    CPattern* pattern = PlayingPattern();
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

CPattern* CProgressionSequencer::PlayingPattern() const {
    if (playPatternId < 0) {
        return nullptr;
    }
    // The pattern the list's iteration handed out last, so that patterns sharing an id (an
    // edited exchange file) still play in turn; looked up by id only when it is not there.
    CPatternList& list = progression->patterns;
    const std::size_t at = list.CursorIndex();
    if (at > 0 && at <= list.patterns.size() && list.patterns[at - 1]->id == playPatternId) {
        return list.patterns[at - 1].get();
    }
    return list.FindPattern(playPatternId);
}

void CProgressionSequencer::Stop(bool reselect) {
    playing = false;
    if (reselect && playStartIndex >= 0) {
        display.SelectPatternAt(playStartIndex);
    }
}
