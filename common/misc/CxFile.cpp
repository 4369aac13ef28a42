#include "misc/CxFile.h"

#include <cassert>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <io.h>

CxFile::CxFile()
    : m_fp(nullptr), m_bFailed(false), m_nSize(0)
{
    m_szTarget[0] = '\0';
    m_szTemp[0] = '\0';
}

CxFile::~CxFile()
{
    Close();
}

bool CxFile::Open(const char *szPath, const char *szMode)
{
    if (!szPath || !*szPath || !szMode || !*szMode)
        return false;
    Close();
    m_fp = fopen(szPath, szMode);
    if (!m_fp)
        return false;
    m_bFailed = false;
    m_nSize = 0;
    if (szMode[0] == 'r' && _fseeki64(m_fp, 0, SEEK_END) == 0) {
        m_nSize = _ftelli64(m_fp);
        if (m_nSize < 0 || _fseeki64(m_fp, 0, SEEK_SET) != 0)
            m_nSize = 0;
    }
    return true;
}

namespace {

// "atp" and four hex digits, ".tmp": what GetTempFileNameA makes of our prefix.
bool IsReplacementName(const char *szName)
{
    if (strlen(szName) != 11 || _strnicmp(szName, "atp", 3) != 0 ||
        _stricmp(szName + 7, ".tmp") != 0)
        return false;
    for (int i = 3; i < 7; i++) {
        if (!isxdigit(static_cast<unsigned char>(szName[i])))
            return false;
    }
    return true;
}

// A save cut short by a crash or a power cut leaves its new file beside the target. Those
// older than a day are ours and dead; a younger one may be another program's save under way.
void ClearStaleReplacements(const char *szFolder)
{
    char szPattern[MAX_PATH];
    if (snprintf(szPattern, sizeof(szPattern), "%satp????.tmp", szFolder) >= (int)sizeof(szPattern))
        return;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA(szPattern, &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    FILETIME ftNow;
    GetSystemTimeAsFileTime(&ftNow);
    const unsigned long long nDay = 24ULL * 60 * 60 * 10000000;
    const unsigned long long nNow = ((unsigned long long)ftNow.dwHighDateTime << 32) | ftNow.dwLowDateTime;
    do {
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !IsReplacementName(fd.cFileName))
            continue;
        const unsigned long long nWritten =
            ((unsigned long long)fd.ftLastWriteTime.dwHighDateTime << 32) | fd.ftLastWriteTime.dwLowDateTime;
        char szFile[MAX_PATH];
        if (nWritten + nDay < nNow &&
            snprintf(szFile, sizeof(szFile), "%s%s", szFolder, fd.cFileName) < (int)sizeof(szFile))
            DeleteFileA(szFile);
    } while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
}

}  // namespace

bool CxFile::OpenReplacing(const char *szPath)
{
    if (!szPath || !*szPath || strlen(szPath) >= MAX_PATH)
        return false;
    DWORD dwAttr = GetFileAttributesA(szPath);
    if (dwAttr != INVALID_FILE_ATTRIBUTES &&
        (dwAttr & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return false;

    // The new file must live in the target's own folder: only there is the final move a
    // rename on one volume rather than a copy that could fail half-way.
    char szFolder[MAX_PATH];
    strcpy(szFolder, szPath);
    char *pSep = strrchr(szFolder, '\\');
    char *pSlash = strrchr(szFolder, '/');
    if (pSlash && (!pSep || pSlash > pSep))
        pSep = pSlash;
    if (pSep)
        pSep[1] = '\0';  // keeps the separator, so "C:\x.atp" stays on the root of C:
    else
        strcpy(szFolder, ".\\");
    ClearStaleReplacements(szFolder);

    Close();
    char szTemp[MAX_PATH];
    if (!GetTempFileNameA(szFolder, "atp", 0, szTemp))
        return false;
    m_fp = fopen(szTemp, "wb");
    if (!m_fp) {
        DeleteFileA(szTemp);
        return false;
    }
    m_bFailed = false;
    m_nSize = 0;
    strcpy(m_szTarget, szPath);
    strcpy(m_szTemp, szTemp);
    return true;
}

bool CxFile::Commit()
{
    assert(m_fp && m_szTemp[0]);
    if (!m_fp || !m_szTemp[0])
        return false;
    bool bOk = !m_bFailed && fflush(m_fp) == 0;
    if (bOk) {
        HANDLE hFile = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(m_fp)));
        bOk = hFile != INVALID_HANDLE_VALUE && FlushFileBuffers(hFile);
    }
    bOk = fclose(m_fp) == 0 && bOk;
    m_fp = nullptr;
    if (bOk)
        bOk = MoveFileExA(m_szTemp, m_szTarget,
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!bOk)
        DeleteFileA(m_szTemp);
    m_szTemp[0] = '\0';
    m_szTarget[0] = '\0';
    return bOk;
}

void CxFile::DiscardReplacement()
{
    if (!m_szTemp[0])
        return;
    DeleteFileA(m_szTemp);
    m_szTemp[0] = '\0';
    m_szTarget[0] = '\0';
}

bool CxFile::Close()
{
    if (m_fp) {
        fclose(m_fp);
        m_fp = nullptr;
    }
    DiscardReplacement();
    m_nSize = 0;
    return true;
}

long long CxFile::GetRemaining() const
{
    if (!m_fp || m_nSize <= 0)
        return 0;
    long long nPos = _ftelli64(m_fp);
    return nPos < 0 || nPos > m_nSize ? 0 : m_nSize - nPos;
}

bool CxFile::Fail()
{
    m_bFailed = true;
    return false;
}

bool CxFile::Usable() const
{
    // A closed file here is a programming error of the caller, not a file condition.
    assert(m_fp);
    return m_fp && !m_bFailed;
}

bool CxFile::ReadBuf(void *szBuf, DWORD dwSize)
{
    assert(szBuf);
    if (!Usable() || !szBuf)
        return false;
    if (dwSize == 0)
        return true;
    // Checked first, so that a damaged file never leaves half a field behind.
    if (static_cast<long long>(dwSize) > GetRemaining() ||
        fread(szBuf, 1, dwSize, m_fp) != dwSize)
        return Fail();
    return true;
}

bool CxFile::ReadDword(DWORD *pdwVal)
{
    assert(pdwVal);
    unsigned char b[4];
    if (!pdwVal || !ReadBuf(b, sizeof(b)))
        return false;
    *pdwVal = DWORD(b[0]) | DWORD(b[1]) << 8 | DWORD(b[2]) << 16 | DWORD(b[3]) << 24;
    return true;
}

bool CxFile::ReadInt(int *piVal)
{
    assert(piVal);
    DWORD dw;
    if (!piVal || !ReadDword(&dw))
        return false;
    *piVal = static_cast<int>(dw);
    return true;
}

bool CxFile::ReadString(char *szBuf, DWORD dwCapacity, int *pnLen)
{
    assert(szBuf);
    int nLen;
    if (!szBuf || !ReadInt(&nLen))
        return false;
    if (pnLen)
        *pnLen = nLen;
    if (nLen == 0)
        return true;
    if (nLen < 0 || static_cast<DWORD>(nLen) >= dwCapacity)
        return Fail();
    if (!ReadBuf(szBuf, static_cast<DWORD>(nLen)))
        return false;
    szBuf[nLen] = '\0';
    return true;
}

bool CxFile::Skip(DWORD dwSize)
{
    if (!Usable())
        return false;
    if (static_cast<long long>(dwSize) > GetRemaining() ||
        _fseeki64(m_fp, dwSize, SEEK_CUR) != 0)
        return Fail();
    return true;
}

bool CxFile::WriteBuf(const void *szBuf, DWORD dwSize)
{
    assert(szBuf);
    if (!Usable() || !szBuf)
        return false;
    if (dwSize == 0)
        return true;
    if (fwrite(szBuf, 1, dwSize, m_fp) != dwSize)
        return Fail();
    return true;
}

bool CxFile::WriteDword(DWORD dwVal)
{
    const unsigned char b[4] = {
        static_cast<unsigned char>(dwVal), static_cast<unsigned char>(dwVal >> 8),
        static_cast<unsigned char>(dwVal >> 16), static_cast<unsigned char>(dwVal >> 24)};
    return WriteBuf(b, sizeof(b));
}

bool CxFile::WriteInt(int nVal)
{
    return WriteDword(static_cast<DWORD>(nVal));
}

bool CxFile::WriteString(const char *szText)
{
    return WriteString(szText, 0x80000000u);
}

bool CxFile::WriteString(const char *szText, DWORD dwCapacity)
{
    size_t nLen = szText && dwCapacity > 1 ? strnlen(szText, dwCapacity - 1) : 0;
    if (!WriteInt(static_cast<int>(nLen)))
        return false;
    return nLen == 0 || WriteBuf(szText, static_cast<DWORD>(nLen));
}

void CxFile::NoteCreatedFile(const char *szPath)
{
    if (szPath && *szPath)
        m_createdFiles.emplace_back(szPath);
}

void CxFile::DeleteCreatedFiles(void (*pfnDelete)(const char *szPath))
{
    for (const std::string &path : m_createdFiles) {
        if (pfnDelete)
            pfnDelete(path.c_str());
        else
            DeleteFileA(path.c_str());
    }
    ForgetCreatedFiles();
}

void CxFile::ForgetCreatedFiles()
{
    // Releases the memory too: between reads the file object holds nothing.
    std::vector<std::string>().swap(m_createdFiles);
}
