#include "ShellFakes.h"

#include <string.h>

namespace shellfakes {

std::vector<Message> messages;
std::deque<int> messageAnswers;
std::vector<FileRequest> fileRequests;
std::string nextFile;
std::vector<ShellCall> shellCalls;

namespace {

std::string Text(const char *sz) { return sz ? sz : ""; }

// The platform's double-zero list, read back with '|' between its parts.
std::string FilterText(const char *szFilter)
{
    std::string text;
    for (const char *p = szFilter; p && *p; p += strlen(p) + 1)
        text += (text.empty() ? "" : "|") + std::string(p);
    return text;
}

int WINAPI FakeMessageBox(HWND, LPCSTR text, LPCSTR caption, UINT type)
{
    messages.push_back({Text(text), Text(caption), type});
    if (messageAnswers.empty())
        return IDOK;
    int answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

BOOL WINAPI FakeOpenFile(LPOPENFILENAMEA pofn)
{
    fileRequests.push_back({pofn->hwndOwner, Text(pofn->lpstrTitle), Text(pofn->lpstrInitialDir),
                            FilterText(pofn->lpstrFilter), Text(pofn->lpstrFile), pofn->Flags,
                            pofn->nMaxFile});
    if (nextFile.empty())
        return FALSE;
    lstrcpynA(pofn->lpstrFile, nextFile.c_str(), static_cast<int>(pofn->nMaxFile));
    return TRUE;
}

HINSTANCE WINAPI FakeShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                  LPCSTR directory, INT show)
{
    shellCalls.push_back({owner, Text(verb), Text(file), Text(parameters), Text(directory), show});
    return reinterpret_cast<HINSTANCE>(33);
}

}  // namespace

void Installed::SetUp()
{
    messages.clear();
    messageAnswers.clear();
    fileRequests.clear();
    nextFile.clear();
    shellCalls.clear();
    prompts::Functions fake = {};
    fake.MessageBox = FakeMessageBox;
    fake.GetOpenFileName = FakeOpenFile;
    m_previousPrompts = prompts::Install(fake);
    m_previousShell = SetShellExecuteFunction(FakeShellExecute);
}

void Installed::TearDown()
{
    prompts::Install(m_previousPrompts);
    SetShellExecuteFunction(m_previousShell);
}

}  // namespace shellfakes
