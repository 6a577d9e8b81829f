// The pictures the program embeds, checked against the neck geometry the view draws
// with, at every scale, so the artwork and the rules cannot drift apart.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <deque>
#include <string>
#include <utility>

#include "view/neck_geometry.h"

namespace {

constexpr int kScales[] = {1, 2, 3};

QString PicturePath(const QString& name, int scale) {
    return scale == 1 ? QStringLiteral(":/pictures/%1.png").arg(name)
                      : QStringLiteral(":/pictures/%1@%2x.png").arg(name).arg(scale);
}

QImage Load(const QString& name, int scale) {
    return QImage(PicturePath(name, scale)).convertToFormat(QImage::Format_ARGB32);
}

QImage Load(int id, int scale) {
    return Load(QString::number(id), scale);
}

bool IsBlack(QRgb pixel) {
    return (pixel & 0xffffff) == 0 && qAlpha(pixel) == 255;
}
int Brightness(QRgb pixel) {
    return qGray(pixel);
}

struct Expected {
    const char* name;
    int width;
    int height;
};

TEST(Artwork, EveryPictureIsThereAtEachScaleWithItsLogicalSizeScaled) {
    const Expected pictures[] = {
        {"142", kSpriteSheetWidth, kSpriteSheetHeight},
        {"143", kNeckWidth, kNeckHeight},
        {"146", kNeckWidth, kNeckHeight},
        {"144", kNeckWidth, kHeaderRows * kHeaderRowHeight},
        {"145", kNeckWidth, kHeaderRows * kHeaderRowHeight},
        {"151", 6, 100},
        {"152", 6, 100},
        {"155", kIconWidth, kLabelHeight},
        {"193", kIconWidth, kLabelHeight},
        {"156", kIconWidth, kIconHeight},
        {"194", kIconWidth, kIconHeight},
        {"176", 240, 268},
        {"198", 166, 32},
        {"199", 162, 24},
        {"200", 162, 24},
        {"161", 240, 50},
        {"195", 15, 15},
        {"196", 15, 15},
        {"197", 48, 48},
        {"fretquill", 64, 64},
    };
    const char* sixteen[] = {"157",
                             "158",
                             "167",
                             "184",
                             "185",
                             "191",
                             "224",
                             "sound_pack",
                             "sound_pack_loaded",
                             "play",
                             "stop",
                             "new",
                             "edit",
                             "delete",
                             "export",
                             "import",
                             "add_from_favorite",
                             "edit_pattern",
                             "delete_pattern",
                             "move_down",
                             "move_up"};
    std::vector<Expected> all(std::begin(pictures), std::end(pictures));
    for (const char* name : sixteen) {
        all.push_back({name, 16, 16});
    }
    QStringList names;
    for (const Expected& picture : all) {
        names << QString::fromLatin1(picture.name);
        for (int scale : kScales) {
            const QImage image = Load(picture.name, scale);
            SCOPED_TRACE(std::string(picture.name) + " at " + std::to_string(scale) + "x");
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.width(), picture.width * scale);
            EXPECT_EQ(image.height(), picture.height * scale);
        }
    }
    // Nothing embedded that this list (and the generator's README) does not know of.
    const QStringList embedded = QDir(QStringLiteral(":/pictures")).entryList(QDir::Files);
    EXPECT_EQ(embedded.size(), names.size() * 3);
    for (QString file : embedded) {
        file.remove(QRegularExpression(QStringLiteral("(@[23]x)?\\.png$")));
        EXPECT_TRUE(names.contains(file)) << file.toStdString();
    }
    EXPECT_EQ(kHeaderRows * kHeaderRowHeight, 784);
    EXPECT_EQ(HeaderRowOffset(27), (kHeaderRows - 1) * kHeaderRowHeight);
}

// The pixels of a cell that are pure black and enclosed by the plate: the lettering. Black
// reachable from the cell's edge through black is the sheet's see-through background.
std::vector<QPoint> Lettering(const QImage& sheet, const QRect& cell) {
    std::vector<char> outside(static_cast<std::size_t>(cell.width() * cell.height()), 0);
    auto index = [&](int x, int y) {
        return static_cast<std::size_t>((y - cell.top()) * cell.width() + x - cell.left());
    };
    std::deque<QPoint> queue;
    for (int x = cell.left(); x <= cell.right(); ++x) {
        queue.emplace_back(x, cell.top());
        queue.emplace_back(x, cell.bottom());
    }
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        queue.emplace_back(cell.left(), y);
        queue.emplace_back(cell.right(), y);
    }
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        if (!cell.contains(p) || outside[index(p.x(), p.y())] || !IsBlack(sheet.pixel(p))) {
            continue;
        }
        outside[index(p.x(), p.y())] = 1;
        queue.insert(queue.end(),
                     {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
    std::vector<QPoint> letters;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            if (IsBlack(sheet.pixel(x, y)) && !outside[index(x, y)]) {
                letters.emplace_back(x - cell.left(), y - cell.top());
            }
        }
    }
    return letters;
}

TEST(Artwork, LabelLetteringIsCutOutWithinTheBlackFillBehindIt) {
    for (int scale : kScales) {
        const QImage sheet = Load(kPictureNeckLabels, scale);
        ASSERT_FALSE(sheet.isNull());
        EXPECT_TRUE(IsBlack(sheet.pixel(0, 0))) << scale << "x top-left pixel";
        // The view fills (x(s) - 7, y(f) + 5) 15 x 23 black behind a label drawn at
        // (x(s) - 12, y(f)): within the cell that is (5, 5) 15 x 23.
        const QRect fill(5 * scale, 5 * scale, 15 * scale, 23 * scale);
        std::vector<std::vector<QPoint>> seen;
        for (int note = 0; note < 17; ++note) {
            SCOPED_TRACE("note value " + std::to_string(note) + " at " + std::to_string(scale) +
                         "x");
            const SpriteCell cell = LabelCell(note);
            const QRect rect(cell.x * scale, cell.y * scale, kLabelWidth * scale,
                             kLabelHeight * scale);
            const std::vector<QPoint> letters = Lettering(sheet, rect);
            EXPECT_GE(letters.size(), static_cast<std::size_t>(20 * scale * scale));
            for (const QPoint& p : letters) {
                ASSERT_TRUE(fill.contains(p)) << p.x() << "," << p.y();
            }
            // A light plate round the lettering.
            EXPECT_GT(Brightness(sheet.pixel(rect.center())) +
                          Brightness(sheet.pixel(rect.left() + 3 * scale, rect.center().y())),
                      200);
            for (const auto& other : seen) {
                EXPECT_FALSE(other == letters) << "two notes share their lettering";
            }
            seen.push_back(letters);
        }
    }
}

TEST(Artwork, OpenAndMutedIconsFillTheirOwnCellsOnly) {
    for (int scale : kScales) {
        const QImage sheet = Load(kPictureNeckLabels, scale);
        for (const SpriteCell& cell : {kOpenIconCell, kMutedIconCell}) {
            const QRect rect(cell.x * scale, cell.y * scale, kIconWidth * scale,
                             kIconHeight * scale);
            int drawn = 0;
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    drawn += Brightness(sheet.pixel(x, y)) > 90;
                }
            }
            EXPECT_GT(drawn, 40 * scale * scale)
                << cell.x << "," << cell.y << " at " << scale << "x";
            // Nothing spills over the row above or below the icons.
            for (int x = rect.left(); x <= rect.right(); ++x) {
                EXPECT_TRUE(IsBlack(sheet.pixel(x, rect.top() - 1)));
                EXPECT_TRUE(IsBlack(sheet.pixel(x, rect.bottom() + 1)));
            }
        }
    }
}

// Light lettering pixels in the header strip around a string's column of one row.
int HeaderInk(const QImage& strip, int row, int s, int scale) {
    int ink = 0;
    for (int y = row * kHeaderRowHeight * scale;
         y < (row + 1) * kHeaderRowHeight * scale - 3 * scale; ++y) {
        for (int x = (StringX(s) - 12) * scale; x < (StringX(s) + 12) * scale; ++x) {
            ink += Brightness(strip.pixel(x, y)) > 150;
        }
    }
    return ink;
}

TEST(Artwork, HeaderRowsNameEachStringAndTheLastRowIsBlank) {
    for (int scale : kScales) {
        const QImage right = Load(kPictureHeaderRight, scale);
        const QImage left = Load(kPictureHeaderLeft, scale);
        for (int row = 0; row < kHeaderRows; ++row) {
            for (int s = 1; s <= kNeckStrings; ++s) {
                SCOPED_TRACE("row " + std::to_string(row) + " string " + std::to_string(s));
                const int ink = HeaderInk(right, row, s, scale);
                if (row * kHeaderRowHeight == kHeaderBlankRowOffset) {
                    EXPECT_EQ(ink, 0);
                } else {
                    EXPECT_GT(ink, 8 * scale * scale);
                }
                // Left-handed rows name the same strings from the other side.
                const QRect mine((StringX(s) - 13) * scale, row * kHeaderRowHeight * scale,
                                 26 * scale, kHeaderRowHeight * scale);
                const QRect mirror((StringX(kNeckStrings + 1 - s) - 13) * scale, mine.top(),
                                   mine.width(), mine.height());
                EXPECT_EQ(right.copy(mine), left.copy(mirror));
            }
        }
        // Standard tuning (row 0) names its two E strings alike.
        const QRect low((StringX(1) - 13) * scale, 0, 26 * scale, kHeaderRowHeight * scale);
        const QRect high((StringX(6) - 13) * scale, 0, 26 * scale, kHeaderRowHeight * scale);
        EXPECT_EQ(right.copy(low), right.copy(high));
    }
}

// Metal pixels (strings, fret wire) are far brighter than the rosewood around them.
bool IsMetal(QRgb pixel) {
    return Brightness(pixel) > 140;
}

// How many pixels wide string s looks across the middle of fret 2 (no dot there).
int StringWidth(const QImage& board, int s, int scale) {
    const int y = (FretY(2) + kLabelHeight / 2) * scale;
    int width = 0;
    for (int x = (StringX(s) - 6) * scale; x < (StringX(s) + 7) * scale; ++x) {
        width += IsMetal(board.pixel(x, y));
    }
    return width;
}

TEST(Artwork, FretboardsPutStringsWiresAndDotsWhereTheViewDrawsNotes) {
    const int dotted[] = {3, 5, 7, 9, 15, 17, 19, 21};
    for (int scale : kScales) {
        for (int id : {kPictureFretboardRight, kPictureFretboardLeft}) {
            SCOPED_TRACE(std::to_string(id) + " at " + std::to_string(scale) + "x");
            const QImage board = Load(id, scale);
            // Each string runs down the centre pixel of its column, the thick one on the
            // player's bass side.
            for (int s = 1; s <= kNeckStrings; ++s) {
                EXPECT_TRUE(
                    IsMetal(board.pixel(StringX(s) * scale + scale / 2, (FretY(2) + 16) * scale)))
                    << s;
            }
            const int thick = id == kPictureFretboardRight ? 1 : kNeckStrings;
            const int thin = kNeckStrings + 1 - thick;
            EXPECT_GT(StringWidth(board, thick, scale), StringWidth(board, thin, scale));
            // Between strings 1 and 2, fret wire shows only in the gaps between label rows.
            const int x = (StringX(1) + 14) * scale;
            for (int f = 1; f <= kNeckFrets; ++f) {
                bool wire = false;
                for (int y = FretY(f) * scale; y < FretY(f) * scale + kLabelHeight * scale; ++y) {
                    EXPECT_FALSE(IsMetal(board.pixel(x, y))) << "fret " << f << " row " << y;
                }
                for (int y = (FretY(f) + kLabelHeight) * scale; y < (FretY(f) + 37) * scale; ++y) {
                    wire = wire || IsMetal(board.pixel(x, y));
                }
                EXPECT_TRUE(wire) << "no wire below fret " << f;
                // Pearl dots between strings 3 and 4 on the marked frets.
                const QRgb middle =
                    board.pixel((StringX(3) + 14) * scale + scale / 2, (FretY(f) + 16) * scale);
                const bool dot =
                    std::find(std::begin(dotted), std::end(dotted), f) != std::end(dotted);
                EXPECT_EQ(IsMetal(middle), dot) << "fret " << f;
            }
        }
    }
}

TEST(Artwork, NeckPicturesAreOpaqueAndIconsSeeThroughAtTheirCorners) {
    for (int scale : kScales) {
        for (int id : std::initializer_list<int>{kPictureNeckLabels, kPictureFretboardRight,
                                                 kPictureFretboardLeft, kPictureHeaderRight,
                                                 kPictureHeaderLeft, kPictureOpenBar,
                                                 kPictureMutedBar, 176, 198, 199, 200}) {
            EXPECT_FALSE(QImage(PicturePath(QString::number(id), scale)).hasAlphaChannel()) << id;
        }
        for (const char* name : {"play", "stop", "157", "167", "191", "195", "196", "155"}) {
            const QImage icon = Load(name, scale);
            EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << name;
            EXPECT_EQ(qAlpha(icon.pixel(icon.width() - 1, icon.height() - 1)), 0) << name;
            EXPECT_EQ(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2 + scale)), 255) << name;
        }
    }
}

TEST(Artwork, ProgressFrameShowsTheBarThroughItsKeyColour) {
    for (int scale : kScales) {
        const QImage frame = Load(198, scale);
        EXPECT_EQ(frame.pixel(frame.width() / 2, frame.height() / 2), frame.pixel(0, 0));
        EXPECT_NE(frame.pixel(frame.width() / 2, scale), frame.pixel(0, 0));
    }
}

TEST(Artwork, GeneratingAgainGivesTheSameBytes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    run.start(QStringLiteral(FRETQUILL_MAKE_ARTWORK), {folder.path()});
    ASSERT_TRUE(run.waitForFinished(120000));
    ASSERT_EQ(run.exitCode(), 0);
    for (const char* name : {"142", "143", "145", "176", "fretquill", "play"}) {
        for (int scale : kScales) {
            QFile embedded(PicturePath(name, scale));
            const QString fileName =
                QString(PicturePath(name, scale)).remove(QStringLiteral(":/pictures/"));
            QFile again(folder.filePath(fileName));
            ASSERT_TRUE(embedded.open(QIODevice::ReadOnly) && again.open(QIODevice::ReadOnly))
                << name;
            EXPECT_EQ(embedded.readAll(), again.readAll()) << name << " at " << scale << "x";
        }
    }
}

}  // namespace
