#pragma once
#include <windows.h>

// The run's one link to Pictra.dll, loaded by full path from the program folder and called
// through the five exports it looks up by name. It also names the private picture copies of
// the program's Temp folder, and empties that folder when it is destroyed.
class PictraUtil {
public:
    typedef unsigned char (*IsValidImageFn)(const char *fileName);
    typedef unsigned char (*GetImageSizeFn)(const char *fileName, int *size);
    typedef unsigned char (*DrawImageOnDCFn)(const char *fileName, HDC dc, int x, int y);
    typedef unsigned char (*AlphaImageOnDCFn)(const char *fileName, HDC dc, int left, int top,
                                              int right, int bottom, int opacity);
    typedef unsigned char (*CaptureDCtoJPEGFn)(HDC dc, int left, int top, int right, int bottom,
                                               const char *fileName, int quality);

    PictraUtil();
    virtual ~PictraUtil();
    PictraUtil(const PictraUtil &) = delete;
    PictraUtil &operator=(const PictraUtil &) = delete;

    bool IsLoaded() const;
    bool GetImageSize(const char *fileName, int *size);
    bool DrawImageOnDC(const char *fileName, HDC dc, int x, int y);
    bool CaptureDCtoJPEG(HDC dc, int left, int top, int right, int bottom,
                         const char *fileName, int quality);
    // Next unused name in the Temp folder, claimed by creating it empty; the text lives until
    // the next call. Empty when the name would not fit MAX_PATH, or when ext holds a path
    // separator or another character no file name may hold.
    const char *MakeTempFileName(const char *ext);

    // The instance of the run, or null when there is none. Every caller must cope with null.
    static PictraUtil *Get();

private:
    HMODULE m_hModule = nullptr;
    bool m_bLoaded = false;
    int m_nTempCounter = 0;
    IsValidImageFn m_pIsValidImage = nullptr;
    GetImageSizeFn m_pGetImageSize = nullptr;
    DrawImageOnDCFn m_pDrawImageOnDC = nullptr;
    AlphaImageOnDCFn m_pAlphaImageOnDC = nullptr;
    CaptureDCtoJPEGFn m_pCaptureDCtoJPEG = nullptr;
};
