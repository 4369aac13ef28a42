#include "RecoveryFile.h"

#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "AdTemplate/AdSenseTemplate.h"

namespace {

const char kPrefix[] = "ornamo-recovery-";
const char kSection[] = "Recovery";

std::string InfoPathOf(const std::string &copyPath)
{
    return copyPath.substr(0, copyPath.size() - 4) + ".ini";
}

// When a process started, as a number; 0 when it cannot be asked (it is gone).
unsigned long long ProcessStartTime(DWORD dwProcessId)
{
    HANDLE hProcess = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, dwProcessId);
    if (!hProcess)
        return 0;
    FILETIME ftCreated, ftExited, ftKernel, ftUser;
    unsigned long long nStart = 0;
    DWORD dwExitCode = 0;
    // A process that has ended but whose handle someone still holds is gone too.
    if (GetExitCodeProcess(hProcess, &dwExitCode) && dwExitCode == STILL_ACTIVE &&
        GetProcessTimes(hProcess, &ftCreated, &ftExited, &ftKernel, &ftUser))
        nStart = ((unsigned long long)ftCreated.dwHighDateTime << 32) | ftCreated.dwLowDateTime;
    CloseHandle(hProcess);
    return nStart;
}

bool IsRunning(DWORD dwProcessId, unsigned long long nRecordedStart)
{
    unsigned long long nStart = ProcessStartTime(dwProcessId);
    return nStart != 0 && nStart == nRecordedStart;
}

}  // namespace

std::string RecoveryFile::CopyPathFor(const char *szFolder, unsigned long nProcessId)
{
    char szName[64];
    snprintf(szName, sizeof(szName), "%s%lu.atp", kPrefix, nProcessId);
    return std::string(szFolder ? szFolder : "") + szName;
}

RecoveryFile::RecoveryFile(const char *szFolder)
    : m_folder(szFolder ? szFolder : ""),
      m_copyPath(CopyPathFor(szFolder, GetCurrentProcessId())),
      m_infoPath(InfoPathOf(m_copyPath))
{
}

bool RecoveryFile::Write(AdSenseTemplate &tmpl)
{
    if (m_copyPath.size() >= MAX_PATH || !tmpl.SaveCopy(m_copyPath.c_str()))
        return false;
    char szStart[32];
    snprintf(szStart, sizeof(szStart), "%llu", ProcessStartTime(GetCurrentProcessId()));
    return WritePrivateProfileStringA(kSection, "Path", tmpl.GetFilePath(), m_infoPath.c_str()) &&
           WritePrivateProfileStringA(kSection, "Started", szStart, m_infoPath.c_str());
}

void RecoveryFile::Remove()
{
    DeleteFileA(m_copyPath.c_str());
    DeleteFileA(m_infoPath.c_str());
}

bool RecoveryFile::FindOrphan(Orphan *pOrphan) const
{
    std::string pattern = m_folder + kPrefix + "*.atp";
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA(pattern.c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    bool bFound = false;
    do {
        const char *szNumber = fd.cFileName + strlen(kPrefix);
        char *pEnd = nullptr;
        unsigned long nProcessId = strtoul(szNumber, &pEnd, 10);
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || pEnd == szNumber ||
            _stricmp(pEnd, ".atp") != 0 || nProcessId == GetCurrentProcessId())
            continue;
        Orphan orphan;
        orphan.copyPath = m_folder + fd.cFileName;
        orphan.infoPath = InfoPathOf(orphan.copyPath);
        char szValue[MAX_PATH];
        GetPrivateProfileStringA(kSection, "Started", "0", szValue, sizeof(szValue),
                                 orphan.infoPath.c_str());
        if (IsRunning(nProcessId, strtoull(szValue, nullptr, 10)))
            continue;
        GetPrivateProfileStringA(kSection, "Path", "", szValue, sizeof(szValue),
                                 orphan.infoPath.c_str());
        orphan.originalPath = szValue;
        if (pOrphan)
            *pOrphan = orphan;
        bFound = true;
    } while (!bFound && FindNextFileA(hFind, &fd));
    FindClose(hFind);
    return bFound;
}

bool RecoveryFile::Restore(const Orphan &orphan, AdSenseTemplate &tmpl)
{
    if (!tmpl.Open(orphan.copyPath.c_str()))
        return false;
    if (!orphan.originalPath.empty())
        tmpl.SetFilePath(orphan.originalPath.c_str());
    tmpl.SetModified(true);
    return true;
}

void RecoveryFile::Discard(const Orphan &orphan)
{
    DeleteFileA(orphan.copyPath.c_str());
    DeleteFileA(orphan.infoPath.c_str());
}
