#pragma once
#include <windows.h>

#include "misc/IntMath.h"

class AdObj;

// Pieces shared by the drawing of the object kinds.

// The object's rectangle moved by its drawing offset.
RECT GetDrawRect(const AdObj *pObj);
// A point of the template plane moved by the object's drawing offset.
POINT GetDrawPoint(const AdObj *pObj, POINT pt);
// A 4 x 4 black square centred on (x, y): the grip of a selected object.
void DrawHandle(HDC hDC, int x, int y);
