#include "main/MainLayout.h"

#include "resource.h"

namespace mainlayout {

namespace {

// A drop-down list's height is its list's: the visible field takes the font's height.
const int kDropDownHeight = 300;
const int kButtonWidth = 80;
const int kButtonHeight = 27;

// Labels leave room for wider substitutes of "MS Sans Serif" than the original face.
const int kLabelHeight = 14;
// The ID labels are as high as their edits and centre their text beside them.
const int kEditHeight = 19;

}  // namespace

std::vector<ControlBox> EditPage(int nWidth, int nHeight)
{
    const int nPanelWidth = nWidth - 200;
    const int nGroupLeft = nPanelWidth + 40;
    const int nGroupTop = 44;
    return {
        {IDC_LBLADTYPE, 25, 17, 65, kLabelHeight},
        {IDC_CBADTYPE, 92, 14, 190, kDropDownHeight},
        {IDC_LBLCURROBJ, 301, 17, 84, kLabelHeight},
        {IDC_CBCURROBJ, 387, 14, 165, kDropDownHeight},
        {IDC_BTNDETAIL, 569, 11, kButtonWidth, kButtonHeight},
        {IDC_BTNDEL, 663, 11, kButtonWidth, kButtonHeight},
        {IDC_PNLEDIT, 20, 48, nPanelWidth, nHeight - 65},
        {IDC_GROUPINSERT, nGroupLeft, nGroupTop, 140, 149},
        {IDC_BTNIMAGE, nGroupLeft + 30, nGroupTop + 25, kButtonWidth, kButtonHeight},
        {IDC_BTNTEXT, nGroupLeft + 31, nGroupTop + 63, kButtonWidth, kButtonHeight},
        {IDC_BTNFRAME, nGroupLeft + 32, nGroupTop + 101, kButtonWidth, kButtonHeight},
    };
}

std::vector<ControlBox> PreviewPage(int nWidth, int nHeight)
{
    const int nPanelWidth = nWidth - 40;
    const int nStep = nPanelWidth / 5;
    const int nButtonTop = nHeight - 35;
    const int nSwatchTop = nHeight - 30;
    // The browser button takes a row of its own above the colours, at the right edge: the
    // colour row has no room left.
    const int nBrowserWidth = 150;
    std::vector<ControlBox> boxes = {
        {IDC_PNLPREVIEW, 20, 17, nPanelWidth, nHeight - 97},
        {IDC_BTNBROWSER, 20 + nPanelWidth - nBrowserWidth, nHeight - 72, nBrowserWidth,
         kButtonHeight},
    };
    // The border colour keeps its design place; the other four spread over the width.
    for (int i = 0; i < 5; ++i) {
        const int nLeft = i == 0 ? 20 : i * nStep;
        const int nSwatchLeft = i == 0 ? 140 : nLeft + 130;
        boxes.push_back({IDC_BTNBORDERCOLOR + i, nLeft, nButtonTop, 110, kButtonHeight});
        boxes.push_back({IDC_PNLBORDERCOLOR + i, nSwatchLeft, nSwatchTop, 40, 20});
    }
    return boxes;
}

std::vector<ControlBox> CodePage(int nWidth, int nHeight)
{
    const int nMemoLeft = 20;
    const int nMemoWidth = nWidth - 40;
    const int nButtonWidth = 150;
    const int nSaveLeft = nMemoLeft + nMemoWidth - nButtonWidth;
    const int nCopyLeft = nSaveLeft - nButtonWidth - 20;
    const int nIdTop = nHeight - 30;
    const int nButtonTop = nHeight - 35;
    const int nAsyncLeft = 436;
    const int nAsyncWidth = nCopyLeft - 8 - nAsyncLeft;
    return {
        {IDC_MEMCODE, nMemoLeft, 15, nMemoWidth, nHeight - 65},
        {IDC_LBLPUBID, 20, nIdTop, 68, kEditHeight},
        {IDC_EDTPUBID, 90, nIdTop, 130, kEditHeight},
        {IDC_LBLCHANNELID, 230, nIdTop, 107, kEditHeight},
        {IDC_EDTCHANNELID, 339, nIdTop, 81, kEditHeight},
        {IDC_BTNCOPY, nCopyLeft, nButtonTop, nButtonWidth, kButtonHeight},
        {IDC_BTNSAVE, nSaveLeft, nButtonTop, nButtonWidth, kButtonHeight},
        // Between the IDs and the buttons: the check box, and its two-line note below it.
        {IDC_CHKASYNC, nAsyncLeft, nHeight - 47, nAsyncWidth, 17},
        {IDC_LBLASYNCNOTE, nAsyncLeft, nHeight - 29, nAsyncWidth, 27},
    };
}

std::vector<ControlBox> TopPanel(int nFrameWidth)
{
    // Integer division rounds toward zero, as the rule wants even for a narrow frame.
    const int nStep = (nFrameWidth - 500) / 4;
    return {
        {IDC_LOGO, 5, 25, kLogoWidth, kLogoHeight},
        {IDC_BTNHELP, 500 + 2 * nStep, 43, kButtonWidth, kButtonHeight},
        {IDC_BTNEXIT, 500 + 3 * nStep, 43, kButtonWidth, kButtonHeight},
    };
}

ControlBox Find(const std::vector<ControlBox> &boxes, int nId)
{
    for (const ControlBox &box : boxes)
        if (box.nId == nId)
            return box;
    return ControlBox{nId, 0, 0, 0, 0};
}

FrameAreas Areas(int nClientWidth, int nClientHeight, int nStatusHeight, const Insets &tabInsets)
{
    FrameAreas areas;
    areas.rcTopPanel = {0, 0, nClientWidth, kTopPanelHeight};
    int nTabsBottom = nClientHeight - nStatusHeight;
    if (nTabsBottom < kTopPanelHeight)
        nTabsBottom = kTopPanelHeight;
    areas.rcTabs = {0, kTopPanelHeight, nClientWidth, nTabsBottom};
    areas.rcPage = {tabInsets.left, kTopPanelHeight + tabInsets.top,
                    nClientWidth - tabInsets.right, nTabsBottom - tabInsets.bottom};
    if (areas.rcPage.right < areas.rcPage.left)
        areas.rcPage.right = areas.rcPage.left;
    if (areas.rcPage.bottom < areas.rcPage.top)
        areas.rcPage.bottom = areas.rcPage.top;
    return areas;
}

SIZE MinimumWindowSize(int nStatusHeight, const Insets &tabInsets, int nFrameWidth,
                       int nFrameHeight)
{
    const int nClientWidth = tabInsets.left + kPageWidth + tabInsets.right;
    const int nClientHeight =
        kTopPanelHeight + tabInsets.top + kPageHeight + tabInsets.bottom + nStatusHeight;
    SIZE size = {nClientWidth + nFrameWidth, nClientHeight + nFrameHeight};
    if (size.cx < kMinWindowWidth)
        size.cx = kMinWindowWidth;
    if (size.cy < kMinWindowHeight)
        size.cy = kMinWindowHeight;
    return size;
}

}  // namespace mainlayout
