// Start-up: the program's folders, the image library binding, the start-up timer and the
// choice between the wizard, a new template and a file.
#include "main/TfmMain.h"

#include <string>

#include "PictraUtil.h"
#include "TfmWizard.h"
#include "dialog/Prompts.h"
#include "misc/WinUtil.h"

namespace {

const UINT_PTR kStartupTimer = 1;
const UINT kStartupInterval = 200;

}  // namespace

void TfmMain::CreateFolders()
{
    static const char *const kFolders[] = {"Samples", "Samples\\images", "Output",
                                           "Output\\images", "Temp"};
    // A folder that exists or cannot be made is passed over: whatever later needs it
    // reports its own failure.
    for (const char *szFolder : kFolders)
        CreateDirectoryA((std::string(GetProgramFolder()) + szFolder).c_str(), nullptr);
}

void TfmMain::CreateImageLibraryBinding()
{
    m_pPictra = new PictraUtil;
    if (!m_pPictra->IsLoaded())
        prompts::Information(m_hWnd, "Ornamo image library initialization failed, Ornamo "
                                     "software may not work properly.");
}

void TfmMain::PostCreate(const std::string &startupTemplate)
{
    if (FStarted)
        return;
    FStarted = true;
    m_startupTemplate = startupTemplate;
    SetTimer(m_hWnd, kStartupTimer, kStartupInterval, nullptr);
}

// The window is on screen for one tick before the wizard or the first template appears.
void TfmMain::tmMainTimer()
{
    // A tick already queued when the timer went off must not run the choice again.
    if (++m_nStartupTicks != 2)
        return;
    // Off before the wizard's modal loop, so that no tick can show it twice.
    KillTimer(m_hWnd, kStartupTimer);
    RunStartupChoice();
    if (m_bCloseAfterStartup)
        PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
}

bool TfmMain::StartupAllowsClose()
{
    if (m_nStartupTicks < 2) {
        KillTimer(m_hWnd, kStartupTimer);
        return true;
    }
    m_bCloseAfterStartup = true;
    return false;
}

void TfmMain::RunStartupChoice()
{
    if (OfferRecovery())
        return;
    // A template the user double-clicked is what they came for: no wizard in front of it.
    // One that will not open has been reported; a new template takes its place.
    if (!m_startupTemplate.empty()) {
        if (!OpenTemplate(m_startupTemplate.c_str()))
            NewTemplate();
        return;
    }
    if (!FSettings.Startup) {
        NewTemplate();
        return;
    }
    int nChoice = TfmWizard::CHOICE_NONE;
    std::string file;
    {
        TfmWizard wizard(&FSettings);
        if (wizard.Create(m_hWnd) && wizard.ShowModal() == IDOK) {
            nChoice = wizard.GetChoice();
            file = wizard.GetFileName();
        }
    }
    // A wizard file that will not open leaves a new template, never the empty start state.
    if (nChoice == TfmWizard::CHOICE_OPEN && OpenTemplate(file.c_str()))
        return;
    NewTemplate();
}
