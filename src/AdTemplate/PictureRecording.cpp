#include "AdTemplate/PictureRecording.h"

#include "PictraUtil.h"
#include "misc/GdiScope.h"

PictureRecording::PictureRecording(PictraUtil *pUtil, const char *szFile)
{
    HDC hMetaDC = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    if (!hMetaDC)
        return;
    const bool bDrawn = pUtil->DrawImageOnDC(szFile, hMetaDC, 0, 0);
    HENHMETAFILE hMeta = CloseEnhMetaFile(hMetaDC);
    ENHMETAHEADER header = {};
    if (!hMeta || !bDrawn || !GetEnhMetaFileHeader(hMeta, sizeof header, &header)) {
        if (hMeta)
            DeleteEnhMetaFile(hMeta);
        return;
    }
    // The bounds are inclusive. A picture drawn at (0, 0) covers them from there; anything
    // else (nothing drawn, or not from the corner) is not a picture we can replay as one.
    const RECTL &b = header.rclBounds;
    if (b.left != 0 || b.top != 0 || b.right < 0 || b.bottom < 0 || b.right == 0x7FFFFFFF ||
        b.bottom == 0x7FFFFFFF) {
        DeleteEnhMetaFile(hMeta);
        return;
    }
    m_hMeta = hMeta;
    m_nWidth = b.right + 1;
    m_nHeight = b.bottom + 1;
}

PictureRecording::~PictureRecording()
{
    if (m_hMeta)
        DeleteEnhMetaFile(m_hMeta);
}

bool PictureRecording::PlayAt(HDC hDC, int x, int y) const
{
    if (!m_hMeta)
        return false;
    // GDI made the metafile's frame from the inclusive bounds, and maps that frame onto an
    // inclusive rectangle: one of the same size plays the drawing at 1:1.
    const RECT rc = {x, y, x + m_nWidth - 1, y + m_nHeight - 1};
    return PlayEnhMetaFile(hDC, m_hMeta, &rc) != FALSE;
}

HBITMAP PictureRecording::MakeBitmap(HDC hLike) const
{
    if (!m_hMeta)
        return nullptr;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = m_nWidth;
    bi.bmiHeader.biHeight = -m_nHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void *pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(hLike, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap)
        return nullptr;
    gdi::MemoryDC memDC(hLike);
    bool bPlayed = false;
    if (memDC.Get()) {
        gdi::SelectScope select(memDC.Get(), hBitmap);
        bPlayed = PlayAt(memDC.Get(), 0, 0);
    }
    if (!bPlayed) {
        DeleteObject(hBitmap);
        return nullptr;
    }
    return hBitmap;
}
