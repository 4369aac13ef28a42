#include <gtest/gtest.h>

#include "TestSupport.h"
#include "main/TfmMain.h"
#include "resource.h"

TEST(MainWindow, OpensCaptionedOrnamoAndExitMenuClosesIt)
{
    TfmMain form;
    HWND hWnd = form.Create(GetModuleHandleA(nullptr));
    ASSERT_NE(hWnd, nullptr);

    char caption[64] = {};
    GetWindowTextA(hWnd, caption, sizeof caption);
    EXPECT_STREQ(caption, "Ornamo");

    HMENU file = GetSubMenu(GetMenu(hWnd), 0);
    ASSERT_NE(file, nullptr);
    char item[64] = {};
    GetMenuStringA(file, IDM_FILE_EXIT, item, sizeof item, MF_BYCOMMAND);
    EXPECT_STREQ(item, "E&xit Ornamo");

    SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDM_FILE_EXIT, 0), 0);
    testsupport::PumpMessages();
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(form.GetHandle(), nullptr);
}
