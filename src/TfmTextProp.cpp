#include "TfmTextProp.h"

#include <stdio.h>

#include "AdTemplate/AdText.h"
#include "dialog/ColorPanel.h"
#include "dialog/DialogFields.h"
#include "dialog/Prompts.h"
#include "resource.h"

namespace {

const FormDialog::ControlTable kControls = {
    {{IDC_PROP_LEFT, 0, 0}, {IDC_PROP_TOP, 0, 0}, {IDC_PROP_WIDTH, 0, 0}, {IDC_PROP_HEIGHT, 0, 0}},
    {{IDC_PROP_NAME, AD_NAME_SIZE - 1}, {IDC_TEXT_TEXT, AD_CAPTION_SIZE - 1}},
    {{IDC_PROP_BGCOLORBTN, IDC_PROP_BGCOLOR}}};

const char kEmptyText[] = "The content of the text object can not be empty.";

}  // namespace

TfmTextProp::TfmTextProp() : ObjectDialog(IDD_TEXTPROP, kControls) {}

bool TfmTextProp::TransferObject(bool bToObject)
{
    auto *pText = static_cast<AdText *>(FObject);
    if (!pText)
        return false;
    HWND hDlg = GetHandle();
    if (!bToObject) {
        const RECT &rc = *pText->GetPos();
        ShowPosition(rc);
        ShowName();
        fields::SetText(hDlg, IDC_TEXT_TEXT, pText->m_szText);
        m_font.FromLogFont(pText->m_lf, pText->m_crText);
        colorpanel::SetColor(hDlg, IDC_TEXT_FONTCOLOR, pText->m_crText);
        colorpanel::SetColor(hDlg, IDC_PROP_BGCOLOR, pText->m_crBack);
        // A new text has no size yet: it gets the extent of its text.
        if (rc.right == 0 || rc.bottom == 0)
            FitSizeToText();
        ShowFontInfo();
        return true;
    }
    if (!HasName())
        return fields::Refuse(hDlg, "Invalid text object name.", IDC_PROP_NAME);
    if (fields::GetTextLength(hDlg, IDC_TEXT_TEXT) == 0)
        return fields::Refuse(hDlg, kEmptyText, IDC_TEXT_TEXT);
    StoreName();
    pText->SetText(fields::GetText(hDlg, IDC_TEXT_TEXT));
    RECT rc = ReadPosition();
    pText->SetPos(&rc);
    pText->m_crText = colorpanel::GetColor(hDlg, IDC_TEXT_FONTCOLOR);
    pText->m_crBack = colorpanel::GetColor(hDlg, IDC_PROP_BGCOLOR);
    pText->UpdateBrush();
    pText->m_lf = WorkingLogFont();
    pText->UpdateFont();
    return true;
}

LOGFONTA TfmTextProp::WorkingLogFont() const
{
    LOGFONTA lf = static_cast<AdText *>(FObject)->m_lf;
    m_font.ToLogFont(&lf);
    return lf;
}

void TfmTextProp::ShowFontInfo()
{
    if (!FObject)
        return;
    const LOGFONTA lf = WorkingLogFont();
    char szInfo[LF_FACESIZE + 48];
    snprintf(szInfo, sizeof(szInfo), "Font Info: %s %ldpx", lf.lfFaceName, -(long)lf.lfHeight);
    fields::SetText(GetHandle(), IDC_TEXT_FONTINFO, szInfo);
}

void TfmTextProp::FitSizeToText()
{
    if (!FObject)
        return;
    const LOGFONTA lf = WorkingLogFont();
    int nWidth = 0, nHeight = 0;
    if (!MeasureText(&lf, fields::GetText(GetHandle(), IDC_TEXT_TEXT), &nWidth, &nHeight))
        return;
    fields::SetInt(GetHandle(), IDC_PROP_WIDTH, nWidth);
    fields::SetInt(GetHandle(), IDC_PROP_HEIGHT, nHeight);
}

void TfmTextProp::OnControl(int nId, int nNotifyCode)
{
    if (nId == IDC_TEXT_FONT && nNotifyCode == BN_CLICKED)
        btnFontClick();
    else if (nId == IDC_TEXT_TEXT && nNotifyCode == EN_KILLFOCUS && IsExitToSibling())
        edtTextExit();
}

void TfmTextProp::btnFontClick()
{
    if (!FObject)
        return;
    // The dialog shows the bold style as the summary does: exactly 700 is bold.
    LOGFONTA lf = WorkingLogFont();
    lf.lfWeight = m_font.bBold ? FW_BOLD : FW_NORMAL;
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = GetHandle();
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    cf.rgbColors = m_font.crColor;
    if (!prompts::PickFont(&cf))
        return;
    m_font.TakeChoice(lf, cf.rgbColors);
    colorpanel::SetColor(GetHandle(), IDC_TEXT_FONTCOLOR, m_font.crColor);
    ShowFontInfo();
    FitSizeToText();
}

void TfmTextProp::edtTextExit()
{
    if (fields::GetTextLength(GetHandle(), IDC_TEXT_TEXT) > 0)
        FitSizeToText();
    else
        fields::Refuse(GetHandle(), kEmptyText, 0);
}
