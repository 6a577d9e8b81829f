#include "util/display_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/version_config.h"

namespace {

std::tm At(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(DisplayFormatTest, DateTimeText) {
    const ShortDateFormat us{ShortDateFormat::MonthDayYear, "/"};
    const ShortDateFormat de{ShortDateFormat::DayMonthYear, "."};
    const ShortDateFormat iso{ShortDateFormat::YearMonthDay, "-"};
    const ShortDateFormat odd{7, "~"};
    struct Case {
        std::tm when;
        bool dateOnly;
        ShortDateFormat format;
        const char* text;
    };
    const std::vector<Case> cases = {
        {At(2005, 3, 14, 14, 5, 9), false, us, "3/14/2005 at 2:05:09 PM"},
        {At(2005, 3, 14, 0, 0, 0), false, us, "3/14/2005 at 12:00:00 AM"},
        {At(2005, 3, 14, 12, 0, 0), false, us, "3/14/2005 at 12:00:00 PM"},
        {At(2005, 3, 14, 11, 59, 59), false, us, "3/14/2005 at 11:59:59 AM"},
        {At(2005, 3, 4, 23, 1, 2), true, de, "4.3.2005"},
        {At(2026, 12, 9, 7, 0, 0), true, iso, "2026-12-9"},
        {At(2026, 12, 9, 7, 0, 0), true, odd, "12/9/2026"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateTimeText(c.when, c.dateOnly, c.format), c.text);
    }
}

TEST(DisplayFormatTest, ShortDateFormatFromLocalePatterns) {
    struct Case {
        const char* pattern;
        int order;
        const char* separator;
    };
    const std::vector<Case> cases = {
        {"%m/%d/%y", ShortDateFormat::MonthDayYear, "/"},
        {"%D", ShortDateFormat::MonthDayYear, "/"},
        {"%d.%m.%Y", ShortDateFormat::DayMonthYear, "."},
        {"%d/%m/%Y", ShortDateFormat::DayMonthYear, "/"},
        {"%F", ShortDateFormat::YearMonthDay, "-"},
        {"%Y年%m月%d日", ShortDateFormat::YearMonthDay, "年"},
        {"%e-%m-%Y", ShortDateFormat::DayMonthYear, "-"},
        {"", ShortDateFormat::MonthDayYear, "/"},
        {"%H:%M", ShortDateFormat::MonthDayYear, "/"},
    };
    for (const Case& c : cases) {
        const ShortDateFormat f = ShortDateFormatFromPattern(c.pattern);
        EXPECT_EQ(f.order, c.order) << c.pattern;
        EXPECT_EQ(f.separator, c.separator) << c.pattern;
    }
}

TEST(DisplayFormatTest, DateTimeTextUsesTheReplaceableSource) {
    SetShortDateFormatSource([] { return ShortDateFormat{ShortDateFormat::YearMonthDay, "."}; });
    std::tm local = At(2024, 2, 29, 9, 8, 7);
    const std::time_t when = std::mktime(&local);
    EXPECT_EQ(DateTimeText(when, false), "2024.2.29 at 9:08:07 AM");
    SetShortDateFormatSource({});
}

TEST(DisplayFormatTest, SizeText) {
    const std::vector<std::pair<std::uint32_t, const char*>> cases = {
        {0, "0"}, {1024, "1024"}, {1025, "1K"}, {1048576, "1024K"}, {1572864, "1M"},
        {4294967295u, "4095M"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(SizeText(bytes), text) << bytes;
    }
}

TEST(DisplayFormatTest, VersionTextIsTheBuildVersion) {
    const std::string full = std::to_string(FRETQUILL_VERSION_MAJOR) + "." +
                             std::to_string(FRETQUILL_VERSION_MINOR) + "." +
                             std::to_string(FRETQUILL_VERSION_PATCH) + ".0";
    EXPECT_EQ(VersionText(false), full);
    const std::string trimmed = VersionText(true);
    EXPECT_FALSE(trimmed.ends_with(".0"));
    EXPECT_EQ(full.rfind(trimmed, 0), 0u);
}

}  // namespace
