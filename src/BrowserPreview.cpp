#include "BrowserPreview.h"

#include <stdio.h>
#include <string.h>

#include "AdTemplate/AdSense.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/TemplateExport.h"

const char kPreviewPageName[] = "preview.html";
const char kPreviewBackgroundName[] = "preview-background.jpg";
const char kPreviewAdsName[] = "preview-ads.jpg";

namespace {

const int kJpegQuality = 90;

// The ad block as the preview page shows it: its sample ads at 1:1, without the editing
// outline, cut to the placeholder.
bool WriteSampleAds(AdSense *pAdSense, const char *szFile)
{
    const RECT rc = *pAdSense->GetPos();
    const int nWidth = rc.right - rc.left, nHeight = rc.bottom - rc.top;
    if (nWidth <= 0 || nHeight <= 0)
        return false;
    auto draw = [pAdSense, &rc](HDC hDC) {
        // The block draws at its place on the template plane: that place becomes the corner.
        SetWindowOrgEx(hDC, rc.left, rc.top, nullptr);
        const bool bDrawn = pAdSense->Draw(hDC, true);
        SetWindowOrgEx(hDC, 0, 0, nullptr);
        return bDrawn;
    };
    return WriteDrawingAsJpeg(nWidth, nHeight, draw, szFile, kJpegQuality);
}

// The asynchronous page code with its background taken from the preview's picture and the
// ad script's lines (everything inside the div) replaced by the sample-ads picture of the
// ad's exact size: the table, paddings and div stay the code's own, so the preview places
// the ads as a publisher's page would.
std::string PreviewTable(AdSenseTemplate *pTemplate)
{
    std::string code = pTemplate->GetCode(AD_CODE_ASYNC);
    const size_t nBackground = code.find("background=\"");
    if (nBackground != std::string::npos) {
        const size_t nStart = nBackground + strlen("background=\"");
        const size_t nEnd = code.find('"', nStart);
        if (nEnd != std::string::npos)
            code.replace(nStart, nEnd - nStart, kPreviewBackgroundName);
    }
    const size_t nDiv = code.find("<div ");
    const size_t nInside = nDiv == std::string::npos ? nDiv : code.find("\r\n", nDiv);
    const size_t nDivEnd = code.find("      </div>");
    if (nInside == std::string::npos || nDivEnd == std::string::npos || nDivEnd < nInside)
        return std::string();
    const RECT &rc = *pTemplate->GetAdSense()->GetPos();
    char szImg[160];
    snprintf(szImg, sizeof(szImg),
             "\r\n      <img src=\"%s\" width=\"%ld\" height=\"%ld\" alt=\"Sample ads\">\r\n",
             kPreviewAdsName, rc.right - rc.left, rc.bottom - rc.top);
    code.replace(nInside, nDivEnd - nInside, szImg);
    return code;
}

bool WriteText(const std::string &path, const std::string &text)
{
    FILE *pFile = fopen(path.c_str(), "wb");
    if (!pFile)
        return false;
    const bool bWritten = fwrite(text.data(), 1, text.size(), pFile) == text.size();
    return fclose(pFile) == 0 && bWritten;
}

}  // namespace

std::string WriteBrowserPreview(AdSenseTemplate *pTemplate, const char *szFolder)
{
    if (!pTemplate || !pTemplate->GetAdSense() || !szFolder)
        return std::string();
    const std::string folder = szFolder;
    const std::string table = PreviewTable(pTemplate);
    if (table.empty() ||
        !ExportTemplateImage(pTemplate, (folder + kPreviewBackgroundName).c_str(), kJpegQuality) ||
        !WriteSampleAds(pTemplate->GetAdSense(), (folder + kPreviewAdsName).c_str()))
        return std::string();
    const std::string page =
        "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"windows-1252\">\r\n"
        "<title>Ornamo preview</title>\r\n</head>\r\n<body>\r\n"
        "<p style=\"font:13px/16px sans-serif\">The ads below are samples drawn by Ornamo in your ad "
        "colours; on your site AdSense shows real ads in their place.</p>\r\n" +
        table + "</body>\r\n</html>\r\n";
    const std::string path = folder + kPreviewPageName;
    return WriteText(path, page) ? path : std::string();
}
