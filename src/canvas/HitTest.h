#pragma once
#include <windows.h>

// Which part of an object lies under the mouse, in template coordinates. The codes double as
// the drag modes of the editing canvas.
namespace canvas {

enum HitCode {
    HIT_NONE = 0,
    HIT_MOVE = 1,
    HIT_TOP = 2,
    HIT_BOTTOM = 3,
    HIT_LEFT = 4,
    HIT_RIGHT = 5,
    HIT_TOPRIGHT = 6,
    HIT_BOTTOMLEFT = 7,
    HIT_TOPLEFT = 8,
    HIT_BOTTOMRIGHT = 9,
};
const int HIT_CODE_COUNT = 10;

// True when pt lies in rc grown by one pixel on every side, so that thin and empty
// rectangles can still be clicked.
bool HitsObject(const RECT &rc, POINT pt);

// The drag mode a press at pt would start on the current object with rectangle rc. The
// interior moves only while the button is down (hovering it shows the arrow); an object that
// cannot be resized answers no edge or corner.
int HitTestBands(const RECT &rc, POINT pt, bool bButtonDown, bool bResizable);

// The six cursor groups: arrow, cross, north-south, west-east, NE-SW, NW-SE.
const int CURSOR_GROUP_COUNT = 6;
int CursorGroup(int nHitCode);
// The system cursor of a group, for LoadCursor(NULL, ...).
LPCSTR CursorGroupResource(int nGroup);

}  // namespace canvas
