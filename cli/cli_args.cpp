#include "cli/cli_args.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <iostream>
#include <nlohmann/json.hpp>

#include "music/chord_type.h"
#include "music/scale.h"
#include "util/unicode_text.h"

namespace {

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A whole text of decimal digits (at most four, so it always fits) read as a number; -1
// otherwise.
int WholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return -1;
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A note is a letter, an optional accidental and an optional signed octave; the program's
// parser reads three characters at most.
bool LooksLikeNote(std::string_view text, bool& hasOctave) {
    if (text.empty() || text[0] < 'A' || text[0] > 'G') {
        return false;
    }
    size_t i = 1;
    if (i < text.size() && (text[i] == '#' || text[i] == 'b')) {
        ++i;
    }
    hasOctave = i < text.size();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    if (hasOctave && i == text.size()) {
        return false;
    }
    for (; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])) == 0) {
            return false;
        }
    }
    return true;
}

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        parts.push_back(
            text.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos) {
            return parts;
        }
        start = comma + 1;
    }
}

constexpr const char* kNoteHint = "write notes like E3, C#4, Bb or MUTED";
constexpr const char* kTuningHint =
    "try a number 0-26, a code like DADGBE, or six notes like D3,A3,D4,G4,B4,E5";

}  // namespace

NoteArg ParseNoteArg(std::string_view text) {
    if (EqualsIgnoringCase(text, "MUTED")) {
        return {CNote::Muted(), false};
    }
    NoteArg arg;
    if (LooksLikeNote(text, arg.hasOctave)) {
        arg.note = CNote::Parse(text);
    }
    if (!IsSpelledNote(arg.note.note)) {
        throw UsageError("unknown note " + Quoted(text) + "; " + kNoteHint);
    }
    return arg;
}

NoteValue ParseRoot(std::string_view text) {
    constexpr const char* kHint = "a root is a note name without octave, like C, F# or Bb";
    // A root may be written with a lower-case letter: "f#", "bb".
    std::string written(text);
    if (!written.empty() && written[0] >= 'a' && written[0] <= 'g') {
        written[0] = static_cast<char>(written[0] - 'a' + 'A');
    }
    NoteArg arg;
    try {
        arg = ParseNoteArg(written);
    } catch (const UsageError&) {
        throw UsageError("unknown root " + Quoted(text) + "; " + kHint);
    }
    if (arg.note.IsMuted()) {
        throw UsageError("a root cannot be muted; " + std::string(kHint));
    }
    if (arg.hasOctave) {
        throw UsageError("root " + Quoted(text) + " has an octave; " + kHint);
    }
    return arg.note.note;
}

int ParseChordType(std::string_view text) {
    const int type = ChordTypeFromText(text);
    if (type >= 0) {
        return type;
    }
    throw UsageError("unknown chord type " + Quoted(text) +
                     "; try a symbol like m7, a type name like MINOR_SEVENTH, a full name like "
                     "\"Minor Seventh\" or #N for type number N");
}

int ParseScaleType(std::string_view text) {
    const int number = WholeNumber(text);
    if (number >= 0 && number < kScaleTypeCount) {
        return number;
    }
    for (int type = 0; type < kScaleTypeCount; ++type) {
        if (EqualsIgnoringCase(text, ScaleName(type))) {
            return type;
        }
    }
    throw UsageError("unknown scale " + Quoted(text) +
                     "; try a number 0-10 or a name like \"Major Diatonic\" or Blues");
}

int ParseModeType(std::string_view text) {
    const int number = WholeNumber(text);
    if (number >= 0 && number < kModeCount) {
        return number;
    }
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (EqualsIgnoringCase(text, ModeName(mode))) {
            return mode;
        }
    }
    throw UsageError("unknown mode " + Quoted(text) + "; try a number 0-6 or a name like Dorian");
}

CTuning ParseTuning(std::string_view text, bool leftHanded) {
    CTuning tuning;
    if (text.empty()) {
        // Standard tuning.
    } else if (const int number = WholeNumber(text); number >= 0) {
        if (number >= kPredefinedTuningCount) {
            throw UsageError("unknown tuning " + Quoted(text) + "; " + kTuningHint);
        }
        tuning.BuildPredefined(number);
    } else if (text.find(',') == std::string_view::npos) {
        int code = 0;
        while (code < kPredefinedTuningCount && text != CTuning::TuningCode(code)) {
            ++code;
        }
        if (code == kPredefinedTuningCount) {
            throw UsageError("unknown tuning " + Quoted(text) + "; " + kTuningHint);
        }
        tuning.BuildPredefined(code);
    } else {
        const std::vector<std::string_view> parts = SplitAtCommas(text);
        if (parts.size() != kStringCount) {
            throw UsageError("tuning " + Quoted(text) + " has " + std::to_string(parts.size()) +
                             " parts; a custom tuning is six notes like D3,A3,D4,G4,B4,E5");
        }
        for (int s = 1; s <= kStringCount; ++s) {
            const std::string_view part = parts[static_cast<size_t>(s - 1)];
            NoteArg arg;
            try {
                arg = ParseNoteArg(part);
            } catch (const UsageError&) {
                throw UsageError("tuning part " + Quoted(part) + " is not a note; " + kNoteHint);
            }
            if (arg.note.IsMuted() || !arg.hasOctave) {
                throw UsageError("tuning part " + Quoted(part) +
                                 " needs a note with its octave, like E3");
            }
            tuning.SetStringNote(s, arg.note.note, arg.note.octave);
        }
        tuning.tuningType = kCustomTuning;
    }
    if (leftHanded) {
        tuning.SetLeftHanded();
    }
    return tuning;
}

std::array<int, kStringCount> ParseFrets(std::string_view text) {
    const std::vector<std::string_view> parts = SplitAtCommas(text);
    if (parts.size() != kStringCount) {
        throw UsageError("frets " + Quoted(text) + " has " + std::to_string(parts.size()) +
                         " parts; give six frets like x,3,2,0,1,0");
    }
    std::array<int, kStringCount> frets{};
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        if (part == "x" || part == "X" || part == "-1") {
            frets[i] = -1;
            continue;
        }
        const int fret = WholeNumber(part);
        if (fret < 0) {
            throw UsageError("fret " + Quoted(part) +
                             " is not a fret; frets are 0-24, or x or -1 for a muted string");
        }
        if (fret > kFretCount) {
            throw UsageError("fret " + std::to_string(fret) +
                             " is off the neck; frets are 0-24, or x or -1 for a muted string");
        }
        frets[i] = fret;
    }
    return frets;
}

void AddTuningOptions(CLI::App& command, TuningOptions& options) {
    command.add_option("--tuning", options.tuning,
                       "Predefined tuning number (0-26) or code (DADGBE), or six notes in "
                       "right-handed order (D3,A3,D4,G4,B4,E5); default standard tuning");
    command.add_flag("--left", options.left,
                     "Left-handed: strings stored in reverse, string 1 is the high string");
}

void AddJsonFlag(CLI::App& command, bool& json) {
    command.add_flag("--json", json, "Write one JSON document instead of text");
}

void AddChordArguments(CLI::App& command, std::string& root, std::string& type) {
    command.add_option("ROOT", root, "Root note without octave: C, F#, Bb")->required();
    command
        .add_option("TYPE", type,
                    "Chord type: a symbol (m7), a type name (MINOR_SEVENTH), a full name "
                    "(\"Minor Seventh\") or #N for type number N")
        ->required();
}

void PrintJson(const nlohmann::json& document) {
    // Texts echo what the user typed, which need not be valid UTF-8.
    std::cout << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void PrintTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                std::string_view indent) {
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    const auto printRow = [&](const std::vector<std::string>& row) {
        std::string line(indent);
        for (size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) {
                line += std::string(widths[c] - row[c].size() + 2, ' ');
            }
        }
        out << line << '\n';
    };
    for (size_t r = 0; r < rows.size(); ++r) {
        printRow(rows[r]);
        if (r == 0) {
            std::vector<std::string> rule;
            for (size_t c = 0; c < rows[0].size(); ++c) {
                rule.emplace_back(widths[c], '-');
            }
            printRow(rule);
        }
    }
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : " ") + name;
    }
    return text;
}

int ReportError(std::string_view message, int status) {
    std::string line(message);
    std::replace(line.begin(), line.end(), '\n', ' ');
    // Messages quote arguments and the text of files: nothing in them drives the terminal.
    std::cerr << "fretquill-cli: " << EscapedText(line) << std::endl;
    return status;
}
