#include "FCObjImage.h"
#include "FCImageHandle.h"
#include "FCImageHandleFactory.h"

namespace {

FCImageHandle *CreateHandleFor(const char *fileName)
{
    FCImageHandleFactory *pFactory = GetHandleFactory();
    return pFactory ? pFactory->CreateHandle(pFactory->QueryFileType(fileName)) : nullptr;
}

}  // namespace

bool FCObjImage::LoadFromFile(const char *fileName)
{
    FCImageHandle *pHandle = CreateHandleFor(fileName);
    if (!pHandle)
        return false;
    bool bOk = false;
    if (pHandle->LoadFromFile(fileName)) {
        FCPtrList<FCObjImage> frames;
        pHandle->GetFrameList(frames, false);
        // Later frames of multi-frame files are ignored.
        // The copy is made aside, so running out of memory leaves this image as it was.
        FCObjImage img;
        if (frames.Count() > 0)
            img.CopyFrom(*frames[0]);
        if (img.HasPixels()) {
            TakeOver(img);
            bOk = true;
        }
    }
    delete pHandle;
    return bOk;
}

bool FCObjImage::SaveToFile(const char *fileName, int nParam) const
{
    if (!HasPixels() || !fileName)
        return false;
    FCImageHandle *pHandle = CreateHandleFor(fileName);
    if (!pHandle)
        return false;
    const bool bOk = pHandle->AddImageToWrite(this) && pHandle->SaveToFile(fileName, nParam);
    delete pHandle;
    return bOk;
}
