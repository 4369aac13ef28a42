// What every property dialog shares: the refusals with their focus moves, the atol rule on
// every number, sizes that never wrap, text fields limited to the object's fields, and a
// dialog left by Cancel or its title bar after a refused OK leaving its object untouched.
#include <limits.h>
#include <memory>

#include "AdTemplate/AdObjects.h"
#include "PictraUtil.h"
#include "misc/WinUtil.h"
#include "PropsFixture.h"
#include "TfmExportImage.h"
#include "dialog/ObjectDialog.h"
#include "main/EditCommands.h"
#include "resource.h"

using namespace props;

namespace {

AdObj *NewObject(int nType)
{
    switch (nType) {
    case OBJ_ADSENSE: return new AdSense;
    case OBJ_IMAGE: return new Pictra;
    case OBJ_TEXT: return new AdText;
    case OBJ_LINE: return new AdLine;
    case OBJ_SHADOW: return new AdShadow;
    case OBJ_FRAME: return new AdFrame;
    }
    return nullptr;
}

// One dialog, created and filled from its object as the edit commands do it.
struct OpenDialog {
    explicit OpenDialog(int nType, AdObj *pObj = nullptr)
        : obj(pObj ? pObj : NewObject(nType)), dialog(EditCommands::NewPropertyDialog(nType, &host))
    {
        obj->SetName("Object 1");
        EXPECT_TRUE(dialog->Create(nullptr));
        EXPECT_TRUE(dialog->SetObject(obj.get()));
        hDlg = dialog->GetHandle();
    }
    bool PressOK()
    {
        Click(hDlg, IDC_PROP_OK);
        return dialog->GetModalResult() == IDOK;
    }
    FakeHost host;
    std::unique_ptr<AdObj> obj;
    std::unique_ptr<ObjectDialog> dialog;
    HWND hDlg = nullptr;
};

const int kPositionKinds[] = {OBJ_IMAGE, OBJ_TEXT, OBJ_SHADOW, OBJ_FRAME};

class Pattern : public PropsTest {};

}  // namespace

TEST_F(Pattern, EveryRefusalShowsItsMessageAndMovesTheFocusWhereItSays)
{
    const struct {
        int nType;
        int nFieldId;
        const char *szText;
        const char *szMessage;
        int nFocusId;  // 0: the focus stays on the field it was in
    } cases[] = {
        {OBJ_IMAGE, IDC_PROP_NAME, "", "Invalid image object name.", 0},
        {OBJ_IMAGE, IDC_PROP_FILE, "Z:\\no\\such\\picture.png", "Invalid image file name.", 0},
        {OBJ_IMAGE, IDC_PROP_FILE, "", "Invalid image file name.", 0},
        {OBJ_TEXT, IDC_PROP_NAME, "", "Invalid text object name.", IDC_PROP_NAME},
        {OBJ_TEXT, IDC_TEXT_TEXT, "", "The content of the text object can not be empty.",
         IDC_TEXT_TEXT},
        {OBJ_LINE, IDC_PROP_NAME, "", "Invalid name for the Line object.", 0},
        {OBJ_FRAME, IDC_PROP_NAME, "", "Invalid frame object name.", 0},
        {OBJ_SHADOW, IDC_PROP_NAME, "", "Invalid shadow object name!", 0},
        {OBJ_ADSENSE, IDC_AD_PUBID, "PUB-1234567890123456",
         "Invalid AdSense publisher ID, please specify a correct one. e.g. "
         "(pub-1234567890123456).",
         IDC_AD_PUBID},
        {OBJ_ADSENSE, IDC_AD_CHANNELID, "1234567890",
         "Invalid AdSense Channel ID, please enter a valid one.", IDC_AD_CHANNELID},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szMessage);
        g_script.messages.clear();
        OpenDialog open(c.nType);
        SetText(open.hDlg, c.nFieldId, c.szText);
        // The user was last in another field: only some dialogs take the focus away from it.
        const int nStartId = c.nType == OBJ_LINE     ? IDC_LINE_STARTX
                             : c.nType == OBJ_ADSENSE ? IDC_PROP_LEFT
                                                      : IDC_PROP_TOP;
        MoveFocus(open.hDlg, IDC_PROP_OK, nStartId);
        EXPECT_FALSE(open.PressOK());
        ASSERT_EQ(1u, g_script.messages.size());
        EXPECT_EQ(c.szMessage, g_script.messages[0].text);
        EXPECT_EQ("Error", g_script.messages[0].caption);
        EXPECT_EQ((UINT)(MB_OK | MB_ICONERROR), g_script.messages[0].type);
        EXPECT_EQ(GetDlgItem(open.hDlg, c.nFocusId ? c.nFocusId : nStartId), GetFocus());
        EXPECT_STREQ("Object 1", open.obj->GetName());
    }
}

TEST_F(Pattern, ExportRefusesEverythingButAJpgName)
{
    const struct {
        const char *szFile;
        bool bAccepted;
    } cases[] = {
        {"C:\\x\\a.jpg", true},  {"C:\\x\\a.Jpg", true}, {"C:\\x\\a.JPG", true},
        {"C:\\x\\a.jpeg", false}, {"C:\\x\\a", false},    {"C:\\x.jpg\\a", false},
        {"", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szFile);
        g_script.messages.clear();
        AdSenseTemplate tpl;
        tpl.New();
        TfmExportImage dialog;
        ASSERT_TRUE(dialog.Create(nullptr));
        ASSERT_TRUE(dialog.SetTemplate(&tpl));
        SetText(dialog.GetHandle(), IDC_PROP_FILE, c.szFile);
        EXPECT_EQ(c.bAccepted, dialog.TransferTemplate(true));
        EXPECT_EQ(c.bAccepted ? 0u : 1u, g_script.messages.size());
        if (!c.bAccepted) {
            EXPECT_EQ("Invalid export image file name, please specify a JPG file name.",
                      g_script.messages[0].text);
            EXPECT_EQ("Error", g_script.messages[0].caption);
        }
    }
}

TEST_F(Pattern, ImageCopyFailureIsReportedWithoutTouchingTheObject)
{
    // No image library binding: no private copy can be named.
    ASSERT_EQ(nullptr, PictraUtil::Get());
    OpenDialog open(OBJ_IMAGE);
    SetText(open.hDlg, IDC_PROP_FILE, std::string(GetProgramFolder()) + "Pictra.dll");
    EXPECT_FALSE(open.PressOK());
    ASSERT_EQ(1u, g_script.messages.size());
    EXPECT_EQ("Error occurred during the image file copy process.", g_script.messages[0].text);
    EXPECT_STREQ("", static_cast<Pictra *>(open.obj.get())->m_szFile);
}

TEST_F(Pattern, NumbersAreReadByTheAtolRule)
{
    const struct {
        const char *szTyped;
        int nRead;
    } cases[] = {{"-5", -5}, {"abc", 0}, {"7px", 7}, {"", 0}, {" 42", 42}};
    for (int nType : kPositionKinds) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::to_string(nType) + " " + c.szTyped);
            OpenDialog open(nType);
            SetText(open.hDlg, IDC_PROP_FILE, std::string(GetProgramFolder()) + "Pictra.dll");
            SetText(open.hDlg, IDC_PROP_LEFT, c.szTyped);
            SetText(open.hDlg, IDC_PROP_TOP, c.szTyped);
            SetText(open.hDlg, IDC_PROP_WIDTH, "10");
            SetText(open.hDlg, IDC_PROP_HEIGHT, "0");
            // The picture's copy needs the binding; the rectangle is what is looked at.
            std::unique_ptr<PictraUtil> binding(nType == OBJ_IMAGE ? new PictraUtil : nullptr);
            EXPECT_TRUE(open.PressOK());
            const RECT rc = *open.obj->GetPos();
            EXPECT_EQ(c.nRead, rc.left);
            EXPECT_EQ(c.nRead, rc.top);
            EXPECT_EQ(c.nRead + 10, rc.right);
            EXPECT_EQ(c.nRead, rc.bottom);
        }
    }
}

TEST_F(Pattern, PastedTextIsNotFilteredAndReadsByTheAtolRule)
{
    OpenDialog open(OBJ_SHADOW);
    Type(open.hDlg, IDC_PROP_WIDTH, "x");  // typed: beeps and changes nothing
    EXPECT_EQ("0", Text(open.hDlg, IDC_PROP_WIDTH));
    Paste(open.hDlg, IDC_PROP_WIDTH, "12ab");
    EXPECT_EQ("12ab", Text(open.hDlg, IDC_PROP_WIDTH));
    SetText(open.hDlg, IDC_PROP_HEIGHT, "-10");
    EXPECT_TRUE(open.PressOK());
    EXPECT_EQ(0, open.obj->GetPos()->left + 12 - open.obj->GetPos()->right);
    EXPECT_EQ(open.obj->GetPos()->top - 10, open.obj->GetPos()->bottom);
    EXPECT_TRUE(g_script.messages.empty());
}

TEST_F(Pattern, HugeSizesAndMovesNeverWrap)
{
    const struct {
        const char *szLeft, *szWidth;
        int nLeft, nRight;
    } cases[] = {
        {"10", "2147483647", 10, INT_MAX},
        {"-10", "2147483647", -10, INT_MAX - 10},
        {"2147483647", "2147483647", INT_MAX, INT_MAX},
        {"-2147483648", "-5", INT_MIN, INT_MIN},
        {"99999999999", "1", INT_MAX, INT_MAX},
    };
    for (int nType : {OBJ_TEXT, OBJ_SHADOW, OBJ_FRAME}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(c.szLeft) + " + " + c.szWidth);
            OpenDialog open(nType);
            SetText(open.hDlg, IDC_PROP_LEFT, c.szLeft);
            SetText(open.hDlg, IDC_PROP_WIDTH, c.szWidth);
            SetText(open.hDlg, IDC_PROP_TOP, c.szLeft);
            SetText(open.hDlg, IDC_PROP_HEIGHT, c.szWidth);
            EXPECT_TRUE(open.PressOK());
            const RECT rc = *open.obj->GetPos();
            EXPECT_EQ(c.nLeft, rc.left);
            EXPECT_EQ(c.nRight, rc.right);
            EXPECT_EQ(c.nLeft, rc.top);
            EXPECT_EQ(c.nRight, rc.bottom);
        }
    }
    // The ad unit moves keeping its width as far as the int range lets it.
    for (const char *szLeft : {"2147483647", "2147483000"}) {
        OpenDialog open(OBJ_ADSENSE);
        RECT rc = {10, 10, 738, 100};
        open.obj->SetPos(&rc);
        open.dialog->TransferObject(false);
        SetText(open.hDlg, IDC_PROP_LEFT, szLeft);
        EXPECT_TRUE(open.PressOK());
        rc = *open.obj->GetPos();
        EXPECT_GE(rc.right, rc.left) << szLeft;
        EXPECT_EQ(INT_MAX, rc.right);
    }
}

TEST_F(Pattern, TextsStayWithinTheirFields)
{
    const std::string longText(400, 'n');
    const struct {
        int nType, nId;
        size_t nLimit;
    } cases[] = {
        {OBJ_IMAGE, IDC_PROP_NAME, 31},  {OBJ_IMAGE, IDC_PROP_FILE, 259},
        {OBJ_TEXT, IDC_PROP_NAME, 31},   {OBJ_TEXT, IDC_TEXT_TEXT, 255},
        {OBJ_LINE, IDC_PROP_NAME, 31},   {OBJ_FRAME, IDC_PROP_NAME, 31},
        {OBJ_SHADOW, IDC_PROP_NAME, 31}, {OBJ_ADSENSE, IDC_AD_PUBID, 31},
        {OBJ_ADSENSE, IDC_AD_CHANNELID, 31},
    };
    for (const auto &c : cases) {
        OpenDialog open(c.nType);
        Paste(open.hDlg, c.nId, longText.c_str());
        EXPECT_EQ(c.nLimit, Text(open.hDlg, c.nId).size()) << c.nType << " " << c.nId;
    }
    OpenDialog open(OBJ_TEXT);
    Paste(open.hDlg, IDC_PROP_NAME, longText.c_str());
    Paste(open.hDlg, IDC_TEXT_TEXT, longText.c_str());
    EXPECT_TRUE(open.PressOK());
    auto *pText = static_cast<AdText *>(open.obj.get());
    EXPECT_EQ(std::string(31, 'n'), pText->GetName());
    EXPECT_EQ(std::string(255, 'n'), pText->m_szText);

    AdSenseTemplate tpl;
    tpl.New();
    TfmExportImage dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    dialog.SetTemplate(&tpl);
    Paste(dialog.GetHandle(), IDC_PROP_FILE, longText.c_str());
    EXPECT_EQ(259u, Text(dialog.GetHandle(), IDC_PROP_FILE).size());
}

TEST_F(Pattern, ABlankNameIsANameAndStaysAsTyped)
{
    for (int nType : {OBJ_TEXT, OBJ_LINE, OBJ_SHADOW, OBJ_FRAME}) {
        OpenDialog open(nType);
        SetText(open.hDlg, IDC_PROP_NAME, " ");
        EXPECT_TRUE(open.PressOK());
        EXPECT_STREQ(" ", open.obj->GetName());
    }
}

namespace {

// Spoils every field a dialog has, picks a new colour where there is a button, then
// presses OK with an empty name (or a bad ID), then leaves by the way the test chose.
UINT g_nLeaveBy;
void SpoilRefuseAndLeave(DialogBase *pDialog)
{
    HWND hDlg = pDialog->GetHandle();
    for (int nId : {IDC_PROP_LEFT, IDC_PROP_TOP, IDC_PROP_WIDTH, IDC_PROP_HEIGHT, IDC_LINE_STARTX,
                    IDC_LINE_ENDY, IDC_PROP_LINEWIDTH, IDC_TEXT_TEXT, IDC_AD_CHANNELID})
        SetText(hDlg, nId, "77");
    g_script.bColorOk = true;
    g_script.crColorChosen = RGB(1, 2, 3);
    for (int nId : {IDC_PROP_LINECOLOR, IDC_PROP_BGCOLORBTN, IDC_AD_BORDERCOLORBTN,
                    IDC_AD_URLCOLORBTN})
        Click(hDlg, nId);
    SetText(hDlg, IDC_PROP_NAME, "");
    SetText(hDlg, IDC_AD_PUBID, "pub-1");
    PostClick(hDlg, IDC_PROP_OK);
    if (g_nLeaveBy == WM_CLOSE)
        PostMessageA(hDlg, WM_CLOSE, 0, 0);
    else
        PostClick(hDlg, IDC_PROP_CANCEL);
}

}  // namespace

TEST_F(Pattern, CancelAndTitleBarCloseAfterARefusedOKLeaveTheObjectUntouched)
{
    ShownScript script(SpoilRefuseAndLeave);
    for (UINT nLeaveBy : {(UINT)IDC_PROP_CANCEL, (UINT)WM_CLOSE}) {
        g_nLeaveBy = nLeaveBy;
        for (int nType : {OBJ_ADSENSE, OBJ_IMAGE, OBJ_TEXT, OBJ_LINE, OBJ_SHADOW, OBJ_FRAME}) {
            SCOPED_TRACE(nType);
            g_script.messages.clear();
            OpenDialog open(nType);
            // The saved bytes are the object's whole state.
            std::unique_ptr<AdObj> before(NewObject(nType));
            before->SetName("Object 1");
            EXPECT_EQ(IDCANCEL, open.dialog->ShowModal());
            EXPECT_EQ(1u, g_script.messages.size());
            EXPECT_STREQ("Object 1", open.obj->GetName());
            EXPECT_EQ(0, memcmp(before->GetPos(), open.obj->GetPos(), sizeof(RECT)));
            switch (nType) {
            case OBJ_ADSENSE: {
                auto *pAd = static_cast<AdSense *>(open.obj.get());
                auto *pFresh = static_cast<AdSense *>(before.get());
                EXPECT_EQ(0, memcmp(pFresh->GetInfo(), pAd->GetInfo(), sizeof(AdSenseInfo)));
                EXPECT_TRUE(open.host.adColors.empty());
                break;
            }
            case OBJ_LINE: {
                auto *pLine = static_cast<AdLine *>(open.obj.get());
                EXPECT_EQ(200, pLine->m_ptEnd.y);
                EXPECT_EQ(1, pLine->m_nWidth);
                EXPECT_EQ(0u, pLine->m_crLine);
                break;
            }
            case OBJ_FRAME: {
                auto *pFrame = static_cast<AdFrame *>(open.obj.get());
                EXPECT_EQ(0u, pFrame->m_crLine);
                EXPECT_EQ(0xFFFFFFu, pFrame->m_crBack);
                break;
            }
            case OBJ_TEXT:
                EXPECT_STREQ("New Text", static_cast<AdText *>(open.obj.get())->m_szText);
                EXPECT_EQ(0xFFFFFFu, static_cast<AdText *>(open.obj.get())->m_crBack);
                break;
            }
        }
    }
}
