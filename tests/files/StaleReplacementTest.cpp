// A save cut short leaves its new file beside the target; the next save into that folder
// clears such files once they are old enough to be nobody's save in progress.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "AdTemplate/AdSenseTemplate.h"
#include "TestSupport.h"

using namespace testsupport;

namespace {

void AgeFile(const std::string &path, int nHours)
{
    HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULARGE_INTEGER t;
    t.LowPart = ft.dwLowDateTime;
    t.HighPart = ft.dwHighDateTime;
    t.QuadPart -= (unsigned long long)nHours * 60 * 60 * 10000000;
    ft.dwLowDateTime = t.LowPart;
    ft.dwHighDateTime = t.HighPart;
    SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
}

}  // namespace

TEST(StaleReplacements, OnlyOldFilesOfOurOwnNamingGo)
{
    std::string folder = MakeScratchFolder("stale_replacements");
    const struct {
        const char *name;
        int ageHours;
        bool survives;
    } cases[] = {
        {"atp1A2B.tmp", 48, false},    // a save that died two days ago
        {"ATPFFFF.TMP", 25, false},
        {"atp0001.tmp", 2, true},      // maybe another program's save under way
        {"atpnote.tmp", 48, true},     // not a name our saves make
        {"atp12345.tmp", 48, true},
        {"other.tmp", 48, true},
        {"atp1234.atp", 48, true},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(WriteFileBytes(folder + c.name, "x"));
        AgeFile(folder + c.name, c.ageHours);
    }
    AdSenseTemplate t;
    t.New();
    ASSERT_TRUE(t.SaveAs((folder + "banner.atp").c_str()));
    for (const auto &c : cases)
        EXPECT_EQ(c.survives, FileExists(folder + c.name)) << c.name;
}
