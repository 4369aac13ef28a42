#include <gtest/gtest.h>

#include "AdTemplate/Pictra.h"
#include "AdTemplate/PictraDrawCache.h"
#include "PictraUtil.h"
#include "PixelCanvas.h"
#include "RenderEnvironment.h"
#include "TestSupport.h"

namespace {

COLORREF Gradient(int x, int y)
{
    return RGB(x * 8, y * 8, 128);
}

COLORREF Green(int, int)
{
    return RGB(0, 160, 0);
}

class PictureDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(render::Binding(), nullptr);
        ASSERT_GE(render::LibraryDrawCalls(), 0) << "the stand-in library is not loaded";
        ClearPictureCache();
        m_strFile = render::OwnCopyName(".bmp");
        ASSERT_TRUE(WriteBmp(m_strFile, 20, 12, Gradient));
        m_image.SetFile(m_strFile.c_str());
        m_image.m_rcPos = {10, 15, 60, 45};
    }
    void TearDown() override { ClearPictureCache(); }

    std::string m_strFile;
    Pictra m_image;
};

}  // namespace

TEST_F(PictureDraw, DrawsAtItsNaturalSizeFromTheTopLeftCorner)
{
    PixelCanvas canvas(100, 80);
    ASSERT_TRUE(m_image.Draw(canvas.DC(), true));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(canvas.At(10 + x, 15 + y), Gradient(x, y)) << x << "," << y;
    // Not stretched to the rectangle, nothing outside the picture.
    EXPECT_TRUE(canvas.IsWhite(30, 20));
    EXPECT_TRUE(canvas.IsWhite(15, 27));
    EXPECT_TRUE(canvas.IsWhite(9, 15));
}

TEST_F(PictureDraw, PaintsOverItsOutline)
{
    PixelCanvas canvas(100, 80);
    m_image.SetSelected(true);
    m_image.Draw(canvas.DC(), false);
    // The outline's top-left is under the picture; its right side and handles remain.
    EXPECT_EQ(canvas.At(10, 15), Gradient(0, 0));
    EXPECT_EQ(canvas.At(11, 14), RGB(0, 0, 0));
    EXPECT_TRUE(canvas.AllOf({60, 20, 61, 40}, RGB(0, 0, 0)));
    EXPECT_TRUE(canvas.AllOf({58, 43, 62, 47}, RGB(0, 0, 0)));
}

TEST_F(PictureDraw, DecodesOnceAndCopiesTheSamePixelsAfterwards)
{
    PixelCanvas direct(100, 80), first(100, 80), later(100, 80);
    ASSERT_TRUE(render::Binding()->DrawImageOnDC(m_strFile.c_str(), direct.DC(), 10, 15));
    const long drawsBefore = render::LibraryDrawCalls();
    const long sizesBefore = render::LibrarySizeCalls();
    m_image.Draw(first.DC(), true);
    EXPECT_EQ(render::LibraryDrawCalls() - drawsBefore, 1);
    EXPECT_EQ(render::LibrarySizeCalls() - sizesBefore, 0) << "the first paint measures by drawing";
    for (int i = 0; i < 20; ++i) {
        later.Clear();
        m_image.Draw(later.DC(), true);
    }
    EXPECT_EQ(render::LibraryDrawCalls() - drawsBefore, 1);
    EXPECT_EQ(render::LibrarySizeCalls() - sizesBefore, 0);
    EXPECT_TRUE(first.SameAs(direct));
    EXPECT_TRUE(later.SameAs(direct));
    EXPECT_EQ(GetPictureCacheCount(), 1);
}

TEST_F(PictureDraw, ARewrittenFileIsDrawnAgain)
{
    PixelCanvas canvas(100, 80);
    m_image.Draw(canvas.DC(), true);
    // A different size and content: the file's stamp changes even within one clock tick.
    ASSERT_TRUE(WriteBmp(m_strFile, 30, 6, Green));
    canvas.Clear();
    m_image.Draw(canvas.DC(), true);
    EXPECT_EQ(canvas.At(10, 15), RGB(0, 160, 0));
    EXPECT_EQ(canvas.At(39, 20), RGB(0, 160, 0));
    EXPECT_TRUE(canvas.IsWhite(10, 21));
    EXPECT_EQ(GetPictureCacheCount(), 1);
}

TEST_F(PictureDraw, MissingOrBrokenFilesLeaveOnlyTheOutline)
{
    const std::string broken = render::OwnCopyName(".bmp");
    ASSERT_TRUE(testsupport::WriteFileBytes(broken, "BM not really a bitmap"));
    const std::string missing = render::OwnCopyName(".bmp");
    ASSERT_TRUE(DeleteFileA(missing.c_str()));
    for (const std::string &file : {broken, missing, std::string()}) {
        PixelCanvas canvas(100, 80);
        m_image.SetFile(file.c_str());
        EXPECT_TRUE(m_image.Draw(canvas.DC(), true)) << file;
        EXPECT_TRUE(canvas.AllOf({0, 0, 100, 80}, RGB(255, 255, 255))) << file;
        m_image.Draw(canvas.DC(), false);
        EXPECT_GT(canvas.CountOf({0, 0, 100, 80}, RGB(0, 0, 0)), 0) << file;
    }
    // The broken file is not decoded again on every paint.
    m_image.SetFile(broken.c_str());
    PixelCanvas canvas(100, 80);
    const long before = render::LibrarySizeCalls() + render::LibraryDrawCalls();
    m_image.Draw(canvas.DC(), true);
    m_image.Draw(canvas.DC(), true);
    EXPECT_EQ(render::LibrarySizeCalls() + render::LibraryDrawCalls(), before);
}

TEST_F(PictureDraw, TheCacheStaysBounded)
{
    PixelCanvas canvas(100, 80);
    for (int i = 0; i < 40; ++i) {
        const std::string file = render::OwnCopyName(".bmp");
        ASSERT_TRUE(WriteBmp(file, 4, 4, Green));
        m_image.SetFile(file.c_str());
        m_image.Draw(canvas.DC(), true);
    }
    EXPECT_LE(GetPictureCacheCount(), 32);
    EXPECT_GT(GetPictureCacheCount(), 0);
}

TEST_F(PictureDraw, NothingWithoutABinding)
{
    PixelCanvas canvas(100, 80);
    render::DropBinding();
    const bool bDrawn = m_image.Draw(canvas.DC(), true);
    render::RestoreBinding();
    EXPECT_TRUE(bDrawn);
    EXPECT_TRUE(canvas.AllOf({0, 0, 100, 80}, RGB(255, 255, 255)));
    EXPECT_EQ(GetPictureCacheCount(), 0);
}

TEST_F(PictureDraw, ABusyFileIsTriedAgainAtTheNextPaint)
{
    // Another program (a virus scanner looking at a fresh copy) holds the file unshared.
    HANDLE hBusy = CreateFileA(m_strFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hBusy, INVALID_HANDLE_VALUE);
    PixelCanvas canvas(100, 80);
    m_image.Draw(canvas.DC(), true);
    EXPECT_TRUE(canvas.AllOf({0, 0, 100, 80}, RGB(255, 255, 255)));
    CloseHandle(hBusy);

    m_image.Draw(canvas.DC(), true);
    EXPECT_EQ(canvas.At(10, 15), Gradient(0, 0));
    EXPECT_EQ(canvas.At(29, 26), Gradient(19, 11));
    EXPECT_EQ(GetPictureCacheCount(), 1);
}

TEST_F(PictureDraw, DrawsOnlyCopiesTheProgramMade)
{
    // A path read from a template file may name any file; a valid picture elsewhere, or one
    // named like our copies but never claimed by this run, is not drawn.
    const std::string elsewhere = render::Scratch() + "elsewhere.bmp";
    const std::string unclaimed = testsupport::ExeFolder() + "Temp\\temp999999.bmp";
    for (const std::string &file : {elsewhere, unclaimed}) {
        ASSERT_TRUE(WriteBmp(file, 20, 12, Gradient));
        m_image.SetFile(file.c_str());
        const long callsBefore = render::LibraryDrawCalls() + render::LibrarySizeCalls();
        PixelCanvas canvas(100, 80);
        EXPECT_TRUE(m_image.Draw(canvas.DC(), true)) << file;
        EXPECT_TRUE(canvas.AllOf({0, 0, 100, 80}, RGB(255, 255, 255))) << file;
        EXPECT_EQ(render::LibraryDrawCalls() + render::LibrarySizeCalls(), callsBefore) << file;
        m_image.Draw(canvas.DC(), false);
        EXPECT_GT(canvas.CountOf({0, 0, 100, 80}, RGB(0, 0, 0)), 0) << "the outline remains";
    }
    DeleteFileA(unclaimed.c_str());
    EXPECT_EQ(GetPictureCacheCount(), 0);
}
