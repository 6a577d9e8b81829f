#include "guitar/tuning.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../util/fake_choice_list.h"

namespace {

std::string Notes(const CTuning& t) { return t.ToText(); }

TEST(TuningTest, PredefinedTuningsFollowTheirCodes) {
    struct Case {
        int number;
        const char* text;
    };
    const std::vector<Case> cases = {
        {0, "E3,A3,D4,G4,B4,E5"},   {3, "Eb3,Ab3,Db4,Gb4,Bb4,Eb5"},
        {7, "Db3,Gb3,B3,E4,Ab4,Db5"}, {11, "B2,E3,A3,D4,F#4,B4"},
        {14, "G3,B3,D4,G4,B4,D5"},  {18, "C3,A3,C4,G4,C5,E5"},
        {19, "D3,A3,D4,F#4,B4,E5"}, {20, "C3,G3,C4,G4,A4,E5"},
        {22, "C3,G3,D4,G4,B4,E5"},  {24, "C3,G3,E4,G4,B4,E5"},
        {26, "C3,G3,E4,G4,C5,E5"},
    };
    for (const Case& c : cases) {
        CTuning t(c.number);
        EXPECT_EQ(Notes(t), c.text) << c.number;
        EXPECT_EQ(t.tuningType, c.number);
    }
}

TEST(TuningTest, EveryPredefinedTuningRisesFromStringToStringButOne) {
    // A string tuned above the next higher one is a data fault; only re-entrant tunings
    // (none here) would do that.
    for (int n = 0; n < kPredefinedTuningCount; ++n) {
        CTuning t(n);
        for (int s = 1; s < kStringCount; ++s) {
            const CNote low = t.StringNote(s);
            const CNote high = t.StringNote(s + 1);
            EXPECT_LT(low.octave * 12 + PitchClass(low.note), high.octave * 12 + PitchClass(high.note))
                << CTuning::TuningName(n) << " string " << s;
        }
    }
}

TEST(TuningTest, CodesAndNamesWithCustomFallback) {
    EXPECT_EQ(CTuning::TuningCode(13), "DADGBE");
    EXPECT_EQ(CTuning::TuningName(13), "Drop D");
    EXPECT_EQ(CTuning::TuningCode(27), "CUSTOM");
    EXPECT_EQ(CTuning::TuningName(-1), "Custom Tuning");
}

TEST(TuningTest, HandednessReversesStoredOrder) {
    CTuning t;
    t.SetLeftHanded();
    EXPECT_EQ(t.ToText(), "E5,B4,G4,D4,A3,E3");
    EXPECT_EQ(t.rightHanded, 0);
    t.SetLeftHanded();
    EXPECT_EQ(t.ToText(), "E5,B4,G4,D4,A3,E3");
    EXPECT_TRUE(t.BuildPredefined(13));
    EXPECT_EQ(t.ToText(), "E5,B4,G4,D4,A3,D3");
    EXPECT_EQ(t.rightHanded, 0);
    t.SetRightHanded();
    EXPECT_EQ(t.ToText(), "D3,A3,D4,G4,B4,E5");
    EXPECT_EQ(CTuning::MirrorString(2), 5);
    EXPECT_EQ(CTuning::MirrorString(-1), -1);
}

TEST(TuningTest, BadPredefinedNumberAndShortTextKeepTheStrings) {
    CTuning t;
    EXPECT_FALSE(t.BuildPredefined(30));
    EXPECT_EQ(t.ToText(), "E3,A3,D4,G4,B4,E5");
    EXPECT_EQ(t.tuningType, kCustomTuning);

    CTuning u;
    EXPECT_TRUE(u.FromText("D3,A3,D4,G4,B4,E5"));
    EXPECT_EQ(u.tuningType, kCustomTuning);
    EXPECT_EQ(u.StringNote(1), CNote(kNoteD, 3));
    EXPECT_FALSE(u.FromText("E3,A3,D4"));
    EXPECT_EQ(u.ToText(), "D3,A3,D4,G4,B4,E5");
    EXPECT_TRUE(u.FromText("E3,,A3,D4,G4,B4,X9"));  // runs of commas collapse
    EXPECT_EQ(u.StringNote(6).note, kNoteNone);
}

TEST(TuningTest, CopyResetsVoicesButAssignmentKeepsStrum) {
    CTuning source(5);
    source.channels = {1, 2, 3, 4, 5, 6};
    source.patternPos = 3;
    source.strum = 0;
    source.pickPattern = "6543";
    source.loopPattern = 1;

    const CTuning copy(source);
    EXPECT_EQ(copy.channels[0], -1);
    EXPECT_EQ(copy.patternPos, 0);
    EXPECT_EQ(copy.strum, 0);
    EXPECT_EQ(copy.pickPattern, "6543");
    EXPECT_EQ(copy.tuningType, 5);

    CTuning assigned;
    assigned.strum = 1;
    assigned = source;
    EXPECT_EQ(assigned.channels[5], 6);
    EXPECT_EQ(assigned.patternPos, 3);
    EXPECT_EQ(assigned.strum, 1);
    EXPECT_EQ(assigned.loopPattern, 1);
    EXPECT_EQ(assigned.ToText(), source.ToText());
}

TEST(TuningTest, PositionsOnTheNeck) {
    const CTuning t;
    EXPECT_EQ(t.FretOf(1, CNote(kNoteG, 3)), 3);
    EXPECT_EQ(t.FretOf(1, CNote(kNoteE, 5)), 24);
    EXPECT_EQ(t.FretOf(1, CNote(kNoteF, 5)), -1);
    EXPECT_EQ(t.FretOf(1, CNote(kNoteDFlat, 4)), 9);
    EXPECT_EQ(t.FretOf(1, CNote::Muted()), 0);
    EXPECT_EQ(t.FretOf(7, CNote(kNoteE, 3)), 0);
    EXPECT_EQ(t.NoteAt(1, 5), CNote(kNoteA, 3));
    EXPECT_EQ(t.NoteAt(1, 2).note, kNoteFSharp);  // the neck is always sharp-spelled
    EXPECT_EQ(t.NoteAt(3, -1).note, kNoteMuted);
    EXPECT_EQ(t.NoteAt(-1, 3).note, kNoteNone);
    EXPECT_EQ(t.StringNote(0).note, kNoteNone);
    EXPECT_TRUE(t.IsOpenString(6, CNote(kNoteE, 5)));
    EXPECT_FALSE(t.IsOpenString(6, CNote(kNoteE, 4)));
}

TEST(TuningTest, LowestOnStringIsNamedAsAsked) {
    const CTuning standard;
    const CNote bb = standard.LowestOnString(2, kNoteBFlat);
    EXPECT_EQ(bb.note, kNoteBFlat);
    EXPECT_EQ(bb.octave, 3);
    const CNote cs = standard.LowestOnString(2, kNoteCSharp);
    EXPECT_EQ(cs.note, kNoteCSharp);
    EXPECT_EQ(cs.octave, 4);

    const CTuning dFlat(7);  // the open Db3 string asked for C#
    const CNote open = dFlat.LowestOnString(1, kNoteCSharp);
    EXPECT_EQ(open.note, kNoteCSharp);
    EXPECT_EQ(open.octave, 3);
    EXPECT_EQ(standard.LowestOnString(1, kNoteNone).note, kNoteNone);
}

TEST(TuningTest, FillTuningListOffersThePredefinedCodes) {
    FakeChoiceList list;
    list.Add("stale", 99);
    CTuning::FillTuningList(list, true, 13);
    ASSERT_EQ(list.Count(), kPredefinedTuningCount);
    EXPECT_EQ(list.rows[0].first, "EADGBE");
    EXPECT_EQ(list.ItemValue(26), 26);
    EXPECT_EQ(list.selected, 13);
    CTuning::FillTuningList(list, true, kCustomTuning);
    EXPECT_EQ(list.selected, -1);
}

struct PatternCase {
    const char* pattern;
    int strum;
    int loop;
    std::vector<int> steps;
};

TEST(TuningTest, PatternSteps) {
    const std::vector<PatternCase> cases = {
        {"123456", 0, 0, {1, 2, 3, 4, 5, 6, kStepEnd, kStepEnd}},
        {"1R3r", 0, 0, {1, kStepRest, 3, kStepRest, kStepEnd}},
        {"12", 0, 1, {1, 2, 1, 2, 1}},
        {"123456", 1, 0, {kStepStrum, kStepEnd, kStepEnd}},
        {"123456", 1, 1, {kStepStrum, kStepStrum, kStepStrum}},
        {"", 0, 0, {kStepEnd}},
        {"", 0, 1, {kStepStrum, kStepStrum}},
    };
    for (const PatternCase& c : cases) {
        CTuning t;
        t.pickPattern = c.pattern;
        t.strum = c.strum;
        t.loopPattern = c.loop;
        std::vector<int> steps;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            steps.push_back(t.NextPatternStep());
        }
        EXPECT_EQ(steps, c.steps) << c.pattern << " strum " << c.strum << " loop " << c.loop;
    }
    CTuning strum;
    strum.NextPatternStep();
    EXPECT_EQ(strum.NextPatternStep(), kStepEnd);
    strum.RewindPattern();
    EXPECT_EQ(strum.NextPatternStep(), kStepStrum);
}

TEST(TuningTest, PatternValidation) {
    CTuning t;
    EXPECT_TRUE(CTuning::IsValidPattern(""));
    EXPECT_TRUE(CTuning::IsValidPattern("654321Rr"));
    EXPECT_FALSE(CTuning::IsValidPattern("1237"));
    EXPECT_FALSE(t.SetPickPattern("12 3"));
    EXPECT_EQ(t.pickPattern, "123456");
    EXPECT_TRUE(t.SetPickPattern("6R1"));
    EXPECT_EQ(t.pickPattern, "6R1");
}

}  // namespace
