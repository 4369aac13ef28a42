// What the shell and Windows read from the built program without running it: the icons the
// association and Explorer show, the manifest, and the version Add/Remove Programs shows.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "OrnamoVersion.h"
#include "TestSupport.h"
#include "resource.h"

namespace {

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_exe = testsupport::ProgramFolder() + "ornamo.exe";
        m_module = LoadLibraryExA(m_exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(nullptr, m_module) << m_exe;
    }
    void TearDown() override
    {
        if (m_module)
            FreeLibrary(m_module);
    }
    std::string Resource(LPCSTR type, LPCSTR name)
    {
        HRSRC hInfo = FindResourceA(m_module, name, type);
        if (!hInfo)
            return std::string();
        HGLOBAL hData = LoadResource(m_module, hInfo);
        const char *p = static_cast<const char *>(LockResource(hData));
        return p ? std::string(p, SizeofResource(m_module, hInfo)) : std::string();
    }

    std::string m_exe;
    HMODULE m_module = nullptr;
};

}  // namespace

// The program's icon first and the template's second: the association names "ornamo.exe,1".
TEST_F(ProgramResources, ProgramIconFirstTemplateIconSecond)
{
    EXPECT_EQ(ExtractIconExA(m_exe.c_str(), -1, nullptr, nullptr, 0), 2u);
    for (int nIndex : {0, 1}) {
        HICON hLarge = nullptr, hSmall = nullptr;
        EXPECT_EQ(ExtractIconExA(m_exe.c_str(), nIndex, &hLarge, &hSmall, 1), 2u) << nIndex;
        ICONINFO info = {};
        ASSERT_TRUE(hLarge && GetIconInfo(hLarge, &info)) << nIndex;
        BITMAP bm = {};
        GetObjectA(info.hbmColor, sizeof(bm), &bm);
        EXPECT_EQ(bm.bmWidth, GetSystemMetrics(SM_CXICON)) << "a drawn size, not a scaled one";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(hLarge);
        DestroyIcon(hSmall);
    }
    EXPECT_FALSE(Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_ORNAMO)).empty());
    EXPECT_FALSE(Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_TEMPLATE)).empty());
}

TEST_F(ProgramResources, ManifestAsksForCommonControlsSixAndDeclaresDpiUnaware)
{
    const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEA(1));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    // The canvases draw in template pixels: the window must not claim to scale itself.
    EXPECT_NE(manifest.find(">false</dpiAware>"), std::string::npos);
    EXPECT_EQ(manifest.find("dpiAwareness"), std::string::npos);
    EXPECT_EQ(manifest.find("PerMonitor"), std::string::npos);
}

TEST_F(ProgramResources, VersionResourceCarriesTheProjectVersion)
{
    DWORD dwHandle = 0;
    const DWORD dwSize = GetFileVersionInfoSizeA(m_exe.c_str(), &dwHandle);
    ASSERT_GT(dwSize, 0u);
    std::string block(dwSize, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(m_exe.c_str(), 0, dwSize, &block[0]));
    VS_FIXEDFILEINFO *pFixed = nullptr;
    UINT nLen = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void **>(&pFixed), &nLen));
    EXPECT_EQ(HIWORD(pFixed->dwFileVersionMS), ORNAMO_VERSION_MAJOR);
    EXPECT_EQ(LOWORD(pFixed->dwFileVersionMS), ORNAMO_VERSION_MINOR);
    EXPECT_EQ(HIWORD(pFixed->dwFileVersionLS), ORNAMO_VERSION_PATCH);
    char *pText = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904b0\\ProductVersion",
                               reinterpret_cast<void **>(&pText), &nLen));
    EXPECT_STREQ(pText, ORNAMO_VERSION_TEXT);
}
