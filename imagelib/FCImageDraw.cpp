#include "FCImageDraw.h"
#include "FCObjImage.h"

#include <stdlib.h>

namespace {

// The BITMAPINFO of one GDI call and the stretch mode it needs; both are put back as they
// were when the call is over, so the caller's DC keeps its own settings.
class DibDrawScope {
public:
    DibDrawScope(const FCObjImage &img, HDC hdc) : m_hdc(hdc), m_pInfo(img.MakeBitmapInfo())
    {
        if (m_pInfo)
            m_nOldMode = SetStretchBltMode(hdc, COLORONCOLOR);
    }
    ~DibDrawScope()
    {
        if (m_nOldMode)
            SetStretchBltMode(m_hdc, m_nOldMode);
        free(m_pInfo);
    }
    DibDrawScope(const DibDrawScope &) = delete;
    DibDrawScope &operator=(const DibDrawScope &) = delete;

    const BITMAPINFO *Info() const { return m_pInfo; }

private:
    HDC m_hdc;
    BITMAPINFO *m_pInfo;
    int m_nOldMode = 0;
};

}  // namespace

void DrawImageAt(const FCObjImage &img, HDC hdc, int x, int y)
{
    if (!img.HasPixels())
        return;
    DibDrawScope scope(img, hdc);
    if (!scope.Info())
        return;
    SetDIBitsToDevice(hdc, x, y, img.Width(), img.Height(), 0, 0, 0, img.Height(), img.GetPixels(),
                      scope.Info(), DIB_RGB_COLORS);
}

void StretchImageTo(const FCObjImage &img, HDC hdc, const RECT &rcDest, const RECT &rcSrc)
{
    if (!img.HasPixels())
        return;
    DibDrawScope scope(img, hdc);
    if (!scope.Info())
        return;
    // Image rectangles count rows from the top; the DIB's rows run bottom-up.
    StretchDIBits(hdc, rcDest.left, rcDest.top, rcDest.right - rcDest.left, rcDest.bottom - rcDest.top,
                  rcSrc.left, img.Height() - rcSrc.bottom, rcSrc.right - rcSrc.left, rcSrc.bottom - rcSrc.top,
                  img.GetPixels(), scope.Info(), DIB_RGB_COLORS, SRCCOPY);
}

bool CaptureRect(FCObjImage &img, HDC hdc, const RECT &rc)
{
    if (IsRectEmpty(&rc) || GetDeviceCaps(hdc, BITSPIXEL) < 9)
        return false;
    const long long nWidth = static_cast<long long>(rc.right) - rc.left;
    const long long nHeight = static_cast<long long>(rc.bottom) - rc.top;
    if (nWidth > 0x7FFFFFFF || nHeight > 0x7FFFFFFF)
        return false;

    HDC hMemDC = CreateCompatibleDC(hdc);
    if (!hMemDC)
        return false;
    HBITMAP hBitmap = CreateCompatibleBitmap(hdc, static_cast<int>(nWidth), static_cast<int>(nHeight));
    if (!hBitmap) {
        DeleteDC(hMemDC);
        return false;
    }
    HGDIOBJ hOld = SelectObject(hMemDC, hBitmap);
    BitBlt(hMemDC, 0, 0, static_cast<int>(nWidth), static_cast<int>(nHeight), hdc, rc.left, rc.top, SRCCOPY);
    SelectObject(hMemDC, hOld);

    BITMAP bm = {};
    if (GetObjectA(hBitmap, sizeof bm, &bm) && img.CreateBlank(bm.bmWidth, bm.bmHeight, 24)) {
        BITMAPINFO *pInfo = img.MakeBitmapInfo();
        if (!pInfo || !GetDIBits(hdc, hBitmap, 0, img.Height(), img.GetPixels(), pInfo, DIB_RGB_COLORS))
            img.Release();
        free(pInfo);
    } else {
        // A refused creation keeps the old pixels: they must not pass for the capture.
        img.Release();
    }
    DeleteObject(hBitmap);
    DeleteDC(hMemDC);
    return img.HasPixels();
}

void AlphaDrawImage(const FCObjImage &img, HDC hdc, const RECT &rc, int nPercent)
{
    if (!img.HasPixels() || img.ColorBits() != 32)
        return;
    FCObjImage look;
    if (!CaptureRect(look, hdc, rc))
        return;
    const RECT rcLook = {0, 0, look.Width(), look.Height()};
    const RECT rcImage = {0, 0, img.Width(), img.Height()};
    look.BlendFrom(img, rcLook, rcImage, nPercent);
    StretchImageTo(look, hdc, rc, rcLook);
}
