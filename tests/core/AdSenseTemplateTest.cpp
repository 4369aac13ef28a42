#include <gtest/gtest.h>

#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "misc/WinUtil.h"

#include <string>
#include <vector>

namespace {

std::vector<AdObj *> Objects(AdSenseTemplate &t)
{
    std::vector<AdObj *> objs;
    for (AdObj *p = t.GetFirst(); p; p = t.GetNext())
        objs.push_back(p);
    return objs;
}

// The current object is the only selected one, and it belongs to the template.
void ExpectSelectionInvariant(AdSenseTemplate &t)
{
    int nSelected = 0;
    bool bCurrentFound = t.GetCurrent() == nullptr;
    for (AdObj *p : Objects(t)) {
        if (p->IsSelected()) {
            nSelected++;
            EXPECT_EQ(p, t.GetCurrent());
        }
        if (p == t.GetCurrent())
            bCurrentFound = true;
    }
    EXPECT_EQ(nSelected, t.GetCurrent() ? 1 : 0);
    EXPECT_TRUE(bCurrentFound);
}

AdText *NewText(AdSenseTemplate &t, LONG l, LONG top, LONG r, LONG b)
{
    AdText *pText = new AdText;
    pText->SetName(t.MakeName(OBJ_TEXT));
    RECT rc = {l, top, r, b};
    pText->SetPos(&rc);
    t.Add(pText);
    return pText;
}

// A shadow that counts its destructions, to see the template destroy each object once.
class CountedShadow : public AdShadow {
public:
    explicit CountedShadow(int *pDestroyed) : m_pDestroyed(pDestroyed) {}
    ~CountedShadow() override { ++*m_pDestroyed; }

private:
    int *m_pDestroyed;
};

}  // namespace

TEST(AdSenseTemplate, DestroysEveryObjectItHoldsOnce)
{
    int nDestroyed = 0;
    {
        AdSenseTemplate t;
        t.New();
        CountedShadow *pFirst = new CountedShadow(&nDestroyed);
        t.Add(pFirst);
        t.Add(new CountedShadow(&nDestroyed));
        ASSERT_TRUE(t.Delete(pFirst));
        EXPECT_EQ(nDestroyed, 1);
        EXPECT_FALSE(t.Delete(pFirst));
        t.New();
        EXPECT_EQ(nDestroyed, 2);
        t.Add(new CountedShadow(&nDestroyed));
        t.Add(new CountedShadow(&nDestroyed));
    }
    EXPECT_EQ(nDestroyed, 4);
}

TEST(AdSenseTemplate, ConstructionHoldsAnUnplacedPlaceholder)
{
    AdSenseTemplate t;
    ASSERT_EQ(t.GetCount(), 1u);
    AdSense *pAd = t.GetAdSense();
    ASSERT_NE(pAd, nullptr);
    EXPECT_EQ(t.GetFirst(), pAd);
    EXPECT_EQ(pAd->m_rcPos.right, 0);
    EXPECT_EQ(pAd->m_nAdCount, 0);
    EXPECT_STREQ(t.GetFilePath(), "");
    EXPECT_EQ(t.GetMarginLeft() + t.GetMarginRight() + t.GetMarginTop() + t.GetMarginBottom(), 0);
    EXPECT_FALSE(t.IsModified());
    // It came in through Add, so it is the current object.
    EXPECT_EQ(t.GetCurrent(), pAd);
    ExpectSelectionInvariant(t);
}

TEST(AdSenseTemplate, NewTemplateDefaults)
{
    AdSenseTemplate t;
    t.SetModified(true);
    t.New();
    ASSERT_EQ(t.GetCount(), 1u);
    AdSense *pAd = t.GetAdSense();
    ASSERT_NE(pAd, nullptr);
    EXPECT_EQ(t.GetFirst(), pAd);
    EXPECT_EQ(t.GetCurrent(), pAd);
    EXPECT_TRUE(pAd->IsSelected());
    EXPECT_STREQ(pAd->GetName(), "AdSense Content");
    EXPECT_EQ(pAd->m_rcPos.left, 10);
    EXPECT_EQ(pAd->m_rcPos.top, 10);
    EXPECT_EQ(pAd->m_rcPos.right, 738);
    EXPECT_EQ(pAd->m_rcPos.bottom, 100);
    EXPECT_EQ(pAd->m_nAdCount, 4);
    EXPECT_EQ(std::string(t.GetFilePath()), std::string(GetProgramFolder()) + "output\\noname.atp");
    EXPECT_FALSE(t.IsModified());
}

TEST(AdSenseTemplate, NewKeepsMarginsAndReplacesObjects)
{
    AdSenseTemplate t;
    t.New();
    t.SetMarginLeft(4);
    NewText(t, 0, 0, 5, 5);
    t.New();
    EXPECT_EQ(t.GetCount(), 1u);
    EXPECT_EQ(t.GetMarginLeft(), 4);
    EXPECT_NE(t.GetAdSense(), nullptr);
    EXPECT_EQ(t.GetFirst(), t.GetAdSense());
}

TEST(AdSenseTemplate, AddMakesCurrentAndModified)
{
    AdSenseTemplate t;
    t.New();
    AdText *pText = NewText(t, 0, 0, 10, 10);
    EXPECT_EQ(t.GetCurrent(), pText);
    EXPECT_TRUE(pText->IsSelected());
    EXPECT_FALSE(t.GetAdSense()->IsSelected());
    EXPECT_TRUE(t.IsModified());
    ExpectSelectionInvariant(t);
    EXPECT_EQ(Objects(t), (std::vector<AdObj *>{t.GetAdSense(), pText}));

    t.SetModified(false);
    EXPECT_EQ(t.Add(nullptr), nullptr);
    // Holding one object twice would destroy it twice.
    EXPECT_EQ(t.Add(pText), nullptr);
    EXPECT_EQ(t.GetCount(), 2u);
    EXPECT_FALSE(t.IsModified());
}

TEST(AdSenseTemplate, DeleteMovesCurrentToLastObject)
{
    AdSenseTemplate t;
    t.New();
    AdText *pText1 = NewText(t, 0, 0, 10, 10);
    AdFrame *pFrame = new AdFrame;
    t.Add(pFrame);
    AdText *pText2 = NewText(t, 0, 0, 10, 10);

    t.SetModified(false);
    t.SetCurrent(pText1);
    EXPECT_FALSE(t.IsModified());
    EXPECT_FALSE(pText2->IsSelected());
    ExpectSelectionInvariant(t);

    // Deleting an object that is not current still makes the last one current.
    ASSERT_TRUE(t.Delete(pFrame));
    EXPECT_EQ(t.GetCurrent(), pText2);
    EXPECT_TRUE(t.IsModified());
    ExpectSelectionInvariant(t);

    ASSERT_TRUE(t.Delete(pText2));
    EXPECT_EQ(t.GetCurrent(), pText1);
    ExpectSelectionInvariant(t);

    ASSERT_TRUE(t.Delete(pText1));
    EXPECT_EQ(t.GetCurrent(), t.GetAdSense());
    EXPECT_TRUE(t.GetAdSense()->IsSelected());
    EXPECT_EQ(t.GetCount(), 1u);
}

TEST(AdSenseTemplate, DeleteOrSelectForeignObjectChangesNothing)
{
    AdSenseTemplate t;
    t.New();
    AdText stranger;
    t.SetModified(false);
    EXPECT_FALSE(t.Delete(&stranger));
    EXPECT_FALSE(t.Delete(nullptr));
    EXPECT_FALSE(t.IsModified());
    t.SetCurrent(&stranger);
    t.SetCurrent(nullptr);
    EXPECT_EQ(t.GetCurrent(), t.GetAdSense());
    EXPECT_FALSE(stranger.IsSelected());
    EXPECT_FALSE(t.IsModified());
}

TEST(AdSenseTemplate, DeletingThePlaceholderLeavesNoDanglingReference)
{
    AdSenseTemplate t;
    t.New();
    AdText *pText = NewText(t, 0, 0, 10, 10);
    ASSERT_TRUE(t.Delete(t.GetAdSense()));
    EXPECT_EQ(t.GetAdSense(), nullptr);
    EXPECT_EQ(t.GetCurrent(), pText);
    EXPECT_STREQ(t.GetCode(), "");
}

TEST(AdSenseTemplate, ClearEmptiesEverything)
{
    AdSenseTemplate t;
    t.New();
    NewText(t, 0, 0, 10, 10);
    t.Clear();
    EXPECT_EQ(t.GetCount(), 0u);
    EXPECT_EQ(t.GetFirst(), nullptr);
    EXPECT_EQ(t.GetCurrent(), nullptr);
    EXPECT_EQ(t.GetAdSense(), nullptr);
}

TEST(AdSenseTemplate, WalksBothWays)
{
    AdSenseTemplate t;
    t.New();
    AdText *pText = NewText(t, 0, 0, 10, 10);
    AdFrame *pFrame = new AdFrame;
    t.Add(pFrame);
    EXPECT_EQ(Objects(t), (std::vector<AdObj *>{t.GetAdSense(), pText, pFrame}));
    std::vector<AdObj *> back;
    for (AdObj *p = t.GetLast(); p; p = t.GetPrev())
        back.push_back(p);
    EXPECT_EQ(back, (std::vector<AdObj *>{pFrame, pText, t.GetAdSense()}));
}

TEST(AdSenseTemplate, MakeNameCountsObjectsOfTheKind)
{
    AdSenseTemplate t;
    t.New();
    EXPECT_STREQ(t.MakeName(OBJ_LINE), "Line 1");
    t.Add(new AdLine);
    t.Add(new AdLine);
    EXPECT_STREQ(t.MakeName(OBJ_LINE), "Line 3");
    struct Case { int nType; const char *szName; } cases[] = {
        {OBJ_IMAGE, "Image 1"}, {OBJ_TEXT, "Text 1"}, {OBJ_SHADOW, "Shadow 1"}, {OBJ_FRAME, "Frame 1"},
    };
    for (const Case &c : cases)
        EXPECT_STREQ(t.MakeName(c.nType), c.szName);

    // Names may repeat once an earlier object is gone.
    AdText *pText1 = NewText(t, 0, 0, 1, 1);
    AdText *pText2 = NewText(t, 0, 0, 1, 1);
    EXPECT_STREQ(pText1->GetName(), "Text 1");
    EXPECT_STREQ(pText2->GetName(), "Text 2");
    t.Delete(pText1);
    EXPECT_STREQ(t.MakeName(OBJ_TEXT), "Text 2");
}

TEST(AdSenseTemplate, BoundsAndSizeOfTheUnion)
{
    AdSenseTemplate t;
    t.New();
    int l = -1, top = -1, r = -1, b = -1;
    EXPECT_TRUE(t.GetBounds(&l, &top, &r, &b));
    EXPECT_EQ(l, 10);
    EXPECT_EQ(top, 10);
    EXPECT_EQ(r, 738);
    EXPECT_EQ(b, 100);
    int w = 0, h = 0;
    t.GetSize(&w, &h, false);
    EXPECT_EQ(w, 728);
    EXPECT_EQ(h, 90);
    t.GetSize(&w, &h, true);
    EXPECT_EQ(w, 738);
    EXPECT_EQ(h, 100);
    // Every output is optional.
    EXPECT_TRUE(t.GetBounds(nullptr, nullptr, &r, nullptr));
    EXPECT_TRUE(t.GetSize(nullptr, &h, false));
    EXPECT_TRUE(t.GetPictureSize(nullptr, nullptr));

    // Objects of any kind count, shadows included.
    AdShadow *pShadow = new AdShadow;
    RECT rc = {800, 5, 900, 50};
    pShadow->SetPos(&rc);
    t.Add(pShadow);
    t.GetBounds(&l, &top, &r, &b);
    EXPECT_EQ(l, 10);
    EXPECT_EQ(top, 5);
    EXPECT_EQ(r, 900);
    EXPECT_EQ(b, 100);
}

TEST(AdSenseTemplate, PictureSizeGrowsByMarginsWithinThePlane)
{
    AdSenseTemplate t;
    t.New();
    for (auto set : {&AdSenseTemplate::SetMarginLeft, &AdSenseTemplate::SetMarginRight,
                     &AdSenseTemplate::SetMarginTop, &AdSenseTemplate::SetMarginBottom})
        (t.*set)(20);
    int w = 0, h = 0;
    t.GetPictureSize(&w, &h);
    // Left and top stop at 0 (not -10); right and bottom grow by the full margin.
    EXPECT_EQ(w, 738 + 20);
    EXPECT_EQ(h, 100 + 20);

    for (auto set : {&AdSenseTemplate::SetMarginLeft, &AdSenseTemplate::SetMarginRight,
                     &AdSenseTemplate::SetMarginTop, &AdSenseTemplate::SetMarginBottom})
        (t.*set)(5);
    t.GetPictureSize(&w, &h);
    EXPECT_EQ(w, 738);
    EXPECT_EQ(h, 100);
}

TEST(AdSenseTemplate, MarginSettersClampAndLeaveModifiedAlone)
{
    AdSenseTemplate t;
    t.New();
    EXPECT_GE(t.GetMaxMargin(), 10);
    struct Case { int nIn; int nOut; } cases[] = {
        {0, 0}, {10, 10}, {-1, 0}, {-100000, 0},
        {t.GetMaxMargin(), t.GetMaxMargin()}, {t.GetMaxMargin() + 1, t.GetMaxMargin()},
        {0x7FFFFFFF, t.GetMaxMargin()},
    };
    for (const Case &c : cases) {
        t.SetMarginLeft(c.nIn);
        t.SetMarginRight(c.nIn);
        t.SetMarginTop(c.nIn);
        t.SetMarginBottom(c.nIn);
        EXPECT_EQ(t.GetMarginLeft(), c.nOut) << c.nIn;
        EXPECT_EQ(t.GetMarginRight(), c.nOut) << c.nIn;
        EXPECT_EQ(t.GetMarginTop(), c.nOut) << c.nIn;
        EXPECT_EQ(t.GetMarginBottom(), c.nOut) << c.nIn;
    }
    EXPECT_FALSE(t.IsModified());
}

TEST(AdSenseTemplate, HugeCoordinatesDoNotWrapTheSizes)
{
    AdSenseTemplate t;
    t.New();
    AdShadow *pShadow = new AdShadow;
    RECT rc = {-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647};
    pShadow->SetPos(&rc);
    t.Add(pShadow);
    int w = 0, h = 0;
    t.GetSize(&w, &h, false);
    EXPECT_EQ(w, 2147483647);
    EXPECT_EQ(h, 2147483647);
    t.SetMarginRight(10);
    t.GetPictureSize(&w, &h);
    EXPECT_EQ(w, 2147483647);
    EXPECT_EQ(h, 2147483647);
}
