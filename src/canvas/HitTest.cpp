#include "canvas/HitTest.h"

namespace canvas {

static bool InBand(int left, int top, int right, int bottom, POINT pt)
{
    RECT band = {left, top, right, bottom};
    return PtInRect(&band, pt) != FALSE;
}

bool HitsObject(const RECT &rc, POINT pt)
{
    RECT grown = rc;
    InflateRect(&grown, 1, 1);
    return PtInRect(&grown, pt) != FALSE;
}

int HitTestBands(const RECT &rc, POINT pt, bool bButtonDown, bool bResizable)
{
    if (bButtonDown && InBand(rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 2, pt))
        return HIT_MOVE;
    if (!bResizable)
        return HIT_NONE;

    // Edges first, each a band 4 pixels wide centred on the edge and stopping 2 pixels short
    // of the corners; the corners are squares of the same size.
    if (InBand(rc.left + 2, rc.top - 2, rc.right - 2, rc.top + 2, pt))
        return HIT_TOP;
    if (InBand(rc.left + 2, rc.bottom - 2, rc.right - 2, rc.bottom + 2, pt))
        return HIT_BOTTOM;
    if (InBand(rc.left - 2, rc.top + 2, rc.left + 2, rc.bottom - 2, pt))
        return HIT_LEFT;
    if (InBand(rc.right - 2, rc.top + 2, rc.right + 2, rc.bottom - 2, pt))
        return HIT_RIGHT;

    struct Corner { int x, y, code; };
    const Corner corners[] = {
        {rc.left, rc.top, HIT_TOPLEFT},
        {rc.right, rc.bottom, HIT_BOTTOMRIGHT},
        {rc.right, rc.top, HIT_TOPRIGHT},
        {rc.left, rc.bottom, HIT_BOTTOMLEFT},
    };
    for (const Corner &c : corners)
        if (InBand(c.x - 2, c.y - 2, c.x + 2, c.y + 2, pt))
            return c.code;
    return HIT_NONE;
}

int CursorGroup(int nHitCode)
{
    switch (nHitCode) {
    case HIT_MOVE: return 1;
    case HIT_TOP: case HIT_BOTTOM: return 2;
    case HIT_LEFT: case HIT_RIGHT: return 3;
    case HIT_TOPRIGHT: case HIT_BOTTOMLEFT: return 4;
    case HIT_TOPLEFT: case HIT_BOTTOMRIGHT: return 5;
    default: return 0;
    }
}

LPCSTR CursorGroupResource(int nGroup)
{
    static const LPCSTR resources[CURSOR_GROUP_COUNT] = {
        IDC_ARROW, IDC_CROSS, IDC_SIZENS, IDC_SIZEWE, IDC_SIZENESW, IDC_SIZENWSE,
    };
    if (nGroup < 0 || nGroup >= CURSOR_GROUP_COUNT)
        return IDC_ARROW;
    return resources[nGroup];
}

}  // namespace canvas
