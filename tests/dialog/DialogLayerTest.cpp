// The layer every dialog is built on: the atol rule, integer fields, colour swatches, the
// refusal helper and the modal run, driven through a small dialog of the test's own.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <limits.h>
#include <string>
#include <vector>

#include "LayerDialog.h"
#include "dialog/ColorPanel.h"
#include "dialog/DialogBase.h"
#include "dialog/DialogFields.h"
#include "dialog/IntEdit.h"
#include "dialog/Prompts.h"

namespace {

struct Shown {
    std::string text, caption;
    UINT type;
};
std::vector<Shown> g_messages;
COLORREF g_crOffered, g_crChosen;
bool g_bColorOk;

int WINAPI RecordMessage(HWND, LPCSTR text, LPCSTR caption, UINT type)
{
    g_messages.push_back({text, caption, type});
    return IDOK;
}

BOOL WINAPI FakeChooseColor(LPCHOOSECOLORA pcc)
{
    g_crOffered = (pcc->Flags & CC_RGBINIT) ? pcc->rgbResult : 0xDEADBEEF;
    if (g_bColorOk)
        pcc->rgbResult = g_crChosen;
    return g_bColorOk;
}

class LayerDialog : public DialogBase {
public:
    LayerDialog() : DialogBase(IDD_LAYER_TEST) {}

protected:
    void OnInitDialog() override
    {
        intedit::Attach(GetHandle(), IDC_LAYER_NUMBER, 1, 10);
        intedit::Attach(GetHandle(), IDC_LAYER_FREE, 0, 0);
    }
    void OnCommand(int nId, int, HWND) override
    {
        if (nId == IDC_LAYER_OK)
            EndModal(IDOK);
        else if (nId == IDC_LAYER_CANCEL)
            EndModal(IDCANCEL);
    }
};

class DialogLayer : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_messages.clear();
        prompts::Functions fake = {};
        fake.MessageBox = RecordMessage;
        fake.ChooseColor = FakeChooseColor;
        m_previous = prompts::Install(fake);
        ASSERT_TRUE(m_dialog.Create(nullptr));
        m_hDlg = m_dialog.GetHandle();
    }
    void TearDown() override { prompts::Install(m_previous); }

    std::string Text(int nId) { return fields::GetText(m_hDlg, nId); }
    void Type(int nId, char ch) { SendDlgItemMessageA(m_hDlg, nId, WM_CHAR, (WPARAM)ch, 1); }
    void Key(int nId, UINT vk) { SendDlgItemMessageA(m_hDlg, nId, WM_KEYDOWN, vk, 1); }
    void Leave(int nId)
    {
        SendDlgItemMessageA(m_hDlg, nId, WM_KILLFOCUS, (WPARAM)GetDlgItem(m_hDlg, IDC_LAYER_OTHER), 0);
    }
    HWND SpinOf(int nId)
    {
        HWND hEdit = GetDlgItem(m_hDlg, nId);
        for (HWND h = GetWindow(m_hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            if ((HWND)SendMessageA(h, UDM_GETBUDDY, 0, 0) == hEdit)
                return h;
        }
        return nullptr;
    }

    prompts::Functions m_previous;
    LayerDialog m_dialog;
    HWND m_hDlg = nullptr;
};

}  // namespace

TEST(AtolRule, ReadsLikeAtolButNeverWraps)
{
    const struct {
        const char *text;
        int expected;
    } cases[] = {
        {"-5", -5},         {"abc", 0},           {"7px", 7},           {"12ab", 12},
        {"", 0},            {"  +42", 42},        {"\t-3x", -3},        {"- 3", 0},
        {"2147483647", INT_MAX},                  {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},                 {"-99999999999999999999", INT_MIN},
        {"99999999999999999999999999", INT_MAX}, {"0012", 12},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, fields::ReadLong(c.text)) << '"' << c.text << '"';
    EXPECT_EQ(0, fields::ReadLong(nullptr));
}

TEST(AtolRule, WholeNumbersAreSignAndDigitsOnly)
{
    long long n = 0;
    EXPECT_TRUE(fields::ParseWholeNumber("-12", &n));
    EXPECT_EQ(-12, n);
    EXPECT_TRUE(fields::ParseWholeNumber("99999999999", &n));
    EXPECT_EQ(INT_MAX, n);
    for (const char *text : {"", "-", "+3", " 3", "3 ", "7px", "1-2"})
        EXPECT_FALSE(fields::ParseWholeNumber(text, &n)) << '"' << text << '"';
}

TEST_F(DialogLayer, IntegerFieldFiltersTypedKeys)
{
    fields::SetText(m_hDlg, IDC_LAYER_FREE, "");
    for (char ch : {'1', 'x', '-', '2', ' ', '\r', '3'})
        Type(IDC_LAYER_FREE, ch);
    EXPECT_EQ("1-23", Text(IDC_LAYER_FREE));
    // Paste is not filtered: the atol rule reads it when stored.
    fields::SetText(m_hDlg, IDC_LAYER_OTHER, "12ab");
    SendDlgItemMessageA(m_hDlg, IDC_LAYER_OTHER, EM_SETSEL, 0, -1);
    SendDlgItemMessageA(m_hDlg, IDC_LAYER_OTHER, WM_COPY, 0, 0);
    fields::SetText(m_hDlg, IDC_LAYER_FREE, "");
    SendDlgItemMessageA(m_hDlg, IDC_LAYER_FREE, WM_PASTE, 0, 0);
    EXPECT_EQ("12ab", Text(IDC_LAYER_FREE));
    EXPECT_EQ(12, fields::GetInt(m_hDlg, IDC_LAYER_FREE));
}

TEST_F(DialogLayer, ArrowsAndSpinStepWithinTheRange)
{
    const struct {
        const char *before;
        UINT key;
        const char *after;
    } cases[] = {
        {"5", VK_UP, "6"}, {"5", VK_DOWN, "4"}, {"10", VK_UP, "10"}, {"1", VK_DOWN, "1"},
        {"abc", VK_UP, "2"},  // not a number: counts as the minimum
        {"50", VK_DOWN, "10"}, {"-7", VK_UP, "1"},
    };
    for (const auto &c : cases) {
        fields::SetText(m_hDlg, IDC_LAYER_NUMBER, c.before);
        Key(IDC_LAYER_NUMBER, c.key);
        EXPECT_EQ(c.after, Text(IDC_LAYER_NUMBER)) << c.before;
    }
    HWND hSpin = SpinOf(IDC_LAYER_NUMBER);
    ASSERT_NE(nullptr, hSpin);
    fields::SetText(m_hDlg, IDC_LAYER_NUMBER, "3");
    NMUPDOWN nm = {};
    nm.hdr.hwndFrom = hSpin;
    nm.hdr.idFrom = GetDlgCtrlID(hSpin);
    nm.hdr.code = UDN_DELTAPOS;
    nm.iDelta = 1;
    SendMessageA(m_hDlg, WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
    EXPECT_EQ("4", Text(IDC_LAYER_NUMBER));
    nm.iDelta = -1;
    SendMessageA(m_hDlg, WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
    EXPECT_EQ("3", Text(IDC_LAYER_NUMBER));

    // Without a range the step stops at the 32-bit limit instead of wrapping.
    fields::SetText(m_hDlg, IDC_LAYER_FREE, "2147483647");
    Key(IDC_LAYER_FREE, VK_UP);
    EXPECT_EQ("2147483647", Text(IDC_LAYER_FREE));
}

TEST_F(DialogLayer, ADisabledFieldsSpinButtonIsDisabledWithIt)
{
    HWND hSpin = SpinOf(IDC_LAYER_NUMBER);
    ASSERT_NE(nullptr, hSpin);
    EXPECT_TRUE(IsWindowEnabled(hSpin));
    EnableWindow(GetDlgItem(m_hDlg, IDC_LAYER_NUMBER), FALSE);
    EXPECT_FALSE(IsWindowEnabled(hSpin));
    EnableWindow(GetDlgItem(m_hDlg, IDC_LAYER_NUMBER), TRUE);
    EXPECT_TRUE(IsWindowEnabled(hSpin));
}

TEST_F(DialogLayer, LeavingClampsWholeNumbersOnly)
{
    const struct {
        const char *typed, *left;
    } cases[] = {{"50", "10"}, {"-3", "1"}, {"7", "7"}, {"7px", "7px"}, {"", ""}};
    for (const auto &c : cases) {
        fields::SetText(m_hDlg, IDC_LAYER_NUMBER, c.typed);
        Leave(IDC_LAYER_NUMBER);
        EXPECT_EQ(c.left, Text(IDC_LAYER_NUMBER)) << c.typed;
    }
    fields::SetText(m_hDlg, IDC_LAYER_FREE, "-99999");
    Leave(IDC_LAYER_FREE);
    EXPECT_EQ("-99999", Text(IDC_LAYER_FREE));
}

TEST_F(DialogLayer, LimitedTextNeverGrowsPastItsField)
{
    fields::LimitText(m_hDlg, IDC_LAYER_OTHER, 31);
    std::string longText(300, 'n');
    fields::SetText(m_hDlg, IDC_LAYER_OTHER, "");
    SendDlgItemMessageA(m_hDlg, IDC_LAYER_OTHER, EM_REPLACESEL, FALSE, (LPARAM)longText.c_str());
    EXPECT_EQ(31, fields::GetTextLength(m_hDlg, IDC_LAYER_OTHER));
    char szName[32];
    memset(szName, 'X', sizeof(szName));
    fields::SetText(m_hDlg, IDC_LAYER_FREE, longText.c_str());
    fields::GetText(m_hDlg, IDC_LAYER_FREE, szName, 8);
    EXPECT_STREQ("nnnnnnn", szName);
    EXPECT_EQ('X', szName[8]);
}

TEST_F(DialogLayer, RefusalShowsErrorAndMovesFocus)
{
    ShowWindow(m_hDlg, SW_SHOW);
    SetFocus(GetDlgItem(m_hDlg, IDC_LAYER_FREE));
    EXPECT_FALSE(fields::Refuse(m_hDlg, "Invalid text object name.", IDC_LAYER_OTHER));
    ASSERT_EQ(1u, g_messages.size());
    EXPECT_EQ("Invalid text object name.", g_messages[0].text);
    EXPECT_EQ("Error", g_messages[0].caption);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONERROR), g_messages[0].type);
    EXPECT_EQ(GetDlgItem(m_hDlg, IDC_LAYER_OTHER), GetFocus());
    fields::Refuse(m_hDlg, "x", 0);
    EXPECT_EQ(GetDlgItem(m_hDlg, IDC_LAYER_OTHER), GetFocus());
}

TEST_F(DialogLayer, ColorPanelPicksFromItsOwnColour)
{
    colorpanel::SetColor(m_hDlg, IDC_LAYER_PANEL, 0x336699);
    g_bColorOk = false;
    g_crChosen = 0x112233;
    EXPECT_FALSE(colorpanel::Pick(m_hDlg, IDC_LAYER_PANEL));
    EXPECT_EQ(0x336699u, g_crOffered);
    EXPECT_EQ(0x336699u, colorpanel::GetColor(m_hDlg, IDC_LAYER_PANEL));
    g_bColorOk = true;
    EXPECT_TRUE(colorpanel::Pick(m_hDlg, IDC_LAYER_PANEL));
    EXPECT_EQ(0x112233u, colorpanel::GetColor(m_hDlg, IDC_LAYER_PANEL));

    // The swatch paints its colour.
    HWND hPanel = GetDlgItem(m_hDlg, IDC_LAYER_PANEL);
    ShowWindow(m_hDlg, SW_SHOW);
    RedrawWindow(hPanel, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC hDC = GetDC(hPanel);
    EXPECT_EQ(0x112233u, GetPixel(hDC, 2, 2));
    ReleaseDC(hPanel, hDC);
}

namespace {
std::vector<UINT> g_script;
bool g_bOwnerDisabledWhileShown;
HWND g_hOwner;

void PressScript(DialogBase *pDialog)
{
    g_bOwnerDisabledWhileShown = g_hOwner && !IsWindowEnabled(g_hOwner);
    for (UINT step : g_script) {
        if (step == WM_CLOSE)
            PostMessageA(pDialog->GetHandle(), WM_CLOSE, 0, 0);
        else
            PostMessageA(pDialog->GetHandle(), WM_COMMAND, MAKEWPARAM(step, BN_CLICKED), 0);
    }
}
}  // namespace

TEST(DialogModalRun, EnterAndEscapeDoNothingTitleBarCancels)
{
    g_hOwner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                               nullptr, nullptr, nullptr, nullptr);
    const struct {
        std::vector<UINT> script;
        int result;
    } cases[] = {
        {{IDOK, IDCANCEL, IDC_LAYER_OK}, IDOK},
        {{IDOK, IDC_LAYER_CANCEL}, IDCANCEL},
        {{IDCANCEL, WM_CLOSE}, IDCANCEL},
    };
    DialogBase::ShownHook previous = DialogBase::SetShownHook(PressScript);
    for (const auto &c : cases) {
        g_script = c.script;
        LayerDialog dialog;
        ASSERT_TRUE(dialog.Create(g_hOwner));
        EXPECT_EQ(c.result, dialog.ShowModal());
        EXPECT_TRUE(g_bOwnerDisabledWhileShown);
        EXPECT_TRUE(IsWindowEnabled(g_hOwner));
        EXPECT_FALSE(IsWindowVisible(dialog.GetHandle()));
    }
    DialogBase::SetShownHook(previous);
    DestroyWindow(g_hOwner);
}
