#pragma once
#include "FCImageHandle.h"

// Reads the pictures OLE can decode (BMP, JPEG, GIF) through OleLoadPicture. No writer.
class FCImageHandle_IPicture : public FCImageHandle {
public:
    bool LoadFromMemory(const BYTE *pData, int nSize) override;
};
