#include "util/sort_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CompareCase {
    const char* a;
    const char* b;
    SortType type;
    int order;  // -1 a first, 0 equal, 1 b first
};

int Sign(int value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

TEST(SortRulesTest, CellsCompareByTheirColumnsKind) {
    const std::vector<CompareCase> cases = {
        {"9", "10", SortType::Integer, -1},
        {"10", "9", SortType::Text, -1},
        {"-3", "2", SortType::Integer, -1},
        {"abc", "0", SortType::Integer, 0},
        {"2.5", "10.25", SortType::Real, -1},
        {"2.5", "2.50", SortType::Real, 0},
        {"B", "a", SortType::Text, -1},
        {"a", "a", SortType::Text, 0},
        {"3/14/2005 at 2:05:09 PM", "3/14/2005 at 11:05:09 AM", SortType::Date, 1},
        {"12/31/2004 at 11:59:59 PM", "1/1/2005 at 12:00:00 AM", SortType::Date, -1},
        {"1/2/2005", "1/10/2005", SortType::Date, -1},
        {"", "1/1/1999", SortType::Date, -1},
        {"3/14/2005 AT 2:05:09 pm", "3/14/2005 at 2:05:09 PM", SortType::DateLower, 0},
    };
    const ShortDateFormat monthFirst;
    for (const CompareCase& c : cases) {
        EXPECT_EQ(Sign(CompareCells(c.a, c.b, c.type, monthFirst)), c.order)
            << c.a << " vs " << c.b << " type " << static_cast<int>(c.type);
        EXPECT_EQ(Sign(CompareCells(c.b, c.a, c.type, monthFirst)), -c.order) << c.a;
    }
    ShortDateFormat dayFirst;
    dayFirst.order = ShortDateFormat::DayMonthYear;
    EXPECT_LT(CompareCells("2/1/2005", "1/2/2005", SortType::Date, dayFirst), 0);
}

TEST(SortRulesTest, HeaderClicksPickTheColumnAndFlipTheDirection) {
    CSortState sort;
    EXPECT_EQ(sort.column, -1);
    const std::vector<std::pair<int, bool>> clicks = {{1, true}, {1, false}, {1, true}, {0, true},
                                                      {1, true}, {1, false}, {2, true}};
    for (const auto& [column, ascending] : clicks) {
        sort.HeaderClicked(column);
        EXPECT_EQ(sort.column, column);
        EXPECT_EQ(sort.ascending, ascending);
    }
}

TEST(SortRulesTest, ColumnTypesAndWidths) {
    EXPECT_EQ(ColumnSortType(1, {1}, {2}), SortType::Integer);
    EXPECT_EQ(ColumnSortType(2, {1}, {2}), SortType::Date);
    EXPECT_EQ(ColumnSortType(0, {1}, {2}), SortType::Text);
    EXPECT_EQ(ClampColumnWidth(10, 20), 40);
    EXPECT_EQ(ClampColumnWidth(120, 80), 120);
    EXPECT_EQ(ClampColumnWidth(20, 90), 90);
    EXPECT_EQ(ClampColumnWidth(500, 20), 300);
}

}  // namespace
