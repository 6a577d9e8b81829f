#pragma once

// Reads the samples of a tracker module (any format libxmp reads: XM, IT, S3M, MOD, ...;
// the file's extension does not matter). The song itself is never played.
//
//   AudioSampleBank bank;
//   if (LoadModuleSamples("sounds/default.spk", bank) != AudioError::None) ...
//
// Every sample becomes 16-bit (8-bit data is scaled up). Its native rate comes from the
// relative note and finetune of the instrument that plays it:
// 8363 x 2^((note + finetune / 128) / 12). Loops of any kind play as forward loops over
// the loop's frames; a loop outside the sample is dropped.

#include <string>

#include "sound/audio/audio_errors.h"
#include "sound/audio/audio_sample.h"

// Replaces bank's samples; on failure bank is left empty.
AudioError LoadModuleSamples(const std::string& path, AudioSampleBank& bank);

// The native rate of a sample played by a relative note and finetune (1/128 semitone).
double NativeSampleRate(int relativeNote, int finetune);
