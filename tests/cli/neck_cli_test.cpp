// The chord and scale commands: fingerings and scale placement as JSON, and the inputs they
// refuse.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"

namespace {

using namespace cli_test;

TEST(CliChord, ListsGeneratedFingeringsWithTheirScores) {
    ExpectJson({
        {{"chord", "C", "maj", "--source", "dynamic", "--variation", "1"},
         R"j({"tuning": "E3,A3,D4,G4,B4,E5", "root": "C", "type": 0, "span": 4,
             "source": "dynamic", "found": 50,
             "variations": [{"variation": 1, "frets": [-1,3,2,0,1,0],
                             "notes": ["Muted","C4","E4","G4","C5","E5"],
                             "scores": [201,24,36,20,50,26,45]}]})j"},
    });
}

TEST(CliChord, CountLimitsTheListAndLeftHandedMirrors) {
    const json right = RunJson({"chord", "A", "m7", "--tuning", "13", "--count", "3"});
    const json left = RunJson({"chord", "A", "m7", "--tuning", "13", "--count", "3", "--left"});
    ASSERT_EQ(right["variations"].size(), 3U);
    ASSERT_EQ(left["variations"].size(), 3U);
    EXPECT_EQ(right["tuning"], "D3,A3,D4,G4,B4,E5");
    EXPECT_EQ(left["tuning"], "E5,B4,G4,D4,A3,D3");
    EXPECT_EQ(left["found"], right["found"]);
    for (size_t i = 0; i < 3; ++i) {
        json mirrored = right["variations"][i]["frets"];
        std::reverse(mirrored.begin(), mirrored.end());
        EXPECT_EQ(left["variations"][i]["frets"], mirrored) << i;
        EXPECT_EQ(left["variations"][i]["scores"], right["variations"][i]["scores"]) << i;
    }
}

TEST(CliChord, RefusesWhatItCannotAnswer) {
    const std::vector<std::vector<std::string>> cases = {
        {"chord", "C4", "maj"},
        {"chord", "C", "maj8"},
        {"chord", "C", "maj", "--count", "0"},
        {"chord", "C", "maj", "--count", "2", "--variation", "1"},
        {"chord", "C", "maj", "--span", "7"},
        {"chord", "C", "maj", "--span", "2"},
        {"chord", "C", "maj", "--source", "guess"},
        {"chord", "C", "maj", "--tuning", "D3,A3,X4,G4,B4,E5"},
        {"chord", "C", "maj", "--source", "dynamic", "--variation", "51"},
    };
    for (const auto& args : cases) {
        const Result result = RunCli(args);
        EXPECT_EQ(result.status, 2) << args[1] << " " << args.back();
        EXPECT_EQ(result.out, "") << args.back();
        EXPECT_NE(result.err, "") << args.back();
    }
    const Result missing =
        RunCli({"chord", "C", "maj", "--source", "dynamic", "--variation", "51"});
    EXPECT_EQ(missing.err.substr(0, missing.err.find('\n')),
              "fretquill-cli: C Major has 50 fingerings within a span of 4 frets");
}

TEST(CliChord, TextFormDrawsChordBoxes) {
    const Result result = RunCli({"chord", "C", "maj", "--source", "dynamic", "--count", "1"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("x     o   o\n===========\n| | | | * |\n| | * | | |\n| * | | | |\n"),
              std::string::npos)
        << result.out;
}

constexpr const char* kWorkedExample = R"j({
  "root": "D4", "type": 1, "mode": false, "name": "Major Diatonic",
  "notes": ["D4","E4","Gb4","G4","A4","B4","Db5"],
  "placed": [
    {"string": 2, "fret": 5, "note": "D4", "overlay": true},
    {"string": 2, "fret": 7, "note": "E4", "overlay": false},
    {"string": 2, "fret": 9, "note": "Gb4", "overlay": false},
    {"string": 3, "fret": 5, "note": "G4", "overlay": false},
    {"string": 3, "fret": 7, "note": "A4", "overlay": false},
    {"string": 3, "fret": 9, "note": "B4", "overlay": false},
    {"string": 4, "fret": 6, "note": "Db5", "overlay": false},
    {"string": 4, "fret": 7, "note": "D5", "overlay": true},
    {"string": 4, "fret": 9, "note": "E5", "overlay": false},
    {"string": 5, "fret": 7, "note": "Gb5", "overlay": false},
    {"string": 5, "fret": 8, "note": "G5", "overlay": false},
    {"string": 6, "fret": 5, "note": "A5", "overlay": false},
    {"string": 6, "fret": 7, "note": "B5", "overlay": false},
    {"string": 6, "fret": 9, "note": "Db6", "overlay": false},
    {"string": 1, "fret": 9, "note": "Db4", "overlay": false},
    {"string": 1, "fret": 7, "note": "B3", "overlay": false},
    {"string": 1, "fret": 5, "note": "A3", "overlay": false}],
  "minFret": 5, "maxFret": 9})j";

TEST(CliScale, PlacesTheScaleFromEachKindOfRoot) {
    ExpectJson({
        {{"scale", "D4", "1", "--start", "2,5"}, kWorkedExample},
        {{"scale", "-", "1", "--start", "2,5"}, kWorkedExample},
        {{"scale", "D", "major diatonic", "--octave", "4", "--start", "2,5"}, kWorkedExample},
    });
    // A root alone is its lowest occurrence on string 1.
    const json onFirst = RunJson({"scale", "D", "1"});
    EXPECT_EQ(onFirst["root"], "D4");
    EXPECT_EQ(onFirst["placed"][0], json::parse(R"j({"string": 1, "fret": 10, "note": "D4",
                                                      "overlay": true})j"));
    const json mode = RunJson({"scale", "E", "dorian", "--mode", "--no-overlay"});
    EXPECT_EQ(mode["name"], "Dorian");
    EXPECT_EQ(mode["mode"], true);
    for (const json& p : mode["placed"]) {
        EXPECT_EQ(p["overlay"], false);
    }
}

TEST(CliScale, WholeFretboardListsEveryFretMarked) {
    const json whole = RunJson({"scale", "G", "1", "--whole"});
    EXPECT_EQ(whole["minFret"], 0);
    EXPECT_EQ(whole["maxFret"], 0);
    // 7 notes x 6 strings, each at its lowest fret and 12 above; those on an open string
    // also at 24.
    int at24 = 0;
    for (const json& p : whole["placed"]) {
        at24 += p["fret"] == 24 ? 1 : 0;
    }
    EXPECT_EQ(whole["placed"].size(), 7U * 6U * 2U + static_cast<size_t>(at24));
    EXPECT_EQ(whole["placed"][0],
              json::parse(R"j({"string": 1, "fret": 3, "note": "G3", "overlay": true})j"));
}

TEST(CliScale, RefusesPositionsAndRootsThePlotNeverGets) {
    const std::vector<std::vector<std::string>> cases = {
        {"scale", "D", "1", "--start", "7,0"},
        {"scale", "D", "1", "--start", "1,25"},
        {"scale", "D", "1", "--start", "two,five"},
        {"scale", "D2", "1"},
        {"scale", "D4", "1", "--octave", "4"},
        {"scale", "-", "1", "--octave", "3"},
        {"scale", "C", "2"},
        {"scale", "C", "Natural Minor"},
        {"scale", "C", "1", "--span", "3"},
        {"scale", "C", "phrygian"},
        {"scale", "MUTED", "1"},
    };
    for (const auto& args : cases) {
        const Result result = RunCli(args);
        EXPECT_EQ(result.status, 2) << args[1] << " " << args.back();
        EXPECT_EQ(result.out, "") << args.back();
    }
}

}  // namespace
