#pragma once
#include <windows.h>

class AdObj;

// Pieces shared by the drawing of the object kinds.

// The object's rectangle moved by its drawing offset.
RECT GetDrawRect(const AdObj *pObj);
// A point of the template plane moved by the object's drawing offset.
POINT GetDrawPoint(const AdObj *pObj, POINT pt);
// A 64-bit result held inside the int range: a damaged file may carry coordinates and
// sizes near its ends, and sums or differences of them leave it.
int ClampToInt(long long nValue);
// a + b held inside the int range.
int AddClamped(int a, int b);
// (a + b) / 2 truncated towards zero, without overflow.
int HalfWay(int a, int b);
// A 4 x 4 black square centred on (x, y): the grip of a selected object.
void DrawHandle(HDC hDC, int x, int y);
