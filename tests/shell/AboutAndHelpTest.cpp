// Help, the home page and the about box, seen through the replaced shell call.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "HelpCommands.h"
#include "Logo.h"
#include "ShellFakes.h"
#include "TestSupport.h"
#include "TfmAbout.h"
#include "dialog/LinkLabel.h"
#include "resource.h"

using namespace driver;

namespace {

void ExpectOpened(const std::vector<std::string> &targets)
{
    ASSERT_EQ(targets.size(), shellfakes::shellCalls.size());
    for (size_t i = 0; i < targets.size(); i++) {
        const shellfakes::ShellCall &call = shellfakes::shellCalls[i];
        EXPECT_EQ(nullptr, call.owner);
        EXPECT_EQ("open", call.verb);
        EXPECT_EQ(targets[i], call.file);
        EXPECT_EQ("", call.parameters);
        EXPECT_EQ("", call.directory);
        EXPECT_EQ(SW_SHOW, call.show);
    }
}

// Pixels of the window whose colour is clearly the given primary.
int CountPixels(HWND hWnd, COLORREF crPrimary)
{
    RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT rc;
    GetClientRect(hWnd, &rc);
    HDC hDC = GetDC(hWnd);
    int nCount = 0;
    for (int y = 0; y < rc.bottom; y++) {
        for (int x = 0; x < rc.right; x++) {
            COLORREF cr = GetPixel(hDC, x, y);
            const int channels[] = {GetRValue(cr), GetGValue(cr), GetBValue(cr)};
            const int wanted[] = {GetRValue(crPrimary), GetGValue(crPrimary), GetBValue(crPrimary)};
            bool bMatch = true;
            for (int i = 0; i < 3; i++)
                bMatch = bMatch && (wanted[i] ? channels[i] >= 160 : channels[i] <= 90);
            nCount += bMatch;
        }
    }
    ReleaseDC(hWnd, hDC);
    return nCount;
}

class HelpMenu : public shellfakes::Installed {};

class AboutBox : public shellfakes::Installed {
protected:
    void SetUp() override
    {
        shellfakes::Installed::SetUp();
        ASSERT_TRUE(m_about.Create(nullptr));
    }
    HWND Link() { return m_about.Item(IDC_ABOUT_URLHOME); }

    TfmAbout m_about;
};

}  // namespace

TEST_F(HelpMenu, HelpOpensTheHelpFileThenTheTutorials)
{
    OpenHelpContents();
    ExpectOpened({testsupport::ExeFolder() + "ornamo.chm", kTutorialsPageAddress});
    shellfakes::shellCalls.clear();
    OpenHomePage();
    ExpectOpened({kHomePageAddress});
    EXPECT_NE(std::string(kHomePageAddress), kTutorialsPageAddress);
    for (const char *address : {kHomePageAddress, kTutorialsPageAddress})
        EXPECT_EQ(0u, std::string(address).find("https://ornamo.example.com/")) << address;
}

TEST_F(AboutBox, ShowsItsTextsAndOkCloses)
{
    EXPECT_EQ("About Ornamo", Caption(m_about.GetHandle()));
    EXPECT_NE("", Text(m_about, IDC_ABOUT_LABEL1));
    EXPECT_NE(std::string::npos, Text(m_about, IDC_ABOUT_URLHOME).find("ornamo.example.com"));
    EXPECT_EQ(IDOK, RunScript(m_about, {IDC_ABOUT_OK}));
    EXPECT_TRUE(shellfakes::shellCalls.empty());
}

TEST_F(AboutBox, LinkAndLogoOpenTheHomePage)
{
    for (int nId : {IDC_ABOUT_URLHOME, IDC_ABOUT_LOGO}) {
        shellfakes::shellCalls.clear();
        SendMessageA(m_about.Item(nId), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(m_about.Item(nId), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        ExpectOpened({kHomePageAddress});

        // Both show the hand over them.
        SendMessageA(m_about.Item(nId), WM_SETCURSOR, (WPARAM)m_about.Item(nId),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(LoadCursor(nullptr, IDC_HAND), GetCursor()) << nId;
    }
}

TEST_F(AboutBox, LinkAddressIsTrimmedAndAnEmptyOneDoesNothing)
{
    const struct {
        const char *address;
        std::vector<std::string> opened;
    } cases[] = {
        {"  https://ornamo.example.com/news/ \t", {"https://ornamo.example.com/news/"}},
        {"   ", {}},
        {"", {}},
    };
    for (const auto &c : cases) {
        shellfakes::shellCalls.clear();
        linklabel::SetAddress(Link(), c.address);
        SendMessageA(Link(), WM_LBUTTONUP, 0, 0);
        ExpectOpened(c.opened);
    }
}

TEST_F(AboutBox, LinkIsBlueAndTurnsRedUnderTheMouse)
{
    ShowWindow(m_about.GetHandle(), SW_SHOW);
    EXPECT_GT(CountPixels(Link(), RGB(0, 0, 255)), 0);
    EXPECT_EQ(0, CountPixels(Link(), RGB(255, 0, 0)));

    SendMessageA(Link(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(linklabel::IsHovered(Link()));
    EXPECT_GT(CountPixels(Link(), RGB(255, 0, 0)), 0);
    EXPECT_EQ(0, CountPixels(Link(), RGB(0, 0, 255)));

    SendMessageA(Link(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(linklabel::IsHovered(Link()));
    EXPECT_GT(CountPixels(Link(), RGB(0, 0, 255)), 0);

    LOGFONTA lf = {};
    HGDIOBJ hFont = (HGDIOBJ)SendMessageA(Link(), WM_GETFONT, 0, 0);
    ASSERT_TRUE(GetObjectA(hFont, sizeof(lf), &lf));
    EXPECT_EQ(0, lf.lfUnderline) << "the dialog's own font stays as it is";
}

TEST(LogoDrawing, StaysInItsBoxAndLeavesTheDcAsItWas)
{
    const int nMargin = 10, nWidth = kLogoWidth + 2 * nMargin, nHeight = kLogoHeight + 2 * nMargin;
    HDC hScreen = GetDC(nullptr);
    HDC hDC = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, nWidth, nHeight);
    ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOldBitmap = SelectObject(hDC, hBitmap);
    const COLORREF kBackground = RGB(255, 0, 255);
    HBRUSH hBrush = CreateSolidBrush(kBackground);
    RECT rcAll = {0, 0, nWidth, nHeight};
    FillRect(hDC, &rcAll, hBrush);
    DeleteObject(hBrush);

    HGDIOBJ hFontBefore = GetCurrentObject(hDC, OBJ_FONT);
    SetTextColor(hDC, RGB(1, 2, 3));
    SetBkMode(hDC, OPAQUE);
    DrawLogo(hDC, nMargin, nMargin);
    EXPECT_EQ(hFontBefore, GetCurrentObject(hDC, OBJ_FONT));
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(hDC));
    EXPECT_EQ(OPAQUE, GetBkMode(hDC));
    HRGN hClip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(0, GetClipRgn(hDC, hClip)) << "no clip region left behind";
    DeleteObject(hClip);

    int nOutside = 0, nColours = 0;
    COLORREF crFirst = GetPixel(hDC, nMargin, nMargin);
    for (int y = 0; y < nHeight; y++) {
        for (int x = 0; x < nWidth; x++) {
            const bool bInside = x >= nMargin && x < nMargin + kLogoWidth && y >= nMargin &&
                                 y < nMargin + kLogoHeight;
            const COLORREF cr = GetPixel(hDC, x, y);
            if (!bInside)
                nOutside += cr != kBackground;
            else
                nColours += cr != crFirst;
        }
    }
    EXPECT_EQ(0, nOutside);
    EXPECT_GT(nColours, kLogoWidth * kLogoHeight / 10) << "the logo draws something";
    SelectObject(hDC, hOldBitmap);
    DeleteObject(hBitmap);
    DeleteDC(hDC);
}
