// Undo and redo of the template's changes, the Edit menu that offers them, and the recent
// templates of the File menu.
#include "main/TfmMain.h"

#include <shlobj.h>
#include <string>

#include "AdTemplate/AdSenseTemplate.h"
#include "misc/WinUtil.h"
#include "dialog/Prompts.h"
#include "resource.h"

void TfmMain::BeginChange()
{
    if (m_bChangeOpen || !FTemplate)
        return;
    m_changeBefore = TemplateSnapshot::Capture(*FTemplate);
    m_bChangeOpen = true;
}

void TfmMain::CommitChange(const char *szLabel, const void *pMergeKey)
{
    if (!m_bChangeOpen)
        return;
    m_bChangeOpen = false;
    m_history.Commit(szLabel, std::move(m_changeBefore), pMergeKey);
    m_changeBefore = TemplateSnapshot();
}

void TfmMain::CancelChange()
{
    m_bChangeOpen = false;
    m_changeBefore = TemplateSnapshot();
}

void TfmMain::miEditUndoClick()
{
    CommitPendingIds();
    if (m_history.Undo(*FTemplate))
        ShowRestoredState();
}

void TfmMain::miEditRedoClick()
{
    CommitPendingIds();
    if (m_history.Redo(*FTemplate))
        ShowRestoredState();
}

void TfmMain::ShowRestoredState()
{
    FillObjectList();
    RefreshViews();
    ShowAdColors();
}

void TfmMain::UpdateEditMenu(HMENU hMenu)
{
    struct Item {
        int nId;
        const char *szVerb;
        const char *szKey;
        const char *(TemplateHistory::*pfnLabel)() const;
    };
    static const Item kItems[] = {
        {IDM_EDIT_UNDO, "&Undo", "Ctrl+Z", &TemplateHistory::GetUndoLabel},
        {IDM_EDIT_REDO, "&Redo", "Ctrl+Y", &TemplateHistory::GetRedoLabel},
    };
    for (const Item &item : kItems) {
        const std::string label = (m_history.*item.pfnLabel)();
        std::string caption = item.szVerb;
        if (!label.empty())
            caption += " " + label;
        caption += std::string("\t") + item.szKey;
        ModifyMenuA(hMenu, item.nId, MF_BYCOMMAND | MF_STRING, item.nId, caption.c_str());
        EnableMenuItem(hMenu, item.nId, MF_BYCOMMAND | (label.empty() ? MF_GRAYED : MF_ENABLED));
    }
}

void TfmMain::UpdateRecentMenu(HMENU hMenu)
{
    for (UINT nId = IDM_FILE_RECENT; nId < IDM_FILE_RECENT + RecentFiles::MaxFiles; ++nId)
        DeleteMenu(hMenu, nId, MF_BYCOMMAND);
    // The list has its own separator above Exit; it goes with the list.
    int nExit = GetMenuItemCount(hMenu) - 1;
    if (nExit >= 2 && GetMenuItemID(hMenu, nExit - 1) == 0 && GetMenuItemID(hMenu, nExit - 2) == 0) {
        DeleteMenu(hMenu, nExit - 1, MF_BYPOSITION);
        --nExit;
    }
    if (m_recent.GetCount() == 0)
        return;
    InsertMenuA(hMenu, nExit, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    for (size_t i = 0; i < m_recent.GetCount(); ++i)
        InsertMenuA(hMenu, static_cast<UINT>(nExit + i), MF_BYPOSITION | MF_STRING,
                    IDM_FILE_RECENT + i, RecentFiles::MenuCaption(i, m_recent.Get(i)).c_str());
}

void TfmMain::NoteRecentFile(const char *szPath)
{
    m_recent.Add(szPath);
    SHAddToRecentDocs(SHARD_PATHA, szPath);
}

void TfmMain::OpenRecentFile(size_t nIndex)
{
    const char *szPath = m_recent.Get(nIndex);
    if (!szPath)
        return;
    const std::string path = szPath;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        m_recent.Remove(path.c_str());
        prompts::MessageF(m_hWnd, "Error", MB_OK | MB_ICONERROR,
                          "The AdSense Template File \"%s\" no longer exists and was removed "
                          "from the list.", path.c_str());
        return;
    }
    if (QuerySaveChanges())
        OpenTemplate(path.c_str());
}
