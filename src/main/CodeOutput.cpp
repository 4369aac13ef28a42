#include "main/CodeOutput.h"

#include <string.h>

#include "misc/WinUtil.h"

namespace codeoutput {

namespace {

bool WriteAll(HANDLE hFile, const char *pData, size_t nSize)
{
    while (nSize > 0) {
        const DWORD nChunk = nSize > 0x10000000 ? 0x10000000 : static_cast<DWORD>(nSize);
        DWORD nWritten = 0;
        if (!WriteFile(hFile, pData, nChunk, &nWritten, nullptr) || nWritten != nChunk)
            return false;
        pData += nChunk;
        nSize -= nChunk;
    }
    return true;
}

}  // namespace

WriteResult WriteFileReplacing(const char *szPath, const char *pData, size_t nSize)
{
    if (!szPath || !*szPath)
        return WRITE_CANNOT_OPEN;
    char szFolder[MAX_PATH];
    CopyText(szFolder, szPath);
    char *pSlash = strrchr(szFolder, '\\');
    char *pForward = strrchr(szFolder, '/');
    if (pForward && (!pSlash || pForward > pSlash))
        pSlash = pForward;
    if (pSlash)
        pSlash[1] = '\0';
    else
        CopyText(szFolder, ".\\");

    // The new file is made in the target's own folder, so putting it in place is a rename
    // on one volume and never a copy that could stop half way.
    char szTemp[MAX_PATH];
    if (!GetTempFileNameA(szFolder, "orn", 0, szTemp))
        return WRITE_CANNOT_OPEN;
    HANDLE hFile = CreateFileA(szTemp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        DeleteFileA(szTemp);
        return WRITE_CANNOT_OPEN;
    }
    const bool bWritten = WriteAll(hFile, pData, nSize);
    const bool bClosed = CloseHandle(hFile) != FALSE;
    if (!bWritten || !bClosed) {
        DeleteFileA(szTemp);
        return WRITE_FAILED;
    }
    if (!MoveFileExA(szTemp, szPath, MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(szTemp);
        return WRITE_CANNOT_OPEN;
    }
    return WRITE_OK;
}

bool CopyToClipboard(HWND hOwner, const char *szText)
{
    if (!szText)
        szText = "";
    const size_t nBytes = strlen(szText) + 1;
    HGLOBAL hText = GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (!hText)
        return false;
    void *pText = GlobalLock(hText);
    if (!pText) {
        GlobalFree(hText);
        return false;
    }
    memcpy(pText, szText, nBytes);
    GlobalUnlock(hText);

    if (!OpenClipboard(hOwner)) {
        GlobalFree(hText);
        return false;
    }
    // Once the clipboard has taken the memory it is the clipboard's.
    const bool bSet = EmptyClipboard() && SetClipboardData(CF_TEXT, hText) != nullptr;
    if (!bSet)
        GlobalFree(hText);
    CloseClipboard();
    return bSet;
}

}  // namespace codeoutput
