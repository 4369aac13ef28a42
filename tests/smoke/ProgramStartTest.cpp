// The built program itself, started the way a user starts it: from a fresh program folder
// holding only ornamo.exe, Pictra.dll and a settings file.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>

#include "AdTemplate/AdSenseTemplate.h"
#include "TestSupport.h"

namespace {

// The title a new, unmodified template gives the main window: "Ornamo - [%s]" with the
// template's path, which for a new template is the program folder + "output\noname.atp".
std::string NewTemplateTitle(const std::string &programFolder)
{
    return "Ornamo - [" + programFolder + "output\\noname.atp]";
}
const char kWizardTitle[] = "Ornamo Wizard";

// Long enough for a cold Wine start on a busy machine, short enough to notice a hang.
// Generous: a loaded machine starts a Wine process slowly, and a pass costs no more.
const DWORD kWindowTimeoutMs = 20000;
const DWORD kExitTimeoutMs = 10000;

struct WindowSearch {
    DWORD pid = 0;
    std::string title;
    HWND found = nullptr;
    std::vector<std::string> seen;  // the process's other titles, for the failure message
};

BOOL CALLBACK CheckWindow(HWND hWnd, LPARAM lParam)
{
    auto *search = reinterpret_cast<WindowSearch *>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    if (pid != search->pid || !IsWindowVisible(hWnd))
        return TRUE;
    char szTitle[1024] = {};
    GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
    // Paths compare without regard to case, as the file system does.
    if (!lstrcmpiA(szTitle, search->title.c_str())) {
        search->found = hWnd;
        return FALSE;
    }
    search->seen.push_back(szTitle);
    return TRUE;
}

class ProgramStart : public ::testing::Test {
protected:
    // A fresh program folder with the built program, its library and "Startup=<n>".
    void Prepare(const char *name, int nStartup, const std::string &extraSettings = "")
    {
        m_folder = testsupport::MakeScratchFolder(name);
        const std::string built = testsupport::ProgramFolder();
        for (const char *file : {"ornamo.exe", "Pictra.dll"})
            ASSERT_TRUE(CopyFileA((built + file).c_str(), (m_folder + file).c_str(), FALSE))
                << built << file;
        ASSERT_TRUE(testsupport::WriteFileBytes(
            m_folder + "ornamo.ini", "[Common]\r\nStartup=" + std::to_string(nStartup) + "\r\n" + extraSettings));
    }
    // arguments: what follows the program on its command line.
    void Start(const std::string &arguments = "")
    {
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        const std::string exe = m_folder + "ornamo.exe";
        std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
        ASSERT_TRUE(CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                                   nullptr, m_folder.c_str(), &si, &m_process))
            << GetLastError();
    }
    HWND WaitForWindow(const std::string &title)
    {
        WindowSearch search;
        search.pid = m_process.dwProcessId;
        search.title = title;
        const DWORD dwStart = GetTickCount();
        while (GetTickCount() - dwStart < kWindowTimeoutMs) {
            search.seen.clear();
            EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
            if (search.found)
                return search.found;
            if (WaitForSingleObject(m_process.hProcess, 50) == WAIT_OBJECT_0)
                break;
        }
        std::string seen;
        for (const std::string &s : search.seen)
            seen += "\n  \"" + s + "\"";
        DWORD dwExit = STILL_ACTIVE;
        GetExitCodeProcess(m_process.hProcess, &dwExit);
        ADD_FAILURE() << "no window titled \"" << title << "\"; the program shows:" << seen
                      << (dwExit == STILL_ACTIVE ? "" : "\nit has ended with code " + std::to_string(dwExit));
        return nullptr;
    }
    // A close as the user makes it; the program must end by itself with exit code 0.
    void CloseAndExpectCleanExit(HWND hMain)
    {
        PostMessageA(hMain, WM_CLOSE, 0, 0);
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(m_process.hProcess, kExitTimeoutMs));
        DWORD dwExit = 1;
        GetExitCodeProcess(m_process.hProcess, &dwExit);
        EXPECT_EQ(0u, dwExit);
    }
    // Ends the program as a crash would, leaving whatever it wrote behind.
    void Kill()
    {
        TerminateProcess(m_process.hProcess, 99);
        WaitForSingleObject(m_process.hProcess, kExitTimeoutMs);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
        m_process = {};
    }
    void TearDown() override
    {
        if (!m_process.hProcess)
            return;
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_process.hProcess, 99);
            WaitForSingleObject(m_process.hProcess, kExitTimeoutMs);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }

    std::string m_folder;
    PROCESS_INFORMATION m_process = {};
};

}  // namespace

TEST_F(ProgramStart, WithoutTheWizardShowsANewTemplateAndClosesCleanly)
{
    Prepare("start_plain", 0);
    Start();
    HWND hMain = WaitForWindow(NewTemplateTitle(m_folder));
    ASSERT_NE(nullptr, hMain);
    CloseAndExpectCleanExit(hMain);
    // The start made the program's folders.
    const DWORD dwAttr = GetFileAttributesA((m_folder + "Temp").c_str());
    EXPECT_TRUE(dwAttr != INVALID_FILE_ATTRIBUTES && (dwAttr & FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(ProgramStart, WithTheWizardShowsItFirst)
{
    Prepare("start_wizard", 1);
    Start();
    HWND hWizard = WaitForWindow(kWizardTitle);
    ASSERT_NE(nullptr, hWizard);
    // Closed by its title bar, the wizard leaves a new template behind.
    PostMessageA(hWizard, WM_CLOSE, 0, 0);
    HWND hMain = WaitForWindow(NewTemplateTitle(m_folder));
    ASSERT_NE(nullptr, hMain);
    CloseAndExpectCleanExit(hMain);
}

// What a double-click on a template in Explorer does: the association passes the path, quoted.
// The template opens even where the wizard would have come first.
TEST_F(ProgramStart, OpensTheTemplateOnItsCommandLine)
{
    Prepare("start_with_file", 1);
    const std::string path = m_folder + "My Templates\\Shop Banner.atp";
    CreateDirectoryA((m_folder + "My Templates").c_str(), nullptr);
    {
        AdSenseTemplate made;
        made.New();
        ASSERT_TRUE(made.SaveAs(path.c_str()));
    }
    Start("\"" + path + "\"");
    HWND hMain = WaitForWindow("Ornamo - [" + path + "]");
    ASSERT_NE(nullptr, hMain);
    CloseAndExpectCleanExit(hMain);
}

TEST_F(ProgramStart, AFileThatIsNoTemplateIsReportedAndANewTemplateFollows)
{
    Prepare("start_with_bad_file", 1);
    const std::string path = m_folder + "picture.atp";
    ASSERT_TRUE(testsupport::WriteFileBytes(path, "GIF89a, not a template"));
    Start("\"" + path + "\"");
    HWND hError = WaitForWindow("Error");
    ASSERT_NE(nullptr, hError);
    char szText[256] = {};
    GetDlgItemTextA(hError, 0xFFFF, szText, sizeof(szText));
    EXPECT_STREQ(szText, "Invalid Ornamo template file!");
    PostMessageA(hError, WM_COMMAND, IDOK, 0);
    HWND hMain = WaitForWindow(NewTemplateTitle(m_folder));
    ASSERT_NE(nullptr, hMain);
    CloseAndExpectCleanExit(hMain);
}

// A change survives the program's abrupt end: the next start offers the recovery copy and
// restores it as a modified template.
TEST_F(ProgramStart, AChangeSurvivesAnAbruptEnd)
{
    Prepare("start_recovery", 0, "RecoveryInterval=1\r\n");
    Start();
    HWND hMain = WaitForWindow(NewTemplateTitle(m_folder));
    ASSERT_NE(nullptr, hMain);
    HWND hCanvas = nullptr;
    EnumChildWindows(hMain, [](HWND hWnd, LPARAM lParam) -> BOOL {
        char szClass[64] = {};
        GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (lstrcmpA(szClass, "AdEdit_Class") != 0)
            return TRUE;
        *reinterpret_cast<HWND *>(lParam) = hWnd;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&hCanvas));
    ASSERT_NE(nullptr, hCanvas);
    // The ad unit is current: the arrow moves it.
    PostMessageA(hCanvas, WM_KEYDOWN, VK_RIGHT, 0);
    ASSERT_NE(nullptr, WaitForWindow(NewTemplateTitle(m_folder) + " * "));
    const std::string copy =
        m_folder + "ornamo-recovery-" + std::to_string(m_process.dwProcessId) + ".atp";
    const DWORD dwStart = GetTickCount();
    while (!testsupport::FileExists(copy) && GetTickCount() - dwStart < kWindowTimeoutMs)
        Sleep(100);
    ASSERT_TRUE(testsupport::FileExists(copy));
    Kill();

    Start();
    HWND hQuestion = WaitForWindow("Confirmation");
    ASSERT_NE(nullptr, hQuestion);
    PostMessageA(hQuestion, WM_COMMAND, IDYES, 0);
    hMain = WaitForWindow(NewTemplateTitle(m_folder) + " * ");
    ASSERT_NE(nullptr, hMain);
    EXPECT_FALSE(testsupport::FileExists(copy));
}
