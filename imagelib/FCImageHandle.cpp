#include "FCImageHandle.h"
#include "FCFileIO.h"
#include "FCObjImage.h"

bool IsPlausiblePictureSize(long long nWidth, long long nHeight, int nBits, int nFileSize)
{
    if (nWidth <= 0 || nHeight <= 0 || nBits <= 0 || nBits > 32 || nFileSize < 0)
        return false;
    const long long nLimit = 128LL * nFileSize + 1024 * 1024;
    const long long nStride = FCObjImage::StrideOf(nWidth, nBits);
    return nHeight <= nLimit / nStride;
}

const FCObjImage *FCImageHandleBase::ImageToWrite() const
{
    if (m_saveImages.Count() == 0 || !m_saveImages[0] || !m_saveImages[0]->HasPixels())
        return nullptr;
    return m_saveImages[0];
}

bool FCImageHandle::LoadFromFile(const char *fileName)
{
    BYTE *pData = nullptr;
    int nSize = 0;
    if (!ReadWholeFile(fileName, &pData, &nSize))
        return false;
    const bool bOk = LoadFromMemory(pData, nSize);
    delete[] pData;
    return bOk;
}

void FCImageHandle::GetFrameList(FCPtrList<FCObjImage> &list, bool bDetach)
{
    const int nBefore = list.Count();
    for (int i = 0; i < PCL_GetObjectCount(); i++) {
        // When the list cannot take every frame it gets none: the handle keeps them all and
        // deletes them in time, so no frame ends up with two owners.
        if (!list.Add(PCL_GetObject(i))) {
            list.Truncate(nBefore);
            return;
        }
    }
    if (bDetach)
        PCL_DetachAll();
}
