// What the main window costs on top of the canvases: process start to the first painted
// window (the 400 ms start-up timer left out), opening a template that holds ten pictures,
// one RefreshViews, and one drag step through the main window beside the same step on a
// bare canvas. Needs a display (Xvfb will do) and Pictra.dll beside the program.
#include <windows.h>
#include <commctrl.h>
#include <objidl.h>
#include <gdiplus.h>

#include "AdEdit.h"
#include "AdPreview.h"
#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "PictraUtil.h"
#include "BenchSupport.h"
#include "main/TfmMain.h"
#include "resource.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Milliseconds since this process was created.
double SinceProcessStart()
{
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a, b;
    a.LowPart = created.dwLowDateTime;
    a.HighPart = created.dwHighDateTime;
    b.LowPart = now.dwLowDateTime;
    b.HighPart = now.dwHighDateTime;
    return (b.QuadPart - a.QuadPart) / 10000.0;
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Ten pictures of a few sizes around the ad unit; the fifth is the one dragged.
const int kPictureCount = 10;
RECT PicturePlace(int i)
{
    const int x = 20 + (i % 5) * 150, y = 120 + (i / 5) * 150;
    return RECT{x, y, x + 140, y + 140};
}

// The pictures are made as the program's own copies in Temp: only those are embedded.
std::string WriteTemplateWithPictures(const std::string &folder)
{
    PictraUtil *pBinding = PictraUtil::Get();
    if (!pBinding)
        return "";
    AdSenseTemplate tpl;
    tpl.New();
    for (int i = 0; i < kPictureCount; ++i) {
        const std::string file = pBinding->MakeTempFileName(i % 2 ? ".png" : ".jpg");
        if (file.empty() || !bench::WritePicture(file, 140, 140, i % 2 != 0))
            return "";
        auto *pImage = new Pictra;
        pImage->SetFile(file.c_str());
        pImage->m_rcPos = PicturePlace(i);
        tpl.Add(pImage);
    }
    const std::string path = folder + "mainbench.atp";
    return tpl.SaveAs(path.c_str()) ? path : "";
}

void MakeFifthPictureCurrent(AdSenseTemplate *pTemplate)
{
    int n = 0;
    for (AdObj *p = pTemplate->GetFirst(); p; p = pTemplate->GetNext())
        if (p->GetType() == OBJ_IMAGE && n++ == 4) {
            pTemplate->SetCurrent(p);
            return;
        }
}

// Press inside the fifth picture, move a pixel to and fro, release.
void DragStep(HWND hCanvas, int nRound)
{
    const RECT rc = PicturePlace(4);
    const int x = rc.left + 70 + AdEdit::RulerSize, y = rc.top + 70 + AdEdit::RulerSize;
    const int dx = (nRound & 1) ? -1 : 1;
    SendMessageA(hCanvas, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(hCanvas, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + dx, y));
    SendMessageA(hCanvas, WM_LBUTTONUP, 0, MAKELPARAM(x + dx, y));
}

}  // namespace

int main()
{
    const double atMain = SinceProcessStart();
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);

    // As the program starts: create, show, paint everything once.
    TfmMain form;
    HWND hMain = form.Create(GetModuleHandleA(nullptr));
    if (!hMain) {
        std::printf("no main window (is there a display?)\n");
        return 1;
    }
    ShowWindow(hMain, SW_SHOW);
    RedrawWindow(hMain, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    const double firstPaint = SinceProcessStart();
    const double fromMain = firstPaint - atMain;
    form.NewTemplate();
    Pump();

    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    const std::string path = WriteTemplateWithPictures(bench::Folder());
    Gdiplus::GdiplusShutdown(token);
    if (path.empty()) {
        std::printf("could not write the template with ten pictures\n");
        return 1;
    }

    const double kBudget = 2000;
    const double open = bench::TimePerCall([&] { form.OpenTemplate(path.c_str()); }, kBudget);
    const double refresh = bench::TimePerCall([&] { form.RefreshViews(); }, kBudget);
    // Most of a RefreshViews goes to the canvases' scroll bars: shown for comparison.
    const double scroll = bench::TimePerCall([&] {
        form.GetAdEdit()->UpdateScrollBars();
        form.GetAdPreview()->UpdateScrollBars();
    }, kBudget);

    // The same template on a bare canvas of the same size as the main window's.
    HWND hMainCanvas = form.GetAdEdit()->GetHandle();
    RECT rcCanvas;
    GetClientRect(hMainCanvas, &rcCanvas);
    AdSenseTemplate bare;
    bare.Open(path.c_str());
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrnamoMainBenchParent";
    RegisterClassA(&wc);
    HWND hParent = CreateWindowExA(0, wc.lpszClassName, "bench", WS_POPUP | WS_VISIBLE, 0, 0,
                                   rcCanvas.right, rcCanvas.bottom, nullptr, nullptr,
                                   wc.hInstance, nullptr);
    auto *pBare = new AdEdit;
    pBare->SetTemplate(&bare);
    if (!hParent || !pBare->Create(hParent, &rcCanvas)) {
        std::printf("no bare canvas window\n");
        return 1;
    }
    pBare->UpdateScrollBars();

    MakeFifthPictureCurrent(form.GetTemplate());
    MakeFifthPictureCurrent(&bare);
    int nRound = 0;
    const double dragMain = bench::TimePerCall([&] { DragStep(hMainCanvas, nRound++); }, kBudget);
    nRound = 0;
    const double dragBare = bench::TimePerCall([&] { DragStep(pBare->GetHandle(), nRound++); }, kBudget);

    std::printf("main window: %ld x %ld canvas, template of the ad unit and %d pictures\n",
                rcCanvas.right, rcCanvas.bottom, kPictureCount);
    std::printf("process start to first painted main window: %8.2f ms (from main(): %.2f ms)\n",
                firstPaint, fromMain);
    std::printf("OpenTemplate, ten pictures:                 %8.2f ms\n", open);
    std::printf("RefreshViews:                               %8.2f ms\n", refresh);
    std::printf("  both canvases' UpdateScrollBars alone:    %8.2f ms\n", scroll);
    std::printf("drag step (press, move, release)   main window %8.2f ms   bare canvas %8.2f ms"
                "   ratio %.2f\n",
                dragMain, dragBare, dragBare > 0 ? dragMain / dragBare : 0.0);

    // A thousand steps, each a nudge of another picture than the one before so that none
    // merge, then undo back as far as the history reaches.
    form.OpenTemplate(path.c_str());
    Pump();
    const double nudgeStart = bench::Now();
    for (int i = 0; i < 1000; ++i) {
        SendMessageA(hMainCanvas, WM_KEYDOWN, VK_TAB, 0);
        SendMessageA(hMainCanvas, WM_KEYDOWN, (i / 11) % 2 ? VK_LEFT : VK_RIGHT, 0);
    }
    const double nudge = (bench::Now() - nudgeStart) / 1000;
    const size_t nKept = form.GetHistory().GetUndoCount();
    const size_t nHistoryBytes = form.GetHistory().GetMemoryBytes();
    const double undoStart = bench::Now();
    while (form.GetHistory().CanUndo())
        SendMessageA(hMain, WM_COMMAND, IDM_EDIT_UNDO, 0);
    const double undo = nKept ? (bench::Now() - undoStart) / nKept : 0.0;
    std::printf("1000 undo steps (nudge, ten pictures): %8.2f ms a step; %zu kept in %zu bytes"
                " (%zu a step); undo %8.2f ms a step\n",
                nudge, nKept, nHistoryBytes, nKept ? nHistoryBytes / nKept : 0, undo);

    DestroyWindow(hParent);
    form.GetTemplate()->SetModified(false);
    DestroyWindow(hMain);
    for (int i = 0; i < kPictureCount; ++i)
        DeleteFileA((bench::Folder() + "mainbench" + std::to_string(i) + (i % 2 ? ".png" : ".jpg")).c_str());
    DeleteFileA(path.c_str());
    return 0;
}
