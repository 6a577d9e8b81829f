#include "library/library_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Names in messages come from the player's files: a damaged one must not put raw control
// bytes or broken UTF-8 into a message box or onto a terminal.
TEST(LibraryMessagesTest, NamesAreFilledInWithControlsAndBadBytesEscaped) {
    struct Case {
        std::string name;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"Blues", "A progression with the name 'Blues' already exists in this tuning."},
        {"Bl\x07ues\xff", "A progression with the name 'Bl\\x07ues\\xff' already exists"},
        {"\x1b[2J", "A progression with the name '\\x1b[2J' already exists"},
        {"Caf\xc3\xa9", "A progression with the name 'Caf\xc3\xa9' already exists"},
    };
    for (const Case& c : cases) {
        const std::string text =
            FormatMessage(library_messages::kProgressionNameInTuning, {c.name});
        EXPECT_EQ(text.find(c.shown), 0u) << text;
    }
    EXPECT_EQ(FormatMessage("%i of %s, 100%%", {"3", "x\ty"}), "3 of x\\x09y, 100%");
}

}  // namespace
