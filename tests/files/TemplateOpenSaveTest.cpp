#include "TemplateFileSupport.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// A template that differs from a new one in every field a failed operation could disturb.
void MakeDistinct(AdSenseTemplate &t, const std::string &path)
{
    t.New();
    FillEveryKind(t, "");
    ASSERT_TRUE(t.SaveAs(path.c_str()));
    t.SetCurrent(Objects(t)[2]);
    t.SetModified(true);
}

struct FirstBytesCase {
    const char *name;
    std::string bytes;
    bool isTemplate;
};

void PrintTo(const FirstBytesCase &c, std::ostream *os)
{
    *os << c.name;
}

class TemplateFirstBytes : public ::testing::TestWithParam<FirstBytesCase> {};

TEST_P(TemplateFirstBytes, OnlyTheTagMakesATemplateFile)
{
    const FirstBytesCase &c = GetParam();
    std::string folder = MakeScratchFolder("open_first_bytes");
    std::string path = folder + "candidate.atp";
    ASSERT_TRUE(WriteFileBytes(path, c.bytes));
    EXPECT_EQ(IsTemplateFile(path.c_str()), c.isTemplate);

    AdSenseTemplate t;
    MakeDistinct(t, folder + "previous.atp");
    TemplateState before = Snapshot(t);
    if (!c.isTemplate) {
        EXPECT_FALSE(t.Open(path.c_str()));
        EXPECT_EQ(Snapshot(t), before);
    }
    // The file is closed again in every case: it can be replaced at once.
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}

INSTANTIATE_TEST_SUITE_P(
    Template, TemplateFirstBytes,
    ::testing::Values(FirstBytesCase{"tag_alone", Text("AdTemplate"), true},
                      FirstBytesCase{"plain_text", "This is a text file.\r\n", false},
                      FirstBytesCase{"empty", "", false},
                      FirstBytesCase{"tag_cut", Text("AdTemplate").substr(0, 9), false},
                      FirstBytesCase{"other_tag", Text("AdTemplatf"), false},
                      FirstBytesCase{"longer_text", Text("AdTemplate2"), false},
                      FirstBytesCase{"shorter_text", Text("AdTemplat"), false}),
    [](const ::testing::TestParamInfo<FirstBytesCase> &info) {
        return std::string(info.param.name);
    });

TEST(TemplateOpen, MissingFileIsNotATemplate)
{
    std::string folder = MakeScratchFolder("open_missing");
    EXPECT_FALSE(IsTemplateFile((folder + "nothing.atp").c_str()));
    EXPECT_FALSE(IsTemplateFile(""));
    EXPECT_FALSE(IsTemplateFile(nullptr));
    AdSenseTemplate t;
    MakeDistinct(t, folder + "previous.atp");
    TemplateState before = Snapshot(t);
    EXPECT_FALSE(t.Open((folder + "nothing.atp").c_str()));
    EXPECT_FALSE(t.Open(nullptr));
    EXPECT_FALSE(t.Open((folder + std::string(300, 'x') + ".atp").c_str()));
    EXPECT_EQ(Snapshot(t), before);
}

TEST(TemplateOpen, ReplacesTheWholeTemplate)
{
    std::string folder = MakeScratchFolder("open_replaces");
    AdSenseTemplate small;
    small.New();
    AdShadow *pShadow = new AdShadow;
    small.Add(pShadow);
    ASSERT_TRUE(small.SaveAs((folder + "small.atp").c_str()));

    AdSenseTemplate t;
    MakeDistinct(t, folder + "big.atp");
    ASSERT_TRUE(t.Open((folder + "small.atp").c_str()));
    std::vector<AdObj *> objects = Objects(t);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0], t.GetAdSense());
    EXPECT_EQ(objects[0]->GetType(), OBJ_ADSENSE);
    EXPECT_FALSE(objects[0]->IsSelected());
    EXPECT_EQ(objects[1]->GetType(), OBJ_SHADOW);
    EXPECT_EQ(t.GetCurrent(), objects[1]);
    EXPECT_EQ(t.GetMarginLeft(), 0) << "margins come from the file";
    EXPECT_EQ(t.GetFilePath(), folder + "small.atp");
    EXPECT_FALSE(t.IsModified());
}

// Targets that cannot take the file. The previous file at the path, if any, must survive.
struct FailedSaveCase {
    const char *name;
    void (*prepare)(const std::string &folder);
    const char *target;  // below the scratch folder
};

void PrintTo(const FailedSaveCase &c, std::ostream *os)
{
    *os << c.name;
}

class TemplateFailedSave : public ::testing::TestWithParam<FailedSaveCase> {};

TEST_P(TemplateFailedSave, LeavesOldFileAndTemplateAsTheyWere)
{
    const FailedSaveCase &c = GetParam();
    std::string folder = MakeScratchFolder(c.name);
    c.prepare(folder);
    std::string target = folder + c.target;
    const std::string oldBytes = ReadFileBytes(target);

    AdSenseTemplate t;
    MakeDistinct(t, folder + "current.atp");
    const std::set<std::string> filesBefore = FilesIn(folder);
    TemplateState before = Snapshot(t);
    EXPECT_FALSE(t.SaveAs(target.c_str()));
    EXPECT_EQ(Snapshot(t), before);
    EXPECT_EQ(ReadFileBytes(target), oldBytes);
    EXPECT_EQ(FilesIn(folder), filesBefore) << "no half-written file is left";
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

INSTANTIATE_TEST_SUITE_P(
    Template, TemplateFailedSave,
    ::testing::Values(
        FailedSaveCase{"save_read_only",
                       [](const std::string &folder) {
                           WriteFileBytes(folder + "locked.atp", "previous good file");
                           SetFileAttributesA((folder + "locked.atp").c_str(),
                                              FILE_ATTRIBUTE_READONLY);
                       },
                       "locked.atp"},
        FailedSaveCase{"save_missing_folder", [](const std::string &) {}, "nowhere\\t.atp"},
        FailedSaveCase{"save_onto_folder",
                       [](const std::string &folder) {
                           CreateDirectoryA((folder + "taken.atp").c_str(), nullptr);
                       },
                       "taken.atp"}),
    [](const ::testing::TestParamInfo<FailedSaveCase> &info) {
        return std::string(info.param.name);
    });

TEST(TemplateSave, ReplacesThePreviousFileAndLeavesNothingBeside)
{
    std::string folder = MakeScratchFolder("save_replace");
    std::string path = folder + "t.atp";
    ASSERT_TRUE(WriteFileBytes(path, "an older, longer file that must be replaced entirely"));
    AdSenseTemplate t;
    t.New();
    t.SetModified(true);
    ASSERT_TRUE(t.SaveAs(path.c_str()));
    EXPECT_FALSE(t.IsModified());
    EXPECT_EQ(t.GetFilePath(), path);
    EXPECT_TRUE(IsTemplateFile(path.c_str()));
    EXPECT_EQ(FilesIn(folder), std::set<std::string>{"t.atp"});
    EXPECT_FALSE(t.SaveAs(""));
    EXPECT_EQ(t.GetFilePath(), path);
}

}  // namespace

namespace {

TEST(TemplateSave, TargetHeldOpenByAnotherProgramStaysIntact)
{
    // Everything is written before the replacing step finds the target locked: the late
    // failure must clean up like an early one.
    std::string folder = MakeScratchFolder("save_held_open");
    std::string target = folder + "in use.atp";
    ASSERT_TRUE(WriteFileBytes(target, "previous good file"));
    AdSenseTemplate t;
    MakeDistinct(t, folder + "current.atp");
    const std::set<std::string> filesBefore = FilesIn(folder);
    TemplateState before = Snapshot(t);

    HANDLE hOther = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hOther, INVALID_HANDLE_VALUE);
    bool bSaved = t.SaveAs(target.c_str());
    CloseHandle(hOther);

    EXPECT_FALSE(bSaved);
    EXPECT_EQ(Snapshot(t), before);
    EXPECT_EQ(ReadFileBytes(target), "previous good file");
    EXPECT_EQ(FilesIn(folder), filesBefore);
}

}  // namespace
