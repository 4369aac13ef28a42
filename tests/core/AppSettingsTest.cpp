// The settings file: what a run reads from "ornamo.ini" and what it leaves there.
#include <gtest/gtest.h>
#include <string.h>
#include <string>

#include "AppSettings.h"
#include "TestSupport.h"

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { m_path = testsupport::MakeScratchFolder("settings") + "ornamo.ini"; }

    // A record full of leftovers, so a field the load forgets to set shows.
    static AppSettings Garbage()
    {
        AppSettings settings;
        memset(&settings, 'x', sizeof(settings));
        settings.Startup = false;
        return settings;
    }
    AppSettings Load()
    {
        AppSettings settings = Garbage();
        LoadSettings(settings, m_path.c_str());
        return settings;
    }
    void Write(const std::string &text) { ASSERT_TRUE(testsupport::WriteFileBytes(m_path, text)); }
    std::string Read() { return testsupport::ReadFileBytes(m_path); }

    std::string m_path;
};

}  // namespace

TEST_F(SettingsFile, MissingFileGivesTheDefaults)
{
    AppSettings settings = Load();
    EXPECT_STREQ("pub-1234567890123456", settings.PubID);
    EXPECT_STREQ("", settings.ChannelID);
    EXPECT_TRUE(settings.Startup);
    EXPECT_FALSE(settings.AsyncCode);
    EXPECT_FALSE(testsupport::FileExists(m_path)) << "reading must not create the file";
}

TEST_F(SettingsFile, ReadsEachKeyWithItsDefault)
{
    const struct {
        const char *file;
        const char *pubId, *channelId;
        bool startup;
    } cases[] = {
        {"[Common]\r\nStartup=0\r\n", "pub-1234567890123456", "", false},
        {"[Common]\r\nStartup=1\r\n", "pub-1234567890123456", "", true},
        {"[Common]\r\nStartup=7\r\n", "pub-1234567890123456", "", true},
        {"[Common]\r\nStartup=2abc\r\n", "pub-1234567890123456", "", true},
        {"[Common]\r\nStartup=abc\r\n", "pub-1234567890123456", "", false},
        {"[Common]\r\nPubID=\r\nChannelID=12345678901\r\n", "", "12345678901", true},
        {"[Common]\r\nPubID=pub-0000000000000001\r\nChannelID=abc\r\n", "pub-0000000000000001",
         "abc", true},
        // Keys of another section are not ours.
        {"[Other]\r\nPubID=pub-9999999999999999\r\nStartup=0\r\n", "pub-1234567890123456", "",
         true},
    };
    for (const auto &c : cases) {
        Write(c.file);
        AppSettings settings = Load();
        EXPECT_STREQ(c.pubId, settings.PubID) << c.file;
        EXPECT_STREQ(c.channelId, settings.ChannelID) << c.file;
        EXPECT_EQ(c.startup, settings.Startup) << c.file;
    }
}

TEST_F(SettingsFile, AsyncCodeIsOffUnlessTheFileTurnsItOn)
{
    const struct {
        const char *file;
        bool asyncCode;
    } cases[] = {
        {"[Common]\r\nStartup=0\r\n", false},
        {"[Common]\r\nAsyncCode=1\r\n", true},
        {"[Common]\r\nAsyncCode=0\r\n", false},
        {"[Common]\r\nAsyncCode=abc\r\n", false},
        {"[Other]\r\nAsyncCode=1\r\n", false},
    };
    for (const auto &c : cases) {
        Write(c.file);
        EXPECT_EQ(c.asyncCode, Load().AsyncCode) << c.file;
    }
}

TEST_F(SettingsFile, AsyncCodeSurvivesASaveAndLoad)
{
    for (bool bAsync : {true, false}) {
        AppSettings settings = {};
        strcpy(settings.PubID, "pub-1234567890123456");
        settings.AsyncCode = bAsync;
        ASSERT_TRUE(SaveSettings(settings, m_path.c_str()));
        EXPECT_NE(std::string::npos, Read().find(bAsync ? "AsyncCode=1" : "AsyncCode=0"));
        EXPECT_EQ(bAsync, Load().AsyncCode);
    }
}

TEST_F(SettingsFile, LongIdsKeepTheirFirst31Characters)
{
    const std::string pub40 = "pub-" + std::string(36, '1');
    const std::string channel40(40, '2');
    Write("[Common]\r\nPubID=" + pub40 + "\r\nChannelID=" + channel40 + "\r\n");
    AppSettings settings = Load();
    EXPECT_EQ(pub40.substr(0, 31), settings.PubID);
    EXPECT_EQ(channel40.substr(0, 31), settings.ChannelID);
}

TEST_F(SettingsFile, WritesTheThreeKeysInOrder)
{
    AppSettings settings = {};
    strcpy(settings.PubID, "pub-1234567890123456");
    settings.Startup = true;
    ASSERT_TRUE(SaveSettings(settings, m_path.c_str()));
    std::string text = Read();
    const size_t nSection = text.find("[Common]");
    const size_t nPub = text.find("PubID=pub-1234567890123456");
    const size_t nChannel = text.find("ChannelID=\r\n");
    const size_t nStartup = text.find("Startup=1");
    ASSERT_NE(std::string::npos, nSection) << text;
    ASSERT_NE(std::string::npos, nPub) << text;
    ASSERT_NE(std::string::npos, nChannel) << text;
    ASSERT_NE(std::string::npos, nStartup) << text;
    EXPECT_LT(nSection, nPub);
    EXPECT_LT(nPub, nChannel);
    EXPECT_LT(nChannel, nStartup);

    settings.Startup = false;
    strcpy(settings.ChannelID, "12345678901");
    ASSERT_TRUE(SaveSettings(settings, m_path.c_str()));
    text = Read();
    EXPECT_NE(std::string::npos, text.find("Startup=0")) << text;
    EXPECT_NE(std::string::npos, text.find("ChannelID=12345678901")) << text;
    EXPECT_EQ(std::string::npos, text.find("Startup=1")) << text;
    AppSettings back = Load();
    EXPECT_STREQ(settings.PubID, back.PubID);
    EXPECT_STREQ(settings.ChannelID, back.ChannelID);
    EXPECT_FALSE(back.Startup);
}

TEST_F(SettingsFile, SavingKeepsOtherKeysAndSections)
{
    Write("[Window]\r\nLeft=10\r\n[Common]\r\nTheme=Blue\r\nStartup=0\r\n");
    AppSettings settings = {};
    strcpy(settings.PubID, "pub-0000000000000002");
    settings.Startup = true;
    ASSERT_TRUE(SaveSettings(settings, m_path.c_str()));
    const std::string text = Read();
    EXPECT_NE(std::string::npos, text.find("[Window]")) << text;
    EXPECT_NE(std::string::npos, text.find("Left=10")) << text;
    EXPECT_NE(std::string::npos, text.find("Theme=Blue")) << text;
    EXPECT_EQ(GetPrivateProfileIntA("Window", "Left", 0, m_path.c_str()), 10);
    EXPECT_TRUE(Load().Startup);
}

TEST_F(SettingsFile, NoPathNeverFallsBackToTheSystemFolder)
{
    AppSettings settings = Garbage();
    LoadSettings(settings, "");
    EXPECT_STREQ("pub-1234567890123456", settings.PubID);
    EXPECT_STREQ("", settings.ChannelID);
    EXPECT_TRUE(settings.Startup);
    EXPECT_FALSE(SaveSettings(settings, nullptr));
    EXPECT_FALSE(SaveSettings(settings, ""));
}

TEST_F(SettingsFile, UnwritableFileIsReportedToTheCaller)
{
    AppSettings settings = {};
    const std::string missingFolder = m_path + ".missing\\ornamo.ini";
    EXPECT_FALSE(SaveSettings(settings, missingFolder.c_str()));
}

TEST(SettingsPath, IsTheIniFileBesideTheProgram)
{
    EXPECT_EQ(testsupport::ExeFolder() + "ornamo.ini", GetSettingsPath());
}
