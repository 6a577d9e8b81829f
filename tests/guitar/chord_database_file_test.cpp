// The chord database the program ships: every chord of data/chords.xml is checked against
// the chart rules, the layout the loader expects, and the chords every player knows.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "guitar/chord_chart_rules.h"
#include "music/chord_type.h"
#include "music/note.h"

namespace {

struct FileChord {
    std::vector<std::string> notes;
};

struct FileType {
    std::string name;
    std::vector<FileChord> chords;
};

struct FileRoot {
    std::string note;
    std::vector<FileType> types;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Attribute(const std::string& tag, const std::string& name) {
    const std::string key = name + "=\"";
    const size_t at = tag.find(key);
    if (at == std::string::npos) {
        return "";
    }
    const size_t end = tag.find('"', at + key.size());
    return tag.substr(at + key.size(), end - at - key.size());
}

// Just enough of a reader for this file's own layout: elements, attributes in double
// quotes, comments and the declaration. Anything else is an error.
bool ParseDatabase(const std::string& text, std::vector<FileRoot>& roots, std::string& error) {
    size_t at = 0;
    while ((at = text.find('<', at)) != std::string::npos) {
        if (text.compare(at, 4, "<!--") == 0) {
            at = text.find("-->", at);
            if (at == std::string::npos) {
                error = "comment never ends";
                return false;
            }
            continue;
        }
        const size_t end = text.find('>', at);
        if (end == std::string::npos) {
            error = "tag never ends";
            return false;
        }
        const std::string tag = text.substr(at + 1, end - at - 1);
        at = end + 1;
        const std::string name = tag.substr(0, tag.find_first_of(" />"));
        if (tag[0] == '?' || tag[0] == '/' || name == "chords") {
            continue;
        }
        if (name == "basenote") {
            roots.push_back({Attribute(tag, "note"), {}});
        } else if (name == "type" && !roots.empty()) {
            roots.back().types.push_back({Attribute(tag, "name"), {}});
        } else if (name == "chord" && !roots.empty() && !roots.back().types.empty()) {
            roots.back().types.back().chords.emplace_back();
        } else if (name == "note" && !roots.empty() && !roots.back().types.empty() &&
                   !roots.back().types.back().chords.empty()) {
            const size_t close = text.find("</note>", at);
            if (close == std::string::npos) {
                error = "note never ends";
                return false;
            }
            roots.back().types.back().chords.back().notes.push_back(text.substr(at, close - at));
            at = close + 7;
        } else {
            error = "unexpected element <" + tag + ">";
            return false;
        }
    }
    return true;
}

const std::string kDatabase = std::string(FRETQUILL_SOURCE_DIR) + "/data/chords.xml";

class ChordDatabaseFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        roots_ = new std::vector<FileRoot>();
        std::string error;
        parsed_ = ParseDatabase(ReadFile(kDatabase), *roots_, error);
        parseError_ = error;
    }
    static void TearDownTestSuite() {
        delete roots_;
        roots_ = nullptr;
    }

    // The frets of a chord in standard tuning; false when a note lies on no fret of its
    // string.
    static bool Frets(const FileChord& chord, ChartFrets& frets, std::string& why) {
        const CTuning standard;
        for (int s = 1; s <= kStringCount; ++s) {
            const CNote note = CNote::Parse(chord.notes[static_cast<size_t>(s - 1)]);
            if (note.IsMuted()) {
                frets[static_cast<size_t>(s - 1)] = -1;
                continue;
            }
            const int fret = standard.FretOf(s, note);
            if (!IsSpelledNote(note.note) || fret < 0) {
                why = "string " + std::to_string(s) + " cannot sound " +
                      chord.notes[static_cast<size_t>(s - 1)];
                return false;
            }
            frets[static_cast<size_t>(s - 1)] = fret;
        }
        return true;
    }

    static std::vector<FileRoot>* roots_;
    static bool parsed_;
    static std::string parseError_;
};

std::vector<FileRoot>* ChordDatabaseFileTest::roots_ = nullptr;
bool ChordDatabaseFileTest::parsed_ = false;
std::string ChordDatabaseFileTest::parseError_;

const char* const kRootTexts[] = {"Ab", "A", "Bb", "B", "C", "Db", "D", "Eb", "E", "F", "F#", "G"};

TEST_F(ChordDatabaseFileTest, HoldsSixChordsOfEveryTypeOnEveryRootInOrder) {
    ASSERT_TRUE(parsed_) << parseError_;
    ASSERT_EQ(roots_->size(), 12u);
    for (size_t r = 0; r < roots_->size(); ++r) {
        const FileRoot& root = (*roots_)[r];
        EXPECT_EQ(root.note, kRootTexts[r]);
        EXPECT_TRUE(IsSpelledNote(CNote::Parse(root.note).note)) << root.note;
        ASSERT_EQ(root.types.size(), static_cast<size_t>(kChordTypeCount)) << root.note;
        for (int t = 0; t < kChordTypeCount; ++t) {
            const FileType& type = root.types[static_cast<size_t>(t)];
            EXPECT_EQ(ChordTypeFromName(type.name), t) << root.note << " " << type.name;
            ASSERT_EQ(type.chords.size(), 6u) << root.note << " " << type.name;
            for (const FileChord& chord : type.chords) {
                EXPECT_EQ(chord.notes.size(), static_cast<size_t>(kStringCount))
                    << root.note << " " << type.name;
            }
        }
    }
}

TEST_F(ChordDatabaseFileTest, EveryChordKeepsTheChartRules) {
    ASSERT_TRUE(parsed_) << parseError_;
    const CTuning standard;
    int checked = 0;
    for (const FileRoot& root : *roots_) {
        const NoteValue rootNote = CNote::Parse(root.note).note;
        for (const FileType& type : root.types) {
            const int number = ChordTypeFromName(type.name);
            const NoteValue bassTone = ChordTones(rootNote, number).front();
            std::set<ChartFrets> seen;
            std::map<int, int> atPosition;
            int previous = 0;
            int first = 0;
            for (size_t v = 0; v < type.chords.size(); ++v) {
                const std::string what =
                    root.note + " " + type.name + " variation " + std::to_string(v + 1);
                ChartFrets frets{};
                std::string why;
                if (type.chords[v].notes.size() != static_cast<size_t>(kStringCount) ||
                    !Frets(type.chords[v], frets, why)) {
                    ADD_FAILURE() << what << ": " << why;
                    continue;
                }
                EXPECT_EQ(ChartShapeFault(standard, frets, rootNote, number), "")
                    << what << " (" << ChartFretsText(frets) << ")";
                const int bass = ChartBassString(frets);
                ASSERT_GE(bass, 0) << what;
                EXPECT_EQ(
                    PitchClass(standard.NoteAt(bass + 1, frets[static_cast<size_t>(bass)]).note),
                    PitchClass(bassTone))
                    << what << " (" << ChartFretsText(frets) << ") has another bass";
                EXPECT_TRUE(seen.insert(frets).second) << what << " repeats a shape";
                const int position = ChartPosition(frets);
                if (v == 0) {
                    first = position;
                } else {
                    EXPECT_GE(position, previous) << what << " lies below the one before";
                }
                previous = position;
                ++atPosition[position];
                ++checked;
            }
            // Spread over the neck: no crowd at one fret, and the six reach up it.
            EXPECT_GE(previous - first, 5) << root.note << " " << type.name;
            for (const auto& [position, count] : atPosition) {
                EXPECT_LE(count, 3) << root.note << " " << type.name << " at fret " << position;
            }
        }
    }
    EXPECT_EQ(checked, 12 * kChordTypeCount * 6);
}

TEST_F(ChordDatabaseFileTest, FirstVariationIsTheChordChartShape) {
    ASSERT_TRUE(parsed_) << parseError_;
    struct Known {
        const char* root;
        const char* type;
        ChartFrets frets;
    };
    const std::vector<Known> known = {
        // Open chords.
        {"C", "MAJOR", {-1, 3, 2, 0, 1, 0}},
        {"A", "MAJOR", {-1, 0, 2, 2, 2, 0}},
        {"G", "MAJOR", {3, 2, 0, 0, 0, 3}},
        {"E", "MAJOR", {0, 2, 2, 1, 0, 0}},
        {"D", "MAJOR", {-1, -1, 0, 2, 3, 2}},
        {"A", "MINOR", {-1, 0, 2, 2, 1, 0}},
        {"E", "MINOR", {0, 2, 2, 0, 0, 0}},
        {"D", "MINOR", {-1, -1, 0, 2, 3, 1}},
        {"E", "SEVENTH", {0, 2, 0, 1, 0, 0}},
        {"A", "SEVENTH", {-1, 0, 2, 0, 2, 0}},
        {"C", "MAJOR_SEVENTH", {-1, 3, 2, 0, 0, 0}},
        {"C", "SEVENTH", {-1, 3, 2, 3, 1, 0}},
        {"C", "MAJOR_SIXTH", {-1, 3, 2, 2, 1, 0}},
        {"G", "SEVENTH", {3, 2, 0, 0, 0, 1}},
        {"D", "SEVENTH", {-1, -1, 0, 2, 1, 2}},
        {"B", "SEVENTH", {-1, 2, 1, 2, 0, 2}},
        {"A", "MINOR_SEVENTH", {-1, 0, 2, 0, 1, 0}},
        {"D", "MINOR_SEVENTH", {-1, -1, 0, 2, 1, 1}},
        {"A", "MAJOR_SEVENTH", {-1, 0, 2, 1, 2, 0}},
        {"D", "MAJOR_SEVENTH", {-1, -1, 0, 2, 2, 2}},
        {"E", "MAJOR_SEVENTH", {0, 2, 1, 1, 0, 0}},
        {"F", "MAJOR_SEVENTH", {-1, -1, 3, 2, 1, 0}},
        {"D", "MAJOR_SUSPENDED_FOURTH", {-1, -1, 0, 2, 3, 3}},
        {"A", "MAJOR_SUSPENDED_FOURTH", {-1, 0, 2, 2, 3, 0}},
        {"E", "MAJOR_SUSPENDED_FOURTH", {0, 2, 2, 2, 0, 0}},
        {"A", "MAJOR_SIXTH", {-1, 0, 2, 2, 2, 2}},
        {"C", "MAJOR_ADD_NINTH", {-1, 3, 2, 0, 3, 0}},
        // No open chord: the barre chord.
        {"F", "MAJOR", {1, 3, 3, 2, 1, 1}},
        {"Bb", "MAJOR", {-1, 1, 3, 3, 3, 1}},
        {"B", "MAJOR", {-1, 2, 4, 4, 4, 2}},
        {"F#", "MAJOR", {2, 4, 4, 3, 2, 2}},
        {"Ab", "MAJOR", {4, 6, 6, 5, 4, 4}},
        {"Db", "MAJOR", {-1, 4, 6, 6, 6, 4}},
        {"F", "MINOR", {1, 3, 3, 1, 1, 1}},
        {"B", "MINOR", {-1, 2, 4, 4, 3, 2}},
        {"C", "MINOR", {-1, 3, 5, 5, 4, 3}},
        {"F#", "MINOR", {2, 4, 4, 2, 2, 2}},
        {"Bb", "SEVENTH", {-1, 1, 3, 1, 3, 1}},
        {"F", "SEVENTH", {1, 3, 1, 2, 1, 1}},
    };
    std::map<std::string, const FileType*> types;
    for (const FileRoot& root : *roots_) {
        for (const FileType& type : root.types) {
            types[root.note + " " + type.name] = &type;
        }
    }
    for (const Known& k : known) {
        const std::string key = std::string(k.root) + " " + k.type;
        ASSERT_TRUE(types.count(key)) << key;
        ChartFrets frets{};
        std::string why;
        ASSERT_TRUE(Frets(types[key]->chords.front(), frets, why)) << key << ": " << why;
        EXPECT_EQ(ChartFretsText(frets), ChartFretsText(k.frets)) << key;
    }
}

// The build places the database beside the program, as the program finds it.
TEST_F(ChordDatabaseFileTest, BuildPlacesTheDatabaseBesideTheProgram) {
    const std::string placed = ReadFile(std::string(FRETQUILL_BINARY_DIR) + "/chords.xml");
    EXPECT_FALSE(placed.empty());
    EXPECT_EQ(placed, ReadFile(kDatabase));
}

}  // namespace
