// How the ornamental kinds draw themselves, with and without their editing marks. The ad
// unit's block is in AdSenseDraw.cpp.
#include "AdTemplate/AdObjects.h"

#include "AdTemplate/AdDrawUtil.h"
#include "AdTemplate/PictraDrawCache.h"
#include "misc/GdiScope.h"

using gdi::SelectScope;

bool AdObj::DrawOutline(HDC hDC, bool bSelected)
{
    if (!hDC)
        return false;
    gdi::GdiObject<HPEN> pen(CreatePen(bSelected ? PS_SOLID : PS_DOT, 1, RGB(0, 0, 0)));
    SelectScope selectPen(hDC, pen.Get());

    const RECT r = GetDrawRect(this);
    MoveToEx(hDC, r.left, r.top, nullptr);
    LineTo(hDC, r.left, r.bottom);
    MoveToEx(hDC, r.left, r.top, nullptr);
    LineTo(hDC, r.right, r.top);
    MoveToEx(hDC, r.right, r.bottom, nullptr);
    LineTo(hDC, r.left, r.bottom);
    MoveToEx(hDC, r.right, r.bottom, nullptr);
    LineTo(hDC, r.right, r.top);

    if (bSelected) {
        const int cx = HalfWay(r.left, r.right);
        const int cy = HalfWay(r.top, r.bottom);
        DrawHandle(hDC, r.left, r.top);
        DrawHandle(hDC, r.left, r.bottom);
        DrawHandle(hDC, r.right, r.top);
        DrawHandle(hDC, r.right, r.bottom);
        DrawHandle(hDC, cx, r.top);
        DrawHandle(hDC, r.left, cy);
        DrawHandle(hDC, cx, r.bottom);
        DrawHandle(hDC, r.right, cy);
    }
    return true;
}

bool Pictra::Draw(HDC hDC, bool bNoOutline)
{
    if (!hDC)
        return false;
    // The picture paints over the outline wherever it covers it.
    if (!bNoOutline)
        DrawOutline(hDC, m_bSelected);
    if (HasOwnCopy()) {
        const RECT r = GetDrawRect(this);
        DrawPictureFile(m_szFile, hDC, r.left, r.top);
    }
    return true;
}

bool AdText::Draw(HDC hDC, bool bNoOutline)
{
    if (!hDC)
        return false;
    PrepareGdi();
    SelectScope font(hDC, m_hFont);
    SetTextColor(hDC, m_crText);
    SetBkMode(hDC, TRANSPARENT);

    RECT r = GetDrawRect(this);
    if (m_hBrush)
        FillRect(hDC, &r, m_hBrush);
    if (m_szText[0]) {
        UINT uFormat = DT_SINGLELINE | DT_VCENTER;
        if (m_nAlign == 2)
            uFormat |= DT_CENTER;
        else if (m_nAlign == 3)
            uFormat |= DT_RIGHT;
        // No DT_NOPREFIX: "&" underlines the character after it, as in a menu caption.
        DrawTextA(hDC, m_szText, -1, &r, uFormat);
    }
    if (!bNoOutline)
        DrawOutline(hDC, m_bSelected);
    return true;
}

bool AdLine::Draw(HDC hDC, bool bNoOutline)
{
    if (!hDC)
        return false;
    PrepareGdi();
    SelectScope pen(hDC, m_hPen);
    const POINT a = GetDrawPoint(this, m_ptStart);
    const POINT b = GetDrawPoint(this, m_ptEnd);
    MoveToEx(hDC, a.x, a.y, nullptr);
    LineTo(hDC, b.x, b.y);
    // A line shows its grips on its own points, never a rectangle.
    if (m_bSelected && !bNoOutline) {
        DrawHandle(hDC, a.x, a.y);
        DrawHandle(hDC, HalfWay(a.x, b.x), HalfWay(a.y, b.y));
        DrawHandle(hDC, b.x, b.y);
    }
    return true;
}

bool AdShadow::Draw(HDC hDC, bool bNoOutline)
{
    if (!hDC)
        return false;
    if (!bNoOutline)
        DrawOutline(hDC, m_bSelected);
    return true;
}

bool AdFrame::Draw(HDC hDC, bool bNoOutline)
{
    if (!hDC)
        return false;
    // The frame paints over its outline: only the handles stick out of it.
    if (!bNoOutline)
        DrawOutline(hDC, m_bSelected);
    PrepareGdi();
    if (m_nFrameType == 1) {
        SelectScope pen(hDC, m_hPen);
        SelectScope brush(hDC, m_hBrush);
        const RECT r = GetDrawRect(this);
        if (m_nRoundCorner > 0)
            RoundRect(hDC, r.left, r.top, r.right, r.bottom, m_nRoundCorner, m_nRoundCorner);
        else
            Rectangle(hDC, r.left, r.top, r.right, r.bottom);
    }
    return true;
}
