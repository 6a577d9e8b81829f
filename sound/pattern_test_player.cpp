#include "sound/pattern_test_player.h"

#include "sound/note_player.h"
#include "sound/slot_step.h"
#include "sound/slot_timing.h"

void CPatternTestPlayer::Start(CTuning& target, int bpm, int times) {
    Stop();
    chord = &target;
    chord->strum = 0;
    // The test counts passes itself: a chord that loops (the main view's chord after a
    // looping Play) would never end a pass and play on past the times to play. Its loop
    // flag is given back when the test stops.
    savedLoop = chord->loopPattern;
    chord->loopPattern = 0;
    chord->RewindPattern();
    timesToPlay = times;
    passes = 1;
    strums = 0;
    stepsThisPass = 0;
    periodMs = HalfSlotMilliseconds(bpm);
    testing = true;
}

void CPatternTestPlayer::Stop() {
    if (testing && chord != nullptr) {
        chord->loopPattern = savedLoop;
    }
    testing = false;
    passes = 1;
}

bool CPatternTestPlayer::Tick() {
    if (!testing || chord == nullptr) {
        return false;
    }
    if (strumSelected) {
        player.StrumStrings(*chord);
        if (++strums >= timesToPlay) {
            Stop();
        }
        return testing;
    }
    for (;;) {
        const int step = NextSlotStep(*chord);
        if (step != kStepEnd) {
            ++stepsThisPass;
            SoundStep(player, *chord, step);
            return true;
        }
        // A pass with nothing to play would otherwise repeat without end in one tick.
        if (passes >= timesToPlay || stepsThisPass == 0) {
            Stop();
            return false;
        }
        chord->RewindPattern();
        ++passes;
        stepsThisPass = 0;
    }
}
