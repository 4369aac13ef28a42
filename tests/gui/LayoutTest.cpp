// Where the controls of the real main window sit at its design size and wider, its smallest
// size, and the canvases following their panels.
#include "MainWindowFixture.h"

#include "AdPreview.h"
#include "TestSupport.h"

namespace {

// A control's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND hControl)
{
    RECT rc;
    GetWindowRect(hControl, &rc);
    MapWindowPoints(nullptr, GetParent(hControl), reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

SIZE ClientSize(HWND hWnd)
{
    RECT rc;
    GetClientRect(hWnd, &rc);
    return SIZE{rc.right, rc.bottom};
}

LOGFONTA FontOf(HWND hControl)
{
    LOGFONTA lf = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(hControl, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
    return lf;
}

}  // namespace

// The test display is smaller than some of the sizes here, and the platform keeps a window
// within its minimum and maximum sizes: SWP_NOSENDCHANGING sets the size as given.
class LayoutTest : public MainWindowTest {
protected:
    // Sizes the window so that the pages get exactly nWidth x nHeight.
    void SizePagesTo(int nWidth, int nHeight)
    {
        RECT rcWindow;
        GetWindowRect(Main(), &rcWindow);
        const SIZE page = ClientSize(m_pForm->GetPage(0));
        SetWindowPos(Main(), nullptr, 0, 0, rcWindow.right - rcWindow.left + nWidth - page.cx,
                     rcWindow.bottom - rcWindow.top + nHeight - page.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOSENDCHANGING);
        testsupport::PumpMessages();
    }
    void SizeWindowTo(int nWidth, int nHeight)
    {
        SetWindowPos(Main(), nullptr, 0, 0, nWidth, nHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOSENDCHANGING);
        testsupport::PumpMessages();
    }
    void ExpectAt(int nId, int x, int y, int cx = -1, int cy = -1)
    {
        RECT rc = PlaceOf(Ctl(nId));
        EXPECT_EQ(rc.left, x) << "control " << nId;
        EXPECT_EQ(rc.top, y) << "control " << nId;
        if (cx >= 0)
            EXPECT_EQ(rc.right - rc.left, cx) << "control " << nId;
        if (cy >= 0)
            EXPECT_EQ(rc.bottom - rc.top, cy) << "control " << nId;
    }
};

TEST_F(LayoutTest, SmallestSizeKeepsThePagesAtTheirDesignSize)
{
    MINMAXINFO info = {};
    SendMessageA(Main(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_GE(info.ptMinTrackSize.x, 1000);
    EXPECT_GE(info.ptMinTrackSize.y, 680);
    SizeWindowTo(info.ptMinTrackSize.x, info.ptMinTrackSize.y);
    const SIZE page = ClientSize(m_pForm->GetPage(0));
    EXPECT_GE(page.cx, 988);
    EXPECT_GE(page.cy, 484);
    // Where the floor does not decide, the pages are exactly at their design size.
    if (info.ptMinTrackSize.x > 1000)
        EXPECT_EQ(page.cx, 988);
    if (info.ptMinTrackSize.y > 680)
        EXPECT_EQ(page.cy, 484);
    // The window opens at that size.
    m_pForm.reset();
    CreateWindowNow();
    RECT rc;
    GetWindowRect(Main(), &rc);
    EXPECT_EQ(rc.right - rc.left, info.ptMinTrackSize.x);
    EXPECT_EQ(rc.bottom - rc.top, info.ptMinTrackSize.y);
}

TEST_F(LayoutTest, PagesAtTheDesignSize)
{
    SizePagesTo(988, 484);
    ASSERT_EQ(ClientSize(m_pForm->GetPage(0)).cx, 988);
    ASSERT_EQ(ClientSize(m_pForm->GetPage(0)).cy, 484);
    ExpectAt(IDC_PNLEDIT, 20, 48, 788, 419);
    ExpectAt(IDC_GROUPINSERT, 828, 44, 140, 149);
    const int buttonLefts[] = {20, 189, 378, 567, 756};
    const int swatchLefts[] = {140, 319, 508, 697, 886};
    for (int i = 0; i < 5; ++i) {
        ExpectAt(IDC_BTNBORDERCOLOR + i, buttonLefts[i], 449);
        ExpectAt(IDC_PNLBORDERCOLOR + i, swatchLefts[i], 454, 40, 20);
    }
    // The browser button's row comes out of the preview panel.
    ExpectAt(IDC_PNLPREVIEW, 20, 17, 948, 387);
    ExpectAt(IDC_BTNBROWSER, 818, 412, 150, 27);
    ExpectAt(IDC_MEMCODE, 20, 15, 948, 419);
    ExpectAt(IDC_BTNSAVE, 818, 449, 150, 27);
    ExpectAt(IDC_BTNCOPY, 648, 449, 150, 27);
    ExpectAt(IDC_EDTPUBID, 90, 454, 130, 19);
    ExpectAt(IDC_EDTCHANNELID, 339, 454, 81, 19);
    // Between the channel edit and the copy button, below the code.
    ExpectAt(IDC_CHKASYNC, 436, 437, 204, 17);
    ExpectAt(IDC_LBLASYNCNOTE, 436, 455, 204, 27);
    ExpectAt(IDC_LOGO, 5, 25, 327, 60);
}

TEST_F(LayoutTest, At1300PixelsWideTheTopButtonsSpread)
{
    SizeWindowTo(1300, 800);
    ExpectAt(IDC_BTNHELP, 900, 43, 80, 27);
    ExpectAt(IDC_BTNEXIT, 1100, 43, 80, 27);
    const SIZE page = ClientSize(m_pForm->GetPage(0));
    ExpectAt(IDC_PNLEDIT, 20, 48, page.cx - 200, page.cy - 65);
    ExpectAt(IDC_GROUPINSERT, page.cx - 200 + 40, 44);
}

TEST_F(LayoutTest, CanvasesFollowTheirPanels)
{
    // An object far to the right: the editing canvas needs a scroll bar until it is wide.
    const RECT rcWide = {10, 10, 1150, 100};
    Tpl()->GetAdSense()->SetPos(&rcWide);
    m_pForm->RefreshViews();
    struct Size {
        int cx, cy;
        bool bBar;
    } sizes[] = {{1000, 700, true}, {1500, 900, false}, {1000, 700, true}};
    for (const Size &s : sizes) {
        SizeWindowTo(s.cx, s.cy);
        const HWND canvases[] = {m_pForm->GetAdEdit()->GetHandle(),
                                 m_pForm->GetAdPreview()->GetHandle()};
        const int panels[] = {IDC_PNLEDIT, IDC_PNLPREVIEW};
        for (int i = 0; i < 2; ++i) {
            RECT rcCanvas;
            GetWindowRect(canvases[i], &rcCanvas);
            const SIZE panel = ClientSize(Ctl(panels[i]));
            EXPECT_EQ(rcCanvas.right - rcCanvas.left, panel.cx) << s.cx << " canvas " << i;
            EXPECT_EQ(rcCanvas.bottom - rcCanvas.top, panel.cy) << s.cx << " canvas " << i;
        }
        const bool bBar = (GetWindowLongA(canvases[0], GWL_STYLE) & WS_HSCROLL) != 0;
        EXPECT_EQ(bBar, s.bBar) << s.cx;
    }
}

TEST_F(LayoutTest, LabelsAndButtonsHoldTheirWholeText)
{
    const int ids[] = {IDC_LBLADTYPE, IDC_LBLCURROBJ, IDC_LBLPUBID, IDC_LBLCHANNELID,
                       IDC_BTNDETAIL, IDC_BTNDEL, IDC_BTNIMAGE, IDC_BTNTEXT, IDC_BTNFRAME,
                       IDC_BTNBORDERCOLOR, IDC_BTNBGCOLOR, IDC_BTNTITLECOLOR, IDC_BTNTEXTCOLOR,
                       IDC_BTNURLCOLOR, IDC_BTNCOPY, IDC_BTNSAVE, IDC_BTNHELP, IDC_BTNEXIT,
                       IDC_BTNBROWSER};
    HDC hDC = GetDC(Main());
    for (int nId : ids) {
        HWND hControl = Ctl(nId);
        char szText[64] = {};
        GetWindowTextA(hControl, szText, sizeof(szText));
        HGDIOBJ hOld = SelectObject(hDC, reinterpret_cast<HFONT>(SendMessageA(hControl, WM_GETFONT, 0, 0)));
        RECT rcText = {0, 0, 0, 0};
        DrawTextA(hDC, szText, -1, &rcText, DT_CALCRECT | DT_SINGLELINE);
        SelectObject(hDC, hOld);
        RECT rc;
        GetClientRect(hControl, &rc);
        // Buttons draw their text inside a border of a few pixels on each side.
        const bool bButton = nId != IDC_LBLADTYPE && nId != IDC_LBLCURROBJ &&
                             nId != IDC_LBLPUBID && nId != IDC_LBLCHANNELID;
        EXPECT_LE(rcText.right + (bButton ? 8 : 0), rc.right) << szText;
        EXPECT_LE(rcText.bottom, rc.bottom) << szText;
    }
    ReleaseDC(Main(), hDC);
}

TEST_F(LayoutTest, FontsAndColours)
{
    EXPECT_GE(FontOf(Ctl(IDC_BTNHELP)).lfWeight, FW_BOLD);
    EXPECT_GE(FontOf(Ctl(IDC_BTNEXIT)).lfWeight, FW_BOLD);
    EXPECT_GE(FontOf(Ctl(IDC_GROUPINSERT)).lfWeight, FW_BOLD);
    EXPECT_EQ(FontOf(Ctl(IDC_MEMCODE)).lfPitchAndFamily & 3, FIXED_PITCH);
    EXPECT_TRUE(GetWindowLongA(Ctl(IDC_MEMCODE), GWL_STYLE) & ES_READONLY);

    // The code and the group box's caption are navy.
    HDC hDC = CreateCompatibleDC(nullptr);
    for (int nId : {IDC_MEMCODE, IDC_GROUPINSERT}) {
        SetTextColor(hDC, 0);
        HWND hControl = Ctl(nId);
        SendMessageA(GetParent(hControl), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                     reinterpret_cast<LPARAM>(hControl));
        EXPECT_EQ(GetTextColor(hDC), RGB(0, 0, 128)) << nId;
    }
    DeleteDC(hDC);
}

TEST_F(LayoutTest, TheAsyncCheckBoxAndItsNoteHoldTheirWholeText)
{
    HDC hDC = GetDC(Main());
    const struct {
        int nId;
        UINT uFormat;
        int nBox;  // what the control draws beside its text
    } controls[] = {
        {IDC_CHKASYNC, DT_SINGLELINE, GetSystemMetrics(SM_CXMENUCHECK) + 4},
        {IDC_LBLASYNCNOTE, DT_WORDBREAK, 0},
    };
    for (const auto &c : controls) {
        HWND hControl = Ctl(c.nId);
        char szText[128] = {};
        GetWindowTextA(hControl, szText, sizeof(szText));
        RECT rc;
        GetClientRect(hControl, &rc);
        HGDIOBJ hOld = SelectObject(hDC, reinterpret_cast<HFONT>(SendMessageA(hControl, WM_GETFONT, 0, 0)));
        RECT rcText = {0, 0, rc.right - c.nBox, 0};
        DrawTextA(hDC, szText, -1, &rcText, DT_CALCRECT | c.uFormat);
        SelectObject(hDC, hOld);
        EXPECT_LE(rcText.right + c.nBox, rc.right) << szText;
        EXPECT_LE(rcText.bottom, rc.bottom) << szText;
    }
    ReleaseDC(Main(), hDC);
}
