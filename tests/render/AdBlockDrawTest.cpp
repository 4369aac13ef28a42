#include <gtest/gtest.h>

#include "AdTemplate/AdBlockLayout.h"
#include "AdTemplate/AdSense.h"
#include "PixelCanvas.h"

#include <limits.h>

namespace {

const COLORREF kBorder = RGB(0x33, 0x66, 0x99);  // the default 0x996633
const COLORREF kBG = RGB(0xFF, 0xFF, 0xCC);      // pale yellow, unlike any label colour

struct Unit {
    AdSense unit;
    Unit(int nFormat, int x, int y)
    {
        unit.m_rcPos = {x, y, x, y};
        unit.SetFormat(nFormat);
        unit.m_info.crBG = kBG;
        unit.UpdateGdi();
    }
};

bool IsBorder(const PixelCanvas &c, int x, int y) { return c.At(x, y) == kBorder; }

// The box's outer ring has the background colour (below the lines' reach), and the rows
// just above and below it have the border colour.
void ExpectBoxAt(const PixelCanvas &c, const RECT &box, const char *what)
{
    EXPECT_TRUE(c.AllOf({box.left, box.top, box.right, box.top + 1}, kBG)) << what;
    // The lines of the side-by-side formats start at the top and may run past the bottom.
    EXPECT_TRUE(c.AllOf({box.right - 10, box.bottom - 1, box.right, box.bottom}, kBG)) << what;
    EXPECT_TRUE(c.AllOf({box.left, box.top, box.left + 1, box.bottom}, kBG)) << what;
    EXPECT_TRUE(c.AllOf({box.right - 1, box.top, box.right, box.bottom}, kBG)) << what;
    // Away from the label's text, which may reach down to the row above the first box.
    EXPECT_TRUE(IsBorder(c, box.right - 3, box.top - 1)) << what;
    EXPECT_TRUE(IsBorder(c, box.right - 3, box.bottom)) << what;
}

int CountLabel(const PixelCanvas &c, const RECT &rc, COLORREF cr) { return c.CountOf(rc, cr); }

}  // namespace

TEST(AdBlockDraw, LeaderboardFourBoxesSideBySideLabelBottomRight)
{
    Unit u(1, 10, 10);
    PixelCanvas c(760, 120);
    ASSERT_TRUE(u.unit.Draw(c.DC(), true));
    const int lefts[] = {12, 193, 374, 555};
    for (int left : lefts)
        ExpectBoxAt(c, {left, 11, left + 181, 84}, "format 1");
    EXPECT_TRUE(IsBorder(c, 10, 50));
    EXPECT_TRUE(IsBorder(c, 11, 50));
    EXPECT_TRUE(IsBorder(c, 736, 50));
    EXPECT_TRUE(IsBorder(c, 737, 50));
    EXPECT_TRUE(c.IsWhite(738, 50));
    // The label: bottom 15 rows, right-aligned, white on this dark border.
    const RECT label = {10, 85, 738, 100};
    EXPECT_GT(CountLabel(c, {600, 85, 738, 100}, RGB(255, 255, 255)), 10);
    EXPECT_EQ(CountLabel(c, {10, 85, 500, 100}, RGB(255, 255, 255)), 0);
    EXPECT_EQ(c.CountOf(label, kBG), 0);
    // Something is written in every box.
    for (int left : lefts)
        EXPECT_LT(c.CountOf({left + 2, 13, left + 179, 82}, kBG), 177 * 69) << left;
}

TEST(AdBlockDraw, BannerTwoBoxes)
{
    Unit u(2, 10, 10);
    PixelCanvas c(500, 80);
    u.unit.Draw(c.DC(), true);
    ExpectBoxAt(c, {11, 11, 244, 54}, "box 0");
    ExpectBoxAt(c, {244, 11, 477, 54}, "box 1");
    EXPECT_TRUE(IsBorder(c, 10, 30));
    EXPECT_TRUE(IsBorder(c, 477, 30));
}

TEST(AdBlockDraw, WideSkyscraperStacksFiveBoxesUnderTheLabel)
{
    Unit u(5, 10, 10);
    PixelCanvas c(200, 640);
    u.unit.Draw(c.DC(), true);
    AdBlockLayout layout;
    ASSERT_TRUE(GetAdBlockLayout(&u.unit, &layout));
    ASSERT_EQ(layout.nAds, 5);
    int top = 25;
    for (int i = 0; i < 5; ++i) {
        const RECT &box = layout.ads[i].rcBox;
        EXPECT_EQ(box.left, 11);
        EXPECT_EQ(box.right, 169);
        EXPECT_EQ(box.top, top) << i;
        ExpectBoxAt(c, box, "format 5");
        top = box.bottom + 1;
    }
    // The label at the top, left-aligned.
    EXPECT_GT(CountLabel(c, {10, 10, 90, 25}, RGB(255, 255, 255)), 10);
    EXPECT_EQ(CountLabel(c, {120, 10, 170, 25}, RGB(255, 255, 255)), 0);
}

TEST(AdBlockDraw, ButtonOneBoxAtTheOrigin)
{
    Unit u(12, 0, 0);
    PixelCanvas c(140, 140);
    u.unit.Draw(c.DC(), true);
    ExpectBoxAt(c, {1, 15, 124, 124}, "format 12");
    EXPECT_TRUE(IsBorder(c, 0, 15));
    EXPECT_TRUE(IsBorder(c, 124, 50));
    EXPECT_TRUE(IsBorder(c, 50, 124));
    EXPECT_TRUE(c.IsWhite(125, 50));
    EXPECT_TRUE(c.IsWhite(50, 125));
}

TEST(AdBlockDraw, LabelColourFollowsTheBorderBrightness)
{
    const struct {
        COLORREF crBorder;
        COLORREF crLabel;
    } cases[] = {
        {0xC0C0C0, RGB(0, 0, 0)},
        {0xA0FFFF, RGB(255, 255, 255)},  // one byte exactly 160: white
        {0xA1FFFF, RGB(0, 0, 0)},
    };
    for (const auto &k : cases) {
        Unit u(12, 0, 0);
        u.unit.m_info.crBorder = k.crBorder;
        u.unit.UpdateGdi();
        PixelCanvas c(140, 140);
        u.unit.Draw(c.DC(), true);
        const COLORREF other = k.crLabel == RGB(0, 0, 0) ? RGB(255, 255, 255) : RGB(0, 0, 0);
        EXPECT_GT(c.CountOf({0, 0, 125, 15}, k.crLabel), 10) << std::hex << k.crBorder;
        EXPECT_EQ(c.CountOf({0, 0, 125, 15}, other), 0) << std::hex << k.crBorder;
    }
}

TEST(AdBlockDraw, OutlineOnTopOfTheBlockWhenEditing)
{
    Unit u(12, 10, 10);
    u.unit.SetSelected(true);
    PixelCanvas c(160, 160);
    u.unit.Draw(c.DC(), false);
    EXPECT_TRUE(c.AllOf({10, 12, 11, 133}, RGB(0, 0, 0)));
    EXPECT_TRUE(c.AllOf({8, 8, 12, 12}, RGB(0, 0, 0)));
    EXPECT_TRUE(c.AllOf({133, 133, 137, 137}, RGB(0, 0, 0)));
}

TEST(AdBlockDraw, FollowsTheDrawingOffset)
{
    Unit u(12, 100, 100);
    u.unit.SetOffset(-90, -90);
    PixelCanvas c(160, 160);
    u.unit.Draw(c.DC(), true);
    ExpectBoxAt(c, {11, 25, 134, 134}, "offset");
}

// Sizes and corners a damaged file may hold, drawn on a small canvas with the editing
// outline and its grips: drawing returns, and whatever lands on the canvas is the unit's.
TEST(AdBlockDraw, AbsurdSizesDrawWithoutHarm)
{
    const struct {
        int nFormat, nWidth, nHeight;
        RECT rcPos;
        int nOffsetX, nOffsetY;
    } cases[] = {
        {1, INT_MAX, INT_MAX, {0, 0, INT_MAX, INT_MAX}, 0, 0},
        {4, INT_MIN, INT_MIN, {-10, -10, 50, 50}, 0, 0},
        {11, INT_MAX, INT_MIN, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0, 0},
        {4, INT_MAX, INT_MAX, {INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX}, INT_MAX, INT_MAX},
        {1, INT_MAX, INT_MAX, {-INT_MAX, 0, 20, 20}, INT_MIN, 0},
    };
    for (const auto &k : cases) {
        Unit u(k.nFormat, 0, 0);
        u.unit.m_info.nWidth = k.nWidth;
        u.unit.m_info.nHeight = k.nHeight;
        u.unit.m_rcPos = k.rcPos;
        u.unit.SetOffset(k.nOffsetX, k.nOffsetY);
        u.unit.SetSelected(true);
        PixelCanvas c(64, 48);
        EXPECT_TRUE(u.unit.Draw(c.DC(), false)) << k.nFormat << " " << k.nWidth;
        EXPECT_TRUE(u.unit.Draw(c.DC(), true)) << k.nFormat << " " << k.nWidth;
    }
    // A unit covering the whole plane fills the canvas with its colours and nothing else.
    Unit u(4, 0, 0);
    u.unit.m_info.nWidth = INT_MAX;
    u.unit.m_info.nHeight = INT_MAX;
    u.unit.m_rcPos = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    PixelCanvas c(64, 48);
    ASSERT_TRUE(u.unit.Draw(c.DC(), true));
    EXPECT_EQ(c.CountOf({0, 0, 64, 48}, kBorder) + c.CountOf({0, 0, 64, 48}, kBG), 64 * 48);
}
