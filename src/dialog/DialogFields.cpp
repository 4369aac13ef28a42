#include "dialog/DialogFields.h"

#include <limits.h>
#include <string>

#include "dialog/Prompts.h"

namespace fields {

namespace {

int Saturate(long long n)
{
    return n > INT_MAX ? INT_MAX : n < INT_MIN ? INT_MIN : static_cast<int>(n);
}

bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Accumulates digits from p, stopping the value (not the scan) at a bound beyond int.
long long ReadDigits(const char *&p)
{
    long long n = 0;
    for (; *p >= '0' && *p <= '9'; p++) {
        if (n <= (long long)INT_MAX + 1)
            n = n * 10 + (*p - '0');
    }
    return n;
}

}  // namespace

int ReadLong(const char *szText)
{
    if (!szText)
        return 0;
    const char *p = szText;
    while (IsBlank(*p))
        p++;
    bool bNegative = false;
    if (*p == '+' || *p == '-')
        bNegative = *p++ == '-';
    long long n = ReadDigits(p);
    return Saturate(bNegative ? -n : n);
}

bool ParseWholeNumber(const char *szText, long long *pnValue)
{
    if (!szText)
        return false;
    const char *p = szText;
    bool bNegative = *p == '-';
    if (bNegative)
        p++;
    const char *pDigits = p;
    long long n = ReadDigits(p);
    if (p == pDigits || *p)
        return false;
    if (pnValue)
        *pnValue = Saturate(bNegative ? -n : n);
    return true;
}

const char *GetText(HWND hDlg, int nId)
{
    static std::string s_text;
    HWND hCtl = GetDlgItem(hDlg, nId);
    int nLength = hCtl ? GetWindowTextLengthA(hCtl) : 0;
    s_text.assign(static_cast<size_t>(nLength) + 1, '\0');
    if (nLength > 0)
        GetWindowTextA(hCtl, &s_text[0], nLength + 1);
    return s_text.c_str();
}

void GetText(HWND hDlg, int nId, char *szBuf, size_t nCapacity)
{
    if (!szBuf || nCapacity == 0)
        return;
    szBuf[0] = 0;
    if (HWND hCtl = GetDlgItem(hDlg, nId))
        GetWindowTextA(hCtl, szBuf, nCapacity > INT_MAX ? INT_MAX : static_cast<int>(nCapacity));
    szBuf[nCapacity - 1] = 0;
}

void SetText(HWND hDlg, int nId, const char *szText)
{
    SetDlgItemTextA(hDlg, nId, szText ? szText : "");
}

int GetTextLength(HWND hDlg, int nId)
{
    HWND hCtl = GetDlgItem(hDlg, nId);
    return hCtl ? GetWindowTextLengthA(hCtl) : 0;
}

void LimitText(HWND hDlg, int nId, int nMaxChars)
{
    SendDlgItemMessageA(hDlg, nId, EM_SETLIMITTEXT, static_cast<WPARAM>(nMaxChars), 0);
}

int GetInt(HWND hDlg, int nId)
{
    return ReadLong(GetText(hDlg, nId));
}

void SetInt(HWND hDlg, int nId, int nValue)
{
    char szText[16];
    wsprintfA(szText, "%d", nValue);
    SetText(hDlg, nId, szText);
}

bool IsChecked(HWND hDlg, int nId)
{
    return IsDlgButtonChecked(hDlg, nId) == BST_CHECKED;
}

void SetChecked(HWND hDlg, int nId, bool bChecked)
{
    CheckDlgButton(hDlg, nId, bChecked ? BST_CHECKED : BST_UNCHECKED);
}

bool Refuse(HWND hDlg, const char *szMessage, int nFocusId)
{
    prompts::Error(hDlg, szMessage);
    if (nFocusId)
        FocusControl(hDlg, nFocusId);
    return false;
}

void FocusControl(HWND hDlg, int nId)
{
    if (HWND hCtl = GetDlgItem(hDlg, nId))
        SendMessageA(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hCtl), TRUE);
}

}  // namespace fields
