// The chord command's static source: the chord database of the application directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "guitar/chord_database.h"
#include "tests/cli/cli_runner.h"

namespace {

using namespace cli_test;
// The tool's run, not util's Result.
using cli_test::Result;
namespace fs = std::filesystem;

const fs::path kFixture = fs::path(FRETQUILL_TEST_DATA_DIR) / "chords_fixture.xml";

void PlaceFixture(const TempDir& dir) {
    fs::copy_file(kFixture, dir / "chords.xml", fs::copy_options::overwrite_existing);
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The fixture is a small part of the full database, so each load warns that it lacks the
// rest, and a chord it lacks is listed generated, with a warning; nothing else is said.
bool OnlyFixtureWarnings(const std::string& err) {
    std::size_t start = 0;
    while (start < err.size()) {
        const std::size_t end = err.find('\n', start);
        const std::string line = err.substr(start, end - start);
        if (line.rfind("fretquill-cli: warning: The chord database ", 0) != 0 &&
            line.rfind("fretquill-cli: warning: the chord database has no ", 0) != 0) {
            return false;
        }
        start = end == std::string::npos ? err.size() : end + 1;
    }
    return true;
}

json JsonIn(const TempDir& dir, const std::vector<std::string>& args) {
    const Result result = RunCliIn(dir, args);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(OnlyFixtureWarnings(result.err)) << result.err;
    return json::parse(result.out, nullptr, false);
}

TEST(CliStaticChord, ListsTheStoredVariations) {
    TempDir dir;
    PlaceFixture(dir);
    const json expected = json::parse(R"j(
        {"tuning": "E3,A3,D4,G4,B4,E5", "root": "C", "type": 0, "span": null,
         "source": "static", "found": 2,
         "variations": [{"variation": 1, "frets": [-1,3,2,0,1,0],
                         "notes": ["Muted","C4","E4","G4","C5","E5"]},
                        {"variation": 2, "frets": [-1,3,5,5,5,3],
                         "notes": ["Muted","C4","G4","C5","E5","G5"]}]})j");
    EXPECT_EQ(JsonIn(dir, {"chord", "C", "MAJOR", "--source", "static", "--json"}), expected);
    // The default in standard tuning when the database is there.
    EXPECT_EQ(JsonIn(dir, {"chord", "C", "maj", "--json"}), expected);
    // Nothing is written beside the database.
    EXPECT_FALSE(fs::exists(dir / "chords.dat"));

    const json sharp = JsonIn(dir, {"chord", "Gb", "MAJOR", "--variation", "1", "--json"});
    EXPECT_EQ(sharp["root"], "Gb");
    EXPECT_EQ(sharp["variations"][0]["frets"], json::parse("[2,4,4,3,2,2]"));

    const json left = JsonIn(dir, {"chord", "C", "maj", "--left", "--count", "1", "--json"});
    EXPECT_EQ(left["tuning"], "E5,B4,G4,D4,A3,E3");
    EXPECT_EQ(left["source"], "static");
    EXPECT_EQ(left["variations"][0]["frets"], json::parse("[0,1,0,2,3,-1]"));

    // A chord the database lacks: its generated fingerings, said so.
    const json none = JsonIn(dir, {"chord", "D", "MAJOR", "--json"});
    EXPECT_EQ(none["source"], "dynamic");
    EXPECT_EQ(none["found"], 50);
    EXPECT_EQ(none["span"], 4);

    const Result text = RunCliIn(dir, {"chord", "C", "m7"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("in the chord database"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("x,3,1,3,4,x"), std::string::npos) << text.out;
}

TEST(CliStaticChord, WithoutTheDatabaseTheDefaultIsDynamic) {
    TempDir dir;
    EXPECT_EQ(JsonIn(dir, {"chord", "C", "maj", "--count", "1", "--json"})["source"], "dynamic");
    PlaceFixture(dir);
    EXPECT_EQ(
        JsonIn(dir, {"chord", "C", "maj", "--tuning", "13", "--count", "1", "--json"})["source"],
        "dynamic");
}

TEST(CliStaticChord, FailuresSayWhy) {
    struct Case {
        const char* what;
        std::string source;  // chords.xml, "" for none
        bool cache;
        std::vector<std::string> args;
        int status;
        std::string err;  // part of standard error
    };
    const std::string broken = "<chords><basenote note=\"C\">";
    const std::vector<Case> cases = {
        {"no database", "", false, {"chord", "C", "maj", "--source", "static"}, 1, "do not exist"},
        {"broken source, no cache: input that cannot be understood",
         broken,
         false,
         {"chord", "C", "maj", "--source", "static"},
         2,
         "Element tag not found"},
        {"broken source quoting control bytes: escaped",
         ReadBytes(fs::path(FRETQUILL_TEST_DATA_DIR) / "bad_xml" / "control_bytes_in_name.xml"),
         false,
         {"chord", "C", "maj", "--source", "static"},
         2,
         "End tag does not correspond to a\\x00\\x01\\x02"},
        {"broken source, cache used",
         broken,
         true,
         {"chord", "C", "maj", "--json"},
         0,
         "warning: Could not read"},
        {"another tuning",
         "fixture",
         false,
         {"chord", "C", "maj", "--source", "static", "--tuning", "DADGBE"},
         2,
         "standard tuning"},
        {"a variation not stored",
         "fixture",
         false,
         {"chord", "C", "maj", "--source", "static", "--variation", "3"},
         2,
         "C Major has 2 fingerings in the chord database"},
        {"a span",
         "fixture",
         false,
         {"chord", "C", "maj", "--source", "static", "--span", "5"},
         2,
         "--span"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.source == "fixture") {
            PlaceFixture(dir);
        } else if (!c.source.empty()) {
            WriteText(dir / "chords.xml", c.source);
        }
        if (c.cache) {
            CChordList list;
            auto chord = std::make_unique<CChord>();
            chord->root = kNoteC;
            chord->chordType = 0;
            chord->variation = 1;
            list.Add(std::move(chord));
            ASSERT_TRUE(SaveChordCache((dir / "chords.dat").string(), list));
        }
        const Result result = RunCliIn(dir, c.args);
        EXPECT_EQ(result.status, c.status) << c.what << ": " << result.err;
        for (const char ch : result.err) {
            EXPECT_TRUE(ch == '\n' || static_cast<unsigned char>(ch) >= 0x20) << c.what;
        }
        EXPECT_NE(result.err.find(c.err), std::string::npos) << c.what << ": " << result.err;
        if (c.status != 0) {
            EXPECT_EQ(result.out, "") << c.what;
        } else {
            const json listed = json::parse(result.out, nullptr, false);
            EXPECT_EQ(listed["found"], 1) << c.what;
            EXPECT_EQ(listed["source"], "static") << c.what;
        }
    }
}

}  // namespace

namespace {

TEST(CliStaticChord, TheShippedDatabaseGivesSixChartFingerings) {
    TempDir dir;
    fs::copy_file(fs::path(FRETQUILL_SOURCE_DIR) / "data" / "chords.xml", dir / "chords.xml");
    const json listed = JsonIn(dir, {"chord", "C", "MAJOR", "--source", "static", "--json"});
    EXPECT_EQ(listed["found"], 6);
    ASSERT_EQ(listed["variations"].size(), 6U);
    EXPECT_EQ(listed["variations"][0]["frets"], json::parse("[-1,3,2,0,1,0]"));
    EXPECT_FALSE(listed["variations"][0].contains("scores"));
    EXPECT_EQ(listed["span"], nullptr);
}

TEST(CliStaticChord, ADatabaseLackingAChordTypeSaysSoAndShowsItGenerated) {
    TempDir dir;
    std::string xml = ReadBytes(fs::path(FRETQUILL_SOURCE_DIR) / "data" / "chords.xml");
    const std::size_t at = xml.find("<type name=\"MAJOR\">");
    ASSERT_NE(at, std::string::npos);
    xml.replace(at, 18, "<type name=\"MAJ0R\">");
    WriteText(dir / "chords.xml", xml);
    const Result result = RunCliIn(dir, {"chord", "Ab", "MAJOR", "--source", "static", "--json"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("lacks 6 of its 2,592 chords (Ab Major 1, Ab Major 2"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("the chord database has no Ab Major; these are its generated"),
              std::string::npos)
        << result.err;
    const json listed = json::parse(result.out, nullptr, false);
    EXPECT_EQ(listed["source"], "dynamic");
    EXPECT_GT(listed["found"], 0);
    EXPECT_EQ(listed["variations"].size(), listed["found"]);
}

}  // namespace
