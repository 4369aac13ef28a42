#include "TfmShadowProp.h"

#include "AdTemplate/AdShadow.h"
#include "dialog/DialogFields.h"
#include "resource.h"

namespace {
const FormDialog::ControlTable kControls = {
    {{IDC_PROP_LEFT, 0, 0}, {IDC_PROP_TOP, 0, 0}, {IDC_PROP_WIDTH, 0, 0}, {IDC_PROP_HEIGHT, 0, 0}},
    {{IDC_PROP_NAME, AD_NAME_SIZE - 1}},
    {}};
}  // namespace

TfmShadowProp::TfmShadowProp() : ObjectDialog(IDD_SHADOWPROP, kControls) {}

bool TfmShadowProp::TransferObject(bool bToObject)
{
    if (!FObject)
        return false;
    if (!bToObject) {
        ShowName();
        ShowPosition(*FObject->GetPos());
        return true;
    }
    if (!HasName())
        return fields::Refuse(GetHandle(), "Invalid shadow object name!", 0);
    StoreName();
    RECT rc = ReadPosition();
    FObject->SetPos(&rc);
    return true;
}
