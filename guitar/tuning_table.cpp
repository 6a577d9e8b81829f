// The predefined tunings, one row each, strings in right-handed order (string 1 lowest).
#include "guitar/tuning_table.h"

namespace {

constexpr CNote N(NoteValue note, int octave) { return CNote(note, octave); }

}  // namespace

const std::array<TuningRow, kPredefinedTuningCount> kTuningTable = {{
    {"EADGBE", "Standard E", {N(kNoteE, 3), N(kNoteA, 3), N(kNoteD, 4), N(kNoteG, 4), N(kNoteB, 4), N(kNoteE, 5)}},
    {"EBEG#BE", "Open E", {N(kNoteE, 3), N(kNoteB, 3), N(kNoteE, 4), N(kNoteGSharp, 4), N(kNoteB, 4), N(kNoteE, 5)}},
    {"EBEGBE", "E Minor", {N(kNoteE, 3), N(kNoteB, 3), N(kNoteE, 4), N(kNoteG, 4), N(kNoteB, 4), N(kNoteE, 5)}},
    {"EbAbDbGbBbEb", "Standard Eb", {N(kNoteEFlat, 3), N(kNoteAFlat, 3), N(kNoteDFlat, 4), N(kNoteGFlat, 4), N(kNoteBFlat, 4), N(kNoteEFlat, 5)}},
    {"EAEAC#E", "Open A", {N(kNoteE, 3), N(kNoteA, 3), N(kNoteE, 4), N(kNoteA, 4), N(kNoteCSharp, 5), N(kNoteE, 5)}},
    {"DGCFAD", "Standard D", {N(kNoteD, 3), N(kNoteG, 3), N(kNoteC, 4), N(kNoteF, 4), N(kNoteA, 4), N(kNoteD, 5)}},
    {"DADF#AD", "Open D", {N(kNoteD, 3), N(kNoteA, 3), N(kNoteD, 4), N(kNoteFSharp, 4), N(kNoteA, 4), N(kNoteD, 5)}},
    {"DbGbBEAbDb", "Standard Db", {N(kNoteDFlat, 3), N(kNoteGFlat, 3), N(kNoteB, 3), N(kNoteE, 4), N(kNoteAFlat, 4), N(kNoteDFlat, 5)}},
    {"DGDGBD", "Open G", {N(kNoteD, 3), N(kNoteG, 3), N(kNoteD, 4), N(kNoteG, 4), N(kNoteB, 4), N(kNoteD, 5)}},
    {"CFBbEbGC", "Standard C", {N(kNoteC, 3), N(kNoteF, 3), N(kNoteBFlat, 3), N(kNoteEFlat, 4), N(kNoteG, 4), N(kNoteC, 5)}},
    {"DGDGBE", "G6th", {N(kNoteD, 3), N(kNoteG, 3), N(kNoteD, 4), N(kNoteG, 4), N(kNoteB, 4), N(kNoteE, 5)}},
    {"BEADF#B", "Standard B", {N(kNoteB, 2), N(kNoteE, 3), N(kNoteA, 3), N(kNoteD, 4), N(kNoteFSharp, 4), N(kNoteB, 4)}},
    {"DGDF#BD", "G Wahine", {N(kNoteD, 3), N(kNoteG, 3), N(kNoteD, 4), N(kNoteFSharp, 4), N(kNoteB, 4), N(kNoteD, 5)}},
    {"DADGBE", "Drop D", {N(kNoteD, 3), N(kNoteA, 3), N(kNoteD, 4), N(kNoteG, 4), N(kNoteB, 4), N(kNoteE, 5)}},
    {"GBDGBD", "G Major", {N(kNoteG, 3), N(kNoteB, 3), N(kNoteD, 4), N(kNoteG, 4), N(kNoteB, 4), N(kNoteD, 5)}},
    {"DADGBD", "Double Drop D", {N(kNoteD, 3), N(kNoteA, 3), N(kNoteD, 4), N(kNoteG, 4), N(kNoteB, 4), N(kNoteD, 5)}},
    {"CGCGCE", "Open C", {N(kNoteC, 3), N(kNoteG, 3), N(kNoteC, 4), N(kNoteG, 4), N(kNoteC, 5), N(kNoteE, 5)}},
    {"DADF#BD", "D6th", {N(kNoteD, 3), N(kNoteA, 3), N(kNoteD, 4), N(kNoteFSharp, 4), N(kNoteB, 4), N(kNoteD, 5)}},
    {"CACGCE", "C6th", {N(kNoteC, 3), N(kNoteA, 3), N(kNoteC, 4), N(kNoteG, 4), N(kNoteC, 5), N(kNoteE, 5)}},
    {"DADF#BE", "D6/9", {N(kNoteD, 3), N(kNoteA, 3), N(kNoteD, 4), N(kNoteFSharp, 4), N(kNoteB, 4), N(kNoteE, 5)}},
    {"CGCGAE", "C6th Mauna Loa", {N(kNoteC, 3), N(kNoteG, 3), N(kNoteC, 4), N(kNoteG, 4), N(kNoteA, 4), N(kNoteE, 5)}},
    {"DADGAD", "D Suspended", {N(kNoteD, 3), N(kNoteA, 3), N(kNoteD, 4), N(kNoteG, 4), N(kNoteA, 4), N(kNoteD, 5)}},
    {"CGDGBE", "Cmaj7/9", {N(kNoteC, 3), N(kNoteG, 3), N(kNoteD, 4), N(kNoteG, 4), N(kNoteB, 4), N(kNoteE, 5)}},
    {"DbAbDbGbBbEb", "Drop Db", {N(kNoteDFlat, 3), N(kNoteAFlat, 3), N(kNoteDFlat, 4), N(kNoteGFlat, 4), N(kNoteBFlat, 4), N(kNoteEFlat, 5)}},
    {"CGEGBE", "Cmaj7 (Tovel)", {N(kNoteC, 3), N(kNoteG, 3), N(kNoteE, 4), N(kNoteG, 4), N(kNoteB, 4), N(kNoteE, 5)}},
    {"CGDAEG", "C6/9 (Ulmic)", {N(kNoteC, 3), N(kNoteG, 3), N(kNoteD, 4), N(kNoteA, 4), N(kNoteE, 5), N(kNoteG, 5)}},
    {"CGEGCE", "Varel C", {N(kNoteC, 3), N(kNoteG, 3), N(kNoteE, 4), N(kNoteG, 4), N(kNoteC, 5), N(kNoteE, 5)}},
}};
