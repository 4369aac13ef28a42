#include <gtest/gtest.h>

#include "AdTemplate/AdObjects.h"

#include <string.h>
#include <string>

namespace {

bool IsLive(HGDIOBJ h)
{
    return h && GetObjectType(h) != 0;
}

void ExpectRect(const RECT &rc, LONG l, LONG t, LONG r, LONG b)
{
    EXPECT_EQ(rc.left, l);
    EXPECT_EQ(rc.top, t);
    EXPECT_EQ(rc.right, r);
    EXPECT_EQ(rc.bottom, b);
}

bool ReservedCleared(const AdReserved &r)
{
    for (DWORD v : r.dwValue)
        if (v) return false;
    for (const auto &sz : r.szText)
        if (sz[0] || sz[1]) return false;
    return true;
}

}  // namespace

TEST(AdObj, KindsCarryTheirTypeCodes)
{
    AdSense ad;
    Pictra pic;
    AdText text;
    AdLine line;
    AdShadow shadow;
    AdFrame frame;
    const AdObj *objs[] = {&ad, &pic, &text, &line, &shadow, &frame};
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(objs[i]->GetType(), i);
        EXPECT_FALSE(objs[i]->IsSelected());
        EXPECT_EQ(objs[i]->m_nOffsetX, 0);
        EXPECT_EQ(objs[i]->m_nOffsetY, 0);
    }
    // Only the frame and the placeholder are named at construction.
    EXPECT_STREQ(ad.GetName(), "AdSense Content");
    EXPECT_STREQ(frame.GetName(), "Frame1");
    EXPECT_STREQ(pic.GetName(), "");
    EXPECT_STREQ(text.GetName(), "");
    EXPECT_STREQ(line.GetName(), "");
    EXPECT_STREQ(shadow.GetName(), "");
}

TEST(AdObj, NewTextDefaults)
{
    AdText text;
    EXPECT_STREQ(text.m_szText, "New Text");
    EXPECT_EQ(text.m_lf.lfHeight, -12);
    EXPECT_EQ(text.m_lf.lfWeight, 400);
    EXPECT_STREQ(text.m_lf.lfFaceName, "Verdana");
    EXPECT_EQ(text.m_lf.lfCharSet, 0);
    EXPECT_EQ(text.m_lf.lfItalic, 0);
    EXPECT_EQ(text.m_lf.lfPitchAndFamily, 0);
    EXPECT_EQ(text.m_crText, 0x000000u);
    EXPECT_EQ(text.m_crBack, 0xFFFFFFu);
    EXPECT_EQ(text.m_nAlign, 1);
    EXPECT_EQ(text.m_hFont, nullptr);
    EXPECT_EQ(text.m_hBrush, nullptr);
    ExpectRect(text.m_rcPos, 0, 0, 0, 0);
    EXPECT_TRUE(ReservedCleared(text.m_reserved));
}

TEST(AdObj, LineShadowFramePictureDefaults)
{
    AdLine line;
    EXPECT_EQ(line.m_nWidth, 1);
    EXPECT_EQ(line.m_nStyle, 1);
    EXPECT_EQ(line.m_crLine, 0u);
    EXPECT_EQ(line.m_hPen, nullptr);
    EXPECT_EQ(line.m_ptStart.x, 50);
    EXPECT_EQ(line.m_ptStart.y, 50);
    EXPECT_EQ(line.m_ptEnd.x, 200);
    EXPECT_EQ(line.m_ptEnd.y, 200);
    ExpectRect(line.m_rcPos, 50, 50, 200, 200);

    AdShadow shadow;
    EXPECT_EQ(shadow.m_nValue, 6u);
    ExpectRect(shadow.m_rcPos, 0, 0, 0, 0);

    AdFrame frame;
    EXPECT_EQ(frame.m_nFrameType, 1);
    EXPECT_EQ(frame.m_crBack, 0xFFFFFFu);
    EXPECT_EQ(frame.m_nLineWidth, 1);
    EXPECT_EQ(frame.m_nLineStyle, 1);
    EXPECT_EQ(frame.m_nRoundCorner, 0);
    EXPECT_EQ(frame.m_crLine, 0u);
    EXPECT_STREQ(frame.m_szExtra, "");
    EXPECT_EQ(frame.m_crExtra1, 0u);
    EXPECT_EQ(frame.m_crExtra2, 0xFFFFFFu);
    EXPECT_EQ(frame.m_nExtra, 32u);
    EXPECT_EQ(frame.m_hPen, nullptr);
    EXPECT_EQ(frame.m_hBrush, nullptr);
    ExpectRect(frame.m_rcPos, 0, 0, 0, 0);

    Pictra pic;
    EXPECT_STREQ(pic.m_szFile, "");
    EXPECT_STREQ(pic.m_szExt, "");
    EXPECT_TRUE(ReservedCleared(pic.m_reserved));
}

TEST(AdObj, ResetRestoresDefaultsAndClearsReserved)
{
    AdFrame frame;
    frame.m_nRoundCorner = 12;
    frame.m_crBack = 0x123456;
    frame.m_reserved.dwValue[7] = 99;
    frame.m_reserved.szText[3][0] = 'x';
    RECT rc = {1, 2, 3, 4};
    frame.SetPos(&rc);
    frame.UpdateBrush();
    HBRUSH hOld = frame.m_hBrush;
    frame.Reset();
    EXPECT_EQ(frame.m_nRoundCorner, 0);
    EXPECT_EQ(frame.m_crBack, 0xFFFFFFu);
    ExpectRect(frame.m_rcPos, 0, 0, 0, 0);
    EXPECT_TRUE(ReservedCleared(frame.m_reserved));
    // Reset drops the cache it replaces instead of leaking it.
    EXPECT_EQ(frame.m_hBrush, nullptr);
    EXPECT_FALSE(IsLive(hOld));
}

// Every kind with caches lets go of them on Reset; the placeholder builds fresh ones.
TEST(AdObj, ResetReleasesEveryCache)
{
    AdText text;
    text.PrepareGdi();
    HGDIOBJ hTextOld[] = {text.m_hFont, text.m_hBrush};
    text.m_szText[0] = 0;
    text.Reset();
    EXPECT_EQ(text.m_hFont, nullptr);
    EXPECT_EQ(text.m_hBrush, nullptr);
    EXPECT_STREQ(text.m_szText, "New Text");

    AdLine line;
    line.PrepareGdi();
    HGDIOBJ hPenOld = line.m_hPen;
    line.m_ptEnd.x = 7;
    line.Reset();
    EXPECT_EQ(line.m_hPen, nullptr);
    EXPECT_EQ(line.m_ptEnd.x, 200);

    AdSense ad;
    HGDIOBJ hAdOld[] = {ad.m_hTitleFont, ad.m_hTextFont, ad.m_hURLFont, ad.m_hLabelFont,
                        ad.m_hBorderBrush, ad.m_hBGBrush};
    ad.SetFormat(4);
    ad.m_info.crBorder = 0x123456;
    ad.Reset();
    EXPECT_EQ(ad.m_info.nFormat, 1);
    EXPECT_EQ(ad.m_nAdCount, 0);
    EXPECT_EQ(ad.m_ads[0].szTitle[0][0], 0);
    for (HGDIOBJ h : {(HGDIOBJ)ad.m_hTitleFont, (HGDIOBJ)ad.m_hTextFont, (HGDIOBJ)ad.m_hURLFont,
                      (HGDIOBJ)ad.m_hLabelFont, (HGDIOBJ)ad.m_hBorderBrush, (HGDIOBJ)ad.m_hBGBrush})
        EXPECT_TRUE(IsLive(h));
    LOGBRUSH lb = {};
    GetObjectA(ad.m_hBorderBrush, sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, 0x996633u);

    for (HGDIOBJ h : hTextOld)
        EXPECT_FALSE(IsLive(h));
    EXPECT_FALSE(IsLive(hPenOld));
    for (HGDIOBJ h : hAdOld)
        EXPECT_FALSE(IsLive(h));
}

TEST(AdObj, SetPosNameAndOffset)
{
    AdText text;
    EXPECT_FALSE(text.SetPos(nullptr));
    RECT rc = {5, 6, 70, 80};
    EXPECT_TRUE(text.SetPos(&rc));
    ExpectRect(*text.GetPos(), 5, 6, 70, 80);
    EXPECT_FALSE(text.SetPos(nullptr));
    ExpectRect(*text.GetPos(), 5, 6, 70, 80);

    text.SetName("Text 1");
    text.SetName(nullptr);
    EXPECT_STREQ(text.GetName(), "Text 1");

    text.SetOffset(-3, 7);
    EXPECT_EQ(text.m_nOffsetX, -3);
    EXPECT_EQ(text.m_nOffsetY, 7);
    text.SetSelected(true);
    EXPECT_TRUE(text.IsSelected());
}

// Each copy is cut to its own field; the field that follows it in the object stays as it was.
TEST(AdObj, LongTextsAreCutToTheirFields)
{
    const std::string sLong(1000, 'w');
    AdText text;
    text.SetName(sLong.c_str());
    EXPECT_EQ(strlen(text.GetName()), 31u);
    EXPECT_EQ(text.m_nOffsetX, 0);
    text.SetText(sLong.c_str());
    EXPECT_EQ(strlen(text.m_szText), 255u);
    EXPECT_EQ(text.m_lf.lfHeight, -12);
    text.SetFaceName(sLong.c_str());
    EXPECT_EQ(strlen(text.m_lf.lfFaceName), 31u);
    EXPECT_EQ(text.m_crText, 0u);

    Pictra pic;
    pic.SetFile(sLong.c_str());
    EXPECT_EQ(strlen(pic.m_szFile), 259u);
    EXPECT_STREQ(pic.m_szExt, "");
    pic.m_reserved.dwValue[0] = 0x5A5A5A5A;
    pic.SetExt(sLong.c_str());
    EXPECT_EQ(strlen(pic.m_szExt), 31u);
    EXPECT_EQ(pic.m_reserved.dwValue[0], 0x5A5A5A5Au);
}

TEST(AdObj, PenStyleCodes)
{
    struct Case { int nCode; int nPenStyle; } cases[] = {
        {1, PS_SOLID}, {2, PS_DASH}, {3, PS_DOT}, {4, PS_DASHDOT}, {5, PS_DASHDOTDOT},
        {0, PS_SOLID}, {7, PS_SOLID}, {-1, PS_SOLID},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PenStyleFromCode(c.nCode), c.nPenStyle) << c.nCode;

    AdLine line;
    line.m_nStyle = 3;
    line.m_nWidth = 1;
    line.m_crLine = 0x0000FF;
    line.UpdatePen();
    LOGPEN lp = {};
    ASSERT_EQ(GetObjectA(line.m_hPen, sizeof(lp), &lp), (int)sizeof(lp));
    EXPECT_EQ(lp.lopnStyle, (UINT)PS_DOT);
    EXPECT_EQ(lp.lopnColor, 0x0000FFu);
}

TEST(AdObj, UpdateReplacesCachesAndPrepareKeepsThem)
{
    AdText text;
    text.PrepareGdi();
    HFONT hFont = text.m_hFont;
    HBRUSH hBrush = text.m_hBrush;
    ASSERT_TRUE(IsLive(hFont));
    ASSERT_TRUE(IsLive(hBrush));

    // A changed colour is not picked up until the brush is rebuilt.
    text.m_crBack = 0x00FF00;
    text.PrepareGdi();
    EXPECT_EQ(text.m_hBrush, hBrush);
    LOGBRUSH lb = {};
    GetObjectA(text.m_hBrush, sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, 0xFFFFFFu);

    text.UpdateBrush();
    EXPECT_FALSE(IsLive(hBrush));
    GetObjectA(text.m_hBrush, sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, 0x00FF00u);

    text.m_lf.lfHeight = -20;
    text.UpdateFont();
    EXPECT_FALSE(IsLive(hFont));
    LOGFONTA lf = {};
    GetObjectA(text.m_hFont, sizeof(lf), &lf);
    EXPECT_EQ(lf.lfHeight, -20);
}

TEST(AdObj, DestructorsReleaseEveryCache)
{
    HGDIOBJ handles[12] = {};
    int n = 0;
    {
        AdText text;
        text.PrepareGdi();
        AdLine line;
        line.PrepareGdi();
        AdFrame frame;
        frame.PrepareGdi();
        AdSense ad;
        for (HGDIOBJ h : {(HGDIOBJ)text.m_hFont, (HGDIOBJ)text.m_hBrush, (HGDIOBJ)line.m_hPen,
                          (HGDIOBJ)frame.m_hPen, (HGDIOBJ)frame.m_hBrush,
                          (HGDIOBJ)ad.m_hTitleFont, (HGDIOBJ)ad.m_hTextFont,
                          (HGDIOBJ)ad.m_hURLFont, (HGDIOBJ)ad.m_hLabelFont,
                          (HGDIOBJ)ad.m_hBorderBrush, (HGDIOBJ)ad.m_hBGBrush})
            handles[n++] = h;
        for (int i = 0; i < n; i++)
            ASSERT_TRUE(IsLive(handles[i])) << i;
    }
    for (int i = 0; i < n; i++)
        EXPECT_FALSE(IsLive(handles[i])) << i;
}
