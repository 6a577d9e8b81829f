#pragma once

// The software mixer: a fixed number of voices, each playing one sample from its start to
// its end (or round its forward loop until stopped), resampled by linear interpolation to
// the output rate and summed into 16-bit mono frames.
//
//   CAudioMixer mixer;
//   mixer.Configure(22050, 12);
//   const int voice = mixer.Start(sample);   // a free voice, else the longest playing one
//   mixer.Mix(buffer);                        // on the output's thread
//
// Threading: Configure runs while no output pulls frames. Start, Stop, IsPlaying and
// StopBank come from the user-interface thread; Mix and Skip from the output's thread.
// Each takes the mixer's lock for a bounded time only (Mix for one chunk of at most
// kMixChunkFrames), and Mix and Skip never allocate. A sample must stay alive while a voice
// plays it: StopBank silences a pack's voices before it is freed.

#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

#include "sound/audio/audio_library.h"
#include "sound/audio/audio_sample.h"

struct AudioSampleBank;

class CAudioMixer {
public:
    static constexpr int kMixChunkFrames = 512;
    // Each voice's share of full scale before the sum is soft-clipped: a six-string strum
    // stays loud without flattening its attack.
    static constexpr float kVoiceGain = 0.4f;

    // Voices are cleared; rate in frames per second, voiceCount at least 1.
    void Configure(int outputRate, int voiceCount);

    // Starts the sample on the lowest free voice, or on the one that started longest ago
    // when every voice sounds. The voice number, or -1 for an empty sample.
    int Start(const AudioSample& sample);
    // Silences one voice, or every voice with voice -3; other numbers are ignored.
    void Stop(int voice);
    // Silences every voice playing a sample of the bank.
    void StopBank(const AudioSampleBank& bank);
    bool IsPlaying(int voice) const;
    int ActiveVoices() const;

    // Fills out with the next frames of the sum. Output thread.
    void Mix(std::span<std::int16_t> out);
    // Moves every voice on by frames without producing sound (the silent output).
    void Skip(std::int64_t frames);

    int OutputRate() const { return outputRate; }
    int VoiceCount() const { return static_cast<int>(voices.size()); }

    // The soft clipper: unity below the knee, then bending smoothly toward full scale, which
    // it never passes. Input and output in units of full scale.
    static float SoftClip(float x);

private:
    struct Voice {
        const AudioSample* sample = nullptr;  // nullptr: the voice is free
        std::uint64_t position = 0;           // frames, 32.32 fixed point
        std::uint64_t step = 0;               // frames per output frame, 32.32
        float gain = 0.0f;
        std::uint64_t startOrder = 0;
    };

    void MixChunk(std::int16_t* out, int frames);
    // Moves a voice by frames output frames; false once it has ended.
    static bool AdvanceVoice(Voice& voice, std::uint64_t frames);

    mutable std::mutex mutex;
    std::vector<Voice> voices;
    std::uint64_t startCounter = 0;
    int outputRate = 22050;
};
