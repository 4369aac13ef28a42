// The export dialog and command against the real image library: the proposed name, the
// margins stored in the template (and marking it modified), the picture written, sized and
// drawn, a missing images folder made, and a failure reported.
#include <memory>

#include "AdTemplate/AdObjects.h"
#include "PictraUtil.h"
#include "PixelCanvas.h"
#include "PropsFixture.h"
#include "TestSupport.h"
#include "TfmExportImage.h"
#include "main/EditCommands.h"
#include "misc/WinUtil.h"
#include "resource.h"

using namespace props;

namespace {

std::string g_strTypedFile, g_strTypedMargin;
void TypeAndConfirm(DialogBase *pDialog)
{
    HWND hDlg = pDialog->GetHandle();
    if (!g_strTypedFile.empty())
        SetText(hDlg, IDC_PROP_FILE, g_strTypedFile);
    if (!g_strTypedMargin.empty())
        SetText(hDlg, IDC_EXPORT_MARGIN, g_strTypedMargin);
    PostClick(hDlg, IDC_PROP_OK);
}

class Export : public PropsTest {
protected:
    void SetUp() override
    {
        PropsTest::SetUp();
        ASSERT_TRUE(m_binding.IsLoaded()) << "Pictra.dll is not beside the test program";
        m_strFolder = testsupport::MakeScratchFolder("export");
        g_strTypedFile.clear();
        g_strTypedMargin.clear();
    }
    std::unique_ptr<TfmExportImage> Open(AdSenseTemplate *pTemplate)
    {
        std::unique_ptr<TfmExportImage> dialog(new TfmExportImage);
        EXPECT_TRUE(dialog->Create(nullptr));
        EXPECT_TRUE(dialog->SetTemplate(pTemplate));
        return dialog;
    }
    // A red frame at (8, 8) around the default ad unit, the template saved in the scratch
    // folder (without an images folder beside it).
    void BuildFramedTemplate()
    {
        AdSenseTemplate &tpl = m_host.m_template;
        auto *pFrame = new AdFrame;
        pFrame->m_rcPos = {8, 8, 740, 102};
        pFrame->m_crBack = RGB(220, 0, 0);
        pFrame->m_crLine = RGB(220, 0, 0);
        tpl.Add(pFrame);
        ASSERT_TRUE(tpl.SaveAs((m_strFolder + "framed.atp").c_str()));
    }

    // The export command fails with its one message, naming the file.
    void ExpectExportFailureReported(const std::string &file)
    {
        EXPECT_FALSE(m_commands.ExportTemplateImage());
        ASSERT_EQ(1u, g_script.messages.size());
        EXPECT_EQ("The template image could not be written to \"" + file + "\".",
                  g_script.messages[0].text);
        EXPECT_EQ("Error", g_script.messages[0].caption);
        EXPECT_EQ((UINT)(MB_OK | MB_ICONERROR), g_script.messages[0].type);
    }

    PictraUtil m_binding;
    std::string m_strFolder;
    FakeHost m_host;
    EditCommands m_commands{&m_host};
};

}  // namespace

TEST_F(Export, ProposesTheNameTheCodeUsesAndShowsTheLeftMargin)
{
    AdSenseTemplate tpl;
    tpl.New();
    tpl.SetMarginLeft(3);
    tpl.SetMarginRight(7);
    tpl.SetMarginTop(3);
    tpl.SetMarginBottom(7);
    auto dialog = Open(&tpl);
    HWND hDlg = dialog->GetHandle();
    // A new template lives at <program>output\noname.atp.
    EXPECT_EQ(std::string(GetProgramFolder()) + "output\\images\\noname.jpg",
              Text(hDlg, IDC_PROP_FILE));
    EXPECT_EQ("3", Text(hDlg, IDC_EXPORT_MARGIN));
    EXPECT_EQ("85", Text(hDlg, IDC_EXPORT_QUALITY));
    EXPECT_TRUE(IsDlgButtonChecked(hDlg, IDC_EXPORT_JPEG));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, IDC_EXPORT_JPEG)));

    SetText(hDlg, IDC_EXPORT_QUALITY, "70");
    ASSERT_TRUE(dialog->TransferTemplate(true));
    EXPECT_EQ(70, dialog->GetQuality());
    EXPECT_EQ(3, tpl.GetMarginRight());
    EXPECT_EQ(3, tpl.GetMarginBottom());
    EXPECT_TRUE(dialog->MarginsChanged());
    EXPECT_FALSE(tpl.IsModified());  // the dialog reports; the command marks
}

TEST_F(Export, MarginsStayWithinTheFieldAndTheTemplate)
{
    const struct {
        const char *szTyped;
        int nMargin;
    } cases[] = {{"-4", 0}, {"10", 10}, {"abc", 0}, {"7px", 7}};
    for (const auto &c : cases) {
        AdSenseTemplate tpl;
        tpl.New();
        auto dialog = Open(&tpl);
        SetText(dialog->GetHandle(), IDC_EXPORT_MARGIN, c.szTyped);
        ASSERT_TRUE(dialog->TransferTemplate(true));
        EXPECT_EQ(c.nMargin, tpl.GetMarginLeft()) << c.szTyped;
        EXPECT_EQ(c.nMargin, tpl.GetMarginBottom()) << c.szTyped;
    }
    AdSenseTemplate tpl;
    tpl.New();
    auto dialog = Open(&tpl);
    SetText(dialog->GetHandle(), IDC_EXPORT_MARGIN, "25");
    MoveFocus(dialog->GetHandle(), IDC_EXPORT_MARGIN, IDC_EXPORT_QUALITY);
    EXPECT_EQ("10", Text(dialog->GetHandle(), IDC_EXPORT_MARGIN));
    SetText(dialog->GetHandle(), IDC_EXPORT_QUALITY, "150");
    MoveFocus(dialog->GetHandle(), IDC_EXPORT_QUALITY, IDC_EXPORT_MARGIN);
    EXPECT_EQ("100", Text(dialog->GetHandle(), IDC_EXPORT_QUALITY));
}

TEST_F(Export, BrowseOffersJpgFilesInTheOutputImagesFolder)
{
    AdSenseTemplate tpl;
    tpl.New();
    auto dialog = Open(&tpl);
    HWND hDlg = dialog->GetHandle();
    const std::string proposed = Text(hDlg, IDC_PROP_FILE);
    g_script.bFileOk = false;
    Click(hDlg, IDC_PROP_BROWSE);
    EXPECT_EQ("JPEG Image File (*.jpg)|*.jpg", g_script.strFileFilter);
    EXPECT_EQ("Export Template Image", g_script.strFileTitle);
    EXPECT_EQ(std::string(GetProgramFolder()) + "Output\\images", g_script.strFileInitialDir);
    EXPECT_EQ("jpg", g_script.strFileDefExt);
    EXPECT_TRUE(g_script.dwFileFlags & OFN_OVERWRITEPROMPT);
    EXPECT_EQ(proposed, Text(hDlg, IDC_PROP_FILE));
    g_script.bFileOk = true;
    g_script.strFileChosen = "C:\\pics\\chosen.jpg";
    Click(hDlg, IDC_PROP_BROWSE);
    EXPECT_EQ("C:\\pics\\chosen.jpg", Text(hDlg, IDC_PROP_FILE));
}

TEST_F(Export, TheCommandWritesThePictureIntoANewImagesFolderBesideTheTemplate)
{
    BuildFramedTemplate();
    m_host.m_template.SetModified(false);
    g_strTypedMargin = "10";
    ShownScript script(TypeAndConfirm);
    ASSERT_TRUE(m_commands.ExportTemplateImage());
    EXPECT_TRUE(g_script.messages.empty());

    const std::string file = m_strFolder + "images\\framed.jpg";
    ASSERT_TRUE(testsupport::FileExists(file));
    int size[2] = {0, 0};
    ASSERT_TRUE(m_binding.GetImageSize(file.c_str(), size));
    // Objects span 8..740 x 8..102, grown by 10 on every side; the left and top margins stop
    // at the template's edge, as the page code's table does.
    EXPECT_EQ(750, size[0]);
    EXPECT_EQ(112, size[1]);
    int nCodeWidth = 0, nCodeHeight = 0;
    m_host.m_template.GetPictureSize(&nCodeWidth, &nCodeHeight);
    EXPECT_EQ(nCodeWidth, size[0]);
    EXPECT_EQ(nCodeHeight, size[1]);
    PixelCanvas pic(size[0], size[1]);
    ASSERT_TRUE(m_binding.DrawImageOnDC(file.c_str(), pic.DC(), 0, 0));
    const COLORREF crFrame = pic.At(8 + 2, 8 + 2);
    EXPECT_GT(GetRValue(crFrame), 180);
    EXPECT_LT(GetGValue(crFrame), 60);
    EXPECT_GT(GetGValue(pic.At(3, 3)), 230);  // the margin is white

    // New margins are part of the template: it is modified and the views follow.
    EXPECT_TRUE(m_host.m_template.IsModified());
    EXPECT_EQ(1, m_host.nRefreshes);
    EXPECT_EQ(10, m_host.m_template.GetMarginTop());
    // The same margins again change nothing.
    m_host.m_template.SetModified(false);
    ASSERT_TRUE(m_commands.ExportTemplateImage());
    EXPECT_FALSE(m_host.m_template.IsModified());
    EXPECT_EQ(1, m_host.nRefreshes);
}

TEST_F(Export, APictureThatCannotBeWrittenIsReported)
{
    BuildFramedTemplate();
    g_strTypedFile = m_strFolder + "no\\such\\folder\\x.jpg";
    ShownScript script(TypeAndConfirm);
    ExpectExportFailureReported(g_strTypedFile);
}

TEST_F(Export, ATemplateTooLargeToDrawIsReportedNotWrapped)
{
    BuildFramedTemplate();
    auto *pShadow = new AdShadow;
    pShadow->m_rcPos = {0, 0, 2147483647, 10};  // a width typed as 2147483647
    m_host.m_template.Add(pShadow);
    g_strTypedFile = m_strFolder + "huge.jpg";
    ShownScript script(TypeAndConfirm);
    ExpectExportFailureReported(g_strTypedFile);
    EXPECT_FALSE(testsupport::FileExists(g_strTypedFile));
}
