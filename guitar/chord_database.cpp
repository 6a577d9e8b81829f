#include "guitar/chord_database.h"

#include <memory>

#include "guitar/stored_ranges.h"
#include "music/chord_type.h"
#include "music/note.h"
#include "util/crc32.h"
#include "util/safe_file.h"
#include "util/text_helpers.h"
#include "util/unicode_text.h"

namespace {

// The full database: 12 roots x 36 types.
constexpr double kPercentPerType = 0.23148148148148145;

constexpr const char* kFullDatabaseText = "2,592";

constexpr const char* kDynamicOnly = "  Only dynamic chord gen will be available.";

enum class CacheRead { Loaded, Unopened, Damaged };

// Reads the cache into the list, all or nothing. A damaged cache is kept aside by the
// file layer, and `message` says so. Values outside their stored ranges are repaired and
// the player told.
CacheRead ReadCache(const std::string& path, CChordList& list, std::string& message,
                    Prompter& prompter) {
    CChordList fresh;
    const FileLoadResult read = LoadObjectFile(path, fresh);
    switch (read.outcome) {
        case LoadOutcome::Loaded:
        case LoadOutcome::Empty: {
            CRangeCheck check(CRangeCheck::Action::Repair);
            CheckChordListRanges(fresh, check);
            if (!check.Faults().empty()) {
                prompter.Show(PromptKind::Information, kChordDatabaseTitle,
                              RepairedValuesMessage(path, check.Faults()));
            }
            list.chords = std::move(fresh.chords);
            return CacheRead::Loaded;
        }
        case LoadOutcome::Absent:
            message = read.Message();
            return CacheRead::Unopened;
        case LoadOutcome::Damaged:
            break;
    }
    message = read.Message();
    return CacheRead::Damaged;
}

class CollectingPrompter : public Prompter {
public:
    explicit CollectingPrompter(std::vector<std::string>& texts) : texts_(texts) {}
    PromptAnswer Show(PromptKind kind, const std::string&, const std::string& text) override {
        texts_.push_back(text);
        return kind == PromptKind::YesNo ? PromptAnswer::No : PromptAnswer::Ok;
    }

private:
    std::vector<std::string>& texts_;
};

ChordDatabaseLoad Finish(CChordList& list, Result<> available, bool damaged = false) {
    if (!available) {
        list.RemoveAll();
    }
    list.loaded = 1;
    return ChordDatabaseLoad{std::move(available), false, damaged};
}

ChordDatabaseLoad Unavailable(CChordList& list, std::string why, bool damaged = false) {
    return Finish(list, Result<>::Fail(std::move(why)), damaged);
}

}  // namespace

ChordDatabaseFiles ChordDatabaseFiles::In(const std::string& directory) {
    return ChordDatabaseFiles{directory + kChordSourceName, directory + kChordCacheName};
}

ChordDatabaseFiles ChordDatabaseFiles::InAppDirectory() {
    return ChordDatabaseFiles{AppDirectory() + kChordSourceName,
                              UserDataDirectory() + kChordCacheName};
}

bool ChordDatabaseFiles::AnyPresent() const {
    return CanOpenFile(source) || CanOpenFile(cache);
}

void ReadChordDocument(CXmlReader& xml, CChordList& list, ProgressReporter& progress) {
    int typesDone = 0;
    while (xml.FindChild("basenote")) {
        const std::string rootText = xml.ChildAttribute("note");
        progress.AddStatusLine("Loading " + EscapedText(rootText) + " chords...");
        const NoteValue root = CNote::Parse(rootText).note;
        xml.EnterChild();
        while (xml.FindChild("type")) {
            const int type = ChordTypeFromName(xml.ChildAttribute("name"));
            xml.EnterChild();
            int variation = 1;
            while (xml.FindChild("chord")) {
                xml.EnterChild();
                auto chord = std::make_unique<CChord>();
                chord->chordType = type;
                chord->variation = variation;
                chord->root = root;
                chord->dynamic = 0;
                for (int s = 1; xml.FindChild("note"); ++s) {
                    if (s <= kStringCount) {
                        const CNote note = CNote::Parse(xml.ChildText(xml.childPos));
                        chord->SetStringNote(s, note.note, note.octave);
                    }
                }
                list.Add(std::move(chord));
                xml.LeaveElement();
                ++variation;
            }
            ++typesDone;
            progress.SetProgress(static_cast<int>((typesDone - 1) * kPercentPerType));
            xml.LeaveElement();
        }
        xml.LeaveElement();
    }
}

ChordDatabaseLoad LoadChordDatabase(const ChordDatabaseFiles& files, std::uint32_t& storedCrc,
                                    CChordList& list, ProgressReporter& progress,
                                    Prompter& prompter) {
    list.RemoveAll();
    list.loaded = 0;
    const bool sourcePresent = CanOpenFile(files.source);
    const bool cachePresent = CanOpenFile(files.cache);
    if (!sourcePresent && !cachePresent) {
        return Unavailable(list, kMissingChordFilesText);
    }

    // A source that cannot be read leaves nothing to check the cache against: the cache,
    // the last good database, is used as it is. Without a source there is no message.
    const Result<std::uint32_t> crc =
        sourcePresent ? FileCrc32(files.source) : Result<std::uint32_t>(Failure{});
    std::string cacheMessage;
    if (!crc) {
        const std::string& crcMessage = crc.Error().message;
        if (!crcMessage.empty() && !cachePresent) {
            return Unavailable(list, crcMessage + kDynamicOnly);
        }
        if (!crcMessage.empty()) {
            prompter.Show(PromptKind::Error, kChordDatabaseTitle, crcMessage);
        }
        const CacheRead cache = ReadCache(files.cache, list, cacheMessage, prompter);
        if (cache != CacheRead::Loaded) {
            return Unavailable(
                list, cacheMessage.empty() ? kMissingChordFilesText : cacheMessage + kDynamicOnly,
                cache == CacheRead::Damaged);
        }
        progress.AddStatusLine("Cache loaded, starting...");
        return Finish(list, Result<>());
    }

    bool cacheTried = false;
    if (cachePresent) {
        progress.AddStatusLine("Cache found...checking CRC...");
        if (crc.Value() == storedCrc) {
            progress.AddStatusLine("CRC passed, loading cache...");
            cacheTried = true;
            if (ReadCache(files.cache, list, cacheMessage, prompter) == CacheRead::Loaded) {
                progress.AddStatusLine("Cache loaded, starting...");
                return Finish(list, Result<>());
            }
            // Unopened or damaged (and kept aside): rebuilt from the source below.
        } else {
            progress.AddStatusLine("Change detected, reloading...");
        }
    } else {
        progress.AddStatusLine("No cache, loading data...");
    }

    CXmlReader xml;
    if (const Result<> read = xml.Load(files.source); !read) {
        const std::string problem =
            "Could not read " + files.source + ": " + read.Error().message + ".";
        if (cachePresent && !cacheTried) {
            const CacheRead cache = ReadCache(files.cache, list, cacheMessage, prompter);
            if (cache == CacheRead::Loaded) {
                prompter.Show(PromptKind::Error, kChordDatabaseTitle,
                              problem + " The chords last read from it are used.");
                progress.AddStatusLine("Cache loaded, starting...");
                return Finish(list, Result<>());
            }
        }
        std::string error = problem;
        if (!cacheMessage.empty()) {
            error += " " + cacheMessage;
        }
        // The source was read whole for its CRC just before, so what failed is its content.
        return Unavailable(list, error + kDynamicOnly, true);
    }
    ReadChordDocument(xml, list, progress);
    storedCrc = crc.Value();
    ChordDatabaseLoad parsed = Finish(list, Result<>());
    parsed.parsed = true;
    return parsed;
}

std::string MissingChordsMessage(const CChordList& list, const std::string& source) {
    // The roots as the database spells them.
    static constexpr NoteValue kRoots[] = {kNoteC,     kNoteDFlat, kNoteD,      kNoteEFlat,
                                           kNoteE,     kNoteF,     kNoteFSharp, kNoteG,
                                           kNoteAFlat, kNoteA,     kNoteBFlat,  kNoteB};
    constexpr int kNamed = 5;
    int missing = 0;
    std::string named;
    for (const NoteValue root : kRoots) {
        for (int type = 0; type < kChordTypeCount; ++type) {
            for (int v = 1; v <= kStoredVariationsPerChord; ++v) {
                if (list.FindStatic(root, type, v) != nullptr) {
                    continue;
                }
                if (missing < kNamed) {
                    named += (missing == 0 ? "" : ", ") + NoteName(root) + " " +
                             ChordTypeName(type) + " " + std::to_string(v);
                }
                ++missing;
            }
        }
    }
    if (missing == 0) {
        return "";
    }
    if (missing > kNamed) {
        named += " and " + std::to_string(missing - kNamed) + " more";
    }
    std::string count = std::to_string(missing);
    if (count.size() > 3) {
        count.insert(count.size() - 3, ",");
    }
    return "The chord database " + source + " lacks " + count + " of its " + kFullDatabaseText +
           " chords (" + named + "); the generated fingerings are shown for them.";
}

Result<> SaveChordCache(const std::string& path, CChordList& list) {
    return SaveObjectFile(path, list);
}

void ReadStaticChordDatabase(StaticChordDatabase& database) {
    database.messages.clear();
    NullProgressReporter progress;
    CollectingPrompter prompter(database.messages);
    std::uint32_t noStoredCrc = 0;
    const ChordDatabaseFiles files = ChordDatabaseFiles::InAppDirectory();
    database.load = LoadChordDatabase(files, noStoredCrc, database.list, progress, prompter);
    if (database.load.available) {
        const std::string missing =
            MissingChordsMessage(database.list, database.load.parsed ? files.source : files.cache);
        if (!missing.empty()) {
            database.messages.push_back(missing);
        }
    }
}
