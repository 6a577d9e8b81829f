#include "view/neck_hit_test.h"

#include <gtest/gtest.h>

#include "view/about_text.h"

namespace {

TEST(NeckHitTest, TapColumnsAndFretRowsEndWhereTheNeckSays) {
    struct Case {
        int x, y;
        NeckHit hit;
    };
    const Case cases[] = {
        {30, 50, {-1, 0}},  {31, 50, {1, 0}},      {58, 50, {1, 0}},   {59, 50, {2, 0}},
        {170, 50, {5, 0}},  {171, 50, {6, 0}},     {199, 50, {6, 0}},  {200, 50, {-1, 0}},
        {45, 36, {1, -1}},  {45, 37, {1, 0}},      {45, 76, {1, 0}},   {45, 77, {1, 1}},
        {45, 113, {1, 1}},  {45, 114, {1, 2}},     {45, 150, {1, 2}},  {45, 151, {1, 3}},
        {45, 927, {1, 23}}, {45, 928, {1, 24}},    {45, 964, {1, 24}}, {45, 965, {1, -1}},
        {-5, -5, {-1, -1}}, {500, 2000, {-1, -1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HitTest(c.x, c.y), c.hit) << c.x << "," << c.y;
    }
}

TEST(NeckHitTest, SweepsSoundOnlyOnTheStringLinesBetweenNutAndLastFret) {
    struct Case {
        int x, y, string;
    };
    const Case cases[] = {
        {41, 100, -1}, {42, 100, 1},  {48, 100, 1},  {49, 100, -1}, {70, 100, 2},  {76, 100, 2},
        {101, 100, 3}, {129, 100, 4}, {160, 100, 5}, {182, 100, 6}, {188, 100, 6}, {189, 100, -1},
        {45, 36, -1},  {45, 37, 1},   {45, 927, 1},  {45, 928, -1}, {60, 500, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SweepHit(c.x, c.y), c.string) << c.x << "," << c.y;
    }
}

TEST(NeckHitTest, ScrollTargetPutsTheHighestLabelAtTheBottomWithinTheRange) {
    struct Case {
        int fret, clientHeight, target;
    };
    const Case cases[] = {
        {-1, 400, 0},   {4, 400, 0},    {5, 400, 0},  // fret 5's label ends at 257, in sight
        {12, 400, 116},                               // 39 + 37 * 12 + 33 - 400
        {24, 400, 560}, {24, 100, 860}, {24, 1000, 0}, {12, 1200, 0}, {30, 400, 560},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScrollIntoViewTarget(c.fret, c.clientHeight), c.target)
            << c.fret << " in " << c.clientHeight;
    }
}

TEST(AboutText, WrapsAtSpacesAndCutsWordsLongerThanALine) {
    using Lines = std::vector<std::string>;
    struct Case {
        Lines texts;
        Lines lines;
    };
    const std::string longWord(40, 'w');
    const Case cases[] = {
        {{"Version 1.2", "", "Release Build"}, {"Version 1.2", "", "Release Build"}},
        {{"one\ntwo"}, {"one", "two"}},
        {{"A guitar reference for players who like to see the whole neck"},
         {"A guitar reference for players", "who like to see the whole neck"}},
        {{std::string(32, 'x')}, {std::string(32, 'x')}},
        // The rest of the text is kept after a word longer than the line.
        {{longWord + " tail"}, {std::string(32, 'w'), std::string(8, 'w') + " tail"}},
        {{"see " + longWord}, {"see", std::string(32, 'w'), std::string(8, 'w')}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WrapAboutText(c.texts), c.lines) << c.texts.front();
    }
}

}  // namespace
