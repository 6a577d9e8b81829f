#include "view/fretquill_view.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "library/pattern.h"
#include "music/chord_identification.h"
#include "music/chord_type.h"
#include "sound/slot_timing.h"
#include "tests/view/view_fakes.h"
#include "view/neck_hit_test.h"

namespace {

constexpr int Id(ViewCommand command) {
    return CommandId(command);
}

std::string StringNote(const CFretquillView& view, int s) {
    return view.Chord()->StringNote(s).Format();
}

TEST(FretquillView, EnteringTheModeShownDoesNothing) {
    for (ProgramMode mode : {ProgramMode::ChordPlotter, ProgramMode::ChordDiscoverer,
                             ProgramMode::Scale, ProgramMode::Mode}) {
        ViewRig rig;
        rig.settings.plotMode = mode;
        rig.settings.strum = 0;  // picked, so the chord plays over several slots
        CFretquillView& view = rig.Start();
        RecordingCanvas canvas;
        view.DrawNeck(canvas);  // a scale run plays within the notes drawn
        view.Command(Id(ViewCommand::Play));
        ASSERT_FALSE(rig.host.timers.empty()) << static_cast<int>(mode);
        const int repaints = rig.host.repaints;
        const int menus = rig.host.menuChanges;
        view.EnterMode(mode);
        EXPECT_EQ(rig.host.repaints, repaints);
        EXPECT_EQ(rig.host.menuChanges, menus);
        EXPECT_TRUE(view.IsPlaying()) << "playback went on";
    }
}

TEST(FretquillView, DiscovererTapsMuteSwapSpellingsAndRestore) {
    ViewRig rig;
    rig.settings.plotMode = ProgramMode::ChordDiscoverer;
    CFretquillView& view = rig.Start();
    struct Step {
        int string, fret;
        const char* note;
    };
    const Step steps[] = {
        {1, 0, "Muted"},  {1, 0, "E3"},                     // the open string mutes and comes back
        {1, 2, "F#3"},    {1, 2, "Gb3"},    {1, 2, "F#3"},  // the same fretted note swaps spelling
        {1, 1, "F3"},     {1, 1, "F3"},                     // a natural note stays
        {1, -1, "Muted"}, {1, -1, "Muted"},                 // the row above the nut mutes
        {2, 3, "C4"},
    };
    for (const Step& step : steps) {
        rig.TapAt(step.string, step.fret);
        EXPECT_EQ(StringNote(view, step.string), step.note) << step.string << "/" << step.fret;
        EXPECT_EQ(rig.controls.chordText, IdentifyChord(view.Chord()->strings));
    }
    EXPECT_EQ(view.Start(), (StartPosition{2, 3}));
    const std::string before = rig.controls.chordText;
    view.Tap(10, 200);  // beside the strings
    EXPECT_EQ(rig.controls.chordText, before);
}

// What a player frets is named as a guitarist reads it, by the root the bass supports.
TEST(FretquillView, DiscovererNamesCommonShapesByTheirRealRoot) {
    struct Case {
        std::array<int, 6> frets;  // strings 1..6; -1 muted, 0 left open
        const char* name;
    };
    const Case cases[] = {
        {{3, 2, 0, 0, 0, 3}, "G"},   {{1, 3, 3, 2, 1, 1}, "F"},  {{-1, 0, 2, 2, 1, 0}, "Am"},
        {{-1, 0, 2, 2, 2, 0}, "A"},  {{0, 2, 0, 1, 0, 0}, "E7"}, {{0, 3, 2, 0, 1, 0}, "C"},
        {{-1, 3, 2, 2, 1, 3}, "C6"}, {{-1, 0, 2, 0, 1, 0}, "Am7"},
    };
    for (const Case& c : cases) {
        ViewRig rig;
        rig.settings.plotMode = ProgramMode::ChordDiscoverer;
        rig.Start();
        for (int s = 1; s <= 6; ++s) {
            if (c.frets[static_cast<size_t>(s - 1)] != 0) {
                rig.TapAt(s, c.frets[static_cast<size_t>(s - 1)]);
            }
        }
        EXPECT_EQ(rig.controls.chordText, c.name);
    }
}

TEST(FretquillView, TapsChangeNothingShownOutsideTheDiscovererAndScales) {
    struct Case {
        ProgramMode mode;
        bool repaints;
    };
    for (const Case c :
         {Case{ProgramMode::ChordPlotter, false}, Case{ProgramMode::Progression, true}}) {
        ViewRig rig;
        rig.progressions.CreateProgression(0, "Blues");
        rig.settings.plotMode = c.mode;
        CFretquillView& view = rig.Start();
        const std::string chord = view.Chord()->ToText();
        const int repaints = rig.host.repaints;
        rig.TapAt(3, 5);
        EXPECT_EQ(view.Chord()->ToText(), chord);
        EXPECT_EQ(rig.host.repaints > repaints, c.repaints);
        EXPECT_EQ(view.Start(), (StartPosition{3, 5}));
    }
}

TEST(FretquillView, ScaleTapsRebuildOnTheTappedNoteOnly) {
    ViewRig rig;
    rig.settings.plotMode = ProgramMode::Scale;
    CFretquillView& view = rig.Start();
    rig.TapAt(2, 5);  // D4
    EXPECT_EQ(rig.bar->SelectedNote(), kNoteD);
    EXPECT_EQ(view.DisplayScale().Notes().front().Format(), "D4");
    EXPECT_EQ(view.PlaybackScale().Notes().front().Format(), "D4");
    rig.TapAt(4, -1);  // above the nut: nothing playable
    EXPECT_EQ(rig.bar->SelectedNote(), kNoteD);
    EXPECT_EQ(view.DisplayScale().Notes().front().Format(), "D4");
    EXPECT_EQ(view.Start(), (StartPosition{4, -1}));
}

TEST(FretquillView, ProgressionModeNeedsProgressionsOfTheTuning) {
    {
        ViewRig rig;
        rig.settings.plotMode = ProgramMode::Scale;
        CFretquillView& view = rig.Start();
        view.Command(Id(ViewCommand::ProgressionMode));
        EXPECT_EQ(view.Mode(), ProgramMode::Scale);
        ASSERT_EQ(rig.prompter.shown.size(), 1u);
        EXPECT_EQ(rig.prompter.shown[0].text, kNoProgressionsMessage);
    }
    {
        ViewRig rig;
        rig.settings.plotMode = ProgramMode::Progression;
        rig.progressions.CreateProgression(5, "Elsewhere");
        CFretquillView& view = rig.Start();
        EXPECT_EQ(view.Mode(), ProgramMode::ChordPlotter);
        EXPECT_EQ(rig.settings.plotMode, ProgramMode::ChordPlotter);
        EXPECT_EQ(rig.controls.shownMode, 0);
    }
}

TEST(FretquillView, PlayStopAndLoopEnablingFollowsPlaybackAndPatterns) {
    ViewRig rig;
    CProgression* empty = rig.progressions.CreateProgression(0, "Empty");
    ASSERT_NE(empty, nullptr);
    CFretquillView& view = rig.Start();
    using S = ViewCommandState;
    auto states = [&] {
        return std::vector<S>{view.CommandState(Id(ViewCommand::Play)),
                              view.CommandState(Id(ViewCommand::Stop)),
                              view.CommandState(Id(ViewCommand::Loop))};
    };
    EXPECT_EQ(states(), (std::vector<S>{{true, false}, {false, false}, {true, false}}));
    view.Command(Id(ViewCommand::Loop));
    view.Command(Id(ViewCommand::Play));
    EXPECT_EQ(rig.host.timers,
              (std::map<int, int>{{100, SlotMilliseconds(rig.settings.chordBpm)}}));
    EXPECT_EQ(states(), (std::vector<S>{{false, false}, {true, false}, {false, true}}));
    view.Command(Id(ViewCommand::Stop));
    EXPECT_TRUE(rig.host.timers.empty());
    EXPECT_EQ(rig.player.events.back(), "stop:-3");
    // A progression without patterns leaves nothing to play, stop or loop.
    view.Command(Id(ViewCommand::ProgressionMode));
    EXPECT_EQ(rig.controls.patterns.Texts(), std::vector<std::string>{kNoPatternsText});
    EXPECT_EQ(states(), (std::vector<S>{{false, false}, {false, false}, {false, false}}));
    view.Command(Id(ViewCommand::Play));
    EXPECT_TRUE(rig.host.timers.empty());
}

TEST(FretquillView, LoopEntriesArePerModeFamily) {
    ViewRig rig;
    CFretquillView& view = rig.Start();
    view.Command(Id(ViewCommand::Loop));  // chord
    view.Command(Id(ViewCommand::Scale));
    EXPECT_FALSE(view.CommandState(Id(ViewCommand::Loop)).checked);
    view.Command(Id(ViewCommand::Loop));
    view.Command(Id(ViewCommand::Mode));
    EXPECT_FALSE(view.CommandState(Id(ViewCommand::Loop)).checked);
    view.Command(Id(ViewCommand::Discoverer));
    EXPECT_TRUE(view.CommandState(Id(ViewCommand::Loop)).checked);
    EXPECT_EQ((std::vector{rig.settings.chordLoop, rig.settings.scaleLoop, rig.settings.modeLoop}),
              (std::vector{1, 1, 0}));
}

TEST(FretquillView, WithoutASoundPackPlayAndStopSayAndStopStillStops) {
    ViewRig rig;
    rig.settings.soundPack.clear();
    CFretquillView& view = rig.Start();
    view.Command(Id(ViewCommand::Play));
    view.Command(Id(ViewCommand::Stop));
    ASSERT_EQ(rig.prompter.shown.size(), 2u);
    EXPECT_EQ(rig.prompter.shown[1].text, kNoSoundPackMessage);
    EXPECT_TRUE(rig.player.events.empty());
    EXPECT_FALSE(view.IsPlaying());
}

TEST(FretquillView, MenuItemsPerMode) {
    struct Case {
        ProgramMode mode;
        bool dynamicShown, progressionMenu, addFavorite, addTo;
        int checked;
    };
    const Case cases[] = {
        {ProgramMode::ChordPlotter, true, true, true, true, Id(ViewCommand::Plotter)},
        {ProgramMode::ChordDiscoverer, false, false, true, false, Id(ViewCommand::Discoverer)},
        {ProgramMode::Scale, false, false, true, false, Id(ViewCommand::Scale)},
        {ProgramMode::Mode, false, false, true, false, Id(ViewCommand::Mode)},
        {ProgramMode::Progression, false, true, false, false, Id(ViewCommand::ProgressionMode)},
    };
    const int modeItems[] = {Id(ViewCommand::Plotter), Id(ViewCommand::Discoverer),
                             Id(ViewCommand::Scale), Id(ViewCommand::Mode),
                             Id(ViewCommand::ProgressionMode)};
    ViewRig rig;
    rig.progressions.CreateProgression(0, "Blues");
    CFretquillView& view = rig.Start();
    for (const Case& c : cases) {
        view.EnterMode(c.mode);
        SCOPED_TRACE(static_cast<int>(c.mode));
        const ViewMenu menu = view.Menu();
        EXPECT_EQ(menu.dynamicItemShown, c.dynamicShown);
        EXPECT_EQ(menu.progressionMenuEnabled, c.progressionMenu);
        EXPECT_EQ(view.CommandState(Id(ViewCommand::AddFavorite)).enabled, c.addFavorite);
        EXPECT_EQ(view.CommandState(Id(ViewCommand::AddToProgression)).enabled, c.addTo);
        EXPECT_EQ(view.CommandState(Id(ViewCommand::ProgressionManager)).enabled, c.addTo);
        for (int item : modeItems) {
            EXPECT_EQ(view.CommandState(item).checked, item == c.checked) << item;
        }
        EXPECT_EQ(rig.settings.plotMode, c.mode);
        EXPECT_EQ(rig.controls.shownMode, static_cast<int>(c.mode));
    }
}

TEST(FretquillView, FavoritesSubmenuListsTheModeAndTuningsFavorites) {
    ViewRig rig;
    rig.settings.plotMode = ProgramMode::Scale;
    for (int i = 0; i < 10; ++i) {
        rig.AddFavorite(ProgramMode::Scale, 0,
                        i == 3 ? "Rock & Roll" : "Scale " + std::to_string(i));
    }
    for (int i = 0; i < 3; ++i) {
        rig.AddFavorite(ProgramMode::Scale, 5, "Other tuning " + std::to_string(i));
    }
    rig.AddFavorite(ProgramMode::Mode, 0, "A mode");
    CFretquillView& view = rig.Start();
    const ViewMenu menu = view.Menu();
    ASSERT_EQ(menu.favorites.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(menu.favorites[i].id, 101 + i);
        EXPECT_TRUE(menu.favorites[i].enabled);
    }
    EXPECT_EQ(menu.favorites[3].text, "Rock && Roll");
    view.EnterMode(ProgramMode::Mode);
    EXPECT_EQ(view.Menu().favorites, (std::vector<FavoriteMenuItem>{{101, "A mode", true}}));
}

TEST(FretquillView, OnlyPlotterFavoritesFromTheDatabaseGreyWithoutIt) {
    struct Case {
        ProgramMode mode;
        int dynamic;
        bool enabledWithout, enabledWith;
    };
    const Case cases[] = {{ProgramMode::ChordPlotter, 0, false, true},
                          {ProgramMode::ChordPlotter, 1, true, true},
                          {ProgramMode::ChordDiscoverer, 0, true, true},
                          {ProgramMode::Scale, 0, true, true},
                          {ProgramMode::Mode, 0, true, true}};
    for (const Case& c : cases) {
        for (int staticChords : {0, 1}) {
            ViewRig rig;
            rig.guitar->staticChords = staticChords;
            rig.settings.plotMode = c.mode;
            rig.AddFavorite(c.mode, 0, "Fav")->chord.dynamic = c.dynamic;
            CFretquillView& view = rig.Start();
            const bool expected = staticChords ? c.enabledWith : c.enabledWithout;
            ASSERT_EQ(view.Menu().favorites.size(), 1u);
            EXPECT_EQ(view.Menu().favorites[0].enabled, expected)
                << static_cast<int>(c.mode) << "/" << c.dynamic;
            EXPECT_EQ(view.CommandState(101).enabled, expected);
        }
    }
}

TEST(FretquillView, AnUnknownFavoriteDoesNothing) {
    ViewRig rig;
    rig.settings.plotMode = ProgramMode::Scale;
    rig.AddFavorite(ProgramMode::Scale, 0, "Only");
    CFretquillView& view = rig.Start();
    const int repaints = rig.host.repaints;
    view.Command(105);
    view.Command(110);
    EXPECT_EQ(rig.host.repaints, repaints);
    EXPECT_TRUE(rig.prompter.shown.empty());
}

TEST(FretquillView, AScaleFavoriteStopsTheRunAndShowsItsScale) {
    for (ProgramMode mode : {ProgramMode::Scale, ProgramMode::Mode}) {
        ViewRig rig;
        rig.settings.plotMode = mode;
        CFavorite* favorite = rig.AddFavorite(mode, 0, "Fav");
        favorite->rootNote = kNoteA;
        favorite->scaleType = 3;
        CFretquillView& view = rig.Start();
        RecordingCanvas canvas;
        view.DrawNeck(canvas);  // places notes, so the run fits
        view.Command(Id(ViewCommand::Play));
        ASSERT_TRUE(view.IsPlaying()) << static_cast<int>(mode);
        view.Command(101);
        EXPECT_FALSE(view.IsPlaying());
        EXPECT_TRUE(rig.host.timers.empty());
        EXPECT_EQ(rig.bar->SelectedNote(), kNoteA);
        EXPECT_EQ(rig.bar->SelectedType(), 3);
        EXPECT_EQ(view.Start(), (StartPosition{1, 0}));
        EXPECT_EQ(view.DisplayScale().Notes().front().Format(), "A3");
    }
}

TEST(FretquillView, ADiscovererFavoriteShowsItsOwnChordAndLeavesDynamic) {
    ViewRig rig;
    rig.guitar->staticChords = 1;
    rig.settings.plotMode = ProgramMode::ChordDiscoverer;
    CFavorite* favorite = rig.AddFavorite(ProgramMode::ChordDiscoverer, 0, "Mine");
    favorite->chord.SetStringNote(1, kNoteMuted, 0);
    favorite->chord.SetStringNote(2, kNoteC, 4);
    favorite->chord.SetStringNote(3, kNoteE, 4);
    favorite->chord.dynamic = 1;
    CFretquillView& view = rig.Start();
    const bool dynamic = rig.settings.IsDynamic();
    view.Command(101);
    EXPECT_EQ(view.Chord()->ToText(), "Muted,C4,E4,G4,B4,E5");
    EXPECT_EQ(rig.controls.chordText, IdentifyChord(view.Chord()->strings));
    EXPECT_EQ(rig.settings.IsDynamic(), dynamic);
}

TEST(FretquillView, ASavedVariationBeyondTheListShowsTheFirst) {
    ViewRig rig;
    rig.guitar->staticChords = 1;
    rig.settings.chordVariant = 20;
    CFretquillView& view = rig.Start();
    EXPECT_EQ(rig.controls.variations.Count(), 6);
    EXPECT_EQ(rig.controls.variations.selected, 0);
    EXPECT_EQ(view.Chord()->variation, 1);
}

TEST(FretquillView, TheBarReachesTheViewOnlyAfterItsChordExists) {
    ViewRig rig;
    rig.Construct();
    rig.bar->NoteChosen();
    rig.bar->TypeChosen();
    rig.bar->VariationChosen();
    rig.bar->PatternChosen();
    EXPECT_EQ(rig.host.repaints, 0);
    rig.view->InitialUpdate();
    ASSERT_NE(rig.view->Chord(), nullptr);
    const int repaints = rig.host.repaints;
    rig.bar->TypeChosen();
    EXPECT_GT(rig.host.repaints, repaints);
}

// The pitch classes a chord sounds are all tones of its type on its root.
void ExpectChordTones(const CFretquillView& view, NoteValue root, int type) {
    std::set<int> tones;
    for (NoteValue tone : ChordTones(root, type)) {
        tones.insert(PitchClass(tone));
    }
    int sounding = 0;
    for (int s = 1; s <= 6; ++s) {
        const CNote note = view.Chord()->StringNote(s);
        if (IsSpelledNote(note.note)) {
            ++sounding;
            EXPECT_TRUE(tones.count(PitchClass(note.note))) << view.Chord()->ToText();
        }
    }
    EXPECT_GE(sounding, 3) << view.Chord()->ToText();
}

TEST(FretquillView, ChordsAreSearchedAgainWhenTuningHandOrSpanChange) {
    ViewRig rig;  // no chord database: every chord is generated
    rig.settings.chordNote = kNoteC;
    rig.settings.chordType = 0;
    CFretquillView& view = rig.Start();
    ExpectChordTones(view, kNoteC, 0);
    // The guitar settings close in Scale mode with another tuning, then Chord Plotter.
    view.EnterMode(ProgramMode::Scale);
    CTuning dropD(13);
    view.GuitarSettingsClosed(dropD, 2, 2);
    view.EnterMode(ProgramMode::ChordPlotter);
    EXPECT_EQ(rig.guitar->tuning.ToText(), dropD.ToText());
    ExpectChordTones(view, kNoteC, 0);
    EXPECT_EQ(view.Chord()->chordTuning.ToText(), dropD.ToText());
    // The same root and type in the other hand.
    CTuning left(13);
    left.SetLeftHanded();
    view.GuitarSettingsClosed(left, 2, 2);
    EXPECT_EQ(rig.guitar->tuning.ToText(), left.ToText());
    EXPECT_EQ(view.Chord()->rightHanded, 0);
    ExpectChordTones(view, kNoteC, 0);
    // A different span.
    rig.settings.chordMaxSpan = 6;
    view.ChordSelectionChanged(kNoteC, 0, 1);
    EXPECT_EQ(rig.guitar->Voicings().MaxSpan(), 6);
}

TEST(FretquillView, GuitarSettingsMirrorTheStartStringAndRedrawTheOtherHand) {
    for (ProgramMode mode :
         {ProgramMode::ChordPlotter, ProgramMode::ChordDiscoverer, ProgramMode::Mode}) {
        ViewRig rig;
        rig.settings.plotMode = mode;
        CFretquillView& view = rig.Start();
        rig.TapAt(2, 5);
        CTuning left;
        left.SetLeftHanded();
        view.GuitarSettingsClosed(left, 2, 2);
        EXPECT_EQ(view.Start(), (StartPosition{5, 5})) << static_cast<int>(mode);
    }
    ViewRig rig;
    rig.settings.plotMode = ProgramMode::Scale;
    CFretquillView& view = rig.Start();
    rig.TapAt(2, 5);
    CTuning left;
    left.SetLeftHanded();
    view.GuitarSettingsClosed(left, 1, 0);
    EXPECT_EQ(view.Start(), (StartPosition{5, 5}));
    EXPECT_EQ(view.DisplayScale().Notes().front().Format(), "D4")
        << "the same note on the mirrored string";
    EXPECT_EQ(view.MutedOverlayType(), 1);
    EXPECT_EQ(rig.settings.openOverlayType, 0);
    RecordingCanvas canvas;
    view.DrawNeck(canvas);
    ASSERT_GE(canvas.calls.size(), 3u);
    EXPECT_EQ(canvas.calls[0], "fill 0 0 230 1000");
    EXPECT_EQ(canvas.calls[1], "draw 146 0 0 | 0 0 230 1000");
    EXPECT_EQ(canvas.calls[2], "draw 145 0 0 | 0 0 230 28");
    EXPECT_FALSE(view.RedrawNeeded());
}

TEST(FretquillView, DrawingPaintsTheBackgroundTheHeaderRowAndScrollsTheChordIntoSight) {
    struct Case {
        int tuningType;
        int headerRow;
    };
    for (const Case c : {Case{0, 0}, Case{13, 364}, Case{27, 756}}) {
        ViewRig rig;
        CTuning tuning(c.tuningType);
        if (c.tuningType == 27) {
            ASSERT_TRUE(tuning.FromText("D3,A3,D4,G4,A4,D5"));
        }
        rig.settings.SetTuning(tuning);
        CFretquillView& view = rig.Start();
        RecordingCanvas canvas;
        view.DrawNeck(canvas);
        EXPECT_EQ(canvas.calls[0], "fill 0 0 230 1000");
        EXPECT_EQ(canvas.calls[2], "draw 144 0 0 | 0 " + std::to_string(c.headerRow) + " 230 28");
    }
    ViewRig rig;
    rig.settings.plotMode = ProgramMode::ChordDiscoverer;
    CFretquillView& view = rig.Start();
    rig.TapAt(1, 12);
    view.EnterMode(ProgramMode::Progression);  // no progressions: stays
    RecordingCanvas canvas;
    view.DrawNeck(canvas);
    EXPECT_TRUE(rig.host.scrolledTo.empty()) << "the discoverer never scrolls";
    CProgression* progression = rig.progressions.CreateProgression(0, "Solo");
    auto pattern = std::make_unique<CPattern>();
    pattern->name = "High";
    pattern->chord.SetStringNote(1, kNoteE, 4);  // fret 12
    progression->patterns.AddPattern(std::move(pattern), true);
    view.EnterMode(ProgramMode::Progression);
    EXPECT_FALSE(view.PatternMissing());
    view.DrawNeck(canvas);
    EXPECT_EQ(rig.host.scrolledTo,
              std::vector<int>{ScrollIntoViewTarget(12, rig.host.clientHeight)});
}

TEST(FretquillView, ASweepSoundsEachStringOnceWhileItRings) {
    for (ProgramMode mode :
         {ProgramMode::ChordPlotter, ProgramMode::ChordDiscoverer, ProgramMode::Scale}) {
        ViewRig rig;
        rig.settings.plotMode = mode;
        CFretquillView& view = rig.Start();
        for (int x : {45, 46, 49, 73, 45}) {
            view.Sweep(x, 300);
        }
        EXPECT_EQ(rig.player.events.size(), mode == ProgramMode::Scale ? 0u : 2u)
            << static_cast<int>(mode);
    }
}

TEST(FretquillView, DamagedSettingsAreKeptWithinRange) {
    struct Case {
        int plotMode, overlay, tempo, direction;
        int wantMode, wantOverlay, wantTempo, wantDirection;
    };
    const Case cases[] = {
        {9, 3, 10, 4, 0, 2, 60, 0},
        {-1, -1, 999, -2, 0, 2, 320, 0},
        {3, 1, 200, 2, 3, 1, 200, 2},
    };
    for (const Case& c : cases) {
        ViewRig rig;
        rig.settings.plotMode = static_cast<ProgramMode>(c.plotMode);
        rig.settings.mutedOverlayType = rig.settings.openOverlayType = c.overlay;
        rig.settings.chordBpm = rig.settings.scaleBpm = rig.settings.progMgrBpm = c.tempo;
        rig.settings.scalePattern = c.direction;
        CFretquillView& view = rig.Start();
        EXPECT_EQ(static_cast<int>(view.Mode()), c.wantMode);
        EXPECT_EQ(view.MutedOverlayType(), c.wantOverlay);
        EXPECT_EQ(view.OpenOverlayType(), c.wantOverlay);
        EXPECT_EQ(
            (std::vector{rig.settings.chordBpm, rig.settings.scaleBpm, rig.settings.progMgrBpm}),
            (std::vector{c.wantTempo, c.wantTempo, c.wantTempo}));
        EXPECT_EQ(rig.settings.scalePattern, c.wantDirection);
    }
}

TEST(FretquillView, TheDynamicToggleSwitchesBetweenSixAndFiftyVariations) {
    ViewRig rig;
    rig.guitar->staticChords = 1;
    CFretquillView& view = rig.Start();
    EXPECT_EQ(view.CommandState(Id(ViewCommand::Dynamic)), (ViewCommandState{true, false}));
    view.Command(Id(ViewCommand::Dynamic));
    EXPECT_EQ(rig.controls.variations.Count(), 50);
    EXPECT_EQ(view.CommandState(Id(ViewCommand::Dynamic)), (ViewCommandState{true, true}));
    EXPECT_EQ(view.Chord()->dynamic, 1);
    view.Command(Id(ViewCommand::Dynamic));
    EXPECT_EQ(rig.controls.variations.Count(), 6);
    view.GuitarSettingsClosed(CTuning(13), 2, 2);
    EXPECT_EQ(view.CommandState(Id(ViewCommand::Dynamic)), (ViewCommandState{false, true}));
}

}  // namespace

namespace {

TEST(FretquillView, AProgressionPlaysFromTheSelectedRowAndGoesBackToItWhenStopped) {
    ViewRig rig;
    CProgression* progression = rig.progressions.CreateProgression(0, "Three");
    progression->BPM = 180;
    for (NoteValue note : {kNoteG, kNoteA, kNoteB}) {
        auto pattern = std::make_unique<CPattern>();
        pattern->name = NoteName(note);
        pattern->chord.SetStringNote(6, note, 5);
        pattern->chord.SetPickPattern("6");
        pattern->chord.strum = 0;
        progression->patterns.AddPattern(std::move(pattern), true);
    }
    rig.settings.plotMode = ProgramMode::Progression;
    CFretquillView& view = rig.Start();
    ASSERT_TRUE(rig.bar->SelectPatternRow(1));
    view.Command(Id(ViewCommand::Play));
    EXPECT_EQ(rig.host.timers, (std::map<int, int>{{100, SlotMilliseconds(180)}}));
    EXPECT_EQ(rig.player.Take(), std::vector<std::string>{"6:A5"});
    view.TimerTick(100);
    EXPECT_EQ(rig.controls.patterns.selected, 2) << "the bar follows the playing pattern";
    EXPECT_EQ(view.Chord()->StringNote(6).Format(), "B5");
    view.Command(Id(ViewCommand::Stop));
    EXPECT_EQ(rig.controls.patterns.selected, 1) << "back to where it started";
    EXPECT_EQ(view.Chord()->StringNote(6).Format(), "A5");
    // Played to its end, it stops by itself.
    view.Command(Id(ViewCommand::Play));
    for (int i = 0; i < 5 && view.IsPlaying(); ++i) {
        view.TimerTick(100);
    }
    EXPECT_FALSE(view.IsPlaying());
    EXPECT_TRUE(rig.host.timers.empty());
    EXPECT_EQ(rig.controls.patterns.selected, 1);
}

}  // namespace
