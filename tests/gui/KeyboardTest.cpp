// The editing canvas's keys and the main window's shortcuts, through the real window.
#include "MainWindowFixture.h"

#include <functional>

#include "AdTemplate/AdObjects.h"
#include "TestSupport.h"

namespace {

class KeyboardTest : public MainWindowTest {
public:
    HWND Canvas() const { return m_pForm->GetAdEdit()->GetHandle(); }
    // A key pressed on the focused canvas, with Shift down or not.
    void Key(UINT nKey, bool bShift = false)
    {
        SetModifiers(false, bShift);
        SendMessageA(Canvas(), WM_KEYDOWN, nKey, 0);
        SetModifiers(false, false);
        testsupport::PumpMessages();
    }
    // A key as the program's message loop meets it; true when a shortcut took it.
    bool Shortcut(UINT nKey, bool bCtrl, bool bShift, HWND hTarget = nullptr)
    {
        SetModifiers(bCtrl, bShift);
        MSG msg = {hTarget ? hTarget : Canvas(), WM_KEYDOWN, nKey, 0, 0, {0, 0}};
        const bool bTaken = m_pForm->TranslateShortcut(&msg);
        SetModifiers(false, false);
        testsupport::PumpMessages();
        return bTaken;
    }
    static void SetModifiers(bool bCtrl, bool bShift)
    {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_CONTROL] = bCtrl ? 0x80 : 0;
        state[VK_SHIFT] = bShift ? 0x80 : 0;
        SetKeyboardState(state);
    }
    RECT Pos(AdObj *pObj) const { return *pObj->GetPos(); }
    // A text object added to the template at rc.
    AdObj *AddText(const RECT &rc)
    {
        auto *pText = new AdText;
        pText->SetName(Tpl()->MakeName(OBJ_TEXT));
        pText->SetPos(&rc);
        EXPECT_TRUE(Tpl()->Add(pText));
        m_pForm->FillObjectList();
        return pText;
    }
};

}  // namespace

TEST_F(KeyboardTest, ArrowsMoveTheCurrentObjectWithTheDragLimits)
{
    AdObj *pText = AddText(RECT{5, 3, 65, 23});
    Tpl()->SetCurrent(pText);
    struct Case {
        UINT nKey;
        bool bShift;
        RECT rcAfter;
    };
    const Case cases[] = {
        {VK_RIGHT, false, {6, 3, 66, 23}},
        {VK_DOWN, true, {6, 13, 66, 33}},
        {VK_LEFT, true, {0, 13, 60, 33}},  // stops at the left edge
        {VK_LEFT, false, {0, 13, 60, 33}},
        {VK_UP, true, {0, 3, 60, 23}},
        {VK_UP, true, {0, 0, 60, 20}},  // stops at the top edge
    };
    for (const Case &c : cases) {
        Key(c.nKey, c.bShift);
        const RECT rc = Pos(pText);
        EXPECT_TRUE(EqualRect(&rc, &c.rcAfter))
            << c.nKey << (c.bShift ? " with Shift: " : ": ") << rc.left << "," << rc.top;
    }
    EXPECT_EQ(m_pForm->GetHistory().GetUndoCount(), 1u);
    EXPECT_TRUE(Tpl()->IsModified());
}

TEST_F(KeyboardTest, LinesAndShadowsDoNotMove)
{
    for (AdObj *pObj : {static_cast<AdObj *>(new AdLine), static_cast<AdObj *>(new AdShadow)}) {
        const RECT rc = {20, 20, 60, 40};
        pObj->SetPos(&rc);
        ASSERT_TRUE(Tpl()->Add(pObj));
        Tpl()->SetCurrent(pObj);
        Key(VK_RIGHT);
        Key(VK_DOWN, true);
        const RECT rcAfter = Pos(pObj);
        EXPECT_TRUE(EqualRect(&rc, &rcAfter)) << pObj->GetType();
    }
    EXPECT_FALSE(m_pForm->GetHistory().CanUndo());
}

TEST_F(KeyboardTest, TabWalksTheObjectsInListOrder)
{
    AdObj *pAdSense = Tpl()->GetAdSense();
    AdObj *pFirst = AddText(RECT{0, 0, 20, 20});
    AdObj *pSecond = AddText(RECT{0, 30, 20, 50});
    Tpl()->SetCurrent(pAdSense);
    Tpl()->SetModified(false);
    struct Case {
        bool bShift;
        AdObj *pCurrent;
    };
    const Case cases[] = {{false, pFirst}, {false, pSecond}, {false, pAdSense},
                          {true, pSecond}, {true, pFirst}};
    for (const Case &c : cases) {
        Key(VK_TAB, c.bShift);
        EXPECT_EQ(Tpl()->GetCurrent(), c.pCurrent);
        EXPECT_EQ(Text(IDC_CBCURROBJ), c.pCurrent->GetName());
    }
    EXPECT_FALSE(Tpl()->IsModified());
}

TEST_F(KeyboardTest, DeleteAsksAndEnterOpensTheDetails)
{
    AdObj *pText = AddText(RECT{0, 0, 20, 20});
    Tpl()->SetCurrent(pText);
    g_prompts.answers = {IDNO};
    Key(VK_DELETE);
    ASSERT_EQ(g_prompts.Texts(), std::vector<std::string>{"Are you sure to delete this object?"});
    EXPECT_EQ(Tpl()->GetCurrent(), pText);

    Key(VK_RETURN);
    EXPECT_EQ(g_prompts.dialogsShown, 1);

    g_prompts.answers = {IDYES};
    Key(VK_DELETE);
    EXPECT_EQ(SendMessageA(Ctl(IDC_CBCURROBJ), CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(m_pForm->GetHistory().GetUndoLabel(), std::string("Delete Text 1"));
}

TEST_F(KeyboardTest, CanvasTakesTheFocusWhenClickedAndWantsEveryKey)
{
    SetFocus(Ctl(IDC_BTNDETAIL));
    const LPARAM at = MAKELPARAM(AdEdit::RulerSize + 300, AdEdit::RulerSize + 200);
    SendMessageA(Canvas(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(Canvas(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(GetFocus(), Canvas());
    EXPECT_EQ(SendMessageA(Canvas(), WM_GETDLGCODE, VK_TAB, 0), DLGC_WANTALLKEYS);
}

TEST_F(KeyboardTest, ShortcutsRunTheirCommands)
{
    const std::function<void()> none = [] {};
    const std::function<void()> change = [&] { PickListEntry(IDC_CBADTYPE, 4); };
    const std::function<void()> changeAndUndo = [&] {
        change();
        Command(IDM_EDIT_UNDO);
    };
    struct Case {
        const char *szWhat;
        UINT nKey;
        bool bCtrl, bShift;
        std::function<void()> prepare;
        std::function<bool()> ran;
    };
    const std::vector<Case> cases = {
        {"Ctrl+O", 'O', true, false, none, [] { return g_prompts.openDialogs.size() == 1; }},
        {"Ctrl+S", 'S', true, false, none, [] { return g_prompts.saveDialogs.size() == 1; }},
        {"Ctrl+Shift+S", 'S', true, true, none, [] { return g_prompts.saveDialogs.size() == 1; }},
        {"F1", VK_F1, false, false, none, [] { return !g_prompts.shellTargets.empty(); }},
        {"Ctrl+Tab", VK_TAB, true, false, none,
         [&] { return m_pForm->GetActivePage() == TfmMain::PAGE_PREVIEW; }},
        {"Ctrl+Shift+Tab", VK_TAB, true, true, none,
         [&] { return m_pForm->GetActivePage() == TfmMain::PAGE_CODE; }},
        {"Ctrl+Z", 'Z', true, false, change, [&] { return m_pForm->GetHistory().CanRedo(); }},
        {"Ctrl+Y", 'Y', true, false, changeAndUndo,
         [&] { return m_pForm->GetHistory().CanUndo(); }},
        {"Ctrl+Shift+Z", 'Z', true, true, changeAndUndo,
         [&] { return m_pForm->GetHistory().CanUndo(); }},
        {"Ctrl+N", 'N', true, false, change, [&] { return !m_pForm->GetHistory().CanUndo(); }},
    };
    for (const Case &c : cases) {
        m_pForm->NewTemplate();
        Command(IDM_VIEW_EDITOR);
        c.prepare();
        // No close question comes between the key and its command.
        Tpl()->SetModified(false);
        g_prompts.Clear();
        EXPECT_TRUE(Shortcut(c.nKey, c.bCtrl, c.bShift)) << c.szWhat;
        EXPECT_TRUE(c.ran()) << c.szWhat;
    }
    EXPECT_FALSE(Shortcut('Q', true, false));
    // The ID edits keep their own undo; the other shortcuts work there too.
    EXPECT_FALSE(Shortcut('Z', true, false, Ctl(IDC_EDTPUBID)));
    EXPECT_FALSE(Shortcut('Y', true, false, Ctl(IDC_EDTPUBID)));
    EXPECT_TRUE(Shortcut(VK_TAB, true, false, Ctl(IDC_EDTPUBID)));
}
