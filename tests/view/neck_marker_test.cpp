#include "view/neck_marker.h"

#include <gtest/gtest.h>

#include "tests/view/view_fakes.h"

namespace {

using Kinds = std::vector<std::string>;

Kinds Mark(ProgramMode mode, int muted, int open, const CNote& note, bool overlay = false) {
    RecordingCanvas canvas;
    CTuning standard;
    CNeckMarker marker(canvas, standard, mode, muted, open);
    marker.MarkNote(1, note, overlay);
    return canvas.Kinds();
}

TEST(NeckMarker, OverlayTypesColourStringsOnlyInTheChordModes) {
    const ProgramMode modes[] = {ProgramMode::ChordPlotter, ProgramMode::ChordDiscoverer,
                                 ProgramMode::Scale, ProgramMode::Mode, ProgramMode::Progression};
    struct Case {
        int type;
        Kinds mutedInChordModes, openInChordModes;
    };
    const Case cases[] = {
        {0, {"X"}, {"O"}},
        {1, {"red"}, {"blue"}},
        {2, {"red", "X"}, {"blue", "O"}},
        {7, {"X"}, {"O"}},  // out of range draws the icon alone
    };
    const CNote openE(kNoteE, 3);
    for (ProgramMode mode : modes) {
        const bool chordMode =
            mode == ProgramMode::ChordPlotter || mode == ProgramMode::Progression;
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << "mode " << static_cast<int>(mode) << " type " << c.type);
            EXPECT_EQ(Mark(mode, c.type, 0, CNote::Muted()),
                      chordMode ? c.mutedInChordModes : Kinds{"X"});
            EXPECT_EQ(Mark(mode, 0, c.type, openE), chordMode ? c.openInChordModes : Kinds{"O"});
        }
    }
}

TEST(NeckMarker, NotesDrawAtTheirFretWithTheOverlayWhenAsked) {
    struct Case {
        CNote note;
        bool overlay;
        Kinds kinds;
    };
    const Case cases[] = {
        {CNote::NoNote(), true, {}},
        {CNote(kNoteE, 3), true, {"O", "ring"}},
        {CNote(kNoteE, 3), false, {"O"}},
        {CNote(kNoteFSharp, 3), false, {"fill", "label"}},
        {CNote(kNoteGFlat, 3), true, {"fill", "label", "oval"}},
        {CNote(kNoteE, 2), false, {}},  // below the open string
        {CNote(kNoteE, 6), false, {}},  // beyond fret 24
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Mark(ProgramMode::Scale, 2, 2, c.note, c.overlay), c.kinds) << c.note.Format();
    }
}

TEST(NeckMarker, DrawsAtTheNecksGeometry) {
    RecordingCanvas canvas;
    CTuning standard;
    CNeckMarker marker(canvas, standard, ProgramMode::ChordPlotter, 2, 2);
    marker.MarkNote(2, CNote(kNoteC, 4), true);  // string 2 (A3), fret 3
    marker.MarkNote(6, CNote::Muted(), false);
    marker.MarkFret(3, 0, CNote(kNoteD, 4), true);
    marker.MarkFret(3, 12, CNote(kNoteD, 5), false);
    marker.MarkFret(3, 25, CNote(kNoteD, 6), false);
    const std::vector<std::string> expected = {
        "fill 66 155 15 23",
        "drawT 142 61 150 | 25 66 25 33",
        "blend 155 61 150 20 24 33",
        "blend 152 182 -80 50 6 1080",
        "drawT 142 173 37 | 0 268 24 25",
        "drawT 142 89 37 | 24 268 24 25",
        "blend 156 89 37 20 24 25",
        "fill 94 488 15 23",
        "drawT 142 89 483 | 25 99 25 33",
    };
    EXPECT_EQ(canvas.calls, expected);
}

}  // namespace
