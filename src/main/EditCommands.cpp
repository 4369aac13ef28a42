#include "main/EditCommands.h"

#include <memory>
#include <string>

#include "AdTemplate/AdDrawUtil.h"
#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "TemplateHost.h"
#include "TemplatePicture.h"
#include "TfmAdSenseProp.h"
#include "TfmExportImage.h"
#include "TfmFrameProp.h"
#include "TfmImageProp.h"
#include "TfmLineProp.h"
#include "TfmShadowProp.h"
#include "TfmTextProp.h"
#include "dialog/Prompts.h"

namespace {

// The ad unit's rectangle grown by two pixels on every side, without leaving the int range.
RECT AroundAdUnit(const RECT &rcAd)
{
    return RECT{AddClamped(rcAd.left, -2), AddClamped(rcAd.top, -2), AddClamped(rcAd.right, 2),
                AddClamped(rcAd.bottom, 2)};
}

}  // namespace

ObjectDialog *EditCommands::NewPropertyDialog(int nType, TemplateHost *pHost)
{
    switch (nType) {
    case OBJ_ADSENSE: return new TfmAdSenseProp(pHost);
    case OBJ_IMAGE: return new TfmImageProp;
    case OBJ_TEXT: return new TfmTextProp;
    case OBJ_LINE: return new TfmLineProp;
    case OBJ_SHADOW: return new TfmShadowProp;
    case OBJ_FRAME: return new TfmFrameProp;
    }
    return nullptr;
}

AdObj *EditCommands::NewPlacedObject(int nType)
{
    AdSenseTemplate *pTemplate = m_pHost->GetTemplate();
    const RECT rcAd = pTemplate->GetAdSense() ? *pTemplate->GetAdSense()->GetPos() : RECT{};
    AdObj *pObj = nullptr;
    switch (nType) {
    case OBJ_IMAGE:
        pObj = new Pictra;
        break;
    case OBJ_TEXT:
        pObj = new AdText;
        break;
    case OBJ_LINE: {
        // A horizontal line two pixels above the ad unit, as wide as the unit.
        auto *pLine = new AdLine;
        const int y = AddClamped(rcAd.top, -2);
        pLine->SetStart(rcAd.left, y);
        pLine->SetEnd(rcAd.right, y);
        pObj = pLine;
        break;
    }
    case OBJ_SHADOW: {
        pObj = new AdShadow;
        const RECT rc = AroundAdUnit(rcAd);
        pObj->SetPos(&rc);
        break;
    }
    case OBJ_FRAME: {
        // A frame stays on the template's plane: it starts at 0 at the least.
        pObj = new AdFrame;
        RECT rc = AroundAdUnit(rcAd);
        rc.left = rc.left < 0 ? 0 : rc.left;
        rc.top = rc.top < 0 ? 0 : rc.top;
        pObj->SetPos(&rc);
        break;
    }
    default:
        return nullptr;
    }
    pObj->SetName(pTemplate->MakeName(nType));
    return pObj;
}

int EditCommands::RunPropertyDialog(ObjectDialog *pDialog, AdObj *pObj)
{
    if (!pDialog || !pDialog->Create(m_pHost->GetOwnerWindow()) || !pDialog->SetObject(pObj))
        return IDCANCEL;
    return pDialog->ShowModal();
}

bool EditCommands::InsertObject(int nType)
{
    std::unique_ptr<AdObj> pObj(NewPlacedObject(nType));
    if (!pObj)
        return false;
    std::unique_ptr<ObjectDialog> pDialog(NewPropertyDialog(nType, m_pHost));
    if (RunPropertyDialog(pDialog.get(), pObj.get()) != IDOK)
        return false;
    ChangeScope change(m_pHost);
    if (!m_pHost->GetTemplate()->Add(pObj.get()))
        return false;
    const std::string label = std::string("Insert ") + pObj->GetName();
    pObj.release();  // the template owns it now
    change.Commit(label);
    m_pHost->RefreshViews();
    m_pHost->FillObjectList();
    return true;
}

bool EditCommands::DeleteCurrent()
{
    AdSenseTemplate *pTemplate = m_pHost->GetTemplate();
    AdObj *pObj = pTemplate->GetCurrent();
    if (!pObj)
        return false;
    HWND hOwner = m_pHost->GetOwnerWindow();
    if (pObj->GetType() == OBJ_ADSENSE) {
        prompts::Error(hOwner, "The AdSense object can not be deleted.");
        return false;
    }
    if (prompts::Message(hOwner, "Are you sure to delete this object?", "Confirm",
                         MB_YESNOCANCEL | MB_ICONQUESTION) != IDYES)
        return false;
    ChangeScope change(m_pHost);
    const std::string label = std::string("Delete ") + pObj->GetName();
    pTemplate->Delete(pObj);
    change.Commit(label);
    m_pHost->RefreshViews();
    m_pHost->FillObjectList();
    return true;
}

bool EditCommands::EditCurrent()
{
    AdObj *pObj = m_pHost->GetTemplate()->GetCurrent();
    if (!pObj)
        return false;
    // The dialog writes into the object on OK: the state before is taken before it runs.
    ChangeScope change(m_pHost);
    std::unique_ptr<ObjectDialog> pDialog(NewPropertyDialog(pObj->GetType(), m_pHost));
    const bool bOk = RunPropertyDialog(pDialog.get(), pObj) == IDOK;
    if (bOk && pDialog->IsChanged()) {
        change.Commit(std::string("Change ") + pObj->GetName());
        m_pHost->SetModified(true, false);
        // The frame's dialog leaves its pen and brush to be rebuilt here.
        if (pObj->GetType() == OBJ_FRAME) {
            static_cast<AdFrame *>(pObj)->UpdatePen();
            static_cast<AdFrame *>(pObj)->UpdateBrush();
        }
        m_pHost->RefreshViews();
    }
    // A dialog may have renamed the object.
    m_pHost->FillObjectList();
    return bOk;
}

bool EditCommands::ExportTemplateImage()
{
    AdSenseTemplate *pTemplate = m_pHost->GetTemplate();
    ChangeScope change(m_pHost);
    TfmExportImage dialog;
    if (!dialog.Create(m_pHost->GetOwnerWindow()) || !dialog.SetTemplate(pTemplate) ||
        dialog.ShowModal() != IDOK)
        return false;
    // The margins are part of the template file and of the page code's table size.
    if (dialog.MarginsChanged()) {
        change.Commit("Change Margins");
        m_pHost->SetModified(true, false);
        m_pHost->RefreshViews();
    }
    if (WriteTemplatePicture(pTemplate, dialog.GetFileName(), dialog.GetQuality()))
        return true;
    prompts::MessageF(m_pHost->GetOwnerWindow(), "Error", MB_OK | MB_ICONERROR,
                      "The template image could not be written to \"%s\".",
                      dialog.GetFileName());
    return false;
}
