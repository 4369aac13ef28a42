#pragma once
#include <windows.h>

// Reads a whole file opened with sharing allowed. On success *ppData is a new[] block the
// caller deletes, and *pnSize its length (at least 1).
bool ReadWholeFile(const char *fileName, BYTE **ppData, int *pnSize);

// A file opened for binary writing (created or truncated), closed with the object.
// A failed write is remembered, so a writer can check once at the end.
class FCFileWriter {
public:
    explicit FCFileWriter(const char *fileName);
    ~FCFileWriter();
    FCFileWriter(const FCFileWriter &) = delete;
    FCFileWriter &operator=(const FCFileWriter &) = delete;

    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    void Write(const void *pData, size_t nSize);
    void WriteByte(BYTE b) { Write(&b, 1); }
    void WriteWord(WORD w);
    void WriteDword(DWORD dw);
    // True when the file was opened and every write so far went through.
    bool Succeeded() const { return IsOpen() && !m_bFailed; }

private:
    HANDLE m_hFile;
    bool m_bFailed = false;
};
