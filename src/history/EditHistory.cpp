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
    return pushWith(tree, std::move(edit), {&materials, nullptr});
}

bool EditHistory::push(EffectTree& tree, Edit edit, MaterialStore& store) {
    return pushWith(tree, std::move(edit), {nullptr, &store});
}

void EditHistory::applyEdit(EffectTree& tree, Edit& edit, EditDirection direction, const Materials& materials) {
    if (edit.kind() != EditKind::Material) {
        edit.apply(tree, direction, materials.store != nullptr ? materials.store->names() : *materials.list);
        return;
    }
    // Without the workspace a material edit cannot apply: it is stepped over.
    if (materials.store == nullptr) return;
    applyMaterialEdit(edit.as<MaterialEdit>(), direction == EditDirection::Undo, tree, savedSubtrees(), *materials.store);
}

bool EditHistory::pushWith(EffectTree& tree, Edit edit, const Materials& materials) {
    if (!edit.changes(tree)) return false;
    applyEdit(tree, edit, EditDirection::Redo, materials);
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
    return undoWith(tree, {&materials, nullptr});
}

bool EditHistory::undo(EffectTree& tree, MaterialStore& store) { return undoWith(tree, {nullptr, &store}); }

bool EditHistory::undoWith(EffectTree& tree, const Materials& materials) {
    if (count() < 2 || m_index < 1) return false;
    std::vector<Edit>& edits = m_entries[static_cast<std::size_t>(m_index)].edits;
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) applyEdit(tree, *edit, EditDirection::Undo, materials);
    --m_index;
    return true;
}

bool EditHistory::redo(EffectTree& tree, const MaterialNameList& materials) {
    return redoWith(tree, {&materials, nullptr});
}

bool EditHistory::redo(EffectTree& tree, MaterialStore& store) { return redoWith(tree, {nullptr, &store}); }

bool EditHistory::redoWith(EffectTree& tree, const Materials& materials) {
    if (m_index + 1 >= count()) return false;
    ++m_index;
    for (Edit& edit : m_entries[static_cast<std::size_t>(m_index)].edits) {
        applyEdit(tree, edit, EditDirection::Redo, materials);
    }
    return true;
}

bool EditHistory::jumpTo(EffectTree& tree, int row, const MaterialNameList& materials) {
    return jumpWith(tree, row, {&materials, nullptr});
}

bool EditHistory::jumpTo(EffectTree& tree, int row, MaterialStore& store) {
    return jumpWith(tree, row, {nullptr, &store});
}

bool EditHistory::jumpWith(EffectTree& tree, int row, const Materials& materials) {
    if (row < 0 || row >= count() || row == m_index) return false;
    while (m_index > row) undoWith(tree, materials);
    while (m_index < row) redoWith(tree, materials);
    return true;
}

bool EditHistory::changesMaterials(int row) const {
    if (row < 0 || row >= count()) return false;
    for (const Edit& edit : entry(row).edits) {
        if (edit.kind() == EditKind::Material) return true;
    }
    return false;
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
