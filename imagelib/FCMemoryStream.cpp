#include "FCMemoryStream.h"

#include <ole2.h>
#include <string.h>

IStream *CreateMemoryStreamCopy(const BYTE *pData, int nSize)
{
    if (!pData || nSize <= 0)
        return nullptr;
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(nSize));
    if (!hMem)
        return nullptr;
    void *pMem = GlobalLock(hMem);
    if (!pMem) {
        GlobalFree(hMem);
        return nullptr;
    }
    memcpy(pMem, pData, static_cast<size_t>(nSize));
    GlobalUnlock(hMem);
    IStream *pStream = nullptr;
    if (CreateStreamOnHGlobal(hMem, TRUE, &pStream) != S_OK || !pStream) {
        GlobalFree(hMem);
        return nullptr;
    }
    return pStream;
}
