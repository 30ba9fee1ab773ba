#pragma once
// The undo/redo list of one editing session. Each entry is one step of the
// list: its label and the edits it groups (one, unless a group gathered
// several). Every edit goes through push(), which applies it and records
// it; consecutive edits of the same parameter of the same node, or the
// steps of one curve gesture, merge into one entry. The clean index is the
// row whose state was last saved or opened, so whether the project differs
// from its file follows from where the list stands.

#include <cstdint>
#include <string>
#include <vector>

#include "history/Edit.h"
#include "model/EffectTree.h"
#include "model/MaterialNames.h"
#include "model/Message.h"

namespace fg {

struct HistoryEntry {
    Message label;
    std::vector<Edit> edits;  // applied in order by redo, in reverse by undo
};

class EditHistory {
public:
    // The base entry "スタート" alone, current and clean.
    EditHistory();

    // Back to the base entry alone.
    void clear();

    int count() const { return static_cast<int>(m_entries.size()); }
    // The row whose state the effect shows.
    int index() const { return m_index; }
    const HistoryEntry& entry(int row) const { return m_entries.at(static_cast<std::size_t>(row)); }
    bool canUndo() const { return m_index >= 1; }
    bool canRedo() const { return m_index + 1 < count(); }

    // The row that matches the saved project; -1 when no row does any more
    // (the saved row was dropped, or an edit merged into it).
    int cleanIndex() const { return m_clean; }
    void setClean() { m_clean = m_index; }
    bool isClean() const { return m_clean == m_index; }

    // Applies `edit` to `tree` and records it. Nothing happens (false) when
    // it would change nothing. It merges into the current entry when that
    // entry is the last, is not the base entry and its last edit absorbs
    // this one; otherwise it drops the redo branch and becomes a new entry
    // (or joins the open group's entry). `materials` is today's material
    // list (texture and model-shape choices keep their material's name).
    bool push(EffectTree& tree, Edit edit, const MaterialNameList& materials = {});

    // The edits pushed until the matching endGroup() form one entry labelled
    // `label` (none when none was pushed). Groups nest; the outermost counts.
    void beginGroup(Message label);
    void endGroup();

    // Steps back over the current entry (never over the base entry).
    // Returns whether it stepped. `materials` is today's material list.
    bool undo(EffectTree& tree, const MaterialNameList& materials = {});
    // Steps forward over the next entry. Returns whether it stepped.
    bool redo(EffectTree& tree, const MaterialNameList& materials = {});
    // Undoes or redoes until `row` is current. Returns whether it stepped.
    bool jumpTo(EffectTree& tree, int row, const MaterialNameList& materials = {});

    // The same with material edits: `store` gives today's material list and
    // takes their files. Parameter edits read the list from it as they apply.
    bool push(EffectTree& tree, Edit edit, MaterialStore& store);
    bool undo(EffectTree& tree, MaterialStore& store);
    bool redo(EffectTree& tree, MaterialStore& store);
    bool jumpTo(EffectTree& tree, int row, MaterialStore& store);
    // Whether stepping over `row` changes material files.
    bool changesMaterials(int row) const;

    // The subtrees the add and delete edits hold while they are out of the
    // tree; their material references follow the list like the tree's.
    std::vector<Node*> savedSubtrees();

private:
    // Where applying finds the material list: a fixed one, or the store's.
    struct Materials {
        const MaterialNameList* list = nullptr;
        MaterialStore* store = nullptr;
    };
    bool pushWith(EffectTree& tree, Edit edit, const Materials& materials);
    bool undoWith(EffectTree& tree, const Materials& materials);
    bool redoWith(EffectTree& tree, const Materials& materials);
    bool jumpWith(EffectTree& tree, int row, const Materials& materials);
    void applyEdit(EffectTree& tree, Edit& edit, EditDirection direction, const Materials& materials);

    // Drops the redo branch and makes a new entry current.
    void append(HistoryEntry entry);

    std::vector<HistoryEntry> m_entries;
    int m_index = 0;
    int m_clean = 0;
    int m_groupDepth = 0;
    Message m_groupLabel;
    bool m_groupHasEntry = false;  // the open group made its entry
};

}  // namespace fg
