// fretquill-cli scale: a scale or mode placed on the neck as the program's scale plot
// places it.

#include <CLI/CLI.hpp>
#include <iostream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/scale_args.h"
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
        ScaleArgs scale;
        int span = 4;
        bool whole = false;
        bool noOpen = false;
        bool noOverlay = false;
        bool json = false;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("scale", "A scale or mode placed on the neck");
    AddScaleArguments(*command, options->scale, true);
    command->add_option("--span", options->span, "Frets the hand may span, 4 to 6 (default 4)");
    command->add_flag("--whole", options->whole, "Every occurrence on the whole fretboard");
    command->add_flag("--no-open", options->noOpen, "Don't use open notes");
    command->add_flag("--no-overlay", options->noOverlay, "No start-note overlay");
    AddJsonFlag(*command, options->json);
    command->callback([options] {
        if (options->span < 4 || options->span > 6) {
            throw UsageError("--span must be 4 to 6, not " + std::to_string(options->span));
        }
        ScaleChoice chosen = ResolveScale(options->scale);
        const CTuning& tuning = chosen.tuning;
        const StartPosition start = chosen.start;
        const CNote root = chosen.root;
        CScale& scale = chosen.scale;
        ScalePlotOptions plot;
        plot.useAllFretboard = options->whole;
        plot.span = options->span;
        plot.noOpenNotes = options->noOpen;
        plot.overlay = !options->noOverlay;
        PlacedNotes marks(tuning);
        PlotScale(scale, tuning, start, plot, marks);

        const std::string& name = chosen.name;
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
                       {"type", chosen.type},
                       {"mode", chosen.mode},
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
