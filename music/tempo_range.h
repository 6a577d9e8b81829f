#pragma once

// The tempos a player can choose: 60 to 320 beats per minute. A tempo read from the
// settings is shown, played and stored back within that range.

inline constexpr int kLowestTempo = 60;
inline constexpr int kHighestTempo = 320;

constexpr int ClampTempo(int bpm) {
    return bpm < kLowestTempo ? kLowestTempo : (bpm > kHighestTempo ? kHighestTempo : bpm);
}
