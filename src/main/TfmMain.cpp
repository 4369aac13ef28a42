#include "main/TfmMain.h"
#include "resource.h"

const char *const TfmMain::ClassName = "TfmMain";

HWND TfmMain::Create(HINSTANCE hInstance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExA(hInstance, ClassName, &wc)) {
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = WndProc;
        wc.hInstance = hInstance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = ClassName;
        if (!RegisterClassExA(&wc))
            return nullptr;
    }
    HMENU hMenu = LoadMenuA(hInstance, MAKEINTRESOURCEA(IDR_MAINMENU));
    HWND hWnd = CreateWindowExA(0, ClassName, "Ornamo", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 1000, 700,
                                nullptr, hMenu, hInstance, this);
    if (!hWnd && hMenu)
        DestroyMenu(hMenu);
    return hWnd;
}

LRESULT CALLBACK TfmMain::WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto *cs = reinterpret_cast<CREATESTRUCTA *>(lParam);
        auto *self = static_cast<TfmMain *>(cs->lpCreateParams);
        self->m_hWnd = hWnd;
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<TfmMain *>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(hWnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        return DefWindowProcA(hWnd, msg, wParam, lParam);
    }
    return self->HandleMessage(msg, wParam, lParam);
}

LRESULT TfmMain::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

void TfmMain::OnCommand(int id)
{
    switch (id) {
    case IDM_FILE_EXIT: miExitClick(); break;
    }
}

void TfmMain::miExitClick()
{
    PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
}
