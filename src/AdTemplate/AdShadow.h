#pragma once
#include "AdTemplate/AdObj.h"

// A shadow area: carried by template files, visible only as its editing outline.
class AdShadow : public AdObj {
public:
    AdShadow();
    ~AdShadow() override;
    bool Load(CxFile *pFile) override;
    bool Save(CxFile *pFile) override;
    bool Reset() override;
    bool Draw(HDC hDC, bool bNoOutline) override;

    DWORD m_nValue;
    AdReserved m_reserved;
};
