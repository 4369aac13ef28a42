#pragma once
#include <windows.h>
#include <stddef.h>

#include "FCObject.h"

// A raster picture kept in the byte layout of a Windows DIB, so GDI's DIB calls take its
// header and pixels as they are: rows bottom-up, each padded to a multiple of 4 bytes, a
// palette for 8 or fewer bits, three colour masks for 16 bits.
//
// An image holds pixels exactly when m_pixels is set; every failed creation leaves it empty.
class FCObjImage : public FCObjGraph {
public:
    // The most memory one image may take for its pixels and row table. Bigger pictures are
    // refused rather than risking the process on a file that merely claims a huge size.
    static const size_t kMaxPixelBytes = 256u * 1024u * 1024u;

    FCObjImage();
    ~FCObjImage() override;
    FCObjImage(const FCObjImage &) = delete;
    FCObjImage &operator=(const FCObjImage &) = delete;

    // Block layout: 40-byte header, three masks, the palette (8 or fewer bits), the pixel
    // block as stored, then the position.
    int Serialize(bool bSave, BYTE *pBlock, int nBlockSize) override;

    // pHeader: BITMAPINFOHEADER fields; for a 16-bit BI_BITFIELDS description the three
    // 32-bit masks (red, green, blue) must follow the 40 header bytes.
    bool CreateFromHeader(const BITMAPINFOHEADER *pHeader);
    bool CreateBlank(int nWidth, int nHeight, int nBitCount);
    void Release();
    void CopyFrom(const FCObjImage &img);

    bool HasPixels() const { return m_pixels != nullptr; }
    int Width() const { return m_header.biWidth; }
    int Height() const { return m_header.biHeight; }
    int ColorBits() const { return m_header.biBitCount; }
    int GetStride() const { return static_cast<int>(StrideOf(m_header.biWidth, m_header.biBitCount)); }
    size_t GetPixelBytes() const { return static_cast<size_t>(GetStride()) * Height(); }
    BYTE *GetPixels() const { return m_pixels; }
    const BITMAPINFOHEADER &GetHeader() const { return m_header; }
    const DWORD *GetMasks() const { return m_masks; }
    // Number of palette entries: 2^bits for 8 or fewer bits, else 0.
    int PaletteCount() const;

    // Address of pixel (x, y), y counted from the top. Callers keep x and y inside the image.
    BYTE *PixelAt(int x, int y) const;

    // A new BITMAPINFO for GDI calls: the header, then the palette or the masks.
    // The caller frees it with free(); null when memory is short or the image is empty.
    BITMAPINFO *MakeBitmapInfo() const;

    bool GetPalette(int nFirst, int nCount, RGBQUAD *pEntries) const;
    bool SetPalette(int nFirst, int nCount, const RGBQUAD *pEntries);
    void SetGrayPalette();
    void CopyPaletteFrom(const FCObjImage &img);

    void SetAlphaChannel(int nValue);
    // Blends the 32-bit image src (rectangle rcSrc, scaled nearest-neighbour) into rectangle
    // rcDest of this 24- or 32-bit image, each pixel's alpha scaled by nPercent.
    void BlendFrom(const FCObjImage &src, const RECT &rcDest, const RECT &rcSrc, int nPercent);

    // The reader or writer is chosen by the file name's extension.
    bool LoadFromFile(const char *fileName);
    bool SaveToFile(const char *fileName, int nParam) const;

    // Row length in bytes for a width and bit count; 64-bit so absurd sizes cannot wrap.
    static long long StrideOf(long long nWidth, int nBitCount);

private:
    void TakeOver(FCObjImage &img);

    BITMAPINFOHEADER m_header;
    BYTE *m_pixels = nullptr;
    BYTE **m_rows = nullptr;
    DWORD m_masks[3];
    RGBQUAD *m_palette = nullptr;
};
