#include "util/display_format.h"

#include <langinfo.h>
#include <locale.h>

#include <array>
#include <cstdio>
#include <utility>

#include "util/version_config.h"

namespace {

std::function<ShortDateFormat()>& DateFormatSource() {
    static std::function<ShortDateFormat()> source;
    return source;
}

}  // namespace

ShortDateFormat ShortDateFormatFromPattern(std::string_view pattern) {
    // Expand the composite conversions first, then note the order of day, month and year
    // and the text between the first two.
    std::string expanded;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            const char c = pattern[i + 1];
            if (c == 'D') {
                expanded += "%m/%d/%y";
                ++i;
                continue;
            }
            if (c == 'F') {
                expanded += "%Y-%m-%d";
                ++i;
                continue;
            }
        }
        expanded += pattern[i];
    }

    std::string fields;
    std::string separator;
    size_t afterFirst = std::string::npos;
    for (size_t i = 0; i + 1 < expanded.size(); ++i) {
        if (expanded[i] != '%') {
            continue;
        }
        size_t j = i + 1;
        while (j < expanded.size() && (expanded[j] == 'E' || expanded[j] == 'O' ||
                                       expanded[j] == '-' || expanded[j] == '_' ||
                                       expanded[j] == '0' || expanded[j] == '^' || expanded[j] == '#')) {
            ++j;
        }
        if (j >= expanded.size()) {
            break;
        }
        char field = 0;
        switch (expanded[j]) {
            case 'd': case 'e': field = 'd'; break;
            case 'm': field = 'm'; break;
            case 'y': case 'Y': case 'G': case 'g': field = 'y'; break;
            default: break;
        }
        if (field != 0 && fields.find(field) == std::string::npos) {
            if (fields.size() == 1 && afterFirst != std::string::npos) {
                separator = expanded.substr(afterFirst, i - afterFirst);
            }
            fields += field;
            afterFirst = j + 1;
        }
        i = j;
    }

    ShortDateFormat format;
    if (fields == "dmy") {
        format.order = ShortDateFormat::DayMonthYear;
    } else if (fields == "ymd") {
        format.order = ShortDateFormat::YearMonthDay;
    } else if (fields != "mdy") {
        return format;
    }
    if (!separator.empty()) {
        format.separator = separator;
    }
    return format;
}

ShortDateFormat LocaleShortDateFormat() {
    ShortDateFormat format;
    if (locale_t locale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr))) {
        format = ShortDateFormatFromPattern(nl_langinfo_l(D_FMT, locale));
        freelocale(locale);
    } else if (locale_t fallback = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(nullptr))) {
        format = ShortDateFormatFromPattern(nl_langinfo_l(D_FMT, fallback));
        freelocale(fallback);
    }
    return format;
}

void SetShortDateFormatSource(std::function<ShortDateFormat()> source) {
    DateFormatSource() = std::move(source);
}

std::string DateTimeText(std::time_t when, bool dateOnly) {
    std::tm local{};
    localtime_r(&when, &local);
    const auto& source = DateFormatSource();
    return DateTimeText(local, dateOnly, source ? source() : LocaleShortDateFormat());
}

std::string DateTimeText(const std::tm& local, bool dateOnly, const ShortDateFormat& format) {
    const int year = local.tm_year + 1900;
    const int month = local.tm_mon + 1;
    const int day = local.tm_mday;
    const std::string& sep = format.separator;
    std::string text;
    switch (format.order) {
        case ShortDateFormat::MonthDayYear:
            text = std::to_string(month) + sep + std::to_string(day) + sep + std::to_string(year);
            break;
        case ShortDateFormat::DayMonthYear:
            text = std::to_string(day) + sep + std::to_string(month) + sep + std::to_string(year);
            break;
        case ShortDateFormat::YearMonthDay:
            text = std::to_string(year) + sep + std::to_string(month) + sep + std::to_string(day);
            break;
        default:
            text = std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
            break;
    }
    if (!dateOnly) {
        const int hour = local.tm_hour % 12 == 0 ? 12 : local.tm_hour % 12;
        std::array<char, 32> clock{};
        std::snprintf(clock.data(), clock.size(), " at %d:%02d:%02d %s", hour, local.tm_min,
                      local.tm_sec, local.tm_hour < 12 ? "AM" : "PM");
        text += clock.data();
    }
    return text;
}

std::string SizeText(std::uint32_t bytes) {
    if (bytes > (1u << 20)) {
        return std::to_string(bytes >> 20) + "M";
    }
    if (bytes > 1024u) {
        return std::to_string(bytes >> 10) + "K";
    }
    return std::to_string(bytes);
}

std::string VersionText(bool trim) {
    std::string text = std::to_string(FRETQUILL_VERSION_MAJOR) + "." +
                       std::to_string(FRETQUILL_VERSION_MINOR) + "." +
                       std::to_string(FRETQUILL_VERSION_PATCH) + "." +
                       std::to_string(FRETQUILL_VERSION_TWEAK);
    while (trim && text.size() > 2 && text.ends_with(".0")) {
        text.resize(text.size() - 2);
    }
    return text;
}
