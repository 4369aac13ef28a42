#include "PixelCanvas.h"

#include <cstdio>
#include <cstring>
#include <vector>

PixelCanvas::PixelCanvas(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = nWidth;
    bi.bmiHeader.biHeight = -nHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    m_hDC = CreateCompatibleDC(nullptr);
    void *pBits = nullptr;
    m_hBitmap = CreateDIBSection(m_hDC, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    m_pBits = static_cast<DWORD *>(pBits);
    m_hOld = SelectObject(m_hDC, m_hBitmap);
    Clear();
}

PixelCanvas::~PixelCanvas()
{
    SelectObject(m_hDC, m_hOld);
    DeleteObject(m_hBitmap);
    DeleteDC(m_hDC);
}

void PixelCanvas::Clear(COLORREF cr)
{
    GdiFlush();
    const DWORD v = (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
    for (int i = 0; i < m_nWidth * m_nHeight; ++i)
        m_pBits[i] = v;
}

COLORREF PixelCanvas::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return RGB(255, 255, 255);
    GdiFlush();
    const DWORD v = m_pBits[y * m_nWidth + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

bool PixelCanvas::AllOf(const RECT &rc, COLORREF cr) const
{
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (At(x, y) != cr)
                return false;
    return true;
}

int PixelCanvas::CountOf(const RECT &rc, COLORREF cr) const
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += At(x, y) == cr;
    return n;
}

RECT PixelCanvas::BoundsOfOther(COLORREF cr) const
{
    RECT rc = {m_nWidth, m_nHeight, 0, 0};
    for (int y = 0; y < m_nHeight; ++y)
        for (int x = 0; x < m_nWidth; ++x)
            if (At(x, y) != cr) {
                if (x < rc.left) rc.left = x;
                if (y < rc.top) rc.top = y;
                if (x + 1 > rc.right) rc.right = x + 1;
                if (y + 1 > rc.bottom) rc.bottom = y + 1;
            }
    if (rc.right == 0)
        SetRectEmpty(&rc);
    return rc;
}

bool PixelCanvas::SameAs(const PixelCanvas &other) const
{
    GdiFlush();
    return m_nWidth == other.m_nWidth && m_nHeight == other.m_nHeight &&
           std::memcmp(m_pBits, other.m_pBits, sizeof(DWORD) * m_nWidth * m_nHeight) == 0;
}

bool WriteBmp(const std::string &path, int w, int h, COLORREF (*pixel)(int x, int y))
{
    const int stride = (w * 3 + 3) & ~3;
    std::vector<unsigned char> rows((size_t)stride * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            COLORREF cr = pixel(x, y);
            unsigned char *p = &rows[(size_t)(h - 1 - y) * stride + x * 3];
            p[0] = GetBValue(cr);
            p[1] = GetGValue(cr);
            p[2] = GetRValue(cr);
        }
    BITMAPINFOHEADER ih = {};
    ih.biSize = sizeof ih;
    ih.biWidth = w;
    ih.biHeight = h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biCompression = BI_RGB;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + (DWORD)rows.size();
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&ih, sizeof ih, 1, f);
    std::fwrite(rows.data(), 1, rows.size(), f);
    return std::fclose(f) == 0;
}
