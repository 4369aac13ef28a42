#include "RecentFiles.h"

#include <windows.h>
#include <stdio.h>
#include <string.h>

namespace {

const char kSection[] = "Recent";

bool SamePath(const std::string &a, const char *b)
{
    return _stricmp(a.c_str(), b) == 0;
}

}  // namespace

void RecentFiles::Add(const char *szPath)
{
    if (!szPath || !szPath[0] || strlen(szPath) >= MAX_PATH)
        return;
    Remove(szPath);
    m_files.insert(m_files.begin(), szPath);
    if (m_files.size() > MaxFiles)
        m_files.resize(MaxFiles);
}

void RecentFiles::Remove(const char *szPath)
{
    if (!szPath)
        return;
    for (size_t i = m_files.size(); i-- > 0;) {
        if (SamePath(m_files[i], szPath))
            m_files.erase(m_files.begin() + static_cast<long>(i));
    }
}

const char *RecentFiles::Get(size_t nIndex) const
{
    return nIndex < m_files.size() ? m_files[nIndex].c_str() : nullptr;
}

void RecentFiles::Load(const char *szIniPath)
{
    m_files.clear();
    // Read oldest first, so that Add leaves the list in the file's order.
    for (size_t i = MaxFiles; i >= 1; i--) {
        char szKey[16], szPath[MAX_PATH];
        snprintf(szKey, sizeof(szKey), "File%u", static_cast<unsigned>(i));
        GetPrivateProfileStringA(kSection, szKey, "", szPath, sizeof(szPath), szIniPath);
        Add(szPath);
    }
}

bool RecentFiles::Save(const char *szIniPath) const
{
    bool bOk = true;
    for (size_t i = 0; i < MaxFiles; i++) {
        char szKey[16];
        snprintf(szKey, sizeof(szKey), "File%u", static_cast<unsigned>(i + 1));
        // A shorter list removes the keys it no longer fills.
        const char *szValue = i < m_files.size() ? m_files[i].c_str() : nullptr;
        bOk = WritePrivateProfileStringA(kSection, szKey, szValue, szIniPath) && bOk;
    }
    return bOk;
}

std::string RecentFiles::ShortenPath(const char *szPath, size_t nMaxChars)
{
    std::string path = szPath ? szPath : "";
    if (path.size() <= nMaxChars)
        return path;
    // Keep "C:\First\" when there is one, and the file name whole when at all possible.
    size_t nHead = path.find('\\', path.find('\\') == std::string::npos ? 0 : path.find('\\') + 1);
    nHead = nHead == std::string::npos ? 0 : nHead + 1;
    const std::string dots = "...";
    if (nHead + dots.size() >= nMaxChars)
        nHead = 0;
    size_t nTail = nMaxChars > nHead + dots.size() ? nMaxChars - nHead - dots.size() : 0;
    if (nTail > path.size() - nHead)
        nTail = path.size() - nHead;
    return path.substr(0, nHead) + dots + path.substr(path.size() - nTail);
}

std::string RecentFiles::MenuCaption(size_t nIndex, const char *szPath, size_t nMaxChars)
{
    std::string caption = "&" + std::to_string(nIndex + 1) + " ";
    for (char c : ShortenPath(szPath, nMaxChars)) {
        if (c == '&')
            caption += '&';
        caption += c;
    }
    return caption;
}
