#include "library/pick_pattern_library.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::string>;

struct FillCase {
    std::string stored;
    std::string current;
    Rows rows;
    const char* selected;
};

TEST(PickPatternLibraryTest, FillListsValidTextsSortedOnceAndSelectsTheCurrentPattern) {
    const std::string longText(kMaxPickPatternLength + 1, '1');
    const std::string longest(kMaxPickPatternLength, '2');
    const std::vector<FillCase> cases = {
        {"321,12x,1R1R", "111", {"111", "123456", "1R1R", "321"}, "111"},
        {"", "", {"123456"}, "123456"},
        {"", "  1R  ", {"123456", "1R"}, "1R"},
        {"12,,12,,123456", "12x", {"12", "123456"}, "123456"},
        {"\"1,2\",6", "6", {"123456", "6"}, "6"},
        {longText + "," + longest, longText, {"123456", longest}, "123456"},
    };
    for (const FillCase& c : cases) {
        CPickPatternLibrary library;
        library.Fill(c.stored, c.current);
        EXPECT_EQ(library.Rows(), c.rows) << c.stored;
        EXPECT_EQ(library.SelectedText(), c.selected) << c.stored;
    }
}

TEST(PickPatternLibraryTest, AddFollowsTheButtonRules) {
    CPickPatternLibrary library;
    library.Fill("321", "123456");
    struct Step {
        const char* typed;
        CPickPatternLibrary::AddResult result;
        const char* selected;
    };
    using R = CPickPatternLibrary::AddResult;
    const std::vector<Step> steps = {
        {" 1R3r ", R::Added, "1R3r"}, {"123456", R::Exists, "123456"}, {"321", R::Exists, "321"},
        {"12x", R::Invalid, "321"},   {"1R3r", R::Exists, "1R3r"},     {"", R::Invalid, "1R3r"},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(library.Add(step.typed), step.result) << step.typed;
        EXPECT_EQ(library.SelectedText(), step.selected) << step.typed;
    }
    EXPECT_EQ(library.Rows(), (Rows{"123456", "1R3r", "321"}));
    EXPECT_EQ(library.Add(std::string(kMaxPickPatternLength + 1, '3')), R::Invalid);
    EXPECT_TRUE(CPickPatternLibrary::CanAdd(" 1 "));
    EXPECT_FALSE(CPickPatternLibrary::CanAdd("   "));
}

TEST(PickPatternLibraryTest, TheBuiltInPatternCannotBeDeletedAndOthersGoAtOnce) {
    CPickPatternLibrary library;
    library.Fill("321,1R", "123456");
    EXPECT_FALSE(library.CanDelete());
    EXPECT_FALSE(library.DeleteSelected());
    ASSERT_TRUE(library.FindAndSelect("321"));
    EXPECT_TRUE(library.DeleteSelected());
    EXPECT_EQ(library.Selected(), -1);
    EXPECT_FALSE(library.CanDelete());
    EXPECT_EQ(library.Joined(), "123456,1R");
}

struct WriteBackCase {
    const char* name;
    const char* current;
    const char* deleteRow;  // nullptr: delete nothing
    const char* patterns;
    const char* currentAfter;
};

TEST(PickPatternLibraryTest, WriteBackStoresTheRowsAndADeletedCurrentPatternBecomesTheBuiltIn) {
    const std::vector<WriteBackCase> cases = {
        {"unchanged", "321", nullptr, "123456,1R,321", "321"},
        {"other deleted", "321", "1R", "123456,321", "321"},
        {"current deleted", "321", "321", "123456,1R", "123456"},
        {"invalid current", "32x", nullptr, "123456,1R,321", "123456"},
    };
    for (const WriteBackCase& c : cases) {
        CPickPatternLibrary library;
        library.Fill("321,1R,1R", c.current);
        if (c.deleteRow != nullptr) {
            ASSERT_TRUE(library.FindAndSelect(c.deleteRow)) << c.name;
            ASSERT_TRUE(library.DeleteSelected()) << c.name;
        }
        std::string patterns = "old";
        std::string current = c.current;
        EXPECT_TRUE(library.WriteBack(patterns, current)) << c.name;
        EXPECT_EQ(patterns, c.patterns) << c.name;
        EXPECT_EQ(current, c.currentAfter) << c.name;
    }
}

TEST(PickPatternLibraryTest, AListNeverFilledWritesNothingAndTakesNothing) {
    CPickPatternLibrary library;
    EXPECT_FALSE(library.FindAndSelect("123456"));
    EXPECT_FALSE(library.AddToLibrary("12"));
    std::string patterns = "321,1R";
    std::string current = "1R";
    EXPECT_FALSE(library.WriteBack(patterns, current));
    EXPECT_EQ(patterns, "321,1R");
    EXPECT_EQ(current, "1R");
}

}  // namespace
