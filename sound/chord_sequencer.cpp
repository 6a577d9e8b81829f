#include "sound/chord_sequencer.h"

#include "sound/note_player.h"
#include "sound/slot_step.h"
#include "sound/slot_timing.h"

void CChordSequencer::Start(CTuning& target, const Options& options) {
    chord = &target;
    strum = options.strum;
    chord->RewindPattern();
    chord->loopPattern = options.loop ? 1 : 0;
    chord->strum = options.strum ? 1 : 0;
    if (options.strum) {
        chord->pickPattern.clear();
    }
    periodMs = SlotMilliseconds(options.bpm);
    playing = true;
    Tick();
}

bool CChordSequencer::Tick() {
    if (!playing || chord == nullptr) {
        return false;
    }
    if (strum) {
        player.StrumStrings(*chord);
        if (chord->loopPattern == 0) {
            Stop();
        }
        return playing;
    }
    const int step = NextSlotStep(*chord);
    if (step == kStepEnd) {
        Stop();
        return false;
    }
    // A string without a sample sounds nothing but still uses its slot.
    SoundStep(player, *chord, step);
    return true;
}

void CChordSequencer::Stop() {
    playing = false;
}
