#include "misc/WinUtil.h"
#include <shellapi.h>
#include <string.h>

const char *GetProgramFolder()
{
    static char szFolder[MAX_PATH + 1];
    if (!szFolder[0]) {
        char szModule[MAX_PATH + 1] = {};
        DWORD nLength = GetModuleFileNameA(nullptr, szModule, MAX_PATH);
        // A path cut by the buffer has no trustworthy folder part.
        if (nLength == 0 || nLength >= MAX_PATH)
            szModule[0] = 0;
        char *pSlash = strrchr(szModule, '\\');
        char *pForward = strrchr(szModule, '/');
        if (pForward && (!pSlash || pForward > pSlash))
            pSlash = pForward;
        if (pSlash)
            pSlash[1] = 0;
        else
            strcpy(szModule, ".\\");
        CopyText(szFolder, szModule);
    }
    return szFolder;
}

static bool AllDigits(const char *szText, size_t nLength)
{
    for (size_t i = 0; i < nLength; i++) {
        if (szText[i] < '0' || szText[i] > '9')
            return false;
    }
    return true;
}

bool IsValidPubID(const char *szText)
{
    return szText && strlen(szText) == 20 && strncmp(szText, "pub-", 4) == 0 &&
           AllDigits(szText + 4, 16);
}

bool IsValidChannelID(const char *szText)
{
    if (!szText)
        return false;
    size_t nLength = strlen(szText);
    return nLength == 0 || (nLength == 11 && AllDigits(szText, 11));
}

void GetFileBaseName(const char *szPath, char *szName, size_t nCapacity)
{
    if (!szName || nCapacity == 0)
        return;
    if (!szPath)
        szPath = "";
    const char *pStart = szPath;
    for (const char *p = szPath; *p; p++) {
        if (*p == '\\' || *p == '/' || *p == ':')
            pStart = p + 1;
    }
    const char *pDot = strrchr(pStart, '.');
    size_t nLength = pDot ? (size_t)(pDot - pStart) : strlen(pStart);
    if (nLength >= nCapacity)
        nLength = nCapacity - 1;
    memcpy(szName, pStart, nLength);
    szName[nLength] = 0;
}

static ShellExecuteFn s_pfnShellExecute = ShellExecuteA;

ShellExecuteFn SetShellExecuteFunction(ShellExecuteFn pfn)
{
    ShellExecuteFn pfnOld = s_pfnShellExecute;
    s_pfnShellExecute = pfn ? pfn : ShellExecuteA;
    return pfnOld;
}

bool ShellOpen(const char *szTarget)
{
    if (!szTarget || !szTarget[0])
        return false;
    s_pfnShellExecute(nullptr, "open", szTarget, "", "", SW_SHOW);
    return true;
}

void CopyText(char *szDest, size_t nCapacity, const char *szSrc)
{
    if (!szDest || nCapacity == 0)
        return;
    size_t nLength = szSrc ? strnlen(szSrc, nCapacity - 1) : 0;
    if (nLength)
        memmove(szDest, szSrc, nLength);
    szDest[nLength] = 0;
}
