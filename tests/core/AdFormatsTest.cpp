#include <gtest/gtest.h>

#include "AdTemplate/AdBlockLayout.h"
#include "AdTemplate/AdFormats.h"
#include "AdTemplate/AdSense.h"

#include <string.h>
#include <set>
#include <string>

namespace {

LOGFONTA FontOf(HFONT hFont)
{
    LOGFONTA lf = {};
    EXPECT_EQ(GetObjectA(hFont, sizeof(lf), &lf), (int)sizeof(lf));
    return lf;
}

size_t Length(const char *sz, size_t nCapacity)
{
    return strnlen(sz, nCapacity);
}

}  // namespace

TEST(AdFormats, TableOfTwelve)
{
    struct Row { const char *szCaption; int nWidth, nHeight; const char *szText; int nAds; };
    const Row rows[AD_FORMAT_COUNT] = {
        {"728 x 90 Leaderboard", 728, 90, "728x90_as", 4},
        {"468 x 60 Banner", 468, 60, "468x60_as", 2},
        {"234 x 60 Half Banner", 234, 60, "234x60_as", 1},
        {"120 x 600 Skyscraper", 120, 600, "120x600_as", 4},
        {"160 x 600 Wide Skyscraper", 160, 600, "160x600_as", 5},
        {"120 x 240 Vertical Banner", 120, 240, "120x240_as", 2},
        {"336 x 280 Large Rectangle", 336, 280, "336x280_as", 4},
        {"300 x 250 Medium Rectangle", 300, 250, "300x250_as", 4},
        {"250 x 250 Square", 250, 250, "250x250_as", 3},
        {"200 x 200 Small Square", 200, 200, "200x200_as", 2},
        {"180 x 150 Small Rectangle", 180, 150, "180x150_as", 1},
        {"125 x 125 Button", 125, 125, "125x125_as", 1},
    };
    int nTotalAds = 0;
    for (int nCode = 1; nCode <= AD_FORMAT_COUNT; nCode++) {
        const AdFormat *pFormat = GetAdFormat(nCode);
        ASSERT_NE(pFormat, nullptr);
        const Row &row = rows[nCode - 1];
        EXPECT_EQ(pFormat->nCode, nCode);
        EXPECT_STREQ(pFormat->szCaption, row.szCaption);
        EXPECT_EQ(pFormat->nWidth, row.nWidth);
        EXPECT_EQ(pFormat->nHeight, row.nHeight);
        EXPECT_STREQ(pFormat->szFormatText, row.szText);
        EXPECT_EQ(pFormat->nAdCount, row.nAds);
        nTotalAds += pFormat->nAdCount;
        // The code text the ad code gives Google comes from the size the unit takes.
        AdSense ad;
        ad.SetFormat(nCode);
        EXPECT_STREQ(GetAdFormatCode(ad.GetInfo()), row.szText);
    }
    EXPECT_EQ(nTotalAds, 33);
    EXPECT_EQ(GetAdFormat(0), nullptr);
    EXPECT_EQ(GetAdFormat(13), nullptr);
    EXPECT_EQ(GetAdFormat(-1), nullptr);
}

// Each built-in ad has the shape of its format: title lines / text lines / URL line, and
// line lengths that fit the unit's width.
TEST(AdFormats, SampleAdsFollowTheirShapes)
{
    const char *shapes[AD_FORMAT_COUNT] = {
        "1/2/0 1/3/0 1/3/0 1/3/0",
        "1/2/0 1/2/0",
        "1/2/0",
        "2/4/1 2/5/1 2/5/1 1/4/1",
        "2/3/1 2/4/1 1/3/1 2/3/1 1/3/1",
        "2/4/1 2/4/1",
        "1/2/1 1/1/1 1/2/1 1/1/1",
        "1/2/1 1/1/1 1/1/1 1/2/1",
        "1/2/1 1/2/1 1/2/1",
        "1/1/1 1/2/1",
        "1/3/1",
        "2/4/1",
    };
    std::set<std::string> hosts;
    for (int nCode = 1; nCode <= AD_FORMAT_COUNT; nCode++) {
        const AdFormat *pFormat = GetAdFormat(nCode);
        size_t nMin = 17, nMax = 27;
        if (nCode <= 3) { nMin = 31; nMax = 37; }
        if (nCode >= 7 && nCode <= 9) { nMin = 47; nMax = 65; }
        std::string shape;
        for (int i = 0; i < pFormat->nAdCount; i++) {
            const SampleAd &ad = pFormat->pAds[i];
            int nTitles = 0, nTexts = 0;
            while (nTitles < AD_TITLE_LINES && ad.szTitle[nTitles][0]) {
                EXPECT_LE(Length(ad.szTitle[nTitles], AD_TITLE_SIZE), 24u) << ad.szTitle[nTitles];
                nTitles++;
            }
            while (nTexts < AD_TEXT_LINES && ad.szText[nTexts][0]) {
                size_t n = Length(ad.szText[nTexts], AD_TEXT_SIZE);
                EXPECT_GE(n, nMin) << nCode << ": " << ad.szText[nTexts];
                EXPECT_LE(n, nMax) << nCode << ": " << ad.szText[nTexts];
                nTexts++;
            }
            EXPECT_LE(Length(ad.szURL, AD_URL_SIZE), 25u) << ad.szURL;
            if (ad.szURL[0])
                hosts.insert(ad.szURL);
            if (i)
                shape += ' ';
            shape += std::to_string(nTitles) + "/" + std::to_string(nTexts) + "/" +
                     (ad.szURL[0] ? "1" : "0");
        }
        EXPECT_EQ(shape, shapes[nCode - 1]) << "format " << nCode;
    }
    for (const std::string &host : hosts)
        EXPECT_NE(host.find(".example"), std::string::npos) << host;
}

TEST(AdFormats, FormatCodeText)
{
    AdSenseInfo info = {};
    info.nWidth = 300;
    info.nHeight = 250;
    EXPECT_STREQ(GetAdFormatCode(&info), "300x250_as");
    EXPECT_STREQ(GetAdFormatCode(nullptr), "N/A");
}

TEST(AdSense, DefaultsAfterConstruction)
{
    AdSense ad;
    const AdSenseInfo &info = *ad.GetInfo();
    EXPECT_STREQ(info.szPubID, "pub-1234567890123456");
    EXPECT_STREQ(info.szChannelID, "");
    EXPECT_EQ(info.nFormat, 1);
    EXPECT_EQ(info.nWidth, 728);
    EXPECT_EQ(info.nHeight, 90);
    EXPECT_EQ(info.crBorder, 0x996633u);
    EXPECT_EQ(info.crTitle, 0xFF0000u);
    EXPECT_EQ(info.crBG, 0xFFFFFFu);
    EXPECT_EQ(info.crText, 0x000000u);
    EXPECT_EQ(info.crURL, 0x008000u);
    EXPECT_EQ(ad.m_nAdCount, 0);
    EXPECT_EQ(ad.m_ads[0].szTitle[0][0], 0);
    EXPECT_EQ(ad.m_rcPos.right, 0);
    EXPECT_STREQ(ad.GetFormatName(), "728 x 90 Leaderboard");
    // Fonts and brushes exist from construction on, built for format 1.
    EXPECT_EQ(FontOf(ad.m_hTitleFont).lfHeight, -11);
    EXPECT_STREQ(FontOf(ad.m_hTextFont).lfFaceName, "Arial");
    LOGBRUSH lb = {};
    GetObjectA(ad.m_hBorderBrush, sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, 0x996633u);
}

TEST(AdSense, SetFormatTakesSizeAdsAndFonts)
{
    AdSense ad;
    RECT rc = {10, 10, 10, 10};
    ad.SetPos(&rc);
    ASSERT_TRUE(ad.SetFormat(5));
    EXPECT_EQ(ad.m_nAdCount, 5);
    EXPECT_EQ(ad.m_rcPos.left, 10);
    EXPECT_EQ(ad.m_rcPos.top, 10);
    EXPECT_EQ(ad.m_rcPos.right, 170);
    EXPECT_EQ(ad.m_rcPos.bottom, 610);
    EXPECT_EQ(memcmp(ad.m_ads, GetAdFormat(5)->pAds, 5 * sizeof(SampleAd)), 0);
    EXPECT_STREQ(ad.GetFormatName(), "160 x 600 Wide Skyscraper");

    LOGFONTA title = FontOf(ad.m_hTitleFont);
    EXPECT_STREQ(title.lfFaceName, "Verdana");
    EXPECT_EQ(title.lfHeight, -12);
    EXPECT_EQ(title.lfWeight, 700);
    EXPECT_EQ(title.lfUnderline, 1);
    LOGFONTA text = FontOf(ad.m_hTextFont);
    EXPECT_STREQ(text.lfFaceName, "Tahoma");
    EXPECT_EQ(text.lfHeight, -11);
    EXPECT_EQ(text.lfWeight, 400);
    EXPECT_EQ(text.lfUnderline, 0);
    LOGFONTA url = FontOf(ad.m_hURLFont);
    EXPECT_STREQ(url.lfFaceName, "Arial");
    EXPECT_EQ(url.lfHeight, -10);
    LOGFONTA label = FontOf(ad.m_hLabelFont);
    EXPECT_EQ(label.lfUnderline, 1);
    EXPECT_EQ(label.lfCharSet, ANSI_CHARSET);

    // A smaller format clears the slots it does not use.
    ASSERT_TRUE(ad.SetFormat(11));
    EXPECT_EQ(ad.m_nAdCount, 1);
    for (int i = 1; i < AD_MAX_ADS; i++)
        EXPECT_EQ(ad.m_ads[i].szTitle[0][0], 0) << i;
    EXPECT_EQ(ad.m_rcPos.right, 190);
    EXPECT_EQ(ad.m_rcPos.bottom, 160);
}

// The four fonts of every format, field by field.
TEST(AdSense, FontsPerFormat)
{
    const int titleHeights[AD_FORMAT_COUNT] = {-11, -11, -11, -12, -12, -10, -10, -10, -11, -11, -11, -10};
    const int textHeights[AD_FORMAT_COUNT] = {-10, -10, -10, -11, -11, -10, -10, -10, -10, -11, -11, -10};
    struct Font { const char *szFace; LONG nHeight, nWeight; BYTE nUnderline; };
    auto expectFont = [](HFONT hFont, const Font &want, int nCode, const char *szWhich) {
        LOGFONTA lf = FontOf(hFont);
        EXPECT_STREQ(lf.lfFaceName, want.szFace) << szWhich << " " << nCode;
        EXPECT_EQ(lf.lfHeight, want.nHeight) << szWhich << " " << nCode;
        EXPECT_EQ(lf.lfWeight, want.nWeight) << szWhich << " " << nCode;
        EXPECT_EQ(lf.lfUnderline, want.nUnderline) << szWhich << " " << nCode;
        EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET) << szWhich << " " << nCode;
        EXPECT_EQ(lf.lfItalic, 0) << szWhich << " " << nCode;
        EXPECT_EQ(lf.lfWidth, 0) << szWhich << " " << nCode;
    };
    AdSense ad;
    for (int nCode = 1; nCode <= AD_FORMAT_COUNT; nCode++) {
        ASSERT_TRUE(ad.SetFormat(nCode));
        expectFont(ad.m_hTitleFont, {"Verdana", titleHeights[nCode - 1], 700, 1}, nCode, "title");
        expectFont(ad.m_hTextFont, {nCode <= 3 ? "Arial" : "Tahoma", textHeights[nCode - 1], 400, 0},
                   nCode, "text");
        expectFont(ad.m_hURLFont, {"Arial", -10, 400, 0}, nCode, "url");
        expectFont(ad.m_hLabelFont, {"Arial", -10, 400, 1}, nCode, "label");
    }
}

TEST(AdSense, UnknownFormatKeepsFormatAndAds)
{
    AdSense ad;
    ad.SetFormat(8);
    SampleAd saved[AD_MAX_ADS];
    memcpy(saved, ad.m_ads, sizeof(saved));
    for (int nCode : {0, 13, -5}) {
        EXPECT_FALSE(ad.SetFormat(nCode));
        EXPECT_EQ(ad.m_info.nFormat, 8);
        EXPECT_EQ(ad.m_nAdCount, 4);
        EXPECT_EQ(memcmp(saved, ad.m_ads, sizeof(saved)), 0);
        EXPECT_EQ(ad.m_rcPos.right - ad.m_rcPos.left, 300);
    }
    ad.m_info.nFormat = 42;
    EXPECT_STREQ(ad.GetFormatName(), "N/A");
}

TEST(AdSense, UpdateGdiFollowsColoursAndReleasesOldObjects)
{
    AdSense ad;
    HGDIOBJ hOld[] = {ad.m_hTitleFont, ad.m_hTextFont, ad.m_hURLFont, ad.m_hLabelFont,
                      ad.m_hBorderBrush, ad.m_hBGBrush};
    ad.m_info.crBorder = 0x112233;
    ad.m_info.crBG = 0x445566;
    ad.UpdateGdi();
    for (HGDIOBJ h : hOld)
        EXPECT_EQ(GetObjectType(h), 0u);
    LOGBRUSH lb = {};
    GetObjectA(ad.m_hBorderBrush, sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, 0x112233u);
    GetObjectA(ad.m_hBGBrush, sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, 0x445566u);
}
