// The command table of the main window and its File, View, Tools and Help commands.
#include "main/TfmMain.h"

#include <string.h>
#include <string>

#include "AdTemplate/AdSense.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "HelpCommands.h"
#include "TfmAbout.h"
#include "TfmOption.h"
#include "dialog/Prompts.h"
#include "misc/WinUtil.h"
#include "resource.h"

namespace {

// A template is unnamed while its file is called noname, in any case and any folder.
bool IsUnnamed(const char *szPath)
{
    char szName[MAX_PATH];
    GetFileBaseName(szPath, szName, sizeof(szName));
    return _stricmp(szName, "noname") == 0;
}

// The dialogs keep a pointer to the text: hold it in a named string while they run.
std::string OutputFolder()
{
    return std::string(GetProgramFolder()) + "Output";
}

struct CommandEntry {
    int nId;
    // BN_CLICKED for buttons and menu items alike (both are 0), CBN_SELCHANGE for lists.
    int nNotifyCode;
    void (TfmMain::*pfnHandler)();
};

}  // namespace

void TfmMain::OnCommand(int nId, int nNotifyCode)
{
    static const CommandEntry kCommands[] = {
        {IDM_FILE_NEW, 0, &TfmMain::miFileNewClick},
        {IDM_FILE_OPEN, 0, &TfmMain::miFileOpenClick},
        {IDM_FILE_SAVE, 0, &TfmMain::miFileSaveClick},
        {IDM_FILE_SAVEAS, 0, &TfmMain::miFileSaveAsClick},
        {IDM_FILE_EXPORT, 0, &TfmMain::miFileExportClick},
        {IDM_FILE_HTML, 0, &TfmMain::miFileHTMLClick},
        {IDM_FILE_EXIT, 0, &TfmMain::miFileExitClick},
        {IDM_EDIT_UNDO, 0, &TfmMain::miEditUndoClick},
        {IDM_EDIT_REDO, 0, &TfmMain::miEditRedoClick},
        {IDM_PAGE_NEXT, 0, &TfmMain::miPageNextClick},
        {IDM_PAGE_PREV, 0, &TfmMain::miPagePrevClick},
        {IDM_EDIT_NEWIMAGE, 0, &TfmMain::btnImageClick},
        {IDM_EDIT_NEWTEXT, 0, &TfmMain::btnTextClick},
        {IDM_EDIT_NEWLINE, 0, &TfmMain::btnLineClick},
        {IDM_EDIT_NEWSHADOW, 0, &TfmMain::btnShadowClick},
        {IDM_EDIT_NEWFRAME, 0, &TfmMain::btnFrameClick},
        {IDM_VIEW_EDITOR, 0, &TfmMain::miViewEditorClick},
        {IDM_VIEW_PREVIEW, 0, &TfmMain::miViewPreviewClick},
        {IDM_VIEW_CODE, 0, &TfmMain::miViewCodeClick},
        {IDM_VIEW_BROWSER, 0, &TfmMain::miViewBrowserClick},
        {IDC_BTNBROWSER, BN_CLICKED, &TfmMain::miViewBrowserClick},
        {IDM_TOOL_OPTION, 0, &TfmMain::miToolOptionClick},
        {IDM_HELP_CONTENT, 0, &TfmMain::miHelpContentClick},
        {IDM_HELP_WEB, 0, &TfmMain::miHelpWebClick},
        {IDM_HELP_ABOUT, 0, &TfmMain::miHelpAboutClick},
        {IDC_BTNHELP, BN_CLICKED, &TfmMain::miHelpContentClick},
        {IDC_BTNEXIT, BN_CLICKED, &TfmMain::btnExitClick},
        {IDC_LOGO, STN_CLICKED, &TfmMain::imgLogoClick},
        {IDC_CBADTYPE, CBN_SELCHANGE, &TfmMain::cbAdTypeChange},
        {IDC_CBCURROBJ, CBN_SELCHANGE, &TfmMain::cbCurrObjChange},
        {IDC_BTNDETAIL, BN_CLICKED, &TfmMain::btnDetailClick},
        {IDC_BTNDEL, BN_CLICKED, &TfmMain::btnDelClick},
        {IDC_BTNIMAGE, BN_CLICKED, &TfmMain::btnImageClick},
        {IDC_BTNTEXT, BN_CLICKED, &TfmMain::btnTextClick},
        {IDC_BTNLINE, BN_CLICKED, &TfmMain::btnLineClick},
        {IDC_BTNSHADOW, BN_CLICKED, &TfmMain::btnShadowClick},
        {IDC_BTNFRAME, BN_CLICKED, &TfmMain::btnFrameClick},
        {IDC_BTNCOPY, BN_CLICKED, &TfmMain::btnCopyClick},
        {IDC_BTNSAVE, BN_CLICKED, &TfmMain::btnSaveClick},
        {IDC_CHKASYNC, BN_CLICKED, &TfmMain::chkAsyncClick},
    };
    if (nId >= IDM_FILE_RECENT && nId < IDM_FILE_RECENT + static_cast<int>(RecentFiles::MaxFiles)) {
        OpenRecentFile(static_cast<size_t>(nId - IDM_FILE_RECENT));
        return;
    }
    if (nId >= IDC_BTNBORDERCOLOR && nId <= IDC_BTNURLCOLOR && nNotifyCode == BN_CLICKED) {
        PickAdColor(nId - IDC_BTNBORDERCOLOR + 1);
        return;
    }
    for (const CommandEntry &entry : kCommands)
        if (entry.nId == nId && entry.nNotifyCode == nNotifyCode) {
            (this->*entry.pfnHandler)();
            return;
        }
}

void TfmMain::NewTemplate()
{
    FTemplate->New();
    m_history.Clear();
    RemoveRecoveryCopy();
    // The options' IDs go to every new ad unit, as long as they pass their rules.
    AdSenseInfo *pInfo = FTemplate->GetAdSense()->GetInfo();
    if (IsValidPubID(FSettings.PubID))
        CopyText(pInfo->szPubID, FSettings.PubID);
    if (IsValidChannelID(FSettings.ChannelID))
        CopyText(pInfo->szChannelID, FSettings.ChannelID);
    FillObjectList();
    RefreshViews();
    ShowAdColors();
}

bool TfmMain::OpenTemplate(const char *szPath)
{
    if (!FTemplate->Open(szPath)) {
        prompts::Error(m_hWnd, "Invalid Ornamo template file!");
        return false;
    }
    m_history.Clear();
    RemoveRecoveryCopy();
    NoteRecentFile(FTemplate->GetFilePath());
    RefreshViews();
    FillObjectList();
    ShowAdColors();
    return true;
}

bool TfmMain::SaveTemplate()
{
    if (IsUnnamed(FTemplate->GetFilePath()))
        return SaveTemplateAs();
    return WriteTemplate(nullptr);
}

bool TfmMain::SaveTemplateAs()
{
    const std::string folder = OutputFolder();
    prompts::FileDialog dialog(m_hWnd, "AdSense Template File (*.atp)|*.atp|All Files(*.*)|*.*",
                               folder.c_str(), "Save Ornamo Template");
    dialog.SetDefaultExt("atp");
    if (!dialog.RunSave())
        return false;
    const bool bWritten = WriteTemplate(dialog.GetPath());
    RefreshViews();
    return bWritten;
}

bool TfmMain::WriteTemplate(const char *szPath)
{
    const bool bNewPath = szPath && *szPath;
    // The target is copied: a failed SaveAs leaves the template's own path as it was.
    std::string target = bNewPath ? szPath : FTemplate->GetFilePath();
    const bool bWritten = bNewPath ? FTemplate->SaveAs(szPath) : FTemplate->Save();
    if (bWritten) {
        m_history.MarkSaved();
        RemoveRecoveryCopy();
        NoteRecentFile(FTemplate->GetFilePath());
    } else {
        prompts::MessageF(m_hWnd, "Error", MB_OK | MB_ICONERROR,
                          "The AdSense Template File \"%s\" could not be saved.", target.c_str());
    }
    RefreshViews();
    return bWritten;
}

void TfmMain::miFileNewClick()
{
    if (QuerySaveChanges())
        NewTemplate();
}

void TfmMain::miFileOpenClick()
{
    if (!QuerySaveChanges())
        return;
    const std::string folder = OutputFolder();
    prompts::FileDialog dialog(m_hWnd, "Ornamo Template (*.atp)|*.atp|All Files(*.*)|*.*",
                               folder.c_str(), "Open Ornamo Template");
    if (dialog.RunOpen())
        OpenTemplate(dialog.GetPath());
}

void TfmMain::miFileSaveClick()
{
    CommitPendingIds();
    SaveTemplate();
}

void TfmMain::miFileSaveAsClick()
{
    CommitPendingIds();
    SaveTemplateAs();
}

void TfmMain::miFileExportClick()
{
    CommitPendingIds();
    m_editCommands.ExportTemplateImage();
}

// The code is always current: the command only shows it.
void TfmMain::miFileHTMLClick() { miViewCodeClick(); }

// The close question runs on WM_CLOSE, as for every other way of closing.
void TfmMain::miFileExitClick() { PostMessageA(m_hWnd, WM_CLOSE, 0, 0); }
void TfmMain::btnExitClick() { miFileExitClick(); }

void TfmMain::miViewEditorClick() { ShowPage(PAGE_EDIT); }
void TfmMain::miViewPreviewClick() { ShowPage(PAGE_PREVIEW); }
void TfmMain::miViewCodeClick() { ShowPage(PAGE_CODE); }
void TfmMain::miPageNextClick() { ShowPage((m_nActivePage + 1) % PAGE_COUNT); }
void TfmMain::miPagePrevClick() { ShowPage((m_nActivePage + PAGE_COUNT - 1) % PAGE_COUNT); }

void TfmMain::miToolOptionClick()
{
    TfmOption dialog(&FSettings);
    if (dialog.Create(m_hWnd))
        dialog.ShowModal();
}

void TfmMain::miHelpContentClick() { OpenHelpContents(); }
void TfmMain::miHelpWebClick() { OpenHomePage(); }
void TfmMain::imgLogoClick() { OpenHomePage(); }

void TfmMain::miHelpAboutClick()
{
    TfmAbout dialog;
    if (dialog.Create(m_hWnd))
        dialog.ShowModal();
}
