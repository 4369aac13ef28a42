#include "TfmImageProp.h"

#include <io.h>
#include <string.h>

#include "AdTemplate/Pictra.h"
#include "PictraUtil.h"
#include "dialog/DialogFields.h"
#include "dialog/Prompts.h"
#include "resource.h"

namespace {

const FormDialog::ControlTable kControls = {
    {{IDC_PROP_LEFT, 0, 0}, {IDC_PROP_TOP, 0, 0}, {IDC_PROP_WIDTH, 0, 0}, {IDC_PROP_HEIGHT, 0, 0}},
    {{IDC_PROP_NAME, AD_NAME_SIZE - 1}, {IDC_PROP_FILE, AD_PATH_SIZE - 1}},
    {}};

const char kBadFileName[] = "Invalid image file name.";

// The extension of a path's file name, dot included, as _splitpath takes it: from the
// last dot after the last separator; empty when the file name has none.
const char *ExtensionOf(const char *szPath)
{
    const char *szName = szPath;
    for (const char *p = szPath; *p; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':')
            szName = p + 1;
    }
    const char *szDot = strrchr(szName, '.');
    return szDot ? szDot : szName + strlen(szName);
}

}  // namespace

TfmImageProp::TfmImageProp() : ObjectDialog(IDD_IMAGEPROP, kControls) {}

bool TfmImageProp::TransferObject(bool bToObject)
{
    auto *pPicture = static_cast<Pictra *>(FObject);
    if (!pPicture)
        return false;
    HWND hDlg = GetHandle();
    if (!bToObject) {
        ShowName();
        fields::SetText(hDlg, IDC_PROP_FILE, pPicture->m_szFile);
        ShowPosition(*pPicture->GetPos());
        return true;
    }
    if (!HasName())
        return fields::Refuse(hDlg, "Invalid image object name.", 0);
    if (!StorePicture(pPicture))
        return false;
    StoreName();
    RECT rc = ReadPosition();
    pPicture->SetPos(&rc);
    return true;
}

bool TfmImageProp::StorePicture(Pictra *pPicture)
{
    HWND hDlg = GetHandle();
    char szFile[AD_PATH_SIZE];
    fields::GetText(hDlg, IDC_PROP_FILE, szFile, sizeof(szFile));
    const char *szExt = ExtensionOf(szFile);
    // An extension the object cannot hold would name a copy the template cannot find again.
    if (_access(szFile, 0) != 0 || strlen(szExt) >= AD_EXT_SIZE)
        return fields::Refuse(hDlg, kBadFileName, 0);
    if (strcmp(szFile, pPicture->m_szFile) == 0)
        return true;

    PictraUtil *pUtil = PictraUtil::Get();
    const char *szTemp = pUtil ? pUtil->MakeTempFileName(szExt) : "";
    if (!szTemp[0] || !CopyFileA(szFile, szTemp, FALSE))
        return fields::Refuse(hDlg, "Error occurred during the image file copy process.", 0);
    pPicture->SetFile(szTemp);
    pPicture->SetExt(szExt);
    return true;
}

void TfmImageProp::ShowImageSize(const char *szFile)
{
    PictraUtil *pUtil = PictraUtil::Get();
    int size[2] = {0, 0};
    if (!pUtil || !pUtil->GetImageSize(szFile, size))
        return;
    fields::SetInt(GetHandle(), IDC_PROP_WIDTH, size[0]);
    fields::SetInt(GetHandle(), IDC_PROP_HEIGHT, size[1]);
}

void TfmImageProp::OnControl(int nId, int nNotifyCode)
{
    if (nId == IDC_PROP_BROWSE && nNotifyCode == BN_CLICKED)
        btnBrowseClick();
    else if (nId == IDC_PROP_FILE && nNotifyCode == EN_KILLFOCUS && IsExitToSibling())
        edtFileExit();
}

void TfmImageProp::btnBrowseClick()
{
    prompts::FileDialog dialog(GetHandle(),
                               "Image Files (*.jpg, *.bmp, *.gif, *.png, *.tiff)|"
                               "*.jpg;*.bmp;*.gif;*.png;*.tiff|All Files(*.*)|*.*",
                               nullptr, "Open Image File");
    if (!dialog.RunOpen())
        return;
    fields::SetText(GetHandle(), IDC_PROP_FILE, dialog.GetPath());
    ShowImageSize(dialog.GetPath());
}

void TfmImageProp::edtFileExit()
{
    char szFile[AD_PATH_SIZE];
    fields::GetText(GetHandle(), IDC_PROP_FILE, szFile, sizeof(szFile));
    ShowImageSize(szFile);
}
