#include "TfmOption.h"

#include <string>

#include "AppSettings.h"
#include "dialog/DialogFields.h"
#include "dialog/DialogLayout.h"
#include "dialog/Prompts.h"
#include "misc/WinUtil.h"
#include "resource.h"

namespace {

const layout::Place kPlaces[] = {
    {IDC_OPTION_LABEL1, 20, 56, 0, 0},
    {IDC_OPTION_PUBID, 127, 54, 229, 19},
    {IDC_OPTION_LABEL2, 22, 92, 0, 0},
    {IDC_OPTION_CHANNELID, 127, 89, 229, 19},
    {IDC_OPTION_STARTUP, 22, 126, 0, 0},
    {IDC_OPTION_OK, 186, 157, 80, 27},
    {IDC_OPTION_CANCEL, 280, 157, 80, 27},
};

}  // namespace

TfmOption::TfmOption(AppSettings *pSettings) : DialogBase(IDD_OPTION), m_pSettings(pSettings) {}

void TfmOption::OnInitDialog()
{
    layout::SetClientSize(GetHandle(), 380, 196);
    layout::PlaceControls(GetHandle(), kPlaces);
    TransferSettings(false);
}

void TfmOption::OnCommand(int nId, int nNotifyCode, HWND)
{
    if (nNotifyCode != BN_CLICKED)
        return;
    if (nId == IDC_OPTION_OK)
        btnOKClick();
    else if (nId == IDC_OPTION_CANCEL)
        EndModal(IDCANCEL);
}

void TfmOption::btnOKClick()
{
    if (TransferSettings(true))
        EndModal(IDOK);
}

bool TfmOption::ConfirmIdOrRefocus(bool bValid, const char *szQuestion, int nEditId)
{
    if (bValid)
        return true;
    if (prompts::Message(GetHandle(), szQuestion, "Warning", MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
        return true;
    fields::FocusControl(GetHandle(), nEditId);
    return false;
}

bool TfmOption::TransferSettings(bool bToSettings)
{
    HWND hDlg = GetHandle();
    if (!m_pSettings || !hDlg)
        return false;
    if (!bToSettings) {
        fields::SetChecked(hDlg, IDC_OPTION_STARTUP, m_pSettings->Startup);
        // The record keeps an empty ID; only the dialog offers the default.
        fields::SetText(hDlg, IDC_OPTION_PUBID,
                        m_pSettings->PubID[0] ? m_pSettings->PubID : kDefaultSettingsPubID);
        fields::SetText(hDlg, IDC_OPTION_CHANNELID, m_pSettings->ChannelID);
        return true;
    }

    // Both IDs are checked before anything is stored, so a warning the user cancels leaves
    // the record exactly as it was.
    const std::string pubId = fields::GetText(hDlg, IDC_OPTION_PUBID);
    if (!ConfirmIdOrRefocus(IsValidPubID(pubId.c_str()),
                            "The publisher ID is invalid, are you sure to continue?",
                            IDC_OPTION_PUBID))
        return false;
    const std::string channelId = fields::GetText(hDlg, IDC_OPTION_CHANNELID);
    if (!ConfirmIdOrRefocus(IsValidChannelID(channelId.c_str()),
                            "The channel ID is invalid, are you sure to continue?",
                            IDC_OPTION_CHANNELID))
        return false;

    m_pSettings->Startup = fields::IsChecked(hDlg, IDC_OPTION_STARTUP);
    CopyText(m_pSettings->PubID, pubId.c_str());
    CopyText(m_pSettings->ChannelID, channelId.c_str());
    return true;
}
