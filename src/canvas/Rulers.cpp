#include "canvas/Rulers.h"

#include "canvas/GdiScope.h"
#include "canvas/ScrollMath.h"

#include <cstdio>

namespace canvas {

namespace {

const int TICK_STEP = 10;
const int LABEL_STEP = 50;

void DrawLine(HDC hDC, int x1, int y1, int x2, int y2)
{
    MoveToEx(hDC, x1, y1, nullptr);
    LineTo(hDC, x2, y2);
}

void DrawLabel(HDC hDC, int x, int y, int nValue)
{
    char text[16];
    int n = std::snprintf(text, sizeof text, "%d", nValue);
    TextOutA(hDC, x, y, text, n);
}

}  // namespace

void DrawRulers(HDC hDC, const RECT &rcClient, int nScrollX, int nScrollY, HPEN hPen, HFONT hFont)
{
    const HBRUSH hWhite = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RECT rcTop = {0, 0, rcClient.right, RULER_SIZE};
    RECT rcLeft = {0, 0, RULER_SIZE, rcClient.bottom};
    FillRect(hDC, &rcTop, hWhite);
    FillRect(hDC, &rcLeft, hWhite);

    SelectScope pen(hDC, hPen);
    SelectScope font(hDC, hFont);
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, RGB(0, 0, 0));

    const int axis = RULER_SIZE;
    DrawLine(hDC, axis, axis, rcClient.right, axis);
    DrawLine(hDC, axis, axis, axis, rcClient.bottom);

    for (int o = FirstTickOffset(nScrollX); o < rcClient.right; o += TICK_STEP) {
        int v = nScrollX + o;
        int x = o + axis;
        if (v % LABEL_STEP == 0) {
            DrawLine(hDC, x, axis, x, axis - 4);
            DrawLabel(hDC, o + 28, 17, v);
        } else {
            DrawLine(hDC, x, axis, x, axis - 2);
        }
    }
    for (int o = FirstTickOffset(nScrollY); o < rcClient.bottom; o += TICK_STEP) {
        int v = nScrollY + o;
        int y = o + axis;
        if (v % LABEL_STEP == 0) {
            DrawLine(hDC, axis, y, axis - 4, y);
            DrawLabel(hDC, 8, o + 28, v);
        } else {
            DrawLine(hDC, axis, y, axis - 2, y);
        }
    }
}

}  // namespace canvas
