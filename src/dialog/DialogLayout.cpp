#include "dialog/DialogLayout.h"

#include <string>

#include "canvas/GdiScope.h"

namespace layout {

namespace {

bool HasCheckMark(HWND hControl)
{
    char szClass[16] = {};
    GetClassNameA(hControl, szClass, sizeof(szClass));
    if (lstrcmpiA(szClass, "Button") != 0)
        return false;
    switch (GetWindowLongPtrA(hControl, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return true;
    }
    return false;
}

// Room around the caption for the focus rectangle a check box or radio button draws.
const int kFocusMargin = 2;
// Between the mark and its text, as the button itself leaves it, with some to spare.
const int kMarkGap = 6;
// The last glyph's ink (an italic or bold overhang, antialiased edges) may pass its advance.
const int kInkSlack = 2;

}  // namespace

void SetClientSize(HWND hWnd, int cx, int cy)
{
    RECT rc = {0, 0, cx, cy};
    AdjustWindowRectEx(&rc, static_cast<DWORD>(GetWindowLongPtrA(hWnd, GWL_STYLE)),
                       GetMenu(hWnd) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrA(hWnd, GWL_EXSTYLE)));
    const int nWidth = rc.right - rc.left, nHeight = rc.bottom - rc.top;
    RECT rcWork;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0))
        SetRect(&rcWork, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const int x = rcWork.left + (rcWork.right - rcWork.left - nWidth) / 2;
    const int y = rcWork.top + (rcWork.bottom - rcWork.top - nHeight) / 2;
    SetWindowPos(hWnd, nullptr, x, y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE FitCaption(HWND hControl)
{
    int nLength = GetWindowTextLengthA(hControl);
    std::string text(static_cast<size_t>(nLength) + 1, '\0');
    GetWindowTextA(hControl, &text[0], nLength + 1);
    text.resize(static_cast<size_t>(nLength));

    RECT rc = {0, 0, 0, 0};
    {
        canvas::WindowDC dc(hControl);
        canvas::SelectScope font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(hControl, WM_GETFONT, 0, 0)));
        // "&" marks a mnemonic and takes no room, as in the control itself.
        DrawTextA(dc.Get(), text.empty() ? " " : text.c_str(), -1, &rc,
                  DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    }
    SIZE size = {rc.right - rc.left + kInkSlack, rc.bottom - rc.top};
    if (HasCheckMark(hControl)) {
        const int nMark = GetSystemMetrics(SM_CYMENUCHECK);
        size.cx += nMark + kMarkGap + 2 * kFocusMargin;
        size.cy = (size.cy > nMark ? size.cy : nMark) + 2 * kFocusMargin;
    }
    return size;
}

void PlaceControls(HWND hDlg, const Place *pPlaces, size_t nCount)
{
    for (size_t i = 0; i < nCount; i++) {
        const Place &place = pPlaces[i];
        HWND hControl = GetDlgItem(hDlg, place.nId);
        if (!hControl)
            continue;
        SIZE size = {place.cx, place.cy};
        if (!size.cx || !size.cy) {
            SIZE fit = FitCaption(hControl);
            if (!size.cx)
                size.cx = fit.cx;
            if (!size.cy)
                size.cy = fit.cy;
        }
        SetWindowPos(hControl, nullptr, place.x, place.y, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace layout
