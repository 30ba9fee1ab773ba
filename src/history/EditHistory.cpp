#include "history/EditHistory.h"

namespace fg {

EditHistory::EditHistory() { clear(); }

void EditHistory::clear() {
    m_entries.clear();
    m_entries.push_back({Message("fg::history_text", history_text::kStart), {}});
    m_index = 0;
    m_clean = 0;
    m_groupDepth = 0;
    m_groupHasEntry = false;
}

bool EditHistory::push(EffectTree& tree, Edit edit, const MaterialNameList& materials) {
    if (!edit.changes(tree)) return false;
    edit.apply(tree, EditDirection::Redo, materials);
    // A drag through many values is one edit: the entry keeps the value
    // from before its first step. Only an entry that is current merges;
    // after an undo the edit starts a new branch.
    HistoryEntry& last = m_entries.back();
    const bool atEnd = m_index + 1 == count() && m_index > 0;
    // A group's first edit starts its own entry.
    const bool mayMerge = atEnd && (m_groupDepth == 0 || m_groupHasEntry);
    if (mayMerge && !last.edits.empty() && last.edits.back().absorbs(edit)) {
        last.edits.back().absorb(std::move(edit));
        // The saved state is no longer any row's.
        if (m_clean == m_index) m_clean = -1;
        return true;
    }
    if (m_groupDepth > 0 && mayMerge) {
        last.edits.push_back(std::move(edit));
        if (m_clean == m_index) m_clean = -1;
        return true;
    }
    HistoryEntry entry;
    entry.label = m_groupDepth > 0 ? m_groupLabel : edit.label();
    entry.edits.push_back(std::move(edit));
    append(std::move(entry));
    m_groupHasEntry = m_groupDepth > 0;
    return true;
}

void EditHistory::beginGroup(Message label) {
    if (m_groupDepth++ > 0) return;
    m_groupLabel = std::move(label);
    m_groupHasEntry = false;
}

void EditHistory::endGroup() {
    if (m_groupDepth == 0) return;
    if (--m_groupDepth == 0) m_groupHasEntry = false;
}

void EditHistory::append(HistoryEntry entry) {
    m_entries.erase(m_entries.begin() + m_index + 1, m_entries.end());
    if (m_clean > m_index) m_clean = -1;
    m_entries.push_back(std::move(entry));
    m_index = count() - 1;
}

bool EditHistory::undo(EffectTree& tree, const MaterialNameList& materials) {
    if (count() < 2 || m_index < 1) return false;
    std::vector<Edit>& edits = m_entries[static_cast<std::size_t>(m_index)].edits;
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) edit->apply(tree, EditDirection::Undo, materials);
    --m_index;
    return true;
}

bool EditHistory::redo(EffectTree& tree, const MaterialNameList& materials) {
    if (m_index + 1 >= count()) return false;
    ++m_index;
    for (Edit& edit : m_entries[static_cast<std::size_t>(m_index)].edits) edit.apply(tree, EditDirection::Redo, materials);
    return true;
}

bool EditHistory::jumpTo(EffectTree& tree, int row, const MaterialNameList& materials) {
    if (row < 0 || row >= count() || row == m_index) return false;
    while (m_index > row) undo(tree, materials);
    while (m_index < row) redo(tree, materials);
    return true;
}

std::vector<Node*> EditHistory::savedSubtrees() {
    std::vector<Node*> subtrees;
    for (HistoryEntry& entry : m_entries) {
        for (Edit& edit : entry.edits) {
            if (Node* saved = edit.savedSubtree()) subtrees.push_back(saved);
        }
    }
    return subtrees;
}

}  // namespace fg
