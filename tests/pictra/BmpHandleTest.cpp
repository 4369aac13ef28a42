#include <gtest/gtest.h>

#include "FCImageHandle_Bmp.h"
#include "FCObjImage.h"
#include "PictraFixtures.h"
#include "TestSupport.h"

using pictra_test::BmpLayout;
using pictra_test::ColorAt;
using pictra_test::Le32;
using pictra_test::MakeBmp;
using pictra_test::Row;

namespace {

// Reads bytes with a fresh handle; the first frame is copied into img.
bool ReadBmp(const std::string &bytes, FCObjImage &img)
{
    FCImageHandle_Bmp handle;
    if (!handle.LoadFromMemory(reinterpret_cast<const BYTE *>(bytes.data()), static_cast<int>(bytes.size())))
        return false;
    if (handle.PCL_GetObjectCount() != 1)
        return false;
    img.CopyFrom(*handle.PCL_GetObject(0));
    return true;
}

}  // namespace

TEST(BmpReader, ReadsEveryBitDepthWithItsColours)
{
    struct Case {
        const char *what;
        BmpLayout layout;
        uint32_t bottomLeft, topRight;
    } cases[] = {
        // 2x2 pictures; rows as stored: bottom row first.
        {"1-bit", {2, 2, 1, BI_RGB, {0x0000FF, 0xFF8000}, {}, Row({0x80}, 4) + Row({0x40}, 4)}, 0xFF8000, 0xFF8000},
        {"4-bit", {2, 2, 4, BI_RGB, {0, 0x00FF00, 0x123456}, {}, Row({0x20}, 4) + Row({0x01}, 4)}, 0x123456, 0x00FF00},
        {"8-bit", {2, 2, 8, BI_RGB, {0, 0, 0, 0xABCDEF}, {}, Row({3, 0}, 4) + Row({0, 3}, 4)}, 0xABCDEF, 0xABCDEF},
        {"16-bit 5-5-5", {2, 2, 16, BI_RGB, {}, {}, Row({0x00, 0x7C}, 4) + Row({0, 0, 0x1F, 0x00}, 4)}, 0xFF0000, 0x0000FF},
        {"16-bit 5-6-5 masks", {2, 2, 16, BI_BITFIELDS, {}, {0xF800, 0x07E0, 0x001F}, Row({0xE0, 0x07}, 4) + Row({0, 0, 0x00, 0xF8}, 4)}, 0x00FF00, 0xFF0000},
        {"24-bit", {2, 2, 24, BI_RGB, {}, {}, Row({0x56, 0x34, 0x12}, 8) + Row({0, 0, 0, 0xCC, 0xBB, 0xAA}, 8)}, 0x123456, 0xAABBCC},
        {"32-bit", {2, 2, 32, BI_RGB, {}, {}, Row({1, 2, 3, 4, 5, 6, 7, 8}, 8) + Row({0, 0, 0, 0, 9, 10, 11, 12}, 8)}, 0x030201, 0x0B0A09},
    };
    for (const Case &c : cases) {
        FCObjImage img;
        ASSERT_TRUE(ReadBmp(MakeBmp(c.layout), img)) << c.what;
        EXPECT_EQ(img.Width(), 2) << c.what;
        EXPECT_EQ(img.Height(), 2) << c.what;
        EXPECT_EQ(img.ColorBits(), c.layout.nBits) << c.what;
        EXPECT_EQ(ColorAt(img, 0, 1), c.bottomLeft) << c.what;
        EXPECT_EQ(ColorAt(img, 1, 0), c.topRight) << c.what;
    }
}

TEST(BmpReader, ThirtyTwoBitFourthBytesStayAsStored)
{
    BmpLayout layout{1, 1, 32, BI_RGB, {}, {}, Row({10, 20, 30, 0x5A}, 4)};
    FCObjImage img;
    ASSERT_TRUE(ReadBmp(MakeBmp(layout), img));
    EXPECT_EQ(img.PixelAt(0, 0)[3], 0x5A);
}

TEST(BmpReader, RefusesWhatItCannotRead)
{
    const std::string good = MakeBmp(BmpLayout{2, 2, 24});
    std::string topDown = MakeBmp(BmpLayout{2, -2, 24});
    std::string rle8 = MakeBmp(BmpLayout{2, 2, 8, BI_RLE8, std::vector<uint32_t>(256), {}, std::string(8, '\0')});
    std::string notBm = good;
    notBm[1] = 'X';
    std::string offsetAtEnd = good;
    offsetAtEnd.replace(10, 4, Le32(static_cast<uint32_t>(good.size())));
    std::string offsetBeyond = good;
    offsetBeyond.replace(10, 4, Le32(0xFFFFFFF0u));
    // A 12-byte core header: other fields in the places of the info header's.
    std::string core = "BM" + Le32(26 + 8) + Le32(0) + Le32(26) + Le32(12) + std::string("\x02\x00\x02\x00\x01\x00\x18\x00", 8) +
                       std::string(8, '\0');
    // 16-bit with masks whose file ends inside them.
    std::string cutMasks = MakeBmp(BmpLayout{1, 1, 16, BI_BITFIELDS, {}, {}, std::string(4, '\0')}).substr(0, 58);
    cutMasks.replace(10, 4, Le32(56));

    struct Case {
        const char *what;
        std::string bytes;
    } cases[] = {
        {"top-down rows", topDown},     {"run-length compressed", rle8}, {"no BM signature", notBm},
        {"pixel offset equals the size", offsetAtEnd}, {"pixel offset beyond the end", offsetBeyond},
        {"core header", core},          {"header only 14 bytes", good.substr(0, 14)},
        {"cut inside the info header", good.substr(0, 40)}, {"masks cut off", cutMasks},
        // 48 MB of pixels claimed by a file of a few bytes.
        {"huge size in a tiny file", MakeBmp(BmpLayout{4000, 4000, 24, BI_RGB, {}, {}, std::string(4, '\0')})},
    };
    for (const Case &c : cases) {
        FCObjImage img;
        EXPECT_FALSE(ReadBmp(c.bytes, img)) << c.what;
    }
    FCImageHandle_Bmp handle;
    EXPECT_FALSE(handle.LoadFromMemory(nullptr, 100));
}

TEST(BmpReader, ShortPixelDataLeavesTheMissingRowsBlack)
{
    // 1x3 24-bit, stored bottom-up; only the bottom row and half of the middle row are present.
    std::string bytes = MakeBmp(BmpLayout{1, 3, 24, BI_RGB, {}, {}, Row({0xFF, 0xFF, 0xFF}, 4) + Row({0xFF, 0xFF, 0xFF}, 4) + Row({0xFF, 0xFF, 0xFF}, 4)});
    bytes.resize(bytes.size() - 6);
    FCObjImage img;
    ASSERT_TRUE(ReadBmp(bytes, img));
    EXPECT_EQ(img.Height(), 3);
    EXPECT_EQ(ColorAt(img, 0, 2), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(img, 0, 1), 0x00FFFFu);
    EXPECT_EQ(ColorAt(img, 0, 0), 0u);
}

TEST(BmpReader, PaletteIsTheFullTableAfterTheHeaderAndCutEntriesAreBlack)
{
    // Two palette entries declared used, then pixels: the reader takes 2^4 entries from the
    // header's end regardless, so entries 2.. overlap the pixel bytes; past the file they read black.
    BmpLayout layout{8, 1, 4, BI_RGB, {0x112233, 0x445566}, {}, Row({0x01, 0x10, 0x00, 0x01}, 4)};
    const std::string bytes = MakeBmp(layout);
    FCObjImage img;
    ASSERT_TRUE(ReadBmp(bytes, img));
    EXPECT_EQ(ColorAt(img, 1, 0), 0x445566u);
    EXPECT_EQ(ColorAt(img, 0, 0), 0x112233u);
    RGBQUAD entry = {1, 1, 1, 1};
    img.GetPalette(2, 1, &entry);
    EXPECT_EQ(entry.rgbBlue, 0x01);  // the pixel bytes, read as an entry
    img.GetPalette(15, 1, &entry);
    EXPECT_EQ(entry.rgbRed, 0);
    EXPECT_EQ(entry.rgbGreen, 0);
}

TEST(BmpWriter, OnePixelPictureIsFiftyEightBytes)
{
    const std::string folder = testsupport::MakeScratchFolder("bmpwriter");
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(1, 1, 24));
    pictra_test::FillImage(img, 0x102030);
    ASSERT_TRUE(img.SaveToFile((folder + "one.bmp").c_str(), 85));
    const std::string bytes = testsupport::ReadFileBytes(folder + "one.bmp");
    ASSERT_EQ(bytes.size(), 58u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(bytes.substr(2, 4), Le32(58));
    EXPECT_EQ(bytes.substr(6, 4), Le32(0));
    EXPECT_EQ(bytes.substr(10, 4), Le32(54));
    EXPECT_EQ(bytes.substr(14, 4), Le32(40));
    EXPECT_EQ(bytes.substr(34, 4), Le32(0));  // size of image stays 0
    EXPECT_EQ(bytes.substr(54), std::string("\x30\x20\x10\x00", 4));
}

TEST(BmpWriter, WritesPaletteOrMasksAndReadsBackTheSame)
{
    const std::string folder = testsupport::MakeScratchFolder("bmpwriter2");
    struct Case {
        int bits;
        DWORD compression;
        size_t tail;
    } cases[] = {{1, BI_RGB, 8}, {4, BI_RGB, 64}, {8, BI_RGB, 1024}, {16, BI_RGB, 0}, {16, BI_BITFIELDS, 12}, {24, BI_RGB, 0}, {32, BI_RGB, 0}};
    for (const Case &c : cases) {
        struct {
            BITMAPINFOHEADER header;
            DWORD masks[3];
        } d = {{sizeof(BITMAPINFOHEADER), 5, 3, 1, static_cast<WORD>(c.bits), c.compression}, {0xF800, 0x07E0, 0x001F}};
        FCObjImage img;
        ASSERT_TRUE(img.CreateFromHeader(&d.header));
        for (size_t i = 0; i < img.GetPixelBytes(); i++)
            img.GetPixels()[i] = static_cast<BYTE>(i * 7 + 1);
        if (c.bits <= 8) {
            const RGBQUAD entry = {1, 2, 3, 0};
            img.SetPalette(1, 1, &entry);
        }
        const std::string path = folder + "pic" + std::to_string(c.bits) + "_" + std::to_string(c.compression) + ".bmp";
        ASSERT_TRUE(img.SaveToFile(path.c_str(), -1));
        const std::string bytes = testsupport::ReadFileBytes(path);
        EXPECT_EQ(bytes.size(), 54 + c.tail + img.GetPixelBytes()) << c.bits;

        FCObjImage back;
        ASSERT_TRUE(back.LoadFromFile(path.c_str())) << c.bits;
        EXPECT_EQ(back.ColorBits(), c.bits);
        EXPECT_EQ(back.GetHeader().biCompression, img.GetHeader().biCompression);
        EXPECT_EQ(back.GetMasks()[0], img.GetMasks()[0]);
        ASSERT_EQ(back.GetPixelBytes(), img.GetPixelBytes());
        EXPECT_EQ(0, memcmp(back.GetPixels(), img.GetPixels(), img.GetPixelBytes())) << c.bits;
        if (c.bits <= 8) {
            EXPECT_EQ(ColorAt(back, 0, 0), ColorAt(img, 0, 0));
        }
    }
    FCObjImage empty;
    EXPECT_FALSE(empty.SaveToFile((folder + "empty.bmp").c_str(), 0));
    EXPECT_FALSE(testsupport::FileExists(folder + "empty.bmp"));
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(1, 1, 24));
    EXPECT_FALSE(img.SaveToFile((folder + "missing\\x.bmp").c_str(), 0));
}
