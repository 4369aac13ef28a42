#include "dialog/LinkLabel.h"

#include <string>

#include "canvas/GdiScope.h"
#include "misc/WinUtil.h"

namespace linklabel {

const char *const LinkLabelClass = "OrnamoLinkLabel";

namespace {

const COLORREF kLinkColor = RGB(0, 0, 255);
const COLORREF kHoverColor = RGB(255, 0, 0);

struct LabelState {
    HFONT hFont = nullptr;                   // the parent's font, not ours to delete
    canvas::GdiObject<HFONT> underlinedFont; // made from it, ours
    std::string address;
    bool bHovered = false;
};

LabelState *StateOf(HWND hWnd)
{
    return reinterpret_cast<LabelState *>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
}

void TakeFont(HWND hWnd, LabelState &state, HFONT hFont)
{
    state.hFont = hFont;
    LOGFONTA lf = {};
    if (!GetObjectA(hFont ? static_cast<HGDIOBJ>(hFont) : GetStockObject(DEFAULT_GUI_FONT),
                    sizeof(lf), &lf))
        return;
    lf.lfUnderline = TRUE;
    state.underlinedFont.Reset(CreateFontIndirectA(&lf));
    InvalidateRect(hWnd, nullptr, TRUE);
}

void SetHovered(HWND hWnd, LabelState &state, bool bHovered)
{
    if (state.bHovered == bHovered)
        return;
    state.bHovered = bHovered;
    if (bHovered) {
        // Ask for WM_MOUSELEAVE, which ends the hover.
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, hWnd, 0};
        TrackMouseEvent(&tme);
    }
    InvalidateRect(hWnd, nullptr, TRUE);
}

void Paint(HWND hWnd, const LabelState &state)
{
    PAINTSTRUCT ps;
    HDC hDC = BeginPaint(hWnd, &ps);
    RECT rc;
    GetClientRect(hWnd, &rc);
    // The parent paints our background as it paints its labels'.
    HWND hParent = GetParent(hWnd);
    HBRUSH hBrush = reinterpret_cast<HBRUSH>(
        SendMessageA(hParent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                     reinterpret_cast<LPARAM>(hWnd)));
    FillRect(hDC, &rc, hBrush ? hBrush : GetSysColorBrush(COLOR_BTNFACE));

    char szText[256] = {};
    GetWindowTextA(hWnd, szText, sizeof(szText));
    canvas::SelectScope font(hDC, state.underlinedFont.Get());
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, state.bHovered ? kHoverColor : kLinkColor);
    DrawTextA(hDC, szText, -1, &rc, DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX);
    EndPaint(hWnd, &ps);
}

LRESULT CALLBACK LinkLabelProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LabelState *pState = StateOf(hWnd);
    switch (uMsg) {
    case WM_NCCREATE:
        pState = new LabelState;
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pState));
        TakeFont(hWnd, *pState, nullptr);
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        delete pState;
        pState = nullptr;
        break;
    }
    if (!pState)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);

    switch (uMsg) {
    case WM_SETFONT:
        TakeFont(hWnd, *pState, reinterpret_cast<HFONT>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(pState->hFont);
    case WM_SETTEXT: {
        LRESULT nResult = DefWindowProcA(hWnd, uMsg, wParam, lParam);
        InvalidateRect(hWnd, nullptr, TRUE);
        return nResult;
    }
    case WM_PAINT:
        Paint(hWnd, *pState);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        SetHovered(hWnd, *pState, true);
        return 0;
    case WM_MOUSELEAVE:
        SetHovered(hWnd, *pState, false);
        return 0;
    case WM_LBUTTONUP:
        // ShellOpen does nothing for an empty address.
        ShellOpen(pState->address.c_str());
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

}  // namespace

bool RegisterLinkLabelClass(HINSTANCE hInstance)
{
    WNDCLASSA wc = {};
    if (GetClassInfoA(hInstance, LinkLabelClass, &wc))
        return true;
    wc.lpfnWndProc = LinkLabelProc;
    wc.hInstance = hInstance;
    // The class cursor answers WM_SETCURSOR: no flicker, no handler.
    wc.hCursor = LoadCursor(nullptr, IDC_HAND);
    wc.lpszClassName = LinkLabelClass;
    return RegisterClassA(&wc) != 0;
}

void SetAddress(HWND hLabel, const char *szAddress)
{
    LabelState *pState = StateOf(hLabel);
    if (!pState)
        return;
    std::string address = szAddress ? szAddress : "";
    const char *kBlanks = " \t\r\n";
    const size_t nFirst = address.find_first_not_of(kBlanks);
    if (nFirst == std::string::npos)
        address.clear();
    else
        address = address.substr(nFirst, address.find_last_not_of(kBlanks) - nFirst + 1);
    pState->address = address;
}

bool IsHovered(HWND hLabel)
{
    LabelState *pState = StateOf(hLabel);
    return pState && pState->bHovered;
}

}  // namespace linklabel
