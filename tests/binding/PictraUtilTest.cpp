#include "ProbeRunner.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

using namespace testsupport;

namespace {

// What the probe reports for one kind of Pictra.dll in the program folder.
struct LibraryCase {
    ProbeSetup setup;
    const char *loaded;
    const char *module;   // the library still in the process after construction
    const char *size;     // result, width, height (-1 = untouched)
    const char *draw;
    const char *capture;
};

void PrintTo(const LibraryCase &c, std::ostream *os)
{
    *os << c.setup.caseName;
}

class BindingLibraryCases : public ::testing::TestWithParam<LibraryCase> {};

TEST_P(BindingLibraryCases, LoadsAllFiveExportsOrCallsNothing)
{
    const LibraryCase &c = GetParam();
    std::string folder = PrepareProbeFolder(c.setup);
    ProbeRun run = RunProbe(folder, folder + "probe.bmp", {});
    ASSERT_TRUE(run.ok) << c.setup.caseName;
    EXPECT_EQ(run.values["loaded"], c.loaded);
    EXPECT_EQ(run.values["module"], c.module);
    EXPECT_EQ(run.values["size"], c.size);
    EXPECT_EQ(run.values["draw"], c.draw);
    EXPECT_EQ(run.values["capture"], c.capture);
    EXPECT_EQ(run.values["module_after_end"], "0") << "the library is released at the end";
}

INSTANTIATE_TEST_SUITE_P(
    Binding, BindingLibraryCases,
    ::testing::Values(
        LibraryCase{{"absent"}, "0", "0", "0 -1 -1", "0", "0"},
        LibraryCase{{"not_a_library", nullptr, "this is not a DLL"}, "0", "0", "0 -1 -1", "0",
                    "0"},
        // Present but lacking one export: released again and reported as not loaded, so
        // the user hears why pictures stay blank.
        LibraryCase{{"without_IsValidImage", "fake_pictra_without_IsValidImage.dll"}, "0", "0",
                    "0 -1 -1", "0", "0"},
        LibraryCase{{"without_GetImageSize", "fake_pictra_without_GetImageSize.dll"}, "0", "0",
                    "0 -1 -1", "0", "0"},
        LibraryCase{{"without_DrawImageOnDC", "fake_pictra_without_DrawImageOnDC.dll"}, "0",
                    "0", "0 -1 -1", "0", "0"},
        LibraryCase{{"without_AlphaImageOnDC", "fake_pictra_without_AlphaImageOnDC.dll"}, "0",
                    "0", "0 -1 -1", "0", "0"},
        LibraryCase{{"without_CaptureDCtoJPEG", "fake_pictra_without_CaptureDCtoJPEG.dll"},
                    "0", "0", "0 -1 -1", "0", "0"},
        // The stand-in answers 1 only to the exact arguments the probe passes.
        LibraryCase{{"all_exports", "fake_pictra_full.dll"}, "1", "1", "1 12 34", "1", "1"},
        // On the search path (the working folder) but not in the program folder.
        LibraryCase{{"only_in_working_folder", "fake_pictra_full.dll", nullptr, true}, "0", "0",
                    "0 -1 -1", "0", "0"}),
    [](const ::testing::TestParamInfo<LibraryCase> &info) {
        return std::string(info.param.setup.caseName);
    });

TEST(Binding, IsTheRunsInstanceFromConstructionToDestruction)
{
    ProbeSetup setup{"instance"};
    ProbeRun run = RunProbe(PrepareProbeFolder(setup), "", {});
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(run.values["instance"], "1");
    EXPECT_EQ(run.values["second_keeps_instance"], "1");
    EXPECT_EQ(run.values["instance_after_second"], "1");
    EXPECT_EQ(run.values["instance_after_end"], "1");
}

TEST(Binding, TempNamesCountUpAndSkipNamesTakenByAnotherProgram)
{
    ProbeSetup setup{"temp_names"};
    std::string folder = PrepareProbeFolder(setup);
    std::string temp = folder + "Temp\\";
    // Another copy of the program, running at the same time, already holds temp002.gif,
    // and something made a folder called temp004.gif.
    ASSERT_TRUE(WriteFileBytes(temp + "temp002.gif", "theirs"));
    ASSERT_TRUE(CreateDirectoryA((temp + "temp004.gif").c_str(), nullptr));

    const std::string tooLong(300, 'x');
    // An extension read from a damaged template file must not lead out of the Temp folder.
    const std::string climbing = ".png\\..\\..\\escaped.png";
    ProbeRun run =
        RunProbe(folder, "", {".png", ".gif", ".gif", "." + tooLong, ".jpg", climbing, ".a:b"});
    ASSERT_TRUE(run.ok);
    ASSERT_EQ(run.names.size(), 7u);
    EXPECT_EQ(run.names[0], temp + "temp001.png");
    EXPECT_EQ(run.names[1], temp + "temp003.gif");
    EXPECT_EQ(run.names[2], temp + "temp005.gif");
    EXPECT_EQ(run.names[3], "") << "a name that does not fit is refused, not cut";
    ASSERT_GT(run.names[4].size(), temp.size() + 4);
    EXPECT_EQ(run.names[4].compare(0, temp.size() + 4, temp + "temp"), 0) << run.names[4];
    EXPECT_EQ(run.names[4].substr(run.names[4].size() - 4), ".jpg");
    EXPECT_GT(run.names[4], run.names[2]) << "counters are never reused";
    EXPECT_EQ(run.names[5], "");
    EXPECT_FALSE(FileExists(folder + "escaped.png"));
    EXPECT_EQ(run.names[6], "") << "no stream of another file";
}

TEST(Binding, DeletesOnlyItsOwnTempFilesAtTheEnd)
{
    ProbeSetup setup{"temp_cleanup"};
    std::string folder = PrepareProbeFolder(setup);
    std::string temp = folder + "Temp\\";
    // Another copy of the program, still running, keeps its picture copies here too.
    ASSERT_TRUE(WriteFileBytes(temp + "temp001.png", "theirs"));
    ASSERT_TRUE(WriteFileBytes(temp + "left_by_another_run.jpg", "theirs"));
    ASSERT_TRUE(CreateDirectoryA((temp + "mine").c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(temp + "mine\\keep.txt", "user's"));
    ASSERT_TRUE(WriteFileBytes(folder + "beside_temp.txt", "not in Temp"));

    ProbeRun run = RunProbe(folder, temp + "temp001.png", {".png", ".bmp"});
    ASSERT_TRUE(run.ok);
    ASSERT_EQ(run.names.size(), 2u);

    EXPECT_FALSE(FileExists(run.names[0]));
    EXPECT_FALSE(FileExists(run.names[1]));
    EXPECT_EQ(ReadFileBytes(temp + "temp001.png"), "theirs");
    EXPECT_EQ(ReadFileBytes(temp + "left_by_another_run.jpg"), "theirs");
    DWORD attr = GetFileAttributesA((temp + "mine").c_str());
    EXPECT_TRUE(attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_TRUE(FileExists(temp + "mine\\keep.txt"));
    EXPECT_TRUE(FileExists(folder + "beside_temp.txt"));
}

TEST(Binding, OwnsOnlyTheNamesItClaimed)
{
    ProbeSetup setup{"temp_owner"};
    std::string folder = PrepareProbeFolder(setup);
    std::string temp = folder + "Temp\\";
    ASSERT_TRUE(WriteFileBytes(temp + "temp001.png", "theirs"));
    const std::string climbing = ".png\\..\\..\\escaped.png";
    // The picture argument: a file of another program, named as our copies are named.
    ProbeRun run = RunProbe(folder, temp + "temp001.png", {".png", climbing, ".gif"});
    ASSERT_TRUE(run.ok);
    ASSERT_EQ(run.names.size(), 3u);
    EXPECT_EQ(run.names[0], temp + "temp002.png");
    EXPECT_EQ(run.values["own"], "101") << "a refused name is no one's";
    EXPECT_EQ(run.values["picture_own"], "0");
}

// A 12 x 34 24-bit picture, the smallest honest input for the real library.
std::string SmallBitmap()
{
    return testsupport::BitmapFile(12, 34, RGB(0x7f, 0x7f, 0x7f));
}

TEST(Binding, CallsTheRealLibrary)
{
    std::string real = ProgramFolder() + "Pictra.dll";
    if (!FileExists(real))
        GTEST_SKIP() << "no Pictra.dll in the program folder";
    ProbeSetup setup{"real_library", real.c_str()};
    std::string folder = PrepareProbeFolder(setup);
    ASSERT_TRUE(WriteFileBytes(folder + "probe.bmp", SmallBitmap()));
    ProbeRun run = RunProbe(folder, folder + "probe.bmp", {});
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(run.values["loaded"], "1");
    EXPECT_EQ(run.values["module"], "1");
    EXPECT_EQ(run.values["size"], "1 12 34");
    EXPECT_EQ(run.values["draw"], "1");
    EXPECT_EQ(run.values["capture"], "1");
    EXPECT_TRUE(FileExists(folder + "out.jpg"));
}

}  // namespace
