#pragma once
#include "FCImageHandle.h"

// The library's own reader and writer of Truevision TGA files, raw or run-length encoded.
// Writing: parameter 1 run-length encodes, every other value writes uncompressed rows.
class FCImageHandle_Tga : public FCImageHandle {
public:
    bool LoadFromMemory(const BYTE *pData, int nSize) override;
    bool SaveToFile(const char *fileName, int nParam) override;
};
