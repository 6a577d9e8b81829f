// fretquill-cli scale: a scale or mode placed on the neck as the program's scale plot
// places it.

#include <CLI/CLI.hpp>
#include <charconv>
#include <iostream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "guitar/note_marker.h"
#include "guitar/scale_plot.h"
#include "music/scale.h"

namespace {

using nlohmann::json;

struct PlacedNote {
    int s = 0;
    int fret = 0;
    CNote note;
    bool overlay = false;
};

// Records the plot's marks with the fret each lies at.
class PlacedNotes : public NoteMarker {
public:
    explicit PlacedNotes(const CTuning& tuning) : tuning_(tuning) {}

    void MarkNote(int s, const CNote& note, bool overlay) override {
        placed.push_back({s, tuning_.FretOf(s, note), note, overlay});
    }
    void MarkFret(int s, int fret, const CNote& note, bool overlay) override {
        placed.push_back({s, fret, note, overlay});
    }

    std::vector<PlacedNote> placed;

private:
    const CTuning& tuning_;
};

StartPosition ParseStart(std::string_view text) {
    const size_t comma = text.find(',');
    StartPosition start;
    const auto number = [](std::string_view part, int& value) {
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        return error == std::errc() && end == part.data() + part.size() && !part.empty();
    };
    if (comma == std::string_view::npos || !number(text.substr(0, comma), start.string) ||
        !number(text.substr(comma + 1), start.fret)) {
        throw UsageError("--start takes STRING,FRET such as 2,5, not '" + std::string(text) + "'");
    }
    if (!start.IsValid()) {
        throw UsageError("start position " + std::string(text) +
                         " is off the neck; strings are 1-6 and frets 0-24");
    }
    return start;
}

// A text grid of the neck: frets down the page, strings across, each mark with its note;
// the start-note overlay is shown with '*'.
std::string NeckText(const std::vector<PlacedNote>& placed) {
    if (placed.empty()) {
        return "(nothing placed)\n";
    }
    std::map<std::pair<int, int>, std::string> cells;
    int low = kFretCount;
    int high = 0;
    for (const PlacedNote& p : placed) {
        cells[{p.fret, p.s}] = p.note.Format(true) + (p.overlay ? "*" : "");
        low = std::min(low, p.fret);
        high = std::max(high, p.fret);
    }
    std::vector<std::vector<std::string>> rows = {{"FRET", "1", "2", "3", "4", "5", "6"}};
    for (int fret = low; fret <= high; ++fret) {
        std::vector<std::string> row = {std::to_string(fret)};
        for (int s = 1; s <= kStringCount; ++s) {
            const auto cell = cells.find({fret, s});
            row.push_back(cell == cells.end() ? "." : cell->second);
        }
        rows.push_back(row);
    }
    std::ostringstream out;
    PrintTable(out, rows);
    return out.str();
}

void AddScaleCommand(CLI::App& app) {
    struct Options {
        std::string root;
        std::string type;
        bool mode = false;
        int octave = 0;
        TuningOptions tuning;
        std::string start;
        int span = 4;
        bool whole = false;
        bool noOpen = false;
        bool noOverlay = false;
        bool json = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("scale", "A scale or mode placed on the neck");
    command
        ->add_option("ROOT", options->root,
                     "Root note (C, F#, D4), or - for the note at the start position")
        ->required();
    command
        ->add_option("TYPE", options->type,
                     "Scale (or with --mode, mode) number or name: \"Major Diatonic\", Dorian")
        ->required();
    command->add_flag("--mode", options->mode, "TYPE is a mode");
    CLI::Option* octave =
        command->add_option("--octave", options->octave, "The root's octave");
    AddTuningOptions(*command, options->tuning);
    command->add_option("--start", options->start,
                        "Start position STRING,FRET (default 1,0)");
    command->add_option("--span", options->span, "Frets the hand may span, 4 to 6 (default 4)");
    command->add_flag("--whole", options->whole, "Every occurrence on the whole fretboard");
    command->add_flag("--no-open", options->noOpen, "Don't use open notes");
    command->add_flag("--no-overlay", options->noOverlay, "No start-note overlay");
    AddJsonFlag(*command, options->json);
    command->callback([options, octave] {
        const int type =
            options->mode ? ParseModeType(options->type) : ParseScaleType(options->type);
        if (!options->mode && type == kScaleNaturalMinor) {
            throw UsageError("the scale 2 \"Natural Minor\" is named but never built");
        }
        if (options->span < 4 || options->span > 6) {
            throw UsageError("--span must be 4 to 6, not " + std::to_string(options->span));
        }
        const CTuning tuning = ParseTuning(options->tuning.tuning, options->tuning.left);
        const StartPosition start =
            options->start.empty() ? StartPosition{1, 0} : ParseStart(options->start);

        CNote root;
        if (options->root == "-") {
            if (octave->count() > 0) {
                throw UsageError("ROOT - takes the note at the start position; drop --octave");
            }
            root = tuning.NoteAt(start.string, start.fret);
        } else {
            const NoteArg arg = ParseNoteArg(options->root);
            if (arg.note.IsMuted()) {
                throw UsageError("a root cannot be muted");
            }
            if (arg.hasOctave && octave->count() > 0) {
                throw UsageError("root '" + options->root + "' has an octave; drop --octave");
            }
            root = arg.hasOctave        ? arg.note
                   : octave->count() > 0 ? CNote(arg.note.note, options->octave)
                                         : tuning.LowestOnString(1, arg.note.note);
        }
        if (tuning.FretOf(start.string, root) < 0) {
            throw UsageError(root.Format(true) + " is not on string " +
                             std::to_string(start.string) + " within 24 frets");
        }

        CScale scale;
        const bool built =
            options->mode ? scale.BuildMode(type, root) : scale.BuildScale(type, root);
        if (!built) {
            throw std::runtime_error("the scale could not be built on " + root.Format(true));
        }
        ScalePlotOptions plot;
        plot.useAllFretboard = options->whole;
        plot.span = options->span;
        plot.noOpenNotes = options->noOpen;
        plot.overlay = !options->noOverlay;
        PlacedNotes marks(tuning);
        PlotScale(scale, tuning, start, plot, marks);

        const std::string name = options->mode ? ModeName(type) : ScaleName(type);
        std::vector<std::string> notes;
        for (const CNote& note : scale.Notes()) {
            notes.push_back(note.Format(true));
        }
        if (options->json) {
            json placed = json::array();
            for (const PlacedNote& p : marks.placed) {
                placed.push_back({{"string", p.s},
                                  {"fret", p.fret},
                                  {"note", p.note.Format(true)},
                                  {"overlay", p.overlay}});
            }
            PrintJson({{"root", root.Format(true)},
                       {"type", type},
                       {"mode", options->mode},
                       {"name", name},
                       {"notes", notes},
                       {"placed", placed},
                       {"minFret", scale.minFret},
                       {"maxFret", scale.maxFret}});
            return;
        }
        std::cout << root.Format(true) << ' ' << name << ": " << JoinNames(notes) << '\n';
        if (options->whole) {
            std::cout << "Every occurrence on the neck of " << tuning.ToText() << ":\n";
        } else {
            std::cout << "From string " << start.string << " within " << options->span
                      << " frets on " << tuning.ToText() << ", frets " << scale.minFret << " to "
                      << scale.maxFret << ":\n";
        }
        std::cout << NeckText(marks.placed);
    });
}

}  // namespace

void AddScaleCommands(CLI::App& app) {
    AddScaleCommand(app);
}
