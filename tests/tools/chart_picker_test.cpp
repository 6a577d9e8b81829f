// The chord database's first shapes: what the chart picker chooses as variation 1 and how
// it spreads the other five, and that the shipped data/chords.xml, read as the program
// reads it, still starts every listed chord with the chart's shape.

#include "tools/make_chords/chart_picker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "guitar/chord_chart_rules.h"
#include "guitar/chord_database.h"
#include "guitar/chord_list.h"
#include "guitar/xml_reader.h"
#include "music/chord_type.h"

namespace {

constexpr int x = -1;

struct ChartShape {
    NoteValue root;
    const char* type;
    ChartFrets frets;
    // How the picker comes to it.
    const char* from;
};

// The shapes a player reads first: the chart's open chords, and where a root has none the
// movable forms at their lowest position.
const std::vector<ChartShape> kChartShapes = {
    {kNoteA, "9", {x, 0, 2, 4, 2, 3}, "table"},
    {kNoteA, "add9", {x, 0, 2, 4, 2, 0}, "table"},
    {kNoteC, "sus4", {x, 3, 3, 0, 1, 1}, "table"},
    {kNoteC, "9", {x, 3, 2, 3, 3, 3}, "table"},
    {kNoteE, "9", {0, 2, 0, 1, 0, 2}, "table"},
    {kNoteA, "sus4", {x, 0, 2, 2, 3, 0}, "table"},
    {kNoteD, "sus4", {x, x, 0, 2, 3, 3}, "table"},
    {kNoteE, "sus4", {0, 2, 2, 2, 0, 0}, "table"},
    {kNoteA, "m6", {x, 0, 2, 2, 1, 2}, "table"},
    {kNoteE, "m6", {0, 2, 2, 0, 2, 0}, "table"},
    {kNoteG, "6", {3, 2, 0, 0, 0, 0}, "table"},
    {kNoteA, "6", {x, 0, 2, 2, 2, 2}, "table"},
    {kNoteD, "6", {x, x, 0, 2, 0, 2}, "table"},
    {kNoteE, "6", {0, 2, 2, 1, 2, 0}, "table"},
    {kNoteE, "aug", {0, 3, 2, 1, 1, 0}, "table"},
    {kNoteE, "add9", {0, 2, 4, 1, 0, 0}, "table"},
    {kNoteC, "maj", {x, 3, 2, 0, 1, 0}, "table"},
    {kNoteA, "maj", {x, 0, 2, 2, 2, 0}, "table"},
    {kNoteG, "maj", {3, 2, 0, 0, 0, 3}, "table"},
    {kNoteE, "maj", {0, 2, 2, 1, 0, 0}, "table"},
    {kNoteD, "maj", {x, x, 0, 2, 3, 2}, "table"},
    {kNoteA, "m", {x, 0, 2, 2, 1, 0}, "table"},
    {kNoteE, "m", {0, 2, 2, 0, 0, 0}, "table"},
    {kNoteD, "m", {x, x, 0, 2, 3, 1}, "table"},
    {kNoteE, "7", {0, 2, 0, 1, 0, 0}, "table"},
    {kNoteA, "7", {x, 0, 2, 0, 2, 0}, "table"},
    {kNoteG, "7", {3, 2, 0, 0, 0, 1}, "table"},
    {kNoteD, "7", {x, x, 0, 2, 1, 2}, "table"},
    {kNoteB, "7", {x, 2, 1, 2, 0, 2}, "table"},
    {kNoteA, "m7", {x, 0, 2, 0, 1, 0}, "table"},
    {kNoteD, "m7", {x, x, 0, 2, 1, 1}, "table"},
    {kNoteE, "m7", {0, 2, 0, 0, 0, 0}, "table"},
    {kNoteC, "maj7", {x, 3, 2, 0, 0, 0}, "table"},
    // The E form, six strings, and the A form, five.
    {kNoteF, "maj", {1, 3, 3, 2, 1, 1}, "form"},
    {kNoteFSharp, "m7", {2, 4, 2, 2, 2, 2}, "form"},
    {kNoteG, "m", {3, 5, 5, 3, 3, 3}, "form"},
    {kNoteBFlat, "maj", {x, 1, 3, 3, 3, 1}, "form"},
    {kNoteC, "m", {x, 3, 5, 5, 4, 3}, "form"},
    {kNoteB, "6", {x, 2, 4, 4, 4, 4}, "form"},
    // The D form below the A form; C9's shape slid down; E+ too big whole at fret 1.
    {kNoteEFlat, "m", {x, x, 1, 3, 4, 2}, "form"},
    {kNoteBFlat, "9", {x, 1, 0, 1, 1, 1}, "form"},
    {kNoteF, "aug", {1, x, 3, 2, 2, 1}, "form"},
};

std::string Name(const ChartShape& shape) {
    return NoteName(shape.root) + shape.type;
}

TEST(ChartPickerTest, StartsWithTheChartShapeAndClimbsTheNeck) {
    for (const ChartShape& shape : kChartShapes) {
        SCOPED_TRACE(Name(shape));
        CChartPick pick;
        ASSERT_TRUE(PickChart(shape.root, ChordTypeFromText(shape.type), pick));
        EXPECT_EQ(ChartFretsText(pick.frets[0]), ChartFretsText(shape.frets));
        EXPECT_EQ(pick.firstFrom, shape.from);
        // The other five: other shapes, never lower on the neck, reaching well up it.
        for (size_t v = 1; v < pick.frets.size(); ++v) {
            EXPECT_NE(pick.frets[v], pick.frets[0]) << "variation " << v + 1;
            EXPECT_GE(ChartPosition(pick.frets[v]), ChartPosition(pick.frets[v - 1]))
                << "variation " << v + 1;
        }
        EXPECT_GE(ChartPosition(pick.frets[5]) - ChartPosition(pick.frets[0]), 5);
    }
}

TEST(ChartPickerTest, ShippedDatabaseStartsWithTheChartShapes) {
    CXmlReader xml;
    const Result<> loaded = xml.Load(std::string(FRETQUILL_SOURCE_DIR) + "/data/chords.xml");
    ASSERT_TRUE(loaded) << loaded.Message();
    CChordList list;
    NullProgressReporter progress;
    ReadChordDocument(xml, list, progress);
    ASSERT_EQ(list.Count(), 12 * kChordTypeCount * kStoredVariationsPerChord);
    for (const ChartShape& shape : kChartShapes) {
        const CChord* chord = list.FindStatic(shape.root, ChordTypeFromText(shape.type), 1);
        ASSERT_NE(chord, nullptr) << Name(shape);
        ChartFrets frets{};
        for (int s = 1; s <= kStringCount; ++s) {
            frets[static_cast<size_t>(s - 1)] =
                chord->IsMutedString(s) ? -1 : chord->chordTuning.FretOf(s, chord->StringNote(s));
        }
        EXPECT_EQ(ChartFretsText(frets), ChartFretsText(shape.frets)) << Name(shape);
    }
}

}  // namespace
