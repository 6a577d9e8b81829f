#include "guitar/chord_chart_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FaultCase {
    const char* what;
    NoteValue root;
    int type;
    ChartFrets frets;
    // "" when the fingering keeps every rule, else a part of the fault's text.
    const char* fault;
};

TEST(ChordChartRulesTest, FindsTheRuleAFingeringBreaks) {
    const std::vector<FaultCase> cases = {
        {"open C", kNoteC, 0, {-1, 3, 2, 0, 1, 0}, ""},
        {"F barre", kNoteF, 0, {1, 3, 3, 2, 1, 1}, ""},
        {"C minor A-string barre, four fingers", kNoteC, 5, {-1, 3, 5, 5, 4, 3}, ""},
        {"open C7 without its fifth", kNoteC, 12, {-1, 3, 2, 3, 1, 0}, ""},
        {"open C6 without its fifth", kNoteC, 8, {-1, 3, 2, 2, 1, 0}, ""},
        {"one inner mute", kNoteC, 0, {-1, 3, -1, 0, 1, 0}, ""},
        {"wrong note", kNoteC, 0, {-1, 3, 2, 0, 1, 1}, "plays F on string 6"},
        {"seventh lost", kNoteC, 12, {-1, 3, 2, 0, 1, 0}, "leaves out A#"},
        {"a triad keeps its fifth", kNoteC, 0, {-1, 3, 2, -1, 1, -1}, "leaves out G"},
        {"diminished has no perfect fifth to drop",
         kNoteC,
         7,
         {-1, 3, 1, -1, 1, 2},
         "leaves out A"},
        {"rootless type keeps every tone", kNoteC, 35, {-1, -1, 4, 2, 2, 2}, "leaves out"},
        {"stretch of five frets", kNoteC, 0, {-1, 3, 2, 0, 1, 8}, "reach over 8 frets"},
        {"two inner mutes", kNoteC, 0, {-1, 3, -1, 0, -1, 0}, "mutes 2 strings"},
        {"two strings", kNoteC, 0, {-1, -1, -1, -1, 1, 0}, "only 2 strings sound"},
        {"no barre fits", kNoteC, 12, {-1, 3, 2, 3, 1, 3}, "needs 5 fingers"},
        {"fret beyond the neck", kNoteC, 0, {-1, 3, 2, 0, 1, 25}, "no fret 25"},
    };
    const CTuning standard;
    for (const FaultCase& c : cases) {
        const std::string fault = ChartShapeFault(standard, c.frets, c.root, c.type);
        if (std::string(c.fault).empty()) {
            EXPECT_EQ(fault, "") << c.what;
        } else {
            EXPECT_NE(fault.find(c.fault), std::string::npos) << c.what << ": " << fault;
        }
    }
}

TEST(ChordChartRulesTest, CountsFingersWithOneBarre) {
    struct FingerCase {
        const char* what;
        ChartFrets frets;
        int fingers;
        int barreFret;
    };
    // A hand holds a fingering of at most four fingers.
    const std::vector<FingerCase> cases = {
        {"open C", {-1, 3, 2, 0, 1, 0}, 3, -1},
        {"A as a barre of three strings", {-1, 0, 2, 2, 2, 0}, 1, 2},
        {"E-shape F", {1, 3, 3, 2, 1, 1}, 4, 1},
        // Two barres would hold it with three; only one is allowed.
        {"A-string C minor", {-1, 3, 5, 5, 4, 3}, 4, 3},
        {"A-shape Bb7", {-1, 1, 3, 1, 3, 1}, 3, 1},
        {"barre over a muted string", {1, -1, 3, 2, 1, 1}, 3, 1},
        // Across the open A string the barre would hold E, B and e: three fingers.
        {"an open string stops the barre", {1, 0, 3, 2, 1, 1}, 4, 1},
        {"every string open", {0, 0, 0, 0, 0, 0}, 0, -1},
        {"C7(b5) with five fingers", {-1, 3, 2, 3, 1, 2}, 5, -1},
        {"five fretted, no barre fits", {1, 2, 3, 4, 5, -1}, 5, -1},
        {"five fretted, a barre saves two", {-1, 3, 5, 5, 5, 3}, 3, 5},
    };
    for (const FingerCase& c : cases) {
        const CChartFingering hand = ChartFingering(c.frets);
        EXPECT_EQ(hand.fingers, c.fingers) << c.what;
        EXPECT_EQ(hand.barreFret, c.barreFret) << c.what;
        EXPECT_EQ(ChartHandHolds(c.frets), c.fingers <= kChartMaxFingers) << c.what;
    }
}

TEST(ChordChartRulesTest, PositionBassAndText) {
    EXPECT_EQ(ChartPosition({-1, 3, 2, 0, 1, 0}), 1);
    EXPECT_EQ(ChartPosition({0, 0, 0, 0, 0, 0}), 0);
    EXPECT_EQ(ChartBassString({-1, -1, 0, 2, 3, 2}), 2);
    EXPECT_EQ(ChartBassString({-1, -1, -1, -1, -1, -1}), -1);
    EXPECT_EQ(ChartFretsText({-1, 10, 12, 12, 12, 10}), "x 10 12 12 12 10");
}

}  // namespace
