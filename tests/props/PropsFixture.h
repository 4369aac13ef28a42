#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <string>
#include <vector>

#include "AdTemplate/AdSenseTemplate.h"
#include "TemplateHost.h"
#include "dialog/DialogBase.h"
#include "dialog/Prompts.h"

// What the property dialog tests share: every message box and common dialog replaced by a
// recorder with scripted answers, a template host that records what the commands ask of
// it, and small helpers that drive a dialog's controls through their messages.
namespace props {

struct Shown {
    std::string text, caption;
    UINT type;
};

// What the replaced prompts saw and what they answer.
struct PromptScript {
    std::vector<Shown> messages;
    int nMessageAnswer = IDOK;

    bool bFileOk = false;
    std::string strFileChosen;
    std::string strFileFilter, strFileTitle, strFileInitialDir, strFileDefExt;
    DWORD dwFileFlags = 0;
    int nFileDialogs = 0;

    bool bColorOk = false;
    COLORREF crColorOffered = 0, crColorChosen = 0;
    DWORD dwColorFlags = 0;
    int nColorDialogs = 0;

    bool bFontOk = false;
    LOGFONTA lfFontOffered = {}, lfFontChosen = {};
    COLORREF crFontOffered = 0, crFontChosen = 0;
    DWORD dwFontFlags = 0;
};
extern PromptScript g_script;

class FakeHost : public TemplateHost {
public:
    FakeHost() { m_template.New(); }
    AdSenseTemplate *GetTemplate() override { return &m_template; }
    HWND GetOwnerWindow() override { return nullptr; }
    void RefreshViews() override { nRefreshes++; }
    void FillObjectList() override { nListFills++; }
    void SetModified(bool bModified, bool bUpdateCaption) override
    {
        m_template.SetModified(bModified);
        nModifiedCalls++;
    }
    void UpdateAdColor(int nKind, COLORREF cr, bool bStore) override
    {
        adColors.push_back({nKind, cr, bStore});
    }
    void BeginChange() override {}
    void CommitChange(const char *, const void *) override {}
    void CancelChange() override {}

    struct AdColor {
        int nKind;
        COLORREF cr;
        bool bStore;
    };
    AdSenseTemplate m_template;
    int nRefreshes = 0, nListFills = 0, nModifiedCalls = 0;
    std::vector<AdColor> adColors;
};

// Installs the recording prompts for one test and restores the previous ones after it.
class PropsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    prompts::Functions m_previous = {};
};

// Runs fn on every dialog as its modal run shows it, for the length of one scope.
class ShownScript {
public:
    typedef void (*Action)(DialogBase *pDialog);
    explicit ShownScript(Action pfn);
    ~ShownScript();

private:
    DialogBase::ShownHook m_previous;
};

std::string Text(HWND hDlg, int nId);
void SetText(HWND hDlg, int nId, const std::string &text);
void Click(HWND hDlg, int nId);
// Typed keys, as the keyboard delivers them.
void Type(HWND hDlg, int nId, const char *szKeys);
// Puts the text on the clipboard and pastes it over the field's whole text.
void Paste(HWND hDlg, int nId, const char *szText);
// Shows the dialog and moves the keyboard focus from one control to another, as Tab does.
void MoveFocus(HWND hDlg, int nFromId, int nToId);
// Posts a click (delivered by the modal run).
void PostClick(HWND hDlg, int nId);

// The program's Temp folder below the test program, made when missing.
std::string TempFolder();
std::vector<std::string> TempFiles();
// A 24-bit BMP of the given size, every pixel one colour.
bool WriteBmp(const std::string &path, int nWidth, int nHeight, COLORREF cr);

}  // namespace props
