// Entry point and exports of Pictra.dll. Every export works on a temporary image of its own.
#include "PictraExports.h"
#include "FCImageDraw.h"
#include "FCImageHandleFactory.h"
#include "FCImageHandleFactory_Gdiplus.h"
#include "FCObjImage.h"

#include <new>

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID pReserved)
{
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        // Thread notifications stay on: the statically linked runtime needs them to set up
        // and free its per-thread data.
        // Only memory is touched here: GDI+ starts later, inside the calls that need it.
        SetHandleFactory(new (std::nothrow) FCImageHandleFactory_Gdiplus);
        break;
    case DLL_PROCESS_DETACH:
        SetHandleFactory(nullptr);
        break;
    }
    return TRUE;
}

PICTRA_API unsigned char Pictra_IsValidImage(const char *fileName)
{
    FCObjImage img;
    return img.LoadFromFile(fileName) ? 1 : 0;
}

PICTRA_API unsigned char Pictra_GetImageSize(const char *fileName, int *size)
{
    FCObjImage img;
    if (!size || !img.LoadFromFile(fileName))
        return 0;
    size[0] = img.Width();
    size[1] = img.Height();
    return 1;
}

PICTRA_API unsigned char Pictra_DrawImageOnDC(const char *fileName, HDC dc, int x, int y)
{
    FCObjImage img;
    if (!img.LoadFromFile(fileName))
        return 0;
    DrawImageAt(img, dc, x, y);
    return 1;
}

PICTRA_API unsigned char Pictra_AlphaImageOnDC(const char *fileName, HDC dc, int left, int top, int right,
                                               int bottom, int opacity)
{
    FCObjImage img;
    if (!img.LoadFromFile(fileName))
        return 0;
    const RECT rc = {left, top, right, bottom};
    AlphaDrawImage(img, dc, rc, opacity);
    return 1;
}

PICTRA_API unsigned char Pictra_CaptureDCtoJPEG(HDC dc, int left, int top, int right, int bottom,
                                                const char *fileName, int quality)
{
    FCObjImage img;
    const RECT rc = {left, top, right, bottom};
    if (!CaptureRect(img, dc, rc))
        return 0;
    return img.SaveToFile(fileName, quality) ? 1 : 0;
}
