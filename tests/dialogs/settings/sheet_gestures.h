#pragma once

// The player's gestures the sheets' tests share.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

// A click of the left mouse button on a button, box or radio.
inline void Click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    // A page just brought forward lays itself out when its posted events run.
    QCoreApplication::sendPostedEvents();
    ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
    // Boxes and radios take clicks on their mark and text only, which sit at the left of a
    // widget the layout may have stretched; buttons anywhere.
    const bool marked = button->inherits("QCheckBox") || button->inherits("QRadioButton");
    const QPoint at = marked ? QPoint(std::min(8, button->width() / 2), button->height() / 2)
                             : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

// Choosing an entry of a drop-down with the keyboard, as the player does: Home, then Down
// until the entry is reached.
inline void Choose(QComboBox* list, const QString& text) {
    ASSERT_NE(list, nullptr);
    const int row = list->findText(text);
    ASSERT_GE(row, 0) << text.toStdString();
    ASSERT_TRUE(list->isEnabled()) << list->objectName().toStdString();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < row; ++i) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    ASSERT_EQ(list->currentIndex(), row);
}

inline QAbstractButton* SheetButton(QWidget* sheet, QDialogButtonBox::StandardButton which) {
    auto* box = sheet->findChild<QDialogButtonBox*>();
    return box != nullptr ? box->button(which) : nullptr;
}

// A click on a row of a report list.
inline void ClickRow(QTreeWidget* list, int row) {
    ASSERT_NE(list, nullptr);
    QCoreApplication::sendPostedEvents();
    QTreeWidgetItem* item = list->topLevelItem(row);
    ASSERT_NE(item, nullptr) << row;
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(item).center());
}

// The row of a report list whose first column reads text, -1 when none does.
inline int RowOf(const QTreeWidget* list, const QString& text) {
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->text(0) == text) {
            return row;
        }
    }
    return -1;
}
