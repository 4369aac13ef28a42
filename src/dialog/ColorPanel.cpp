#include "dialog/ColorPanel.h"

#include <commdlg.h>

#include "canvas/GdiScope.h"
#include "dialog/Prompts.h"

namespace colorpanel {

const char *const ColorPanelClass = "OrnamoColorPanel";

namespace {

LRESULT CALLBACK PanelProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = BeginPaint(hWnd, &ps);
        if (hDC) {
            canvas::GdiObject<HBRUSH> brush(CreateSolidBrush(GetColor(hWnd)));
            RECT rc;
            GetClientRect(hWnd, &rc);
            FillRect(hDC, &rc, brush.Get() ? brush.Get()
                                           : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
        EndPaint(hWnd, &ps);
        return 0;
    }
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// The sixteen custom colours of the colour dialog live as long as the program, like the
// platform's own dialogs keep them within one run.
COLORREF s_crCustom[16] = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};

}  // namespace

bool RegisterPanelClass(HINSTANCE hInstance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExA(hInstance, ColorPanelClass, &wc))
        return true;
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PanelProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = ColorPanelClass;
    return RegisterClassExA(&wc) != 0;
}

HWND Create(HWND hParent, int nId, int x, int y, int cx, int cy)
{
    HINSTANCE hInstance = GetModuleHandleA(nullptr);
    RegisterPanelClass(hInstance);
    return CreateWindowExA(0, ColorPanelClass, "", WS_CHILD | WS_VISIBLE, x, y, cx, cy, hParent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(nId)), hInstance,
                           nullptr);
}

void SetColor(HWND hPanel, COLORREF cr)
{
    if (!hPanel)
        return;
    SetWindowLongPtrA(hPanel, GWLP_USERDATA, static_cast<LONG_PTR>(cr));
    InvalidateRect(hPanel, nullptr, FALSE);
}

COLORREF GetColor(HWND hPanel)
{
    return hPanel ? static_cast<COLORREF>(GetWindowLongPtrA(hPanel, GWLP_USERDATA)) : 0;
}

bool Pick(HWND hOwner, HWND hPanel, COLORREF *pcr)
{
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = hOwner;
    cc.rgbResult = GetColor(hPanel);
    cc.lpCustColors = s_crCustom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!prompts::PickColor(&cc))
        return false;
    SetColor(hPanel, cc.rgbResult);
    if (pcr)
        *pcr = cc.rgbResult;
    return true;
}

}  // namespace colorpanel
