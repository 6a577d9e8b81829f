#include "sound/chord_test_player.h"

#include "sound/note_player.h"
#include "sound/slot_step.h"
#include "sound/slot_timing.h"

void CChordTestPlayer::SetBpm(int bpm) {
    periodMs = HalfSlotMilliseconds(bpm);
}

void CChordTestPlayer::StartTest(bool loopTest) {
    loop = loopTest;
    // The page's Loop box decides whether the test repeats, not a loop flag the tuning may
    // carry, and each repeat is preceded by the silent beat of the pattern's end.
    tuning.loopPattern = 0;
    tuning.RewindPattern();
    testing = true;
}

bool CChordTestPlayer::Tick() {
    const bool beat = soundTick;
    soundTick = !soundTick;
    if (beat && testing) {
        SoundBeat();
    }
    return beat;
}

void CChordTestPlayer::SoundBeat() {
    if (tuning.strum == 1) {
        player.StrumStrings(tuning);
        if (!loop) {
            StopTest();
        }
        return;
    }
    const int step = NextSlotStep(tuning);
    if (step == kStepEnd) {
        // The end of the pattern takes its own beat, in silence.
        if (loop) {
            tuning.RewindPattern();
        } else {
            StopTest();
        }
        return;
    }
    SoundStep(player, tuning, step);
}
