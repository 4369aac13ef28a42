#include "FCImageHandleFactory.h"
#include "FCImageHandleFactory_IPicture.h"

#include <new>
#include <string.h>

namespace {

struct ExtensionEntry {
    const char *szExt;
    IMAGE_TYPE type;
};

const ExtensionEntry kExtensions[] = {
    {"bmp", PIC_BMP}, {"pcx", PIC_PCX}, {"jpg", PIC_JPG}, {"jpeg", PIC_JPG}, {"gif", PIC_GIF},
    {"tga", PIC_TGA}, {"tif", PIC_TIF}, {"tiff", PIC_TIF}, {"png", PIC_PNG}, {"psd", PIC_PSD},
    {"ico", PIC_ICO}, {"xpm", PIC_XPM},
};

// Owns the factory in force; its destructor runs when the module is unloaded, so even the
// lazily made default does not outlive the library.
class FactoryHolder {
public:
    ~FactoryHolder() { Replace(nullptr); }
    FCImageHandleFactory *Get() const { return m_pFactory; }
    bool WasInstalled() const { return m_bInstalled; }
    void Replace(FCImageHandleFactory *pFactory)
    {
        FCImageHandleFactory *pOld = m_pFactory;
        m_pFactory = pFactory;
        m_bInstalled = true;
        delete pOld;
    }

private:
    FCImageHandleFactory *m_pFactory = nullptr;
    bool m_bInstalled = false;
};

FactoryHolder g_factory;

}  // namespace

IMAGE_TYPE FCImageHandleFactory::QueryFileType(const char *fileName) const
{
    if (!fileName)
        return PIC_UNKNOWN;
    const char *pDot = strrchr(fileName, '.');
    const char *pExt = pDot ? pDot + 1 : "";
    // Longer than every entry of the table: no need to look further.
    char szLower[8];
    const size_t nLen = strlen(pExt);
    if (nLen >= sizeof szLower)
        return PIC_UNKNOWN;
    for (size_t i = 0; i <= nLen; i++) {
        const char c = pExt[i];
        szLower[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    for (const ExtensionEntry &entry : kExtensions) {
        if (strcmp(entry.szExt, szLower) == 0)
            return entry.type;
    }
    return PIC_UNKNOWN;
}

FCImageHandleFactory *GetHandleFactory()
{
    if (!g_factory.Get() && !g_factory.WasInstalled())
        g_factory.Replace(new (std::nothrow) FCImageHandleFactory_IPicture);
    return g_factory.Get();
}

void SetHandleFactory(FCImageHandleFactory *pFactory)
{
    g_factory.Replace(pFactory);
}
