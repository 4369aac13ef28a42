#pragma once
#include <gtest/gtest.h>

#include "AdEdit.h"
#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"

#include <memory>
#include <vector>

class PixelCanvas;

// Stands in for the main window: records what the canvas tells its owner.
class OwnerRecorder : public AdEditOwner {
public:
    void OnObjectSelected(AdEdit *, AdObj *pObj) override { selected.push_back(pObj); }
    void OnObjectDoubleClick(AdEdit *, AdObj *pObj) override { doubleClicked.push_back(pObj); }
    void OnObjectDragged(AdEdit *, AdObj *pObj) override { dragged.push_back(pObj); }
    void OnDragBegin(AdEdit *, AdObj *pObj) override { dragBegun.push_back(pObj); }
    void OnDragEnd(AdEdit *) override { ++nDragEnds; }
    void OnCanvasKey(AdEdit *, UINT nKey, bool) override { keys.push_back(nKey); }

    std::vector<AdObj *> selected, doubleClicked, dragged, dragBegun;
    int nDragEnds = 0;
    std::vector<UINT> keys;
};

// A real editing canvas of 1000 x 600 in a shown top-level window, with a fresh template
// (the ad unit alone at 10, 10, 738, 100). Mouse input arrives as window messages at
// template coordinates, turned into client coordinates by the current scroll position.
class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND Canvas() const { return m_pEdit->GetHandle(); }
    // Appends a text, which becomes current.
    AdText *AddText(RECT rc, COLORREF crBack = RGB(255, 255, 255));
    AdFrame *AddFrame(RECT rc, COLORREF crBack);
    template <class T>
    T *AddObject(T *p, RECT rc)
    {
        p->m_rcPos = rc;
        m_tpl.Add(p);
        m_pEdit->UpdateScrollBars();
        return p;
    }

    LPARAM At(int tx, int ty) const;
    void Press(int tx, int ty);
    void MoveTo(int tx, int ty);  // with the button down when pressed
    // Puts the real pointer over a template point.
    void PointAt(int tx, int ty);
    // Sends WM_SETCURSOR for the pointer over the canvas, as Windows does before each move.
    LRESULT AskCursor(UINT nHitTest);
    void Hover(int tx, int ty);  // PointAt, AskCursor, then the move
    void Release(int tx, int ty);
    void DoubleClick(int tx, int ty);
    void Click(int tx, int ty)
    {
        Press(tx, ty);
        Release(tx, ty);
    }
    void Scroll(UINT uMsg, int nRequest, int nThumb = 0);

    HWND m_hParent = nullptr;
    AdSenseTemplate m_tpl;
    AdEdit *m_pEdit = nullptr;
    OwnerRecorder m_owner;
    bool m_bDown = false;
};

// A shown top-level window to hold canvases.
HWND MakeParent(int w, int h);
// What a window shows, read back from its DC.
std::unique_ptr<PixelCanvas> Capture(HWND hWnd);
bool SameRect(const RECT &a, const RECT &b);
::testing::AssertionResult RectIs(const RECT &actual, const RECT &expected);
