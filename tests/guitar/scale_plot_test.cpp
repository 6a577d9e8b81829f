#include "guitar/scale_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "guitar/note_marker.h"
#include "music/scale.h"

namespace {

struct Mark {
    int s;
    int fret;
    std::string note;
    bool overlay;
    friend bool operator==(const Mark&, const Mark&) = default;
};

void PrintTo(const Mark& m, std::ostream* os) {
    *os << "(" << m.s << "," << m.fret << " " << m.note << (m.overlay ? " *" : "") << ")";
}

class RecordingMarker : public NoteMarker {
public:
    explicit RecordingMarker(const CTuning& tuning) : tuning_(tuning) {}
    void MarkNote(int s, const CNote& note, bool overlay) override {
        marks.push_back({s, tuning_.FretOf(s, note), note.Format(true), overlay});
    }
    void MarkFret(int s, int fret, const CNote& note, bool overlay) override {
        marks.push_back({s, fret, note.Format(true), overlay});
        ++fretMarks;
    }
    std::vector<Mark> marks;
    int fretMarks = 0;

private:
    const CTuning& tuning_;
};

CScale Major(NoteValue root, int octave) {
    CScale scale;
    scale.BuildScale(kScaleMajorDiatonic, CNote(root, octave));
    return scale;
}

TEST(ScalePlot, WorkedExampleNoteByNote) {
    const CTuning tuning;
    CScale scale = Major(kNoteD, 4);
    RecordingMarker marker(tuning);
    const PlacedRange range = PlotScale(scale, tuning, {2, 5}, ScalePlotOptions{}, marker);

    const std::vector<Mark> expected = {
        {2, 5, "D4", true},   {2, 7, "E4", false},  {2, 9, "Gb4", false}, {3, 5, "G4", false},
        {3, 7, "A4", false},  {3, 9, "B4", false},  {4, 6, "Db5", false}, {4, 7, "D5", true},
        {4, 9, "E5", false},  {5, 7, "Gb5", false}, {5, 8, "G5", false},  {6, 5, "A5", false},
        {6, 7, "B5", false},  {6, 9, "Db6", false}, {1, 9, "Db4", false}, {1, 7, "B3", false},
        {1, 5, "A3", false},
    };
    EXPECT_EQ(marker.marks, expected);
    EXPECT_EQ(scale.minFret, 5);
    EXPECT_EQ(scale.maxFret, 9);
    EXPECT_EQ(range.lowestPlaced.Format(), "A3");
    EXPECT_EQ(range.highestPlaced.Format(), "Db6");
}

TEST(ScalePlot, LeftHandedIsTheMirrorImage) {
    CTuning right;
    CTuning left;
    left.SetLeftHanded();
    CScale a = Major(kNoteD, 4);
    CScale b = Major(kNoteD, 4);
    RecordingMarker rightMarks(right);
    RecordingMarker leftMarks(left);
    PlotScale(a, right, {2, 5}, ScalePlotOptions{}, rightMarks);
    PlotScale(b, left, {CTuning::MirrorString(2), 5}, ScalePlotOptions{}, leftMarks);
    ASSERT_EQ(leftMarks.marks.size(), rightMarks.marks.size());
    for (std::size_t i = 0; i < rightMarks.marks.size(); ++i) {
        Mark mirrored = rightMarks.marks[i];
        mirrored.s = CTuning::MirrorString(mirrored.s);
        EXPECT_EQ(leftMarks.marks[i], mirrored) << i;
    }
}

TEST(ScalePlot, NoOpenNotesSkipsAnOpenRoot) {
    const CTuning tuning;
    CScale scale = Major(kNoteE, 3);
    RecordingMarker marker(tuning);
    ScalePlotOptions options;
    options.noOpenNotes = true;
    PlotScale(scale, tuning, {1, 0}, options, marker);
    ASSERT_FALSE(marker.marks.empty());
    // The root E3 is not placed; the run starts with Gb3 in the window 1..5.
    EXPECT_EQ(marker.marks.front(), (Mark{1, 2, "Gb3", false}));
    for (const Mark& m : marker.marks) {
        EXPECT_NE(m.note, "E3");
    }
    EXPECT_GE(scale.minFret, 0);
    EXPECT_EQ(scale.maxFret, 5);
}

TEST(ScalePlot, NoOpenNotesStillAllowsLaterOpenStrings) {
    // Root C5 at fret 1 of string 5: the run down reaches the open G string.
    const CTuning tuning;
    CScale scale;
    scale.BuildScale(kScaleMinorDiatonic, CNote(kNoteC, 5));
    RecordingMarker marker(tuning);
    ScalePlotOptions options;
    options.noOpenNotes = true;
    PlotScale(scale, tuning, {5, 1}, options, marker);
    EXPECT_EQ(marker.marks.front(), (Mark{5, 1, "C5", true}));
    EXPECT_NE(std::find(marker.marks.begin(), marker.marks.end(), Mark{4, 0, "G4", false}),
              marker.marks.end());
}

TEST(ScalePlot, StartOnTheHighSideStringStaysThere) {
    const CTuning tuning;
    CScale scale = Major(kNoteE, 5);
    RecordingMarker marker(tuning);
    PlotScale(scale, tuning, {6, 0}, ScalePlotOptions{}, marker);
    std::vector<Mark> up;
    for (const Mark& m : marker.marks) {
        if (m.s == 6) {
            up.push_back(m);
        }
    }
    // E5 Gb5 Ab5 on string 6 (frets 0, 2, 4); A5 at fret 5 is above 0 + 4 and ends the pass.
    ASSERT_GE(up.size(), 3U);
    EXPECT_EQ(up[0], (Mark{6, 0, "E5", true}));
    EXPECT_EQ(up[1], (Mark{6, 2, "Gb5", false}));
    EXPECT_EQ(up[2], (Mark{6, 4, "Ab5", false}));
    EXPECT_EQ(marker.marks[3].note, "Eb5");  // the downward pass begins
}

TEST(ScalePlot, StartOnTheLowSideStringRunsOnlyUpward) {
    const CTuning tuning;
    CScale scale = Major(kNoteG, 3);
    RecordingMarker marker(tuning);
    PlotScale(scale, tuning, {1, 3}, ScalePlotOptions{}, marker);
    // Every mark rises: nothing below the root is placed.
    for (const Mark& m : marker.marks) {
        EXPECT_FALSE(IsLowerNote(CNote::Parse(m.note), CNote(kNoteG, 3))) << m.note;
    }
    EXPECT_EQ(marker.marks.front(), (Mark{1, 3, "G3", true}));
}

TEST(ScalePlot, WholeFretboardMarksEveryOctaveUpToFret24) {
    const CTuning tuning;
    CScale scale = Major(kNoteG, 3);
    scale.minFret = 7;
    scale.maxFret = 11;
    RecordingMarker marker(tuning);
    ScalePlotOptions options;
    options.useAllFretboard = true;
    const PlacedRange range = PlotScale(scale, tuning, {}, options, marker);

    std::vector<Mark> onFirst;
    for (const Mark& m : marker.marks) {
        if (m.s == 1 && (m.note.rfind("G", 0) == 0 || m.note.rfind("E", 0) == 0) &&
            m.note.size() == 2) {
            onFirst.push_back(m);
        }
    }
    // G at fret 3 is marked at 3 and 15 only; E at the nut and at 12 and 24.
    const std::vector<Mark> expected = {{1, 3, "G3", true}, {1, 15, "G4", true},
                                        {1, 0, "E3", false}, {1, 12, "E4", false},
                                        {1, 24, "E5", false}};
    EXPECT_EQ(onFirst, expected);
    EXPECT_EQ(marker.fretMarks, static_cast<int>(marker.marks.size()));
    EXPECT_EQ(scale.minFret, 7);  // the whole-fretboard plot leaves the window alone
    EXPECT_EQ(scale.maxFret, 11);
    EXPECT_EQ(range.lowestPlaced.Format(), "E3");
}

TEST(ScalePlot, EmptyScaleDrawsNothing) {
    const CTuning tuning;
    CScale scale;
    RecordingMarker marker(tuning);
    const PlacedRange range = PlotScale(scale, tuning, {2, 5}, ScalePlotOptions{}, marker);
    EXPECT_TRUE(marker.marks.empty());
    EXPECT_EQ(range.lowestPlaced, CNote(kNoteC, 10));
    EXPECT_EQ(range.highestPlaced, CNote(kNoteC, 1));
}

TEST(ScalePlot, EachPlotStartsItsRangeAfresh) {
    const CTuning tuning;
    CScale high = Major(kNoteD, 5);
    CScale low = Major(kNoteE, 3);
    RecordingMarker marker(tuning);
    const PlacedRange alone = PlotScale(low, tuning, {1, 0}, ScalePlotOptions{}, marker);
    PlotScale(high, tuning, {5, 3}, ScalePlotOptions{}, marker);
    const PlacedRange after = PlotScale(low, tuning, {1, 0}, ScalePlotOptions{}, marker);
    EXPECT_EQ(after.lowestPlaced, alone.lowestPlaced);
    EXPECT_EQ(after.highestPlaced, alone.highestPlaced);
}

TEST(ScaleRoot, EachEventPicksItsRoot) {
    const CTuning tuning;
    struct Case {
        const char* label;
        ScaleEvent event;
        StartPosition before;
        bool handednessChanged;
        bool playable;
        const char* root;
        StartPosition after;
    };
    const Case cases[] = {
        {"menu", ScaleEvent::kProgramModeChosen, {3, 7}, false, true, "A3", {1, 0}},
        {"favorite", ScaleEvent::kFavoriteChosen, {}, false, true, "A3", {1, 0}},
        {"tap", ScaleEvent::kFretboardTapped, {2, 5}, false, true, "D4", {2, 5}},
        {"tap above the nut", ScaleEvent::kFretboardTapped, {2, -1}, false, false, "UNKNOWN",
         {2, -1}},
        {"type with start", ScaleEvent::kTypeChosen, {3, 2}, false, true, "E4", {3, 2}},
        {"type without start", ScaleEvent::kTypeChosen, {}, false, true, "A3", {}},
        {"note chosen", ScaleEvent::kNoteChosen, {3, 2}, false, true, "A3", {}},
        {"settings", ScaleEvent::kSettingsClosed, {2, 5}, false, true, "D4", {2, 5}},
        {"settings mirrored", ScaleEvent::kSettingsClosed, {2, 5}, true, true, "E5", {5, 5}},
    };
    for (const Case& c : cases) {
        const ScaleRootChoice choice =
            ChooseScaleRoot(c.event, tuning, kNoteA, c.before, c.handednessChanged);
        EXPECT_EQ(choice.playable, c.playable) << c.label;
        EXPECT_EQ(choice.root.Format(), c.root) << c.label;
        EXPECT_EQ(choice.start, c.after) << c.label;
    }
}

}  // namespace
