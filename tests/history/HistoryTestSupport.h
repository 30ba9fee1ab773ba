#pragma once
// Small helpers for driving an EditHistory over a real effect tree.

#include <string>
#include <vector>

#include "history/EditHistory.h"
#include "history/TreeCommandEdit.h"
#include "model/EffectTree.h"
#include "model/NodeFields.h"

namespace fg::test {

inline const NodeField& row(const char* key) { return *findNodeField(key); }

inline std::vector<std::string> labels(const EditHistory& history) {
    std::vector<std::string> texts;
    for (int i = 0; i < history.count(); ++i) texts.push_back(history.entry(i).label.sourceText());
    return texts;
}

// Runs a node-panel command on the selected node through the history.
inline bool command(EditHistory& history, EffectTree& tree, TreeCommand which) {
    TreeCommandPlan plan = planTreeCommand(tree, which);
    return plan.edit && history.push(tree, std::move(*plan.edit));
}

// "name(id)[children]" in tree order, the root left out.
inline std::string outline(const Node& node) {
    std::string text;
    for (const auto& child : node.m_children) {
        text += child->m_name + "(" + std::to_string(child->m_ID) + ")";
        if (!child->m_children.empty()) text += "[" + outline(*child) + "]";
        text += " ";
    }
    return text;
}

}  // namespace fg::test
