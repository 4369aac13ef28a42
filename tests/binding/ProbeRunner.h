#pragma once
#include <map>
#include <string>
#include <vector>

// Runs the binding probe in a program folder of its own: a fresh scratch folder holding a copy
// of the probe, an optional stand-in named Pictra.dll and an empty Temp folder. The binding of
// a test program itself would use (and empty) the Temp folder shared with other test programs.
struct ProbeRun {
    std::string folder;                                 // the probe's program folder, with '\'
    std::map<std::string, std::string> values;          // last value of each key
    std::vector<std::string> names;                     // every "name" line, in order
    bool ok = false;                                    // the probe ran and wrote its report
};

struct ProbeSetup {
    const char *caseName;
    const char *libraryFile = nullptr;  // copied in as Pictra.dll; a fixture name or a full path
    const char *libraryBytes = nullptr; // or these bytes written as Pictra.dll
    bool libraryInWorkingFolderOnly = false;
};

// A new scratch folder prepared for the probe, before it runs (tests may add files to it).
std::string PrepareProbeFolder(const ProbeSetup &setup);
// Runs the probe prepared in folder with the picture file and extensions as arguments.
ProbeRun RunProbe(const std::string &folder, const std::string &picture,
                  const std::vector<std::string> &extensions);

// Fixture binaries built beside the test programs.
std::string FixturePath(const char *fileName);
