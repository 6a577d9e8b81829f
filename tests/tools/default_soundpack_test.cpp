#include "tools/make_soundpack/default_pack.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

#include "sound/audio/audio_output_library.h"
#include "sound/audio/module_loader.h"
#include "sound/sound_engine.h"
#include "tests/sound/audio/signal_measure.h"
#include "tests/sound/fake_audio_library.h"

namespace {

using namespace std::chrono_literals;

const std::string kBuiltPack = std::string(FRETQUILL_BINARY_DIR) + "/sounds/default.spk";

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DefaultSoundPackTest, BuiltPackLoadsWithEveryNoteInSampleOrder) {
    AudioSampleBank bank;
    ASSERT_EQ(LoadModuleSamples(kBuiltPack, bank), AudioError::None) << kBuiltPack;
    ASSERT_EQ(bank.samples.size(), 53u);
    const std::vector<DefaultPackNote> notes = DefaultPackNotes();
    for (std::size_t i = 0; i < bank.samples.size(); ++i) {
        const AudioSample& sample = bank.samples[i];
        SCOPED_TRACE(sample.name);
        EXPECT_EQ(sample.name, notes[i].name);
        // The engine finds each note at the index the pack stores it.
        const CNote note = CNote::Parse(sample.name);
        EXPECT_EQ(CSoundEngine::SampleIndex(note.note, note.octave), static_cast<int>(i));
        EXPECT_NEAR(CentsBetween(sample.rate, 22050.0), 0.0, 0.4);
        EXPECT_NEAR(sample.frames.size() / sample.rate, 2.0, 0.01);
        EXPECT_FALSE(sample.loop);
        // Loud at the pluck, decaying naturally, silent at the very end.
        const std::span<const std::int16_t> frames(sample.frames);
        const double start = Rms(frames.first(5000));
        const double late = Rms(frames.subspan(frames.size() - 8000, 5000));
        EXPECT_GT(start, 1500.0);
        EXPECT_LT(late, start / 3.0);
        EXPECT_EQ(frames.back(), 0);
    }
}

TEST(DefaultSoundPackTest, GenerationIsDeterministicAndMatchesTheBuild) {
    // The build wrote the pack in another process: the same bytes again here.
    const Result<std::vector<std::uint8_t>> bytes = WriteXmModule(MakeDefaultSoundPack());
    ASSERT_TRUE(bytes) << bytes.Message();
    EXPECT_TRUE(bytes.Value() == FileBytes(kBuiltPack));
}

struct PackPlayer {
    CAudioOutputLibrary audio;
    FakeSoundSettings settings;
    int song = 0;
    CSoundEngine engine{audio, song, settings};

    PackPlayer() {
        settings.soundPack = kBuiltPack;
        EXPECT_TRUE(audio.StartOffline(22050, 12));
    }
};

TEST(DefaultSoundPackTest, NotesSoundAtTheirPitch) {
    struct Case {
        const char* note;
        double frequency;
    };
    const Case cases[] = {{"C3", 65.406}, {"E3", 82.407}, {"A4", 220.0}, {"E5", 329.63},
                          {"E7", 1318.51}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        PackPlayer player;
        ASSERT_TRUE(player.engine.SoundNote(CNote::Parse(c.note), kNoVoice));
        player.audio.Render(50ms);  // past the pick's noise
        const std::vector<std::int16_t> heard = player.audio.Render(1000ms);
        const double measured = MeasureFrequency(heard, 22050, c.frequency);
        EXPECT_NEAR(CentsBetween(measured, c.frequency), 0.0, 3.0) << measured << " Hz";
    }
}

TEST(DefaultSoundPackTest, AStrumStartsSixVoicesAndStopSilencesThem) {
    PackPlayer player;
    CTuning eMajor;  // 0 2 2 1 0 0 from the low string
    const char* notes[] = {"E3", "B3", "E4", "G#4", "B4", "E5"};
    for (int s = 1; s <= 6; ++s) {
        const CNote note = CNote::Parse(notes[s - 1]);
        eMajor.SetStringNote(s, note.note, note.octave);
    }
    ASSERT_TRUE(player.engine.StrumStrings(eMajor));
    EXPECT_EQ(player.audio.ActiveVoices(), 6);
    const std::vector<std::int16_t> strum = player.audio.Render(500ms);
    EXPECT_GT(Rms(strum), 3000.0);
    player.engine.StopSound(kAllVoices);
    EXPECT_EQ(player.audio.ActiveVoices(), 0);
    const std::vector<std::int16_t> after = player.audio.Render(100ms);
    EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](std::int16_t f) { return f == 0; }));
}

}  // namespace
