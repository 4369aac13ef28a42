#include "dialog/Prompts.h"

#include <stdio.h>
#include <string.h>

namespace prompts {

namespace {

Functions s_functions = Platform();

// Without a length a format with a long path could make a box taller than the screen;
// 4 path lengths is plenty for any of the program's messages.
const size_t kMessageCapacity = 4 * MAX_PATH + 256;

}  // namespace

Functions Platform()
{
    return Functions{MessageBoxA, GetOpenFileNameA, GetSaveFileNameA, ChooseColorA, ChooseFontA};
}

Functions Install(const Functions &functions)
{
    Functions previous = s_functions;
    Functions platform = Platform();
    s_functions.MessageBox = functions.MessageBox ? functions.MessageBox : platform.MessageBox;
    s_functions.GetOpenFileName =
        functions.GetOpenFileName ? functions.GetOpenFileName : platform.GetOpenFileName;
    s_functions.GetSaveFileName =
        functions.GetSaveFileName ? functions.GetSaveFileName : platform.GetSaveFileName;
    s_functions.ChooseColor = functions.ChooseColor ? functions.ChooseColor : platform.ChooseColor;
    s_functions.ChooseFont = functions.ChooseFont ? functions.ChooseFont : platform.ChooseFont;
    return previous;
}

int Message(HWND hOwner, const char *szText, const char *szCaption, UINT uType)
{
    return s_functions.MessageBox(hOwner, szText, szCaption, uType);
}

int MessageF(HWND hOwner, const char *szCaption, UINT uType, const char *szFormat,
             const char *szArg)
{
    char szText[kMessageCapacity];
    snprintf(szText, sizeof(szText), szFormat, szArg ? szArg : "");
    return Message(hOwner, szText, szCaption, uType);
}

bool OpenFile(OPENFILENAMEA *pofn) { return s_functions.GetOpenFileName(pofn) != FALSE; }
bool SaveFile(OPENFILENAMEA *pofn) { return s_functions.GetSaveFileName(pofn) != FALSE; }
bool PickColor(CHOOSECOLORA *pcc) { return s_functions.ChooseColor(pcc) != FALSE; }
bool PickFont(CHOOSEFONTA *pcf) { return s_functions.ChooseFont(pcf) != FALSE; }

FileDialog::FileDialog(HWND hOwner, const char *szFilter, const char *szInitialDir,
                       const char *szTitle)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    m_szFile[0] = 0;
    // "a|b|c|d" becomes "a\0b\0c\0d\0\0": the platform's list of pairs.
    size_t n = szFilter ? strnlen(szFilter, sizeof(m_szFilter) - 2) : 0;
    memcpy(m_szFilter, szFilter ? szFilter : "", n);
    m_szFilter[n] = 0;
    m_szFilter[n + 1] = 0;
    for (size_t i = 0; i < n; i++) {
        if (m_szFilter[i] == '|')
            m_szFilter[i] = 0;
    }
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = hOwner;
    m_ofn.lpstrFilter = m_szFilter;
    m_ofn.nFilterIndex = 1;
    m_ofn.lpstrFile = m_szFile;
    m_ofn.nMaxFile = sizeof(m_szFile);
    m_ofn.lpstrInitialDir = szInitialDir;
    m_ofn.lpstrTitle = szTitle;
    m_ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
}

bool FileDialog::RunOpen()
{
    m_ofn.Flags |= OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    m_szFile[0] = 0;
    bool bOk = OpenFile(&m_ofn);
    m_szFile[sizeof(m_szFile) - 1] = 0;
    return bOk && m_szFile[0];
}

bool FileDialog::RunSave()
{
    m_ofn.Flags |= OFN_OVERWRITEPROMPT;
    m_szFile[0] = 0;
    bool bOk = SaveFile(&m_ofn);
    m_szFile[sizeof(m_szFile) - 1] = 0;
    return bOk && m_szFile[0];
}

}  // namespace prompts
