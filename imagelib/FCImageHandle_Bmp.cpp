#include "FCImageHandle_Bmp.h"
#include "FCByteReader.h"
#include "FCFileIO.h"
#include "FCObjImage.h"

#include <new>
#include <stdlib.h>
#include <string.h>

namespace {

const size_t kFileHeaderSize = 14;
const size_t kInfoHeaderSize = sizeof(BITMAPINFOHEADER);
const size_t kMaskBytes = 3 * sizeof(DWORD);

}  // namespace

bool FCImageHandle_Bmp::LoadFromMemory(const BYTE *pData, int nSize)
{
    if (!pData || nSize <= static_cast<int>(kFileHeaderSize) || pData[0] != 'B' || pData[1] != 'M')
        return false;
    const size_t nBytes = static_cast<size_t>(nSize);
    const DWORD nOffset = ReadLE32(pData + 10);
    if (nOffset >= nBytes)
        return false;
    // Older 12-byte core headers have other fields in these places.
    if (nBytes < kFileHeaderSize + kInfoHeaderSize || ReadLE32(pData + kFileHeaderSize) < kInfoHeaderSize)
        return false;

    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } description = {};
    memcpy(&description.header, pData + kFileHeaderSize, kInfoHeaderSize);
    if (description.header.biBitCount == 16 && description.header.biCompression == BI_BITFIELDS) {
        if (nBytes < kFileHeaderSize + kInfoHeaderSize + kMaskBytes)
            return false;
        memcpy(description.masks, pData + kFileHeaderSize + kInfoHeaderSize, kMaskBytes);
    }

    if (!IsPlausiblePictureSize(description.header.biWidth, description.header.biHeight,
                                description.header.biBitCount, nSize))
        return false;
    FCObjImage *pFrame = new (std::nothrow) FCObjImage;
    if (!pFrame || !pFrame->CreateFromHeader(&description.header)) {
        delete pFrame;
        return false;
    }

    if (pFrame->ColorBits() <= 8) {
        // Entries past the end of the file read as black; the colours-used field is not trusted.
        const unsigned long long nStart = kFileHeaderSize + static_cast<unsigned long long>(description.header.biSize);
        RGBQUAD palette[256] = {};
        const int nCount = pFrame->PaletteCount();
        for (int i = 0; i < nCount; i++) {
            const unsigned long long nEntry = nStart + 4ull * i;
            if (nEntry + 4 > nBytes)
                break;
            memcpy(&palette[i], pData + nEntry, 4);
        }
        pFrame->SetPalette(0, nCount, palette);
    }

    // A short file leaves the remaining rows zero.
    size_t nCopy = nBytes - nOffset;
    if (nCopy > pFrame->GetPixelBytes())
        nCopy = pFrame->GetPixelBytes();
    memcpy(pFrame->GetPixels(), pData + nOffset, nCopy);
    return PCL_PushObject(pFrame);
}

bool FCImageHandle_Bmp::SaveToFile(const char *fileName, int nParam)
{
    const FCObjImage *pImage = ImageToWrite();
    if (!pImage)
        return false;
    BITMAPINFO *pInfo = pImage->MakeBitmapInfo();
    if (!pInfo)
        return false;
    FCFileWriter file(fileName);
    if (!file.IsOpen()) {
        free(pInfo);
        return false;
    }
    size_t nTail = 0;
    if (pImage->ColorBits() <= 8)
        nTail = sizeof(RGBQUAD) * pImage->PaletteCount();
    else if (pImage->GetHeader().biCompression == BI_BITFIELDS)
        nTail = kMaskBytes;
    const size_t nPixelBytes = pImage->GetPixelBytes();
    const size_t nTotal = kFileHeaderSize + kInfoHeaderSize + nTail + nPixelBytes;

    file.WriteByte('B');
    file.WriteByte('M');
    file.WriteDword(static_cast<DWORD>(nTotal));
    file.WriteWord(0);
    file.WriteWord(0);
    file.WriteDword(static_cast<DWORD>(nTotal - nPixelBytes));
    file.Write(pInfo, kInfoHeaderSize + nTail);
    file.Write(pImage->GetPixels(), nPixelBytes);
    free(pInfo);
    return file.Succeeded();
}
