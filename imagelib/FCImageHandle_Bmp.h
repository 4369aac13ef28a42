#pragma once
#include "FCImageHandle.h"

// The library's own reader and writer of uncompressed, bottom-up Windows bitmaps.
class FCImageHandle_Bmp : public FCImageHandle {
public:
    bool LoadFromMemory(const BYTE *pData, int nSize) override;
    bool SaveToFile(const char *fileName, int nParam) override;
};
