// The edit page's lists, the preview page's colours and the code page's IDs, copy and save.
#include "MainWindowFixture.h"

#include <commdlg.h>

#include "AdTemplate/AdFormats.h"
#include "AdTemplate/AdObjects.h"
#include "TestSupport.h"
#include "dialog/ColorPanel.h"
#include "misc/WinUtil.h"

namespace {

// The IDs a test types: each passes its rule.
const char *const kPubID = "pub-1234123412341234";
const char *const kChannelID = "99988877766";

}  // namespace

TEST_F(MainWindowTest, FormatListHoldsTheTwelveFormatsInCodeOrder)
{
    HWND hList = Ctl(IDC_CBADTYPE);
    ASSERT_EQ(SendMessageA(hList, CB_GETCOUNT, 0, 0), 12);
    for (int i = 0; i < 12; ++i) {
        char sz[64] = {};
        SendMessageA(hList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(sz));
        EXPECT_STREQ(sz, GetAdFormat(i + 1)->szCaption);
    }
    EXPECT_STREQ(GetAdFormat(1)->szCaption, "728 x 90 Leaderboard");
    EXPECT_EQ(SendMessageA(hList, CB_GETCURSEL, 0, 0), 0);
}

TEST_F(MainWindowTest, PickingAFormatSizesTheUnitAndTheCodeFollows)
{
    PickListEntry(IDC_CBADTYPE, 4);
    EXPECT_EQ(Info()->nFormat, 5);
    EXPECT_EQ(Info()->nWidth, 160);
    EXPECT_EQ(Info()->nHeight, 600);
    EXPECT_EQ(Text(IDC_MEMCODE), std::string(Tpl()->GetCode()));
    EXPECT_NE(Text(IDC_MEMCODE).find("160x600_as"), std::string::npos);
}

TEST_F(MainWindowTest, ColourButtonsPresetTheDialogAndStoreThePick)
{
    struct Kind {
        int nButton, nSwatch;
        COLORREF AdSenseInfo::*pField;
    } kinds[] = {{IDC_BTNBORDERCOLOR, IDC_PNLBORDERCOLOR, &AdSenseInfo::crBorder},
                 {IDC_BTNBGCOLOR, IDC_PNLBGCOLOR, &AdSenseInfo::crBG},
                 {IDC_BTNTITLECOLOR, IDC_PNLTITLECOLOR, &AdSenseInfo::crTitle},
                 {IDC_BTNTEXTCOLOR, IDC_PNLTEXTCOLOR, &AdSenseInfo::crText},
                 {IDC_BTNURLCOLOR, IDC_PNLURLCOLOR, &AdSenseInfo::crURL}};
    const COLORREF defaults[] = {0x996633, 0xFFFFFF, 0xFF0000, 0x000000, 0x008000};
    for (int i = 0; i < 5; ++i) {
        const Kind &k = kinds[i];
        EXPECT_EQ(colorpanel::GetColor(Ctl(k.nSwatch)), defaults[i]) << i;

        // Cancel changes nothing.
        g_prompts.colorOk = false;
        g_prompts.colorsOffered.clear();
        Command(k.nButton, BN_CLICKED);
        ASSERT_EQ(g_prompts.colorsOffered.size(), 1u);
        EXPECT_EQ(g_prompts.colorsOffered[0], defaults[i]) << "preset with the unit's colour";
        EXPECT_EQ(Info()->*k.pField, defaults[i]);
        EXPECT_FALSE(Tpl()->IsModified());

        const COLORREF crPicked = RGB(0x12, 0x34, 0x50 + i);
        g_prompts.colorOk = true;
        g_prompts.colorChosen = crPicked;
        Command(k.nButton, BN_CLICKED);
        EXPECT_EQ(Info()->*k.pField, crPicked) << i;
        EXPECT_EQ(colorpanel::GetColor(Ctl(k.nSwatch)), crPicked);
        EXPECT_NE(Text(IDC_MEMCODE).find(ColorToHex(crPicked)), std::string::npos) << i;
        EXPECT_TRUE(Tpl()->IsModified());
        m_pForm->NewTemplate();
    }
    EXPECT_TRUE(g_prompts.messages.empty());
}

TEST_F(MainWindowTest, IdEditsAreTakenOverOnlyWhenTheirOwnRulePasses)
{
    AdSenseInfo defaults;
    defaults.SetDefaults();

    TypeAndLeave(IDC_EDTPUBID, kPubID);
    EXPECT_STREQ(Info()->szPubID, kPubID);
    EXPECT_NE(Text(IDC_MEMCODE).find(kPubID), std::string::npos);
    EXPECT_TRUE(g_prompts.messages.empty());

    // A rejected channel ID is reported and never stored, not even when the publisher ID
    // edit is left afterwards.
    TypeAndLeave(IDC_EDTCHANNELID, "12345");
    ASSERT_EQ(g_prompts.Texts(), std::vector<std::string>{"Invalid AdSense Channel ID."});
    EXPECT_EQ(g_prompts.messages[0].caption, "Error");
    EXPECT_STREQ(Info()->szChannelID, defaults.szChannelID);
    EXPECT_EQ(Text(IDC_EDTCHANNELID), "12345") << "the edit keeps the rejected text";
    TypeAndLeave(IDC_EDTPUBID, "pub-4321432143214321");
    EXPECT_STREQ(Info()->szPubID, "pub-4321432143214321");
    EXPECT_STREQ(Info()->szChannelID, defaults.szChannelID);
    EXPECT_EQ(g_prompts.messages.size(), 1u);

    TypeAndLeave(IDC_EDTPUBID, "PUB-4321432143214321");
    EXPECT_EQ(g_prompts.messages.back().text, "Invalid AdSense Publisher ID.");
    EXPECT_STREQ(Info()->szPubID, "pub-4321432143214321");

    TypeAndLeave(IDC_EDTCHANNELID, kChannelID);
    EXPECT_STREQ(Info()->szChannelID, kChannelID);
    EXPECT_NE(Text(IDC_MEMCODE).find(kChannelID), std::string::npos);
}

TEST_F(MainWindowTest, IdCheckRunsOnlyWhenTheFocusStaysInTheWindow)
{
    // A message box or another program taking the focus is not leaving the field.
    HWND hOther = CreateWindowExA(0, "STATIC", "another window", WS_POPUP, 0, 0, 10, 10,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowTextA(Ctl(IDC_EDTPUBID), "pub-12");
    Leave(IDC_EDTPUBID, hOther);
    Leave(IDC_EDTPUBID, nullptr);
    EXPECT_TRUE(g_prompts.messages.empty());
    DestroyWindow(hOther);

    Leave(IDC_EDTPUBID, Ctl(IDC_CBADTYPE));
    EXPECT_EQ(g_prompts.Texts(), std::vector<std::string>{"Invalid AdSense Publisher ID."});
}

TEST_F(MainWindowTest, IdCheckNeverReentersItself)
{
    // While the refusal is shown, the person clicks about: the field loses the focus again.
    static MainWindowTest *s_pTest;
    s_pTest = this;
    g_prompts.duringMessage = [] { s_pTest->Leave(IDC_EDTCHANNELID, s_pTest->Ctl(IDC_BTNSAVE)); };
    TypeAndLeave(IDC_EDTCHANNELID, "abc");
    EXPECT_EQ(g_prompts.messages.size(), 1u);
}

TEST_F(MainWindowTest, IdTypedJustBeforeAFileCommandIsTakenOver)
{
    const std::string path = OutputPath("ids.atp");
    DeleteFileA(path.c_str());
    // Typed, never left: File > Save As still saves it.
    SetWindowTextA(Ctl(IDC_EDTPUBID), kPubID);
    g_prompts.savePaths.push_back(path);
    Command(IDM_FILE_SAVEAS);
    AdSenseTemplate saved;
    ASSERT_TRUE(saved.Open(path.c_str()));
    EXPECT_STREQ(saved.GetAdSense()->GetInfo()->szPubID, kPubID);

    // Typed into an unmodified template and closed: the close question protects it.
    SetWindowTextA(Ctl(IDC_EDTCHANNELID), kChannelID);
    g_prompts.answers = {IDCANCEL};
    EXPECT_FALSE(Close());
    ASSERT_EQ(g_prompts.messages.size(), 1u);
    EXPECT_EQ(g_prompts.messages[0].caption, "Confirmation");
    EXPECT_STREQ(Info()->szChannelID, kChannelID);
}

TEST_F(MainWindowTest, CopyPutsTheCodeOnTheClipboard)
{
    Command(IDC_BTNCOPY, BN_CLICKED);
    EXPECT_EQ(ClipboardText(), std::string(Tpl()->GetCode()));
    ASSERT_EQ(g_prompts.messages.size(), 1u);
    EXPECT_EQ(g_prompts.messages[0].text, "AdSense code copied to Windows clipboard successfully!");
    EXPECT_EQ(g_prompts.messages[0].caption, "Information");
    DWORD dwStart = 1, dwEnd = 0;
    SendMessageA(Ctl(IDC_MEMCODE), EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                 reinterpret_cast<LPARAM>(&dwEnd));
    EXPECT_EQ(dwStart, 0u);
    EXPECT_EQ(dwEnd, static_cast<DWORD>(Text(IDC_MEMCODE).size())) << "the text stays selected";
}

TEST_F(MainWindowTest, CopyToABusyClipboardReportsAnErrorAndNoSuccess)
{
    HWND hHolder = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(OpenClipboard(hHolder));
    Command(IDC_BTNCOPY, BN_CLICKED);
    CloseClipboard();
    DestroyWindow(hHolder);
    ASSERT_EQ(g_prompts.messages.size(), 1u);
    EXPECT_EQ(g_prompts.messages[0].caption, "Error");
}

TEST_F(MainWindowTest, SaveCodeWritesTheCodeByteForByte)
{
    const std::string path = OutputPath("code.htm");
    DeleteFileA(path.c_str());
    g_prompts.savePaths.push_back(path);
    Command(IDC_BTNSAVE, BN_CLICKED);
    ASSERT_EQ(g_prompts.saveDialogs.size(), 1u);
    const PromptLog::FileDialog &dialog = g_prompts.saveDialogs[0];
    EXPECT_EQ(dialog.title, "Save AdSense Code");
    EXPECT_EQ(dialog.filter,
              "Text File (*.txt)|*.txt|HTML File(*.htm;*.html)|*.htm;*.html|All Files(*.*)|*.*|");
    EXPECT_EQ(dialog.initialDir, m_folder + "Output");
    EXPECT_EQ(dialog.defaultExt, "txt");
    EXPECT_TRUE(dialog.flags & OFN_OVERWRITEPROMPT);

    const std::string code = Text(IDC_MEMCODE);
    EXPECT_NE(code.find("\r\n"), std::string::npos);
    EXPECT_EQ(testsupport::ReadFileBytes(path), code);
    ASSERT_EQ(g_prompts.messages.size(), 1u);
    EXPECT_EQ(g_prompts.messages[0].text, "AdSense code saved successfully to file \"" + path + "\".");
    EXPECT_EQ(g_prompts.messages[0].caption, "Information");

    // Cancel writes nothing.
    g_prompts.messages.clear();
    Command(IDC_BTNSAVE, BN_CLICKED);
    EXPECT_TRUE(g_prompts.messages.empty());
}

TEST_F(MainWindowTest, SaveCodeThatCannotBeWrittenIsReportedAndLeavesNoFile)
{
    const std::string scratch = testsupport::MakeScratchFolder("gui_code");
    struct Case {
        std::string path;
        bool bHold;
    } cases[] = {{m_folder + "no-such-folder\\code.txt", false},
                 // An earlier file held open by another program is neither replaced nor cut.
                 {scratch + "held.txt", true}};
    for (const Case &c : cases) {
        g_prompts.Clear();
        HANDLE hHeld = INVALID_HANDLE_VALUE;
        if (c.bHold) {
            ASSERT_TRUE(testsupport::WriteFileBytes(c.path, "earlier content"));
            hHeld = CreateFileA(c.path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
        }
        g_prompts.savePaths.push_back(c.path);
        Command(IDC_BTNSAVE, BN_CLICKED);
        if (hHeld != INVALID_HANDLE_VALUE)
            CloseHandle(hHeld);
        ASSERT_EQ(g_prompts.messages.size(), 1u) << c.path;
        EXPECT_EQ(g_prompts.messages[0].text, "Can not open file:" + c.path);
        EXPECT_EQ(g_prompts.messages[0].caption, "Error");
        if (c.bHold)
            EXPECT_EQ(testsupport::ReadFileBytes(c.path), "earlier content");
    }
    // Nothing half-written is left beside the target.
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA((scratch + "*").c_str(), &data);
    std::vector<std::string> names;
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            if (data.cFileName[0] != '.')
                names.push_back(data.cFileName);
        } while (FindNextFileA(hFind, &data));
        FindClose(hFind);
    }
    EXPECT_EQ(names, std::vector<std::string>{"held.txt"});
}

TEST_F(MainWindowTest, ObjectListFollowsTheTemplateAndPicksWithoutMarking)
{
    HWND hList = Ctl(IDC_CBCURROBJ);
    ASSERT_EQ(SendMessageA(hList, CB_GETCOUNT, 0, 0), 1);
    char sz[64] = {};
    SendMessageA(hList, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(sz));
    EXPECT_STREQ(sz, "AdSense Content");
    EXPECT_EQ(SendMessageA(hList, CB_GETCURSEL, 0, 0), 0);

    auto *pText = new AdText;
    pText->SetName("Text 1");
    const RECT rcText = {20, 150, 200, 180};
    pText->SetPos(&rcText);
    Tpl()->Add(pText);
    Tpl()->SetModified(false);
    m_pForm->FillObjectList();
    ASSERT_EQ(SendMessageA(hList, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(hList, CB_GETCURSEL, 0, 0), 1) << "the selected object's entry";

    PickListEntry(IDC_CBCURROBJ, 0);
    EXPECT_EQ(Tpl()->GetCurrent(), Tpl()->GetAdSense());
    EXPECT_FALSE(Tpl()->IsModified());

    // A click on the text in the canvas shows it in the list.
    m_pForm->RefreshViews();
    HWND hCanvas = m_pForm->GetAdEdit()->GetHandle();
    const LPARAM at = MAKELPARAM(AdEdit::RulerSize + 50, AdEdit::RulerSize + 160);
    SendMessageA(hCanvas, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(hCanvas, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(Tpl()->GetCurrent(), pText);
    EXPECT_EQ(SendMessageA(hList, CB_GETCURSEL, 0, 0), 1);
    EXPECT_FALSE(Tpl()->IsModified());
}
