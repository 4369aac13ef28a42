#include "FCImageHandle_Tga.h"
#include "FCByteReader.h"
#include "FCFileIO.h"
#include "FCObjImage.h"

#include <new>
#include <string.h>

namespace {

const size_t kHeaderSize = 18;
const BYTE kTopDown = 0x20;
const char kIdentification[12] = {'P', 'i', 'c', 't', 'r', 'a', ' ', 'i', 'm', 'a', 'g', 'e'};

bool IsRunLengthType(BYTE type)
{
    return type == 9 || type == 10 || type == 11;
}

// Walks the file's bytes; every read is checked against the end, and a read past it fails
// without touching anything.
class ByteCursor {
public:
    ByteCursor(const BYTE *pData, size_t nSize, size_t nPos) : m_pData(pData), m_nSize(nSize), m_nPos(nPos) {}
    size_t Left() const { return m_nPos < m_nSize ? m_nSize - m_nPos : 0; }
    bool Take(void *pDest, size_t n)
    {
        if (Left() < n)
            return false;
        memcpy(pDest, m_pData + m_nPos, n);
        m_nPos += n;
        return true;
    }
    bool TakeByte(BYTE *pb) { return Take(pb, 1); }
    void Skip(size_t n) { m_nPos = Left() < n ? m_nSize : m_nPos + n; }
    // Copies up to n bytes, as many as are left; the rest of the destination is untouched.
    void TakeSome(BYTE *pDest, size_t n)
    {
        const size_t nCopy = Left() < n ? Left() : n;
        memcpy(pDest, m_pData + m_nPos, nCopy);
        Skip(n);
    }

private:
    const BYTE *m_pData;
    size_t m_nSize;
    size_t m_nPos;
};

// Decodes one row's packets; a packet is cut at the row's end, never carried into the next
// row. False once the data runs out (the rest of the picture stays zero).
bool DecodeRunLengthRow(ByteCursor &cursor, BYTE *pRow, int nWidth, int nPixelBytes)
{
    int x = 0;
    while (x < nWidth) {
        BYTE h;
        if (!cursor.TakeByte(&h))
            return false;
        const int nCount = (h & 0x7F) + 1;
        const int nInRow = nCount < nWidth - x ? nCount : nWidth - x;
        BYTE *pDest = pRow + static_cast<size_t>(x) * nPixelBytes;
        if (h & 0x80) {
            BYTE pixel[4];
            if (!cursor.Take(pixel, nPixelBytes))
                return false;
            for (int i = 0; i < nInRow; i++, pDest += nPixelBytes)
                memcpy(pDest, pixel, nPixelBytes);
        } else {
            if (!cursor.Take(pDest, static_cast<size_t>(nInRow) * nPixelBytes))
                return false;
            cursor.Skip(static_cast<size_t>(nCount - nInRow) * nPixelBytes);
        }
        x += nInRow;
    }
    return true;
}

// Encodes one row as runs of equal pixels, each at most 128 long; returns the byte count.
size_t EncodeRunLengthRow(const BYTE *pRow, int nWidth, int nPixelBytes, BYTE *pOut)
{
    BYTE *p = pOut;
    int x = 0;
    while (x < nWidth) {
        const BYTE *pPixel = pRow + static_cast<size_t>(x) * nPixelBytes;
        int nRun = 1;
        while (nRun < 128 && x + nRun < nWidth &&
               memcmp(pPixel, pPixel + static_cast<size_t>(nRun) * nPixelBytes, nPixelBytes) == 0)
            nRun++;
        *p++ = static_cast<BYTE>(0x80 | (nRun - 1));
        memcpy(p, pPixel, nPixelBytes);
        p += nPixelBytes;
        x += nRun;
    }
    return static_cast<size_t>(p - pOut);
}

}  // namespace

bool FCImageHandle_Tga::LoadFromMemory(const BYTE *pData, int nSize)
{
    if (!pData || nSize < static_cast<int>(kHeaderSize))
        return false;
    const BYTE nIdLength = pData[0];
    const BYTE nMapType = pData[1];
    const BYTE nImageType = pData[2];
    const int nMapFirst = ReadLE16(pData + 3);
    const int nMapLength = ReadLE16(pData + 5);
    const BYTE nMapEntryBits = pData[7];
    const int nWidth = ReadLE16(pData + 12);
    const int nHeight = ReadLE16(pData + 14);
    const int nDepth = pData[16];
    const BYTE nDescriptor = pData[17];
    if (nMapEntryBits == 15 || nMapEntryBits == 16)
        return false;

    const int nBits = nDepth == 15 ? 16 : nDepth;
    if (!IsPlausiblePictureSize(nWidth, nHeight, nBits, nSize))
        return false;
    FCObjImage *pFrame = new (std::nothrow) FCObjImage;
    if (!pFrame || !pFrame->CreateBlank(nWidth, nHeight, nBits)) {
        delete pFrame;
        return false;
    }

    ByteCursor cursor(pData, static_cast<size_t>(nSize), kHeaderSize + nIdLength);
    if (nMapType == 1) {
        const size_t nEntryBytes = nMapEntryBits == 32 ? 4 : 3;
        RGBQUAD palette[256] = {};
        bool bOk = nMapFirst + nMapLength <= 256;
        for (int i = 0; bOk && i < nMapLength; i++)
            bOk = cursor.Take(&palette[nMapFirst + i], nEntryBytes);
        if (!bOk) {
            delete pFrame;
            return false;
        }
        pFrame->SetPalette(0, 256, palette);
    }

    // 15-bit pixels occupy two bytes, like 16-bit ones.
    const size_t nRowBytes = static_cast<size_t>(nWidth) * nBits / 8;
    for (int i = 0; i < nHeight; i++) {
        BYTE *pRow = pFrame->PixelAt(0, (nDescriptor & kTopDown) ? i : nHeight - 1 - i);
        if (IsRunLengthType(nImageType)) {
            if (!DecodeRunLengthRow(cursor, pRow, nWidth, nBits / 8))
                break;
        } else {
            cursor.TakeSome(pRow, nRowBytes);
        }
    }
    return PCL_PushObject(pFrame);
}

bool FCImageHandle_Tga::SaveToFile(const char *fileName, int nParam)
{
    const FCObjImage *pImage = ImageToWrite();
    if (!pImage)
        return false;
    const int nBits = pImage->ColorBits();
    // The header's 16-bit sizes cannot describe anything larger.
    if ((nBits != 8 && nBits != 16 && nBits != 24 && nBits != 32) || pImage->Width() > 0xFFFF ||
        pImage->Height() > 0xFFFF)
        return false;
    const bool bRunLength = nParam == 1;
    const int nPixelBytes = nBits / 8;
    const int nWidth = pImage->Width();
    BYTE *pPacked = nullptr;
    if (bRunLength) {
        pPacked = new (std::nothrow) BYTE[static_cast<size_t>(nWidth) * (nPixelBytes + 1)];
        if (!pPacked)
            return false;
    }
    FCFileWriter file(fileName);
    if (!file.IsOpen()) {
        delete[] pPacked;
        return false;
    }

    BYTE header[kHeaderSize] = {};
    header[0] = sizeof kIdentification;
    header[1] = nBits == 8 ? 1 : 0;
    header[2] = nBits == 8 ? (bRunLength ? 9 : 1) : (bRunLength ? 10 : 2);
    header[5] = 0x00;  // colour-map length 256, little-endian
    header[6] = 0x01;
    header[7] = 24;
    header[12] = static_cast<BYTE>(nWidth);
    header[13] = static_cast<BYTE>(nWidth >> 8);
    header[14] = static_cast<BYTE>(pImage->Height());
    header[15] = static_cast<BYTE>(pImage->Height() >> 8);
    header[16] = static_cast<BYTE>(nBits);
    header[17] = kTopDown;
    file.Write(header, sizeof header);
    file.Write(kIdentification, sizeof kIdentification);

    if (nBits == 8) {
        RGBQUAD palette[256];
        pImage->GetPalette(0, 256, palette);
        for (const RGBQUAD &entry : palette)
            file.Write(&entry, 3);
    }
    for (int y = 0; y < pImage->Height() && file.Succeeded(); y++) {
        const BYTE *pRow = pImage->PixelAt(0, y);
        if (bRunLength)
            file.Write(pPacked, EncodeRunLengthRow(pRow, nWidth, nPixelBytes, pPacked));
        else
            file.Write(pRow, static_cast<size_t>(nWidth) * nPixelBytes);
    }
    delete[] pPacked;
    return file.Succeeded();
}
