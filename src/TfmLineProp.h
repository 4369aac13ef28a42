#pragma once
#include "dialog/ObjectDialog.h"

// "AdTemplate Line Properties": a line's name, start and end points, width, style and
// colour. Its rectangle follows the two points as they are, not reordered.
class TfmLineProp : public ObjectDialog {
public:
    TfmLineProp();
    bool TransferObject(bool bToObject) override;

protected:
    void OnInitDialog() override;
};
