#include "TfmWizard.h"

// Placeholder until the wizard lands.
TfmWizard::TfmWizard(AppSettings *pSettings) : DialogBase(0), m_pSettings(pSettings) {}
bool TfmWizard::CommitChoice() { return false; }
void TfmWizard::OnInitDialog() {}
void TfmWizard::OnCommand(int, int, HWND) {}
