#pragma once
#include <windows.h>

// The drop-down list of line styles that the line and frame dialogs share. An object's
// style code is the list position plus one (1 Solid Line ... 5 Dash Dot Dot Line).
namespace linestyle {

// Fills the list with the five styles in code order.
void Fill(HWND hDlg, int nListId);
// Selects the style of a code; a code outside 1..5 leaves nothing selected.
void Select(HWND hDlg, int nListId, int nCode);
// The selected style's code, 0 when nothing is selected.
int SelectedCode(HWND hDlg, int nListId);

}  // namespace linestyle
