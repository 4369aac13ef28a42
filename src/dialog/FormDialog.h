#pragma once
#include <vector>

#include "dialog/DialogBase.h"

// A dialog that edits one thing through one transfer function: the property dialogs and
// the export dialog. Each declares its controls in a table; this class applies the table
// (integer fields, text limits, colour buttons) and runs OK and Cancel, so that no
// dialog repeats those handlers.
class FormDialog : public DialogBase {
public:
    struct IntField {
        int nId;
        int nMin;
        int nMax;  // no range when equal to nMin
    };
    struct TextLimit {
        int nId;
        int nMaxChars;
    };
    // A "Modify" button and the swatch whose colour it picks.
    struct ColorButton {
        int nButtonId;
        int nPanelId;
    };
    struct ControlTable {
        std::vector<IntField> intFields;
        std::vector<TextLimit> textLimits;
        std::vector<ColorButton> colorButtons;
    };

protected:
    FormDialog(int nTemplateId, const ControlTable &controls);

    // false: what is edited to the controls; true: check the controls and store them,
    // answering false (after the refusal message) when a check failed.
    virtual bool Transfer(bool bToTarget) = 0;
    // Commands of the dialog's own controls (OK, Cancel and colour buttons are handled).
    virtual void OnControl(int nId, int nNotifyCode) {}

    // Stores through the transfer and closes with OK only when it succeeded.
    void btnOKClick();
    void btnCancelClick() { EndModal(IDCANCEL); }

    void OnInitDialog() override;
    void OnCommand(int nId, int nNotifyCode, HWND hControl) override;

    // True when an edit's EN_KILLFOCUS means the user moved on to another control of this
    // dialog; not when a message box, another window or the dialog's end took the focus.
    bool IsExitToSibling() const;

private:
    const ControlTable &m_controls;
};
