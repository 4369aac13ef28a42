#pragma once
#include <windows.h>

// Small owners for GDI resources that live for one drawing call or one cache entry.
namespace gdi {

// Selects an object into a DC and puts the previous one back when leaving the scope.
class SelectScope {
public:
    SelectScope(HDC hDC, HGDIOBJ hObj) : m_hDC(hDC), m_hOld(hObj ? SelectObject(hDC, hObj) : nullptr) {}
    ~SelectScope()
    {
        if (m_hOld)
            SelectObject(m_hDC, m_hOld);
    }
    SelectScope(const SelectScope &) = delete;
    SelectScope &operator=(const SelectScope &) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// Owns one created pen, brush, font or bitmap.
template <class T>
class GdiObject {
public:
    explicit GdiObject(T h = nullptr) : m_h(h) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;

    T Get() const { return m_h; }
    void Reset(T h = nullptr)
    {
        if (m_h)
            DeleteObject(m_h);
        m_h = h;
    }

private:
    T m_h;
};

// Owns a screen DC taken with GetDC.
class WindowDC {
public:
    explicit WindowDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(GetDC(hWnd)) {}
    ~WindowDC()
    {
        if (m_hDC)
            ReleaseDC(m_hWnd, m_hDC);
    }
    WindowDC(const WindowDC &) = delete;
    WindowDC &operator=(const WindowDC &) = delete;
    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// Owns a memory DC made with CreateCompatibleDC. Declare the bitmap it draws into before
// it, and select the bitmap with a SelectScope after it, so the bitmap is put back out of
// the DC before either is deleted.
class MemoryDC {
public:
    explicit MemoryDC(HDC hCompatible) : m_hDC(CreateCompatibleDC(hCompatible)) {}
    ~MemoryDC()
    {
        if (m_hDC)
            DeleteDC(m_hDC);
    }
    MemoryDC(const MemoryDC &) = delete;
    MemoryDC &operator=(const MemoryDC &) = delete;
    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC;
};

}  // namespace gdi
