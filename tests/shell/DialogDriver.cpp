#include "DialogDriver.h"

namespace driver {

namespace {

std::vector<int> s_script;

void PostScript(DialogBase *pDialog)
{
    for (int nStep : s_script) {
        if (nStep == WM_CLOSE)
            PostMessageA(pDialog->GetHandle(), WM_CLOSE, 0, 0);
        else
            PostMessageA(pDialog->GetHandle(), WM_COMMAND, MAKEWPARAM(nStep, BN_CLICKED),
                         reinterpret_cast<LPARAM>(pDialog->Item(nStep)));
    }
    // Whatever the script leaves open, the title bar closes in the end.
    PostMessageA(pDialog->GetHandle(), WM_CLOSE, 0, 0);
}

}  // namespace

int RunScript(DialogBase &dialog, const std::vector<int> &script)
{
    s_script = script;
    DialogBase::ShownHook previous = DialogBase::SetShownHook(PostScript);
    int nResult = dialog.ShowModal();
    DialogBase::SetShownHook(previous);
    // What the script did not need stays out of the next run.
    MSG msg;
    while (dialog.GetHandle() && PeekMessageA(&msg, dialog.GetHandle(), 0, 0, PM_REMOVE)) {
    }
    return nResult;
}

}  // namespace driver
