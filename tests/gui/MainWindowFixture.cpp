#include "MainWindowFixture.h"

#include <commdlg.h>

#include "TestSupport.h"
#include "dialog/DialogBase.h"
#include "dialog/Prompts.h"
#include "misc/WinUtil.h"

PromptLog g_prompts;

namespace {

int WINAPI FakeMessageBox(HWND, LPCSTR text, LPCSTR caption, UINT type)
{
    g_prompts.messages.push_back({text ? text : "", caption ? caption : "", type});
    if (g_prompts.duringMessage)
        g_prompts.duringMessage();
    if (g_prompts.answers.empty())
        return IDOK;
    int nAnswer = g_prompts.answers.front();
    g_prompts.answers.pop_front();
    return nAnswer;
}

std::string FilterText(const char *szFilter)
{
    std::string text;
    for (const char *p = szFilter; p && *p; p += strlen(p) + 1)
        text += std::string(p) + "|";
    return text;
}

BOOL AnswerFileDialog(LPOPENFILENAMEA pofn, std::vector<PromptLog::FileDialog> &log,
                      std::deque<std::string> &paths)
{
    log.push_back({pofn->lpstrTitle ? pofn->lpstrTitle : "", FilterText(pofn->lpstrFilter),
                   pofn->lpstrInitialDir ? pofn->lpstrInitialDir : "",
                   pofn->lpstrDefExt ? pofn->lpstrDefExt : "", pofn->Flags});
    if (paths.empty())
        return FALSE;
    CopyText(pofn->lpstrFile, pofn->nMaxFile, paths.front().c_str());
    paths.pop_front();
    return TRUE;
}

BOOL WINAPI FakeOpen(LPOPENFILENAMEA pofn)
{
    return AnswerFileDialog(pofn, g_prompts.openDialogs, g_prompts.openPaths);
}

BOOL WINAPI FakeSave(LPOPENFILENAMEA pofn)
{
    return AnswerFileDialog(pofn, g_prompts.saveDialogs, g_prompts.savePaths);
}

BOOL WINAPI FakeChooseColor(LPCHOOSECOLORA pcc)
{
    g_prompts.colorsOffered.push_back(pcc->rgbResult);
    if (g_prompts.colorOk)
        pcc->rgbResult = g_prompts.colorChosen;
    return g_prompts.colorOk;
}

HINSTANCE WINAPI FakeShellExecute(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR, INT)
{
    g_prompts.shellTargets.push_back(file ? file : "");
    return reinterpret_cast<HINSTANCE>(42);
}

// Every dialog a command opens ends at once as a person pressing Cancel would end it.
void CancelShownDialog(DialogBase *pDialog)
{
    ++g_prompts.dialogsShown;
    pDialog->EndModal(IDCANCEL);
}

}  // namespace

std::string ClipboardText()
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return "<clipboard closed>";
    if (HANDLE hData = GetClipboardData(CF_TEXT)) {
        if (const char *p = static_cast<const char *>(GlobalLock(hData))) {
            text = p;
            GlobalUnlock(hData);
        }
    }
    CloseClipboard();
    return text;
}

std::vector<std::string> PromptLog::Texts() const
{
    std::vector<std::string> texts;
    for (const Message &m : messages)
        texts.push_back(m.text);
    return texts;
}

void MainWindowTest::SetUp()
{
    g_prompts.Clear();
    prompts::Functions fake = {FakeMessageBox, FakeOpen, FakeSave, FakeChooseColor, nullptr};
    prompts::Install(fake);
    SetShellExecuteFunction(FakeShellExecute);
    DialogBase::SetShownHook(CancelShownDialog);
    m_folder = GetProgramFolder();
    if (!CreatesWindowItself())
        CreateWindowNow();
}

void MainWindowTest::CreateWindowNow(bool bStart)
{
    m_pForm.reset(new TfmMain);
    ASSERT_NE(m_pForm->Create(GetModuleHandleA(nullptr)), nullptr);
    ShowWindow(Main(), SW_SHOWNOACTIVATE);
    if (bStart) {
        m_pForm->GetSettings().Startup = false;
        m_pForm->PostCreate();
        // The start-up timer's two ticks, without waiting for them.
        SendMessageA(Main(), WM_TIMER, 1, 0);
        SendMessageA(Main(), WM_TIMER, 1, 0);
        testsupport::PumpMessages();
        g_prompts.messages.clear();
    }
}

void MainWindowTest::TearDown()
{
    if (m_pForm && m_pForm->GetHandle()) {
        // Nothing is left to ask about.
        if (Tpl())
            Tpl()->SetModified(false);
        DestroyWindow(Main());
    }
    m_pForm.reset();
    testsupport::PumpMessages();
    prompts::Install(prompts::Platform());
    SetShellExecuteFunction(nullptr);
    DialogBase::SetShownHook(nullptr);
}

void MainWindowTest::Command(int nId, int nNotifyCode)
{
    SendMessageA(Main(), WM_COMMAND, MAKEWPARAM(nId, nNotifyCode), 0);
    testsupport::PumpMessages();
}

void MainWindowTest::PickListEntry(int nListId, int nIndex)
{
    HWND hList = Ctl(nListId);
    SendMessageA(hList, CB_SETCURSEL, nIndex, 0);
    SendMessageA(GetParent(hList), WM_COMMAND, MAKEWPARAM(nListId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(hList));
    testsupport::PumpMessages();
}

void MainWindowTest::TypeAndLeave(int nEditId, const char *szText)
{
    SetWindowTextA(Ctl(nEditId), szText);
    Leave(nEditId, Ctl(IDC_BTNCOPY));
}

void MainWindowTest::Leave(int nEditId, HWND hNewFocus)
{
    SendMessageA(Ctl(nEditId), WM_KILLFOCUS, reinterpret_cast<WPARAM>(hNewFocus), 0);
    testsupport::PumpMessages();
}

std::string MainWindowTest::Caption() const
{
    char sz[MAX_PATH + 64] = {};
    GetWindowTextA(Main(), sz, sizeof(sz));
    return sz;
}

std::string MainWindowTest::Text(int nId) const
{
    HWND hCtl = Ctl(nId);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hCtl)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hCtl, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::string MainWindowTest::OutputPath(const char *szName) const
{
    return m_folder + "Output\\" + szName;
}

bool MainWindowTest::Close()
{
    SendMessageA(Main(), WM_CLOSE, 0, 0);
    testsupport::PumpMessages();
    return m_pForm->GetHandle() == nullptr;
}
