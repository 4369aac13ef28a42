#pragma once
#include "AdTemplate/AdObj.h"

enum {
    AD_ID_SIZE = 32,
    AD_TITLE_LINES = 2,
    AD_TITLE_SIZE = 40,
    AD_TEXT_LINES = 5,
    AD_TEXT_SIZE = 80,
    AD_URL_SIZE = 40,
    AD_MAX_ADS = 5,
    AD_FORMAT_COUNT = 12
};

// Google AdSense settings of the ad unit.
struct AdSenseInfo {
    char szPubID[AD_ID_SIZE];
    char szChannelID[AD_ID_SIZE];
    int nFormat;
    int nWidth;
    int nHeight;
    COLORREF crBorder;
    COLORREF crTitle;
    COLORREF crBG;
    COLORREF crText;
    COLORREF crURL;

    // The defaults of a new unit: format 1 (728 x 90) in the standard colours.
    void SetDefaults();
};

// One sample advertisement. Each group ends at its first empty line.
struct SampleAd {
    char szTitle[AD_TITLE_LINES][AD_TITLE_SIZE];
    char szText[AD_TEXT_LINES][AD_TEXT_SIZE];
    char szURL[AD_URL_SIZE];
};

// The ad-unit placeholder: exactly one per template.
class AdSense : public AdObj {
public:
    AdSense();
    ~AdSense() override;
    bool Load(CxFile *pFile) override;
    bool Save(CxFile *pFile) override;
    bool Reset() override;
    bool Draw(HDC hDC, bool bNoOutline) override;

    AdSenseInfo *GetInfo() { return &m_info; }
    const AdSenseInfo *GetInfo() const { return &m_info; }
    // Takes the format's size and built-in sample ads, keeping the top-left corner.
    // False for a code outside 1 to 12, which keeps the format and the ads.
    bool SetFormat(int nFormat);
    // Caption of the current format, or "N/A".
    const char *GetFormatName() const;
    // Rebuilds the four fonts for the format, then the two brushes from the colours.
    void UpdateGdi();
    // Number of sample ads in use, kept within 0 to AD_MAX_ADS whatever m_nAdCount says.
    int GetAdCount() const;

    AdSenseInfo m_info;
    SampleAd m_ads[AD_MAX_ADS];
    int m_nAdCount;
    HFONT m_hTitleFont;
    HFONT m_hTextFont;
    HFONT m_hURLFont;
    HFONT m_hLabelFont;
    HBRUSH m_hBorderBrush;
    HBRUSH m_hBGBrush;
    AdReserved m_reserved;

private:
    void ReleaseGdi();
};
