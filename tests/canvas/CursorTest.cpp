#include "CanvasFixture.h"

// The cursor is answered on WM_SETCURSOR, the question Windows asks before every mouse move;
// DefWindowProcA would put the class cursor back there, and a cursor set only on the move
// then flickers between the two.
class Cursor : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        m_pText = AddText({200, 200, 300, 260});
    }
    HCURSOR Shape(LPCSTR id) const { return LoadCursorA(nullptr, id); }

    AdText *m_pText = nullptr;
};

TEST_F(Cursor, EachQuestionIsAnsweredFromWhatLiesUnderThePointer)
{
    const struct {
        int x, y;
        LPCSTR cursor;
    } cases[] = {
        {250, 199, IDC_SIZENS}, {300, 230, IDC_SIZEWE}, {200, 200, IDC_SIZENWSE},
        {300, 200, IDC_SIZENESW}, {250, 230, IDC_ARROW}, {600, 400, IDC_ARROW},
    };
    for (const auto &c : cases) {
        PointAt(c.x, c.y);
        // Asked twice with no move between: the answer stays, nothing puts the arrow back.
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(AskCursor(HTCLIENT), TRUE);
            EXPECT_EQ(GetCursor(), Shape(c.cursor)) << c.x << "," << c.y << " ask " << i;
        }
    }
}

TEST_F(Cursor, WhileTheButtonIsDownTheDragDecides)
{
    // A resize under way keeps its cursor wherever the pointer is.
    Press(250, 260);
    PointAt(600, 400);
    EXPECT_EQ(AskCursor(HTCLIENT), TRUE);
    EXPECT_EQ(GetCursor(), Shape(IDC_SIZENS));
    Release(600, 400);

    // A press that started no drag shows the arrow until the release, even over an edge.
    Press(600, 400);
    PointAt(250, 199);
    AskCursor(HTCLIENT);
    EXPECT_EQ(GetCursor(), Shape(IDC_ARROW));
    Release(250, 199);
}

TEST_F(Cursor, TheScrollBarsKeepTheirOwnCursor)
{
    SetCursor(Shape(IDC_SIZENS));
    AskCursor(HTVSCROLL);  // left to DefWindowProcA
    EXPECT_EQ(GetCursor(), Shape(IDC_ARROW));
}
