#include "history/TreeCommandEdit.h"

namespace fg {
namespace {

TreeEditResult run(EffectTree& tree, TreeCommand command) {
    switch (command) {
    case TreeCommand::AddChild: return tree.addChildToSelected();
    case TreeCommand::AddBelow: return tree.addBelowSelected();
    case TreeCommand::Duplicate: return tree.duplicateSelected();
    case TreeCommand::Delete: return tree.deleteSelected();
    case TreeCommand::MoveUp: return tree.moveUp();
    case TreeCommand::MoveDown: return tree.moveDown();
    case TreeCommand::MakeChild: return tree.makeChild();
    case TreeCommand::MakeParent: return tree.makeParent();
    }
    return TreeEditResult::nothing();
}

}  // namespace

TreeCommandPlan planTreeCommand(const EffectTree& tree, TreeCommand command) {
    const Node* selected = tree.selected();
    if (selected == nullptr) return {TreeEditResult::nothing(), std::nullopt};
    EffectTree trial = tree.copy();
    TreeCommandPlan plan{run(trial, command), std::nullopt};
    if (!plan.result.done()) return plan;
    switch (command) {
    case TreeCommand::AddChild:
    case TreeCommand::AddBelow:
    case TreeCommand::Duplicate:
        // The command selects the node it made.
        plan.edit = Edit::addNode(*trial.selected());
        break;
    case TreeCommand::Delete: plan.edit = Edit::deleteNode(*selected); break;
    case TreeCommand::MoveUp:
    case TreeCommand::MoveDown:
    case TreeCommand::MakeChild:
    case TreeCommand::MakeParent: {
        const Node* moved = trial.findById(selected->m_ID);
        if (moved == nullptr || moved->m_pParent == nullptr) return {TreeEditResult::nothing(), std::nullopt};
        plan.edit = Edit::moveNode(*selected, {moved->m_pParent->m_ID, moved->m_index});
        break;
    }
    }
    return plan;
}

TreeCommandPlan planMove(const EffectTree& tree, std::int32_t id, std::int32_t parentId, int position) {
    const Node* node = tree.findById(id);
    if (node == nullptr) return {TreeEditResult::nothing(), std::nullopt};
    EffectTree trial = tree.copy();
    TreeCommandPlan plan{trial.moveTo(id, parentId, position), std::nullopt};
    if (!plan.result.done()) return plan;
    const Node* moved = trial.findById(id);
    if (moved == nullptr || moved->m_pParent == nullptr) return {TreeEditResult::nothing(), std::nullopt};
    plan.edit = Edit::moveNode(*node, {moved->m_pParent->m_ID, moved->m_index});
    return plan;
}

TreeCommandPlan planInsert(const EffectTree& tree, std::int32_t parentId, int position, const Node& subtree) {
    EffectTree trial = tree.copy();
    Node* parent = trial.findById(parentId);
    if (parent == nullptr) return {TreeEditResult::nothing(), std::nullopt};
    TreeCommandPlan plan{trial.insertSubtree(*parent, position, cloneSubtree(subtree)), std::nullopt};
    if (plan.result.done()) plan.edit = Edit::addNode(*trial.selected());
    return plan;
}

}  // namespace fg
