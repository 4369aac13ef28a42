#pragma once
#include "AdTemplate/AdSense.h"

// Where the placeholder's ad block goes: the label, each ad's box and its lines of text.
// Computed here so that drawing only fills and writes what it is given.

// Height of one line of an ad, and the step from one line to the next.
enum { AD_LINE_HEIGHT = 14, AD_LINE_STEP = 15, AD_LABEL_HEIGHT = 15 };

extern const char AD_LABEL_TEXT[];  // "Ads by Google"

enum AdLinePart { AD_PART_TITLE, AD_PART_TEXT, AD_PART_URL };

struct AdLineBox {
    RECT rc;           // the line's rectangle; drawing clips to it
    int nPart;         // AdLinePart: selects font and colour
    const char *szText;
    int nLength;       // characters to draw: the text may fill its field without terminator
};

struct AdBoxLayout {
    RECT rcBox;        // filled with the background colour
    int nLineCount;    // the ad's measured line count
    int nAdHeight;     // the ad's measured height
    int nLines;        // entries of line[] in use
    AdLineBox line[AD_TITLE_LINES + AD_TEXT_LINES + 1];
};

struct AdBlockLayout {
    RECT rcUnit;       // filled with the border colour
    RECT rcLabel;
    UINT uLabelFormat; // DrawText flags of the label, alignment included
    COLORREF crLabel;
    int nAdWidth;
    int nTotalLines;
    int nAds;
    AdBoxLayout ads[AD_MAX_ADS];
};

// DrawText flags of every ad line.
const UINT AD_LINE_FORMAT = DT_LEFT | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER;

// Lines of one sample ad: titles and texts up to the first empty one, plus a URL line.
int GetSampleAdLineCount(const SampleAd *pAd);
// Black on a border whose red, green and blue bytes are all above 160, else white.
COLORREF GetAdLabelColor(COLORREF crBorder);
// Lays out the unit's ad block at its rectangle moved by its drawing offset
// (m_nOffsetX, m_nOffsetY). False only when given no unit or no layout.
bool GetAdBlockLayout(const AdSense *pAdSense, AdBlockLayout *pLayout);
