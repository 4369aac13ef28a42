#include "FCImageHandle_Gdiplus.h"
#include "FCGdiplusFlat.h"
#include "FCImageHandleFactory.h"
#include "FCMemoryStream.h"
#include "FCObjImage.h"

#include <new>
#include <stdlib.h>
#include <string.h>

namespace {

struct FrameFormat {
    PixelFormat format;
    int nBits;
    DWORD dwCompression;
    DWORD masks[3];
};

const FrameFormat kFrameFormats[] = {
    {PixelFormat16bppRGB555, 16, BI_BITFIELDS, {0x7C00, 0x03E0, 0x001F}},
    // The alpha bit is dropped: it sits above the 5-5-5 masks.
    {PixelFormat16bppARGB1555, 16, BI_BITFIELDS, {0x7C00, 0x03E0, 0x001F}},
    {PixelFormat16bppRGB565, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F}},
    {PixelFormat24bppRGB, 24, BI_RGB, {}},
    {PixelFormat32bppRGB, 32, BI_RGB, {}},
    {PixelFormat32bppARGB, 32, BI_RGB, {}},
    {PixelFormat32bppPARGB, 32, BI_RGB, {}},
    {PixelFormat1bppIndexed, 1, BI_RGB, {}},
    {PixelFormat4bppIndexed, 4, BI_RGB, {}},
    {PixelFormat8bppIndexed, 8, BI_RGB, {}},
};

const FrameFormat *FindFrameFormat(PixelFormat format)
{
    for (const FrameFormat &entry : kFrameFormats) {
        if (entry.format == format)
            return &entry;
    }
    return nullptr;
}

// A wide copy of an ANSI name in the system code page; null when it cannot be made.
WCHAR *WidenName(const char *fileName)
{
    if (!fileName)
        return nullptr;
    const int nChars = MultiByteToWideChar(CP_ACP, 0, fileName, -1, nullptr, 0);
    if (nChars <= 0)
        return nullptr;
    WCHAR *pWide = new (std::nothrow) WCHAR[nChars];
    if (pWide && MultiByteToWideChar(CP_ACP, 0, fileName, -1, pWide, nChars) != nChars) {
        delete[] pWide;
        pWide = nullptr;
    }
    return pWide;
}

bool CopyPalette(GpImage *pBitmap, FCObjImage &frame)
{
    INT nBytes = 0;
    if (GdipGetImagePaletteSize(pBitmap, &nBytes) != Gdiplus::Ok || nBytes < static_cast<INT>(sizeof(Gdiplus::ColorPalette)))
        return true;  // no palette: the grey ramp stays
    Gdiplus::ColorPalette *pPalette = static_cast<Gdiplus::ColorPalette *>(malloc(nBytes));
    if (!pPalette)
        return false;
    if (GdipGetImagePalette(pBitmap, pPalette, nBytes) == Gdiplus::Ok) {
        // Never trust the count beyond the block that holds the entries.
        const size_t nRoom = (nBytes - offsetof(Gdiplus::ColorPalette, Entries)) / sizeof(Gdiplus::ARGB);
        const int nCount = pPalette->Count < nRoom ? static_cast<int>(pPalette->Count) : static_cast<int>(nRoom);
        // ARGB values lie in memory as blue, green, red, alpha: the layout of RGBQUAD.
        frame.SetPalette(0, nCount, reinterpret_cast<const RGBQUAD *>(pPalette->Entries));
    }
    free(pPalette);
    return true;
}

bool CopyPixels(GpBitmap *pBitmap, FCObjImage &frame, PixelFormat format)
{
    Gdiplus::GpRect rc(0, 0, frame.Width(), frame.Height());
    Gdiplus::BitmapData data = {};
    if (GdipBitmapLockBits(pBitmap, &rc, Gdiplus::ImageLockModeRead, format, &data) != Gdiplus::Ok)
        return false;
    const long long nSrcRow = data.Stride < 0 ? -static_cast<long long>(data.Stride) : data.Stride;
    const size_t nCopy = static_cast<size_t>(nSrcRow < frame.GetStride() ? nSrcRow : frame.GetStride());
    const BYTE *pScan = static_cast<const BYTE *>(data.Scan0);
    for (int y = 0; y < frame.Height(); y++)
        memcpy(frame.PixelAt(0, y), pScan + static_cast<long long>(data.Stride) * y, nCopy);
    GdipBitmapUnlockBits(pBitmap, &data);
    return true;
}

// Turns a decoded GDI+ bitmap into a new frame; null when its format is refused.
FCObjImage *MakeFrame(GpBitmap *pBitmap)
{
    UINT nWidth = 0, nHeight = 0;
    PixelFormat format = 0;
    if (GdipGetImageWidth(pBitmap, &nWidth) != Gdiplus::Ok || GdipGetImageHeight(pBitmap, &nHeight) != Gdiplus::Ok ||
        GdipGetImagePixelFormat(pBitmap, &format) != Gdiplus::Ok || nWidth > 0x7FFFFFFF || nHeight > 0x7FFFFFFF)
        return nullptr;
    const FrameFormat *pFormat = FindFrameFormat(format);
    if (!pFormat)
        return nullptr;

    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } description = {};
    description.header.biSize = sizeof description.header;
    description.header.biWidth = static_cast<LONG>(nWidth);
    description.header.biHeight = static_cast<LONG>(nHeight);
    description.header.biPlanes = 1;
    description.header.biBitCount = static_cast<WORD>(pFormat->nBits);
    description.header.biCompression = pFormat->dwCompression;
    memcpy(description.masks, pFormat->masks, sizeof description.masks);

    FCObjImage *pFrame = new (std::nothrow) FCObjImage;
    if (!pFrame || !pFrame->CreateFromHeader(&description.header) ||
        (pFormat->nBits <= 8 && !CopyPalette(pBitmap, *pFrame)) || !CopyPixels(pBitmap, *pFrame, format)) {
        delete pFrame;
        return nullptr;
    }
    if (format == PixelFormat32bppRGB)
        pFrame->SetAlphaChannel(255);
    return pFrame;
}

const char *MimeTypeOf(IMAGE_TYPE type)
{
    switch (type) {
    case PIC_BMP: return "image/bmp";
    case PIC_JPG: return "image/jpeg";
    case PIC_GIF: return "image/gif";
    case PIC_TIF: return "image/tiff";
    case PIC_PNG: return "image/png";
    default: return nullptr;
    }
}

// The class identifier of the first encoder whose MIME type matches exactly; all zero when
// none does, which makes the save fail.
CLSID FindEncoder(const char *szMime)
{
    CLSID clsid = {};
    UINT nCount = 0, nBytes = 0;
    if (GdipGetImageEncodersSize(&nCount, &nBytes) != Gdiplus::Ok || nBytes == 0)
        return clsid;
    Gdiplus::ImageCodecInfo *pCodecs = static_cast<Gdiplus::ImageCodecInfo *>(malloc(nBytes));
    if (pCodecs && GdipGetImageEncoders(nCount, nBytes, pCodecs) == Gdiplus::Ok) {
        WCHAR szWide[32] = {};
        MultiByteToWideChar(CP_ACP, 0, szMime, -1, szWide, 31);
        for (UINT i = 0; i < nCount; i++) {
            if (pCodecs[i].MimeType && wcscmp(pCodecs[i].MimeType, szWide) == 0) {
                clsid = pCodecs[i].Clsid;
                break;
            }
        }
    }
    free(pCodecs);
    return clsid;
}

}  // namespace

FCImageHandle_Gdiplus::FCImageHandle_Gdiplus()
{
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&m_nToken, &input, nullptr) != Gdiplus::Ok)
        m_nToken = 0;
}

FCImageHandle_Gdiplus::~FCImageHandle_Gdiplus()
{
    // Frames first: nothing of GDI+ may outlive its shutdown.
    PCL_DeleteAll();
    if (m_nToken)
        Gdiplus::GdiplusShutdown(m_nToken);
}

bool FCImageHandle_Gdiplus::LoadFromFile(const char *fileName)
{
    WCHAR *pWide = WidenName(fileName);
    if (!pWide)
        return false;
    GpBitmap *pBitmap = nullptr;
    const GpStatus status = GdipCreateBitmapFromFile(pWide, &pBitmap);
    delete[] pWide;
    FCObjImage *pFrame = (status == Gdiplus::Ok && pBitmap) ? MakeFrame(pBitmap) : nullptr;
    // Dispose before anything else: the file stays locked while the bitmap lives.
    if (pBitmap)
        GdipDisposeImage(pBitmap);
    return PCL_PushObject(pFrame);
}

bool FCImageHandle_Gdiplus::LoadFromMemory(const BYTE *pData, int nSize)
{
    IStream *pStream = CreateMemoryStreamCopy(pData, nSize);
    if (!pStream)
        return false;
    GpBitmap *pBitmap = nullptr;
    const GpStatus status = GdipCreateBitmapFromStream(pStream, &pBitmap);
    FCObjImage *pFrame = (status == Gdiplus::Ok && pBitmap) ? MakeFrame(pBitmap) : nullptr;
    if (pBitmap)
        GdipDisposeImage(pBitmap);
    pStream->Release();
    return PCL_PushObject(pFrame);
}

bool FCImageHandle_Gdiplus::SaveToFile(const char *fileName, int nParam)
{
    const FCObjImage *pImage = ImageToWrite();
    FCImageHandleFactory *pFactory = GetHandleFactory();
    if (!pImage || !pFactory)
        return false;
    const IMAGE_TYPE type = pFactory->QueryFileType(fileName);
    const char *szMime = MimeTypeOf(type);
    if (!szMime)
        return false;
    const CLSID clsid = FindEncoder(szMime);

    BITMAPINFO *pInfo = pImage->MakeBitmapInfo();
    WCHAR *pWide = WidenName(fileName);
    GpBitmap *pBitmap = nullptr;
    bool bOk = false;
    if (pInfo && pWide && GdipCreateBitmapFromGdiDib(pInfo, pImage->GetPixels(), &pBitmap) == Gdiplus::Ok) {
        GpBitmap *pSave = pBitmap;
        GpBitmap *pIndexed = nullptr;
        // Some GIF encoders write a broken file from a deep bitmap and still report success;
        // an 8-bit copy is written correctly everywhere.
        if (type == PIC_GIF && pImage->ColorBits() > 8 &&
            GdipCloneBitmapAreaI(0, 0, pImage->Width(), pImage->Height(), PixelFormat8bppIndexed, pBitmap,
                                 &pIndexed) == Gdiplus::Ok)
            pSave = pIndexed;

        ULONG nQuality = static_cast<ULONG>(nParam < 0 ? 0 : (nParam > 100 ? 100 : nParam));
        Gdiplus::EncoderParameters params = {};
        params.Count = 1;
        params.Parameter[0].Guid = Gdiplus::EncoderQuality;
        params.Parameter[0].NumberOfValues = 1;
        params.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
        params.Parameter[0].Value = &nQuality;
        bOk = GdipSaveImageToFile(pSave, pWide, &clsid, type == PIC_JPG ? &params : nullptr) == Gdiplus::Ok;
        if (pIndexed)
            GdipDisposeImage(pIndexed);
        GdipDisposeImage(pBitmap);
    }
    delete[] pWide;
    free(pInfo);
    return bOk;
}
