#include "guitar/tuning_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TuningChoiceTest, NotesAreFoundByPitch) {
    struct Case {
        const char* note;
        int row;
    };
    const std::vector<Case> cases = {
        {"C3", 0},   {"C#3", 1}, {"Db3", 1}, {"E3", 4},  {"A#4", 22},
        {"Bb4", 22}, {"B5", 35}, {"B2", -1}, {"C6", -1}, {"MUTED", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CustomStringNoteRow(CNote::Parse(c.note)), c.row) << c.note;
    }
}

std::array<int, kStringCount> Rows(const char* text) {
    CTuning t;
    t.FromText(text);
    std::array<int, kStringCount> rows{};
    for (int s = 1; s <= kStringCount; ++s) {
        rows[static_cast<std::size_t>(s - 1)] = CustomStringNoteRow(t.StringNote(s));
    }
    return rows;
}

TEST(TuningChoiceTest, ChoicesMakeTheTuning) {
    CTuning standardLeft;
    standardLeft.SetLeftHanded();
    CTuning custom;
    custom.FromText("B2,E3,A3,D4,F#4,C#6");  // the lists can show neither end string
    CTuning dropD(13);

    struct Case {
        const char* what;
        CTuning working;
        TuningChoice choice;
        const char* strings;
        int type;
        int rightHanded;
    };
    TuningChoice untouched;
    TuningChoice left;
    left.rightHanded = false;
    TuningChoice toDropD;
    toDropD.touched = true;
    toDropD.predefined = 13;
    TuningChoice toDropDLeft = toDropD;
    toDropDLeft.rightHanded = false;
    TuningChoice noneChosen;
    noneChosen.touched = true;
    TuningChoice customC;
    customC.touched = true;
    customC.custom = true;
    customC.customRows = Rows("C3,G3,C4,G4,C5,E5");
    TuningChoice customLeft = customC;
    customLeft.rightHanded = false;
    TuningChoice customKeepsUnlisted;
    customKeepsUnlisted.touched = true;
    customKeepsUnlisted.custom = true;
    customKeepsUnlisted.customRows = {-1, 4, 9, 14, 18, -1};

    const std::vector<Case> cases = {
        {"untouched custom survives", custom, untouched, "B2,E3,A3,D4,F#4,C#6", 27, 1},
        {"left reverses", CTuning(), left, "E5,B4,G4,D4,A3,E3", 0, 0},
        {"right reverses back", standardLeft, untouched, "E3,A3,D4,G4,B4,E5", 0, 1},
        {"typical", CTuning(), toDropD, "D3,A3,D4,G4,B4,E5", 13, 1},
        {"typical, left", CTuning(), toDropDLeft, "E5,B4,G4,D4,A3,D3", 13, 0},
        {"typical from a left tuning", standardLeft, toDropD, "D3,A3,D4,G4,B4,E5", 13, 1},
        {"typical, nothing chosen", dropD, noneChosen, "D3,A3,D4,G4,B4,E5", 13, 1},
        {"custom", CTuning(), customC, "C3,G3,C4,G4,C5,E5", 27, 1},
        {"custom lists run low to high", standardLeft, customC, "C3,G3,C4,G4,C5,E5", 27, 1},
        {"custom, left", CTuning(), customLeft, "E5,C5,G4,C4,G3,C3", 27, 0},
        {"custom keeps notes without a row", custom, customKeepsUnlisted, "B2,E3,A3,D4,F#4,C#6", 27,
         1},
    };
    for (const Case& c : cases) {
        CTuning working = c.working;
        working.pickPattern = "1R3";
        working.strum = 0;
        const CTuning result = ApplyTuningChoice(working, c.choice);
        EXPECT_EQ(result.ToText(), c.strings) << c.what;
        EXPECT_EQ(result.tuningType, c.type) << c.what;
        EXPECT_EQ(result.rightHanded, c.rightHanded) << c.what;
        EXPECT_EQ(result.pickPattern, "1R3") << c.what;
        EXPECT_EQ(result.strum, 0) << c.what;
    }
}

}  // namespace
