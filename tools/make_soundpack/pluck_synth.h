#pragma once

// A plucked string for the shipped sound pack: a string loop (a delay line with a loss
// filter and a fractional-delay allpass that tunes it exactly), excited by filtered noise
// shaped for a pick near the bridge, heard through a few guitar-body resonances.
//
//   const std::vector<std::int16_t> e = SynthesizePluck({.frequency = 82.41, .rate = 22050});
//
// The output depends only on the parameters: the same notes give the same bytes.

#include <cstdint>
#include <vector>

struct PluckParameters {
    double frequency = 220.0;  // Hz
    double rate = 22050.0;     // frames per second of the result
    double seconds = 2.0;
    std::uint32_t seed = 1;    // the excitation's noise
};

std::vector<std::int16_t> SynthesizePluck(const PluckParameters& parameters);

// The string loop alone, for the tuning check: the loop's period in frames at frequency f.
double PluckLoopPeriod(double frequency, double rate);
