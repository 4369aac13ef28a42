#include <gtest/gtest.h>

#include "AdTemplate/AdObjects.h"
#include "PixelCanvas.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

// The eight handle centres of (L, T, R, B), in drawing order.
void HandleCentres(const RECT &r, POINT out[8])
{
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const POINT pts[8] = {{r.left, r.top},  {r.left, r.bottom}, {r.right, r.top}, {r.right, r.bottom},
                          {cx, r.top},      {r.left, cy},       {cx, r.bottom},   {r.right, cy}};
    for (int i = 0; i < 8; ++i)
        out[i] = pts[i];
}

RECT HandleRect(POINT c)
{
    return RECT{c.x - 2, c.y - 2, c.x + 2, c.y + 2};
}

}  // namespace

TEST(OutlineDraw, UnselectedIsDottedWithoutHandles)
{
    PixelCanvas canvas(120, 100);
    AdShadow shadow;
    shadow.m_rcPos = {20, 20, 90, 70};
    ASSERT_TRUE(shadow.Draw(canvas.DC(), false));

    // Every side is broken: some pixels black, some not.
    const RECT sides[] = {{20, 20, 21, 70}, {20, 20, 90, 21}, {20, 70, 91, 71}, {90, 20, 91, 71}};
    for (const RECT &side : sides) {
        const int n = (side.right - side.left) * (side.bottom - side.top);
        const int black = canvas.CountOf(side, kBlack);
        EXPECT_GT(black, n / 5);
        EXPECT_LT(black, n);
    }
    // No handles: the pixels just outside the corners stay white.
    EXPECT_TRUE(canvas.IsWhite(18, 18));
    EXPECT_TRUE(canvas.IsWhite(92, 72));
    EXPECT_TRUE(canvas.IsWhite(55, 18));
    // Nothing inside.
    EXPECT_TRUE(canvas.AllOf({22, 22, 89, 69}, kWhite));
}

TEST(OutlineDraw, SelectedIsSolidWithEightHandles)
{
    PixelCanvas canvas(120, 100);
    AdShadow shadow;
    shadow.m_rcPos = {20, 20, 91, 71};
    shadow.SetSelected(true);
    ASSERT_TRUE(shadow.Draw(canvas.DC(), false));

    EXPECT_TRUE(canvas.AllOf({20, 20, 21, 71}, kBlack));
    EXPECT_TRUE(canvas.AllOf({20, 20, 91, 21}, kBlack));
    EXPECT_TRUE(canvas.AllOf({20, 71, 92, 72}, kBlack));
    EXPECT_TRUE(canvas.AllOf({91, 20, 92, 72}, kBlack));

    POINT centres[8];
    HandleCentres(shadow.m_rcPos, centres);
    // The odd width puts the midpoints at the truncated halves: 55 and 45.
    EXPECT_EQ(centres[4].x, 55);
    EXPECT_EQ(centres[5].y, 45);
    for (const POINT &c : centres) {
        EXPECT_TRUE(canvas.AllOf(HandleRect(c), kBlack)) << c.x << "," << c.y;
        // 4 x 4 exactly: the ring around the square is not black outside the outline lines.
        EXPECT_FALSE(canvas.IsBlack(c.x - 3, c.y - 3)) << c.x << "," << c.y;
        EXPECT_FALSE(canvas.IsBlack(c.x + 2, c.y + 2)) << c.x << "," << c.y;
    }
    EXPECT_TRUE(canvas.AllOf({23, 23, 89, 69}, kWhite));
}

TEST(OutlineDraw, FollowsTheDrawingOffset)
{
    PixelCanvas canvas(120, 100);
    AdShadow shadow;
    shadow.m_rcPos = {-10, 200, 40, 250};
    shadow.SetSelected(true);
    shadow.SetOffset(30, -180);
    ASSERT_TRUE(shadow.Draw(canvas.DC(), false));
    EXPECT_TRUE(canvas.AllOf({18, 18, 22, 22}, kBlack));
    EXPECT_TRUE(canvas.AllOf({68, 68, 72, 72}, kBlack));
    EXPECT_TRUE(canvas.AllOf({20, 20, 21, 70}, kBlack));
}

TEST(OutlineDraw, NoDeviceContextDrawsNothing)
{
    AdShadow shadow;
    AdText text;
    AdLine line;
    AdFrame frame;
    Pictra picture;
    AdSense unit;
    EXPECT_FALSE(shadow.DrawOutline(nullptr, true));
    AdObj *objects[] = {&shadow, &text, &line, &frame, &picture, &unit};
    for (AdObj *p : objects) {
        EXPECT_FALSE(p->Draw(nullptr, false)) << p->GetType();
        EXPECT_FALSE(p->Draw(nullptr, true)) << p->GetType();
    }
}
