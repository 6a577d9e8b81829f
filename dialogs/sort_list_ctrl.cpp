#include "dialogs/sort_list_ctrl.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "library/library_file.h"
#include "library/library_messages.h"
#include "util/prompter.h"

namespace {

const QColor kPlayingColour(0, 255, 0);

// The playing row keeps its green text when it is also the selected row.
class CPlayingRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(Qt::ForegroundRole).isValid()) {
            option->palette.setBrush(QPalette::HighlightedText,
                                     option->palette.brush(QPalette::Text));
        }
    }
};

class CEnterActivates : public QObject {
public:
    explicit CEnterActivates(QAbstractItemView* view) : QObject(view), view(view) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == view && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && view->currentIndex().isValid()) {
                emit view->activated(view->currentIndex());
                return true;
            }
        }
        return false;
    }

private:
    QAbstractItemView* view;
};

}  // namespace

void MakeEnterActivate(QAbstractItemView* view) {
    view->installEventFilter(new CEnterActivates(view));
}

CSortListCtrl::CSortListCtrl(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    dates = LocaleShortDateFormat();
    connect(header(), &QHeaderView::sectionClicked, this, &CSortListCtrl::HeaderClicked);
}

void CSortListCtrl::SortBy(int column, bool ascending, SortType type) {
    sortState.column = column;
    sortState.ascending = ascending;
    sortType = type;
    if (column < 0 || column >= columnCount()) {
        return;
    }
    QTreeWidgetItem* current = currentItem();
    QTreeWidgetItem* playing = playingRow >= 0 ? topLevelItem(playingRow) : nullptr;
    const QList<QTreeWidgetItem*> selected = selectedItems();
    QList<QTreeWidgetItem*> rows;
    while (topLevelItemCount() > 0) {
        rows.append(takeTopLevelItem(0));
    }
    std::stable_sort(rows.begin(), rows.end(), [&](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        const int order =
            CompareCells(a->text(column).toStdString(), b->text(column).toStdString(), type, dates);
        return ascending ? order < 0 : order > 0;
    });
    addTopLevelItems(rows);
    RestoreSelection(selected, current);
    playingRow = playing != nullptr ? indexOfTopLevelItem(playing) : -1;
}

void CSortListCtrl::Resort() {
    SortBy(sortState.column, sortState.ascending,
           ColumnSortType(sortState.column, integerColumns, dateColumns));
}

void CSortListCtrl::HeaderClicked(int column) {
    sortState.HeaderClicked(column);
    Resort();
}

void CSortListCtrl::AutoSizeColumn(int column) {
    if (column < 0 || column >= columnCount()) {
        return;
    }
    setUpdatesEnabled(false);
    const int contents = sizeHintForColumn(column);
    const int headerWidth = header()->isHidden() ? 0 : header()->sectionSizeHint(column);
    setColumnWidth(column, ClampColumnWidth(contents, headerWidth));
    setUpdatesEnabled(true);
}

void CSortListCtrl::AutoSizeColumns() {
    for (int column = 0; column < columnCount(); ++column) {
        AutoSizeColumn(column);
    }
}

void CSortListCtrl::DeleteAllColumns() {
    clear();
    setColumnCount(0);
    setHeaderLabels({});
    sortState = CSortState{};
    playingRow = -1;
}

void CSortListCtrl::SwapRows(int a, int b) {
    const int count = topLevelItemCount();
    if (a == b || a < 0 || b < 0 || a >= count || b >= count) {
        return;
    }
    const int low = std::min(a, b);
    const int high = std::max(a, b);
    QTreeWidgetItem* current = currentItem();
    const QList<QTreeWidgetItem*> selected = selectedItems();
    const int wasPlaying = playingRow;
    QTreeWidgetItem* highItem = takeTopLevelItem(high);
    QTreeWidgetItem* lowItem = takeTopLevelItem(low);
    insertTopLevelItem(low, highItem);
    insertTopLevelItem(high, lowItem);
    // Taking the current row out moves the current row (and a single selection) on.
    RestoreSelection(selected, current);
    if (wasPlaying == low) {
        playingRow = high;
    } else if (wasPlaying == high) {
        playingRow = low;
    }
}

void CSortListCtrl::SetStriped(bool on, const QColor& stripe) {
    striped = on;
    QPalette colours = palette();
    colours.setColor(QPalette::AlternateBase, stripe);
    setPalette(colours);
    setAlternatingRowColors(on);
}

void CSortListCtrl::UseDarkColours() {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::black);
    colours.setColor(QPalette::Text, Qt::white);
    // A selection dark enough for the green of the playing row to read on it.
    colours.setColor(QPalette::Highlight, QColor(40, 64, 110));
    colours.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(colours);
    setItemDelegate(new CPlayingRowDelegate(this));
}

void CSortListCtrl::MarkPlaying(int row) {
    const auto paint = [this](int index, bool on) {
        QTreeWidgetItem* item = topLevelItem(index);
        if (item == nullptr) {
            return;
        }
        for (int column = 0; column < columnCount(); ++column) {
            if (on) {
                item->setForeground(column, kPlayingColour);
            } else {
                item->setData(column, Qt::ForegroundRole, QVariant());
            }
        }
    };
    if (playingRow == row) {
        paint(row, true);
        return;
    }
    paint(playingRow, false);
    playingRow = row >= 0 && row < topLevelItemCount() ? row : -1;
    paint(playingRow, true);
}

void CSortListCtrl::RestoreSelection(const QList<QTreeWidgetItem*>& selected,
                                     QTreeWidgetItem* current) {
    clearSelection();
    if (current != nullptr) {
        setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    }
    for (QTreeWidgetItem* item : selected) {
        item->setSelected(true);
    }
}

int CSortListCtrl::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.first());
}

void CSortListCtrl::SelectRow(int row) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (item == nullptr) {
        clearSelection();
        return;
    }
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item);
}

QString CSortListCtrl::CellText(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item != nullptr ? item->text(column) : QString();
}

bool DeleteRowAsking(CSortListCtrl& list, int row, Prompter& prompter) {
    QTreeWidgetItem* item = list.topLevelItem(row);
    if (item == nullptr) {
        return false;
    }
    const std::string question =
        FormatMessage(library_messages::kConfirmDelete, {item->text(0).toStdString()});
    if (prompter.Show(PromptKind::YesNo, kLibraryMessageTitle, question) != PromptAnswer::Yes) {
        return false;
    }
    if (list.PlayingRow() == row) {
        list.MarkPlaying(-1);
    }
    delete item;
    return true;
}
