#include "TemplateFileSupport.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <cstring>

using namespace testsupport;

namespace {

std::string Zeros(size_t n)
{
    return std::string(n, '\0');
}

TEST(TemplateLayout, NewTemplateIsWrittenByteForByte)
{
    std::string path = MakeScratchFolder("layout_new") + "new.atp";
    AdSenseTemplate t;
    t.New();
    ASSERT_TRUE(t.SaveAs(path.c_str()));
    const std::string bytes = ReadFileBytes(path);

    std::string header = Text("AdTemplate") + Zeros(16) + Int32(0) + Zeros(32) + Zeros(32);
    ASSERT_EQ(header.size(), 98u);
    std::string placeholder = Int32(0) + Text("AdSense Content") + Int32(10) + Int32(10) +
                              Int32(738) + Int32(100) + Text("pub-1234567890123456") + Text("") +
                              Int32(1) + Int32(728) + Int32(90) + Int32(0x996633) +
                              Int32(0xFF0000) + Int32(0xFFFFFF) + Int32(0) + Int32(0x008000) +
                              Int32(4);
    // The sample ads are the format's own; the test takes their texts from the object.
    const AdSense *pAd = t.GetAdSense();
    for (int i = 0; i < 4; ++i) {
        for (const char *line : pAd->m_ads[i].szTitle)
            placeholder += Text(line);
        for (const char *line : pAd->m_ads[i].szText)
            placeholder += Text(line);
        placeholder += Text(pAd->m_ads[i].szURL);
    }
    placeholder += Zeros(32) + Zeros(16);  // reserved values, four empty reserved texts

    EXPECT_EQ(bytes.substr(0, 98), header);
    EXPECT_EQ(bytes.substr(98), placeholder) << "and the file ends after the placeholder";
    EXPECT_STRNE(pAd->m_ads[0].szTitle[0], "") << "format 1 brings sample ads";
}

TEST(TemplateLayout, OrnamentalRecordsRepeatTheirTypeCode)
{
    std::string folder = MakeScratchFolder("layout_kinds");
    AdSenseTemplate t;
    t.New();
    ASSERT_TRUE(t.SaveAs((folder + "alone.atp").c_str()));
    const size_t placeholderEnd = ReadFileBytes(folder + "alone.atp").size();

    AdText *pText = new AdText;
    pText->SetName("Text 1");
    t.Add(pText);
    AdFrame *pFrame = new AdFrame;
    t.Add(pFrame);
    ASSERT_TRUE(t.SaveAs((folder + "two.atp").c_str()));
    const std::string bytes = ReadFileBytes(folder + "two.atp");

    EXPECT_EQ(bytes.substr(30, 4), Int32(2));
    std::string text = Int32(2) + Int32(2) + Text("Text 1");
    EXPECT_EQ(bytes.substr(placeholderEnd, text.size()), text);
    std::string frame = Int32(5) + Int32(5) + Text("Frame1");
    EXPECT_NE(bytes.find(frame, placeholderEnd + text.size()), std::string::npos);
}

TEST(TemplateLayout, TextsLongerThanTheirFieldAreCutToFit)
{
    std::string path = MakeScratchFolder("layout_cut") + "cut.atp";
    AdSenseTemplate t;
    t.New();
    AdText *pText = new AdText;
    // Filled past the terminator, as a careless caller might leave it.
    memset(pText->m_szName, 'N', sizeof(pText->m_szName));
    t.Add(pText);
    ASSERT_TRUE(t.SaveAs(path.c_str()));
    EXPECT_NE(ReadFileBytes(path).find(Text(std::string(31, 'N'))), std::string::npos);

    AdSenseTemplate reread;
    ASSERT_TRUE(reread.Open(path.c_str()));
    EXPECT_STREQ(reread.GetLast()->GetName(), std::string(31, 'N').c_str());
}

}  // namespace
