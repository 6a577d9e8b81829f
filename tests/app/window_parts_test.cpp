// The window's drawing and menu parts on their own: the canvas over the back buffer at each
// zoom, and the run-time menu items the frame keeps by pointer.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "app/main_frame.h"
#include "app/main_menus.h"
#include "app/painter_canvas.h"
#include "app/picture_set.h"
#include "view/neck_geometry.h"

namespace {

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xffffff;
}

TEST(PainterCanvas, LogicalPixelsBecomeZoomSquaresAndNothingLandsOutsideItsPlace) {
    for (const int zoom : {1, 2, 3, 4}) {
        SCOPED_TRACE(zoom);
        CPictureSet pictures(zoom);
        QImage buffer(kNeckWidth * zoom, kNeckHeight * zoom, QImage::Format_RGB32);
        buffer.fill(0x123456);
        {
            CPainterCanvas canvas(buffer, pictures);
            canvas.Fill(10, 20, 15, 23, 0xff0000);
            // Cells and rectangles reaching past the picture copy only what is inside it.
            canvas.Draw(kPictureOpenBar, 100, 100, {4, 0, 10, 5});
            // A picture that does not exist draws nothing.
            canvas.Draw(9999, 0, 0, {0, 0, 50, 50});
            canvas.Fill(300, 300, 5, 5, 0x00ff00);
        }
        // The fill covers exactly its logical rectangle at the zoom.
        EXPECT_EQ(At(buffer, 10 * zoom, 20 * zoom), 0xff0000u);
        EXPECT_EQ(At(buffer, 25 * zoom - 1, 43 * zoom - 1), 0xff0000u);
        EXPECT_EQ(At(buffer, 25 * zoom, 20 * zoom), 0x123456u);
        EXPECT_EQ(At(buffer, 10 * zoom, 43 * zoom), 0x123456u);
        EXPECT_EQ(At(buffer, 10 * zoom - 1, 20 * zoom), 0x123456u);
        // Columns 4 and 5 of the 6-wide bar, no more.
        EXPECT_NE(At(buffer, 100 * zoom, 100 * zoom), 0x123456u);
        EXPECT_NE(At(buffer, 102 * zoom - 1, 105 * zoom - 1), 0x123456u);
        EXPECT_EQ(At(buffer, 102 * zoom, 100 * zoom), 0x123456u);
        EXPECT_EQ(At(buffer, 100 * zoom, 105 * zoom), 0x123456u);
        EXPECT_EQ(At(buffer, 0, 0), 0x123456u);
    }
}

TEST(PainterCanvas, TransparentDrawingLeavesTheTopLeftColourOutAndBlendMixesHalfAndHalf) {
    for (const int zoom : {1, 2}) {
        SCOPED_TRACE(zoom);
        CPictureSet pictures(zoom);
        const CPictureSet::Picture* sheet = pictures.Get(kPictureNeckLabels);
        const CPictureSet::Picture* bar = pictures.Get(kPictureMutedBar);
        ASSERT_NE(sheet, nullptr);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(sheet->scale, zoom);
        QImage buffer(kNeckWidth * zoom, kNeckHeight * zoom, QImage::Format_RGB32);
        buffer.fill(0x3080c0);
        {
            CPainterCanvas canvas(buffer, pictures);
            canvas.DrawTransparent(kPictureNeckLabels, 0, 0, {0, 0, kSpriteSheetWidth, 40});
            canvas.Blend(kPictureMutedBar, 200, 0, 50, 6, 1080);
        }
        int kept = 0;
        int drawn = 0;
        for (int y = 0; y < 40 * zoom; ++y) {
            for (int x = 0; x < kSpriteSheetWidth * zoom; ++x) {
                const QRgb sprite = sheet->image.pixel(x, y) & 0xffffff;
                if (sprite == 0) {
                    ASSERT_EQ(At(buffer, x, y), 0x3080c0u) << x << "," << y;
                    ++kept;
                } else {
                    ASSERT_EQ(At(buffer, x, y), sprite) << x << "," << y;
                    ++drawn;
                }
            }
        }
        EXPECT_GT(kept, 0);
        EXPECT_GT(drawn, 0);
        // Stretched over the whole neck's height, half the bar's colour and half the old.
        const QRgb barColour = bar->image.pixel(bar->image.width() / 2, bar->image.height() / 2);
        const QRgb mixed = buffer.pixel(203 * zoom, 500 * zoom);
        EXPECT_NEAR(qRed(mixed), (qRed(barColour) + 0x30) / 2, 3);
        EXPECT_NEAR(qGreen(mixed), (qGreen(barColour) + 0x80) / 2, 3);
        EXPECT_NEAR(qBlue(mixed), (qBlue(barColour) + 0xc0) / 2, 3);
        EXPECT_NE(At(buffer, 200 * zoom, (kNeckHeight - 1) * zoom), 0x3080c0u);
    }
}

TEST(MainMenus, FavoritesGoAboveTheSeparatorAndTheDynamicItemComesAndGoes) {
    CPictureSet pictures(1);
    CMainFrame frame(pictures);
    CMainMenus& menus = frame.Menus();
    const auto menuTexts = [](QMenu* menu) {
        QStringList shown;
        for (QAction* action : menu->actions()) {
            if (action->isVisible()) {
                shown.append(action->isSeparator() ? QStringLiteral("-") : action->text());
            }
        }
        return shown;
    };
    EXPECT_EQ(menuTexts(menus.toolsMenu),
              (QStringList{"&Favorites", "Progression", "-", "Guitar settings..."}));
    menus.ShowDynamicItem(true);
    EXPECT_EQ(menuTexts(menus.toolsMenu),
              (QStringList{"Dynamic Chord Generation", "-", "&Favorites", "Progression", "-",
                           "Guitar settings..."}));
    menus.ShowDynamicItem(false);
    EXPECT_EQ(menuTexts(menus.toolsMenu).first(), "&Favorites");

    menus.SetFavorites({{101, "Drop D && friends", true}, {104, "Jazz", false}});
    menus.SetFavorites({{102, "Open G", true}, {101, "Drop D && friends", false}});
    EXPECT_EQ(menuTexts(menus.favoritesMenu),
              (QStringList{"Open G", "Drop D && friends", "-", "Add...", "Organize..."}));
    EXPECT_EQ(menus.Actions(101).size(), 1);
    EXPECT_FALSE(menus.Actions(101).first()->isEnabled());

    // A favorite chosen reaches the window's command handler with its id.
    int chosen = 0;
    frame.command = [&chosen](int id) { chosen = id; };
    menus.favoritesMenu->actions().first()->trigger();
    EXPECT_EQ(chosen, 102);
    // Play and Stop of the menu and the tool bar are one command each.
    EXPECT_EQ(menus.Actions(kCommandPlay).size(), 2);
    EXPECT_EQ(menus.Actions(kCommandStop).size(), 2);
    menus.toolStop->trigger();
    EXPECT_EQ(chosen, kCommandStop);
}

}  // namespace
