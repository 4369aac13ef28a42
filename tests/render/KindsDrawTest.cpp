#include <gtest/gtest.h>

#include "AdTemplate/AdObjects.h"
#include "PixelCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

void MakeText(AdText &text, const char *szCaption, RECT rc, int nAlign)
{
    text.SetText(szCaption);
    text.m_rcPos = rc;
    text.m_nAlign = nAlign;
}

}  // namespace

TEST(TextDraw, FillsItsBackgroundAndOutlinesOnTop)
{
    PixelCanvas canvas(200, 60);
    AdText text;
    MakeText(text, "", {10, 10, 150, 40}, 1);
    text.m_crBack = kBlue;
    text.UpdateBrush();
    text.SetSelected(true);
    ASSERT_TRUE(text.Draw(canvas.DC(), false));
    EXPECT_TRUE(canvas.AllOf({12, 12, 148, 38}, kBlue));
    // The outline is drawn after the fill, over it.
    EXPECT_TRUE(canvas.AllOf({10, 12, 11, 38}, kBlack));
    EXPECT_TRUE(canvas.AllOf({78, 8, 82, 12}, kBlack));
    // An empty caption leaves nothing but the fill.
    canvas.Clear();
    text.SetSelected(false);
    ASSERT_TRUE(text.Draw(canvas.DC(), true));
    EXPECT_TRUE(canvas.AllOf({10, 10, 150, 40}, kBlue));
    EXPECT_TRUE(canvas.AllOf({150, 0, 200, 60}, kWhite));
}

TEST(TextDraw, AlignmentLeftCentreRightAndAnyOtherValueLeft)
{
    const RECT rc = {0, 0, 300, 24};
    auto inkOf = [&](int nAlign) {
        PixelCanvas canvas(300, 24);
        AdText text;
        MakeText(text, "WWWW", rc, nAlign);
        text.Draw(canvas.DC(), true);
        return canvas.BoundsOfOther(kWhite);
    };
    const RECT left = inkOf(1), centre = inkOf(2), right = inkOf(3);
    ASSERT_FALSE(IsRectEmpty(&left));
    EXPECT_LT(left.left, 4);
    EXPECT_LE(std::abs((centre.left + centre.right) / 2 - 150), 2);
    EXPECT_GT(right.right, 296);
    // Text is centred vertically.
    EXPECT_LE(std::abs((left.top + left.bottom) / 2 - 12), 3);
    for (int nAlign : {0, 4, -1, 100}) {
        const RECT other = inkOf(nAlign);
        EXPECT_TRUE(EqualRect(&other, &left)) << "align " << nAlign;
    }
}

TEST(TextDraw, AmpersandUnderlinesTheNextCharacter)
{
    const RECT rc = {0, 0, 120, 30};
    PixelCanvas withPrefix(120, 30), plain(120, 30);
    AdText a, b;
    MakeText(a, "A&B", rc, 1);
    MakeText(b, "AB", rc, 1);
    a.Draw(withPrefix.DC(), true);
    b.Draw(plain.DC(), true);

    // Measure where B starts in the caption's font.
    HGDIOBJ old = SelectObject(plain.DC(), a.m_hFont);
    SIZE sizeA = {};
    GetTextExtentPoint32A(plain.DC(), "A", 1, &sizeA);
    SelectObject(plain.DC(), old);

    // The two differ only in a few rows under B: the "&" itself is not drawn.
    int nDiff = 0;
    RECT diff = {1000, 1000, -1, -1};
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x)
            if (withPrefix.At(x, y) != plain.At(x, y)) {
                ++nDiff;
                diff.left = std::min<LONG>(diff.left, x);
                diff.right = std::max<LONG>(diff.right, x);
                diff.top = std::min<LONG>(diff.top, y);
                diff.bottom = std::max<LONG>(diff.bottom, y);
            }
    ASSERT_GT(nDiff, 2);
    EXPECT_GE(diff.left, sizeA.cx - 1);
    EXPECT_LE(diff.bottom - diff.top, 2);
    const RECT inkPrefix = withPrefix.BoundsOfOther(kWhite);
    const RECT inkPlain = plain.BoundsOfOther(kWhite);
    EXPECT_EQ(inkPrefix.left, inkPlain.left);
    EXPECT_LE(std::abs(inkPrefix.right - inkPlain.right), 2);
    // The underline lies below the letters.
    EXPECT_GE(diff.top, inkPlain.bottom - 3);
}

TEST(TextDraw, ClipsToItsRectangle)
{
    PixelCanvas canvas(200, 40);
    AdText text;
    MakeText(text, "A caption much longer than its box", {10, 5, 60, 35}, 1);
    text.Draw(canvas.DC(), true);
    EXPECT_TRUE(canvas.AllOf({60, 0, 200, 40}, kWhite));
    EXPECT_TRUE(canvas.AllOf({0, 0, 10, 40}, kWhite));
}

TEST(LineDraw, SelectedShowsThreeHandlesAndNoRectangle)
{
    PixelCanvas canvas(120, 100);
    AdLine line;
    line.SetStart(10, 20);
    line.SetEnd(81, 61);
    line.m_rcPos = {10, 20, 81, 61};
    line.SetSelected(true);
    ASSERT_TRUE(line.Draw(canvas.DC(), false));
    EXPECT_TRUE(canvas.AllOf({8, 18, 12, 22}, kBlack));
    EXPECT_TRUE(canvas.AllOf({43, 38, 47, 42}, kBlack));  // (45, 40): truncated halves
    EXPECT_TRUE(canvas.AllOf({79, 59, 83, 63}, kBlack));
    // No rectangle: the corners away from the line and the box's sides stay white.
    EXPECT_TRUE(canvas.IsWhite(81, 20));
    EXPECT_TRUE(canvas.IsWhite(10, 61));
    EXPECT_TRUE(canvas.IsWhite(10, 45));
    EXPECT_TRUE(canvas.IsWhite(45, 20));

    // Unselected, or without outlines, only the line itself.
    for (bool bSelected : {false, true}) {
        PixelCanvas plain(120, 100);
        line.SetSelected(bSelected);
        line.Draw(plain.DC(), bSelected);
        EXPECT_TRUE(plain.IsBlack(10, 20));
        EXPECT_TRUE(plain.IsWhite(8, 18));
        EXPECT_TRUE(plain.IsWhite(82, 62));
        EXPECT_EQ(plain.CountOf({0, 0, 120, 100}, kBlack), 71);
    }
}

TEST(LineDraw, UsesItsPenStyleAndWidth)
{
    PixelCanvas canvas(120, 20);
    AdLine line;
    line.SetStart(0, 10);
    line.SetEnd(120, 10);
    line.m_nStyle = 2;  // dashed
    line.m_crLine = kRed;
    line.UpdatePen();
    line.Draw(canvas.DC(), true);
    const int red = canvas.CountOf({0, 10, 120, 11}, kRed);
    EXPECT_GT(red, 30);
    EXPECT_LT(red, 120);
}

TEST(FrameDraw, PaintsOverItsOutlineLeavingTheHandlesThatStickOut)
{
    PixelCanvas canvas(120, 100);
    AdFrame frame;
    frame.m_rcPos = {20, 20, 80, 60};
    frame.m_crBack = kRed;
    frame.m_crLine = kBlue;
    frame.SetSelected(true);
    ASSERT_TRUE(frame.Draw(canvas.DC(), false));

    // The border covers the outline's left and top lines and the inner halves of the handles.
    EXPECT_TRUE(canvas.AllOf({20, 22, 21, 58}, kBlue));
    EXPECT_TRUE(canvas.AllOf({22, 20, 78, 21}, kBlue));
    EXPECT_TRUE(canvas.AllOf({21, 21, 79, 59}, kRed));
    // Outside the frame the handles remain: 2 pixels out at the corners and midpoints.
    EXPECT_TRUE(canvas.AllOf({18, 18, 20, 20}, kBlack));
    EXPECT_TRUE(canvas.AllOf({48, 18, 52, 20}, kBlack));
    EXPECT_TRUE(canvas.AllOf({18, 38, 20, 42}, kBlack));
    EXPECT_TRUE(canvas.AllOf({80, 58, 82, 62}, kBlack));
    // Rectangle leaves its right and bottom edge out, so the outline shows there.
    EXPECT_TRUE(canvas.AllOf({80, 20, 81, 60}, kBlack));
    EXPECT_TRUE(canvas.AllOf({20, 60, 80, 61}, kBlack));
}

TEST(FrameDraw, RoundCornerUsesRoundRectAndZeroAPlainRectangle)
{
    const RECT rc = {10, 10, 110, 70};
    for (int nCorner : {10, 0}) {
        PixelCanvas drawn(120, 80), expected(120, 80);
        AdFrame frame;
        frame.m_rcPos = rc;
        frame.m_nRoundCorner = nCorner;
        frame.m_crBack = kRed;
        frame.m_nLineWidth = 2;
        frame.UpdatePen();
        frame.UpdateBrush();
        frame.Draw(drawn.DC(), true);

        HPEN pen = CreatePen(PS_SOLID, 2, kBlack);
        HBRUSH brush = CreateSolidBrush(kRed);
        HGDIOBJ oldPen = SelectObject(expected.DC(), pen);
        HGDIOBJ oldBrush = SelectObject(expected.DC(), brush);
        if (nCorner)
            RoundRect(expected.DC(), rc.left, rc.top, rc.right, rc.bottom, 10, 10);
        else
            Rectangle(expected.DC(), rc.left, rc.top, rc.right, rc.bottom);
        SelectObject(expected.DC(), oldPen);
        SelectObject(expected.DC(), oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);

        EXPECT_TRUE(drawn.SameAs(expected)) << "corner " << nCorner;
        EXPECT_EQ(drawn.IsWhite(10, 10), nCorner != 0) << "corner " << nCorner;
    }
}

TEST(FrameDraw, OtherFrameTypesDrawOnlyTheirOutline)
{
    PixelCanvas canvas(100, 80);
    AdFrame frame;
    frame.m_rcPos = {10, 10, 60, 50};
    frame.m_nFrameType = 2;
    frame.m_crBack = kRed;
    frame.Draw(canvas.DC(), true);
    EXPECT_TRUE(canvas.AllOf({0, 0, 100, 80}, kWhite));
    frame.Draw(canvas.DC(), false);
    EXPECT_EQ(canvas.CountOf({0, 0, 100, 80}, kRed), 0);
    EXPECT_GT(canvas.CountOf({0, 0, 100, 80}, kBlack), 0);
}

TEST(NoOutline, SelectedLooksLikeUnselectedAndAShadowIsInvisible)
{
    AdText text;
    MakeText(text, "Caption", {10, 10, 90, 30}, 2);
    AdFrame frame;
    frame.m_rcPos = {5, 35, 60, 70};
    AdShadow shadow;
    shadow.m_rcPos = {10, 10, 90, 70};
    AdLine line;
    line.m_rcPos = {0, 0, 100, 80};
    AdSense unit;
    unit.m_rcPos = {0, 0, 0, 0};
    unit.SetFormat(12);
    AdObj *objects[] = {&text, &frame, &shadow, &line, &unit};
    for (AdObj *p : objects) {
        PixelCanvas selected(140, 140), unselected(140, 140);
        p->SetSelected(true);
        p->Draw(selected.DC(), true);
        p->SetSelected(false);
        p->Draw(unselected.DC(), true);
        EXPECT_TRUE(selected.SameAs(unselected)) << "type " << p->GetType();
    }
    PixelCanvas canvas(140, 140);
    shadow.SetSelected(true);
    shadow.Draw(canvas.DC(), true);
    EXPECT_TRUE(canvas.AllOf({0, 0, 140, 140}, kWhite));
    // The ad unit's outline would lie on its right edge, just outside its block.
    PixelCanvas unitCanvas(140, 140);
    unit.SetSelected(true);
    unit.Draw(unitCanvas.DC(), true);
    EXPECT_TRUE(unitCanvas.AllOf({125, 0, 140, 140}, kWhite));
}
