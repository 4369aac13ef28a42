#include "ProbeRunner.h"

#include "TestSupport.h"

#include <windows.h>
#include <sstream>

using namespace testsupport;

std::string FixturePath(const char *fileName)
{
    return ExeFolder() + "binding_fixtures\\" + fileName;
}

static std::string WorkingFolder(const std::string &folder)
{
    return folder + "cwd\\";
}

std::string PrepareProbeFolder(const ProbeSetup &setup)
{
    std::string folder = MakeScratchFolder(setup.caseName);
    CopyFileA(FixturePath("binding_probe.exe").c_str(), (folder + "binding_probe.exe").c_str(),
              FALSE);
    CreateDirectoryA((folder + "Temp").c_str(), nullptr);
    CreateDirectoryA(WorkingFolder(folder).c_str(), nullptr);

    std::string libraryFolder = setup.libraryInWorkingFolderOnly ? WorkingFolder(folder) : folder;
    std::string library = libraryFolder + "Pictra.dll";
    if (setup.libraryFile) {
        std::string source = setup.libraryFile;
        if (source.find('\\') == std::string::npos)
            source = FixturePath(setup.libraryFile);
        CopyFileA(source.c_str(), library.c_str(), FALSE);
    } else if (setup.libraryBytes) {
        WriteFileBytes(library, setup.libraryBytes);
    }
    return folder;
}

ProbeRun RunProbe(const std::string &folder, const std::string &picture,
                  const std::vector<std::string> &extensions)
{
    ProbeRun run;
    run.folder = folder;
    std::string command = "\"" + folder + "binding_probe.exe\" \"" + picture + "\"";
    for (const std::string &ext : extensions)
        command += " \"" + ext + "\"";

    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        WorkingFolder(folder).c_str(), &si, &pi))
        return run;
    WaitForSingleObject(pi.hProcess, 30000);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (code != 0)
        return run;

    std::istringstream report(ReadFileBytes(folder + "probe.txt"));
    std::string entry;
    while (std::getline(report, entry)) {
        size_t eq = entry.find('=');
        if (eq == std::string::npos)
            continue;
        std::string key = entry.substr(0, eq), value = entry.substr(eq + 1);
        run.values[key] = value;
        if (key == "name")
            run.names.push_back(value);
    }
    run.ok = !run.values.empty();
    return run;
}
