#include "AdTemplate/PictraDrawCache.h"

#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/Pictra.h"
#include "AdTemplate/PictureRecording.h"
#include "PictraUtil.h"
#include "misc/GdiScope.h"

#include <set>
#include <string>
#include <vector>

namespace {

// Beyond these the cache stops growing: a few screens' worth of pictures.
const size_t MAX_ENTRIES = 32;
const long long MAX_TOTAL_PIXELS = 32LL * 1024 * 1024;
// A single picture bigger than this is drawn straight from its file every time.
const long long MAX_ENTRY_PIXELS = 16LL * 1024 * 1024;

struct FileStamp {
    ULONGLONG nSize;
    ULONGLONG nWriteTime;
    bool operator==(const FileStamp &o) const { return nSize == o.nSize && nWriteTime == o.nWriteTime; }
};

ULONGLONG Join(DWORD dwHigh, DWORD dwLow)
{
    return (static_cast<ULONGLONG>(dwHigh) << 32) | dwLow;
}

bool GetFileStamp(const char *szFile, FileStamp *pStamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(szFile, GetFileExInfoStandard, &data))
        return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    pStamp->nSize = Join(data.nFileSizeHigh, data.nFileSizeLow);
    pStamp->nWriteTime = Join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
    return true;
}

// A picture file held open for reading while the library decodes it. Nobody can write it
// meanwhile, so its stamp describes exactly what was decoded. A file that cannot be held
// (another program has it open for writing, or without sharing: a virus scanner looking at a
// fresh copy) is busy, not broken.
class FileHold {
public:
    explicit FileHold(const char *szFile)
        : m_hFile(CreateFileA(szFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~FileHold()
    {
        if (m_hFile != INVALID_HANDLE_VALUE)
            CloseHandle(m_hFile);
    }
    FileHold(const FileHold &) = delete;
    FileHold &operator=(const FileHold &) = delete;

    // False when the file is not held.
    bool GetStamp(FileStamp *pStamp) const
    {
        BY_HANDLE_FILE_INFORMATION info;
        if (m_hFile == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(m_hFile, &info))
            return false;
        pStamp->nSize = Join(info.nFileSizeHigh, info.nFileSizeLow);
        pStamp->nWriteTime = Join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
        return true;
    }

private:
    HANDLE m_hFile;
};

struct Entry {
    std::string strFile;
    FileStamp stamp;
    int nWidth, nHeight;
    HBITMAP hBitmap;   // null: nothing to copy, see bDirect
    bool bDirect;      // too big to keep: drawn from its file every time; else undrawable
    unsigned nLastUse;
};

class PictureCache {
public:
    ~PictureCache() { Clear(); }

    bool Draw(PictraUtil *pUtil, const char *szFile, HDC hDC, int x, int y);
    void KeepOnly(const std::set<std::string> &files);
    void Clear();
    int GetCount() const { return (int)m_entries.size(); }

private:
    Entry *Find(const char *szFile);
    void Remove(size_t nIndex);
    void MakeRoom(long long nPixels);
    bool DrawFirstTime(PictraUtil *pUtil, const char *szFile, HDC hDC, int x, int y);
    bool DrawEntry(PictraUtil *pUtil, const Entry &entry, HDC hDC, int x, int y);

    std::vector<Entry> m_entries;
    unsigned m_nClock = 0;
};

PictureCache &TheCache()
{
    static PictureCache cache;
    return cache;
}

Entry *PictureCache::Find(const char *szFile)
{
    for (Entry &e : m_entries)
        if (e.strFile == szFile)
            return &e;
    return nullptr;
}

void PictureCache::Remove(size_t nIndex)
{
    if (m_entries[nIndex].hBitmap)
        DeleteObject(m_entries[nIndex].hBitmap);
    m_entries.erase(m_entries.begin() + nIndex);
}

void PictureCache::Clear()
{
    while (!m_entries.empty())
        Remove(m_entries.size() - 1);
}

void PictureCache::KeepOnly(const std::set<std::string> &files)
{
    for (size_t i = m_entries.size(); i-- > 0;)
        if (!files.count(m_entries[i].strFile))
            Remove(i);
}

void PictureCache::MakeRoom(long long nPixels)
{
    for (;;) {
        long long nTotal = nPixels;
        for (const Entry &e : m_entries)
            nTotal += (long long)e.nWidth * e.nHeight;
        if (m_entries.empty() || (m_entries.size() < MAX_ENTRIES && nTotal <= MAX_TOTAL_PIXELS))
            return;
        size_t nOldest = 0;
        for (size_t i = 1; i < m_entries.size(); ++i)
            if (m_entries[i].nLastUse < m_entries[nOldest].nLastUse)
                nOldest = i;
        Remove(nOldest);
    }
}

// Decodes the picture once, through a recording, and keeps what the library drew. The
// library draws every pixel of the picture opaque, so the copy is what a direct draw would
// give.
bool PictureCache::DrawFirstTime(PictraUtil *pUtil, const char *szFile, HDC hDC, int x, int y)
{
    Entry fresh = {};
    fresh.strFile = szFile;
    FileHold hold(szFile);
    if (!hold.GetStamp(&fresh.stamp))
        return false;  // busy: nothing is remembered, so the next paint tries again
    const PictureRecording recording(pUtil, szFile);
    if (recording.IsDrawn()) {
        if ((long long)recording.Width() * recording.Height() > MAX_ENTRY_PIXELS) {
            fresh.bDirect = true;
        } else {
            fresh.hBitmap = recording.MakeBitmap(hDC);
            // No memory for the copy now: drawn this once, and tried again next time.
            if (!fresh.hBitmap)
                return recording.PlayAt(hDC, x, y);
            fresh.nWidth = recording.Width();
            fresh.nHeight = recording.Height();
        }
    }
    // An undrawable file stays remembered, so that it is not decoded on every paint.
    MakeRoom((long long)fresh.nWidth * fresh.nHeight);
    fresh.nLastUse = ++m_nClock;
    m_entries.push_back(fresh);
    // Copying the new bitmap costs less than playing the recording a second time.
    if (m_entries.back().hBitmap)
        return DrawEntry(pUtil, m_entries.back(), hDC, x, y);
    return recording.PlayAt(hDC, x, y);
}

bool PictureCache::DrawEntry(PictraUtil *pUtil, const Entry &entry, HDC hDC, int x, int y)
{
    if (entry.bDirect)
        return pUtil->DrawImageOnDC(entry.strFile.c_str(), hDC, x, y);
    if (!entry.hBitmap)
        return false;
    gdi::MemoryDC memDC(hDC);
    if (!memDC.Get())
        return pUtil->DrawImageOnDC(entry.strFile.c_str(), hDC, x, y);
    gdi::SelectScope select(memDC.Get(), entry.hBitmap);
    return BitBlt(hDC, x, y, entry.nWidth, entry.nHeight, memDC.Get(), 0, 0, SRCCOPY) != FALSE;
}

bool PictureCache::Draw(PictraUtil *pUtil, const char *szFile, HDC hDC, int x, int y)
{
    FileStamp stamp;
    if (!GetFileStamp(szFile, &stamp))
        return false;
    Entry *pEntry = Find(szFile);
    if (pEntry && !(pEntry->stamp == stamp)) {
        Remove(pEntry - m_entries.data());
        pEntry = nullptr;
    }
    if (!pEntry)
        return DrawFirstTime(pUtil, szFile, hDC, x, y);
    pEntry->nLastUse = ++m_nClock;
    return DrawEntry(pUtil, *pEntry, hDC, x, y);
}

}  // namespace

bool DrawPictureFile(const char *szFile, HDC hDC, int x, int y)
{
    PictraUtil *pUtil = PictraUtil::Get();
    if (!pUtil || !hDC || !szFile || !szFile[0])
        return false;
    return TheCache().Draw(pUtil, szFile, hDC, x, y);
}

void ReleaseUnusedPictures(AdSenseTemplate *pTemplate)
{
    std::set<std::string> files;
    if (pTemplate) {
        for (AdObj *pObj = pTemplate->GetFirst(); pObj; pObj = pTemplate->GetNext())
            if (pObj->GetType() == OBJ_IMAGE)
                files.insert(static_cast<Pictra *>(pObj)->m_szFile);
    }
    TheCache().KeepOnly(files);
}

void ClearPictureCache()
{
    TheCache().Clear();
}

int GetPictureCacheCount()
{
    return TheCache().GetCount();
}
