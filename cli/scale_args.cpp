#include "cli/scale_args.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <stdexcept>

namespace {

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

}  // namespace

void AddScaleArguments(CLI::App& command, ScaleArgs& args, bool withStart) {
    command
        .add_option("ROOT", args.root,
                    withStart ? "Root note (C, F#, D4), or - for the note at the start position"
                              : "Root note (C, F#, D4), or - for the open first string")
        ->required();
    command
        .add_option("TYPE", args.type,
                    "Scale (or with --mode, mode) number or name: \"Major Diatonic\", Dorian")
        ->required();
    command.add_flag("--mode", args.mode, "TYPE is a mode");
    args.octaveOption = command.add_option("--octave", args.octave, "The root's octave");
    AddTuningOptions(command, args.tuning);
    if (withStart) {
        command.add_option("--start", args.start, "Start position STRING,FRET (default 1,0)");
    }
}

ScaleChoice ResolveScale(const ScaleArgs& args) {
    ScaleChoice chosen;
    chosen.mode = args.mode;
    chosen.type = args.mode ? ParseModeType(args.type) : ParseScaleType(args.type);
    if (!args.mode && chosen.type == kScaleNaturalMinor) {
        throw UsageError("the scale 2 \"Natural Minor\" is named but never built");
    }
    chosen.name = args.mode ? ModeName(chosen.type) : ScaleName(chosen.type);
    chosen.tuning = ParseTuning(args.tuning.tuning, args.tuning.left);
    chosen.start = args.start.empty() ? StartPosition{1, 0} : ParseStart(args.start);

    const bool octaveGiven = args.octaveOption != nullptr && args.octaveOption->count() > 0;
    if (args.root == "-") {
        if (octaveGiven) {
            throw UsageError("ROOT - takes the note at the start position; drop --octave");
        }
        chosen.root = chosen.tuning.NoteAt(chosen.start.string, chosen.start.fret);
    } else {
        const NoteArg arg = ParseNoteArg(args.root);
        if (arg.note.IsMuted()) {
            throw UsageError("a root cannot be muted");
        }
        if (arg.hasOctave && octaveGiven) {
            throw UsageError("root '" + args.root + "' has an octave; drop --octave");
        }
        chosen.root = arg.hasOctave ? arg.note
                      : octaveGiven ? CNote(arg.note.note, args.octave)
                                    : chosen.tuning.LowestOnString(1, arg.note.note);
    }
    if (chosen.tuning.FretOf(chosen.start.string, chosen.root) < 0) {
        throw UsageError(chosen.root.Format(true) + " is not on string " +
                         std::to_string(chosen.start.string) + " within 24 frets");
    }
    const bool built = args.mode ? chosen.scale.BuildMode(chosen.type, chosen.root)
                                 : chosen.scale.BuildScale(chosen.type, chosen.root);
    if (!built) {
        throw std::runtime_error("the scale could not be built on " + chosen.root.Format(true));
    }
    return chosen;
}
