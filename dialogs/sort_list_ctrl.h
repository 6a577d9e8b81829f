#pragma once

// CSortListCtrl: the program's report lists on QTreeWidget: flat rows, one selection of
// whole rows, sorted by a column when its header is clicked (again: the other direction),
// columns sized to their contents within 40..300 pixels, and optionally one row marked as
// playing (drawn in green).
//
//   CSortListCtrl list;
//   list.setHeaderLabels({"Name", "Size"});
//   list.SetIntegerColumns({1});
//   list.SortBy(1, true, SortType::Integer);   // 9 before 10
//   list.AutoSizeColumns();

#include <QColor>
#include <QTreeWidget>
#include <vector>

#include "util/display_format.h"
#include "util/sort_rules.h"

class Prompter;

class CSortListCtrl : public QTreeWidget {
    Q_OBJECT

public:
    explicit CSortListCtrl(QWidget* parent = nullptr);

    int SortColumn() const { return sortState.column; }
    bool SortAscending() const { return sortState.ascending; }
    SortType CurrentSortType() const { return sortType; }
    void SetIntegerColumns(std::vector<int> columns) { integerColumns = std::move(columns); }
    void SetDateColumns(std::vector<int> columns) { dateColumns = std::move(columns); }
    // How date cells are read; the user's locale by default.
    void SetDateFormat(const ShortDateFormat& format) { dates = format; }

    // Sorts every row by the texts of a column and records the column, direction and type.
    void SortBy(int column, bool ascending, SortType type);
    // Sorts again by the recorded column and direction, with the column's own type.
    void Resort();
    // A click on a column header: the same column flips, another one sorts ascending.
    void HeaderClicked(int column);

    void AutoSizeColumn(int column);
    void AutoSizeColumns();
    void DeleteAllColumns();
    // Exchanges two rows whole (texts, icons, data, selection); nothing for a row that
    // does not exist or the same row twice.
    void SwapRows(int a, int b);

    // Odd rows on the stripe colour.
    void SetStriped(bool on, const QColor& stripe = QColor(0xE8, 0xEE, 0xF7));
    bool Striped() const { return striped; }

    // White text on black, as the progression lists show.
    void UseDarkColours();
    // Marks one row as playing (green text), -1 for none; the previous mark goes.
    void MarkPlaying(int row);
    int PlayingRow() const { return playingRow; }

    // The selected row, -1 for none.
    int SelectedRow() const;
    void SelectRow(int row);
    // The text of a cell, "" outside the rows.
    QString CellText(int row, int column) const;

private:
    void RestoreSelection(const QList<QTreeWidgetItem*>& selected, QTreeWidgetItem* current);

    CSortState sortState;
    SortType sortType = SortType::Text;
    std::vector<int> integerColumns;
    std::vector<int> dateColumns;
    ShortDateFormat dates;
    bool striped = false;
    int playingRow = -1;
};

// Asks message 65045 with the row's first cell ("Are you sure you want to delete
// '<name>'?"); Yes removes the row and answers true.
bool DeleteRowAsking(CSortListCtrl& list, int row, Prompter& prompter);

// Enter on a row of the view activates the row (as a double click does) and goes no
// further: it does not also press the dialog's default button.
void MakeEnterActivate(QAbstractItemView* view);
