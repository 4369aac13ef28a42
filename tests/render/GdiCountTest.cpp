#include <gtest/gtest.h>

#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/PictraDrawCache.h"
#include "GdiCounter.h"
#include "PictraUtil.h"
#include "PixelCanvas.h"
#include "RenderEnvironment.h"
#include "canvas/CanvasWindow.h"

namespace {

COLORREF Checker(int x, int y)
{
    return ((x / 4 + y / 4) & 1) ? RGB(200, 30, 30) : RGB(30, 30, 200);
}

}  // namespace

TEST(GdiCount, TheCounterSeesCreationAndDeletion)
{
    ASSERT_TRUE(gdicount::Install());
    const long before = gdicount::LiveObjects();
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    HFONT font = CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    EXPECT_EQ(gdicount::LiveObjects(), before + 2);
    DeleteObject(pen);
    DeleteObject(font);
    EXPECT_EQ(gdicount::LiveObjects(), before);
}

TEST(GdiCount, DrawingEveryKindTenThousandTimesKeepsTheCount)
{
    ASSERT_NE(render::Binding(), nullptr);
    const std::string picture = render::OwnCopyName(".bmp");
    ASSERT_TRUE(WriteBmp(picture, 24, 16, Checker));

    PixelCanvas canvas(200, 200);
    AdSense unit;
    unit.m_rcPos = {0, 0, 0, 0};
    unit.SetFormat(12);
    Pictra image;
    image.SetFile(picture.c_str());
    image.m_rcPos = {10, 10, 34, 26};
    AdText text;
    text.SetText("Counted & drawn");
    text.m_rcPos = {5, 50, 150, 70};
    AdLine line;
    line.SetStart(0, 0);
    line.SetEnd(150, 100);
    AdShadow shadow;
    shadow.m_rcPos = {20, 20, 60, 60};
    AdFrame frame;
    frame.m_rcPos = {30, 30, 120, 90};
    frame.m_nRoundCorner = 8;
    AdObj *objects[] = {&unit, &image, &text, &line, &shadow, &frame};

    // One round first: the caches each object keeps are built on the first draw.
    for (AdObj *p : objects) {
        p->SetSelected(true);
        p->Draw(canvas.DC(), false);
    }
    const long before = gdicount::LiveObjects();
    const DWORD systemBefore = gdicount::SystemCount();
    for (AdObj *p : objects) {
        for (int i = 0; i < 10000; ++i) {
            p->SetSelected(i & 1);
            p->Draw(canvas.DC(), (i & 2) != 0);
        }
        EXPECT_EQ(gdicount::LiveObjects(), before) << "type " << p->GetType();
    }
    // Where the system counts (Windows), it agrees.
    if (systemBefore) {
        EXPECT_EQ(gdicount::SystemCount(), systemBefore);
    }
    ClearPictureCache();
}

TEST(GdiCount, ObjectsReleaseTheirCachesAndTheCacheItsBitmaps)
{
    const std::string picture = render::OwnCopyName(".bmp");
    ASSERT_TRUE(WriteBmp(picture, 8, 8, Checker));
    ClearPictureCache();
    const long before = gdicount::LiveObjects();
    {
        PixelCanvas canvas(50, 50);
        AdText text;
        AdLine line;
        AdFrame frame;
        AdSense unit;
        Pictra image;
        image.SetFile(picture.c_str());
        AdObj *objects[] = {&text, &line, &frame, &unit, &image};
        for (AdObj *p : objects)
            p->Draw(canvas.DC(), false);
        EXPECT_GT(gdicount::LiveObjects(), before);
    }
    ClearPictureCache();
    EXPECT_EQ(gdicount::LiveObjects(), before);
}

TEST(GdiCount, PicturesNoLongerInTheTemplateGiveTheirBitmapsBack)
{
    ClearPictureCache();
    AdSenseTemplate tpl;
    tpl.New();
    Pictra *pictures[3];
    for (int i = 0; i < 3; ++i) {
        const std::string file = render::OwnCopyName(".bmp");
        ASSERT_TRUE(WriteBmp(file, 16 + i, 16, Checker));
        pictures[i] = new Pictra;
        pictures[i]->SetFile(file.c_str());
        pictures[i]->m_rcPos = {10 + 40 * i, 120, 26 + 41 * i, 136};
        tpl.Add(pictures[i]);
    }
    PixelCanvas canvas(200, 200);
    const long before = gdicount::LiveObjects();
    // What a canvas does on each paint.
    auto paint = [&] { canvas::DrawCanvasObjects(&tpl, canvas.DC(), 0, 0, true); };
    paint();
    ASSERT_EQ(GetPictureCacheCount(), 3);
    const long withAll = gdicount::LiveObjects();
    ASSERT_GT(withAll, before);

    // A deleted picture, and one given another file: their bitmaps go at the next paint.
    ASSERT_TRUE(tpl.Delete(pictures[0]));
    const std::string other = render::OwnCopyName(".bmp");
    ASSERT_TRUE(WriteBmp(other, 8, 8, Checker));
    pictures[1]->SetFile(other.c_str());
    paint();
    EXPECT_EQ(GetPictureCacheCount(), 2);
    EXPECT_EQ(gdicount::LiveObjects(), withAll - 1);

    // A new template: none of the old pictures is drawn any more.
    tpl.New();
    paint();
    EXPECT_EQ(GetPictureCacheCount(), 0);
    EXPECT_EQ(gdicount::LiveObjects(), before);
}
