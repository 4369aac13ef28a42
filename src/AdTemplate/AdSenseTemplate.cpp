#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/AdSense.h"
#include "misc/CxList.h"
#include "misc/IntMath.h"
#include "misc/WinUtil.h"
#include <limits.h>
#include <stdio.h>
#include <string.h>

AdSenseTemplate::AdSenseTemplate()
    : m_szFile{}, m_dwReserved{}, m_szReserved{}, m_nMarginLeft(0), m_nMarginRight(0),
      m_nMarginTop(0), m_nMarginBottom(0), m_nMaxMargin(TEMPLATE_MAX_MARGIN),
      m_pList(new CxList), m_pCurrent(nullptr), m_pAdSense(nullptr),
      m_pFile(NewFileObject()), m_bModified(false), m_szMadeName{}, m_szCode{}
{
    m_pAdSense = new AdSense;
    Add(m_pAdSense);
    // Construction is not an edit: the main window follows it with New or Open anyway.
    m_bModified = false;
}

AdSenseTemplate::~AdSenseTemplate()
{
    Clear();
    delete m_pList;
    FreeFileObject(m_pFile);
}

void AdSenseTemplate::New()
{
    Clear();
    AdSense *pAdSense = new AdSense;
    Add(pAdSense);
    m_pAdSense = pAdSense;
    RECT rc = {10, 10, 10, 10};
    pAdSense->SetPos(&rc);
    pAdSense->SetFormat(1);
    snprintf(m_szFile, sizeof(m_szFile), "%soutput\\noname.atp", GetProgramFolder());
    m_bModified = false;
}

AdObj *AdSenseTemplate::Add(AdObj *pObj)
{
    // A second node for the same object would destroy it twice.
    if (!m_pList || !pObj || m_pList->Find(pObj))
        return nullptr;
    m_pList->Add(pObj);
    SetCurrent(pObj);
    m_bModified = true;
    return pObj;
}

bool AdSenseTemplate::Delete(AdObj *pObj)
{
    if (!m_pList || !pObj || !m_pList->Remove(pObj, false))
        return false;
    if (pObj == m_pCurrent)
        m_pCurrent = nullptr;
    // Keep no reference to a destroyed placeholder.
    if (pObj == m_pAdSense)
        m_pAdSense = nullptr;
    delete pObj;
    if (m_pList->GetCount() > 0)
        SetCurrent(static_cast<AdObj *>(m_pList->GetLast()));
    m_bModified = true;
    return true;
}

void AdSenseTemplate::Clear()
{
    if (m_pList) {
        for (AdObj *pObj = GetFirst(); pObj; pObj = GetNext())
            delete pObj;
        m_pList->RemoveAll(false);
    }
    m_pCurrent = nullptr;
    m_pAdSense = nullptr;
}

void AdSenseTemplate::SetFilePath(const char *szFile)
{
    if (szFile && strlen(szFile) < sizeof(m_szFile))
        memmove(m_szFile, szFile, strlen(szFile) + 1);
}

void AdSenseTemplate::ReplaceObjects(AdObj *const *ppObjects, unsigned nCount, int nCurrent)
{
    const bool bModified = m_bModified;
    Clear();
    AdObj *pCurrent = nullptr;
    for (unsigned i = 0; i < nCount; i++) {
        AdObj *pObj = ppObjects[i];
        if (!Add(pObj)) {
            // Ours now, yet refused: only an object the list already holds must not go.
            if (pObj && (!m_pList || !m_pList->Find(pObj)))
                delete pObj;
            continue;
        }
        pObj->SetSelected(false);
        if (pObj->GetType() == OBJ_ADSENSE && !m_pAdSense)
            m_pAdSense = static_cast<AdSense *>(pObj);
        if (static_cast<int>(i) == nCurrent)
            pCurrent = pObj;
    }
    if (pCurrent)
        SetCurrent(pCurrent);
    else
        m_pCurrent = nullptr;
    m_bModified = bModified;
}

AdObj *AdSenseTemplate::GetFirst()
{
    return m_pList ? static_cast<AdObj *>(m_pList->GetFirst()) : nullptr;
}

AdObj *AdSenseTemplate::GetNext()
{
    return m_pList ? static_cast<AdObj *>(m_pList->GetNext()) : nullptr;
}

AdObj *AdSenseTemplate::GetLast()
{
    return m_pList ? static_cast<AdObj *>(m_pList->GetLast()) : nullptr;
}

AdObj *AdSenseTemplate::GetPrev()
{
    return m_pList ? static_cast<AdObj *>(m_pList->GetPrev()) : nullptr;
}

unsigned AdSenseTemplate::GetCount() const
{
    return m_pList ? m_pList->GetCount() : 0;
}

const char *AdSenseTemplate::MakeName(int nType)
{
    static const char *const s_kindNames[] = {"Image", "Text", "Line", "Shadow", "Frame"};
    const char *szKind = (nType >= OBJ_IMAGE && nType <= OBJ_FRAME) ? s_kindNames[nType - 1]
                                                                     : "Object";
    int nCount = 0;
    for (AdObj *pObj = GetFirst(); pObj; pObj = GetNext()) {
        if (pObj->GetType() == nType)
            nCount++;
    }
    snprintf(m_szMadeName, sizeof(m_szMadeName), "%s %d", szKind, nCount + 1);
    return m_szMadeName;
}

bool AdSenseTemplate::GetBounds(int *pLeft, int *pTop, int *pRight, int *pBottom)
{
    int nLeft = 10000, nTop = 10000, nRight = 0, nBottom = 0;
    for (AdObj *pObj = GetFirst(); pObj; pObj = GetNext()) {
        const RECT &rc = pObj->m_rcPos;
        if (rc.left < nLeft) nLeft = rc.left;
        if (rc.top < nTop) nTop = rc.top;
        if (rc.right > nRight) nRight = rc.right;
        if (rc.bottom > nBottom) nBottom = rc.bottom;
    }
    if (pLeft) *pLeft = nLeft;
    if (pTop) *pTop = nTop;
    if (pRight) *pRight = nRight;
    if (pBottom) *pBottom = nBottom;
    return true;
}

bool AdSenseTemplate::GetSize(int *pWidth, int *pHeight, bool bAbsolute)
{
    int nLeft, nTop, nRight, nBottom;
    GetBounds(&nLeft, &nTop, &nRight, &nBottom);
    if (pWidth)
        *pWidth = bAbsolute ? nRight : ClampToInt((long long)nRight - nLeft);
    if (pHeight)
        *pHeight = bAbsolute ? nBottom : ClampToInt((long long)nBottom - nTop);
    return true;
}

namespace {

// One edge of the picture moved out from the objects' edge by a margin, towards the plane's
// origin: the margin stops at 0, but an object that lies beyond 0 is never cut. A negative
// margin (only a damaged file holds one) counts as none.
int GrowTowardsOrigin(int nEdge, int nMargin)
{
    if (nMargin <= 0 || nEdge <= 0)
        return nEdge;
    return nEdge < nMargin ? 0 : nEdge - nMargin;
}

// The right or bottom edge moved out by its margin, away from the origin.
int GrowAway(int nEdge, int nMargin)
{
    return nMargin <= 0 ? nEdge : AddClamped(nEdge, nMargin);
}

}  // namespace

bool AdSenseTemplate::GetPictureRect(RECT *prcPicture)
{
    if (!prcPicture)
        return false;
    int nLeft, nTop, nRight, nBottom;
    GetBounds(&nLeft, &nTop, &nRight, &nBottom);
    prcPicture->left = GrowTowardsOrigin(nLeft, m_nMarginLeft);
    prcPicture->top = GrowTowardsOrigin(nTop, m_nMarginTop);
    prcPicture->right = GrowAway(nRight, m_nMarginRight);
    prcPicture->bottom = GrowAway(nBottom, m_nMarginBottom);
    return true;
}

bool AdSenseTemplate::GetPictureSize(int *pWidth, int *pHeight)
{
    RECT rc;
    GetPictureRect(&rc);
    if (pWidth) *pWidth = ClampToInt((long long)rc.right - rc.left);
    if (pHeight) *pHeight = ClampToInt((long long)rc.bottom - rc.top);
    return true;
}

void AdSenseTemplate::SetCurrent(AdObj *pObj)
{
    // Only an object of this template may be current: the canvases and the file trust it.
    if (!pObj || !m_pList || !m_pList->Find(pObj))
        return;
    if (m_pCurrent)
        m_pCurrent->SetSelected(false);
    pObj->SetSelected(true);
    m_pCurrent = pObj;
}

int AdSenseTemplate::ClampMargin(int nMargin) const
{
    if (nMargin < 0)
        return 0;
    return nMargin > m_nMaxMargin ? m_nMaxMargin : nMargin;
}

void AdSenseTemplate::SetMarginLeft(int nMargin) { m_nMarginLeft = ClampMargin(nMargin); }
void AdSenseTemplate::SetMarginRight(int nMargin) { m_nMarginRight = ClampMargin(nMargin); }
void AdSenseTemplate::SetMarginTop(int nMargin) { m_nMarginTop = ClampMargin(nMargin); }
void AdSenseTemplate::SetMarginBottom(int nMargin) { m_nMarginBottom = ClampMargin(nMargin); }
