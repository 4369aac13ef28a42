// Saving a sample picture: the drawing averaged down to the picture's size, then encoded.
#include "ArtCanvas.h"

#include <cstring>
#include <vector>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace art {

namespace {

// One channel of a picture pixel: the average of its block of the 24-bit drawing.
BYTE BlockAverage(const BitmapData &drawing, int x, int y, int nChannel)
{
    int nSum = 0;
    for (int dy = 0; dy < kDrawingScale; ++dy) {
        const BYTE *pRow =
            static_cast<const BYTE *>(drawing.Scan0) + (y * kDrawingScale + dy) * drawing.Stride;
        for (int dx = 0; dx < kDrawingScale; ++dx)
            nSum += pRow[(x * kDrawingScale + dx) * 3 + nChannel];
    }
    const int nCount = kDrawingScale * kDrawingScale;
    return BYTE((nSum + nCount / 2) / nCount);
}

bool FindEncoder(const wchar_t *szMimeType, CLSID *pClsid)
{
    UINT nCount = 0, nSize = 0;
    if (GdipGetImageEncodersSize(&nCount, &nSize) != Ok || nSize == 0)
        return false;
    std::vector<BYTE> buffer(nSize);
    auto *pCodecs = reinterpret_cast<ImageCodecInfo *>(buffer.data());
    if (GdipGetImageEncoders(nCount, nSize, pCodecs) != Ok)
        return false;
    for (UINT i = 0; i < nCount; ++i) {
        if (pCodecs[i].MimeType && wcscmp(pCodecs[i].MimeType, szMimeType) == 0) {
            *pClsid = pCodecs[i].Clsid;
            return true;
        }
    }
    return false;
}

bool EndsWith(const std::string &text, const char *szTail)
{
    const size_t n = strlen(szTail);
    return text.size() >= n && _stricmp(text.c_str() + text.size() - n, szTail) == 0;
}

}  // namespace

GpBitmap *ArtCanvas::Reduce()
{
    GdipFlush(m_pGraphics, FlushIntentionSync);
    GpBitmap *pSmall = nullptr;
    if (GdipCreateBitmapFromScan0(m_nWidth, m_nHeight, 0, PixelFormat24bppRGB, nullptr,
                                  &pSmall) != Ok)
        return nullptr;
    const GpRect rcBig = {0, 0, m_nWidth * kDrawingScale, m_nHeight * kDrawingScale};
    const GpRect rcSmall = {0, 0, m_nWidth, m_nHeight};
    BitmapData big = {}, small = {};
    bool bDone = false;
    if (GdipBitmapLockBits(m_pBitmap, &rcBig, ImageLockModeRead, PixelFormat24bppRGB, &big) ==
        Ok) {
        if (GdipBitmapLockBits(pSmall, &rcSmall, ImageLockModeWrite, PixelFormat24bppRGB,
                               &small) == Ok) {
            for (int y = 0; y < m_nHeight; ++y) {
                BYTE *pOut = static_cast<BYTE *>(small.Scan0) + y * small.Stride;
                for (int n = 0; n < m_nWidth * 3; ++n)
                    pOut[n] = BlockAverage(big, n / 3, y, n % 3);
            }
            GdipBitmapUnlockBits(pSmall, &small);
            bDone = true;
        }
        GdipBitmapUnlockBits(m_pBitmap, &big);
    }
    if (!bDone) {
        GdipDisposeImage(pSmall);
        return nullptr;
    }
    return pSmall;
}

bool ArtCanvas::Save(const std::string &path)
{
    if (!m_pGraphics) {
        m_error = "no bitmap could be made";
        return false;
    }
    const wchar_t *szMime = EndsWith(path, ".png")   ? L"image/png"
                            : EndsWith(path, ".jpg") ? L"image/jpeg"
                                                     : nullptr;
    CLSID clsid;
    if (!szMime || !FindEncoder(szMime, &clsid)) {
        m_error = "no encoder for " + path;
        return false;
    }
    wchar_t szPath[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, szPath, MAX_PATH)) {
        m_error = "path too long: " + path;
        return false;
    }
    GpBitmap *pPicture = Reduce();
    if (!pPicture) {
        m_error = "no bitmap of the picture's size could be made";
        return false;
    }
    const bool bSaved = GdipSaveImageToFile(pPicture, szPath, &clsid, nullptr) == Ok;
    GdipDisposeImage(pPicture);
    if (!bSaved)
        m_error = "GDI+ could not write " + path;
    return bSaved;
}

}  // namespace art
