#pragma once
#include <windows.h>
#include <gtest/gtest.h>
#include <deque>
#include <string>
#include <vector>

#include "dialog/Prompts.h"
#include "misc/WinUtil.h"

// Stand-ins for the message box, the open-file dialog and the shell, so every dialog runs
// without a person at the screen. Each test starts with empty records.
namespace shellfakes {

struct Message {
    std::string text, caption;
    UINT type;
};
// What an open-file dialog was asked for, as the platform would have seen it.
struct FileRequest {
    HWND owner;
    std::string title, initialDir, filter, startName;
    DWORD flags;
    DWORD maxFile;
};
struct ShellCall {
    HWND owner;
    std::string verb, file, parameters, directory;
    int show;
};

extern std::vector<Message> messages;
// Answers for the coming message boxes, first first; IDOK once they run out.
extern std::deque<int> messageAnswers;
extern std::vector<FileRequest> fileRequests;
// The path the next open-file dialog confirms; empty: the user cancels.
extern std::string nextFile;
extern std::vector<ShellCall> shellCalls;

class Installed : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    prompts::Functions m_previousPrompts;
    ShellExecuteFn m_previousShell = nullptr;
};

}  // namespace shellfakes
