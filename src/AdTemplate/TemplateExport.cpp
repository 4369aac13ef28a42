#include "AdTemplate/TemplateExport.h"

#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/TemplateDraw.h"
#include "PictraUtil.h"
#include "misc/GdiScope.h"

bool ExportTemplateImage(AdSenseTemplate *pTemplate, const char *szFile, int nQuality)
{
    PictraUtil *pUtil = PictraUtil::Get();
    if (!pTemplate || !szFile || !pUtil)
        return false;
    int nWidth = 0, nHeight = 0;
    pTemplate->GetPictureSize(&nWidth, &nHeight);

    gdi::WindowDC screen(nullptr);
    if (!screen.Get())
        return false;
    gdi::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), nWidth, nHeight));
    gdi::MemoryDC memory(screen.Get());
    if (!bitmap.Get() || !memory.Get())
        return false;
    gdi::SelectScope select(memory.Get(), bitmap.Get());
    DrawTemplatePicture(pTemplate, memory.Get());
    return pUtil->CaptureDCtoJPEG(memory.Get(), 0, 0, nWidth, nHeight, szFile, nQuality);
}
