// The text dialog: sized to the measured extent of its text, the font summary, the font
// dialog's rules, and weights that are neither normal nor bold kept when bold is untouched.
#include <memory>

#include "AdTemplate/AdText.h"
#include "PropsFixture.h"
#include "TfmTextProp.h"
#include "dialog/ColorPanel.h"
#include "resource.h"

using namespace props;

namespace {

// The extent the test itself measures, as the dialog should.
SIZE Measure(const LOGFONTA &lf, const char *szText)
{
    HFONT hFont = CreateFontIndirectA(&lf);
    HDC hDC = GetDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hFont);
    RECT rc = {0, 0, 0, 0};
    DrawTextA(hDC, szText, -1, &rc, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(hDC, hOld);
    ReleaseDC(nullptr, hDC);
    DeleteObject(hFont);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

class TextProp : public PropsTest {
protected:
    void SetUp() override
    {
        PropsTest::SetUp();
        m_text.SetName("Text 1");
    }
    void Open()
    {
        m_dialog.reset(new TfmTextProp);
        ASSERT_TRUE(m_dialog->Create(nullptr));
        ASSERT_TRUE(m_dialog->SetObject(&m_text));
        m_hDlg = m_dialog->GetHandle();
    }
    bool PressOK()
    {
        Click(m_hDlg, IDC_PROP_OK);
        return m_dialog->GetModalResult() == IDOK;
    }
    std::string Size() { return Text(m_hDlg, IDC_PROP_WIDTH) + "x" + Text(m_hDlg, IDC_PROP_HEIGHT); }
    static std::string SizeText(SIZE size)
    {
        return std::to_string(size.cx) + "x" + std::to_string(size.cy);
    }
    // A font as the font dialog hands it back.
    static LOGFONTA Chosen(const char *szFace, LONG nHeight, LONG nWeight, BYTE nCharSet)
    {
        LOGFONTA lf = {};
        lstrcpyA(lf.lfFaceName, szFace);
        lf.lfHeight = nHeight;
        lf.lfWeight = nWeight;
        lf.lfCharSet = nCharSet;
        return lf;
    }

    AdText m_text;
    std::unique_ptr<TfmTextProp> m_dialog;
    HWND m_hDlg = nullptr;
};

}  // namespace

TEST_F(TextProp, ANewTextIsSizedToItsMeasuredExtent)
{
    Open();
    EXPECT_EQ(SizeText(Measure(m_text.m_lf, "New Text")), Size());
    EXPECT_EQ("0", Text(m_hDlg, IDC_PROP_LEFT));
    EXPECT_EQ("0", Text(m_hDlg, IDC_PROP_TOP));
    EXPECT_EQ("Font Info: Verdana 12px", Text(m_hDlg, IDC_TEXT_FONTINFO));
}

TEST_F(TextProp, AStoredSizeIsKeptUntilTheTextChanges)
{
    RECT rc = {5, 6, 305, 46};
    m_text.SetPos(&rc);
    Open();
    EXPECT_EQ("300x40", Size());

    SetText(m_hDlg, IDC_TEXT_TEXT, "A much longer caption");
    MoveFocus(m_hDlg, IDC_TEXT_TEXT, IDC_PROP_LEFT);
    EXPECT_EQ(SizeText(Measure(m_text.m_lf, "A much longer caption")), Size());
    SetText(m_hDlg, IDC_PROP_WIDTH, "99");
    SetText(m_hDlg, IDC_PROP_NAME, "Text 1");
    ASSERT_TRUE(PressOK());
    EXPECT_EQ(104, m_text.GetPos()->right);
    EXPECT_STREQ("A much longer caption", m_text.m_szText);
    EXPECT_TRUE(g_script.messages.empty());
}

TEST_F(TextProp, LeavingAnEmptyTextComplainsWithoutMovingTheFocus)
{
    Open();
    const std::string before = Size();
    SetText(m_hDlg, IDC_TEXT_TEXT, "");
    MoveFocus(m_hDlg, IDC_TEXT_TEXT, IDC_PROP_LEFT);
    ASSERT_EQ(1u, g_script.messages.size());
    EXPECT_EQ("The content of the text object can not be empty.", g_script.messages[0].text);
    EXPECT_EQ(GetDlgItem(m_hDlg, IDC_PROP_LEFT), GetFocus());
    EXPECT_EQ(before, Size());
}

TEST_F(TextProp, WeightsAreKeptUnlessTheBoldStyleIsChanged)
{
    const struct {
        LONG nWeight;
        bool bUseFontDialog;
        LONG nChosenWeight;
        LONG nStored;
    } cases[] = {
        {600, false, 0, 600},   {300, false, 0, 300},  {0, false, 0, 0},
        {600, true, 400, 600},  // confirmed, still not bold
        {600, true, 700, 700},  {700, true, 400, 400}, {700, false, 0, 700},
        {400, true, 700, 700},  {700, true, 800, 700},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.nWeight) + " -> " + std::to_string(c.nChosenWeight));
        m_text.Reset();
        m_text.m_lf.lfWeight = c.nWeight;
        Open();
        if (c.bUseFontDialog) {
            g_script.bFontOk = true;
            g_script.lfFontChosen = Chosen("Verdana", -12, c.nChosenWeight, 0);
            Click(m_hDlg, IDC_TEXT_FONT);
            // The font dialog is shown bold exactly when the weight is 700.
            EXPECT_EQ(c.nWeight == 700 ? 700 : 400, g_script.lfFontOffered.lfWeight);
        }
        ASSERT_TRUE(PressOK());
        EXPECT_EQ(c.nStored, m_text.m_lf.lfWeight);
    }
}

TEST_F(TextProp, TheFontDialogTakesFaceHeightStylesAndColour)
{
    m_text.m_lf.lfCharSet = 2;
    m_text.m_lf.lfQuality = 3;  // not the dialog's: kept
    m_text.m_crText = RGB(10, 20, 30);
    Open();
    g_script.bFontOk = false;
    Click(m_hDlg, IDC_TEXT_FONT);
    EXPECT_EQ((DWORD)(CF_SCREENFONTS | CF_EFFECTS), g_script.dwFontFlags & (CF_SCREENFONTS | CF_EFFECTS));
    EXPECT_STREQ("Verdana", g_script.lfFontOffered.lfFaceName);
    EXPECT_EQ(RGB(10, 20, 30), g_script.crFontOffered);
    const std::string sizeBefore = Size();

    // Same face: the character set stays; another face brings its own.
    g_script.bFontOk = true;
    LOGFONTA lf = Chosen("Verdana", -20, 700, 0);
    lf.lfItalic = lf.lfUnderline = lf.lfStrikeOut = 1;
    g_script.lfFontChosen = lf;
    g_script.crFontChosen = RGB(200, 0, 0);
    Click(m_hDlg, IDC_TEXT_FONT);
    EXPECT_EQ("Font Info: Verdana 20px", Text(m_hDlg, IDC_TEXT_FONTINFO));
    LOGFONTA expected = m_text.m_lf;
    expected.lfHeight = -20;
    expected.lfWeight = 700;
    expected.lfItalic = expected.lfUnderline = expected.lfStrikeOut = 1;
    EXPECT_EQ(SizeText(Measure(expected, "New Text")), Size());
    EXPECT_NE(sizeBefore, Size());
    SetText(m_hDlg, IDC_PROP_NAME, "Text 1");
    ASSERT_TRUE(PressOK());
    EXPECT_EQ(2, m_text.m_lf.lfCharSet);
    EXPECT_EQ(3, m_text.m_lf.lfQuality);
    EXPECT_EQ(-20, m_text.m_lf.lfHeight);
    EXPECT_EQ(1, m_text.m_lf.lfItalic);
    EXPECT_EQ(1, m_text.m_lf.lfUnderline);
    EXPECT_EQ(1, m_text.m_lf.lfStrikeOut);
    EXPECT_EQ(RGB(200, 0, 0), m_text.m_crText);
    EXPECT_NE(nullptr, m_text.m_hFont);

    Open();
    g_script.lfFontChosen = Chosen("Arial", -12, 400, 0);
    Click(m_hDlg, IDC_TEXT_FONT);
    ASSERT_TRUE(PressOK());
    EXPECT_STREQ("Arial", m_text.m_lf.lfFaceName);
    EXPECT_EQ(0, m_text.m_lf.lfCharSet);
}

TEST_F(TextProp, ACancelledFontDialogChangesNothing)
{
    Open();
    const std::string size = Size(), info = Text(m_hDlg, IDC_TEXT_FONTINFO);
    g_script.bFontOk = false;
    g_script.lfFontChosen = Chosen("Arial", -30, 700, 0);
    Click(m_hDlg, IDC_TEXT_FONT);
    EXPECT_EQ(size, Size());
    EXPECT_EQ(info, Text(m_hDlg, IDC_TEXT_FONTINFO));
    EXPECT_EQ(0u, colorpanel::GetColor(m_hDlg, IDC_TEXT_FONTCOLOR));
}

TEST_F(TextProp, APositiveHeightShowsNegativeAndColoursStoreWithTheirBrush)
{
    m_text.m_lf.lfHeight = 16;
    m_text.m_crBack = RGB(0, 0, 255);
    Open();
    EXPECT_EQ("Font Info: Verdana -16px", Text(m_hDlg, IDC_TEXT_FONTINFO));
    g_script.bColorOk = true;
    g_script.crColorChosen = RGB(0, 255, 0);
    Click(m_hDlg, IDC_PROP_BGCOLORBTN);
    EXPECT_EQ(RGB(0, 0, 255), g_script.crColorOffered);
    EXPECT_TRUE(g_script.dwColorFlags & CC_RGBINIT);
    SetText(m_hDlg, IDC_PROP_NAME, "Text 1");
    ASSERT_TRUE(PressOK());
    EXPECT_EQ(RGB(0, 255, 0), m_text.m_crBack);
    LOGBRUSH lb = {};
    ASSERT_TRUE(GetObjectA(m_text.m_hBrush, sizeof(lb), &lb));
    EXPECT_EQ(RGB(0, 255, 0), lb.lbColor);
    EXPECT_EQ(16, m_text.m_lf.lfHeight);
}
