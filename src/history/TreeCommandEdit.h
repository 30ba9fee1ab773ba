#pragma once
// The node panel's commands as edits. The tree's own rules (names, IDs,
// limits, where a node goes) decide what a command does; running it on a
// copy of the tree tells that without touching the tree, and the edit
// describing the outcome is then pushed onto the history, which applies it
// to the real tree.

#include <optional>

#include "history/Edit.h"
#include "model/EffectTree.h"

namespace fg {

enum class TreeCommand { AddChild, AddBelow, Duplicate, Delete, MoveUp, MoveDown, MakeChild, MakeParent };

struct TreeCommandPlan {
    TreeEditResult result;      // what the command does: done, nothing, or refused with its message
    std::optional<Edit> edit;   // set when it is done
};

// What `command` would do to `tree`'s selected node.
TreeCommandPlan planTreeCommand(const EffectTree& tree, TreeCommand command);
// What moving node `id` under `parentId` at `position` would do (EffectTree::moveTo).
TreeCommandPlan planMove(const EffectTree& tree, std::int32_t id, std::int32_t parentId, int position);
// What inserting a copy of `subtree` under `parentId` at `position` would
// do (EffectTree::insertSubtree): an add edit of the copy with its new IDs.
TreeCommandPlan planInsert(const EffectTree& tree, std::int32_t parentId, int position, const Node& subtree);

}  // namespace fg
