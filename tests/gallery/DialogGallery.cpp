// Shows the options dialog, the start-up wizard and the about box side by side for a few
// seconds, so tools/shoot-dialogs.sh can take their picture. Not a test: a way to look.
#include <windows.h>
#include <commctrl.h>
#include <stdlib.h>

#include "AppSettings.h"
#include "TfmAbout.h"
#include "TfmOption.h"
#include "TfmWizard.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR szCommandLine, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    const int nSeconds = szCommandLine && *szCommandLine ? atoi(szCommandLine) : 5;

    AppSettings settings;
    LoadSettings(settings, "");
    TfmOption option(&settings);
    TfmWizard wizard(&settings);
    TfmAbout about;
    const struct {
        DialogBase *dialog;
        int x, y;
    } places[] = {{&option, 20, 20}, {&about, 20, 280}, {&wizard, 480, 20}};
    for (const auto &place : places) {
        if (!place.dialog->Create(nullptr))
            return 1;
        SetWindowPos(place.dialog->GetHandle(), nullptr, place.x, place.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(place.dialog->GetHandle(), SW_SHOW);
    }

    const DWORD dwEnd = GetTickCount() + static_cast<DWORD>(nSeconds) * 1000;
    while (static_cast<int>(dwEnd - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return 0;
}
