#pragma once

// Picks the six fingerings of a chord for the chord database: every fingering that keeps
// the chart rules (guitar/chord_chart_rules.h) is found, scored the way a chord chart is
// read, and six are chosen: the chart's first shape, then five more up the neck.

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
    // How variation 1 was chosen: "table", "open", "barre" or "lowest".
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
