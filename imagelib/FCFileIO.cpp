#include "FCFileIO.h"

#include <new>

bool ReadWholeFile(const char *fileName, BYTE **ppData, int *pnSize)
{
    if (!fileName)
        return false;
    HANDLE hFile = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    bool bOk = false;
    LARGE_INTEGER size = {};
    // The readers take an int count: larger files are no pictures of ours.
    if (GetFileSizeEx(hFile, &size) && size.QuadPart >= 1 && size.QuadPart <= 0x7FFFFFFF) {
        const DWORD nSize = static_cast<DWORD>(size.QuadPart);
        BYTE *pData = new (std::nothrow) BYTE[nSize];
        DWORD nRead = 0;
        if (pData && ReadFile(hFile, pData, nSize, &nRead, nullptr) && nRead == nSize) {
            *ppData = pData;
            *pnSize = static_cast<int>(nSize);
            bOk = true;
        } else {
            delete[] pData;
        }
    }
    CloseHandle(hFile);
    return bOk;
}

FCFileWriter::FCFileWriter(const char *fileName)
    : m_hFile(fileName ? CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr)
                       : INVALID_HANDLE_VALUE)
{
}

FCFileWriter::~FCFileWriter()
{
    if (IsOpen())
        CloseHandle(m_hFile);
}

void FCFileWriter::Write(const void *pData, size_t nSize)
{
    const BYTE *p = static_cast<const BYTE *>(pData);
    while (nSize && Succeeded()) {
        const DWORD nChunk = nSize > 0x40000000 ? 0x40000000 : static_cast<DWORD>(nSize);
        DWORD nWritten = 0;
        if (!WriteFile(m_hFile, p, nChunk, &nWritten, nullptr) || nWritten != nChunk)
            m_bFailed = true;
        p += nChunk;
        nSize -= nChunk;
    }
}

void FCFileWriter::WriteWord(WORD w)
{
    const BYTE b[2] = {static_cast<BYTE>(w), static_cast<BYTE>(w >> 8)};
    Write(b, 2);
}

void FCFileWriter::WriteDword(DWORD dw)
{
    const BYTE b[4] = {static_cast<BYTE>(dw), static_cast<BYTE>(dw >> 8), static_cast<BYTE>(dw >> 16),
                       static_cast<BYTE>(dw >> 24)};
    Write(b, 4);
}
