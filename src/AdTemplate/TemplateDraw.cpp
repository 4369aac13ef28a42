#include "AdTemplate/TemplateDraw.h"

#include "AdTemplate/AdObj.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "misc/IntMath.h"

void DrawTemplateOrnaments(AdSenseTemplate *pTemplate, HDC hDC, int nOffsetX, int nOffsetY,
                           bool bNoOutline)
{
    AdObj *pCurrent = pTemplate->GetCurrent();
    for (AdObj *pObj = pTemplate->GetFirst(); pObj; pObj = pTemplate->GetNext()) {
        if (pObj->GetType() == OBJ_ADSENSE || pObj == pCurrent)
            continue;
        pObj->SetOffset(nOffsetX, nOffsetY);
        pObj->Draw(hDC, bNoOutline);
    }
    if (pCurrent && pCurrent->GetType() != OBJ_ADSENSE) {
        pCurrent->SetOffset(nOffsetX, nOffsetY);
        pCurrent->Draw(hDC, bNoOutline);
    }
}

void DrawTemplatePicture(AdSenseTemplate *pTemplate, HDC hDC)
{
    if (!pTemplate || !hDC)
        return;
    RECT rcPicture;
    pTemplate->GetPictureRect(&rcPicture);
    RECT rcFill = {0, 0, ClampToInt((long long)rcPicture.right - rcPicture.left),
                   ClampToInt((long long)rcPicture.bottom - rcPicture.top)};
    FillRect(hDC, &rcFill, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawTemplateOrnaments(pTemplate, hDC, ClampToInt(-(long long)rcPicture.left),
                          ClampToInt(-(long long)rcPicture.top), true);
}
