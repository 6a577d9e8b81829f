#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "library/progression.h"
#include "library/progression_list.h"
#include "recording_note_player.h"
#include "sound/progression_display.h"
#include "sound/progression_editor_player.h"
#include "sound/progression_manager_player.h"
#include "sound/progression_sequencer.h"

namespace {

using Texts = std::vector<std::string>;

// A pattern: its pick text ("" strums), passes, and the strings muted in its chord. Each
// pattern's chord has string 1 tuned to a note of its own, so the sound tells them apart.
struct PatternSpec {
    PatternSpec(std::string pickText, int passes = 1, std::vector<int> mutedStrings = {},
                bool loops = false)
        : pick(std::move(pickText)), times(passes), muted(std::move(mutedStrings)), loop(loops) {}
    std::string pick;
    int times;
    std::vector<int> muted;
    bool loop;
};

const NoteValue kMarks[] = {kNoteC, kNoteD, kNoteE, kNoteF, kNoteG, kNoteA};

void Fill(CProgression& progression, const std::vector<PatternSpec>& specs) {
    for (std::size_t i = 0; i < specs.size(); ++i) {
        auto pattern = std::make_unique<CPattern>();
        pattern->name = "P" + std::to_string(i + 1);
        pattern->chord.SetStringNote(1, kMarks[i % 6], 3);
        for (int s : specs[i].muted) {
            pattern->chord.SetStringNote(s, kNoteMuted, 0);
        }
        pattern->chord.strum = specs[i].pick.empty() ? 1 : 0;
        pattern->chord.pickPattern = specs[i].pick;
        pattern->chord.loopPattern = specs[i].loop ? 1 : 0;
        pattern->NumTimesToPlay = specs[i].times;
        progression.patterns.AddPattern(std::move(pattern), true);
    }
}

class RecordingDisplay : public ProgressionDisplay {
public:
    Texts calls;
    void SelectPatternIndex(int index) override {
        calls.push_back("index:" + std::to_string(index));
    }
    void SelectPatternAt(int index) override { calls.push_back("at:" + std::to_string(index)); }
    void ShowPatternChord(const CChord& chord) override {
        calls.push_back("show:" + chord.StringNote(1).Format());
    }
};

std::string Joined(const Texts& events) {
    if (events.empty()) {
        return "-";
    }
    std::string text;
    for (const std::string& e : events) {
        text += (text.empty() ? "" : " ") + e;
    }
    return text;
}

TEST(ProgressionSequencerTest, PlaysEachPatternOnceFromTheChosenOne) {
    struct Case {
        const char* name;
        std::vector<PatternSpec> patterns;
        int startRow;
        int ticks;
        Texts sounds;   // per slot, Start's first
        Texts display;  // all calls to the bar and view
    };
    const std::vector<Case> cases = {
        {"three patterns from the second: second, third, back to the second",
         {{"1"}, {"12"}, {"1"}},
         1,
         3,
         {"1:D3", "2:A3", "1:E3", "- |"},
         {"index:2", "show:E3", "at:1"}},
        {"the main view ignores NumTimesToPlay",
         {{"1", 3}, {"", 2}},
         0,
         2,
         {"1:C3", "strum", "- |"},
         {"index:1", "show:D3", "at:0"}},
        {"a pattern of muted strings is passed in the same slot",
         {{"1"}, {"66", 1, {6}}, {"R1"}},
         0,
         3,
         {"1:C3", "-", "1:E3", "- |"},
         {"index:1", "show:D3", "index:2", "show:E3", "at:0"}},
        {"a looping pattern holds the progression until Stop",
         {{"1", 1, {}, true}, {"1"}},
         0,
         3,
         {"1:C3", "1:C3", "1:C3", "1:C3"},
         {}},
    };
    for (const Case& c : cases) {
        RecordingNotePlayer player;
        RecordingDisplay display;
        CProgression progression;
        progression.BPM = 180;
        Fill(progression, c.patterns);
        CProgressionSequencer sequencer(player, display);
        const int id = progression.patterns.patterns[static_cast<std::size_t>(c.startRow)]->id;
        sequencer.Start(progression, id, c.startRow);
        EXPECT_EQ(sequencer.PeriodMs(), 333) << c.name;
        Texts sounds = {Joined(player.Take()) + (sequencer.IsPlaying() ? "" : " |")};
        for (int i = 0; i < c.ticks; ++i) {
            const bool playing = sequencer.Tick();
            sounds.push_back(Joined(player.Take()) + (playing ? "" : " |"));
        }
        EXPECT_EQ(sounds, c.sounds) << c.name;
        EXPECT_EQ(display.calls, c.display) << c.name;
    }
}

TEST(ProgressionSequencerTest, PatternsSharingAnIdPlayInTurn) {
    RecordingNotePlayer player;
    RecordingDisplay display;
    CProgression progression;
    Fill(progression, {{"1"}, {"12"}, {"1"}});
    // An edited exchange file: the second pattern carries the first one's id.
    progression.patterns.patterns[1]->id = progression.patterns.patterns[0]->id;
    CProgressionSequencer sequencer(player, display);
    sequencer.Start(progression, progression.patterns.patterns[0]->id, 0);
    Texts sounds = {Joined(player.Take())};
    while (sequencer.Tick()) {
        sounds.push_back(Joined(player.Take()));
    }
    EXPECT_EQ(sounds, (Texts{"1:C3", "1:D3", "2:A3", "1:E3"}));
    EXPECT_EQ(display.calls, (Texts{"index:1", "show:D3", "index:2", "show:E3", "at:0"}));
}

TEST(ProgressionSequencerTest, StopReselectsOnlyWhenAsked) {
    RecordingNotePlayer player;
    RecordingDisplay display;
    CProgression progression;
    Fill(progression, {{"1"}, {"1"}});
    CProgressionSequencer sequencer(player, display);
    sequencer.Start(progression, progression.patterns.patterns[0]->id, 0);
    sequencer.Tick();
    EXPECT_EQ(sequencer.PlayPatternIndex(), 1);
    sequencer.Stop(false);
    EXPECT_FALSE(sequencer.Tick());
    EXPECT_EQ(display.calls, (Texts{"index:1", "show:D3"}));
    sequencer.Stop(true);
    EXPECT_EQ(display.calls.back(), "at:0");
}

TEST(ProgressionSequencerTest, AnUnknownPatternStopsAtOnce) {
    RecordingNotePlayer player;
    RecordingDisplay display;
    CProgression progression;
    Fill(progression, {{"1"}});
    CProgressionSequencer sequencer(player, display);
    sequencer.Start(progression, 99, 0);
    EXPECT_FALSE(sequencer.IsPlaying());
    EXPECT_TRUE(player.Take().empty());
}

TEST(ProgressionEditorPlayerTest, PlaysOneSlotPerBeatWithNumTimesToPlay) {
    struct Case {
        const char* name;
        std::vector<PatternSpec> patterns;
        int startRow;
        Texts sounds;            // one entry per beat (two ticks)
        std::vector<int> marks;  // marked row after each beat
    };
    const std::vector<Case> cases = {
        {"123456 at 120 BPM: a string every 500 ms",
         {{"123"}},
         0,
         {"1:C3", "2:A3", "3:D4", "-"},
         {0, 0, 0, -1}},
        {"from the third row of five",
         {{"1"}, {"1"}, {"1"}, {"1", 2}, {""}},
         2,
         {"1:E3", "1:F3", "1:F3", "strum", "-"},
         {2, 3, 3, 4, -1}},
        {"a pattern of muted strings passed within the slot: the row after it is marked",
         {{"1"}, {"66", 2, {6}}, {"1"}},
         0,
         {"1:C3", "1:E3", "-"},
         {0, 2, -1}},
    };
    for (const Case& c : cases) {
        RecordingNotePlayer player;
        CProgression copy;
        Fill(copy, c.patterns);
        CProgressionEditorPlayer editor(player, copy);
        editor.SetBpm(120);
        EXPECT_EQ(editor.PeriodMs(), 250) << c.name;
        EXPECT_EQ(copy.BPM, 120) << c.name;
        editor.Play(copy.patterns.patterns[static_cast<std::size_t>(c.startRow)]->id, c.startRow);
        Texts sounds;
        std::vector<int> marks;
        for (std::size_t beat = 0; beat < c.sounds.size(); ++beat) {
            EXPECT_TRUE(editor.Tick()) << c.name;  // lit, silent
            EXPECT_TRUE(player.events.empty()) << c.name;
            EXPECT_FALSE(editor.Tick()) << c.name;
            sounds.push_back(Joined(player.Take()));
            marks.push_back(editor.MarkedRow());
        }
        EXPECT_EQ(sounds, c.sounds) << c.name;
        EXPECT_EQ(marks, c.marks) << c.name;
        EXPECT_FALSE(editor.IsPlaying()) << c.name;
    }
}

TEST(ProgressionEditorPlayerTest, StopSilencesAndRewinds) {
    RecordingNotePlayer player;
    CProgression copy;
    Fill(copy, {{"12"}});
    CProgressionEditorPlayer editor(player, copy);
    editor.SetBpm(60);
    EXPECT_EQ(editor.PeriodMs(), 500);
    editor.Play(copy.patterns.patterns[0]->id, 0);
    editor.Tick();
    editor.Tick();
    editor.Stop();
    EXPECT_EQ(player.Take(), (Texts{"1:C3", "stop:-3"}));
    EXPECT_EQ(editor.MarkedRow(), -1);
    editor.Tick();
    editor.Tick();
    EXPECT_TRUE(player.Take().empty());
}

// Plays one beat (two ticks) and gives what sounded.
std::string Beat(CProgressionEditorPlayer& editor, RecordingNotePlayer& player) {
    editor.Tick();
    editor.Tick();
    return Joined(player.Take());
}

TEST(ProgressionEditorPlayerTest, TheMarkFollowsThePatternWhenRowsChangeWhilePlaying) {
    RecordingNotePlayer player;
    CProgression copy;
    Fill(copy, {{"1111"}, {"1111"}, {"1111"}});
    CProgressionEditorPlayer editor(player, copy);
    editor.SetBpm(120);

    // Move up the playing pattern: the rows trade places and playback starts over.
    editor.Play(copy.patterns.patterns[1]->id, 1);
    EXPECT_EQ(Beat(editor, player), "1:D3");
    EXPECT_EQ(editor.MarkedRow(), 1);
    ASSERT_TRUE(copy.patterns.SwapPatterns(1, 0));
    editor.ResetPlayback();
    EXPECT_EQ(Beat(editor, player), "1:D3");  // the moved pattern, now on the first row
    EXPECT_EQ(editor.MarkedRow(), 0);

    // Delete a row above the playing one: the playing row moves up.
    editor.Stop();
    player.Take();
    editor.Play(copy.patterns.patterns[2]->id, 2);
    EXPECT_EQ(Beat(editor, player), "1:E3");
    EXPECT_EQ(editor.MarkedRow(), 2);
    ASSERT_TRUE(copy.patterns.RemovePattern(copy.patterns.patterns[0]->id));
    EXPECT_EQ(Beat(editor, player), "1:E3");
    EXPECT_EQ(editor.MarkedRow(), 1);
}

TEST(ProgressionSequencerTest, StopWithoutPlayReselectsTheStartRowOnlyOnceSet) {
    RecordingNotePlayer player;
    RecordingDisplay display;
    CProgressionSequencer sequencer(player, display);
    sequencer.Stop(true);  // never played, no start row: the bar is left alone
    EXPECT_TRUE(display.calls.empty());
    sequencer.SetPlayStartIndex(0);  // entering Progression mode
    sequencer.Stop(true);
    EXPECT_EQ(display.calls, (Texts{"at:0"}));
}

class ProgressionManagerPlayerTest : public ::testing::Test {
protected:
    CProgression& Add(const std::vector<PatternSpec>& specs, int bpm) {
        CProgression* p = list.CreateProgression(0, "prog" + std::to_string(list.nextId));
        p->BPM = bpm;
        Fill(*p, specs);
        return *p;
    }
    CProgressionList list;
    RecordingNotePlayer player;
};

TEST_F(ProgressionManagerPlayerTest, PlaysTheStoredProgression) {
    CProgression& p = Add({{"1R", 2}}, 100);
    CProgressionManagerPlayer manager(player, list);
    EXPECT_FALSE(manager.Play(42, 0));
    ASSERT_TRUE(manager.Play(p.id, 3));
    EXPECT_EQ(manager.PeriodMs(), 600);
    EXPECT_EQ(manager.MarkedRow(), 3);
    Texts sounds;
    while (manager.Tick()) {
        sounds.push_back(Joined(player.Take()));
    }
    EXPECT_EQ(sounds, (Texts{"1:C3", "-", "1:C3", "-"}));
    EXPECT_FALSE(manager.IsPlaying());
    EXPECT_EQ(manager.MarkedRow(), -1);
}

TEST_F(ProgressionManagerPlayerTest, OnlyMutedStringsEndAtTheFirstTick) {
    CProgression& p = Add({{"66", 1, {6}}, {"6", 3, {6}}}, 120);
    CProgressionManagerPlayer manager(player, list);
    ASSERT_TRUE(manager.Play(p.id, 0));
    EXPECT_FALSE(manager.Tick());
    EXPECT_TRUE(player.Take().empty());
}

TEST_F(ProgressionManagerPlayerTest, StopsWhenThePlayedProgressionIsReplacedOrRemoved) {
    CProgression& p = Add({{"1111"}}, 120);
    CProgressionManagerPlayer manager(player, list);
    ASSERT_TRUE(manager.Play(p.id, 0));
    EXPECT_TRUE(manager.Tick());
    // The editor's OK puts a copy in the stored one's place.
    ASSERT_TRUE(list.ReplaceProgression(p.id, CProgressionList::Clone(p)));
    EXPECT_FALSE(manager.Tick());

    CProgression& q = Add({{"1111"}}, 120);
    ASSERT_TRUE(manager.Play(q.id, 0));
    EXPECT_TRUE(manager.Tick());
    ASSERT_TRUE(list.RemoveProgression(q.id));
    EXPECT_FALSE(manager.Tick());
    EXPECT_EQ(player.Take(), (Texts{"1:C3", "1:C3"}));
}

TEST_F(ProgressionManagerPlayerTest, StopSilencesEverything) {
    CProgression& p = Add({{"11"}}, 120);
    CProgressionManagerPlayer manager(player, list);
    ASSERT_TRUE(manager.Play(p.id, 1));
    manager.Tick();
    manager.Stop();
    EXPECT_FALSE(manager.IsPlaying());
    EXPECT_FALSE(manager.Tick());
    EXPECT_EQ(player.Take(), (Texts{"1:C3", "stop:-3"}));
}

}  // namespace
