#include "sound/audio/audio_output_library.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "sound/audio/xm_writer.h"
#include "tests/util/temp_dir.h"
#include "tests/util/wav_reader.h"

namespace {

using namespace std::chrono_literals;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name(name) {
        if (const char* old = getenv(name)) {
            saved = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (saved) {
            setenv(name, saved->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

private:
    const char* name;
    std::optional<std::string> saved;
};

struct FakeClock {
    std::chrono::nanoseconds now{1s};
    AudioClock Clock() {
        return [this] { return now; };
    }
};

// A pack of two notes: a half-second constant level and a looping one.
std::string WritePack(const TempDir& dir) {
    XmModule module{.name = "two notes", .samples = {}};
    XmSample level{.name = "level", .frames = std::vector<std::int16_t>(11025, 10000),
                   .rate = 22050.0};
    XmSample looped{.name = "looped", .frames = std::vector<std::int16_t>(100, -8000),
                    .rate = 22050.0};
    looped.loop = true;
    looped.loopLength = 100;
    module.samples = {level, looped};
    const Result<std::vector<std::uint8_t>> written = WriteXmModule(module);
    EXPECT_TRUE(written) << written.Message();
    const std::vector<std::uint8_t> bytes = written ? written.Value() : std::vector<std::uint8_t>();
    const std::string path = (dir / "two.spk").string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

TEST(AudioOutputLibraryTest, ErrorTexts) {
    CAudioOutputLibrary audio;
    struct Case {
        int code;
        const char* text;
    };
    const Case cases[] = {
        {0, "No errors"},
        {18, "Required Mediaplayer codec is not installed"},
        {17, "Unknown error"},
        {-1, "Unknown error"},
        {1000, "Unknown error"},
        {static_cast<int>(AudioError::FileNotFound), "The sound pack file does not exist"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(audio.ErrorText(c.code), c.text) << c.code;
    }
    // Every code the output reports has its own text.
    for (int code = 1; code <= static_cast<int>(AudioError::NoSamples); ++code) {
        EXPECT_NE(audio.ErrorText(code), "Unknown error") << code;
    }
}

TEST(AudioOutputLibraryTest, RefusesOutputSettingsOutOfRange) {
    CAudioOutputLibrary audio;
    const std::pair<int, int> bad[] = {{0, 12}, {7999, 12}, {22050, 0}, {22050, 65}, {200000, 1}};
    for (const auto& [rate, voices] : bad) {
        EXPECT_FALSE(audio.StartOffline(rate, voices));
        EXPECT_EQ(audio.LastError(), AudioError::BadOutputSettings);
        EXPECT_FALSE(audio.StartOutput(rate, voices, 2));
        EXPECT_EQ(audio.OutputKind(), AudioOutputKind::None);
    }
}

TEST(AudioOutputLibraryTest, LoadsPlaysAndFreesOffline) {
    TempDir dir;
    const std::string path = WritePack(dir);
    CAudioOutputLibrary audio;
    const int song = audio.LoadSong(path);
    ASSERT_NE(song, 0);
    // Playing needs a started output.
    EXPECT_EQ(audio.PlaySample(song, 0), -1);
    EXPECT_EQ(audio.LastError(), AudioError::NotStarted);

    ASSERT_TRUE(audio.StartOffline(22050, 12));
    EXPECT_EQ(audio.OutputRate(), 22050);
    EXPECT_TRUE(audio.HasSample(song, 1));
    EXPECT_FALSE(audio.HasSample(song, 2));
    EXPECT_FALSE(audio.HasSample(song + 1, 0));

    const int level = audio.PlaySample(song, 0);
    const int looped = audio.PlaySample(song, 1);
    EXPECT_EQ(level, 0);
    EXPECT_EQ(looped, 1);
    const std::vector<std::int16_t> first = audio.Render(400ms);
    ASSERT_EQ(first.size(), 8820u);
    EXPECT_EQ(first[100], std::lround(0.4f * 2000));
    EXPECT_TRUE(audio.IsPlaying(level));
    audio.Render(200ms);
    EXPECT_FALSE(audio.IsPlaying(level));  // half a second long
    EXPECT_TRUE(audio.IsPlaying(looped));

    EXPECT_EQ(audio.PlaySample(song, 2), -1);
    EXPECT_EQ(audio.LastError(), AudioError::BadSampleIndex);
    EXPECT_EQ(audio.PlaySample(99, 0), -1);
    EXPECT_EQ(audio.LastError(), AudioError::BadSong);

    // Freeing a pack silences its voices before their samples go.
    EXPECT_TRUE(audio.FreeSong(song));
    EXPECT_FALSE(audio.IsPlaying(looped));
    const std::vector<std::int16_t> after = audio.Render(50ms);
    EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](std::int16_t f) { return f == 0; }));
    EXPECT_FALSE(audio.FreeSong(song));
    EXPECT_EQ(audio.LastError(), AudioError::BadSong);
}

TEST(AudioOutputLibraryTest, StopOneOrAllVoices) {
    TempDir dir;
    CAudioOutputLibrary audio;
    const int song = audio.LoadSong(WritePack(dir));
    ASSERT_TRUE(audio.StartOffline(22050, 4));
    const int a = audio.PlaySample(song, 1);
    const int b = audio.PlaySample(song, 1);
    const int c = audio.PlaySample(song, 1);
    audio.StopSound(b);
    EXPECT_TRUE(audio.IsPlaying(a));
    EXPECT_FALSE(audio.IsPlaying(b));
    EXPECT_TRUE(audio.IsPlaying(c));
    audio.StopSound(-3);
    EXPECT_EQ(audio.ActiveVoices(), 0);
    EXPECT_FALSE(audio.IsPlaying(-1));
    // Closing stops everything and rendering then gives nothing.
    audio.PlaySample(song, 1);
    audio.CloseOutput();
    EXPECT_EQ(audio.ActiveVoices(), 0);
    EXPECT_TRUE(audio.Render(10ms).empty());
    EXPECT_FALSE(audio.IsPlaying(0));
}

TEST(AudioOutputLibraryTest, LoadFailuresLeaveNoPackAndSayWhy) {
    TempDir dir;
    std::ofstream(dir / "notes.spk") << "not a module";
    CAudioOutputLibrary audio;
    const std::pair<std::string, AudioError> cases[] = {
        {(dir / "missing.spk").string(), AudioError::FileNotFound},
        {(dir / "notes.spk").string(), AudioError::NotAModule},
        {dir.Path().string(), AudioError::FileUnreadable},
    };
    for (const auto& [path, error] : cases) {
        EXPECT_EQ(audio.LoadSong(path), 0) << path;
        EXPECT_EQ(audio.LastError(), error) << path;
    }
}

TEST(AudioOutputLibraryTest, CaptureHoldsEachNoteWhereItStarted) {
    TempDir dir;
    const std::string pack = WritePack(dir);
    const std::string wavPath = (dir / "heard.wav").string();
    const ScopedEnv capture(kAudioCaptureVariable, wavPath.c_str());
    FakeClock clock;
    {
        CAudioOutputLibrary audio(clock.Clock());
        ASSERT_TRUE(audio.StartOutput(22050, 12, 2));
        EXPECT_EQ(audio.OutputKind(), AudioOutputKind::Capture);
        const int song = audio.LoadSong(pack);
        clock.now += 100ms;
        const int voice = audio.PlaySample(song, 0);
        clock.now += 300ms;
        EXPECT_TRUE(audio.IsPlaying(voice));
        clock.now += 300ms;
        EXPECT_FALSE(audio.IsPlaying(voice));  // half a second long
        clock.now += 100ms;
        audio.CloseOutput();
    }
    const WavData wav = ReadWav(wavPath);
    ASSERT_TRUE(wav.ok);
    EXPECT_EQ(wav.rate, 22050);
    EXPECT_EQ(wav.channels, 1);
    EXPECT_EQ(wav.bits, 16);
    ASSERT_EQ(wav.frames.size(), 17640u);  // 0.8 s
    const auto sounding = [&](std::size_t at) { return wav.frames[at] != 0; };
    EXPECT_FALSE(sounding(2204));
    EXPECT_TRUE(sounding(2205));
    // The stored pitch plays the 11025 frames 0.3 cents slow: 11027 frames.
    EXPECT_TRUE(sounding(2205 + 11026));
    EXPECT_FALSE(sounding(2205 + 11027));
}

TEST(AudioOutputLibraryTest, WithoutADeviceTheSilentOutputKeepsTime) {
    TempDir dir;
    const std::string pack = WritePack(dir);
    struct Case {
        const char* capture;  // FRETQUILL_AUDIO_CAPTURE
        AudioError error;
    };
    const std::string unwritable = (dir / "no such dir" / "x.wav").string();
    const Case cases[] = {
        {nullptr, AudioError::NoDevice},
        {unwritable.c_str(), AudioError::CaptureFile},
    };
    // A driver that does not exist stands for a machine without sound.
    const ScopedEnv driver("SDL_AUDIODRIVER", "fretquill-no-such-driver");
    for (const Case& c : cases) {
        const ScopedEnv capture(kAudioCaptureVariable, c.capture);
        FakeClock clock;
        CAudioOutputLibrary audio(clock.Clock());
        EXPECT_FALSE(audio.StartOutput(22050, 12, 2));
        EXPECT_EQ(audio.LastError(), c.error);
        EXPECT_EQ(audio.OutputKind(), AudioOutputKind::Silent);
        const int voice = audio.PlaySample(audio.LoadSong(pack), 0);
        EXPECT_GE(voice, 0);
        clock.now += 499ms;
        EXPECT_TRUE(audio.IsPlaying(voice));
        clock.now += 2ms;
        EXPECT_FALSE(audio.IsPlaying(voice));
    }
}

TEST(AudioOutputLibraryTest, OpensTheDeviceOfTheDummyDriver) {
    const ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    const ScopedEnv capture(kAudioCaptureVariable, nullptr);
    CAudioOutputLibrary audio;
    ASSERT_TRUE(audio.StartOutput(22050, 12, 2)) << audio.LastErrorText();
    EXPECT_EQ(audio.OutputKind(), AudioOutputKind::Device);
    EXPECT_GT(audio.OutputRate(), 0);
    audio.CloseOutput();
    EXPECT_EQ(audio.OutputKind(), AudioOutputKind::None);
}

}  // namespace
