#pragma once
#include <windows.h>

#include <string>

// A white 32-bit memory DC whose pixels the tests read directly.
class PixelCanvas {
public:
    PixelCanvas(int nWidth, int nHeight);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas &) = delete;
    PixelCanvas &operator=(const PixelCanvas &) = delete;

    HDC DC() const { return m_hDC; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    void Clear(COLORREF cr = RGB(255, 255, 255));
    // The pixel as a COLORREF; white outside the canvas.
    COLORREF At(int x, int y) const;
    bool IsBlack(int x, int y) const { return At(x, y) == RGB(0, 0, 0); }
    bool IsWhite(int x, int y) const { return At(x, y) == RGB(255, 255, 255); }
    // Every pixel of the rectangle has the colour.
    bool AllOf(const RECT &rc, COLORREF cr) const;
    // How many pixels of the rectangle have the colour.
    int CountOf(const RECT &rc, COLORREF cr) const;
    // The smallest rectangle holding every pixel that is not cr (empty when there is none).
    RECT BoundsOfOther(COLORREF cr) const;
    bool SameAs(const PixelCanvas &other) const;

private:
    int m_nWidth, m_nHeight;
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    DWORD *m_pBits = nullptr;
};

// Writes a 24-bit BMP of w x h pixels, each from the colour function.
bool WriteBmp(const std::string &path, int w, int h, COLORREF (*pixel)(int x, int y));
