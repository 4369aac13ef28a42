// The edit page's lists and what the editing canvas reports; the insert, delete and details
// commands belong to EditCommands.
#include "main/TfmMain.h"

#include <string>
#include <vector>

#include "AdTemplate/AdFormats.h"
#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "resource.h"

void TfmMain::FillAdFormatList()
{
    HWND hList = Control(IDC_CBADTYPE);
    SendMessageA(hList, CB_RESETCONTENT, 0, 0);
    // An entry's position plus one is its format code.
    for (int nCode = 1; nCode <= AD_FORMAT_COUNT; ++nCode)
        SendMessageA(hList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GetAdFormat(nCode)->szCaption));
    SendMessageA(hList, CB_SETCURSEL, 0, 0);
}

// The list shows the format of the template on screen. Selecting from the program sends
// no change notification.
void TfmMain::ShowAdFormat()
{
    const int nFormat = FTemplate->GetAdSense()->GetInfo()->nFormat;
    if (nFormat >= 1 && nFormat <= AD_FORMAT_COUNT)
        SendMessageA(Control(IDC_CBADTYPE), CB_SETCURSEL, nFormat - 1, 0);
}

void TfmMain::cbAdTypeChange()
{
    const int nPosition = static_cast<int>(SendMessageA(Control(IDC_CBADTYPE), CB_GETCURSEL, 0, 0));
    if (nPosition < 0)
        return;
    AdSense *pAdSense = FTemplate->GetAdSense();
    const int nFormat = nPosition + 1;
    ChangeScope change(this);
    if (pAdSense->GetInfo()->nFormat != nFormat && pAdSense->SetFormat(nFormat)) {
        change.Commit("Change Ad Format");
        SetModified(true, false);
    }
    RefreshViews();
}

void TfmMain::FillObjectList()
{
    HWND hList = Control(IDC_CBCURROBJ);
    FFillingList = true;
    SendMessageA(hList, CB_RESETCONTENT, 0, 0);
    int nSelected = 0;
    for (AdObj *pObj = FTemplate->GetFirst(); pObj; pObj = FTemplate->GetNext()) {
        const int nIndex = static_cast<int>(
            SendMessageA(hList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pObj->GetName())));
        if (nIndex < 0)
            continue;
        SendMessageA(hList, CB_SETITEMDATA, nIndex, reinterpret_cast<LPARAM>(pObj));
        // With several selected objects the last one wins.
        if (pObj->IsSelected())
            nSelected = nIndex;
    }
    FFillingList = false;
    SendMessageA(hList, CB_SETCURSEL, nSelected, 0);
}

void TfmMain::SelectObjectInList(AdObj *pObj)
{
    HWND hList = Control(IDC_CBCURROBJ);
    const int nCount = static_cast<int>(SendMessageA(hList, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i)
        if (reinterpret_cast<AdObj *>(SendMessageA(hList, CB_GETITEMDATA, i, 0)) == pObj) {
            SendMessageA(hList, CB_SETCURSEL, i, 0);
            return;
        }
}

void TfmMain::cbCurrObjChange()
{
    HWND hList = Control(IDC_CBCURROBJ);
    const int nIndex = static_cast<int>(SendMessageA(hList, CB_GETCURSEL, 0, 0));
    if (nIndex < 0 || FFillingList)
        return;
    auto *pObj = reinterpret_cast<AdObj *>(SendMessageA(hList, CB_GETITEMDATA, nIndex, 0));
    if (!pObj || reinterpret_cast<LRESULT>(pObj) == CB_ERR)
        return;
    FTemplate->SetCurrent(pObj);
    if (FAdEdit)
        FAdEdit->Refresh();
}

void TfmMain::btnImageClick() { m_editCommands.InsertObject(OBJ_IMAGE); }
void TfmMain::btnTextClick() { m_editCommands.InsertObject(OBJ_TEXT); }
void TfmMain::btnLineClick() { m_editCommands.InsertObject(OBJ_LINE); }
void TfmMain::btnShadowClick() { m_editCommands.InsertObject(OBJ_SHADOW); }
void TfmMain::btnFrameClick() { m_editCommands.InsertObject(OBJ_FRAME); }
void TfmMain::btnDelClick() { m_editCommands.DeleteCurrent(); }
void TfmMain::btnDetailClick() { m_editCommands.EditCurrent(); }

void TfmMain::OnObjectSelected(AdEdit *, AdObj *pObj) { SelectObjectInList(pObj); }
void TfmMain::OnObjectDoubleClick(AdEdit *, AdObj *) { btnDetailClick(); }
void TfmMain::OnObjectDragged(AdEdit *, AdObj *)
{
    m_bDragMoved = true;
    SetModified(true, true);
}

// A whole drag is one step, taken only when the object moved.
void TfmMain::OnDragBegin(AdEdit *, AdObj *)
{
    BeginChange();
    m_bDragging = true;
    m_bDragMoved = false;
}

void TfmMain::OnDragEnd(AdEdit *)
{
    AdObj *pObj = FTemplate->GetCurrent();
    if (m_bDragMoved && pObj)
        CommitChange((std::string("Move ") + pObj->GetName()).c_str(), nullptr);
    else
        CancelChange();
    m_bDragging = false;
    m_bDragMoved = false;
}

void TfmMain::OnCanvasKey(AdEdit *, UINT nKey, bool bShift)
{
    const int nStep = bShift ? 10 : 1;
    switch (nKey) {
    case VK_LEFT: NudgeCurrent(-nStep, 0); break;
    case VK_RIGHT: NudgeCurrent(nStep, 0); break;
    case VK_UP: NudgeCurrent(0, -nStep); break;
    case VK_DOWN: NudgeCurrent(0, nStep); break;
    case VK_DELETE: btnDelClick(); break;
    case VK_RETURN: btnDetailClick(); break;
    case VK_TAB: SelectAdjacentObject(bShift ? -1 : 1); break;
    default: break;
    }
}

void TfmMain::NudgeCurrent(int dx, int dy)
{
    AdObj *pObj = FTemplate->GetCurrent();
    if (!pObj)
        return;
    // The objects a drag moves; lines and shadows are placed through their dialogs.
    const int nType = pObj->GetType();
    if (nType != OBJ_ADSENSE && nType != OBJ_IMAGE && nType != OBJ_TEXT && nType != OBJ_FRAME)
        return;
    RECT rc = *pObj->GetPos();
    // As a drag: the left and top sides stop at the template's origin.
    dx = rc.left + dx < 0 ? -rc.left : dx;
    dy = rc.top + dy < 0 ? -rc.top : dy;
    if (dx == 0 && dy == 0)
        return;
    ChangeScope change(this);
    OffsetRect(&rc, dx, dy);
    pObj->SetPos(&rc);
    change.Commit(std::string("Move ") + pObj->GetName(), pObj);
    SetModified(true, false);
    RefreshViews();
}

void TfmMain::SelectAdjacentObject(int nStep)
{
    std::vector<AdObj *> objects;
    for (AdObj *pObj = FTemplate->GetFirst(); pObj; pObj = FTemplate->GetNext())
        objects.push_back(pObj);
    if (objects.empty())
        return;
    const int nCount = static_cast<int>(objects.size());
    int nAt = -1;
    for (int i = 0; i < nCount; ++i)
        if (objects[i] == FTemplate->GetCurrent())
            nAt = i;
    // With no current object, Tab starts at the first and Shift+Tab at the last.
    const int nNext = nAt < 0 ? (nStep > 0 ? 0 : nCount - 1) : (nAt + nStep + nCount) % nCount;
    FTemplate->SetCurrent(objects[nNext]);
    SelectObjectInList(objects[nNext]);
    if (FAdEdit)
        FAdEdit->Refresh();
}
