#include <gtest/gtest.h>

#include "FCObjImage.h"
#include "PictraFixtures.h"
#include "TestSupport.h"

#include <memory>

using pictra_test::BmpLayout;
using pictra_test::DibCanvas;
using pictra_test::MakeBmp;
using pictra_test::MakeTga;
using pictra_test::TgaLayout;

namespace {

// Pictra.dll loaded once, as the program loads it, with fixture files beside the tests.
class Exports : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dll.reset(new pictra_test::PictraDll);
        s_folder = testsupport::MakeScratchFolder("exports");
        const auto write = [](const std::string &name, const std::string &bytes) {
            ASSERT_TRUE(testsupport::WriteFileBytes(s_folder + name, bytes)) << name;
        };
        for (int bits : {1, 4, 8, 16, 24, 32})
            write("depth" + std::to_string(bits) + ".bmp", MakeBmp(BmpLayout{9, 7, bits}));
        // 3x2, rows bottom-up: bottom blue, top red.
        write("pic.bmp", MakeBmp(BmpLayout{3, 2, 24, BI_RGB, {}, {}, std::string("\xFF\0\0\xFF\0\0\xFF\0\0\0\0\0", 12) + std::string("\0\0\xFF\0\0\xFF\0\0\xFF\0\0\0", 12)}));
        write("topdown.bmp", MakeBmp(BmpLayout{3, -2, 24}));
        write("rle.bmp", MakeBmp(BmpLayout{4, 4, 8, BI_RLE8, std::vector<uint32_t>(256), {}, std::string(16, '\0')}));
        write("raw.tga", MakeTga(TgaLayout{0, 2, 0, 0, 0, 6, 5, 24, 0x20, "", "", std::string(90, '\x40')}));
        write("rle.tga", MakeTga(TgaLayout{0, 10, 0, 0, 0, 6, 5, 32, 0, "", "", std::string("\x9D\x01\x02\x03\x04", 5)}));
        write("map.tga", MakeTga(TgaLayout{1, 1, 0, 2, 24, 4, 3, 8, 0, "x", "abcdef", std::string(12, '\x01')}));
        write("maprle.tga", MakeTga(TgaLayout{1, 9, 0, 2, 24, 4, 3, 8, 0, "", "abcdef", "\x8B\x01"}));
        write("two.gif", pictra_test::MakeTwoFrameGif(11, 4, 0x0000FF, 0xFFFF00));

        FCObjImage rgb;
        ASSERT_TRUE(rgb.CreateBlank(10, 8, 24));
        pictra_test::FillImage(rgb, 0x208040);
        ASSERT_TRUE(rgb.SaveToFile((s_folder + "pic.jpg").c_str(), 90));
        ASSERT_TRUE(rgb.SaveToFile((s_folder + "PHOTO.JPG").c_str(), 90));
        ASSERT_TRUE(rgb.SaveToFile((s_folder + "pic.tif").c_str(), -1));
        ASSERT_TRUE(rgb.SaveToFile((s_folder + "rgb.png").c_str(), -1));
        CreateDirectoryA((s_folder + "my.pictures").c_str(), nullptr);
        write("my.pictures\\photo", testsupport::ReadFileBytes(s_folder + "pic.jpg"));
        for (const char *name : {"pic.pcx", "pic.psd", "pic.ico", "pic.xpm", "noext", "pic.webp"})
            write(name, MakeBmp(BmpLayout{2, 2, 24}));

        // 2x2 with alpha: top row opaque white, bottom row fully transparent red.
        ASSERT_TRUE(pictra_test::SaveArgbPng(s_folder + "alpha.png", 2, 2, {0xFFFFFFFF, 0xFFFFFFFF, 0x00FF0000, 0x00FF0000}));
        // 1x1 half-transparent white.
        ASSERT_TRUE(pictra_test::SaveArgbPng(s_folder + "half.png", 1, 1, {0x80FFFFFF}));
    }
    static void TearDownTestSuite() { s_dll.reset(); }

    void SetUp() override { ASSERT_TRUE(s_dll->Loaded()); }

    static std::string Path(const std::string &name) { return s_folder + name; }
    static pictra_test::PictraDll &Dll() { return *s_dll; }

    static std::unique_ptr<pictra_test::PictraDll> s_dll;
    static std::string s_folder;
};

std::unique_ptr<pictra_test::PictraDll> Exports::s_dll;
std::string Exports::s_folder;

}  // namespace

TEST_F(Exports, SizesOfEveryKindOfPicture)
{
    struct Case {
        const char *name;
        int width, height;
    } cases[] = {
        {"depth1.bmp", 9, 7},  {"depth4.bmp", 9, 7}, {"depth8.bmp", 9, 7},  {"depth16.bmp", 9, 7},
        {"depth24.bmp", 9, 7}, {"depth32.bmp", 9, 7}, {"raw.tga", 6, 5},    {"rle.tga", 6, 5},
        {"map.tga", 4, 3},     {"maprle.tga", 4, 3}, {"pic.jpg", 10, 8},    {"PHOTO.JPG", 10, 8},
        {"pic.tif", 10, 8},    {"rgb.png", 10, 8},   {"alpha.png", 2, 2},   {"two.gif", 11, 4},
    };
    for (const Case &c : cases) {
        int size[2] = {-1, -1};
        EXPECT_EQ(Dll().IsValidImage(Path(c.name).c_str()), 1) << c.name;
        EXPECT_EQ(Dll().GetImageSize(Path(c.name).c_str(), size), 1) << c.name;
        EXPECT_EQ(size[0], c.width) << c.name;
        EXPECT_EQ(size[1], c.height) << c.name;
    }
}

TEST_F(Exports, FailuresReturnZeroAndLeaveTheSizeUntouched)
{
    DibCanvas canvas(4, 4);
    canvas.Fill(0x123456);
    const std::vector<uint32_t> before = canvas.Snapshot();
    const std::string names[] = {
        Path("pic.pcx"), Path("pic.psd"), Path("pic.ico"), Path("pic.xpm"), Path("noext"), Path("pic.webp"),
        Path("my.pictures\\photo"),  // the last dot belongs to the folder
        Path("topdown.bmp"), Path("rle.bmp"), Path("absent.png"), Path("absent.bmp"), Path("missing\\x.jpg"), "",
    };
    for (const std::string &name : names) {
        int size[2] = {-7, -9};
        EXPECT_EQ(Dll().IsValidImage(name.c_str()), 0) << name;
        EXPECT_EQ(Dll().GetImageSize(name.c_str(), size), 0) << name;
        EXPECT_EQ(size[0], -7) << name;
        EXPECT_EQ(size[1], -9) << name;
        EXPECT_EQ(Dll().DrawImageOnDC(name.c_str(), canvas.Dc(), 0, 0), 0) << name;
        EXPECT_EQ(Dll().AlphaImageOnDC(name.c_str(), canvas.Dc(), 0, 0, 4, 4, 100), 0) << name;
    }
    int size[2] = {-7, -9};
    EXPECT_EQ(Dll().GetImageSize(nullptr, size), 0);
    EXPECT_EQ(Dll().IsValidImage(nullptr), 0);
    EXPECT_EQ(Dll().GetImageSize(Path("pic.bmp").c_str(), nullptr), 0);
    EXPECT_EQ(size[0], -7);
    EXPECT_EQ(canvas.Snapshot(), before);
}

TEST_F(Exports, DrawPutsThePictureAtItsPlaceAndKeepsTheDcSettings)
{
    DibCanvas canvas(8, 8);
    canvas.Fill(0x000000);
    SetStretchBltMode(canvas.Dc(), HALFTONE);
    EXPECT_EQ(Dll().DrawImageOnDC(Path("pic.bmp").c_str(), canvas.Dc(), 4, 5), 1);
    GdiFlush();
    EXPECT_EQ(GetStretchBltMode(canvas.Dc()), HALFTONE);
    EXPECT_EQ(canvas.Pixel(4, 5), 0xFF0000u);
    EXPECT_EQ(canvas.Pixel(6, 5), 0xFF0000u);
    EXPECT_EQ(canvas.Pixel(4, 6), 0x0000FFu);
    EXPECT_EQ(canvas.Pixel(7, 5), 0u);
    EXPECT_EQ(canvas.Pixel(4, 7), 0u);
    EXPECT_EQ(canvas.Pixel(3, 5), 0u);

    // Partly outside the DC: clipped, no harm.
    EXPECT_EQ(Dll().DrawImageOnDC(Path("pic.bmp").c_str(), canvas.Dc(), -2, -1), 1);
    GdiFlush();
    EXPECT_EQ(canvas.Pixel(0, 0), 0x0000FFu);
}

TEST_F(Exports, DrawShowsTheColourBytesOfTransparentPixels)
{
    DibCanvas canvas(2, 2);
    canvas.Fill(0x00FF00);
    ASSERT_EQ(Dll().DrawImageOnDC(Path("alpha.png").c_str(), canvas.Dc(), 0, 0), 1);
    GdiFlush();
    EXPECT_EQ(canvas.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(canvas.Pixel(1, 1), 0xFF0000u);
}

TEST_F(Exports, AlphaBlendingHonoursPixelAlphaAndClampedOpacity)
{
    struct Case {
        int opacity;
        uint32_t opaque, transparent;
    } cases[] = {{100, 0xFFFFFF, 0x000000}, {150, 0xFFFFFF, 0x000000}, {50, 0x7F7F7F, 0x000000},
                 {0, 0x000000, 0x000000},   {-5, 0x000000, 0x000000}};
    for (const Case &c : cases) {
        DibCanvas canvas(4, 4);
        canvas.Fill(0x000000);
        // The 2x2 picture scaled into 4x4: top two rows from its opaque row.
        EXPECT_EQ(Dll().AlphaImageOnDC(Path("alpha.png").c_str(), canvas.Dc(), 0, 0, 4, 4, c.opacity), 1);
        GdiFlush();
        EXPECT_EQ(canvas.Pixel(0, 0), c.opaque) << c.opacity;
        EXPECT_EQ(canvas.Pixel(3, 1), c.opaque) << c.opacity;
        EXPECT_EQ(canvas.Pixel(0, 2), c.transparent) << c.opacity;
        EXPECT_EQ(canvas.Pixel(3, 3), c.transparent) << c.opacity;
    }

    DibCanvas canvas(3, 3);
    canvas.Fill(0x000000);
    EXPECT_EQ(Dll().AlphaImageOnDC(Path("half.png").c_str(), canvas.Dc(), 1, 1, 2, 2, 100), 1);
    GdiFlush();
    EXPECT_TRUE(pictra_test::Near(canvas.Pixel(1, 1), 0x808080, 1)) << std::hex << canvas.Pixel(1, 1);
    EXPECT_EQ(canvas.Pixel(0, 0), 0u);
    EXPECT_EQ(canvas.Pixel(2, 2), 0u);
}

TEST_F(Exports, AlphaWithoutAnAlphaChannelOrRoomSucceedsAndChangesNothing)
{
    DibCanvas canvas(6, 6);
    canvas.Fill(0x445566);
    const std::vector<uint32_t> before = canvas.Snapshot();
    EXPECT_EQ(Dll().AlphaImageOnDC(Path("pic.jpg").c_str(), canvas.Dc(), 0, 0, 6, 6, 100), 1);
    EXPECT_EQ(Dll().AlphaImageOnDC(Path("pic.bmp").c_str(), canvas.Dc(), 0, 0, 6, 6, 100), 1);
    EXPECT_EQ(Dll().AlphaImageOnDC(Path("alpha.png").c_str(), canvas.Dc(), 3, 3, 3, 6, 100), 1);
    EXPECT_EQ(Dll().AlphaImageOnDC(Path("alpha.png").c_str(), canvas.Dc(), 5, 5, 1, 1, 100), 1);
    EXPECT_EQ(canvas.Snapshot(), before);
}

TEST_F(Exports, CaptureWritesTheFormatOfTheExtension)
{
    DibCanvas canvas(20, 10);
    canvas.Fill(0x00C0FF);
    canvas.Set(3, 2, 0xFF0000);
    struct Case {
        const char *name;
        int quality;
        const char *magic;
    } cases[] = {{"cap.jpg", 85, "\xFF\xD8"}, {"cap.JPEG", 85, "\xFF\xD8"}, {"cap.png", 85, "\x89PNG"},
                 {"cap.gif", 85, "GIF8"},     {"cap.tif", 85, "II"},        {"cap.bmp", 85, "BM"},
                 {"cap.tga", -1, "\x0C"}};
    for (const Case &c : cases) {
        const std::string path = Path(c.name);
        ASSERT_EQ(Dll().CaptureDCtoJPEG(canvas.Dc(), 2, 1, 12, 9, path.c_str(), c.quality), 1) << c.name;
        EXPECT_EQ(testsupport::ReadFileBytes(path).substr(0, strlen(c.magic)), c.magic) << c.name;
        int size[2] = {};
        ASSERT_EQ(Dll().GetImageSize(path.c_str(), size), 1) << c.name;
        EXPECT_EQ(size[0], 10);
        EXPECT_EQ(size[1], 8);
    }
    // The lossless ones keep the captured pixels: the red dot lands at (1, 1).
    for (const char *name : {"cap.png", "cap.bmp", "cap.tga", "cap.tif"}) {
        DibCanvas back(10, 8);
        ASSERT_EQ(Dll().DrawImageOnDC(Path(name).c_str(), back.Dc(), 0, 0), 1);
        GdiFlush();
        EXPECT_EQ(back.Pixel(1, 1), 0xFF0000u) << name;
        EXPECT_EQ(back.Pixel(9, 7), 0x00C0FFu) << name;
    }
}

TEST_F(Exports, JpegQualityReachesTheEncoderAndEveryQualitySaves)
{
    DibCanvas canvas(32, 32);
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++)
            canvas.Set(x, y, (x * 8) << 16 | (y * 8) << 8 | ((x ^ y) * 8));
    for (int quality : {10, 100, 0, -50, 250}) {
        const std::string path = Path("q" + std::to_string(quality) + ".jpg");
        EXPECT_EQ(Dll().CaptureDCtoJPEG(canvas.Dc(), 0, 0, 32, 32, path.c_str(), quality), 1) << quality;
        int size[2] = {};
        EXPECT_EQ(Dll().GetImageSize(path.c_str(), size), 1) << quality;
        EXPECT_EQ(size[0], 32);
    }
}

TEST_F(Exports, CaptureFailsWithoutTouchingAnyFile)
{
    DibCanvas canvas(8, 8);
    struct Case {
        const char *what;
        std::string name;
        RECT rc;
    } cases[] = {
        {"right equal to left", Path("empty.jpg"), {3, 0, 3, 5}},
        {"bottom equal to top", Path("flat.jpg"), {0, 4, 5, 4}},
        {"inverted", Path("inverted.jpg"), {5, 5, 0, 0}},
        {"no writer for pcx", Path("cap.pcx"), {0, 0, 4, 4}},
        {"unknown extension", Path("cap.xyz"), {0, 0, 4, 4}},
        {"no extension", Path("capture"), {0, 0, 4, 4}},
        {"folder missing", Path("nowhere\\cap.jpg"), {0, 0, 4, 4}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Dll().CaptureDCtoJPEG(canvas.Dc(), c.rc.left, c.rc.top, c.rc.right, c.rc.bottom, c.name.c_str(), 85), 0)
            << c.what;
        EXPECT_FALSE(testsupport::FileExists(c.name)) << c.what;
    }
    EXPECT_EQ(Dll().CaptureDCtoJPEG(canvas.Dc(), 0, 0, 4, 4, nullptr, 85), 0);

}

TEST_F(Exports, CapturedSinglePixelBmpIsFiftyEightBytes)
{
    DibCanvas canvas(4, 4);
    canvas.Fill(0x010203);
    ASSERT_EQ(Dll().CaptureDCtoJPEG(canvas.Dc(), 1, 1, 2, 2, Path("one.bmp").c_str(), 0), 1);
    const std::string bytes = testsupport::ReadFileBytes(Path("one.bmp"));
    ASSERT_EQ(bytes.size(), 58u);
    EXPECT_EQ(bytes.substr(54), std::string("\x03\x02\x01\x00", 4));
}

TEST_F(Exports, TgaCaptureQualityChoosesCompression)
{
    DibCanvas canvas(4, 2);
    canvas.Fill(0x336699);
    struct Case {
        int quality, imageType;
        size_t pixelBytes;
    } cases[] = {{-1, 2, 24}, {1, 10, 8}, {85, 2, 24}, {0, 2, 24}};
    for (const Case &c : cases) {
        const std::string path = Path("cap" + std::to_string(c.quality) + ".tga");
        ASSERT_EQ(Dll().CaptureDCtoJPEG(canvas.Dc(), 0, 0, 4, 2, path.c_str(), c.quality), 1) << c.quality;
        const std::string bytes = testsupport::ReadFileBytes(path);
        ASSERT_GE(bytes.size(), 30u);
        EXPECT_EQ(static_cast<unsigned char>(bytes[2]), c.imageType) << c.quality;
        EXPECT_EQ(bytes.size(), 18u + 12u + c.pixelBytes) << c.quality;
        DibCanvas back(4, 2);
        ASSERT_EQ(Dll().DrawImageOnDC(path.c_str(), back.Dc(), 0, 0), 1);
        GdiFlush();
        EXPECT_EQ(back.Pixel(3, 1), 0x336699u) << c.quality;
    }
}
