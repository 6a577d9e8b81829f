#pragma once

// A sound pack as the mixer plays it: every sample of a tracker module, converted to
// 16-bit mono frames at the rate that plays it at its recorded pitch.

#include <cstdint>
#include <string>
#include <vector>

struct AudioSample {
    std::string name;
    std::vector<std::int16_t> frames;
    double rate = 8363.0;  // native playback rate, frames per second
    float volume = 1.0f;   // 0..1, the module's default volume
    bool loop = false;     // a forward loop over [loopStart, loopEnd)
    int loopStart = 0;
    int loopEnd = 0;
};

struct AudioSampleBank {
    std::vector<AudioSample> samples;
};
