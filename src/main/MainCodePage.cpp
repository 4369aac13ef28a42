// The code page: the generated code, the two ID edits with their checks, and copying and
// saving the code.
#include "main/TfmMain.h"

#include <commctrl.h>
#include <string.h>
#include <string>

#include "AdTemplate/AdSense.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "dialog/DialogFields.h"
#include "dialog/Prompts.h"
#include "main/CodeOutput.h"
#include "misc/WinUtil.h"
#include "resource.h"

namespace {

// Posted by an ID edit that lost the focus to another control of the window; wParam is
// the field. Posted rather than run at once: a message box in the middle of a focus change
// would pull the focus about again.
const UINT WM_IDEDIT_EXIT = WM_APP + 1;

struct IdField {
    int nEditId;
    bool (*pfnIsValid)(const char *);
    const char *szRefusal;
    char (AdSenseInfo::*pField)[AD_ID_SIZE];
    const char *szStepLabel;
};

const IdField kIdFields[] = {
    {IDC_EDTPUBID, IsValidPubID, "Invalid AdSense Publisher ID.", &AdSenseInfo::szPubID,
     "Change Publisher ID"},
    {IDC_EDTCHANNELID, IsValidChannelID, "Invalid AdSense Channel ID.", &AdSenseInfo::szChannelID,
     "Change Channel ID"},
};
const int FIELD_PUBID = 0;
const int FIELD_CHANNELID = 1;

std::string WindowText(HWND hWnd)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hWnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hWnd, &text[0], static_cast<int>(text.size()))));
    return text;
}

}  // namespace

void TfmMain::SetupCodePage()
{
    HWND hCode = Control(IDC_MEMCODE);
    m_hCodeFont.Reset(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  FIXED_PITCH | FF_MODERN, "Fixedsys"));
    SendMessageA(hCode, WM_SETFONT, reinterpret_cast<WPARAM>(m_hCodeFont.Get()), FALSE);
    SendMessageA(hCode, EM_SETLIMITTEXT, 0, 0);
    for (int i = 0; i < 2; ++i)
        SetWindowSubclass(Control(kIdFields[i].nEditId), IdEditProc, i,
                          reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK TfmMain::IdEditProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR uIdSubclass, DWORD_PTR dwRefData)
{
    auto *self = reinterpret_cast<TfmMain *>(dwRefData);
    switch (msg) {
    case WM_KILLFOCUS: {
        LRESULT nResult = DefSubclassProc(hWnd, msg, wParam, lParam);
        // Only a move to another control of this window is leaving the field: a message
        // box, a dialog or another program taking the focus is not.
        HWND hNewFocus = reinterpret_cast<HWND>(wParam);
        if (hNewFocus && self->m_hWnd && GetAncestor(hNewFocus, GA_ROOT) == self->m_hWnd)
            PostMessageA(self->m_hWnd, WM_IDEDIT_EXIT, uIdSubclass, 0);
        return nResult;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hWnd, IdEditProc, uIdSubclass);
        break;
    }
    return DefSubclassProc(hWnd, msg, wParam, lParam);
}

bool TfmMain::HandleIdEditExit(UINT msg, WPARAM wParam)
{
    if (msg != WM_IDEDIT_EXIT)
        return false;
    if (wParam == FIELD_PUBID)
        edtPubIDExit();
    else if (wParam == FIELD_CHANNELID)
        edtChannelIDExit();
    return true;
}

void TfmMain::ShowCode()
{
    const AdCodeStyle nStyle = FSettings.AsyncCode ? AD_CODE_ASYNC : AD_CODE_SHOW_ADS;
    SetWindowTextA(Control(IDC_MEMCODE), FTemplate ? FTemplate->GetCode(nStyle) : "");
}

void TfmMain::ShowCodeForm()
{
    CheckDlgButton(m_hPages[PAGE_CODE], IDC_CHKASYNC,
                   FSettings.AsyncCode ? BST_CHECKED : BST_UNCHECKED);
    ShowWindow(Control(IDC_LBLASYNCNOTE), FSettings.AsyncCode ? SW_SHOW : SW_HIDE);
}

void TfmMain::chkAsyncClick()
{
    // A way of viewing the code, kept with the settings: the template stays unmodified.
    FSettings.AsyncCode = IsDlgButtonChecked(m_hPages[PAGE_CODE], IDC_CHKASYNC) == BST_CHECKED;
    ShowCodeForm();
    ShowCode();
}

bool TfmMain::TakeOverId(int nField, bool bReportRefusal)
{
    const IdField &field = kIdFields[nField];
    const std::string text = WindowText(Control(field.nEditId));
    char(&szStored)[AD_ID_SIZE] = FTemplate->GetAdSense()->GetInfo()->*field.pField;
    if (text == szStored)
        return true;
    if (!field.pfnIsValid(text.c_str())) {
        if (bReportRefusal)
            prompts::Message(m_hWnd, field.szRefusal, "Error", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    // The IDs are stored in the template file: changing them is an edit.
    ChangeScope change(this);
    CopyText(szStored, text.c_str());
    change.Commit(field.szStepLabel);
    SetModified(true, true);
    ShowCode();
    return true;
}

void TfmMain::SyncAdIds(bool bStore)
{
    if (!bStore) {
        const AdSenseInfo *pInfo = FTemplate->GetAdSense()->GetInfo();
        SetWindowTextA(Control(IDC_EDTPUBID), pInfo->szPubID);
        SetWindowTextA(Control(IDC_EDTCHANNELID), pInfo->szChannelID);
        return;
    }
    TakeOverId(FIELD_PUBID, false);
    TakeOverId(FIELD_CHANNELID, false);
}

void TfmMain::CommitPendingIds()
{
    if (m_bCheckingIds || !FTemplate)
        return;
    m_bCheckingIds = true;
    TakeOverId(FIELD_PUBID, true);
    TakeOverId(FIELD_CHANNELID, true);
    m_bCheckingIds = false;
}

void TfmMain::edtPubIDExit() { CheckIdOnExit(FIELD_PUBID); }
void TfmMain::edtChannelIDExit() { CheckIdOnExit(FIELD_CHANNELID); }

void TfmMain::CheckIdOnExit(int nField)
{
    if (m_bCheckingIds || !FTemplate)
        return;
    m_bCheckingIds = true;
    TakeOverId(nField, true);
    m_bCheckingIds = false;
}

void TfmMain::btnCopyClick()
{
    HWND hCode = Control(IDC_MEMCODE);
    SendMessageA(hCode, EM_SETSEL, 0, -1);
    if (!codeoutput::CopyToClipboard(m_hWnd, WindowText(hCode).c_str())) {
        prompts::Error(m_hWnd, "The AdSense code could not be copied to the Windows clipboard.");
        return;
    }
    prompts::Information(m_hWnd, "AdSense code copied to Windows clipboard successfully!");
}

void TfmMain::btnSaveClick()
{
    // The dialog keeps a pointer to the folder's text while it runs.
    const std::string folder = std::string(GetProgramFolder()) + "Output";
    prompts::FileDialog dialog(
        m_hWnd, "Text File (*.txt)|*.txt|HTML File(*.htm;*.html)|*.htm;*.html|All Files(*.*)|*.*",
        folder.c_str(), "Save AdSense Code");
    dialog.SetDefaultExt("txt");
    if (!dialog.RunSave())
        return;
    const std::string code = WindowText(Control(IDC_MEMCODE));
    switch (codeoutput::WriteFileReplacing(dialog.GetPath(), code.data(), code.size())) {
    case codeoutput::WRITE_OK:
        prompts::MessageF(m_hWnd, "Information", MB_OK | MB_ICONINFORMATION,
                          "AdSense code saved successfully to file \"%s\".", dialog.GetPath());
        break;
    case codeoutput::WRITE_CANNOT_OPEN:
        prompts::MessageF(m_hWnd, "Error", MB_OK | MB_ICONERROR, "Can not open file:%s",
                          dialog.GetPath());
        break;
    case codeoutput::WRITE_FAILED:
        prompts::MessageF(m_hWnd, "Error", MB_OK | MB_ICONERROR, "Can not write file:%s",
                          dialog.GetPath());
        break;
    }
}
