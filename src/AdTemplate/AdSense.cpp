#include "AdTemplate/AdSense.h"
#include "AdTemplate/AdFormats.h"
#include "misc/GdiUtil.h"
#include "misc/WinUtil.h"
#include <string.h>

void AdSenseInfo::SetDefaults()
{
    memset(this, 0, sizeof(*this));
    CopyText(szPubID, "pub-1234567890123456");
    nFormat = 1;
    nWidth = 728;
    nHeight = 90;
    crBorder = 0x996633;
    crTitle = 0xFF0000;
    crBG = 0xFFFFFF;
    crText = 0x000000;
    crURL = 0x008000;
}

AdSense::AdSense()
    : AdObj(OBJ_ADSENSE), m_info{}, m_ads{}, m_nAdCount(0), m_hTitleFont(nullptr),
      m_hTextFont(nullptr), m_hURLFont(nullptr), m_hLabelFont(nullptr),
      m_hBorderBrush(nullptr), m_hBGBrush(nullptr), m_reserved{}
{
    Reset();
}

AdSense::~AdSense()
{
    ReleaseGdi();
}

void AdSense::ReleaseGdi()
{
    ReleaseGdiObject(m_hTitleFont);
    ReleaseGdiObject(m_hTextFont);
    ReleaseGdiObject(m_hURLFont);
    ReleaseGdiObject(m_hLabelFont);
    ReleaseGdiObject(m_hBorderBrush);
    ReleaseGdiObject(m_hBGBrush);
}

bool AdSense::Reset()
{
    m_info.SetDefaults();
    ReleaseGdi();
    UpdateGdi();
    SetName("AdSense Content");
    m_nAdCount = 0;
    memset(m_ads, 0, sizeof(m_ads));
    m_reserved.Clear();
    return true;
}

bool AdSense::SetFormat(int nFormat)
{
    const AdFormat *pFormat = GetAdFormat(nFormat);
    bool bKnown = pFormat != nullptr;
    if (bKnown) {
        memset(m_ads, 0, sizeof(m_ads));
        int nCount = pFormat->nAdCount < AD_MAX_ADS ? pFormat->nAdCount : AD_MAX_ADS;
        memcpy(m_ads, pFormat->pAds, nCount * sizeof(SampleAd));
        m_nAdCount = nCount;
        m_info.nFormat = pFormat->nCode;
        m_info.nWidth = pFormat->nWidth;
        m_info.nHeight = pFormat->nHeight;
    }
    m_rcPos.right = m_rcPos.left + m_info.nWidth;
    m_rcPos.bottom = m_rcPos.top + m_info.nHeight;
    UpdateGdi();
    return bKnown;
}

const char *AdSense::GetFormatName() const
{
    const AdFormat *pFormat = GetAdFormat(m_info.nFormat);
    return pFormat ? pFormat->szCaption : "N/A";
}

void AdSense::UpdateGdi()
{
    LOGFONTA lf;
    GetAdTitleFont(m_info.nFormat, &lf);
    ReleaseGdiObject(m_hTitleFont);
    m_hTitleFont = CreateFontIndirectA(&lf);
    GetAdTextFont(m_info.nFormat, &lf);
    ReleaseGdiObject(m_hTextFont);
    m_hTextFont = CreateFontIndirectA(&lf);
    GetAdURLFont(&lf);
    ReleaseGdiObject(m_hURLFont);
    m_hURLFont = CreateFontIndirectA(&lf);
    GetAdLabelFont(&lf);
    ReleaseGdiObject(m_hLabelFont);
    m_hLabelFont = CreateFontIndirectA(&lf);
    ReleaseGdiObject(m_hBorderBrush);
    m_hBorderBrush = CreateSolidBrush(m_info.crBorder);
    ReleaseGdiObject(m_hBGBrush);
    m_hBGBrush = CreateSolidBrush(m_info.crBG);
}

int AdSense::GetAdCount() const
{
    if (m_nAdCount < 0)
        return 0;
    return m_nAdCount > AD_MAX_ADS ? AD_MAX_ADS : m_nAdCount;
}
