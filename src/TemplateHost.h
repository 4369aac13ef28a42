#pragma once
#include <windows.h>

#include <string>

class AdSenseTemplate;

// What the edit-page commands and the dialogs they run need of the window that holds the
// template: the main window in the program, a small fake in tests.
class TemplateHost {
public:
    virtual AdSenseTemplate *GetTemplate() = 0;
    // The owner of every dialog and message box the commands show.
    virtual HWND GetOwnerWindow() = 0;
    // Both canvases, the caption, the code page and the ID edits follow the template.
    virtual void RefreshViews() = 0;
    // The current-object list is refilled from the template.
    virtual void FillObjectList() = 0;
    virtual void SetModified(bool bModified, bool bUpdateCaption) = 0;
    // Shows (bStore false) or sets (bStore true) ad colour nKind 1..5.
    virtual void UpdateAdColor(int nKind, COLORREF cr, bool bStore) = 0;

    // Every change of the template is one step the user can take back: the state is taken
    // before anything changes, and the step is recorded only once something did. Changes
    // do not nest: a begin while one is open keeps the first state. Use ChangeScope.
    virtual void BeginChange() = 0;
    // Consecutive changes with the same non-null merge key make one step.
    virtual void CommitChange(const char *szLabel, const void *pMergeKey) = 0;
    virtual void CancelChange() = 0;

protected:
    ~TemplateHost() = default;
};

// One change of a template: begun when made, cancelled when it goes without Commit (a
// dialog closed with Cancel, a command that found nothing to do, an early return).
class ChangeScope {
public:
    explicit ChangeScope(TemplateHost *pHost) : m_pHost(pHost) { m_pHost->BeginChange(); }
    ~ChangeScope()
    {
        if (m_pHost)
            m_pHost->CancelChange();
    }
    ChangeScope(const ChangeScope &) = delete;
    ChangeScope &operator=(const ChangeScope &) = delete;

    void Commit(const std::string &label, const void *pMergeKey = nullptr)
    {
        if (m_pHost)
            m_pHost->CommitChange(label.c_str(), pMergeKey);
        m_pHost = nullptr;
    }

private:
    TemplateHost *m_pHost;
};
