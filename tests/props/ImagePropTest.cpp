// The image dialog against the real image library: picture copies into Temp with
// consecutive names, the natural size shown after browsing or leaving the file field.
#include <memory>

#include "AdTemplate/Pictra.h"
#include "PictraUtil.h"
#include "PropsFixture.h"
#include "TestSupport.h"
#include "TfmImageProp.h"
#include "resource.h"

using namespace props;

namespace {

class ImageProp : public PropsTest {
protected:
    void SetUp() override
    {
        PropsTest::SetUp();
        TempFolder();
        m_binding.reset(new PictraUtil);
        ASSERT_TRUE(m_binding->IsLoaded()) << "Pictra.dll is not beside the test program";
        m_strFolder = testsupport::MakeScratchFolder("image");
        ASSERT_TRUE(WriteBmp(m_strFolder + "red.bmp", 40, 30, RGB(255, 0, 0)));
        m_picture.SetName("Image 1");
        Open();
    }
    void TearDown() override
    {
        m_dialog.reset();
        m_binding.reset();  // empties Temp
        PropsTest::TearDown();
    }
    // A fresh dialog on the same picture object, as a second use of Details.
    void Open()
    {
        m_dialog.reset(new TfmImageProp);
        ASSERT_TRUE(m_dialog->Create(nullptr));
        ASSERT_TRUE(m_dialog->SetObject(&m_picture));
        m_hDlg = m_dialog->GetHandle();
    }
    bool ChooseAndConfirm(const std::string &path)
    {
        SetText(m_hDlg, IDC_PROP_FILE, path);
        Click(m_hDlg, IDC_PROP_OK);
        return m_dialog->GetModalResult() == IDOK;
    }

    std::unique_ptr<PictraUtil> m_binding;
    std::string m_strFolder;
    Pictra m_picture;
    std::unique_ptr<TfmImageProp> m_dialog;
    HWND m_hDlg = nullptr;
};

}  // namespace

TEST_F(ImageProp, EachConfirmedChoiceIsCopiedUnderTheNextTempName)
{
    ASSERT_TRUE(ChooseAndConfirm(m_strFolder + "red.bmp"));
    EXPECT_EQ(TempFolder() + "temp001.bmp", m_picture.m_szFile);
    EXPECT_STREQ(".bmp", m_picture.m_szExt);
    EXPECT_EQ(testsupport::ReadFileBytes(m_strFolder + "red.bmp"),
              testsupport::ReadFileBytes(m_picture.m_szFile));

    Open();
    ASSERT_TRUE(ChooseAndConfirm(m_strFolder + "red.bmp"));
    EXPECT_EQ(TempFolder() + "temp002.bmp", m_picture.m_szFile);
}

TEST_F(ImageProp, ConfirmingTheObjectsOwnCopyCopiesNothing)
{
    ASSERT_TRUE(ChooseAndConfirm(m_strFolder + "red.bmp"));
    const std::string copy = m_picture.m_szFile;
    Open();
    EXPECT_EQ(copy, Text(m_hDlg, IDC_PROP_FILE));
    Click(m_hDlg, IDC_PROP_OK);
    EXPECT_EQ(IDOK, m_dialog->GetModalResult());
    EXPECT_EQ(copy, m_picture.m_szFile);
    EXPECT_EQ(1u, TempFiles().size());
}

TEST_F(ImageProp, ExtensionsAreKeptAsWrittenAndTooLongOnesRefusedBeforeCopying)
{
    const std::string longExt = "." + std::string(31, 'x');
    const struct {
        std::string name;
        bool bAccepted;
        std::string tempName, ext;
    } cases[] = {
        {"UPPER.BMP", true, "temp001.BMP", ".BMP"},
        {"noext", true, "temp002", ""},
        {"a.b.Png", true, "temp003.Png", ".Png"},
        {"long" + longExt.substr(0, 31), true, "temp004" + longExt.substr(0, 31),
         longExt.substr(0, 31)},
        {"long" + longExt, false, "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        g_script.messages.clear();
        const size_t nTempBefore = TempFiles().size();
        ASSERT_TRUE(WriteBmp(m_strFolder + c.name, 4, 4, 0));
        Open();
        EXPECT_EQ(c.bAccepted, ChooseAndConfirm(m_strFolder + c.name));
        if (c.bAccepted) {
            EXPECT_EQ(TempFolder() + c.tempName, m_picture.m_szFile);
            EXPECT_EQ(c.ext, m_picture.m_szExt);
        } else {
            ASSERT_EQ(1u, g_script.messages.size());
            EXPECT_EQ("Invalid image file name.", g_script.messages[0].text);
            EXPECT_EQ(nTempBefore, TempFiles().size());
        }
    }
}

TEST_F(ImageProp, BrowseAndLeavingTheFileFieldShowTheNaturalSize)
{
    SetText(m_hDlg, IDC_PROP_LEFT, "5");
    g_script.bFileOk = false;
    Click(m_hDlg, IDC_PROP_BROWSE);
    EXPECT_EQ("Image Files (*.jpg, *.bmp, *.gif, *.png, *.tiff)|*.jpg;*.bmp;*.gif;*.png;*.tiff|"
              "All Files(*.*)|*.*",
              g_script.strFileFilter);
    EXPECT_EQ("Open Image File", g_script.strFileTitle);
    EXPECT_EQ("", g_script.strFileInitialDir);
    EXPECT_EQ((DWORD)(OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST),
              g_script.dwFileFlags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST));
    EXPECT_EQ("", Text(m_hDlg, IDC_PROP_FILE));
    EXPECT_EQ("0", Text(m_hDlg, IDC_PROP_WIDTH));

    g_script.bFileOk = true;
    g_script.strFileChosen = m_strFolder + "red.bmp";
    Click(m_hDlg, IDC_PROP_BROWSE);
    EXPECT_EQ(g_script.strFileChosen, Text(m_hDlg, IDC_PROP_FILE));
    EXPECT_EQ("40", Text(m_hDlg, IDC_PROP_WIDTH));
    EXPECT_EQ("30", Text(m_hDlg, IDC_PROP_HEIGHT));
    EXPECT_EQ("5", Text(m_hDlg, IDC_PROP_LEFT));

    // Not a picture: the size stays. A picture: its size shows.
    testsupport::WriteFileBytes(m_strFolder + "note.txt", "hello");
    SetText(m_hDlg, IDC_PROP_WIDTH, "7");
    SetText(m_hDlg, IDC_PROP_FILE, m_strFolder + "note.txt");
    MoveFocus(m_hDlg, IDC_PROP_FILE, IDC_PROP_LEFT);
    EXPECT_EQ("7", Text(m_hDlg, IDC_PROP_WIDTH));
    ASSERT_TRUE(WriteBmp(m_strFolder + "small.bmp", 12, 9, 0));
    SetText(m_hDlg, IDC_PROP_FILE, m_strFolder + "small.bmp");
    MoveFocus(m_hDlg, IDC_PROP_FILE, IDC_PROP_LEFT);
    EXPECT_EQ("12", Text(m_hDlg, IDC_PROP_WIDTH));
    EXPECT_EQ("9", Text(m_hDlg, IDC_PROP_HEIGHT));

    // Sizes edited afterwards are what is stored; a text file is copied all the same.
    SetText(m_hDlg, IDC_PROP_NAME, "Image 1");
    SetText(m_hDlg, IDC_PROP_WIDTH, "100");
    ASSERT_TRUE(ChooseAndConfirm(m_strFolder + "note.txt"));
    EXPECT_EQ(105, m_picture.GetPos()->right);
    EXPECT_EQ(9, m_picture.GetPos()->bottom);
    EXPECT_EQ(TempFolder() + "temp001.txt", m_picture.m_szFile);
}

TEST_F(ImageProp, OpensWithTheStoredRectangle)
{
    RECT rc = {3, 4, 503, 604};
    m_picture.SetPos(&rc);
    Open();
    EXPECT_EQ("3", Text(m_hDlg, IDC_PROP_LEFT));
    EXPECT_EQ("500", Text(m_hDlg, IDC_PROP_WIDTH));
    EXPECT_EQ("600", Text(m_hDlg, IDC_PROP_HEIGHT));
}
