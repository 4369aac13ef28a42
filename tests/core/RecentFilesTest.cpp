// The recent templates: order, duplicates, the bound of eight, the settings file and the
// shortened menu captions.
#include <gtest/gtest.h>

#include <string>

#include "RecentFiles.h"
#include "TestSupport.h"

TEST(RecentFiles, MostRecentFirstWithoutDuplicatesAndAtMostEight)
{
    RecentFiles recent;
    for (int i = 1; i <= 10; i++)
        recent.Add(("C:\\t\\" + std::to_string(i) + ".atp").c_str());
    ASSERT_EQ(8u, recent.GetCount());
    EXPECT_STREQ("C:\\t\\10.atp", recent.Get(0));
    EXPECT_STREQ("C:\\t\\3.atp", recent.Get(7));
    EXPECT_EQ(nullptr, recent.Get(8));

    recent.Add("c:\\T\\5.ATP");  // the same file, typed otherwise
    EXPECT_EQ(8u, recent.GetCount());
    EXPECT_STREQ("c:\\T\\5.ATP", recent.Get(0));
    EXPECT_STREQ("C:\\t\\10.atp", recent.Get(1));

    recent.Remove("C:\\t\\10.atp");
    EXPECT_EQ(7u, recent.GetCount());
    recent.Add("");
    recent.Add(nullptr);
    recent.Add(std::string(400, 'x').c_str());
    EXPECT_EQ(7u, recent.GetCount());
}

TEST(RecentFiles, SurvivesTheSettingsFileInOrder)
{
    std::string ini = testsupport::MakeScratchFolder("recent_ini") + "ornamo.ini";
    RecentFiles recent;
    for (const char *path : {"C:\\a.atp", "C:\\b.atp", "C:\\c.atp"})
        recent.Add(path);
    ASSERT_TRUE(recent.Save(ini.c_str()));
    RecentFiles loaded;
    loaded.Load(ini.c_str());
    ASSERT_EQ(3u, loaded.GetCount());
    EXPECT_STREQ("C:\\c.atp", loaded.Get(0));
    EXPECT_STREQ("C:\\a.atp", loaded.Get(2));

    // A shorter list leaves no stale entries behind.
    loaded.Remove("C:\\b.atp");
    loaded.Remove("C:\\c.atp");
    ASSERT_TRUE(loaded.Save(ini.c_str()));
    RecentFiles again;
    again.Load(ini.c_str());
    ASSERT_EQ(1u, again.GetCount());
    EXPECT_STREQ("C:\\a.atp", again.Get(0));
}

TEST(RecentFiles, CaptionsAreNumberedAndShortenedInTheMiddle)
{
    EXPECT_EQ("&1 C:\\a.atp", RecentFiles::MenuCaption(0, "C:\\a.atp"));
    EXPECT_EQ("&8 C:\\R&&D\\b.atp", RecentFiles::MenuCaption(7, "C:\\R&D\\b.atp"));
    const std::string longPath =
        "C:\\Templates\\" + std::string(80, 'd') + "\\Garden\\Leaderboard.atp";
    const std::string shortened = RecentFiles::ShortenPath(longPath.c_str(), 40);
    EXPECT_EQ(40u, shortened.size());
    EXPECT_EQ(0u, shortened.find("C:\\Templates\\..."));
    EXPECT_EQ(shortened.size() - 15, shortened.rfind("Leaderboard.atp"));
    EXPECT_EQ("abc", RecentFiles::ShortenPath("abc", 40));
    // Too short for a head: only the end survives.
    EXPECT_EQ("...ard.atp", RecentFiles::ShortenPath(longPath.c_str(), 10));
}
