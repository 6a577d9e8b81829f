// The audio output's speed: the mixer against real time, the time from sounding a string to
// its first frame, and generating the shipped sound pack.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "guitar/tuning.h"
#include "sound/audio/audio_mixer.h"
#include "sound/audio/audio_output_library.h"
#include "sound/audio/xm_writer.h"
#include "sound/sound_engine.h"
#include "sound/sound_settings.h"
#include "tools/make_soundpack/default_pack.h"

namespace {

constexpr int kRate = 22050;

// Twelve voices that never end (looping), at rates that need resampling.
void BM_MixTwelveVoices(benchmark::State& state) {
    std::vector<AudioSample> samples(12);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        AudioSample& s = samples[i];
        s.rate = 22050.0 * std::exp2(static_cast<double>(i) / 12.0 - 0.5);
        for (int f = 0; f < 44100; ++f) {
            s.frames.push_back(static_cast<std::int16_t>(8000 * std::sin(f * 0.01 * (i + 1))));
        }
        s.loop = true;
        s.loopStart = 1000;
        s.loopEnd = 44100;
    }
    CAudioMixer mixer;
    mixer.Configure(kRate, 12);
    for (const AudioSample& s : samples) {
        mixer.Start(s);
    }
    std::vector<std::int16_t> buffer(512);
    for (auto _ : state) {
        mixer.Mix(buffer);
        benchmark::DoNotOptimize(buffer.data());
    }
    const double frames = static_cast<double>(state.iterations()) * buffer.size();
    state.counters["realtime_x"] =
        benchmark::Counter(frames / kRate, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MixTwelveVoices);

class PackSettings : public SoundSettings {
public:
    std::string pack;
    std::string SoundPack() const override { return pack; }
    void SetSoundPack(const std::string& path) override { pack = path; }
    bool StopPlayingNote() const override { return false; }
};

// SoundString, then the next device buffer: the note's first frame is the buffer's first
// frame, so the wait is at most one buffer of 512 frames (23 ms at 22050 Hz).
void BM_SoundStringToFirstFrame(benchmark::State& state) {
    CAudioOutputLibrary audio;
    audio.StartOffline(kRate, 12);
    PackSettings settings;
    settings.pack = FRETQUILL_BINARY_DIR "/sounds/default.spk";
    int song = 0;
    CSoundEngine engine(audio, song, settings);
    if (!engine.LoadSoundPack(settings.pack)) {
        state.SkipWithError("build the default_soundpack target first");
        return;
    }
    CTuning tuning;
    std::int64_t framesToFirst = 0;
    for (auto _ : state) {
        engine.SoundString(tuning, 1);
        const std::vector<std::int16_t> buffer = audio.RenderFrames(512);
        std::size_t first = 0;
        while (first < buffer.size() && buffer[first] == 0) {
            ++first;
        }
        framesToFirst = static_cast<std::int64_t>(first);
        state.PauseTiming();
        audio.StopSound(kAllVoices);
        state.ResumeTiming();
    }
    state.counters["frames_in_buffer"] = static_cast<double>(framesToFirst);
    state.counters["buffer_frames"] = 512;
}
BENCHMARK(BM_SoundStringToFirstFrame)->Unit(benchmark::kMicrosecond);

void BM_GenerateDefaultPack(benchmark::State& state) {
    for (auto _ : state) {
        const Result<std::vector<std::uint8_t>> bytes = WriteXmModule(MakeDefaultSoundPack());
        benchmark::DoNotOptimize(bytes.Value().data());
    }
}
BENCHMARK(BM_GenerateDefaultPack)->Unit(benchmark::kMillisecond);

}  // namespace
