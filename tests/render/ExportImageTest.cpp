#include <gtest/gtest.h>

#include "AdEdit.h"
#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "PixelCanvas.h"
#include "RenderEnvironment.h"
#include "TestSupport.h"

#include <memory>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 200, 0);

// Reads what the stand-in library wrote (a BMP, whatever the name says).
std::unique_ptr<PixelCanvas> ReadPicture(const std::string &file)
{
    HBITMAP h = static_cast<HBITMAP>(
        LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!h)
        return nullptr;
    BITMAP bm = {};
    GetObjectA(h, sizeof bm, &bm);
    auto canvas = std::make_unique<PixelCanvas>(bm.bmWidth, bm.bmHeight);
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, h);
    BitBlt(canvas->DC(), 0, 0, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(h);
    return canvas;
}

class ExportImage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(render::Binding(), nullptr);
        m_tpl.New();
        RECT unit = {100, 20, 828, 110};
        m_tpl.GetAdSense()->SetPos(&unit);

        // The text comes first in the list but is current, so it lies above the frame.
        m_pText = new AdText;
        m_pText->SetText("");
        m_pText->m_rcPos = {30, 30, 90, 50};
        m_pText->m_crBack = kGreen;
        m_tpl.Add(m_pText);
        m_pFrame = new AdFrame;
        m_pFrame->m_rcPos = {10, 10, 60, 60};
        m_pFrame->m_crBack = kRed;
        m_pFrame->m_crLine = kBlue;
        m_tpl.Add(m_pFrame);
        m_tpl.SetCurrent(m_pText);
        m_edit.SetTemplate(&m_tpl);
        m_strFile = render::Scratch() + "export.jpg";
        DeleteFileA(m_strFile.c_str());
    }

    void SetMargins(int m)
    {
        m_tpl.SetMarginLeft(m);
        m_tpl.SetMarginTop(m);
        m_tpl.SetMarginRight(m);
        m_tpl.SetMarginBottom(m);
    }

    AdSenseTemplate m_tpl;
    AdText *m_pText = nullptr;
    AdFrame *m_pFrame = nullptr;
    AdEdit m_edit;
    std::string m_strFile;
};

}  // namespace

TEST_F(ExportImage, BoundsPlusMarginsWithTheOriginMovedOut)
{
    SetMargins(5);
    ASSERT_TRUE(m_edit.ExportImage(m_strFile.c_str(), 77));
    EXPECT_EQ(render::LibraryLastQuality(), 77);
    auto pic = ReadPicture(m_strFile);
    ASSERT_TRUE(pic);
    // Objects span 10..828 x 10..110: 818 x 100 plus 5 on every side.
    EXPECT_EQ(pic->Width(), 828);
    EXPECT_EQ(pic->Height(), 110);
    // Template (10, 10) lands on (5, 5): the frame's border, then its fill.
    EXPECT_EQ(pic->At(5, 5), kBlue);
    EXPECT_EQ(pic->At(6, 6), kRed);
    EXPECT_TRUE(pic->AllOf({0, 0, 5, 110}, RGB(255, 255, 255)));
    // The current text lies above the frame where they overlap.
    EXPECT_EQ(pic->At(35, 35), kGreen);
    // The ad unit is never drawn: its place stays white.
    EXPECT_TRUE(pic->AllOf({95, 30, 823, 105}, RGB(255, 255, 255)));
    // No outline, dotted or solid, and no handle anywhere.
    EXPECT_EQ(pic->CountOf({0, 0, 828, 110}, RGB(0, 0, 0)), 0);
}

TEST_F(ExportImage, MarginZeroCoversExactlyTheObjects)
{
    SetMargins(0);
    ASSERT_TRUE(m_edit.ExportImage(m_strFile.c_str(), 85));
    auto pic = ReadPicture(m_strFile);
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->Width(), 818);
    EXPECT_EQ(pic->Height(), 100);
    EXPECT_EQ(pic->At(0, 0), kBlue);
}

TEST_F(ExportImage, CurrentObjectOnTopWhateverTheListOrder)
{
    m_tpl.SetCurrent(m_pFrame);
    ASSERT_TRUE(m_edit.ExportImage(m_strFile.c_str(), 85));
    auto pic = ReadPicture(m_strFile);
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->At(30, 30), kRed);
}

TEST_F(ExportImage, NothingIsWrittenWithoutABinding)
{
    render::DropBinding();
    const bool bWritten = m_edit.ExportImage(m_strFile.c_str(), 85);
    render::RestoreBinding();
    EXPECT_FALSE(bWritten);
    EXPECT_FALSE(testsupport::FileExists(m_strFile));
}

TEST_F(ExportImage, AnAreaTooLargeForABitmapIsRefusedQuietly)
{
    RECT huge = {0, 0, 2000000000, 2000000000};
    m_pFrame->SetPos(&huge);
    EXPECT_FALSE(m_edit.ExportImage(m_strFile.c_str(), 85));
    EXPECT_FALSE(testsupport::FileExists(m_strFile));
}
