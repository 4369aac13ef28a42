#pragma once
#include <windows.h>
#include <vector>

// Where the controls of the main window sit, as pure functions of the size of their
// container, so that every figure can be checked without a window.
namespace mainlayout {

// The pages' design size, which the window never goes below.
const int kPageWidth = 988;
const int kPageHeight = 484;
// Smallest outer size of the window, whatever its frame.
const int kMinWindowWidth = 1000;
const int kMinWindowHeight = 680;
// The white panel above the pages and its logo.
const int kTopPanelHeight = 91;
const int kLogoWidth = 327;
const int kLogoHeight = 60;

struct ControlBox {
    int nId;
    int x, y, cx, cy;
};

// Every control of a page at its place for a page of nWidth x nHeight pixels.
std::vector<ControlBox> EditPage(int nWidth, int nHeight);
std::vector<ControlBox> PreviewPage(int nWidth, int nHeight);
std::vector<ControlBox> CodePage(int nWidth, int nHeight);
// The logo and the two buttons of the top panel; the buttons spread over the window's
// outer width nFrameWidth, not the panel's.
std::vector<ControlBox> TopPanel(int nFrameWidth);

// The box of control nId in a layout; a zero box when it is not there.
ControlBox Find(const std::vector<ControlBox> &boxes, int nId);

// How much a tab control takes around its pages (border and tabs), as the control reports it.
struct Insets {
    int left, top, right, bottom;
};

// The parts of the client area: the top panel, the tab control below it down to the status
// bar, and the pages inside the tab control.
struct FrameAreas {
    RECT rcTopPanel;
    RECT rcTabs;
    RECT rcPage;
};
FrameAreas Areas(int nClientWidth, int nClientHeight, int nStatusHeight, const Insets &tabInsets);

// The smallest outer size at which the pages keep their design size: the client size they
// need plus what the frame adds (nFrameWidth, nFrameHeight), never below 1000 x 680.
SIZE MinimumWindowSize(int nStatusHeight, const Insets &tabInsets, int nFrameWidth,
                       int nFrameHeight);

}  // namespace mainlayout
