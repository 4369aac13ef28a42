#include "BenchSupport.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <vector>

namespace bench {

namespace {

bool EncoderFor(const wchar_t *mime, CLSID *pClsid)
{
    UINT n = 0, size = 0;
    Gdiplus::DllExports::GdipGetImageEncodersSize(&n, &size);
    std::vector<BYTE> buf(size);
    auto *codecs = reinterpret_cast<Gdiplus::ImageCodecInfo *>(buf.data());
    Gdiplus::DllExports::GdipGetImageEncoders(n, size, codecs);
    for (UINT i = 0; i < n; ++i)
        if (wcscmp(codecs[i].MimeType, mime) == 0) {
            *pClsid = codecs[i].Clsid;
            return true;
        }
    return false;
}

}  // namespace

double Now()
{
    static LARGE_INTEGER freq = {};
    if (!freq.QuadPart)
        QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * t.QuadPart / freq.QuadPart;
}

std::string Folder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\') + 1);
}

// A photo-like picture: smooth gradients with some noise, so JPEG and PNG do real work.
bool WritePicture(const std::string &file, int w, int h, bool bPng)
{
    std::vector<DWORD> pixels((size_t)w * h);
    unsigned seed = (unsigned)(w * 31 + h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int noise = (seed >> 16) & 31;
            const int r = (x * 255 / w + noise) & 255, g = (y * 255 / h + noise) & 255;
            const int b = ((x + y) * 2 + noise) & 255;
            pixels[(size_t)y * w + x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    Gdiplus::GpBitmap *bitmap = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(w, h, w * 4, PixelFormat32bppRGB,
                                                       reinterpret_cast<BYTE *>(pixels.data()),
                                                       &bitmap) != Gdiplus::Ok)
        return false;
    CLSID clsid;
    bool ok = EncoderFor(bPng ? L"image/png" : L"image/jpeg", &clsid);
    if (ok) {
        std::wstring wide(file.begin(), file.end());
        ok = Gdiplus::DllExports::GdipSaveImageToFile(bitmap, wide.c_str(), &clsid, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
    return ok;
}

}  // namespace bench
