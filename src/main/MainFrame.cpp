// The controls of the main window, its three pages and how they follow the window's size.
#include "main/TfmMain.h"

#include <commctrl.h>

#include "AdPreview.h"
#include "dialog/ColorPanel.h"
#include "Logo.h"
#include "resource.h"

namespace {

const COLORREF kNavy = RGB(0, 0, 128);
const int kPageTemplates[TfmMain::PAGE_COUNT] = {IDD_PAGE_EDIT, IDD_PAGE_PREVIEW, IDD_PAGE_CODE};
const char *const kPageCaptions[TfmMain::PAGE_COUNT] = {
    "Edit Template", "&Preview Google AdSense", "Google AdSense Code"};

HFONT BoldVersionOf(HFONT hFont)
{
    LOGFONTA lf = {};
    if (!hFont || !GetObjectA(hFont, sizeof(lf), &lf))
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    return CreateFontIndirectA(&lf);
}

HWND CreateChild(HWND hParent, const char *szClass, const char *szText, DWORD dwStyle, int nId)
{
    return CreateWindowExA(0, szClass, szText, WS_CHILD | WS_VISIBLE | dwStyle, 0, 0, 0, 0,
                           hParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nId)),
                           GetModuleHandleA(nullptr), nullptr);
}

void MoveTo(HWND hControl, const mainlayout::ControlBox &box)
{
    if (hControl)
        MoveWindow(hControl, box.x, box.y, box.cx, box.cy, TRUE);
}

}  // namespace

bool TfmMain::CreatePages()
{
    colorpanel::RegisterPanelClass(m_hInstance);
    for (int i = 0; i < PAGE_COUNT; ++i) {
        m_hPages[i] = CreateDialogParamA(m_hInstance, MAKEINTRESOURCEA(kPageTemplates[i]), m_hWnd,
                                         PageProc, reinterpret_cast<LPARAM>(this));
        if (!m_hPages[i])
            return false;
    }
    HFONT hPageFont = reinterpret_cast<HFONT>(SendMessageA(m_hPages[0], WM_GETFONT, 0, 0));
    m_hBoldFont.Reset(BoldVersionOf(hPageFont));
    SendMessageA(Control(IDC_GROUPINSERT), WM_SETFONT, reinterpret_cast<WPARAM>(m_hBoldFont.Get()), FALSE);
    SetupCodePage();
    return true;
}

bool TfmMain::CreateFrameControls()
{
    m_hWhiteBrush.Reset(CreateSolidBrush(RGB(255, 255, 255)));
    RegisterLogoClass(GetModuleHandleA(nullptr));
    m_hLogo = CreateChild(m_hWnd, LogoClass, "", 0, IDC_LOGO);
    m_hHelp = CreateChild(m_hWnd, "BUTTON", "&Help", BS_PUSHBUTTON | WS_TABSTOP, IDC_BTNHELP);
    m_hExit = CreateChild(m_hWnd, "BUTTON", "E&xit", BS_PUSHBUTTON | WS_TABSTOP, IDC_BTNEXIT);
    m_hTabs = CreateChild(m_hWnd, WC_TABCONTROLA, "", WS_CLIPSIBLINGS | WS_TABSTOP, IDC_PAGES);
    m_hStatusBar = CreateChild(m_hWnd, STATUSCLASSNAMEA, "", SBARS_SIZEGRIP, IDC_STATUSBAR);
    if (!m_hLogo || !m_hHelp || !m_hExit || !m_hTabs || !m_hStatusBar)
        return false;
    SendMessageA(m_hHelp, WM_SETFONT, reinterpret_cast<WPARAM>(m_hBoldFont.Get()), FALSE);
    SendMessageA(m_hExit, WM_SETFONT, reinterpret_cast<WPARAM>(m_hBoldFont.Get()), FALSE);
    SendMessageA(m_hTabs, WM_SETFONT, SendMessageA(m_hPages[0], WM_GETFONT, 0, 0), FALSE);
    for (int i = 0; i < PAGE_COUNT; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char *>(kPageCaptions[i]);
        SendMessageA(m_hTabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        // The pages lie over the tab control's display area.
        SetWindowPos(m_hPages[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    ShowPage(PAGE_EDIT);
    return true;
}

INT_PTR CALLBACK TfmMain::PageProc(HWND hPage, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(hPage, DWLP_USER, lParam);
        return FALSE;
    }
    auto *self = reinterpret_cast<TfmMain *>(GetWindowLongPtrA(hPage, DWLP_USER));
    if (!self)
        return FALSE;
    switch (msg) {
    case WM_COMMAND:
        self->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_SIZE:
        for (int i = 0; i < PAGE_COUNT; ++i)
            if (self->m_hPages[i] == hPage)
                self->LayoutPage(i);
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return reinterpret_cast<INT_PTR>(
            self->OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    }
    return FALSE;
}

HWND TfmMain::Control(int nId) const
{
    if (!m_hWnd)
        return nullptr;
    if (HWND hControl = GetDlgItem(m_hWnd, nId))
        return hControl;
    for (HWND hPage : m_hPages)
        if (HWND hControl = hPage ? GetDlgItem(hPage, nId) : nullptr)
            return hControl;
    return nullptr;
}

mainlayout::Insets TfmMain::GetTabInsets() const
{
    const int nProbe = 1000;
    RECT rc = {0, 0, nProbe, nProbe};
    SendMessageA(m_hTabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
    return mainlayout::Insets{rc.left, rc.top, nProbe - rc.right, nProbe - rc.bottom};
}

SIZE TfmMain::GetMinimumSize() const
{
    RECT rcStatus = {};
    GetWindowRect(m_hStatusBar, &rcStatus);
    RECT rcFrame = {0, 0, 0, 0};
    AdjustWindowRectEx(&rcFrame, static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)));
    return mainlayout::MinimumWindowSize(rcStatus.bottom - rcStatus.top, GetTabInsets(),
                                         rcFrame.right - rcFrame.left,
                                         rcFrame.bottom - rcFrame.top);
}

void TfmMain::CenterOnDesktop()
{
    RECT rcWork, rcWindow;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    GetWindowRect(m_hWnd, &rcWindow);
    const int x = rcWork.left + ((rcWork.right - rcWork.left) - (rcWindow.right - rcWindow.left)) / 2;
    const int y = rcWork.top + ((rcWork.bottom - rcWork.top) - (rcWindow.bottom - rcWindow.top)) / 2;
    SetWindowPos(m_hWnd, nullptr, x > rcWork.left ? x : rcWork.left,
                 y > rcWork.top ? y : rcWork.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void TfmMain::LayoutFrame()
{
    if (!m_hTabs || !m_hStatusBar)
        return;
    SendMessageA(m_hStatusBar, WM_SIZE, 0, 0);
    RECT rcClient, rcStatus, rcWindow;
    GetClientRect(m_hWnd, &rcClient);
    GetWindowRect(m_hStatusBar, &rcStatus);
    GetWindowRect(m_hWnd, &rcWindow);

    for (const mainlayout::ControlBox &box : mainlayout::TopPanel(rcWindow.right - rcWindow.left))
        MoveTo(GetDlgItem(m_hWnd, box.nId), box);
    const mainlayout::FrameAreas areas = mainlayout::Areas(
        rcClient.right, rcClient.bottom, rcStatus.bottom - rcStatus.top, GetTabInsets());
    MoveWindow(m_hTabs, areas.rcTabs.left, areas.rcTabs.top, areas.rcTabs.right - areas.rcTabs.left,
               areas.rcTabs.bottom - areas.rcTabs.top, TRUE);
    for (HWND hPage : m_hPages)
        MoveWindow(hPage, areas.rcPage.left, areas.rcPage.top,
                   areas.rcPage.right - areas.rcPage.left, areas.rcPage.bottom - areas.rcPage.top,
                   TRUE);
    InvalidateRect(m_hWnd, &areas.rcTopPanel, TRUE);
}

void TfmMain::LayoutPage(int nPage)
{
    HWND hPage = m_hPages[nPage];
    RECT rc;
    GetClientRect(hPage, &rc);
    std::vector<mainlayout::ControlBox> boxes;
    switch (nPage) {
    case PAGE_EDIT: boxes = mainlayout::EditPage(rc.right, rc.bottom); break;
    case PAGE_PREVIEW: boxes = mainlayout::PreviewPage(rc.right, rc.bottom); break;
    default: boxes = mainlayout::CodePage(rc.right, rc.bottom); break;
    }
    for (const mainlayout::ControlBox &box : boxes)
        MoveTo(GetDlgItem(hPage, box.nId), box);
    FitCanvasesToPanels();
}

// The canvases fill their panels at every size, and their scroll ranges follow.
void TfmMain::FitCanvasesToPanels()
{
    struct {
        HWND hCanvas;
        int nPanelId;
    } fits[] = {{FAdEdit ? FAdEdit->GetHandle() : nullptr, IDC_PNLEDIT},
                {FAdPreview ? FAdPreview->GetHandle() : nullptr, IDC_PNLPREVIEW}};
    for (const auto &fit : fits) {
        if (!fit.hCanvas)
            continue;
        RECT rc;
        GetClientRect(Control(fit.nPanelId), &rc);
        MoveWindow(fit.hCanvas, 0, 0, rc.right, rc.bottom, TRUE);
    }
    if (FAdEdit)
        FAdEdit->UpdateScrollBars();
    if (FAdPreview)
        FAdPreview->UpdateScrollBars();
}

void TfmMain::ShowPage(int nPage)
{
    if (nPage < 0 || nPage >= PAGE_COUNT)
        return;
    m_nActivePage = nPage;
    SendMessageA(m_hTabs, TCM_SETCURSEL, nPage, 0);
    // Only the active page takes input.
    for (int i = 0; i < PAGE_COUNT; ++i) {
        EnableWindow(m_hPages[i], i == nPage);
        ShowWindow(m_hPages[i], i == nPage ? SW_SHOW : SW_HIDE);
    }
    CheckMenuRadioItem(GetMenu(m_hWnd), IDM_VIEW_EDITOR, IDM_VIEW_CODE, IDM_VIEW_EDITOR + nPage,
                       MF_BYCOMMAND);
}

void TfmMain::spMainChange()
{
    ShowPage(static_cast<int>(SendMessageA(m_hTabs, TCM_GETCURSEL, 0, 0)));
}

HBRUSH TfmMain::OnControlColor(HDC hDC, HWND hControl)
{
    const int nId = GetDlgCtrlID(hControl);
    if (nId == IDC_MEMCODE) {
        SetTextColor(hDC, kNavy);
        SetBkColor(hDC, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    if (nId == IDC_GROUPINSERT) {
        SetTextColor(hDC, kNavy);
        SetBkColor(hDC, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    if (GetParent(hControl) == m_hWnd && (nId == IDC_BTNHELP || nId == IDC_BTNEXIT)) {
        SetBkColor(hDC, RGB(255, 255, 255));
        return m_hWhiteBrush.Get();
    }
    // Everything else as the platform draws it.
    return nullptr;
}

void TfmMain::PaintTopPanel()
{
    PAINTSTRUCT ps;
    HDC hDC = BeginPaint(m_hWnd, &ps);
    if (hDC) {
        RECT rc;
        GetClientRect(m_hWnd, &rc);
        rc.bottom = mainlayout::kTopPanelHeight;
        FillRect(hDC, &rc, m_hWhiteBrush.Get());
    }
    EndPaint(m_hWnd, &ps);
}
