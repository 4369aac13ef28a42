#include "misc/CxList.h"
#include <stdlib.h>

CxList::~CxList()
{
    RemoveAll(false);
}

bool CxList::Add(void *p)
{
    if (!p)
        return false;
    CxListNode *pNode = new CxListNode{p, m_nCount, m_pTail, nullptr};
    if (m_pTail)
        m_pTail->pNext = pNode;
    else
        m_pHead = pNode;
    m_pTail = pNode;
    m_pCurr = pNode;
    m_nFindIndex = pNode->nIndex;
    m_nCount++;
    return true;
}

bool CxList::Remove(void *p, bool bFree)
{
    CxListNode *pNode = Find(p);
    if (!pNode)
        return false;
    for (CxListNode *pAfter = pNode->pNext; pAfter; pAfter = pAfter->pNext)
        pAfter->nIndex--;
    if (pNode->pPrev)
        pNode->pPrev->pNext = pNode->pNext;
    else
        m_pHead = pNode->pNext;
    if (pNode->pNext)
        pNode->pNext->pPrev = pNode->pPrev;
    else
        m_pTail = pNode->pPrev;
    // The follower now holds the removed node's index. Removing the tail leaves no
    // follower: the cursor is then empty and GetAt restarts from an end of the list.
    m_pCurr = pNode->pNext;
    m_nFindIndex = pNode->nIndex;
    if (bFree)
        free(pNode->pData);
    m_nCount--;
    delete pNode;
    return true;
}

void CxList::RemoveAll(bool bFree)
{
    CxListNode *pNode = m_pHead;
    while (pNode) {
        CxListNode *pNext = pNode->pNext;
        if (bFree)
            free(pNode->pData);
        delete pNode;
        pNode = pNext;
    }
    m_pHead = m_pTail = m_pCurr = nullptr;
    m_nCount = 0;
    m_nFindIndex = 0;
}

void *CxList::GetFirst()
{
    m_pCurr = m_pHead;
    m_nFindIndex = 0;
    return m_pHead ? m_pHead->pData : nullptr;
}

void *CxList::GetLast()
{
    m_pCurr = m_pTail;
    m_nFindIndex = m_nCount ? m_nCount - 1 : 0;
    return m_pTail ? m_pTail->pData : nullptr;
}

void *CxList::GetNext()
{
    if (m_nCount == 0 || m_nFindIndex >= m_nCount - 1)
        return nullptr;
    return GetAt(m_nFindIndex + 1);
}

void *CxList::GetPrev()
{
    if (m_nFindIndex == 0)
        return nullptr;
    return GetAt(m_nFindIndex - 1);
}

void *CxList::GetAt(unsigned nIndex)
{
    if (nIndex >= m_nCount)
        return nullptr;
    CxListNode *pNode = m_pCurr;
    if (!pNode)
        pNode = (nIndex < m_nCount / 2) ? m_pHead : m_pTail;
    while (pNode && pNode->nIndex < nIndex)
        pNode = pNode->pNext;
    while (pNode && pNode->nIndex > nIndex)
        pNode = pNode->pPrev;
    if (!pNode)
        return nullptr;
    m_pCurr = pNode;
    m_nFindIndex = nIndex;
    return pNode->pData;
}

CxListNode *CxList::Find(const void *p) const
{
    for (CxListNode *pNode = m_pHead; pNode; pNode = pNode->pNext) {
        if (pNode->pData == p)
            return pNode;
    }
    return nullptr;
}
