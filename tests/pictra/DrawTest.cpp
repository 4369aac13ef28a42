#include <gtest/gtest.h>

#include "FCImageDraw.h"
#include "FCObjImage.h"
#include "PictraFixtures.h"

using pictra_test::ColorAt;
using pictra_test::DibCanvas;

namespace {

// A picture whose every row has its own colour: row y is 0x0000yy * 16 + 0x100000.
void MakeRowStripes(FCObjImage &img, int w, int h, int bits)
{
    ASSERT_TRUE(img.CreateBlank(w, h, bits));
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            BYTE *p = img.PixelAt(x, y);
            p[0] = static_cast<BYTE>(y * 16);
            p[1] = static_cast<BYTE>(x * 16);
            p[2] = 0x10;
        }
    }
}

uint32_t StripeColor(int x, int y)
{
    return 0x100000 | (x * 16) << 8 | (y * 16);
}

}  // namespace

TEST(Draw, DrawImageAtPlacesRowsTopDownAndRestoresTheStretchMode)
{
    FCObjImage img;
    MakeRowStripes(img, 3, 4, 24);
    DibCanvas canvas(10, 10);
    canvas.Fill(0xABCDEF);
    SetStretchBltMode(canvas.Dc(), HALFTONE);
    DrawImageAt(img, canvas.Dc(), 5, 2);
    GdiFlush();
    EXPECT_EQ(GetStretchBltMode(canvas.Dc()), HALFTONE);
    EXPECT_EQ(canvas.Pixel(5, 2), StripeColor(0, 0));
    EXPECT_EQ(canvas.Pixel(7, 5), StripeColor(2, 3));
    EXPECT_EQ(canvas.Pixel(4, 2), 0xABCDEFu);
    EXPECT_EQ(canvas.Pixel(5, 6), 0xABCDEFu);
    EXPECT_EQ(canvas.Pixel(8, 2), 0xABCDEFu);
}

TEST(Draw, DrawImageAtShowsColourBytesOfTransparentPixels)
{
    FCObjImage img;
    MakeRowStripes(img, 2, 2, 32);
    img.SetAlphaChannel(0);
    DibCanvas canvas(4, 4);
    canvas.Fill(0xFFFFFF);
    DrawImageAt(img, canvas.Dc(), 0, 0);
    GdiFlush();
    EXPECT_EQ(canvas.Pixel(1, 1), StripeColor(1, 1));
}

TEST(Draw, DrawImageAtUsesThePaletteOfIndexedImages)
{
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(9, 1, 1));
    img.PixelAt(8, 0)[0] = 0x80;  // the ninth pixel: first bit of the second byte
    const RGBQUAD entries[2] = {{0, 0, 255, 0}, {255, 0, 0, 0}};
    img.SetPalette(0, 2, entries);
    DibCanvas canvas(9, 1);
    DrawImageAt(img, canvas.Dc(), 0, 0);
    GdiFlush();
    EXPECT_EQ(canvas.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(canvas.Pixel(8, 0), 0x0000FFu);
}

TEST(Draw, StretchOfTheTopFourRowsDrawsThemAndNothingElse)
{
    FCObjImage img;
    MakeRowStripes(img, 10, 10, 24);
    DibCanvas canvas(10, 10);
    canvas.Fill(0);
    StretchImageTo(img, canvas.Dc(), RECT{0, 0, 10, 4}, RECT{0, 0, 10, 4});
    GdiFlush();
    for (int y = 0; y < 4; y++)
        EXPECT_EQ(canvas.Pixel(3, y), StripeColor(3, y)) << y;
    EXPECT_EQ(canvas.Pixel(3, 4), 0u);

    // Doubling two source rows repeats each of them.
    StretchImageTo(img, canvas.Dc(), RECT{0, 0, 10, 4}, RECT{0, 5, 10, 7});
    GdiFlush();
    EXPECT_EQ(canvas.Pixel(0, 0), StripeColor(0, 5));
    EXPECT_EQ(canvas.Pixel(0, 1), StripeColor(0, 5));
    EXPECT_EQ(canvas.Pixel(0, 3), StripeColor(0, 6));
}

TEST(Draw, CaptureCopiesTheRectangleAs24Bits)
{
    DibCanvas canvas(8, 8);
    canvas.Fill(0x000000);
    canvas.Set(2, 3, 0x123456);
    canvas.Set(5, 6, 0xFEDCBA);
    FCObjImage img;
    ASSERT_TRUE(CaptureRect(img, canvas.Dc(), RECT{2, 3, 6, 7}));
    EXPECT_EQ(img.Width(), 4);
    EXPECT_EQ(img.Height(), 4);
    EXPECT_EQ(img.ColorBits(), 24);
    EXPECT_EQ(ColorAt(img, 0, 0), 0x123456u);
    EXPECT_EQ(ColorAt(img, 3, 3), 0xFEDCBAu);
    EXPECT_EQ(ColorAt(img, 1, 0), 0u);
}

TEST(Draw, CaptureRefusesEmptyRectanglesAndLeavesTheImage)
{
    DibCanvas canvas(8, 8);
    FCObjImage img;
    ASSERT_TRUE(img.CreateBlank(2, 2, 8));
    const RECT empty[] = {{3, 3, 3, 6}, {3, 3, 6, 3}, {5, 5, 1, 1}};
    for (const RECT &rc : empty) {
        EXPECT_FALSE(CaptureRect(img, canvas.Dc(), rc));
        EXPECT_EQ(img.Width(), 2);
        EXPECT_EQ(img.ColorBits(), 8);
    }
    // Larger than any bitmap can be: refused without touching the image.
    EXPECT_FALSE(CaptureRect(img, canvas.Dc(), RECT{-2147483647 - 1, 0, 2147483647, 10}));

    // A bitmap the platform can make but whose pixels the image refuses to hold: the old
    // pixels must not pass for a capture.
    EXPECT_FALSE(CaptureRect(img, canvas.Dc(), RECT{0, 0, 10000, 9000}));
}

TEST(Draw, AlphaDrawBlendsOnlyThirtyTwoBitImages)
{
    DibCanvas canvas(6, 6);
    canvas.Fill(0x000000);
    FCObjImage rgb;
    ASSERT_TRUE(rgb.CreateBlank(2, 2, 24));
    pictra_test::FillImage(rgb, 0xFFFFFF);
    AlphaDrawImage(rgb, canvas.Dc(), RECT{0, 0, 6, 6}, 100);
    GdiFlush();
    EXPECT_EQ(canvas.Pixel(2, 2), 0u);

    // A 2x1 picture, opaque red then half-transparent white, scaled into 4x2 at (1, 1).
    FCObjImage argb;
    ASSERT_TRUE(argb.CreateBlank(2, 1, 32));
    BYTE *p = argb.PixelAt(0, 0);
    p[2] = 0xFF, p[3] = 255;
    p = argb.PixelAt(1, 0);
    p[0] = p[1] = p[2] = 0xFF, p[3] = 128;
    SetStretchBltMode(canvas.Dc(), HALFTONE);
    AlphaDrawImage(argb, canvas.Dc(), RECT{1, 1, 5, 3}, 100);
    GdiFlush();
    EXPECT_EQ(GetStretchBltMode(canvas.Dc()), HALFTONE);
    EXPECT_EQ(canvas.Pixel(1, 1), 0xFF0000u);
    EXPECT_EQ(canvas.Pixel(2, 2), 0xFF0000u);
    EXPECT_EQ(canvas.Pixel(3, 1), 0x808080u);
    EXPECT_EQ(canvas.Pixel(4, 2), 0x808080u);
    EXPECT_EQ(canvas.Pixel(0, 0), 0u);
    EXPECT_EQ(canvas.Pixel(5, 3), 0u);
}
