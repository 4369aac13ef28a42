#pragma once
#include <windows.h>

// One step of moving or resizing an object with the mouse, as plain arithmetic: the object's
// rectangle, the mouse delta and the visible template area in, the new rectangle and any
// auto-scroll out.
namespace canvas {

struct DragInput {
    int nMode;      // a HitCode other than HIT_NONE
    RECT rcObject;  // template coordinates
    int nDx, nDy;   // mouse movement since the last step
    RECT rcView;    // the template area on screen
    int nScrollX, nScrollY;
};

struct DragResult {
    bool bChanged;  // false: leave the object alone (limits ate the movement)
    RECT rcObject;
    bool bScrolled;
    int nScrollX, nScrollY;  // also valid when bChanged is false
};

// Sides never pass the template origin and a resized object keeps at least 2 pixels per
// axis; a side that leaves the view scrolls it, left and up never below 0.
DragResult ComputeDragStep(const DragInput &in);

}  // namespace canvas
