// fretquill-cli play and soundpack: what the program would sound, through its own sound
// engine and sequencers, rendered to a WAV file in virtual time or played on the device;
// and the samples of a sound pack.

#include <CLI/CLI.hpp>
#include <chrono>
#include <functional>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <thread>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/scale_args.h"
#include "cli/static_chords.h"
#include "guitar/chord.h"
#include "guitar/guitar.h"
#include "guitar/note_marker.h"
#include "guitar/scale_plot.h"
#include "library/exchange_file.h"
#include "library/progression.h"
#include "music/chord_type.h"
#include "music/tempo_range.h"
#include "settings/app_settings.h"
#include "settings/memory_settings_store.h"
#include "sound/app_sound_settings.h"
#include "sound/audio/audio_output_library.h"
#include "sound/audio/module_loader.h"
#include "sound/audio/wav_file.h"
#include "sound/chord_sequencer.h"
#include "sound/progression_display.h"
#include "sound/progression_sequencer.h"
#include "sound/scale_sequencer.h"
#include "sound/sound_engine.h"
#include "sound/sound_startup.h"
#include "util/prompter.h"

namespace {

using nlohmann::json;

// After the player stops, the last notes ring on for at most this long.
constexpr int kRingOutMs = 3000;
// The longest a play command runs: a progression whose chord loops would never end, and a
// long pattern at a slow tempo can outlast anyone's patience.
constexpr int kLongestPlayMs = 10 * 60 * 1000;
constexpr int kMaxLoopPasses = 100;

// The options every play command takes.
struct PlayOptions {
    std::string pack;
    std::string out;
    int bpm = 0;
    CLI::Option* bpmOption = nullptr;
    int loopPasses = 1;
};

void AddPlayOptions(CLI::App& command, PlayOptions& options, bool timed) {
    if (timed) {
        options.bpmOption = command.add_option("--bpm", options.bpm,
                                               "Tempo in beats per minute, 60 to 320 (default 120)");
        command.add_option("--loop-passes", options.loopPasses,
                           "Play this many passes, looping (default 1)");
    }
    command.add_option("--pack", options.pack,
                       "Sound pack file (default: the shipped sounds/default.spk)");
    command.add_option("--out", options.out,
                       "Render in virtual time to this 16-bit PCM WAV file instead of playing");
}

int CheckedBpm(const PlayOptions& options, int settingsBpm) {
    if (options.bpmOption == nullptr || options.bpmOption->count() == 0) {
        return settingsBpm;
    }
    if (options.bpm != ClampTempo(options.bpm)) {
        throw UsageError("--bpm must be 60 to 320, not " + std::to_string(options.bpm));
    }
    return options.bpm;
}

int CheckedPasses(const PlayOptions& options) {
    if (options.loopPasses < 1 || options.loopPasses > kMaxLoopPasses) {
        throw UsageError("--loop-passes must be 1 to 100, not " +
                         std::to_string(options.loopPasses));
    }
    return options.loopPasses;
}

// Collects the message of a failed import for the one error line.
class MessagePrompter : public Prompter {
public:
    std::string message;
    PromptAnswer Show(PromptKind, const std::string&, const std::string& text) override {
        message = text;
        return PromptAnswer::Ok;
    }
};

class IgnoredMarks : public NoteMarker {
public:
    void MarkNote(int, const CNote&, bool) override {}
    void MarkFret(int, int, const CNote&, bool) override {}
};

class IgnoredDisplay : public ProgressionDisplay {
public:
    void SelectPatternIndex(int) override {}
    void SelectPatternAt(int) override {}
    void ShowPatternChord(const CChord&) override {}
};

// The program's sound as the window would have it: the audio output, the sound engine on
// the guitar model's song, and the settings' defaults.
class PlaySession {
public:
    // settings holds the defaults of an empty store; it must outlive the session.
    PlaySession(const PlayOptions& options, CAppSettings& settings)
        : offline(!options.out.empty()), outPath(options.out), settings(settings),
          soundSettings(settings), engine(audio, CGuitar::Instance().song, soundSettings) {
        if (!options.pack.empty()) {
            settings.soundPack = options.pack;
        }
        if (offline) {
            audio.StartOffline(kMixRate, kVoiceCount);
        } else if (!audio.StartOutput(kMixRate, kVoiceCount, kOutputFlags)) {
            throw std::runtime_error("cannot play: " + audio.LastErrorText() +
                                     "; --out FILE.wav renders to a file instead");
        }
        if (!engine.LoadSoundPack(settings.soundPack)) {
            const std::string why = engine.LastErrorText();
            const std::string message = "cannot load sound pack '" + settings.soundPack + "': " + why;
            // A pack the player named is input; the shipped one missing is an installation fault.
            if (!options.pack.empty()) {
                throw UsageError(message);
            }
            throw std::runtime_error(message);
        }
    }

    CSoundEngine& Engine() { return engine; }

    // Plays until isPlaying turns false: a slot of periodMs, then tick, and so on; then the
    // ring-out. The sequencer has sounded its first slot already.
    void Run(int periodMs, const std::function<bool()>& isPlaying,
             const std::function<void()>& tick) {
        int elapsed = 0;
        bool cut = false;
        while (isPlaying()) {
            if (elapsed >= kLongestPlayMs) {
                cut = true;
                break;
            }
            Wait(periodMs);
            elapsed += periodMs;
            tick();
        }
        for (int rung = 0; rung < kRingOutMs && audio.ActiveVoices() > 0; rung += 50) {
            Wait(50);
        }
        audio.StopSound(kAllVoices);
        if (cut) {
            std::cerr << "fretquill-cli: stopped after 10 minutes, the longest a play command runs\n";
        }
    }

    // Writes the render, or closes the device.
    void Finish() {
        if (!offline) {
            audio.CloseOutput();
            return;
        }
        const Result<> saved = WriteWavFile(outPath, audio.OutputRate(), rendered);
        if (!saved) {
            throw std::runtime_error(saved.Error().message);
        }
        std::cout << "Wrote " << outPath << ": " << rendered.size() * 1000 / audio.OutputRate() / 1000.0
                  << " s of 16-bit mono at " << audio.OutputRate() << " Hz\n";
    }

private:
    void Wait(int ms) {
        if (!offline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            return;
        }
        // Frames due from the start, so slots of 333 ms do not drift.
        renderedMs += ms;
        const std::int64_t due = renderedMs * audio.OutputRate() / 1000;
        const std::vector<std::int16_t> more =
            audio.RenderFrames(due - static_cast<std::int64_t>(rendered.size()));
        rendered.insert(rendered.end(), more.begin(), more.end());
    }

    bool offline;
    std::string outPath;
    CAudioOutputLibrary audio;
    CAppSettings& settings;
    CAppSoundSettings soundSettings;
    CSoundEngine engine;
    std::int64_t renderedMs = 0;
    std::vector<std::int16_t> rendered;
};

std::string ChordTitle(NoteValue root, int type) {
    return NoteName(root) + " " + ChordTypeName(type);
}

// Variation v of the chord, from the voicing generator or the chord database, as `chord`
// finds it.
CChord ChooseChord(const CTuning& tuning, NoteValue root, int type, std::string source, int v,
                   int span) {
    if (source.empty()) {
        source = DefaultChordSource(tuning);
    }
    CChord chord(tuning);
    std::vector<StaticVariation> stored;
    if (source == "static") {
        stored = StaticChordVariations(tuning, root, type);
        if (stored.empty()) {
            // A chord the database lacks plays generated, as the program shows it.
            source = "dynamic";
        }
    }
    if (source == "dynamic") {
        CGuitar& guitar = CGuitar::Instance();
        guitar.GenerateVoicings(tuning, root, type, span);
        const int found = guitar.Voicings().Found();
        if (v < 1 || v > found) {
            throw UsageError(ChordTitle(root, type) + " has " + std::to_string(found) +
                             " fingerings within a span of " + std::to_string(span) + " frets");
        }
        guitar.BuildVariation(v, chord);
        return chord;
    }
    if (source != "static") {
        throw UsageError("unknown source '" + source + "'; use dynamic or static");
    }
    for (const StaticVariation& variation : stored) {
        if (variation.number == v) {
            chord.strings = variation.notes;
            chord.root = root;
            chord.chordType = type;
            chord.variation = v;
            return chord;
        }
    }
    throw UsageError(ChordTitle(root, type) + " has " + std::to_string(stored.size()) +
                     " fingerings in the chord database");
}

void AddPlayChord(CLI::App& play) {
    struct Options {
        std::string root;
        std::string type;
        TuningOptions tuning;
        int variation = 1;
        std::string source;
        bool strum = false;
        std::string pattern;
        CLI::Option* patternOption = nullptr;
        PlayOptions play;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = play.add_subcommand(
        "chord", "Strum a chord (or pick it with a pattern) as the program plays it");
    AddChordArguments(*command, options->root, options->type);
    AddTuningOptions(*command, options->tuning);
    command->add_option("--variation", options->variation, "The variation to play (default 1)");
    command->add_option("--source", options->source,
                        "dynamic (the voicing generator) or static (the chord database)");
    command->add_flag("--strum", options->strum, "Strum all six strings each pass (the default)");
    options->patternOption = command->add_option(
        "--pattern", options->pattern, "Pick pattern: strings 1-6, R for a rest (\"123456\")");
    AddPlayOptions(*command, options->play, true);
    command->callback([options] {
        const NoteValue root = ParseRoot(options->root);
        const int type = ParseChordType(options->type);
        const CTuning tuning = ParseTuning(options->tuning.tuning, options->tuning.left);
        const bool picked = options->patternOption->count() > 0;
        if (picked && options->strum) {
            throw UsageError("give --strum or --pattern, not both");
        }
        if (picked && options->pattern.empty()) {
            throw UsageError("the pick pattern is empty; use strings 1-6 and R for a rest");
        }
        if (picked && !CTuning::IsValidPattern(options->pattern)) {
            throw UsageError("pick pattern '" + options->pattern +
                             "' is not a pattern; use strings 1-6 and R for a rest");
        }
        const int passes = CheckedPasses(options->play);
        CAppSettings settings{MemorySettingsStore{}};
        const int bpm = CheckedBpm(options->play, settings.chordBpm);
        CChord chord = ChooseChord(tuning, root, type, options->source, options->variation,
                                   settings.chordMaxSpan);

        PlaySession session(options->play, settings);
        CChordSequencer sequencer(session.Engine());
        int strums = 1;
        if (picked) {
            // N passes of a looping pattern, then its end.
            chord.pickPattern.clear();
            for (int pass = 0; pass < passes; ++pass) {
                chord.pickPattern += options->pattern;
            }
            sequencer.Start(chord, {.bpm = bpm, .strum = false, .loop = false});
        } else {
            sequencer.Start(chord, {.bpm = bpm, .strum = true, .loop = passes > 1});
        }
        session.Run(
            sequencer.PeriodMs(), [&] { return sequencer.IsPlaying(); },
            [&] {
                if (!picked && strums >= passes) {
                    sequencer.Stop();
                    return;
                }
                ++strums;
                sequencer.Tick();
            });
        session.Finish();
    });
}

// How many notes the scale player sounds in a number of passes of a direction.
int ScaleNotesForPasses(int noteCount, LoopDirection direction, int passes) {
    if (direction == LoopDirection::kAscendingThenDescending ||
        direction == LoopDirection::kDescendingThenAscending) {
        // Out and back sounds the turning note once; later passes do not repeat the start.
        return 2 * noteCount + 1 + (passes - 1) * 2 * noteCount;
    }
    return passes * (noteCount + 1);
}

void AddPlayScale(CLI::App& play) {
    struct Options {
        ScaleArgs scale;
        int direction = 0;
        CLI::Option* directionOption = nullptr;
        PlayOptions play;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command =
        play.add_subcommand("scale", "Run a scale or mode as the program's scale player does");
    AddScaleArguments(*command, options->scale, false);
    options->directionOption = command->add_option(
        "--direction", options->direction,
        "0 ascending, 1 descending, 2 ascending then descending, 3 descending then ascending");
    AddPlayOptions(*command, options->play, true);
    command->callback([options] {
        ScaleChoice chosen = ResolveScale(options->scale);
        const int passes = CheckedPasses(options->play);
        CAppSettings settings{MemorySettingsStore{}};
        const int bpm = CheckedBpm(options->play, settings.chordBpm);
        LoopDirection direction = LoopDirectionFromNumber(settings.scalePattern);
        if (options->directionOption->count() > 0) {
            if (options->direction < 0 || options->direction > 3) {
                throw UsageError("--direction must be 0 to 3, not " +
                                 std::to_string(options->direction));
            }
            direction = LoopDirectionFromNumber(options->direction);
        }

        // The view plots its display scale and plays a second copy within what was placed.
        CScale playback = chosen.scale;
        ScalePlotOptions plot;
        plot.span = settings.scaleMaxSpan;
        IgnoredMarks marks;
        const PlacedRange placed = PlotScale(chosen.scale, chosen.tuning, chosen.start, plot, marks);

        PlaySession session(options->play, settings);
        CScaleSequencer sequencer(session.Engine());
        const CScaleSequencer::Options run{.bpm = bpm,
                                           .direction = direction,
                                           .loop = passes > 1,
                                           .stopPlayingNote = settings.scaleStopPlayingNote == 1};
        if (!sequencer.Start(playback, placed.lowestPlaced, placed.highestPlaced, run)) {
            throw std::runtime_error("the run of " + chosen.root.Format(true) + " " + chosen.name +
                                     " does not fit the notes placed on the neck");
        }
        const int notes = ScaleNotesForPasses(playback.NoteCount(), direction, passes);
        int sounded = 1;
        session.Run(
            sequencer.PeriodMs(), [&] { return sequencer.IsPlaying(); },
            [&] {
                if (passes > 1 && sounded >= notes) {
                    sequencer.Stop();
                    return;
                }
                ++sounded;
                sequencer.Tick();
            });
        session.Finish();
    });
}

void AddPlayProgression(CLI::App& play) {
    struct Options {
        std::string file;
        PlayOptions play;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = play.add_subcommand(
        "progression", "Play a progression from an exchange file at its own tempo");
    command->add_option("FILE", options->file, "Progression exchange file (.fqp)")->required();
    AddPlayOptions(*command, options->play, false);
    command->callback([options] {
        CProgression progression;
        MessagePrompter prompter;
        if (!ImportFrom(progression, options->file, prompter)) {
            throw UsageError(prompter.message.empty()
                                 ? "'" + options->file + "' is not a progression exchange file"
                                 : prompter.message);
        }
        progression.patterns.RewindCursor();
        const CPattern* first = progression.patterns.NextPattern();
        if (first == nullptr) {
            throw UsageError("'" + options->file + "' holds a progression without patterns");
        }
        const int firstId = first->id;

        CAppSettings settings{MemorySettingsStore{}};
        PlaySession session(options->play, settings);
        IgnoredDisplay display;
        CProgressionSequencer sequencer(session.Engine(), display);
        sequencer.Start(progression, firstId, 0);
        session.Run(
            sequencer.PeriodMs(), [&] { return sequencer.IsPlaying(); },
            [&] { sequencer.Tick(); });
        sequencer.Stop(false);
        session.Finish();
    });
}

void AddSoundPackInfo(CLI::App& app) {
    struct Options {
        std::string file;
        bool json = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* soundpack = app.add_subcommand("soundpack", "Look into sound pack files");
    soundpack->require_subcommand(1);
    CLI::App* command = soundpack->add_subcommand("info", "Every sample of a sound pack");
    command->add_option("FILE", options->file, "Sound pack file (any module format)")->required();
    AddJsonFlag(*command, options->json);
    command->callback([options] {
        AudioSampleBank bank;
        const AudioError error = LoadModuleSamples(options->file, bank);
        if (error != AudioError::None) {
            throw UsageError("cannot read sound pack '" + options->file +
                             "': " + AudioErrorText(static_cast<int>(error)));
        }
        json samples = json::array();
        std::vector<std::vector<std::string>> rows = {{"INDEX", "NAME", "FRAMES", "RATE", "LOOP"}};
        for (std::size_t i = 0; i < bank.samples.size(); ++i) {
            const AudioSample& sample = bank.samples[i];
            const long rate = std::lround(sample.rate);
            samples.push_back({{"index", i},
                               {"name", sample.name},
                               {"frames", sample.frames.size()},
                               {"rate", rate},
                               {"loop", sample.loop}});
            rows.push_back({std::to_string(i), sample.name, std::to_string(sample.frames.size()),
                            std::to_string(rate), sample.loop ? "yes" : "no"});
        }
        if (options->json) {
            PrintJson({{"samples", samples}});
        } else {
            std::cout << options->file << ": " << bank.samples.size() << " samples\n";
            PrintTable(std::cout, rows);
        }
    });
}

}  // namespace

void AddPlayCommands(CLI::App& app) {
    CLI::App* play = app.add_subcommand(
        "play", "Hear chords, scales and progressions through the program's sound engine");
    play->require_subcommand(1);
    AddPlayChord(*play);
    AddPlayScale(*play);
    AddPlayProgression(*play);
    AddSoundPackInfo(app);
}
