#include <windows.h>
#include <commctrl.h>

#include "main/CommandLine.h"
#include "main/TfmMain.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);

    // The task bar shows the window's own title, "Ornamo" until the first template.
    TfmMain mainWindow;
    HWND hWnd = mainWindow.Create(hInstance);
    if (!hWnd) {
        MessageBoxA(nullptr, "Ornamo could not create its main window.", "Ornamo",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
    ShowWindow(hWnd, SW_SHOWMAXIMIZED);
    UpdateWindow(hWnd);
    mainWindow.PostCreate(StartupTemplatePath(lpCmdLine));

    // The pages are dialogs inside the window: Tab and the mnemonics move among their
    // controls.
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (mainWindow.TranslateShortcut(&msg))
            continue;
        if (IsWindow(hWnd) && IsDialogMessageA(hWnd, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
