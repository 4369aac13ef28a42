// The code page's choice between the classic and the asynchronous ad code, and the preview
// in the browser.
#include "MainWindowFixture.h"

#include "BrowserPreview.h"
#include "TestSupport.h"
#include "misc/WinUtil.h"

namespace {

// The settings file is shared by every test of the program: whatever a test turns on is
// off again for the next one, even when it fails half way.
class CodeFormTest : public MainWindowTest {
protected:
    void TearDown() override
    {
        if (m_pForm)
            m_pForm->GetSettings().AsyncCode = false;
        MainWindowTest::TearDown();
        WritePrivateProfileStringA("Common", "AsyncCode", "0", IniPath().c_str());
    }
    std::string IniPath() const { return m_folder + "ornamo.ini"; }
    bool Checked() const { return SendMessageA(Ctl(IDC_CHKASYNC), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool NoteShown() const { return (GetWindowLongA(Ctl(IDC_LBLASYNCNOTE), GWL_STYLE) & WS_VISIBLE) != 0; }
    void Toggle()
    {
        SendMessageA(Ctl(IDC_CHKASYNC), BM_CLICK, 0, 0);
        testsupport::PumpMessages();
    }
};

}  // namespace

TEST_F(CodeFormTest, TheCheckBoxSwitchesTheCodeAndItsNoteOnly)
{
    EXPECT_FALSE(Checked());
    EXPECT_FALSE(NoteShown());
    EXPECT_EQ(Text(IDC_MEMCODE), std::string(Tpl()->GetCode(AD_CODE_SHOW_ADS)));

    const struct {
        bool bAsync;
        AdCodeStyle nStyle;
    } steps[] = {{true, AD_CODE_ASYNC}, {false, AD_CODE_SHOW_ADS}};
    for (const auto &step : steps) {
        Toggle();
        EXPECT_EQ(Checked(), step.bAsync);
        EXPECT_EQ(NoteShown(), step.bAsync);
        EXPECT_EQ(m_pForm->GetSettings().AsyncCode, step.bAsync);
        EXPECT_EQ(Text(IDC_MEMCODE), std::string(Tpl()->GetCode(step.nStyle)));
        EXPECT_FALSE(Tpl()->IsModified()) << "a way of viewing, not an edit";
        EXPECT_EQ(Caption().find('*'), std::string::npos) << Caption();
    }
    EXPECT_EQ(Text(IDC_LBLASYNCNOTE),
              "The asynchronous tag takes its colours from your AdSense account.");
}

TEST_F(CodeFormTest, CopyGivesTheAsynchronousCodeWhenItIsShown)
{
    Toggle();
    Command(IDC_BTNCOPY, BN_CLICKED);
    const std::string copied = ClipboardText();
    EXPECT_EQ(copied, std::string(Tpl()->GetCode(AD_CODE_ASYNC)));
    EXPECT_NE(copied.find("class=\"adsbygoogle\""), std::string::npos);
}

TEST_F(CodeFormTest, TheChoiceIsWrittenAtExitAndReadAtTheNextStart)
{
    Toggle();
    ASSERT_TRUE(Close());
    EXPECT_EQ(GetPrivateProfileIntA("Common", "AsyncCode", -1, IniPath().c_str()), 1);

    CreateWindowNow();
    EXPECT_TRUE(Checked());
    EXPECT_TRUE(NoteShown());
    EXPECT_EQ(Text(IDC_MEMCODE), std::string(Tpl()->GetCode(AD_CODE_ASYNC)));
}

TEST_F(CodeFormTest, PreviewInBrowserWritesThePageAndItsPicturesAndOpensIt)
{
    const std::string temp = m_folder + "Temp\\";
    for (const char *szName : {kPreviewPageName, kPreviewBackgroundName, kPreviewAdsName})
        DeleteFileA((temp + szName).c_str());
    for (int nId : {IDM_VIEW_BROWSER, IDC_BTNBROWSER}) {
        g_prompts.shellTargets.clear();
        Command(nId, nId == IDC_BTNBROWSER ? BN_CLICKED : 0);
        EXPECT_TRUE(g_prompts.messages.empty()) << g_prompts.messages.size();
        ASSERT_EQ(g_prompts.shellTargets.size(), 1u) << nId;
        EXPECT_EQ(g_prompts.shellTargets[0], temp + kPreviewPageName);
        for (const char *szName : {kPreviewPageName, kPreviewBackgroundName, kPreviewAdsName})
            EXPECT_TRUE(testsupport::FileExists(temp + szName)) << szName;
    }
    const std::string page = testsupport::ReadFileBytes(temp + kPreviewPageName);
    const RECT &rc = *Tpl()->GetAdSense()->GetPos();
    const std::string img = "<img src=\"preview-ads.jpg\" width=\"" +
                            std::to_string(rc.right - rc.left) + "\" height=\"" +
                            std::to_string(rc.bottom - rc.top) + "\"";
    EXPECT_NE(page.find(img), std::string::npos) << page;
    EXPECT_NE(page.find("background=\"preview-background.jpg\""), std::string::npos) << page;
    EXPECT_NE(page.find("samples"), std::string::npos) << page;
    EXPECT_EQ(page.find("<script"), std::string::npos) << "no real ad script in a preview";
    EXPECT_FALSE(Tpl()->IsModified());
}
