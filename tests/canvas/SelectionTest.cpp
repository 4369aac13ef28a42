#include "CanvasFixture.h"

class Selection : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        m_pA = AddText({50, 150, 150, 200});
        m_pB = AddText({100, 170, 250, 230});  // over A, and current
        m_owner.selected.clear();
    }
    AdText *m_pA = nullptr;
    AdText *m_pB = nullptr;
};

TEST_F(Selection, CurrentObjectFirstThenTheOthersFromTheLast)
{
    // Where A and B overlap the current one wins, whichever it is.
    Click(120, 180);
    EXPECT_EQ(m_tpl.GetCurrent(), m_pB);
    Click(60, 160);
    EXPECT_EQ(m_tpl.GetCurrent(), m_pA);
    EXPECT_TRUE(m_pA->IsSelected());
    EXPECT_FALSE(m_pB->IsSelected());
    Click(120, 180);
    EXPECT_EQ(m_tpl.GetCurrent(), m_pA);
    // With neither current, the later one in the list (drawn on top) wins.
    m_tpl.SetCurrent(m_tpl.GetAdSense());
    Click(120, 180);
    EXPECT_EQ(m_tpl.GetCurrent(), m_pB);
    // A click on the current object is a drag without movement: it reports no selection.
    const std::vector<AdObj *> expected = {m_pA, m_pB};
    EXPECT_EQ(m_owner.selected, expected);
}

TEST_F(Selection, TheAdUnitWinsWhereverItLies)
{
    AdText *pInside = AddText({20, 20, 100, 60});
    ASSERT_EQ(m_tpl.GetCurrent(), pInside);
    Click(50, 40);
    EXPECT_EQ(m_tpl.GetCurrent(), m_tpl.GetAdSense());
    // One pixel around the rectangle still counts.
    m_tpl.SetCurrent(m_pA);
    Click(9, 9);
    EXPECT_EQ(m_tpl.GetCurrent(), m_tpl.GetAdSense());
}

TEST_F(Selection, ClickOnEmptySpaceChangesNothing)
{
    Click(900, 500);
    EXPECT_EQ(m_tpl.GetCurrent(), m_pB);
    EXPECT_TRUE(m_owner.selected.empty());
}

TEST_F(Selection, PressOnANonCurrentObjectSelectsOnReleaseAndDragsNothing)
{
    const RECT before = *m_pA->GetPos();
    Press(60, 160);
    EXPECT_NE(GetCapture(), Canvas());
    EXPECT_EQ(m_tpl.GetCurrent(), m_pB);
    MoveTo(80, 180);
    MoveTo(90, 190);
    Release(90, 190);
    EXPECT_TRUE(RectIs(*m_pA->GetPos(), before));
    EXPECT_EQ(m_tpl.GetCurrent(), m_pA);
    EXPECT_TRUE(m_owner.dragged.empty());
    EXPECT_EQ(m_owner.selected, std::vector<AdObj *>{m_pA});
    // Now that it is current, the same gesture moves it.
    Press(60, 160);
    EXPECT_EQ(GetCapture(), Canvas());
    MoveTo(90, 190);
    Release(90, 190);
    EXPECT_TRUE(RectIs(*m_pA->GetPos(), {80, 180, 180, 230}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Selection, DoubleClickSelectsAndAsksForTheProperties)
{
    DoubleClick(60, 160);
    EXPECT_EQ(m_tpl.GetCurrent(), m_pA);
    ASSERT_EQ(m_owner.doubleClicked.size(), 1u);
    EXPECT_EQ(m_owner.doubleClicked[0], m_pA);
    EXPECT_FALSE(m_owner.selected.empty());
    EXPECT_EQ(m_owner.selected.back(), m_pA);
    // Double-clicking empty space asks for nothing.
    DoubleClick(900, 500);
    EXPECT_EQ(m_owner.doubleClicked.size(), 1u);
}

TEST_F(Selection, LinesAndShadowsAreSelectedButNeverDragged)
{
    auto *pLine = new AdLine;
    pLine->SetStart(400, 300);
    pLine->SetEnd(500, 400);
    AddObject(pLine, {400, 300, 500, 400});
    auto *pShadow = AddObject(new AdShadow, {600, 300, 700, 400});
    for (AdObj *p : {static_cast<AdObj *>(pLine), static_cast<AdObj *>(pShadow)}) {
        const RECT before = *p->GetPos();
        const int x = before.left + 50, y = before.top + 50;
        Click(x, y);
        ASSERT_EQ(m_tpl.GetCurrent(), p);
        Hover(before.right, y);
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
        Press(x, y);
        EXPECT_NE(GetCapture(), Canvas());
        MoveTo(x + 20, y + 20);
        Release(x + 20, y + 20);
        EXPECT_TRUE(RectIs(*p->GetPos(), before));
    }
    EXPECT_EQ(pLine->m_ptStart.x, 400);
    EXPECT_EQ(pLine->m_ptEnd.y, 400);
    EXPECT_TRUE(m_owner.dragged.empty());
}

TEST_F(Selection, TheCanvasBelongsToItsWindow)
{
    struct Watched : AdEdit {
        bool *pGone;
        explicit Watched(bool *p) : pGone(p) {}
        ~Watched() override { *pGone = true; }
    };
    bool bGone = false;
    auto *pWatched = new Watched(&bGone);
    pWatched->SetTemplate(&m_tpl);
    RECT rc = {0, 0, 200, 100};
    ASSERT_TRUE(pWatched->Create(m_hParent, &rc));
    HWND hWnd = pWatched->GetHandle();
    EXPECT_EQ(GetWindowLongPtrA(hWnd, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(pWatched));
    char szClass[32] = {};
    GetClassNameA(hWnd, szClass, sizeof szClass);
    EXPECT_STREQ(szClass, "AdEdit_Class");
    EXPECT_TRUE(GetClassLongA(hWnd, GCL_STYLE) & CS_DBLCLKS);
    DestroyWindow(hWnd);
    EXPECT_TRUE(bGone);
}
