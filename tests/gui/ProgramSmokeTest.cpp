// The built program itself: started in a fresh program folder, it shows its window with a
// new template and ends cleanly when closed.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "TestSupport.h"
#include "misc/WinUtil.h"

namespace {

struct Found {
    DWORD dwProcessId;
    HWND hWnd;
};

BOOL CALLBACK FindProcessWindow(HWND hWnd, LPARAM lParam)
{
    auto *pFound = reinterpret_cast<Found *>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    char szClass[32] = {};
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (dwProcessId == pFound->dwProcessId && std::string(szClass) == "TfmMain") {
        pFound->hWnd = hWnd;
        return FALSE;
    }
    return TRUE;
}

std::string Caption(HWND hWnd)
{
    char sz[MAX_PATH + 64] = {};
    GetWindowTextA(hWnd, sz, sizeof(sz));
    return sz;
}

}  // namespace

TEST(ProgramSmoke, StartsWithANewTemplateAndClosesCleanly)
{
    // The program folder as a user gets it, with nothing made by an earlier run.
    const std::string built = std::string(GetProgramFolder()) + "..\\..\\..\\program\\";
    const std::string folder = testsupport::MakeScratchFolder("smoke_program");
    for (const char *szFile : {"ornamo.exe", "Pictra.dll"})
        ASSERT_TRUE(CopyFileA((built + szFile).c_str(), (folder + szFile).c_str(), FALSE)) << szFile;
    ASSERT_TRUE(testsupport::WriteFileBytes(folder + "ornamo.ini", "[Common]\r\nStartup=0\r\n"));

    std::string commandLine = "\"" + folder + "ornamo.exe\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &si, &pi));

    const std::string expected = "Ornamo - [" + folder + "output\\noname.atp]";
    Found found = {pi.dwProcessId, nullptr};
    const DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < 10000) {
        found.hWnd = nullptr;
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&found));
        if (found.hWnd && Caption(found.hWnd) == expected)
            break;
        Sleep(50);
    }
    ASSERT_NE(found.hWnd, nullptr);
    EXPECT_EQ(Caption(found.hWnd), expected);

    PostMessageA(found.hWnd, WM_CLOSE, 0, 0);
    const bool bEnded = WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0;
    if (!bEnded)
        TerminateProcess(pi.hProcess, 1);
    DWORD dwExitCode = 1;
    GetExitCodeProcess(pi.hProcess, &dwExitCode);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_TRUE(bEnded);
    EXPECT_EQ(dwExitCode, 0u);
    const DWORD dwAttr = GetFileAttributesA((folder + "Temp").c_str());
    EXPECT_TRUE(dwAttr != INVALID_FILE_ATTRIBUTES && (dwAttr & FILE_ATTRIBUTE_DIRECTORY));
}
