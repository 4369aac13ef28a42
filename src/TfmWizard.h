#pragma once
#include "canvas/GdiScope.h"
#include "dialog/DialogBase.h"

struct AppSettings;

// "Ornamo Wizard": open a sample, make a new template or open an existing one.
class TfmWizard : public DialogBase {
public:
    enum { CHOICE_NONE = 0, CHOICE_NEW = 1, CHOICE_OPEN = 2 };
    explicit TfmWizard(AppSettings *pSettings);

    // Checks the chosen file and stores the choice and the start-up flag; false (the wizard
    // stays, nothing stored) on a refusal.
    bool CommitChoice();
    int GetChoice() const { return FChoice; }
    const char *GetFileName() const { return FFileName; }

protected:
    void OnInitDialog() override;
    void OnCommand(int nId, int nNotifyCode, HWND hControl) override;
    INT_PTR OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool *pbHandled) override;

private:
    // Enables the file fields of the clicked choice and disables the other ones.
    void ChoiceClick(int nChoiceId);
    void Browse(const char *szSubfolder, const char *szTitle, int nTargetEditId);
    // The file named in an edit, when it fits the file name field and is a template.
    bool TakeTemplateFile(int nEditId);
    void btnOKClick();

    AppSettings *m_pSettings;
    canvas::GdiObject<HFONT> m_welcomeFont;
    char FFileName[260] = {};
    int FChoice = CHOICE_NONE;
};
