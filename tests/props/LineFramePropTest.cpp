// The line and frame dialogs: the shared style list and its codes, point and width ranges,
// the line's rectangle from its points, and the frame's round corner.
#include <memory>

#include "AdTemplate/AdFrame.h"
#include "AdTemplate/AdLine.h"
#include "PropsFixture.h"
#include "TfmFrameProp.h"
#include "TfmLineProp.h"
#include "dialog/ColorPanel.h"
#include "resource.h"

using namespace props;

namespace {

template <class TDialog, class TObject>
struct Opened {
    explicit Opened(TObject *pObj) : dialog(new TDialog)
    {
        EXPECT_TRUE(dialog->Create(nullptr));
        EXPECT_TRUE(dialog->SetObject(pObj));
        hDlg = dialog->GetHandle();
    }
    bool PressOK()
    {
        Click(hDlg, IDC_PROP_OK);
        return dialog->GetModalResult() == IDOK;
    }
    std::unique_ptr<TDialog> dialog;
    HWND hDlg;
};

int Selected(HWND hDlg) { return (int)SendDlgItemMessageA(hDlg, IDC_PROP_LINETYPE, CB_GETCURSEL, 0, 0); }
void Select(HWND hDlg, int nPosition)
{
    SendDlgItemMessageA(hDlg, IDC_PROP_LINETYPE, CB_SETCURSEL, nPosition, 0);
}

class LineFrameProp : public PropsTest {};

}  // namespace

TEST_F(LineFrameProp, BothListsOfferTheFiveStylesAndStorePositionPlusOne)
{
    const char *const names[] = {"Solid Line", "Dash Line", "Dot Line", "Dash Dot Line",
                                 "Dash Dot Dot Line"};
    for (int nPosition = -1; nPosition < 5; nPosition++) {
        AdLine line;
        line.SetName("Line 1");
        Opened<TfmLineProp, AdLine> lineDialog(&line);
        AdFrame frame;
        Opened<TfmFrameProp, AdFrame> frameDialog(&frame);
        for (HWND hDlg : {lineDialog.hDlg, frameDialog.hDlg}) {
            ASSERT_EQ(5, SendDlgItemMessageA(hDlg, IDC_PROP_LINETYPE, CB_GETCOUNT, 0, 0));
            if (nPosition >= 0) {
                char szItem[64] = {};
                SendDlgItemMessageA(hDlg, IDC_PROP_LINETYPE, CB_GETLBTEXT, nPosition, (LPARAM)szItem);
                EXPECT_STREQ(names[nPosition], szItem);
            }
            Select(hDlg, nPosition);
        }
        ASSERT_TRUE(lineDialog.PressOK());
        ASSERT_TRUE(frameDialog.PressOK());
        EXPECT_EQ(nPosition + 1, line.m_nStyle);
        EXPECT_EQ(nPosition + 1, frame.m_nLineStyle);
    }
    // Codes outside 1..5 open with nothing selected and are stored again as 0.
    for (int nCode : {0, 6, -3}) {
        AdLine line;
        line.m_nStyle = nCode;
        Opened<TfmLineProp, AdLine> lineDialog(&line);
        EXPECT_EQ(-1, Selected(lineDialog.hDlg));
        AdFrame frame;
        frame.m_nLineStyle = nCode;
        Opened<TfmFrameProp, AdFrame> frameDialog(&frame);
        EXPECT_EQ(-1, Selected(frameDialog.hDlg));
        ASSERT_TRUE(frameDialog.PressOK());
        EXPECT_EQ(0, frame.m_nLineStyle);
    }
}

TEST_F(LineFrameProp, TheLineKeepsItsPointsInOrderAndRebuildsItsPen)
{
    AdLine line;
    line.SetName("Line 1");
    Opened<TfmLineProp, AdLine> open(&line);
    EXPECT_EQ("50", Text(open.hDlg, IDC_LINE_STARTX));
    EXPECT_EQ("200", Text(open.hDlg, IDC_LINE_ENDY));
    EXPECT_EQ("1", Text(open.hDlg, IDC_PROP_LINEWIDTH));
    EXPECT_EQ(0, Selected(open.hDlg));
    SetText(open.hDlg, IDC_LINE_STARTX, "300");
    SetText(open.hDlg, IDC_LINE_STARTY, "50");
    SetText(open.hDlg, IDC_LINE_ENDX, "100");
    SetText(open.hDlg, IDC_LINE_ENDY, "50");
    SetText(open.hDlg, IDC_PROP_LINEWIDTH, "3");
    Select(open.hDlg, 2);
    g_script.bColorOk = true;
    g_script.crColorChosen = RGB(0, 128, 0);
    Click(open.hDlg, IDC_PROP_LINECOLOR);
    ASSERT_TRUE(open.PressOK());
    EXPECT_EQ(300, line.m_ptStart.x);
    EXPECT_EQ(100, line.m_ptEnd.x);
    const RECT expected = {300, 50, 100, 50};
    EXPECT_EQ(0, memcmp(&expected, line.GetPos(), sizeof(RECT)));
    EXPECT_EQ(3, line.m_nWidth);
    EXPECT_EQ(3, line.m_nStyle);
    ASSERT_NE(nullptr, line.m_hPen);
    LOGPEN lp = {};
    ASSERT_TRUE(GetObjectA(line.m_hPen, sizeof(lp), &lp));
    EXPECT_EQ((UINT)PS_DOT, lp.lopnStyle);
    EXPECT_EQ(RGB(0, 128, 0), lp.lopnColor);
}

TEST_F(LineFrameProp, RangesClampOnLeavingAndArrowsStepWithinThem)
{
    AdLine line;
    Opened<TfmLineProp, AdLine> open(&line);
    const struct {
        int nId;
        const char *szTyped, *szAfterLeaving;
    } cases[] = {
        {IDC_LINE_ENDX, "1500", "1000"}, {IDC_LINE_STARTY, "-4", "0"},
        {IDC_PROP_LINEWIDTH, "0", "1"},  {IDC_PROP_LINEWIDTH, "9", "5"},
        {IDC_LINE_STARTX, "12x", "12x"},  // not a whole number: left as typed
    };
    for (const auto &c : cases) {
        SetText(open.hDlg, c.nId, c.szTyped);
        MoveFocus(open.hDlg, c.nId, IDC_PROP_NAME);
        EXPECT_EQ(c.szAfterLeaving, Text(open.hDlg, c.nId)) << c.szTyped;
    }
    SetText(open.hDlg, IDC_PROP_LINEWIDTH, "5");
    SendDlgItemMessageA(open.hDlg, IDC_PROP_LINEWIDTH, WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ("5", Text(open.hDlg, IDC_PROP_LINEWIDTH));
    SendDlgItemMessageA(open.hDlg, IDC_PROP_LINEWIDTH, WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ("4", Text(open.hDlg, IDC_PROP_LINEWIDTH));

    AdFrame frame;
    Opened<TfmFrameProp, AdFrame> frameOpen(&frame);
    CheckDlgButton(frameOpen.hDlg, IDC_FRAME_ROUNDCHECK, BST_CHECKED);
    Click(frameOpen.hDlg, IDC_FRAME_ROUNDCHECK);
    SetText(frameOpen.hDlg, IDC_FRAME_ROUNDCORNER, "30");
    MoveFocus(frameOpen.hDlg, IDC_FRAME_ROUNDCORNER, IDC_PROP_NAME);
    EXPECT_EQ("20", Text(frameOpen.hDlg, IDC_FRAME_ROUNDCORNER));
    // The frame's line width has no range.
    SetText(frameOpen.hDlg, IDC_PROP_LINEWIDTH, "-3");
    MoveFocus(frameOpen.hDlg, IDC_PROP_LINEWIDTH, IDC_PROP_NAME);
    EXPECT_EQ("-3", Text(frameOpen.hDlg, IDC_PROP_LINEWIDTH));
}

TEST_F(LineFrameProp, TheRoundCornerCountsOnlyWhileItsBoxIsChecked)
{
    const struct {
        int nStored;
        bool bChecked;
        const char *szShown;
        bool bClick;
        const char *szTyped;
        int nResult;
    } cases[] = {
        {8, true, "8", true, nullptr, 0},   // unchecked before OK: 0 whatever the field holds
        {8, true, "8", false, "12", 12},
        {0, false, "0", true, nullptr, 0},  // checked at 0: still square
        {-5, false, "0", false, nullptr, 0},
        {0, false, "0", true, "6", 6},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.nStored);
        AdFrame frame;
        frame.m_nRoundCorner = c.nStored;
        Opened<TfmFrameProp, AdFrame> open(&frame);
        EXPECT_EQ(c.bChecked, IsDlgButtonChecked(open.hDlg, IDC_FRAME_ROUNDCHECK) == BST_CHECKED);
        EXPECT_EQ(c.szShown, Text(open.hDlg, IDC_FRAME_ROUNDCORNER));
        EXPECT_EQ(c.bChecked, IsWindowEnabled(GetDlgItem(open.hDlg, IDC_FRAME_ROUNDCORNER)) != 0);
        if (c.bClick) {
            CheckDlgButton(open.hDlg, IDC_FRAME_ROUNDCHECK, c.bChecked ? BST_UNCHECKED : BST_CHECKED);
            Click(open.hDlg, IDC_FRAME_ROUNDCHECK);
            EXPECT_EQ(!c.bChecked, IsWindowEnabled(GetDlgItem(open.hDlg, IDC_FRAME_ROUNDCORNER)) != 0);
        }
        if (c.szTyped)
            SetText(open.hDlg, IDC_FRAME_ROUNDCORNER, c.szTyped);
        ASSERT_TRUE(open.PressOK());
        EXPECT_EQ(c.nResult, frame.m_nRoundCorner);
    }
}

TEST_F(LineFrameProp, FrameColoursStoreOnlyOnOKAndThePenIsLeftToTheCaller)
{
    AdFrame frame;
    {
        Opened<TfmFrameProp, AdFrame> open(&frame);
        g_script.bColorOk = true;
        g_script.crColorChosen = RGB(9, 9, 9);
        Click(open.hDlg, IDC_PROP_LINECOLOR);
        EXPECT_EQ(RGB(9, 9, 9), colorpanel::GetColor(open.hDlg, IDC_PROP_COLOR));
        Click(open.hDlg, IDC_PROP_CANCEL);
        EXPECT_EQ(IDCANCEL, open.dialog->GetModalResult());
    }
    EXPECT_EQ(0u, frame.m_crLine);
    Opened<TfmFrameProp, AdFrame> open(&frame);
    g_script.crColorChosen = RGB(1, 1, 1);
    Click(open.hDlg, IDC_PROP_LINECOLOR);
    g_script.crColorChosen = RGB(2, 2, 2);
    Click(open.hDlg, IDC_PROP_BGCOLORBTN);
    EXPECT_EQ(0xFFFFFFu, g_script.crColorOffered);
    SetText(open.hDlg, IDC_PROP_LINEWIDTH, "0");
    ASSERT_TRUE(open.PressOK());
    EXPECT_EQ(RGB(1, 1, 1), frame.m_crLine);
    EXPECT_EQ(RGB(2, 2, 2), frame.m_crBack);
    EXPECT_EQ(0, frame.m_nLineWidth);
    EXPECT_EQ(nullptr, frame.m_hPen);
    EXPECT_EQ(nullptr, frame.m_hBrush);
}
