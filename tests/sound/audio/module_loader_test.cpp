#include "sound/audio/module_loader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "sound/audio/xm_writer.h"
#include "tests/util/temp_dir.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> ModuleBytes(const XmModule& module) {
    Result<std::vector<std::uint8_t>> bytes = WriteXmModule(module);
    EXPECT_TRUE(bytes) << bytes.Message();
    return bytes ? std::move(bytes.Value()) : std::vector<std::uint8_t>();
}

XmModule ThreeSamples() {
    XmModule module{.name = "test pack", .samples = {}};
    XmSample extremes{.name = "A#3", .frames = {}, .rate = 22050.0};
    // Deltas that wrap round 16 bits in both directions.
    extremes.frames = {0, 32767, -32768, 32767, -1, 1, -32768, 0, 12345, -12345};
    XmSample looped{.name = "C3", .frames = {}, .rate = 44100.0, .volume = 32};
    for (int i = 0; i < 1000; ++i) {
        looped.frames.push_back(static_cast<std::int16_t>((i * 37) % 20000 - 10000));
    }
    looped.loop = true;
    looped.loopStart = 200;
    looped.loopLength = 600;
    XmSample slow{.name = "a name longer than twenty-two bytes", .frames = {5, 6, 7}, .rate = 8363.0};
    module.samples = {extremes, looped, slow};
    return module;
}

TEST(ModuleLoaderTest, ReadsBackTheSamplesTheWriterStores) {
    TempDir dir;
    const XmModule module = ThreeSamples();
    // The extension does not matter to the loader.
    for (const char* name : {"pack.spk", "pack.xm", "pack"}) {
        SCOPED_TRACE(name);
        WriteFile(dir / name, ModuleBytes(module));
        AudioSampleBank bank;
        ASSERT_EQ(LoadModuleSamples((dir / name).string(), bank), AudioError::None);
        ASSERT_EQ(bank.samples.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            const XmSample& written = module.samples[i];
            const AudioSample& read = bank.samples[i];
            EXPECT_EQ(read.name, written.name.substr(0, 22));
            ASSERT_EQ(read.frames.size(), written.frames.size());
            // The loader may reuse the frames after a loop's end, which are never heard.
            const std::size_t heard =
                written.loop ? static_cast<std::size_t>(written.loopStart + written.loopLength)
                             : written.frames.size();
            for (std::size_t f = 0; f < heard; ++f) {
                ASSERT_EQ(read.frames[f], written.frames[f]) << "sample " << i << " frame " << f;
            }
            EXPECT_NEAR(read.rate, XmStoredRate(written.rate), 1e-6);
            EXPECT_NEAR(1200.0 * std::log2(read.rate / written.rate), 0.0, 0.4);
            EXPECT_EQ(read.loop, written.loop);
            if (written.loop) {
                EXPECT_EQ(read.loopStart, written.loopStart);
                EXPECT_EQ(read.loopEnd, written.loopStart + written.loopLength);
            }
            EXPECT_FLOAT_EQ(read.volume, written.volume / 64.0f);
        }
    }
}

TEST(ModuleLoaderTest, StoredPitchFollowsTheRateFormula) {
    struct Case {
        double rate;
        int relativeNote;
        int finetune;
    };
    const Case cases[] = {{8363.0, 0, 0}, {22050.0, 17, -28}, {16726.0, 12, 0}, {44100.0, 29, -28}};
    for (const Case& c : cases) {
        const XmPitch pitch = XmPitchForRate(c.rate);
        EXPECT_EQ(pitch.relativeNote, c.relativeNote) << c.rate;
        EXPECT_EQ(pitch.finetune, c.finetune) << c.rate;
    }
    EXPECT_DOUBLE_EQ(NativeSampleRate(12, 0), 16726.0);
}

TEST(ModuleLoaderTest, BadFilesFailCleanly) {
    TempDir dir;
    const std::vector<std::uint8_t> good = ModuleBytes(ThreeSamples());
    std::vector<std::uint8_t> truncated(good.begin(), good.begin() + 400);
    // Whole headers, the last sample's data short by a few bytes: the loader alone would
    // keep it as a shorter sample.
    std::vector<std::uint8_t> cutShort(good.begin(), good.end() - 6);
    std::vector<std::uint8_t> badSignature = good;
    badSignature[9] = 'm';  // "Extended module: "
    std::vector<std::uint8_t> noise(5000);
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<std::uint8_t>(i * 7919 % 251);
    }
    const std::string text = "This is a text file, not a sound pack.\n";
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        AudioError expected;
    };
    const std::vector<Case> cases = {
        {"empty.spk", {}, AudioError::NotAModule},
        {"text.spk", std::vector<std::uint8_t>(text.begin(), text.end()), AudioError::NotAModule},
        {"truncated.spk", truncated, AudioError::NotAModule},
        {"cut-short.spk", cutShort, AudioError::CutShort},
        {"signature.spk", badSignature, AudioError::NotAModule},
        {"noise.spk", noise, AudioError::NotAModule},
    };
    for (const Case& c : cases) {
        WriteFile(dir / c.name, c.bytes);
        AudioSampleBank bank;
        bank.samples.resize(2);  // whatever was there goes
        EXPECT_EQ(LoadModuleSamples((dir / c.name).string(), bank), c.expected) << c.name;
        EXPECT_TRUE(bank.samples.empty()) << c.name;
    }
    AudioSampleBank bank;
    EXPECT_EQ(LoadModuleSamples((dir / "missing.spk").string(), bank), AudioError::FileNotFound);
    EXPECT_EQ(LoadModuleSamples("", bank), AudioError::FileNotFound);
    EXPECT_EQ(LoadModuleSamples(dir.Path().string(), bank), AudioError::FileUnreadable);
}

TEST(ModuleLoaderTest, WriterRefusesWhatItCannotStore) {
    XmModule tooMany;
    tooMany.samples.resize(129);
    EXPECT_FALSE(WriteXmModule(tooMany));
    XmModule badLoop{.name = "", .samples = {{.name = "x", .frames = {1, 2, 3}, .rate = 22050.0}}};
    badLoop.samples[0].loop = true;
    badLoop.samples[0].loopStart = 2;
    badLoop.samples[0].loopLength = 2;
    EXPECT_FALSE(WriteXmModule(badLoop));
    XmModule badRate{.name = "", .samples = {{.name = "x", .frames = {1}, .rate = 0.0}}};
    const Result<std::vector<std::uint8_t>> refused = WriteXmModule(badRate);
    EXPECT_FALSE(refused);
    EXPECT_FALSE(refused.Message().empty());
}

}  // namespace
