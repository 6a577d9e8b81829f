#include "sound/audio/audio_mixer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kFractionBits = 32;
constexpr double kFractionScale = 4294967296.0;  // 2^32
constexpr float kKnee = 0.75f;
constexpr float kFullScale = 32768.0f;
// Skip moves voices in steps this long, so position arithmetic never overflows.
constexpr std::int64_t kSkipStepFrames = std::int64_t{1} << 20;

std::uint64_t Fixed(std::uint64_t frames) {
    return frames << kFractionBits;
}

}  // namespace

void CAudioMixer::Configure(int rate, int voiceCount) {
    const std::lock_guard lock(mutex);
    outputRate = std::max(rate, 1);
    voices.assign(static_cast<std::size_t>(std::max(voiceCount, 1)), Voice{});
    startCounter = 0;
}

int CAudioMixer::Start(const AudioSample& sample) {
    if (sample.frames.empty()) {
        return -1;
    }
    const std::lock_guard lock(mutex);
    auto chosen = std::find_if(voices.begin(), voices.end(),
                               [](const Voice& v) { return v.sample == nullptr; });
    if (chosen == voices.end()) {
        chosen = std::min_element(voices.begin(), voices.end(), [](const Voice& a, const Voice& b) {
            return a.startOrder < b.startOrder;
        });
    }
    chosen->sample = &sample;
    chosen->position = 0;
    chosen->step = static_cast<std::uint64_t>(std::llround(sample.rate / outputRate * kFractionScale));
    chosen->gain = sample.volume * kVoiceGain;
    chosen->startOrder = ++startCounter;
    return static_cast<int>(chosen - voices.begin());
}

void CAudioMixer::Stop(int voice) {
    const std::lock_guard lock(mutex);
    if (voice == kAllVoices) {
        for (Voice& v : voices) {
            v.sample = nullptr;
        }
    } else if (voice >= 0 && voice < static_cast<int>(voices.size())) {
        voices[static_cast<std::size_t>(voice)].sample = nullptr;
    }
}

void CAudioMixer::StopBank(const AudioSampleBank& bank) {
    const std::lock_guard lock(mutex);
    for (Voice& v : voices) {
        for (const AudioSample& sample : bank.samples) {
            if (v.sample == &sample) {
                v.sample = nullptr;
            }
        }
    }
}

bool CAudioMixer::IsPlaying(int voice) const {
    const std::lock_guard lock(mutex);
    return voice >= 0 && voice < static_cast<int>(voices.size()) &&
           voices[static_cast<std::size_t>(voice)].sample != nullptr;
}

int CAudioMixer::ActiveVoices() const {
    const std::lock_guard lock(mutex);
    return static_cast<int>(std::count_if(voices.begin(), voices.end(),
                                          [](const Voice& v) { return v.sample != nullptr; }));
}

float CAudioMixer::SoftClip(float x) {
    const float magnitude = std::fabs(x);
    if (magnitude <= kKnee) {
        return x;
    }
    const float bent = kKnee + (1.0f - kKnee) * std::tanh((magnitude - kKnee) / (1.0f - kKnee));
    return std::copysign(std::min(bent, 1.0f), x);
}

bool CAudioMixer::AdvanceVoice(Voice& voice, std::uint64_t frames) {
    const AudioSample& sample = *voice.sample;
    voice.position += voice.step * frames;
    const std::uint64_t end =
        Fixed(static_cast<std::uint64_t>(sample.loop ? sample.loopEnd : sample.frames.size()));
    if (voice.position < end) {
        return true;
    }
    if (!sample.loop) {
        voice.sample = nullptr;
        return false;
    }
    const std::uint64_t loopStart = Fixed(static_cast<std::uint64_t>(sample.loopStart));
    voice.position = loopStart + (voice.position - loopStart) % (end - loopStart);
    return true;
}

void CAudioMixer::Mix(std::span<std::int16_t> out) {
    while (!out.empty()) {
        const int frames = static_cast<int>(std::min<std::size_t>(out.size(), kMixChunkFrames));
        MixChunk(out.data(), frames);
        out = out.subspan(static_cast<std::size_t>(frames));
    }
}

void CAudioMixer::MixChunk(std::int16_t* out, int frames) {
    std::array<float, kMixChunkFrames> sum{};
    {
        const std::lock_guard lock(mutex);
        for (Voice& voice : voices) {
            if (voice.sample == nullptr) {
                continue;
            }
            const AudioSample& sample = *voice.sample;
            const std::int16_t* data = sample.frames.data();
            const std::uint64_t endFrame =
                sample.loop ? static_cast<std::uint64_t>(sample.loopEnd) : sample.frames.size();
            const std::uint64_t end = Fixed(endFrame);
            const std::uint64_t loopStart = Fixed(static_cast<std::uint64_t>(sample.loopStart));
            for (int i = 0; i < frames; ++i) {
                if (voice.position >= end) {
                    if (!sample.loop) {
                        voice.sample = nullptr;
                        break;
                    }
                    voice.position = loopStart + (voice.position - loopStart) % (end - loopStart);
                }
                const std::uint64_t index = voice.position >> kFractionBits;
                const float fraction =
                    static_cast<float>(voice.position & 0xFFFFFFFFu) * (1.0f / 4294967296.0f);
                const float s0 = data[index];
                const std::uint64_t next = index + 1;
                const float s1 = next < endFrame ? data[next]
                                 : sample.loop   ? data[sample.loopStart]
                                                 : 0.0f;
                sum[static_cast<std::size_t>(i)] += voice.gain * (s0 + fraction * (s1 - s0));
                voice.position += voice.step;
            }
            // A voice that has just played its last frame is free at once, so IsPlaying
            // turns false with the buffer that ends the note.
            if (voice.sample != nullptr && !sample.loop && voice.position >= end) {
                voice.sample = nullptr;
            }
        }
    }
    for (int i = 0; i < frames; ++i) {
        const float clipped = SoftClip(sum[static_cast<std::size_t>(i)] / kFullScale);
        out[i] = static_cast<std::int16_t>(std::lround(clipped * 32767.0f));
    }
}

void CAudioMixer::Skip(std::int64_t frames) {
    while (frames > 0) {
        const std::int64_t step = std::min(frames, kSkipStepFrames);
        {
            const std::lock_guard lock(mutex);
            for (Voice& voice : voices) {
                if (voice.sample != nullptr) {
                    AdvanceVoice(voice, static_cast<std::uint64_t>(step));
                }
            }
        }
        frames -= step;
    }
}
