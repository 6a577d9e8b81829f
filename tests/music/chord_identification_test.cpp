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
    {"A C# E", "C#m/5+"},
    {"E G# B D", "D/5-/6sus2"},
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
         // Heard as D#m7, but C# is tried first and explains the same notes.
         "C#6/9sus4 (no5)"},
        // Standard-tuning open chords.
        {{CNote(kNoteE, 3), CNote(kNoteB, 3), CNote(kNoteE, 4), CNote(kNoteGSharp, 4),
          CNote(kNoteB, 4), CNote(kNoteE, 5)},
         "E"},
        {{CNote::Muted(), CNote::Muted(), CNote(kNoteD, 4), CNote(kNoteA, 4), CNote(kNoteD, 5),
          CNote(kNoteFSharp, 5)},
         "D"},
        {{CNote(kNoteE, 3), CNote(kNoteA, 3), CNote(kNoteD, 4), CNote(kNoteG, 4), CNote(kNoteB, 4),
          CNote(kNoteE, 5)},
         "D6/9sus4"},
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

TEST(IdentifyChord, NoRootExplainingEveryNoteGivesEmptyText) {
    // Every root leaves a pitch class over.
    for (const char* notes : {"C C# D D# E F", "C C# D D# E"}) {
        EXPECT_EQ(IdentifyChord(Strings(notes)), "") << notes;
    }
}

}  // namespace
