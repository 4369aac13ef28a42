#pragma once
#include <windows.h>

// What every dialog of the program shares: a resource template, one window procedure that
// hands messages to the object, and a modal run of our own.
//
// The order is always: construct, Create(owner), fill the controls (SetObject and the
// like), ShowModal, read the results, destroy the object (which destroys the window).
// Because the window exists before it is shown, tests drive a dialog through its messages
// without any hook.
//
// Enter and Escape do nothing: the buttons are not IDOK/IDCANCEL, so the commands the dialog
// manager makes of those keys find no handler. A close by the title bar counts as Cancel.
class DialogBase {
public:
    explicit DialogBase(int nTemplateId);
    virtual ~DialogBase();
    DialogBase(const DialogBase &) = delete;
    DialogBase &operator=(const DialogBase &) = delete;

    // Creates the (hidden) dialog window from its template; false when that fails.
    bool Create(HWND hOwner);
    // Shows the dialog with its owner disabled and runs messages until EndModal; answers
    // the result (IDOK or IDCANCEL). The window stays, hidden, until the object goes.
    int ShowModal();
    // Ends the modal run with a result; outside a run it only records the result.
    void EndModal(int nResult);

    HWND GetHandle() const { return m_hWnd; }
    HWND Item(int nId) const { return GetDlgItem(m_hWnd, nId); }
    int GetModalResult() const { return m_nResult; }
    bool IsRunning() const { return m_bRunning; }

    // Called with every dialog as soon as its modal run has shown it, before the first
    // message: where tests press buttons without a person. Answers the previous hook.
    typedef void (*ShownHook)(DialogBase *pDialog);
    static ShownHook SetShownHook(ShownHook pfnHook);

protected:
    // Once the controls exist, before anything fills them.
    virtual void OnInitDialog() {}
    // WM_COMMAND from a control or a menu; IDOK and IDCANCEL never arrive here.
    virtual void OnCommand(int nId, int nNotifyCode, HWND hControl) {}
    // Any other message; set *pbHandled to answer it with the returned value.
    virtual INT_PTR OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool *pbHandled)
    {
        return 0;
    }
    // The title bar's close button or Alt+F4.
    virtual void OnClose() { EndModal(IDCANCEL); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);

    int m_nTemplateId;
    HWND m_hWnd = nullptr;
    int m_nResult = IDCANCEL;
    bool m_bRunning = false;
    bool m_bEnded = false;
};
