#pragma once

// How a tempo turns into the length of one playback slot. Every player and beat light of
// the program uses this rule: one beat of B beats per minute lasts 60000 / B milliseconds,
// rounded to the nearest whole millisecond, with B kept within 60..320. So 60 BPM gives
// 1000 ms, 100 BPM 600 ms, 120 BPM 500 ms, 180 BPM 333 ms, 320 BPM 188 ms.
//
//   SlotMilliseconds(100) == 600;  HalfSlotMilliseconds(180) == 166;
//
// The tempos 60, 120, 180, 240 and 300 keep the periods they always had, so stored
// progressions at those tempos play as before.

#include "music/tempo_range.h"

constexpr int SlotMilliseconds(int bpm) {
    const int clamped = ClampTempo(bpm);
    return (60000 + clamped / 2) / clamped;
}

// The half-slot tick of the dialog players and beat lights, in whole milliseconds.
constexpr int HalfSlotMilliseconds(int bpm) {
    return SlotMilliseconds(bpm) / 2;
}
