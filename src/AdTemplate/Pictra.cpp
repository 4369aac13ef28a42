#include "AdTemplate/Pictra.h"
#include "PictraUtil.h"
#include "misc/WinUtil.h"

Pictra::Pictra() : AdObj(OBJ_IMAGE), m_szFile{}, m_szExt{}, m_reserved{}
{
    Reset();
}

// A picture holds no GDI objects: it is drawn straight from its file.
Pictra::~Pictra() = default;

bool Pictra::Reset()
{
    m_szFile[0] = 0;
    m_reserved.Clear();
    return true;
}

void Pictra::SetFile(const char *szFile)
{
    CopyText(m_szFile, szFile);
}

void Pictra::SetExt(const char *szExt)
{
    CopyText(m_szExt, szExt);
}

bool Pictra::HasOwnCopy() const
{
    const PictraUtil *pUtil = PictraUtil::Get();
    return pUtil && pUtil->IsOwnTempFile(m_szFile);
}
