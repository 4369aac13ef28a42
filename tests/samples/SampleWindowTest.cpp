// Each sample opened in the real main window through File > Open, as a user opens it.
#include "MainWindowFixture.h"

#include "SampleList.h"
#include "dialog/ColorPanel.h"
#include "resource.h"

TEST_F(MainWindowTest, EachSampleOpensInTheMainWindow)
{
    for (const ExpectedSample &sample : kExpectedSamples) {
        SCOPED_TRACE(sample.szName);
        const std::string file = SamplesFolder() + sample.szName + ".atp";
        g_prompts.openPaths.push_back(file);
        Command(IDM_FILE_OPEN);
        EXPECT_EQ(g_prompts.Texts(), std::vector<std::string>());
        EXPECT_EQ(std::string(Tpl()->GetFilePath()), file);
        EXPECT_FALSE(Tpl()->IsModified());
        EXPECT_EQ(SendMessageA(Ctl(IDC_CBADTYPE), CB_GETCURSEL, 0, 0), sample.nFormat - 1);
        EXPECT_EQ(SendMessageA(Ctl(IDC_CBCURROBJ), CB_GETCOUNT, 0, 0),
                  static_cast<LRESULT>(Tpl()->GetCount()));
        EXPECT_EQ(colorpanel::GetColor(Ctl(IDC_PNLBGCOLOR)), Info()->crBG);
        EXPECT_EQ(Text(IDC_MEMCODE), std::string(Tpl()->GetCode()));
    }
}
