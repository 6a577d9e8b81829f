// fretquill-cli dump and write, run as a player runs them, on files the library itself
// writes.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <nlohmann/json.hpp>

#include "guitar/chord_list.h"
#include "library/favorites_list.h"
#include "library/progression_list.h"
#include "tests/cli/cli_runner.h"
#include "tests/library/bad_archive_cases.h"
#include "util/object_archive.h"
#include "util/safe_file.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::ordered_json;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::unique_ptr<CPattern> Pattern(const std::string& name, const std::string& pick, int times) {
    auto pattern = std::make_unique<CPattern>();
    pattern->name = name;
    pattern->NumTimesToPlay = times;
    pattern->chord.strum = pick.empty() ? 1 : 0;
    pattern->chord.pickPattern = pick;
    return pattern;
}

void FillProgression(CProgression& p) {
    p.name = "Blues \xC3\xA9t\xC3\xA9 \xF0\x9D\x84\x9E";  // accents and a clef beyond the BMP
    p.description = std::string(300, 'd');                // the two-byte length form
    p.tuningKey = 27;
    p.created = 1700000000;
    p.modified = 5000000000;  // beyond 32 bits: the long time form
    p.BPM = 96;
    auto first = Pattern("A7", "", 4);
    first->chord.SetStringNote(1, kNoteMuted, 0);
    first->chord.root = kNoteA;
    first->chord.chordType = 12;
    p.patterns.AddPattern(std::move(first), true);
    auto second = Pattern("D7", "3456R", 2);
    second->chord.SetLeftHanded();
    second->chord.loopPattern = 1;
    second->letRing = 0;
    second->chord.dynamic = 1;
    second->chord.variation = 17;
    p.patterns.AddPattern(std::move(second), true);
    p.patterns.AddPattern(Pattern("gone", "1", 1), true);
    p.patterns.RemovePattern(2);
}

// One file of each kind, as the program writes them.
struct SampleFiles {
    TempDir dir;
    fs::path progs = dir / "progs.dat";
    fs::path fav = dir / "fav.dat";
    fs::path chords = dir / "chords.dat";
    fs::path exchange = dir / "Blues.fqp";

    SampleFiles() {
        CProgressionList progressions;
        FillProgression(*progressions.CreateProgression(0, ""));
        progressions.CreateProgression(13, "Drone")->created = -1;  // before 1970
        progressions.CreateProgression(13, "");
        progressions.RemoveProgression(2);
        EXPECT_TRUE(SaveObjectFile(progs, progressions));

        CFavoritesList favorites;
        auto chord = std::make_unique<CFavorite>();
        chord->name = "Am";
        chord->rootNote = kNoteA;
        chord->chord.SetStringNote(6, kNoteMuted, 0);
        favorites.AddFavorite(std::move(chord));
        auto scale = std::make_unique<CFavorite>();
        scale->mode = ProgramMode::Scale;
        scale->tuningKey = 5;
        scale->scaleType = 4;
        scale->description = "blue notes";
        favorites.AddFavorite(std::move(scale));
        EXPECT_TRUE(SaveObjectFile(fav, favorites));

        CChordList list;
        for (int i = 0; i < 3; ++i) {
            auto c = std::make_unique<CChord>();
            c->root = i;
            c->chordType = 30 + i;
            c->variation = i + 1;
            list.Add(std::move(c));
        }
        // Values the reader takes that no note text of the tool's other commands shows.
        list.chords[1]->SetStringNote(2, kNoteRest, 3);
        list.chords[1]->SetStringNote(3, kNoteNone, 0);
        list.chords[1]->SetStringNote(4, kNoteE, -1);
        list.chords[2]->SetStringNote(5, kNoteUnsupported, 0);
        EXPECT_TRUE(SaveObjectFile(chords, list));

        CProgression blues;
        FillProgression(blues);
        blues.id = 41;
        EXPECT_TRUE(SaveObjectFile(exchange, blues));
    }
};

TEST(CliFileCommands, DumpThenWriteGivesTheSameBytesForEveryKind) {
    SampleFiles files;
    const std::vector<std::pair<fs::path, std::string>> cases = {
        {files.progs, "progressions"},
        {files.fav, "favorites"},
        {files.chords, "chords"},
        {files.exchange, "exchange"},
    };
    for (const auto& [path, kind] : cases) {
        const cli_test::Result dump = cli_test::RunCli({"dump", path.string()});
        ASSERT_EQ(dump.status, 0) << kind << ": " << dump.err;
        EXPECT_EQ(dump.err, "");
        const ordered_json document = ordered_json::parse(dump.out);
        EXPECT_EQ(document["kind"], kind);
        const fs::path json = files.dir / (kind + ".json");
        WriteText(json, dump.out);
        const fs::path out = files.dir / (kind + ".out");
        const cli_test::Result write =
            cli_test::RunCli({"write", kind, json.string(), out.string()});
        ASSERT_EQ(write.status, 0) << kind << ": " << write.err;
        EXPECT_EQ(write.out, "");
        EXPECT_EQ(ReadBytes(out), ReadBytes(path)) << kind;
        // --kind reads a file whatever its name.
        const cli_test::Result named = cli_test::RunCli({"dump", out.string(), "--kind", kind});
        EXPECT_EQ(named.status, 0) << named.err;
        EXPECT_EQ(named.out, dump.out);
    }
}

TEST(CliFileCommands, DumpGivesEveryFieldInItsOrder) {
    SampleFiles files;
    const cli_test::Result favorites = cli_test::RunCli({"dump", files.fav.string()});
    ASSERT_EQ(favorites.status, 0) << favorites.err;
    const char* expected = R"j({"kind": "favorites", "favorites": [
      {"id": 101, "mode": 0, "name": "Am", "description": "", "tuningKey": 0, "scaleType": 0,
       "rootNote": 13,
       "chord": {"strings": ["E3", "A3", "D4", "G4", "B4", "Muted"], "tuningType": 0,
                 "loopPattern": 0, "strum": 1, "pickPattern": "123456", "rightHanded": 1,
                 "root": 18, "variation": 0, "chordType": -1, "dynamic": 0}},
      {"id": 101, "mode": 2, "name": "", "description": "blue notes", "tuningKey": 5,
       "scaleType": 4, "rootNote": 0,
       "chord": {"strings": ["E3", "A3", "D4", "G4", "B4", "E5"], "tuningType": 0,
                 "loopPattern": 0, "strum": 1, "pickPattern": "123456", "rightHanded": 1,
                 "root": 18, "variation": 0, "chordType": -1, "dynamic": 0}}]})j";
    // Compared as text after parsing both, so the order of the keys counts.
    EXPECT_EQ(ordered_json::parse(favorites.out).dump(), ordered_json::parse(expected).dump());

    const ordered_json progs =
        ordered_json::parse(cli_test::RunCli({"dump", files.progs.string()}).out);
    std::vector<std::string> keys;
    for (const auto& item : progs.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"kind", "nextId", "progressions"}));
    keys.clear();
    const ordered_json& blues = progs["progressions"][0];
    for (const auto& item : blues.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"id", "name", "description", "tuningKey", "created",
                                              "modified", "BPM", "nextPatternId", "patterns"}));
    keys.clear();
    for (const auto& item : blues["patterns"][0].items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"id", "name", "reservedText", "NumTimesToPlay",
                                              "letRing", "chord"}));
    EXPECT_EQ(progs["nextId"], 3);
    EXPECT_EQ(blues["modified"], 5000000000);
    EXPECT_EQ(blues["nextPatternId"], 3);
    EXPECT_EQ(blues["name"], "Blues \xC3\xA9t\xC3\xA9 \xF0\x9D\x84\x9E");
    EXPECT_EQ(progs["progressions"][1]["created"], -1);
    EXPECT_EQ(blues["patterns"][1]["chord"]["strings"],
              ordered_json::parse(R"(["E5", "B4", "G4", "D4", "A3", "E3"])"));
    EXPECT_EQ(blues["patterns"][1]["chord"]["rightHanded"], 0);

    const ordered_json chords =
        ordered_json::parse(cli_test::RunCli({"dump", files.chords.string()}).out);
    EXPECT_EQ(chords["chords"][1]["strings"],
              ordered_json::parse(R"(["E3", "Rest3", "UNKNOWN", "E-1", "B4", "E5"])"));
    EXPECT_EQ(chords["chords"][2]["strings"][4], "Unsupported");

    const ordered_json exchange =
        ordered_json::parse(cli_test::RunCli({"dump", files.exchange.string()}).out);
    EXPECT_EQ(exchange["progression"]["id"], 41);
    EXPECT_EQ(exchange["progression"]["patterns"].size(), 2u);
}

TEST(CliFileCommands, EmptyListFilesAreEmptyListsButAnEmptyExchangeFileDoesNotRead) {
    TempDir dir;
    const std::vector<std::pair<std::string, const char*>> cases = {
        {"progs.dat", R"({"kind": "progressions", "nextId": 0, "progressions": []})"},
        {"fav.dat", R"({"kind": "favorites", "favorites": []})"},
        {"chords.dat", R"({"kind": "chords", "chords": []})"},
    };
    for (const auto& [name, expected] : cases) {
        WriteBytes(dir / name, {});
        const cli_test::Result run = cli_test::RunCli({"dump", (dir / name).string()});
        EXPECT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(ordered_json::parse(run.out).dump(), ordered_json::parse(expected).dump());
    }
    WriteBytes(dir / "empty.fqp", {});
    const cli_test::Result run = cli_test::RunCli({"dump", (dir / "empty.fqp").string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("at byte 0"), std::string::npos) << run.err;
}

TEST(CliFileCommands, ADamagedFileIsStatus2WithOneLineAndItsOffset) {
    SampleFiles files;
    const Bytes progs = ReadBytes(files.progs);
    const Bytes fav = ReadBytes(files.fav);
    struct Case {
        const char* what;
        std::string name;
        Bytes bytes;
        std::string says;
    };
    const std::vector<Case> cases = {
        {"truncated", "progs.dat", Bytes(progs.begin(), progs.begin() + 61), "end of data"},
        {"data after the end", "fav.dat",
         [&] {
             Bytes b = fav;
             b.push_back(0);
             return b;
         }(),
         "1 bytes follow the end of the stored data at byte " + std::to_string(fav.size())},
        {"tag 0x8000", "progs.dat", {0x01, 0x00, 0x00, 0x80}, "0x8000 (class index 0) at byte 2"},
        {"a favorite where progressions belong", "progs.dat", fav,
         "class \"CFavorite\" where \"CProgression\" was expected at byte 2"},
        {"unknown class",
         "fav.dat",
         {0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00, 'C', 'Z', 'a', 'p'},
         "unknown class name \"CZap\" at byte 8"},
        {"huge count", "chords.dat", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, "count 2147483647"},
        {"string beyond the data",
         "x.fqp",
         {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0x70},
         "string length 112 is larger than the data left (0 bytes) at byte 10"},
    };
    for (const Case& c : cases) {
        const fs::path path = files.dir / c.name;
        WriteBytes(path, c.bytes);
        const cli_test::Result run = cli_test::RunCli({"dump", path.string()});
        EXPECT_EQ(run.status, 2) << c.what;
        EXPECT_EQ(run.out, "") << c.what;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.what << ": " << run.err;
        EXPECT_NE(run.err.find(path.string()), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        // Reading never changes or moves the file.
        EXPECT_EQ(ReadBytes(path), c.bytes) << c.what;
    }
}

TEST(CliFileCommands, KindsFromNamesAndOptions) {
    SampleFiles files;
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    const std::vector<Case> cases = {
        {{"dump", (files.dir / "notes.txt").string()}, 2, "--kind"},
        {{"dump", files.progs.string(), "--kind", "songs"}, 2, "unknown kind 'songs'"},
        {{"dump", (files.dir / "none.fqp").string()}, 1, "cannot open"},
        {{"dump", files.dir.Path().string(), "--kind", "chords"}, 2, "not a regular file"},
        // A FIFO would block the read for ever.
        {{"dump", (files.dir / "pipe.fqp").string()}, 2, "not a regular file"},
        {{"dump", "-"}, 2, "to read standard input"},
        // A progressions file read as favorites: the class is in the wrong place.
        {{"dump", files.progs.string(), "--kind", "favorites"}, 2, "where \"CFavorite\""},
        {{"write", "songs", "x.json", "out"}, 2, "unknown kind 'songs'"},
    };
    WriteText(files.dir / "notes.txt", "hello");
    ASSERT_EQ(mkfifo((files.dir / "pipe.fqp").c_str(), 0600), 0);
    for (const Case& c : cases) {
        const cli_test::Result run = cli_test::RunCli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[1];
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

TEST(CliFileCommands, WriteNamesTheFirstWrongFieldAndLeavesOutAlone) {
    SampleFiles files;
    const ordered_json good =
        ordered_json::parse(cli_test::RunCli({"dump", files.progs.string()}).out);
    using Edit = std::function<void(ordered_json&)>;
    struct Case {
        const char* what;
        Edit edit;
        std::string says;
    };
    const std::vector<Case> cases = {
        {"text tempo", [](ordered_json& d) { d["progressions"][0]["BPM"] = "fast"; },
         "progressions[0].BPM: not a whole number"},
        {"fractional id", [](ordered_json& d) { d["progressions"][1]["id"] = 1.5; },
         "progressions[1].id: not a whole number"},
        {"flag as true",
         [](ordered_json& d) { d["progressions"][0]["patterns"][0]["letRing"] = true; },
         "progressions[0].patterns[0].letRing: not a whole number"},
        {"beyond 32 bits", [](ordered_json& d) { d["nextId"] = 2147483648LL; },
         "nextId: 2147483648 is out of range"},
        {"missing field", [](ordered_json& d) { d["progressions"][0].erase("description"); },
         "progressions[0].description: missing"},
        {"unknown field", [](ordered_json& d) { d["progressions"][0]["colour"] = "blue"; },
         "progressions[0].colour: not a field of a progression"},
        {"bad note",
         [](ordered_json& d) { d["progressions"][0]["patterns"][1]["chord"]["strings"][2] = "H3"; },
         "progressions[0].patterns[1].chord.strings[2]: 'H3' is not a note"},
        {"note without octave",
         [](ordered_json& d) { d["progressions"][0]["patterns"][0]["chord"]["strings"][1] = "A"; },
         "chord.strings[1]: 'A' has no octave"},
        {"octave the reader refuses",
         [](ordered_json& d) {
             d["progressions"][0]["patterns"][0]["chord"]["strings"][1] = "A100";
         },
         "chord.strings[1]: 'A100' is not a note"},
        {"five strings",
         [](ordered_json& d) { d["progressions"][0]["patterns"][0]["chord"]["strings"].erase(0); },
         "chord.strings: a chord has 6 strings, not 5"},
        {"patterns not a list", [](ordered_json& d) { d["progressions"][0]["patterns"] = 3; },
         "progressions[0].patterns: not a list"},
        {"other kind", [](ordered_json& d) { d["kind"] = "favorites"; },
         "kind: 'favorites' where the file to write is progressions"},
        {"not an object", [](ordered_json& d) { d = ordered_json::array(); },
         "the document: not an object"},
        // Values the program never stores.
        {"tempo out of range", [](ordered_json& d) { d["progressions"][0]["BPM"] = 33554524; },
         "progressions[0].BPM: 33554524 is out of range (60 to 320)"},
        {"chord type out of range",
         [](ordered_json& d) { d["progressions"][0]["patterns"][0]["chord"]["chordType"] = 36; },
         "progressions[0].patterns[0].chord.chordType: 36 is out of range (-1 to 35)"},
        {"no passes",
         [](ordered_json& d) { d["progressions"][0]["patterns"][1]["NumTimesToPlay"] = 0; },
         "progressions[0].patterns[1].NumTimesToPlay: 0 is out of range (1 to 10)"},
        {"flag of 2",
         [](ordered_json& d) { d["progressions"][0]["patterns"][1]["chord"]["strum"] = 2; },
         "progressions[0].patterns[1].chord.strum: 2 is out of range (0 to 1)"},
        {"pick pattern with a seventh string",
         [](ordered_json& d) { d["progressions"][0]["patterns"][0]["chord"]["pickPattern"] = "1237"; },
         "progressions[0].patterns[0].chord.pickPattern: '1237' is not a pick pattern"},
        {"root past the special values",
         [](ordered_json& d) { d["progressions"][0]["patterns"][1]["chord"]["root"] = 20; },
         "progressions[0].patterns[1].chord.root: 20 is out of range (-1 to 19)"},
    };
    const fs::path out = files.dir / "out.dat";
    const Bytes before = {9, 9, 9};
    for (const Case& c : cases) {
        ordered_json document = good;
        c.edit(document);
        const fs::path json = files.dir / "edited.json";
        WriteText(json, document.dump());
        WriteBytes(out, before);
        cli_test::Result run =
            cli_test::RunCli({"write", "progressions", json.string(), out.string()});
        EXPECT_EQ(run.status, 2) << c.what;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.what << ": " << run.err;
        EXPECT_EQ(ReadBytes(out), before) << c.what;
        fs::remove(out);
        run = cli_test::RunCli({"write", "progressions", json.string(), out.string()});
        EXPECT_FALSE(fs::exists(out)) << c.what;
    }
    WriteText(files.dir / "broken.json", "{\"kind\": ");
    const cli_test::Result broken = cli_test::RunCli(
        {"write", "progressions", (files.dir / "broken.json").string(), out.string()});
    EXPECT_EQ(broken.status, 2);
    EXPECT_NE(broken.err.find("is not JSON"), std::string::npos) << broken.err;
    // An empty standard input is no document either.
    const cli_test::Result empty = cli_test::RunCli({"write", "favorites", "-", out.string()});
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("standard input is not JSON"), std::string::npos) << empty.err;
    EXPECT_FALSE(fs::exists(out));
    // Notes are read as the program writes them, MUTED in any letter case.
    ordered_json muted = good;
    muted["progressions"][0]["patterns"][0]["chord"]["strings"][0] = "mUtEd";
    WriteText(files.dir / "muted.json", muted.dump());
    const cli_test::Result run = cli_test::RunCli(
        {"write", "progressions", (files.dir / "muted.json").string(), out.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(out), ReadBytes(files.progs));
}

TEST(CliFileCommands, EveryBadArchiveIsStatus2WithItsProblemAndOffset) {
    const std::vector<BadArchiveCase> cases = ReadBadArchiveCases();
    ASSERT_FALSE(cases.empty());
    for (const BadArchiveCase& c : cases) {
        const std::string path = BadArchiveFolder() + "/" + c.file;
        const cli_test::Result run = cli_test::RunCli({"dump", path, "--kind", c.kind});
        if (c.repaired) {
            // What is stored is shown as it is; the field out of range is named beside it.
            EXPECT_EQ(run.status, 0) << c.file << ": " << run.err;
            EXPECT_EQ(run.err, "fretquill-cli: warning: " + path + ": " + c.message +
                                   " is outside the range the program uses\n")
                << c.file;
            const std::string stored = c.message.substr(c.message.find(' ') + 1);
            EXPECT_NE(run.out.find(": " + stored.substr(0, stored.find(' '))), std::string::npos)
                << c.file;
            continue;
        }
        EXPECT_EQ(run.status, 2) << c.file;
        EXPECT_EQ(run.out, "") << c.file;
        EXPECT_NE(run.err.find(c.message + " at byte " + std::to_string(c.offset)),
                  std::string::npos)
            << c.file << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST(CliFileCommands, WriteLeavesAReadOnlyFileAlone) {
    SampleFiles files;
    const fs::path json = files.dir / "progs.json";
    WriteText(json, cli_test::RunCli({"dump", files.progs.string()}).out);
    const fs::path out = files.dir / "out.dat";
    const Bytes before = {9, 9, 9};
    WriteBytes(out, before);
    fs::permissions(out, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const cli_test::Result run =
        cli_test::RunCli({"write", "progressions", json.string(), out.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "fretquill-cli: cannot write " + out.string() +
                           ": it is read-only; make it writable first to replace it\n");
    EXPECT_EQ(ReadBytes(out), before);
    fs::permissions(out, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(cli_test::RunCli({"write", "progressions", json.string(), out.string()}).status, 0);
    EXPECT_EQ(ReadBytes(out), ReadBytes(files.progs));
}

// Under a file-size limit the write fails like a full disk: one line, status 1, the old file
// whole and no temporary file beside it (instead of a silent death by SIGXFSZ).
TEST(CliFileCommands, WriteBeyondTheFileSizeLimitSaysSoAndLeavesTheOldFile) {
    TempDir dir;
    CProgressionList progressions;
    progressions.CreateProgression(0, "big")->description = std::string(40000, 'd');
    const fs::path big = dir / "big.dat";
    ASSERT_TRUE(SaveObjectFile(big, progressions));
    const fs::path json = dir / "big.json";
    WriteText(json, cli_test::RunCli({"dump", big.string(), "--kind", "progressions"}).out);
    const fs::path out = dir / "out.dat";
    const Bytes before = {9, 9, 9};
    WriteBytes(out, before);
    const fs::path err = dir / "stderr.txt";

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{32768, 32768};
        setrlimit(RLIMIT_FSIZE, &limit);
        const int fd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, 2);
        execl(FRETQUILL_CLI_PATH, "fretquill-cli", "write", "progressions", json.c_str(),
              out.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const Bytes said = ReadBytes(err);
    const std::string text(said.begin(), said.end());
    EXPECT_EQ(text.rfind("fretquill-cli: Could not save " + out.string() + ": " +
                             std::strerror(EFBIG) + "\n",
                         0),
              0u)
        << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_EQ(ReadBytes(out), before);
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos)
            << entry.path();
    }
}

}  // namespace
