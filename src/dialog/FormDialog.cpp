#include "dialog/FormDialog.h"

#include "dialog/ColorPanel.h"
#include "dialog/DialogFields.h"
#include "dialog/IntEdit.h"
#include "resource.h"

FormDialog::FormDialog(int nTemplateId, const ControlTable &controls)
    : DialogBase(nTemplateId), m_controls(controls)
{
}

void FormDialog::OnInitDialog()
{
    for (const IntField &field : m_controls.intFields)
        intedit::Attach(GetHandle(), field.nId, field.nMin, field.nMax);
    for (const TextLimit &limit : m_controls.textLimits)
        fields::LimitText(GetHandle(), limit.nId, limit.nMaxChars);
}

void FormDialog::OnCommand(int nId, int nNotifyCode, HWND)
{
    if (nId == IDC_PROP_OK && nNotifyCode == BN_CLICKED) {
        btnOKClick();
        return;
    }
    if (nId == IDC_PROP_CANCEL && nNotifyCode == BN_CLICKED) {
        btnCancelClick();
        return;
    }
    for (const ColorButton &button : m_controls.colorButtons) {
        if (nId == button.nButtonId && nNotifyCode == BN_CLICKED) {
            colorpanel::Pick(GetHandle(), button.nPanelId);
            return;
        }
    }
    OnControl(nId, nNotifyCode);
}

void FormDialog::btnOKClick()
{
    if (Transfer(true))
        EndModal(IDOK);
}

bool FormDialog::IsExitToSibling() const
{
    HWND hFocus = GetFocus();
    return IsWindowVisible(GetHandle()) && hFocus && IsChild(GetHandle(), hFocus);
}
