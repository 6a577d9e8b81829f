#pragma once

// Writes a sound pack as an extended tracker module (XM): one instrument per sample, each
// sample 16-bit, delta-encoded, with its pitch as a relative note and finetune. The song
// itself is a single empty pattern; only the samples matter.
//
//   XmModule pack{.name = "Fretquill default"};
//   pack.samples.push_back({.name = "C3", .frames = frames, .rate = 22050.0});
//   Result<std::vector<std::uint8_t>> bytes = WriteXmModule(pack);
//   if (!bytes) show(bytes.Error().message);
//
// The stored pitch is the nearest 1/128 semitone to the recording rate, so a loader plays a
// sample at XmStoredRate(rate), within 0.4 cents of the rate it was recorded at.

#include <cstdint>
#include <string>
#include <vector>

#include "util/result.h"

inline constexpr int kXmMaxInstruments = 128;

struct XmSample {
    std::string name;  // at most 22 bytes are kept
    std::vector<std::int16_t> frames;
    double rate = 8363.0;  // recording rate, frames per second
    int volume = 64;       // 0..64
    bool loop = false;     // a forward loop of loopLength frames from loopStart
    int loopStart = 0;
    int loopLength = 0;
};

struct XmModule {
    std::string name;  // at most 20 bytes are kept
    std::vector<XmSample> samples;
};

// The relative note and finetune that play a sample recorded at rate at its pitch.
struct XmPitch {
    int relativeNote = 0;
    int finetune = 0;
};
XmPitch XmPitchForRate(double rate);
// The rate a loader derives from the stored pitch of a recording rate.
double XmStoredRate(double rate);

// The module's bytes; fails for more than 128 samples, a rate outside the stored range, or
// a loop outside its sample.
Result<std::vector<std::uint8_t>> WriteXmModule(const XmModule& module);
