#include "dialog/ObjectDialog.h"

#include "AdTemplate/AdDrawUtil.h"
#include "AdTemplate/AdObj.h"
#include "dialog/DialogFields.h"
#include "resource.h"

bool ObjectDialog::SetObject(AdObj *pObj)
{
    FObject = pObj;
    return TransferObject(false);
}

void ObjectDialog::ShowName()
{
    fields::SetText(GetHandle(), IDC_PROP_NAME, FObject->GetName());
}

bool ObjectDialog::HasName() const
{
    return fields::GetTextLength(GetHandle(), IDC_PROP_NAME) > 0;
}

void ObjectDialog::StoreName()
{
    char szName[AD_NAME_SIZE];
    fields::GetText(GetHandle(), IDC_PROP_NAME, szName, sizeof(szName));
    FObject->SetName(szName);
}

void ObjectDialog::ShowPosition(const RECT &rc)
{
    HWND hDlg = GetHandle();
    fields::SetInt(hDlg, IDC_PROP_LEFT, rc.left);
    fields::SetInt(hDlg, IDC_PROP_TOP, rc.top);
    fields::SetInt(hDlg, IDC_PROP_WIDTH, ClampToInt((long long)rc.right - rc.left));
    fields::SetInt(hDlg, IDC_PROP_HEIGHT, ClampToInt((long long)rc.bottom - rc.top));
}

RECT ObjectDialog::ReadPosition() const
{
    HWND hDlg = GetHandle();
    RECT rc;
    rc.left = fields::GetInt(hDlg, IDC_PROP_LEFT);
    rc.top = fields::GetInt(hDlg, IDC_PROP_TOP);
    rc.right = AddClamped(rc.left, fields::GetInt(hDlg, IDC_PROP_WIDTH));
    rc.bottom = AddClamped(rc.top, fields::GetInt(hDlg, IDC_PROP_HEIGHT));
    return rc;
}
