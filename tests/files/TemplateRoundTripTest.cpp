#include "TemplateFileSupport.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <cstring>

using namespace testsupport;

namespace {

// Bytes that cross the copy's internal step size, so a picture is not copied in one piece.
std::string PictureBytes(size_t n)
{
    std::string s(n, '\0');
    unsigned x = 12345;
    for (char &c : s) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 16);
    }
    return s;
}

bool StartsWith(const std::string &text, const std::string &head)
{
    return text.compare(0, head.size(), head) == 0;
}

TEST(TemplateRoundTrip, EveryKindComesBackWithAllItsFields)
{
    std::string folder = MakeScratchFolder("roundtrip_all");
    const std::string picture = PictureBytes(40000);
    AdSenseTemplate original;
    original.New();
    FillEveryKind(original, OwnPictureCopy(".png", picture));
    std::string path = folder + "every kind.atp";
    ASSERT_TRUE(original.SaveAs(path.c_str()));

    AdSenseTemplate reread;
    reread.New();
    ASSERT_TRUE(reread.Open(path.c_str()));
    EXPECT_EQ(reread.GetFilePath(), path);
    EXPECT_FALSE(reread.IsModified());
    EXPECT_EQ(reread.GetMarginLeft(), 1);
    EXPECT_EQ(reread.GetMarginRight(), 2);
    EXPECT_EQ(reread.GetMarginTop(), 3);
    EXPECT_EQ(reread.GetMarginBottom(), 4);

    std::vector<AdObj *> expected = Objects(original), actual = Objects(reread);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        ExpectSameStoredFields(*expected[i], *actual[i]);
    EXPECT_EQ(reread.GetAdSense(), actual.front());
    EXPECT_EQ(reread.GetCurrent(), actual.back()) << "the last object read is current";
    EXPECT_TRUE(actual.back()->IsSelected());

    // The picture came back as a private copy in the Temp folder, named with its extension.
    const auto *pPic = static_cast<const Pictra *>(actual[1]);
    std::string copy = pPic->m_szFile;
    EXPECT_TRUE(StartsWith(copy, TempFolder() + "temp")) << copy;
    EXPECT_EQ(copy.substr(copy.size() - 4), ".png");
    EXPECT_EQ(ReadFileBytes(copy), picture);
}

TEST(TemplateRoundTrip, ReopenAndSaveReproducesTheFileByteForByte)
{
    // No picture here: reading one changes its stored path to the new copy.
    std::string folder = MakeScratchFolder("roundtrip_bytes");
    AdSenseTemplate t;
    t.New();
    FillEveryKind(t, "");
    ASSERT_EQ(Objects(t)[1]->GetType(), OBJ_IMAGE);
    ASSERT_TRUE(t.Delete(Objects(t)[1]));
    ASSERT_TRUE(t.SaveAs((folder + "a.atp").c_str()));

    // The template's own reserved fields have no setter: give them values in the file.
    std::string bytes = ReadFileBytes(folder + "a.atp");
    ASSERT_EQ(bytes.substr(34, 4), Int32(0));
    bytes.replace(34, 4, Int32(0xCAFEF00D));
    bytes.replace(94, 4, Text("z"));  // the last reserved text
    ASSERT_TRUE(WriteFileBytes(folder + "b.atp", bytes));

    AdSenseTemplate reread;
    ASSERT_TRUE(reread.Open((folder + "b.atp").c_str()));
    ASSERT_TRUE(reread.SaveAs((folder + "c.atp").c_str()));
    EXPECT_EQ(ReadFileBytes(folder + "c.atp"), bytes);
}

TEST(TemplateRoundTrip, TextFontByteFieldsKeepTheirLowByte)
{
    std::string folder = MakeScratchFolder("roundtrip_lf");
    AdSenseTemplate t;
    t.New();
    AdText *pText = new AdText;
    pText->SetName("Text 1");
    pText->m_lf.lfItalic = 1;
    pText->m_lf.lfUnderline = 1;
    t.Add(pText);
    ASSERT_TRUE(t.SaveAs((folder + "lf.atp").c_str()));

    // A writer that left junk in the upper bytes of a 4-byte field still means the low byte.
    std::string bytes = ReadFileBytes(folder + "lf.atp");
    std::string fields = Int32(400) + Int32(1) + Int32(1) + Int32(0) + Int32(0) + Text("Verdana");
    size_t at = bytes.find(fields);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at + 4, 4, Int32(0x7F000101));
    ASSERT_TRUE(WriteFileBytes(folder + "junk.atp", bytes));

    AdSenseTemplate reread;
    ASSERT_TRUE(reread.Open((folder + "junk.atp").c_str()));
    const auto *pRead = static_cast<const AdText *>(reread.GetLast());
    ASSERT_EQ(pRead->GetType(), OBJ_TEXT);
    EXPECT_EQ(pRead->m_lf.lfItalic, 1);
    EXPECT_EQ(pRead->m_lf.lfUnderline, 1);
    EXPECT_EQ(pRead->m_lf.lfStrikeOut, 0);
    EXPECT_EQ(pRead->m_lf.lfCharSet, 0);
    EXPECT_EQ(pRead->m_lf.lfHeight, -12);
    EXPECT_STREQ(pRead->m_szText, "New Text");
}

TEST(TemplateRoundTrip, MissingPictureIsStoredEmptyAndKeepsItsPath)
{
    std::string folder = MakeScratchFolder("roundtrip_missing");
    std::string gone = folder + "deleted.jpg";
    AdSenseTemplate t;
    t.New();
    Pictra *pPic = new Pictra;
    pPic->SetName("Image 1");
    pPic->SetFile(gone.c_str());
    pPic->SetExt(".jpg");
    t.Add(pPic);
    AdShadow *pShadow = new AdShadow;
    pShadow->SetName("Shadow 1");
    t.Add(pShadow);
    ASSERT_TRUE(t.SaveAs((folder + "missing.atp").c_str()));
    std::string bytes = ReadFileBytes(folder + "missing.atp");
    EXPECT_NE(bytes.find(Text(gone) + Text(".jpg") + Int32(0)), std::string::npos);

    AdSenseTemplate reread;
    ASSERT_TRUE(reread.Open((folder + "missing.atp").c_str()));
    std::vector<AdObj *> objects = Objects(reread);
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_STREQ(static_cast<Pictra *>(objects[1])->m_szFile, gone.c_str());
    ASSERT_EQ(objects[2]->GetType(), OBJ_SHADOW);
    EXPECT_EQ(static_cast<AdShadow *>(objects[2])->m_nValue, 6u);
}

TEST(TemplateRoundTrip, SaveWritesToTheTemplatesOwnPath)
{
    std::string path = MakeScratchFolder("roundtrip_save") + "own.atp";
    AdSenseTemplate t;
    ASSERT_TRUE(t.SaveAs(path.c_str()));
    AdFrame *pFrame = new AdFrame;
    t.Add(pFrame);
    ASSERT_TRUE(t.IsModified());
    ASSERT_TRUE(t.Save());
    EXPECT_FALSE(t.IsModified());
    EXPECT_EQ(t.GetFilePath(), path);

    AdSenseTemplate reread;
    ASSERT_TRUE(reread.Open(path.c_str()));
    EXPECT_EQ(reread.GetCount(), 2u);
    // Opening by the template's own path works as well.
    ASSERT_TRUE(reread.Open(reread.GetFilePath()));
    EXPECT_EQ(reread.GetFilePath(), path);
}

}  // namespace
