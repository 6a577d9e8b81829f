#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "guitar/tuning.h"
#include "tests/guitar/archive_bytes.h"
#include "util/object_archive.h"

namespace {

TEST(TuningArchiveTest, StoredFormIsByteExactInStoredStringOrder) {
    struct Case {
        const char* what;
        CTuning tuning;
        Bytes bytes;
    };
    CTuning standard;
    CTuning dropDLeft(13);
    dropDLeft.SetLeftHanded();
    dropDLeft.pickPattern = "1R3";
    dropDLeft.loopPattern = 1;
    dropDLeft.strum = 0;
    CTuning custom;
    ASSERT_TRUE(custom.FromText("C3,G3,D4,G4,A4,D5"));
    const std::vector<Case> cases = {
        {"standard", standard,
         TuningBytes({{kNoteE, 3}, {kNoteA, 3}, {kNoteD, 4}, {kNoteG, 4}, {kNoteB, 4}, {kNoteE, 5}},
                     0, 0, 1, "123456", 1)},
        {"left-handed drop D, picked and looping", dropDLeft,
         TuningBytes({{kNoteE, 5}, {kNoteB, 4}, {kNoteG, 4}, {kNoteD, 4}, {kNoteA, 3}, {kNoteD, 3}},
                     13, 1, 0, "1R3", 0)},
        {"custom", custom,
         TuningBytes({{kNoteC, 3}, {kNoteG, 3}, {kNoteD, 4}, {kNoteG, 4}, {kNoteA, 4}, {kNoteD, 5}},
                     27, 0, 1, "123456", 1)},
    };
    for (const Case& c : cases) {
        CTuning tuning = c.tuning;
        tuning.channels.fill(4);  // voices and the pattern position are not stored
        tuning.patternPos = 2;
        Bytes bytes;
        ASSERT_TRUE(StoreToBytes(tuning, bytes)) << c.what;
        EXPECT_EQ(bytes, c.bytes) << c.what;

        // Loading into a tuning in another state restores every stored field and clears
        // the rest.
        CTuning back(5);
        back.channels.fill(3);
        back.patternPos = 4;
        back.strum = 7;
        ASSERT_TRUE(LoadFromBytes(back, bytes)) << c.what;
        EXPECT_EQ(back.ToText(), c.tuning.ToText()) << c.what;
        EXPECT_EQ(back.tuningType, c.tuning.tuningType) << c.what;
        EXPECT_EQ(back.rightHanded, c.tuning.rightHanded) << c.what;
        EXPECT_EQ(back.pickPattern, c.tuning.pickPattern) << c.what;
        EXPECT_EQ(back.loopPattern, c.tuning.loopPattern) << c.what;
        EXPECT_EQ(back.strum, c.tuning.strum) << c.what;
        EXPECT_EQ(back.patternPos, 0) << c.what;
        for (const int channel : back.channels) {
            EXPECT_EQ(channel, -1) << c.what;
        }
        Bytes again;
        ASSERT_TRUE(StoreToBytes(back, again));
        EXPECT_EQ(again, bytes) << c.what;
    }
}

TEST(TuningArchiveTest, ImpossibleStringValuesAndTruncationFailWithTheirOffset) {
    CTuning tuning;
    Bytes good;
    ASSERT_TRUE(StoreToBytes(tuning, good));
    struct Case {
        const char* what;
        std::size_t at;  // where the value is patched in
        std::int32_t value;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"note 20 on string 3", 16, 20, "string 3 has the note value 20"},
        {"note -2 on string 1", 0, -2, "string 1 has the note value -2"},
        {"octave 100 on string 6", 44, 100, "string 6 has the octave 100"},
        {"octave -100 on string 2", 12, -100, "string 2 has the octave -100"},
    };
    for (const Case& c : cases) {
        Bytes bad = good;
        const Bytes value = Int(c.value);
        std::copy(value.begin(), value.end(), bad.begin() + static_cast<std::ptrdiff_t>(c.at));
        CTuning back;
        const Result<> result = LoadFromBytes(back, bad);
        EXPECT_FALSE(result) << c.what;
        EXPECT_NE(result.Message().find(c.message), std::string::npos) << result.Message();
        EXPECT_EQ(result.Error().offset, c.at) << c.what;
    }
    // Rests, no-note and muted strings are values a stored chord can hold.
    for (const int note : {kNoteMuted, kNoteNone, kNoteRest}) {
        CTuning odd;
        odd.SetStringNote(2, note, 0);
        Bytes bytes;
        ASSERT_TRUE(StoreToBytes(odd, bytes));
        CTuning back;
        EXPECT_TRUE(LoadFromBytes(back, bytes)) << note;
        EXPECT_EQ(back.StringNote(2).note, note);
    }
    for (std::size_t size = 0; size < good.size(); ++size) {
        CTuning back;
        const Result<> result =
            LoadFromBytes(back, std::span<const std::uint8_t>(good.data(), size));
        EXPECT_FALSE(result) << size;
        EXPECT_LE(result.Error().offset.value(), size) << size;
    }
}

}  // namespace
