#pragma once
#include "dialog/DialogBase.h"

struct AppSettings;

// "Ornamo Options": the default publisher and channel IDs and the start-up wizard flag.
class TfmOption : public DialogBase {
public:
    explicit TfmOption(AppSettings *pSettings);
    // false: record to controls; true: controls to record, with the warnings; false when the
    // user cancelled a warning (the dialog stays open and the record is untouched).
    bool TransferSettings(bool bToSettings);

protected:
    void OnInitDialog() override;
    void OnCommand(int nId, int nNotifyCode, HWND hControl) override;

private:
    void btnOKClick();
    // An invalid ID asks the user; Cancel puts the focus back into its edit and answers false.
    bool ConfirmIdOrRefocus(bool bValid, const char *szQuestion, int nEditId);
    AppSettings *m_pSettings;
};
