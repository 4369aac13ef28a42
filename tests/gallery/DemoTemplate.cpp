#include "DemoTemplate.h"

#include <string.h>

#include <string>

#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "PictraUtil.h"
#include "TextFont.h"
#include "misc/GdiScope.h"
#include "misc/WinUtil.h"

namespace {

const COLORREF kLeafGreen = RGB(46, 125, 50);
const COLORREF kDarkGreen = RGB(27, 94, 32);
const COLORREF kCream = RGB(249, 247, 236);
const int kIconSize = 36;

// Writes a DIB section's pixels as a 24-bit BMP file.
bool WriteBitmapFile(const char *szFile, BITMAPINFOHEADER info, const void *pBits)
{
    const DWORD nRowBytes = (static_cast<DWORD>(info.biWidth) * 3 + 3) & ~3u;
    info.biSizeImage = nRowBytes * static_cast<DWORD>(info.biHeight);
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + info.biSizeImage;
    HANDLE hFile = CreateFileA(szFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD nWritten = 0;
    const bool bOk = WriteFile(hFile, &header, sizeof(header), &nWritten, nullptr) &&
                     WriteFile(hFile, &info, sizeof(info), &nWritten, nullptr) &&
                     WriteFile(hFile, pBits, info.biSizeImage, &nWritten, nullptr);
    return CloseHandle(hFile) && bOk;
}

// A white leaf on a round green badge.
void DrawLeafIcon(HDC hDC)
{
    const RECT rcAll = {0, 0, kIconSize, kIconSize};
    gdi::GdiObject<HBRUSH> cream(CreateSolidBrush(kCream));
    FillRect(hDC, &rcAll, cream.Get());
    gdi::GdiObject<HBRUSH> green(CreateSolidBrush(kLeafGreen));
    gdi::SelectScope badgeBrush(hDC, green.Get());
    gdi::SelectScope noPen(hDC, GetStockObject(NULL_PEN));
    Ellipse(hDC, 0, 0, kIconSize, kIconSize);
    gdi::SelectScope leafBrush(hDC, GetStockObject(WHITE_BRUSH));
    const POINT leaf[] = {{9, 27}, {10, 17}, {16, 10}, {27, 8}, {26, 19}, {20, 26}};
    Polygon(hDC, leaf, sizeof(leaf) / sizeof(leaf[0]));
    gdi::GdiObject<HPEN> vein(CreatePen(PS_SOLID, 2, kLeafGreen));
    gdi::SelectScope veinPen(hDC, vein.Get());
    MoveToEx(hDC, 8, 29, nullptr);
    LineTo(hDC, 23, 13);
}

bool WriteLeafIcon(const char *szFile)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = kIconSize;
    bmi.bmiHeader.biHeight = kIconSize;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    void *pBits = nullptr;
    gdi::GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    gdi::MemoryDC memDC(nullptr);
    if (!bitmap.Get() || !memDC.Get() || !pBits)
        return false;
    {
        gdi::SelectScope selectBitmap(memDC.Get(), bitmap.Get());
        DrawLeafIcon(memDC.Get());
    }
    GdiFlush();
    return WriteBitmapFile(szFile, bmi.bmiHeader, pBits);
}

AdText *NewHeadline(const RECT &rcArea)
{
    auto *pText = new AdText;
    pText->SetText("Fresh from the garden: this week's favourites");
    pText->m_lf.lfHeight = -17;
    pText->m_lf.lfWeight = FW_BOLD;
    pText->m_crText = kDarkGreen;
    pText->m_crBack = kCream;
    // As the text dialog does: the object is as large as its text.
    int nWidth = 0, nHeight = 0;
    MeasureText(&pText->m_lf, pText->m_szText, &nWidth, &nHeight);
    const int nTop = rcArea.top + (rcArea.bottom - rcArea.top - nHeight) / 2;
    const RECT rc = {rcArea.left, nTop, rcArea.left + nWidth, nTop + nHeight};
    pText->SetPos(&rc);
    return pText;
}

}  // namespace

bool WriteDemoTemplate(const char *szFile)
{
    // The picture is embedded only from a copy the run's binding named in the Temp folder.
    CreateDirectoryA((std::string(GetProgramFolder()) + "Temp").c_str(), nullptr);
    PictraUtil binding;
    const std::string icon = binding.MakeTempFileName(".bmp");
    if (icon.empty() || !WriteLeafIcon(icon.c_str()))
        return false;

    AdSenseTemplate tpl;
    tpl.New();
    AdSense *pAdSense = tpl.GetAdSense();
    const RECT rcAd = {10, 56, 738, 146};
    pAdSense->SetPos(&rcAd);
    AdSenseInfo *pInfo = pAdSense->GetInfo();
    pInfo->crBorder = kLeafGreen;
    pInfo->crBG = kCream;
    pInfo->crTitle = kDarkGreen;
    pInfo->crText = RGB(51, 51, 51);
    pInfo->crURL = RGB(121, 85, 72);
    pAdSense->UpdateGdi();

    auto *pFrame = new AdFrame;
    const RECT rcFrame = {0, 0, 748, 156};
    pFrame->SetPos(&rcFrame);
    pFrame->m_nLineWidth = 2;
    pFrame->m_nRoundCorner = 16;
    pFrame->m_crLine = kLeafGreen;
    pFrame->m_crBack = kCream;
    pFrame->SetName(tpl.MakeName(OBJ_FRAME));
    tpl.Add(pFrame);

    auto *pIcon = new Pictra;
    pIcon->SetFile(icon.c_str());
    pIcon->SetExt(".bmp");
    const RECT rcIcon = {12, 10, 12 + kIconSize, 10 + kIconSize};
    pIcon->SetPos(&rcIcon);
    pIcon->SetName(tpl.MakeName(OBJ_IMAGE));
    tpl.Add(pIcon);

    AdText *pHeadline = NewHeadline(RECT{58, 10, 738, 10 + kIconSize});
    pHeadline->SetName(tpl.MakeName(OBJ_TEXT));
    tpl.Add(pHeadline);
    return tpl.SaveAs(szFile);
}
