#include "dialogs/framed_dialog.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "dialogs/sort_list_ctrl.h"

namespace {

class CountingDialog : public CFramedDialog {
public:
    using CFramedDialog::CFramedDialog;
    bool allow = false;
    int oks = 0;
    int cancels = 0;

protected:
    bool OnOk() override {
        ++oks;
        return allow;
    }
    void OnCancel() override { ++cancels; }
};

QImage GrabBand(CFramedDialog& dialog) {
    dialog.resize(240, 120);
    dialog.show();
    return dialog.TitleBand()->grab().toImage();
}

bool HasColour(const QImage& image, QRect area, QColor colour) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

TEST(FramedDialogTest, TitleBandDrawsTheTitleOverARuleOrOnAGradient) {
    CountingDialog plain("Favorites");
    const QImage band = GrabBand(plain);
    ASSERT_GE(band.height(), kTitleBandHeight + 1);
    EXPECT_EQ(plain.HeaderTitle(), "Favorites");
    for (int x : {0, 120, band.width() - 1}) {
        EXPECT_EQ(band.pixelColor(x, kTitleBandHeight), QColor(Qt::black)) << x;
    }
    EXPECT_TRUE(HasColour(band, QRect(8, 0, 100, kTitleBandHeight), QColor(0, 0, 156)));
    EXPECT_NE(band.pixelColor(2, 12), QColor(0, 0, 156));

    CountingDialog gradient("Tip");
    gradient.SetGradientHeader(true);
    gradient.SetHeaderColours(QColor(0, 0, 255), QColor(255, 255, 255));
    const QImage shaded = GrabBand(gradient);
    EXPECT_EQ(shaded.pixelColor(0, 2), QColor(0, 0, 255));
    const QColor right = shaded.pixelColor(shaded.width() - 1, 2);
    EXPECT_GT(right.red(), 240);
    EXPECT_EQ(right.blue(), 255);
    EXPECT_TRUE(HasColour(shaded, QRect(8, 0, 100, kTitleBandHeight), QColor(Qt::white)));
    EXPECT_NE(shaded.pixelColor(120, kTitleBandHeight), QColor(Qt::black));
}

TEST(FramedDialogTest, OkClosesOnlyWhenTheDialogAgreesAndCancelAlwaysCloses) {
    CountingDialog dialog("Add Favorite");
    dialog.show();
    QPushButton* ok = dialog.Buttons()->button(QDialogButtonBox::Ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.oks, 1);
    EXPECT_TRUE(dialog.isVisible());
    dialog.allow = true;
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.cancels, 1);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

QStringList Column(const CSortListCtrl& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        texts << list.CellText(row, column);
    }
    return texts;
}

TEST(SortListCtrlTest, HeaderClicksSortByTheColumnsKindAndFlip) {
    CSortListCtrl list;
    list.setHeaderLabels({"Name", "Count"});
    list.SetIntegerColumns({1});
    for (const auto& [name, count] :
         std::vector<std::pair<QString, QString>>{{"b", "10"}, {"a", "9"}, {"c", "100"}}) {
        list.addTopLevelItem(new QTreeWidgetItem(QStringList{name, count}));
    }
    list.SelectRow(1);  // "a"
    list.resize(300, 200);
    list.show();
    const auto click = [&list](int column) {
        const QHeaderView* header = list.header();
        const QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    };
    struct Step {
        int column;
        QStringList names;
    };
    const std::vector<Step> steps = {
        {1, {"a", "b", "c"}},  // 9, 10, 100
        {1, {"c", "b", "a"}}, {0, {"a", "b", "c"}}, {0, {"c", "b", "a"}}, {1, {"a", "b", "c"}},
    };
    for (const Step& step : steps) {
        click(step.column);
        EXPECT_EQ(Column(list, 0), step.names) << step.column;
        EXPECT_EQ(list.SortColumn(), step.column);
    }
    EXPECT_EQ(list.CellText(list.SelectedRow(), 0), "a");
    list.SortBy(1, true, SortType::Text);
    EXPECT_EQ(Column(list, 1), (QStringList{"10", "100", "9"}));
}

TEST(SortListCtrlTest, ColumnWidthsStayWithinTheirLimitsAndRowsSwapWhole) {
    CSortListCtrl list;
    list.setHeaderLabels({"A", "Long"});
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"x", QString(200, 'W')}));
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"y", "2"}));
    list.AutoSizeColumns();
    EXPECT_EQ(list.columnWidth(0), kMinColumnWidth);
    EXPECT_EQ(list.columnWidth(1), kMaxColumnWidth);

    list.SelectRow(0);
    list.MarkPlaying(0);
    list.SwapRows(0, 1);
    EXPECT_EQ(Column(list, 0), (QStringList{"y", "x"}));
    EXPECT_EQ(list.SelectedRow(), 1);
    EXPECT_EQ(list.PlayingRow(), 1);
    list.SwapRows(0, 5);
    list.SwapRows(1, 1);
    EXPECT_EQ(Column(list, 0), (QStringList{"y", "x"}));
}

}  // namespace
