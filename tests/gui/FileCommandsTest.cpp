// The menus, the File commands with their dialogs replaced, the modified flag, the title bar
// and the close question, driven through the real main window's messages.
#include "MainWindowFixture.h"

#include <commdlg.h>
#include <functional>

#include "AdTemplate/AdObjects.h"
#include "TestSupport.h"
#include "dialog/ColorPanel.h"
#include "misc/WinUtil.h"
#include "resource.h"

namespace {

std::string ConfirmText(const std::string &path)
{
    return "The AdSense Template File \"" + path +
           "\" was modified, do you want to save it before exit?";
}

// A template of format nFormat with a title colour, saved at path.
void WriteTemplateFile(const std::string &path, int nFormat, COLORREF crTitle)
{
    AdSenseTemplate tpl;
    tpl.New();
    tpl.GetAdSense()->SetFormat(nFormat);
    tpl.GetAdSense()->GetInfo()->crTitle = crTitle;
    auto *pText = new AdText;
    pText->SetText("Saved");
    tpl.Add(pText);
    ASSERT_TRUE(tpl.SaveAs(path.c_str()));
}

}  // namespace

TEST_F(MainWindowTest, MenusHoldTheTabledItemsAndLeaveTheHiddenOnesOut)
{
    struct Item {
        int nId;  // 0 for a separator
        const char *szCaption;
    };
    const std::vector<std::pair<const char *, std::vector<Item>>> menus = {
        {"&File",
         {{IDM_FILE_NEW, "&New Template\tCtrl+N"}, {IDM_FILE_OPEN, "&Open Template\tCtrl+O"},
          {IDM_FILE_SAVE, "&Save Template\tCtrl+S"},
          {IDM_FILE_SAVEAS, "Save Template &As ...\tCtrl+Shift+S"},
          {0, ""}, {IDM_FILE_EXPORT, "&Export Template Image"},
          {IDM_FILE_HTML, "&Generate AdSense HTML"}, {0, ""}, {IDM_FILE_EXIT, "E&xit Ornamo"}}},
        {"&Edit",
         {{IDM_EDIT_UNDO, "&Undo\tCtrl+Z"}, {IDM_EDIT_REDO, "&Redo\tCtrl+Y"}, {0, ""},
          {IDM_EDIT_NEWIMAGE, "New &Image"}, {IDM_EDIT_NEWTEXT, "New &Text"},
          {IDM_EDIT_NEWFRAME, "New &Frame"}}},
        {"&View",
         {{IDM_VIEW_EDITOR, "Template &Editor"}, {IDM_VIEW_PREVIEW, "&Preview Google AdSense"},
          {IDM_VIEW_CODE, "&Google AdSense Code"}, {0, ""},
          {IDM_VIEW_BROWSER, "Preview in &Browser"}}},
        {"&Tools", {{IDM_TOOL_OPTION, "&Options..."}}},
        {"&Help",
         {{IDM_HELP_CONTENT, "&Content\tF1"}, {IDM_HELP_WEB, "Ornamo &Website"}, {0, ""},
          {IDM_HELP_ABOUT, "&About Ornamo"}}},
    };
    HMENU hBar = GetMenu(Main());
    ASSERT_EQ(GetMenuItemCount(hBar), static_cast<int>(menus.size()));
    for (size_t m = 0; m < menus.size(); ++m) {
        char sz[64] = {};
        GetMenuStringA(hBar, static_cast<UINT>(m), sz, sizeof(sz), MF_BYPOSITION);
        EXPECT_STREQ(sz, menus[m].first);
        HMENU hSub = GetSubMenu(hBar, static_cast<int>(m));
        const auto &items = menus[m].second;
        ASSERT_EQ(GetMenuItemCount(hSub), static_cast<int>(items.size())) << menus[m].first;
        for (size_t i = 0; i < items.size(); ++i) {
            MENUITEMINFOA info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE | MIIM_ID;
            ASSERT_TRUE(GetMenuItemInfoA(hSub, static_cast<UINT>(i), TRUE, &info));
            if (items[i].nId == 0) {
                EXPECT_TRUE(info.fType & MFT_SEPARATOR) << menus[m].first << " " << i;
                continue;
            }
            EXPECT_EQ(static_cast<int>(info.wID), items[i].nId);
            GetMenuStringA(hSub, static_cast<UINT>(i), sz, sizeof(sz), MF_BYPOSITION);
            EXPECT_STREQ(sz, items[i].szCaption);
        }
    }
    // The hidden items are not offered, but their commands still arrive at their handlers.
    EXPECT_EQ(GetMenuState(hBar, IDM_EDIT_NEWLINE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuState(hBar, IDM_EDIT_NEWSHADOW, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_TRUE(GetMenuState(hBar, IDM_VIEW_EDITOR, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(MainWindowTest, ViewCommandsAndTabsShowOnePageAndCheckItsItem)
{
    struct Case {
        int nCommand;
        int nPage;
    } cases[] = {{IDM_VIEW_PREVIEW, TfmMain::PAGE_PREVIEW}, {IDM_VIEW_CODE, TfmMain::PAGE_CODE},
                 {IDM_VIEW_EDITOR, TfmMain::PAGE_EDIT}, {IDM_FILE_HTML, TfmMain::PAGE_CODE}};
    auto expectPage = [&](int nPage, const char *szHow) {
        EXPECT_EQ(m_pForm->GetActivePage(), nPage) << szHow;
        EXPECT_EQ(SendMessageA(m_pForm->GetTabs(), TCM_GETCURSEL, 0, 0), nPage) << szHow;
        for (int p = 0; p < TfmMain::PAGE_COUNT; ++p) {
            EXPECT_EQ(IsWindowVisible(m_pForm->GetPage(p)) != FALSE, p == nPage) << szHow;
            EXPECT_EQ(IsWindowEnabled(m_pForm->GetPage(p)) != FALSE, p == nPage) << szHow;
            const UINT uState = GetMenuState(GetMenu(Main()), IDM_VIEW_EDITOR + p, MF_BYCOMMAND);
            EXPECT_EQ((uState & MF_CHECKED) != 0, p == nPage) << szHow;
        }
    };
    expectPage(TfmMain::PAGE_EDIT, "at start");
    for (const Case &c : cases) {
        Command(c.nCommand);
        expectPage(c.nPage, "command");
    }
    // A tab picked by the user checks the page's View item.
    SendMessageA(m_pForm->GetTabs(), TCM_SETCURSEL, TfmMain::PAGE_PREVIEW, 0);
    NMHDR header = {m_pForm->GetTabs(), IDC_PAGES, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(Main(), WM_NOTIFY, IDC_PAGES, reinterpret_cast<LPARAM>(&header));
    expectPage(TfmMain::PAGE_PREVIEW, "tab");
    EXPECT_FALSE(Tpl()->IsModified());
}

TEST_F(MainWindowTest, HelpWebsiteAndLogoGoThroughTheShell)
{
    struct Case {
        int nId, nNotifyCode;
        std::vector<std::string> targets;
    } cases[] = {
        {IDM_HELP_CONTENT, 0, {m_folder + "ornamo.chm", "https://ornamo.example.com/tutorials/"}},
        {IDC_BTNHELP, BN_CLICKED, {m_folder + "ornamo.chm", "https://ornamo.example.com/tutorials/"}},
        {IDM_HELP_WEB, 0, {"https://ornamo.example.com/"}},
        {IDC_LOGO, STN_CLICKED, {"https://ornamo.example.com/"}},
    };
    for (const Case &c : cases) {
        g_prompts.shellTargets.clear();
        Command(c.nId, c.nNotifyCode);
        EXPECT_EQ(g_prompts.shellTargets, c.targets) << c.nId;
    }
}

TEST_F(MainWindowTest, DialogCommandsCancelledLeaveTheTemplateAlone)
{
    // Menu items and the edit page's buttons; the ad unit is the current object, so Delete
    // and Details work on it.
    const std::pair<int, int> commands[] = {
        {IDM_EDIT_NEWIMAGE, 0}, {IDM_EDIT_NEWTEXT, 0}, {IDM_EDIT_NEWLINE, 0},
        {IDM_EDIT_NEWSHADOW, 0}, {IDM_EDIT_NEWFRAME, 0}, {IDM_FILE_EXPORT, 0},
        {IDM_TOOL_OPTION, 0}, {IDM_HELP_ABOUT, 0}, {IDC_BTNIMAGE, BN_CLICKED},
        {IDC_BTNTEXT, BN_CLICKED}, {IDC_BTNFRAME, BN_CLICKED}, {IDC_BTNLINE, BN_CLICKED},
        {IDC_BTNSHADOW, BN_CLICKED}, {IDC_BTNDEL, BN_CLICKED}, {IDC_BTNDETAIL, BN_CLICKED}};
    const std::string path = Tpl()->GetFilePath();
    for (const auto &command : commands) {
        const int nId = command.first;
        Command(nId, command.second);
        EXPECT_NE(m_pForm->GetHandle(), nullptr) << nId;
        EXPECT_EQ(Tpl()->GetCount(), 1u) << nId;
        EXPECT_FALSE(Tpl()->IsModified()) << nId;
        EXPECT_EQ(Tpl()->GetFilePath(), path) << nId;
    }
}

TEST_F(MainWindowTest, ExitMenuAndExitButtonCloseTheWindow)
{
    const std::pair<int, int> commands[] = {{IDM_FILE_EXIT, 0}, {IDC_BTNEXIT, BN_CLICKED}};
    for (const auto &command : commands) {
        if (!m_pForm->GetHandle())
            CreateWindowNow();
        Command(command.first, command.second);
        EXPECT_EQ(m_pForm->GetHandle(), nullptr) << command.first;
        EXPECT_TRUE(g_prompts.messages.empty());
    }
}

TEST_F(MainWindowTest, TitleBarNamesThePathAndMarksChanges)
{
    const std::string path = Tpl()->GetFilePath();
    EXPECT_EQ(path, m_folder + "output\\noname.atp");
    EXPECT_EQ(Caption(), "Ornamo - [" + path + "]");
    m_pForm->SetModified(true, true);
    EXPECT_EQ(Caption(), "Ornamo - [" + path + "] * ");
    m_pForm->SetModified(false, false);
    EXPECT_EQ(Caption(), "Ornamo - [" + path + "] * ") << "caption left alone when asked";
    m_pForm->UpdateCaption();
    EXPECT_EQ(Caption(), "Ornamo - [" + path + "]");
}

TEST_F(MainWindowTest, SaveAsksForAPathOnceThenWritesWithoutAsking)
{
    const std::string banner = OutputPath("Banner.atp");
    DeleteFileA(banner.c_str());
    m_pForm->SetModified(true, true);
    g_prompts.savePaths.push_back(banner);
    Command(IDM_FILE_SAVE);
    ASSERT_EQ(g_prompts.saveDialogs.size(), 1u);
    const PromptLog::FileDialog &dialog = g_prompts.saveDialogs[0];
    EXPECT_EQ(dialog.title, "Save Ornamo Template");
    EXPECT_EQ(dialog.filter, "AdSense Template File (*.atp)|*.atp|All Files(*.*)|*.*|");
    EXPECT_EQ(dialog.initialDir, m_folder + "Output");
    EXPECT_EQ(dialog.defaultExt, "atp");
    EXPECT_TRUE(dialog.flags & OFN_OVERWRITEPROMPT);
    EXPECT_TRUE(testsupport::FileExists(banner));
    EXPECT_EQ(std::string(Tpl()->GetFilePath()), banner);
    EXPECT_FALSE(Tpl()->IsModified());
    EXPECT_EQ(Caption(), "Ornamo - [" + banner + "]");

    PickListEntry(IDC_CBADTYPE, 1);
    DeleteFileA(banner.c_str());
    Command(IDM_FILE_SAVE);
    EXPECT_EQ(g_prompts.saveDialogs.size(), 1u) << "a named template is saved without a dialog";
    EXPECT_TRUE(testsupport::FileExists(banner));
    EXPECT_FALSE(Tpl()->IsModified());
    EXPECT_TRUE(g_prompts.messages.empty());
}

TEST_F(MainWindowTest, NonameInAnyCaseAndFolderStaysUnnamed)
{
    const std::string scratch = testsupport::MakeScratchFolder("gui_noname");
    g_prompts.savePaths.push_back(scratch + "NONAME.atp");
    Command(IDM_FILE_SAVEAS);
    EXPECT_EQ(std::string(Tpl()->GetFilePath()), scratch + "NONAME.atp");
    Command(IDM_FILE_SAVE);
    EXPECT_EQ(g_prompts.saveDialogs.size(), 2u);
}

TEST_F(MainWindowTest, OpenLoadsTheChosenFileAndTheListsAndSwatchesFollow)
{
    const std::string path = OutputPath("Skyscraper.atp");
    WriteTemplateFile(path, 5, RGB(1, 2, 3));
    g_prompts.openPaths.push_back(path);
    Command(IDM_FILE_OPEN);
    ASSERT_EQ(g_prompts.openDialogs.size(), 1u);
    const PromptLog::FileDialog &dialog = g_prompts.openDialogs[0];
    EXPECT_EQ(dialog.title, "Open Ornamo Template");
    EXPECT_EQ(dialog.filter, "Ornamo Template (*.atp)|*.atp|All Files(*.*)|*.*|");
    EXPECT_EQ(dialog.initialDir, m_folder + "Output");
    EXPECT_EQ(dialog.flags & (OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST),
              static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST));

    EXPECT_EQ(std::string(Tpl()->GetFilePath()), path);
    EXPECT_FALSE(Tpl()->IsModified());
    EXPECT_EQ(Info()->nFormat, 5);
    EXPECT_EQ(SendMessageA(Ctl(IDC_CBADTYPE), CB_GETCURSEL, 0, 0), 4) << "format list follows";
    EXPECT_EQ(SendMessageA(Ctl(IDC_CBCURROBJ), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(colorpanel::GetColor(Ctl(IDC_PNLTITLECOLOR)), RGB(1, 2, 3));
    EXPECT_EQ(Text(IDC_MEMCODE), std::string(Tpl()->GetCode()));

    // New brings the defaults back to the lists and swatches, again without a change event.
    Command(IDM_FILE_NEW);
    EXPECT_EQ(SendMessageA(Ctl(IDC_CBADTYPE), CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(colorpanel::GetColor(Ctl(IDC_PNLTITLECOLOR)), 0xFF0000u);
    EXPECT_FALSE(Tpl()->IsModified());
    EXPECT_TRUE(g_prompts.messages.empty());
}

TEST_F(MainWindowTest, OpenRefusesWhatIsNoTemplateWithAMessageAndKeepsTheTemplate)
{
    const std::string textFile = OutputPath("not-a-template.atp");
    ASSERT_TRUE(testsupport::WriteFileBytes(textFile, "just some text\r\n"));
    const std::string missing = OutputPath("missing-file.atp");
    DeleteFileA(missing.c_str());
    m_pForm->SetModified(true, true);
    const std::string path = Tpl()->GetFilePath();
    for (const std::string &file : {textFile, missing}) {
        g_prompts.messages.clear();
        g_prompts.answers = {IDNO};  // the question before opening: go on without saving
        g_prompts.openPaths.push_back(file);
        Command(IDM_FILE_OPEN);
        ASSERT_EQ(g_prompts.messages.size(), 2u) << file;
        EXPECT_EQ(g_prompts.messages[1].text, "Invalid Ornamo template file!");
        EXPECT_EQ(g_prompts.messages[1].caption, "Error");
        EXPECT_EQ(std::string(Tpl()->GetFilePath()), path);
        EXPECT_TRUE(Tpl()->IsModified());
        EXPECT_EQ(Tpl()->GetCount(), 1u);
    }
}

TEST_F(MainWindowTest, FailedSaveIsReportedAndKeepsPathAndFlag)
{
    const std::string target = m_folder + "no-such-folder\\Banner.atp";
    m_pForm->SetModified(true, true);
    const std::string path = Tpl()->GetFilePath();
    g_prompts.savePaths.push_back(target);
    Command(IDM_FILE_SAVEAS);
    ASSERT_EQ(g_prompts.messages.size(), 1u);
    EXPECT_EQ(g_prompts.messages[0].text,
              "The AdSense Template File \"" + target + "\" could not be saved.");
    EXPECT_EQ(g_prompts.messages[0].caption, "Error");
    EXPECT_TRUE(g_prompts.messages[0].type & MB_ICONERROR);
    EXPECT_EQ(std::string(Tpl()->GetFilePath()), path);
    EXPECT_TRUE(Tpl()->IsModified());
    EXPECT_EQ(Caption(), "Ornamo - [" + path + "] * ");
}

TEST_F(MainWindowTest, CancelledFileDialogsChangeNothing)
{
    m_pForm->SetModified(true, true);
    const std::string path = Tpl()->GetFilePath();
    g_prompts.answers = {IDNO};
    Command(IDM_FILE_OPEN);
    Command(IDM_FILE_SAVEAS);
    Command(IDM_FILE_SAVE);
    EXPECT_EQ(g_prompts.openDialogs.size(), 1u);
    EXPECT_EQ(g_prompts.saveDialogs.size(), 2u);
    EXPECT_EQ(std::string(Tpl()->GetFilePath()), path);
    EXPECT_TRUE(Tpl()->IsModified());
}

TEST_F(MainWindowTest, NewTemplateTakesTheOptionsIdsThatPassTheirRules)
{
    AdSenseInfo defaults;
    defaults.SetDefaults();
    struct Case {
        const char *szPub, *szChannel, *szExpectedPub, *szExpectedChannel;
    } cases[] = {
        {"pub-1111222233334444", "55566677788", "pub-1111222233334444", "55566677788"},
        {"pub-1111222233334444", "", "pub-1111222233334444", ""},
        {"pub-111", "55566677788", defaults.szPubID, "55566677788"},
        {"PUB-1111222233334444", "5556667778", defaults.szPubID, defaults.szChannelID},
    };
    for (const Case &c : cases) {
        CopyText(m_pForm->GetSettings().PubID, c.szPub);
        CopyText(m_pForm->GetSettings().ChannelID, c.szChannel);
        Command(IDM_FILE_NEW);
        EXPECT_STREQ(Info()->szPubID, c.szExpectedPub) << c.szPub;
        EXPECT_STREQ(Info()->szChannelID, c.szExpectedChannel) << c.szChannel;
        EXPECT_EQ(Text(IDC_EDTPUBID), c.szExpectedPub);
        EXPECT_FALSE(Tpl()->IsModified());
    }
}

TEST_F(MainWindowTest, EveryStoredChangeMarksTheTemplateAndNothingElseDoes)
{
    g_prompts.colorOk = true;
    struct Case {
        const char *szWhat;
        std::function<void()> action;
        bool bModified;
    };
    const std::vector<Case> cases = {
        {"another format", [&] { PickListEntry(IDC_CBADTYPE, 4); }, true},
        {"the same format", [&] { PickListEntry(IDC_CBADTYPE, 0); }, false},
        {"another colour", [&] { g_prompts.colorChosen = RGB(9, 9, 9); Command(IDC_BTNURLCOLOR, BN_CLICKED); }, true},
        {"the same colour", [&] { g_prompts.colorChosen = Info()->crURL; Command(IDC_BTNURLCOLOR, BN_CLICKED); }, false},
        {"a publisher ID", [&] { TypeAndLeave(IDC_EDTPUBID, "pub-9999888877776666"); }, true},
        {"a channel ID", [&] { TypeAndLeave(IDC_EDTCHANNELID, "12345678901"); }, true},
        {"a rejected ID", [&] { TypeAndLeave(IDC_EDTCHANNELID, "123"); }, false},
        {"an unchanged ID", [&] { TypeAndLeave(IDC_EDTPUBID, Info()->szPubID); }, false},
        {"an object picked in the list", [&] { PickListEntry(IDC_CBCURROBJ, 0); }, false},
        {"another page", [&] { Command(IDM_VIEW_CODE); }, false},
        {"a drag step", [&] {
             HWND hCanvas = m_pForm->GetAdEdit()->GetHandle();
             const int x = AdEdit::RulerSize + 100, y = AdEdit::RulerSize + 50;
             SendMessageA(hCanvas, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
             SendMessageA(hCanvas, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 5, y + 3));
             SendMessageA(hCanvas, WM_LBUTTONUP, 0, MAKELPARAM(x + 5, y + 3));
         }, true},
    };
    for (const Case &c : cases) {
        m_pForm->NewTemplate();
        c.action();
        EXPECT_EQ(Tpl()->IsModified(), c.bModified) << c.szWhat;
        const std::string caption = Caption();
        EXPECT_EQ(caption.size() > 3 && caption.compare(caption.size() - 3, 3, " * ") == 0,
                  c.bModified)
            << c.szWhat << ": " << caption;
    }
}

TEST_F(MainWindowTest, CloseQuestionAnswers)
{
    struct Case {
        const char *szWhat;
        bool bModified;
        std::vector<int> answers;
        std::vector<std::string> savePaths;
        bool bClosed;
        bool bWritten;
        size_t nMessages;
    };
    const std::string target = OutputPath("closing.atp");
    const std::string badTarget = m_folder + "no-such-folder\\closing.atp";
    const std::vector<Case> cases = {
        {"unmodified", false, {}, {}, true, false, 0},
        {"No", true, {IDNO}, {}, true, false, 1},
        {"Cancel", true, {IDCANCEL}, {}, false, false, 1},
        {"Yes, saved", true, {IDYES}, {target}, true, true, 1},
        {"Yes, save dialog cancelled", true, {IDYES}, {}, false, false, 1},
        {"Yes, save failed", true, {IDYES}, {badTarget}, false, false, 2},
    };
    for (const Case &c : cases) {
        if (m_pForm->GetHandle())
            m_pForm->NewTemplate();
        else
            CreateWindowNow();
        DeleteFileA(target.c_str());
        g_prompts.Clear();
        g_prompts.answers.assign(c.answers.begin(), c.answers.end());
        g_prompts.savePaths.assign(c.savePaths.begin(), c.savePaths.end());
        if (c.bModified)
            Tpl()->Add(new AdText);
        const std::string path = Tpl()->GetFilePath();
        EXPECT_EQ(Close(), c.bClosed) << c.szWhat;
        EXPECT_EQ(testsupport::FileExists(target), c.bWritten) << c.szWhat;
        ASSERT_EQ(g_prompts.messages.size(), c.nMessages) << c.szWhat;
        if (c.nMessages) {
            EXPECT_EQ(g_prompts.messages[0].text, ConfirmText(path)) << c.szWhat;
            EXPECT_EQ(g_prompts.messages[0].caption, "Confirmation");
            EXPECT_EQ(g_prompts.messages[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
        }
        if (!c.bClosed) {
            EXPECT_TRUE(Tpl()->IsModified()) << c.szWhat;
            EXPECT_EQ(Tpl()->GetCount(), 2u) << c.szWhat;
        }
    }
}

TEST_F(MainWindowTest, NewAndOpenAskBeforeReplacingAModifiedTemplate)
{
    struct Case {
        int nCommand;
        int nAnswer;
        bool bReplaced;
        size_t nOpenDialogs;
    } cases[] = {{IDM_FILE_NEW, IDCANCEL, false, 0},
                 {IDM_FILE_NEW, IDNO, true, 0},
                 {IDM_FILE_OPEN, IDCANCEL, false, 0},
                 {IDM_FILE_OPEN, IDNO, true, 1},
                 // Yes with the save dialog cancelled keeps the work on screen.
                 {IDM_FILE_NEW, IDYES, false, 0}};
    const std::string other = OutputPath("other.atp");
    WriteTemplateFile(other, 2, 0);
    for (const Case &c : cases) {
        m_pForm->NewTemplate();
        Tpl()->Add(new AdLine);
        g_prompts.Clear();
        g_prompts.answers = {c.nAnswer};
        g_prompts.openPaths = {other};
        Command(c.nCommand);
        ASSERT_GE(g_prompts.messages.size(), 1u);
        EXPECT_EQ(g_prompts.messages[0].caption, "Confirmation");
        EXPECT_EQ(g_prompts.openDialogs.size(), c.nOpenDialogs);
        const bool bStillOurs = Tpl()->GetCount() == 2 && Tpl()->IsModified() &&
                                Tpl()->GetLast()->GetType() == OBJ_LINE;
        EXPECT_EQ(!bStillOurs, c.bReplaced) << c.nCommand << " answered " << c.nAnswer;
    }
}

TEST_F(MainWindowTest, ClosingBeforeTheStartAsksNothing)
{
    m_pForm.reset();
    CreateWindowNow(false);
    Tpl()->Add(new AdText);
    EXPECT_TRUE(Close());
    EXPECT_TRUE(g_prompts.messages.empty());
}

TEST_F(MainWindowTest, LogOffAsksTheCloseQuestionAndTearsDown)
{
    Tpl()->Add(new AdText);
    g_prompts.answers = {IDCANCEL};
    EXPECT_EQ(SendMessageA(Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);
    EXPECT_EQ(g_prompts.messages.size(), 1u);
    EXPECT_NE(m_pForm->GetHandle(), nullptr);

    g_prompts.answers = {IDNO};
    EXPECT_EQ(SendMessageA(Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageA(Main(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    testsupport::PumpMessages();
    EXPECT_EQ(m_pForm->GetHandle(), nullptr);
    EXPECT_EQ(m_pForm->GetTemplate(), nullptr) << "the template went with the window";
}
