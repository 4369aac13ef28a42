#pragma once
#include <windows.h>

#include "misc/GdiScope.h"

// The canvases' own GDI scope: the off-screen double buffer.
namespace canvas {

// The holders the model shares, under the names the canvas code has always used.
using gdi::GdiObject;
using gdi::MemoryDC;
using gdi::SelectScope;
using gdi::WindowDC;

// An off-screen copy of a DC area: draw into Get(), then Flush() copies it in one BitBlt.
// When the memory DC or bitmap cannot be made (a huge area, exhausted GDI), Get() is the
// target DC itself, so painting goes on directly, only with flicker.
class DoubleBuffer {
public:
    DoubleBuffer(HDC hTarget, int nWidth, int nHeight);
    ~DoubleBuffer();
    DoubleBuffer(const DoubleBuffer &) = delete;
    DoubleBuffer &operator=(const DoubleBuffer &) = delete;

    HDC Get() const { return m_hMemDC ? m_hMemDC : m_hTarget; }
    bool IsBuffered() const { return m_hMemDC != nullptr; }
    void Flush();

private:
    HDC m_hTarget;
    int m_nWidth, m_nHeight;
    HDC m_hMemDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
};

}  // namespace canvas
