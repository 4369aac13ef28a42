#pragma once
#include <windows.h>
#include <stddef.h>

// The forms were drawn in pixels, not dialog units. A dialog's template declares its
// controls (kind, caption, style, tab order); these put the window and the controls at their
// pixel places once the template has made them, so a dialog keeps its look whatever font
// the dialog units would derive from.
namespace layout {

// A control's place in client pixels. A width or height of 0 sizes the control to its
// caption, the way a label, check box or radio button fits its text.
struct Place {
    int nId;
    int x, y, cx, cy;
};

// Gives the window a client area of cx by cy and centres it on the desktop's work area.
void SetClientSize(HWND hWnd, int cx, int cy);

void PlaceControls(HWND hDlg, const Place *pPlaces, size_t nCount);
template <size_t N>
void PlaceControls(HWND hDlg, const Place (&places)[N])
{
    PlaceControls(hDlg, places, N);
}

// The size a control needs to show its caption on one line in its own font; check boxes
// and radio buttons add their mark and the gap before the text.
SIZE FitCaption(HWND hControl);

}  // namespace layout
