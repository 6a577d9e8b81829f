#include "music/chord_identification.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// "C E G" -> up to six strings, the rest muted; the first note is the lowest.
std::array<CNote, 6> Strings(const std::string& names) {
    std::array<CNote, 6> strings;
    strings.fill(CNote::Muted());
    std::istringstream words(names);
    std::string word;
    size_t s = 0;
    while (words >> word) {
        strings.at(s) = CNote::Parse(word + (s == 0 ? "2" : "3"));
        ++s;
    }
    return strings;
}

std::vector<CNote> Notes(const std::string& names) {
    std::vector<CNote> notes;
    std::istringstream words(names);
    std::string word;
    while (words >> word) {
        notes.push_back(CNote::Parse(word + (notes.empty() ? "3" : "4")));
    }
    return notes;
}

// "G2 B2 D3": notes with their octaves, as given.
std::vector<CNote> Pitches(const std::string& names) {
    std::vector<CNote> notes;
    std::istringstream words(names);
    std::string word;
    while (words >> word) {
        notes.push_back(CNote::Parse(word));
    }
    return notes;
}

struct NamingCase {
    const char* notes;
    const char* name;
};

const std::vector<NamingCase> kNamingTable = {
    {"C E G", "C"},
    {"C D# G", "Cm"},
    {"C E G#", "Caug"},
    {"C D# F# A", "Cdim"},
    {"C F G", "Csus4"},
    {"C D G", "Csus2"},
    {"C G", "C5"},
    {"C", "C (no3no5)"},
    {"C E", "C (no5)"},
    {"C F#", "C/5- (no3)"},
    {"C E G A#", "C7"},
    {"C E G B", "C7M"},
    {"C D# G A#", "Cm7"},
    {"C D# F# A#", "Cm/5-/7"},
    {"C E G# A#", "C/5+/7"},
    {"C E G A", "C6"},
    {"C E G A D", "C6/9"},
    {"C E G A# D", "C9"},
    {"C E G A# C#", "C9-"},
    {"C E G A# D#", "C9+"},
    {"C E G B D", "C7M/9"},
    {"C D# G B", "Cm7M"},
    {"C E G D", "Cadd9"},
    {"C E G F", "Cadd11"},
    {"C E G F#", "Cadd11+"},
    {"C E G A# F#", "C7add11+"},
    {"C E A# D F", "C11 (no5)"},
    {"C E A# A", "C7add13 (no5)"},
    {"C F G A# ", "C7sus4"},
    {"C D E F G A", "C6/11"},
    {"C C# D", "Cadd9-sus2 (no5)"},
    {"A C# E", "A"},
    {"E G# B D", "E7"},
    {"", ""},
};

TEST(IdentifyChord, NamesTheWholeNamingTable) {
    for (const NamingCase& c : kNamingTable) {
        EXPECT_EQ(IdentifyChord(Strings(c.notes)), c.name) << "notes: " << c.notes;
    }
}

TEST(IdentifyChord, IgnoresStringOrderOctavesSpellingAndRepeats) {
    const std::vector<std::pair<std::array<CNote, 6>, std::string>> cases = {
        {{CNote::Muted(), CNote(kNoteC, 4), CNote(kNoteE, 4), CNote(kNoteG, 4), CNote(kNoteC, 5),
          CNote(kNoteE, 5)},
         "C"},
        {{CNote(kNoteG, 3), CNote(kNoteE, 5), CNote::Muted(), CNote(kNoteC, 2), CNote::Muted(),
          CNote(kNoteG, 6)},
         "C"},
        // Flat spellings name the root with sharps.
        {{CNote(kNoteDFlat, 3), CNote(kNoteF, 3), CNote(kNoteAFlat, 3), CNote::Muted(),
          CNote::Muted(), CNote::Muted()},
         "C#"},
        {{CNote(kNoteEFlat, 3), CNote(kNoteGFlat, 3), CNote(kNoteBFlat, 3), CNote(kNoteDFlat, 4),
          CNote::Muted(), CNote::Muted()},
         // C# explains the same notes, but only as a far less plain chord.
         "D#m7"},
        // Standard-tuning open chords.
        {{CNote(kNoteE, 3), CNote(kNoteB, 3), CNote(kNoteE, 4), CNote(kNoteGSharp, 4),
          CNote(kNoteB, 4), CNote(kNoteE, 5)},
         "E"},
        {{CNote::Muted(), CNote::Muted(), CNote(kNoteD, 4), CNote(kNoteA, 4), CNote(kNoteD, 5),
          CNote(kNoteFSharp, 5)},
         "D"},
        {{CNote(kNoteE, 3), CNote(kNoteA, 3), CNote(kNoteD, 4), CNote(kNoteG, 4), CNote(kNoteB, 4),
          CNote(kNoteE, 5)},
         // The open strings over their low E.
         "Em7add11"},
    };
    for (const auto& [strings, name] : cases) {
        EXPECT_EQ(IdentifyChord(strings), name);
    }
}

// Shapes in standard tuning, lowest string first, and chords whose root is a choice.
TEST(IdentifyChord, TheRootIsThePlainestReadingAndTheBassKeepsItsClaim) {
    const std::vector<NamingCase> cases = {
        {"G2 B2 D3 G3 B3 G4", "G"},     // 320003
        {"F2 C3 F3 A3 C4 F4", "F"},     // 133211
        {"A2 E3 A3 C4 E4", "Am"},       // x02210
        {"A2 E3 A3 C#4 E4", "A"},       // x02220
        {"E2 B2 D3 G#3 B3 E4", "E7"},   // 020100
        {"G#2 B2 D3 E3", "E7"},         // E7 over its third
        {"E2 C3 E3 G3 C4 E4", "C"},     // 032010, C over E
        {"F#2 D3 A3 D4 F#4", "D"},      // 2x0232
        {"A2 E3 G3 C4 E4", "Am7"},      // x02010
        {"C3 E3 A3 C4 G4", "C6"},       // x32213: the bass keeps it from Am7
        {"C3 Gb3 Bb3 Eb4", "Cm/5-/7"},  // on C
        {"Eb3 Gb3 Bb3 C4", "D#m6"},     // the same notes on Eb
        {"Eb3 A3 C4 F#4", "D#dim"},     // diminished seventh on its bass
        {"A3 C4 D#4 F#4", "Adim"},
        {"E3 G#3 C4", "Eaug"},  // augmented triad on its bass
        {"G#3 C4 E4", "G#aug"},
        {"E4 A2 C#4 E3", "A"},  // the lowest pitch, not the first string, is the bass
    };
    for (const NamingCase& c : cases) {
        EXPECT_EQ(IdentifyChord(Pitches(c.notes)), c.name) << c.notes;
    }
    // As a person lists notes, the first is the bass whatever its octave.
    EXPECT_EQ(IdentifyChordOverFirst(Pitches("E4 G#2 C3")), "Eaug");
    EXPECT_EQ(IdentifyChordOverFirst(Pitches("C#4 E2 A2")), "A");
    EXPECT_EQ(IdentifyChordOverFirst(Pitches("")), "");
}

TEST(IdentifyChord, NotesThatDoNotSoundAreLeftOut) {
    std::array<CNote, 6> strings = Strings("C E G");
    strings[3] = CNote::NoNote();
    strings[4] = CNote(kNoteRest, 0);
    strings[5] = CNote(kNoteUnsupported, 0);
    EXPECT_EQ(IdentifyChord(strings), "C");

    std::array<CNote, 6> silent;
    silent.fill(CNote::Muted());
    EXPECT_EQ(IdentifyChord(silent), "");
    silent.fill(CNote::NoNote());
    EXPECT_EQ(IdentifyChord(silent), "");
}

TEST(IdentifyChord, AnyNumberOfNotesGivesTheSameNameAsSixStrings) {
    for (const NamingCase& c : kNamingTable) {
        EXPECT_EQ(IdentifyChord(Notes(c.notes)), c.name) << "notes: " << c.notes;
    }
    // Seven notes fill every degree.
    EXPECT_EQ(IdentifyChord(Notes("C D E F G A B")), "C7M/13");
    EXPECT_EQ(IdentifyChord(Notes("C C C E E G G G")), "C");
}

TEST(IdentifyChord, NoRootExplainingEveryNoteGivesEmptyText) {
    // Every root leaves a pitch class over.
    for (const char* notes : {"C C# D D# E F", "C C# D D# E"}) {
        EXPECT_EQ(IdentifyChord(Strings(notes)), "") << notes;
    }
}

}  // namespace
