#pragma once
#include <windows.h>

#include "canvas/CanvasWindow.h"

#include "canvas/HitTest.h"
#include "canvas/Rulers.h"

class AdObj;
class AdSenseTemplate;
class AdEdit;

// Who hears from the editing canvas: the main window in the program.
class AdEditOwner {
public:
    // A click made pObj the current object.
    virtual void OnObjectSelected(AdEdit *pSender, AdObj *pObj) = 0;
    // A double-click made pObj current; its property dialog may run from here.
    virtual void OnObjectDoubleClick(AdEdit *pSender, AdObj *pObj) = 0;
    // A drag step moved or resized pObj: the template has changed.
    virtual void OnObjectDragged(AdEdit *pSender, AdObj *pObj) = 0;
    // A press on the current object's interior, edge or corner starts a drag; it ends at
    // the release or when another window takes the mouse, whether or not anything moved.
    virtual void OnDragBegin(AdEdit *pSender, AdObj *pObj) = 0;
    virtual void OnDragEnd(AdEdit *pSender) = 0;
    // A key pressed while the canvas has the focus (every key reaches it, Tab included);
    // bShift tells whether Shift was down.
    virtual void OnCanvasKey(AdEdit *pSender, UINT nKey, bool bShift) = 0;

protected:
    ~AdEditOwner() = default;
};

// The editing canvas: the template at 1:1 below a horizontal and beside a vertical ruler.
// Objects are selected by clicking, opened by double-clicking, and the current one is moved
// or resized by dragging its interior, edges or corners, scrolling the view as it goes.
// A click gives it the focus, shown as a dotted frame inside its border; its keys go to
// its owner.
//
// Make it with new and hand it to Create: from then on it belongs to its window and is
// deleted when the window is destroyed. When Create fails the caller still owns it.
// A line step scrolls by 5 pixels.
class AdEdit : public canvas::ScrolledCanvas<canvas::RULER_SIZE, 5> {
public:
    static const char *const ClassName;
    static const int RulerSize = canvas::RULER_SIZE;

    AdEdit();
    virtual ~AdEdit();
    AdEdit(const AdEdit &) = delete;
    AdEdit &operator=(const AdEdit &) = delete;

    bool Create(HWND hParent, const RECT *prc);
    void SetOwner(AdEditOwner *pOwner) { m_pOwner = pOwner; }
    // Writes the template's background picture: every object but the ad unit, without
    // outlines, over white, in the objects' bounds plus the template's margins.
    bool ExportImage(const char *szFileName, int nQuality);

    int GetDragMode() const { return m_nDragMode; }

protected:
    // Create, size, paint and scroll messages are handled by the shared canvas base.
    virtual void OnLButtonDown(WPARAM wParam, LPARAM lParam);
    virtual void OnLButtonUp(WPARAM wParam, LPARAM lParam);
    virtual void OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
    virtual void OnMouseMove(WPARAM wParam, LPARAM lParam);

private:
    template <class TCanvas>
    friend LRESULT CALLBACK canvas::CanvasWndProc(HWND, UINT, WPARAM, LPARAM);
    bool Dispatch(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT *plResult);

    void Paint(HDC hDC, const RECT &rcClient) override;
    POINT ToTemplate(POINT ptClient) const;
    AdObj *HitTestObject(POINT ptClient);
    int HitTestHandle(AdObj *pObj, POINT ptClient);
    void Drag(AdObj *pObj, POINT ptClient);
    void SetDragCursor(int nHitCode);
    bool OnSetCursor(UINT nHitTest);
    void OnCaptureChanged(HWND hNewCapture);
    void EndDrag();

    HPEN m_hRulerPen = nullptr;
    HFONT m_hRulerFont = nullptr;
    HCURSOR m_hCursors[canvas::CURSOR_GROUP_COUNT] = {};
    POINT m_ptLast = {0, 0};
    int m_nDragMode = canvas::HIT_NONE;
    bool m_bButtonDown = false;
    AdEditOwner *m_pOwner = nullptr;
};
