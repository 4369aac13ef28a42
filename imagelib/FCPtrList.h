#pragma once
#include <new>
#include <string.h>

// A growable list of pointers that never throws: a failed growth is a false result.
// It never owns what it points at.
template <class T>
class FCPtrList {
public:
    FCPtrList() {}
    ~FCPtrList() { delete[] m_pItems; }
    FCPtrList(const FCPtrList &) = delete;
    FCPtrList &operator=(const FCPtrList &) = delete;

    int Count() const { return m_nCount; }
    T *operator[](int i) const { return m_pItems[i]; }

    bool Add(T *p)
    {
        if (m_nCount == m_nCapacity) {
            int nNew = m_nCapacity ? m_nCapacity * 2 : 4;
            T **pNew = new (std::nothrow) T *[nNew];
            if (!pNew)
                return false;
            if (m_nCount)
                memcpy(pNew, m_pItems, sizeof(T *) * m_nCount);
            delete[] m_pItems;
            m_pItems = pNew;
            m_nCapacity = nNew;
        }
        m_pItems[m_nCount++] = p;
        return true;
    }

    void Clear() { m_nCount = 0; }
    // Forgets the entries from index n on.
    void Truncate(int n)
    {
        if (n >= 0 && n < m_nCount)
            m_nCount = n;
    }

private:
    T **m_pItems = nullptr;
    int m_nCount = 0;
    int m_nCapacity = 0;
};
