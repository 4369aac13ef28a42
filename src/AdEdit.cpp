#include "AdEdit.h"

#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/TemplateExport.h"
#include "canvas/CanvasWindow.h"
#include "canvas/DragStep.h"
#include "canvas/Rulers.h"

#include <cstring>

const char *const AdEdit::ClassName = "AdEdit_Class";

namespace {

POINT PointFromLParam(LPARAM lParam)
{
    // Signed halves: left of or above the window while the mouse is captured.
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    return pt;
}

}  // namespace

AdEdit::AdEdit()
{
    m_hRulerPen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    LOGFONTA lf = {};
    lf.lfHeight = -9;
    lf.lfWeight = FW_NORMAL;
    std::strcpy(lf.lfFaceName, "Verdana");
    m_hRulerFont = CreateFontIndirectA(&lf);
    for (int i = 0; i < canvas::CURSOR_GROUP_COUNT; ++i)
        m_hCursors[i] = LoadCursorA(nullptr, canvas::CursorGroupResource(i));
}

AdEdit::~AdEdit()
{
    if (m_hRulerPen)
        DeleteObject(m_hRulerPen);
    if (m_hRulerFont)
        DeleteObject(m_hRulerFont);
}

bool AdEdit::Create(HWND hParent, const RECT *prc)
{
    if (!canvas::RegisterCanvasClass(ClassName, CS_DBLCLKS, canvas::CanvasWndProc<AdEdit>))
        return false;
    return canvas::CreateCanvasWindow(ClassName, hParent, prc, this) != nullptr;
}

bool AdEdit::Dispatch(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT *plResult)
{
    if (DispatchCommon(hWnd, uMsg, wParam, lParam))
        return false;
    switch (uMsg) {
    case WM_LBUTTONDOWN: OnLButtonDown(wParam, lParam); break;
    case WM_LBUTTONUP: OnLButtonUp(wParam, lParam); break;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(wParam, lParam); break;
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); break;
    case WM_CAPTURECHANGED: OnCaptureChanged(reinterpret_cast<HWND>(lParam)); break;
    case WM_GETDLGCODE:
        *plResult = DLGC_WANTALLKEYS;
        return true;
    case WM_KEYDOWN:
        if (m_pOwner)
            m_pOwner->OnCanvasKey(this, static_cast<UINT>(wParam), GetKeyState(VK_SHIFT) < 0);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Refresh();
        break;
    case WM_SETCURSOR:
        if (OnSetCursor(LOWORD(lParam))) {
            *plResult = TRUE;
            return true;
        }
        break;
    default: break;
    }
    return false;
}

void AdEdit::Paint(HDC hDC, const RECT &rcClient)
{
    FillRect(hDC, &rcClient, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (m_pTemplate) {
        const int ox = RulerSize - m_nScrollX;
        const int oy = RulerSize - m_nScrollY;
        canvas::DrawCanvasObjects(m_pTemplate, hDC, ox, oy, false);
    }
    canvas::DrawRulers(hDC, rcClient, m_nScrollX, m_nScrollY, m_hRulerPen, m_hRulerFont);
    if (GetFocus() == m_hWnd) {
        RECT rcFocus = {rcClient.left + RulerSize + 1, rcClient.top + RulerSize + 1,
                        rcClient.right - 1, rcClient.bottom - 1};
        DrawFocusRect(hDC, &rcFocus);
    }
}

POINT AdEdit::ToTemplate(POINT ptClient) const
{
    POINT pt = {ptClient.x + m_nScrollX - RulerSize, ptClient.y + m_nScrollY - RulerSize};
    return pt;
}

// The ad unit wins wherever it lies, then the current object, then the others from the top
// of the drawing order down.
AdObj *AdEdit::HitTestObject(POINT ptClient)
{
    if (!m_pTemplate)
        return nullptr;
    const POINT t = ToTemplate(ptClient);
    AdObj *pAdSense = m_pTemplate->GetAdSense();
    if (pAdSense && canvas::HitsObject(*pAdSense->GetPos(), t))
        return pAdSense;
    AdObj *pCurrent = m_pTemplate->GetCurrent();
    if (pCurrent && canvas::HitsObject(*pCurrent->GetPos(), t))
        return pCurrent;
    for (AdObj *pObj = m_pTemplate->GetLast(); pObj; pObj = m_pTemplate->GetPrev()) {
        if (pObj->GetType() == OBJ_ADSENSE || pObj->IsSelected())
            continue;
        if (canvas::HitsObject(*pObj->GetPos(), t))
            return pObj;
    }
    return nullptr;
}

int AdEdit::HitTestHandle(AdObj *pObj, POINT ptClient)
{
    if (!pObj || !m_pTemplate || pObj != m_pTemplate->GetCurrent())
        return canvas::HIT_NONE;
    const int nType = pObj->GetType();
    // Lines and shadows are edited only through their dialogs.
    if (nType != OBJ_ADSENSE && nType != OBJ_IMAGE && nType != OBJ_TEXT && nType != OBJ_FRAME)
        return canvas::HIT_NONE;
    // The ad unit takes its size from its format: it moves but never resizes.
    return canvas::HitTestBands(*pObj->GetPos(), ToTemplate(ptClient), m_bButtonDown,
                                nType != OBJ_ADSENSE);
}

void AdEdit::SetDragCursor(int nHitCode)
{
    SetCursor(m_hCursors[canvas::CursorGroup(nHitCode)]);
}

void AdEdit::OnLButtonDown(WPARAM, LPARAM lParam)
{
    const POINT p = PointFromLParam(lParam);
    if (GetFocus() != m_hWnd)
        SetFocus(m_hWnd);
    m_bButtonDown = true;
    AdObj *pObj = HitTestObject(p);
    m_nDragMode = pObj ? HitTestHandle(pObj, p) : canvas::HIT_NONE;
    // A press on an object that is not current starts nothing: the release selects it.
    if (m_nDragMode != canvas::HIT_NONE) {
        m_ptLast = p;
        SetDragCursor(m_nDragMode);
        SetCapture(m_hWnd);
        if (m_pOwner)
            m_pOwner->OnDragBegin(this, pObj);
    }
}

// Windows asks for the cursor before every mouse move over the client area (not while the
// mouse is captured, when the drag's cursor stays). Answering here, and not letting
// DefWindowProcA put the class cursor back first, keeps the cursor from flickering.
bool AdEdit::OnSetCursor(UINT nHitTest)
{
    if (nHitTest != HTCLIENT)
        return false;  // the scroll bars and the border keep their own cursors
    int nHitCode = m_nDragMode;
    if (!m_bButtonDown) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(m_hWnd, &p);
        AdObj *pObj = HitTestObject(p);
        nHitCode = pObj ? HitTestHandle(pObj, p) : canvas::HIT_NONE;
    }
    SetDragCursor(nHitCode);
    return true;
}

void AdEdit::OnMouseMove(WPARAM, LPARAM lParam)
{
    const POINT p = PointFromLParam(lParam);
    if (!m_bButtonDown) {
        // The cursor itself is set on WM_SETCURSOR.
        AdObj *pObj = HitTestObject(p);
        m_nDragMode = pObj ? HitTestHandle(pObj, p) : canvas::HIT_NONE;
    } else if (m_nDragMode != canvas::HIT_NONE && m_pTemplate) {
        Drag(m_pTemplate->GetCurrent(), p);
    }
}

void AdEdit::OnLButtonUp(WPARAM, LPARAM lParam)
{
    const POINT p = PointFromLParam(lParam);
    m_bButtonDown = false;
    if (m_nDragMode != canvas::HIT_NONE) {
        // A finished drag leaves the selection as it was.
        EndDrag();
        if (GetCapture() == m_hWnd)
            ReleaseCapture();
        SetDragCursor(canvas::HIT_NONE);
        return;
    }
    AdObj *pObj = HitTestObject(p);
    if (!pObj)
        return;
    m_pTemplate->SetCurrent(pObj);
    if (m_pOwner)
        m_pOwner->OnObjectSelected(this, pObj);
    Refresh();
}

void AdEdit::OnLButtonDblClk(WPARAM, LPARAM lParam)
{
    const POINT p = PointFromLParam(lParam);
    m_bButtonDown = false;
    AdObj *pObj = HitTestObject(p);
    if (!pObj)
        return;
    m_pTemplate->SetCurrent(pObj);
    if (m_pOwner) {
        m_pOwner->OnObjectSelected(this, pObj);
        // The property dialog may run modally here; pObj is not used after it.
        m_pOwner->OnObjectDoubleClick(this, pObj);
    }
    Refresh();
}

// Another window took the mouse in the middle of a drag (a dialog, a task switch): the
// release will never reach us, so the drag ends here.
void AdEdit::OnCaptureChanged(HWND hNewCapture)
{
    if (hNewCapture == m_hWnd || m_nDragMode == canvas::HIT_NONE)
        return;
    m_bButtonDown = false;
    EndDrag();
}

void AdEdit::EndDrag()
{
    m_nDragMode = canvas::HIT_NONE;
    if (m_pOwner)
        m_pOwner->OnDragEnd(this);
}

void AdEdit::Drag(AdObj *pObj, POINT ptClient)
{
    const int dx = ptClient.x - m_ptLast.x;
    const int dy = ptClient.y - m_ptLast.y;
    m_ptLast = ptClient;
    if (!pObj)
        return;

    RECT rcClient;
    GetClientRect(m_hWnd, &rcClient);
    canvas::DragInput in = {};
    in.nMode = m_nDragMode;
    in.rcObject = *pObj->GetPos();
    in.nDx = dx;
    in.nDy = dy;
    in.rcView = {m_nScrollX, m_nScrollY, rcClient.right + m_nScrollX - RulerSize,
                 rcClient.bottom + m_nScrollY - RulerSize};
    in.nScrollX = m_nScrollX;
    in.nScrollY = m_nScrollY;
    const canvas::DragResult out = canvas::ComputeDragStep(in);
    // A scroll the limits asked for stays even when the object does not move; it shows at
    // the next repaint.
    m_nScrollX = out.nScrollX;
    m_nScrollY = out.nScrollY;
    if (!out.bChanged)
        return;

    pObj->SetPos(&out.rcObject);
    if (out.bScrolled)
        UpdateScrollBars();
    if (m_pOwner)
        m_pOwner->OnObjectDragged(this, pObj);
    Refresh();
}

bool AdEdit::ExportImage(const char *szFileName, int nQuality)
{
    return ExportTemplateImage(m_pTemplate, szFileName, nQuality);
}
