#pragma once
#include <windows.h>

// The main window. For now a plain frame with the File menu; the pages, canvases and
// template commands grow on it.
class TfmMain {
public:
    static const char *const ClassName;

    TfmMain() = default;
    TfmMain(const TfmMain &) = delete;
    TfmMain &operator=(const TfmMain &) = delete;

    // Registers the class once and creates the window; null on failure.
    HWND Create(HINSTANCE hInstance);
    HWND GetHandle() const { return m_hWnd; }

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id);
    void miExitClick();

    HWND m_hWnd = nullptr;
};
