#pragma once
#include <windows.h>

// A one-line label that reads like a web link: blue and underlined, red while the mouse is
// over it, with the hand cursor. A click hands its address to the shell. Dialog templates
// name its class; the caption is the text shown.
namespace linklabel {

extern const char *const LinkLabelClass;

bool RegisterLinkLabelClass(HINSTANCE hInstance);

// The address a click opens; blanks around it are dropped, and an empty address makes the
// click do nothing.
void SetAddress(HWND hLabel, const char *szAddress);

bool IsHovered(HWND hLabel);

}  // namespace linklabel
