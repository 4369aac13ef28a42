// The preview page's five ad colours (buttons, swatches and the colour dialog) and the
// preview in the browser.
#include "main/TfmMain.h"

#include <string>

#include "AdPreview.h"
#include "AdTemplate/AdSense.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "BrowserPreview.h"
#include "dialog/ColorPanel.h"
#include "dialog/Prompts.h"
#include "misc/WinUtil.h"
#include "resource.h"

namespace {

// Kinds 1 to 5 in button order: border, background, title, text, URL.
COLORREF *AdColorField(AdSenseInfo *pInfo, int nKind)
{
    switch (nKind) {
    case 1: return &pInfo->crBorder;
    case 2: return &pInfo->crBG;
    case 3: return &pInfo->crTitle;
    case 4: return &pInfo->crText;
    case 5: return &pInfo->crURL;
    }
    return nullptr;
}

int SwatchId(int nKind) { return IDC_PNLBORDERCOLOR + nKind - 1; }

}  // namespace

void TfmMain::UpdateAdColor(int nKind, COLORREF cr, bool bStore)
{
    AdSense *pAdSense = FTemplate ? FTemplate->GetAdSense() : nullptr;
    COLORREF *pField = pAdSense ? AdColorField(pAdSense->GetInfo(), nKind) : nullptr;
    if (!pField)
        return;
    if (!bStore) {
        colorpanel::SetColor(Control(SwatchId(nKind)), *pField);
        return;
    }
    colorpanel::SetColor(Control(SwatchId(nKind)), cr);
    // The colour is stored in the template file: changing it is an edit.
    if (*pField != cr) {
        ChangeScope change(this);
        *pField = cr;
        change.Commit("Change Ad Color");
        SetModified(true, false);
    }
    pAdSense->UpdateGdi();
    RefreshViews();
}

void TfmMain::ShowAdColors()
{
    for (int nKind = 1; nKind <= 5; ++nKind)
        UpdateAdColor(nKind, 0, false);
}

void TfmMain::PickAdColor(int nKind)
{
    HWND hSwatch = Control(SwatchId(nKind));
    // The swatch starts the dialog at the unit's colour, whatever it showed before.
    UpdateAdColor(nKind, 0, false);
    COLORREF cr;
    if (colorpanel::Pick(m_hWnd, hSwatch, &cr))
        UpdateAdColor(nKind, cr, true);
}

void TfmMain::miViewBrowserClick()
{
    if (!FTemplate)
        return;
    const std::string folder = std::string(GetProgramFolder()) + "Temp\\";
    const std::string page = WriteBrowserPreview(FTemplate, folder.c_str());
    if (page.empty()) {
        prompts::Error(m_hWnd, "The browser preview could not be written to the Temp folder.");
        return;
    }
    ShellOpen(page.c_str());
}
