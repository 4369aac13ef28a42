#pragma once
#include <windows.h>

#include "FCPtrList.h"

#include "FCObjImage.h"

// The images a writer is asked to write: lent by the caller, never owned.
class FCImageHandleBase {
public:
    bool AddImageToWrite(const FCObjImage *pImage) { return m_saveImages.Add(pImage); }

protected:
    ~FCImageHandleBase() {}
    // The first lent image when it holds pixels, else null.
    const FCObjImage *ImageToWrite() const;

    FCPtrList<const FCObjImage> m_saveImages;
};

// Owns a list of objects and deletes them with itself.
template <class T>
class PCL_Interface_Composite {
public:
    int PCL_GetObjectCount() const { return m_objects.Count(); }
    T *PCL_GetObject(int i) const { return m_objects[i]; }
    // Takes ownership; when the list cannot grow the object is deleted and false returned.
    bool PCL_PushObject(T *pObj)
    {
        if (!pObj)
            return false;
        if (m_objects.Add(pObj))
            return true;
        delete pObj;
        return false;
    }
    // Hands every object over to the caller, who deletes them from now on.
    void PCL_DetachAll() { m_objects.Clear(); }
    void PCL_DeleteAll()
    {
        for (int i = 0; i < m_objects.Count(); i++)
            delete m_objects[i];
        m_objects.Clear();
    }

protected:
    ~PCL_Interface_Composite() { PCL_DeleteAll(); }

private:
    FCPtrList<T> m_objects;
};

// The library's own readers trust the sizes a file declares only this far: the pixels must
// fit in what the file could hold when run-length packed (about 128 times its size) plus a
// margin, so a few bytes that claim a huge picture are refused instead of costing hundreds of
// megabytes on every load. A file merely cut short still loads.
bool IsPlausiblePictureSize(long long nWidth, long long nHeight, int nBits, int nFileSize);

// A reader/writer of one picture format, alive for one load or one save. Reading produces
// frames the handle owns until they are detached.
class FCImageHandle : public FCImageHandleBase, public PCL_Interface_Composite<FCObjImage> {
public:
    FCImageHandle() {}
    FCImageHandle(const FCImageHandle &) = delete;
    FCImageHandle &operator=(const FCImageHandle &) = delete;

    // Reads the whole file and hands it to LoadFromMemory.
    virtual bool LoadFromFile(const char *fileName);
    virtual bool LoadFromMemory(const BYTE *pData, int nSize) { return false; }
    virtual bool SaveToFile(const char *fileName, int nParam) { return false; }
    // Appends the frames to list; with bDetach the caller owns them afterwards.
    virtual void GetFrameList(FCPtrList<FCObjImage> &list, bool bDetach);
    virtual ~FCImageHandle() {}
};
