#include <gtest/gtest.h>

#include "main/MainLayout.h"
#include "resource.h"

using namespace mainlayout;

namespace {

struct Expected {
    int nId;
    int x, y, cx, cy;
};

void ExpectBoxes(const std::vector<ControlBox> &boxes, std::initializer_list<Expected> expected)
{
    for (const Expected &e : expected) {
        ControlBox box = Find(boxes, e.nId);
        EXPECT_EQ(box.x, e.x) << "control " << e.nId;
        EXPECT_EQ(box.y, e.y) << "control " << e.nId;
        if (e.cx >= 0)
            EXPECT_EQ(box.cx, e.cx) << "control " << e.nId;
        if (e.cy >= 0)
            EXPECT_EQ(box.cy, e.cy) << "control " << e.nId;
    }
}

}  // namespace

TEST(MainLayout, EditPageAtDesignSizeAndWider)
{
    ExpectBoxes(EditPage(kPageWidth, kPageHeight),
                {{IDC_PNLEDIT, 20, 48, 788, 419},
                 {IDC_GROUPINSERT, 828, 44, 140, 149},
                 {IDC_BTNIMAGE, 858, 69, 80, 27},
                 {IDC_BTNTEXT, 859, 107, 80, 27},
                 {IDC_BTNFRAME, 860, 145, 80, 27},
                 {IDC_CBADTYPE, 92, 14, 190, -1},
                 {IDC_CBCURROBJ, 387, 14, 165, -1},
                 {IDC_BTNDETAIL, 569, 11, 80, 27},
                 {IDC_BTNDEL, 663, 11, 80, 27}});
    ExpectBoxes(EditPage(1294, 700), {{IDC_PNLEDIT, 20, 48, 1094, 635},
                                      {IDC_GROUPINSERT, 1134, 44, 140, 149},
                                      {IDC_BTNIMAGE, 1164, 69, 80, 27}});
}

TEST(MainLayout, PreviewPageSpreadsTheColourButtonsOverFifths)
{
    // The panel gives 32 pixels of its height to the row of the browser preview button.
    ExpectBoxes(PreviewPage(kPageWidth, kPageHeight),
                {{IDC_PNLPREVIEW, 20, 17, 948, 387},
                 {IDC_BTNBROWSER, 818, 412, 150, 27},
                 {IDC_BTNBORDERCOLOR, 20, 449, 110, 27},
                 {IDC_PNLBORDERCOLOR, 140, 454, 40, 20},
                 {IDC_BTNBGCOLOR, 189, 449, 110, 27},
                 {IDC_PNLBGCOLOR, 319, 454, 40, 20},
                 {IDC_BTNTITLECOLOR, 378, 449, -1, -1},
                 {IDC_PNLTITLECOLOR, 508, 454, -1, -1},
                 {IDC_BTNTEXTCOLOR, 567, 449, -1, -1},
                 {IDC_PNLTEXTCOLOR, 697, 454, -1, -1},
                 {IDC_BTNURLCOLOR, 756, 449, -1, -1},
                 {IDC_PNLURLCOLOR, 886, 454, -1, -1}});
    // (1294 - 40) / 5 = 250 with the remainder dropped.
    ExpectBoxes(PreviewPage(1294, 600), {{IDC_PNLPREVIEW, 20, 17, 1254, 503},
                                         {IDC_BTNBORDERCOLOR, 20, 565, -1, -1},
                                         {IDC_BTNBGCOLOR, 250, 565, -1, -1},
                                         {IDC_PNLURLCOLOR, 1130, 570, -1, -1}});
}

TEST(MainLayout, CodePageKeepsButtonsRightAndIdsAtTheBottom)
{
    ExpectBoxes(CodePage(kPageWidth, kPageHeight),
                {{IDC_MEMCODE, 20, 15, 948, 419},
                 {IDC_BTNSAVE, 818, 449, 150, 27},
                 {IDC_BTNCOPY, 648, 449, 150, 27},
                 {IDC_EDTPUBID, 90, 454, 130, 19},
                 {IDC_EDTCHANNELID, 339, 454, 81, 19}});
    ExpectBoxes(CodePage(1294, 600), {{IDC_MEMCODE, 20, 15, 1254, 535},
                                      {IDC_BTNSAVE, 1124, 565, -1, -1},
                                      {IDC_BTNCOPY, 954, 565, -1, -1},
                                      {IDC_EDTPUBID, 90, 570, -1, -1}});
}

TEST(MainLayout, TopPanelButtonsFollowTheOuterWidth)
{
    struct Case {
        int nFrameWidth, nHelp, nExit;
    } cases[] = {{1300, 900, 1100}, {1000, 750, 875}, {1003, 750, 875}, {994, 746, 869},
                 // Narrower than the rule's origin: the step rounds toward zero.
                 {498, 500, 500}, {490, 496, 494}};
    for (const Case &c : cases) {
        auto boxes = TopPanel(c.nFrameWidth);
        EXPECT_EQ(Find(boxes, IDC_BTNHELP).x, c.nHelp) << c.nFrameWidth;
        EXPECT_EQ(Find(boxes, IDC_BTNEXIT).x, c.nExit) << c.nFrameWidth;
        EXPECT_EQ(Find(boxes, IDC_BTNEXIT).y, 43);
    }
    ExpectBoxes(TopPanel(1000), {{IDC_LOGO, 5, 25, 327, 60}});
}

TEST(MainLayout, AreasStackPanelTabsAndStatusBar)
{
    FrameAreas areas = Areas(1000, 600, 20, Insets{4, 24, 5, 6});
    EXPECT_EQ(areas.rcTopPanel.bottom, kTopPanelHeight);
    EXPECT_EQ(areas.rcTabs.top, kTopPanelHeight);
    EXPECT_EQ(areas.rcTabs.bottom, 580);
    EXPECT_EQ(areas.rcPage.left, 4);
    EXPECT_EQ(areas.rcPage.top, kTopPanelHeight + 24);
    EXPECT_EQ(areas.rcPage.right, 995);
    EXPECT_EQ(areas.rcPage.bottom, 574);

    // A client area smaller than the panel leaves empty, never inverted, rectangles.
    areas = Areas(5, 10, 20, Insets{4, 24, 5, 6});
    EXPECT_LE(areas.rcPage.left, areas.rcPage.right);
    EXPECT_LE(areas.rcPage.top, areas.rcPage.bottom);
    EXPECT_LE(areas.rcTabs.top, areas.rcTabs.bottom);
}

TEST(MainLayout, MinimumGivesThePagesTheirDesignSizeButNeverLessThan1000x680)
{
    // A thin frame: the floor wins.
    SIZE size = MinimumWindowSize(19, Insets{2, 22, 2, 2}, 0, 0);
    EXPECT_EQ(size.cx, 1000);
    EXPECT_EQ(size.cy, 680);
    // A thick frame with a menu bar: the pages' needs win.
    size = MinimumWindowSize(22, Insets{4, 26, 4, 4}, 16, 62);
    EXPECT_EQ(size.cx, 4 + kPageWidth + 4 + 16);
    EXPECT_EQ(size.cy, kTopPanelHeight + 26 + kPageHeight + 4 + 22 + 62);
    // Each axis on its own.
    size = MinimumWindowSize(19, Insets{2, 22, 2, 2}, 40, 0);
    EXPECT_EQ(size.cx, 2 + kPageWidth + 2 + 40);
    EXPECT_EQ(size.cy, 680);
}
