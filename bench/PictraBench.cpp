// What a repaint pays per picture: Pictra_DrawImageOnDC (read, decode, draw) next to a plain
// SetDIBitsToDevice of the same, already decoded pixels.
#include <windows.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <vector>

#include "ArgbPng.h"
#include "BenchSupport.h"
#include "FCImageDraw.h"
#include "FCImageHandleFactory_Gdiplus.h"
#include "FCObjImage.h"
#include "PictraExports.h"

namespace {

using bench::TimePerCall;

typedef decltype(&Pictra_DrawImageOnDC) DrawImageOnDCFn;
typedef decltype(&Pictra_GetImageSize) GetImageSizeFn;

std::string ExeFolder()
{
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

// A picture with detail everywhere, so the codecs have real work: gradients, stripes, noise.
uint32_t PatternPixel(int x, int y, uint32_t &seed)
{
    seed = seed * 1103515245 + 12345;
    const int noise = (seed >> 16) & 0x1F;
    const int r = (x * 255 / 727 + noise) & 0xFF;
    const int g = ((y * 7 + x / 3) ^ noise) & 0xFF;
    const int b = (((x / 8 + y / 8) % 2) ? 200 : 40) + noise;
    return static_cast<uint32_t>(r << 16 | g << 8 | (b & 0xFF));
}

void FillPattern(FCObjImage &img)
{
    uint32_t seed = 1;
    for (int y = 0; y < img.Height(); y++) {
        for (int x = 0; x < img.Width(); x++) {
            const uint32_t c = PatternPixel(x, y, seed);
            BYTE *p = img.PixelAt(x, y);
            p[0] = static_cast<BYTE>(c), p[1] = static_cast<BYTE>(c >> 8), p[2] = static_cast<BYTE>(c >> 16);
        }
    }
}

bool MakeArgbPng(const std::string &path, int w, int h)
{
    std::vector<uint32_t> argb(static_cast<size_t>(w) * h);
    uint32_t seed = 7;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            argb[y * w + x] = static_cast<uint32_t>(((x + y) * 255 / (w + h)) << 24) | PatternPixel(x, y, seed);
    return pictra_fixture::SaveArgbPng(path, w, h, argb);
}

long FileSize(const std::string &path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ? static_cast<long>(data.nFileSizeLow) : -1;
}

}  // namespace

int main()
{
    const std::string folder = ExeFolder() + "bench_pictures\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    HMODULE hDll = LoadLibraryA((ExeFolder() + "..\\..\\program\\Pictra.dll").c_str());
    if (!hDll) {
        printf("Pictra.dll not found beside the program\n");
        return 1;
    }
    auto pDraw = reinterpret_cast<DrawImageOnDCFn>(reinterpret_cast<void *>(GetProcAddress(hDll, "Pictra_DrawImageOnDC")));
    auto pSize = reinterpret_cast<GetImageSizeFn>(reinterpret_cast<void *>(GetProcAddress(hDll, "Pictra_GetImageSize")));
    if (!pDraw || !pSize) {
        printf("Pictra.dll lacks its exports\n");
        return 1;
    }
    // The benchmark makes its pictures and the reference pixels with the library's own code.
    SetHandleFactory(new FCImageHandleFactory_Gdiplus);

    const std::string jpg = folder + "leaderboard.jpg", png = folder + "rectangle.png", bmp = folder + "rectangle.bmp";
    FCObjImage banner, rect;
    if (!banner.CreateBlank(728, 90, 24) || !rect.CreateBlank(300, 250, 24))
        return 1;
    FillPattern(banner);
    FillPattern(rect);
    if (!banner.SaveToFile(jpg.c_str(), 85) || !MakeArgbPng(png, 300, 250) || !rect.SaveToFile(bmp.c_str(), -1)) {
        printf("could not write the pictures\n");
        return 1;
    }

    // The target: a 32-bit off-screen bitmap, as the canvases paint into.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 800;
    info.bmiHeader.biHeight = 300;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *pBits = nullptr;
    HDC hdc = CreateCompatibleDC(nullptr);
    HBITMAP hBitmap = CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = SelectObject(hdc, hBitmap);

    printf("Pictra_DrawImageOnDC against SetDIBitsToDevice of the decoded pixels (ms per call)\n");
    printf("%-26s %8s %5s %14s %14s %14s %8s\n", "picture", "bytes", "bits", "GetImageSize", "DrawImageOnDC",
           "SetDIBits", "ratio");
    struct Case {
        const char *label;
        std::string path;
    } cases[] = {{"728x90 JPEG", jpg}, {"300x250 PNG with alpha", png}, {"300x250 BMP 24-bit", bmp}};
    for (const Case &c : cases) {
        FCObjImage decoded;
        if (!decoded.LoadFromFile(c.path.c_str())) {
            printf("%-26s could not be loaded\n", c.label);
            continue;
        }
        int size[2];
        const double msSize = TimePerCall([&] { pSize(c.path.c_str(), size); }, 1000);
        const double msDraw = TimePerCall([&] { pDraw(c.path.c_str(), hdc, 10, 10); }, 1500);
        const double msBlit = TimePerCall([&] { DrawImageAt(decoded, hdc, 10, 10); GdiFlush(); }, 500);
        printf("%-26s %8ld %5d %14.3f %14.3f %14.4f %7.0fx\n", c.label, FileSize(c.path), decoded.ColorBits(), msSize,
               msDraw, msBlit, msDraw / msBlit);
    }

    // Every GDI+ load starts and stops GDI+ once; this is that share of the cost.
    const double msStartup = TimePerCall([] {
        ULONG_PTR token = 0;
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token, &input, nullptr);
        Gdiplus::GdiplusShutdown(token);
    }, 500);
    printf("GdiplusStartup + GdiplusShutdown alone: %.4f ms per pair\n", msStartup);

    SelectObject(hdc, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hdc);
    SetHandleFactory(nullptr);
    FreeLibrary(hDll);
    return 0;
}
