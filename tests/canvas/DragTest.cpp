#include "CanvasFixture.h"

namespace {

const RECT kStart = {200, 200, 300, 260};

struct DragCase {
    const char *what;
    int px, py;  // where the press lands
    int dx, dy;  // how far the mouse goes, in two moves
    RECT expected;
};

}  // namespace

class Drag : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        m_pText = AddText(kStart);
    }

    void Run(const DragCase &c)
    {
        m_pText->SetPos(&kStart);
        Press(c.px, c.py);
        MoveTo(c.px + c.dx / 2, c.py + c.dy / 2);
        MoveTo(c.px + c.dx, c.py + c.dy);
        Release(c.px + c.dx, c.py + c.dy);
    }

    AdText *m_pText = nullptr;
};

TEST_F(Drag, MoveAndTheEightResizeModes)
{
    const DragCase cases[] = {
        {"move", 250, 230, 30, 20, {230, 220, 330, 280}},
        {"top", 250, 200, 8, -16, {200, 184, 300, 260}},
        {"bottom", 250, 260, 8, 10, {200, 200, 300, 270}},
        {"left", 200, 230, -10, 6, {190, 200, 300, 260}},
        {"right", 300, 230, 24, 6, {200, 200, 324, 260}},
        {"top-right", 300, 200, 10, -10, {200, 190, 310, 260}},
        {"bottom-left", 200, 260, -10, 10, {190, 200, 300, 270}},
        {"top-left", 200, 200, -6, -6, {194, 194, 300, 260}},
        {"bottom-right", 300, 260, 6, 6, {200, 200, 306, 266}},
    };
    for (const DragCase &c : cases) {
        const size_t nDragged = m_owner.dragged.size();
        Run(c);
        EXPECT_TRUE(RectIs(*m_pText->GetPos(), c.expected)) << c.what;
        // Each changing step tells the owner; the selection stays.
        EXPECT_EQ(m_owner.dragged.size(), nDragged + 2) << c.what;
        EXPECT_EQ(m_tpl.GetCurrent(), m_pText) << c.what;
        EXPECT_EQ(GetCapture(), nullptr) << c.what;
    }
    EXPECT_TRUE(m_owner.selected.empty());
}

TEST_F(Drag, ResizingStopsAtTwoPixels)
{
    const DragCase cases[] = {
        {"bottom past top", 250, 260, 0, -200, {200, 200, 300, 202}},
        {"top past bottom", 250, 200, 0, 200, {200, 258, 300, 260}},
        {"right past left", 300, 230, -300, 0, {200, 200, 202, 260}},
        {"left past right", 200, 230, 300, 0, {298, 200, 300, 260}},
        {"corner past corner", 300, 260, -400, -400, {200, 200, 202, 202}},
    };
    for (const DragCase &c : cases) {
        Run(c);
        EXPECT_TRUE(RectIs(*m_pText->GetPos(), c.expected)) << c.what;
    }
}

TEST_F(Drag, MovingStopsAtTheOriginAndFollowsBackAtOnce)
{
    Press(250, 230);
    MoveTo(-150, -170);
    EXPECT_TRUE(RectIs(*m_pText->GetPos(), {0, 0, 100, 60}));
    // The pointer no longer sits where it took hold: back right moves the object at once.
    MoveTo(-140, -170);
    EXPECT_TRUE(RectIs(*m_pText->GetPos(), {10, 0, 110, 60}));
    Release(-140, -170);
    // Resizing stops at 0 as well (above the ad unit, which would take the press).
    Press(10, 5);
    MoveTo(-50, 5);
    Release(-50, 5);
    EXPECT_TRUE(RectIs(*m_pText->GetPos(), {0, 0, 110, 60}));
}

TEST_F(Drag, AStepTheLimitsEatChangesNothing)
{
    RECT atOrigin = {0, 0, 100, 60};
    m_pText->SetPos(&atOrigin);
    Press(50, 30);
    const size_t nDragged = m_owner.dragged.size();
    MoveTo(40, 20);
    EXPECT_TRUE(RectIs(*m_pText->GetPos(), atOrigin));
    EXPECT_EQ(m_owner.dragged.size(), nDragged);
    Release(40, 20);
}

TEST_F(Drag, TheAdUnitMovesButNeverResizes)
{
    AdSense *pUnit = m_tpl.GetAdSense();
    Click(300, 50);
    ASSERT_EQ(m_tpl.GetCurrent(), pUnit);
    const RECT unit = *pUnit->GetPos();
    for (POINT edge : {POINT{738, 50}, POINT{300, 10}, POINT{10, 10}, POINT{738, 100}}) {
        Hover(edge.x, edge.y);
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW)) << edge.x << "," << edge.y;
        Press(edge.x, edge.y);
        MoveTo(edge.x + 20, edge.y + 20);
        Release(edge.x + 20, edge.y + 20);
        EXPECT_TRUE(RectIs(*pUnit->GetPos(), unit));
    }
    Press(300, 50);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));
    MoveTo(310, 55);
    Release(310, 55);
    EXPECT_TRUE(RectIs(*pUnit->GetPos(), {20, 15, 748, 105}));
}

TEST_F(Drag, PastTheRightEdgeScrollsAndGrowsTheRange)
{
    RECT nearEdge = {800, 200, 900, 260};
    m_pText->SetPos(&nearEdge);
    m_pEdit->UpdateScrollBars();
    int nMin = 0, nMax = 0;
    GetScrollRange(Canvas(), SB_HORZ, &nMin, &nMax);
    EXPECT_EQ(nMax, 0);

    // The view shows template x up to 1000 - 32 = 968.
    Press(850, 230);
    MoveTo(950, 230);
    EXPECT_TRUE(RectIs(*m_pText->GetPos(), {900, 200, 1000, 260}));
    EXPECT_EQ(m_pEdit->GetScrollX(), 32);
    GetScrollRange(Canvas(), SB_HORZ, &nMin, &nMax);
    EXPECT_EQ(nMax, 32);
    EXPECT_EQ(GetScrollPos(Canvas(), SB_HORZ), 32);

    // Further right: the overshoot again, and the range follows the template.
    SendMessageA(Canvas(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(982 + 50, 262));
    EXPECT_TRUE(RectIs(*m_pText->GetPos(), {950, 200, 1050, 260}));
    EXPECT_EQ(m_pEdit->GetScrollX(), 82);
    GetScrollRange(Canvas(), SB_HORZ, &nMin, &nMax);
    EXPECT_EQ(nMax, 82);
    Release(1000, 230);
}

TEST_F(Drag, LosingTheMouseEndsTheDrag)
{
    Press(250, 230);
    ASSERT_EQ(GetCapture(), Canvas());
    SetCapture(m_hParent);
    ReleaseCapture();
    MoveTo(280, 260);
    EXPECT_TRUE(RectIs(*m_pText->GetPos(), kStart));
    // Hovering works again at once.
    Hover(250, 199);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZENS));
}

TEST_F(Drag, CursorsOverEdgesCornersAndInterior)
{
    auto *pImage = AddObject(new Pictra, {400, 300, 500, 380});
    ASSERT_EQ(m_tpl.GetCurrent(), pImage);
    const struct {
        int x, y;
        LPCSTR cursor;
    } cases[] = {
        {450, 299, IDC_SIZENS},   // one pixel above the top edge
        {450, 380, IDC_SIZENS},   {400, 340, IDC_SIZEWE},  {500, 340, IDC_SIZEWE},
        {502, 340, IDC_ARROW},    // outside the rectangle grown by one pixel
        {400, 300, IDC_SIZENWSE}, {500, 380, IDC_SIZENWSE}, {500, 300, IDC_SIZENESW},
        {400, 380, IDC_SIZENESW}, {450, 340, IDC_ARROW},    // the interior while hovering
        {600, 340, IDC_ARROW},    {250, 199, IDC_ARROW},   // not current: no handles
    };
    for (const auto &c : cases) {
        Hover(c.x, c.y);
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, c.cursor)) << c.x << "," << c.y;
        EXPECT_EQ(m_pEdit->GetDragMode() != 0, c.cursor != IDC_ARROW) << c.x << "," << c.y;
    }
    Press(450, 340);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));
    Release(450, 340);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

// The owner hears where a whole drag begins and ends, also when another window takes the
// mouse halfway; a press beside the current object begins none.
TEST_F(Drag, EveryBegunDragEndsOnce)
{
    Press(250, 230);
    MoveTo(260, 240);
    Release(260, 240);
    EXPECT_EQ(m_owner.dragBegun, std::vector<AdObj *>{m_pText});
    EXPECT_EQ(m_owner.nDragEnds, 1);

    Press(265, 245);
    SetCapture(GetParent(Canvas()));
    ReleaseCapture();
    EXPECT_EQ(m_owner.dragBegun.size(), 2u);
    EXPECT_EQ(m_owner.nDragEnds, 2);

    Press(600, 500);
    Release(600, 500);
    EXPECT_EQ(m_owner.dragBegun.size(), 2u);
    EXPECT_EQ(m_owner.nDragEnds, 2);
}
