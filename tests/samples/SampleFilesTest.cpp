// The sample templates of the built program folder, opened as the main window opens them:
// each is the format its name promises, holds pictures and texts of its own, names its
// exported picture in its page code, and that picture is the code's table.
#include <gtest/gtest.h>

#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "PictraUtil.h"
#include "SampleList.h"
#include "TestSupport.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// The contrast ratio of two colours as web accessibility guidelines define it: 1 for the
// same colour up to 21 for black on white.
double Contrast(COLORREF a, COLORREF b)
{
    auto luminance = [](COLORREF c) {
        auto channel = [](int n) {
            const double v = n / 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) +
               0.0722 * channel(GetBValue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::fmax(la, lb) + 0.05) / (std::fmin(la, lb) + 0.05);
}

bool Overlap(const RECT &a, const RECT &b)
{
    RECT rc;
    return IntersectRect(&rc, &a, &b) != FALSE;
}

class SampleFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_binding.IsLoaded()) << "Pictra.dll is not beside the test program";
        // Pictures unpack into the Temp folder, as in the program.
        CreateDirectoryA((testsupport::ExeFolder() + "Temp").c_str(), nullptr);
    }

    PictraUtil m_binding;
};

}  // namespace

TEST_F(SampleFiles, EachSampleOpensInItsFormatWithPicturesAndTexts)
{
    for (const ExpectedSample &sample : kExpectedSamples) {
        SCOPED_TRACE(sample.szName);
        const std::string file = SamplesFolder() + sample.szName + ".atp";
        ASSERT_TRUE(IsTemplateFile(file.c_str())) << file;
        AdSenseTemplate tpl;
        ASSERT_TRUE(tpl.Open(file.c_str()));

        const AdSense *pAdSense = tpl.GetAdSense();
        ASSERT_NE(pAdSense, nullptr);
        EXPECT_EQ(pAdSense->GetInfo()->nFormat, sample.nFormat);
        EXPECT_EQ(pAdSense->m_rcPos.right - pAdSense->m_rcPos.left, sample.nWidth);
        EXPECT_EQ(pAdSense->m_rcPos.bottom - pAdSense->m_rcPos.top, sample.nHeight);
        EXPECT_GT(pAdSense->GetAdCount(), 0);

        int nPictures = 0, nTexts = 0;
        for (AdObj *pObj = tpl.GetFirst(); pObj; pObj = tpl.GetNext()) {
            const RECT &rc = pObj->m_rcPos;
            SCOPED_TRACE(pObj->GetName());
            if (pObj->GetType() == OBJ_IMAGE) {
                ++nPictures;
                // Embedded, and inserted at its own size as the image dialog inserts it.
                auto *pPicture = static_cast<Pictra *>(pObj);
                ASSERT_TRUE(pPicture->HasOwnCopy());
                int size[2] = {0, 0};
                ASSERT_TRUE(m_binding.GetImageSize(pPicture->m_szFile, size));
                EXPECT_EQ(rc.right - rc.left, size[0]);
                EXPECT_EQ(rc.bottom - rc.top, size[1]);
            } else if (pObj->GetType() == OBJ_TEXT) {
                ++nTexts;
                EXPECT_NE(static_cast<AdText *>(pObj)->m_szText[0], '\0');
            }
            // The ad covers its place on the page: a picture or a text there would be hidden
            // behind it, and peek out around its edges.
            if (pObj->GetType() == OBJ_IMAGE || pObj->GetType() == OBJ_TEXT) {
                EXPECT_FALSE(Overlap(rc, pAdSense->m_rcPos));
            }
        }
        EXPECT_GE(nPictures, 1);
        EXPECT_GE(nTexts, 1);
    }
}

TEST_F(SampleFiles, EachSamplesAdsAreReadableOnTheirBackground)
{
    for (const ExpectedSample &sample : kExpectedSamples) {
        SCOPED_TRACE(sample.szName);
        AdSenseTemplate tpl;
        ASSERT_TRUE(tpl.Open((SamplesFolder() + sample.szName + ".atp").c_str()));
        const AdSenseInfo *pInfo = tpl.GetAdSense()->GetInfo();
        EXPECT_GE(Contrast(pInfo->crTitle, pInfo->crBG), 4.5);
        EXPECT_GE(Contrast(pInfo->crText, pInfo->crBG), 4.5);
        EXPECT_GE(Contrast(pInfo->crURL, pInfo->crBG), 3.0);
    }
}

TEST_F(SampleFiles, EachSamplesCodeNamesItsExportedPictureOfTheTablesSize)
{
    for (const ExpectedSample &sample : kExpectedSamples) {
        SCOPED_TRACE(sample.szName);
        AdSenseTemplate tpl;
        ASSERT_TRUE(tpl.Open((SamplesFolder() + sample.szName + ".atp").c_str()));
        const std::string code = tpl.GetCode();
        EXPECT_NE(code.find(std::string("background=\"images/") + sample.szName + ".jpg\""),
                  std::string::npos)
            << code;
        int nTableWidth = 0, nTableHeight = 0;
        ASSERT_EQ(sscanf(code.c_str(), "<table width=\"%d\" height=\"%d\"", &nTableWidth,
                         &nTableHeight),
                  2)
            << code;

        const std::string picture = SamplesFolder() + "images\\" + sample.szName + ".jpg";
        const std::string bytes = testsupport::ReadFileBytes(picture);
        ASSERT_GT(bytes.size(), 2u) << picture;
        EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8") << "a JPEG file";
        int size[2] = {0, 0};
        ASSERT_TRUE(m_binding.GetImageSize(picture.c_str(), size));
        EXPECT_EQ(size[0], nTableWidth);
        EXPECT_EQ(size[1], nTableHeight);
    }
}
