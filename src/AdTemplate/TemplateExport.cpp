#include "AdTemplate/TemplateExport.h"

#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/TemplateDraw.h"
#include "PictraUtil.h"
#include "misc/GdiScope.h"

bool WriteDrawingAsJpeg(int nWidth, int nHeight, const std::function<bool(HDC)> &draw,
                        const char *szFile, int nQuality)
{
    PictraUtil *pUtil = PictraUtil::Get();
    if (!szFile || !pUtil)
        return false;
    gdi::WindowDC screen(nullptr);
    if (!screen.Get())
        return false;
    gdi::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), nWidth, nHeight));
    gdi::MemoryDC memory(screen.Get());
    if (!bitmap.Get() || !memory.Get())
        return false;
    gdi::SelectScope select(memory.Get(), bitmap.Get());
    return draw(memory.Get()) &&
           pUtil->CaptureDCtoJPEG(memory.Get(), 0, 0, nWidth, nHeight, szFile, nQuality);
}

bool ExportTemplateImage(AdSenseTemplate *pTemplate, const char *szFile, int nQuality)
{
    if (!pTemplate)
        return false;
    int nWidth = 0, nHeight = 0;
    pTemplate->GetPictureSize(&nWidth, &nHeight);
    return WriteDrawingAsJpeg(
        nWidth, nHeight,
        [pTemplate](HDC hDC) {
            DrawTemplatePicture(pTemplate, hDC);
            return true;
        },
        szFile, nQuality);
}
