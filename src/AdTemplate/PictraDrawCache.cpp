#include "AdTemplate/PictraDrawCache.h"

#include "PictraUtil.h"
#include "canvas/GdiScope.h"

#include <cstring>
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

bool GetFileStamp(const char *szFile, FileStamp *pStamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(szFile, GetFileExInfoStandard, &data))
        return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    pStamp->nSize = ((ULONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    pStamp->nWriteTime =
        ((ULONGLONG)data.ftLastWriteTime.dwHighDateTime << 32) | data.ftLastWriteTime.dwLowDateTime;
    return true;
}

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
    void Clear();
    int GetCount() const { return (int)m_entries.size(); }

private:
    Entry *Find(const char *szFile);
    void Remove(size_t nIndex);
    void MakeRoom(long long nPixels);
    bool Build(PictraUtil *pUtil, const char *szFile, HDC hDC, const FileStamp &stamp, Entry *pEntry);

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

// Lets the library draw the picture once into a bitmap of its own size. The library draws
// every pixel of the picture opaque, so the copy is what a direct draw would give. False
// only when a bitmap for a drawable picture cannot be had.
bool PictureCache::Build(PictraUtil *pUtil, const char *szFile, HDC hDC, const FileStamp &stamp,
                         Entry *pEntry)
{
    pEntry->strFile = szFile;
    pEntry->stamp = stamp;
    pEntry->nWidth = pEntry->nHeight = 0;
    pEntry->hBitmap = nullptr;
    pEntry->bDirect = false;

    int size[2] = {0, 0};
    if (!pUtil->GetImageSize(szFile, size) || size[0] <= 0 || size[1] <= 0)
        return true;  // remembered as undrawable
    if ((long long)size[0] * size[1] > MAX_ENTRY_PIXELS) {
        pEntry->bDirect = true;
        return true;
    }

    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = size[0];
    bi.bmiHeader.biHeight = -size[1];
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void *pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(hDC, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap)
        return false;
    HDC hMemDC = CreateCompatibleDC(hDC);
    if (!hMemDC) {
        DeleteObject(hBitmap);
        return false;
    }
    bool bDrawn;
    {
        canvas::SelectScope select(hMemDC, hBitmap);
        bDrawn = pUtil->DrawImageOnDC(szFile, hMemDC, 0, 0);
    }
    DeleteDC(hMemDC);
    if (!bDrawn) {
        DeleteObject(hBitmap);
        return true;
    }
    pEntry->nWidth = size[0];
    pEntry->nHeight = size[1];
    pEntry->hBitmap = hBitmap;
    return true;
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
    if (!pEntry) {
        Entry fresh;
        if (!Build(pUtil, szFile, hDC, stamp, &fresh))
            return pUtil->DrawImageOnDC(szFile, hDC, x, y);
        MakeRoom((long long)fresh.nWidth * fresh.nHeight);
        m_entries.push_back(fresh);
        pEntry = &m_entries.back();
    }
    pEntry->nLastUse = ++m_nClock;
    if (pEntry->bDirect)
        return pUtil->DrawImageOnDC(szFile, hDC, x, y);
    if (!pEntry->hBitmap)
        return false;

    HDC hMemDC = CreateCompatibleDC(hDC);
    if (!hMemDC)
        return pUtil->DrawImageOnDC(szFile, hDC, x, y);
    bool bDrawn;
    {
        canvas::SelectScope select(hMemDC, pEntry->hBitmap);
        bDrawn = BitBlt(hDC, x, y, pEntry->nWidth, pEntry->nHeight, hMemDC, 0, 0, SRCCOPY) != FALSE;
    }
    DeleteDC(hMemDC);
    return bDrawn;
}

}  // namespace

bool DrawPictureFile(const char *szFile, HDC hDC, int x, int y)
{
    PictraUtil *pUtil = PictraUtil::Get();
    if (!pUtil || !hDC || !szFile || !szFile[0])
        return false;
    return TheCache().Draw(pUtil, szFile, hDC, x, y);
}

void ClearPictureCache()
{
    TheCache().Clear();
}

int GetPictureCacheCount()
{
    return TheCache().GetCount();
}
