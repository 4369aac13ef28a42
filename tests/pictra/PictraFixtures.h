#pragma once
#include <windows.h>
#include <stdint.h>
#include <initializer_list>
#include <string>
#include <vector>

#include "ArgbPng.h"
#include "PictraExports.h"

// Fixture tables name only the fields that matter; the rest start as zero.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

class FCObjImage;

// Fixtures of the image library tests: picture files written byte by byte, GDI+-made files,
// a 32-bit drawing surface and the built Pictra.dll loaded the way the program loads it.
namespace pictra_test {

std::string Le16(int v);
std::string Le32(uint32_t v);

// An uncompressed Windows bitmap. Pixel bytes are given as stored (bottom-up, padded rows).
struct BmpLayout {
    int nWidth = 1;
    int nHeight = 1;
    int nBits = 24;
    uint32_t dwCompression = BI_RGB;
    std::vector<uint32_t> palette;  // 0x00RRGGBB, written as blue, green, red, 0
    std::vector<uint32_t> masks;    // written after the 40-byte header when given
    std::string pixels;             // when empty: stride x height zero bytes
};
std::string MakeBmp(const BmpLayout &layout);
// One stored row: the given bytes, padded with zeros to stride.
std::string Row(std::initializer_list<int> bytes, int stride);
int StrideOf(int nWidth, int nBits);

// A TGA file: the 18-byte header fields, identification text, colour map bytes, pixel data.
struct TgaLayout {
    int nMapType = 0;
    int nImageType = 2;
    int nMapFirst = 0;
    int nMapLength = 0;
    int nMapEntryBits = 0;
    int nWidth = 1;
    int nHeight = 1;
    int nDepth = 24;
    int nDescriptor = 0;
    std::string id;
    std::string colourMap;
    std::string data;
};
std::string MakeTga(const TgaLayout &layout);

// A GIF89a of two frames of one colour each, 0x00RRGGBB.
std::string MakeTwoFrameGif(int nWidth, int nHeight, uint32_t first, uint32_t second);

// A PNG with an alpha channel from 0xAARRGGBB values, rows from the top.
using pictra_fixture::SaveArgbPng;

// A 24-bit image filled with one colour, 0x00RRGGBB.
void FillImage(FCObjImage &img, uint32_t rgb);
// Colour of an image's pixel as 0x00RRGGBB, through the palette for 8 or fewer bits.
uint32_t ColorAt(const FCObjImage &img, int x, int y);
// True when two 0x00RRGGBB colours differ by at most tolerance in every channel.
bool Near(uint32_t a, uint32_t b, int tolerance);

// A memory DC with a 32-bit top-down DIB section selected, pixels readable as 0x00RRGGBB.
class DibCanvas {
public:
    DibCanvas(int nWidth, int nHeight);
    ~DibCanvas();
    DibCanvas(const DibCanvas &) = delete;
    DibCanvas &operator=(const DibCanvas &) = delete;

    HDC Dc() const { return m_dc; }
    uint32_t Pixel(int x, int y) const { return m_pBits[y * m_nWidth + x] & 0xFFFFFF; }
    void Fill(uint32_t rgb);
    void Set(int x, int y, uint32_t rgb) { m_pBits[y * m_nWidth + x] = rgb; }
    std::vector<uint32_t> Snapshot() const;

private:
    int m_nWidth;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    uint32_t *m_pBits = nullptr;
};

// Pictra.dll from the program folder, with its five exports looked up by name.
struct PictraDll {
    typedef decltype(&Pictra_IsValidImage) IsValidImageFn;
    typedef decltype(&Pictra_GetImageSize) GetImageSizeFn;
    typedef decltype(&Pictra_DrawImageOnDC) DrawImageOnDCFn;
    typedef decltype(&Pictra_AlphaImageOnDC) AlphaImageOnDCFn;
    typedef decltype(&Pictra_CaptureDCtoJPEG) CaptureDCtoJPEGFn;

    PictraDll();
    ~PictraDll();
    PictraDll(const PictraDll &) = delete;
    PictraDll &operator=(const PictraDll &) = delete;
    bool Loaded() const;

    HMODULE hModule = nullptr;
    IsValidImageFn IsValidImage = nullptr;
    GetImageSizeFn GetImageSize = nullptr;
    DrawImageOnDCFn DrawImageOnDC = nullptr;
    AlphaImageOnDCFn AlphaImageOnDC = nullptr;
    CaptureDCtoJPEGFn CaptureDCtoJPEG = nullptr;
};

}  // namespace pictra_test
