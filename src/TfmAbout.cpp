#include "TfmAbout.h"

#include "HelpCommands.h"
#include "Logo.h"
#include "dialog/DialogLayout.h"
#include "dialog/LinkLabel.h"
#include "resource.h"

namespace {

// The logo sits inside the frame's lowered bevel, two pixels in and three down.
const int kFrameLeft = 43, kFrameTop = 52;

const layout::Place kPlaces[] = {
    {IDC_ABOUT_LOGOFRAME, kFrameLeft, kFrameTop, 332, 66},
    {IDC_ABOUT_LOGO, kFrameLeft + 2, kFrameTop + 3, kLogoWidth, kLogoHeight},
    {IDC_ABOUT_LABEL1, 88, 134, 0, 0},
    {IDC_ABOUT_URLHOME, 68, 161, 0, 0},
    {IDC_ABOUT_OK, 324, 194, 80, 27},
};

}  // namespace

TfmAbout::TfmAbout() : DialogBase(IDD_ABOUT)
{
    // The template names both classes: they must exist before the dialog does.
    HINSTANCE hInstance = GetModuleHandleA(nullptr);
    RegisterLogoClass(hInstance);
    linklabel::RegisterLinkLabelClass(hInstance);
}

void TfmAbout::OnInitDialog()
{
    layout::SetClientSize(GetHandle(), 427, 237);
    layout::PlaceControls(GetHandle(), kPlaces);
    linklabel::SetAddress(Item(IDC_ABOUT_URLHOME), kHomePageAddress);
}

void TfmAbout::OnCommand(int nId, int nNotifyCode, HWND)
{
    if (nId == IDC_ABOUT_LOGO && nNotifyCode == STN_CLICKED)
        OpenHomePage();
    else if (nId == IDC_ABOUT_OK && nNotifyCode == BN_CLICKED)
        EndModal(IDOK);
}
