// The recovery copy of a modified template, and bringing back the copy a run that ended
// abruptly left behind.
#include "main/TfmMain.h"

#include "AdTemplate/AdSenseTemplate.h"
#include "RecoveryFile.h"
#include "dialog/Prompts.h"
#include "misc/WinUtil.h"

void TfmMain::StartRecovery()
{
    m_pRecovery.reset(new RecoveryFile(GetProgramFolder()));
    SetTimer(m_hWnd, RecoveryTimerId, static_cast<UINT>(FSettings.RecoveryInterval) * 1000, nullptr);
}

// A drag in progress is left alone: the copy is taken at a tick after it.
void TfmMain::tmRecoveryTimer()
{
    if (!m_pRecovery || !FTemplate || m_bDragging)
        return;
    if (FTemplate->IsModified())
        m_pRecovery->Write(*FTemplate);
    else
        m_pRecovery->Remove();
}

void TfmMain::RemoveRecoveryCopy()
{
    if (m_pRecovery)
        m_pRecovery->Remove();
}

bool TfmMain::OfferRecovery()
{
    RecoveryFile::Orphan orphan;
    if (!m_pRecovery || !m_pRecovery->FindOrphan(&orphan))
        return false;
    const int nAnswer = prompts::MessageF(
        m_hWnd, "Confirmation", MB_YESNO | MB_ICONQUESTION,
        "Ornamo was not closed properly. Do you want to restore the template \"%s\"?",
        orphan.originalPath.c_str());
    bool bRestored = false;
    if (nAnswer == IDYES) {
        bRestored = RecoveryFile::Restore(orphan, *FTemplate);
        if (!bRestored)
            prompts::Error(m_hWnd, "Invalid Ornamo template file!");
    }
    // Restored, refused or declined, the copy has served: this run writes its own.
    RecoveryFile::Discard(orphan);
    if (!bRestored)
        return false;
    m_history.Clear();
    FillObjectList();
    RefreshViews();
    ShowAdColors();
    return true;
}
