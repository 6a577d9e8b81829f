#include "cli/note_commands.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "music/chord_identification.h"
#include "music/chord_type.h"
#include "music/scale.h"

namespace {

using nlohmann::json;

std::vector<std::string> ToneNames(NoteValue root, int type) {
    std::vector<std::string> names;
    for (NoteValue tone : ChordTones(root, type)) {
        names.push_back(NoteName(tone));
    }
    return names;
}

std::vector<std::string> StringNames(const std::array<CNote, kStringCount>& strings) {
    std::vector<std::string> names;
    for (const CNote& note : strings) {
        names.push_back(note.Format(true));
    }
    return names;
}

void AddNoteCommand(CLI::App& app) {
    struct Options {
        std::vector<std::string> texts;
        bool json = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand(
        "note", "Parse each text as a note, the way the program reads notes from its files");
    command->add_option("TEXT", options->texts, "Note texts such as E3, C#4, Bb or MUTED")
        ->required();
    AddJsonFlag(*command, options->json);
    command->callback([options] {
        json document = json::array();
        std::vector<std::vector<std::string>> rows = {{"TEXT", "NOTE", "OCTAVE", "NAME"}};
        for (const std::string& text : options->texts) {
            const CNote note = CNote::Parse(text);
            // A text the program would read as no note is refused rather than shown.
            if (note.note == kNoteNone) {
                throw UsageError("unknown note '" + text + "'");
            }
            const std::string name = note.Format(true);
            document.push_back(
                {{"text", text}, {"note", note.note}, {"octave", note.octave}, {"name", name}});
            rows.push_back(
                {"'" + text + "'", std::to_string(note.note), std::to_string(note.octave), name});
        }
        if (options->json) {
            PrintJson(document);
        } else {
            PrintTable(std::cout, rows);
        }
    });
}

void AddTonesCommand(CLI::App& app) {
    struct Options {
        std::string root;
        std::string type;
        bool json = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("tones", "The chord tones of a type on a root");
    AddChordArguments(*command, options->root, options->type);
    AddJsonFlag(*command, options->json);
    command->callback([options] {
        const NoteValue root = ParseRoot(options->root);
        const int type = ParseChordType(options->type);
        if (options->json) {
            PrintJson({{"root", NoteName(root)},
                       {"type", type},
                       {"name", ChordTypeName(type)},
                       {"symbol", ChordTypeSymbol(type)},
                       {"tones", ToneNames(root, type)}});
        } else {
            std::cout << TonesText(root, type) << '\n';
        }
    });
}

void AddNameCommand(CLI::App& app) {
    struct Options {
        std::vector<std::string> notes;
        std::string frets;
        TuningOptions tuning;
        bool json = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command =
        app.add_subcommand("name", "Name the chord that notes, or frets on a tuning, form");
    command->add_option("NOTE", options->notes,
                        "Notes such as C E G, or E3 G#3 B3; MUTED is silent");
    CLI::Option* frets = command->add_option(
        "--frets", options->frets,
        "Six comma-separated frets in stored order, x or -1 for a muted string (x,3,2,0,1,0)");
    AddTuningOptions(*command, options->tuning);
    AddJsonFlag(*command, options->json);
    command->callback([options, frets] {
        const bool byFrets = frets->count() > 0;
        if (byFrets == !options->notes.empty()) {
            throw UsageError(byFrets ? "give either notes or --frets, not both"
                                     : "give at least one note, or --frets");
        }
        if (!byFrets && (!options->tuning.tuning.empty() || options->tuning.left)) {
            throw UsageError("--tuning and --left apply to --frets only");
        }
        std::vector<CNote> notes;
        std::vector<std::string> names;
        if (byFrets) {
            const std::array<int, kStringCount> fretList = ParseFrets(options->frets);
            const CTuning tuning = ParseTuning(options->tuning.tuning, options->tuning.left);
            for (int s = 1; s <= kStringCount; ++s) {
                notes.push_back(tuning.NoteAt(s, fretList[static_cast<size_t>(s - 1)]));
                names.push_back(notes.back().Format(true));
            }
        } else {
            for (const std::string& text : options->notes) {
                const NoteArg arg = ParseNoteArg(text);
                notes.push_back(arg.note);
                names.push_back(arg.note.Format(arg.hasOctave));
            }
        }
        // Strings name their bass by pitch; typed notes take the first as the bass.
        const std::string name = byFrets ? IdentifyChord(notes) : IdentifyChordFirstAsBass(notes);
        if (options->json) {
            PrintJson({{"notes", names}, {"name", name}});
        } else {
            std::cout << NameText(names, name) << '\n';
        }
    });
}

void AddTuningsCommand(CLI::App& app) {
    auto json = std::make_shared<bool>(false);
    CLI::App* command = app.add_subcommand("tunings", "The predefined tunings");
    AddJsonFlag(*command, *json);
    command->callback([json] {
        if (!*json) {
            std::cout << TuningsText();
            return;
        }
        nlohmann::json document = nlohmann::json::array();
        for (int n = 0; n < kPredefinedTuningCount; ++n) {
            document.push_back({{"number", n},
                                {"code", CTuning::TuningCode(n)},
                                {"name", CTuning::TuningName(n)},
                                {"strings", StringNames(CTuning::PredefinedStrings(n))}});
        }
        PrintJson(document);
    });
}

}  // namespace

std::string TonesText(NoteValue root, int type) {
    return NoteName(root) + " " + ChordTypeName(type) + " (" + ChordTypeSymbol(type) +
           "): " + JoinNames(ToneNames(root, type));
}

std::string NameText(const std::vector<std::string>& notes, const std::string& name) {
    if (name.empty()) {
        return JoinNames(notes) + ": no chord name explains these notes";
    }
    return JoinNames(notes) + ": " + name;
}

std::string TuningsText() {
    std::vector<std::vector<std::string>> rows = {{"#", "CODE", "NAME", "STRINGS 1-6"}};
    for (int n = 0; n < kPredefinedTuningCount; ++n) {
        rows.push_back({std::to_string(n), CTuning::TuningCode(n), CTuning::TuningName(n),
                        JoinNames(StringNames(CTuning::PredefinedStrings(n)))});
    }
    std::ostringstream text;
    PrintTable(text, rows);
    return text.str();
}

void AddTypesCommand(CLI::App& app) {
    auto json = std::make_shared<bool>(false);
    CLI::App* command = app.add_subcommand(
        "types", "List the chord types with their aliases, the scales and the modes");
    AddJsonFlag(*command, *json);
    command->callback([json] {
        nlohmann::json document = {{"chord_types", nlohmann::json::array()},
                                   {"scales", nlohmann::json::array()},
                                   {"modes", nlohmann::json::array()}};
        std::vector<std::vector<std::string>> chords = {{"#", "SYMBOL", "NAME", "ALIASES"}};
        for (int type = 0; type < kChordTypeCount; ++type) {
            const std::vector<std::string> aliases = ChordTypeAliases(type);
            std::string joined;
            for (const std::string& alias : aliases) {
                joined += (joined.empty() ? "" : " ") + alias;
            }
            document["chord_types"].push_back({{"number", type},
                                               {"symbol", ChordTypeSymbol(type)},
                                               {"name", ChordTypeName(type)},
                                               {"aliases", aliases}});
            chords.push_back(
                {std::to_string(type), ChordTypeSymbol(type), ChordTypeName(type), joined});
        }
        // Scale 2 is named but never built, so it is not offered.
        std::vector<std::vector<std::string>> scales = {{"#", "SCALE"}};
        for (int type = 0; type < kScaleTypeCount; ++type) {
            if (type != kScaleNaturalMinor) {
                document["scales"].push_back({{"number", type}, {"name", ScaleName(type)}});
                scales.push_back({std::to_string(type), ScaleName(type)});
            }
        }
        std::vector<std::vector<std::string>> modes = {{"#", "MODE"}};
        for (int mode = 0; mode < kModeCount; ++mode) {
            document["modes"].push_back({{"number", mode}, {"name", ModeName(mode)}});
            modes.push_back({std::to_string(mode), ModeName(mode)});
        }
        if (*json) {
            PrintJson(document);
            return;
        }
        PrintTable(std::cout, chords);
        std::cout << "\n";
        PrintTable(std::cout, scales);
        std::cout << "\n";
        PrintTable(std::cout, modes);
    });
}

void AddNoteCommands(CLI::App& app) {
    AddNoteCommand(app);
    AddTonesCommand(app);
    AddTypesCommand(app);
    AddNameCommand(app);
    AddTuningsCommand(app);
}
