#include "AdTemplate/AdDrawUtil.h"

#include "AdTemplate/AdObj.h"

RECT GetDrawRect(const AdObj *pObj)
{
    const RECT &rc = pObj->m_rcPos;
    RECT out = {AddClamped(rc.left, pObj->m_nOffsetX), AddClamped(rc.top, pObj->m_nOffsetY),
                AddClamped(rc.right, pObj->m_nOffsetX), AddClamped(rc.bottom, pObj->m_nOffsetY)};
    return out;
}

POINT GetDrawPoint(const AdObj *pObj, POINT pt)
{
    POINT out = {AddClamped(pt.x, pObj->m_nOffsetX), AddClamped(pt.y, pObj->m_nOffsetY)};
    return out;
}

void DrawHandle(HDC hDC, int x, int y)
{
    RECT rc = {AddClamped(x, -2), AddClamped(y, -2), AddClamped(x, 2), AddClamped(y, 2)};
    FillRect(hDC, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}
