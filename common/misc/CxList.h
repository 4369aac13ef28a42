#pragma once

// One link of a CxList. nIndex always equals the node's 0-based place in the list.
struct CxListNode {
    void *pData;
    unsigned nIndex;
    CxListNode *pPrev;
    CxListNode *pNext;
};

// A doubly linked list of untyped references with a search cursor. The list owns its
// nodes, never the referenced objects (unless RemoveAll/Remove are told to free them).
// An iteration starts with GetFirst or GetLast; Add and Remove move the cursor, so no
// iteration survives them.
class CxList {
public:
    CxList() = default;
    ~CxList();
    CxList(const CxList &) = delete;
    CxList &operator=(const CxList &) = delete;

    // Appends a node for p; false for a null reference. The cursor moves to the new node.
    bool Add(void *p);
    // Unlinks the first node holding p; the cursor moves to the node that followed it.
    // bFree releases p with free(): only for blocks that came from malloc.
    bool Remove(void *p, bool bFree = false);
    void RemoveAll(bool bFree = false);

    unsigned GetCount() const { return m_nCount; }
    void *GetFirst();
    void *GetLast();
    void *GetNext();
    void *GetPrev();
    // Walks from the cursor to nIndex and leaves the cursor there; null past the end.
    void *GetAt(unsigned nIndex);
    CxListNode *Find(const void *p) const;

private:
    CxListNode *m_pHead = nullptr;
    CxListNode *m_pTail = nullptr;
    CxListNode *m_pCurr = nullptr;
    unsigned m_nCount = 0;
    unsigned m_nFindIndex = 0;
};
