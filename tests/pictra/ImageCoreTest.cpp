#include <gtest/gtest.h>

#include "FCObjImage.h"

#include <string.h>

namespace {

struct Description {
    BITMAPINFOHEADER header;
    DWORD masks[3];
};

Description Describe(LONG width, LONG height, WORD bits, DWORD compression = BI_RGB)
{
    Description d = {};
    d.header.biSize = sizeof d.header;
    d.header.biWidth = width;
    d.header.biHeight = height;
    d.header.biPlanes = 1;
    d.header.biBitCount = bits;
    d.header.biCompression = compression;
    return d;
}

bool AllZero(const FCObjImage &img)
{
    for (size_t i = 0; i < img.GetPixelBytes(); i++) {
        if (img.GetPixels()[i])
            return false;
    }
    return true;
}

}  // namespace

TEST(ImageCore, NewImageHasPaddedStrideZeroPixelsAndTopRowLastInMemory)
{
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(3, 2, 32));
    EXPECT_EQ(img.GetStride(), 12);
    EXPECT_EQ(img.GetPixelBytes(), 24u);
    EXPECT_TRUE(AllZero(img));
    EXPECT_EQ(img.PixelAt(0, 0), img.GetPixels() + 12);
    EXPECT_EQ(img.PixelAt(2, 1), img.GetPixels() + 8);

    const BITMAPINFOHEADER &h = img.GetHeader();
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biSizeImage, 0u);
    EXPECT_EQ(h.biClrUsed, 0u);
}

TEST(ImageCore, StrideAndPixelAddressFollowTheBitCount)
{
    struct Case {
        int width, bits, stride, x, offset;
    } cases[] = {
        {33, 1, 8, 9, 1},  {1, 24, 4, 0, 0},  {3, 24, 12, 2, 6}, {5, 4, 4, 3, 1},
        {9, 4, 8, 8, 4},   {3, 16, 8, 2, 4},  {3, 8, 4, 2, 2},   {7, 32, 28, 6, 24},
    };
    for (const Case &c : cases) {
        FCObjImage img;
        ASSERT_TRUE(img.CreateBlank(c.width, 3, c.bits)) << c.width << "x" << c.bits;
        EXPECT_EQ(img.GetStride(), c.stride) << c.width << "x" << c.bits;
        // Row 2 from the top is the first row in memory.
        EXPECT_EQ(img.PixelAt(c.x, 2) - img.GetPixels(), c.offset) << c.width << "x" << c.bits;
        EXPECT_EQ(img.PixelAt(0, 0) - img.PixelAt(0, 1), c.stride);
    }
}

TEST(ImageCore, RefusedDescriptionsLeaveTheImageAsItWas)
{
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(4, 4, 24));
    img.PixelAt(1, 1)[0] = 77;

    Description refused[] = {
        Describe(10, -10, 24),             // top-down rows
        Describe(0, 10, 24),               Describe(10, 0, 24),
        Describe(10, 10, 8, BI_RLE8),      Describe(10, 10, 4, BI_RLE4),
        Describe(10, 10, 24, 4 /* JPEG */), Describe(10, 10, 2),
        Describe(10, 10, 0),               Describe(10, 10, 48),
        // Sizes whose pixel block would exceed the library's limit or wrap around.
        Describe(0x7FFFFFFF, 0x7FFFFFFF, 32), Describe(0x7FFFFFFF, 1, 32), Describe(1, 0x7FFFFFFF, 32),
        Describe(20000, 20000, 32),
    };
    for (const Description &d : refused) {
        EXPECT_FALSE(img.CreateFromHeader(&d.header))
            << d.header.biWidth << "x" << d.header.biHeight << " bits " << d.header.biBitCount;
        ASSERT_TRUE(img.HasPixels());
        EXPECT_EQ(img.Width(), 4);
        EXPECT_EQ(img.PixelAt(1, 1)[0], 77);
    }
    EXPECT_FALSE(img.CreateFromHeader(nullptr));
    EXPECT_FALSE(img.CreateBlank(4, 4, 24 + 65536));
    EXPECT_TRUE(img.HasPixels());
}

TEST(ImageCore, MasksAreKeptFor16BitBitfieldsOnly)
{
    Description d565 = Describe(2, 2, 16, BI_BITFIELDS);
    d565.masks[0] = 0xF800, d565.masks[1] = 0x07E0, d565.masks[2] = 0x001F;
    FCObjImage img;
    ASSERT_TRUE(img.CreateFromHeader(&d565.header));
    EXPECT_EQ(img.GetHeader().biCompression, static_cast<DWORD>(BI_BITFIELDS));
    EXPECT_EQ(img.GetMasks()[0], 0xF800u);
    EXPECT_EQ(img.GetMasks()[1], 0x07E0u);

    Description d32 = Describe(2, 2, 32, BI_BITFIELDS);
    d32.masks[0] = 0xFF0000;
    ASSERT_TRUE(img.CreateFromHeader(&d32.header));
    EXPECT_EQ(img.GetHeader().biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(img.GetMasks()[0], 0x7C00u);

    ASSERT_TRUE(img.CreateBlank(2, 2, 16));
    EXPECT_EQ(img.GetHeader().biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(img.GetMasks()[0], 0x7C00u);
    EXPECT_EQ(img.GetMasks()[1], 0x03E0u);
    EXPECT_EQ(img.GetMasks()[2], 0x001Fu);
}

TEST(ImageCore, ResolutionIsTakenFromTheDescription)
{
    Description d = Describe(2, 2, 24);
    d.header.biXPelsPerMeter = 3780;
    d.header.biYPelsPerMeter = 2835;
    d.header.biSizeImage = 1234;
    d.header.biClrUsed = 9;
    FCObjImage img;
    ASSERT_TRUE(img.CreateFromHeader(&d.header));
    EXPECT_EQ(img.GetHeader().biXPelsPerMeter, 3780);
    EXPECT_EQ(img.GetHeader().biYPelsPerMeter, 2835);
    EXPECT_EQ(img.GetHeader().biSizeImage, 0u);
    EXPECT_EQ(img.GetHeader().biClrUsed, 0u);
}

TEST(ImageCore, GreyPaletteStepsByBitCount)
{
    struct Case {
        int bits, index, value;
    } cases[] = {{1, 0, 0}, {1, 1, 255}, {4, 1, 17}, {4, 15, 255}, {8, 100, 100}, {8, 255, 255}};
    for (const Case &c : cases) {
        FCObjImage img;
        ASSERT_TRUE(img.CreateBlank(1, 1, c.bits));
        EXPECT_EQ(img.PaletteCount(), 1 << c.bits);
        RGBQUAD entry = {1, 2, 3, 4};
        ASSERT_TRUE(img.GetPalette(c.index, 1, &entry));
        EXPECT_EQ(entry.rgbBlue, c.value);
        EXPECT_EQ(entry.rgbGreen, c.value);
        EXPECT_EQ(entry.rgbRed, c.value);
        EXPECT_EQ(entry.rgbReserved, 0);
    }
}

TEST(ImageCore, PaletteAccessSkipsIndicesBeyondTheTableAndRefusesBadCalls)
{
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(2, 2, 1));
    const RGBQUAD red[4] = {{0, 0, 255, 0}, {0, 0, 254, 0}, {0, 0, 253, 0}, {0, 0, 252, 0}};
    ASSERT_TRUE(img.SetPalette(1, 4, red));  // only index 1 exists of 1..4
    RGBQUAD out[2] = {};
    ASSERT_TRUE(img.GetPalette(0, 2, out));
    EXPECT_EQ(out[0].rgbRed, 0);
    EXPECT_EQ(out[1].rgbRed, 255);
    RGBQUAD beyond = {9, 9, 9, 9};
    EXPECT_TRUE(img.GetPalette(5, 1, &beyond));
    EXPECT_EQ(beyond.rgbRed, 9);

    EXPECT_FALSE(img.SetPalette(-1, 1, red));
    EXPECT_FALSE(img.SetPalette(0, 1, nullptr));
    EXPECT_FALSE(img.GetPalette(-1, 1, out));
    FCObjImage deep;
    ASSERT_TRUE(deep.CreateBlank(2, 2, 24));
    EXPECT_FALSE(deep.SetPalette(0, 1, red));
    EXPECT_FALSE(FCObjImage().GetPalette(0, 1, out));

    FCObjImage other;
    ASSERT_TRUE(other.CreateBlank(1, 1, 1));
    other.CopyPaletteFrom(img);
    other.GetPalette(1, 1, out);
    EXPECT_EQ(out[0].rgbRed, 255);
    FCObjImage eightBit;
    ASSERT_TRUE(eightBit.CreateBlank(1, 1, 8));
    eightBit.CopyPaletteFrom(img);  // different bit count: nothing
    eightBit.GetPalette(1, 1, out);
    EXPECT_EQ(out[0].rgbRed, 1);
}

TEST(ImageCore, CopyFromTakesPixelsPalettePositionAndIgnoresEmptyOrSelf)
{
    FCObjImage src;
    ASSERT_TRUE(src.CreateBlank(5, 3, 8));
    src.PixelAt(4, 2)[0] = 200;
    const RGBQUAD blue = {255, 0, 0, 0};
    src.SetPalette(200, 1, &blue);
    src.m_x = -3;
    src.m_y = 8;

    FCObjImage copy;
    ASSERT_TRUE(copy.CreateBlank(1, 1, 32));
    copy.CopyFrom(src);
    ASSERT_EQ(copy.Width(), 5);
    ASSERT_EQ(copy.ColorBits(), 8);
    EXPECT_EQ(0, memcmp(copy.GetPixels(), src.GetPixels(), src.GetPixelBytes()));
    EXPECT_NE(copy.GetPixels(), src.GetPixels());
    RGBQUAD entry = {};
    copy.GetPalette(200, 1, &entry);
    EXPECT_EQ(entry.rgbBlue, 255);
    EXPECT_EQ(copy.m_x, -3);
    EXPECT_EQ(copy.m_y, 8);

    copy.CopyFrom(copy);
    EXPECT_EQ(copy.PixelAt(4, 2)[0], 200);
    copy.CopyFrom(FCObjImage());
    EXPECT_EQ(copy.Width(), 5);

    copy.Release();
    EXPECT_FALSE(copy.HasPixels());
    EXPECT_EQ(copy.Width(), 0);
    EXPECT_EQ(copy.ColorBits(), 0);
    EXPECT_EQ(copy.GetMasks()[0], 0u);
}

TEST(ImageCore, BitmapInfoCarriesPaletteOrMasks)
{
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(2, 2, 4));
    BITMAPINFO *pInfo = img.MakeBitmapInfo();
    ASSERT_NE(pInfo, nullptr);
    EXPECT_EQ(0, memcmp(&pInfo->bmiHeader, &img.GetHeader(), 40));
    EXPECT_EQ(pInfo->bmiColors[15].rgbRed, 255);
    EXPECT_EQ(pInfo->bmiColors[1].rgbGreen, 17);
    free(pInfo);

    ASSERT_TRUE(img.CreateBlank(2, 2, 24));
    pInfo = img.MakeBitmapInfo();
    ASSERT_NE(pInfo, nullptr);
    const DWORD *pMasks = reinterpret_cast<const DWORD *>(reinterpret_cast<BYTE *>(pInfo) + 40);
    EXPECT_EQ(pMasks[0], 0x7C00u);
    EXPECT_EQ(pMasks[2], 0x001Fu);
    free(pInfo);

    EXPECT_EQ(FCObjImage().MakeBitmapInfo(), nullptr);
}

TEST(ImageCore, AlphaChannelIsSetOnlyFor32Bits)
{
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(3, 2, 32));
    img.PixelAt(1, 1)[0] = 9;
    img.SetAlphaChannel(200);
    for (int y = 0; y < 2; y++)
        for (int x = 0; x < 3; x++)
            EXPECT_EQ(img.PixelAt(x, y)[3], 200);
    EXPECT_EQ(img.PixelAt(1, 1)[0], 9);

    FCObjImage rgb;
    ASSERT_TRUE(rgb.CreateBlank(4, 1, 24));
    rgb.SetAlphaChannel(200);
    EXPECT_TRUE(AllZero(rgb));
}

TEST(ImageCore, SerialisationRoundTripsAndRefusesShortBlocks)
{
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(3, 2, 8));
    img.PixelAt(2, 0)[0] = 42;
    const RGBQUAD green = {0, 255, 0, 0};
    img.SetPalette(42, 1, &green);
    img.m_x = 11;
    img.m_y = -4;

    const int nSize = img.Serialize(true, nullptr, 0);
    ASSERT_EQ(nSize, 40 + 12 + 1024 + 8 + 8);
    std::string block(nSize, '\0');
    BYTE *p = reinterpret_cast<BYTE *>(&block[0]);
    EXPECT_EQ(img.Serialize(true, p, nSize - 1), 0);
    ASSERT_EQ(img.Serialize(true, p, nSize), nSize);

    FCObjImage back;
    ASSERT_EQ(back.Serialize(false, p, nSize), nSize);
    EXPECT_EQ(back.Width(), 3);
    EXPECT_EQ(back.PixelAt(2, 0)[0], 42);
    RGBQUAD entry = {};
    back.GetPalette(42, 1, &entry);
    EXPECT_EQ(entry.rgbGreen, 255);
    EXPECT_EQ(back.m_x, 11);
    EXPECT_EQ(back.m_y, -4);

    FCObjImage kept;
    ASSERT_TRUE(kept.CreateBlank(7, 7, 24));
    EXPECT_EQ(kept.Serialize(false, p, nSize - 1), 0);
    EXPECT_EQ(kept.Width(), 7);
    EXPECT_EQ(FCObject().Serialize(true, p, nSize), 0);
}
