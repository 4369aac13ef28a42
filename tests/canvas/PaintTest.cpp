#include "CanvasFixture.h"

#include "AdPreview.h"
#include "PixelCanvas.h"
#include "TestSupport.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 200, 0);
const COLORREF kBorder = RGB(0x33, 0x66, 0x99);

}  // namespace

// Frames F1 (red) and F2 (green) overlap; F1 is first in the list but current, and a text
// lies partly under the ad unit.
class Paint : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        m_pUnder = AddText({600, 80, 700, 150}, kGreen);
        m_pF1 = AddFrame({100, 150, 200, 250}, kRed);
        m_pF2 = AddFrame({150, 200, 250, 300}, kGreen);
        m_tpl.SetCurrent(m_pF1);
        m_pEdit->Refresh();
    }
    AdText *m_pUnder = nullptr;
    AdFrame *m_pF1 = nullptr;
    AdFrame *m_pF2 = nullptr;
};

TEST_F(Paint, EditingCanvasDrawsTheCurrentObjectAndThenTheAdUnitOnTop)
{
    auto shot = Capture(Canvas());
    const int o = AdEdit::RulerSize;
    EXPECT_EQ(shot->At(175 + o, 225 + o), kRed);      // F1 over F2
    EXPECT_EQ(shot->At(225 + o, 275 + o), kGreen);
    EXPECT_EQ(shot->At(650 + o, 95 + o), kBorder);    // the ad unit over the text
    EXPECT_EQ(shot->At(650 + o, 120 + o), kGreen);
    // The current frame's handles stick out; the other frame's outline is dotted.
    EXPECT_TRUE(shot->AllOf({98 + o, 148 + o, 100 + o, 150 + o}, RGB(0, 0, 0)));
    const int dots = shot->CountOf({250 + o, 202 + o, 251 + o, 298 + o}, RGB(0, 0, 0));
    EXPECT_GT(dots, 20);
    EXPECT_LT(dots, 96);
    // After a click on F2 the order turns.
    Click(225, 275);
    ASSERT_EQ(m_tpl.GetCurrent(), m_pF2);
    shot = Capture(Canvas());
    EXPECT_EQ(shot->At(175 + o, 225 + o), kGreen);
}

TEST_F(Paint, PreviewDrawsFromTheCornerWithoutOutlines)
{
    auto *pPreview = new AdPreview;
    pPreview->SetTemplate(&m_tpl);
    RECT rc = {0, 0, 800, 400};
    ASSERT_TRUE(pPreview->Create(m_hParent, &rc));
    pPreview->UpdateScrollBars();
    auto shot = Capture(pPreview->GetHandle());
    EXPECT_EQ(shot->At(175, 225), kRed);
    EXPECT_EQ(shot->At(650, 95), kBorder);
    EXPECT_EQ(shot->At(10, 10), kBorder);
    // Neither handles nor dotted outlines.
    EXPECT_TRUE(shot->AllOf({98, 148, 100, 150}, RGB(255, 255, 255)));
    EXPECT_TRUE(shot->AllOf({250, 200, 252, 300}, RGB(255, 255, 255)));
    EXPECT_TRUE(shot->AllOf({738, 10, 740, 100}, RGB(255, 255, 255)));
    DestroyWindow(pPreview->GetHandle());
}

TEST_F(Paint, ShadowsShowTheirOutlineOnlyWhileEditing)
{
    AddObject(new AdShadow, {300, 350, 400, 420});
    m_tpl.SetCurrent(m_pF1);
    m_pEdit->Refresh();
    const int o = AdEdit::RulerSize;
    auto shot = Capture(Canvas());
    EXPECT_GT(shot->CountOf({300 + o, 350 + o, 301 + o, 420 + o}, RGB(0, 0, 0)), 10);

    auto *pPreview = new AdPreview;
    pPreview->SetTemplate(&m_tpl);
    RECT rc = {0, 0, 800, 500};
    ASSERT_TRUE(pPreview->Create(m_hParent, &rc));
    auto view = Capture(pPreview->GetHandle());
    EXPECT_TRUE(view->AllOf({295, 345, 405, 425}, RGB(255, 255, 255)));
    DestroyWindow(pPreview->GetHandle());
}
