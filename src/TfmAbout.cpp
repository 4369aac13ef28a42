#include "TfmAbout.h"

// Placeholder until the about box lands.
TfmAbout::TfmAbout() : DialogBase(0) {}
void TfmAbout::OnInitDialog() {}
void TfmAbout::OnCommand(int, int, HWND) {}
