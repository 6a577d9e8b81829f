#include "library/library_messages.h"

#include <initializer_list>

#include "util/unicode_text.h"

std::string FormatMessage(std::string_view format, std::initializer_list<std::string> args) {
    std::string text;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '%' && i + 1 < format.size()) {
            const char kind = format[i + 1];
            if (kind == '%') {
                text += '%';
                ++i;
                continue;
            }
            if (kind == 's' || kind == 'i') {
                // Names come from the player's files, which may be damaged or edited.
                if (next != args.end()) {
                    text += EscapedText(*next++);
                }
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

std::string TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return "";
    }
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}
