#include "TfmWizard.h"

#include <string>

#include "AdTemplate/AdSenseTemplate.h"
#include "AppSettings.h"
#include "dialog/DialogFields.h"
#include "dialog/DialogLayout.h"
#include "dialog/Prompts.h"
#include "misc/WinUtil.h"
#include "resource.h"

namespace {

const layout::Place kPlaces[] = {
    {IDC_WIZARD_LABEL1, 24, 56, 0, 0},
    {IDC_WIZARD_SAMPLE, 36, 88, 0, 0},
    {IDC_WIZARD_SAMPLEFILE, 54, 116, 323, 19},
    {IDC_WIZARD_BROWSESAMPLE, 384, 112, 33, 27},
    {IDC_WIZARD_NEW, 37, 145, 0, 0},
    {IDC_WIZARD_OPEN, 38, 175, 0, 0},
    {IDC_WIZARD_OPENFILE, 55, 200, 322, 19},
    {IDC_WIZARD_BROWSEOPEN, 384, 196, 35, 27},
    {IDC_WIZARD_STARTUP, 27, 242, 0, 0},
    {IDC_WIZARD_OK, 352, 239, 80, 27},
};

const COLORREF kWelcomeColor = RGB(0, 0, 128);
const char kTemplateFilter[] = "Ornamo Template (*.atp)|*.atp|All Files(*.*)|*.*";
const char kInvalidTemplate[] = "Invalid Ornamo template file!";

// Each choice with the file fields that belong to it (none for a new template).
const struct {
    int nChoiceId, nEditId, nBrowseId;
} kChoiceFields[] = {
    {IDC_WIZARD_SAMPLE, IDC_WIZARD_SAMPLEFILE, IDC_WIZARD_BROWSESAMPLE},
    {IDC_WIZARD_OPEN, IDC_WIZARD_OPENFILE, IDC_WIZARD_BROWSEOPEN},
};

}  // namespace

TfmWizard::TfmWizard(AppSettings *pSettings) : DialogBase(IDD_WIZARD), m_pSettings(pSettings) {}

void TfmWizard::OnInitDialog()
{
    HWND hDlg = GetHandle();
    layout::SetClientSize(hDlg, 458, 281);
    m_welcomeFont.Reset(CreateFontA(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_SWISS, "Verdana"));
    if (m_welcomeFont.Get())
        SendDlgItemMessageA(hDlg, IDC_WIZARD_LABEL1, WM_SETFONT,
                            reinterpret_cast<WPARAM>(m_welcomeFont.Get()), FALSE);
    // After the font, so the label fits its bold text.
    layout::PlaceControls(hDlg, kPlaces);
    CheckRadioButton(hDlg, IDC_WIZARD_SAMPLE, IDC_WIZARD_OPEN, IDC_WIZARD_NEW);
    fields::SetChecked(hDlg, IDC_WIZARD_STARTUP, true);
}

INT_PTR TfmWizard::OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool *pbHandled)
{
    if (uMsg != WM_CTLCOLORSTATIC || reinterpret_cast<HWND>(lParam) != Item(IDC_WIZARD_LABEL1))
        return 0;
    HDC hDC = reinterpret_cast<HDC>(wParam);
    SetTextColor(hDC, kWelcomeColor);
    SetBkMode(hDC, TRANSPARENT);
    *pbHandled = true;
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

void TfmWizard::OnCommand(int nId, int nNotifyCode, HWND)
{
    if (nNotifyCode != BN_CLICKED)
        return;
    switch (nId) {
    case IDC_WIZARD_SAMPLE:
    case IDC_WIZARD_NEW:
    case IDC_WIZARD_OPEN:
        ChoiceClick(nId);
        break;
    case IDC_WIZARD_BROWSESAMPLE:
        Browse("Samples", "Open Sample Template", IDC_WIZARD_SAMPLEFILE);
        break;
    case IDC_WIZARD_BROWSEOPEN:
        Browse("Output", "Open Ornamo Template", IDC_WIZARD_OPENFILE);
        break;
    case IDC_WIZARD_OK:
        btnOKClick();
        break;
    }
}

void TfmWizard::ChoiceClick(int nChoiceId)
{
    for (const auto &fieldsOf : kChoiceFields) {
        const BOOL bEnable = fieldsOf.nChoiceId == nChoiceId;
        EnableWindow(Item(fieldsOf.nEditId), bEnable);
        EnableWindow(Item(fieldsOf.nBrowseId), bEnable);
    }
}

void TfmWizard::Browse(const char *szSubfolder, const char *szTitle, int nTargetEditId)
{
    const std::string folder = std::string(GetProgramFolder()) + szSubfolder;
    prompts::FileDialog dialog(GetHandle(), kTemplateFilter, folder.c_str(), szTitle);
    if (dialog.RunOpen())
        fields::SetText(GetHandle(), nTargetEditId, dialog.GetPath());
}

bool TfmWizard::TakeTemplateFile(int nEditId)
{
    // The whole text is read, so a path too long for the field is refused rather than cut
    // into another file's name.
    const std::string path = fields::GetText(GetHandle(), nEditId);
    if (path.size() >= sizeof(FFileName) || !IsTemplateFile(path.c_str()))
        return fields::Refuse(GetHandle(), kInvalidTemplate, nEditId);
    CopyText(FFileName, path.c_str());
    return true;
}

bool TfmWizard::CommitChoice()
{
    HWND hDlg = GetHandle();
    if (!hDlg)
        return false;
    if (fields::IsChecked(hDlg, IDC_WIZARD_NEW)) {
        FChoice = CHOICE_NEW;
    } else {
        const int nEditId = fields::IsChecked(hDlg, IDC_WIZARD_SAMPLE) ? IDC_WIZARD_SAMPLEFILE
                                                                        : IDC_WIZARD_OPENFILE;
        if (!TakeTemplateFile(nEditId))
            return false;
        FChoice = CHOICE_OPEN;
    }
    if (m_pSettings)
        m_pSettings->Startup = fields::IsChecked(hDlg, IDC_WIZARD_STARTUP);
    return true;
}

void TfmWizard::btnOKClick()
{
    if (CommitChoice())
        EndModal(IDOK);
}
