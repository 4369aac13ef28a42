#include "PictraUtil.h"
#include "misc/WinUtil.h"

#include <cstdio>
#include <cstring>

namespace {

PictraUtil *s_pInstance = nullptr;

// Shared by the whole run, as every caller copies the name at once.
char s_szTempName[MAX_PATH];

// Gives up on a Temp folder that is full of other programs' names after this many tries.
const int kMaxNameTries = 100000;

// Formats into szOut, answering false (and leaving szOut empty) when the text would not fit:
// a cut path would name some other file.
bool FormatPath(char *szOut, size_t nSize, const char *szFormat, const char *szFolder,
                const char *szTail)
{
    int n = snprintf(szOut, nSize, szFormat, szFolder, szTail);
    if (n < 0 || static_cast<size_t>(n) >= nSize) {
        szOut[0] = '\0';
        return false;
    }
    return true;
}

// An extension names no folder, stream or device: one that did would put the copy outside
// the Temp folder. Extensions of pictures the user chose cannot hold these characters, but
// one read from a damaged or crafted template file can (".png\..\..\ornamo.exe").
bool IsPlainExtension(const char *szExt)
{
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(szExt); *p; ++p)
        if (*p < 32 || strchr("\\/:*?\"<>|", *p))
            return false;
    return true;
}

template <class F>
void LookUp(HMODULE hModule, const char *szName, F *pfn)
{
    *pfn = reinterpret_cast<F>(reinterpret_cast<void *>(GetProcAddress(hModule, szName)));
}

}  // namespace

PictraUtil::PictraUtil()
{
    if (!s_pInstance)
        s_pInstance = this;

    char szPath[MAX_PATH];
    if (!FormatPath(szPath, sizeof(szPath), "%s%s", GetProgramFolder(), "Pictra.dll"))
        return;
    // A full path only: a Pictra.dll elsewhere on the search path is never ours.
    m_hModule = LoadLibraryA(szPath);
    if (!m_hModule)
        return;

    LookUp(m_hModule, "Pictra_IsValidImage", &m_pIsValidImage);
    LookUp(m_hModule, "Pictra_GetImageSize", &m_pGetImageSize);
    LookUp(m_hModule, "Pictra_DrawImageOnDC", &m_pDrawImageOnDC);
    LookUp(m_hModule, "Pictra_AlphaImageOnDC", &m_pAlphaImageOnDC);
    LookUp(m_hModule, "Pictra_CaptureDCtoJPEG", &m_pCaptureDCtoJPEG);
    // A library without all five is not the one we know: none of it is called, and the
    // program is told, so that the user hears why pictures stay blank.
    m_bLoaded = m_pIsValidImage && m_pGetImageSize && m_pDrawImageOnDC && m_pAlphaImageOnDC &&
                m_pCaptureDCtoJPEG;
    if (!m_bLoaded)
        Unload();
}

PictraUtil::~PictraUtil()
{
    if (s_pInstance == this)
        s_pInstance = nullptr;
    Unload();
    DeleteOwnTempFiles();
}

void PictraUtil::Unload()
{
    if (m_hModule)
        FreeLibrary(m_hModule);
    m_hModule = nullptr;
    m_pIsValidImage = nullptr;
    m_pGetImageSize = nullptr;
    m_pDrawImageOnDC = nullptr;
    m_pAlphaImageOnDC = nullptr;
    m_pCaptureDCtoJPEG = nullptr;
}

// Another copy of the program may be running beside this one with its pictures in the same
// Temp folder, so only the names this run claimed go; anything else there, and every
// subfolder, is left alone. (DeleteFileA refuses folders.)
void PictraUtil::DeleteOwnTempFiles()
{
    for (const TempName &name : m_ownTempFiles)
        DeleteFileA(name.sz);
    m_ownTempFiles.clear();
}

PictraUtil *PictraUtil::Get()
{
    return s_pInstance;
}

bool PictraUtil::IsLoaded() const
{
    return m_bLoaded;
}

bool PictraUtil::GetImageSize(const char *fileName, int *size)
{
    return m_pGetImageSize && (m_pGetImageSize(fileName, size) & 0xFF) != 0;
}

bool PictraUtil::DrawImageOnDC(const char *fileName, HDC dc, int x, int y)
{
    return m_pDrawImageOnDC && (m_pDrawImageOnDC(fileName, dc, x, y) & 0xFF) != 0;
}

bool PictraUtil::CaptureDCtoJPEG(HDC dc, int left, int top, int right, int bottom,
                                 const char *fileName, int quality)
{
    return m_pCaptureDCtoJPEG &&
           (m_pCaptureDCtoJPEG(dc, left, top, right, bottom, fileName, quality) & 0xFF) != 0;
}

const char *PictraUtil::MakeTempFileName(const char *ext)
{
    char szFolder[MAX_PATH];
    s_szTempName[0] = '\0';
    if (!FormatPath(szFolder, sizeof(szFolder), "%s%s", GetProgramFolder(), "Temp"))
        return s_szTempName;
    if (!ext)
        ext = "";
    if (!IsPlainExtension(ext))
        return s_szTempName;

    // Another running copy of the program shares this folder. A name is taken only when
    // nothing of that name exists, and it is claimed at once by creating the file, so two
    // programs never hand out the same name. Counters are never reused, even when skipped.
    for (int nTry = 0; nTry < kMaxNameTries && m_nTempCounter < 0x7FFFFFFF; ++nTry) {
        ++m_nTempCounter;
        char szName[MAX_PATH];
        int n = snprintf(szName, sizeof(szName), "%s\\temp%03d%s", szFolder, m_nTempCounter, ext);
        if (n < 0 || static_cast<size_t>(n) >= sizeof(szName))
            break;
        if (GetFileAttributesA(szName) != INVALID_FILE_ATTRIBUTES)
            continue;
        HANDLE hFile = CreateFileA(szName, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFile != INVALID_HANDLE_VALUE) {
            CloseHandle(hFile);
            TempName name;
            strcpy(name.sz, szName);
            m_ownTempFiles.push_back(name);
        } else {
            DWORD dwErr = GetLastError();
            if (dwErr == ERROR_FILE_EXISTS || dwErr == ERROR_ALREADY_EXISTS)
                continue;  // taken by someone else in between
            // No Temp folder or no right to write there: the name is still handed out, and
            // whoever writes it will find out. It is not ours, as nothing of ours is there.
        }
        strcpy(s_szTempName, szName);
        return s_szTempName;
    }
    return s_szTempName;
}

bool PictraUtil::IsOwnTempFile(const char *szFile) const
{
    if (!szFile || !szFile[0])
        return false;
    for (const TempName &name : m_ownTempFiles)
        if (_stricmp(name.sz, szFile) == 0)
            return true;
    return false;
}

void PictraUtil::DeleteTempFile(const char *szFile)
{
    if (!szFile)
        return;
    for (auto it = m_ownTempFiles.begin(); it != m_ownTempFiles.end(); ++it) {
        if (_stricmp(it->sz, szFile) == 0) {
            DeleteFileA(it->sz);
            m_ownTempFiles.erase(it);
            return;
        }
    }
}
