#pragma once
#include "dialog/DialogBase.h"

struct AppSettings;

// "Ornamo Wizard": open a sample, make a new template or open an existing one.
class TfmWizard : public DialogBase {
public:
    enum { CHOICE_NONE = 0, CHOICE_NEW = 1, CHOICE_OPEN = 2 };
    explicit TfmWizard(AppSettings *pSettings);

    // Checks the chosen file and stores the choice; false (the wizard stays) on a refusal.
    bool CommitChoice();
    int GetChoice() const { return FChoice; }
    const char *GetFileName() const { return FFileName; }

protected:
    void OnInitDialog() override;
    void OnCommand(int nId, int nNotifyCode, HWND hControl) override;

private:
    AppSettings *m_pSettings;
    char FFileName[260] = {};
    int FChoice = CHOICE_NONE;
};
