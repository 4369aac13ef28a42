#include <gtest/gtest.h>

#include "FCImageHandle_Tga.h"
#include "FCObjImage.h"
#include "PictraFixtures.h"
#include "TestSupport.h"

#include <algorithm>

using pictra_test::ColorAt;
using pictra_test::MakeTga;
using pictra_test::TgaLayout;

namespace {

bool ReadTga(const std::string &bytes, FCObjImage &img)
{
    FCImageHandle_Tga handle;
    if (!handle.LoadFromMemory(reinterpret_cast<const BYTE *>(bytes.data()), static_cast<int>(bytes.size())) ||
        handle.PCL_GetObjectCount() != 1)
        return false;
    img.CopyFrom(*handle.PCL_GetObject(0));
    return true;
}

std::string Bgr(uint32_t rgb)
{
    return std::string{static_cast<char>(rgb), static_cast<char>(rgb >> 8), static_cast<char>(rgb >> 16)};
}

std::string Repeat(const std::string &s, int n)
{
    std::string out;
    for (int i = 0; i < n; i++)
        out += s;
    return out;
}

// The TGA header of a file written by the library, as the fields a test wants to check.
struct WrittenTga {
    int idLength, mapType, imageType, mapLength, mapEntryBits, width, height, depth, descriptor;
    std::string body;  // everything after the header and the identification text
};

WrittenTga ParseWritten(const std::string &bytes)
{
    auto b = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    WrittenTga t = {b(0), b(1), b(2), b(5) | b(6) << 8, b(7), b(12) | b(13) << 8, b(14) | b(15) << 8, b(16), b(17)};
    t.body = bytes.substr(18 + t.idLength);
    return t;
}

}  // namespace

TEST(TgaReader, RawTrueColourRowsFollowTheDescriptor)
{
    // Two rows of 2 pixels: first row in the file red, green; second blue, white.
    const std::string data = Bgr(0xFF0000) + Bgr(0x00FF00) + Bgr(0x0000FF) + Bgr(0xFFFFFF);
    FCObjImage bottomUp, topDown;
    ASSERT_TRUE(ReadTga(MakeTga(TgaLayout{0, 2, 0, 0, 0, 2, 2, 24, 0x00, "id", "", data}), bottomUp));
    ASSERT_TRUE(ReadTga(MakeTga(TgaLayout{0, 2, 0, 0, 0, 2, 2, 24, 0x20, "", "", data}), topDown));
    EXPECT_EQ(bottomUp.ColorBits(), 24);
    EXPECT_EQ(ColorAt(bottomUp, 0, 1), 0xFF0000u);
    EXPECT_EQ(ColorAt(bottomUp, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(topDown, 0, 0), 0xFF0000u);
    EXPECT_EQ(ColorAt(topDown, 0, 1), 0x0000FFu);
}

TEST(TgaReader, ColourMappedPicturesTakeTheirPalette)
{
    // Entries 1 and 2 of the table; 32-bit entries keep their fourth byte as reserved.
    const std::string map24 = Bgr(0x112233) + Bgr(0x445566);
    const std::string map32 = Bgr(0x112233) + "\x7F" + Bgr(0x445566) + "\x01";
    const std::string pixels = std::string("\x01\x02\x00", 3);
    FCObjImage img;
    ASSERT_TRUE(ReadTga(MakeTga(TgaLayout{1, 1, 1, 2, 24, 3, 1, 8, 0x20, "", map24, pixels}), img));
    EXPECT_EQ(img.ColorBits(), 8);
    EXPECT_EQ(ColorAt(img, 0, 0), 0x112233u);
    EXPECT_EQ(ColorAt(img, 1, 0), 0x445566u);
    EXPECT_EQ(ColorAt(img, 2, 0), 0u);  // entries outside the map are zero

    ASSERT_TRUE(ReadTga(MakeTga(TgaLayout{1, 1, 1, 2, 32, 3, 1, 8, 0x20, "", map32, pixels}), img));
    RGBQUAD entry = {};
    img.GetPalette(1, 1, &entry);
    EXPECT_EQ(entry.rgbReserved, 0x7F);
    EXPECT_EQ(ColorAt(img, 1, 0), 0x445566u);

    // Run-length encoded colour-mapped: one run of three index-2 pixels.
    ASSERT_TRUE(ReadTga(MakeTga(TgaLayout{1, 9, 1, 2, 24, 3, 1, 8, 0x20, "", map24, "\x82\x02"}), img));
    EXPECT_EQ(ColorAt(img, 2, 0), 0x445566u);

    // No colour map: the grey ramp stays.
    ASSERT_TRUE(ReadTga(MakeTga(TgaLayout{0, 3, 0, 0, 0, 1, 1, 8, 0, "", "", "\x40"}), img));
    EXPECT_EQ(ColorAt(img, 0, 0), 0x404040u);
}

TEST(TgaReader, RunLengthPacketsStayInsideTheirRow)
{
    // Row 1: a run of 2 red, then a raw packet of 2 (green, blue) that overshoots the
    // 3-pixel row by one pixel; the overshoot is dropped, not carried into row 2.
    // Row 2: a run of 3 white.
    const std::string data = std::string("\x81", 1) + Bgr(0xFF0000) + std::string("\x01", 1) + Bgr(0x00FF00) +
                             Bgr(0x0000FF) + std::string("\x82", 1) + Bgr(0xFFFFFF);
    FCObjImage img;
    ASSERT_TRUE(ReadTga(MakeTga(TgaLayout{0, 10, 0, 0, 0, 3, 2, 24, 0x20, "", "", data}), img));
    EXPECT_EQ(ColorAt(img, 0, 0), 0xFF0000u);
    EXPECT_EQ(ColorAt(img, 1, 0), 0xFF0000u);
    EXPECT_EQ(ColorAt(img, 2, 0), 0x00FF00u);
    EXPECT_EQ(ColorAt(img, 0, 1), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(img, 2, 1), 0xFFFFFFu);

    // A run longer than the row is cut to the row as well.
    ASSERT_TRUE(ReadTga(MakeTga(TgaLayout{0, 10, 0, 0, 0, 3, 2, 24, 0x20, "", "", "\xFF" + Bgr(0x010203) + "\x80" + Bgr(0x0A0B0C)}), img));
    EXPECT_EQ(ColorAt(img, 2, 0), 0x010203u);
    EXPECT_EQ(ColorAt(img, 0, 1), 0x0A0B0Cu);
    EXPECT_EQ(ColorAt(img, 1, 1), 0u);  // data ended: the rest stays zero
}

TEST(TgaReader, ShortDataYieldsTheDeclaredSizeWithZeroPixels)
{
    const std::string full = Repeat(Bgr(0xFFFFFF), 4);
    FCObjImage img;
    ASSERT_TRUE(ReadTga(MakeTga(TgaLayout{0, 2, 0, 0, 0, 2, 2, 24, 0x20, "", "", full.substr(0, 4)}), img));
    EXPECT_EQ(img.Width(), 2);
    EXPECT_EQ(img.Height(), 2);
    EXPECT_EQ(ColorAt(img, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(img, 1, 0), 0x0000FFu);
    EXPECT_EQ(ColorAt(img, 1, 1), 0u);
    // An identification text claiming more bytes than the file holds.
    std::string bytes = MakeTga(TgaLayout{0, 2, 0, 0, 0, 2, 2, 24, 0x20, "", "", ""});
    bytes[0] = '\xFF';
    ASSERT_TRUE(ReadTga(bytes, img));
    EXPECT_EQ(ColorAt(img, 0, 0), 0u);
}

TEST(TgaReader, RefusesBadHeadersAndColourMaps)
{
    struct Case {
        const char *what;
        std::string bytes;
    } cases[] = {
        {"16-bit colour-map entries", MakeTga(TgaLayout{1, 1, 0, 2, 16, 1, 1, 8, 0, "", "abcd", "\x00"})},
        {"15-bit colour-map entries", MakeTga(TgaLayout{1, 1, 0, 2, 15, 1, 1, 8, 0, "", "abcd", "\x00"})},
        {"colour map beyond 256 entries", MakeTga(TgaLayout{1, 1, 200, 57, 24, 1, 1, 8, 0, "", std::string(171, 'x'), "\x00"})},
        {"colour map cut short", MakeTga(TgaLayout{1, 1, 0, 200, 24, 1, 1, 8, 0, "", std::string(30, 'x'), ""})},
        {"zero width", MakeTga(TgaLayout{0, 2, 0, 0, 0, 0, 1, 24, 0, "", "", "abc"})},
        {"zero height", MakeTga(TgaLayout{0, 2, 0, 0, 0, 1, 0, 24, 0, "", "", "abc"})},
        {"pixel depth 12", MakeTga(TgaLayout{0, 2, 0, 0, 0, 1, 1, 12, 0, "", "", "abc"})},
        {"shorter than a header", MakeTga(TgaLayout{}).substr(0, 17)},
        {"huge size in a tiny file", MakeTga(TgaLayout{0, 10, 0, 0, 0, 4000, 4000, 32, 0, "", "", "\xFF\x01\x02\x03\x04"})},
    };
    for (const Case &c : cases) {
        FCObjImage img;
        EXPECT_FALSE(ReadTga(c.bytes, img)) << c.what;
    }
}

TEST(TgaReader, LargeRunLengthPictureFromASmallFileLoads)
{
    // 2000x2000 of one colour packs into 16 packets a row: 64 KB of file for 4 MB of pixels.
    std::string row;
    for (int x = 0; x < 2000; x += 128)
        row += std::string(1, static_cast<char>(0x80 | (std::min(128, 2000 - x) - 1))) + "\x07";
    FCObjImage img;
    ASSERT_TRUE(ReadTga(MakeTga(TgaLayout{0, 11, 0, 0, 0, 2000, 2000, 8, 0, "", "", Repeat(row, 2000)}), img));
    EXPECT_EQ(img.PixelAt(1999, 1999)[0], 7);
    EXPECT_EQ(img.PixelAt(0, 0)[0], 7);
}

TEST(TgaReader, FifteenBitPixelsReadAsSixteenBit)
{
    FCObjImage img;
    ASSERT_TRUE(ReadTga(MakeTga(TgaLayout{0, 2, 0, 0, 0, 2, 1, 15, 0x20, "", "", std::string("\x00\x7C\x1F\x00", 4)}), img));
    EXPECT_EQ(img.ColorBits(), 16);
    EXPECT_EQ(ColorAt(img, 0, 0), 0xFF0000u);
    EXPECT_EQ(ColorAt(img, 1, 0), 0x0000FFu);
}

TEST(TgaWriter, ModesSelectRawOrRunLengthRows)
{
    const std::string folder = testsupport::MakeScratchFolder("tgawriter");
    // 3x2 24-bit: top row red, red, green; bottom row blue, blue, blue.
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(3, 2, 24));
    pictra_test::FillImage(img, 0x0000FF);
    for (int x = 0; x < 3; x++) {
        BYTE *p = img.PixelAt(x, 0);
        p[0] = 0, p[1] = x == 2 ? 0xFF : 0, p[2] = x == 2 ? 0 : 0xFF;
    }
    const std::string rawRows = Bgr(0xFF0000) + Bgr(0xFF0000) + Bgr(0x00FF00) + Repeat(Bgr(0x0000FF), 3);
    const std::string rleRows = "\x81" + Bgr(0xFF0000) + "\x80" + Bgr(0x00FF00) + "\x82" + Bgr(0x0000FF);

    struct Case {
        int param, imageType;
        std::string body;
    } cases[] = {{-1, 2, rawRows}, {1, 10, rleRows}, {85, 2, rawRows}, {0, 2, rawRows}, {2, 2, rawRows}};
    for (const Case &c : cases) {
        const std::string path = folder + "pic" + std::to_string(c.param) + ".tga";
        ASSERT_TRUE(img.SaveToFile(path.c_str(), c.param)) << c.param;
        const WrittenTga t = ParseWritten(testsupport::ReadFileBytes(path));
        EXPECT_EQ(t.idLength, 12);
        EXPECT_EQ(t.mapType, 0);
        EXPECT_EQ(t.imageType, c.imageType) << c.param;
        EXPECT_EQ(t.mapLength, 256);
        EXPECT_EQ(t.mapEntryBits, 24);
        EXPECT_EQ(t.width, 3);
        EXPECT_EQ(t.height, 2);
        EXPECT_EQ(t.depth, 24);
        EXPECT_EQ(t.descriptor, 0x20);
        EXPECT_EQ(t.body, c.body) << c.param;

        FCObjImage back;
        ASSERT_TRUE(back.LoadFromFile(path.c_str()));
        EXPECT_EQ(0, memcmp(back.GetPixels(), img.GetPixels(), img.GetPixelBytes())) << c.param;
    }
}

TEST(TgaWriter, RunsAreCutAt128AndEightBitPicturesCarryTheirPalette)
{
    const std::string folder = testsupport::MakeScratchFolder("tgawriter2");
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(300, 1, 8));
    const RGBQUAD entry = {0x30, 0x20, 0x10, 0};
    img.SetPalette(5, 1, &entry);
    for (int x = 0; x < 300; x++)
        img.PixelAt(x, 0)[0] = x < 299 ? 5 : 6;
    const std::string path = folder + "runs.tga";
    ASSERT_TRUE(img.SaveToFile(path.c_str(), 1));
    const WrittenTga t = ParseWritten(testsupport::ReadFileBytes(path));
    EXPECT_EQ(t.mapType, 1);
    EXPECT_EQ(t.imageType, 9);
    ASSERT_EQ(t.body.size(), 768u + 8u);
    EXPECT_EQ(t.body.substr(15, 3), "\x30\x20\x10");
    EXPECT_EQ(t.body.substr(768), std::string("\xFF\x05\xFF\x05\xAA\x05\x80\x06", 8));

    ASSERT_TRUE(img.SaveToFile(path.c_str(), -1));
    const WrittenTga raw = ParseWritten(testsupport::ReadFileBytes(path));
    EXPECT_EQ(raw.imageType, 1);
    EXPECT_EQ(raw.body.size(), 768u + 300u);

    FCObjImage back;
    ASSERT_TRUE(back.LoadFromFile(path.c_str()));
    EXPECT_EQ(ColorAt(back, 0, 0), 0x102030u);
}

TEST(TgaWriter, RefusesDepthsItCannotWrite)
{
    const std::string folder = testsupport::MakeScratchFolder("tgawriter3");
    for (int bits : {1, 4}) {
        FCObjImage img;
        ASSERT_TRUE(img.CreateBlank(4, 4, bits));
        const std::string path = folder + "deep" + std::to_string(bits) + ".tga";
        EXPECT_FALSE(img.SaveToFile(path.c_str(), -1));
        EXPECT_FALSE(testsupport::FileExists(path));
    }
    FCObjImage wide;
    ASSERT_TRUE(wide.CreateBlank(70000, 1, 8));
    EXPECT_FALSE(wide.SaveToFile((folder + "wide.tga").c_str(), -1));
}
