#pragma once
#include <windows.h>

// The editing canvas's rulers: a band RULER_SIZE pixels high along the top and one as wide
// along the left, a tick every 10 template pixels and a labelled longer tick every 50.
namespace canvas {

const int RULER_SIZE = 32;

void DrawRulers(HDC hDC, const RECT &rcClient, int nScrollX, int nScrollY, HPEN hPen, HFONT hFont);

}  // namespace canvas
