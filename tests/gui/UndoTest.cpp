// Undo and redo through the real main window: every kind of change is one step that takes
// the template back to exactly what it was, byte for byte in its saved file.
#include "MainWindowFixture.h"

#include <functional>

#include "AdTemplate/AdObjects.h"
#include "TestSupport.h"
#include "dialog/DialogBase.h"

namespace {

// Every dialog ends as a person pressing OK at once would end it.
void ConfirmShownDialog(DialogBase *pDialog)
{
    ++g_prompts.dialogsShown;
    pDialog->EndModal(IDOK);
}

// The text dialog takes a new text and is confirmed with its OK button.
void ChangeTextInDialog(DialogBase *pDialog)
{
    ++g_prompts.dialogsShown;
    SetDlgItemTextA(pDialog->GetHandle(), IDC_TEXT_TEXT, "Changed");
    SendMessageA(pDialog->GetHandle(), WM_COMMAND, MAKEWPARAM(IDC_PROP_OK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(pDialog->GetHandle(), IDC_PROP_OK)));
}

// The export dialog takes margins of 7 and is confirmed: the template's margins change.
void ExportWithNewMargins(DialogBase *pDialog)
{
    ++g_prompts.dialogsShown;
    SetDlgItemTextA(pDialog->GetHandle(), IDC_EXPORT_MARGIN, "7");
    SendMessageA(pDialog->GetHandle(), WM_COMMAND, MAKEWPARAM(IDC_PROP_OK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(pDialog->GetHandle(), IDC_PROP_OK)));
}

class UndoTest : public MainWindowTest {
public:
    // The bytes the template's file holds in its present state.
    std::string SavedBytes()
    {
        const std::string path = OutputPath("undo-state.atp");
        EXPECT_TRUE(m_pForm->WriteTemplate(path.c_str()));
        return testsupport::ReadFileBytes(path);
    }
    HWND Canvas() const { return m_pForm->GetAdEdit()->GetHandle(); }
    void Key(UINT nKey)
    {
        SendMessageA(Canvas(), WM_KEYDOWN, nKey, 0);
        testsupport::PumpMessages();
    }
    // A drag of the ad unit's interior by dx, dy in three mouse moves.
    void DragAdUnit(int dx, int dy)
    {
        const int x = AdEdit::RulerSize + 100, y = AdEdit::RulerSize + 50;
        SendMessageA(Canvas(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        for (int i = 1; i <= 3; ++i)
            SendMessageA(Canvas(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + dx * i / 3, y + dy * i / 3));
        SendMessageA(Canvas(), WM_LBUTTONUP, 0, MAKELPARAM(x + dx, y + dy));
        testsupport::PumpMessages();
    }
    void InsertText()
    {
        DialogBase::ShownHook pfnOld = DialogBase::SetShownHook(ConfirmShownDialog);
        Command(IDC_BTNTEXT, BN_CLICKED);
        DialogBase::SetShownHook(pfnOld);
    }
    // The captions and states of the Edit menu's Undo and Redo items, as it opens.
    std::string EditItem(int nId, bool *pbEnabled)
    {
        HMENU hEdit = GetSubMenu(GetMenu(Main()), 1);
        SendMessageA(Main(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hEdit), 1);
        char sz[128] = {};
        GetMenuStringA(hEdit, nId, sz, sizeof(sz), MF_BYCOMMAND);
        *pbEnabled = !(GetMenuState(hEdit, nId, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
        return sz;
    }
};

}  // namespace

TEST_F(UndoTest, EveryKindOfStepIsUndoneAndRedoneToTheSameFile)
{
    struct Case {
        // Null for a move of the ad unit, named after it.
        const char *szLabel;
        std::function<void()> setup;
        std::function<void()> action;
    };
    const std::vector<Case> cases = {
        {"Insert Text 1", [] {}, [&] { InsertText(); }},
        {"Delete Text 1", [&] { InsertText(); },
         [&] {
             g_prompts.answers = {IDYES};
             Command(IDC_BTNDEL, BN_CLICKED);
         }},
        {"Change Text 1", [&] { InsertText(); },
         [&] {
             DialogBase::ShownHook pfnOld = DialogBase::SetShownHook(ChangeTextInDialog);
             Command(IDC_BTNDETAIL, BN_CLICKED);
             DialogBase::SetShownHook(pfnOld);
         }},
        {"Change Ad Format", [] {}, [&] { PickListEntry(IDC_CBADTYPE, 4); }},
        {"Change Ad Color", [] {},
         [&] {
             g_prompts.colorOk = true;
             g_prompts.colorChosen = RGB(1, 2, 3);
             Command(IDC_BTNTITLECOLOR, BN_CLICKED);
         }},
        {"Change Publisher ID", [] {}, [&] { TypeAndLeave(IDC_EDTPUBID, "pub-9999888877776666"); }},
        {"Change Channel ID", [] {}, [&] { TypeAndLeave(IDC_EDTCHANNELID, "12345678901"); }},
        {"Change Margins", [] {},
         [&] {
             DialogBase::ShownHook pfnOld = DialogBase::SetShownHook(ExportWithNewMargins);
             Command(IDM_FILE_EXPORT);
             DialogBase::SetShownHook(pfnOld);
         }},
        {nullptr, [] {}, [&] { DragAdUnit(30, 12); }},
        // Consecutive nudges of one object are one step.
        {nullptr, [] {}, [&] { Key(VK_RIGHT); Key(VK_DOWN); }},
    };
    for (const Case &c : cases) {
        m_pForm->NewTemplate();
        c.setup();
        const std::string label =
            c.szLabel ? c.szLabel : std::string("Move ") + Tpl()->GetAdSense()->GetName();
        const std::string before = SavedBytes();
        const size_t nStepsBefore = m_pForm->GetHistory().GetUndoCount();
        c.action();
        ASSERT_EQ(m_pForm->GetHistory().GetUndoLabel(), label);
        EXPECT_EQ(m_pForm->GetHistory().GetUndoCount(), nStepsBefore + 1) << label;
        EXPECT_TRUE(Tpl()->IsModified()) << label;
        const std::string after = SavedBytes();
        EXPECT_NE(after, before) << label;

        Command(IDM_EDIT_UNDO);
        EXPECT_EQ(SavedBytes(), before) << label;
        EXPECT_EQ(m_pForm->GetHistory().GetRedoLabel(), label);
        Command(IDM_EDIT_REDO);
        EXPECT_EQ(SavedBytes(), after) << label;
    }
}

TEST_F(UndoTest, UndoToTheSavedStateClearsTheModifiedFlag)
{
    SavedBytes();
    EXPECT_FALSE(Tpl()->IsModified());
    Key(VK_LEFT);
    EXPECT_TRUE(Tpl()->IsModified());
    Command(IDM_EDIT_UNDO);
    EXPECT_FALSE(Tpl()->IsModified());
    EXPECT_EQ(Caption().find(" * "), std::string::npos) << Caption();
    Command(IDM_EDIT_REDO);
    EXPECT_TRUE(Tpl()->IsModified());
}

TEST_F(UndoTest, AClickThatMovesNothingIsNoStep)
{
    DragAdUnit(0, 0);
    EXPECT_FALSE(m_pForm->GetHistory().CanUndo());
    EXPECT_FALSE(Tpl()->IsModified());
}

TEST_F(UndoTest, NewAndOpenClearTheHistory)
{
    const std::string path = OutputPath("undo-open.atp");
    ASSERT_TRUE(m_pForm->WriteTemplate(path.c_str()));
    const std::vector<std::pair<const char *, std::function<void()>>> commands = {
        {"New", [&] { Command(IDM_FILE_NEW); }},
        {"Open", [&] {
             g_prompts.openPaths = {path};
             Command(IDM_FILE_OPEN);
         }},
    };
    for (const auto &command : commands) {
        Key(VK_RIGHT);
        PickListEntry(IDC_CBADTYPE, 4);
        Command(IDM_EDIT_UNDO);
        ASSERT_TRUE(m_pForm->GetHistory().CanUndo()) << command.first;
        ASSERT_TRUE(m_pForm->GetHistory().CanRedo()) << command.first;
        g_prompts.answers = {IDNO};
        command.second();
        EXPECT_FALSE(m_pForm->GetHistory().CanUndo()) << command.first;
        EXPECT_FALSE(m_pForm->GetHistory().CanRedo()) << command.first;
    }
}

TEST_F(UndoTest, EditMenuNamesTheStepsAndGreysWhatCannotRun)
{
    bool bEnabled = true;
    EXPECT_EQ(EditItem(IDM_EDIT_UNDO, &bEnabled), "&Undo\tCtrl+Z");
    EXPECT_FALSE(bEnabled);
    EXPECT_EQ(EditItem(IDM_EDIT_REDO, &bEnabled), "&Redo\tCtrl+Y");
    EXPECT_FALSE(bEnabled);

    InsertText();
    EXPECT_EQ(EditItem(IDM_EDIT_UNDO, &bEnabled), "&Undo Insert Text 1\tCtrl+Z");
    EXPECT_TRUE(bEnabled);
    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(EditItem(IDM_EDIT_REDO, &bEnabled), "&Redo Insert Text 1\tCtrl+Y");
    EXPECT_TRUE(bEnabled);
    EXPECT_EQ(EditItem(IDM_EDIT_UNDO, &bEnabled), "&Undo\tCtrl+Z");
    EXPECT_FALSE(bEnabled);
}

TEST_F(UndoTest, UndoRestoresTheObjectListAndTheCurrentObject)
{
    InsertText();
    AdObj *pText = Tpl()->GetCurrent();
    ASSERT_STREQ(pText->GetName(), "Text 1");
    g_prompts.answers = {IDYES};
    Command(IDC_BTNDEL, BN_CLICKED);
    EXPECT_EQ(SendMessageA(Ctl(IDC_CBCURROBJ), CB_GETCOUNT, 0, 0), 1);
    Command(IDM_EDIT_UNDO);
    ASSERT_EQ(SendMessageA(Ctl(IDC_CBCURROBJ), CB_GETCOUNT, 0, 0), 2);
    ASSERT_NE(Tpl()->GetCurrent(), nullptr);
    EXPECT_STREQ(Tpl()->GetCurrent()->GetName(), "Text 1");
    EXPECT_EQ(Text(IDC_CBCURROBJ), "Text 1");
}

TEST_F(UndoTest, HistoryKeepsTheLastHundredSteps)
{
    for (int i = 0; i < 130; ++i)
        Key(i % 2 ? VK_RIGHT : VK_DOWN);  // alternating keys still merge: one object
    EXPECT_EQ(m_pForm->GetHistory().GetUndoCount(), 1u);
    for (int i = 0; i < 130; ++i)
        PickListEntry(IDC_CBADTYPE, i % 2 ? 4 : 5);
    EXPECT_EQ(m_pForm->GetHistory().GetUndoCount(), 100u);
}
