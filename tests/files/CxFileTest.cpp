#include "misc/CxFile.h"

#include "TemplateFileSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace testsupport;

namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}


TEST(CxFile, WritesLittleEndianIntegersAndLengthPrefixedTexts)
{
    std::string path = MakeScratchFolder("cxfile_layout") + "f.bin";
    {
        CxFile f;
        ASSERT_TRUE(f.Open(path.c_str(), "wb"));
        EXPECT_TRUE(f.WriteInt(-2));
        EXPECT_TRUE(f.WriteDword(0x80402010u));
        EXPECT_TRUE(f.WriteString("Ab"));
        EXPECT_TRUE(f.WriteString(""));
        EXPECT_TRUE(f.WriteString(nullptr));
        EXPECT_TRUE(f.WriteBuf("xyz", 3));
        EXPECT_FALSE(f.IsFailed());
    }
    EXPECT_EQ(ReadFileBytes(path),
              Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x10, 0x20, 0x40, 0x80, 2, 0, 0, 0, 'A', 'b',
                     0, 0, 0, 0, 0, 0, 0, 0, 'x', 'y', 'z'}));

    CxFile f;
    ASSERT_TRUE(f.Open(path.c_str(), "rb"));
    EXPECT_EQ(f.GetRemaining(), 25);
    int n = 0;
    DWORD dw = 0;
    char text[8] = "keep";
    int len = -1;
    EXPECT_TRUE(f.ReadInt(&n));
    EXPECT_EQ(n, -2);
    EXPECT_TRUE(f.ReadDword(&dw));
    EXPECT_EQ(dw, 0x80402010u);
    EXPECT_TRUE(f.ReadString(text, sizeof(text), &len));
    EXPECT_STREQ(text, "Ab");
    EXPECT_EQ(len, 2);
    strcpy(text, "keep");
    EXPECT_TRUE(f.ReadString(text, sizeof(text), &len));
    EXPECT_STREQ(text, "keep") << "an empty text leaves the field as it was";
    EXPECT_EQ(len, 0);
    EXPECT_TRUE(f.ReadString(text, sizeof(text)));
    EXPECT_TRUE(f.Skip(2));
    EXPECT_EQ(f.GetRemaining(), 1);
    EXPECT_TRUE(f.ReadBuf(text, 1));
    EXPECT_EQ(text[0], 'z');
    EXPECT_FALSE(f.IsFailed());
}

TEST(CxFile, RefusesToOpenWithoutPathOrMode)
{
    CxFile f;
    EXPECT_FALSE(f.Open("", "rb"));
    EXPECT_FALSE(f.Open(nullptr, "rb"));
    EXPECT_FALSE(f.Open("x.bin", ""));
    EXPECT_FALSE(f.Open((MakeScratchFolder("cxfile_open") + "missing.bin").c_str(), "rb"));
    EXPECT_FALSE(f.IsOpen());
}

// A text field of capacity 4 holds at most 3 characters and its terminator.
struct TextCase {
    const char *name;
    std::string bytes;
    bool ok;
    const char *field;  // the field after the read
    bool followed = true; // an integer follows, to show that a failure is sticky
};

void PrintTo(const TextCase &c, std::ostream *os)
{
    *os << c.name;
}

class CxFileTextCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(CxFileTextCases, ReadsOnlyTextsThatFitTheirField)
{
    const TextCase &c = GetParam();
    std::string path = MakeScratchFolder("cxfile_text") + "t.bin";
    ASSERT_TRUE(WriteFileBytes(path, c.bytes + (c.followed ? Bytes({7, 0, 0, 0}) : "")));
    CxFile f;
    ASSERT_TRUE(f.Open(path.c_str(), "rb"));
    char field[6] = "old";
    field[4] = '!';  // guard byte just past the capacity of 4
    EXPECT_EQ(f.ReadString(field, 4), c.ok);
    EXPECT_STREQ(field, c.field);
    EXPECT_EQ(field[4], '!');
    // A failure is sticky: the integer after the text is not read as if in step.
    int next = 0;
    EXPECT_EQ(f.ReadInt(&next), c.ok);
    EXPECT_EQ(f.IsFailed(), !c.ok);
}

INSTANTIATE_TEST_SUITE_P(
    CxFile, CxFileTextCases,
    ::testing::Values(
        TextCase{"fits", Bytes({3, 0, 0, 0, 'a', 'b', 'c'}), true, "abc"},
        TextCase{"empty", Bytes({0, 0, 0, 0}), true, "old"},
        TextCase{"one_too_long", Bytes({4, 0, 0, 0, 'a', 'b', 'c', 'd'}), false, "old"},
        TextCase{"huge", Bytes({0xFF, 0xFF, 0xFF, 0x7F, 'a'}), false, "old"},
        TextCase{"negative", Bytes({0xFF, 0xFF, 0xFF, 0xFF}), false, "old"},
        TextCase{"bytes_missing", Bytes({3, 0, 0, 0, 'a'}), false, "old", false},
        TextCase{"length_cut", Bytes({3, 0}), false, "old", false}),
    [](const ::testing::TestParamInfo<TextCase> &info) { return std::string(info.param.name); });

TEST(CxFile, ReadingPastTheEndFails)
{
    std::string path = MakeScratchFolder("cxfile_end") + "short.bin";
    ASSERT_TRUE(WriteFileBytes(path, "abcdef"));
    CxFile f;
    ASSERT_TRUE(f.Open(path.c_str(), "rb"));
    int n;
    EXPECT_TRUE(f.ReadInt(&n));
    EXPECT_FALSE(f.Skip(3)) << "only 2 bytes remain";
    EXPECT_TRUE(f.IsFailed());

    ASSERT_TRUE(f.Open(path.c_str(), "rb"));
    EXPECT_FALSE(f.IsFailed()) << "a new open starts clean";
    char buf[8];
    EXPECT_FALSE(f.ReadBuf(buf, 7));
    EXPECT_FALSE(f.ReadInt(&n));
}

TEST(CxFile, ReplacingWriteKeepsTheOldFileUntilCommitted)
{
    std::string folder = MakeScratchFolder("cxfile_replace");
    std::string path = folder + "doc.atp";
    ASSERT_TRUE(WriteFileBytes(path, "old contents"));

    {
        CxFile f;
        ASSERT_TRUE(f.OpenReplacing(path.c_str()));
        EXPECT_TRUE(f.WriteString("new"));
        EXPECT_EQ(ReadFileBytes(path), "old contents") << "untouched while writing";
        // Destroyed without Commit: the half-written file goes, the old one stays.
    }
    EXPECT_EQ(ReadFileBytes(path), "old contents");
    EXPECT_EQ(FilesIn(folder), std::set<std::string>{"doc.atp"});

    CxFile f;
    ASSERT_TRUE(f.OpenReplacing(path.c_str()));
    EXPECT_TRUE(f.WriteString("new"));
    EXPECT_TRUE(f.Commit());
    EXPECT_FALSE(f.IsOpen());
    EXPECT_EQ(ReadFileBytes(path), Bytes({3, 0, 0, 0, 'n', 'e', 'w'}));
    EXPECT_EQ(FilesIn(folder), std::set<std::string>{"doc.atp"});

    // A brand-new target works the same way.
    ASSERT_TRUE(f.OpenReplacing((folder + "fresh.atp").c_str()));
    EXPECT_TRUE(f.WriteInt(1));
    EXPECT_TRUE(f.Commit());
    EXPECT_EQ(ReadFileBytes(folder + "fresh.atp"), Bytes({1, 0, 0, 0}));
}

TEST(CxFile, ReplacingWriteRefusesTargetsItCannotReplace)
{
    std::string folder = MakeScratchFolder("cxfile_refuse");
    std::string readOnly = folder + "locked.atp";
    ASSERT_TRUE(WriteFileBytes(readOnly, "locked"));
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CreateDirectoryA((folder + "a_folder.atp").c_str(), nullptr));

    const std::string targets[] = {readOnly, folder + "a_folder.atp",
                                   folder + "no_such_folder\\x.atp", ""};
    for (const std::string &target : targets) {
        CxFile f;
        EXPECT_FALSE(f.OpenReplacing(target.c_str())) << target;
        EXPECT_FALSE(f.IsOpen());
    }
    EXPECT_EQ(ReadFileBytes(readOnly), "locked");
    EXPECT_EQ(FilesIn(folder), std::set<std::string>{"locked.atp"});
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(CxFile, DeletesTheFilesItWasToldAboutWhenAReadIsAbandoned)
{
    std::string folder = MakeScratchFolder("cxfile_created");
    ASSERT_TRUE(WriteFileBytes(folder + "a.tmp", "a"));
    ASSERT_TRUE(WriteFileBytes(folder + "b.tmp", "b"));
    CxFile f;
    f.NoteCreatedFile((folder + "a.tmp").c_str());
    f.ForgetCreatedFiles();
    f.NoteCreatedFile((folder + "b.tmp").c_str());
    f.DeleteCreatedFiles();
    f.DeleteCreatedFiles();
    EXPECT_EQ(FilesIn(folder), std::set<std::string>{"a.tmp"});
}

}  // namespace
