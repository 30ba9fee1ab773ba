// The node panel's commands: tree edits, rename, selection and visibility.

#include "app/Editor.h"

namespace fg {

TreeEditResult Editor::addBelow() { return treeCommand(TreeCommand::AddBelow); }

TreeEditResult Editor::addChild() { return treeCommand(TreeCommand::AddChild); }

TreeEditResult Editor::duplicateNode() { return treeCommand(TreeCommand::Duplicate); }

TreeEditResult Editor::deleteNode() { return treeCommand(TreeCommand::Delete); }

TreeEditResult Editor::moveDown() { return treeCommand(TreeCommand::MoveDown); }

TreeEditResult Editor::moveUp() { return treeCommand(TreeCommand::MoveUp); }

TreeEditResult Editor::makeChild() { return treeCommand(TreeCommand::MakeChild); }

TreeEditResult Editor::makeParent() { return treeCommand(TreeCommand::MakeParent); }

TreeEditResult Editor::treeCommand(TreeCommand command) {
    // The worker steps only the effect table it loaded at its last restart
    // and never reads the tree, so a command may find out whether it applies
    // while the preview runs on; only a change stops and restarts it.
    return runTreePlan(planTreeCommand(m_g.tree, command));
}

bool Editor::treeCommandApplies(TreeCommand command) const {
    return planTreeCommand(m_g.tree, command).result.outcome != TreeEditResult::Outcome::Nothing;
}

TreeEditResult Editor::moveNodeTo(std::int32_t id, std::int32_t parentId, int position) {
    return runTreePlan(planMove(m_g.tree, id, parentId, position));
}

TreeEditResult Editor::runTreePlan(TreeCommandPlan plan) {
    const ChangeBatch batch(*this);
    if (plan.result.outcome == TreeEditResult::Outcome::Refused) showError(plan.result.message, plan.result.caption);
    if (!plan.edit) return plan.result;
    restartAround([&] { m_history.push(m_g.tree, std::move(*plan.edit)); });
    notify(DocumentPart::Preview | DocumentPart::History | DocumentPart::Tree | DocumentPart::Selection | DocumentPart::Page |
           syncModified());
    return plan.result;
}

bool Editor::renameSelected(const std::string& name) {
    const ChangeBatch batch(*this);
    Node* node = m_g.tree.selected();
    if (node == nullptr) return false;
    Edit rename = Edit::rename(*node, name);
    if (!rename.changes(m_g.tree)) return false;
    restartAround([&] { m_history.push(m_g.tree, std::move(rename)); });
    notify(DocumentPart::Preview | DocumentPart::History | DocumentPart::Tree | syncModified());
    return true;
}

void Editor::selectNode(std::int32_t id) {
    const ChangeBatch batch(*this);
    Node* node = m_g.tree.findById(id);
    if (node == nullptr || node->m_pParent == nullptr || node == m_g.tree.selected()) return;
    m_g.tree.select(node);
    notify(DocumentPart::Selection | DocumentPart::Tree | DocumentPart::Page);
}

void Editor::toggleVisible(std::int32_t id) {
    const ChangeBatch batch(*this);
    Node* node = m_g.tree.findById(id);
    if (node == nullptr || node->m_pParent == nullptr) return;
    node->m_isDraw = node->m_isDraw != 0 ? 0 : 1;
    publishParameters();
    // Saved with the project, so closing without saving must ask.
    markModified();
    notify(DocumentPart::Tree);
}

}  // namespace fg
