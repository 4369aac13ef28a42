#pragma once
#include <windows.h>

#include "dialog/FormDialog.h"

class AdObj;

// The property dialog of one template object. The caller creates the dialog, hands it the
// object (SetObject fills the controls), shows it, and on OK finds the object changed; on
// any other ending the object is as it was. The object is not owned.
class ObjectDialog : public FormDialog {
public:
    // Stores the object and fills the controls from it; false when given none.
    bool SetObject(AdObj *pObj);
    AdObj *GetObject() const { return FObject; }
    // false: object to controls; true: check, then store into the object (false, with the
    // dialog's message, when a check failed; the object is then untouched).
    virtual bool TransferObject(bool bToObject) = 0;
    // Whether a confirmed dialog changed the object: every dialog but the ad unit's says
    // yes without looking.
    virtual bool IsChanged() const { return true; }

protected:
    ObjectDialog(int nTemplateId, const ControlTable &controls)
        : FormDialog(nTemplateId, controls)
    {
    }
    bool Transfer(bool bToTarget) override { return TransferObject(bToTarget); }

    // The name field: filled, checked for emptiness only (blanks are a name), stored
    // verbatim.
    void ShowName();
    bool HasName() const;
    void StoreName();
    // The four position fields: left, top, width and height of a rectangle. Reading gives
    // right = left + width and bottom = top + height, held within the int range so a huge
    // width never wraps into a rectangle that ends left of its start.
    void ShowPosition(const RECT &rc);
    RECT ReadPosition() const;

    AdObj *FObject = nullptr;
};
