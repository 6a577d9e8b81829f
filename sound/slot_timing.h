#pragma once

// How a tempo turns into the length of one playback slot. Every player of the program uses
// the same rule: a minute divided by the tempo, to the nearest millisecond, with the tempo
// kept within 60..320 first. 60, 120, 180, 240 and 300 BPM give 1000, 500, 333, 250 and
// 200 ms; every tempo between has its own slot (100 BPM gives 600 ms).
//
//   SlotMilliseconds(100) == 600;  HalfSlotMilliseconds(180) == 166;

#include "sound/tempo_range.h"

inline constexpr int kMinimumBPM = kLowestTempo;

constexpr int SlotMilliseconds(int bpm) {
    const int b = ClampTempo(bpm);
    return (60000 + b / 2) / b;
}

// The half-slot tick of the dialog players and beat lights, in whole milliseconds.
constexpr int HalfSlotMilliseconds(int bpm) {
    return SlotMilliseconds(bpm) / 2;
}
