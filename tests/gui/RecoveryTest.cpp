// The recovery copy through the real main window: written while the template is modified,
// removed once the work is safe, and offered at the next start when a run ended abruptly.
#include "MainWindowFixture.h"

#include "RecoveryFile.h"
#include "TestSupport.h"

namespace {

const char *const kOriginal = "C:\\Templates\\Lost.atp";

class RecoveryTest : public MainWindowTest {
public:
    bool CreatesWindowItself() const override { return true; }

    // A copy left by a run that has ended (its process id is never handed out).
    void PlantOrphan(const std::string &bytes)
    {
        const std::string copy = RecoveryFile::CopyPathFor(m_folder.c_str(), 4000000011UL);
        ASSERT_TRUE(testsupport::WriteFileBytes(copy, bytes));
        const std::string info = copy.substr(0, copy.size() - 4) + ".ini";
        WritePrivateProfileStringA("Recovery", "Path", kOriginal, info.c_str());
        WritePrivateProfileStringA("Recovery", "Started", "1", info.c_str());
    }
    // The window's start as the program runs it, the question answered with nAnswer.
    void StartAnswering(int nAnswer)
    {
        CreateWindowNow(false);
        m_pForm->GetSettings().Startup = false;
        m_pForm->PostCreate();
        g_prompts.answers = {nAnswer};
        SendMessageA(Main(), WM_TIMER, 1, 0);
        SendMessageA(Main(), WM_TIMER, 1, 0);
        testsupport::PumpMessages();
    }
    std::string OwnCopy() const
    {
        return RecoveryFile::CopyPathFor(m_folder.c_str(), GetCurrentProcessId());
    }
    void RecoveryTick()
    {
        SendMessageA(Main(), WM_TIMER, TfmMain::RecoveryTimerId, 0);
    }
};

std::string TemplateOfFormat(const std::string &path, int nFormat)
{
    AdSenseTemplate tpl;
    tpl.New();
    tpl.GetAdSense()->SetFormat(nFormat);
    EXPECT_TRUE(tpl.SaveAs(path.c_str()));
    return testsupport::ReadFileBytes(path);
}

}  // namespace

TEST_F(RecoveryTest, StartOffersTheCopyAnEndedRunLeft)
{
    const std::string bytes = TemplateOfFormat(OutputPath("recovery-source.atp"), 4);
    const std::string question =
        std::string("Ornamo was not closed properly. Do you want to restore the template \"") +
        kOriginal + "\"?";
    struct Case {
        const char *szWhat;
        std::string copy;
        int nAnswer;
        bool bRestored;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {"Yes", bytes, IDYES, true, {question}},
        {"No", bytes, IDNO, false, {question}},
        {"a damaged copy", "not a template", IDYES, false,
         {question, "Invalid Ornamo template file!"}},
    };
    for (const Case &c : cases) {
        g_prompts.Clear();
        PlantOrphan(c.copy);
        StartAnswering(c.nAnswer);
        EXPECT_EQ(g_prompts.Texts(), c.messages) << c.szWhat;
        ASSERT_FALSE(g_prompts.messages.empty());
        EXPECT_EQ(g_prompts.messages[0].caption, "Confirmation");
        EXPECT_EQ(g_prompts.messages[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
        EXPECT_EQ(Tpl()->IsModified(), c.bRestored) << c.szWhat;
        EXPECT_EQ(std::string(Tpl()->GetFilePath()) == kOriginal, c.bRestored) << c.szWhat;
        EXPECT_EQ(Info()->nFormat == 4, c.bRestored) << c.szWhat;
        EXPECT_FALSE(testsupport::FileExists(
            RecoveryFile::CopyPathFor(m_folder.c_str(), 4000000011UL)))
            << c.szWhat;
        Tpl()->SetModified(false);
        ASSERT_TRUE(Close());
    }
}

TEST_F(RecoveryTest, CopyIsWrittenWhileModifiedAndRemovedOnceTheWorkIsSafe)
{
    StartAnswering(IDOK);
    RecoveryTick();
    EXPECT_FALSE(testsupport::FileExists(OwnCopy())) << "unmodified";
    PickListEntry(IDC_CBADTYPE, 4);
    RecoveryTick();
    EXPECT_TRUE(testsupport::FileExists(OwnCopy())) << "modified";
    ASSERT_TRUE(m_pForm->WriteTemplate(OutputPath("recovery-saved.atp").c_str()));
    EXPECT_FALSE(testsupport::FileExists(OwnCopy())) << "saved";

    PickListEntry(IDC_CBADTYPE, 5);
    RecoveryTick();
    ASSERT_TRUE(testsupport::FileExists(OwnCopy()));
    g_prompts.answers = {IDNO};
    Command(IDM_FILE_NEW);
    EXPECT_FALSE(testsupport::FileExists(OwnCopy())) << "New";

    PickListEntry(IDC_CBADTYPE, 5);
    RecoveryTick();
    ASSERT_TRUE(testsupport::FileExists(OwnCopy()));
    Tpl()->SetModified(false);
    ASSERT_TRUE(Close());
    EXPECT_FALSE(testsupport::FileExists(OwnCopy())) << "closed";
}
