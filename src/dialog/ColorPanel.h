#pragma once
#include <windows.h>

// A colour swatch: a borderless child window that shows one colour. Dialog templates name
// its class (ColorPanelClass); the main window creates its swatches the same way.
namespace colorpanel {

extern const char *const ColorPanelClass;

// Registers the class once per program instance.
bool RegisterPanelClass(HINSTANCE hInstance);
// Creates a swatch child window.
HWND Create(HWND hParent, int nId, int x, int y, int cx, int cy);

void SetColor(HWND hPanel, COLORREF cr);
COLORREF GetColor(HWND hPanel);
inline void SetColor(HWND hDlg, int nId, COLORREF cr) { SetColor(GetDlgItem(hDlg, nId), cr); }
inline COLORREF GetColor(HWND hDlg, int nId) { return GetColor(GetDlgItem(hDlg, nId)); }

// The platform's colour dialog started at the swatch's colour; on OK the swatch takes the
// chosen colour and *pcr (when given) receives it. False when the user cancelled.
bool Pick(HWND hOwner, HWND hPanel, COLORREF *pcr = nullptr);
inline bool Pick(HWND hDlg, int nId) { return Pick(hDlg, GetDlgItem(hDlg, nId)); }

}  // namespace colorpanel
