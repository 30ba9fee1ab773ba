// The node panel's commands: tree edits, rename, selection and visibility.

#include <optional>

#include "app/Editor.h"

namespace fg {

TreeEditResult Editor::addBelow() { return treeCommand(&EffectTree::addBelowSelected, EntryKind::AddNode); }

TreeEditResult Editor::addChild() { return treeCommand(&EffectTree::addChildToSelected, EntryKind::AddNode); }

TreeEditResult Editor::duplicateNode() { return treeCommand(&EffectTree::duplicateSelected, EntryKind::AddNode); }

TreeEditResult Editor::deleteNode() { return treeCommand(&EffectTree::deleteSelected, EntryKind::DeleteNode); }

TreeEditResult Editor::moveDown() { return treeCommand(&EffectTree::moveDown, EntryKind::MoveNode); }

TreeEditResult Editor::moveUp() { return treeCommand(&EffectTree::moveUp, EntryKind::MoveNode); }

TreeEditResult Editor::makeChild() { return treeCommand(&EffectTree::makeChild, EntryKind::MoveNode); }

TreeEditResult Editor::makeParent() { return treeCommand(&EffectTree::makeParent, EntryKind::MoveNode); }

TreeEditResult Editor::treeCommand(TreeEditResult (EffectTree::*command)(), EntryKind kind) {
    EffectTree& tree = m_g.tree;
    const Node* selected = tree.selected();
    if (selected == nullptr) return TreeEditResult::nothing();
    // Deletes and moves are recorded from the node as it was; the entry is
    // kept only when the command then applies.
    std::optional<HistoryEntry> before;
    if (kind == EntryKind::DeleteNode) {
        TreeEditResult check = tree.checkDelete();
        if (check.outcome == TreeEditResult::Outcome::Refused) showError(check.message, check.caption);
        if (!check.done()) return check;
        before = EditHistory::deleteEntry(*selected);
    } else if (kind == EntryKind::MoveNode) {
        before = EditHistory::moveEntry(*selected);
    }
    // The worker steps only the effect table it loaded at its last restart
    // and never reads the tree, so a command may find out whether it applies
    // while the preview runs on; only a change stops and restarts it.
    const TreeEditResult result = (tree.*command)();
    if (result.done()) {
        changeDocument([&] {
            if (before) {
                m_history.append(std::move(*before));
            } else {
                m_history.recordAdd(*tree.selected());
            }
        });
    }
    if (result.outcome == TreeEditResult::Outcome::Refused) showError(result.message, result.caption);
    if (!result.done()) return result;
    noteHistoryEntry();
    notify(DocumentPart::Tree | DocumentPart::Selection | DocumentPart::Page);
    return result;
}

bool Editor::renameSelected(const std::string& name) {
    Node* node = m_g.tree.selected();
    if (node == nullptr) return false;
    const std::string oldName = node->m_name;
    node->setName(name);
    if (node->m_name == oldName) return false;
    changeDocument([&] { m_history.recordRename(*node, oldName); });
    noteHistoryEntry();
    notify(DocumentPart::Tree);
    return true;
}

void Editor::selectNode(std::int32_t id) {
    Node* node = m_g.tree.findById(id);
    if (node == nullptr || node->m_pParent == nullptr || node == m_g.tree.selected()) return;
    m_g.tree.select(node);
    notify(DocumentPart::Selection | DocumentPart::Tree | DocumentPart::Page);
}

void Editor::toggleVisible(std::int32_t id) {
    Node* node = m_g.tree.findById(id);
    if (node == nullptr || node->m_pParent == nullptr) return;
    node->m_isDraw = node->m_isDraw != 0 ? 0 : 1;
    publishParameters();
    // Saved with the project, so closing without saving must ask.
    if (!m_g.isModified) setModified(true);
    notify(DocumentPart::Tree);
}

}  // namespace fg
