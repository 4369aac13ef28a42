#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "AdTemplate/AdSense.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "main/TfmMain.h"
#include "resource.h"

// What the replaced prompts saw and what they answer. Message boxes answer from a queue
// (IDOK when it is empty); file dialogs answer with a path from their queue, or as
// cancelled when it is empty.
struct PromptLog {
    struct Message {
        std::string text, caption;
        UINT type;
    };
    struct FileDialog {
        std::string title, filter, initialDir, defaultExt;
        DWORD flags;
    };
    std::vector<Message> messages;
    std::deque<int> answers;
    std::vector<FileDialog> openDialogs, saveDialogs;
    std::deque<std::string> openPaths, savePaths;
    std::vector<COLORREF> colorsOffered;
    bool colorOk = false;
    COLORREF colorChosen = 0;
    std::vector<std::string> shellTargets;
    // How many dialogs were shown; each is cancelled as soon as it shows.
    int dialogsShown = 0;
    // Runs inside a message box, as a person's action would while it is shown.
    void (*duringMessage)() = nullptr;

    void Clear() { *this = PromptLog(); }
    // The texts of the messages shown so far.
    std::vector<std::string> Texts() const;
};

extern PromptLog g_prompts;

// The text on the clipboard; "<clipboard closed>" when it cannot be opened.
std::string ClipboardText();

// A real main window in the test program's own folder, with every prompt and the shell
// call replaced, started as the program starts it (the timer's two ticks arrive as
// messages) so that a new template is shown. Nothing the window shows at start-up stays in
// the log.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    // Public, so that code running inside a replaced prompt can act on the window too.

    // Fixtures whose tests prepare the folder first and call CreateWindowNow themselves.
    virtual bool CreatesWindowItself() const { return false; }
    // Creates the window and, when bStart, runs the start-up choice.
    void CreateWindowNow(bool bStart = true);

    HWND Main() const { return m_pForm->GetHandle(); }
    HWND Ctl(int nId) const { return m_pForm->Control(nId); }
    AdSenseTemplate *Tpl() const { return m_pForm->GetTemplate(); }
    AdSenseInfo *Info() const { return Tpl()->GetAdSense()->GetInfo(); }

    // A command as the menu or a button sends it, then the queue is pumped.
    void Command(int nId, int nNotifyCode = 0);
    // Picks list entry nIndex as a person would.
    void PickListEntry(int nListId, int nIndex);
    // Types text into an edit and moves the focus to another control of the window.
    void TypeAndLeave(int nEditId, const char *szText);
    void Leave(int nEditId, HWND hNewFocus);
    std::string Caption() const;
    std::string Text(int nId) const;
    // A template file in the Output folder, saved from a template set up by the caller.
    std::string OutputPath(const char *szName) const;
    // Sends WM_CLOSE; true when the window is gone.
    bool Close();

    std::string m_folder;
    std::unique_ptr<TfmMain> m_pForm;
};
