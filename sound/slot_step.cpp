#include "sound/slot_step.h"

#include <cstddef>

#include "sound/note_player.h"

int NextSlotStep(CTuning& chord) {
    // A pass has at most pattern-length steps before it ends or wraps, so more skips than
    // that in one slot means the pattern has nothing left to sound.
    const std::size_t limit = chord.pickPattern.size() + 1;
    for (std::size_t taken = 0; taken <= limit; ++taken) {
        const int step = chord.NextPatternStep();
        if (step >= 1 && step <= kStringCount && chord.StringNote(step).IsMuted()) {
            continue;
        }
        return step;
    }
    return kStepRest;
}

bool SoundStep(NotePlayer& player, CTuning& chord, int step) {
    if (step == kStepStrum) {
        return player.StrumStrings(chord);
    }
    if (step >= 1 && step <= kStringCount) {
        return player.SoundString(chord, step);
    }
    return true;
}
