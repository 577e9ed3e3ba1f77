#include "common/dpi_scale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace zerkon {
namespace {

// Lengths and font heights alike: the windows' client areas, the dialog and title fonts, the
// glyphs from 100 % to 200 %, halves, negatives, and DPIs that are not known.
TEST(ScaleToDpi, RoundsToTheNearestPixelHalvesAwayFromZero) {
    struct Case {
        int length, dpi, expected;
    };
    const Case cases[] = {
        {21, 96, 21},    {761, 144, 1142}, {539, 144, 809}, {761, 120, 951},       {539, 120, 674},
        {-11, 120, -14}, {-11, 144, -17},  {-19, 144, -29}, {16, 120, 20},         {16, 168, 28},
        {16, 192, 32},   {1, 144, 2},      {3, 144, 5},     {-1, 144, -2},         {-3, 120, -4},
        {7, 72, 5},      {21, 0, 21},      {21, -120, 21},  {100000, 480, 500000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaleToDpi(c.length, c.dpi), c.expected) << c.length << " at " << c.dpi;
        EXPECT_EQ(ScaleFontHeight(c.length, c.dpi), c.expected) << c.length << " at " << c.dpi;
    }
}

TEST(ScaleRectToDpi, ScalesTheEdgesSoNeighboursStillTouch) {
    EXPECT_EQ(ScaleRectToDpi({8, 40, 53, 21}, 144), (LayoutRect{12, 60, 80, 32}));
    EXPECT_EQ(ScaleRectToDpi({254, 280, 17, 17}, 120), (LayoutRect{318, 350, 21, 21}));
    EXPECT_EQ(ScaleRectToDpi({1, 1, 1, 1}, 144), (LayoutRect{2, 2, 1, 1}));

    // Any rectangle at any DPI: the edges are the edges scaled, a rectangle that starts where
    // another ends still does, the size is within a pixel of the size scaled, and 96 DPI keeps
    // everything.
    std::mt19937 random(21);
    std::uniform_int_distribution<int> coordinate(-50, 2000);
    std::uniform_int_distribution<int> size(0, 800);
    std::uniform_int_distribution<int> dpi(72, 480);
    for (int i = 0; i < 2000; ++i) {
        const LayoutRect rect{coordinate(random), coordinate(random), size(random), size(random)};
        const LayoutRect next{rect.left + rect.width, rect.top, size(random), size(random)};
        const int d = dpi(random);
        const LayoutRect scaled = ScaleRectToDpi(rect, d);
        EXPECT_EQ(scaled.left, ScaleToDpi(rect.left, d));
        EXPECT_EQ(scaled.top + scaled.height, ScaleToDpi(rect.top + rect.height, d));
        EXPECT_EQ(ScaleRectToDpi(next, d).left, scaled.left + scaled.width);
        EXPECT_LE(std::abs(scaled.width - ScaleToDpi(rect.width, d)), 1);
        EXPECT_LE(std::abs(scaled.height - ScaleToDpi(rect.height, d)), 1);
        EXPECT_EQ(ScaleRectToDpi(rect, 96), rect);
    }
}

}  // namespace
}  // namespace zerkon
