// The names a player sees for the chords they fret in standard tuning.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "guitar/tuning.h"
#include "music/chord_identification.h"

namespace {

// "x32010" -> the six strings' notes, 'x' muted; two-digit frets as "(10)".
std::array<CNote, 6> Fretted(const std::string& frets) {
    const CTuning tuning;
    std::array<CNote, 6> notes;
    std::size_t i = 0;
    for (int s = 1; s <= 6; ++s) {
        int fret = -1;
        if (frets[i] == '(') {
            fret = std::stoi(frets.substr(i + 1));
            i = frets.find(')', i) + 1;
        } else {
            fret = frets[i] == 'x' ? -1 : frets[i] - '0';
            ++i;
        }
        notes[static_cast<std::size_t>(s - 1)] = fret < 0 ? CNote::Muted() : tuning.NoteAt(s, fret);
    }
    return notes;
}

TEST(ChordNaming, CommonChordsAreNamedByTheRootAPlayerHears) {
    struct Case {
        const char* frets;
        const char* name;
    };
    const std::vector<Case> cases = {
        {"x32010", "C"},   {"x02220", "A"},   {"320003", "G"},   {"022100", "E"},
        {"xx0232", "D"},   {"x02210", "Am"},  {"022000", "Em"},  {"xx0231", "Dm"},
        {"020100", "E7"},  {"x02020", "A7"},  {"320001", "G7"},  {"xx0212", "D7"},
        {"x21202", "B7"},  {"x02010", "Am7"}, {"xx0211", "Dm7"}, {"022030", "Em7"},
        {"x32000", "C7M"}, {"133211", "F"},   {"x24432", "Bm"},  {"244222", "F#m"},
        // Inversions and the bass deciding between readings of the same notes.
        {"032010", "C"},   {"2x0232", "D"},   {"420100", "E7"},  {"x32213", "C6"},
        {"x3434x", "Cm/5-/7"}, {"x6431x", "D#m6"},
        // Symmetrical chords on their bass.
        {"x2313x", "Bdim"}, {"x3211x", "Caug"}, {"xx2110", "Eaug"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IdentifyChord(Fretted(c.frets)), c.name) << c.frets;
    }
}

}  // namespace
