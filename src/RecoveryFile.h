#pragma once
#include <string>

class AdSenseTemplate;

// The copy of a modified template that lets the next start bring back work lost in a
// crash. Each running program writes its own pair of files in the given folder:
// "ornamo-recovery-<process id>.atp" (the template in its file format) and ".ini" beside it
// (the path the template belongs to, and when its process started, so that a process id
// that Windows has handed to another program counts as gone).
class RecoveryFile {
public:
    // szFolder ends with a backslash (the program folder).
    explicit RecoveryFile(const char *szFolder);

    // Writes or replaces this process's copy; false when it could not be written (the old
    // copy then stays).
    bool Write(AdSenseTemplate &tmpl);
    // Removes this process's copy, if any.
    void Remove();

    struct Orphan {
        std::string copyPath;      // the template copy
        std::string infoPath;      // its companion
        std::string originalPath;  // where the template belongs
    };
    // A copy left by a run that is no longer running; never this process's, nor another
    // running program's. False when there is none.
    bool FindOrphan(Orphan *pOrphan) const;
    // Opens an orphan into the template: modified, with its original path. False for a
    // damaged copy (the template stays as it was).
    static bool Restore(const Orphan &orphan, AdSenseTemplate &tmpl);
    static void Discard(const Orphan &orphan);

    // For tests: the files of another (pretend) process.
    static std::string CopyPathFor(const char *szFolder, unsigned long nProcessId);

private:
    std::string m_folder;
    std::string m_copyPath;
    std::string m_infoPath;
};
