// The canvas against the real image library: the exported background is a JPEG of the
// right size with the objects where they belong, and pictures the library draws look the
// same whether they come from the file or from what the program remembered.
#include <gtest/gtest.h>

#include "AdEdit.h"
#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/PictraDrawCache.h"
#include "AdTemplate/TemplateExport.h"
#include "PictraUtil.h"
#include "PixelCanvas.h"
#include "TestSupport.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool Near(COLORREF a, COLORREF b, int nTolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

COLORREF Stripes(int x, int y)
{
    return (x / 5) & 1 ? RGB(250, 240, 10) : RGB(20, 40, 200);
}

class RealLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_binding.IsLoaded()) << "Pictra.dll is not beside the test program";
        m_strFolder = testsupport::MakeScratchFolder("export");
        CreateDirectoryA((testsupport::ExeFolder() + "Temp").c_str(), nullptr);
        ClearPictureCache();
    }
    void TearDown() override { ClearPictureCache(); }

    PictraUtil m_binding;
    std::string m_strFolder;
};

}  // namespace

TEST_F(RealLibrary, ExportWritesAJpegOfTheBoundsPlusMargins)
{
    AdSenseTemplate tpl;
    tpl.New();  // the ad unit at 10, 10, 738, 100
    auto *pFrame = new AdFrame;
    pFrame->m_rcPos = {10, 10, 110, 60};
    pFrame->m_crBack = RGB(220, 0, 0);
    pFrame->m_crLine = RGB(220, 0, 0);
    tpl.Add(pFrame);
    auto *pText = new AdText;
    pText->SetText("");
    pText->m_rcPos = {700, 60, 748, 110};
    pText->m_crBack = RGB(0, 0, 220);
    tpl.Add(pText);
    for (auto set : {&AdSenseTemplate::SetMarginLeft, &AdSenseTemplate::SetMarginTop,
                     &AdSenseTemplate::SetMarginRight, &AdSenseTemplate::SetMarginBottom})
        (tpl.*set)(5);

    AdEdit edit;
    edit.SetTemplate(&tpl);
    const std::string file = m_strFolder + "template.jpg";
    ASSERT_TRUE(edit.ExportImage(file.c_str(), 85));
    const std::string bytes = testsupport::ReadFileBytes(file);
    ASSERT_GT(bytes.size(), 4u);
    EXPECT_EQ((unsigned char)bytes[0], 0xFF);
    EXPECT_EQ((unsigned char)bytes[1], 0xD8);

    // Objects span 10..748 x 10..110: 748 x 110 with margins of 5.
    int size[2] = {0, 0};
    ASSERT_TRUE(m_binding.GetImageSize(file.c_str(), size));
    EXPECT_EQ(size[0], 748);
    EXPECT_EQ(size[1], 110);

    PixelCanvas pic(748, 110);
    ASSERT_TRUE(m_binding.DrawImageOnDC(file.c_str(), pic.DC(), 0, 0));
    EXPECT_TRUE(Near(pic.At(8, 8), RGB(220, 0, 0), 40));     // template (13, 13)
    EXPECT_TRUE(Near(pic.At(2, 2), RGB(255, 255, 255), 40));  // the margin
    EXPECT_TRUE(Near(pic.At(720, 90), RGB(0, 0, 220), 40));
    EXPECT_TRUE(Near(pic.At(400, 50), RGB(255, 255, 255), 20));  // the ad unit's place
}

// The picture and the page code describe one rectangle: the exported picture is exactly
// the code's table, with the objects where the code's paddings expect them, also when the
// margins stop at the plane's edge or an object lies beyond it.
TEST_F(RealLibrary, ExportedPictureIsTheCodesTable)
{
    const COLORREF kFrame = RGB(220, 0, 0);
    struct Case {
        const char *szWhat;
        RECT rcFrame;
        int nMargin;
        int nWidth, nHeight;  // the picture's size, worked out by hand
    } cases[] = {
        {"frame around the unit, margins stopped at 0", {8, 8, 740, 102}, 10, 750, 112},
        {"frame left of and above the plane", {-30, -15, 60, 40}, 10, 778, 125},
        {"no margins", {8, 8, 740, 102}, 0, 732, 94},
    };
    for (const Case &c : cases) {
        AdSenseTemplate tpl;
        tpl.New();  // the ad unit at 10, 10, 738, 100
        auto *pFrame = new AdFrame;
        pFrame->m_rcPos = c.rcFrame;
        pFrame->m_crBack = kFrame;
        pFrame->m_crLine = kFrame;
        tpl.Add(pFrame);
        tpl.SetCurrent(tpl.GetAdSense());  // the frame is drawn in list order, not on top
        for (auto set : {&AdSenseTemplate::SetMarginLeft, &AdSenseTemplate::SetMarginTop,
                         &AdSenseTemplate::SetMarginRight, &AdSenseTemplate::SetMarginBottom})
            (tpl.*set)(c.nMargin);

        const std::string file = m_strFolder + "table.jpg";
        ASSERT_TRUE(ExportTemplateImage(&tpl, file.c_str(), 85)) << c.szWhat;
        int size[2] = {0, 0};
        ASSERT_TRUE(m_binding.GetImageSize(file.c_str(), size)) << c.szWhat;
        EXPECT_EQ(size[0], c.nWidth) << c.szWhat;
        EXPECT_EQ(size[1], c.nHeight) << c.szWhat;
        int nTableWidth = 0, nTableHeight = 0, pad[4] = {};
        const std::string code = tpl.GetCode();
        ASSERT_EQ(sscanf(code.c_str(), "<table width=\"%d\" height=\"%d\"", &nTableWidth,
                         &nTableHeight), 2);
        const size_t at = code.find("padding-left:");
        ASSERT_NE(at, std::string::npos);
        ASSERT_EQ(sscanf(code.c_str() + at, "padding-left:%dpx;padding-top:%dpx;"
                         "padding-right:%dpx;padding-bottom:%dpx", &pad[0], &pad[1], &pad[2], &pad[3]), 4);
        EXPECT_EQ(nTableWidth, size[0]) << c.szWhat;
        EXPECT_EQ(nTableHeight, size[1]) << c.szWhat;
        EXPECT_EQ(pad[0] + 728 + pad[2], size[0]) << c.szWhat;
        EXPECT_EQ(pad[1] + 90 + pad[3], size[1]) << c.szWhat;

        // The frame's corner and the ad unit's place where the paddings put them.
        RECT rcPicture;
        tpl.GetPictureRect(&rcPicture);
        PixelCanvas pic(size[0], size[1]);
        ASSERT_TRUE(m_binding.DrawImageOnDC(file.c_str(), pic.DC(), 0, 0));
        const int fx = c.rcFrame.left - rcPicture.left, fy = c.rcFrame.top - rcPicture.top;
        EXPECT_TRUE(Near(pic.At(fx + 1, fy + 1), kFrame, 40)) << c.szWhat;
        if (fx > 1 && fy > 1)
            EXPECT_TRUE(Near(pic.At(fx - 2, fy - 2), RGB(255, 255, 255), 40)) << c.szWhat;
        EXPECT_EQ(10 - rcPicture.left, pad[0]) << c.szWhat;
        EXPECT_EQ(10 - rcPicture.top, pad[1]) << c.szWhat;
    }
}

TEST_F(RealLibrary, RememberedPicturesLookLikeTheFile)
{
    // A picture written by the library itself, then drawn both ways.
    PixelCanvas source(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            SetPixel(source.DC(), x, y, Stripes(x, y));
    // A copy as the program makes them: picture objects draw no other file.
    const std::string file = m_binding.MakeTempFileName(".jpg");
    ASSERT_TRUE(m_binding.CaptureDCtoJPEG(source.DC(), 0, 0, 40, 30, file.c_str(), 90));

    PixelCanvas direct(100, 80), remembered(100, 80);
    ASSERT_TRUE(m_binding.DrawImageOnDC(file.c_str(), direct.DC(), 7, 9));
    Pictra image;
    image.SetFile(file.c_str());
    image.m_rcPos = {7, 9, 47, 39};
    image.Draw(remembered.DC(), true);  // builds the copy
    remembered.Clear();
    image.Draw(remembered.DC(), true);  // draws from it
    EXPECT_EQ(GetPictureCacheCount(), 1);
    EXPECT_TRUE(remembered.SameAs(direct));
}
