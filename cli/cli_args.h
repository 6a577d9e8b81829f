#pragma once

// What every fretquill-cli command shares: reading ROOT, chord TYPE, scale and mode TYPE,
// TUNING and fret arguments the same way, and writing results and errors the same way.
//
// Parsers throw UsageError with a one-line message naming the bad input; main() turns it
// into that line on standard error and exit status 2. Commands build their whole output
// before writing any of it, so a failure never leaves a partial document.

#include <array>
#include <iosfwd>
#include <nlohmann/json_fwd.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "guitar/tuning.h"
#include "music/note.h"

namespace CLI {
class App;
}

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Input the tool cannot understand: exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A note argument: E3, C#4, Bb (no octave), or MUTED in any letter case. Spellings the
// program does not keep are respelled as it parses them (E# is F). Anything else, including
// text after the octave, is a UsageError.
struct NoteArg {
    CNote note;
    bool hasOctave = false;
};
NoteArg ParseNoteArg(std::string_view text);

// A ROOT: a note name without octave (C, F#, Bb), never muted.
NoteValue ParseRoot(std::string_view text);

// A chord TYPE, in this order of precedence: a symbol compared exactly (m7, 7, 13(b9)), a
// type name in any letter case (MINOR_SEVENTH), a full name in any letter case
// ("Minor Seventh"), or #N for the type number N. A bare number that is no symbol is no type.
int ParseChordType(std::string_view text);

// A scale (0..10) or mode (0..6) TYPE: its number or its display name in any letter case.
// The scale 2 "Natural Minor" is returned like any other; commands that build decide.
int ParseScaleType(std::string_view text);
int ParseModeType(std::string_view text);

// A TUNING: a predefined tuning's number (0..26) or code (DADGBE, compared exactly), or six
// notes with octaves in right-handed order (a custom tuning). An empty text is standard
// tuning. leftHanded stores the strings reversed, as the program does.
CTuning ParseTuning(std::string_view text, bool leftHanded);

// Six comma-separated frets in stored order: 0..24, or x / -1 for a muted string.
std::array<int, kStringCount> ParseFrets(std::string_view text);

// The --tuning and --left options, for commands that play or place notes on a neck.
struct TuningOptions {
    std::string tuning;
    bool left = false;
};
void AddTuningOptions(CLI::App& command, TuningOptions& options);
void AddJsonFlag(CLI::App& command, bool& json);
// The required ROOT and TYPE of the commands that take a chord.
void AddChordArguments(CLI::App& command, std::string& root, std::string& type);

// Writes one JSON document and a line break to standard output.
void PrintJson(const nlohmann::json& document);

// Writes rows as a table with left-aligned columns two spaces apart; the first row is the
// heading, underlined.
void PrintTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                std::string_view indent = "");

// Notes joined by single spaces.
std::string JoinNames(const std::vector<std::string>& names);

// The one line on standard error for a failed command; returns the status to exit with.
int ReportError(std::string_view message, int status);
