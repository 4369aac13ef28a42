#include <gtest/gtest.h>

#include <windows.h>

#include "canvas/ScrollMath.h"

using namespace canvas;

TEST(ScrollMath, RequestsOfBothLineSteps)
{
    const struct {
        int nRequest, nPos, nMax, nThumb, nStep, nExpected;
    } cases[] = {
        {SB_LINEUP, 3, 100, 0, 5, 0},       {SB_LINEUP, 0, 100, 0, 5, 0},
        {SB_LINEUP, 12, 100, 0, 5, 7},      {SB_LINEDOWN, 97, 100, 0, 5, 100},
        {SB_LINEDOWN, 100, 100, 0, 5, 100}, {SB_LINEDOWN, 10, 100, 0, 5, 15},
        {SB_LINEUP, 1, 100, 0, 1, 0},       {SB_LINEUP, 0, 100, 0, 1, 0},
        {SB_LINEDOWN, 99, 100, 0, 1, 100},  {SB_LINEDOWN, 100, 100, 0, 1, 100},
        {SB_PAGEUP, 201, 900, 0, 5, 1},     {SB_PAGEUP, 200, 900, 0, 5, 0},
        {SB_PAGEDOWN, 699, 900, 0, 5, 899}, {SB_PAGEDOWN, 700, 900, 0, 5, 900},
        {SB_THUMBTRACK, 5, 900, 321, 5, 321}, {SB_THUMBPOSITION, 5, 900, 7, 1, 7},
        {SB_TOP, 50, 900, 0, 5, 0},         {SB_BOTTOM, 50, 900, 0, 5, 900},
        {SB_ENDSCROLL, 50, 900, 0, 5, 50},  {99, 50, 900, 0, 5, 50},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ScrollRequestPos(c.nRequest, c.nPos, c.nMax, c.nThumb, c.nStep), c.nExpected)
            << "request " << c.nRequest << " at " << c.nPos << " step " << c.nStep;
}

TEST(ScrollMath, RangeCoversContentBeyondTheClientArea)
{
    // The preview: objects to 900 plus a right margin of 20 in 700 pixels scroll 0..220.
    ScrollFit fit = FitScroll(700, 0, 920, 0);
    EXPECT_TRUE(fit.bBar);
    EXPECT_EQ(fit.nMax, 220);
    // The editing canvas loses 32 pixels to its ruler.
    fit = FitScroll(700, 32, 920, 0);
    EXPECT_EQ(fit.nMax, 252);
    // A position beyond the new maximum comes back to it; content that fits hides the bar.
    fit = FitScroll(700, 0, 920, 500);
    EXPECT_EQ(fit.nPos, 220);
    fit = FitScroll(1000, 0, 920, 500);
    EXPECT_FALSE(fit.bBar);
    EXPECT_EQ(fit.nMax, 0);
    EXPECT_EQ(fit.nPos, 0);
    fit = FitScroll(700, 0, 700, 0);
    EXPECT_FALSE(fit.bBar);
    // Content at the end of the int range does not wrap around.
    fit = FitScroll(10, 32, 0x7FFFFFFF, 0);
    EXPECT_TRUE(fit.bBar);
    EXPECT_EQ(fit.nMax, 0x7FFFFFFF);
}

TEST(ScrollMath, FirstTickSitsOnTheNextMultipleOfTen)
{
    const int cases[][2] = {{0, 0}, {5, 5}, {1, 9}, {9, 1}, {10, 0}, {123, 7}};
    for (const auto &c : cases)
        EXPECT_EQ(FirstTickOffset(c[0]), c[1]) << "scroll " << c[0];
}
