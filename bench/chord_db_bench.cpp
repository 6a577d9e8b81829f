// The chord database's start-up paths: parsing chords.xml into the chord list, loading the
// cache chords.dat, and the whole loading task when the cache is valid (CRC of the source,
// then the cache). Uses the repository's chords.xml when there is one, else a generated
// database of the full size (12 roots x 36 types x 6 variations).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "guitar/chord_database.h"
#include "music/chord_type.h"
#include "util/crc32.h"

namespace fs = std::filesystem;

namespace {

std::string GeneratedDatabase() {
    static const char* const kRoots[] = {"Ab", "A",  "Bb", "B", "C",  "Db",
                                         "D",  "Eb", "E",  "F", "F#", "G"};
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<chords>\n";
    for (const char* root : kRoots) {
        text += "  <basenote note=\"" + std::string(root) + "\">\n";
        for (int type = 0; type < kChordTypeCount; ++type) {
            text += "    <type name=\"" + ChordTypeKey(type) + "\">\n";
            for (int v = 0; v < 6; ++v) {
                text +=
                    "      <chord><note>MUTED</note><note>C4</note><note>E4</note>"
                    "<note>G4</note><note>C5</note><note>E5</note></chord>\n";
            }
            text += "    </type>\n";
        }
        text += "  </basenote>\n";
    }
    return text + "</chords>\n";
}

// A directory holding chords.xml and a valid chords.dat, made once.
struct Database {
    fs::path dir;
    std::uint32_t crc = 0;
    std::string origin;
    int chords = 0;

    Database() {
        dir = fs::temp_directory_path() / "fretquill-chord-db-bench";
        fs::create_directories(dir);
        const fs::path source = dir / kChordSourceName;
        const fs::path shipped[] = {fs::path(FRETQUILL_SOURCE_DIR) / "chords.xml",
                                    fs::path(FRETQUILL_SOURCE_DIR) / "data" / "chords.xml"};
        origin = "generated";
        for (const fs::path& candidate : shipped) {
            if (fs::exists(candidate)) {
                fs::copy_file(candidate, source, fs::copy_options::overwrite_existing);
                origin = candidate.string();
                break;
            }
        }
        if (origin == "generated") {
            std::ofstream(source, std::ios::binary) << GeneratedDatabase();
        }
        fs::remove(dir / kChordCacheName);
        CChordList list;
        NullProgressReporter progress;
        NullPrompter prompter;
        LoadChordDatabase(Files(), crc, list, progress, prompter);
        chords = list.Count();
        SaveChordCache(Files().cache, list);
    }
    ChordDatabaseFiles Files() const { return ChordDatabaseFiles::In(dir.string() + "/"); }

    class NullPrompter : public Prompter {
    public:
        PromptAnswer Show(PromptKind, const std::string&, const std::string&) override {
            return PromptAnswer::Ok;
        }
    };
};

const Database& TheDatabase() {
    static const Database database;
    return database;
}

void Label(benchmark::State& state, const Database& db) {
    state.SetLabel(db.origin + ", " + std::to_string(db.chords) + " chords");
}

void BM_ParseChordsXml(benchmark::State& state) {
    const Database& db = TheDatabase();
    NullProgressReporter progress;
    for (auto _ : state) {
        CXmlReader xml;
        xml.Load(db.Files().source);
        CChordList list;
        ReadChordDocument(xml, list, progress);
        benchmark::DoNotOptimize(list.chords.data());
    }
    Label(state, db);
}
BENCHMARK(BM_ParseChordsXml)->Unit(benchmark::kMillisecond);

void BM_LoadChordsDat(benchmark::State& state) {
    const Database& db = TheDatabase();
    for (auto _ : state) {
        CChordList list;
        LoadObjectFile(db.Files().cache, list);
        benchmark::DoNotOptimize(list.chords.data());
    }
    Label(state, db);
}
BENCHMARK(BM_LoadChordsDat)->Unit(benchmark::kMillisecond);

void BM_StartWithValidCache(benchmark::State& state) {
    const Database& db = TheDatabase();
    NullProgressReporter progress;
    Database::NullPrompter prompter;
    for (auto _ : state) {
        std::uint32_t crc = db.crc;
        CChordList list;
        LoadChordDatabase(db.Files(), crc, list, progress, prompter);
        benchmark::DoNotOptimize(list.chords.data());
    }
    Label(state, db);
}
BENCHMARK(BM_StartWithValidCache)->Unit(benchmark::kMillisecond);

void BM_Crc32OfChordsXml(benchmark::State& state) {
    const Database& db = TheDatabase();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FileCrc32(db.Files().source).Value());
    }
    Label(state, db);
}
BENCHMARK(BM_Crc32OfChordsXml)->Unit(benchmark::kMillisecond);

}  // namespace
