#include <cstdint>
#include <vector>

#include "sound/audio/audio_mixer.h"
#include "sound/audio/audio_output.h"
#include "sound/audio/wav_file.h"

namespace {

// An output that stands in for a device: each Pump hands the mixer the frames a device
// would have pulled since the last one.
class ClockedOutput : public AudioOutput {
public:
    ClockedOutput(CAudioMixer& mixer, AudioClock clock)
        : mixer(mixer), clock(std::move(clock)), start(this->clock()) {}

    void Pump() override {
        const std::int64_t elapsed = (clock() - start).count();
        if (elapsed <= 0) {
            return;
        }
        // Frames due by now, computed from the start so rounding never drifts.
        const auto rate = static_cast<std::int64_t>(mixer.OutputRate());
        const std::int64_t due = elapsed / 1'000'000'000 * rate +
                                 elapsed % 1'000'000'000 * rate / 1'000'000'000;
        if (due > done) {
            Consume(due - done);
            done = due;
        }
    }

protected:
    virtual void Consume(std::int64_t frames) = 0;

    CAudioMixer& mixer;

private:
    AudioClock clock;
    std::chrono::nanoseconds start;
    std::int64_t done = 0;
};

class SilentOutput : public ClockedOutput {
public:
    using ClockedOutput::ClockedOutput;
    AudioOutputKind Kind() const override { return AudioOutputKind::Silent; }

private:
    void Consume(std::int64_t frames) override { mixer.Skip(frames); }
};

class CaptureOutput : public ClockedOutput {
public:
    using ClockedOutput::ClockedOutput;
    ~CaptureOutput() override {
        Pump();
        capture.Close();
    }
    AudioOutputKind Kind() const override { return AudioOutputKind::Capture; }

    CWavCapture capture;

private:
    void Consume(std::int64_t frames) override {
        std::vector<std::int16_t> chunk(CAudioMixer::kMixChunkFrames);
        while (frames > 0) {
            const auto n = static_cast<std::size_t>(
                std::min<std::int64_t>(frames, CAudioMixer::kMixChunkFrames));
            mixer.Mix(std::span(chunk.data(), n));
            // A capture that can no longer be written still keeps the voices in time.
            capture.Append(std::span<const std::int16_t>(chunk.data(), n));
            frames -= static_cast<std::int64_t>(n);
        }
    }
};

class OfflineOutput : public AudioOutput {
public:
    AudioOutputKind Kind() const override { return AudioOutputKind::Offline; }
};

}  // namespace

std::unique_ptr<AudioOutput> MakeSilentOutput(CAudioMixer& mixer, AudioClock clock) {
    return std::make_unique<SilentOutput>(mixer, std::move(clock));
}

std::unique_ptr<AudioOutput> OpenCaptureOutput(CAudioMixer& mixer, AudioClock clock,
                                               const std::filesystem::path& path,
                                               AudioError& error) {
    auto output = std::make_unique<CaptureOutput>(mixer, std::move(clock));
    if (!output->capture.Open(path, mixer.OutputRate())) {
        error = AudioError::CaptureFile;
        return nullptr;
    }
    return output;
}

std::unique_ptr<AudioOutput> MakeOfflineOutput() {
    return std::make_unique<OfflineOutput>();
}
