#pragma once
#include <string>
#include <vector>

// The templates opened or saved last, most recent first, as the File menu lists them.
class RecentFiles {
public:
    static const size_t MaxFiles = 8;

    // Puts a path at the top; the same path (in any case) further down goes.
    void Add(const char *szPath);
    void Remove(const char *szPath);
    size_t GetCount() const { return m_files.size(); }
    // Null past the end.
    const char *Get(size_t nIndex) const;

    // Section "Recent", keys "File1" to "File8", of the settings file at its full path.
    void Load(const char *szIniPath);
    bool Save(const char *szIniPath) const;

    // "&1 C:\Templates\...\Banner.atp": the number as accelerator and a path of at most
    // nMaxChars characters, shortened in the middle; ampersands in the path doubled so
    // they show.
    static std::string MenuCaption(size_t nIndex, const char *szPath, size_t nMaxChars = 60);
    // The path itself when short enough; otherwise its start (drive and first folder) and as
    // much of its end (file name first) as fits around "...".
    static std::string ShortenPath(const char *szPath, size_t nMaxChars);

private:
    std::vector<std::string> m_files;
};
