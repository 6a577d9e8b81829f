#pragma once

// Picks the six fingerings of a chord for the chord database: every fingering that keeps
// the chart rules (guitar/chord_chart_rules.h) is found, scored the way a chord chart is
// read, and six are chosen: the chart's first shape, then five more up the neck.
//
// How it chooses:
// - Search: every string muted or on a chord tone at frets 0..17 (0..20 when the lower
//   neck has fewer than six shapes with the chord's bass tone lowest), kept when it keeps
//   the chart rules.
// - Quality of a shape: strings sounding (+10 each), minus fingers (4 each), muted
//   strings inside (14) or above the top sounding string (6), a missing fifth (5), a
//   doubled third or seventh (6 per extra note), the stretch, three fingers crowded on
//   one fret (12), a finger reaching round a higher one (15), a barre off the lowest
//   fret (4), and open strings in a shape that reaches fret 4 or higher (40 each); a
//   barre from the E or A string across all strings earns 6.
// - The bass: a shape whose lowest note is the chord's bass tone (the root; the flat
//   fifth for the rootless type) outweighs every other concern, so all six have it
//   wherever the neck holds six such shapes.
// - Variation 1: the chart's open chord when it has one (a table of the open shapes of
//   the common types: maj, m, 7, m7, maj7, sus4, 6, m6, dim, aug, add9, 9). A root
//   without one takes the movable form at the lowest position: the open E, A or D shape
//   of the type carried up the neck with the open strings barred, or a chart shape
//   without open strings slid along (C9 x32333); at one position E before A before D,
//   and a form too big for the hand loses one inner string. Where no form fits and for
//   the other types: the best open chord (frets 0..3, no inner mute, carried by two open
//   strings, an open bass or an open top string) unless the barre chord scores higher;
//   else the lowest E- or A-string barre up to fret 7; else the best shape low on the
//   neck (without a gap for the common types). The barre gives way to another first
//   shape only when it would leave the other five crowded together.
// - Variations 2..6: the set of five that maximises quality plus spread, positions (the
//   lowest fretted fret) never falling; two shapes at one fret cost 60, one fret apart
//   25, two 5, gaps over five frets 4 a fret, and a shape that is the one before with
//   strings left out 40.

#include <array>
#include <string>
#include <vector>

#include "guitar/chord_chart_rules.h"

inline constexpr int kChartVariations = 6;
// The generator searches frets 0..kChartSearchedFret, and the higher ones only when the
// lower neck does not hold six shapes with the root in the bass.
inline constexpr int kChartSearchedFret = 17;
inline constexpr int kChartHighestFret = 20;

struct CChartCandidate {
    ChartFrets frets{};
    int position = 0;
    int highestFret = 0;
    int sounding = 0;
    int open = 0;
    int fingers = 0;
    int innerMuted = 0;
    bool rootInBass = false;
    bool fullBarre = false;
    int quality = 0;
};

struct CChartPick {
    std::array<ChartFrets, kChartVariations> frets{};
    // How variation 1 was chosen: "table", "form", "open", "barre" or "lowest".
    std::string firstFrom;
    // How many of the six have the chord's bass tone lowest.
    int rootInBass = 0;
    // True when the search had to go above kChartSearchedFret.
    bool usedHighFrets = false;
};

// Every fingering of the chord in standard tuning that keeps the chart rules, with frets
// up to highestFret.
std::vector<CChartCandidate> ChartCandidates(NoteValue root, int type, int highestFret);

// The six variations of the chord. False when fewer than six distinct fingerings exist.
bool PickChart(NoteValue root, int type, CChartPick& pick);
