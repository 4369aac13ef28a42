#include "TemplateFileSupport.h"

#include "PictraUtil.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <cstring>
#include <sstream>

using namespace testsupport;

namespace {

class BindingEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        CreateDirectoryA((ExeFolder() + "Temp").c_str(), nullptr);
        m_pUtil = new PictraUtil;
    }
    void TearDown() override
    {
        delete m_pUtil;
        m_pUtil = nullptr;
    }

private:
    PictraUtil *m_pUtil = nullptr;
};

::testing::Environment *const s_pEnvironment =
    ::testing::AddGlobalTestEnvironment(new BindingEnvironment);

std::string Head(const AdObj &obj)
{
    std::ostringstream s;
    s << obj.m_nType << " '" << obj.m_szName << "' " << obj.m_rcPos.left << ","
      << obj.m_rcPos.top << "," << obj.m_rcPos.right << "," << obj.m_rcPos.bottom;
    return s.str();
}

void SetReserved(AdReserved &reserved, DWORD dwSeed)
{
    for (int i = 0; i < AD_RESERVED_VALUES; ++i)
        reserved.dwValue[i] = dwSeed * 0x01010101u + i;
    for (int i = 0; i < AD_RESERVED_TEXTS; ++i) {
        reserved.szText[i][0] = static_cast<char>('a' + i);
        reserved.szText[i][1] = '\0';
    }
}

void ExpectSameReserved(const AdReserved &a, const AdReserved &b)
{
    for (int i = 0; i < AD_RESERVED_VALUES; ++i)
        EXPECT_EQ(a.dwValue[i], b.dwValue[i]) << "reserved value " << i;
    for (int i = 0; i < AD_RESERVED_TEXTS; ++i)
        EXPECT_STREQ(a.szText[i], b.szText[i]) << "reserved text " << i;
}

}  // namespace

std::string TempFolder()
{
    return ExeFolder() + "Temp\\";
}

std::string OwnPictureCopy(const std::string &ext, const std::string &bytes)
{
    PictraUtil *pUtil = PictraUtil::Get();
    std::string path = pUtil ? pUtil->MakeTempFileName(ext.c_str()) : "";
    EXPECT_FALSE(path.empty());
    EXPECT_TRUE(WriteFileBytes(path, bytes));
    return path;
}

std::string Int32(long long nValue)
{
    unsigned v = static_cast<unsigned>(nValue);
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[i] = static_cast<char>(v >> (8 * i));
    return s;
}

std::string Text(const std::string &text)
{
    return Int32(static_cast<long long>(text.size())) + text;
}

std::vector<AdObj *> Objects(AdSenseTemplate &t)
{
    std::vector<AdObj *> objects;
    for (AdObj *p = t.GetFirst(); p; p = t.GetNext())
        objects.push_back(p);
    return objects;
}

bool TemplateState::operator==(const TemplateState &o) const
{
    return path == o.path && modified == o.modified &&
           memcmp(margins, o.margins, sizeof(margins)) == 0 && objects == o.objects &&
           current == o.current && adSense == o.adSense && heads == o.heads;
}

TemplateState Snapshot(AdSenseTemplate &t)
{
    TemplateState s;
    s.path = t.GetFilePath();
    s.modified = t.IsModified();
    s.margins[0] = t.GetMarginLeft();
    s.margins[1] = t.GetMarginRight();
    s.margins[2] = t.GetMarginTop();
    s.margins[3] = t.GetMarginBottom();
    s.objects = Objects(t);
    s.current = t.GetCurrent();
    s.adSense = t.GetAdSense();
    for (AdObj *p : s.objects)
        s.heads.push_back(Head(*p));
    return s;
}

void PrintTo(const TemplateState &s, std::ostream *os)
{
    *os << "'" << s.path << "' modified " << s.modified << " margins " << s.margins[0] << ","
        << s.margins[1] << "," << s.margins[2] << "," << s.margins[3] << " objects";
    for (const std::string &h : s.heads)
        *os << " [" << h << "]";
}

void FillEveryKind(AdSenseTemplate &t, const std::string &picturePath)
{
    AdSense *pAd = t.GetAdSense();
    strcpy(pAd->m_info.szChannelID, "12345678901");
    pAd->m_info.crBorder = 0x010203;
    pAd->m_info.crTitle = 0x040506;
    pAd->m_info.crBG = 0x070809;
    pAd->m_info.crText = 0x0A0B0C;
    pAd->m_info.crURL = 0x0D0E0F;
    strcpy(pAd->m_ads[1].szText[4], "last line of the second ad");
    SetReserved(pAd->m_reserved, 1);
    t.SetMarginLeft(1);
    t.SetMarginRight(2);
    t.SetMarginTop(3);
    t.SetMarginBottom(4);

    Pictra *pPic = new Pictra;
    pPic->SetName("Picture A");
    pPic->SetFile(picturePath.c_str());
    pPic->SetExt(".png");
    pPic->m_rcPos = {-5, 6, 70, 80};
    SetReserved(pPic->m_reserved, 2);
    t.Add(pPic);

    AdText *pText = new AdText;
    pText->SetName("Caption");
    pText->SetText("Hello, template");
    pText->SetFaceName("Arial");
    pText->m_lf.lfHeight = -17;
    pText->m_lf.lfWeight = 700;
    pText->m_lf.lfItalic = 1;
    pText->m_lf.lfUnderline = 1;
    pText->m_lf.lfStrikeOut = 0;
    pText->m_lf.lfCharSet = EASTEUROPE_CHARSET;  // 238: a byte value above 127
    pText->m_crText = 0x112233;
    pText->m_crBack = 0x445566;
    pText->m_nAlign = 3;
    pText->m_rcPos = {100, 110, 300, 130};
    SetReserved(pText->m_reserved, 3);
    t.Add(pText);

    AdLine *pLine = new AdLine;
    pLine->SetName("Rule");
    pLine->m_nWidth = 3;
    pLine->m_nStyle = 4;
    pLine->m_crLine = 0x778899;
    pLine->SetStart(-1, 2);
    pLine->SetEnd(400, 500);
    pLine->m_rcPos = {-1, 2, 400, 500};
    SetReserved(pLine->m_reserved, 4);
    t.Add(pLine);

    AdShadow *pShadow = new AdShadow;
    pShadow->SetName("Shade");
    pShadow->m_nValue = 0xFEDCBA98u;
    pShadow->m_rcPos = {5, 6, 7, 8};
    SetReserved(pShadow->m_reserved, 5);
    t.Add(pShadow);

    AdFrame *pFrame = new AdFrame;
    pFrame->SetName("Box");
    pFrame->m_nFrameType = 2;
    pFrame->m_crBack = 0xAABBCC;
    pFrame->m_nLineWidth = 5;
    pFrame->m_nLineStyle = 2;
    pFrame->m_nRoundCorner = 12;
    pFrame->m_crLine = 0xDDEEFF;
    strcpy(pFrame->m_szExtra, "extra text");
    pFrame->m_crExtra1 = 0x123456;
    pFrame->m_crExtra2 = 0x654321;
    pFrame->m_nExtra = 0x80000001u;
    pFrame->m_rcPos = {20, 30, 40, 50};
    SetReserved(pFrame->m_reserved, 6);
    t.Add(pFrame);
}

void ExpectSameStoredFields(const AdObj &expected, const AdObj &actual)
{
    ASSERT_EQ(expected.m_nType, actual.m_nType);
    SCOPED_TRACE(expected.m_szName);
    EXPECT_EQ(Head(expected), Head(actual));
    switch (expected.m_nType) {
    case OBJ_ADSENSE: {
        const auto &e = static_cast<const AdSense &>(expected);
        const auto &a = static_cast<const AdSense &>(actual);
        EXPECT_STREQ(e.m_info.szPubID, a.m_info.szPubID);
        EXPECT_STREQ(e.m_info.szChannelID, a.m_info.szChannelID);
        EXPECT_EQ(e.m_info.nFormat, a.m_info.nFormat);
        EXPECT_EQ(e.m_info.nWidth, a.m_info.nWidth);
        EXPECT_EQ(e.m_info.nHeight, a.m_info.nHeight);
        EXPECT_EQ(e.m_info.crBorder, a.m_info.crBorder);
        EXPECT_EQ(e.m_info.crTitle, a.m_info.crTitle);
        EXPECT_EQ(e.m_info.crBG, a.m_info.crBG);
        EXPECT_EQ(e.m_info.crText, a.m_info.crText);
        EXPECT_EQ(e.m_info.crURL, a.m_info.crURL);
        ASSERT_EQ(e.m_nAdCount, a.m_nAdCount);
        for (int i = 0; i < e.m_nAdCount; ++i) {
            for (int j = 0; j < AD_TITLE_LINES; ++j)
                EXPECT_STREQ(e.m_ads[i].szTitle[j], a.m_ads[i].szTitle[j]);
            for (int j = 0; j < AD_TEXT_LINES; ++j)
                EXPECT_STREQ(e.m_ads[i].szText[j], a.m_ads[i].szText[j]);
            EXPECT_STREQ(e.m_ads[i].szURL, a.m_ads[i].szURL);
        }
        ExpectSameReserved(e.m_reserved, a.m_reserved);
        break;
    }
    case OBJ_IMAGE: {
        const auto &e = static_cast<const Pictra &>(expected);
        const auto &a = static_cast<const Pictra &>(actual);
        EXPECT_STREQ(e.m_szExt, a.m_szExt);
        ExpectSameReserved(e.m_reserved, a.m_reserved);
        break;
    }
    case OBJ_TEXT: {
        const auto &e = static_cast<const AdText &>(expected);
        const auto &a = static_cast<const AdText &>(actual);
        EXPECT_STREQ(e.m_szText, a.m_szText);
        EXPECT_EQ(e.m_crText, a.m_crText);
        EXPECT_EQ(e.m_crBack, a.m_crBack);
        EXPECT_EQ(e.m_nAlign, a.m_nAlign);
        EXPECT_EQ(e.m_lf.lfHeight, a.m_lf.lfHeight);
        EXPECT_EQ(e.m_lf.lfWeight, a.m_lf.lfWeight);
        EXPECT_EQ(e.m_lf.lfItalic, a.m_lf.lfItalic);
        EXPECT_EQ(e.m_lf.lfUnderline, a.m_lf.lfUnderline);
        EXPECT_EQ(e.m_lf.lfStrikeOut, a.m_lf.lfStrikeOut);
        EXPECT_EQ(e.m_lf.lfCharSet, a.m_lf.lfCharSet);
        EXPECT_STREQ(e.m_lf.lfFaceName, a.m_lf.lfFaceName);
        // Not stored: they stay as construction made them.
        EXPECT_EQ(a.m_lf.lfWidth, 0);
        EXPECT_EQ(a.m_lf.lfEscapement, 0);
        EXPECT_EQ(a.m_lf.lfOrientation, 0);
        EXPECT_EQ(a.m_lf.lfOutPrecision, 0);
        EXPECT_EQ(a.m_lf.lfClipPrecision, 0);
        EXPECT_EQ(a.m_lf.lfQuality, 0);
        EXPECT_EQ(a.m_lf.lfPitchAndFamily, 0);
        ExpectSameReserved(e.m_reserved, a.m_reserved);
        break;
    }
    case OBJ_LINE: {
        const auto &e = static_cast<const AdLine &>(expected);
        const auto &a = static_cast<const AdLine &>(actual);
        EXPECT_EQ(e.m_nWidth, a.m_nWidth);
        EXPECT_EQ(e.m_nStyle, a.m_nStyle);
        EXPECT_EQ(e.m_crLine, a.m_crLine);
        EXPECT_EQ(e.m_ptStart.x, a.m_ptStart.x);
        EXPECT_EQ(e.m_ptStart.y, a.m_ptStart.y);
        EXPECT_EQ(e.m_ptEnd.x, a.m_ptEnd.x);
        EXPECT_EQ(e.m_ptEnd.y, a.m_ptEnd.y);
        ExpectSameReserved(e.m_reserved, a.m_reserved);
        break;
    }
    case OBJ_SHADOW: {
        const auto &e = static_cast<const AdShadow &>(expected);
        const auto &a = static_cast<const AdShadow &>(actual);
        EXPECT_EQ(e.m_nValue, a.m_nValue);
        ExpectSameReserved(e.m_reserved, a.m_reserved);
        break;
    }
    case OBJ_FRAME: {
        const auto &e = static_cast<const AdFrame &>(expected);
        const auto &a = static_cast<const AdFrame &>(actual);
        EXPECT_EQ(e.m_nFrameType, a.m_nFrameType);
        EXPECT_EQ(e.m_crBack, a.m_crBack);
        EXPECT_EQ(e.m_nLineWidth, a.m_nLineWidth);
        EXPECT_EQ(e.m_nLineStyle, a.m_nLineStyle);
        EXPECT_EQ(e.m_nRoundCorner, a.m_nRoundCorner);
        EXPECT_EQ(e.m_crLine, a.m_crLine);
        EXPECT_STREQ(e.m_szExtra, a.m_szExtra);
        EXPECT_EQ(e.m_crExtra1, a.m_crExtra1);
        EXPECT_EQ(e.m_crExtra2, a.m_crExtra2);
        EXPECT_EQ(e.m_nExtra, a.m_nExtra);
        ExpectSameReserved(e.m_reserved, a.m_reserved);
        break;
    }
    default:
        ADD_FAILURE() << "unknown kind " << expected.m_nType;
    }
}
