// A stand-in for Pictra.dll for the drawing tests: it "decodes" uncompressed BMP files with
// GDI on every call, as the real library decodes on every call, counts the calls, and
// writes captured areas as plain 24-bit BMP files (whatever the name's extension) so that
// the tests can compare every pixel without JPEG's losses.
#include <windows.h>

#include <cstdio>
#include <vector>

#define FAKE_EXPORT extern "C" __declspec(dllexport)

static long s_nSizeCalls = 0;
static long s_nDrawCalls = 0;
static int s_nLastQuality = -1;

static HBITMAP LoadPicture(const char *fileName)
{
    if (!fileName)
        return nullptr;
    return static_cast<HBITMAP>(
        LoadImageA(nullptr, fileName, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

FAKE_EXPORT unsigned char Pictra_IsValidImage(const char *fileName)
{
    HBITMAP h = LoadPicture(fileName);
    if (!h)
        return 0;
    DeleteObject(h);
    return 1;
}

FAKE_EXPORT unsigned char Pictra_GetImageSize(const char *fileName, int *size)
{
    ++s_nSizeCalls;
    HBITMAP h = LoadPicture(fileName);
    if (!h || !size) {
        if (h)
            DeleteObject(h);
        return 0;
    }
    BITMAP bm = {};
    GetObjectA(h, sizeof bm, &bm);
    DeleteObject(h);
    size[0] = bm.bmWidth;
    size[1] = bm.bmHeight;
    return 1;
}

FAKE_EXPORT unsigned char Pictra_DrawImageOnDC(const char *fileName, HDC dc, int x, int y)
{
    ++s_nDrawCalls;
    HBITMAP h = LoadPicture(fileName);
    if (!h)
        return 0;
    BITMAP bm = {};
    GetObjectA(h, sizeof bm, &bm);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, h);
    BOOL ok = BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(h);
    return ok ? 1 : 0;
}

FAKE_EXPORT unsigned char Pictra_AlphaImageOnDC(const char *, HDC, int, int, int, int, int)
{
    return 0;
}

FAKE_EXPORT unsigned char Pictra_CaptureDCtoJPEG(HDC dc, int left, int top, int right,
                                                 int bottom, const char *fileName, int quality)
{
    s_nLastQuality = quality;
    const int w = right - left, h = bottom - top;
    if (!dc || !fileName || w <= 0 || h <= 0)
        return 0;
    const int stride = (w * 3 + 3) & ~3;
    std::vector<unsigned char> bits((size_t)stride * h);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;

    // Copy the area into a DIB of our own, then read its rows.
    HDC mem = CreateCompatibleDC(dc);
    void *pBits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!mem || !dib) {
        if (mem)
            DeleteDC(mem);
        if (dib)
            DeleteObject(dib);
        return 0;
    }
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, dc, left, top, SRCCOPY);
    GdiFlush();
    memcpy(bits.data(), pBits, bits.size());
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);

    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + (DWORD)bits.size();
    FILE *f = fopen(fileName, "wb");
    if (!f)
        return 0;
    fwrite(&fh, sizeof fh, 1, f);
    fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
    fwrite(bits.data(), 1, bits.size(), f);
    fclose(f);
    return 1;
}

FAKE_EXPORT long FakePictra_DrawCalls() { return s_nDrawCalls; }
FAKE_EXPORT long FakePictra_SizeCalls() { return s_nSizeCalls; }
FAKE_EXPORT int FakePictra_LastQuality() { return s_nLastQuality; }
