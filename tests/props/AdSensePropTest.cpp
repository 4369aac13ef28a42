// The ad unit's dialog: the ID rules, the change report for place, IDs and colours, and
// the colours shown back in the main window's swatches on every OK.
#include <memory>

#include "AdTemplate/AdSense.h"
#include "PropsFixture.h"
#include "TfmAdSenseProp.h"
#include "dialog/ColorPanel.h"
#include "resource.h"

using namespace props;

namespace {

class AdSenseProp : public PropsTest {
protected:
    void SetUp() override
    {
        PropsTest::SetUp();
        m_pAd = m_host.m_template.GetAdSense();  // at 10, 10, 738, 100
        Open();
    }
    void Open()
    {
        m_dialog.reset(new TfmAdSenseProp(&m_host));
        ASSERT_TRUE(m_dialog->Create(nullptr));
        ASSERT_TRUE(m_dialog->SetObject(m_pAd));
        m_hDlg = m_dialog->GetHandle();
    }
    bool PressOK()
    {
        Click(m_hDlg, IDC_PROP_OK);
        return m_dialog->GetModalResult() == IDOK;
    }

    FakeHost m_host;
    AdSense *m_pAd = nullptr;
    std::unique_ptr<TfmAdSenseProp> m_dialog;
    HWND m_hDlg = nullptr;
};

}  // namespace

TEST_F(AdSenseProp, OpensWithFormatPlaceIDsAndColours)
{
    EXPECT_EQ("728 x 90 Leaderboard", Text(m_hDlg, IDC_AD_FORMAT));
    EXPECT_EQ("10", Text(m_hDlg, IDC_PROP_LEFT));
    EXPECT_EQ("728", Text(m_hDlg, IDC_PROP_WIDTH));
    EXPECT_EQ("90", Text(m_hDlg, IDC_PROP_HEIGHT));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(m_hDlg, IDC_PROP_WIDTH)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(m_hDlg, IDC_PROP_HEIGHT)));
    EXPECT_EQ("pub-1234567890123456", Text(m_hDlg, IDC_AD_PUBID));
    EXPECT_EQ("", Text(m_hDlg, IDC_AD_CHANNELID));
    EXPECT_EQ(0x996633u, colorpanel::GetColor(m_hDlg, IDC_AD_BORDERCOLOR));
    EXPECT_EQ(0x008000u, colorpanel::GetColor(m_hDlg, IDC_AD_URLCOLOR));
    m_pAd->GetInfo()->nFormat = 13;
    Open();
    EXPECT_EQ("N/A", Text(m_hDlg, IDC_AD_FORMAT));
}

TEST_F(AdSenseProp, IDsFollowTheSharedRules)
{
    const struct {
        const char *szPub, *szChannel;
        bool bAccepted;
    } cases[] = {
        {"pub-1234567890123456", "", true},
        {"pub-1234567890123456", "12345678901", true},
        {"PUB-1234567890123456", "", false},
        {"pub-123456789012345", "", false},
        {"pub-12345678901234567", "", false},
        {" pub-1234567890123456", "", false},
        {"pub-1234567890123456 ", "", false},
        {"pub-1234567890123456", "1234567890", false},
        {"pub-1234567890123456", "123456789012", false},
        {"pub-1234567890123456", "1234567890a", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.szPub) + "/" + c.szChannel);
        Open();
        SetText(m_hDlg, IDC_AD_PUBID, c.szPub);
        SetText(m_hDlg, IDC_AD_CHANNELID, c.szChannel);
        EXPECT_EQ(c.bAccepted, PressOK());
        if (c.bAccepted) {
            EXPECT_STREQ(c.szPub, m_pAd->GetInfo()->szPubID);
            EXPECT_STREQ(c.szChannel, m_pAd->GetInfo()->szChannelID);
        }
    }
}

TEST_F(AdSenseProp, ReportsAChangeOnlyWhenAValueReallyChanged)
{
    const struct {
        int nId;  // a field, or a colour button
        const char *szText;
        COLORREF crChosen;
        bool bChanged;
    } cases[] = {
        {0, nullptr, 0, false},
        {IDC_PROP_LEFT, "10", 0, false},
        {IDC_PROP_LEFT, "25", 0, true},
        {IDC_PROP_TOP, "3", 0, true},
        {IDC_AD_PUBID, "pub-0000000000000000", 0, true},
        {IDC_AD_CHANNELID, "12345678901", 0, true},
        {IDC_AD_BORDERCOLORBTN, nullptr, 0x996633, false},
        {IDC_AD_BORDERCOLORBTN, nullptr, 0x123456, true},
        {IDC_PROP_BGCOLORBTN, nullptr, 0x123456, true},
        {IDC_AD_TITLECOLORBTN, nullptr, 0x123456, true},
        {IDC_AD_TEXTCOLORBTN, nullptr, 0x123456, true},
        {IDC_AD_URLCOLORBTN, nullptr, 0x123456, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.nId);
        m_pAd->Reset();
        RECT rc = {10, 10, 738, 100};
        m_pAd->SetPos(&rc);
        m_host.adColors.clear();
        Open();
        if (c.szText)
            SetText(m_hDlg, c.nId, c.szText);
        else if (c.nId) {
            g_script.bColorOk = true;
            g_script.crColorChosen = c.crChosen;
            Click(m_hDlg, c.nId);
        }
        ASSERT_TRUE(PressOK());
        EXPECT_EQ(c.bChanged, m_dialog->IsChanged());
        // Every OK shows the five colours in the main window's swatches, store false.
        ASSERT_EQ(5u, m_host.adColors.size());
        const AdSenseInfo &info = *m_pAd->GetInfo();
        const COLORREF expected[] = {info.crBorder, info.crBG, info.crTitle, info.crText, info.crURL};
        for (int i = 0; i < 5; i++) {
            EXPECT_EQ(i + 1, m_host.adColors[i].nKind);
            EXPECT_EQ(expected[i], m_host.adColors[i].cr);
            EXPECT_FALSE(m_host.adColors[i].bStore);
        }
    }
    // Moving keeps the size.
    Open();
    SetText(m_hDlg, IDC_PROP_LEFT, "25");
    ASSERT_TRUE(PressOK());
    const RECT expected = {25, 10, 753, 100};
    EXPECT_EQ(0, memcmp(&expected, m_pAd->GetPos(), sizeof(RECT)));
}

TEST_F(AdSenseProp, TransferColorSetsTheChangeFlagOnlyForADifferentColour)
{
    colorpanel::SetColor(m_hDlg, IDC_AD_TITLECOLOR, m_pAd->GetInfo()->crTitle);
    m_dialog->TransferColor(3, true);
    EXPECT_FALSE(m_dialog->IsChanged());
    colorpanel::SetColor(m_hDlg, IDC_AD_TITLECOLOR, 0x0000AA);
    m_dialog->TransferColor(3, true);
    EXPECT_TRUE(m_dialog->IsChanged());
    EXPECT_EQ(0x0000AAu, m_pAd->GetInfo()->crTitle);
    m_dialog->TransferColor(9, true);  // no such kind: nothing
}
