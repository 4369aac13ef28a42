#include "FCObjImage.h"

#include <new>
#include <stdlib.h>
#include <string.h>

namespace {

const DWORD kDefaultMasks[3] = {0x7C00, 0x03E0, 0x001F};

bool IsSupportedBitCount(int nBits)
{
    return nBits == 1 || nBits == 4 || nBits == 8 || nBits == 16 || nBits == 24 || nBits == 32;
}

}  // namespace

FCObjImage::FCObjImage()
{
    memset(&m_header, 0, sizeof m_header);
    memset(m_masks, 0, sizeof m_masks);
}

FCObjImage::~FCObjImage()
{
    Release();
}

long long FCObjImage::StrideOf(long long nWidth, int nBitCount)
{
    return (nBitCount * nWidth + 31) / 32 * 4;
}

int FCObjImage::PaletteCount() const
{
    return (m_pixels && ColorBits() <= 8) ? (1 << ColorBits()) : 0;
}

void FCObjImage::Release()
{
    delete[] m_rows;
    m_rows = nullptr;
    if (m_pixels)
        VirtualFree(m_pixels, 0, MEM_RELEASE);
    m_pixels = nullptr;
    delete[] m_palette;
    m_palette = nullptr;
    memset(&m_header, 0, sizeof m_header);
    memset(m_masks, 0, sizeof m_masks);
}

bool FCObjImage::CreateFromHeader(const BITMAPINFOHEADER *pHeader)
{
    if (!pHeader || pHeader->biWidth <= 0 || pHeader->biHeight <= 0)
        return false;
    const DWORD nCompression = pHeader->biCompression;
    const int nBits = pHeader->biBitCount;
    if ((nCompression != BI_RGB && nCompression != BI_BITFIELDS) || !IsSupportedBitCount(nBits))
        return false;
    // The row table counts too: a tall, narrow picture costs more in row addresses than in pixels.
    const long long nStride = StrideOf(pHeader->biWidth, nBits);
    if (pHeader->biHeight > static_cast<long long>(kMaxPixelBytes) / (nStride + static_cast<long long>(sizeof(BYTE *))))
        return false;

    Release();
    const bool bBitfields = nBits == 16 && nCompression == BI_BITFIELDS;
    m_header.biSize = sizeof(BITMAPINFOHEADER);
    m_header.biWidth = pHeader->biWidth;
    m_header.biHeight = pHeader->biHeight;
    m_header.biPlanes = 1;
    m_header.biBitCount = static_cast<WORD>(nBits);
    m_header.biCompression = bBitfields ? BI_BITFIELDS : BI_RGB;
    m_header.biXPelsPerMeter = pHeader->biXPelsPerMeter;
    m_header.biYPelsPerMeter = pHeader->biYPelsPerMeter;
    memcpy(m_masks, bBitfields ? reinterpret_cast<const DWORD *>(pHeader + 1) : kDefaultMasks,
           sizeof m_masks);

    const int nHeight = m_header.biHeight;
    const size_t nBytes = static_cast<size_t>(nStride) * nHeight;
    // Committed pages arrive zeroed, which the readers rely on for short files.
    m_pixels = static_cast<BYTE *>(VirtualAlloc(nullptr, nBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    m_rows = new (std::nothrow) BYTE *[nHeight];
    if (nBits <= 8)
        m_palette = new (std::nothrow) RGBQUAD[1 << nBits];
    if (!m_pixels || !m_rows || (nBits <= 8 && !m_palette)) {
        Release();
        return false;
    }
    m_rows[0] = m_pixels + (nHeight - 1) * static_cast<size_t>(nStride);
    for (int y = 1; y < nHeight; y++)
        m_rows[y] = m_rows[y - 1] - nStride;
    if (nBits <= 8)
        SetGrayPalette();
    return true;
}

bool FCObjImage::CreateBlank(int nWidth, int nHeight, int nBitCount)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = nWidth;
    header.biHeight = nHeight;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(nBitCount);
    header.biCompression = BI_RGB;
    // A bit count that does not fit the 16-bit field must not wrap into a valid one.
    if (nBitCount < 0 || nBitCount > 32)
        return false;
    return CreateFromHeader(&header);
}

void FCObjImage::CopyFrom(const FCObjImage &img)
{
    if (!img.HasPixels() || &img == this)
        return;
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } description;
    description.header = img.m_header;
    memcpy(description.masks, img.m_masks, sizeof description.masks);
    if (!CreateFromHeader(&description.header))
        return;
    memcpy(m_pixels, img.m_pixels, GetPixelBytes());
    if (ColorBits() <= 8)
        memcpy(m_palette, img.m_palette, sizeof(RGBQUAD) * PaletteCount());
    m_x = img.m_x;
    m_y = img.m_y;
}

void FCObjImage::TakeOver(FCObjImage &img)
{
    Release();
    m_header = img.m_header;
    memcpy(m_masks, img.m_masks, sizeof m_masks);
    m_pixels = img.m_pixels;
    m_rows = img.m_rows;
    m_palette = img.m_palette;
    m_x = img.m_x;
    m_y = img.m_y;
    img.m_pixels = nullptr;
    img.m_rows = nullptr;
    img.m_palette = nullptr;
    img.Release();
}

BYTE *FCObjImage::PixelAt(int x, int y) const
{
    switch (ColorBits()) {
    case 32:
        return m_rows[y] + x * 4;
    case 8:
        return m_rows[y] + x;
    default:
        return m_rows[y] + x * ColorBits() / 8;
    }
}

BITMAPINFO *FCObjImage::MakeBitmapInfo() const
{
    if (!HasPixels())
        return nullptr;
    const size_t nTail = ColorBits() <= 8 ? sizeof(RGBQUAD) * PaletteCount() : sizeof m_masks;
    BYTE *pBlock = static_cast<BYTE *>(malloc(sizeof m_header + nTail));
    if (!pBlock)
        return nullptr;
    memcpy(pBlock, &m_header, sizeof m_header);
    memcpy(pBlock + sizeof m_header, ColorBits() <= 8 ? static_cast<const void *>(m_palette) : m_masks, nTail);
    return reinterpret_cast<BITMAPINFO *>(pBlock);
}

bool FCObjImage::GetPalette(int nFirst, int nCount, RGBQUAD *pEntries) const
{
    if (!HasPixels() || ColorBits() > 8 || nFirst < 0 || !pEntries)
        return false;
    const long long nEnd = static_cast<long long>(nFirst) + nCount;
    for (long long i = nFirst; i < nEnd && i < PaletteCount(); i++)
        pEntries[i - nFirst] = m_palette[i];
    return true;
}

bool FCObjImage::SetPalette(int nFirst, int nCount, const RGBQUAD *pEntries)
{
    if (!HasPixels() || ColorBits() > 8 || nFirst < 0 || !pEntries)
        return false;
    const long long nEnd = static_cast<long long>(nFirst) + nCount;
    for (long long i = nFirst; i < nEnd && i < PaletteCount(); i++)
        m_palette[i] = pEntries[i - nFirst];
    return true;
}

void FCObjImage::SetGrayPalette()
{
    const int nCount = PaletteCount();
    if (!nCount)
        return;
    const int nStep = 255 / (nCount - 1);
    for (int i = 0; i < nCount; i++) {
        const BYTE v = static_cast<BYTE>(i * nStep);
        m_palette[i].rgbBlue = v;
        m_palette[i].rgbGreen = v;
        m_palette[i].rgbRed = v;
        m_palette[i].rgbReserved = 0;
    }
}

void FCObjImage::CopyPaletteFrom(const FCObjImage &img)
{
    if (!HasPixels() || !img.HasPixels() || ColorBits() > 8 || ColorBits() != img.ColorBits())
        return;
    memcpy(m_palette, img.m_palette, sizeof(RGBQUAD) * PaletteCount());
}

void FCObjImage::SetAlphaChannel(int nValue)
{
    if (!HasPixels() || ColorBits() != 32)
        return;
    const BYTE alpha = static_cast<BYTE>(nValue);
    for (int y = 0; y < Height(); y++) {
        BYTE *p = m_rows[y] + 3;
        for (int x = 0; x < Width(); x++, p += 4)
            *p = alpha;
    }
}

int FCObjImage::Serialize(bool bSave, BYTE *pBlock, int nBlockSize)
{
    const size_t nFixed = sizeof(BITMAPINFOHEADER) + sizeof m_masks;
    if (bSave) {
        if (!HasPixels())
            return 0;
        const size_t nPalette = sizeof(RGBQUAD) * PaletteCount();
        const size_t nTotal = nFixed + nPalette + GetPixelBytes() + 2 * sizeof(int);
        if (!pBlock)
            return static_cast<int>(nTotal);
        if (nBlockSize < 0 || static_cast<size_t>(nBlockSize) < nTotal)
            return 0;
        BYTE *p = pBlock;
        memcpy(p, &m_header, sizeof m_header), p += sizeof m_header;
        memcpy(p, m_masks, sizeof m_masks), p += sizeof m_masks;
        if (nPalette)
            memcpy(p, m_palette, nPalette), p += nPalette;
        memcpy(p, m_pixels, GetPixelBytes()), p += GetPixelBytes();
        memcpy(p, &m_x, sizeof m_x), p += sizeof m_x;
        memcpy(p, &m_y, sizeof m_y);
        return static_cast<int>(nTotal);
    }

    if (!pBlock || nBlockSize < 0 || static_cast<size_t>(nBlockSize) < nFixed)
        return 0;
    // Built aside, so a block that turns out short leaves this image as it was.
    FCObjImage img;
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } description;
    memcpy(&description, pBlock, nFixed);
    if (!img.CreateFromHeader(&description.header))
        return 0;
    const size_t nPalette = sizeof(RGBQUAD) * img.PaletteCount();
    const size_t nTotal = nFixed + nPalette + img.GetPixelBytes() + 2 * sizeof(int);
    if (static_cast<size_t>(nBlockSize) < nTotal)
        return 0;
    const BYTE *p = pBlock + nFixed;
    if (nPalette)
        memcpy(img.m_palette, p, nPalette), p += nPalette;
    memcpy(img.m_pixels, p, img.GetPixelBytes()), p += img.GetPixelBytes();
    memcpy(&img.m_x, p, sizeof img.m_x), p += sizeof img.m_x;
    memcpy(&img.m_y, p, sizeof img.m_y);
    TakeOver(img);
    return static_cast<int>(nTotal);
}
