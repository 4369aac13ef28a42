// "Ornamo Options": the record changes only when OK succeeds.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "DialogDriver.h"
#include "ShellFakes.h"
#include "TfmOption.h"
#include "misc/WinUtil.h"
#include "resource.h"

using namespace driver;

namespace {

const char kPubWarning[] = "The publisher ID is invalid, are you sure to continue?";
const char kChannelWarning[] = "The channel ID is invalid, are you sure to continue?";
const char kValidPub[] = "pub-0000000000000001";
const char kValidChannel[] = "12345678901";

class OptionDialog : public shellfakes::Installed {
protected:
    void Open(const char *pubId, const char *channelId, bool startup)
    {
        memset(&m_settings, 0, sizeof(m_settings));
        CopyText(m_settings.PubID, pubId);
        CopyText(m_settings.ChannelID, channelId);
        m_settings.Startup = startup;
        m_before = m_settings;
        ASSERT_TRUE(m_dialog.Create(nullptr));
    }
    void Enter(const std::string &pubId, const std::string &channelId, bool startup)
    {
        Type(m_dialog, IDC_OPTION_PUBID, pubId);
        Type(m_dialog, IDC_OPTION_CHANNELID, channelId);
        fields::SetChecked(m_dialog.GetHandle(), IDC_OPTION_STARTUP, startup);
    }
    bool Untouched() const { return memcmp(&m_settings, &m_before, sizeof(m_settings)) == 0; }

    AppSettings m_settings = {};
    AppSettings m_before = {};
    TfmOption m_dialog{&m_settings};
};

}  // namespace

TEST_F(OptionDialog, ShowsTheRecordAndOffersTheDefaultForAnEmptyPubId)
{
    Open("", "", true);
    EXPECT_EQ("Ornamo Options", Caption(m_dialog.GetHandle()));
    EXPECT_EQ("pub-1234567890123456", Text(m_dialog, IDC_OPTION_PUBID));
    EXPECT_EQ("", Text(m_dialog, IDC_OPTION_CHANNELID));
    EXPECT_TRUE(Checked(m_dialog, IDC_OPTION_STARTUP));
    EXPECT_STREQ("", m_settings.PubID) << "the record keeps its empty ID until OK";

    TfmOption other(&m_settings);
    CopyText(m_settings.PubID, kValidPub);
    CopyText(m_settings.ChannelID, kValidChannel);
    m_settings.Startup = false;
    ASSERT_TRUE(other.Create(nullptr));
    EXPECT_EQ(kValidPub, Text(other, IDC_OPTION_PUBID));
    EXPECT_EQ(kValidChannel, Text(other, IDC_OPTION_CHANNELID));
    EXPECT_FALSE(Checked(other, IDC_OPTION_STARTUP));
}

TEST_F(OptionDialog, OkWithValidIdsStoresEverythingWithoutAsking)
{
    Open("", "", true);
    Enter(kValidPub, kValidChannel, false);
    Click(m_dialog, IDC_OPTION_OK);
    EXPECT_TRUE(shellfakes::messages.empty());
    EXPECT_EQ(IDOK, m_dialog.GetModalResult());
    EXPECT_STREQ(kValidPub, m_settings.PubID);
    EXPECT_STREQ(kValidChannel, m_settings.ChannelID);
    EXPECT_FALSE(m_settings.Startup);
}

TEST_F(OptionDialog, WarningsAskAndCancelLeavesTheRecordUntouched)
{
    const struct {
        const char *name;
        const char *pubId, *channelId;
        std::vector<int> answers;
        std::vector<const char *> asked;
        bool stored;
        int focusId;  // where a cancelled warning leaves the focus
    } cases[] = {
        {"invalid pub confirmed", "pub-12", kValidChannel, {IDOK}, {kPubWarning}, true, 0},
        {"invalid pub cancelled", "pub-12", kValidChannel, {IDCANCEL}, {kPubWarning}, false,
         IDC_OPTION_PUBID},
        {"invalid channel cancelled", kValidPub, "12ab", {IDCANCEL}, {kChannelWarning}, false,
         IDC_OPTION_CHANNELID},
        {"pub confirmed, channel cancelled", "x", "12ab", {IDOK, IDCANCEL},
         {kPubWarning, kChannelWarning}, false, IDC_OPTION_CHANNELID},
        {"both confirmed", "x", "12ab", {IDOK, IDOK}, {kPubWarning, kChannelWarning}, true, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        shellfakes::messages.clear();
        shellfakes::messageAnswers.assign(c.answers.begin(), c.answers.end());
        TfmOption dialog(&m_settings);
        memset(&m_settings, 0, sizeof(m_settings));
        CopyText(m_settings.PubID, kValidPub);
        m_settings.Startup = true;
        m_before = m_settings;
        ASSERT_TRUE(dialog.Create(nullptr));
        ShowWindow(dialog.GetHandle(), SW_SHOW);
        SetForegroundWindow(dialog.GetHandle());
        Type(dialog, IDC_OPTION_PUBID, c.pubId);
        Type(dialog, IDC_OPTION_CHANNELID, c.channelId);
        fields::SetChecked(dialog.GetHandle(), IDC_OPTION_STARTUP, false);

        Click(dialog, IDC_OPTION_OK);
        ASSERT_EQ(c.asked.size(), shellfakes::messages.size());
        for (size_t i = 0; i < c.asked.size(); i++) {
            EXPECT_EQ(c.asked[i], shellfakes::messages[i].text);
            EXPECT_EQ("Warning", shellfakes::messages[i].caption);
            EXPECT_EQ((UINT)(MB_OKCANCEL | MB_ICONQUESTION), shellfakes::messages[i].type);
        }
        if (c.stored) {
            EXPECT_EQ(IDOK, dialog.GetModalResult());
            EXPECT_STREQ(c.pubId, m_settings.PubID);
            EXPECT_STREQ(c.channelId, m_settings.ChannelID);
            EXPECT_FALSE(m_settings.Startup);
        } else {
            EXPECT_NE(IDOK, dialog.GetModalResult());
            EXPECT_TRUE(Untouched()) << "PubID " << m_settings.PubID << ", Startup "
                                     << m_settings.Startup;
            EXPECT_EQ(dialog.Item(c.focusId), GetFocus());
        }
    }
}

TEST_F(OptionDialog, CancelledWarningKeepsTheDialogRunning)
{
    // OK with the warning cancelled, then OK again with it confirmed: the second click only
    // counts if the first one left the dialog open.
    Open(kValidPub, "", true);
    Enter("pub-bad", "", true);
    shellfakes::messageAnswers = {IDCANCEL, IDOK};
    EXPECT_EQ(IDOK, RunScript(m_dialog, {IDC_OPTION_OK, IDC_OPTION_OK}));
    EXPECT_EQ(2u, shellfakes::messages.size());
    EXPECT_STREQ("pub-bad", m_settings.PubID);
}

TEST_F(OptionDialog, CancelAndTitleBarCloseChangeNothing)
{
    for (int nStep : {IDC_OPTION_CANCEL, (int)WM_CLOSE}) {
        TfmOption dialog(&m_settings);
        memset(&m_settings, 0, sizeof(m_settings));
        CopyText(m_settings.PubID, kValidPub);
        m_before = m_settings;
        ASSERT_TRUE(dialog.Create(nullptr));
        Type(dialog, IDC_OPTION_PUBID, "pub-9999999999999999");
        Type(dialog, IDC_OPTION_CHANNELID, kValidChannel);
        fields::SetChecked(dialog.GetHandle(), IDC_OPTION_STARTUP, true);
        EXPECT_EQ(IDCANCEL, RunScript(dialog, {nStep}));
        EXPECT_TRUE(Untouched());
        EXPECT_TRUE(shellfakes::messages.empty());
    }
}

TEST_F(OptionDialog, ConfirmedFortyCharacterIdKeepsItsFirst31)
{
    Open(kValidPub, "", true);
    const std::string pub40 = "pub-" + std::string(36, '5');
    const std::string channel40(40, '6');
    Enter(pub40, channel40, true);
    shellfakes::messageAnswers = {IDOK, IDOK};
    EXPECT_EQ(IDOK, RunScript(m_dialog, {IDC_OPTION_OK}));
    EXPECT_EQ(pub40.substr(0, 31), m_settings.PubID);
    EXPECT_EQ(channel40.substr(0, 31), m_settings.ChannelID);
}
