#pragma once
#include "AdTemplate/AdSense.h"

// One of the twelve standard ad formats and its built-in sample ads.
struct AdFormat {
    int nCode;
    const char *szCaption;
    int nWidth;
    int nHeight;
    const char *szFormatText;  // google_ad_format
    int nAdCount;
    const SampleAd *pAds;      // nAdCount records
};

// The format of a code 1 to AD_FORMAT_COUNT, or null.
const AdFormat *GetAdFormat(int nCode);
// Formats 1 to 3 put their ads side by side with the label at the bottom.
bool IsHorizontalAdFormat(int nCode);
// Formats 11 and 12 hold a single ad under the label.
bool IsSingleAdFormat(int nCode);

// "%dx%d_as" of the unit's width and height, or "N/A" for no record; the text stays
// valid until the next call.
const char *GetAdFormatCode(const AdSenseInfo *pInfo);

// The fonts of a format's ad block (zero LOGFONTs but for face, height, weight, underline).
// A code outside 1 to 12 gets the fonts of format 1.
void GetAdTitleFont(int nCode, LOGFONTA *plf);
void GetAdTextFont(int nCode, LOGFONTA *plf);
void GetAdURLFont(LOGFONTA *plf);
void GetAdLabelFont(LOGFONTA *plf);
