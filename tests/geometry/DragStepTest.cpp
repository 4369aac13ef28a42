#include <gtest/gtest.h>

#include "canvas/DragStep.h"
#include "canvas/HitTest.h"

using namespace canvas;

namespace {

// A view of 500 x 400 template pixels scrolled to (sx, sy).
DragInput Step(int nMode, RECT rc, int dx, int dy, int sx = 0, int sy = 0)
{
    DragInput in = {};
    in.nMode = nMode;
    in.rcObject = rc;
    in.nDx = dx;
    in.nDy = dy;
    in.rcView = {sx, sy, sx + 500, sy + 400};
    in.nScrollX = sx;
    in.nScrollY = sy;
    return in;
}

void ExpectRect(const RECT &actual, const RECT &expected, const char *what)
{
    EXPECT_EQ(actual.left, expected.left) << what;
    EXPECT_EQ(actual.top, expected.top) << what;
    EXPECT_EQ(actual.right, expected.right) << what;
    EXPECT_EQ(actual.bottom, expected.bottom) << what;
}

const RECT kObj = {100, 100, 200, 150};

}  // namespace

TEST(DragStep, EachModeMovesItsSidesAndKeepsTwoPixels)
{
    const struct {
        const char *what;
        int nMode, dx, dy;
        RECT expected;
    } cases[] = {
        {"move", HIT_MOVE, 7, -3, {107, 97, 207, 147}},
        {"top", HIT_TOP, 9, 10, {100, 110, 200, 150}},
        {"bottom", HIT_BOTTOM, 9, 10, {100, 100, 200, 160}},
        {"left", HIT_LEFT, 10, 9, {110, 100, 200, 150}},
        {"right", HIT_RIGHT, 10, 9, {100, 100, 210, 150}},
        {"top-right", HIT_TOPRIGHT, 5, 6, {100, 106, 205, 150}},
        {"bottom-left", HIT_BOTTOMLEFT, 5, 6, {105, 100, 200, 156}},
        {"top-left", HIT_TOPLEFT, 5, 6, {105, 106, 200, 150}},
        {"bottom-right", HIT_BOTTOMRIGHT, 5, 6, {100, 100, 205, 156}},
        // Pushed past the opposite side, every side stops 2 pixels from it.
        {"top past bottom", HIT_TOP, 0, 500, {100, 148, 200, 150}},
        {"bottom past top", HIT_BOTTOM, 0, -500, {100, 100, 200, 102}},
        {"left past right", HIT_LEFT, 500, 0, {198, 100, 200, 150}},
        {"right past left", HIT_RIGHT, -500, 0, {100, 100, 102, 150}},
        {"corner collapsed", HIT_BOTTOMRIGHT, -500, -500, {100, 100, 102, 102}},
        // And never past the template origin.
        {"move past origin", HIT_MOVE, -150, -120, {0, 0, 100, 50}},
        {"left past origin", HIT_LEFT, -130, 0, {0, 100, 200, 150}},
        {"top-left past origin", HIT_TOPLEFT, -130, -130, {0, 0, 200, 150}},
    };
    for (const auto &c : cases) {
        DragResult r = ComputeDragStep(Step(c.nMode, kObj, c.dx, c.dy));
        EXPECT_TRUE(r.bChanged) << c.what;
        EXPECT_FALSE(r.bScrolled) << c.what;
        ExpectRect(r.rcObject, c.expected, c.what);
    }
}

TEST(DragStep, NothingChangesWhenTheLimitsEatTheMovement)
{
    const RECT atOrigin = {0, 0, 50, 50};
    const RECT thin = {100, 100, 102, 102};
    const struct {
        const char *what;
        int nMode;
        RECT rc;
        int dx, dy;
    } cases[] = {
        {"move left at origin", HIT_MOVE, atOrigin, -5, -5},
        {"bottom at minimum", HIT_BOTTOM, thin, 0, -4},
        {"right at minimum", HIT_RIGHT, thin, -4, 0},
        {"top at minimum", HIT_TOP, thin, 0, 4},
        {"left at minimum", HIT_LEFT, thin, 4, 0},
        // A single-axis mode ignores the other axis.
        {"top, sideways", HIT_TOP, kObj, 9, 0},
        {"right, vertically", HIT_RIGHT, kObj, 0, 9},
    };
    for (const auto &c : cases) {
        DragResult r = ComputeDragStep(Step(c.nMode, c.rc, c.dx, c.dy));
        EXPECT_FALSE(r.bChanged) << c.what;
        ExpectRect(r.rcObject, c.rc, c.what);
    }
}

TEST(DragStep, SidesLeavingTheViewScrollIt)
{
    // Right past the view's right edge (500): the view scrolls by the overshoot.
    DragResult r = ComputeDragStep(Step(HIT_MOVE, {400, 100, 480, 150}, 30, 0));
    EXPECT_TRUE(r.bChanged);
    EXPECT_TRUE(r.bScrolled);
    EXPECT_EQ(r.nScrollX, 10);
    EXPECT_EQ(r.nScrollY, 0);
    ExpectRect(r.rcObject, {430, 100, 510, 150}, "moved right");

    r = ComputeDragStep(Step(HIT_BOTTOM, {100, 100, 200, 390}, 0, 25));
    EXPECT_TRUE(r.bScrolled);
    EXPECT_EQ(r.nScrollY, 15);

    // Left of the view while scrolled: back by the overshoot, never below 0.
    r = ComputeDragStep(Step(HIT_MOVE, {60, 100, 100, 150}, -20, 0, 50, 0));
    EXPECT_TRUE(r.bScrolled);
    EXPECT_EQ(r.nScrollX, 40);
    r = ComputeDragStep(Step(HIT_LEFT, {60, 100, 100, 150}, -50, 0, 30, 0));
    EXPECT_EQ(r.nScrollX, 10);
    ExpectRect(r.rcObject, {10, 100, 100, 150}, "left edge scrolled");

    // Inside the view nothing scrolls; unscrolled, the origin limit comes first.
    r = ComputeDragStep(Step(HIT_MOVE, kObj, 5, 5));
    EXPECT_FALSE(r.bScrolled);
    r = ComputeDragStep(Step(HIT_MOVE, {5, 5, 50, 50}, -10, 0));
    EXPECT_FALSE(r.bScrolled);
    ExpectRect(r.rcObject, {0, 5, 45, 50}, "stopped at 0");
}

TEST(DragStep, ScrollAskedForStaysWhenTheObjectCannotFollow)
{
    // Scrolled to 100 with the object out of sight at 20: a step without movement brings
    // the view back to the object but reports no change, so nothing is repainted yet.
    DragResult r = ComputeDragStep(Step(HIT_MOVE, {20, 20, 60, 60}, 0, 0, 100, 0));
    EXPECT_FALSE(r.bChanged);
    EXPECT_TRUE(r.bScrolled);
    EXPECT_EQ(r.nScrollX, 20);
    // At the origin the limit wins over the scroll.
    r = ComputeDragStep(Step(HIT_MOVE, {0, 0, 40, 40}, -10, 0, 100, 0));
    EXPECT_FALSE(r.bChanged);
    EXPECT_EQ(r.nScrollX, 100);
}
