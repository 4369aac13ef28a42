#include "canvas/CanvasWindow.h"

#include "AdTemplate/AdSense.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/AdDrawUtil.h"
#include "AdTemplate/PictraDrawCache.h"
#include "AdTemplate/TemplateDraw.h"
#include "canvas/ScrollMath.h"

namespace canvas {

bool RegisterCanvasClass(const char *szClassName, UINT uStyle, WNDPROC pfnWndProc)
{
    HINSTANCE hInstance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (GetClassInfoA(hInstance, szClassName, &wc))
        return true;
    wc.style = uStyle;
    wc.lpfnWndProc = pfnWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 4;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = szClassName;
    return RegisterClassA(&wc) != 0;
}

HWND CreateCanvasWindow(const char *szClassName, HWND hParent, const RECT *prc, void *pParam)
{
    RECT rc = {0, 0, 0, 0};
    if (prc)
        rc = *prc;
    HWND hWnd = CreateWindowExA(0, szClassName, "", WS_CHILD | WS_VSCROLL | WS_HSCROLL, rc.left,
                                rc.top, rc.right - rc.left, rc.bottom - rc.top, hParent, nullptr,
                                GetModuleHandleA(nullptr), pParam);
    if (!IsWindow(hWnd))
        return nullptr;
    ShowWindow(hWnd, SW_SHOW);
    UpdateWindow(hWnd);
    return hWnd;
}

namespace {

bool UpdateScrollBar(HWND hWnd, int nBar, int nClient, int nReserved, int nContent, int *pPos)
{
    const ScrollFit fit = FitScroll(nClient, nReserved, nContent, *pPos);
    const bool bChanged = fit.nPos != *pPos;
    *pPos = fit.nPos;
    SetScrollRange(hWnd, nBar, 0, fit.nMax, TRUE);
    if (fit.bBar)
        SetScrollPos(hWnd, nBar, fit.nPos, TRUE);
    return bChanged;
}

}  // namespace

bool UpdateScrollBars(HWND hWnd, AdSenseTemplate *pTemplate, int nReserved, int *pScrollX,
                      int *pScrollY)
{
    int nRight = 0, nBottom = 0;
    pTemplate->GetSize(&nRight, &nBottom, true);
    const int w = AddClamped(nRight < 0 ? 0 : nRight, pTemplate->GetMarginRight());
    const int h = AddClamped(nBottom < 0 ? 0 : nBottom, pTemplate->GetMarginBottom());
    // Showing or hiding one bar resizes the client area (and re-enters through WM_SIZE), so
    // each bar reads the size afresh.
    RECT rc;
    GetClientRect(hWnd, &rc);
    bool bChanged = UpdateScrollBar(hWnd, SB_HORZ, rc.right, nReserved, w, pScrollX);
    GetClientRect(hWnd, &rc);
    bChanged |= UpdateScrollBar(hWnd, SB_VERT, rc.bottom, nReserved, h, pScrollY);
    return bChanged;
}

bool HandleScrollRequest(HWND hWnd, int nBar, WPARAM wParam, int nLineStep, int *pPos)
{
    int nMin = 0, nMax = 0;
    if (!GetScrollRange(hWnd, nBar, &nMin, &nMax))
        return false;
    const int nOld = GetScrollPos(hWnd, nBar);
    int nNew = ScrollRequestPos(LOWORD(wParam), nOld, nMax, HIWORD(wParam), nLineStep);
    // A thumb position from a posted message may lie outside the range.
    if (nNew > nMax)
        nNew = nMax;
    if (nNew < 0)
        nNew = 0;
    if (nNew == nOld)
        return false;
    SetScrollPos(hWnd, nBar, nNew, TRUE);
    *pPos = nNew;
    return true;
}

void DrawCanvasObjects(AdSenseTemplate *pTemplate, HDC hDC, int nOffsetX, int nOffsetY,
                       bool bNoOutline)
{
    // Every paint draws the whole template, so it knows every picture still in use.
    ReleaseUnusedPictures(pTemplate);
    DrawTemplateOrnaments(pTemplate, hDC, nOffsetX, nOffsetY, bNoOutline);
    if (AdSense *pAdSense = pTemplate->GetAdSense()) {
        pAdSense->SetOffset(nOffsetX, nOffsetY);
        pAdSense->Draw(hDC, bNoOutline);
    }
}

void RepaintNow(HWND hWnd)
{
    if (!hWnd)
        return;
    InvalidateRect(hWnd, nullptr, FALSE);
    UpdateWindow(hWnd);
}

}  // namespace canvas
