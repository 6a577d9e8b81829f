#pragma once

// Where the mixer's frames go. The sound device pulls them on its own thread; the silent
// and capture outputs follow a clock instead, catching the mixer up to the present each
// time the program calls into the audio output (Pump), so voices end on time and a capture
// holds each note where it started. The offline output moves only when asked to render.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>

#include "sound/audio/audio_errors.h"

class CAudioMixer;

enum class AudioOutputKind { None, Device, Silent, Capture, Offline };

// Time since some fixed point; the outputs that follow a clock take differences only.
using AudioClock = std::function<std::chrono::nanoseconds()>;

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    virtual AudioOutputKind Kind() const = 0;
    // Brings the mixer up to the present; the device and offline outputs need nothing.
    virtual void Pump() {}
};

// The sound device at a rate near mixRate, in buffers of at most 512 frames. It configures
// the mixer (at the rate the device gives) before the first buffer is pulled. nullptr with
// AudioError::NoDevice when no device opens.
std::unique_ptr<AudioOutput> OpenDeviceOutput(CAudioMixer& mixer, int mixRate, int voiceCount,
                                              AudioError& error);

// Discards the mixer's frames at the pace of the clock.
std::unique_ptr<AudioOutput> MakeSilentOutput(CAudioMixer& mixer, AudioClock clock);

// Writes the mixer's frames at the pace of the clock into a WAV file; nullptr with
// AudioError::CaptureFile when the file cannot be created.
std::unique_ptr<AudioOutput> OpenCaptureOutput(CAudioMixer& mixer, AudioClock clock,
                                               const std::filesystem::path& path,
                                               AudioError& error);

// Moves only when the owner mixes frames itself.
std::unique_ptr<AudioOutput> MakeOfflineOutput();
