// Undo and redo: every kind's fields, the list order and the current object come back
// exactly, the modified flag follows the saved state, nudges merge, memory stays bounded.
#include <gtest/gtest.h>

#include <string.h>
#include <string>
#include <vector>

#include "AdTemplate/AdObjClone.h"
#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"
#include "AdTemplate/TemplateHistory.h"
#include "TestSupport.h"

namespace {

std::vector<std::string> Names(AdSenseTemplate &t)
{
    std::vector<std::string> names;
    for (AdObj *p = t.GetFirst(); p; p = t.GetNext())
        names.push_back(p->GetName());
    return names;
}

// The template as its file stores it; the scratch file makes the comparison independent
// of the template's own path.
std::string FileBytes(AdSenseTemplate &t)
{
    static int s_nFile;
    std::string folder = testsupport::MakeScratchFolder("history");
    std::string path = folder + "state" + std::to_string(s_nFile++) + ".atp";
    const bool bModified = t.IsModified();
    char szOldPath[MAX_PATH];
    strcpy(szOldPath, t.GetFilePath());
    EXPECT_TRUE(t.SaveAs(path.c_str()));
    std::string bytes = testsupport::ReadFileBytes(path);
    // SaveAs made the scratch file the template's own: put path and flag back.
    t.SetModified(bModified);
    return bytes;
}

template <class T>
T *AddNamed(AdSenseTemplate &t, T *pObj, RECT rc)
{
    pObj->SetName(t.MakeName(pObj->GetType()));
    pObj->SetPos(&rc);
    t.Add(pObj);
    return pObj;
}

// One object of every kind, each with fields away from its defaults.
void FillEveryKind(AdSenseTemplate &t)
{
    t.New();
    Pictra *pPicture = AddNamed(t, new Pictra, RECT{0, 0, 40, 30});
    pPicture->SetFile("C:\\nowhere\\temp001.png");
    pPicture->SetExt(".png");
    AdText *pText = AddNamed(t, new AdText, RECT{5, 100, 120, 118});
    pText->SetText("Garden tools");
    pText->SetFaceName("Arial");
    pText->m_lf.lfWeight = 600;
    pText->m_crText = RGB(1, 2, 3);
    pText->m_crBack = RGB(4, 5, 6);
    AdLine *pLine = AddNamed(t, new AdLine, RECT{0, 8, 728, 9});
    pLine->SetStart(1, 8);
    pLine->SetEnd(727, 8);
    pLine->m_nWidth = 3;
    pLine->m_nStyle = 4;
    AdShadow *pShadow = AddNamed(t, new AdShadow, RECT{8, 8, 740, 102});
    pShadow->m_nValue = 7;
    AdFrame *pFrame = AddNamed(t, new AdFrame, RECT{6, 6, 742, 104});
    pFrame->m_nRoundCorner = 9;
    pFrame->m_nLineStyle = 2;
    pFrame->m_crBack = RGB(200, 220, 240);
    t.GetAdSense()->SetFormat(7);
    t.GetAdSense()->GetInfo()->crTitle = RGB(9, 9, 9);
    t.SetMarginLeft(3);
    t.SetMarginBottom(10);
    t.SetCurrent(pText);
}

void ChangeEverything(AdSenseTemplate &t)
{
    for (AdObj *p = t.GetFirst(); p; p = t.GetNext()) {
        RECT rc = *p->GetPos();
        OffsetRect(&rc, 11, 13);
        p->SetPos(&rc);
        p->SetName("changed");
    }
    t.GetAdSense()->SetFormat(12);
    t.GetAdSense()->GetInfo()->crBG = RGB(1, 1, 1);
    t.SetMarginLeft(0);
    t.SetMarginTop(7);
}

}  // namespace

TEST(TemplateHistory, UndoAndRedoRestoreEveryFieldOrderAndCurrentObject)
{
    AdSenseTemplate t;
    FillEveryKind(t);
    const std::string before = FileBytes(t);
    const std::vector<std::string> namesBefore = Names(t);
    const std::string currentBefore = t.GetCurrent()->GetName();

    TemplateHistory history;
    TemplateSnapshot state = TemplateSnapshot::Capture(t);
    ChangeEverything(t);
    // The middle objects go too, so that the list order has to come back.
    t.Delete(t.GetCurrent());
    history.Commit("Change Everything", std::move(state));
    const std::string after = FileBytes(t);
    ASSERT_NE(before, after);

    ASSERT_TRUE(history.Undo(t));
    EXPECT_EQ(before, FileBytes(t));
    EXPECT_EQ(namesBefore, Names(t));
    ASSERT_NE(nullptr, t.GetCurrent());
    EXPECT_EQ(currentBefore, t.GetCurrent()->GetName());
    EXPECT_TRUE(t.GetCurrent()->IsSelected());
    ASSERT_NE(nullptr, t.GetAdSense());
    EXPECT_EQ(OBJ_ADSENSE, t.GetAdSense()->GetType());

    ASSERT_TRUE(history.Redo(t));
    EXPECT_EQ(after, FileBytes(t));
    ASSERT_TRUE(history.Undo(t));
    EXPECT_EQ(before, FileBytes(t));
    EXPECT_FALSE(history.Undo(t));
}

TEST(TemplateHistory, ClonesCarryEveryStoredFieldOfEveryKind)
{
    AdSenseTemplate t, copy;
    FillEveryKind(t);
    std::vector<AdObj *> clones;
    for (AdObj *p = t.GetFirst(); p; p = t.GetNext())
        clones.push_back(CloneObject(p));
    copy.ReplaceObjects(clones.data(), (unsigned)clones.size(), 2);
    copy.SetMarginLeft(t.GetMarginLeft());
    copy.SetMarginBottom(t.GetMarginBottom());
    EXPECT_EQ(FileBytes(t), FileBytes(copy));
    EXPECT_EQ(nullptr, CloneObject(nullptr));
}

TEST(TemplateHistory, ModifiedFlagIsFalseExactlyAtTheSavedState)
{
    AdSenseTemplate t;
    t.New();
    TemplateHistory history;
    auto change = [&](const char *label, int dx) {
        TemplateSnapshot state = TemplateSnapshot::Capture(t);
        RECT rc = *t.GetAdSense()->GetPos();
        OffsetRect(&rc, dx, 0);
        t.GetAdSense()->SetPos(&rc);
        t.SetModified(true);
        history.Commit(label, std::move(state));
    };
    change("Move 1", 1);
    change("Move 2", 2);
    EXPECT_STREQ("Move 2", history.GetUndoLabel());
    history.Undo(t);
    EXPECT_TRUE(t.IsModified());
    EXPECT_STREQ("Move 2", history.GetRedoLabel());
    history.Undo(t);
    EXPECT_FALSE(t.IsModified());  // back at the new template
    history.Redo(t);
    EXPECT_TRUE(t.IsModified());

    history.MarkSaved();
    t.SetModified(false);
    history.Undo(t);
    EXPECT_TRUE(t.IsModified());
    history.Redo(t);
    EXPECT_FALSE(t.IsModified());

    // Undo below the saved state, then a new step: the saved state can never come back.
    history.Undo(t);
    change("Move 3", 3);
    history.Undo(t);
    EXPECT_TRUE(t.IsModified());
    EXPECT_FALSE(history.CanRedo() && !history.Redo(t));
}

TEST(TemplateHistory, NudgesOfOneObjectMergeIntoOneStep)
{
    AdSenseTemplate t;
    t.New();
    TemplateHistory history;
    AdObj *pAd = t.GetAdSense();
    const LONG nLeft = pAd->GetPos()->left;
    auto nudge = [&](AdObj *pObj, const void *pKey) {
        TemplateSnapshot state = TemplateSnapshot::Capture(t);
        RECT rc = *pObj->GetPos();
        OffsetRect(&rc, 1, 0);
        pObj->SetPos(&rc);
        history.Commit("Move", std::move(state), pKey);
    };
    for (int i = 0; i < 5; i++)
        nudge(pAd, pAd);
    EXPECT_EQ(1u, history.GetUndoCount());
    history.Undo(t);
    EXPECT_EQ(nLeft, t.GetAdSense()->GetPos()->left);

    // A save between two nudges keeps them apart, so undo can reach the saved state.
    history.Redo(t);
    pAd = t.GetAdSense();
    nudge(pAd, pAd);
    history.MarkSaved();
    nudge(pAd, pAd);
    EXPECT_EQ(3u, history.GetUndoCount());
    // Another key starts a new step.
    nudge(pAd, &history);
    EXPECT_EQ(4u, history.GetUndoCount());
}

TEST(TemplateHistory, KeepsTheLastStepsWithoutPictureBytes)
{
    // A large picture file: a state must name it, not hold its bytes.
    std::string folder = testsupport::MakeScratchFolder("history_big");
    std::string picture = folder + "big.bmp";
    ASSERT_TRUE(testsupport::WriteFileBytes(picture, std::string(4 << 20, 'x')));
    AdSenseTemplate t;
    t.New();
    for (int i = 0; i < 10; i++) {
        Pictra *p = AddNamed(t, new Pictra, RECT{i, i, i + 50, i + 50});
        p->SetFile(picture.c_str());
    }
    TemplateHistory history(100);
    for (int i = 0; i < 150; i++) {
        TemplateSnapshot state = TemplateSnapshot::Capture(t);
        RECT rc = *t.GetAdSense()->GetPos();
        OffsetRect(&rc, 1, 0);
        t.GetAdSense()->SetPos(&rc);
        history.Commit("Move", std::move(state));
    }
    EXPECT_EQ(100u, history.GetUndoCount());
    EXPECT_LT(history.GetMemoryBytes(), 100u * 12 * 2048);
    while (history.Undo(t)) {
    }
    // The 50 oldest steps were let go: undo stops at the state after them.
    EXPECT_EQ(10 + 50, t.GetAdSense()->GetPos()->left);
    EXPECT_TRUE(t.IsModified());
    EXPECT_EQ(11u, t.GetCount());
}

TEST(TemplateHistory, ClearForgetsEverything)
{
    AdSenseTemplate t;
    t.New();
    TemplateHistory history;
    history.Commit("Insert Text 1", TemplateSnapshot::Capture(t));
    history.Undo(t);
    history.Commit("Insert Text 1", TemplateSnapshot::Capture(t));
    history.Clear();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_STREQ("", history.GetUndoLabel());
}
