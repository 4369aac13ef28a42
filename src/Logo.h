#pragma once
#include <windows.h>

// The product logo: an ornament and the name "Ornamo", drawn with GDI alone so the program
// needs no picture file for it. The main window's top panel and the about box show the same
// picture.
const int kLogoWidth = 327;
const int kLogoHeight = 60;

// Draws the logo with its top-left corner at (x, y); the DC's state is left as it was.
void DrawLogo(HDC hDC, int x, int y);

// A child window that shows the logo with the hand cursor. A click sends its parent
// WM_COMMAND with the window's ID and STN_CLICKED, like a static control with SS_NOTIFY.
// Dialog templates name the class; a window creates one with CreateWindowExA.
extern const char *const LogoClass;
bool RegisterLogoClass(HINSTANCE hInstance);
