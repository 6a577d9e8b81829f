#pragma once

// The arguments of the commands that build a scale or mode on a root (scale, play scale),
// and the rule that picks the root from them as the program's view does:
// - ROOT "-": the note at the start position, as when the player taps the neck there;
// - ROOT with its octave, or with --octave: that note;
// - ROOT alone: its lowest occurrence on string 1, as when the player picks the note.

#include <string>

#include "cli/cli_args.h"
#include "guitar/scale_plot.h"
#include "guitar/tuning.h"
#include "music/scale.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

struct ScaleArgs {
    std::string root;
    std::string type;
    bool mode = false;
    int octave = 0;
    CLI::Option* octaveOption = nullptr;
    TuningOptions tuning;
    std::string start;  // "STRING,FRET"; empty for string 1, fret 0
};

// ROOT, TYPE, --mode, --octave and the tuning options; --start when withStart.
void AddScaleArguments(CLI::App& command, ScaleArgs& args, bool withStart);

struct ScaleChoice {
    CTuning tuning;
    StartPosition start;
    CNote root;
    int type = 0;
    bool mode = false;
    std::string name;
    CScale scale;  // built on root
};

// Reads the arguments and builds the scale. Throws UsageError for input the program never
// plots: a start off the neck, a root not on the start string within 24 frets, an octave
// given twice, "-" with --octave, and the scale "Natural Minor".
ScaleChoice ResolveScale(const ScaleArgs& args);
