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

bool AdPreview::Dispatch(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT *)
{
    // Scrolling and painting only: the preview ignores the mouse, and its class cursor is
    // the one it shows.
    DispatchCommon(hWnd, uMsg, wParam, lParam);
    return false;
}

void AdPreview::Paint(HDC hDC, const RECT &rcClient)
{
    FillRect(hDC, &rcClient, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!m_pTemplate)
        return;
    // The sample ads in the chosen colours come last, above every other object.
    canvas::DrawCanvasObjects(m_pTemplate, hDC, -m_nScrollX, -m_nScrollY, true);
}
