#pragma once
#include <windows.h>

#include "dialog/FormDialog.h"

class AdSenseTemplate;

// "Export Template to Image File": the picture's file name (proposed where the page code
// looks for it), the margin around the objects and the JPEG quality. OK stores the margin
// into all four of the template's margins.
class TfmExportImage : public FormDialog {
public:
    TfmExportImage();
    // Stores the template and fills the controls from it; false when given none.
    bool SetTemplate(AdSenseTemplate *pTemplate);
    // false: template to controls; true: check the file name, then store quality, margins
    // and file name (false after the refusal message).
    bool TransferTemplate(bool bToTemplate);

    const char *GetFileName() const { return FFileName; }
    int GetQuality() const { return FQuality; }
    // Whether OK gave the template other margins than it had: they are saved with it.
    bool MarginsChanged() const { return m_bMarginsChanged; }

protected:
    bool Transfer(bool bToTarget) override { return TransferTemplate(bToTarget); }
    void OnInitDialog() override;
    void OnControl(int nId, int nNotifyCode) override;

private:
    void btnBrowseClick();
    void StoreMargins(int nMargin);

    AdSenseTemplate *FTemplate = nullptr;
    char FFileName[MAX_PATH] = {};
    int FQuality = 85;
    bool m_bMarginsChanged = false;
};
