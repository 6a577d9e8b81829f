#include "settings/tips.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(TipsTest, StepsCycleThroughAllTwentyFromTheStoredTip) {
    struct Case {
        int current;
        int next;
        int previous;
    };
    const Case cases[] = {
        {65016, 65017, 65035}, {65035, 65016, 65034}, {65020, 65021, 65019},
        {0, 65016, 65035},     {70000, 65016, 65035},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextTip(c.current), c.next) << c.current;
        EXPECT_EQ(PreviousTip(c.current), c.previous) << c.current;
    }
    // Twenty steps show every tip once and come back to the first one shown.
    std::set<std::string> seen;
    int tip = NextTip(kFirstTipId);
    const int first = tip;
    for (int i = 0; i < kTipCount; ++i) {
        EXPECT_FALSE(TipText(tip).empty()) << tip;
        seen.insert(std::string(TipText(tip)));
        tip = NextTip(tip);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kTipCount));
    EXPECT_EQ(tip, first);
}

TEST(TipsTest, TextsForADesktopAndNoneOutsideTheRange) {
    EXPECT_EQ(TipText(65035), "Don't run with scissors.");
    EXPECT_EQ(TipText(65015), "");
    for (int tip = kFirstTipId; tip <= kLastTipId; ++tip) {
        const std::string text(TipText(tip));
        EXPECT_EQ(text.find("stylus"), std::string::npos) << tip;
        EXPECT_EQ(text.find("PPC"), std::string::npos) << tip;
    }
    EXPECT_NE(std::string(TipText(65020)).find("mouse"), std::string::npos);
    EXPECT_NE(std::string(TipText(65025)).find("computer"), std::string::npos);
}

}  // namespace
