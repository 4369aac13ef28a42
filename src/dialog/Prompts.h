#pragma once
#include <windows.h>
#include <commdlg.h>

// Every message box and common dialog of the program goes through these functions. They
// are the one seam tests replace, so that every command runs without a person at the screen.
namespace prompts {

struct Functions {
    int(WINAPI *MessageBox)(HWND, LPCSTR, LPCSTR, UINT);
    BOOL(WINAPI *GetOpenFileName)(LPOPENFILENAMEA);
    BOOL(WINAPI *GetSaveFileName)(LPOPENFILENAMEA);
    BOOL(WINAPI *ChooseColor)(LPCHOOSECOLORA);
    BOOL(WINAPI *ChooseFont)(LPCHOOSEFONTA);
};

// Replaces the functions; a null member keeps the platform's own. Answers the previous set.
Functions Install(const Functions &functions);
// The platform's own functions.
Functions Platform();

int Message(HWND hOwner, const char *szText, const char *szCaption, UINT uType);
// The text is made from a format with one %s, cut to a sensible length for a message box.
int MessageF(HWND hOwner, const char *szCaption, UINT uType, const char *szFormat,
             const char *szArg);
bool OpenFile(OPENFILENAMEA *pofn);
bool SaveFile(OPENFILENAMEA *pofn);
bool PickColor(CHOOSECOLORA *pcc);
bool PickFont(CHOOSEFONTA *pcf);

// Shorthands for the program's three kinds of notice.
inline void Error(HWND hOwner, const char *szText)
{
    Message(hOwner, szText, "Error", MB_OK | MB_ICONERROR);
}
inline void Information(HWND hOwner, const char *szText)
{
    Message(hOwner, szText, "Information", MB_OK | MB_ICONINFORMATION);
}

// The settings both file dialogs share: owner, a file name buffer of MAX_PATH characters
// starting empty, a filter of display/pattern pairs separated by '|' (turned into the
// platform's double-zero list), an initial folder and a title.
class FileDialog {
public:
    FileDialog(HWND hOwner, const char *szFilter, const char *szInitialDir, const char *szTitle);
    FileDialog(const FileDialog &) = delete;
    FileDialog &operator=(const FileDialog &) = delete;

    void SetDefaultExt(const char *szExt) { m_ofn.lpstrDefExt = szExt; }
    void AddFlags(DWORD dwFlags) { m_ofn.Flags |= dwFlags; }
    // Run the dialog; true when the user confirmed a file, whose full path is then GetPath.
    bool RunOpen();
    bool RunSave();
    const char *GetPath() const { return m_szFile; }

private:
    OPENFILENAMEA m_ofn;
    char m_szFile[MAX_PATH];
    char m_szFilter[256];
};

}  // namespace prompts
