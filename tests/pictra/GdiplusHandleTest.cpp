#include <gtest/gtest.h>

#include "FCImageHandle_Gdiplus.h"
#include "FCObjImage.h"
#include "PictraFixtures.h"
#include "TestSupport.h"

using pictra_test::ColorAt;
using pictra_test::Near;

namespace {

// Pictures made once for every test of this file.
class GdiplusFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_folder = testsupport::MakeScratchFolder("gdiplus");
        FCObjImage rgb;
        ASSERT_TRUE(rgb.CreateBlank(8, 6, 24));
        pictra_test::FillImage(rgb, 0x3070B0);
        ASSERT_TRUE(rgb.SaveToFile((s_folder + "rgb.jpg").c_str(), 90));
        ASSERT_TRUE(rgb.SaveToFile((s_folder + "rgb.png").c_str(), -1));
        ASSERT_TRUE(rgb.SaveToFile((s_folder + "rgb.tif").c_str(), -1));

        // 4x2 with alpha: left half opaque red, right half transparent green.
        std::vector<uint32_t> argb(8);
        for (int i = 0; i < 8; i++)
            argb[i] = (i % 4) < 2 ? 0xFFFF0000 : 0x0000FF00;
        ASSERT_TRUE(pictra_test::SaveArgbPng(s_folder + "alpha.png", 4, 2, argb));
        ASSERT_TRUE(testsupport::WriteFileBytes(s_folder + "two.gif",
                                                pictra_test::MakeTwoFrameGif(5, 3, 0xFF0000, 0x00FF00)));
    }

    static std::string s_folder;
};

std::string GdiplusFiles::s_folder;

}  // namespace

TEST_F(GdiplusFiles, JpegAndTiffLoadAsTrueColour)
{
    for (const char *name : {"rgb.jpg", "rgb.tif", "rgb.png"}) {
        FCObjImage img;
        ASSERT_TRUE(img.LoadFromFile((s_folder + name).c_str())) << name;
        EXPECT_EQ(img.Width(), 8);
        EXPECT_EQ(img.Height(), 6);
        EXPECT_GE(img.ColorBits(), 24) << name;
        EXPECT_TRUE(Near(ColorAt(img, 7, 5), 0x3070B0, 16)) << name << " " << std::hex << ColorAt(img, 7, 5);
    }
    FCObjImage jpeg;
    ASSERT_TRUE(jpeg.LoadFromFile((s_folder + "rgb.jpg").c_str()));
    EXPECT_EQ(jpeg.ColorBits(), 24);
}

TEST_F(GdiplusFiles, PngWithAlphaLoadsAs32BitsWithItsAlpha)
{
    FCObjImage img;
    ASSERT_TRUE(img.LoadFromFile((s_folder + "alpha.png").c_str()));
    ASSERT_EQ(img.ColorBits(), 32);
    EXPECT_EQ(ColorAt(img, 0, 0), 0xFF0000u);
    EXPECT_EQ(img.PixelAt(1, 1)[3], 255);
    EXPECT_EQ(img.PixelAt(3, 1)[3], 0);
}

TEST_F(GdiplusFiles, GifLoadsItsFirstFrameOnly)
{
    FCObjImage img;
    ASSERT_TRUE(img.LoadFromFile((s_folder + "two.gif").c_str()));
    EXPECT_EQ(img.Width(), 5);
    EXPECT_EQ(img.Height(), 3);
    // Windows decodes GIFs as 8-bit with palette, Wine as 32-bit: the colours must agree.
    EXPECT_TRUE(img.ColorBits() == 8 || img.ColorBits() == 32) << img.ColorBits();
    EXPECT_EQ(ColorAt(img, 0, 0), 0xFF0000u);
    EXPECT_EQ(ColorAt(img, 4, 2), 0xFF0000u);
}

TEST_F(GdiplusFiles, MemoryReaderTakesTheSameBytes)
{
    const std::string bytes = testsupport::ReadFileBytes(s_folder + "alpha.png");
    FCImageHandle_Gdiplus handle;
    ASSERT_TRUE(handle.LoadFromMemory(reinterpret_cast<const BYTE *>(bytes.data()), static_cast<int>(bytes.size())));
    ASSERT_EQ(handle.PCL_GetObjectCount(), 1);
    EXPECT_EQ(handle.PCL_GetObject(0)->Width(), 4);

    const BYTE junk[] = "\x89PNG but then nothing sensible";
    EXPECT_FALSE(handle.LoadFromMemory(junk, sizeof junk));
    EXPECT_FALSE(handle.LoadFromMemory(nullptr, 5));
    EXPECT_FALSE(handle.LoadFromMemory(junk, 0));
    EXPECT_EQ(handle.PCL_GetObjectCount(), 1);
}

TEST_F(GdiplusFiles, DamagedOrMissingFilesFailAndReleaseTheFile)
{
    const std::string path = s_folder + "broken.png";
    std::string bytes = testsupport::ReadFileBytes(s_folder + "rgb.png");
    ASSERT_TRUE(testsupport::WriteFileBytes(path, bytes.substr(0, 20)));
    FCObjImage img;
    EXPECT_FALSE(img.LoadFromFile(path.c_str()));
    EXPECT_FALSE(img.LoadFromFile((s_folder + "absent.jpg").c_str()));
    // The file is not kept open after a load.
    ASSERT_TRUE(img.LoadFromFile((s_folder + "rgb.png").c_str()));
    EXPECT_TRUE(DeleteFileA(path.c_str()));
    ASSERT_TRUE(CopyFileA((s_folder + "rgb.png").c_str(), path.c_str(), FALSE));
    EXPECT_TRUE(img.LoadFromFile(path.c_str()));
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}

TEST_F(GdiplusFiles, SavingEachFormatGivesAFileThatReadsBack)
{
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(7, 5, 24));
    pictra_test::FillImage(img, 0xC02010);
    struct Case {
        const char *name;
        int param;
        const char *magic;
    } cases[] = {
        {"q10.jpg", 10, "\xFF\xD8"}, {"q100.jpeg", 100, "\xFF\xD8"}, {"neg.jpg", -20, "\xFF\xD8"},
        {"big.jpg", 1000, "\xFF\xD8"}, {"out.gif", -1, "GIF8"}, {"out.tiff", -1, "II"}, {"out.png", -1, "\x89PNG"},
    };
    for (const Case &c : cases) {
        const std::string path = s_folder + c.name;
        ASSERT_TRUE(img.SaveToFile(path.c_str(), c.param)) << c.name;
        const std::string bytes = testsupport::ReadFileBytes(path);
        EXPECT_EQ(bytes.substr(0, strlen(c.magic)), c.magic) << c.name;
        FCObjImage back;
        ASSERT_TRUE(back.LoadFromFile(path.c_str())) << c.name;
        EXPECT_EQ(back.Width(), 7);
        EXPECT_EQ(back.Height(), 5);
        // GIF quantises to a fixed palette; the others keep the colour closely.
        EXPECT_TRUE(Near(ColorAt(back, 3, 2), 0xC02010, strcmp(c.name, "out.gif") == 0 ? 64 : 16))
            << c.name << " " << std::hex << ColorAt(back, 3, 2);
    }
}

TEST_F(GdiplusFiles, WriterRefusesTypesWithoutAnEncoderAndEmptyImages)
{
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(2, 2, 24));
    FCImageHandle_Gdiplus handle;
    EXPECT_FALSE(handle.SaveToFile((s_folder + "nothing.png").c_str(), 0));
    ASSERT_TRUE(handle.AddImageToWrite(&img));
    EXPECT_FALSE(handle.SaveToFile((s_folder + "x.tga").c_str(), 0));
    EXPECT_FALSE(handle.SaveToFile((s_folder + "x.pcx").c_str(), 0));
    EXPECT_FALSE(handle.SaveToFile((s_folder + "missing\\x.png").c_str(), 0));
    // Through GDI+ a BMP is written by the platform's encoder.
    EXPECT_TRUE(handle.SaveToFile((s_folder + "x.bmp").c_str(), 0));
    EXPECT_EQ(testsupport::ReadFileBytes(s_folder + "x.bmp").substr(0, 2), "BM");
}

TEST(GdiplusFormats, DecodedPixelFormatsBecomeFramesOfTheMatchingLayout)
{
    using pictra_test::Row;
    // 2x2 bitmaps decoded by the platform codec; rows as stored, bottom row first. The 32-bit
    // one has no alpha channel of its own, so its fourth bytes (stored 0x11) must read 255.
    struct Case {
        const char *what;
        pictra_test::BmpLayout layout;
        int bits;
        DWORD redMask;
        uint32_t bottomLeft, topRight;
    } cases[] = {
        {"1-bit", {2, 2, 1, BI_RGB, {0x0000FF, 0xFF8000}, {}, Row({0x80}, 4) + Row({0x40}, 4)}, 1, 0, 0xFF8000, 0xFF8000},
        {"4-bit", {2, 2, 4, BI_RGB, {0, 0x00FF00, 0x123456}, {}, Row({0x20}, 4) + Row({0x01}, 4)}, 4, 0, 0x123456, 0x00FF00},
        {"8-bit", {2, 2, 8, BI_RGB, {0, 0, 0, 0xABCDEF}, {}, Row({3, 0}, 4) + Row({0, 3}, 4)}, 8, 0, 0xABCDEF, 0xABCDEF},
        {"16-bit 5-5-5", {2, 2, 16, BI_RGB, {}, {}, Row({0x00, 0x7C}, 4) + Row({0, 0, 0x1F, 0x00}, 4)}, 16, 0x7C00, 0xFF0000, 0x0000FF},
        {"16-bit 5-6-5", {2, 2, 16, BI_BITFIELDS, {}, {0xF800, 0x07E0, 0x001F}, Row({0xE0, 0x07}, 4) + Row({0, 0, 0x00, 0xF8}, 4)}, 16, 0xF800, 0x00FF00, 0xFF0000},
        {"24-bit", {2, 2, 24, BI_RGB, {}, {}, Row({0x56, 0x34, 0x12}, 8) + Row({0, 0, 0, 0xCC, 0xBB, 0xAA}, 8)}, 24, 0, 0x123456, 0xAABBCC},
        {"32-bit", {2, 2, 32, BI_RGB, {}, {}, Row({1, 2, 3, 0x11, 5, 6, 7, 0x11}, 8) + Row({0, 0, 0, 0x11, 9, 10, 11, 0x11}, 8)}, 32, 0, 0x030201, 0x0B0A09},
    };
    for (Case &c : cases) {
        // The platform codec wants the full table of 2^bits entries.
        if (c.bits <= 8)
            c.layout.palette.resize(size_t(1) << c.bits);
        const std::string bytes = pictra_test::MakeBmp(c.layout);
        FCImageHandle_Gdiplus handle;
        ASSERT_TRUE(handle.LoadFromMemory(reinterpret_cast<const BYTE *>(bytes.data()), static_cast<int>(bytes.size())))
            << c.what;
        ASSERT_EQ(handle.PCL_GetObjectCount(), 1) << c.what;
        const FCObjImage &img = *handle.PCL_GetObject(0);
        // Wine's codec widens 16-bit bitmaps to 32 bits; Windows keeps them as they are.
        ASSERT_TRUE(img.ColorBits() == c.bits || (c.bits == 16 && img.ColorBits() == 32)) << c.what << " " << img.ColorBits();
        EXPECT_EQ(img.Width(), 2) << c.what;
        EXPECT_EQ(img.Height(), 2) << c.what;
        if (img.ColorBits() == 16) {
            EXPECT_EQ(img.GetHeader().biCompression, static_cast<DWORD>(BI_BITFIELDS)) << c.what;
            EXPECT_EQ(img.GetMasks()[0], c.redMask) << c.what;
        }
        EXPECT_EQ(ColorAt(img, 0, 1), c.bottomLeft) << c.what;
        EXPECT_EQ(ColorAt(img, 1, 0), c.topRight) << c.what;
        if (img.ColorBits() == 32) {
            for (int y = 0; y < 2; y++)
                for (int x = 0; x < 2; x++)
                    EXPECT_EQ(img.PixelAt(x, y)[3], 255) << c.what << " " << x << "," << y;
        }
    }
}
