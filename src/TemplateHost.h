#pragma once
#include <windows.h>

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

protected:
    ~TemplateHost() = default;
};
