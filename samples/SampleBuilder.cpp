#include "SampleBuilder.h"

#include <string.h>

#include "AdTemplate/AdObjects.h"
#include "AdTemplate/TemplateDraw.h"
#include "AdTemplate/TemplateExport.h"
#include "ArtCanvas.h"
#include "PictraUtil.h"
#include "TemplatePicture.h"
#include "TextFont.h"

namespace {

// The export dialog's proposed quality.
const int kJpegQuality = 85;

// The background picture with the ad block drawn on it in the ad colours.
bool WritePreviewPicture(AdSenseTemplate *pTemplate, const std::string &file)
{
    RECT rc;
    pTemplate->GetPictureRect(&rc);
    const auto draw = [pTemplate, rc](HDC hDC) {
        DrawTemplatePicture(pTemplate, hDC);
        AdSense *pAdSense = pTemplate->GetAdSense();
        pAdSense->SetOffset(-rc.left, -rc.top);
        return pAdSense->Draw(hDC, true);
    };
    return WriteDrawingAsJpeg(rc.right - rc.left, rc.bottom - rc.top, draw, file.c_str(),
                              kJpegQuality);
}

}  // namespace

SampleBuilder::SampleBuilder(const std::string &artFolder) : m_artFolder(artFolder)
{
    m_template.New();
}

void SampleBuilder::Fail(const std::string &what)
{
    if (m_error.empty())
        m_error = what;
}

void SampleBuilder::PlaceAdUnit(int nFormat, int x, int y, const AdColors &colors)
{
    AdSense *pAdSense = m_template.GetAdSense();
    const RECT rc = {x, y, x, y};
    pAdSense->SetPos(&rc);
    if (!pAdSense->SetFormat(nFormat))
        Fail("unknown ad format " + std::to_string(nFormat));
    AdSenseInfo *pInfo = pAdSense->GetInfo();
    pInfo->crBorder = colors.crBorder;
    pInfo->crBG = colors.crBackground;
    pInfo->crTitle = colors.crTitle;
    pInfo->crText = colors.crText;
    pInfo->crURL = colors.crURL;
    pAdSense->UpdateGdi();
}

void SampleBuilder::AddPicture(const char *szName, art::ArtCanvas &picture,
                               const char *szFileName, int x, int y)
{
    const std::string file = m_artFolder + szFileName;
    if (!picture.IsValid() || !picture.Save(file))
        return Fail(std::string("picture ") + szName + ": " + picture.GetError());

    // As the image dialog takes a chosen file: a private copy in the Temp folder, which the
    // template embeds when it is saved, and the picture's own size.
    const char *szExt = strrchr(szFileName, '.');
    PictraUtil *pUtil = PictraUtil::Get();
    const char *szTemp = pUtil && szExt ? pUtil->MakeTempFileName(szExt) : "";
    if (!szTemp[0] || !CopyFileA(file.c_str(), szTemp, FALSE))
        return Fail(std::string("picture ") + szName + ": no copy in the Temp folder");
    int size[2] = {0, 0};
    if (!pUtil->GetImageSize(szTemp, size))
        return Fail(std::string("picture ") + szName + ": the image library cannot read it");

    auto *pPicture = new Pictra;
    pPicture->SetName(szName);
    pPicture->SetFile(szTemp);
    pPicture->SetExt(szExt);
    const RECT rc = {x, y, x + size[0], y + size[1]};
    pPicture->SetPos(&rc);
    m_template.Add(pPicture);
}

void SampleBuilder::AddText(const char *szName, const RECT &rc, const char *szText,
                            const TextStyle &style)
{
    auto *pText = new AdText;
    pText->SetName(szName);
    pText->SetText(szText);
    pText->SetFaceName(style.szFace);
    pText->m_lf.lfHeight = -style.nHeight;
    pText->m_lf.lfWeight = style.bBold ? FW_BOLD : FW_NORMAL;
    pText->m_lf.lfItalic = style.bItalic;
    pText->m_crText = style.crText;
    pText->m_crBack = style.crBack;
    pText->m_nAlign = style.nAlign;
    pText->SetPos(&rc);
    pText->UpdateFont();
    pText->UpdateBrush();
    m_template.Add(pText);

    // A caption cut at its box's edge would look broken: the box must hold it, here at least.
    int nWidth = 0, nHeight = 0;
    if (!MeasureText(&pText->m_lf, szText, &nWidth, &nHeight))
        return Fail(std::string("text ") + szName + ": its font cannot be made");
    if (nWidth > rc.right - rc.left || nHeight > rc.bottom - rc.top)
        Fail(std::string("text ") + szName + " needs " + std::to_string(nWidth) + " x " +
             std::to_string(nHeight) + " pixels, its box has " +
             std::to_string(rc.right - rc.left) + " x " + std::to_string(rc.bottom - rc.top));
}

void SampleBuilder::AddFrame(const char *szName, const RECT &rc, COLORREF crFill,
                             COLORREF crLine, int nLineWidth, int nRound)
{
    auto *pFrame = new AdFrame;
    pFrame->SetName(szName);
    pFrame->SetPos(&rc);
    pFrame->m_crBack = crFill;
    pFrame->m_crLine = crLine;
    pFrame->m_nLineWidth = nLineWidth;
    pFrame->m_nRoundCorner = nRound;
    pFrame->UpdatePen();
    pFrame->UpdateBrush();
    m_template.Add(pFrame);
}

bool SampleBuilder::Write(const std::string &samplesFolder, const char *szName,
                          const std::string &previewFolder)
{
    if (!m_error.empty())
        return false;
    const std::string file = samplesFolder + szName + ".atp";
    if (!m_template.SaveAs(file.c_str())) {
        Fail("cannot write " + file);
        return false;
    }
    // The picture is the export of the file as it opens, not of the template in memory.
    AdSenseTemplate opened;
    if (!opened.Open(file.c_str())) {
        Fail("cannot open " + file + " again");
        return false;
    }
    const std::string picture = samplesFolder + "images\\" + szName + ".jpg";
    if (!WriteTemplatePicture(&opened, picture.c_str(), kJpegQuality)) {
        Fail("cannot export " + picture);
        return false;
    }
    const std::string preview = previewFolder + szName + ".jpg";
    if (!previewFolder.empty() && !WritePreviewPicture(&opened, preview)) {
        Fail("cannot write " + preview);
        return false;
    }
    return true;
}
