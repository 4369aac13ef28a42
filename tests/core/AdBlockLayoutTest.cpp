#include <gtest/gtest.h>

#include "AdTemplate/AdBlockLayout.h"
#include "AdTemplate/AdFormats.h"
#include "AdTemplate/AdSense.h"

#include <limits.h>
#include <string.h>

#include <string>

namespace {

struct Unit {
    AdSense ad;
    AdBlockLayout layout;

    Unit(int nFormat, int x0, int y0)
    {
        RECT rc = {x0, y0, x0, y0};
        ad.SetPos(&rc);
        ad.SetFormat(nFormat);
        Lay();
    }
    void Lay() { EXPECT_TRUE(GetAdBlockLayout(&ad, &layout)); }
};

void ExpectRect(const RECT &rc, LONG l, LONG t, LONG r, LONG b)
{
    EXPECT_EQ(rc.left, l);
    EXPECT_EQ(rc.top, t);
    EXPECT_EQ(rc.right, r);
    EXPECT_EQ(rc.bottom, b);
}

}  // namespace

TEST(AdBlockLayout, LeaderboardSideBySideWithLabelAtBottomRight)
{
    Unit u(1, 10, 10);
    const AdBlockLayout &l = u.layout;
    ExpectRect(l.rcUnit, 10, 10, 738, 100);
    ExpectRect(l.rcLabel, 10, 85, 738, 100);
    EXPECT_TRUE(l.uLabelFormat & DT_RIGHT);
    EXPECT_EQ(l.uLabelFormat & (DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER),
              (UINT)(DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER));
    EXPECT_EQ(l.nAdWidth, 181);
    ASSERT_EQ(l.nAds, 4);
    // The tallest ad decides: 1 title and 3 text lines.
    EXPECT_EQ(l.nTotalLines, 4);
    const LONG lefts[] = {12, 193, 374, 555};
    for (int i = 0; i < 4; i++) {
        ExpectRect(l.ads[i].rcBox, lefts[i], 11, lefts[i] + 181, 84);
        EXPECT_EQ(l.ads[i].nAdHeight, 74);
    }
    // Horizontal ads start their lines at the top of the shrunk box.
    const AdBoxLayout &first = l.ads[0];
    ASSERT_EQ(first.nLines, 3);
    ExpectRect(first.line[0].rc, 14, 13, 191, 27);
    ExpectRect(first.line[1].rc, 14, 28, 191, 42);
    ExpectRect(first.line[2].rc, 14, 43, 191, 57);
    EXPECT_EQ(first.line[0].nPart, AD_PART_TITLE);
    EXPECT_EQ(first.line[1].nPart, AD_PART_TEXT);
    EXPECT_STREQ(first.line[0].szText, u.ad.m_ads[0].szTitle[0]);
    EXPECT_EQ(first.line[2].nLength, (int)strlen(u.ad.m_ads[0].szText[1]));
}

TEST(AdBlockLayout, BannerAndHalfBanner)
{
    Unit banner(2, 10, 10);
    EXPECT_EQ(banner.layout.nAdWidth, 233);
    ASSERT_EQ(banner.layout.nAds, 2);
    ExpectRect(banner.layout.ads[0].rcBox, 11, 11, 244, 54);
    ExpectRect(banner.layout.ads[1].rcBox, 244, 11, 477, 54);

    Unit half(3, 0, 0);
    EXPECT_EQ(half.layout.nAdWidth, 232);
    ASSERT_EQ(half.layout.nAds, 1);
    ExpectRect(half.layout.ads[0].rcBox, 1, 1, 233, 44);
}

TEST(AdBlockLayout, SingleAdFormatsSitUnderTheLabel)
{
    Unit button(12, 0, 0);
    const AdBlockLayout &l = button.layout;
    ExpectRect(l.rcLabel, 0, 0, 125, 15);
    EXPECT_EQ(l.uLabelFormat & (DT_RIGHT | DT_CENTER), 0u);  // left-aligned
    ASSERT_EQ(l.nAds, 1);
    ExpectRect(l.ads[0].rcBox, 1, 15, 124, 124);
    // 2 titles, 4 texts and a URL: 7 lines centred in the 105-pixel inner box.
    const AdBoxLayout &box = l.ads[0];
    EXPECT_EQ(box.nLineCount, 7);
    ASSERT_EQ(box.nLines, 7);
    int nStart = (105 - 7 * 14) / 2;
    EXPECT_EQ(box.line[0].rc.top, 17 + nStart);
    EXPECT_EQ(box.line[0].rc.bottom, 17 + nStart + 14);
    EXPECT_EQ(box.line[6].nPart, AD_PART_URL);
    EXPECT_EQ(box.line[6].rc.top, 17 + nStart + 6 * 15);

    Unit small(11, 5, 5);
    ExpectRect(small.layout.ads[0].rcBox, 6, 20, 184, 154);
}

TEST(AdBlockLayout, StackedAdsShareHeightByLineCount)
{
    Unit sky(4, 0, 0);
    const AdBlockLayout &l = sky.layout;
    ExpectRect(l.rcLabel, 0, 0, 120, 15);
    EXPECT_EQ(l.uLabelFormat & (DT_RIGHT | DT_CENTER), 0u);
    ASSERT_EQ(l.nAds, 4);
    int nTotal = 0;
    for (int i = 0; i < 4; i++)
        nTotal += GetSampleAdLineCount(&sky.ad.m_ads[i]);
    EXPECT_EQ(l.nTotalLines, nTotal);
    EXPECT_EQ(nTotal, 7 + 8 + 8 + 6);
    LONG nTop = 15;
    for (int i = 0; i < 4; i++) {
        int nHeight = (int)((600.0 - 15 - 4) * l.ads[i].nLineCount / nTotal);
        EXPECT_EQ(l.ads[i].nAdHeight, nHeight) << i;
        ExpectRect(l.ads[i].rcBox, 1, nTop, 119, nTop + nHeight);
        nTop += nHeight + 1;
    }
    // The heights and the 1-pixel gaps never run past the unit.
    EXPECT_LE(l.ads[3].rcBox.bottom, 600);
}

// Heights worked out by hand: the share is cut towards zero, never rounded (111.5, 74.57,
// 55.93 and 49.5 below), and each box starts one pixel under the one before.
TEST(AdBlockLayout, StackedHeightsAreTruncatedShares)
{
    struct Case { int nFormat; int nAds; int heights[4]; int tops[4]; } cases[] = {
        {4, 4, {140, 160, 160, 120}, {15, 156, 317, 478}},
        {6, 2, {111, 111}, {15, 127}},
        {7, 4, {74, 55, 74, 55}, {15, 90, 146, 221}},
        {8, 4, {66, 49, 49, 66}, {15, 82, 132, 182}},
    };
    for (const Case &c : cases) {
        Unit u(c.nFormat, 0, 0);
        ASSERT_EQ(u.layout.nAds, c.nAds) << c.nFormat;
        for (int i = 0; i < c.nAds; i++) {
            EXPECT_EQ(u.layout.ads[i].nAdHeight, c.heights[i]) << c.nFormat << " ad " << i;
            EXPECT_EQ(u.layout.ads[i].rcBox.top, c.tops[i]) << c.nFormat << " ad " << i;
            EXPECT_EQ(u.layout.ads[i].rcBox.bottom, c.tops[i] + c.heights[i]) << c.nFormat << " ad " << i;
        }
    }
}

// Stacked and single ads centre their lines in the shrunk box; the start is cut towards
// zero, also when the lines do not fit and it turns negative.
TEST(AdBlockLayout, LinesAreCentredInTheInnerBox)
{
    Unit sky(4, 0, 0);
    // Ad 0: box 15..155, inner 17..153 (136 pixels), 7 lines: (136 - 98) / 2 = 19.
    const AdBoxLayout &first = sky.layout.ads[0];
    ASSERT_EQ(first.nLines, 7);
    ExpectRect(first.line[0].rc, 3, 36, 117, 50);
    ExpectRect(first.line[1].rc, 3, 51, 117, 65);
    EXPECT_EQ(first.line[1].nPart, AD_PART_TITLE);
    EXPECT_EQ(first.line[2].nPart, AD_PART_TEXT);
    EXPECT_EQ(first.line[6].nPart, AD_PART_URL);
    // Ad 3: box 478..598, inner 480..596 (116 pixels), 6 lines: (116 - 84) / 2 = 16.
    EXPECT_EQ(sky.layout.ads[3].line[0].rc.top, 496);

    Unit button(12, 0, 0);
    button.ad.m_info.nHeight = 41;  // box 15..40, inner 17..38: 21 pixels for 7 lines
    button.Lay();
    // (21 - 98) / 2 = -38.5 becomes -38, not -39.
    EXPECT_EQ(button.layout.ads[0].line[0].rc.top, 17 - 38);
    EXPECT_EQ(button.layout.ads[0].line[0].rc.bottom, 17 - 38 + 14);
}

TEST(AdBlockLayout, LineCountStopsAtFirstEmptyLine)
{
    SampleAd ad = {};
    EXPECT_EQ(GetSampleAdLineCount(&ad), 0);
    strcpy(ad.szTitle[1], "orphan title");  // after an empty first title: not counted
    strcpy(ad.szText[0], "one");
    strcpy(ad.szText[2], "after a gap");
    EXPECT_EQ(GetSampleAdLineCount(&ad), 1);
    strcpy(ad.szURL, "www.x.example");
    EXPECT_EQ(GetSampleAdLineCount(&ad), 2);
    EXPECT_EQ(GetSampleAdLineCount(nullptr), 0);
}

TEST(AdBlockLayout, AdsWithoutLinesShareTheHeightEqually)
{
    Unit sky(5, 0, 0);
    memset(sky.ad.m_ads, 0, sizeof(sky.ad.m_ads));
    sky.Lay();
    const AdBlockLayout &l = sky.layout;
    EXPECT_EQ(l.nTotalLines, 0);
    ASSERT_EQ(l.nAds, 5);
    const int nHeight = (600 - 15 - 5) / 5;
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(l.ads[i].nAdHeight, nHeight) << i;
        EXPECT_EQ(l.ads[i].rcBox.top, 15 + i * (nHeight + 1)) << i;
    }
    EXPECT_LE(l.ads[4].rcBox.bottom, 600);
}

TEST(AdBlockLayout, BadAdCountAndFullFieldsStayInside)
{
    Unit u(1, 0, 0);
    u.ad.m_nAdCount = 99;
    memset(u.ad.m_ads[0].szTitle[0], 'T', AD_TITLE_SIZE);  // no terminator
    u.Lay();
    EXPECT_EQ(u.layout.nAds, AD_MAX_ADS);
    EXPECT_EQ(u.layout.ads[0].line[0].nLength, AD_TITLE_SIZE);
    u.ad.m_nAdCount = -3;
    u.Lay();
    EXPECT_EQ(u.layout.nAds, 0);
    EXPECT_FALSE(GetAdBlockLayout(nullptr, &u.layout));
    EXPECT_FALSE(GetAdBlockLayout(&u.ad, nullptr));
}

TEST(AdBlockLayout, DrawingOffsetMovesEverything)
{
    Unit u(2, 10, 10);
    u.ad.SetOffset(-10, 5);
    u.Lay();
    ExpectRect(u.layout.rcUnit, 0, 15, 468, 75);
    ExpectRect(u.layout.ads[0].rcBox, 1, 16, 234, 59);
    ExpectRect(u.layout.rcLabel, 0, 60, 468, 75);
}

TEST(AdBlockLayout, LabelColourThreshold)
{
    struct Case { COLORREF crBorder; COLORREF crLabel; } cases[] = {
        {0xC0C0C0, 0x000000},
        {0xFFFFFF, 0x000000},
        {0xA1A1A1, 0x000000},
        {0xA0FFFF, 0xFFFFFF},  // blue byte exactly 160
        {0xFFA0FF, 0xFFFFFF},
        {0xFFFFA0, 0xFFFFFF},
        {0x996633, 0xFFFFFF},
        {0x000000, 0xFFFFFF},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GetAdLabelColor(c.crBorder), c.crLabel) << std::hex << c.crBorder;
    Unit u(1, 0, 0);
    u.ad.m_info.crBorder = 0xC0C0C0;
    u.Lay();
    EXPECT_EQ(u.layout.crLabel, 0x000000u);
}

// A damaged or hand-made file may store any int as a size or corner. The layout must come
// out without overflow: every measure at least zero, every box and line the right way
// round, the stacked boxes and each ad's lines in order down the unit.
TEST(AdBlockLayout, AbsurdSizesAndCornersKeepTheLayoutInOrder)
{
    const int kMax = INT_MAX, kMin = INT_MIN;
    struct Case { int nWidth, nHeight; RECT rcPos; int nOffsetX, nOffsetY; } cases[] = {
        {kMax, kMax, {0, 0, 10, 10}, 0, 0},
        {kMin, kMin, {0, 0, 10, 10}, 0, 0},
        {kMax, kMin, {kMax - 5, kMax - 5, kMax, kMax}, 0, 0},
        {kMin, kMax, {kMin, kMin, kMin + 5, kMin + 5}, 0, 0},
        {kMax, kMax, {kMax - 1, kMax - 1, kMax, kMax}, kMax, kMax},
        {kMax, kMax, {kMin, kMin, kMax, kMax}, kMin, kMin},
        {1, 16, {kMax - 20, kMin, kMax, kMin + 20}, 0, 0},
        {-5, 0, {100, 100, 0, 0}, 0, 0},
    };
    const int formats[] = {1, 4, 11};
    for (int nFormat : formats) {
        for (const Case &c : cases) {
            Unit u(nFormat, 0, 0);
            u.ad.m_info.nWidth = c.nWidth;
            u.ad.m_info.nHeight = c.nHeight;
            u.ad.m_rcPos = c.rcPos;
            u.ad.SetOffset(c.nOffsetX, c.nOffsetY);
            u.Lay();
            const AdBlockLayout &l = u.layout;
            const std::string what = "format " + std::to_string(nFormat) + ", size " +
                                     std::to_string(c.nWidth) + " x " + std::to_string(c.nHeight) +
                                     ", corner " + std::to_string(c.rcPos.left);
            EXPECT_GE(l.nAdWidth, 0) << what;
            EXPECT_LE(l.rcLabel.top, l.rcLabel.bottom) << what;
            ASSERT_GT(l.nAds, 0) << what;
            for (int i = 0; i < l.nAds; i++) {
                const AdBoxLayout &box = l.ads[i];
                EXPECT_GE(box.nAdHeight, 0) << what << " ad " << i;
                EXPECT_LE(box.rcBox.left, box.rcBox.right) << what << " ad " << i;
                EXPECT_LE(box.rcBox.top, box.rcBox.bottom) << what << " ad " << i;
                if (i > 0 && nFormat == 4) {
                    EXPECT_GE(box.rcBox.top, l.ads[i - 1].rcBox.bottom) << what << " ad " << i;
                }
                if (i > 0 && nFormat == 1) {
                    EXPECT_GE(box.rcBox.left, l.ads[i - 1].rcBox.left) << what << " ad " << i;
                }
                ASSERT_GT(box.nLines, 0) << what << " ad " << i;
                for (int k = 0; k < box.nLines; k++) {
                    const RECT &rc = box.line[k].rc;
                    EXPECT_LE(rc.left, rc.right) << what << " ad " << i << " line " << k;
                    EXPECT_LE(rc.top, rc.bottom) << what << " ad " << i << " line " << k;
                    if (k > 0) {
                        EXPECT_GE(rc.top, box.line[k - 1].rc.bottom) << what << " ad " << i;
                    }
                }
            }
        }
    }
}
