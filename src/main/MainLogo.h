#pragma once
#include <windows.h>

// The program's logo, drawn in code: an emblem, the name and a line under it. Its window
// shows a hand cursor and tells its parent of a click with STN_CLICKED.
namespace mainlogo {

HWND Create(HWND hParent, int nId);
// Paints the logo into rc of any DC (the window, the about box, a test bitmap).
void Draw(HDC hDC, const RECT &rc);

}  // namespace mainlogo
