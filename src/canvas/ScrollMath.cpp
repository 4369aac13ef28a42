#include "canvas/ScrollMath.h"

#include <windows.h>

#include <climits>

namespace canvas {

const int PAGE_STEP = 200;

int ScrollRequestPos(int nRequest, int nPos, int nMax, int nThumb, int nLineStep)
{
    switch (nRequest) {
    case SB_LINEUP:
        return nPos > nLineStep ? nPos - nLineStep : (nPos > 0 ? 0 : nPos);
    case SB_LINEDOWN:
        return nPos < nMax - nLineStep ? nPos + nLineStep : (nPos < nMax ? nMax : nPos);
    case SB_PAGEUP:
        return nPos > PAGE_STEP ? nPos - PAGE_STEP : 0;
    case SB_PAGEDOWN:
        return nPos < nMax - PAGE_STEP ? nPos + PAGE_STEP : nMax;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        return nThumb;
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return nMax;
    default:
        return nPos;
    }
}

ScrollFit FitScroll(int nClient, int nReserved, int nContent, int nPos)
{
    ScrollFit fit = {};
    // 64-bit on the way: a damaged template may reach the ends of the int range.
    long long nMax = (long long)nContent - nClient + nReserved;
    if (nMax > 0) {
        fit.bBar = true;
        fit.nMax = nMax > INT_MAX ? INT_MAX : (int)nMax;
        fit.nPos = nPos > fit.nMax ? fit.nMax : nPos;
    }
    return fit;
}

int FirstTickOffset(int nScroll)
{
    int r = nScroll % 10;
    return r < 1 ? 0 : 10 - r;
}

}  // namespace canvas
