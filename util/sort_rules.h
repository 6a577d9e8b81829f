#pragma once

// How the program's report lists order their rows and size their columns, apart from the
// list widget: cells compare by the kind of their column, a header click picks the column
// and flips the direction, and column widths stay between 40 and 300 pixels.
//
//   CSortState sort;
//   sort.HeaderClicked(2);                                  // column 2, ascending
//   CompareCells("9", "10", SortType::Integer, dates) < 0;  // 9 before 10
//   CompareCells("10", "9", SortType::Text, dates) < 0;     // "10" before "9"

#include <string_view>
#include <vector>

#include "util/display_format.h"

enum class SortType {
    Integer = 0,    // the cells' decimal integer values
    Real = 1,       // their real values
    Text = 2,       // the texts, character by character, case-sensitive
    DateLower = 3,  // as Date, after lower-casing both texts
    Date = 4,       // the dates the texts hold (as DateTimeText writes them)
};

inline constexpr int kMinColumnWidth = 40;
inline constexpr int kMaxColumnWidth = 300;

// Negative when a sorts before b, 0 when they are equal, positive after. Date cells that
// hold no date sort before those that do, and among themselves by text.
int CompareCells(std::string_view a, std::string_view b, SortType type,
                 const ShortDateFormat& dates);

// The column's type for a resort: Integer for an integer column, Date for a date column,
// Text otherwise.
SortType ColumnSortType(int column, const std::vector<int>& integerColumns,
                        const std::vector<int>& dateColumns);

// The larger of the contents' and the header's width, kept to 40..300.
int ClampColumnWidth(int contentsWidth, int headerWidth);

// The column the rows are sorted by and the direction.
struct CSortState {
    int column = -1;
    bool ascending = true;

    // A click on a column header: the same column flips the direction, another column
    // sorts ascending.
    void HeaderClicked(int clicked) {
        ascending = clicked == column ? !ascending : true;
        column = clicked;
    }
};
