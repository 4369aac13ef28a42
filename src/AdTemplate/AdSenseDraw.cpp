// The ad unit's block: the border colour behind everything, the "Ads by Google" label, and
// each sample ad in its box of the background colour, line by line.
#include "AdTemplate/AdSense.h"

#include "AdTemplate/AdBlockLayout.h"
#include "canvas/GdiScope.h"

using canvas::SelectScope;

namespace {

void DrawAdLine(HDC hDC, const AdSense *pUnit, const AdLineBox &line)
{
    const AdSenseInfo &info = pUnit->m_info;
    HFONT hFont = pUnit->m_hTextFont;
    COLORREF crText = info.crText;
    if (line.nPart == AD_PART_TITLE) {
        hFont = pUnit->m_hTitleFont;
        crText = info.crTitle;
    } else if (line.nPart == AD_PART_URL) {
        hFont = pUnit->m_hURLFont;
        crText = info.crURL;
    }
    if (hFont)
        SelectObject(hDC, hFont);
    SetTextColor(hDC, crText);
    RECT rc = line.rc;
    // The length comes from the layout: a line read from a file may fill its field to the
    // last byte without a terminator.
    DrawTextA(hDC, line.szText, line.nLength, &rc, AD_LINE_FORMAT);
}

}  // namespace

bool AdSense::Draw(HDC hDC, bool bNoOutline)
{
    if (!hDC)
        return false;
    AdBlockLayout layout;
    if (!GetAdBlockLayout(this, &layout))
        return false;

    {
        SelectScope font(hDC, m_hLabelFont);
        if (m_hBorderBrush)
            FillRect(hDC, &layout.rcUnit, m_hBorderBrush);
        SetBkMode(hDC, TRANSPARENT);
        SetTextColor(hDC, layout.crLabel);
        RECT rc = layout.rcLabel;
        DrawTextA(hDC, AD_LABEL_TEXT, -1, &rc, layout.uLabelFormat);
    }

    const int nLineSlots = (int)(sizeof layout.ads[0].line / sizeof layout.ads[0].line[0]);
    for (int i = 0; i < layout.nAds && i < AD_MAX_ADS; ++i) {
        const AdBoxLayout &ad = layout.ads[i];
        if (m_hBGBrush)
            FillRect(hDC, &ad.rcBox, m_hBGBrush);
        // Each line picks its own font; the one in the DC before the ad comes back after it.
        HGDIOBJ hBefore = GetCurrentObject(hDC, OBJ_FONT);
        for (int k = 0; k < ad.nLines && k < nLineSlots; ++k)
            DrawAdLine(hDC, this, ad.line[k]);
        SelectObject(hDC, hBefore);
    }

    if (!bNoOutline)
        DrawOutline(hDC, m_bSelected);
    return true;
}
