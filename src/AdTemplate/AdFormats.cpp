#include "AdTemplate/AdFormats.h"
#include "AdTemplate/AdSampleAds.h"
#include "misc/WinUtil.h"
#include <stdio.h>
#include <string.h>

static const AdFormat s_formats[AD_FORMAT_COUNT] = {
    {1, "728 x 90 Leaderboard", 728, 90, "728x90_as", 4, g_sampleAdsLeaderboard},
    {2, "468 x 60 Banner", 468, 60, "468x60_as", 2, g_sampleAdsBanner},
    {3, "234 x 60 Half Banner", 234, 60, "234x60_as", 1, g_sampleAdsHalfBanner},
    {4, "120 x 600 Skyscraper", 120, 600, "120x600_as", 4, g_sampleAdsSkyscraper},
    {5, "160 x 600 Wide Skyscraper", 160, 600, "160x600_as", 5, g_sampleAdsWideSkyscraper},
    {6, "120 x 240 Vertical Banner", 120, 240, "120x240_as", 2, g_sampleAdsVerticalBanner},
    {7, "336 x 280 Large Rectangle", 336, 280, "336x280_as", 4, g_sampleAdsLargeRectangle},
    {8, "300 x 250 Medium Rectangle", 300, 250, "300x250_as", 4, g_sampleAdsMediumRectangle},
    {9, "250 x 250 Square", 250, 250, "250x250_as", 3, g_sampleAdsSquare},
    {10, "200 x 200 Small Square", 200, 200, "200x200_as", 2, g_sampleAdsSmallSquare},
    {11, "180 x 150 Small Rectangle", 180, 150, "180x150_as", 1, g_sampleAdsSmallRectangle},
    {12, "125 x 125 Button", 125, 125, "125x125_as", 1, g_sampleAdsButton},
};

const AdFormat *GetAdFormat(int nCode)
{
    if (nCode < 1 || nCode > AD_FORMAT_COUNT)
        return nullptr;
    return &s_formats[nCode - 1];
}

bool IsHorizontalAdFormat(int nCode)
{
    return nCode >= 1 && nCode <= 3;
}

bool IsSingleAdFormat(int nCode)
{
    return nCode == 11 || nCode == 12;
}

const char *GetAdFormatCode(const AdSenseInfo *pInfo)
{
    static char szCode[40];
    if (!pInfo)
        return "N/A";
    snprintf(szCode, sizeof(szCode), "%dx%d_as", pInfo->nWidth, pInfo->nHeight);
    return szCode;
}

static void MakeAdFont(LOGFONTA *plf, const char *szFace, LONG nHeight, LONG nWeight,
                       BYTE nUnderline)
{
    memset(plf, 0, sizeof(*plf));
    plf->lfHeight = nHeight;
    plf->lfWeight = nWeight;
    plf->lfUnderline = nUnderline;
    plf->lfCharSet = ANSI_CHARSET;
    CopyText(plf->lfFaceName, szFace);
}

void GetAdTitleFont(int nCode, LOGFONTA *plf)
{
    LONG nHeight = -11;
    switch (nCode) {
    case 4: case 5: nHeight = -12; break;
    case 6: case 7: case 8: case 12: nHeight = -10; break;
    default: break;
    }
    MakeAdFont(plf, "Verdana", nHeight, FW_BOLD, 1);
}

void GetAdTextFont(int nCode, LOGFONTA *plf)
{
    bool bHorizontal = IsHorizontalAdFormat(nCode) || !GetAdFormat(nCode);
    LONG nHeight = -10;
    switch (nCode) {
    case 4: case 5: case 10: case 11: nHeight = -11; break;
    default: break;
    }
    MakeAdFont(plf, bHorizontal ? "Arial" : "Tahoma", nHeight, FW_NORMAL, 0);
}

void GetAdURLFont(LOGFONTA *plf)
{
    MakeAdFont(plf, "Arial", -10, FW_NORMAL, 0);
}

void GetAdLabelFont(LOGFONTA *plf)
{
    MakeAdFont(plf, "Arial", -10, FW_NORMAL, 1);
}
