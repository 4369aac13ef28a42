#pragma once
#include <windows.h>

#include "canvas/CanvasWindow.h"

class AdSenseTemplate;

// The preview canvas: the template as the web page will show it, from the window's
// top-left corner, without editing marks and with the ad unit's sample ads above
// everything. It only scrolls; the mouse does nothing here.
//
// Make it with new and hand it to Create: from then on it belongs to its window and is
// deleted when the window is destroyed. When Create fails the caller still owns it.
// No rulers; a line step scrolls by one pixel.
class AdPreview : public canvas::ScrolledCanvas<0, 1> {
public:
    static const char *const ClassName;

    AdPreview() = default;
    virtual ~AdPreview() = default;
    AdPreview(const AdPreview &) = delete;
    AdPreview &operator=(const AdPreview &) = delete;

    bool Create(HWND hParent, const RECT *prc);

private:
    template <class TCanvas>
    friend LRESULT CALLBACK canvas::CanvasWndProc(HWND, UINT, WPARAM, LPARAM);
    bool Dispatch(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT *plResult);
    void Paint(HDC hDC, const RECT &rcClient) override;
};
