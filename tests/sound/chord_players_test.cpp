#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_note_player.h"
#include "sound/chord_sequencer.h"
#include "sound/chord_test_player.h"
#include "sound/pattern_test_player.h"
#include "sound/slot_timing.h"

namespace {

// What each tick sounded, "-" for a silent tick, joined by spaces; "|" once stopped.
using Ticks = std::vector<std::string>;

std::string Joined(const std::vector<std::string>& events) {
    if (events.empty()) {
        return "-";
    }
    std::string text;
    for (const std::string& e : events) {
        text += (text.empty() ? "" : " ") + e;
    }
    return text;
}

CTuning ChordWithMuted(const std::vector<int>& muted) {
    CTuning chord;
    for (int s : muted) {
        chord.SetStringNote(s, kNoteMuted, 0);
    }
    return chord;
}

TEST(SlotTimingTest, ABeatLasts60000MsOverTheTempoRoundedWithinTheTempoRange) {
    struct Case {
        int bpm;
        int slot;
        int half;
    };
    const std::vector<Case> cases = {
        {60, 1000, 500},
        {61, 984, 492},
        {90, 667, 333},
        {100, 600, 300},
        {119, 504, 252},
        {120, 500, 250},
        {179, 335, 167},
        {180, 333, 166},
        {240, 250, 125},
        {300, 200, 100},
        {320, 188, 94},
        // Outside the range the nearest tempo plays (and nothing divides by zero).
        {59, 1000, 500},
        {0, 1000, 500},
        {-5, 1000, 500},
        {321, 188, 94},
        {100000, 188, 94},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SlotMilliseconds(c.bpm), c.slot) << c.bpm;
        EXPECT_EQ(HalfSlotMilliseconds(c.bpm), c.half) << c.bpm;
    }
}

TEST(ChordSequencerTest, EachTickUsesOneSlot) {
    struct Case {
        const char* name;
        std::string pattern;
        std::vector<int> muted;
        bool strum;
        bool loop;
        int ticks;       // Tick() calls after Start
        Ticks expected;  // Start's slot first; "|" after the tick that stopped
    };
    const std::vector<Case> cases = {
        {"five plucks with string 6 muted, stop on the sixth tick",
         "123456",
         {6},
         false,
         false,
         5,
         {"1:E3", "2:A3", "3:D4", "4:G4", "5:B4", "- |"}},
        {"muted strings in the middle cost no slot",
         "1234",
         {2, 3},
         false,
         false,
         2,
         {"1:E3", "4:G4", "- |"}},
        {"rests keep their slot", "1R3r", {}, false, false, 4, {"1:E3", "-", "3:D4", "-", "- |"}},
        {"a looping pattern starts over",
         "12",
         {},
         false,
         true,
         4,
         {"1:E3", "2:A3", "1:E3", "2:A3", "1:E3"}},
        {"strum without loop strums once and stops on that tick",
         "",
         {},
         true,
         false,
         1,
         {"strum |", "- |"}},
        {"strum with loop strums every tick", "", {}, true, true, 2, {"strum", "strum", "strum"}},
        {"a pattern of muted strings ends at once", "66", {6}, false, false, 0, {"- |"}},
        {"a looping pattern of muted strings plays silent slots",
         "6",
         {6},
         false,
         true,
         2,
         {"-", "-", "-"}},
        {"a looping empty pattern strums", "", {}, false, true, 1, {"strum", "strum"}},
    };
    for (const Case& c : cases) {
        RecordingNotePlayer player;
        CChordSequencer sequencer(player);
        CTuning chord = ChordWithMuted(c.muted);
        chord.pickPattern = c.pattern;
        Ticks got;
        sequencer.Start(chord, {.bpm = 120, .strum = c.strum, .loop = c.loop});
        got.push_back(Joined(player.Take()) + (sequencer.IsPlaying() ? "" : " |"));
        for (int i = 0; i < c.ticks; ++i) {
            const bool playing = sequencer.Tick();
            EXPECT_EQ(playing, sequencer.IsPlaying()) << c.name;
            got.push_back(Joined(player.Take()) + (playing ? "" : " |"));
        }
        EXPECT_EQ(got, c.expected) << c.name;
        EXPECT_EQ(sequencer.PeriodMs(), 500) << c.name;
    }
}

TEST(ChordSequencerTest, PlayPreparesTheChord) {
    RecordingNotePlayer player;
    CChordSequencer sequencer(player);
    CTuning chord;
    chord.pickPattern = "321";
    chord.patternPos = 2;
    sequencer.Start(chord, {.bpm = 100, .strum = false, .loop = true});
    EXPECT_EQ(player.Take(), std::vector<std::string>{"3:D4"});  // rewound first
    EXPECT_EQ(chord.loopPattern, 1);
    EXPECT_EQ(chord.strum, 0);
    EXPECT_EQ(sequencer.PeriodMs(), 600);

    sequencer.Start(chord, {.bpm = 100, .strum = true, .loop = false});
    EXPECT_EQ(chord.pickPattern, "");
    EXPECT_EQ(chord.strum, 1);
    EXPECT_FALSE(sequencer.IsPlaying());
}

TEST(ChordSequencerTest, TheNextStepsPlayAChordChangedWhilePlaying) {
    RecordingNotePlayer player;
    CChordSequencer sequencer(player);
    CTuning chord;
    sequencer.Start(chord, {.bpm = 120, .strum = false, .loop = false});
    chord.SetStringNote(2, kNoteB, 3);
    chord.SetStringNote(3, kNoteMuted, 0);
    sequencer.Tick();
    sequencer.Tick();
    EXPECT_EQ(player.Take(), (std::vector<std::string>{"1:E3", "2:B3", "4:G4"}));
    sequencer.Stop();
    EXPECT_FALSE(sequencer.Tick());
    EXPECT_TRUE(player.Take().empty());
}

// The sound settings' chord page: a beat on every second tick, starting with the first.
Ticks RunChordTest(CTuning& tuning, bool loop, int ticks) {
    RecordingNotePlayer player;
    CChordTestPlayer test(player, tuning);
    test.SetBpm(120);
    EXPECT_EQ(test.PeriodMs(), 250);
    test.StartTest(loop);
    Ticks got;
    for (int i = 0; i < ticks; ++i) {
        const bool lit = test.Tick();
        EXPECT_EQ(lit, i % 2 == 0);
        got.push_back(Joined(player.Take()) + (test.IsTesting() ? "" : " |"));
    }
    return got;
}

TEST(ChordTestPlayerTest, SoundsOnEverySecondTick) {
    struct Case {
        const char* name;
        std::string pattern;
        int strum;
        bool loop;
        int ticks;
        Ticks expected;
    };
    const std::vector<Case> cases = {
        {"pick 1R3 without loop",
         "1R3",
         0,
         false,
         8,
         {"1:E3", "-", "-", "-", "3:D4", "-", "- |", "- |"}},
        {"pick 1R3 with loop rests one beat at the end",
         "1R3",
         0,
         true,
         10,
         {"1:E3", "-", "-", "-", "3:D4", "-", "-", "-", "1:E3", "-"}},
        {"strum without loop strums once", "", 1, false, 4, {"strum |", "- |", "- |", "- |"}},
        {"strum with loop strums every beat", "", 1, true, 4, {"strum", "-", "strum", "-"}},
    };
    for (const Case& c : cases) {
        CTuning tuning;
        tuning.pickPattern = c.pattern;
        tuning.strum = c.strum;
        tuning.patternPos = 2;
        EXPECT_EQ(RunChordTest(tuning, c.loop, c.ticks), c.expected) << c.name;
    }
}

TEST(ChordTestPlayerTest, ThePagesLoopBoxDecidesNotTheTuningsLoopFlag) {
    for (bool loop : {false, true}) {
        CTuning tuning;
        tuning.strum = 0;
        tuning.pickPattern = "1R3";
        tuning.loopPattern = 1;
        const Ticks expected =
            loop ? Ticks{"1:E3", "-", "-", "-", "3:D4", "-", "-", "-", "1:E3", "-"}
                 : Ticks{"1:E3", "-", "-", "-", "3:D4", "-", "- |", "- |", "- |", "- |"};
        EXPECT_EQ(RunChordTest(tuning, loop, 10), expected) << loop;
    }
}

TEST(ChordTestPlayerTest, TheLightBlinksWithoutATest) {
    RecordingNotePlayer player;
    CTuning tuning;
    CChordTestPlayer test(player, tuning);
    EXPECT_TRUE(test.Tick());
    EXPECT_FALSE(test.Tick());
    EXPECT_TRUE(test.Tick());
    EXPECT_TRUE(player.Take().empty());
}

TEST(PatternTestPlayerTest, PlaysTheTimesToPlay) {
    struct Case {
        const char* name;
        std::string pattern;
        std::vector<int> muted;
        int times;
        int ticks;
        Ticks expected;
    };
    const std::vector<Case> cases = {
        {"two passes, a step every tick", "12", {}, 2, 5, {"1:E3", "2:A3", "1:E3", "2:A3", "- |"}},
        {"rests take ticks", "R1", {}, 1, 3, {"-", "1:E3", "- |"}},
        {"a pass of muted strings stops the test", "66", {6}, 3, 1, {"- |"}},
        {"muted strings are skipped within the tick", "162", {6}, 1, 3, {"1:E3", "2:A3", "- |"}},
    };
    for (const Case& c : cases) {
        RecordingNotePlayer player;
        CPatternTestPlayer test(player);
        CTuning chord = ChordWithMuted(c.muted);
        chord.pickPattern = c.pattern;
        test.Start(chord, 120, c.times);
        EXPECT_EQ(chord.strum, 0) << c.name;
        EXPECT_EQ(test.PeriodMs(), 250) << c.name;
        Ticks got;
        for (int i = 0; i < c.ticks; ++i) {
            const bool testing = test.Tick();
            got.push_back(Joined(player.Take()) + (testing ? "" : " |"));
        }
        EXPECT_EQ(got, c.expected) << c.name;
        EXPECT_EQ(test.PassesPlayed(), 1) << c.name;  // set back when stopped
    }
}

TEST(PatternTestPlayerTest, ALoopingChordStillPlaysTheTimesToPlay) {
    RecordingNotePlayer player;
    CPatternTestPlayer test(player);
    CTuning chord;  // the main view's chord after a looping Play
    chord.pickPattern = "12";
    chord.loopPattern = 1;
    test.Start(chord, 120, 2);
    Ticks got;
    for (int i = 0; i < 6; ++i) {
        const bool testing = test.Tick();
        got.push_back(Joined(player.Take()) + (testing ? "" : " |"));
    }
    EXPECT_EQ(got, (Ticks{"1:E3", "2:A3", "1:E3", "2:A3", "- |", "- |"}));
    EXPECT_EQ(chord.loopPattern, 1);  // given back when the test stopped

    // Stopped by the player midway, and started twice without a stop in between.
    test.Start(chord, 120, 5);
    test.Start(chord, 120, 5);
    test.Tick();
    test.Stop();
    EXPECT_EQ(chord.loopPattern, 1);
    test.Stop();
    EXPECT_EQ(chord.loopPattern, 1);
}

TEST(PatternTestPlayerTest, TempoOf100TicksEvery300Ms) {
    RecordingNotePlayer player;
    CPatternTestPlayer test(player);
    CTuning chord;
    test.Start(chord, 100, 1);
    EXPECT_EQ(test.PeriodMs(), 300);
    test.Start(chord, 180, 1);
    EXPECT_EQ(test.PeriodMs(), 166);
}

TEST(PatternTestPlayerTest, StrumChosenDuringATestStrumsTheTimesToPlay) {
    RecordingNotePlayer player;
    CPatternTestPlayer test(player);
    CTuning chord;
    test.Start(chord, 120, 2);
    test.SetStrumSelected(true);
    EXPECT_TRUE(test.Tick());
    EXPECT_FALSE(test.Tick());
    EXPECT_EQ(player.Take(), (std::vector<std::string>{"strum", "strum"}));
}

}  // namespace
