#include "GdiCounter.h"

#include <cstring>
#include <set>

namespace gdicount {

namespace {

std::set<HGDIOBJ> &Live()
{
    static std::set<HGDIOBJ> live;
    return live;
}

template <class T>
T Track(T h)
{
    if (h)
        Live().insert(h);
    return h;
}

// The real functions, filled in from gdi32 before the import table is patched.
struct Real {
    decltype(&CreatePen) pCreatePen;
    decltype(&CreatePenIndirect) pCreatePenIndirect;
    decltype(&ExtCreatePen) pExtCreatePen;
    decltype(&CreateSolidBrush) pCreateSolidBrush;
    decltype(&CreateBrushIndirect) pCreateBrushIndirect;
    decltype(&CreateHatchBrush) pCreateHatchBrush;
    decltype(&CreatePatternBrush) pCreatePatternBrush;
    decltype(&CreateFontIndirectA) pCreateFontIndirectA;
    decltype(&CreateFontIndirectW) pCreateFontIndirectW;
    decltype(&CreateFontA) pCreateFontA;
    decltype(&CreateCompatibleBitmap) pCreateCompatibleBitmap;
    decltype(&CreateBitmap) pCreateBitmap;
    decltype(&CreateDIBSection) pCreateDIBSection;
    decltype(&CreateDIBitmap) pCreateDIBitmap;
    decltype(&CreateRectRgn) pCreateRectRgn;
    decltype(&CreateRectRgnIndirect) pCreateRectRgnIndirect;
    decltype(&CreateCompatibleDC) pCreateCompatibleDC;
    decltype(&DeleteObject) pDeleteObject;
    decltype(&DeleteDC) pDeleteDC;
} real;

HPEN WINAPI MyCreatePen(int s, int w, COLORREF c) { return Track(real.pCreatePen(s, w, c)); }
HPEN WINAPI MyCreatePenIndirect(const LOGPEN *p) { return Track(real.pCreatePenIndirect(p)); }
HPEN WINAPI MyExtCreatePen(DWORD s, DWORD w, const LOGBRUSH *b, DWORD n, const DWORD *st)
{
    return Track(real.pExtCreatePen(s, w, b, n, st));
}
HBRUSH WINAPI MyCreateSolidBrush(COLORREF c) { return Track(real.pCreateSolidBrush(c)); }
HBRUSH WINAPI MyCreateBrushIndirect(const LOGBRUSH *b) { return Track(real.pCreateBrushIndirect(b)); }
HBRUSH WINAPI MyCreateHatchBrush(int i, COLORREF c) { return Track(real.pCreateHatchBrush(i, c)); }
HBRUSH WINAPI MyCreatePatternBrush(HBITMAP h) { return Track(real.pCreatePatternBrush(h)); }
HFONT WINAPI MyCreateFontIndirectA(const LOGFONTA *lf) { return Track(real.pCreateFontIndirectA(lf)); }
HFONT WINAPI MyCreateFontIndirectW(const LOGFONTW *lf) { return Track(real.pCreateFontIndirectW(lf)); }
HFONT WINAPI MyCreateFontA(int a, int b, int c, int d, int e, DWORD f, DWORD g, DWORD h, DWORD i,
                           DWORD j, DWORD k, DWORD l, DWORD m, LPCSTR n)
{
    return Track(real.pCreateFontA(a, b, c, d, e, f, g, h, i, j, k, l, m, n));
}
HBITMAP WINAPI MyCreateCompatibleBitmap(HDC dc, int w, int h)
{
    return Track(real.pCreateCompatibleBitmap(dc, w, h));
}
HBITMAP WINAPI MyCreateBitmap(int w, int h, UINT p, UINT b, const void *bits)
{
    return Track(real.pCreateBitmap(w, h, p, b, bits));
}
HBITMAP WINAPI MyCreateDIBSection(HDC dc, const BITMAPINFO *bi, UINT u, void **bits, HANDLE s, DWORD o)
{
    return Track(real.pCreateDIBSection(dc, bi, u, bits, s, o));
}
HBITMAP WINAPI MyCreateDIBitmap(HDC dc, const BITMAPINFOHEADER *h, DWORD i, const void *b,
                                const BITMAPINFO *bi, UINT u)
{
    return Track(real.pCreateDIBitmap(dc, h, i, b, bi, u));
}
HRGN WINAPI MyCreateRectRgn(int a, int b, int c, int d) { return Track(real.pCreateRectRgn(a, b, c, d)); }
HRGN WINAPI MyCreateRectRgnIndirect(const RECT *r) { return Track(real.pCreateRectRgnIndirect(r)); }
HDC WINAPI MyCreateCompatibleDC(HDC dc) { return Track(real.pCreateCompatibleDC(dc)); }
BOOL WINAPI MyDeleteObject(HGDIOBJ h)
{
    BOOL ok = real.pDeleteObject(h);
    if (ok)
        Live().erase(h);
    return ok;
}
BOOL WINAPI MyDeleteDC(HDC dc)
{
    BOOL ok = real.pDeleteDC(dc);
    if (ok)
        Live().erase(dc);
    return ok;
}

struct Hook {
    const char *szName;
    void **ppReal;
    void *pMine;
};

#define HOOK(name) {#name, reinterpret_cast<void **>(&real.p##name), reinterpret_cast<void *>(&My##name)}
const Hook kHooks[] = {
    HOOK(CreatePen), HOOK(CreatePenIndirect), HOOK(ExtCreatePen), HOOK(CreateSolidBrush),
    HOOK(CreateBrushIndirect), HOOK(CreateHatchBrush), HOOK(CreatePatternBrush),
    HOOK(CreateFontIndirectA), HOOK(CreateFontIndirectW), HOOK(CreateFontA),
    HOOK(CreateCompatibleBitmap), HOOK(CreateBitmap), HOOK(CreateDIBSection), HOOK(CreateDIBitmap),
    HOOK(CreateRectRgn), HOOK(CreateRectRgnIndirect), HOOK(CreateCompatibleDC),
    HOOK(DeleteObject), HOOK(DeleteDC),
};
#undef HOOK

void Patch(void **ppSlot, void *pNew)
{
    DWORD old = 0;
    VirtualProtect(ppSlot, sizeof(void *), PAGE_READWRITE, &old);
    *ppSlot = pNew;
    VirtualProtect(ppSlot, sizeof(void *), old, &old);
}

bool PatchImports()
{
    HMODULE hGdi = GetModuleHandleA("gdi32.dll");
    if (!hGdi)
        return false;
    for (const Hook &h : kHooks)
        *h.ppReal = reinterpret_cast<void *>(GetProcAddress(hGdi, h.szName));

    auto *base = reinterpret_cast<BYTE *>(GetModuleHandleA(nullptr));
    auto *dos = reinterpret_cast<IMAGE_DOS_HEADER *>(base);
    auto *nt = reinterpret_cast<IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress)
        return false;
    bool bFound = false;
    for (auto *imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR *>(base + dir.VirtualAddress);
         imp->Name; ++imp) {
        if (_stricmp(reinterpret_cast<char *>(base + imp->Name), "gdi32.dll") != 0)
            continue;
        bFound = true;
        auto *names = reinterpret_cast<IMAGE_THUNK_DATA *>(base + imp->OriginalFirstThunk);
        auto *slots = reinterpret_cast<IMAGE_THUNK_DATA *>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            auto *byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
            for (const Hook &h : kHooks)
                if (*h.ppReal && std::strcmp(reinterpret_cast<char *>(byName->Name), h.szName) == 0)
                    Patch(reinterpret_cast<void **>(&slots->u1.Function), h.pMine);
        }
    }
    return bFound;
}

}  // namespace

bool Install()
{
    static const bool bInstalled = PatchImports();
    return bInstalled;
}

long LiveObjects()
{
    return (long)Live().size();
}

DWORD SystemCount()
{
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

}  // namespace gdicount
