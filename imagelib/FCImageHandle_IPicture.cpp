#include "FCImageHandle_IPicture.h"
#include "FCImageDraw.h"
#include "FCMemoryStream.h"
#include "FCObjImage.h"

#include <ole2.h>
#include <olectl.h>
#include <new>
#include <stdlib.h>
#include <string.h>

namespace {

// Copies a bitmap handle's pixels into a new 24-bit frame through the screen DC.
FCObjImage *FrameFromBitmap(HBITMAP hBitmap)
{
    BITMAP bm = {};
    if (!GetObjectA(hBitmap, sizeof bm, &bm))
        return nullptr;
    FCObjImage *pFrame = new (std::nothrow) FCObjImage;
    if (!pFrame || !pFrame->CreateBlank(bm.bmWidth, bm.bmHeight, 24)) {
        delete pFrame;
        return nullptr;
    }
    BITMAPINFO *pInfo = pFrame->MakeBitmapInfo();
    HDC hScreen = GetDC(nullptr);
    const int nRows = (pInfo && hScreen)
                          ? GetDIBits(hScreen, hBitmap, 0, pFrame->Height(), pFrame->GetPixels(), pInfo, DIB_RGB_COLORS)
                          : 0;
    if (hScreen)
        ReleaseDC(nullptr, hScreen);
    free(pInfo);
    if (nRows == 0) {
        delete pFrame;
        return nullptr;
    }
    return pFrame;
}

}  // namespace

bool FCImageHandle_IPicture::LoadFromMemory(const BYTE *pData, int nSize)
{
    IStream *pStream = CreateMemoryStreamCopy(pData, nSize);
    if (!pStream)
        return false;
    IPicture *pPicture = nullptr;
    FCObjImage *pFrame = nullptr;
    if (OleLoadPicture(pStream, nSize, FALSE, IID_IPicture, reinterpret_cast<void **>(&pPicture)) == S_OK &&
        pPicture) {
        SHORT nType = PICTYPE_UNINITIALIZED;
        OLE_HANDLE hHandle = 0;
        if (pPicture->get_Type(&nType) == S_OK && nType == PICTYPE_BITMAP && pPicture->get_Handle(&hHandle) == S_OK)
            pFrame = FrameFromBitmap(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(hHandle)));
        pPicture->Release();
    }
    pStream->Release();
    return PCL_PushObject(pFrame);
}
