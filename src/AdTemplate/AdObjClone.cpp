#include "AdTemplate/AdObjClone.h"

#include <string.h>

#include "AdTemplate/AdObjects.h"

namespace {

// What every kind carries; the selection flag included, so a restored template shows the
// same current object.
void CopyCommon(AdObj *pTo, const AdObj &from)
{
    pTo->m_rcPos = from.m_rcPos;
    pTo->m_bSelected = from.m_bSelected;
    memcpy(pTo->m_szName, from.m_szName, sizeof(pTo->m_szName));
    pTo->m_nOffsetX = from.m_nOffsetX;
    pTo->m_nOffsetY = from.m_nOffsetY;
}

AdObj *CloneAdSense(const AdSense &from)
{
    AdSense *p = new AdSense;
    p->m_info = from.m_info;
    memcpy(p->m_ads, from.m_ads, sizeof(p->m_ads));
    p->m_nAdCount = from.m_nAdCount;
    p->m_reserved = from.m_reserved;
    // The fonts follow the format and the brushes the colours: rebuild both from the copy.
    p->UpdateGdi();
    return p;
}

AdObj *ClonePicture(const Pictra &from)
{
    Pictra *p = new Pictra;
    // The picture bytes stay in their file; the clone names the same copy.
    memcpy(p->m_szFile, from.m_szFile, sizeof(p->m_szFile));
    memcpy(p->m_szExt, from.m_szExt, sizeof(p->m_szExt));
    p->m_reserved = from.m_reserved;
    return p;
}

AdObj *CloneText(const AdText &from)
{
    AdText *p = new AdText;
    memcpy(p->m_szText, from.m_szText, sizeof(p->m_szText));
    p->m_lf = from.m_lf;
    p->m_crText = from.m_crText;
    p->m_crBack = from.m_crBack;
    p->m_nAlign = from.m_nAlign;
    p->m_reserved = from.m_reserved;
    return p;
}

AdObj *CloneLine(const AdLine &from)
{
    AdLine *p = new AdLine;
    p->m_nWidth = from.m_nWidth;
    p->m_nStyle = from.m_nStyle;
    p->m_crLine = from.m_crLine;
    p->m_ptStart = from.m_ptStart;
    p->m_ptEnd = from.m_ptEnd;
    p->m_reserved = from.m_reserved;
    return p;
}

AdObj *CloneShadow(const AdShadow &from)
{
    AdShadow *p = new AdShadow;
    p->m_nValue = from.m_nValue;
    p->m_reserved = from.m_reserved;
    return p;
}

AdObj *CloneFrame(const AdFrame &from)
{
    AdFrame *p = new AdFrame;
    p->m_nFrameType = from.m_nFrameType;
    p->m_crBack = from.m_crBack;
    p->m_nLineWidth = from.m_nLineWidth;
    p->m_nLineStyle = from.m_nLineStyle;
    p->m_nRoundCorner = from.m_nRoundCorner;
    p->m_crLine = from.m_crLine;
    memcpy(p->m_szExtra, from.m_szExtra, sizeof(p->m_szExtra));
    p->m_crExtra1 = from.m_crExtra1;
    p->m_crExtra2 = from.m_crExtra2;
    p->m_nExtra = from.m_nExtra;
    p->m_reserved = from.m_reserved;
    return p;
}

AdObj *CloneKind(const AdObj &from)
{
    switch (from.GetType()) {
    case OBJ_ADSENSE: return CloneAdSense(static_cast<const AdSense &>(from));
    case OBJ_IMAGE: return ClonePicture(static_cast<const Pictra &>(from));
    case OBJ_TEXT: return CloneText(static_cast<const AdText &>(from));
    case OBJ_LINE: return CloneLine(static_cast<const AdLine &>(from));
    case OBJ_SHADOW: return CloneShadow(static_cast<const AdShadow &>(from));
    case OBJ_FRAME: return CloneFrame(static_cast<const AdFrame &>(from));
    default: return nullptr;
    }
}

}  // namespace

AdObj *CloneObject(const AdObj *pObj)
{
    if (!pObj)
        return nullptr;
    AdObj *pClone = CloneKind(*pObj);
    if (pClone)
        CopyCommon(pClone, *pObj);
    return pClone;
}
