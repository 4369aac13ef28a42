#include "CanvasFixture.h"

#include "AdPreview.h"
#include "PixelCanvas.h"
#include "TestSupport.h"

namespace {

int ScrollMax(HWND hWnd, int nBar)
{
    int nMin = 0, nMax = 0;
    GetScrollRange(hWnd, nBar, &nMin, &nMax);
    return nMax;
}

}  // namespace

class EditScroll : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        // Adding updates the bars: this one call brings up both of them.
        m_tpl.SetMarginRight(20);
        AddText({1400, 900, 1500, 1000});
    }
};

TEST_F(EditScroll, RangesCoverTheTemplateBesideTheRulers)
{
    // Each bar that appears narrows the client area the other one is measured against.
    RECT rc;
    GetClientRect(Canvas(), &rc);
    EXPECT_EQ(ScrollMax(Canvas(), SB_HORZ), 1520 - rc.right + 32);
    EXPECT_EQ(ScrollMax(Canvas(), SB_VERT), 1000 - rc.bottom + 32);
}

TEST_F(EditScroll, RequestsMoveFivePixelsALineAndTwoHundredAPage)
{
    m_pEdit->UpdateScrollBars();
    const int nMax = ScrollMax(Canvas(), SB_HORZ);
    const struct {
        int nRequest, nThumb, nExpected;
    } steps[] = {
        {SB_LINEDOWN, 0, 5},     {SB_LINEDOWN, 0, 10},   {SB_THUMBPOSITION, 3, 3},
        {SB_LINEUP, 0, 0},       {SB_LINEUP, 0, 0},      {SB_PAGEDOWN, 0, 200},
        {SB_PAGEUP, 0, 0},       {SB_BOTTOM, 0, nMax},   {SB_LINEDOWN, 0, nMax},
        {SB_TOP, 0, 0},          {SB_THUMBTRACK, 77, 77}, {SB_ENDSCROLL, 0, 77},
        {SB_THUMBPOSITION, 30000, nMax},  // beyond the range: held at its end
    };
    for (const auto &s : steps) {
        Scroll(WM_HSCROLL, s.nRequest, s.nThumb);
        EXPECT_EQ(m_pEdit->GetScrollX(), s.nExpected) << "request " << s.nRequest;
        EXPECT_EQ(GetScrollPos(Canvas(), SB_HORZ), s.nExpected) << "request " << s.nRequest;
    }
    Scroll(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(m_pEdit->GetScrollY(), 5);
    EXPECT_EQ(m_pEdit->GetScrollX(), nMax);
}

TEST_F(EditScroll, MouseFollowsTheScrolledView)
{
    AdText *pText = AddText({100, 400, 200, 450});
    Scroll(WM_HSCROLL, SB_THUMBPOSITION, 50);
    Scroll(WM_VSCROLL, SB_THUMBPOSITION, 100);
    // Template (150, 425) now shows at client (150 + 32 - 50, 425 + 32 - 100).
    SendMessageA(Canvas(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(132, 357));
    SendMessageA(Canvas(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(142, 367));
    SendMessageA(Canvas(), WM_LBUTTONUP, 0, MAKELPARAM(142, 367));
    EXPECT_TRUE(RectIs(*pText->GetPos(), {110, 410, 210, 460}));
}

TEST_F(EditScroll, RulersShowTicksAndLabelsThatMoveWithTheTemplate)
{
    // Ticks run from the axis line (y 32) towards the labels; the end point of a line is not
    // painted, so a long tick covers rows 29 to 31 and a short one row 31.
    auto shot = Capture(Canvas());
    auto longTickAt = [&](int x) { return shot->AllOf({x, 29, x + 1, 32}, RGB(0, 0, 0)) && shot->IsWhite(x, 28); };
    auto shortTickAt = [&](int x) { return shot->IsBlack(x, 31) && shot->IsWhite(x, 30); };
    // At 0: a long tick and the label 0 at the axis, a short tick 10 pixels on.
    EXPECT_TRUE(longTickAt(32));
    EXPECT_TRUE(shortTickAt(42));
    EXPECT_GT(shot->CountOf({28, 17, 40, 28}, RGB(0, 0, 0)), 3);
    EXPECT_TRUE(longTickAt(82));  // 50
    EXPECT_GT(shot->CountOf({78, 17, 96, 28}, RGB(0, 0, 0)), 3);
    // The vertical ruler likewise.
    EXPECT_TRUE(shot->AllOf({29, 82, 32, 83}, RGB(0, 0, 0)));
    EXPECT_TRUE(shot->IsWhite(28, 82));
    EXPECT_GT(shot->CountOf({8, 78, 28, 90}, RGB(0, 0, 0)), 3);

    Scroll(WM_HSCROLL, SB_LINEDOWN);
    ASSERT_EQ(m_pEdit->GetScrollX(), 5);
    shot = Capture(Canvas());
    // The first tick (10) sits 5 pixels right of the vertical axis; 50 moved left by 5.
    EXPECT_TRUE(shortTickAt(37));
    EXPECT_TRUE(shot->AllOf({32, 0, 33, 32}, RGB(255, 255, 255)));
    EXPECT_TRUE(longTickAt(77));
    EXPECT_TRUE(shot->IsWhite(82, 31));
    EXPECT_EQ(shot->CountOf({28, 17, 40, 28}, RGB(0, 0, 0)), 0);
    EXPECT_GT(shot->CountOf({73, 17, 91, 28}, RGB(0, 0, 0)), 3);
    // The vertical ruler did not move.
    EXPECT_TRUE(shot->AllOf({29, 82, 32, 83}, RGB(0, 0, 0)));
}

class PreviewScroll : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_hParent = MakeParent(1100, 700);
        m_tpl.New();
        auto *pText = new AdText;
        pText->m_rcPos = {800, 100, 900, 150};
        m_tpl.Add(pText);
        m_tpl.SetMarginRight(20);
        m_pPreview = new AdPreview;
        m_pPreview->SetTemplate(&m_tpl);
        RECT rc = {0, 0, 700, 400};
        ASSERT_TRUE(m_pPreview->Create(m_hParent, &rc));
        m_pPreview->UpdateScrollBars();
    }
    void TearDown() override
    {
        DestroyWindow(m_hParent);
        testsupport::PumpMessages();
    }
    HWND Preview() const { return m_pPreview->GetHandle(); }

    HWND m_hParent = nullptr;
    AdSenseTemplate m_tpl;
    AdPreview *m_pPreview = nullptr;
};

TEST_F(PreviewScroll, OnePixelLineStepsOverTheTemplateAndItsMargin)
{
    // Objects to x = 900 plus a right margin of 20 in 700 pixels: 0 .. 220.
    EXPECT_EQ(ScrollMax(Preview(), SB_HORZ), 220);
    const struct {
        int nRequest, nThumb, nExpected;
    } steps[] = {
        {SB_LINEDOWN, 0, 1}, {SB_LINEUP, 0, 0},  {SB_LINEUP, 0, 0},     {SB_PAGEDOWN, 0, 200},
        {SB_PAGEDOWN, 0, 220}, {SB_LINEDOWN, 0, 220}, {SB_PAGEUP, 0, 20}, {SB_PAGEUP, 0, 0},
        {SB_THUMBTRACK, 123, 123}, {SB_BOTTOM, 0, 220}, {SB_TOP, 0, 0},
    };
    for (const auto &s : steps) {
        SendMessageA(Preview(), WM_HSCROLL, MAKEWPARAM(s.nRequest, s.nThumb), 0);
        EXPECT_EQ(m_pPreview->GetScrollX(), s.nExpected) << "request " << s.nRequest;
    }
    // Everything fits vertically: no range, no movement.
    EXPECT_EQ(ScrollMax(Preview(), SB_VERT), 0);
    SendMessageA(Preview(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(m_pPreview->GetScrollY(), 0);
}

TEST_F(PreviewScroll, ResizingHidesTheBarOrClampsThePosition)
{
    SendMessageA(Preview(), WM_HSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    ASSERT_EQ(m_pPreview->GetScrollX(), 220);
    MoveWindow(Preview(), 0, 0, 800, 400, TRUE);
    EXPECT_EQ(ScrollMax(Preview(), SB_HORZ), 120);
    EXPECT_EQ(m_pPreview->GetScrollX(), 120);
    MoveWindow(Preview(), 0, 0, 1000, 400, TRUE);
    EXPECT_EQ(ScrollMax(Preview(), SB_HORZ), 0);
    EXPECT_EQ(m_pPreview->GetScrollX(), 0);
}

TEST_F(PreviewScroll, TheMouseChangesNothing)
{
    AdObj *pCurrent = m_tpl.GetCurrent();
    for (UINT uMsg : {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        // The ad unit lies under (50, 50).
        SendMessageA(Preview(), uMsg, MK_LBUTTON, MAKELPARAM(50, 50));
    }
    EXPECT_EQ(m_tpl.GetCurrent(), pCurrent);
    EXPECT_NE(GetCapture(), Preview());
    EXPECT_FALSE(GetClassLongA(Preview(), GCL_STYLE) & CS_DBLCLKS);
}
