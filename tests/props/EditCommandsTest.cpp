// The edit page's commands over a template host: inserted objects placed and named,
// discarded on Cancel, deleted after confirmation (never the ad unit), and Details for
// every kind with the frame's pen and brush rebuilt and the ad unit's change report.
#include <memory>
#include <string>

#include "AdTemplate/AdObjects.h"
#include "PropsFixture.h"
#include "dialog/ObjectDialog.h"
#include "main/EditCommands.h"
#include "resource.h"

using namespace props;

namespace {

// What the dialog showed when it opened, and how the script ends it.
struct Seen {
    std::string name, left, top, width, height, startX, startY, endX, endY;
};
Seen g_seen;
int g_nEndWith = IDC_PROP_OK;
std::string g_strNewName;

void RecordAndEnd(DialogBase *pDialog)
{
    HWND hDlg = pDialog->GetHandle();
    g_seen = {Text(hDlg, IDC_PROP_NAME),   Text(hDlg, IDC_PROP_LEFT),   Text(hDlg, IDC_PROP_TOP),
              Text(hDlg, IDC_PROP_WIDTH),  Text(hDlg, IDC_PROP_HEIGHT), Text(hDlg, IDC_LINE_STARTX),
              Text(hDlg, IDC_LINE_STARTY), Text(hDlg, IDC_LINE_ENDX),   Text(hDlg, IDC_LINE_ENDY)};
    if (!g_strNewName.empty())
        SetText(hDlg, IDC_PROP_NAME, g_strNewName);
    if (g_nEndWith == WM_CLOSE)
        PostMessageA(hDlg, WM_CLOSE, 0, 0);
    else
        PostClick(hDlg, g_nEndWith);
}

class Commands : public PropsTest {
protected:
    void SetUp() override
    {
        PropsTest::SetUp();
        g_nEndWith = IDC_PROP_OK;
        g_strNewName.clear();
        m_host.m_template.SetModified(false);
    }
    AdSenseTemplate &Template() { return m_host.m_template; }
    void PlaceAdUnit(RECT rc) { Template().GetAdSense()->SetPos(&rc); }
    int CountOf(int nType)
    {
        int n = 0;
        for (AdObj *p = Template().GetFirst(); p; p = Template().GetNext())
            n += p->GetType() == nType;
        return n;
    }

    FakeHost m_host;
    EditCommands m_commands{&m_host};
    ShownScript m_script{RecordAndEnd};
};

}  // namespace

TEST_F(Commands, InsertedObjectsArePlacedAroundTheAdUnitAndNamedByKind)
{
    const struct {
        int nType;
        RECT rcAd;
        Seen seen;
    } cases[] = {
        {OBJ_FRAME, {1, 1, 729, 91}, {"Frame 1", "0", "0", "731", "93", "", "", "", ""}},
        {OBJ_SHADOW, {1, 1, 729, 91}, {"Shadow 1", "-1", "-1", "732", "94", "", "", "", ""}},
        {OBJ_FRAME, {10, 10, 738, 100}, {"Frame 2", "8", "8", "732", "94", "", "", "", ""}},
        {OBJ_SHADOW, {10, 10, 738, 100}, {"Shadow 2", "8", "8", "732", "94", "", "", "", ""}},
        {OBJ_LINE, {10, 10, 738, 100}, {"Line 1", "", "", "", "", "10", "8", "738", "8"}},
        {OBJ_IMAGE, {10, 10, 738, 100}, {"Image 1", "0", "0", "0", "0", "", "", "", ""}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.seen.name);
        PlaceAdUnit(c.rcAd);
        g_nEndWith = c.nType == OBJ_IMAGE ? IDC_PROP_CANCEL : IDC_PROP_OK;
        const int nFills = m_host.nListFills;
        EXPECT_EQ(c.nType != OBJ_IMAGE, m_commands.InsertObject(c.nType));
        EXPECT_EQ(c.seen.name, g_seen.name);
        EXPECT_EQ(c.seen.left, g_seen.left);
        EXPECT_EQ(c.seen.top, g_seen.top);
        EXPECT_EQ(c.seen.width, g_seen.width);
        EXPECT_EQ(c.seen.height, g_seen.height);
        EXPECT_EQ(c.seen.startX, g_seen.startX);
        EXPECT_EQ(c.seen.startY, g_seen.startY);
        EXPECT_EQ(c.seen.endX, g_seen.endX);
        EXPECT_EQ(c.seen.endY, g_seen.endY);
        if (c.nType != OBJ_IMAGE) {
            EXPECT_STREQ(c.seen.name.c_str(), Template().GetCurrent()->GetName());
            EXPECT_EQ(nFills + 1, m_host.nListFills);
        }
    }
    EXPECT_TRUE(Template().IsModified());
}

TEST_F(Commands, ACancelledInsertLeavesTheTemplateAndItsNameIsGivenAgain)
{
    for (int nEnd : {IDC_PROP_CANCEL, (int)WM_CLOSE}) {
        g_nEndWith = nEnd;
        EXPECT_FALSE(m_commands.InsertObject(OBJ_TEXT));
        EXPECT_EQ("Text 1", g_seen.name);
        EXPECT_EQ(1u, Template().GetCount());
        EXPECT_FALSE(Template().IsModified());
        EXPECT_EQ(0, m_host.nRefreshes);
    }
    g_nEndWith = IDC_PROP_OK;
    EXPECT_TRUE(m_commands.InsertObject(OBJ_TEXT));
    EXPECT_EQ("Text 1", g_seen.name);
    EXPECT_EQ(1, m_host.nRefreshes);
}

TEST_F(Commands, NamesCountTheKindSoADeletedNumberMayRepeat)
{
    for (int i = 0; i < 2; i++)
        ASSERT_TRUE(m_commands.InsertObject(OBJ_FRAME));
    AdObj *pFirst = Template().GetFirst();
    pFirst = Template().GetNext();
    ASSERT_STREQ("Frame 1", pFirst->GetName());
    Template().SetCurrent(pFirst);
    g_script.nMessageAnswer = IDYES;
    ASSERT_TRUE(m_commands.DeleteCurrent());
    ASSERT_TRUE(m_commands.InsertObject(OBJ_FRAME));
    EXPECT_EQ("Frame 2", g_seen.name);
    EXPECT_EQ(2, CountOf(OBJ_FRAME));
}

TEST_F(Commands, DeleteAsksFirstAndNeverDeletesTheAdUnit)
{
    EXPECT_FALSE(m_commands.DeleteCurrent());  // the ad unit is current after New
    ASSERT_EQ(1u, g_script.messages.size());
    EXPECT_EQ("The AdSense object can not be deleted.", g_script.messages[0].text);
    EXPECT_EQ("Error", g_script.messages[0].caption);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONERROR), g_script.messages[0].type);
    EXPECT_FALSE(Template().IsModified());

    ASSERT_TRUE(m_commands.InsertObject(OBJ_SHADOW));
    Template().SetModified(false);
    for (int nAnswer : {IDNO, IDCANCEL}) {
        g_script.messages.clear();
        g_script.nMessageAnswer = nAnswer;
        EXPECT_FALSE(m_commands.DeleteCurrent());
        ASSERT_EQ(1u, g_script.messages.size());
        EXPECT_EQ("Are you sure to delete this object?", g_script.messages[0].text);
        EXPECT_EQ("Confirm", g_script.messages[0].caption);
        EXPECT_EQ((UINT)(MB_YESNOCANCEL | MB_ICONQUESTION), g_script.messages[0].type);
        EXPECT_EQ(2u, Template().GetCount());
        EXPECT_FALSE(Template().IsModified());
    }
    g_script.nMessageAnswer = IDYES;
    const int nRefreshes = m_host.nRefreshes, nFills = m_host.nListFills;
    EXPECT_TRUE(m_commands.DeleteCurrent());
    EXPECT_EQ(1u, Template().GetCount());
    EXPECT_EQ(Template().GetAdSense(), Template().GetCurrent());
    EXPECT_TRUE(Template().IsModified());
    EXPECT_EQ(nRefreshes + 1, m_host.nRefreshes);
    EXPECT_EQ(nFills + 1, m_host.nListFills);
}

TEST_F(Commands, DetailsMarksModifiedOnOKAndAlwaysRefillsTheList)
{
    for (int nType : {OBJ_TEXT, OBJ_LINE, OBJ_SHADOW, OBJ_FRAME}) {
        SCOPED_TRACE(nType);
        g_nEndWith = IDC_PROP_OK;
        g_strNewName.clear();
        ASSERT_TRUE(m_commands.InsertObject(nType));
        Template().SetModified(false);
        const int nFills = m_host.nListFills, nRefreshes = m_host.nRefreshes;

        g_nEndWith = IDC_PROP_CANCEL;
        g_strNewName = "Renamed";
        EXPECT_FALSE(m_commands.EditCurrent());
        EXPECT_FALSE(Template().IsModified());
        EXPECT_EQ(nFills + 1, m_host.nListFills);
        EXPECT_EQ(nRefreshes, m_host.nRefreshes);

        g_nEndWith = IDC_PROP_OK;
        EXPECT_TRUE(m_commands.EditCurrent());
        EXPECT_TRUE(Template().IsModified());
        EXPECT_STREQ("Renamed", Template().GetCurrent()->GetName());
        EXPECT_EQ(nFills + 2, m_host.nListFills);
        EXPECT_EQ(nRefreshes + 1, m_host.nRefreshes);
    }
}

TEST_F(Commands, DetailsOfAFrameRebuildsItsPenAndBrush)
{
    ASSERT_TRUE(m_commands.InsertObject(OBJ_FRAME));
    auto *pFrame = static_cast<AdFrame *>(Template().GetCurrent());
    EXPECT_EQ(nullptr, pFrame->m_hPen);  // a new frame makes them when first drawn
    pFrame->m_crBack = RGB(0, 0, 200);
    ASSERT_TRUE(m_commands.EditCurrent());
    ASSERT_NE(nullptr, pFrame->m_hPen);
    ASSERT_NE(nullptr, pFrame->m_hBrush);
    LOGBRUSH lb = {};
    ASSERT_TRUE(GetObjectA(pFrame->m_hBrush, sizeof(lb), &lb));
    EXPECT_EQ(RGB(0, 0, 200), lb.lbColor);
}

TEST_F(Commands, DetailsOfTheAdUnitMarksModifiedOnlyForAChange)
{
    ASSERT_EQ(Template().GetAdSense(), Template().GetCurrent());
    EXPECT_TRUE(m_commands.EditCurrent());
    EXPECT_FALSE(Template().IsModified());
    EXPECT_EQ(0, m_host.nRefreshes);
    EXPECT_EQ(1, m_host.nListFills);
    EXPECT_EQ(5u, m_host.adColors.size());

    g_script.bColorOk = true;
    g_script.crColorChosen = RGB(1, 2, 3);
    struct PickBorder {
        static void Run(DialogBase *pDialog)
        {
            Click(pDialog->GetHandle(), IDC_AD_BORDERCOLORBTN);
            RecordAndEnd(pDialog);
        }
    };
    ShownScript script(PickBorder::Run);
    EXPECT_TRUE(m_commands.EditCurrent());
    EXPECT_TRUE(Template().IsModified());
    EXPECT_EQ(1, m_host.nRefreshes);
    EXPECT_EQ(RGB(1, 2, 3), Template().GetAdSense()->GetInfo()->crBorder);
}
