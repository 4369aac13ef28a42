#pragma once
#include "FCImageHandle.h"

// JPEG, GIF, TIFF and PNG through the platform's GDI+ codecs. GDI+ runs only while a
// handle exists: started when the handle is made, shut down when it is destroyed.
class FCImageHandle_Gdiplus : public FCImageHandle {
public:
    FCImageHandle_Gdiplus();
    ~FCImageHandle_Gdiplus() override;

    bool LoadFromFile(const char *fileName) override;
    bool LoadFromMemory(const BYTE *pData, int nSize) override;
    // nParam is the JPEG quality, 0..100 (values outside are clamped); other formats ignore it.
    bool SaveToFile(const char *fileName, int nParam) override;

private:
    ULONG_PTR m_nToken = 0;
};
