#include "canvas/GdiScope.h"

namespace canvas {

DoubleBuffer::DoubleBuffer(HDC hTarget, int nWidth, int nHeight)
    : m_hTarget(hTarget), m_nWidth(nWidth), m_nHeight(nHeight)
{
    if (!hTarget || nWidth <= 0 || nHeight <= 0)
        return;
    HDC hMemDC = CreateCompatibleDC(hTarget);
    if (!hMemDC)
        return;
    HBITMAP hBitmap = CreateCompatibleBitmap(hTarget, nWidth, nHeight);
    if (!hBitmap) {
        DeleteDC(hMemDC);
        return;
    }
    m_hMemDC = hMemDC;
    m_hBitmap = hBitmap;
    m_hOldBitmap = SelectObject(hMemDC, hBitmap);
}

DoubleBuffer::~DoubleBuffer()
{
    if (!m_hMemDC)
        return;
    SelectObject(m_hMemDC, m_hOldBitmap);
    DeleteObject(m_hBitmap);
    DeleteDC(m_hMemDC);
}

void DoubleBuffer::Flush()
{
    if (m_hMemDC)
        BitBlt(m_hTarget, 0, 0, m_nWidth, m_nHeight, m_hMemDC, 0, 0, SRCCOPY);
}

}  // namespace canvas
