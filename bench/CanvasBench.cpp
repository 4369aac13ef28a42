// How long the editing canvas takes to repaint and to carry one drag step, beside the time
// the image library needs to decode the template's pictures once. The template holds the ad
// unit, five pictures (JPEG and PNG) and five texts on a 1000 x 600 canvas. Needs a display
// (Xvfb will do) and Pictra.dll beside the program.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "AdEdit.h"
#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/PictraDrawCache.h"
#include "PictraUtil.h"
#include "BenchSupport.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using bench::Now;
using bench::WritePicture;

struct PictureSpec {
    int x, y, w, h;
    bool bPng;
};

const PictureSpec kPictures[] = {
    {0, 120, 728, 90, false},
    {20, 230, 300, 250, true},
    {340, 230, 200, 200, false},
    {560, 230, 160, 300, true},
    {750, 20, 234, 400, false},
};

LPARAM Client(int tx, int ty)
{
    return MAKELPARAM(tx + AdEdit::RulerSize, ty + AdEdit::RulerSize);
}

}  // namespace

int main()
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);

    PictraUtil binding;
    if (!binding.IsLoaded()) {
        std::printf("Pictra.dll not found beside the benchmark: nothing measured\n");
        return 1;
    }
    // Picture objects draw only copies the program made in its Temp folder.
    CreateDirectoryA((bench::Folder() + "Temp").c_str(), nullptr);
    std::vector<std::string> files;
    for (const PictureSpec &p : kPictures) {
        files.push_back(binding.MakeTempFileName(p.bPng ? ".png" : ".jpg"));
        if (!WritePicture(files.back(), p.w, p.h, p.bPng)) {
            std::printf("could not write %s\n", files.back().c_str());
            return 1;
        }
    }

    AdSenseTemplate tpl;
    tpl.New();
    for (size_t i = 0; i < files.size(); ++i) {
        auto *pImage = new Pictra;
        pImage->SetFile(files[i].c_str());
        const PictureSpec &p = kPictures[i];
        pImage->m_rcPos = {p.x, p.y, p.x + p.w, p.y + p.h};
        tpl.Add(pImage);
    }
    for (int i = 0; i < 5; ++i) {
        auto *pText = new AdText;
        pText->SetText("Hand-made pottery & glazes");
        pText->m_rcPos = {20 + i * 180, 500, 190 + i * 180, 530};
        pText->m_nAlign = 1 + i % 3;
        tpl.Add(pText);
    }
    // The picture in the middle is current: dragging it repaints everything around it.
    AdObj *pDragged = nullptr;
    for (AdObj *p = tpl.GetFirst(); p; p = tpl.GetNext())
        if (p->GetType() == OBJ_IMAGE && p->GetPos()->left == kPictures[2].x)
            pDragged = p;
    tpl.SetCurrent(pDragged);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrnamoBenchParent";
    RegisterClassA(&wc);
    HWND hParent = CreateWindowExA(0, wc.lpszClassName, "bench", WS_POPUP | WS_VISIBLE, 0, 0, 1040,
                                   640, nullptr, nullptr, wc.hInstance, nullptr);
    auto *pEdit = new AdEdit;
    pEdit->SetTemplate(&tpl);
    RECT rc = {0, 0, 1000, 600};
    if (!hParent || !pEdit->Create(hParent, &rc)) {
        std::printf("no window (is there a display?)\n");
        return 1;
    }
    pEdit->UpdateScrollBars();
    HWND hCanvas = pEdit->GetHandle();

    const int kRounds = 20;
    // Decoding: what the library needs to put the five pictures on a DC once.
    HDC hScreen = GetDC(nullptr);
    HDC hMem = CreateCompatibleDC(hScreen);
    HBITMAP hBmp = CreateCompatibleBitmap(hScreen, 1000, 600);
    HGDIOBJ hOld = SelectObject(hMem, hBmp);
    double t0 = Now();
    for (int r = 0; r < kRounds; ++r)
        for (size_t i = 0; i < files.size(); ++i)
            binding.DrawImageOnDC(files[i].c_str(), hMem, kPictures[i].x, kPictures[i].y);
    const double decode = (Now() - t0) / kRounds;
    SelectObject(hMem, hOld);
    DeleteObject(hBmp);
    DeleteDC(hMem);
    ReleaseDC(nullptr, hScreen);

    // A repaint that has to decode every picture (the first one, or after the files change).
    double cold = 0;
    for (int r = 0; r < kRounds; ++r) {
        ClearPictureCache();
        t0 = Now();
        pEdit->Refresh();
        cold += Now() - t0;
    }
    cold /= kRounds;

    t0 = Now();
    for (int r = 0; r < kRounds; ++r)
        pEdit->Refresh();
    const double warm = (Now() - t0) / kRounds;

    // One drag step: press on the current picture, move by a pixel, release.
    const int cx = kPictures[2].x + 100, cy = kPictures[2].y + 100;
    double drag = 0, worst = 0;
    for (int r = 0; r < kRounds * 5; ++r) {
        const int dx = (r & 1) ? -1 : 1;
        t0 = Now();
        SendMessageA(hCanvas, WM_LBUTTONDOWN, MK_LBUTTON, Client(cx, cy));
        SendMessageA(hCanvas, WM_MOUSEMOVE, MK_LBUTTON, Client(cx + dx, cy));
        SendMessageA(hCanvas, WM_LBUTTONUP, 0, Client(cx + dx, cy));
        const double t = Now() - t0;
        drag += t;
        if (t > worst)
            worst = t;
    }
    drag /= kRounds * 5;
    const RECT moved = *pDragged->GetPos();

    std::printf("template: ad unit, 5 pictures (3 JPEG, 2 PNG), 5 texts on a 1000 x 600 canvas\n");
    std::printf("decoding the 5 pictures once:           %7.2f ms\n", decode);
    std::printf("full repaint, pictures decoded:         %7.2f ms\n", cold);
    std::printf("full repaint, pictures remembered:      %7.2f ms\n", warm);
    std::printf("drag step (press, move, release):       %7.2f ms (worst %.2f ms)\n", drag, worst);
    std::printf("dragged picture ended at %ld, %ld (expected %d, %d)\n", moved.left, moved.top,
                kPictures[2].x, kPictures[2].y);

    DestroyWindow(hParent);
    for (const std::string &f : files)
        DeleteFileA(f.c_str());
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
