#pragma once
#include "TextFont.h"
#include "dialog/ObjectDialog.h"

class AdText;

// "AdTemplate Text Properties": a caption's name, rectangle, text, font with its colour,
// and background colour. The size follows the text's extent whenever text or font change.
class TfmTextProp : public ObjectDialog {
public:
    TfmTextProp();
    bool TransferObject(bool bToObject) override;
    // The working font's summary, "Font Info: <face> <n>px".
    void ShowFontInfo();
    // Width and height fields := the extent of the text field's text in the working font.
    void FitSizeToText();

protected:
    void OnControl(int nId, int nNotifyCode) override;

private:
    void btnFontClick();
    void edtTextExit();
    // The object's LOGFONT with the working font's members written over it.
    LOGFONTA WorkingLogFont() const;

    TextFont m_font = {};
};
