#include "dialog/IntEdit.h"

#include <stdio.h>

#include "dialog/DialogFields.h"

namespace intedit {

namespace {

const UINT_PTR kSubclassId = 0x4F524E49;  // "ORNI"

struct Range {
    int nMin;
    int nMax;
    HWND hSpin;
    bool HasBounds() const { return nMin != nMax; }
    long long Clamp(long long n) const
    {
        if (!HasBounds())
            return n;
        return n < nMin ? nMin : n > nMax ? nMax : n;
    }
};

// The range also hangs on a window property: MinGW's import library lacks
// GetWindowSubclass, and the spin button's notifications arrive at the dialog, not the edit.
const char kRangeProperty[] = "OrnamoIntRange";

Range *GetRange(HWND hEdit)
{
    return static_cast<Range *>(GetPropA(hEdit, kRangeProperty));
}

bool IsAcceptedChar(WPARAM ch)
{
    return (ch >= '0' && ch <= '9') || ch == '-' || (ch < 0x20 && ch != '\r');
}

void SetValue(HWND hEdit, long long nValue)
{
    char szText[24];
    snprintf(szText, sizeof(szText), "%lld", nValue);
    SetWindowTextA(hEdit, szText);
    SendMessageA(hEdit, EM_SETSEL, 0, -1);
}

void ClampOnLeave(HWND hEdit, const Range &range)
{
    char szText[64];
    GetWindowTextA(hEdit, szText, sizeof(szText));
    long long nValue = 0;
    // Too long to be a number we would keep: it is not a whole number within any range.
    if (GetWindowTextLengthA(hEdit) >= (int)sizeof(szText) - 1)
        return;
    if (fields::ParseWholeNumber(szText, &nValue) && range.Clamp(nValue) != nValue)
        SetValue(hEdit, range.Clamp(nValue));
}

LRESULT CALLBACK EditProc(HWND hEdit, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR dwData)
{
    Range *pRange = reinterpret_cast<Range *>(dwData);
    switch (uMsg) {
    case WM_CHAR:
        if (!IsAcceptedChar(wParam)) {
            MessageBeep(0);
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_DOWN) {
            Step(hEdit, wParam == VK_UP ? 1 : -1);
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        // The arrow keys are the field's own, not the dialog's focus moves.
        return DefSubclassProc(hEdit, uMsg, wParam, lParam) | DLGC_WANTARROWS;
    case WM_KILLFOCUS:
        ClampOnLeave(hEdit, *pRange);
        break;
    case WM_ENABLE:
        // A disabled field's spin button must not step it either.
        if (pRange->hSpin)
            EnableWindow(pRange->hSpin, static_cast<BOOL>(wParam));
        break;
    case WM_NCDESTROY:
        RemovePropA(hEdit, kRangeProperty);
        RemoveWindowSubclass(hEdit, EditProc, kSubclassId);
        delete pRange;
        break;
    }
    return DefSubclassProc(hEdit, uMsg, wParam, lParam);
}

}  // namespace

bool Attach(HWND hDlg, int nEditId, int nMin, int nMax)
{
    HWND hEdit = GetDlgItem(hDlg, nEditId);
    if (!hEdit || GetRange(hEdit))
        return false;
    Range *pRange = new Range{nMin, nMax, nullptr};
    if (!SetPropA(hEdit, kRangeProperty, pRange)) {
        delete pRange;
        return false;
    }
    if (!SetWindowSubclass(hEdit, EditProc, kSubclassId, reinterpret_cast<DWORD_PTR>(pRange))) {
        RemovePropA(hEdit, kRangeProperty);
        delete pRange;
        return false;
    }
    // The spin button sits inside the edit's right end, as the dialog designer drew the edit.
    HWND hSpin = CreateWindowExA(0, UPDOWN_CLASSA, "",
                                 WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT, 0, 0, 0, 0, hDlg,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    if (hSpin) {
        SendMessageA(hSpin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hEdit), 0);
        // A wide range keeps both arrows live; the field applies its own range.
        SendMessageA(hSpin, UDM_SETRANGE32, static_cast<WPARAM>(-0x7FFFFFFF), 0x7FFFFFFF);
        SetWindowPos(hSpin, hEdit, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        EnableWindow(hSpin, IsWindowEnabled(hEdit));
        pRange->hSpin = hSpin;
    }
    return true;
}

void Step(HWND hEdit, int nDelta)
{
    Range *pRange = GetRange(hEdit);
    if (!pRange)
        return;
    long long nValue = pRange->nMin;
    if (GetWindowTextLengthA(hEdit) < 64) {
        char szText[64];
        GetWindowTextA(hEdit, szText, sizeof(szText));
        if (!fields::ParseWholeNumber(szText, &nValue))
            nValue = pRange->nMin;
    }
    nValue = pRange->Clamp(nValue + nDelta);
    // Without a range the value still stays a 32-bit number.
    if (nValue > 0x7FFFFFFF)
        nValue = 0x7FFFFFFF;
    if (nValue < -0x7FFFFFFFLL - 1)
        nValue = -0x7FFFFFFFLL - 1;
    SetValue(hEdit, nValue);
}

bool HandleDeltaPos(const NMHDR *pHeader)
{
    if (!pHeader || pHeader->code != UDN_DELTAPOS)
        return false;
    HWND hEdit = reinterpret_cast<HWND>(SendMessageA(pHeader->hwndFrom, UDM_GETBUDDY, 0, 0));
    if (!hEdit || !GetRange(hEdit))
        return false;
    const NMUPDOWN *pInfo = reinterpret_cast<const NMUPDOWN *>(pHeader);
    Step(hEdit, pInfo->iDelta > 0 ? 1 : -1);
    return true;
}

}  // namespace intedit
