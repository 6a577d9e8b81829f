#include "sound/audio/audio_mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tests/sound/audio/signal_measure.h"

namespace {

AudioSample Constant(std::int16_t value, int frames, double rate = 22050.0) {
    AudioSample sample;
    sample.frames.assign(static_cast<std::size_t>(frames), value);
    sample.rate = rate;
    return sample;
}

AudioSample Sine(double frequency, double rate, double seconds, double amplitude = 20000.0) {
    AudioSample sample;
    sample.rate = rate;
    const auto frames = static_cast<std::size_t>(rate * seconds);
    for (std::size_t i = 0; i < frames; ++i) {
        sample.frames.push_back(static_cast<std::int16_t>(
            std::lround(amplitude * std::sin(2.0 * std::numbers::pi * frequency * i / rate))));
    }
    return sample;
}

std::vector<std::int16_t> MixFrames(CAudioMixer& mixer, std::size_t frames) {
    std::vector<std::int16_t> out(frames);
    mixer.Mix(out);
    return out;
}

// Output frames until the voice ended, counting whole buffers of one frame.
int PlayedFrames(CAudioMixer& mixer, int voice, int limit) {
    int frames = 0;
    std::int16_t one = 0;
    while (mixer.IsPlaying(voice) && frames < limit) {
        mixer.Mix(std::span(&one, 1));
        ++frames;
    }
    return frames;
}

TEST(AudioMixerTest, ResamplesToTheOutputRateKeepingPitchAndLength) {
    struct Case {
        double sampleRate;
        int outputRate;
    };
    const Case cases[] = {{22050, 22050}, {44100, 22050}, {11025, 22050},
                          {22043.7, 22050}, {8363, 48000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sampleRate << " -> " << c.outputRate);
        CAudioMixer mixer;
        mixer.Configure(c.outputRate, 4);
        const AudioSample tone = Sine(440.0, c.sampleRate, 1.0);
        const int voice = mixer.Start(tone);
        const std::vector<std::int16_t> out = MixFrames(mixer, c.outputRate / 2);
        EXPECT_NEAR(CentsBetween(MeasureFrequency(out, c.outputRate, 440.0), 440.0), 0.0, 0.5);
        const double expectedFrames = tone.frames.size() * c.outputRate / c.sampleRate;
        const int played = c.outputRate / 2 + PlayedFrames(mixer, voice, 4 * c.outputRate);
        EXPECT_NEAR(played, expectedFrames, 1.5);
    }
}

TEST(AudioMixerTest, InterpolatesLinearlyBetweenFrames) {
    AudioSample ramp;
    ramp.rate = 11025.0;  // each frame spans two output frames
    for (int i = 0; i < 20; ++i) {
        ramp.frames.push_back(static_cast<std::int16_t>(1000 * i));
    }
    CAudioMixer mixer;
    mixer.Configure(22050, 1);
    mixer.Start(ramp);
    const std::vector<std::int16_t> out = MixFrames(mixer, 30);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(out[static_cast<std::size_t>(i)], std::lround(CAudioMixer::kVoiceGain * 500 * i))
            << "frame " << i;
    }
}

TEST(AudioMixerTest, SumsVoicesAndSoftClipsWithoutWrapping) {
    struct Case {
        std::int16_t value;
        int voices;
    };
    const Case cases[] = {{10000, 1}, {10000, 2}, {10000, 6}, {32767, 12}, {-32768, 12},
                          {-20000, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.voices << " x " << c.value);
        CAudioMixer mixer;
        mixer.Configure(22050, 12);
        const AudioSample dc = Constant(c.value, 2000);
        for (int v = 0; v < c.voices; ++v) {
            mixer.Start(dc);
        }
        const std::int16_t frame = MixFrames(mixer, 100)[50];
        const float sum = CAudioMixer::kVoiceGain * c.value * c.voices / 32768.0f;
        EXPECT_EQ(frame, std::lround(CAudioMixer::SoftClip(sum) * 32767.0f));
        // The sum keeps its sign and grows with every voice, but never passes full scale.
        EXPECT_EQ(frame > 0, c.value > 0);
        EXPECT_LE(std::abs(frame), 32767);
        if (std::fabs(sum) <= 0.75f) {
            EXPECT_NEAR(frame, sum * 32767.0f, 1.0);
        }
    }
}

TEST(AudioMixerTest, SoftClipIsUnityBelowTheKneeAndBoundedAbove) {
    float previous = -2.0f;
    for (float x = -8.0f; x <= 8.0f; x += 0.01f) {
        const float y = CAudioMixer::SoftClip(x);
        EXPECT_LE(std::fabs(y), 1.0f);
        EXPECT_GE(y, previous) << x;
        if (std::fabs(x) <= 0.75f) {
            EXPECT_FLOAT_EQ(y, x);
        }
        previous = y;
    }
}

TEST(AudioMixerTest, TakesAFreeVoiceElseTheLongestPlaying) {
    CAudioMixer mixer;
    mixer.Configure(22050, 3);
    const AudioSample note = Constant(1000, 22050);
    EXPECT_EQ(mixer.Start(note), 0);
    EXPECT_EQ(mixer.Start(note), 1);
    EXPECT_EQ(mixer.Start(note), 2);
    EXPECT_EQ(mixer.Start(note), 0);  // all busy: the oldest
    EXPECT_EQ(mixer.Start(note), 1);
    mixer.Stop(2);
    EXPECT_FALSE(mixer.IsPlaying(2));
    EXPECT_EQ(mixer.Start(note), 2);  // a free voice comes first
    EXPECT_EQ(mixer.Start(note), 0);  // voice 0 restarted before 1 and 2
    EXPECT_EQ(mixer.ActiveVoices(), 3);
}

TEST(AudioMixerTest, TwelveVoicesNeverOverflow) {
    CAudioMixer mixer;
    mixer.Configure(22050, 12);
    const AudioSample note = Constant(30000, 22050);
    std::vector<int> started;
    for (int i = 0; i < 40; ++i) {
        started.push_back(mixer.Start(note));
    }
    EXPECT_TRUE(std::all_of(started.begin(), started.end(), [](int v) { return v >= 0 && v < 12; }));
    EXPECT_EQ(mixer.ActiveVoices(), 12);
    const std::vector<std::int16_t> out = MixFrames(mixer, 1000);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](std::int16_t f) { return f > 30000; }));
}

TEST(AudioMixerTest, ForwardLoopsRepeatUntilStopped) {
    AudioSample looped;
    looped.rate = 22050.0;
    for (int i = 0; i < 100; ++i) {
        looped.frames.push_back(static_cast<std::int16_t>(i * 100 - 5000));
    }
    looped.loop = true;
    looped.loopStart = 50;
    looped.loopEnd = 80;  // frames 80..99 are never heard
    CAudioMixer mixer;
    mixer.Configure(22050, 2);
    const int voice = mixer.Start(looped);
    const std::vector<std::int16_t> out = MixFrames(mixer, 5000);
    EXPECT_TRUE(mixer.IsPlaying(voice));
    for (std::size_t i = 50; i + 30 < out.size(); ++i) {
        ASSERT_EQ(out[i], out[i + 30]) << "frame " << i;
    }
    const auto top = *std::max_element(out.begin(), out.end());
    EXPECT_EQ(top, std::lround(CAudioMixer::kVoiceGain * 2900));  // frame 79
    mixer.Stop(voice);
    const std::vector<std::int16_t> after = MixFrames(mixer, 100);
    EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](std::int16_t f) { return f == 0; }));
}

TEST(AudioMixerTest, StopAllSilencesEveryVoiceAndEndedVoicesAreFree) {
    CAudioMixer mixer;
    mixer.Configure(22050, 4);
    const AudioSample shortNote = Constant(5000, 300);
    const AudioSample longNote = Constant(5000, 22050);
    const int a = mixer.Start(shortNote);
    const int b = mixer.Start(longNote);
    const std::vector<std::int16_t> first = MixFrames(mixer, 512);
    EXPECT_FALSE(mixer.IsPlaying(a));  // ended within the buffer
    EXPECT_TRUE(mixer.IsPlaying(b));
    EXPECT_EQ(first[299], std::lround(0.4f * 10000));
    EXPECT_EQ(first[300], std::lround(0.4f * 5000));
    mixer.Stop(kAllVoices);
    EXPECT_EQ(mixer.ActiveVoices(), 0);
    const std::vector<std::int16_t> silent = MixFrames(mixer, 512);
    EXPECT_TRUE(std::all_of(silent.begin(), silent.end(), [](std::int16_t f) { return f == 0; }));
    for (int voice : {-1, 4, 99}) {
        EXPECT_FALSE(mixer.IsPlaying(voice));
        mixer.Stop(voice);  // ignored
    }
    EXPECT_EQ(mixer.Start(AudioSample{}), -1);  // an empty sample starts nothing
}

TEST(AudioMixerTest, SkipMovesVoicesLikeMixing) {
    CAudioMixer mixer;
    mixer.Configure(22050, 2);
    const AudioSample note = Constant(5000, 22050, 44100.0);  // half a second at 22050
    const int voice = mixer.Start(note);
    mixer.Skip(11000);
    EXPECT_TRUE(mixer.IsPlaying(voice));
    mixer.Skip(25);
    EXPECT_FALSE(mixer.IsPlaying(voice));
    mixer.Skip(std::int64_t{1} << 40);  // long silences do not overflow
}

}  // namespace
