#include "TfmLineProp.h"

#include "AdTemplate/AdLine.h"
#include "dialog/ColorPanel.h"
#include "dialog/DialogFields.h"
#include "dialog/LineStyleList.h"
#include "resource.h"

namespace {
const FormDialog::ControlTable kControls = {
    {{IDC_LINE_STARTX, 0, 1000},
     {IDC_LINE_STARTY, 0, 1000},
     {IDC_LINE_ENDX, 0, 1000},
     {IDC_LINE_ENDY, 0, 1000},
     {IDC_PROP_LINEWIDTH, 1, 5}},
    {{IDC_PROP_NAME, AD_NAME_SIZE - 1}},
    {{IDC_PROP_LINECOLOR, IDC_PROP_COLOR}}};
}  // namespace

TfmLineProp::TfmLineProp() : ObjectDialog(IDD_LINEPROP, kControls) {}

void TfmLineProp::OnInitDialog()
{
    ObjectDialog::OnInitDialog();
    linestyle::Fill(GetHandle(), IDC_PROP_LINETYPE);
}

bool TfmLineProp::TransferObject(bool bToObject)
{
    auto *pLine = static_cast<AdLine *>(FObject);
    if (!pLine)
        return false;
    HWND hDlg = GetHandle();
    if (!bToObject) {
        ShowName();
        fields::SetInt(hDlg, IDC_LINE_STARTX, pLine->m_ptStart.x);
        fields::SetInt(hDlg, IDC_LINE_STARTY, pLine->m_ptStart.y);
        fields::SetInt(hDlg, IDC_LINE_ENDX, pLine->m_ptEnd.x);
        fields::SetInt(hDlg, IDC_LINE_ENDY, pLine->m_ptEnd.y);
        fields::SetInt(hDlg, IDC_PROP_LINEWIDTH, pLine->m_nWidth);
        colorpanel::SetColor(hDlg, IDC_PROP_COLOR, pLine->m_crLine);
        linestyle::Select(hDlg, IDC_PROP_LINETYPE, pLine->m_nStyle);
        return true;
    }
    if (!HasName())
        return fields::Refuse(hDlg, "Invalid name for the Line object.", 0);
    StoreName();
    const RECT rc = {fields::GetInt(hDlg, IDC_LINE_STARTX), fields::GetInt(hDlg, IDC_LINE_STARTY),
                     fields::GetInt(hDlg, IDC_LINE_ENDX), fields::GetInt(hDlg, IDC_LINE_ENDY)};
    pLine->SetStart(rc.left, rc.top);
    pLine->SetEnd(rc.right, rc.bottom);
    pLine->SetPos(&rc);
    pLine->m_nWidth = fields::GetInt(hDlg, IDC_PROP_LINEWIDTH);
    pLine->m_nStyle = linestyle::SelectedCode(hDlg, IDC_PROP_LINETYPE);
    pLine->m_crLine = colorpanel::GetColor(hDlg, IDC_PROP_COLOR);
    pLine->UpdatePen();
    return true;
}
