#pragma once
#include <windows.h>

#include "imagelib/PictraExports.h"

#include <vector>

// The run's one link to Pictra.dll, loaded by full path from the program folder and called
// through the five exports it looks up by name. It also names the private picture copies of
// the program's Temp folder, and deletes the copies it named when it is destroyed.
class PictraUtil {
public:
    PictraUtil();
    virtual ~PictraUtil();
    PictraUtil(const PictraUtil &) = delete;
    PictraUtil &operator=(const PictraUtil &) = delete;

    // True only when the library was loaded with all five exports: a library without one of
    // them is not ours, and the program then runs without pictures, as with no library.
    bool IsLoaded() const;
    bool GetImageSize(const char *fileName, int *size);
    bool DrawImageOnDC(const char *fileName, HDC dc, int x, int y);
    bool CaptureDCtoJPEG(HDC dc, int left, int top, int right, int bottom,
                         const char *fileName, int quality);
    // Next unused name in the Temp folder, claimed by creating it empty; the text lives until
    // the next call. Empty when the name would not fit MAX_PATH, or when ext holds a path
    // separator or another character no file name may hold.
    const char *MakeTempFileName(const char *ext);
    // True when szFile is a name this binding claimed with MakeTempFileName during the run:
    // a picture copy the program made itself. Names are compared whole, ignoring case.
    bool IsOwnTempFile(const char *szFile) const;
    // Deletes a copy this run made before the end of the run (one unpacked from a template
    // that was then refused) and gives its name up, so that another running program may take
    // the name without this one deleting its file at the end. Nothing for any other path.
    void DeleteTempFile(const char *szFile);

    // The instance of the run, or null when there is none. Every caller must cope with null.
    static PictraUtil *Get();

private:
    void Unload();
    void DeleteOwnTempFiles();

    HMODULE m_hModule = nullptr;
    bool m_bLoaded = false;
    int m_nTempCounter = 0;
    decltype(&Pictra_IsValidImage) m_pIsValidImage = nullptr;
    decltype(&Pictra_GetImageSize) m_pGetImageSize = nullptr;
    decltype(&Pictra_DrawImageOnDC) m_pDrawImageOnDC = nullptr;
    decltype(&Pictra_AlphaImageOnDC) m_pAlphaImageOnDC = nullptr;
    decltype(&Pictra_CaptureDCtoJPEG) m_pCaptureDCtoJPEG = nullptr;
    // Every name MakeTempFileName claimed and still holds, in order: the only files the end
    // of the run deletes. Held in place rather than as strings, so that claiming a name
    // costs no allocation of its own.
    struct TempName {
        char sz[MAX_PATH];
    };
    std::vector<TempName> m_ownTempFiles;
};
