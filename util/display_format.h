#pragma once

// How the program writes dates, sizes and its version for people.

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>

// The user's short-date convention: the order of the three numbers and what separates them.
struct ShortDateFormat {
    enum Order { MonthDayYear = 0, DayMonthYear = 1, YearMonthDay = 2 };
    int order = MonthDayYear;
    std::string separator = "/";
};

// Reads a strftime date pattern such as "%d.%m.%Y" or "%D"; month-day-year with "/" when the
// pattern names no day, month and year.
ShortDateFormat ShortDateFormatFromPattern(std::string_view pattern);

// The convention of the user's locale (LC_TIME from the environment).
ShortDateFormat LocaleShortDateFormat();

// Tests replace where the convention comes from; an empty function restores the locale.
void SetShortDateFormatSource(std::function<ShortDateFormat()> source);

// "3/14/2005 at 2:05:09 PM" in local time; only the date when dateOnly is set.
std::string DateTimeText(std::time_t when, bool dateOnly);
std::string DateTimeText(const std::tm& local, bool dateOnly, const ShortDateFormat& format);

// "1024", "1K", "1M": scaled by whole kilobytes or megabytes, truncating.
std::string SizeText(std::uint32_t bytes);

// The version the build compiled in, "0.1.0.0"; with trim, trailing ".0" parts removed.
std::string VersionText(bool trim);
