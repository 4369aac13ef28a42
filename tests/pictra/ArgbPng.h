#pragma once
// Writes a PNG with an alpha channel through the GDI+ flat API: the library's own writers go
// through a device-independent bitmap and never keep alpha. Shared by tests and benchmarks.
#include <string>
#include <vector>
#include <stdint.h>

#include "FCGdiplusFlat.h"

namespace pictra_fixture {

inline bool FindPngEncoder(CLSID *pClsid)
{
    UINT nCount = 0, nBytes = 0;
    if (GdipGetImageEncodersSize(&nCount, &nBytes) != Gdiplus::Ok || nBytes == 0)
        return false;
    std::vector<char> block(nBytes);
    auto *pCodecs = reinterpret_cast<Gdiplus::ImageCodecInfo *>(block.data());
    if (GdipGetImageEncoders(nCount, nBytes, pCodecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < nCount; i++) {
        if (pCodecs[i].MimeType && wcscmp(pCodecs[i].MimeType, L"image/png") == 0) {
            *pClsid = pCodecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// argb: 0xAARRGGBB values, rows from the top. Starts and stops GDI+ around the save.
inline bool SaveArgbPng(const std::string &path, int nWidth, int nHeight, const std::vector<uint32_t> &argb)
{
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return false;
    bool bOk = false;
    CLSID clsid;
    std::vector<uint32_t> pixels(argb);
    GpBitmap *pBitmap = nullptr;
    if (FindPngEncoder(&clsid) &&
        GdipCreateBitmapFromScan0(nWidth, nHeight, nWidth * 4, PixelFormat32bppARGB,
                                  reinterpret_cast<BYTE *>(pixels.data()), &pBitmap) == Gdiplus::Ok) {
        const std::wstring wide(path.begin(), path.end());
        bOk = GdipSaveImageToFile(pBitmap, wide.c_str(), &clsid, nullptr) == Gdiplus::Ok;
        GdipDisposeImage(pBitmap);
    }
    Gdiplus::GdiplusShutdown(token);
    return bOk;
}

}  // namespace pictra_fixture
