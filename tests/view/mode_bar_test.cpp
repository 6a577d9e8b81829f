#include "view/mode_bar.h"

#include <gtest/gtest.h>

#include "tests/view/view_fakes.h"

namespace {

TEST(ModeBar, EachModeStoresItsSelectionsAndRestoresItsOwn) {
    ViewRig rig;
    rig.settings.plotMode = ProgramMode::Scale;
    rig.settings.modeNote = kNoteA;
    rig.settings.modeType = 4;
    CFretquillView& view = rig.Start();
    rig.bar->SelectNote(kNoteD);
    rig.bar->SelectType(3);
    struct Step {
        ProgramMode mode;
        int note, type;
    };
    const Step steps[] = {
        {ProgramMode::Mode, kNoteA, 4},
        {ProgramMode::ChordDiscoverer, kNoteA, 4},  // the hidden lists stay as they were
        {ProgramMode::Scale, kNoteD, 3},
        {ProgramMode::ChordPlotter, kNoteE, 0},
    };
    for (const Step& step : steps) {
        view.EnterMode(step.mode);
        EXPECT_EQ(rig.bar->SelectedNote(), step.note) << static_cast<int>(step.mode);
        EXPECT_EQ(rig.bar->SelectedType(), step.type) << static_cast<int>(step.mode);
    }
    EXPECT_EQ((std::vector{rig.settings.scaleNote, rig.settings.scaleType}),
              (std::vector{kNoteD, 3}));
    EXPECT_EQ((std::vector{rig.settings.modeNote, rig.settings.modeType}),
              (std::vector{kNoteA, 4}));
}

TEST(ModeBar, SelectionsFallBackToTheFirstRow) {
    ViewRig rig;
    rig.settings.chordNote = kNoteCSharp;
    rig.settings.chordType = 99;
    rig.Start();
    CModeBar& bar = *rig.bar;
    EXPECT_EQ(bar.SelectedNote(), kNoteDFlat) << "the enharmonic row";
    EXPECT_EQ(bar.SelectedType(), 0);
    struct Case {
        int note, row;
    };
    for (const Case c : {Case{kNoteGSharp, 0}, Case{kNoteA, 1}, Case{kNoteASharp, 2},
                         Case{kNoteG, 11}, Case{kNoteNone, 0}, Case{kNoteMuted, 0}}) {
        bar.SelectNote(c.note);
        EXPECT_EQ(rig.controls.notes.selected, c.row) << c.note;
    }
}

TEST(ModeBar, VariationListsKeepTheirRowWhenTheyCan) {
    ViewRig rig;
    rig.Start();
    CModeBar& bar = *rig.bar;
    struct Case {
        int fill, select, wantCount, wantRow;
    };
    const Case cases[] = {
        {50, 30, 50, 29}, {60, 0, 50, 29}, {6, 0, 6, 0},   // row 30 is gone with 6
        {0, 4, 6, 3},     {-3, 0, 6, 3},   {6, 51, 6, 3},  // out-of-range v changes nothing
        {6, 9, 6, 0},                                      // beyond the list: the first row
    };
    for (const Case& c : cases) {
        bar.FillVariations(c.fill);
        if (c.select) {
            bar.SelectVariation(c.select);
        }
        EXPECT_EQ(rig.controls.variations.Count(), c.wantCount) << c.fill << "/" << c.select;
        EXPECT_EQ(rig.controls.variations.selected, c.wantRow) << c.fill << "/" << c.select;
    }
}

TEST(ModeBar, ChordTypesRefillWithSymbolsKeepingTheRow) {
    ViewRig rig;
    CFretquillView& view = rig.Start();
    rig.bar->SelectType(14);
    const std::string name = rig.controls.types.rows[14].first;
    rig.settings.showSymbol = 1;
    view.GuitarSettingsClosed(CTuning(), 2, 2);
    EXPECT_EQ(rig.controls.types.selected, 14);
    EXPECT_NE(rig.controls.types.rows[14].first, name);
    EXPECT_EQ(rig.controls.types.rows[14].first, "m7");
}

TEST(ModeBar, PatternsFollowTheChosenProgression) {
    ViewRig rig;
    CProgression* blues = rig.progressions.CreateProgression(0, "Blues");
    rig.progressions.CreateProgression(0, "Empty");
    for (const char* name : {"One", "Four"}) {
        auto pattern = std::make_unique<CPattern>();
        pattern->name = name;
        pattern->chord.SetStringNote(6, name[0] == 'O' ? kNoteG : kNoteA, 5);
        blues->patterns.AddPattern(std::move(pattern), true);
    }
    rig.settings.plotMode = ProgramMode::Progression;
    CFretquillView& view = rig.Start();
    EXPECT_EQ(rig.controls.patterns.Count(), 2);
    EXPECT_EQ(view.Chord()->StringNote(6).Format(), "G5");
    EXPECT_TRUE(rig.bar->SelectPatternRow(1));
    EXPECT_EQ(view.Chord()->StringNote(6).Format(), "A5");
    EXPECT_TRUE(rig.bar->SelectPatternRow(1)) << "already selected";
    EXPECT_FALSE(rig.bar->SelectPatternRow(2));
    rig.controls.progressionList.Select(1);
    rig.bar->ProgressionChosen();
    EXPECT_FALSE(rig.controls.patterns.enabled);
    EXPECT_TRUE(view.PatternMissing());
    EXPECT_EQ(view.Chord()->ToText(), CTuning().ToText());
    // The manager deleted the progression shown: the bar moves on to what is left.
    ASSERT_TRUE(rig.progressions.RemoveProgression(rig.progressions.FindByName("Empty", 0)->id));
    view.ProgressionsChanged();
    EXPECT_EQ(rig.bar->CurrentProgression(), blues);
    EXPECT_FALSE(view.PatternMissing());
}

}  // namespace
