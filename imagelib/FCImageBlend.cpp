#include "FCImageDraw.h"
#include "FCObjImage.h"

#include <new>

void BlendPixel(BYTE *pDest, const BYTE *pSrc, int nAlpha)
{
    if (nAlpha == 255) {
        pDest[0] = pSrc[0];
        pDest[1] = pSrc[1];
        pDest[2] = pSrc[2];
    } else if (nAlpha != 0) {
        for (int i = 0; i < 3; i++)
            pDest[i] = static_cast<BYTE>(pDest[i] + (pSrc[i] - pDest[i]) * nAlpha / 255);
    }
}

namespace {

// Effective alpha of one source pixel: its own alpha scaled by the opacity percentage.
inline int ScaledAlpha(const BYTE *pSrc, int nPercent)
{
    return nPercent == 100 ? pSrc[3] : nPercent * pSrc[3] / 100;
}

// The scaled path looks up each destination row and column once, so the inner loop
// holds no division. Extents are 64-bit: a destination rectangle may span the whole int range.
void MakeLookup(int *pTable, int nFrom, int nTo, long long nDestStart, long long nDestExtent,
                long long nSrcStart, long long nSrcExtent)
{
    for (int i = nFrom; i < nTo; i++)
        pTable[i - nFrom] = static_cast<int>(nSrcStart + nSrcExtent * (i - nDestStart) / nDestExtent);
}

}  // namespace

void FCObjImage::BlendFrom(const FCObjImage &src, const RECT &rcDest, const RECT &rcSrc, int nPercent)
{
    if (nPercent == 0)
        return;
    RECT rcImage = {0, 0, Width(), Height()};
    RECT rcClip;
    if (!IntersectRect(&rcClip, &rcDest, &rcImage))
        return;
    if (!HasPixels() || ColorBits() < 24 || !src.HasPixels() || src.ColorBits() != 32)
        return;
    // An empty source rectangle would have no pixel to look up.
    if (rcSrc.left < 0 || rcSrc.top < 0 || rcSrc.right > src.Width() || rcSrc.bottom > src.Height() ||
        rcSrc.left >= rcSrc.right || rcSrc.top >= rcSrc.bottom)
        return;
    if (nPercent < 0)
        nPercent = 0;
    if (nPercent > 100)
        nPercent = 100;

    const long long nDestWidth = static_cast<long long>(rcDest.right) - rcDest.left;
    const long long nDestHeight = static_cast<long long>(rcDest.bottom) - rcDest.top;
    const long long nSrcWidth = rcSrc.right - rcSrc.left;
    const long long nSrcHeight = rcSrc.bottom - rcSrc.top;
    const int nClipWidth = rcClip.right - rcClip.left;
    const int nClipHeight = rcClip.bottom - rcClip.top;
    const int nDestStep = ColorBits() / 8;

    if (nDestWidth == nSrcWidth && nDestHeight == nSrcHeight) {
        for (int y = rcClip.top; y < rcClip.bottom; y++) {
            BYTE *pDest = PixelAt(rcClip.left, y);
            const BYTE *pSrc = src.PixelAt(static_cast<int>(rcSrc.left + rcClip.left - rcDest.left),
                                           static_cast<int>(rcSrc.top + y - rcDest.top));
            for (int x = 0; x < nClipWidth; x++, pDest += nDestStep, pSrc += 4)
                BlendPixel(pDest, pSrc, ScaledAlpha(pSrc, nPercent));
        }
        return;
    }

    int *pRows = new (std::nothrow) int[nClipHeight];
    int *pColumns = new (std::nothrow) int[nClipWidth];
    if (pRows && pColumns) {
        MakeLookup(pRows, rcClip.top, rcClip.bottom, rcDest.top, nDestHeight, rcSrc.top, nSrcHeight);
        MakeLookup(pColumns, rcClip.left, rcClip.right, rcDest.left, nDestWidth, rcSrc.left, nSrcWidth);
        for (int y = 0; y < nClipHeight; y++) {
            BYTE *pDest = PixelAt(rcClip.left, rcClip.top + y);
            BYTE *pSrcRow = src.PixelAt(0, pRows[y]);
            for (int x = 0; x < nClipWidth; x++, pDest += nDestStep) {
                const BYTE *pSrc = pSrcRow + pColumns[x] * 4;
                BlendPixel(pDest, pSrc, ScaledAlpha(pSrc, nPercent));
            }
        }
    }
    delete[] pRows;
    delete[] pColumns;
}
