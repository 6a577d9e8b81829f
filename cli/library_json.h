#pragma once

// The program's data files as JSON text, and back: the forms `dump` prints and `write`
// reads. Every field of a record is there, in stored order, so a file written from its
// dump is the same file byte for byte.
//
//   chord:       {"strings": ["E3", ...6], "tuningType", "loopPattern", "strum",
//                 "pickPattern", "rightHanded", "root", "variation", "chordType", "dynamic"}
//   pattern:     {"id", "name", "reservedText", "NumTimesToPlay", "letRing", "chord"}
//   progression: {"id", "name", "description", "tuningKey", "created", "modified", "BPM",
//                 "nextPatternId", "patterns": [...]}
//   favorite:    {"id", "mode", "name", "description", "tuningKey", "scaleType",
//                 "rootNote", "chord"}
//   files:       {"kind": "progressions", "nextId", "progressions": [...]},
//                {"kind": "favorites", "favorites": [...]},
//                {"kind": "exchange", "progression": {...}},
//                {"kind": "chords", "chords": [...]}
//
// A string's note is written as the program names it with its octave ("E3", "C#4",
// "Bb2"); the special values by their names ("Muted", "UNKNOWN" for no note,
// "Unsupported", "Rest"), followed by the stored octave only when it is not 0.

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "guitar/stored_ranges.h"
#include "util/archive_object.h"

enum class LibraryFileKind { Chords, Progressions, Favorites, Exchange };

// "chords", "progressions", "favorites", "exchange".
std::string_view KindName(LibraryFileKind kind);
std::optional<LibraryFileKind> KindFromName(std::string_view name);
// From the file name: "chords.dat", "progs.dat", "fav.dat", or a name ending in ".fqp".
std::optional<LibraryFileKind> KindFromFileName(std::string_view path);

// An empty root of the file's kind: CChordList, CProgressionList, CFavoritesList or a
// CProgression.
std::unique_ptr<CObject> MakeFileRoot(LibraryFileKind kind);

// The file document of a root made by MakeFileRoot.
nlohmann::ordered_json FileToJson(LibraryFileKind kind, CObject& root);

// The values of a root made by MakeFileRoot that lie outside the ranges the program stores
// (stored_ranges.h), named by their paths in the file document; the root is not changed.
std::vector<RangeFault> FileRangeFaults(LibraryFileKind kind, CObject& root);

// Fills a root made by MakeFileRoot from a file document. A value outside its stored range
// is refused like any other wrong field. Throws UsageError naming the
// first field that is wrong ("progressions[0].patterns[1].chord.strings[2]: ...").
void FileFromJson(LibraryFileKind kind, const nlohmann::json& document, CObject& root);
