// Writes the cases the browser suite renders, into scratch\browser beside this program:
// for every ad format, a template with no ornaments, one with ornaments on every side and
// one with an object left of and above the plane, each with margins 0, 3 and 10. Per case:
// the template file, its background picture (images\<id>.jpg, exported through the real
// image library) and one page per code form and document mode, whose ad scripts are
// swapped for local stand-ins. A few cases also get the program's browser preview, in
// preview\<id>\. manifest.json lists the cases with what the checks need.
//
// Usage: browser_cases.exe   (prints the folder it wrote, exits 1 on any failure)
#include "AdTemplate/AdFormats.h"
#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/TemplateExport.h"
#include "BrowserPreview.h"
#include "PictraUtil.h"
#include "PixelCanvas.h"
#include "TestSupport.h"

#include <stdio.h>
#include <string>
#include <vector>

namespace {

const char kShowAdsAddress[] = "https://pagead2.googlesyndication.com/pagead/show_ads.js";
const char kAsyncAddress[] = "https://pagead2.googlesyndication.com/pagead/js/adsbygoogle.js";

enum Variant { VARIANT_NONE, VARIANT_SIDES, VARIANT_NEGATIVE };
const char *const kVariantNames[] = {"none", "sides", "negative"};
const int kMargins[] = {0, 3, 10};

// The cases that also get the browser preview: a wide, a tall and a small format, each
// with ornaments that move the placeholder away from the picture's corner.
const struct {
    int nFormat;
    Variant variant;
    int nMargin;
} kPreviewCases[] = {{1, VARIANT_SIDES, 3}, {5, VARIANT_NEGATIVE, 10}, {12, VARIANT_SIDES, 0}};

bool HasPreview(int nFormat, Variant variant, int nMargin)
{
    for (const auto &c : kPreviewCases)
        if (c.nFormat == nFormat && c.variant == variant && c.nMargin == nMargin)
            return true;
    return false;
}

// A picture with detail in both directions, so that a shifted background shows.
COLORREF Ornament(int x, int y)
{
    return RGB(40 + (x * 7) % 200, 30 + (y * 11) % 180, ((x + y) / 4) % 2 ? 60 : 160);
}

RECT Rect(LONG l, LONG t, LONG r, LONG b)
{
    RECT rc = {l, t, r, b};
    return rc;
}

void AddFrame(AdSenseTemplate &tpl, const RECT &rc, COLORREF crBack, COLORREF crLine)
{
    auto *pFrame = new AdFrame;
    pFrame->SetPos(&rc);
    pFrame->m_crBack = crBack;
    pFrame->m_crLine = crLine;
    tpl.Add(pFrame);
}

void AddText(AdSenseTemplate &tpl, const RECT &rc, const char *szText)
{
    auto *pText = new AdText;
    pText->SetPos(&rc);
    pText->SetText(szText);
    pText->m_crText = RGB(0, 40, 140);
    pText->m_crBack = RGB(250, 236, 180);
    tpl.Add(pText);
}

void AddPicture(AdSenseTemplate &tpl, const RECT &rc, const std::string &picture)
{
    auto *pImage = new Pictra;
    pImage->SetPos(&rc);
    pImage->SetFile(picture.c_str());
    pImage->SetExt(".bmp");
    tpl.Add(pImage);
}

// The placeholder of format nFormat with the ornaments of the variant around it.
void BuildTemplate(AdSenseTemplate &tpl, int nFormat, Variant variant, const std::string &picture)
{
    tpl.New();
    AdSense *pAd = tpl.GetAdSense();
    pAd->SetFormat(nFormat);
    const AdFormat *pFormat = GetAdFormat(nFormat);
    const int w = pFormat->nWidth, h = pFormat->nHeight;
    if (variant == VARIANT_SIDES) {
        // Unequal distances on every side: the ad's place must not rely on centring.
        const RECT ad = Rect(40, 40, 40 + w, 40 + h);
        pAd->SetPos(&ad);
        AddFrame(tpl, Rect(ad.left - 6, ad.top - 4, ad.right + 9, ad.bottom + 7),
                 RGB(214, 232, 206), RGB(20, 90, 40));
        AddText(tpl, Rect(ad.left, ad.top - 26, ad.left + 120, ad.top - 4), "Our sponsors");
        AddPicture(tpl, Rect(ad.left - 36, ad.top, ad.left - 6, ad.top + 50), picture);
        AddFrame(tpl, Rect(ad.right + 9, ad.top + 10, ad.right + 25, ad.bottom - 10),
                 RGB(90, 60, 20), RGB(90, 60, 20));
        AddText(tpl, Rect(ad.left + 10, ad.bottom + 7, ad.left + 110, ad.bottom + 25), "More");
    } else if (variant == VARIANT_NEGATIVE) {
        AddPicture(tpl, Rect(-24, -18, 40, 30), picture);
        AddText(tpl, Rect(10 + w - 20, 10 + h - 10, 10 + w + 15, 10 + h + 12), "Ads");
    }
}

std::string Replace(std::string text, const std::string &from, const std::string &to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The code as a publisher pastes it into a page, with the ad scripts served from the
// stand-in folder instead of AdSense. The body has no margin and a colour no picture
// holds, so the table's edges show in the screenshot.
std::string Page(const std::string &id, const std::string &code, bool bStandards)
{
    std::string body = Replace(code, kShowAdsAddress, "standin/show_ads.js");
    body = Replace(body, kAsyncAddress, "standin/adsbygoogle.js");
    std::string page = bStandards ? "<!DOCTYPE html>\r\n" : "";
    page += "<html>\r\n<head>\r\n<title>" + id + "</title>\r\n"
            "<style>body { margin: 0; background: #00c0c0; }</style>\r\n"
            "</head>\r\n<body>\r\n" + body + "</body>\r\n</html>\r\n";
    return page;
}

std::string RectJson(const RECT &rc)
{
    char sz[96];
    snprintf(sz, sizeof(sz), "[%ld, %ld, %ld, %ld]", rc.left, rc.top, rc.right, rc.bottom);
    return sz;
}

bool Fail(const std::string &what)
{
    fprintf(stderr, "browser_cases: %s\n", what.c_str());
    return false;
}

// Writes one case; appends its manifest entry.
bool WriteCase(PictraUtil &binding, const std::string &folder, int nFormat, Variant variant,
               int nMargin, const std::string &picture, std::string *pManifest)
{
    char szId[64];
    snprintf(szId, sizeof(szId), "f%02d-%s-m%d", nFormat, kVariantNames[variant], nMargin);
    const std::string id = szId;

    AdSenseTemplate tpl;
    BuildTemplate(tpl, nFormat, variant, picture);
    tpl.SetMarginLeft(nMargin);
    tpl.SetMarginTop(nMargin);
    tpl.SetMarginRight(nMargin);
    tpl.SetMarginBottom(nMargin);
    // Saved beside the pages: the code then names images/<id>.jpg.
    if (!tpl.SaveAs((folder + id + ".atp").c_str()))
        return Fail("cannot save " + id);
    const std::string jpeg = folder + "images\\" + id + ".jpg";
    if (!ExportTemplateImage(&tpl, jpeg.c_str(), 85))
        return Fail("cannot export " + jpeg);
    int size[2] = {0, 0};
    if (!binding.GetImageSize(jpeg.c_str(), size))
        return Fail("cannot read back " + jpeg);

    const struct { const char *szName; AdCodeStyle nStyle; } forms[] = {
        {"show_ads", AD_CODE_SHOW_ADS}, {"async", AD_CODE_ASYNC}};
    for (const auto &form : forms) {
        const std::string code = tpl.GetCode(form.nStyle);
        for (bool bStandards : {true, false}) {
            const std::string page =
                id + "." + form.szName + (bStandards ? ".std" : ".quirks") + ".html";
            if (!testsupport::WriteFileBytes(folder + page, Page(id, code, bStandards)))
                return Fail("cannot write " + page);
        }
    }

    std::string preview;
    if (HasPreview(nFormat, variant, nMargin)) {
        const std::string previewFolder = folder + "preview\\" + id + "\\";
        CreateDirectoryA(previewFolder.c_str(), nullptr);
        if (WriteBrowserPreview(&tpl, previewFolder.c_str()).empty())
            return Fail("cannot write the browser preview of " + id);
        preview = ", \"preview\": \"preview/" + id + "/\"";
    }

    RECT rcPicture;
    tpl.GetPictureRect(&rcPicture);
    char szEntry[640];
    snprintf(szEntry, sizeof(szEntry),
             "%s  {\"id\": \"%s\", \"format\": %d, \"variant\": \"%s\", \"margin\": %d, "
             "\"picture\": %s, \"ad\": %s, \"jpeg\": [%d, %d]%s}",
             pManifest->empty() ? "" : ",\n", id.c_str(), nFormat, kVariantNames[variant],
             nMargin, RectJson(rcPicture).c_str(), RectJson(*tpl.GetAdSense()->GetPos()).c_str(),
             size[0], size[1], preview.c_str());
    *pManifest += szEntry;
    return true;
}

}  // namespace

int main()
{
    PictraUtil binding;
    if (!binding.IsLoaded()) {
        Fail("Pictra.dll is not beside the program");
        return 1;
    }
    const std::string folder = testsupport::MakeScratchFolder("browser");
    CreateDirectoryA((folder + "images").c_str(), nullptr);
    CreateDirectoryA((folder + "preview").c_str(), nullptr);
    const std::string picture = folder + "ornament.bmp";
    if (!WriteBmp(picture, 30, 50, Ornament)) {
        Fail("cannot write " + picture);
        return 1;
    }

    std::string manifest;
    for (int nFormat = 1; nFormat <= AD_FORMAT_COUNT; ++nFormat)
        for (Variant variant : {VARIANT_NONE, VARIANT_SIDES, VARIANT_NEGATIVE})
            for (int nMargin : kMargins)
                if (!WriteCase(binding, folder, nFormat, variant, nMargin, picture, &manifest))
                    return 1;
    if (!testsupport::WriteFileBytes(folder + "manifest.json", "[\n" + manifest + "\n]\n")) {
        Fail("cannot write the manifest");
        return 1;
    }
    printf("%s\n", folder.c_str());
    return 0;
}
