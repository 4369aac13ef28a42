#include "Logo.h"

#include "canvas/GdiScope.h"

const char *const LogoClass = "OrnamoLogo";

namespace {

const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kPaperEdge = RGB(226, 236, 248);
const COLORREF kEmblemTop = RGB(247, 164, 45);
const COLORREF kEmblemBottom = RGB(196, 58, 38);
const COLORREF kNameTop = RGB(22, 48, 120);
const COLORREF kNameBottom = RGB(52, 130, 210);
const COLORREF kTagline = RGB(110, 118, 130);

COLORREF Blend(COLORREF crFrom, COLORREF crTo, int nStep, int nSteps)
{
    auto mix = [&](int a, int b) { return a + (b - a) * nStep / (nSteps > 0 ? nSteps : 1); };
    return RGB(mix(GetRValue(crFrom), GetRValue(crTo)), mix(GetGValue(crFrom), GetGValue(crTo)),
               mix(GetBValue(crFrom), GetBValue(crTo)));
}

// One-pixel bands of the DC brush: no brush objects to create or lose.
void FillVertical(HDC hDC, const RECT &rc, COLORREF crTop, COLORREF crBottom)
{
    const int nSteps = rc.bottom - rc.top - 1;
    for (int y = rc.top; y < rc.bottom; y++) {
        RECT band = {rc.left, y, rc.right, y + 1};
        SetDCBrushColor(hDC, Blend(crTop, crBottom, y - rc.top, nSteps));
        FillRect(hDC, &band, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
}

void FillHorizontal(HDC hDC, const RECT &rc, COLORREF crLeft, COLORREF crRight)
{
    const int nSteps = rc.right - rc.left - 1;
    for (int x = rc.left; x < rc.right; x++) {
        RECT band = {x, rc.top, x + 1, rc.bottom};
        SetDCBrushColor(hDC, Blend(crLeft, crRight, x - rc.left, nSteps));
        FillRect(hDC, &band, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
}

// The family lets a machine without the face pick a look-alike.
HFONT MakeFont(int nHeight, int nWeight, bool bItalic, BYTE nFamily, const char *szFace)
{
    return CreateFontA(nHeight, 0, 0, 0, nWeight, bItalic, FALSE, FALSE, ANSI_CHARSET,
                       OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       VARIABLE_PITCH | nFamily, szFace);
}

// A rounded tile in a warm gradient holding a white diamond with a dot: the ornament.
void DrawEmblem(HDC hDC, int x, int y)
{
    const int nSize = 44;
    canvas::GdiObject<HRGN> tile(CreateRoundRectRgn(x, y, x + nSize + 1, y + nSize + 1, 14, 14));
    SaveDC(hDC);
    ExtSelectClipRgn(hDC, tile.Get(), RGN_AND);
    RECT rc = {x, y, x + nSize, y + nSize};
    FillVertical(hDC, rc, kEmblemTop, kEmblemBottom);
    RestoreDC(hDC, -1);

    const int cx = x + nSize / 2, cy = y + nSize / 2;
    POINT diamond[] = {{cx, cy - 15}, {cx + 15, cy}, {cx, cy + 15}, {cx - 15, cy}};
    POINT inner[] = {{cx, cy - 7}, {cx + 7, cy}, {cx, cy + 7}, {cx - 7, cy}};
    canvas::SelectScope noPen(hDC, GetStockObject(NULL_PEN));
    canvas::SelectScope brush(hDC, GetStockObject(DC_BRUSH));
    SetDCBrushColor(hDC, kPaper);
    Polygon(hDC, diamond, 4);
    SetDCBrushColor(hDC, kEmblemBottom);
    Polygon(hDC, inner, 4);
}

// The name filled with a vertical gradient through its own outline; answers where it ends.
int DrawName(HDC hDC, int x, int y)
{
    static const char szName[] = "Ornamo";
    canvas::GdiObject<HFONT> font(MakeFont(-40, FW_BOLD, true, FF_ROMAN, "Times New Roman"));
    canvas::SelectScope selectFont(hDC, font.Get());
    SIZE extent = {};
    GetTextExtentPoint32A(hDC, szName, sizeof(szName) - 1, &extent);

    SaveDC(hDC);
    SetBkMode(hDC, TRANSPARENT);
    BeginPath(hDC);
    TextOutA(hDC, x, y, szName, sizeof(szName) - 1);
    EndPath(hDC);
    if (SelectClipPath(hDC, RGN_AND)) {
        RECT rc = {x, y, x + extent.cx + extent.cy / 4, y + extent.cy};
        FillVertical(hDC, rc, kNameTop, kNameBottom);
    } else {
        // A device without paths still gets the name, in one colour.
        SetTextColor(hDC, kNameTop);
        TextOutA(hDC, x, y, szName, sizeof(szName) - 1);
    }
    RestoreDC(hDC, -1);
    return x + extent.cx;
}

void DrawTagline(HDC hDC, int x, int y)
{
    static const char szTagline[] = "AdSense template designer";
    canvas::GdiObject<HFONT> font(MakeFont(-12, FW_NORMAL, false, FF_SWISS, "Arial"));
    canvas::SelectScope selectFont(hDC, font.Get());
    SaveDC(hDC);
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, kTagline);
    TextOutA(hDC, x, y, szTagline, sizeof(szTagline) - 1);
    RestoreDC(hDC, -1);
}

// A fading rule under the name that ends in three small diamonds, echoing the emblem.
void DrawFlourish(HDC hDC, int x, int y, int nRight)
{
    // A name too wide for the rule leaves just the diamonds.
    RECT rule = {x, y, nRight - 40 > x ? nRight - 40 : x, y + 2};
    FillHorizontal(hDC, rule, kEmblemTop, kPaperEdge);
    canvas::SelectScope noPen(hDC, GetStockObject(NULL_PEN));
    canvas::SelectScope brush(hDC, GetStockObject(DC_BRUSH));
    const COLORREF colours[] = {kEmblemTop, kEmblemBottom, kNameBottom};
    for (int i = 0; i < 3; i++) {
        const int cx = nRight - 32 + i * 11, cy = y + 1;
        POINT diamond[] = {{cx, cy - 4}, {cx + 4, cy}, {cx, cy + 4}, {cx - 4, cy}};
        SetDCBrushColor(hDC, colours[i]);
        Polygon(hDC, diamond, 4);
    }
}

LRESULT CALLBACK LogoWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = BeginPaint(hWnd, &ps);
        RECT rc;
        GetClientRect(hWnd, &rc);
        canvas::DoubleBuffer buffer(hDC, rc.right, rc.bottom);
        FillRect(buffer.Get(), &rc, GetSysColorBrush(COLOR_BTNFACE));
        DrawLogo(buffer.Get(), 0, 0);
        buffer.Flush();
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONUP:
        SendMessageA(GetParent(hWnd), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(hWnd), STN_CLICKED), reinterpret_cast<LPARAM>(hWnd));
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

}  // namespace

void DrawLogo(HDC hDC, int x, int y)
{
    RECT rcPaper = {x, y, x + kLogoWidth, y + kLogoHeight};
    FillHorizontal(hDC, rcPaper, kPaper, kPaperEdge);
    DrawEmblem(hDC, x + 8, y + 8);
    const int nNameEnd = DrawName(hDC, x + 62, y + 2);
    DrawFlourish(hDC, nNameEnd + 4, y + 30, x + kLogoWidth);
    DrawTagline(hDC, x + 66, y + 42);
}

bool RegisterLogoClass(HINSTANCE hInstance)
{
    WNDCLASSA wc = {};
    if (GetClassInfoA(hInstance, LogoClass, &wc))
        return true;
    wc.lpfnWndProc = LogoWndProc;
    wc.hInstance = hInstance;
    // The class cursor answers WM_SETCURSOR: no flicker, no handler.
    wc.hCursor = LoadCursor(nullptr, IDC_HAND);
    wc.lpszClassName = LogoClass;
    return RegisterClassA(&wc) != 0;
}
