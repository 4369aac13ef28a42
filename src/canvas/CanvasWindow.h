#pragma once
#include <windows.h>

#include "canvas/GdiScope.h"

class AdSenseTemplate;

// What the editing and preview canvases share: their child window, their scroll bars and
// the order in which they draw a template.
namespace canvas {

// The window procedure of a canvas class: the canvas object arrives as the creation
// parameter and lives in the window's user data until WM_DESTROY, which hands the message
// to the canvas, deletes it and clears the user data. TCanvas::Dispatch(hWnd, message,
// wParam, lParam, &result) handles the messages; every message then goes to DefWindowProcA,
// except the few a canvas answers itself (Dispatch true, with its result) because
// DefWindowProcA would undo what the canvas did, as with WM_SETCURSOR.
template <class TCanvas>
LRESULT CALLBACK CanvasWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_CREATE) {
        auto *pcs = reinterpret_cast<CREATESTRUCTA *>(lParam);
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pcs->lpCreateParams));
    }
    auto *pCanvas = reinterpret_cast<TCanvas *>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    LRESULT lResult = 0;
    bool bAnswered = false;
    if (pCanvas) {
        bAnswered = pCanvas->Dispatch(hWnd, uMsg, wParam, lParam, &lResult);
        if (uMsg == WM_DESTROY) {
            delete pCanvas;
            SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        }
    }
    return bAnswered ? lResult : DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// Registers a canvas window class once per program instance (no background brush: the
// canvases paint every pixel themselves). False when registration fails.
bool RegisterCanvasClass(const char *szClassName, UINT uStyle, WNDPROC pfnWndProc);

// Creates, shows and paints a scrolled child window whose WM_CREATE carries pParam.
// prc may be null for an empty rectangle. Null when no window results.
HWND CreateCanvasWindow(const char *szClassName, HWND hParent, const RECT *prc, void *pParam);

// Sets both bars to cover the template: its objects' right and bottom edges plus the right
// and bottom margins, in the client area less nReserved pixels for a ruler on each axis. A
// bar whose content fits is hidden and its position goes back to 0; a position beyond the
// new end comes back to it. Answers true when a position had to change.
bool UpdateScrollBars(HWND hWnd, AdSenseTemplate *pTemplate, int nReserved, int *pScrollX,
                      int *pScrollY);

// Carries out a WM_HSCROLL/WM_VSCROLL request on one bar. Answers true when the position
// moved; *pPos then holds it.
bool HandleScrollRequest(HWND hWnd, int nBar, WPARAM wParam, int nLineStep, int *pPos);

// The ornaments (DrawTemplateOrnaments), then the ad unit above everything: what both
// canvases show. The picture cache lets go of pictures the template no longer holds.
void DrawCanvasObjects(AdSenseTemplate *pTemplate, HDC hDC, int nOffsetX, int nOffsetY,
                       bool bNoOutline);

// Handles WM_PAINT by drawing the whole client area off-screen with paint(hDC, rcClient)
// and copying it in one BitBlt (or straight onto the window when no buffer can be made).
template <class TPaint>
void PaintWholeClient(HWND hWnd, TPaint paint)
{
    PAINTSTRUCT ps;
    HDC hDC = BeginPaint(hWnd, &ps);
    if (hDC) {
        RECT rc;
        GetClientRect(hWnd, &rc);
        DoubleBuffer buffer(hDC, rc.right, rc.bottom);
        paint(buffer.Get(), rc);
        buffer.Flush();
    }
    EndPaint(hWnd, &ps);
}

// InvalidateRect of the whole client area without erasing, then UpdateWindow.
void RepaintNow(HWND hWnd);

// What the editing and preview canvases hold alike: their window, the template they show
// (not owned) and how far it is scrolled. Reserved is the ruler width each axis gives up,
// LineStep the pixels of one line-up or line-down request.
template <int Reserved, int LineStep>
class ScrolledCanvas {
public:
    void SetTemplate(AdSenseTemplate *pTemplate) { m_pTemplate = pTemplate; }
    void UpdateScrollBars()
    {
        if (!m_pTemplate || !m_hWnd)
            return;
        if (canvas::UpdateScrollBars(m_hWnd, m_pTemplate, Reserved, &m_nScrollX, &m_nScrollY))
            Refresh();
    }
    void Refresh() { RepaintNow(m_hWnd); }

    HWND GetHandle() const { return m_hWnd; }
    int GetScrollX() const { return m_nScrollX; }
    int GetScrollY() const { return m_nScrollY; }

protected:
    ScrolledCanvas() = default;
    virtual ~ScrolledCanvas() = default;
    ScrolledCanvas(const ScrolledCanvas &) = delete;
    ScrolledCanvas &operator=(const ScrolledCanvas &) = delete;

    // A WM_HSCROLL (SB_HORZ) or WM_VSCROLL (SB_VERT) request.
    void Scroll(int nBar, WPARAM wParam)
    {
        int *pPos = nBar == SB_HORZ ? &m_nScrollX : &m_nScrollY;
        if (HandleScrollRequest(m_hWnd, nBar, wParam, LineStep, pPos))
            Refresh();
    }

    // The messages both canvases handle alike; false for any other message.
    bool DispatchCommon(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
    {
        switch (uMsg) {
        case WM_CREATE:
            m_hWnd = hWnd;
            OnCreate(wParam, lParam);
            return true;
        case WM_DESTROY: OnDestroy(wParam, lParam); return true;
        case WM_SIZE: OnSize(wParam, lParam); return true;
        case WM_PAINT: OnPaint(wParam, lParam); return true;
        case WM_HSCROLL: OnHScroll(wParam, lParam); return true;
        case WM_VSCROLL: OnVScroll(wParam, lParam); return true;
        default: return false;
        }
    }

    virtual void OnCreate(WPARAM, LPARAM)
    {
        m_nScrollX = 0;
        m_nScrollY = 0;
    }
    virtual void OnDestroy(WPARAM, LPARAM) {}
    virtual void OnSize(WPARAM, LPARAM) { UpdateScrollBars(); }
    virtual void OnPaint(WPARAM, LPARAM)
    {
        PaintWholeClient(m_hWnd, [this](HDC hDC, const RECT &rc) { Paint(hDC, rc); });
    }
    virtual void OnHScroll(WPARAM wParam, LPARAM) { Scroll(SB_HORZ, wParam); }
    virtual void OnVScroll(WPARAM wParam, LPARAM) { Scroll(SB_VERT, wParam); }
    // Draws the whole client area into an off-screen DC.
    virtual void Paint(HDC hDC, const RECT &rcClient) = 0;

    HWND m_hWnd = nullptr;
    AdSenseTemplate *m_pTemplate = nullptr;
    int m_nScrollX = 0;
    int m_nScrollY = 0;
};

}  // namespace canvas
