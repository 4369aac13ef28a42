// "Ornamo Wizard": the three choices, the enabling rules, the browse dialogs, the checks of
// the chosen file and the start-up flag.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>

#include "AdTemplate/AdSenseTemplate.h"
#include "AppSettings.h"
#include "DialogDriver.h"
#include "ShellFakes.h"
#include "TestSupport.h"
#include "TfmWizard.h"
#include "misc/WinUtil.h"
#include "resource.h"

using namespace driver;

namespace {

const char kInvalid[] = "Invalid Ornamo template file!";
const char kFilter[] = "Ornamo Template (*.atp)|*.atp|All Files(*.*)|*.*";
const int kFileControls[] = {IDC_WIZARD_SAMPLEFILE, IDC_WIZARD_BROWSESAMPLE, IDC_WIZARD_OPENFILE,
                             IDC_WIZARD_BROWSEOPEN};

// The folder path padded with ".\" steps to exactly nLength characters, still naming the file.
std::string PaddedPath(const std::string &folder, const std::string &name, size_t nLength)
{
    std::string path = folder;
    while (path.size() + name.size() + 2 <= nLength)
        path += ".\\";
    if (path.size() + name.size() < nLength)
        path += '\\';  // one more character: a doubled separator
    return path + name;
}

class Wizard : public shellfakes::Installed {
protected:
    static void SetUpTestSuite()
    {
        s_folder = testsupport::MakeScratchFolder("wizard");
        AdSenseTemplate templ;
        templ.New();
        ASSERT_TRUE(templ.SaveAs((s_folder + "sample.atp").c_str()));
        ASSERT_TRUE(testsupport::WriteFileBytes(s_folder + "notes.atp", "not a template"));
    }
    void SetUp() override
    {
        shellfakes::Installed::SetUp();
        memset(&m_settings, 0, sizeof(m_settings));
        m_settings.Startup = true;
        ASSERT_TRUE(m_wizard.Create(nullptr));
    }
    bool Enabled(int nId) { return IsWindowEnabled(m_wizard.Item(nId)) != FALSE; }
    int SelectedChoice()
    {
        int nSelected = 0;
        for (int nId : {IDC_WIZARD_SAMPLE, IDC_WIZARD_NEW, IDC_WIZARD_OPEN}) {
            if (Checked(m_wizard, nId))
                nSelected = nSelected ? -1 : nId;  // -1: more than one
        }
        return nSelected;
    }

    static std::string s_folder;
    AppSettings m_settings = {};
    TfmWizard m_wizard{&m_settings};
};
std::string Wizard::s_folder;

}  // namespace

TEST_F(Wizard, OpensWithANewTemplateSelectedAndEveryFieldEnabled)
{
    EXPECT_EQ("Ornamo Wizard", Caption(m_wizard.GetHandle()));
    EXPECT_EQ("Welcome to Ornamo !", Text(m_wizard, IDC_WIZARD_LABEL1));
    LOGFONTA lf = {};
    HGDIOBJ hFont = (HGDIOBJ)SendMessageA(m_wizard.Item(IDC_WIZARD_LABEL1), WM_GETFONT, 0, 0);
    ASSERT_TRUE(GetObjectA(hFont, sizeof(lf), &lf));
    EXPECT_STREQ("Verdana", lf.lfFaceName);
    EXPECT_EQ(-13, lf.lfHeight);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);

    EXPECT_EQ(IDC_WIZARD_NEW, SelectedChoice());
    for (int nId : kFileControls)
        EXPECT_TRUE(Enabled(nId)) << nId;
    EXPECT_TRUE(Checked(m_wizard, IDC_WIZARD_STARTUP));
    EXPECT_EQ("", Text(m_wizard, IDC_WIZARD_SAMPLEFILE));
    EXPECT_EQ("", Text(m_wizard, IDC_WIZARD_OPENFILE));
    auto readOnly = [&](int nId) {
        return (GetWindowLongPtrA(m_wizard.Item(nId), GWL_STYLE) & ES_READONLY) != 0;
    };
    EXPECT_TRUE(readOnly(IDC_WIZARD_SAMPLEFILE));
    EXPECT_FALSE(readOnly(IDC_WIZARD_OPENFILE)) << "a path may be typed";
    EXPECT_EQ(TfmWizard::CHOICE_NONE, m_wizard.GetChoice());
}

TEST_F(Wizard, ClickingAChoiceEnablesOnlyItsFileFields)
{
    const struct {
        int choice;
        bool sample, open;
    } cases[] = {
        {IDC_WIZARD_SAMPLE, true, false},
        {IDC_WIZARD_NEW, false, false},
        {IDC_WIZARD_OPEN, false, true},
        {IDC_WIZARD_SAMPLE, true, false},
    };
    for (const auto &c : cases) {
        Press(m_wizard, c.choice);
        EXPECT_EQ(c.choice, SelectedChoice());
        EXPECT_EQ(c.sample, Enabled(IDC_WIZARD_SAMPLEFILE)) << c.choice;
        EXPECT_EQ(c.sample, Enabled(IDC_WIZARD_BROWSESAMPLE)) << c.choice;
        EXPECT_EQ(c.open, Enabled(IDC_WIZARD_OPENFILE)) << c.choice;
        EXPECT_EQ(c.open, Enabled(IDC_WIZARD_BROWSEOPEN)) << c.choice;
    }
}

TEST_F(Wizard, BrowseDialogsFillTheirEditAndLeaveTheChoice)
{
    const struct {
        int button, edit;
        const char *folder, *title;
    } cases[] = {
        {IDC_WIZARD_BROWSESAMPLE, IDC_WIZARD_SAMPLEFILE, "Samples", "Open Sample Template"},
        {IDC_WIZARD_BROWSEOPEN, IDC_WIZARD_OPENFILE, "Output", "Open Ornamo Template"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.title);
        shellfakes::fileRequests.clear();
        shellfakes::nextFile = s_folder + "sample.atp";
        Click(m_wizard, c.button);
        ASSERT_EQ(1u, shellfakes::fileRequests.size());
        const shellfakes::FileRequest &request = shellfakes::fileRequests[0];
        EXPECT_EQ(m_wizard.GetHandle(), request.owner);
        EXPECT_EQ(c.title, request.title);
        EXPECT_EQ(testsupport::ExeFolder() + c.folder, request.initialDir);
        EXPECT_EQ(kFilter, request.filter);
        EXPECT_EQ("", request.startName);
        EXPECT_EQ((DWORD)MAX_PATH, request.maxFile);
        EXPECT_EQ((DWORD)(OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST),
                  request.flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST));
        EXPECT_EQ(s_folder + "sample.atp", Text(m_wizard, c.edit));

        // A cancelled dialog keeps the edit's text.
        shellfakes::nextFile.clear();
        Click(m_wizard, c.button);
        EXPECT_EQ(s_folder + "sample.atp", Text(m_wizard, c.edit));
        EXPECT_EQ(IDC_WIZARD_NEW, SelectedChoice());
    }
}

TEST_F(Wizard, CommitChecksTheChosenFile)
{
    const std::string sample = s_folder + "sample.atp";
    const struct {
        const char *name;
        int choice;
        std::string sampleText, openText;
        int expectedChoice;  // CHOICE_NONE: refused
        std::string fileName;
    } cases[] = {
        {"new ignores a browsed sample", IDC_WIZARD_NEW, sample, "", TfmWizard::CHOICE_NEW, ""},
        {"empty sample", IDC_WIZARD_SAMPLE, "", sample, TfmWizard::CHOICE_NONE, ""},
        {"sample", IDC_WIZARD_SAMPLE, sample, "", TfmWizard::CHOICE_OPEN, sample},
        {"typed path", IDC_WIZARD_OPEN, "", sample, TfmWizard::CHOICE_OPEN, sample},
        {"not a template", IDC_WIZARD_OPEN, sample, s_folder + "notes.atp",
         TfmWizard::CHOICE_NONE, ""},
        {"missing file", IDC_WIZARD_OPEN, "", s_folder + "gone.atp", TfmWizard::CHOICE_NONE, ""},
        {"folder", IDC_WIZARD_OPEN, "", s_folder, TfmWizard::CHOICE_NONE, ""},
        {"empty path", IDC_WIZARD_OPEN, "", "", TfmWizard::CHOICE_NONE, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        shellfakes::messages.clear();
        m_settings.Startup = true;
        TfmWizard wizard(&m_settings);
        ASSERT_TRUE(wizard.Create(nullptr));
        Press(wizard, c.choice);
        Type(wizard, IDC_WIZARD_SAMPLEFILE, c.sampleText);
        Type(wizard, IDC_WIZARD_OPENFILE, c.openText);
        Press(wizard, IDC_WIZARD_STARTUP);  // cleared: only a successful OK stores it

        const bool bRefused = c.expectedChoice == TfmWizard::CHOICE_NONE;
        EXPECT_EQ(!bRefused, wizard.CommitChoice());
        EXPECT_EQ(c.expectedChoice, wizard.GetChoice());
        EXPECT_EQ(c.fileName, wizard.GetFileName());
        EXPECT_EQ(bRefused, m_settings.Startup);
        if (bRefused) {
            ASSERT_EQ(1u, shellfakes::messages.size());
            EXPECT_EQ(kInvalid, shellfakes::messages[0].text);
            EXPECT_EQ("Error", shellfakes::messages[0].caption);
            EXPECT_EQ((UINT)(MB_OK | MB_ICONERROR), shellfakes::messages[0].type);
        } else {
            EXPECT_TRUE(shellfakes::messages.empty());
        }
    }
}

TEST_F(Wizard, PathsLongerThanTheFieldAreRefusedNeverCut)
{
    // Both name the sample through ".\" steps; only the length differs.
    const std::string fits = PaddedPath(s_folder, "sample.atp", 259);
    const std::string tooLong = PaddedPath(s_folder, "sample.atp", 260);
    ASSERT_EQ(259u, fits.size());
    ASSERT_EQ(260u, tooLong.size());
    ASSERT_TRUE(IsTemplateFile(fits.c_str()));
    // Cut to the field, this one would name the sample itself.
    const std::string cutToSample = s_folder + "sample.atp" + std::string(300, 'x');

    Press(m_wizard, IDC_WIZARD_OPEN);
    for (const std::string &path : {tooLong, cutToSample}) {
        shellfakes::messages.clear();
        Type(m_wizard, IDC_WIZARD_OPENFILE, path);
        ASSERT_EQ(path, Text(m_wizard, IDC_WIZARD_OPENFILE));
        EXPECT_FALSE(m_wizard.CommitChoice()) << path.size();
        EXPECT_EQ("", std::string(m_wizard.GetFileName()));
        ASSERT_EQ(1u, shellfakes::messages.size());
        EXPECT_EQ(kInvalid, shellfakes::messages[0].text);
    }
    Type(m_wizard, IDC_WIZARD_OPENFILE, fits);
    EXPECT_TRUE(m_wizard.CommitChoice());
    EXPECT_EQ(fits, m_wizard.GetFileName());
}

TEST_F(Wizard, OnlyOkStoresTheStartupFlag)
{
    Press(m_wizard, IDC_WIZARD_STARTUP);
    EXPECT_EQ(IDCANCEL, RunScript(m_wizard, {(int)WM_CLOSE}));
    EXPECT_TRUE(m_settings.Startup);
    EXPECT_EQ(TfmWizard::CHOICE_NONE, m_wizard.GetChoice());

    EXPECT_EQ(IDOK, RunScript(m_wizard, {IDC_WIZARD_OK}));
    EXPECT_FALSE(m_settings.Startup);
    EXPECT_EQ(TfmWizard::CHOICE_NEW, m_wizard.GetChoice());

    TfmWizard again(&m_settings);
    ASSERT_TRUE(again.Create(nullptr));
    EXPECT_EQ(IDOK, RunScript(again, {IDC_WIZARD_OK}));
    EXPECT_TRUE(m_settings.Startup) << "the box starts checked";
}

TEST_F(Wizard, RefusedOkKeepsTheWizardOpen)
{
    // OK on an empty sample is refused and the wizard waits: only the title bar ends it.
    Press(m_wizard, IDC_WIZARD_SAMPLE);
    EXPECT_EQ(IDCANCEL, RunScript(m_wizard, {IDC_WIZARD_OK, (int)WM_CLOSE}));
    EXPECT_EQ(1u, shellfakes::messages.size());
    EXPECT_EQ(TfmWizard::CHOICE_NONE, m_wizard.GetChoice());
}
