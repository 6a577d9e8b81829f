#include "util/unicode_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(UnicodeTextTest, EscapedTextShowsControlsAndBadBytesAsEscapes) {
    std::string everyControl;
    std::string everyEscape;
    for (int c = 0; c < 0x20; ++c) {
        everyControl += static_cast<char>(c);
        everyEscape += "\\x" + std::string(c < 0x10 ? "0" : "1") + "0123456789abcdef"[c % 16];
    }
    struct Case {
        std::string text;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"MAJOR", "MAJOR"},
        {"a\x07"
         "b",
         "a\\x07b"},
        {std::string("n\0l", 3), "n\\x00l"},
        {"\xff", "\\xff"},
        {everyControl, everyEscape},
        {"\x7f", "\\x7f"},
        {"Caf\xc3\xa9 \xe2\x99\xaf", "Caf\xc3\xa9 \xe2\x99\xaf"},  // other scripts stay
        {"\xef\xbf\xbd", "\xef\xbf\xbd"},                          // a written U+FFFD stays
        {"\xc2\x9b[2J", "\\xc2\\x9b[2J"},                          // a C1 control
        {"\xe2\x99", "\\xe2\\x99"},                                // cut short
        {"\xc0\xaf", "\\xc0\\xaf"},                                // overlong
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},                       // a surrogate
        {"\x1b[31mred", "\\x1b[31mred"},
        {"back\\slash", "back\\slash"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EscapedText(c.text), c.shown) << c.shown;
    }
}

}  // namespace
