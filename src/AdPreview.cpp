#include "AdPreview.h"

#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "canvas/CanvasWindow.h"
#include "canvas/GdiScope.h"

const char *const AdPreview::ClassName = "AdPreview_Class";

bool AdPreview::Create(HWND hParent, const RECT *prc)
{
    // Class style 0: the preview takes no double-clicks.
    if (!canvas::RegisterCanvasClass(ClassName, 0, canvas::CanvasWndProc<AdPreview>))
        return false;
    return canvas::CreateCanvasWindow(ClassName, hParent, prc, this) != nullptr;
}

void AdPreview::Dispatch(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_CREATE:
        m_hWnd = hWnd;
        OnCreate(wParam, lParam);
        break;
    case WM_DESTROY: OnDestroy(wParam, lParam); break;
    case WM_SIZE: OnSize(wParam, lParam); break;
    case WM_PAINT: OnPaint(wParam, lParam); break;
    case WM_HSCROLL: OnHScroll(wParam, lParam); break;
    case WM_VSCROLL: OnVScroll(wParam, lParam); break;
    default: break;
    }
}

void AdPreview::OnCreate(WPARAM, LPARAM)
{
    m_nScrollX = 0;
    m_nScrollY = 0;
}

void AdPreview::OnSize(WPARAM, LPARAM)
{
    UpdateScrollBars();
}

void AdPreview::OnDestroy(WPARAM, LPARAM) {}

void AdPreview::OnHScroll(WPARAM wParam, LPARAM)
{
    Scroll(SB_HORZ, wParam);
}

void AdPreview::OnVScroll(WPARAM wParam, LPARAM)
{
    Scroll(SB_VERT, wParam);
}

void AdPreview::OnPaint(WPARAM, LPARAM)
{
    canvas::PaintWholeClient(m_hWnd, [this](HDC hDC, const RECT &rc) { Paint(hDC, rc); });
}

void AdPreview::Paint(HDC hDC, const RECT &rcClient)
{
    FillRect(hDC, &rcClient, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!m_pTemplate)
        return;
    // The sample ads in the chosen colours come last, above every other object.
    canvas::DrawCanvasObjects(m_pTemplate, hDC, -m_nScrollX, -m_nScrollY, true);
}
