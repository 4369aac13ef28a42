#include "PropsFixture.h"

#include <string.h>

#include "TestSupport.h"
#include "dialog/DialogFields.h"
#include "misc/WinUtil.h"

namespace props {

PromptScript g_script;

namespace {

int WINAPI RecordMessage(HWND, LPCSTR szText, LPCSTR szCaption, UINT uType)
{
    g_script.messages.push_back({szText ? szText : "", szCaption ? szCaption : "", uType});
    return g_script.nMessageAnswer;
}

std::string FilterText(const char *szFilter)
{
    // The platform's double-zero list, written back with '|' between the parts.
    std::string text;
    for (const char *p = szFilter; p && *p; p += strlen(p) + 1)
        text += std::string(text.empty() ? "" : "|") + p;
    return text;
}

BOOL RecordFileDialog(LPOPENFILENAMEA pofn)
{
    g_script.nFileDialogs++;
    g_script.strFileFilter = FilterText(pofn->lpstrFilter);
    g_script.strFileTitle = pofn->lpstrTitle ? pofn->lpstrTitle : "";
    g_script.strFileInitialDir = pofn->lpstrInitialDir ? pofn->lpstrInitialDir : "";
    g_script.strFileDefExt = pofn->lpstrDefExt ? pofn->lpstrDefExt : "";
    g_script.dwFileFlags = pofn->Flags;
    if (!g_script.bFileOk)
        return FALSE;
    lstrcpynA(pofn->lpstrFile, g_script.strFileChosen.c_str(), (int)pofn->nMaxFile);
    return TRUE;
}

BOOL WINAPI FakeOpen(LPOPENFILENAMEA pofn) { return RecordFileDialog(pofn); }
BOOL WINAPI FakeSave(LPOPENFILENAMEA pofn) { return RecordFileDialog(pofn); }

BOOL WINAPI FakeChooseColor(LPCHOOSECOLORA pcc)
{
    g_script.nColorDialogs++;
    g_script.crColorOffered = pcc->rgbResult;
    g_script.dwColorFlags = pcc->Flags;
    if (g_script.bColorOk)
        pcc->rgbResult = g_script.crColorChosen;
    return g_script.bColorOk;
}

BOOL WINAPI FakeChooseFont(LPCHOOSEFONTA pcf)
{
    g_script.lfFontOffered = *pcf->lpLogFont;
    g_script.crFontOffered = pcf->rgbColors;
    g_script.dwFontFlags = pcf->Flags;
    if (!g_script.bFontOk)
        return FALSE;
    *pcf->lpLogFont = g_script.lfFontChosen;
    pcf->rgbColors = g_script.crFontChosen;
    return TRUE;
}

}  // namespace

void PropsTest::SetUp()
{
    g_script = PromptScript();
    TempFolder();
    prompts::Functions fake = {RecordMessage, FakeOpen, FakeSave, FakeChooseColor,
                               FakeChooseFont};
    m_previous = prompts::Install(fake);
}

void PropsTest::TearDown()
{
    prompts::Install(m_previous);
}

ShownScript::ShownScript(Action pfn) : m_previous(DialogBase::SetShownHook(pfn)) {}
ShownScript::~ShownScript() { DialogBase::SetShownHook(m_previous); }

std::string Text(HWND hDlg, int nId)
{
    return fields::GetText(hDlg, nId);
}

void SetText(HWND hDlg, int nId, const std::string &text)
{
    fields::SetText(hDlg, nId, text.c_str());
}

void Click(HWND hDlg, int nId)
{
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, nId));
}

void PostClick(HWND hDlg, int nId)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, nId));
}

void Type(HWND hDlg, int nId, const char *szKeys)
{
    for (const char *p = szKeys; *p; ++p)
        SendDlgItemMessageA(hDlg, nId, WM_CHAR, (WPARAM)(unsigned char)*p, 1);
}

// The clipboard is shared with the other suites running beside this one: a paste that
// met someone else's text, or a clipboard held open by them, is tried again.
void Paste(HWND hDlg, int nId, const char *szText)
{
    const std::string wanted = szText;
    for (int nAttempt = 0; nAttempt < 100; nAttempt++) {
        if (!OpenClipboard(hDlg)) {
            Sleep(10);
            continue;
        }
        EmptyClipboard();
        size_t n = wanted.size() + 1;
        HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, n);
        memcpy(GlobalLock(hMem), szText, n);
        GlobalUnlock(hMem);
        SetClipboardData(CF_TEXT, hMem);
        CloseClipboard();
        SendDlgItemMessageA(hDlg, nId, EM_SETSEL, 0, -1);
        SendDlgItemMessageA(hDlg, nId, WM_PASTE, 0, 0);
        // The field keeps what fits: a start of the text pasted means ours arrived.
        const std::string got = Text(hDlg, nId);
        if (wanted.compare(0, got.size(), got) == 0 && (!got.empty() || wanted.empty()))
            return;
    }
}

void MoveFocus(HWND hDlg, int nFromId, int nToId)
{
    if (!IsWindowVisible(hDlg))
        ShowWindow(hDlg, SW_SHOW);
    SetFocus(GetDlgItem(hDlg, nFromId));
    SetFocus(GetDlgItem(hDlg, nToId));
}

std::string TempFolder()
{
    std::string folder = std::string(GetProgramFolder()) + "Temp";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

std::vector<std::string> TempFiles()
{
    const std::set<std::string> names = testsupport::FilesIn(TempFolder());
    return std::vector<std::string>(names.begin(), names.end());
}

bool WriteBmp(const std::string &path, int nWidth, int nHeight, COLORREF cr)
{
    return testsupport::WriteFileBytes(path, testsupport::BitmapFile(nWidth, nHeight, cr));
}

}  // namespace props
