#include "music/chord_identification.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// "C E G" -> up to six strings, the rest muted.
std::array<CNote, 6> Strings(const std::string& names) {
    std::array<CNote, 6> strings;
    strings.fill(CNote::Muted());
    std::istringstream words(names);
    std::string word;
    size_t s = 0;
    while (words >> word) {
        strings.at(s++) = CNote::Parse(word + "3");
    }
    return strings;
}

std::vector<CNote> Notes(const std::string& names) {
    std::vector<CNote> notes;
    std::istringstream words(names);
    std::string word;
    while (words >> word) {
        notes.push_back(CNote::Parse(word + "4"));
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
         // C# explains the same notes, as a far less plain reading.
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
         "Em7add11"},
    };
    for (const auto& [strings, name] : cases) {
        EXPECT_EQ(IdentifyChord(strings), name);
    }
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

// The same notes over different basses: the bass names the chord when its reading is within
// one step of the plainest one.
TEST(IdentifyChord, TheBassNamesTheChordWhenItReadsPlainly) {
    const std::vector<NamingCase> cases = {
        {"C Eb Gb Bb", "Cm/5-/7"},
        {"Eb Gb Bb C", "D#m6"},
        {"C E G A", "C6"},
        {"A C E G", "Am7"},
        {"E G C", "C"},          // first inversion: Em/5+ reads two steps worse
        {"G C E", "C"},          // second inversion: Csus4/13 is not plainer
        {"G# E B D", "E7"},
        {"F# A C D#", "F#dim"},  // a diminished seventh on each of its notes
        {"A C D# F#", "Adim"},
        {"E G# C", "Eaug"},      // an augmented triad on each of its notes
        {"G# C E", "G#aug"},
        {"D F# A B", "D6"},
        {"B D F# A", "Bm7"},
        {"G B D E", "G6"},
        {"E G B D", "Em7"},
        {"D C E G", "Cadd9"},    // a bass whose reading is far from plain does not name it
    };
    for (const NamingCase& c : cases) {
        EXPECT_EQ(IdentifyChordFirstAsBass(Notes(c.notes)), c.name) << "notes: " << c.notes;
    }
    // With octaves the lowest note is the bass, wherever it is in the list.
    const std::vector<CNote> inverted = {CNote(kNoteC, 4), CNote(kNoteA, 3), CNote(kNoteE, 4),
                                         CNote(kNoteG, 4)};
    EXPECT_EQ(IdentifyChord(inverted), "Am7");
    EXPECT_EQ(IdentifyChordFirstAsBass(inverted), "C6");
}

TEST(IdentifyChord, NoRootExplainingEveryNoteGivesEmptyText) {
    // Every root leaves a pitch class over.
    for (const char* notes : {"C C# D D# E F", "C C# D D# E"}) {
        EXPECT_EQ(IdentifyChord(Strings(notes)), "") << notes;
    }
}

}  // namespace
