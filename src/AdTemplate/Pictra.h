#pragma once
#include "AdTemplate/AdObj.h"

// A picture: drawn from the object's private copy of its picture file.
//
// A template file names the picture's path and may carry no picture bytes, in which case the
// object keeps the stored path. Such a path can name any file of the machine, so the object
// draws and saves only a copy the program made itself in its Temp folder during this run
// (HasOwnCopy): loading a file unpacks into one, and the image dialog copies a chosen
// picture into one. Any other path stays in the object and in the file it is saved to, but
// is never drawn, embedded or copied. The check lives here, in the object whose path came
// from the file, so that the canvases, the preview and the export all inherit it.
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
    // m_szFile is a picture copy the run's binding made (false without a binding).
    bool HasOwnCopy() const;

    char m_szFile[AD_PATH_SIZE];
    char m_szExt[AD_EXT_SIZE];
    AdReserved m_reserved;
};
