// Start-up: the folders, the image library message, the timer and the start-up choice.
#include "MainWindowFixture.h"

#include "PictraUtil.h"
#include "dialog/DialogBase.h"
#include "TestSupport.h"

namespace {

const char *const kLibraryMessage =
    "Ornamo image library initialization failed, Ornamo software may not work properly.";

// Puts another file in place of the test folder's Pictra.dll for one scope (none for an
// empty source) and the real one back afterwards.
class LibraryStandIn {
public:
    LibraryStandIn(const std::string &folder, const std::string &source)
        : m_dll(folder + "Pictra.dll"), m_kept(folder + "Pictra.dll.kept")
    {
        MoveFileExA(m_dll.c_str(), m_kept.c_str(), MOVEFILE_REPLACE_EXISTING);
        if (!source.empty())
            CopyFileA(source.c_str(), m_dll.c_str(), FALSE);
    }
    ~LibraryStandIn()
    {
        DeleteFileA(m_dll.c_str());
        MoveFileExA(m_kept.c_str(), m_dll.c_str(), MOVEFILE_REPLACE_EXISTING);
    }

private:
    std::string m_dll, m_kept;
};

}  // namespace

class StartupTest : public MainWindowTest {
protected:
    bool CreatesWindowItself() const override { return true; }
};

TEST_F(StartupTest, FoldersExistAndTheWindowWaitsForTheTimer)
{
    CreateWindowNow(false);
    for (const char *szFolder : {"Samples", "Samples\\images", "Output", "Output\\images", "Temp"}) {
        const DWORD dwAttr = GetFileAttributesA((m_folder + szFolder).c_str());
        EXPECT_TRUE(dwAttr != INVALID_FILE_ATTRIBUTES && (dwAttr & FILE_ATTRIBUTE_DIRECTORY)) << szFolder;
    }
    EXPECT_EQ(Caption(), "Ornamo  ");
    EXPECT_EQ(Text(IDC_MEMCODE), "");
    EXPECT_EQ(SendMessageA(Ctl(IDC_CBCURROBJ), CB_GETCOUNT, 0, 0), 0);
    EXPECT_TRUE(g_prompts.messages.empty()) << "the library beside the tests loads";

    // The real timer: the template appears after its second tick.
    m_pForm->GetSettings().Startup = false;
    m_pForm->PostCreate();
    const DWORD dwStart = GetTickCount();
    while (Caption() == "Ornamo  " && GetTickCount() - dwStart < 5000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        testsupport::PumpMessages();
    }
    EXPECT_EQ(Caption(), "Ornamo - [" + m_folder + "output\\noname.atp]");
    EXPECT_EQ(SendMessageA(Ctl(IDC_CBCURROBJ), CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(Text(IDC_MEMCODE), std::string(Tpl()->GetCode()));
}

TEST_F(StartupTest, FirstTickOnlyArmsTheSecond)
{
    CreateWindowNow(false);
    m_pForm->GetSettings().Startup = false;
    m_pForm->PostCreate();
    SendMessageA(Main(), WM_TIMER, 1, 0);
    EXPECT_EQ(Caption(), "Ornamo  ");
    SendMessageA(Main(), WM_TIMER, 1, 0);
    EXPECT_NE(Caption(), "Ornamo  ");
    // The timer is off: a late tick changes nothing.
    m_pForm->SetModified(true, true);
    SendMessageA(Main(), WM_TIMER, 1, 0);
    EXPECT_TRUE(Tpl()->IsModified());
}

TEST_F(StartupTest, WizardNotEndingWithOkGivesANewTemplate)
{
    CreateWindowNow(false);
    m_pForm->GetSettings().Startup = true;
    m_pForm->PostCreate();
    SendMessageA(Main(), WM_TIMER, 1, 0);
    SendMessageA(Main(), WM_TIMER, 1, 0);
    testsupport::PumpMessages();
    EXPECT_EQ(Caption(), "Ornamo - [" + m_folder + "output\\noname.atp]");
    EXPECT_EQ(Tpl()->GetCount(), 1u);
}

// A template named on the command line opens in place of the wizard; a file that is not a
// template is reported and leaves a new template.
TEST_F(StartupTest, CommandLineTemplateTakesThePlaceOfTheStartupChoice)
{
    const std::string good = m_folder + "Output\\from command line.atp";
    const std::string bad = m_folder + "Output\\not a template.atp";
    {
        AdSenseTemplate made;
        made.New();
        made.GetAdSense()->SetFormat(3);
        ASSERT_TRUE(made.SaveAs(good.c_str()));
    }
    ASSERT_TRUE(testsupport::WriteFileBytes(bad, "just some text"));

    struct Case {
        std::string path;
        std::string caption;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {good, "Ornamo - [" + good + "]", {}},
        {bad, "Ornamo - [" + m_folder + "output\\noname.atp]", {"Invalid Ornamo template file!"}},
        {m_folder + "missing.atp", "Ornamo - [" + m_folder + "output\\noname.atp]",
         {"Invalid Ornamo template file!"}},
    };
    for (const Case &c : cases) {
        g_prompts.Clear();
        m_pForm.reset();
        CreateWindowNow(false);
        m_pForm->GetSettings().Startup = true;
        m_pForm->PostCreate(c.path);
        SendMessageA(Main(), WM_TIMER, 1, 0);
        SendMessageA(Main(), WM_TIMER, 1, 0);
        testsupport::PumpMessages();
        EXPECT_EQ(Caption(), c.caption) << c.path;
        EXPECT_EQ(g_prompts.Texts(), c.messages) << c.path << " (no wizard either)";
        DestroyWindow(Main());
    }
}

// A close (the user, or Windows ending the program) may come before the first template: there
// is nothing to save then, and no ID field to check.
TEST_F(StartupTest, CloseBeforeTheFirstTemplateEndsTheProgramWithoutQuestions)
{
    CreateWindowNow(false);
    m_pForm->GetSettings().Startup = true;
    m_pForm->PostCreate();
    SendMessageA(Main(), WM_TIMER, 1, 0);
    SendMessageA(Main(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(Main()));
    EXPECT_TRUE(g_prompts.messages.empty());
    EXPECT_EQ(g_prompts.dialogsShown, 0) << "no wizard after the window has gone";
}

namespace {
HWND g_hMainForHook = nullptr;
// The close arrives while the wizard is up; the wizard is then cancelled as the fixture does.
void CloseMainThenCancel(DialogBase *pDialog)
{
    SendMessageA(g_hMainForHook, WM_CLOSE, 0, 0);
    pDialog->EndModal(IDCANCEL);
}
}  // namespace

TEST_F(StartupTest, CloseWhileTheWizardRunsIsMadeWhenItEnds)
{
    CreateWindowNow(false);
    g_hMainForHook = Main();
    DialogBase::SetShownHook(CloseMainThenCancel);
    m_pForm->GetSettings().Startup = true;
    m_pForm->PostCreate();
    SendMessageA(Main(), WM_TIMER, 1, 0);
    SendMessageA(Main(), WM_TIMER, 1, 0);
    EXPECT_TRUE(IsWindow(Main())) << "the wizard's caller still runs";
    testsupport::PumpMessages();
    EXPECT_FALSE(IsWindow(Main()));
    EXPECT_TRUE(g_prompts.messages.empty());
}

TEST_F(StartupTest, ImageLibraryMessageWhenTheLibraryIsMissing)
{
    {
        LibraryStandIn none(m_folder, "");
        CreateWindowNow(false);
        EXPECT_EQ(g_prompts.Texts(), std::vector<std::string>{kLibraryMessage});
        ASSERT_FALSE(g_prompts.messages.empty());
        EXPECT_EQ(g_prompts.messages[0].caption, "Information");
        EXPECT_TRUE(g_prompts.messages[0].type & MB_ICONINFORMATION);
        // The rest of the window works.
        m_pForm->NewTemplate();
        EXPECT_EQ(SendMessageA(Ctl(IDC_CBCURROBJ), CB_GETCOUNT, 0, 0), 1);
        DestroyWindow(Main());
    }
    g_prompts.Clear();
    m_pForm.reset();
    CreateWindowNow(false);
    EXPECT_TRUE(g_prompts.messages.empty()) << "the real library gives no message";
}

TEST_F(StartupTest, ImageLibraryMessageWhenTheLibraryLacksAnExport)
{
    LibraryStandIn incomplete(m_folder, m_folder + "..\\binding_fixtures\\fake_pictra_without_AlphaImageOnDC.dll");
    CreateWindowNow(false);
    EXPECT_EQ(g_prompts.Texts(), std::vector<std::string>{kLibraryMessage});
    DestroyWindow(Main());
}
