#include "TfmExportImage.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "AdTemplate/AdSenseTemplate.h"
#include "dialog/DialogFields.h"
#include "dialog/Prompts.h"
#include "misc/WinUtil.h"
#include "resource.h"

namespace {

const FormDialog::ControlTable kControls = {
    {{IDC_EXPORT_MARGIN, 0, 10}, {IDC_EXPORT_QUALITY, 0, 100}},
    {{IDC_PROP_FILE, MAX_PATH - 1}},
    {}};

const char kBadFileName[] = "Invalid export image file name, please specify a JPG file name.";

}  // namespace

TfmExportImage::TfmExportImage() : FormDialog(IDD_EXPORTIMAGE, kControls) {}

void TfmExportImage::OnInitDialog()
{
    FormDialog::OnInitDialog();
    fields::SetChecked(GetHandle(), IDC_EXPORT_JPEG, true);
}

bool TfmExportImage::SetTemplate(AdSenseTemplate *pTemplate)
{
    FTemplate = pTemplate;
    return TransferTemplate(false);
}

bool TfmExportImage::TransferTemplate(bool bToTemplate)
{
    if (!FTemplate)
        return false;
    HWND hDlg = GetHandle();
    if (!bToTemplate) {
        FQuality = 85;
        // Where the page code looks for the picture: images\ beside the template.
        char szDrive[_MAX_DRIVE], szDir[_MAX_DIR], szName[_MAX_FNAME], szExt[_MAX_EXT];
        _splitpath(FTemplate->GetFilePath(), szDrive, szDir, szName, szExt);
        char szProposed[3 * MAX_PATH];
        snprintf(szProposed, sizeof(szProposed), "%s%simages\\%s.jpg", szDrive, szDir, szName);
        fields::SetText(hDlg, IDC_PROP_FILE, szProposed);
        fields::SetInt(hDlg, IDC_EXPORT_MARGIN, FTemplate->GetMarginLeft());
        fields::SetInt(hDlg, IDC_EXPORT_QUALITY, FQuality);
        return true;
    }
    const char *szFile = fields::GetText(hDlg, IDC_PROP_FILE);
    char szDrive[_MAX_DRIVE], szDir[_MAX_DIR], szName[_MAX_FNAME], szExt[_MAX_EXT];
    _splitpath(szFile, szDrive, szDir, szName, szExt);
    // A path longer than a file name may be would be cut into the name of another file.
    if (_stricmp(szExt, ".jpg") != 0 || strlen(szFile) >= sizeof(FFileName))
        return fields::Refuse(hDlg, kBadFileName, 0);
    CopyText(FFileName, szFile);
    FQuality = fields::GetInt(hDlg, IDC_EXPORT_QUALITY);
    StoreMargins(fields::GetInt(hDlg, IDC_EXPORT_MARGIN));
    return true;
}

void TfmExportImage::StoreMargins(int nMargin)
{
    const int nBefore[4] = {FTemplate->GetMarginLeft(), FTemplate->GetMarginTop(),
                            FTemplate->GetMarginRight(), FTemplate->GetMarginBottom()};
    FTemplate->SetMarginLeft(nMargin);
    FTemplate->SetMarginTop(nMargin);
    FTemplate->SetMarginRight(nMargin);
    FTemplate->SetMarginBottom(nMargin);
    const int nAfter[4] = {FTemplate->GetMarginLeft(), FTemplate->GetMarginTop(),
                           FTemplate->GetMarginRight(), FTemplate->GetMarginBottom()};
    m_bMarginsChanged = memcmp(nBefore, nAfter, sizeof(nBefore)) != 0;
}

void TfmExportImage::OnControl(int nId, int nNotifyCode)
{
    if (nId == IDC_PROP_BROWSE && nNotifyCode == BN_CLICKED)
        btnBrowseClick();
}

void TfmExportImage::btnBrowseClick()
{
    char szFolder[MAX_PATH];
    snprintf(szFolder, sizeof(szFolder), "%sOutput\\images", GetProgramFolder());
    prompts::FileDialog dialog(GetHandle(), "JPEG Image File (*.jpg)|*.jpg", szFolder,
                               "Export Template Image");
    dialog.SetDefaultExt("jpg");
    if (dialog.RunSave())
        fields::SetText(GetHandle(), IDC_PROP_FILE, dialog.GetPath());
}
