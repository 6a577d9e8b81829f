#include "util/sort_rules.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

template <class T>
int Order(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

long long IntegerValue(std::string_view text) {
    const std::string copy(text);
    return std::strtoll(copy.c_str(), nullptr, 10);
}

double RealValue(std::string_view text) {
    const std::string copy(text);
    const double value = std::strtod(copy.c_str(), nullptr);
    // NaN would break the ordering the sort relies on.
    return value == value ? value : 0.0;
}

// "3/14/2005 at 2:05:09 PM" as one number that orders by time; none without three date
// numbers.
std::optional<std::int64_t> DateKey(std::string_view text, const ShortDateFormat& format) {
    std::vector<std::int64_t> numbers;
    for (std::size_t i = 0; i < text.size() && numbers.size() < 6;) {
        if (std::isdigit(static_cast<unsigned char>(text[i])) == 0) {
            ++i;
            continue;
        }
        std::int64_t value = 0;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0; ++i) {
            value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), 99999);
        }
        numbers.push_back(value);
    }
    if (numbers.size() < 3) {
        return std::nullopt;
    }
    std::int64_t year = numbers[2], month = numbers[0], day = numbers[1];
    if (format.order == ShortDateFormat::DayMonthYear) {
        day = numbers[0];
        month = numbers[1];
    } else if (format.order == ShortDateFormat::YearMonthDay) {
        year = numbers[0];
        month = numbers[1];
        day = numbers[2];
    }
    numbers.resize(6, 0);
    std::int64_t hour = numbers[3];
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.find("pm") != std::string::npos) {
        hour = hour % 12 + 12;
    } else if (lower.find("am") != std::string::npos) {
        hour %= 12;
    }
    return ((((year * 13 + month) * 32 + day) * 24 + hour) * 60 + numbers[4]) * 60 + numbers[5];
}

int CompareDates(std::string_view a, std::string_view b, const ShortDateFormat& format) {
    const auto keyA = DateKey(a, format);
    const auto keyB = DateKey(b, format);
    if (keyA && keyB && *keyA != *keyB) {
        return Order(*keyA, *keyB);
    }
    if (keyA.has_value() != keyB.has_value()) {
        return keyA ? 1 : -1;
    }
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

int CompareCells(std::string_view a, std::string_view b, SortType type,
                 const ShortDateFormat& dates) {
    switch (type) {
        case SortType::Integer:
            return Order(IntegerValue(a), IntegerValue(b));
        case SortType::Real:
            return Order(RealValue(a), RealValue(b));
        case SortType::DateLower:
            return CompareDates(Lower(a), Lower(b), dates);
        case SortType::Date:
            return CompareDates(a, b, dates);
        case SortType::Text:
        default: {
            // UTF-8 bytes compare in the order of their characters.
            const int c = a.compare(b);
            return c < 0 ? -1 : (c > 0 ? 1 : 0);
        }
    }
}

SortType ColumnSortType(int column, const std::vector<int>& integerColumns,
                        const std::vector<int>& dateColumns) {
    if (std::find(integerColumns.begin(), integerColumns.end(), column) != integerColumns.end()) {
        return SortType::Integer;
    }
    if (std::find(dateColumns.begin(), dateColumns.end(), column) != dateColumns.end()) {
        return SortType::Date;
    }
    return SortType::Text;
}

int ClampColumnWidth(int contentsWidth, int headerWidth) {
    return std::clamp(std::max(contentsWidth, headerWidth), kMinColumnWidth, kMaxColumnWidth);
}
