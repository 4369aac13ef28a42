// The three dialogs at their designed client sizes, every caption fully visible and no
// control lying on another.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "DialogDriver.h"
#include "TfmAbout.h"
#include "TfmOption.h"
#include "TfmWizard.h"
#include "resource.h"

namespace {

struct Control {
    HWND hWnd;
    RECT rc;  // in the dialog's client coordinates
};

std::vector<Control> ControlsOf(HWND hDlg)
{
    std::vector<Control> controls;
    for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        RECT rc;
        GetWindowRect(h, &rc);
        MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT *>(&rc), 2);
        controls.push_back({h, rc});
    }
    return controls;
}

bool IsTextLabel(HWND h)
{
    char szClass[32] = {};
    GetClassNameA(h, szClass, sizeof(szClass));
    const LONG_PTR style = GetWindowLongPtrA(h, GWL_STYLE);
    if (!lstrcmpiA(szClass, "Static"))
        return (style & SS_TYPEMASK) == SS_LEFT;
    if (!lstrcmpiA(szClass, "Button")) {
        const LONG_PTR type = style & BS_TYPEMASK;
        return type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON;
    }
    return !lstrcmpiA(szClass, "OrnamoLinkLabel");
}

// The room the caption needs, measured here with the control's own font.
SIZE MeasureCaption(HWND h)
{
    std::string text = driver::Caption(h);
    std::string shown;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] == '&' && i + 1 < text.size())
            i++;
        shown += text[i];
    }
    HDC hDC = GetDC(h);
    HGDIOBJ hOld = SelectObject(hDC, (HGDIOBJ)SendMessageA(h, WM_GETFONT, 0, 0));
    SIZE size = {};
    GetTextExtentPoint32A(hDC, shown.c_str(), (int)shown.size(), &size);
    SelectObject(hDC, hOld);
    ReleaseDC(h, hDC);
    char szClass[32] = {};
    GetClassNameA(h, szClass, sizeof(szClass));
    if (!lstrcmpiA(szClass, "Button"))
        size.cx += GetSystemMetrics(SM_CXMENUCHECK);
    return size;
}

// True when the control's last two pixel columns hold nothing but one colour: the text
// ends before the edge instead of being cut by it.
bool EndsBeforeItsRightEdge(HWND h)
{
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT rc;
    GetClientRect(h, &rc);
    HDC hDC = GetDC(h);
    const COLORREF crEdge = GetPixel(hDC, rc.right - 1, 0);
    bool bClear = true;
    for (int x = rc.right - 2; x < rc.right; x++) {
        for (int y = 0; y < rc.bottom; y++)
            bClear = bClear && GetPixel(hDC, x, y) == crEdge;
    }
    ReleaseDC(h, hDC);
    return bClear;
}

bool Overlap(const RECT &a, const RECT &b)
{
    RECT rc;
    return IntersectRect(&rc, &a, &b) != FALSE;
}

}  // namespace

TEST(DialogLayout, CaptionsFitAndControlsStayApart)
{
    AppSettings settings = {};
    LoadSettings(settings, "");
    const struct {
        const char *name;
        std::unique_ptr<DialogBase> dialog;
        SIZE client;
    } cases[] = {
        {"options", std::make_unique<TfmOption>(&settings), {380, 196}},
        {"wizard", std::make_unique<TfmWizard>(&settings), {458, 281}},
        {"about", std::make_unique<TfmAbout>(), {427, 237}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.dialog->Create(nullptr));
        HWND hDlg = c.dialog->GetHandle();
        ShowWindow(hDlg, SW_SHOWNOACTIVATE);
        RECT rcClient;
        GetClientRect(hDlg, &rcClient);
        EXPECT_EQ(c.client.cx, rcClient.right);
        EXPECT_EQ(c.client.cy, rcClient.bottom);

        const std::vector<Control> controls = ControlsOf(hDlg);
        for (const Control &control : controls) {
            const std::string caption = driver::Caption(control.hWnd);
            EXPECT_GE(control.rc.left, 0) << caption;
            EXPECT_LE(control.rc.right, rcClient.right) << caption;
            EXPECT_LE(control.rc.bottom, rcClient.bottom) << caption;
            if (IsTextLabel(control.hWnd)) {
                const SIZE need = MeasureCaption(control.hWnd);
                EXPECT_GE(control.rc.right - control.rc.left, need.cx) << caption;
                EXPECT_GE(control.rc.bottom - control.rc.top, need.cy) << caption;
                EXPECT_TRUE(EndsBeforeItsRightEdge(control.hWnd)) << caption;
            }
        }
        // The about box's logo lies inside its frame on purpose; nothing else overlaps.
        for (size_t i = 0; i < controls.size(); i++) {
            for (size_t j = i + 1; j < controls.size(); j++) {
                const int idA = GetDlgCtrlID(controls[i].hWnd), idB = GetDlgCtrlID(controls[j].hWnd);
                if (idA + idB == IDC_ABOUT_LOGO + IDC_ABOUT_LOGOFRAME && idA != idB)
                    continue;
                EXPECT_FALSE(Overlap(controls[i].rc, controls[j].rc))
                    << driver::Caption(controls[i].hWnd) << " (" << idA << ") and "
                    << driver::Caption(controls[j].hWnd) << " (" << idB << ")";
            }
        }
    }
}

TEST(DialogLayout, AboutLogoSitsInsideTheFrameBevel)
{
    TfmAbout about;
    ASSERT_TRUE(about.Create(nullptr));
    RECT rcFrame, rcLogo, rcFrameClient;
    GetWindowRect(about.Item(IDC_ABOUT_LOGOFRAME), &rcFrame);
    GetWindowRect(about.Item(IDC_ABOUT_LOGO), &rcLogo);
    GetClientRect(about.Item(IDC_ABOUT_LOGOFRAME), &rcFrameClient);
    MapWindowPoints(about.Item(IDC_ABOUT_LOGOFRAME), nullptr, (POINT *)&rcFrameClient, 2);
    EXPECT_EQ(332, rcFrame.right - rcFrame.left);
    EXPECT_EQ(66, rcFrame.bottom - rcFrame.top);
    RECT rcInside;
    IntersectRect(&rcInside, &rcLogo, &rcFrameClient);
    EXPECT_TRUE(EqualRect(&rcInside, &rcLogo)) << "the logo never covers the bevel";
}
