#pragma once
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>

// A binary file of 4-byte little-endian integers, length-prefixed texts and byte blocks.
//
// Template files carry no record lengths, so damage shows only as a read that runs out of
// bytes or a text that would not fit its field. The first such read marks the file as failed;
// every later read then fails too, so a reader may check once at the end of a record. A failed
// write marks the file the same way, and a replacing write refuses to commit it.
class CxFile {
public:
    CxFile();
    ~CxFile();
    CxFile(const CxFile &) = delete;
    CxFile &operator=(const CxFile &) = delete;

    // szMode is "rb" or "wb". False when either text is empty or the file cannot be opened.
    bool Open(const char *szPath, const char *szMode);
    // Opens for writing a new file beside szPath; szPath itself is replaced only by a
    // successful Commit, so a failed save never destroys the previous file. False when the
    // target is read-only or a folder, or the folder does not exist or takes no new file.
    bool OpenReplacing(const char *szPath);
    // Flushes the replacing file to disk, closes it and moves it over the target. On any
    // failure the new file is deleted and the target stays as it was.
    bool Commit();
    // Closes the stream. A replacing write that was not committed is discarded.
    bool Close();

    bool IsOpen() const { return m_fp != nullptr; }
    bool IsFailed() const { return m_bFailed; }
    // Bytes between the read position and the end of the file (0 when writing or closed).
    long long GetRemaining() const;

    // Reads dwSize bytes, or fails without touching szBuf when fewer remain.
    bool ReadBuf(void *szBuf, DWORD dwSize);
    // Reads a length L, reported through pnLen when given. L above 0: reads the L bytes into
    // szBuf and terminates them; L of 0 leaves szBuf as it was. A negative L, or one that
    // leaves no room for the terminator within dwCapacity, or runs past the end of the
    // file, fails without touching szBuf.
    bool ReadString(char *szBuf, DWORD dwCapacity, int *pnLen = nullptr);
    bool ReadInt(int *piVal);
    bool ReadDword(DWORD *pdwVal);
    // Steps over dwSize bytes, failing when fewer remain.
    bool Skip(DWORD dwSize);

    bool WriteBuf(const void *szBuf, DWORD dwSize);
    // Writes the length and the bytes; a null or empty text is the length 0 alone.
    bool WriteString(const char *szText);
    // The same for a field of dwCapacity bytes: at most dwCapacity - 1 of them are written, so
    // the text always reads back into a field of that capacity.
    bool WriteString(const char *szText, DWORD dwCapacity);
    bool WriteInt(int nVal);
    bool WriteDword(DWORD dwVal);

    // Files made while reading (unpacked pictures) are remembered, so that a reader that
    // gives up on a damaged file can take them back with it.
    void NoteCreatedFile(const char *szPath);
    // Deletes them with pfnDelete when given (a caller that also keeps a record of them),
    // else with DeleteFileA.
    void DeleteCreatedFiles(void (*pfnDelete)(const char *szPath) = nullptr);
    void ForgetCreatedFiles();

private:
    bool Fail();
    bool Usable() const;
    void DiscardReplacement();

    FILE *m_fp;
    bool m_bFailed;
    long long m_nSize;          // size of a file opened for reading
    char m_szTarget[MAX_PATH];  // the file a replacing write will replace
    char m_szTemp[MAX_PATH];    // the new file of a replacing write, empty otherwise
    std::vector<std::string> m_createdFiles;
};
