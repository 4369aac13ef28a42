#include "TemplateFileSupport.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>

using namespace testsupport;

namespace {

// A picture record with an empty block keeps the path the file names. A crafted template can
// name any file of the machine that way; saving must never carry that file along.
struct ForeignCase {
    const char *what;
    std::string path;
    bool embedded;  // our own copy: its bytes go into the saved file
};

std::string Upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](char c) { return (char)toupper((unsigned char)c); });
    return s;
}

// The file of a template whose only ornament is a picture with an empty block naming path.
std::string CraftedTemplate(const std::string &folder, const std::string &path)
{
    AdSenseTemplate t;
    t.New();
    FillEveryKind(t, "");  // the picture named nothing, so its block is empty
    const std::string file = folder + "plain.atp";
    EXPECT_TRUE(t.SaveAs(file.c_str()));
    std::string bytes = ReadFileBytes(file);
    const std::string emptyPicture = Text("") + Text(".png") + Int32(0);
    const size_t at = bytes.find(emptyPicture);
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos)
        bytes.replace(at, emptyPicture.size(), Text(path) + Text(".png") + Int32(0));
    return bytes;
}

Pictra *PictureOf(AdSenseTemplate &t)
{
    for (AdObj *p : Objects(t))
        if (p->GetType() == OBJ_IMAGE)
            return static_cast<Pictra *>(p);
    return nullptr;
}

}  // namespace

TEST(ForeignPictures, SavingEmbedsOnlyCopiesTheProgramMade)
{
    const std::string folder = MakeScratchFolder("foreign_pictures");
    const std::string secret = "SECRET BYTES of a file the template must not carry";
    const std::string beside = folder + "private.png";
    ASSERT_TRUE(WriteFileBytes(beside, secret));
    // Named as our copies are named, but made by another program sharing the Temp folder.
    const std::string theirs = TempFolder() + "temp999999.png";
    ASSERT_TRUE(WriteFileBytes(theirs, secret));
    const std::string own = OwnPictureCopy(".png", secret);
    const std::string ownName = own.substr(TempFolder().size());

    const ForeignCase cases[] = {
        {"a file elsewhere on the machine", beside, false},
        {"another program's file in the Temp folder", theirs, false},
        {"our copy by a detour", TempFolder() + "..\\Temp\\" + ownName, false},
        {"our copy", own, true},
        {"our copy, spelled in capitals", Upper(own), true},
    };
    for (const ForeignCase &c : cases) {
        SCOPED_TRACE(c.what);
        const std::set<std::string> tempBefore = FilesIn(TempFolder());
        ASSERT_TRUE(WriteFileBytes(folder + "crafted.atp", CraftedTemplate(folder, c.path)));
        AdSenseTemplate t;
        ASSERT_TRUE(t.Open((folder + "crafted.atp").c_str()));
        Pictra *pPicture = PictureOf(t);
        ASSERT_NE(pPicture, nullptr);
        EXPECT_EQ(pPicture->m_szFile, c.path) << "the stored path is kept";
        EXPECT_EQ(FilesIn(TempFolder()), tempBefore) << "nothing was copied";

        ASSERT_TRUE(t.SaveAs((folder + "saved.atp").c_str()));
        const std::string saved = ReadFileBytes(folder + "saved.atp");
        EXPECT_EQ(saved.find(secret) != std::string::npos, c.embedded);
        const std::string record = Text(c.path) + Text(".png") +
                                   Int32(c.embedded ? (long long)secret.size() : 0);
        EXPECT_NE(saved.find(record), std::string::npos) << "the path is written as it was";
    }
    DeleteFileA(theirs.c_str());
}
