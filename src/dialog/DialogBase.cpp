#include "dialog/DialogBase.h"

#include <commctrl.h>

#include "dialog/ColorPanel.h"
#include "dialog/IntEdit.h"

namespace {
DialogBase::ShownHook s_pfnShownHook = nullptr;
}

DialogBase::DialogBase(int nTemplateId) : m_nTemplateId(nTemplateId) {}

DialogBase::~DialogBase()
{
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}

DialogBase::ShownHook DialogBase::SetShownHook(ShownHook pfnHook)
{
    ShownHook pfnOld = s_pfnShownHook;
    s_pfnShownHook = pfnHook;
    return pfnOld;
}

bool DialogBase::Create(HWND hOwner)
{
    if (m_hWnd)
        return true;
    HINSTANCE hInstance = GetModuleHandleA(nullptr);
    colorpanel::RegisterPanelClass(hInstance);
    CreateDialogParamA(hInstance, MAKEINTRESOURCEA(m_nTemplateId), hOwner, DialogProc,
                       reinterpret_cast<LPARAM>(this));
    return m_hWnd != nullptr;
}

int DialogBase::ShowModal()
{
    if (!m_hWnd)
        return IDCANCEL;
    HWND hOwner = GetWindow(m_hWnd, GW_OWNER);
    const bool bOwnerEnabled = hOwner && IsWindowEnabled(hOwner);
    if (bOwnerEnabled)
        EnableWindow(hOwner, FALSE);

    m_bEnded = false;
    m_bRunning = true;
    m_nResult = IDCANCEL;
    ShowWindow(m_hWnd, SW_SHOW);
    if (s_pfnShownHook)
        s_pfnShownHook(this);

    MSG msg;
    while (!m_bEnded && m_hWnd) {
        BOOL bGot = GetMessageA(&msg, nullptr, 0, 0);
        if (bGot <= 0) {
            // A quit request belongs to the outer loop: hand it back and leave.
            if (bGot == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!IsDialogMessageA(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    m_bRunning = false;

    // The owner comes back before the dialog hides, so activation returns to it rather than
    // to another program's window.
    if (bOwnerEnabled)
        EnableWindow(hOwner, TRUE);
    if (m_hWnd)
        ShowWindow(m_hWnd, SW_HIDE);
    if (hOwner && bOwnerEnabled)
        SetActiveWindow(hOwner);
    return m_nResult;
}

void DialogBase::EndModal(int nResult)
{
    m_nResult = nResult;
    m_bEnded = true;
    // Wakes the modal loop even when the call came from outside any message.
    if (m_bRunning && m_hWnd)
        PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

INT_PTR CALLBACK DialogBase::DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_INITDIALOG) {
        auto *pSelf = reinterpret_cast<DialogBase *>(lParam);
        SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        pSelf->m_hWnd = hWnd;
    }
    auto *pSelf = reinterpret_cast<DialogBase *>(GetWindowLongPtrA(hWnd, DWLP_USER));
    if (!pSelf)
        return FALSE;
    if (uMsg == WM_NCDESTROY) {
        SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        pSelf->m_hWnd = nullptr;
        pSelf->m_bEnded = true;
        return FALSE;
    }
    return pSelf->HandleMessage(uMsg, wParam, lParam);
}

INT_PTR DialogBase::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE;
    case WM_CLOSE:
        OnClose();
        return TRUE;
    case WM_COMMAND: {
        const int nId = LOWORD(wParam);
        // What the dialog manager makes of Enter and Escape: nothing, on purpose.
        if (nId == IDOK || nId == IDCANCEL)
            return TRUE;
        OnCommand(nId, HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    }
    case WM_NOTIFY:
        if (intedit::HandleDeltaPos(reinterpret_cast<NMHDR *>(lParam))) {
            // Non-zero stops the spin button from changing anything itself.
            SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        break;
    }
    bool bHandled = false;
    INT_PTR nResult = OnMessage(uMsg, wParam, lParam, &bHandled);
    if (!bHandled)
        return FALSE;
    // These few messages answer through the return value itself, the rest through
    // DWLP_MSGRESULT.
    if ((uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC) || uMsg == WM_QUERYDRAGICON ||
        uMsg == WM_VKEYTOITEM || uMsg == WM_CHARTOITEM || uMsg == WM_COMPAREITEM)
        return nResult;
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, nResult);
    return TRUE;
}
