#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "music/scale.h"
#include "recording_note_player.h"
#include "sound/scale_sequencer.h"
#include "sound/scale_test_player.h"

namespace {

// E major diatonic, as the program spells it, over three octaves.
const std::vector<std::string> kUp3 = {"E3", "Gb3", "Ab3", "A3", "B3", "Db4", "Eb4", "E4"};

std::vector<std::string> Reversed(std::vector<std::string> v) {
    return {v.rbegin(), v.rend()};
}

std::vector<std::string> Cat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// v without its first n entries.
std::vector<std::string> Drop(std::vector<std::string> v, std::size_t n) {
    return {v.begin() + static_cast<std::ptrdiff_t>(n), v.end()};
}

std::vector<std::string> Notes(const std::vector<std::string>& events) {
    std::vector<std::string> notes;
    for (const std::string& e : events) {
        if (e.rfind("note:", 0) == 0) {
            notes.push_back(e.substr(5));
        }
    }
    return notes;
}

TEST(ScaleSequencerTest, TheFourDirectionsRunAndTurn) {
    using enum LoopDirection;
    struct Case {
        const char* name;
        LoopDirection direction;
        bool loop;
        int maxTicks;  // including Start's tick
        std::vector<std::string> expected;
        bool stillPlaying;
    };
    const std::vector<Case> cases = {
        {"ascending only", kAscending, false, 20, kUp3, false},
        {"ascending, looping, repeats the start note", kAscending, true, 10,
         Cat({kUp3, {"E3", "Gb3"}}), true},
        {"ascending, then descending: 15 notes", kAscendingThenDescending, false, 30,
         Cat({kUp3, Drop(Reversed(kUp3), 1)}), false},
        {"ascending, then descending, looping, turns once", kAscendingThenDescending, true, 17,
         Cat({kUp3, Drop(Reversed(kUp3), 1), {"Gb3", "Ab3"}}), true},
        {"descending only from E4 (the octave below E3 is off the neck)", kDescending, false, 20,
         Reversed(kUp3), false},
        {"descending only, looping, starts again at the start note", kDescending, true, 10,
         Cat({Reversed(kUp3), {"E4", "Eb4"}}), true},
        {"descending, then ascending", kDescendingThenAscending, false, 30,
         Cat({Reversed(kUp3), Drop(kUp3, 1)}), false},
        {"descending, then ascending, looping", kDescendingThenAscending, true, 17,
         Cat({Reversed(kUp3), Drop(kUp3, 1), {"Eb4", "Db4"}}), true},
        {"an unknown direction plays as ascending", static_cast<LoopDirection>(7), false, 20, kUp3,
         false},
    };
    for (const Case& c : cases) {
        RecordingNotePlayer player;
        CScaleSequencer sequencer(player);
        CScale scale;
        ASSERT_TRUE(scale.BuildScale(kScaleMajorDiatonic, CNote(kNoteE, 3)));
        // The placed range of a plot from E3 up to about two octaves.
        const bool started =
            sequencer.Start(scale, CNote(kNoteE, 3), CNote(kNoteE, 5),
                            {.bpm = 120, .direction = c.direction, .loop = c.loop});
        ASSERT_TRUE(started) << c.name;
        int ticks = 1;
        while (ticks < c.maxTicks && sequencer.IsPlaying()) {
            sequencer.Tick();
            ++ticks;
        }
        EXPECT_EQ(Notes(player.Take()), c.expected) << c.name;
        EXPECT_EQ(sequencer.IsPlaying(), c.stillPlaying) << c.name;
        if (!c.stillPlaying) {
            // Stopped on the tick of the last note, not one later.
            EXPECT_EQ(ticks, static_cast<int>(c.expected.size())) << c.name;
        }
    }
}

TEST(ScaleSequencerTest, TheRunMovesAnOctaveToFitThePlacedNotes) {
    using enum LoopDirection;
    struct Case {
        const char* name;
        LoopDirection direction;
        CNote lowest;
        CNote highest;
        bool plays;
        std::string first;
        std::string end;
    };
    const std::vector<Case> cases = {
        {"fits upward", kAscending, CNote(kNoteE, 3), CNote(kNoteE, 4), true, "E3", "E4"},
        {"octave above too high: one lower", kAscending, CNote(kNoteE, 2), CNote(kNoteD, 4), true,
         "E2", "E3"},
        {"one lower is below every placed note: nothing", kAscending, CNote(kNoteE, 3),
         CNote(kNoteD, 4), false, "", ""},
        {"enharmonic end counts as equal", kAscendingThenDescending, CNote(kNoteE, 3),
         CNote(kNoteE, 4), true, "E3", "E4"},
        {"fits downward", kDescending, CNote(kNoteE, 2), CNote(kNoteE, 4), true, "E3", "E2"},
        {"octave below too low: one higher", kDescendingThenAscending, CNote(kNoteE, 3),
         CNote(kNoteE, 4), true, "E4", "E3"},
        {"one higher is above every placed note: nothing", kDescending, CNote(kNoteE, 3),
         CNote(kNoteD, 4), false, "", ""},
    };
    for (const Case& c : cases) {
        RecordingNotePlayer player;
        CScaleSequencer sequencer(player);
        CScale scale;
        scale.BuildScale(kScaleMajorDiatonic, CNote(kNoteE, 3));
        const bool started =
            sequencer.Start(scale, c.lowest, c.highest, {.direction = c.direction});
        EXPECT_EQ(started, c.plays) << c.name;
        EXPECT_EQ(sequencer.IsPlaying(), c.plays) << c.name;
        const std::vector<std::string> notes = Notes(player.Take());
        if (!c.plays) {
            EXPECT_TRUE(notes.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(notes.size(), 1u) << c.name;
        EXPECT_EQ(notes[0], c.first) << c.name;
        EXPECT_EQ(sequencer.ScaleEnd().Format(), c.end) << c.name;
    }
}

TEST(ScaleSequencerTest, APlacedNoteSpelledTheOtherWayCountsAsTheSame) {
    using enum LoopDirection;
    struct Case {
        const char* name;
        LoopDirection direction;
        CNote lowest;
        CNote highest;
        std::string end;
    };
    // Gb major diatonic on Gb3: the run ends on Gb4 (or Gb2), the plot may have placed it
    // as F#; that note is neither higher nor lower, so the run stays where it is.
    const std::vector<Case> cases = {
        {"upward to the highest placed note", kAscending, CNote(kNoteFSharp, 3),
         CNote(kNoteFSharp, 4), "Gb4"},
        {"downward to the lowest placed note", kDescending, CNote(kNoteFSharp, 2),
         CNote(kNoteFSharp, 4), "Gb2"},
    };
    for (const Case& c : cases) {
        RecordingNotePlayer player;
        CScaleSequencer sequencer(player);
        CScale scale;
        ASSERT_TRUE(scale.BuildScale(kScaleMajorDiatonic, CNote(kNoteGFlat, 3)));
        ASSERT_TRUE(sequencer.Start(scale, c.lowest, c.highest, {.direction = c.direction}))
            << c.name;
        EXPECT_EQ(Notes(player.Take()), std::vector<std::string>{"Gb3"}) << c.name;
        EXPECT_EQ(sequencer.ScaleEnd().Format(), c.end) << c.name;
    }
}

TEST(ScaleSequencerTest, AnEmptyScalePlaysNothing) {
    for (int direction = 0; direction <= 3; ++direction) {
        for (bool loop : {false, true}) {
            RecordingNotePlayer player;
            CScaleSequencer sequencer(player);
            CScale scale;  // as a failed build leaves it
            EXPECT_FALSE(
                sequencer.Start(scale, CNote(kNoteE, 3), CNote(kNoteE, 5),
                                {.direction = static_cast<LoopDirection>(direction), .loop = loop}))
                << direction;
            EXPECT_FALSE(sequencer.IsPlaying()) << direction;
            EXPECT_FALSE(sequencer.Tick()) << direction;
            EXPECT_TRUE(player.Take().empty()) << direction;
        }
    }
}

TEST(ScaleSequencerTest, AShiftedRunKeepsItsOctaveThroughTheTurn) {
    RecordingNotePlayer player;
    CScaleSequencer sequencer(player);
    CScale scale;
    scale.BuildScale(kScaleMajorDiatonic, CNote(kNoteE, 4));
    // E5 is off the neck, so the run is E3..E4 and back, all an octave down.
    ASSERT_TRUE(sequencer.Start(scale, CNote(kNoteE, 3), CNote(kNoteD, 5),
                                {.direction = LoopDirection::kAscendingThenDescending}));
    while (sequencer.Tick()) {
    }
    EXPECT_EQ(Notes(player.Take()), Cat({kUp3, Drop(Reversed(kUp3), 1)}));
}

TEST(ScaleSequencerTest, StopSettingSilencesBeforeEachNote) {
    RecordingNotePlayer player;
    CScaleSequencer sequencer(player);
    CScale scale;
    scale.BuildScale(kScaleMinorPentatonic, CNote(kNoteA, 3));
    ASSERT_TRUE(sequencer.Start(
        scale, CNote(kNoteE, 3), CNote(kNoteE, 6),
        {.bpm = 180, .direction = LoopDirection::kAscending, .stopPlayingNote = true}));
    EXPECT_EQ(sequencer.PeriodMs(), 333);
    sequencer.Tick();
    EXPECT_EQ(player.Take(),
              (std::vector<std::string>{"stop:-3", "note:A3", "stop:-3", "note:C4"}));
    sequencer.Stop();
    EXPECT_FALSE(sequencer.Tick());
    EXPECT_TRUE(player.Take().empty());
}

TEST(ScaleTestPlayerTest, PlaysEMajorOnEveryBeat) {
    using enum LoopDirection;
    struct Case {
        const char* name;
        LoopDirection direction;
        bool loop;
        int beats;
        std::vector<std::string> expected;
        bool stillTesting;
    };
    const std::vector<Case> cases = {
        {"ascending only", kAscending, false, 12, kUp3, false},
        {"ascending only, looping", kAscending, true, 10, Cat({kUp3, {"E3", "Gb3"}}), true},
        {"descending only, looping: E4 down to E3, then E4 again", kDescending, true, 10,
         Cat({Reversed(kUp3), {"E4", "Eb4"}}), true},
        {"ascending, then descending", kAscendingThenDescending, false, 20,
         Cat({kUp3, Drop(Reversed(kUp3), 1)}), false},
        {"ascending, then descending, looping", kAscendingThenDescending, true, 17,
         Cat({kUp3, Drop(Reversed(kUp3), 1), {"Gb3", "Ab3"}}), true},
        {"descending, then ascending", kDescendingThenAscending, false, 20,
         Cat({Reversed(kUp3), Drop(kUp3, 1)}), false},
        {"descending, then ascending, looping", kDescendingThenAscending, true, 17,
         Cat({Reversed(kUp3), Drop(kUp3, 1), {"Eb4", "Db4"}}), true},
    };
    for (const Case& c : cases) {
        RecordingNotePlayer player;
        CScaleTestPlayer test(player);
        test.SetBpm(100);
        EXPECT_EQ(test.PeriodMs(), 300);
        test.StartTest(c.direction, c.loop, false);
        for (int i = 0; i < 2 * c.beats; ++i) {
            test.Tick();
        }
        EXPECT_EQ(Notes(player.Take()), c.expected) << c.name;
        EXPECT_EQ(test.IsTesting(), c.stillTesting) << c.name;
    }
}

TEST(ScaleTestPlayerTest, TheLightBlinksAndOnlyBeatsSound) {
    RecordingNotePlayer player;
    CScaleTestPlayer test(player);
    EXPECT_TRUE(test.Tick());
    test.StartTest(LoopDirection::kAscending, false, true);
    EXPECT_FALSE(test.Tick());  // off-beat: silent
    EXPECT_TRUE(player.Take().empty());
    EXPECT_TRUE(test.Tick());
    EXPECT_EQ(player.Take(), (std::vector<std::string>{"stop:-3", "note:E3"}));
}

}  // namespace
