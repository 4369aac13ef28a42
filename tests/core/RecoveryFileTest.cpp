// Recovery copies: written and removed by their own process, found only when their process
// is gone, restored as a modified template with its original path, refused when damaged.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdio.h>
#include <string>

#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "RecoveryFile.h"
#include "TestSupport.h"

using namespace testsupport;

namespace {

// Pretends a copy was left by process nProcessId that started at nStart.
void PlantCopy(const std::string &folder, unsigned long nProcessId, unsigned long long nStart,
               const std::string &bytes, const char *szOriginal)
{
    std::string copy = RecoveryFile::CopyPathFor(folder.c_str(), nProcessId);
    ASSERT_TRUE(WriteFileBytes(copy, bytes));
    std::string info = copy.substr(0, copy.size() - 4) + ".ini";
    WritePrivateProfileStringA("Recovery", "Path", szOriginal, info.c_str());
    WritePrivateProfileStringA("Recovery", "Started", std::to_string(nStart).c_str(), info.c_str());
}

std::string TemplateBytes(const std::string &folder)
{
    AdSenseTemplate t;
    t.New();
    t.GetAdSense()->SetFormat(4);
    std::string path = folder + "source.atp";
    EXPECT_TRUE(t.SaveAs(path.c_str()));
    return ReadFileBytes(path);
}

}  // namespace

TEST(RecoveryFile, OwnCopyIsWrittenRemovedAndNeverTakenAsAnOrphan)
{
    std::string folder = MakeScratchFolder("recovery_own");
    AdSenseTemplate t;
    t.New();
    t.SetModified(true);
    RecoveryFile recovery(folder.c_str());
    ASSERT_TRUE(recovery.Write(t));
    // Writing a copy leaves the template's own path and flag alone.
    EXPECT_TRUE(t.IsModified());
    EXPECT_NE(std::string::npos, std::string(t.GetFilePath()).find("noname.atp"));
    EXPECT_TRUE(FileExists(RecoveryFile::CopyPathFor(folder.c_str(), GetCurrentProcessId())));
    EXPECT_FALSE(recovery.FindOrphan(nullptr));
    recovery.Remove();
    EXPECT_FALSE(FileExists(RecoveryFile::CopyPathFor(folder.c_str(), GetCurrentProcessId())));
}

TEST(RecoveryFile, OnlyCopiesOfEndedRunsAreOrphans)
{
    std::string folder = MakeScratchFolder("recovery_orphans");
    const std::string bytes = TemplateBytes(folder);
    RecoveryFile recovery(folder.c_str());

    // Another running program's copy: a second, suspended instance of this test program.
    char szExe[MAX_PATH];
    GetModuleFileNameA(nullptr, szExe, sizeof(szExe));
    STARTUPINFOA si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    char szCommand[MAX_PATH + 16];
    snprintf(szCommand, sizeof(szCommand), "\"%s\" --gtest_list_tests", szExe);
    ASSERT_TRUE(CreateProcessA(nullptr, szCommand, nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                               nullptr, nullptr, &si, &pi));
    FILETIME c, e, k, u;
    GetProcessTimes(pi.hProcess, &c, &e, &k, &u);
    PlantCopy(folder, pi.dwProcessId, ((unsigned long long)c.dwHighDateTime << 32) | c.dwLowDateTime,
              bytes, "C:\\other.atp");
    EXPECT_FALSE(recovery.FindOrphan(nullptr));
    // Once it has ended, its copy is an orphan.
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    RecoveryFile::Orphan ended;
    ASSERT_TRUE(recovery.FindOrphan(&ended));
    EXPECT_EQ("C:\\other.atp", ended.originalPath);
    RecoveryFile::Discard(ended);

    // The same id with another start time: Windows reused the id, the run is gone.
    RecoveryFile::Orphan orphan;
    PlantCopy(folder, 4000000001UL, 12345, bytes, "C:\\Templates\\Banner.atp");
    ASSERT_TRUE(recovery.FindOrphan(&orphan));
    EXPECT_EQ("C:\\Templates\\Banner.atp", orphan.originalPath);

    AdSenseTemplate t;
    t.New();
    ASSERT_TRUE(RecoveryFile::Restore(orphan, t));
    EXPECT_TRUE(t.IsModified());
    EXPECT_STREQ("C:\\Templates\\Banner.atp", t.GetFilePath());
    EXPECT_EQ(4, t.GetAdSense()->GetInfo()->nFormat);
    RecoveryFile::Discard(orphan);
    EXPECT_FALSE(FileExists(orphan.copyPath));
    EXPECT_FALSE(recovery.FindOrphan(nullptr));
}

TEST(RecoveryFile, DamagedCopyIsRefusedAndTheTemplateStays)
{
    std::string folder = MakeScratchFolder("recovery_damaged");
    PlantCopy(folder, 4000000002UL, 1, "not a template", "C:\\x.atp");
    RecoveryFile recovery(folder.c_str());
    RecoveryFile::Orphan orphan;
    ASSERT_TRUE(recovery.FindOrphan(&orphan));
    AdSenseTemplate t;
    t.New();
    EXPECT_FALSE(RecoveryFile::Restore(orphan, t));
    EXPECT_FALSE(t.IsModified());
    EXPECT_NE(std::string::npos, std::string(t.GetFilePath()).find("noname.atp"));
}
