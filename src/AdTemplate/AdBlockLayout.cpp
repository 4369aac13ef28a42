#include "AdTemplate/AdBlockLayout.h"
#include "AdTemplate/AdFormats.h"
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

static int GetAdWidth(int nFormat, int nWidth)
{
    switch (nFormat) {
    case 1: return (nWidth - 2) / 4;
    case 2: return (nWidth - 2) / 2;
    default: return nWidth - 2;
    }
}

// Stacked formats share the height among the ads by their line counts. Ads without any
// line (only a hand-made file has them) share it equally instead of dividing by zero.
static int GetStackedAdHeight(int nHeight, int nAds, int nLineCount, int nTotalLines)
{
    int nAvailable = nHeight - AD_LABEL_HEIGHT - nAds;
    if (nAvailable <= 0 || nAds <= 0)
        return 0;
    if (nTotalLines <= 0)
        return nAvailable / nAds;
    return (int)((double)nAvailable * nLineCount / nTotalLines);
}

template <size_t N>
static void AddLine(AdBoxLayout *pBox, RECT *prcLine, int nPart, const char (&szText)[N])
{
    if (pBox->nLines > 0) {
        prcLine->top = prcLine->bottom + 1;
        prcLine->bottom += AD_LINE_STEP;
    }
    AdLineBox &line = pBox->line[pBox->nLines++];
    line.rc = *prcLine;
    line.nPart = nPart;
    line.szText = szText;
    // Texts read from a template file may lack their terminator; never look past the field.
    line.nLength = (int)strnlen(szText, N);
}

// The lines of one ad inside its box, in drawing order: title line 1 always, title line 2
// when present, text lines up to the first empty one, the URL when present.
static void LayOutLines(const SampleAd *pAd, bool bHorizontal, AdBoxLayout *pBox)
{
    RECT rcInner = pBox->rcBox;
    InflateRect(&rcInner, -2, -2);
    int nStart = 0;
    if (!bHorizontal)
        nStart = (rcInner.bottom - rcInner.top - pBox->nLineCount * AD_LINE_HEIGHT) / 2;
    RECT rcLine = {rcInner.left, rcInner.top + nStart, rcInner.right,
                   rcInner.top + nStart + AD_LINE_HEIGHT};
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
    const int W = info.nWidth;
    const int H = info.nHeight;
    const int n = pAdSense->GetAdCount();

    RECT rcUnit = pAdSense->m_rcPos;
    OffsetRect(&rcUnit, pAdSense->m_nOffsetX, pAdSense->m_nOffsetY);
    const int x0 = rcUnit.left;
    const int y0 = rcUnit.top;
    pLayout->rcUnit = rcUnit;

    pLayout->rcLabel = rcUnit;
    if (bHorizontal)
        pLayout->rcLabel.top = rcUnit.bottom - AD_LABEL_HEIGHT;
    else
        pLayout->rcLabel.bottom = rcUnit.top + AD_LABEL_HEIGHT;
    pLayout->uLabelFormat = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER |
                            (bHorizontal ? DT_RIGHT : DT_LEFT);
    pLayout->crLabel = GetAdLabelColor(info.crBorder);

    pLayout->nAds = n;
    pLayout->nAdWidth = GetAdWidth(nFormat, W);
    int nTotal = 0;
    for (int i = 0; i < n; i++) {
        int nCount = GetSampleAdLineCount(&pAdSense->m_ads[i]);
        pLayout->ads[i].nLineCount = nCount;
        nTotal = bHorizontal ? (nCount > nTotal ? nCount : nTotal) : nTotal + nCount;
    }
    pLayout->nTotalLines = nTotal;

    const int nAdWidth = pLayout->nAdWidth;
    int nStackTop = y0 + AD_LABEL_HEIGHT;
    for (int i = 0; i < n; i++) {
        AdBoxLayout &box = pLayout->ads[i];
        RECT &rc = box.rcBox;
        if (bHorizontal) {
            box.nAdHeight = H - 16;
            rc.left = x0 + i * nAdWidth + (nFormat == 1 ? 2 : 1);
            rc.top = y0 + 1;
            rc.bottom = y0 + H - 16;
        } else if (bSingle) {
            box.nAdHeight = H - 16;
            rc.left = x0 + i * nAdWidth + 1;
            rc.top = y0 + AD_LABEL_HEIGHT;
            rc.bottom = rc.top + box.nAdHeight;
        } else {
            box.nAdHeight = GetStackedAdHeight(H, n, box.nLineCount, nTotal);
            rc.left = x0 + 1;
            rc.top = nStackTop;
            rc.bottom = rc.top + box.nAdHeight;
            nStackTop += box.nAdHeight + 1;
        }
        rc.right = rc.left + nAdWidth;
        LayOutLines(&pAdSense->m_ads[i], bHorizontal, &box);
    }
    return true;
}
