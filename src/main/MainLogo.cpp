#include "main/MainLogo.h"

#include "canvas/GdiScope.h"

namespace mainlogo {

namespace {

const char *const kClassName = "OrnamoLogo";
const COLORREF kNavy = RGB(0x1F, 0x3A, 0x7A);
const COLORREF kGold = RGB(0xE8, 0xA3, 0x17);
const COLORREF kGrey = RGB(0x70, 0x70, 0x70);

HFONT MakeFont(int nHeight, int nWeight, bool bItalic, const char *szFace)
{
    return CreateFontA(-nHeight, 0, 0, 0, nWeight, bItalic, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, szFace);
}

// A rounded tile holding a small ornament: a gold frame around a navy block, the idea of
// the program in one picture.
void DrawEmblem(HDC hDC, int x, int y, int nSize)
{
    canvas::GdiObject<HBRUSH> navy(CreateSolidBrush(kNavy));
    canvas::GdiObject<HPEN> gold(CreatePen(PS_SOLID, 3, kGold));
    canvas::GdiObject<HBRUSH> white(CreateSolidBrush(RGB(255, 255, 255)));
    {
        canvas::SelectScope brush(hDC, navy.Get());
        canvas::SelectScope pen(hDC, GetStockObject(NULL_PEN));
        RoundRect(hDC, x, y, x + nSize, y + nSize, 14, 14);
    }
    const int nInset = nSize / 5;
    canvas::SelectScope pen(hDC, gold.Get());
    canvas::SelectScope brush(hDC, GetStockObject(NULL_BRUSH));
    Rectangle(hDC, x + nInset, y + nInset, x + nSize - nInset, y + nSize - nInset);
    RECT rcAd = {x + 2 * nInset, y + 2 * nInset + 2, x + nSize - 2 * nInset,
                 y + nSize - 2 * nInset - 2};
    FillRect(hDC, &rcAd, white.Get());
}

LRESULT CALLBACK LogoProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = BeginPaint(hWnd, &ps);
        if (hDC) {
            RECT rc;
            GetClientRect(hWnd, &rc);
            Draw(hDC, rc);
        }
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_LBUTTONUP:
        SendMessageA(GetParent(hWnd), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(hWnd), STN_CLICKED), reinterpret_cast<LPARAM>(hWnd));
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

}  // namespace

void Draw(HDC hDC, const RECT &rc)
{
    canvas::GdiObject<HBRUSH> background(CreateSolidBrush(RGB(255, 255, 255)));
    FillRect(hDC, &rc, background.Get());
    const int nHeight = rc.bottom - rc.top;
    DrawEmblem(hDC, rc.left + 2, rc.top + 2, nHeight - 4);

    const int nTextLeft = rc.left + nHeight + 10;
    canvas::GdiObject<HFONT> name(MakeFont(nHeight * 3 / 5, FW_BOLD, false, "Arial"));
    canvas::GdiObject<HFONT> line(MakeFont(nHeight / 5, FW_NORMAL, true, "Arial"));
    SetBkMode(hDC, TRANSPARENT);
    {
        canvas::SelectScope font(hDC, name.Get());
        SetTextColor(hDC, kNavy);
        RECT rcName = {nTextLeft, rc.top, rc.right, rc.top + nHeight * 7 / 10};
        DrawTextA(hDC, "Ornamo", -1, &rcName, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
    }
    canvas::SelectScope font(hDC, line.Get());
    SetTextColor(hDC, kGrey);
    RECT rcLine = {nTextLeft + 2, rc.top + nHeight * 7 / 10, rc.right, rc.bottom};
    DrawTextA(hDC, "Google AdSense template designer", -1, &rcLine,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

HWND Create(HWND hParent, int nId)
{
    HINSTANCE hInstance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExA(hInstance, kClassName, &wc)) {
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = LogoProc;
        wc.hInstance = hInstance;
        wc.hCursor = LoadCursor(nullptr, IDC_HAND);
        wc.lpszClassName = kClassName;
        if (!RegisterClassExA(&wc))
            return nullptr;
    }
    return CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hParent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(nId)), hInstance,
                           nullptr);
}

}  // namespace mainlogo
