#include "AdTemplate/TemplateHistory.h"

#include "AdTemplate/AdObjClone.h"
#include "AdTemplate/AdObjects.h"
#include "AdTemplate/AdSenseTemplate.h"

TemplateSnapshot TemplateSnapshot::Capture(AdSenseTemplate &tmpl)
{
    TemplateSnapshot state;
    AdObj *pCurrent = tmpl.GetCurrent();
    for (AdObj *pObj = tmpl.GetFirst(); pObj; pObj = tmpl.GetNext()) {
        if (pObj == pCurrent)
            state.m_nCurrent = static_cast<int>(state.m_objects.size());
        state.m_objects.emplace_back(CloneObject(pObj));
    }
    state.m_nMargins[0] = tmpl.GetMarginLeft();
    state.m_nMargins[1] = tmpl.GetMarginRight();
    state.m_nMargins[2] = tmpl.GetMarginTop();
    state.m_nMargins[3] = tmpl.GetMarginBottom();
    return state;
}

void TemplateSnapshot::Restore(AdSenseTemplate &tmpl) const
{
    std::vector<AdObj *> copies;
    copies.reserve(m_objects.size());
    for (const std::unique_ptr<AdObj> &pObj : m_objects) {
        if (AdObj *pCopy = CloneObject(pObj.get()))
            copies.push_back(pCopy);
    }
    tmpl.ReplaceObjects(copies.data(), static_cast<unsigned>(copies.size()), m_nCurrent);
    tmpl.SetMarginLeft(m_nMargins[0]);
    tmpl.SetMarginRight(m_nMargins[1]);
    tmpl.SetMarginTop(m_nMargins[2]);
    tmpl.SetMarginBottom(m_nMargins[3]);
}

size_t TemplateSnapshot::GetMemoryBytes() const
{
    size_t nBytes = sizeof(*this) + m_objects.capacity() * sizeof(m_objects[0]);
    for (const std::unique_ptr<AdObj> &pObj : m_objects) {
        switch (pObj->GetType()) {
        case OBJ_ADSENSE: nBytes += sizeof(AdSense); break;
        case OBJ_IMAGE: nBytes += sizeof(Pictra); break;
        case OBJ_TEXT: nBytes += sizeof(AdText); break;
        case OBJ_LINE: nBytes += sizeof(AdLine); break;
        case OBJ_SHADOW: nBytes += sizeof(AdShadow); break;
        default: nBytes += sizeof(AdFrame); break;
        }
    }
    return nBytes;
}

TemplateHistory::TemplateHistory(size_t nMaxSteps) : m_nMaxSteps(nMaxSteps ? nMaxSteps : 1) {}

void TemplateHistory::Commit(const char *szLabel, TemplateSnapshot before, const void *pMergeKey)
{
    const long long nDepth = static_cast<long long>(m_undo.size());
    // The saved state lay on the redo side, which a new step cuts off.
    if (m_nSavedDepth > nDepth)
        m_nSavedDepth = -1;
    m_redo.clear();
    if (pMergeKey && m_bMergeOpen && !m_undo.empty() && m_undo.back().pMergeKey == pMergeKey &&
        m_nSavedDepth != nDepth)
        return;  // the earlier step's "before" already covers this one
    m_undo.push_back(Step{szLabel ? szLabel : "", std::move(before), pMergeKey});
    m_bMergeOpen = true;
    if (m_undo.size() > m_nMaxSteps) {
        m_undo.pop_front();
        // The oldest state is gone; so is the saved one if that was it.
        m_nSavedDepth = m_nSavedDepth > 0 ? m_nSavedDepth - 1 : -1;
    }
}

const char *TemplateHistory::GetUndoLabel() const
{
    return m_undo.empty() ? "" : m_undo.back().label.c_str();
}

const char *TemplateHistory::GetRedoLabel() const
{
    return m_redo.empty() ? "" : m_redo.back().label.c_str();
}

bool TemplateHistory::Undo(AdSenseTemplate &tmpl)
{
    if (m_undo.empty())
        return false;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    TemplateSnapshot after = TemplateSnapshot::Capture(tmpl);
    step.state.Restore(tmpl);
    m_redo.push_back(Step{std::move(step.label), std::move(after), nullptr});
    m_bMergeOpen = false;
    UpdateModified(tmpl);
    return true;
}

bool TemplateHistory::Redo(AdSenseTemplate &tmpl)
{
    if (m_redo.empty())
        return false;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    TemplateSnapshot before = TemplateSnapshot::Capture(tmpl);
    step.state.Restore(tmpl);
    m_undo.push_back(Step{std::move(step.label), std::move(before), nullptr});
    m_bMergeOpen = false;
    UpdateModified(tmpl);
    return true;
}

void TemplateHistory::Clear()
{
    m_undo.clear();
    m_redo.clear();
    m_nSavedDepth = 0;
    m_bMergeOpen = false;
}

void TemplateHistory::MarkSaved()
{
    m_nSavedDepth = static_cast<long long>(m_undo.size());
    m_bMergeOpen = false;
}

size_t TemplateHistory::GetMemoryBytes() const
{
    size_t nBytes = sizeof(*this);
    for (const Step &step : m_undo)
        nBytes += sizeof(step) + step.label.capacity() + step.state.GetMemoryBytes();
    for (const Step &step : m_redo)
        nBytes += sizeof(step) + step.label.capacity() + step.state.GetMemoryBytes();
    return nBytes;
}

void TemplateHistory::UpdateModified(AdSenseTemplate &tmpl) const
{
    tmpl.SetModified(static_cast<long long>(m_undo.size()) != m_nSavedDepth);
}
