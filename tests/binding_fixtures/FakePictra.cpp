// A stand-in for Pictra.dll that answers 1 only when it receives exactly the arguments the
// binding probe sends, so a wrapper that drops, swaps or alters one shows up as a 0.
// Built once with all five exports and once without each one of them in turn
// (FAKE_PICTRA_WITHOUT_<name>).
#include <windows.h>
#include <cstring>

#define FAKE_EXPORT extern "C" __declspec(dllexport)

static bool EndsWith(const char *text, const char *tail)
{
    if (!text)
        return false;
    size_t n = strlen(text), m = strlen(tail);
    return n >= m && strcmp(text + n - m, tail) == 0;
}

static bool IsMemoryDC(HDC dc)
{
    return dc && GetObjectType(dc) == OBJ_MEMDC;
}

#ifndef FAKE_PICTRA_WITHOUT_IsValidImage
FAKE_EXPORT unsigned char Pictra_IsValidImage(const char *fileName)
{
    return EndsWith(fileName, "probe.bmp");
}
#endif

#ifndef FAKE_PICTRA_WITHOUT_GetImageSize
FAKE_EXPORT unsigned char Pictra_GetImageSize(const char *fileName, int *size)
{
    if (!EndsWith(fileName, "probe.bmp") || !size)
        return 0;
    size[0] = 12;
    size[1] = 34;
    return 1;
}
#endif

#ifndef FAKE_PICTRA_WITHOUT_DrawImageOnDC
FAKE_EXPORT unsigned char Pictra_DrawImageOnDC(const char *fileName, HDC dc, int x, int y)
{
    return EndsWith(fileName, "probe.bmp") && IsMemoryDC(dc) && x == 3 && y == -4;
}
#endif

#ifndef FAKE_PICTRA_WITHOUT_AlphaImageOnDC
FAKE_EXPORT unsigned char Pictra_AlphaImageOnDC(const char *fileName, HDC dc, int left, int top,
                                                int right, int bottom, int opacity)
{
    return 0;
}
#endif

#ifndef FAKE_PICTRA_WITHOUT_CaptureDCtoJPEG
FAKE_EXPORT unsigned char Pictra_CaptureDCtoJPEG(HDC dc, int left, int top, int right,
                                                 int bottom, const char *fileName, int quality)
{
    return IsMemoryDC(dc) && left == 1 && top == 2 && right == 30 && bottom == 40 &&
           EndsWith(fileName, "out.jpg") && quality == 75;
}
#endif
