#include "TfmFrameProp.h"

#include "AdTemplate/AdFrame.h"
#include "dialog/ColorPanel.h"
#include "dialog/DialogFields.h"
#include "dialog/LineStyleList.h"
#include "resource.h"

namespace {
const FormDialog::ControlTable kControls = {
    {{IDC_PROP_LEFT, 0, 0},
     {IDC_PROP_TOP, 0, 0},
     {IDC_PROP_WIDTH, 0, 0},
     {IDC_PROP_HEIGHT, 0, 0},
     {IDC_FRAME_ROUNDCORNER, 0, 20},
     {IDC_PROP_LINEWIDTH, 0, 0}},
    {{IDC_PROP_NAME, AD_NAME_SIZE - 1}},
    {{IDC_PROP_LINECOLOR, IDC_PROP_COLOR}, {IDC_PROP_BGCOLORBTN, IDC_PROP_BGCOLOR}}};
}  // namespace

TfmFrameProp::TfmFrameProp() : ObjectDialog(IDD_FRAMEPROP, kControls) {}

void TfmFrameProp::OnInitDialog()
{
    ObjectDialog::OnInitDialog();
    linestyle::Fill(GetHandle(), IDC_PROP_LINETYPE);
}

bool TfmFrameProp::TransferObject(bool bToObject)
{
    auto *pFrame = static_cast<AdFrame *>(FObject);
    if (!pFrame)
        return false;
    HWND hDlg = GetHandle();
    if (!bToObject) {
        ShowName();
        ShowPosition(*pFrame->GetPos());
        fields::SetInt(hDlg, IDC_PROP_LINEWIDTH, pFrame->m_nLineWidth);
        colorpanel::SetColor(hDlg, IDC_PROP_COLOR, pFrame->m_crLine);
        colorpanel::SetColor(hDlg, IDC_PROP_BGCOLOR, pFrame->m_crBack);
        linestyle::Select(hDlg, IDC_PROP_LINETYPE, pFrame->m_nLineStyle);
        const bool bRound = pFrame->m_nRoundCorner > 0;
        fields::SetChecked(hDlg, IDC_FRAME_ROUNDCHECK, bRound);
        fields::SetInt(hDlg, IDC_FRAME_ROUNDCORNER, bRound ? pFrame->m_nRoundCorner : 0);
        cbRoundCornerClick();
        return true;
    }
    if (!HasName())
        return fields::Refuse(hDlg, "Invalid frame object name.", 0);
    StoreName();
    RECT rc = ReadPosition();
    pFrame->SetPos(&rc);
    pFrame->m_nRoundCorner =
        fields::IsChecked(hDlg, IDC_FRAME_ROUNDCHECK) ? fields::GetInt(hDlg, IDC_FRAME_ROUNDCORNER) : 0;
    pFrame->m_nLineWidth = fields::GetInt(hDlg, IDC_PROP_LINEWIDTH);
    pFrame->m_nLineStyle = linestyle::SelectedCode(hDlg, IDC_PROP_LINETYPE);
    pFrame->m_crLine = colorpanel::GetColor(hDlg, IDC_PROP_COLOR);
    pFrame->m_crBack = colorpanel::GetColor(hDlg, IDC_PROP_BGCOLOR);
    return true;
}

void TfmFrameProp::OnControl(int nId, int nNotifyCode)
{
    if (nId == IDC_FRAME_ROUNDCHECK && nNotifyCode == BN_CLICKED)
        cbRoundCornerClick();
}

void TfmFrameProp::cbRoundCornerClick()
{
    EnableWindow(Item(IDC_FRAME_ROUNDCORNER), fields::IsChecked(GetHandle(), IDC_FRAME_ROUNDCHECK));
}
