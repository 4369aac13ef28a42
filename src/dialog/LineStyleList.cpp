#include "dialog/LineStyleList.h"

namespace linestyle {

namespace {
const char *const kStyleNames[] = {"Solid Line", "Dash Line", "Dot Line", "Dash Dot Line",
                                   "Dash Dot Dot Line"};
const int kStyleCount = sizeof(kStyleNames) / sizeof(kStyleNames[0]);
}  // namespace

void Fill(HWND hDlg, int nListId)
{
    SendDlgItemMessageA(hDlg, nListId, CB_RESETCONTENT, 0, 0);
    for (const char *szName : kStyleNames)
        SendDlgItemMessageA(hDlg, nListId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(szName));
}

void Select(HWND hDlg, int nListId, int nCode)
{
    const int nPosition = nCode >= 1 && nCode <= kStyleCount ? nCode - 1 : -1;
    SendDlgItemMessageA(hDlg, nListId, CB_SETCURSEL, static_cast<WPARAM>(nPosition), 0);
}

int SelectedCode(HWND hDlg, int nListId)
{
    LRESULT nPosition = SendDlgItemMessageA(hDlg, nListId, CB_GETCURSEL, 0, 0);
    return nPosition >= 0 && nPosition < kStyleCount ? static_cast<int>(nPosition) + 1 : 0;
}

}  // namespace linestyle
