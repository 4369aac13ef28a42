#pragma once
#include <windows.h>
#include <string>
#include <vector>

#include "dialog/DialogBase.h"
#include "dialog/DialogFields.h"

// Drives a created dialog the way a person would, through its window messages.
namespace driver {

inline void Click(DialogBase &dialog, int nId)
{
    SendMessageA(dialog.GetHandle(), WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.Item(nId)));
}

// A real click on a button: the button itself checks, unchecks and notifies.
inline void Press(DialogBase &dialog, int nId)
{
    SendMessageA(dialog.Item(nId), BM_CLICK, 0, 0);
}

inline std::string Text(DialogBase &dialog, int nId)
{
    return fields::GetText(dialog.GetHandle(), nId);
}

inline void Type(DialogBase &dialog, int nId, const std::string &text)
{
    fields::SetText(dialog.GetHandle(), nId, text.c_str());
}

inline bool Checked(DialogBase &dialog, int nId)
{
    return fields::IsChecked(dialog.GetHandle(), nId);
}

inline std::string Caption(HWND hWnd)
{
    char sz[256] = {};
    GetWindowTextA(hWnd, sz, sizeof(sz));
    return sz;
}

// Runs the dialog modally while a script of clicks (or WM_CLOSE for the title bar's close
// button) waits in its queue, followed by a close so no script leaves it hanging; answers
// the modal result. Steps left over when the dialog ended are dropped.
int RunScript(DialogBase &dialog, const std::vector<int> &script);

}  // namespace driver
