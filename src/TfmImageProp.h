#pragma once
#include "dialog/ObjectDialog.h"

class Pictra;

// "AdTemplate Image Properties": a picture's name, rectangle and picture file. A newly
// named file is copied into the program's Temp folder on OK and the object refers to the
// copy from then on.
class TfmImageProp : public ObjectDialog {
public:
    TfmImageProp();
    bool TransferObject(bool bToObject) override;
    // The picture's natural size into the width and height fields; nothing when the
    // library cannot measure the file.
    void ShowImageSize(const char *szFile);

protected:
    void OnControl(int nId, int nNotifyCode) override;

private:
    void btnBrowseClick();
    void edtFileExit();
    // Copies the picture named in the file field into Temp, unless it is the object's own
    // copy already; false after the refusal message.
    bool StorePicture(Pictra *pPicture);
};
