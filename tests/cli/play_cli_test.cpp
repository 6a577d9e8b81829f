// play and soundpack, run as a player would: renders are read back and measured.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "library/exchange_file.h"
#include "library/pattern.h"
#include "library/progression.h"
#include "tests/cli/cli_runner.h"
#include "tests/sound/audio/signal_measure.h"
#include "tests/util/recording_prompter.h"
#include "tests/util/temp_dir.h"
#include "tests/util/wav_reader.h"

namespace {

using nlohmann::json;

const std::string kPack = std::string(FRETQUILL_BINARY_DIR) + "/sounds/default.spk";

struct Render {
    cli_test::Result run;
    WavData wav;
};

// Renders with the shipped pack into a fresh directory and reads the WAV back.
Render RenderWith(std::vector<std::string> args) {
    TempDir dir;
    const std::string out = (dir / "out.wav").string();
    args.insert(args.end(), {"--pack", kPack, "--out", out});
    Render render;
    render.run = cli_test::RunCli(args);
    render.wav = ReadWav(out);
    return render;
}

double Seconds(const WavData& wav) {
    return static_cast<double>(wav.frames.size()) / wav.rate;
}

std::span<const std::int16_t> Window(const WavData& wav, double from, double seconds) {
    const auto start = static_cast<std::size_t>(from * wav.rate);
    const auto count = static_cast<std::size_t>(seconds * wav.rate);
    return std::span<const std::int16_t>(wav.frames).subspan(start, count);
}

TEST(CliPlay, ChordStrumSoundsEveryStringAtItsPitch) {
    const Render render = RenderWith({"play", "chord", "C", "MAJOR"});
    ASSERT_EQ(render.run.status, 0) << render.run.err;
    EXPECT_NE(render.run.out.find("Wrote"), std::string::npos);
    ASSERT_TRUE(render.wav.ok);
    EXPECT_EQ(render.wav.rate, 22050);
    EXPECT_EQ(render.wav.channels, 1);
    EXPECT_EQ(render.wav.bits, 16);
    // One strum, ringing out with its samples: two seconds.
    EXPECT_NEAR(Seconds(render.wav), 2.0, 0.06);
    // x32010: C4 E4 G4 C5 E5 in the program's octaves.
    const auto heard = Window(render.wav, 0.05, 1.0);
    for (const double frequency : {130.81, 164.81, 196.00, 261.63, 329.63}) {
        const double measured = MeasureFrequency(heard, 22050, frequency);
        EXPECT_NEAR(CentsBetween(measured, frequency), 0.0, 3.0) << frequency << " Hz";
    }
}

TEST(CliPlay, RendersTheSlotsOfEachPlayer) {
    struct Case {
        std::vector<std::string> args;
        std::vector<double> onsets;  // seconds where a note starts
        double seconds;              // length of the render
    };
    const std::vector<Case> cases = {
        // The muted low string is skipped in the same slot: five plucks, 500 ms apart.
        {{"play", "chord", "C", "MAJOR", "--pattern", "123456"}, {0.5, 1.0, 1.5, 2.0}, 4.0},
        {{"play", "chord", "C", "MAJOR", "--pattern", "2R4", "--bpm", "240"}, {0.5}, 2.5},
        {{"play", "chord", "E", "m", "--loop-passes", "3"}, {0.5, 1.0}, 3.0},
        {{"play", "chord", "A", "7", "--pattern", "56", "--loop-passes", "2", "--bpm", "60"},
         {1.0, 2.0, 3.0},
         5.0},
        // Up and back down: fifteen notes, the last one at 7 s.
        {{"play", "scale", "C", "1", "--direction", "2"}, {0.5, 3.5, 7.0}, 9.0},
        {{"play", "scale", "A", "dorian", "--mode", "--bpm", "180"}, {0.333, 1.0}, 4.35},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const std::string& arg : c.args) {
            joined += arg + " ";
        }
        SCOPED_TRACE(joined);
        const Render render = RenderWith(c.args);
        ASSERT_EQ(render.run.status, 0) << render.run.err;
        ASSERT_TRUE(render.wav.ok);
        EXPECT_NEAR(Seconds(render.wav), c.seconds, 0.1);
        for (const double at : c.onsets) {
            const double before = Rms(Window(render.wav, at - 0.03, 0.025));
            const double after = Rms(Window(render.wav, at + 0.002, 0.025));
            EXPECT_GT(after, 1.5 * before + 100.0) << "no note starts at " << at << " s";
        }
    }
}

TEST(CliPlay, ProgressionPlaysEachPatternOnceAtItsTempo) {
    TempDir dir;
    CProgression progression;
    progression.name = "Two";
    progression.BPM = 120;
    for (const char* pick : {"12", "5"}) {
        auto pattern = std::make_unique<CPattern>();
        pattern->name = pick;
        pattern->chord.strum = 0;
        pattern->chord.pickPattern = pick;
        progression.patterns.AddPattern(std::move(pattern), true);
    }
    RecordingPrompter prompter;
    const std::string file = (dir / "Two.fqp").string();
    ASSERT_TRUE(ExportTo(progression, file, prompter));

    const Render render = RenderWith({"play", "progression", file});
    ASSERT_EQ(render.run.status, 0) << render.run.err;
    ASSERT_TRUE(render.wav.ok);
    // E3 at 0, A3 at 0.5 s, B4 at 1.0 s (the first pattern's end moves on in the same slot);
    // the second pattern ends at 1.5 s and the last note rings two seconds.
    EXPECT_NEAR(Seconds(render.wav), 3.0, 0.1);
    EXPECT_NEAR(CentsBetween(MeasureFrequency(Window(render.wav, 1.05, 0.4), 22050, 246.94),
                             246.94),
                0.0, 5.0);

    std::ofstream(dir / "empty.fqp") << "";
    CProgression none;
    ASSERT_TRUE(ExportTo(none, (dir / "none.fqp").string(), prompter));
    for (const char* bad : {"empty.fqp", "none.fqp", "missing.fqp"}) {
        const cli_test::Result run = cli_test::RunCli({"play", "progression", (dir / bad).string(), "--pack", kPack,
                                    "--out", (dir / "x.wav").string()});
        EXPECT_EQ(run.status, 2) << bad << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "x.wav"));
    }
}

// 700 one-second steps: longer than a play command runs, though the pattern does end.
TEST(CliPlay, AVeryLongPatternStopsAtTenMinutesWithoutBlamingALoop) {
    const Render render = RenderWith(
        {"play", "chord", "E", "MAJOR", "--pattern", std::string(700, '6'), "--bpm", "60"});
    ASSERT_EQ(render.run.status, 0) << render.run.err;
    EXPECT_NE(render.run.err.find("stopped after 10 minutes"), std::string::npos) << render.run.err;
    EXPECT_EQ(render.run.err.find("forever"), std::string::npos) << render.run.err;
    EXPECT_NEAR(Seconds(render.wav), 600.0, 3.0);
}

TEST(CliPlay, BadInputIsStatusTwoAndWritesNothing) {
    TempDir dir;
    std::ofstream(dir / "text.spk") << "not a module";
    const std::string textPack = (dir / "text.spk").string();
    // The shipped pack without its last 100 KB: the loader alone would keep a few samples.
    const std::string cutPack = (dir / "cut.spk").string();
    std::filesystem::copy_file(kPack, cutPack);
    std::filesystem::resize_file(cutPack, std::filesystem::file_size(cutPack) - 100000);
    const std::string out = (dir / "out.wav").string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"play", "chord", "C", "MAJOR", "--pack", cutPack}, "cut short"},
        {{"soundpack", "info", cutPack}, "cut short"},
        {{"play", "chord", "C", "MAJOR", "--pattern", ""}, "pick pattern is empty"},
        {{"play", "chord", "C", "MAJOR", "--pack", textPack}, "cannot load sound pack"},
        {{"play", "chord", "C", "MAJOR", "--pack", (dir / "none.spk").string()}, "does not exist"},
        {{"play", "chord", "C", "MAJOR", "--strum", "--pattern", "123"}, "not both"},
        {{"play", "chord", "C", "MAJOR", "--pattern", "1237"}, "is not a pattern"},
        {{"play", "chord", "C", "MAJOR", "--bpm", "59"}, "--bpm must be 60 to 320"},
        {{"play", "chord", "C", "MAJOR", "--loop-passes", "0"}, "--loop-passes"},
        {{"play", "chord", "C", "MAJOR", "--variation", "51"}, "fingerings"},
        {{"play", "chord", "C", "maj8"}, "unknown chord type"},
        {{"play", "scale", "C", "1", "--direction", "4"}, "--direction must be 0 to 3"},
        {{"play", "scale", "C", "2"}, "Natural Minor"},
        {{"play"}, "subcommand"},
        {{"soundpack", "info", textPack}, "not a sound pack"},
        {{"soundpack", "info", (dir / "none.spk").string()}, "does not exist"},
    };
    for (const auto& [args, message] : cases) {
        std::vector<std::string> withOut = args;
        if (args[0] == "play" && args.size() > 1) {
            withOut.insert(withOut.end(), {"--out", out});
        }
        const cli_test::Result run = cli_test::RunCli(withOut);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_EQ(run.out, "") << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << message;
    }
}

TEST(CliPlay, WithoutPackThePlayerUsesTheShippedOne) {
    TempDir dir;
    const std::string out = (dir / "out.wav").string();
    // An application directory without sounds/: the shipped pack is missing, a fault of the
    // installation rather than of the input.
    const cli_test::Result missing = cli_test::RunCli({"play", "chord", "C", "MAJOR", "--out", out});
    EXPECT_EQ(missing.status, 1) << missing.err;
    EXPECT_NE(missing.err.find("sounds/default.spk"), std::string::npos) << missing.err;
    // The build folder is a complete installation.
    const std::string command = "FRETQUILL_APPDIR=" + cli_test::ShellQuoted(std::string(FRETQUILL_BINARY_DIR) + "/") +
                                " " + cli_test::ShellQuoted(FRETQUILL_CLI_PATH) +
                                " play chord G MAJOR --out " + cli_test::ShellQuoted(out) + " >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(ReadWav(out).ok);
}

TEST(CliSoundPack, InfoListsEverySampleOfThePack) {
    const cli_test::Result run = cli_test::RunCli({"soundpack", "info", kPack, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json info = json::parse(run.out, nullptr, false);
    ASSERT_TRUE(info.contains("samples"));
    const json& samples = info["samples"];
    ASSERT_EQ(samples.size(), 53u);
    const std::pair<std::size_t, const char*> names[] = {
        {0, "A#3"}, {4, "A3"}, {17, "C3"}, {32, "E3"}, {36, "E7"}, {52, "G6"}};
    for (const auto& [index, name] : names) {
        EXPECT_EQ(samples[index]["index"], index);
        EXPECT_EQ(samples[index]["name"], name);
    }
    for (const json& sample : samples) {
        EXPECT_EQ(sample.size(), 5u);
        EXPECT_NEAR(sample["rate"].get<int>(), 22050, 5);
        EXPECT_NEAR(sample["frames"].get<int>() / 22050.0, 2.0, 0.01);
        EXPECT_EQ(sample["loop"], false);
    }
    const cli_test::Result text = cli_test::RunCli({"soundpack", "info", kPack});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("53 samples"), std::string::npos);
}

}  // namespace
