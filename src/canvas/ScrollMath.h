#pragma once

// Scroll bar arithmetic shared by the editing and preview canvases.
namespace canvas {

// The position a scroll request (the low word of a WM_HSCROLL/WM_VSCROLL wParam) leads to.
// nThumb is the thumb position carried by SB_THUMBPOSITION and SB_THUMBTRACK; unknown
// requests keep the position.
int ScrollRequestPos(int nRequest, int nPos, int nMax, int nThumb, int nLineStep);

struct ScrollFit {
    bool bBar;  // the content does not fit: a bar with range 0..nMax
    int nMax;
    int nPos;   // the scroll position clamped to the range
};

// The range for content nContent pixels long shown in nClient pixels, of which nReserved
// are taken by a ruler.
ScrollFit FitScroll(int nClient, int nReserved, int nContent, int nPos);

// Offset from the ruler's start of the first tick at or after the scroll position; ticks
// sit on every multiple of 10 template pixels.
int FirstTickOffset(int nScroll);

}  // namespace canvas
