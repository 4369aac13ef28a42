#pragma once
#include "dialog/DialogBase.h"

// "About Ornamo": the logo and a link to the home page.
class TfmAbout : public DialogBase {
public:
    TfmAbout();

protected:
    void OnInitDialog() override;
    void OnCommand(int nId, int nNotifyCode, HWND hControl) override;
};
