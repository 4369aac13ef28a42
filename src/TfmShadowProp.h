#pragma once
#include "dialog/ObjectDialog.h"

// "AdTemplate Shadow Properties": a shadow's name and rectangle.
class TfmShadowProp : public ObjectDialog {
public:
    TfmShadowProp();
    bool TransferObject(bool bToObject) override;
};
