#include "cli/library_json.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <set>
#include <vector>

#include "cli/cli_args.h"
#include "guitar/chord_list.h"
#include "library/favorites_list.h"
#include "library/progression_list.h"
#include "library/stored_ranges.h"

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// The note values the reader accepts, with their names; spelled notes take an octave.
constexpr int kFirstStoredNote = kNoteMuted;
constexpr int kLastStoredNote = kNoteRest;
// The octaves the reader accepts.
constexpr int kMaxOctave = 99;

std::string NoteText(const CNote& note) {
    if (IsSpelledNote(note.note)) {
        return NoteName(note.note) + std::to_string(note.octave);
    }
    const std::string name = note.note == kNoteNone ? "UNKNOWN" : NoteName(note.note);
    return note.octave == 0 ? name : name + std::to_string(note.octave);
}

// A field of the document being read, by its path, for the messages.
class Field {
public:
    Field(const json& value, std::string path) : value_(value), path_(std::move(path)) {}

    const json& Value() const { return value_; }
    const std::string& Path() const { return path_; }

    [[noreturn]] void Wrong(const std::string& why) const {
        throw UsageError((path_.empty() ? std::string("the document") : path_) + ": " + why);
    }

    // The member of an object, which must be there.
    Field Member(std::string_view name) const {
        const auto found = value_.find(name);
        if (found == value_.end()) {
            throw UsageError(Join(name) + ": missing");
        }
        return Field(*found, Join(name));
    }
    Field Element(std::size_t index) const {
        return Field(value_[index], path_ + "[" + std::to_string(index) + "]");
    }

    // An object with no members but these; Member() then tells which one is missing.
    void ExpectObject(std::initializer_list<std::string_view> names, const char* what) const {
        if (!value_.is_object()) {
            Wrong(std::string("not an object; ") + what + " is {...}");
        }
        const std::set<std::string_view> known(names.begin(), names.end());
        for (auto it = value_.begin(); it != value_.end(); ++it) {
            if (known.count(it.key()) == 0) {
                throw UsageError(Join(it.key()) + ": not a field of " + what);
            }
        }
    }
    std::size_t ExpectArray() const {
        if (!value_.is_array()) {
            Wrong("not a list");
        }
        return value_.size();
    }

    std::int64_t Integer(std::int64_t low, std::int64_t high) const {
        if (!value_.is_number_integer()) {
            Wrong("not a whole number");
        }
        if (value_.is_number_unsigned() &&
            value_.get<std::uint64_t>() >
                static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            Wrong("out of range (" + std::to_string(low) + " to " + std::to_string(high) + ")");
        }
        const auto number = value_.get<std::int64_t>();
        if (number < low || number > high) {
            Wrong(std::to_string(number) + " is out of range (" + std::to_string(low) + " to " +
                  std::to_string(high) + ")");
        }
        return number;
    }
    int InRange(StoredRange range) const {
        return static_cast<int>(Integer(range.low, range.high));
    }
    int Int32() const {
        return static_cast<int>(
            Integer(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    }
    std::string Text() const {
        if (!value_.is_string()) {
            Wrong("not a text");
        }
        return value_.get<std::string>();
    }

private:
    std::string Join(std::string_view name) const {
        return path_.empty() ? std::string(name) : path_ + "." + std::string(name);
    }

    const json& value_;
    std::string path_;
};

CNote NoteFromText(const Field& field) {
    const std::string text = field.Text();
    const std::string hint = "'" + text +
                             "' is not a note; write notes like E3, C#4, Bb2, or Muted, UNKNOWN, "
                             "Unsupported, Rest";
    // The longest name that starts the text, then the octave.
    int value = -2;
    std::size_t nameLength = 0;
    for (int candidate = kFirstStoredNote; candidate <= kLastStoredNote; ++candidate) {
        const std::string name = candidate == kNoteNone ? "UNKNOWN" : NoteName(candidate);
        bool starts = text.size() >= name.size();
        for (std::size_t i = 0; starts && i < name.size(); ++i) {
            const char a = text[i];
            const char b = name[i];
            // MUTED is read in any letter case, as everywhere in the program.
            starts = candidate == kNoteMuted ? std::toupper(static_cast<unsigned char>(a)) ==
                                                   std::toupper(static_cast<unsigned char>(b))
                                             : a == b;
        }
        if (starts && name.size() > nameLength) {
            value = candidate;
            nameLength = name.size();
        }
    }
    if (value == -2) {
        field.Wrong(hint);
    }
    const std::string octaveText = text.substr(nameLength);
    int octave = 0;
    if (octaveText.empty()) {
        if (IsSpelledNote(value)) {
            field.Wrong("'" + text + "' has no octave; write notes like E3, C#4, Bb2");
        }
    } else {
        std::size_t i = octaveText[0] == '-' ? 1 : 0;
        if (i == octaveText.size() || octaveText.size() - i > 2) {
            field.Wrong(hint + " (octaves are -" + std::to_string(kMaxOctave) + " to " +
                        std::to_string(kMaxOctave) + ")");
        }
        for (; i < octaveText.size(); ++i) {
            if (octaveText[i] < '0' || octaveText[i] > '9') {
                field.Wrong(hint);
            }
        }
        octave = std::stoi(octaveText);
    }
    return CNote(value, octave);
}

// ---- records to JSON ------------------------------------------------------------------

ordered_json ChordToJson(const CChord& chord) {
    ordered_json strings = ordered_json::array();
    for (const CNote& note : chord.strings) {
        strings.push_back(NoteText(note));
    }
    ordered_json out;
    out["strings"] = strings;
    out["tuningType"] = chord.tuningType;
    out["loopPattern"] = chord.loopPattern;
    out["strum"] = chord.strum;
    out["pickPattern"] = chord.pickPattern;
    out["rightHanded"] = chord.rightHanded;
    out["root"] = chord.root;
    out["variation"] = chord.variation;
    out["chordType"] = chord.chordType;
    out["dynamic"] = chord.dynamic;
    return out;
}

ordered_json PatternToJson(const CPattern& pattern) {
    ordered_json out;
    out["id"] = pattern.id;
    out["name"] = pattern.name;
    out["reservedText"] = pattern.reservedText;
    out["NumTimesToPlay"] = pattern.NumTimesToPlay;
    out["letRing"] = pattern.letRing;
    out["chord"] = ChordToJson(pattern.chord);
    return out;
}

ordered_json ProgressionToJson(const CProgression& progression) {
    ordered_json patterns = ordered_json::array();
    for (const auto& pattern : progression.patterns.patterns) {
        patterns.push_back(PatternToJson(*pattern));
    }
    ordered_json out;
    out["id"] = progression.id;
    out["name"] = progression.name;
    out["description"] = progression.description;
    out["tuningKey"] = progression.tuningKey;
    out["created"] = progression.created;
    out["modified"] = progression.modified;
    out["BPM"] = progression.BPM;
    out["nextPatternId"] = progression.patterns.nextId;
    out["patterns"] = patterns;
    return out;
}

ordered_json FavoriteToJson(const CFavorite& favorite) {
    ordered_json out;
    out["id"] = favorite.id;
    out["mode"] = static_cast<int>(favorite.mode);
    out["name"] = favorite.name;
    out["description"] = favorite.description;
    out["tuningKey"] = favorite.tuningKey;
    out["scaleType"] = favorite.scaleType;
    out["rootNote"] = favorite.rootNote;
    out["chord"] = ChordToJson(favorite.chord);
    return out;
}

// ---- JSON to records ------------------------------------------------------------------

void ChordFromJson(const Field& field, CChord& chord) {
    field.ExpectObject({"strings", "tuningType", "loopPattern", "strum", "pickPattern",
                        "rightHanded", "root", "variation", "chordType", "dynamic"},
                       "a chord");
    const Field strings = field.Member("strings");
    if (strings.ExpectArray() != kStringCount) {
        strings.Wrong("a chord has 6 strings, not " + std::to_string(strings.Value().size()));
    }
    for (std::size_t i = 0; i < chord.strings.size(); ++i) {
        chord.strings[i] = NoteFromText(strings.Element(i));
    }
    chord.tuningType = field.Member("tuningType").Int32();
    chord.loopPattern = field.Member("loopPattern").InRange(kStoredFlags);
    chord.strum = field.Member("strum").InRange(kStoredFlags);
    const Field pattern = field.Member("pickPattern");
    chord.pickPattern = pattern.Text();
    if (!CTuning::IsValidPattern(chord.pickPattern)) {
        pattern.Wrong("'" + chord.pickPattern + "' is not a pick pattern (strings 1-6, R for a rest)");
    }
    chord.rightHanded = field.Member("rightHanded").InRange(kStoredFlags);
    chord.root = field.Member("root").InRange(kStoredRoots);
    chord.variation = field.Member("variation").InRange(kStoredVariations);
    chord.chordType = field.Member("chordType").InRange(kStoredChordTypes);
    chord.dynamic = field.Member("dynamic").InRange(kStoredFlags);
}

std::unique_ptr<CPattern> PatternFromJson(const Field& field) {
    field.ExpectObject({"id", "name", "reservedText", "NumTimesToPlay", "letRing", "chord"},
                       "a pattern");
    auto pattern = std::make_unique<CPattern>();
    pattern->id = field.Member("id").Int32();
    pattern->name = field.Member("name").Text();
    pattern->reservedText = field.Member("reservedText").Text();
    pattern->NumTimesToPlay = field.Member("NumTimesToPlay").InRange(kStoredTimesToPlay);
    pattern->letRing = field.Member("letRing").InRange(kStoredFlags);
    ChordFromJson(field.Member("chord"), pattern->chord);
    return pattern;
}

void ProgressionFromJson(const Field& field, CProgression& progression) {
    field.ExpectObject({"id", "name", "description", "tuningKey", "created", "modified", "BPM",
                        "nextPatternId", "patterns"},
                       "a progression");
    constexpr auto kTimeLow = std::numeric_limits<std::int64_t>::min();
    constexpr auto kTimeHigh = std::numeric_limits<std::int64_t>::max();
    progression.id = field.Member("id").Int32();
    progression.name = field.Member("name").Text();
    progression.description = field.Member("description").Text();
    progression.tuningKey = field.Member("tuningKey").Int32();
    progression.created = field.Member("created").Integer(kTimeLow, kTimeHigh);
    progression.modified = field.Member("modified").Integer(kTimeLow, kTimeHigh);
    progression.BPM = field.Member("BPM").InRange(kStoredTempos);
    progression.patterns.nextId = field.Member("nextPatternId").Int32();
    const Field patterns = field.Member("patterns");
    const std::size_t count = patterns.ExpectArray();
    progression.patterns.patterns.clear();
    for (std::size_t i = 0; i < count; ++i) {
        progression.patterns.AddPattern(PatternFromJson(patterns.Element(i)), false);
    }
}

std::unique_ptr<CFavorite> FavoriteFromJson(const Field& field) {
    field.ExpectObject(
        {"id", "mode", "name", "description", "tuningKey", "scaleType", "rootNote", "chord"},
        "a favorite");
    auto favorite = std::make_unique<CFavorite>();
    favorite->id = field.Member("id").Int32();
    favorite->mode = static_cast<ProgramMode>(field.Member("mode").Int32());
    favorite->name = field.Member("name").Text();
    favorite->description = field.Member("description").Text();
    favorite->tuningKey = field.Member("tuningKey").Int32();
    favorite->scaleType = field.Member("scaleType").Int32();
    favorite->rootNote = field.Member("rootNote").InRange(kStoredRoots);
    ChordFromJson(field.Member("chord"), favorite->chord);
    return favorite;
}

}  // namespace

std::string_view KindName(LibraryFileKind kind) {
    switch (kind) {
        case LibraryFileKind::Chords:
            return "chords";
        case LibraryFileKind::Progressions:
            return "progressions";
        case LibraryFileKind::Favorites:
            return "favorites";
        case LibraryFileKind::Exchange:
            return "exchange";
    }
    return "";
}

std::optional<LibraryFileKind> KindFromName(std::string_view name) {
    for (LibraryFileKind kind : {LibraryFileKind::Chords, LibraryFileKind::Progressions,
                                 LibraryFileKind::Favorites, LibraryFileKind::Exchange}) {
        if (name == KindName(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

std::optional<LibraryFileKind> KindFromFileName(std::string_view path) {
    const std::filesystem::path file(path);
    const std::string name = file.filename().string();
    if (name == "chords.dat") {
        return LibraryFileKind::Chords;
    }
    if (name == CProgressionList::kFileName) {
        return LibraryFileKind::Progressions;
    }
    if (name == CFavoritesList::kFileName) {
        return LibraryFileKind::Favorites;
    }
    if (file.extension() == ".fqp") {
        return LibraryFileKind::Exchange;
    }
    return std::nullopt;
}

std::unique_ptr<CObject> MakeFileRoot(LibraryFileKind kind) {
    switch (kind) {
        case LibraryFileKind::Chords:
            return std::make_unique<CChordList>();
        case LibraryFileKind::Progressions:
            return std::make_unique<CProgressionList>();
        case LibraryFileKind::Favorites:
            return std::make_unique<CFavoritesList>();
        case LibraryFileKind::Exchange:
            return std::make_unique<CProgression>();
    }
    return nullptr;
}

ordered_json FileToJson(LibraryFileKind kind, CObject& root) {
    ordered_json out;
    out["kind"] = std::string(KindName(kind));
    ordered_json list = ordered_json::array();
    switch (kind) {
        case LibraryFileKind::Chords:
            for (const auto& chord : static_cast<CChordList&>(root).chords) {
                list.push_back(ChordToJson(*chord));
            }
            out["chords"] = list;
            break;
        case LibraryFileKind::Progressions: {
            const auto& progressions = static_cast<CProgressionList&>(root);
            for (const auto& progression : progressions.progressions) {
                list.push_back(ProgressionToJson(*progression));
            }
            out["nextId"] = progressions.nextId;
            out["progressions"] = list;
            break;
        }
        case LibraryFileKind::Favorites:
            for (const auto& favorite : static_cast<CFavoritesList&>(root).favorites) {
                list.push_back(FavoriteToJson(*favorite));
            }
            out["favorites"] = list;
            break;
        case LibraryFileKind::Exchange:
            out["progression"] = ProgressionToJson(static_cast<CProgression&>(root));
            break;
    }
    return out;
}

std::vector<RangeFault> FileRangeFaults(LibraryFileKind kind, CObject& root) {
    CRangeCheck check(CRangeCheck::Action::Report);
    switch (kind) {
        case LibraryFileKind::Chords:
            CheckChordListRanges(static_cast<CChordList&>(root), check);
            break;
        case LibraryFileKind::Progressions:
            CheckProgressionListRanges(static_cast<CProgressionList&>(root), check);
            break;
        case LibraryFileKind::Favorites:
            CheckFavoritesListRanges(static_cast<CFavoritesList&>(root), check);
            break;
        case LibraryFileKind::Exchange:
            CheckProgressionRanges(static_cast<CProgression&>(root), "progression", check);
            break;
    }
    return check.Faults();
}

void FileFromJson(LibraryFileKind kind, const json& document, CObject& root) {
    const Field top(document, "");
    const std::string kindName(KindName(kind));
    switch (kind) {
        case LibraryFileKind::Chords:
            top.ExpectObject({"kind", "chords"}, "a chords document");
            break;
        case LibraryFileKind::Progressions:
            top.ExpectObject({"kind", "nextId", "progressions"}, "a progressions document");
            break;
        case LibraryFileKind::Favorites:
            top.ExpectObject({"kind", "favorites"}, "a favorites document");
            break;
        case LibraryFileKind::Exchange:
            top.ExpectObject({"kind", "progression"}, "an exchange document");
            break;
    }
    const Field kindField = top.Member("kind");
    if (kindField.Text() != kindName) {
        kindField.Wrong("'" + kindField.Text() + "' where the file to write is " + kindName);
    }
    switch (kind) {
        case LibraryFileKind::Chords: {
            auto& chords = static_cast<CChordList&>(root);
            const Field list = top.Member("chords");
            const std::size_t count = list.ExpectArray();
            for (std::size_t i = 0; i < count; ++i) {
                auto chord = std::make_unique<CChord>();
                ChordFromJson(list.Element(i), *chord);
                chords.Add(std::move(chord));
            }
            break;
        }
        case LibraryFileKind::Progressions: {
            auto& progressions = static_cast<CProgressionList&>(root);
            progressions.nextId = top.Member("nextId").Int32();
            const Field list = top.Member("progressions");
            const std::size_t count = list.ExpectArray();
            for (std::size_t i = 0; i < count; ++i) {
                auto progression = std::make_unique<CProgression>();
                ProgressionFromJson(list.Element(i), *progression);
                progressions.progressions.push_back(std::move(progression));
            }
            break;
        }
        case LibraryFileKind::Favorites: {
            auto& favorites = static_cast<CFavoritesList&>(root);
            const Field list = top.Member("favorites");
            const std::size_t count = list.ExpectArray();
            for (std::size_t i = 0; i < count; ++i) {
                favorites.favorites.push_back(FavoriteFromJson(list.Element(i)));
            }
            break;
        }
        case LibraryFileKind::Exchange:
            ProgressionFromJson(top.Member("progression"), static_cast<CProgression&>(root));
            break;
    }
}
