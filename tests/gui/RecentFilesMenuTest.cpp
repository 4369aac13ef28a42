// The File menu's recent templates through the real main window, across a restart.
#include "MainWindowFixture.h"

#include "RecentFiles.h"
#include "TestSupport.h"

namespace {

// The File menu as it opens: its items' IDs (0 for a separator) and captions.
std::vector<std::pair<UINT, std::string>> OpenFileMenu(HWND hMain)
{
    HMENU hFile = GetSubMenu(GetMenu(hMain), 0);
    SendMessageA(hMain, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
    std::vector<std::pair<UINT, std::string>> items;
    for (int i = 0; i < GetMenuItemCount(hFile); ++i) {
        char sz[128] = {};
        GetMenuStringA(hFile, static_cast<UINT>(i), sz, sizeof(sz), MF_BYPOSITION);
        items.push_back({GetMenuItemID(hFile, i), sz});
    }
    return items;
}

}  // namespace

TEST_F(MainWindowTest, RecentTemplatesAreListedKeptAcrossARestartAndPrunedWhenMissing)
{
    const std::string first = OutputPath("recent-first.atp");
    const std::string second = OutputPath("recent-second.atp");
    ASSERT_TRUE(m_pForm->WriteTemplate(first.c_str()));
    ASSERT_TRUE(m_pForm->WriteTemplate(second.c_str()));
    g_prompts.openPaths = {first};
    Command(IDM_FILE_OPEN);
    ASSERT_STREQ(m_pForm->GetRecentFiles().Get(0), first.c_str());
    ASSERT_STREQ(m_pForm->GetRecentFiles().Get(1), second.c_str());

    // The list sits above Exit with a separator of its own, and opening twice adds nothing.
    for (int nOpening = 0; nOpening < 2; ++nOpening) {
        const auto items = OpenFileMenu(Main());
        const size_t nCount = m_pForm->GetRecentFiles().GetCount();
        ASSERT_GE(items.size(), nCount + 3);
        const size_t nExit = items.size() - 1;
        EXPECT_EQ(items[nExit].first, static_cast<UINT>(IDM_FILE_EXIT));
        EXPECT_EQ(items[nExit - 1].first, 0u);
        EXPECT_EQ(items[nExit - 2 - nCount].first, 0u);
        EXPECT_EQ(items[nExit - 1 - nCount].first, static_cast<UINT>(IDM_FILE_RECENT));
        EXPECT_EQ(items[nExit - 1 - nCount].second, RecentFiles::MenuCaption(0, first.c_str()));
        EXPECT_EQ(items[nExit - nCount].second, RecentFiles::MenuCaption(1, second.c_str()));
    }

    // The settings file carries the list to the next run.
    ASSERT_TRUE(Close());
    CreateWindowNow();
    ASSERT_STREQ(m_pForm->GetRecentFiles().Get(0), first.c_str());
    ASSERT_STREQ(m_pForm->GetRecentFiles().Get(1), second.c_str());

    // A chosen file that is gone leaves the list with a message; one that exists opens.
    ASSERT_TRUE(DeleteFileA(second.c_str()));
    Command(IDM_FILE_RECENT + 1);
    ASSERT_EQ(g_prompts.messages.size(), 1u);
    EXPECT_NE(g_prompts.messages[0].text.find(second), std::string::npos);
    EXPECT_STRNE(m_pForm->GetRecentFiles().Get(1), second.c_str());

    Command(IDM_FILE_RECENT);
    EXPECT_STREQ(Tpl()->GetFilePath(), first.c_str());
    EXPECT_EQ(g_prompts.messages.size(), 1u);
}
