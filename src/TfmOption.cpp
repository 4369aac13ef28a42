#include "TfmOption.h"

// Placeholder until the options dialog lands.
TfmOption::TfmOption(AppSettings *pSettings) : DialogBase(0), m_pSettings(pSettings) {}
bool TfmOption::TransferSettings(bool) { return false; }
void TfmOption::OnInitDialog() {}
void TfmOption::OnCommand(int, int, HWND) {}
void TfmOption::btnOKClick() {}
