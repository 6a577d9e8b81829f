#pragma once

// How a tempo turns into the length of one playback slot. Every player of the program uses
// the same rule: the tempo is divided by 60 in whole numbers first, then 1000 is divided by
// that, keeping the integer part. So 60..119 BPM give 1000 ms, 120..179 give 500 ms,
// 180..239 give 333 ms, 240..299 give 250 ms and 300..320 give 200 ms.
//
//   SlotMilliseconds(100) == 1000;  HalfSlotMilliseconds(180) == 166;
//
// A tempo below 60 would divide by zero; it plays as 60.

inline constexpr int kMinimumBPM = 60;

constexpr int SlotMilliseconds(int bpm) {
    const int beatsPerSecond = (bpm < kMinimumBPM ? kMinimumBPM : bpm) / 60;
    return static_cast<int>(1000.0 / beatsPerSecond);
}

// The half-slot tick of the dialog players and beat lights (the slot shifted right by one).
constexpr int HalfSlotMilliseconds(int bpm) {
    return SlotMilliseconds(bpm) >> 1;
}
