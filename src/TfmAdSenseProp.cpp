#include "TfmAdSenseProp.h"

#include <string.h>

#include "AdTemplate/AdDrawUtil.h"
#include "AdTemplate/AdSense.h"
#include "TemplateHost.h"
#include "dialog/ColorPanel.h"
#include "dialog/DialogFields.h"
#include "misc/WinUtil.h"
#include "resource.h"

namespace {

const FormDialog::ControlTable kControls = {
    {{IDC_PROP_LEFT, 0, 0}, {IDC_PROP_TOP, 0, 0}},
    {{IDC_AD_PUBID, AD_ID_SIZE - 1}, {IDC_AD_CHANNELID, AD_ID_SIZE - 1}},
    {{IDC_AD_BORDERCOLORBTN, IDC_AD_BORDERCOLOR},
     {IDC_PROP_BGCOLORBTN, IDC_PROP_BGCOLOR},
     {IDC_AD_TITLECOLORBTN, IDC_AD_TITLECOLOR},
     {IDC_AD_TEXTCOLORBTN, IDC_AD_TEXTCOLOR},
     {IDC_AD_URLCOLORBTN, IDC_AD_URLCOLOR}}};

// Colour kinds 1..5, in the order the main window numbers its swatches.
const struct {
    int nPanelId;
    COLORREF AdSenseInfo::*pColor;
} kColorKinds[] = {{IDC_AD_BORDERCOLOR, &AdSenseInfo::crBorder},
                   {IDC_PROP_BGCOLOR, &AdSenseInfo::crBG},
                   {IDC_AD_TITLECOLOR, &AdSenseInfo::crTitle},
                   {IDC_AD_TEXTCOLOR, &AdSenseInfo::crText},
                   {IDC_AD_URLCOLOR, &AdSenseInfo::crURL}};
const int kColorKindCount = sizeof(kColorKinds) / sizeof(kColorKinds[0]);

}  // namespace

TfmAdSenseProp::TfmAdSenseProp(TemplateHost *pHost)
    : ObjectDialog(IDD_ADSENSEPROP, kControls), m_pHost(pHost)
{
}

void TfmAdSenseProp::OnInitDialog()
{
    ObjectDialog::OnInitDialog();
    // The size follows the ad format: shown, never edited here.
    EnableWindow(Item(IDC_PROP_WIDTH), FALSE);
    EnableWindow(Item(IDC_PROP_HEIGHT), FALSE);
}

void TfmAdSenseProp::TransferColor(int nKind, bool bToObject)
{
    auto *pAd = static_cast<AdSense *>(FObject);
    if (!pAd || nKind < 1 || nKind > kColorKindCount)
        return;
    const int nPanelId = kColorKinds[nKind - 1].nPanelId;
    COLORREF &crObject = pAd->GetInfo()->*kColorKinds[nKind - 1].pColor;
    if (!bToObject) {
        colorpanel::SetColor(GetHandle(), nPanelId, crObject);
        return;
    }
    const COLORREF crPanel = colorpanel::GetColor(GetHandle(), nPanelId);
    if (crPanel != crObject) {
        crObject = crPanel;
        FChanged = true;
    }
}

void TfmAdSenseProp::StoreEdge(LONG *pnStart, LONG *pnEnd, int nValue)
{
    if (nValue == *pnStart)
        return;
    FChanged = true;
    *pnEnd = ClampToInt((long long)*pnEnd + nValue - *pnStart);
    *pnStart = nValue;
}

void TfmAdSenseProp::StoreID(int nEditId, char (&szID)[AD_ID_SIZE])
{
    const char *szText = fields::GetText(GetHandle(), nEditId);
    if (strcmp(szText, szID) == 0)
        return;
    CopyText(szID, szText);
    FChanged = true;
}

bool TfmAdSenseProp::TransferObject(bool bToObject)
{
    auto *pAd = static_cast<AdSense *>(FObject);
    if (!pAd)
        return false;
    HWND hDlg = GetHandle();
    AdSenseInfo *pInfo = pAd->GetInfo();
    if (!bToObject) {
        for (int nKind = 1; nKind <= kColorKindCount; nKind++)
            TransferColor(nKind, false);
        FChanged = false;
        fields::SetText(hDlg, IDC_AD_FORMAT, pAd->GetFormatName());
        ShowPosition(*pAd->GetPos());
        fields::SetText(hDlg, IDC_AD_PUBID, pInfo->szPubID);
        fields::SetText(hDlg, IDC_AD_CHANNELID, pInfo->szChannelID);
        return true;
    }
    if (!IsValidPubID(fields::GetText(hDlg, IDC_AD_PUBID)))
        return fields::Refuse(hDlg,
                              "Invalid AdSense publisher ID, please specify a correct one. "
                              "e.g. (pub-1234567890123456).",
                              IDC_AD_PUBID);
    if (!IsValidChannelID(fields::GetText(hDlg, IDC_AD_CHANNELID)))
        return fields::Refuse(hDlg, "Invalid AdSense Channel ID, please enter a valid one.",
                              IDC_AD_CHANNELID);
    for (int nKind = 1; nKind <= kColorKindCount; nKind++)
        TransferColor(nKind, true);
    RECT *prc = pAd->GetPos();
    StoreEdge(&prc->left, &prc->right, fields::GetInt(hDlg, IDC_PROP_LEFT));
    StoreEdge(&prc->top, &prc->bottom, fields::GetInt(hDlg, IDC_PROP_TOP));
    StoreID(IDC_AD_PUBID, pInfo->szPubID);
    StoreID(IDC_AD_CHANNELID, pInfo->szChannelID);
    if (m_pHost) {
        for (int nKind = 1; nKind <= kColorKindCount; nKind++)
            m_pHost->UpdateAdColor(nKind, pInfo->*kColorKinds[nKind - 1].pColor, false);
    }
    pAd->UpdateGdi();
    return true;
}
