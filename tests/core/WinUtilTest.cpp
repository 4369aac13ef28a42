#include <gtest/gtest.h>

#include "TestSupport.h"
#include "misc/WinUtil.h"

#include <string.h>

TEST(WinUtil, PubIDRule)
{
    struct Case { const char *szText; bool bValid; } cases[] = {
        {"pub-1234567890123456", true},
        {"pub-0000000000000000", true},
        {"PUB-1234567890123456", false},   // the prefix is compared exactly
        {"pub-123456789012345", false},    // 19 characters
        {"pub-12345678901234567", false},  // 21 characters
        {"pub-12345678901234a6", false},
        {"pub_1234567890123456", false},
        {"pub-123456789012345 ", false},
        {"", false},
        {nullptr, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IsValidPubID(c.szText), c.bValid) << (c.szText ? c.szText : "(null)");
}

TEST(WinUtil, ChannelIDRule)
{
    struct Case { const char *szText; bool bValid; } cases[] = {
        {"", true},
        {"12345678901", true},
        {"1234567890", false},
        {"123456789012", false},
        {"1234567890a", false},
        {" 1234567890", false},
        {nullptr, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IsValidChannelID(c.szText), c.bValid) << (c.szText ? c.szText : "(null)");
}

TEST(WinUtil, ProgramFolderIsTheRunningFilesFolder)
{
    std::string folder = GetProgramFolder();
    EXPECT_EQ(folder, testsupport::ExeFolder());
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
}

TEST(WinUtil, CopyTextCutsToCapacity)
{
    struct {
        char szField[8];
        char chGuard;
    } block;
    memset(&block, 'x', sizeof(block));
    char (&szField)[8] = block.szField;
    CopyText(szField, "abcdefghijklmnop");
    EXPECT_STREQ(szField, "abcdefg");
    EXPECT_EQ(block.chGuard, 'x');
    CopyText(szField, "ab");
    EXPECT_STREQ(szField, "ab");
    CopyText(szField, nullptr);
    EXPECT_STREQ(szField, "");
    // A source that overlaps the field itself is copied intact.
    CopyText(szField, "abcdef");
    CopyText(szField, szField + 2);
    EXPECT_STREQ(szField, "cdef");
}

TEST(WinUtil, FileBaseName)
{
    struct Case { const char *szPath; const char *szName; } cases[] = {
        {"C:\\Sites\\Ads\\blue.atp", "blue"},
        {"Z:/work/out/noname.atp", "noname"},
        {"my.site.atp", "my.site"},
        {"C:\\dir.d\\plain", "plain"},
        {"C:noext", "noext"},
        {"", ""},
        {nullptr, ""},
    };
    for (const Case &c : cases) {
        char szName[260];
        GetFileBaseName(c.szPath, szName, sizeof(szName));
        EXPECT_STREQ(szName, c.szName) << (c.szPath ? c.szPath : "(null)");
    }
    char szShort[4];
    GetFileBaseName("C:\\longname.atp", szShort, sizeof(szShort));
    EXPECT_STREQ(szShort, "lon");
}
