#include "CanvasFixture.h"

#include "PixelCanvas.h"
#include "TestSupport.h"

namespace {

const char kParentClass[] = "OrnamoCanvasTestParent";

}  // namespace

HWND MakeParent(int w, int h)
{
    WNDCLASSA wc = {};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), kParentClass, &wc)) {
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = kParentClass;
        RegisterClassA(&wc);
    }
    return CreateWindowExA(0, kParentClass, "canvas test", WS_POPUP | WS_VISIBLE, 0, 0, w, h,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void CanvasTest::SetUp()
{
    m_hParent = MakeParent(1100, 700);
    ASSERT_NE(m_hParent, nullptr);
    m_tpl.New();
    m_pEdit = new AdEdit;
    m_pEdit->SetTemplate(&m_tpl);
    m_pEdit->SetOwner(&m_owner);
    RECT rc = {0, 0, 1000, 600};
    ASSERT_TRUE(m_pEdit->Create(m_hParent, &rc));
    m_pEdit->UpdateScrollBars();
    testsupport::PumpMessages();
}

void CanvasTest::TearDown()
{
    if (m_hParent)
        DestroyWindow(m_hParent);
    testsupport::PumpMessages();
}

AdText *CanvasTest::AddText(RECT rc, COLORREF crBack)
{
    auto *p = new AdText;
    p->SetText("");
    p->m_crBack = crBack;
    return AddObject(p, rc);
}

AdFrame *CanvasTest::AddFrame(RECT rc, COLORREF crBack)
{
    auto *p = new AdFrame;
    p->m_crBack = crBack;
    p->m_crLine = crBack;
    return AddObject(p, rc);
}

LPARAM CanvasTest::At(int tx, int ty) const
{
    const int cx = tx + AdEdit::RulerSize - m_pEdit->GetScrollX();
    const int cy = ty + AdEdit::RulerSize - m_pEdit->GetScrollY();
    return MAKELPARAM((WORD)(short)cx, (WORD)(short)cy);
}

void CanvasTest::Press(int tx, int ty)
{
    m_bDown = true;
    SendMessageA(Canvas(), WM_LBUTTONDOWN, MK_LBUTTON, At(tx, ty));
}

void CanvasTest::MoveTo(int tx, int ty)
{
    SendMessageA(Canvas(), WM_MOUSEMOVE, m_bDown ? MK_LBUTTON : 0, At(tx, ty));
}

void CanvasTest::PointAt(int tx, int ty)
{
    const LPARAM lParam = At(tx, ty);
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    ClientToScreen(Canvas(), &pt);
    SetCursorPos(pt.x, pt.y);
}

LRESULT CanvasTest::AskCursor(UINT nHitTest)
{
    return SendMessageA(Canvas(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Canvas()),
                        MAKELPARAM(nHitTest, WM_MOUSEMOVE));
}

void CanvasTest::Hover(int tx, int ty)
{
    m_bDown = false;
    // What Windows does for a real move: the pointer is there, the window is asked for the
    // cursor, then the move arrives.
    PointAt(tx, ty);
    AskCursor(HTCLIENT);
    SendMessageA(Canvas(), WM_MOUSEMOVE, 0, At(tx, ty));
}

void CanvasTest::Release(int tx, int ty)
{
    m_bDown = false;
    SendMessageA(Canvas(), WM_LBUTTONUP, 0, At(tx, ty));
}

void CanvasTest::DoubleClick(int tx, int ty)
{
    Click(tx, ty);
    SendMessageA(Canvas(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(tx, ty));
    Release(tx, ty);
}

void CanvasTest::Scroll(UINT uMsg, int nRequest, int nThumb)
{
    SendMessageA(Canvas(), uMsg, MAKEWPARAM(nRequest, nThumb), 0);
}

std::unique_ptr<PixelCanvas> Capture(HWND hWnd)
{
    RECT rc;
    GetClientRect(hWnd, &rc);
    auto canvas = std::make_unique<PixelCanvas>(rc.right, rc.bottom);
    HDC hDC = GetDC(hWnd);
    BitBlt(canvas->DC(), 0, 0, rc.right, rc.bottom, hDC, 0, 0, SRCCOPY);
    ReleaseDC(hWnd, hDC);
    return canvas;
}

bool SameRect(const RECT &a, const RECT &b)
{
    return EqualRect(&a, &b) != FALSE;
}

::testing::AssertionResult RectIs(const RECT &actual, const RECT &expected)
{
    if (SameRect(actual, expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << actual.left << ", " << actual.top << ", " << actual.right << ", " << actual.bottom
           << ") instead of (" << expected.left << ", " << expected.top << ", " << expected.right
           << ", " << expected.bottom << ")";
}
