#include <gtest/gtest.h>

#include "FCImageDraw.h"
#include "FCObjImage.h"
#include "PictraFixtures.h"

using pictra_test::ColorAt;

namespace {

// A 32-bit source whose pixels all have one colour and alpha.
void MakeSource(FCObjImage &img, int w, int h, uint32_t rgb, BYTE alpha)
{
    ASSERT_TRUE(img.CreateBlank(w, h, 32));
    pictra_test::FillImage(img, rgb);
    img.SetAlphaChannel(alpha);
}

void SetPixel(FCObjImage &img, int x, int y, uint32_t rgb, BYTE alpha)
{
    BYTE *p = img.PixelAt(x, y);
    p[0] = static_cast<BYTE>(rgb);
    p[1] = static_cast<BYTE>(rgb >> 8);
    p[2] = static_cast<BYTE>(rgb >> 16);
    p[3] = alpha;
}

}  // namespace

TEST(Blend, PixelBlendTruncatesTowardZeroAndKeepsTheFourthByte)
{
    struct Case {
        BYTE d, s;
        int a;
        BYTE expected;
    } cases[] = {{0, 255, 128, 128}, {255, 0, 128, 127}, {10, 200, 255, 200}, {10, 200, 0, 10},
                 {100, 101, 254, 100}, {101, 100, 254, 101}, {0, 255, 1, 1}};
    for (const Case &c : cases) {
        BYTE dest[4] = {c.d, c.d, c.d, 77};
        const BYTE src[4] = {c.s, c.s, c.s, 0};
        BlendPixel(dest, src, c.a);
        EXPECT_EQ(dest[0], c.expected) << int(c.d) << " " << int(c.s) << " " << c.a;
        EXPECT_EQ(dest[2], c.expected);
        EXPECT_EQ(dest[3], 77);
    }
}

TEST(Blend, OpacityScalesEachPixelsAlphaAndIsClamped)
{
    FCObjImage src;
    MakeSource(src, 2, 2, 0xFFFFFF, 255);
    SetPixel(src, 1, 1, 0xFFFFFF, 100);
    struct Case {
        int percent;
        uint32_t full, partial;  // results over black for alpha 255 and alpha 100
    } cases[] = {
        {100, 0xFFFFFF, 0x646464},  // 255 * 100 / 255
        {150, 0xFFFFFF, 0x646464},
        {50, 0x7F7F7F, 0x323232},   // effective alpha 127 and 50
        {0, 0x000000, 0x000000},
        {-5, 0x000000, 0x000000},
    };
    for (const Case &c : cases) {
        FCObjImage dest;
        ASSERT_TRUE(dest.CreateBlank(2, 2, 24));
        dest.BlendFrom(src, RECT{0, 0, 2, 2}, RECT{0, 0, 2, 2}, c.percent);
        EXPECT_EQ(ColorAt(dest, 0, 0), c.full) << c.percent;
        EXPECT_EQ(ColorAt(dest, 1, 1), c.partial) << c.percent;
    }
}

TEST(Blend, RefusedCombinationsChangeNothing)
{
    FCObjImage src32, src24;
    MakeSource(src32, 4, 4, 0xFFFFFF, 255);
    ASSERT_TRUE(src24.CreateBlank(4, 4, 24));
    pictra_test::FillImage(src24, 0xFFFFFF);

    struct Case {
        const char *what;
        const FCObjImage *src;
        int destBits;
        RECT dest, source;
    } cases[] = {
        {"source one pixel wider than the image", &src32, 24, {0, 0, 5, 4}, {0, 0, 5, 4}},
        {"source one pixel below the image", &src32, 24, {0, 0, 4, 4}, {0, 1, 4, 5}},
        {"negative source origin", &src32, 24, {0, 0, 4, 4}, {-1, 0, 3, 4}},
        {"empty source rectangle", &src32, 24, {0, 0, 4, 4}, {4, 0, 4, 4}},
        {"destination outside", &src32, 24, {4, 4, 8, 8}, {0, 0, 4, 4}},
        {"inverted destination", &src32, 24, {4, 4, 0, 0}, {0, 0, 4, 4}},
        {"source not 32-bit", &src24, 24, {0, 0, 4, 4}, {0, 0, 4, 4}},
        {"destination below 24 bits", &src32, 16, {0, 0, 4, 4}, {0, 0, 4, 4}},
    };
    for (const Case &c : cases) {
        FCObjImage dest;
        ASSERT_TRUE(dest.CreateBlank(4, 4, c.destBits));
        dest.BlendFrom(*c.src, c.dest, c.source, 100);
        for (size_t i = 0; i < dest.GetPixelBytes(); i++)
            ASSERT_EQ(dest.GetPixels()[i], 0) << c.what;
    }
    FCObjImage empty;
    empty.BlendFrom(src32, RECT{0, 0, 4, 4}, RECT{0, 0, 4, 4}, 100);
    EXPECT_FALSE(empty.HasPixels());
}

TEST(Blend, SameSizeBlendIsClippedToTheDestination)
{
    FCObjImage src;
    MakeSource(src, 3, 3, 0x000000, 255);
    SetPixel(src, 2, 2, 0x0000FF, 255);
    FCObjImage dest;
    ASSERT_TRUE(dest.CreateBlank(4, 4, 32));
    dest.SetAlphaChannel(9);
    // Only the source's bottom-right 2x2 lands inside; its blue corner goes to (1, 1).
    dest.BlendFrom(src, RECT{-1, -1, 2, 2}, RECT{0, 0, 3, 3}, 100);
    EXPECT_EQ(ColorAt(dest, 1, 1), 0x0000FFu);
    EXPECT_EQ(ColorAt(dest, 0, 0), 0x000000u);
    EXPECT_EQ(dest.PixelAt(1, 1)[3], 9);
}

TEST(Blend, ScaledBlendPicksNearestSourcePixels)
{
    // 2x2 source: red, green / blue, white.
    FCObjImage src;
    MakeSource(src, 2, 2, 0, 255);
    SetPixel(src, 0, 0, 0xFF0000, 255);
    SetPixel(src, 1, 0, 0x00FF00, 255);
    SetPixel(src, 0, 1, 0x0000FF, 255);
    SetPixel(src, 1, 1, 0xFFFFFF, 255);

    FCObjImage up;
    ASSERT_TRUE(up.CreateBlank(4, 4, 24));
    up.BlendFrom(src, RECT{0, 0, 4, 4}, RECT{0, 0, 2, 2}, 100);
    const uint32_t expected[4][4] = {{0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00},
                                     {0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00},
                                     {0x0000FF, 0x0000FF, 0xFFFFFF, 0xFFFFFF},
                                     {0x0000FF, 0x0000FF, 0xFFFFFF, 0xFFFFFF}};
    for (int y = 0; y < 4; y++)
        for (int x = 0; x < 4; x++)
            EXPECT_EQ(ColorAt(up, x, y), expected[y][x]) << x << "," << y;

    // Shrinking 4 columns into 2 takes columns 0 and 2; a sub-rectangle source is offset.
    FCObjImage wide;
    MakeSource(wide, 4, 1, 0, 255);
    SetPixel(wide, 0, 0, 0x111111, 255);
    SetPixel(wide, 1, 0, 0x222222, 255);
    SetPixel(wide, 2, 0, 0x333333, 255);
    SetPixel(wide, 3, 0, 0x444444, 255);
    FCObjImage down;
    ASSERT_TRUE(down.CreateBlank(2, 1, 24));
    down.BlendFrom(wide, RECT{0, 0, 2, 1}, RECT{0, 0, 4, 1}, 100);
    EXPECT_EQ(ColorAt(down, 0, 0), 0x111111u);
    EXPECT_EQ(ColorAt(down, 1, 0), 0x333333u);
    down.BlendFrom(wide, RECT{0, 0, 1, 1}, RECT{1, 0, 3, 1}, 100);
    EXPECT_EQ(ColorAt(down, 0, 0), 0x222222u);
}

TEST(Blend, HugeDestinationRectangleStaysInsideBothImages)
{
    FCObjImage src;
    MakeSource(src, 3, 3, 0x808080, 255);
    FCObjImage dest;
    ASSERT_TRUE(dest.CreateBlank(5, 5, 24));
    dest.BlendFrom(src, RECT{-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647}, RECT{0, 0, 3, 3}, 100);
    // The whole destination lies in the middle of the huge rectangle: the source's centre.
    EXPECT_EQ(ColorAt(dest, 0, 0), 0x808080u);
    EXPECT_EQ(ColorAt(dest, 4, 4), 0x808080u);
}
