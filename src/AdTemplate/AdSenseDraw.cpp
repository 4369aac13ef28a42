// The ad unit's block: the border colour behind everything, the "Ads by Google" label, and
// each sample ad in its box of the background colour, line by line.
#include "AdTemplate/AdSense.h"

#include "AdTemplate/AdBlockLayout.h"
#include "misc/GdiScope.h"

using gdi::SelectScope;

namespace {

// A block from a damaged file may reach the ends of the int range. Only what falls inside
// the DC's clip box can show: fills are cut down to it and texts outside it are skipped,
// so GDI never gets spans wider than the range. Every text is clipped to its own
// rectangle, so the pixels are the same either way.
class VisibleArea {
public:
    explicit VisibleArea(HDC hDC) : m_bKnown(GetClipBox(hDC, &m_rcClip) != ERROR) {}
    bool Cut(const RECT &rc, RECT *pOut) const
    {
        if (!m_bKnown) {
            *pOut = rc;
            return true;
        }
        return IntersectRect(pOut, &rc, &m_rcClip) != FALSE;
    }
    bool Shows(const RECT &rc) const
    {
        RECT rcVisible;
        return Cut(rc, &rcVisible);
    }
    void Fill(HDC hDC, const RECT &rc, HBRUSH hBrush) const
    {
        RECT rcVisible;
        if (hBrush && Cut(rc, &rcVisible))
            FillRect(hDC, &rcVisible, hBrush);
    }

private:
    RECT m_rcClip;
    bool m_bKnown;
};

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

    const VisibleArea visible(hDC);
    {
        SelectScope font(hDC, m_hLabelFont);
        visible.Fill(hDC, layout.rcUnit, m_hBorderBrush);
        SetBkMode(hDC, TRANSPARENT);
        SetTextColor(hDC, layout.crLabel);
        RECT rc = layout.rcLabel;
        if (visible.Shows(rc))
            DrawTextA(hDC, AD_LABEL_TEXT, -1, &rc, layout.uLabelFormat);
    }

    const int nLineSlots = (int)(sizeof layout.ads[0].line / sizeof layout.ads[0].line[0]);
    for (int i = 0; i < layout.nAds && i < AD_MAX_ADS; ++i) {
        const AdBoxLayout &ad = layout.ads[i];
        visible.Fill(hDC, ad.rcBox, m_hBGBrush);
        // Each line picks its own font; the one in the DC before the ad comes back after it.
        HGDIOBJ hBefore = GetCurrentObject(hDC, OBJ_FONT);
        for (int k = 0; k < ad.nLines && k < nLineSlots; ++k) {
            if (visible.Shows(ad.line[k].rc))
                DrawAdLine(hDC, this, ad.line[k]);
        }
        SelectObject(hDC, hBefore);
    }

    if (!bNoOutline)
        DrawOutline(hDC, m_bSelected);
    return true;
}
