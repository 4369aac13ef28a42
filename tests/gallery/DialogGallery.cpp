// Shows a set of the program's dialogs side by side for a few seconds, so that
// tools/shoot-dialogs.sh can take their picture. Not a test: a way to look.
//   dialog_gallery [seconds] [shell|props]
//   shell: the options dialog, the start-up wizard and the about box (the default);
//   props: the seven property dialogs, each filled from an object of its kind.
// Each dialog's place goes to standard output as "<name> <left> <top> <right> <bottom>",
// so that a picture of one dialog can be cut from the picture of all.
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <vector>

#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "AppSettings.h"
#include "TfmAbout.h"
#include "TfmExportImage.h"
#include "TfmOption.h"
#include "TfmWizard.h"
#include "dialog/ObjectDialog.h"
#include "main/EditCommands.h"

namespace {

struct Shown {
    const char *szName;
    DialogBase *pDialog;
};

// Places the dialogs left to right, starting a new row when the screen's width is used up,
// and tells where each one is.
bool ShowSideBySide(const std::vector<Shown> &dialogs)
{
    const int nScreen = GetSystemMetrics(SM_CXSCREEN);
    int x = 10, y = 10, nRowHeight = 0;
    for (const Shown &shown : dialogs) {
        HWND hDlg = shown.pDialog->GetHandle();
        if (!hDlg)
            return false;
        RECT rc;
        GetWindowRect(hDlg, &rc);
        if (x > 10 && x + (rc.right - rc.left) > nScreen) {
            x = 10;
            y += nRowHeight + 10;
            nRowHeight = 0;
        }
        SetWindowPos(hDlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(hDlg, SW_SHOW);
        printf("%s %d %d %ld %ld\n", shown.szName, x, y, x + rc.right - rc.left,
               y + rc.bottom - rc.top);
        x += rc.right - rc.left + 10;
        if (rc.bottom - rc.top > nRowHeight)
            nRowHeight = rc.bottom - rc.top;
    }
    fflush(stdout);
    // Every title bar drawn as the active window's, so that each dialog's picture looks the
    // same whichever of them has the focus.
    for (const Shown &shown : dialogs)
        SendMessageA(shown.pDialog->GetHandle(), WM_NCACTIVATE, TRUE, 0);
    return true;
}

void PumpFor(int nSeconds)
{
    const DWORD dwEnd = GetTickCount() + static_cast<DWORD>(nSeconds) * 1000;
    while (static_cast<int>(dwEnd - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

int ShowShellDialogs(int nSeconds)
{
    AppSettings settings;
    LoadSettings(settings, "");
    TfmOption option(&settings);
    TfmWizard wizard(&settings);
    TfmAbout about;
    const std::vector<Shown> dialogs = {{"options", &option}, {"about", &about}, {"wizard", &wizard}};
    for (const Shown &shown : dialogs) {
        if (!shown.pDialog->Create(nullptr))
            return 1;
    }
    if (!ShowSideBySide(dialogs))
        return 1;
    PumpFor(nSeconds);
    return 0;
}

// One object of every kind, as the insert commands place them beside the default ad unit.
AdObj *NewSample(int nType, AdSenseTemplate &tpl)
{
    const RECT rcAd = *tpl.GetAdSense()->GetPos();
    AdObj *pObj = nullptr;
    switch (nType) {
    case OBJ_ADSENSE:
        return tpl.GetAdSense();
    case OBJ_IMAGE:
        pObj = new Pictra;
        break;
    case OBJ_TEXT: {
        auto *pText = new AdText;
        pText->SetText("Sample text");
        pObj = pText;
        break;
    }
    case OBJ_LINE: {
        auto *pLine = new AdLine;
        pLine->SetStart(rcAd.left, rcAd.top - 2);
        pLine->SetEnd(rcAd.right, rcAd.top - 2);
        pObj = pLine;
        break;
    }
    case OBJ_SHADOW:
        pObj = new AdShadow;
        break;
    case OBJ_FRAME:
        pObj = new AdFrame;
        break;
    default:
        return nullptr;
    }
    const RECT rc = {rcAd.left - 2, rcAd.top - 2, rcAd.right + 2, rcAd.bottom + 2};
    if (nType != OBJ_LINE)
        pObj->SetPos(&rc);
    pObj->SetName(tpl.MakeName(nType));
    tpl.Add(pObj);
    return pObj;
}

int ShowPropertyDialogs(int nSeconds)
{
    AdSenseTemplate tpl;
    tpl.New();
    static const struct {
        int nType;
        const char *szName;
    } kKinds[] = {{OBJ_IMAGE, "image"}, {OBJ_TEXT, "text"},     {OBJ_LINE, "line"},
                  {OBJ_FRAME, "frame"}, {OBJ_SHADOW, "shadow"}, {OBJ_ADSENSE, "adunit"}};
    std::vector<std::unique_ptr<ObjectDialog>> owned;
    std::vector<Shown> dialogs;
    for (const auto &kind : kKinds) {
        owned.emplace_back(EditCommands::NewPropertyDialog(kind.nType, nullptr));
        ObjectDialog *pDialog = owned.back().get();
        if (!pDialog || !pDialog->Create(nullptr) || !pDialog->SetObject(NewSample(kind.nType, tpl)))
            return 1;
        dialogs.push_back({kind.szName, pDialog});
    }
    TfmExportImage exportDialog;
    if (!exportDialog.Create(nullptr) || !exportDialog.SetTemplate(&tpl))
        return 1;
    dialogs.push_back({"export", &exportDialog});
    if (!ShowSideBySide(dialogs))
        return 1;
    PumpFor(nSeconds);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR szCommandLine, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    const int nSeconds = szCommandLine && *szCommandLine ? atoi(szCommandLine) : 5;
    const bool bProps = szCommandLine && strstr(szCommandLine, "props");
    return bProps ? ShowPropertyDialogs(nSeconds) : ShowShellDialogs(nSeconds);
}
