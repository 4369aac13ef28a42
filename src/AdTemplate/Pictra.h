#pragma once
#include "AdTemplate/AdObj.h"

// A picture: drawn from the object's private copy of its picture file.
class Pictra : public AdObj {
public:
    Pictra();
    ~Pictra() override;
    bool Load(CxFile *pFile) override;
    bool Save(CxFile *pFile) override;
    bool Reset() override;
    bool Draw(HDC hDC, bool bNoOutline) override;

    void SetFile(const char *szFile);
    void SetExt(const char *szExt);

    char m_szFile[AD_PATH_SIZE];
    char m_szExt[AD_EXT_SIZE];
    AdReserved m_reserved;
};
