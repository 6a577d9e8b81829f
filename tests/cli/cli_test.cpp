#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"

namespace {

using namespace cli_test;

TEST(CliNote, ParsesEachTextAsTheProgramDoes) {
    ExpectJson({
        {{"note", "E3", "C#4", "Bb"},
         R"j([{"text": "E3", "note": 6, "octave": 3, "name": "E3"},
             {"text": "C#4", "note": 1, "octave": 4, "name": "C#4"},
             {"text": "Bb", "note": 15, "octave": 1, "name": "Bb1"}])j"},
        {{"note", "muted", "MUTED", "B#3", "Cb4"},
         R"j([{"text": "muted", "note": -1, "octave": 0, "name": "Muted"},
             {"text": "MUTED", "note": -1, "octave": 0, "name": "Muted"},
             {"text": "B#3", "note": 0, "octave": 3, "name": "C3"},
             {"text": "Cb4", "note": 16, "octave": 4, "name": "B4"}])j"},
    });
}

TEST(CliTones, GivesTheToneFormulaOnTheRoot) {
    ExpectJson({
        {{"tones", "A", "dim"},
         R"j({"root": "A", "type": 7, "name": "Diminished", "symbol": "dim",
             "tones": ["A", "C", "Gb", "Eb"]})j"},
        // A symbol wins over a type number: 7 is the seventh chord, #7 the diminished one.
        {{"tones", "C", "7"},
         R"j({"root": "C", "type": 12, "name": "Seventh", "symbol": "7",
             "tones": ["C", "E", "G", "A#"]})j"},
        {{"tones", "C", "#7"},
         R"j({"root": "C", "type": 7, "name": "Diminished", "symbol": "dim",
             "tones": ["C", "D#", "A", "Gb"]})j"},
        {{"tones", "E#", "minor_seventh"},
         R"j({"root": "F", "type": 14, "name": "Minor Seventh", "symbol": "m7",
             "tones": ["F", "G#", "C", "D#"]})j"},
        {{"tones", "Bb", "major seventh"},
         R"j({"root": "Bb", "type": 18, "name": "Major Seventh", "symbol": "maj7",
             "tones": ["Bb", "D", "F", "A"]})j"},
        {{"tones", "C", "13(b9/b5)"},
         R"j({"root": "C", "type": 35, "name": "Thirteenth Flat Ninth Flat Fifth",
             "symbol": "13(b9/b5)", "tones": ["Gb", "C#", "E", "A", "A#"]})j"},
        // Aliases and a lower-case root.
        {{"tones", "bb", "m7b5"},
         R"j({"root": "Bb", "type": 15, "name": "Minor Seventh Flat Fifth", "symbol": "m7(b5)",
             "tones": ["Bb", "E", "C#", "G#"]})j"},
        {{"tones", "f#", "M7"},
         R"j({"root": "F#", "type": 18, "name": "Major Seventh", "symbol": "maj7",
             "tones": ["F#", "A#", "C#", "F"]})j"},
        {{"tones", "D", "5"},
         R"j({"root": "D", "type": 4, "name": "Fifth", "symbol": "5", "tones": ["D", "A"]})j"},
    });
}

TEST(CliName, NamesNotesAndFrets) {
    ExpectJson({
        {{"name", "C", "E", "G"}, R"j({"notes": ["C", "E", "G"], "name": "C"})j"},
        {{"name", "E3", "G#3", "B", "muted"},
         R"j({"notes": ["E3", "G#3", "B", "Muted"], "name": "E"})j"},
        {{"name", "C", "C#", "D", "D#", "E", "F"},
         R"j({"notes": ["C", "C#", "D", "D#", "E", "F"], "name": ""})j"},
        {{"name", "--frets", "x,3,2,0,1,0"},
         R"j({"notes": ["Muted", "C4", "E4", "G4", "C5", "E5"], "name": "C"})j"},
        {{"name", "--frets", "-1,-1,0,2,3,2"},
         R"j({"notes": ["Muted", "Muted", "D4", "A4", "D5", "F#5"], "name": "D"})j"},
        {{"name", "--frets", "0,0,0,0,0,0", "--tuning", "DADGAD"},
         R"j({"notes": ["D3", "A3", "D4", "G4", "A4", "D5"], "name": "Dsus4"})j"},
        // Open G rings G major over its fifth in the bass.
        {{"name", "--frets", "0,0,0,0,0,0", "--tuning", "8"},
         R"j({"notes": ["D3", "G3", "D4", "G4", "B4", "D5"], "name": "G"})j"},
        // Typed notes take the first as the bass.
        {{"name", "A", "C", "E", "G"}, R"j({"notes": ["A", "C", "E", "G"], "name": "Am7"})j"},
        {{"name", "C", "E", "G", "A"}, R"j({"notes": ["C", "E", "G", "A"], "name": "C6"})j"},
        // Left-handed: string 1 is the high string.
        {{"name", "--frets", "0,1,0,2,3,x", "--left"},
         R"j({"notes": ["E5", "C5", "G4", "E4", "C4", "Muted"], "name": "C"})j"},
        {{"name", "--frets", "0,0,0,0,0,0", "--tuning", "C3,G3,C4,G4,C5,E5"},
         R"j({"notes": ["C3", "G3", "C4", "G4", "C5", "E5"], "name": "C"})j"},
        {{"name", "--frets", "x,x,x,x,x,x"},
         R"j({"notes": ["Muted", "Muted", "Muted", "Muted", "Muted", "Muted"], "name": ""})j"},
    });
}

TEST(CliTunings, ListsThePredefinedTuningsRightHanded) {
    const json tunings = RunJson({"tunings"});
    ASSERT_TRUE(tunings.is_array());
    ASSERT_EQ(tunings.size(), 27u);
    for (size_t n = 0; n < tunings.size(); ++n) {
        EXPECT_EQ(tunings[n]["number"], n);
        EXPECT_EQ(tunings[n].size(), 4u);
        EXPECT_EQ(tunings[n]["strings"].size(), 6u);
    }
    EXPECT_EQ(tunings[0], json::parse(R"j({"number": 0, "code": "EADGBE", "name": "Standard E",
        "strings": ["E3", "A3", "D4", "G4", "B4", "E5"]})j"));
    EXPECT_EQ(tunings[3]["strings"], json::parse(R"j(["Eb3","Ab3","Db4","Gb4","Bb4","Eb5"])j"));
    EXPECT_EQ(tunings[11]["strings"], json::parse(R"j(["B2","E3","A3","D4","F#4","B4"])j"));
    EXPECT_EQ(tunings[13], json::parse(R"j({"number": 13, "code": "DADGBE", "name": "Drop D",
        "strings": ["D3", "A3", "D4", "G4", "B4", "E5"]})j"));
    EXPECT_EQ(tunings[26]["code"], "CGEGCE");
}

TEST(CliErrors, BadInputIsStatusTwoWithOneLineAndNoOutput) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"tones", "C", "maj8"},
         "fretquill-cli: unknown chord type 'maj8'; try a symbol like m7, a type name like "
         "MINOR_SEVENTH, a full name like \"Minor Seventh\" or #N for type number N\n"},
        {{"tones", "C", "14"}, "unknown chord type '14'"},
        {{"tones", "C", "#36"}, "unknown chord type '#36'"},
        {{"tones", "H", "m"}, "unknown root 'H'"},
        {{"tones", "C4", "m"}, "root 'C4' has an octave"},
        {{"tones", "MUTED", "m"}, "a root cannot be muted"},
        {{"tones", "C"}, "TYPE"},
        {{"name", "C", "H3"}, "unknown note 'H3'"},
        {{"note", "E3", "H3"}, "unknown note 'H3'"},
        {{"note", "e3"}, "unknown note 'e3'"},
        {{"note", "C#10"}, "unknown note 'C#10'"},
        {{"name", "C", "E3x"}, "unknown note 'E3x'"},
        {{"name"}, "give at least one note, or --frets"},
        {{"name", "C", "--frets", "0,0,0,0,0,0"}, "not both"},
        {{"name", "C", "--left"}, "apply to --frets only"},
        {{"name", "--frets", "x,3,2,0,1,25"}, "fret 25 is off the neck"},
        {{"name", "--frets", "x,3,2,0,1,-2"}, "fret '-2' is not a fret"},
        {{"name", "--frets", "x,3,2,0,1"}, "has 5 parts"},
        {{"name", "--frets", "0,0,0,0,0,0", "--tuning", "D3,A3,D4,G4,B4,H5"},
         "tuning part 'H5' is not a note"},
        {{"name", "--frets", "0,0,0,0,0,0", "--tuning", "D3,A3,D4,G4,B4,E"},
         "tuning part 'E' needs a note with its octave"},
        {{"name", "--frets", "0,0,0,0,0,0", "--tuning", "27"}, "unknown tuning '27'"},
        {{"name", "--frets", "0,0,0,0,0,0", "--tuning", "dadgad"}, "unknown tuning 'dadgad'"},
        {{"tunings", "--bogus"}, "--bogus"},
        {{"nosuchcommand"}, "nosuchcommand"},
    };
    for (const auto& [args, message] : cases) {
        for (bool json : {false, true}) {
            std::vector<std::string> withFlag = args;
            if (json) {
                withFlag.push_back("--json");
            }
            const Result result = RunCli(withFlag);
            EXPECT_EQ(result.status, 2) << message;
            EXPECT_EQ(result.out, "") << message;
            EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        }
    }
}

TEST(CliText, TourHelpAndTablesAreForPeople) {
    const Result tour = RunCli({});
    EXPECT_EQ(tour.status, 0);
    for (const char* part : {"C Major Seventh (maj7): C E G B", "C E G A#: C7",
                             "E3 Gb3 Ab3 A3 B3 Db4 Eb4", "Drop D", "--help"}) {
        EXPECT_NE(tour.out.find(part), std::string::npos) << part;
    }
    for (const char* command : {"note", "tones", "name", "tunings"}) {
        const Result help = RunCli({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_NE(help.out.find("Usage"), std::string::npos) << command;
    }
    const Result tunings = RunCli({"tunings"});
    EXPECT_EQ(tunings.status, 0);
    EXPECT_NE(tunings.out.find("13  DADGBE        Drop D          D3 A3 D4 G4 B4 E5"),
              std::string::npos)
        << tunings.out;
    const Result name = RunCli({"name", "C", "C#", "D", "D#", "E", "F"});
    EXPECT_NE(name.out.find("no chord name"), std::string::npos);
}

}  // namespace
