#include "PictraFixtures.h"

#include <gtest/gtest.h>

#include "FCImageHandleFactory_Gdiplus.h"
#include "FCObjImage.h"
#include "TestSupport.h"

#include <stdlib.h>

namespace pictra_test {

namespace {

// Every engine test runs with the factory Pictra.dll installs when it attaches.
class GdiplusFactoryEnvironment : public ::testing::Environment {
public:
    void SetUp() override { SetHandleFactory(new FCImageHandleFactory_Gdiplus); }
    void TearDown() override { SetHandleFactory(nullptr); }
};

::testing::Environment *const g_factoryEnvironment =
    ::testing::AddGlobalTestEnvironment(new GdiplusFactoryEnvironment);

// LSB-first bit packing of GIF's variable-length codes.
class CodeWriter {
public:
    void Put(int code, int bits)
    {
        m_acc |= static_cast<uint32_t>(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.push_back(static_cast<char>(m_acc & 0xFF));
            m_acc >>= 8;
            m_count -= 8;
        }
    }
    std::string Finish()
    {
        if (m_count > 0)
            m_bytes.push_back(static_cast<char>(m_acc & 0xFF));
        return m_bytes;
    }

private:
    std::string m_bytes;
    uint32_t m_acc = 0;
    int m_count = 0;
};

// Image data of one frame with 2-bit indices, LZW-coded without compression: a clear code
// after every two literals keeps the code width at three bits.
std::string GifFrameData(int nPixels, int index)
{
    const int kClear = 4, kEnd = 5, kBits = 3;
    CodeWriter codes;
    for (int i = 0; i < nPixels; i++) {
        if (i % 2 == 0)
            codes.Put(kClear, kBits);
        codes.Put(index, kBits);
    }
    codes.Put(kEnd, kBits);
    const std::string lzw = codes.Finish();
    std::string out(1, '\x02');  // minimum code size
    for (size_t i = 0; i < lzw.size(); i += 255) {
        const std::string block = lzw.substr(i, 255);
        out += static_cast<char>(block.size());
        out += block;
    }
    out += '\0';
    return out;
}

std::string Rgb(uint32_t rgb)
{
    return std::string{static_cast<char>(rgb >> 16), static_cast<char>(rgb >> 8), static_cast<char>(rgb)};
}

}  // namespace

std::string Le16(int v)
{
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

std::string Le32(uint32_t v)
{
    return Le16(static_cast<int>(v & 0xFFFF)) + Le16(static_cast<int>(v >> 16));
}

int StrideOf(int nWidth, int nBits)
{
    return (nBits * nWidth + 31) / 32 * 4;
}

std::string MakeBmp(const BmpLayout &layout)
{
    std::string pixels = layout.pixels;
    if (pixels.empty())
        pixels.assign(static_cast<size_t>(StrideOf(layout.nWidth, layout.nBits)) * abs(layout.nHeight), '\0');
    std::string tail;
    for (uint32_t m : layout.masks)
        tail += Le32(m);
    for (uint32_t c : layout.palette)
        tail += Le32(c & 0xFFFFFF);
    const uint32_t nOffset = static_cast<uint32_t>(14 + 40 + tail.size());
    std::string out = "BM" + Le32(static_cast<uint32_t>(nOffset + pixels.size())) + Le32(0) + Le32(nOffset);
    out += Le32(40) + Le32(static_cast<uint32_t>(layout.nWidth)) + Le32(static_cast<uint32_t>(layout.nHeight)) +
           Le16(1) + Le16(layout.nBits) + Le32(layout.dwCompression) + Le32(0) + Le32(2835) + Le32(2835) +
           Le32(0) + Le32(0);
    return out + tail + pixels;
}

std::string Row(std::initializer_list<int> bytes, int stride)
{
    std::string row;
    for (int b : bytes)
        row += static_cast<char>(b);
    row.resize(static_cast<size_t>(stride), '\0');
    return row;
}

std::string MakeTga(const TgaLayout &layout)
{
    std::string out;
    out += static_cast<char>(layout.id.size());
    out += static_cast<char>(layout.nMapType);
    out += static_cast<char>(layout.nImageType);
    out += Le16(layout.nMapFirst) + Le16(layout.nMapLength);
    out += static_cast<char>(layout.nMapEntryBits);
    out += Le16(0) + Le16(0) + Le16(layout.nWidth) + Le16(layout.nHeight);
    out += static_cast<char>(layout.nDepth);
    out += static_cast<char>(layout.nDescriptor);
    return out + layout.id + layout.colourMap + layout.data;
}

std::string MakeTwoFrameGif(int nWidth, int nHeight, uint32_t first, uint32_t second)
{
    std::string out = "GIF89a" + Le16(nWidth) + Le16(nHeight);
    out += '\x81';  // global colour table of 4 entries
    out += std::string(2, '\0');
    out += Rgb(0x000000) + Rgb(first) + Rgb(second) + Rgb(0xFFFFFF);
    // Netscape loop extension: an animation of two frames.
    out += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (int index = 1; index <= 2; index++) {
        out += std::string("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);  // 100 ms delay
        out += '\x2C' + Le16(0) + Le16(0) + Le16(nWidth) + Le16(nHeight) + '\0';
        out += GifFrameData(nWidth * nHeight, index);
    }
    return out + '\x3B';
}

void FillImage(FCObjImage &img, uint32_t rgb)
{
    for (int y = 0; y < img.Height(); y++) {
        for (int x = 0; x < img.Width(); x++) {
            BYTE *p = img.PixelAt(x, y);
            p[0] = static_cast<BYTE>(rgb);
            p[1] = static_cast<BYTE>(rgb >> 8);
            p[2] = static_cast<BYTE>(rgb >> 16);
        }
    }
}

uint32_t ColorAt(const FCObjImage &img, int x, int y)
{
    const BYTE *p = img.PixelAt(x, y);
    if (img.ColorBits() <= 8) {
        const int nShift = 8 - img.ColorBits() - (x * img.ColorBits()) % 8;
        const int index = (*p >> nShift) & ((1 << img.ColorBits()) - 1);
        RGBQUAD entry = {};
        img.GetPalette(index, 1, &entry);
        return (entry.rgbRed << 16) | (entry.rgbGreen << 8) | entry.rgbBlue;
    }
    if (img.ColorBits() == 16) {
        const uint32_t w = p[0] | (p[1] << 8);
        const DWORD *m = img.GetMasks();
        auto channel = [w](DWORD mask) {
            int shift = 0;
            while (mask && !(mask & 1)) {
                mask >>= 1;
                shift++;
            }
            return mask ? static_cast<uint32_t>(((w >> shift) & mask) * 255 / mask) : 0u;
        };
        return (channel(m[0]) << 16) | (channel(m[1]) << 8) | channel(m[2]);
    }
    return (p[2] << 16) | (p[1] << 8) | p[0];
}

bool Near(uint32_t a, uint32_t b, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        if (abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    }
    return true;
}

DibCanvas::DibCanvas(int nWidth, int nHeight) : m_nWidth(nWidth)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *pBits = nullptr;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    m_old = SelectObject(m_dc, m_bitmap);
    m_pBits = static_cast<uint32_t *>(pBits);
}

DibCanvas::~DibCanvas()
{
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

void DibCanvas::Fill(uint32_t rgb)
{
    GdiFlush();
    BITMAP bm = {};
    GetObjectA(m_bitmap, sizeof bm, &bm);
    for (int i = 0; i < bm.bmWidth * bm.bmHeight; i++)
        m_pBits[i] = rgb;
}

std::vector<uint32_t> DibCanvas::Snapshot() const
{
    GdiFlush();
    BITMAP bm = {};
    GetObjectA(m_bitmap, sizeof bm, &bm);
    std::vector<uint32_t> out(m_pBits, m_pBits + bm.bmWidth * bm.bmHeight);
    for (uint32_t &v : out)
        v &= 0xFFFFFF;
    return out;
}

// GetProcAddress hands out a generic function pointer; the export's real type is ours to know.
template <class Fn>
Fn Lookup(HMODULE hModule, const char *name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(hModule, name)));
}

PictraDll::PictraDll()
{
    hModule = LoadLibraryA((testsupport::ProgramFolder() + "Pictra.dll").c_str());
    if (!hModule)
        return;
    IsValidImage = Lookup<IsValidImageFn>(hModule, "Pictra_IsValidImage");
    GetImageSize = Lookup<GetImageSizeFn>(hModule, "Pictra_GetImageSize");
    DrawImageOnDC = Lookup<DrawImageOnDCFn>(hModule, "Pictra_DrawImageOnDC");
    AlphaImageOnDC = Lookup<AlphaImageOnDCFn>(hModule, "Pictra_AlphaImageOnDC");
    CaptureDCtoJPEG = Lookup<CaptureDCtoJPEGFn>(hModule, "Pictra_CaptureDCtoJPEG");
}

PictraDll::~PictraDll()
{
    if (hModule)
        FreeLibrary(hModule);
}

bool PictraDll::Loaded() const
{
    return hModule && IsValidImage && GetImageSize && DrawImageOnDC && AlphaImageOnDC && CaptureDCtoJPEG;
}

}  // namespace pictra_test
