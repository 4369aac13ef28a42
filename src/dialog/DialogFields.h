#pragma once
#include <windows.h>
#include <stddef.h>

// Thin helpers over the controls of a dialog, written once for every dialog.
namespace fields {

// A number read by the rule of the standard atol: leading white space skipped, an optional
// sign, then decimal digits up to the first other character; no digits read as 0. Unlike
// atol the result never wraps: it stops at the 32-bit limits.
int ReadLong(const char *szText);
// True when the whole text is an optional minus sign and at least one digit; *pnValue is
// then its value held within the 32-bit limits.
bool ParseWholeNumber(const char *szText, long long *pnValue);

// The whole text of a control, however long, in a buffer that lives until the next call.
const char *GetText(HWND hDlg, int nId);
// The text of a control cut to a field's capacity (which counts the terminator).
void GetText(HWND hDlg, int nId, char *szBuf, size_t nCapacity);
void SetText(HWND hDlg, int nId, const char *szText);
int GetTextLength(HWND hDlg, int nId);
// An edit's text stays at most nMaxChars long, typed or pasted.
void LimitText(HWND hDlg, int nId, int nMaxChars);

int GetInt(HWND hDlg, int nId);
void SetInt(HWND hDlg, int nId, int nValue);

bool IsChecked(HWND hDlg, int nId);
void SetChecked(HWND hDlg, int nId, bool bChecked);

// A refused entry: the "Error" box owned by the dialog, then the focus moves to the
// offending control (none when nFocusId is 0). Always answers false, so a transfer can
// end with `return Refuse(...)`.
bool Refuse(HWND hDlg, const char *szMessage, int nFocusId);

// Moves the keyboard focus the way the dialog manager does for Tab (the edit's text is
// selected).
void FocusControl(HWND hDlg, int nId);

}  // namespace fields
