#include <gtest/gtest.h>

#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"

#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

namespace {

struct CodeValues {
    int W, H;
    const char *szName;
    int pl, pt, pr, pb;
    const char *szPubID = "pub-1234567890123456";
    int nWidth = 728, nHeight = 90;
    const char *szFormat = "728x90_as";
    const char *szChannel = "";
    const char *szBorder = "336699", *szBG = "ffffff", *szLink = "0000ff", *szText = "000000",
               *szURL = "008000";
};

// The expected page code, written out line by line.
std::string ExpectedCode(const CodeValues &v)
{
    char sz[4096];
    snprintf(sz, sizeof(sz),
             "<table width=\"%d\" height=\"%d\" cellpadding=\"0\" cellspacing=\"0\">\r\n"
             "  <tr>\r\n"
             "    <td width=\"%d\" background=\"images/%s.jpg\">\r\n"
             "      <div align=\"center\" style=\"padding-left:%dpx;padding-top:%dpx;padding-right:%dpx;padding-bottom:%dpx;line-height:0\">\r\n"
             "      <script type=\"text/javascript\"><!--\r\n"
             "        google_ad_client = \"%s\";\r\n"
             "        google_ad_width = %d;\r\n"
             "        google_ad_height = %d;\r\n"
             "        google_ad_format = \"%s\";\r\n"
             "        google_ad_type = \"text\";\r\n"
             "        google_ad_channel = \"%s\";\r\n"
             "        google_color_border = \"%s\";\r\n"
             "        google_color_bg = \"%s\";\r\n"
             "        google_color_link = \"%s\";\r\n"
             "        google_color_text = \"%s\";\r\n"
             "        google_color_url = \"%s\";\r\n"
             "      //--></script>\r\n"
             "      <script type=\"text/javascript\" src=\"https://pagead2.googlesyndication.com/pagead/show_ads.js\"></script>\r\n"
             "      </div>\r\n"
             "    </td>\r\n"
             "  </tr>\r\n"
             "</table>\r\n",
             v.W, v.H, v.W, v.szName, v.pl, v.pt, v.pr, v.pb, v.szPubID, v.nWidth, v.nHeight,
             v.szFormat, v.szChannel, v.szBorder, v.szBG, v.szLink, v.szText, v.szURL);
    return sz;
}

template <class T>
T *AddAt(AdSenseTemplate &t, T *pObj, LONG l, LONG top, LONG r, LONG b)
{
    RECT rc = {l, top, r, b};
    pObj->SetPos(&rc);
    t.Add(pObj);
    return pObj;
}

}  // namespace

TEST(AdCode, DefaultTemplateByteForByte)
{
    AdSenseTemplate t;
    t.New();
    const std::string code = t.GetCode();
    CodeValues v{728, 90, "noname", 0, 0, 0, 0};
    EXPECT_EQ(code, ExpectedCode(v));
    // The same text spelled out, independent of the helper above.
    const char szLiteral[] =
        "<table width=\"728\" height=\"90\" cellpadding=\"0\" cellspacing=\"0\">\r\n"
        "  <tr>\r\n"
        "    <td width=\"728\" background=\"images/noname.jpg\">\r\n"
        "      <div align=\"center\" style=\"padding-left:0px;padding-top:0px;padding-right:0px;padding-bottom:0px;line-height:0\">\r\n"
        "      <script type=\"text/javascript\"><!--\r\n"
        "        google_ad_client = \"pub-1234567890123456\";\r\n"
        "        google_ad_width = 728;\r\n"
        "        google_ad_height = 90;\r\n"
        "        google_ad_format = \"728x90_as\";\r\n"
        "        google_ad_type = \"text\";\r\n"
        "        google_ad_channel = \"\";\r\n"
        "        google_color_border = \"336699\";\r\n"
        "        google_color_bg = \"ffffff\";\r\n"
        "        google_color_link = \"0000ff\";\r\n"
        "        google_color_text = \"000000\";\r\n"
        "        google_color_url = \"008000\";\r\n"
        "      //--></script>\r\n"
        "      <script type=\"text/javascript\" src=\"https://pagead2.googlesyndication.com/pagead/show_ads.js\"></script>\r\n"
        "      </div>\r\n"
        "    </td>\r\n"
        "  </tr>\r\n"
        "</table>\r\n";
    EXPECT_EQ(code, szLiteral);
    // Every line ends in CR LF and there is no bare LF.
    size_t nLines = 0;
    for (size_t i = 0; i < code.size(); i++) {
        if (code[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(code[i - 1], '\r');
            nLines++;
        }
    }
    EXPECT_EQ(nLines, 22u);
}

TEST(AdCode, OrnamentsMovePaddingsAndSize)
{
    AdSenseTemplate t;
    t.New();
    RECT rcUnit = {30, 40, 758, 130};
    t.GetAdSense()->SetPos(&rcUnit);
    // A text 20 pixels left of and 30 above the unit, ending at its right and bottom.
    AddAt(t, new AdText, 10, 10, 758, 130);
    CodeValues v{748, 120, "noname", 20, 30, 0, 0};
    EXPECT_EQ(std::string(t.GetCode()), ExpectedCode(v));
}

TEST(AdCode, EnclosingFrameGivesEqualPaddings)
{
    AdSenseTemplate t;
    t.New();
    AddAt(t, new AdFrame, 8, 8, 740, 102);
    CodeValues v{732, 94, "noname", 2, 2, 2, 2};
    EXPECT_EQ(std::string(t.GetCode()), ExpectedCode(v));
}

TEST(AdCode, MarginsGrowThePictureAndThePaddingsAlike)
{
    AdSenseTemplate t;
    t.New();
    AddAt(t, new AdFrame, 8, 8, 740, 102);
    t.SetMarginLeft(5);
    t.SetMarginRight(5);
    t.SetMarginTop(5);
    t.SetMarginBottom(5);
    CodeValues v{742, 104, "noname", 7, 7, 7, 7};
    EXPECT_EQ(std::string(t.GetCode()), ExpectedCode(v));

    // Margins wider than the space left of the objects stop at the plane's edge; the
    // paddings follow the picture's edges, not the margins.
    t.SetMarginLeft(10);
    t.SetMarginTop(10);
    t.SetMarginRight(10);
    t.SetMarginBottom(10);
    CodeValues cut{750, 112, "noname", 10, 10, 12, 12};
    EXPECT_EQ(std::string(t.GetCode()), ExpectedCode(cut));
}

// The table is the exported picture and the paddings leave exactly the ad in its middle,
// so the ad lands on the placeholder whatever the margins and wherever the objects lie.
TEST(AdCode, PaddingsPutTheAdOnItsPlaceInThePicture)
{
    struct Case {
        const char *szWhat;
        RECT rcOrnament;  // empty: none
        int margins[4];   // left, top, right, bottom
        RECT rcPicture;
    } cases[] = {
        {"unit alone", {0, 0, 0, 0}, {0, 0, 0, 0}, {10, 10, 738, 100}},
        {"unit alone, margins stop at 0", {0, 0, 0, 0}, {10, 10, 10, 10}, {0, 0, 748, 110}},
        {"unit alone, margins fit", {0, 0, 0, 0}, {3, 3, 3, 3}, {7, 7, 741, 103}},
        {"unequal margins", {0, 0, 0, 0}, {3, 3, 7, 7}, {7, 7, 745, 107}},
        {"enclosing frame", {8, 8, 740, 102}, {10, 10, 10, 10}, {0, 0, 750, 112}},
        {"ornament left of and above the plane", {-30, -15, 0, 5}, {10, 10, 10, 10},
         {-30, -15, 748, 110}},
        {"ornament at 0", {0, 0, 20, 20}, {10, 10, 10, 10}, {0, 0, 748, 110}},
        {"ornament right and below", {700, 90, 900, 160}, {3, 3, 3, 3}, {7, 7, 903, 163}},
    };
    for (const Case &c : cases) {
        AdSenseTemplate t;
        t.New();
        if (c.rcOrnament.right > c.rcOrnament.left)
            AddAt(t, new AdFrame, c.rcOrnament.left, c.rcOrnament.top, c.rcOrnament.right,
                  c.rcOrnament.bottom);
        t.SetMarginLeft(c.margins[0]);
        t.SetMarginTop(c.margins[1]);
        t.SetMarginRight(c.margins[2]);
        t.SetMarginBottom(c.margins[3]);
        RECT rc = {};
        ASSERT_TRUE(t.GetPictureRect(&rc));
        EXPECT_EQ(rc.left, c.rcPicture.left) << c.szWhat;
        EXPECT_EQ(rc.top, c.rcPicture.top) << c.szWhat;
        EXPECT_EQ(rc.right, c.rcPicture.right) << c.szWhat;
        EXPECT_EQ(rc.bottom, c.rcPicture.bottom) << c.szWhat;

        const int W = rc.right - rc.left, H = rc.bottom - rc.top;
        CodeValues v{W, H, "noname", 10 - rc.left, 10 - rc.top, rc.right - 738, rc.bottom - 100};
        EXPECT_EQ(std::string(t.GetCode()), ExpectedCode(v)) << c.szWhat;
        EXPECT_EQ(v.pl + 728 + v.pr, W) << c.szWhat;
        EXPECT_EQ(v.pt + 90 + v.pb, H) << c.szWhat;
        int w = 0, h = 0;
        t.GetPictureSize(&w, &h);
        EXPECT_EQ(w, W) << c.szWhat;
        EXPECT_EQ(h, H) << c.szWhat;
    }
}

TEST(AdCode, UnitSettingsAndColours)
{
    AdSenseTemplate t;
    t.New();
    AdSense *pAd = t.GetAdSense();
    pAd->SetFormat(8);
    AdSenseInfo &info = *pAd->GetInfo();
    strcpy(info.szPubID, "pub-9876543210987654");
    strcpy(info.szChannelID, "12345678901");
    info.crBorder = 0x00123456;
    info.crBG = 0x00ABCDEF;
    info.crTitle = 0x000000FF;
    info.crText = 0x00FFFFFF;
    info.crURL = 0x00010203;
    CodeValues v{300, 250, "noname", 0, 0, 0, 0};
    v.szPubID = "pub-9876543210987654";
    v.nWidth = 300;
    v.nHeight = 250;
    v.szFormat = "300x250_as";
    v.szChannel = "12345678901";
    v.szBorder = "563412";
    v.szBG = "efcdab";
    v.szLink = "ff0000";
    v.szText = "ffffff";
    v.szURL = "030201";
    EXPECT_EQ(std::string(t.GetCode()), ExpectedCode(v));
}

TEST(AdCode, ColorToHexIsRedGreenBlue)
{
    struct Case { COLORREF cr; const char *szHex; } cases[] = {
        {0x00123456, "563412"}, {0x00996633, "336699"}, {0x00000000, "000000"},
        {0x00FFFFFF, "ffffff"}, {0xFF0000FF, "ff0000"},  // the high byte is not a colour
    };
    for (const Case &c : cases)
        EXPECT_STREQ(ColorToHex(c.cr), c.szHex);
}

TEST(AdAsyncCode, DefaultTemplateByteForByte)
{
    AdSenseTemplate t;
    t.New();
    const char szExpected[] =
        "<table width=\"728\" height=\"90\" cellpadding=\"0\" cellspacing=\"0\">\r\n"
        "  <tr>\r\n"
        "    <td width=\"728\" background=\"images/noname.jpg\">\r\n"
        "      <div align=\"center\" style=\"padding-left:0px;padding-top:0px;padding-right:0px;padding-bottom:0px;line-height:0\">\r\n"
        "      <script async src=\"https://pagead2.googlesyndication.com/pagead/js/adsbygoogle.js?client=ca-pub-1234567890123456\" crossorigin=\"anonymous\"></script>\r\n"
        "      <ins class=\"adsbygoogle\" style=\"display:inline-block;width:728px;height:90px\" data-ad-client=\"ca-pub-1234567890123456\"></ins>\r\n"
        "      <script>(adsbygoogle = window.adsbygoogle || []).push({});</script>\r\n"
        "      </div>\r\n"
        "    </td>\r\n"
        "  </tr>\r\n"
        "</table>\r\n";
    EXPECT_EQ(std::string(t.GetCode(AD_CODE_ASYNC)), szExpected);
    // The classic form is still what GetCode gives without a style.
    EXPECT_NE(std::string(t.GetCode()).find("show_ads.js"), std::string::npos);
}

// Everything but the script lines is the classic code's, byte for byte.
TEST(AdAsyncCode, SharesTheTableWithTheClassicCode)
{
    AdSenseTemplate t;
    t.New();
    t.GetAdSense()->SetFormat(4);
    AddAt(t, new AdFrame, -5, 2, 140, 700);
    t.SetMarginLeft(3);
    t.SetMarginTop(3);
    t.SetMarginRight(3);
    t.SetMarginBottom(3);
    auto split = [](const std::string &code) {
        std::vector<std::string> lines;
        for (size_t i = 0; i < code.size();) {
            size_t end = code.find("\r\n", i);
            lines.push_back(code.substr(i, end - i));
            i = end + 2;
        }
        return lines;
    };
    const std::vector<std::string> classic = split(t.GetCode());
    const std::vector<std::string> async = split(t.GetCode(AD_CODE_ASYNC));
    ASSERT_EQ(classic.size(), 22u);
    ASSERT_EQ(async.size(), 11u);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(async[i], classic[i]);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(async[7 + i], classic[18 + i]);
    EXPECT_EQ(async[5], "      <ins class=\"adsbygoogle\" style=\"display:inline-block;width:120px;"
                        "height:600px\" data-ad-client=\"ca-pub-1234567890123456\"></ins>");
}

TEST(AdAsyncCode, ChannelOnlyWhenSet)
{
    AdSenseTemplate t;
    t.New();
    AdSenseInfo &info = *t.GetAdSense()->GetInfo();
    strcpy(info.szPubID, "pub-9876543210987654");
    strcpy(info.szChannelID, "12345678901");
    std::string code = t.GetCode(AD_CODE_ASYNC);
    EXPECT_NE(code.find("adsbygoogle.js?client=ca-pub-9876543210987654\""), std::string::npos);
    EXPECT_NE(code.find(" data-ad-client=\"ca-pub-9876543210987654\" "
                        "data-ad-channel=\"12345678901\"></ins>\r\n"),
              std::string::npos);

    info.szChannelID[0] = 0;
    code = t.GetCode(AD_CODE_ASYNC);
    EXPECT_EQ(code.find("data-ad-channel"), std::string::npos);
    EXPECT_NE(code.find(" data-ad-client=\"ca-pub-9876543210987654\"></ins>\r\n"),
              std::string::npos);
}

// Both forms: the IDs may come from a file without their terminator.
TEST(AdCode, UnterminatedIDsAreCutToTheirFields)
{
    AdSenseTemplate t;
    t.New();
    AdSenseInfo &info = *t.GetAdSense()->GetInfo();
    memset(info.szPubID, '7', sizeof(info.szPubID));
    memset(info.szChannelID, '8', sizeof(info.szChannelID));
    const std::string pub(31, '7'), channel(31, '8');
    const std::string classic = t.GetCode();
    EXPECT_NE(classic.find("google_ad_client = \"" + pub + "\";\r\n"), std::string::npos);
    EXPECT_NE(classic.find("google_ad_channel = \"" + channel + "\";\r\n"), std::string::npos);
    const std::string async = t.GetCode(AD_CODE_ASYNC);
    EXPECT_NE(async.find("?client=ca-" + pub + "\""), std::string::npos);
    EXPECT_NE(async.find("data-ad-client=\"ca-" + pub + "\" data-ad-channel=\"" + channel +
                         "\"></ins>\r\n"),
              std::string::npos);
}
