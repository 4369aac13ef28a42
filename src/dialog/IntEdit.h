#pragma once
#include <windows.h>
#include <commctrl.h>

// Integer fields: an edit of a dialog with a spin button beside it. Typed keys are filtered
// (digits, "-" and control keys but Enter pass; anything else beeps), the arrow keys and the
// spin button step by one within the range, and leaving the field brings a whole number
// back into the range. Pasted text is not filtered: the atol rule reads it when stored.
// There is no range when nMin equals nMax. ES_NUMBER is not used since it refuses "-".
namespace intedit {

// Makes the edit nEditId of hDlg such a field; false when the edit does not exist.
bool Attach(HWND hDlg, int nEditId, int nMin, int nMax);
// Steps a field by nDelta from its whole-number value (a text that is no whole number counts
// as the minimum), held within the range.
void Step(HWND hEdit, int nDelta);
// Called by the dialog for every WM_NOTIFY: answers true when it was one of our spin
// buttons, which the field then stepped itself.
bool HandleDeltaPos(const NMHDR *pHeader);

}  // namespace intedit
