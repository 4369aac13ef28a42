// Drawing-state hygiene: opening and confirming every kind's dialog again and again leaves
// as many GDI objects alive as before.
#include <memory>

#include "AdTemplate/AdObjects.h"
#include "GdiCounter.h"
#include "PropsFixture.h"
#include "TfmExportImage.h"
#include "dialog/ObjectDialog.h"
#include "main/EditCommands.h"
#include "resource.h"

using namespace props;

namespace {

// The counter sees every single object, so one object lost per dialog shows as a hundred.
// A hundred rounds (not a thousand) because Wine needs about 40 ms to make and destroy one
// dialog window: seven thousand of them would add five minutes to every test run.
const int kRounds = 100;

// Each colour swatch paints itself once, as it would on the screen.
void PaintSwatches(HWND hDlg)
{
    for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        char szClass[64] = {};
        GetClassNameA(h, szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, "OrnamoColorPanel") == 0) {
            InvalidateRect(h, nullptr, FALSE);
            SendMessageA(h, WM_PAINT, 0, 0);
        }
    }
}

void OpenAndConfirm(int nType, AdObj *pObj, TemplateHost *pHost)
{
    std::unique_ptr<ObjectDialog> dialog(EditCommands::NewPropertyDialog(nType, pHost));
    ASSERT_TRUE(dialog->Create(nullptr));
    ASSERT_TRUE(dialog->SetObject(pObj));
    PaintSwatches(dialog->GetHandle());
    Click(dialog->GetHandle(), IDC_PROP_OK);
    ASSERT_EQ(IDOK, dialog->GetModalResult());
}

class GdiHygiene : public PropsTest {};

}  // namespace

TEST_F(GdiHygiene, RepeatedlyConfirmedDialogsOfEveryKindLeaveNoGdiObjectBehind)
{
    ASSERT_TRUE(gdicount::Install());
    const long nBefore = gdicount::LiveObjects();
    {
        FakeHost host;
        AdSenseTemplate &tpl = host.m_template;
        auto *pText = new AdText;
        auto *pLine = new AdLine;
        auto *pFrame = new AdFrame;
        auto *pShadow = new AdShadow;
        for (AdObj *pObj : std::initializer_list<AdObj *>{pText, pLine, pFrame, pShadow}) {
            pObj->SetName("Object");
            tpl.Add(pObj);
        }
        const struct {
            int nType;
            AdObj *pObj;
        } kinds[] = {{OBJ_ADSENSE, tpl.GetAdSense()}, {OBJ_TEXT, pText},  {OBJ_LINE, pLine},
                     {OBJ_FRAME, pFrame},             {OBJ_SHADOW, pShadow}};
        for (const auto &kind : kinds) {
            SCOPED_TRACE(kind.nType);
            for (int i = 0; i < kRounds && !HasFatalFailure(); i++)
                OpenAndConfirm(kind.nType, kind.pObj, &host);
        }
        // The picture dialog without a picture library: refused at the copy, as often.
        Pictra picture;
        picture.SetName("Image");
        for (int i = 0; i < kRounds && !HasFatalFailure(); i++) {
            std::unique_ptr<ObjectDialog> dialog(EditCommands::NewPropertyDialog(OBJ_IMAGE, &host));
            ASSERT_TRUE(dialog->Create(nullptr));
            ASSERT_TRUE(dialog->SetObject(&picture));
            Click(dialog->GetHandle(), IDC_PROP_OK);
        }
        for (int i = 0; i < kRounds && !HasFatalFailure(); i++) {
            TfmExportImage dialog;
            ASSERT_TRUE(dialog.Create(nullptr));
            ASSERT_TRUE(dialog.SetTemplate(&tpl));
            Click(dialog.GetHandle(), IDC_PROP_OK);
            ASSERT_EQ(IDOK, dialog.GetModalResult());
        }
        EXPECT_GT(gdicount::LiveObjects(), nBefore);  // the objects' own caches, counted
    }
    EXPECT_EQ(nBefore, gdicount::LiveObjects());
}
