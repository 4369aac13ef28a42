#include "AdTemplate/AdBlockLayout.h"
#include "AdTemplate/AdDrawUtil.h"
#include "AdTemplate/AdFormats.h"
#include <limits.h>
#include <string.h>

const char AD_LABEL_TEXT[] = "Ads by Google";

static bool IsLineEmpty(const char *szLine)
{
    return szLine[0] == 0;
}

int GetSampleAdLineCount(const SampleAd *pAd)
{
    if (!pAd)
        return 0;
    int nCount = 0;
    for (int i = 0; i < AD_TITLE_LINES && !IsLineEmpty(pAd->szTitle[i]); i++)
        nCount++;
    for (int i = 0; i < AD_TEXT_LINES && !IsLineEmpty(pAd->szText[i]); i++)
        nCount++;
    if (!IsLineEmpty(pAd->szURL))
        nCount++;
    return nCount;
}

COLORREF GetAdLabelColor(COLORREF crBorder)
{
    bool bLight = GetRValue(crBorder) > 160 && GetGValue(crBorder) > 160 &&
                  GetBValue(crBorder) > 160;
    return bLight ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

// Sizes and positions come from the file as stored, so a damaged or hand-made one may put
// them anywhere in the int range: everything below is worked out in 64 bits and held
// inside the range, and a measure that comes out negative makes an empty box instead of
// one turned inside out.
static int AtLeastZero(long long nValue)
{
    return nValue < 0 ? 0 : ClampToInt(nValue);
}

static int GetAdWidth(int nFormat, int nWidth)
{
    const long long nInner = (long long)nWidth - 2;
    switch (nFormat) {
    case 1: return AtLeastZero(nInner / 4);
    case 2: return AtLeastZero(nInner / 2);
    default: return AtLeastZero(nInner);
    }
}

// Stacked formats share the height among the ads by their line counts. Ads without any
// line (only a hand-made file has them) share it equally instead of dividing by zero.
static int GetStackedAdHeight(int nHeight, int nAds, int nLineCount, int nTotalLines)
{
    const long long nAvailable = (long long)nHeight - AD_LABEL_HEIGHT - nAds;
    if (nAvailable <= 0 || nAds <= 0)
        return 0;
    if (nTotalLines <= 0)
        return ClampToInt(nAvailable / nAds);
    const double dShare = (double)nAvailable * nLineCount / nTotalLines;
    // An ad's line count never exceeds the total, but the cast must stay defined whatever.
    if (!(dShare > 0))
        return 0;
    if (dShare >= (double)INT_MAX)
        return INT_MAX;
    return (int)dShare;
}

template <size_t N>
static void AddLine(AdBoxLayout *pBox, RECT *prcLine, int nPart, const char (&szText)[N])
{
    if (pBox->nLines > 0) {
        prcLine->top = AddClamped(prcLine->bottom, 1);
        prcLine->bottom = AddClamped(prcLine->bottom, AD_LINE_STEP);
    }
    AdLineBox &line = pBox->line[pBox->nLines++];
    line.rc = *prcLine;
    line.nPart = nPart;
    line.szText = szText;
    // Texts read from a template file may lack their terminator; never look past the field.
    line.nLength = (int)strnlen(szText, N);
}

// The lines of one ad inside its box shrunk by 2 pixels, in drawing order: title line 1
// always, title line 2 when present, text lines up to the first empty one, the URL when
// present.
static void LayOutLines(const SampleAd *pAd, bool bHorizontal, AdBoxLayout *pBox)
{
    const RECT &rcBox = pBox->rcBox;
    long long nStart = 0;
    if (!bHorizontal)
        nStart = ((long long)rcBox.bottom - rcBox.top - 4 -
                  (long long)pBox->nLineCount * AD_LINE_HEIGHT) / 2;
    const int nLeft = AddClamped(rcBox.left, 2);
    const int nRight = AddClamped(rcBox.right, -2);
    const int nTop = ClampToInt((long long)rcBox.top + 2 + nStart);
    RECT rcLine = {nLeft, nTop, nRight < nLeft ? nLeft : nRight, AddClamped(nTop, AD_LINE_HEIGHT)};
    pBox->nLines = 0;
    AddLine(pBox, &rcLine, AD_PART_TITLE, pAd->szTitle[0]);
    if (!IsLineEmpty(pAd->szTitle[1]))
        AddLine(pBox, &rcLine, AD_PART_TITLE, pAd->szTitle[1]);
    for (int i = 0; i < AD_TEXT_LINES && !IsLineEmpty(pAd->szText[i]); i++)
        AddLine(pBox, &rcLine, AD_PART_TEXT, pAd->szText[i]);
    if (!IsLineEmpty(pAd->szURL))
        AddLine(pBox, &rcLine, AD_PART_URL, pAd->szURL);
}

bool GetAdBlockLayout(const AdSense *pAdSense, AdBlockLayout *pLayout)
{
    if (!pAdSense || !pLayout)
        return false;
    memset(pLayout, 0, sizeof(*pLayout));
    const AdSenseInfo &info = pAdSense->m_info;
    const int nFormat = info.nFormat;
    const bool bHorizontal = IsHorizontalAdFormat(nFormat);
    const bool bSingle = IsSingleAdFormat(nFormat);
    const int H = info.nHeight;
    const int n = pAdSense->GetAdCount();

    const RECT rcUnit = GetDrawRect(pAdSense);
    const long long x0 = rcUnit.left;
    const long long y0 = rcUnit.top;
    pLayout->rcUnit = rcUnit;

    pLayout->rcLabel = rcUnit;
    if (bHorizontal)
        pLayout->rcLabel.top = AddClamped(rcUnit.bottom, -AD_LABEL_HEIGHT);
    else
        pLayout->rcLabel.bottom = AddClamped(rcUnit.top, AD_LABEL_HEIGHT);
    pLayout->uLabelFormat = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER |
                            (bHorizontal ? DT_RIGHT : DT_LEFT);
    pLayout->crLabel = GetAdLabelColor(info.crBorder);

    pLayout->nAds = n;
    pLayout->nAdWidth = GetAdWidth(nFormat, info.nWidth);
    int nTotal = 0;
    for (int i = 0; i < n; i++) {
        int nCount = GetSampleAdLineCount(&pAdSense->m_ads[i]);
        pLayout->ads[i].nLineCount = nCount;
        nTotal = bHorizontal ? (nCount > nTotal ? nCount : nTotal) : nTotal + nCount;
    }
    pLayout->nTotalLines = nTotal;

    const int nAdWidth = pLayout->nAdWidth;
    long long nStackTop = y0 + AD_LABEL_HEIGHT;
    for (int i = 0; i < n; i++) {
        AdBoxLayout &box = pLayout->ads[i];
        RECT &rc = box.rcBox;
        if (bHorizontal) {
            box.nAdHeight = AtLeastZero((long long)H - 16);
            rc.left = ClampToInt(x0 + (long long)i * nAdWidth + (nFormat == 1 ? 2 : 1));
            rc.top = ClampToInt(y0 + 1);
            const int nBottom = ClampToInt(y0 + H - 16);
            rc.bottom = nBottom < rc.top ? rc.top : nBottom;
        } else if (bSingle) {
            box.nAdHeight = AtLeastZero((long long)H - 16);
            rc.left = ClampToInt(x0 + (long long)i * nAdWidth + 1);
            rc.top = ClampToInt(y0 + AD_LABEL_HEIGHT);
            rc.bottom = AddClamped(rc.top, box.nAdHeight);
        } else {
            box.nAdHeight = GetStackedAdHeight(H, n, box.nLineCount, nTotal);
            rc.left = ClampToInt(x0 + 1);
            rc.top = ClampToInt(nStackTop);
            rc.bottom = AddClamped(rc.top, box.nAdHeight);
            nStackTop += (long long)box.nAdHeight + 1;
        }
        rc.right = AddClamped(rc.left, nAdWidth);
        LayOutLines(&pAdSense->m_ads[i], bHorizontal, &box);
    }
    return true;
}
