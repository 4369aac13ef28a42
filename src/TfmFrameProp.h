#pragma once
#include "dialog/ObjectDialog.h"

// "AdTemplate Frame Properties": a frame's name, rectangle, round corner, border style,
// width and colour, and fill colour. The caller rebuilds the frame's pen and brush after
// an OK, so a new frame makes them only when it is first drawn.
class TfmFrameProp : public ObjectDialog {
public:
    TfmFrameProp();
    bool TransferObject(bool bToObject) override;

protected:
    void OnInitDialog() override;
    void OnControl(int nId, int nNotifyCode) override;

private:
    // The round-corner number is editable exactly while its box is checked.
    void cbRoundCornerClick();
};
