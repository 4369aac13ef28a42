#pragma once
#include <deque>
#include <memory>
#include <string>
#include <vector>

class AdObj;
class AdSenseTemplate;

// Everything of a template that its commands change: the objects with all their fields in
// list order, which one is current, and the picture margins. Not the path, nor the modified
// flag: undoing past a Save As does not rename the file. Pictures are held by the name of
// their private copy, so a state costs a few hundred bytes an object whatever the pictures
// weigh.
class TemplateSnapshot {
public:
    TemplateSnapshot() = default;
    TemplateSnapshot(TemplateSnapshot &&) = default;
    TemplateSnapshot &operator=(TemplateSnapshot &&) = default;

    static TemplateSnapshot Capture(AdSenseTemplate &tmpl);
    // The template takes copies of the state's objects; the state stays usable.
    void Restore(AdSenseTemplate &tmpl) const;
    size_t GetMemoryBytes() const;

private:
    std::vector<std::unique_ptr<AdObj>> m_objects;
    int m_nCurrent = -1;
    int m_nMargins[4] = {};
};

// Undo and redo for one template, as a list of steps each holding the state the template
// had before it. A command captures the state before it changes anything and commits the
// step only once something did change (a cancelled dialog commits nothing).
class TemplateHistory {
public:
    explicit TemplateHistory(size_t nMaxSteps = 100);

    // Records a change already made. Consecutive steps with the same non-null merge key
    // become one (a series of nudges of one object), unless the template was saved between.
    void Commit(const char *szLabel, TemplateSnapshot before, const void *pMergeKey = nullptr);
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    // What Undo and Redo would do ("Move Text 1"); empty when there is nothing.
    const char *GetUndoLabel() const;
    const char *GetRedoLabel() const;
    // Each restores a state and sets the modified flag: false exactly when the template is
    // back at the state last saved.
    bool Undo(AdSenseTemplate &tmpl);
    bool Redo(AdSenseTemplate &tmpl);

    // New and Open: no way back to another template.
    void Clear();
    // The template's present state is now the one its file holds.
    void MarkSaved();

    size_t GetUndoCount() const { return m_undo.size(); }
    size_t GetRedoCount() const { return m_redo.size(); }
    size_t GetMemoryBytes() const;

private:
    struct Step {
        std::string label;
        TemplateSnapshot state;
        const void *pMergeKey;
    };
    void UpdateModified(AdSenseTemplate &tmpl) const;

    size_t m_nMaxSteps;
    std::deque<Step> m_undo;
    std::vector<Step> m_redo;
    // Undo depth at which the template matches its file; -1 when no step leads there.
    long long m_nSavedDepth = 0;
    // A merge continues only the step committed last, not one reached by undo or redo.
    bool m_bMergeOpen = false;
};
