#include <gtest/gtest.h>

#include "canvas/HitTest.h"

using namespace canvas;

namespace {

const RECT kRect = {100, 100, 200, 150};

struct BandCase {
    int x, y;
    bool bButtonDown;
    bool bResizable;
    int nExpected;
};

}  // namespace

TEST(HitTest, BandsEdgesAndCornersOfAResizableObject)
{
    const BandCase cases[] = {
        // The interior moves only while the button is down, and not within 2 px of an edge.
        {150, 125, true, true, HIT_MOVE},
        {150, 125, false, true, HIT_NONE},
        {102, 102, true, true, HIT_MOVE},
        {101, 125, true, true, HIT_LEFT},
        // Edge bands reach 2 pixels either side of the edge and stop 2 short of the corners.
        {150, 98, false, true, HIT_TOP},
        {150, 97, false, true, HIT_NONE},
        {150, 101, false, true, HIT_TOP},
        {150, 148, false, true, HIT_BOTTOM},
        {150, 151, false, true, HIT_BOTTOM},
        {150, 152, false, true, HIT_NONE},
        {98, 125, false, true, HIT_LEFT},
        {201, 125, false, true, HIT_RIGHT},
        {102, 99, false, true, HIT_TOP},
        {101, 99, false, true, HIT_TOPLEFT},
        // Corner squares around each corner.
        {98, 98, false, true, HIT_TOPLEFT},
        {201, 151, false, true, HIT_BOTTOMRIGHT},
        {201, 98, false, true, HIT_TOPRIGHT},
        {98, 151, false, true, HIT_BOTTOMLEFT},
        {97, 97, false, true, HIT_NONE},
        {202, 152, false, true, HIT_NONE},
        // A move-only object (the ad unit) answers no edge or corner at all.
        {150, 125, true, false, HIT_MOVE},
        {150, 99, false, false, HIT_NONE},
        {100, 100, true, false, HIT_NONE},
        {200, 150, false, false, HIT_NONE},
    };
    for (const BandCase &c : cases) {
        POINT pt = {c.x, c.y};
        EXPECT_EQ(HitTestBands(kRect, pt, c.bButtonDown, c.bResizable), c.nExpected)
            << "at (" << c.x << ", " << c.y << ") button " << c.bButtonDown << " resizable "
            << c.bResizable;
    }
}

TEST(HitTest, ObjectAreaIsTheRectangleGrownByOnePixel)
{
    EXPECT_TRUE(HitsObject(kRect, POINT{99, 99}));
    EXPECT_TRUE(HitsObject(kRect, POINT{200, 150}));
    EXPECT_FALSE(HitsObject(kRect, POINT{201, 125}));
    EXPECT_FALSE(HitsObject(kRect, POINT{150, 98}));
    // An empty rectangle can still be clicked on its point.
    const RECT empty = {10, 10, 10, 10};
    EXPECT_TRUE(HitsObject(empty, POINT{10, 10}));
    EXPECT_TRUE(HitsObject(empty, POINT{9, 9}));
    EXPECT_FALSE(HitsObject(empty, POINT{11, 10}));
}

TEST(HitTest, CursorGroupsFollowTheAxisOfTheDrag)
{
    const struct { int nCode; LPCSTR cursor; } cases[] = {
        {HIT_NONE, IDC_ARROW},         {HIT_MOVE, IDC_CROSS},
        {HIT_TOP, IDC_SIZENS},         {HIT_BOTTOM, IDC_SIZENS},
        {HIT_LEFT, IDC_SIZEWE},        {HIT_RIGHT, IDC_SIZEWE},
        {HIT_TOPRIGHT, IDC_SIZENESW},  {HIT_BOTTOMLEFT, IDC_SIZENESW},
        {HIT_TOPLEFT, IDC_SIZENWSE},   {HIT_BOTTOMRIGHT, IDC_SIZENWSE},
        {42, IDC_ARROW},               {-1, IDC_ARROW},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CursorGroupResource(CursorGroup(c.nCode)), c.cursor) << "code " << c.nCode;
}
