#include "canvas/DragStep.h"

#include "canvas/HitTest.h"

#include <algorithm>

namespace canvas {

namespace {

const int MIN_SIZE = 2;

// One axis of the drag: the near side (left or top) and the far side (right or bottom) of
// the object, the view span and the scroll position along that axis.
struct Axis {
    int nNear, nFar;
    int nViewNear, nViewFar;
    int *pScroll;
    bool *pScrolled;
};

// Limits of a moving near side. Answers true when a limit or an auto-scroll applied.
bool LimitNearSide(const Axis &a, int &d, bool bResizing)
{
    int side = a.nNear + d;
    if (side < 0) {
        d = -a.nNear;
        return true;
    }
    if (bResizing && side > a.nFar - MIN_SIZE) {
        d = a.nFar - a.nNear - MIN_SIZE;
        return true;
    }
    if (side < a.nViewNear && *a.pScroll > 0) {
        *a.pScroll = std::max(0, *a.pScroll + side - a.nViewNear);
        *a.pScrolled = true;
        return true;
    }
    return false;
}

void LimitFarSide(const Axis &a, int &d, bool bResizing)
{
    int side = a.nFar + d;
    if (bResizing && side < a.nNear + MIN_SIZE) {
        d = a.nNear + MIN_SIZE - a.nFar;
        return;
    }
    if (side > a.nViewFar) {
        *a.pScroll += side - a.nViewFar;
        *a.pScrolled = true;
    }
}

}  // namespace

DragResult ComputeDragStep(const DragInput &in)
{
    DragResult out = {};
    out.nScrollX = in.nScrollX;
    out.nScrollY = in.nScrollY;
    const RECT &r = in.rcObject;
    Axis h = {r.left, r.right, in.rcView.left, in.rcView.right, &out.nScrollX, &out.bScrolled};
    Axis v = {r.top, r.bottom, in.rcView.top, in.rcView.bottom, &out.nScrollY, &out.bScrolled};
    int dx = in.nDx, dy = in.nDy;
    bool bUsesX = true, bUsesY = true;
    RECT n = r;

    switch (in.nMode) {
    case HIT_MOVE:
        // A move is held back only at the origin; the far side matters just for scrolling.
        if (!LimitNearSide(h, dx, false))
            LimitFarSide(h, dx, false);
        if (!LimitNearSide(v, dy, false))
            LimitFarSide(v, dy, false);
        OffsetRect(&n, dx, dy);
        break;
    case HIT_TOP:
        LimitNearSide(v, dy, true);
        n.top += dy;
        bUsesX = false;
        break;
    case HIT_BOTTOM:
        LimitFarSide(v, dy, true);
        n.bottom += dy;
        bUsesX = false;
        break;
    case HIT_LEFT:
        LimitNearSide(h, dx, true);
        n.left += dx;
        bUsesY = false;
        break;
    case HIT_RIGHT:
        LimitFarSide(h, dx, true);
        n.right += dx;
        bUsesY = false;
        break;
    case HIT_TOPRIGHT:
        LimitFarSide(h, dx, true);
        LimitNearSide(v, dy, true);
        n.right += dx;
        n.top += dy;
        break;
    case HIT_BOTTOMLEFT:
        LimitNearSide(h, dx, true);
        LimitFarSide(v, dy, true);
        n.left += dx;
        n.bottom += dy;
        break;
    case HIT_TOPLEFT:
        LimitNearSide(h, dx, true);
        LimitNearSide(v, dy, true);
        n.left += dx;
        n.top += dy;
        break;
    case HIT_BOTTOMRIGHT:
        LimitFarSide(h, dx, true);
        LimitFarSide(v, dy, true);
        n.right += dx;
        n.bottom += dy;
        break;
    default:
        return out;
    }

    out.bChanged = (bUsesX && dx != 0) || (bUsesY && dy != 0);
    out.rcObject = out.bChanged ? n : r;
    return out;
}

}  // namespace canvas
