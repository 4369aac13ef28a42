#include "main/TfmMain.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include "AdPreview.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "PictraUtil.h"
#include "RecoveryFile.h"
#include "dialog/Prompts.h"
#include "main/MainLayout.h"
#include "resource.h"

const char *const TfmMain::ClassName = "TfmMain";

namespace {

const char *const kDesignCaption = "Ornamo  ";

// A canvas over its panel's client area, showing the template. Once its window exists the
// canvas belongs to it; when the window fails nothing is left behind and the answer is null.
template <class TCanvas>
TCanvas *CreateCanvasIn(HWND hPanel, AdSenseTemplate *pTemplate)
{
    auto *pCanvas = new TCanvas;
    pCanvas->SetTemplate(pTemplate);
    RECT rc;
    GetClientRect(hPanel, &rc);
    if (!pCanvas->Create(hPanel, &rc)) {
        delete pCanvas;
        return nullptr;
    }
    pCanvas->UpdateScrollBars();
    return pCanvas;
}

}  // namespace

TfmMain::TfmMain() : m_editCommands(this) {}

TfmMain::~TfmMain()
{
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}

HWND TfmMain::Create(HINSTANCE hInstance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExA(hInstance, ClassName, &wc)) {
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = WndProc;
        wc.hInstance = hInstance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconA(hInstance, MAKEINTRESOURCEA(IDI_ORNAMO));
        wc.hIconSm = static_cast<HICON>(LoadImageA(hInstance, MAKEINTRESOURCEA(IDI_ORNAMO),
                                                   IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = ClassName;
        if (!RegisterClassExA(&wc))
            return nullptr;
    }
    m_hInstance = hInstance;
    // The table belongs to the module: it is never destroyed.
    m_hAccelerators = LoadAcceleratorsA(hInstance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    HMENU hMenu = LoadMenuA(hInstance, MAKEINTRESOURCEA(IDR_MAINMENU));
    HWND hWnd = CreateWindowExA(WS_EX_CONTROLPARENT, ClassName, kDesignCaption,
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                CW_USEDEFAULT, mainlayout::kMinWindowWidth,
                                mainlayout::kMinWindowHeight, nullptr, hMenu, hInstance, this);
    if (!hWnd) {
        if (hMenu)
            DestroyMenu(hMenu);
        return nullptr;
    }
    // The smallest size depends on the frame and the controls, known only now.
    SIZE size = GetMinimumSize();
    SetWindowPos(hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    CenterOnDesktop();
    return hWnd;
}

bool TfmMain::TranslateShortcut(MSG *pMsg)
{
    if (!m_hWnd || !m_hAccelerators)
        return false;
    // A text box keeps its own Ctrl+Z and Ctrl+Y for what is typed into it.
    char szClass[16] = {};
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == 'Z' || pMsg->wParam == 'Y') &&
        GetClassNameA(pMsg->hwnd, szClass, sizeof(szClass)) && _stricmp(szClass, "Edit") == 0)
        return false;
    return TranslateAcceleratorA(m_hWnd, m_hAccelerators, pMsg) != 0;
}

LRESULT CALLBACK TfmMain::WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto *cs = reinterpret_cast<CREATESTRUCTA *>(lParam);
        auto *self = static_cast<TfmMain *>(cs->lpCreateParams);
        self->m_hWnd = hWnd;
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<TfmMain *>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(hWnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        return DefWindowProcA(hWnd, msg, wParam, lParam);
    }
    return self->HandleMessage(msg, wParam, lParam);
}

LRESULT TfmMain::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (HandleIdEditExit(msg, wParam))
        return 0;
    switch (msg) {
    case WM_CREATE:
        return FormCreate() ? 0 : -1;
    case WM_SIZE:
        LayoutFrame();
        return 0;
    case WM_GETMINMAXINFO: {
        auto *pInfo = reinterpret_cast<MINMAXINFO *>(lParam);
        if (m_hTabs) {
            SIZE size = GetMinimumSize();
            pInfo->ptMinTrackSize.x = size.cx;
            pInfo->ptMinTrackSize.y = size.cy;
        }
        return 0;
    }
    case WM_PAINT:
        PaintTopPanel();
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (HBRUSH hBrush = OnControlColor(reinterpret_cast<HDC>(wParam),
                                           reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(hBrush);
        break;
    case WM_COMMAND:
        // A shortcut runs its menu item's command: it comes with code 1 and no control.
        if (lParam == 0 && HIWORD(wParam) == 1)
            OnCommand(LOWORD(wParam), 0);
        else
            OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_INITMENUPOPUP: {
        HMENU hPopup = reinterpret_cast<HMENU>(wParam);
        UpdateEditMenu(hPopup);
        if (GetMenuState(hPopup, IDM_FILE_EXIT, MF_BYCOMMAND) != static_cast<UINT>(-1))
            UpdateRecentMenu(hPopup);
        return 0;
    }
    case WM_NOTIFY: {
        auto *pHeader = reinterpret_cast<NMHDR *>(lParam);
        if (pHeader->hwndFrom == m_hTabs && pHeader->code == TCN_SELCHANGE)
            spMainChange();
        return 0;
    }
    case WM_TIMER:
        if (wParam == RecoveryTimerId)
            tmRecoveryTimer();
        else
            tmMainTimer();
        return 0;
    case WM_CLOSE:
        if (FormCloseQuery())
            DestroyWindow(m_hWnd);
        return 0;
    // Log-off and shutdown: the same question as a close, and the same tear-down.
    case WM_QUERYENDSESSION:
        return FormCloseQuery() ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (wParam)
            DestroyWindow(m_hWnd);
        return 0;
    case WM_DESTROY:
        FormDestroy();
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

bool TfmMain::FormCreate()
{
    FStarted = false;
    // The pages come first: the frame's buttons take their font.
    return CreatePages() && CreateFrameControls() && InitMainWindow();
}

bool TfmMain::InitMainWindow()
{
    CreateFolders();
    CreateImageLibraryBinding();
    LoadSettings(FSettings, GetSettingsPath());
    ShowCodeForm();
    m_recent.Load(GetSettingsPath());
    FTemplate = new AdSenseTemplate;
    FillAdFormatList();

    FAdEdit = CreateCanvasIn<AdEdit>(Control(IDC_PNLEDIT), FTemplate);
    FAdPreview = CreateCanvasIn<AdPreview>(Control(IDC_PNLPREVIEW), FTemplate);
    if (!FAdEdit || !FAdPreview)
        return false;
    FAdEdit->SetOwner(this);
    ShowAdColors();
    StartRecovery();
    return true;
}

void TfmMain::FormDestroy()
{
    SaveSettings(FSettings, GetSettingsPath());
    m_recent.Save(GetSettingsPath());
    RemoveRecoveryCopy();
    // The canvases still hold the template: they go first, with their windows.
    for (HWND &hPage : m_hPages) {
        if (hPage)
            DestroyWindow(hPage);
        hPage = nullptr;
    }
    FAdEdit = nullptr;
    FAdPreview = nullptr;
    delete FTemplate;
    FTemplate = nullptr;
    delete m_pPictra;
    m_pPictra = nullptr;
}

void TfmMain::RefreshViews()
{
    if (!FTemplate)
        return;
    if (FAdEdit) {
        FAdEdit->UpdateScrollBars();
        FAdEdit->Refresh();
    }
    if (FAdPreview) {
        FAdPreview->UpdateScrollBars();
        FAdPreview->Refresh();
    }
    UpdateCaption();
    ShowCode();
    SyncAdIds(false);
    ShowAdFormat();
}

void TfmMain::UpdateCaption()
{
    if (!FTemplate || !m_hWnd)
        return;
    char szCaption[MAX_PATH + 32];
    snprintf(szCaption, sizeof(szCaption), "Ornamo - [%s]%s", FTemplate->GetFilePath(),
             FTemplate->IsModified() ? " * " : "");
    // Every drag step asks for the caption: redrawing an unchanged title bar each time
    // would cost more than the step itself.
    char szShown[sizeof(szCaption)] = {};
    GetWindowTextA(m_hWnd, szShown, sizeof(szShown));
    if (strcmp(szShown, szCaption) != 0)
        SetWindowTextA(m_hWnd, szCaption);
}

void TfmMain::SetModified(bool bModified, bool bUpdateCaption)
{
    if (!FTemplate)
        return;
    FTemplate->SetModified(bModified);
    if (bUpdateCaption)
        UpdateCaption();
}

bool TfmMain::QuerySaveChanges()
{
    CommitPendingIds();
    if (!FTemplate || !FTemplate->IsModified())
        return true;
    const int nAnswer = prompts::MessageF(
        m_hWnd, "Confirmation", MB_YESNOCANCEL | MB_ICONQUESTION,
        "The AdSense Template File \"%s\" was modified, do you want to save it before exit?",
        FTemplate->GetFilePath());
    if (nAnswer == IDNO)
        return true;
    if (nAnswer != IDYES)
        return false;
    // Going on after a cancelled or failed save would lose the changes.
    return SaveTemplate() && !FTemplate->IsModified();
}

bool TfmMain::FormCloseQuery()
{
    if (!FStarted)
        return true;
    // No template yet (the start-up choice has not run or is still running): nothing to save.
    if (!FTemplate->GetFilePath()[0])
        return StartupAllowsClose();
    return QuerySaveChanges();
}
