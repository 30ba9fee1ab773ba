#pragma once
// Shared checks for tests that edit effect trees.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/EffectTree.h"

namespace fg::testing {

// Parent links and positions agree with the child lists, IDs are unique and
// the tree fits the settings file's limits.
inline void expectTreeInvariants(const EffectTree& tree) {
    std::set<int> ids;
    std::vector<std::pair<const Node*, int>> stack{{&tree.root(), 0}};
    EXPECT_EQ(tree.root().m_pParent, nullptr);
    while (!stack.empty()) {
        auto [node, depth] = stack.back();
        stack.pop_back();
        EXPECT_TRUE(ids.insert(node->m_ID).second) << "duplicate ID " << node->m_ID;
        EXPECT_LE(node->childCount(), EffectTree::kMaxChildren);
        EXPECT_LE(depth, EffectTree::kMaxDepth);
        for (int i = 0; i < node->childCount(); ++i) {
            const Node* child = node->childAt(i);
            EXPECT_EQ(child->m_pParent, node) << child->m_name;
            EXPECT_EQ(child->m_index, i) << child->m_name;
            stack.push_back({child, depth + 1});
        }
    }
    EXPECT_GE(tree.root().childCount(), 1);
    if (tree.selected()) {
        EXPECT_EQ(const_cast<Node&>(tree.root()).findById(tree.selected()->m_ID), tree.selected());
    }
}

// Names of a node's children, in order.
inline std::vector<std::string> childNames(const Node& node) {
    std::vector<std::string> names;
    for (const auto& child : node.m_children) names.push_back(child->m_name);
    return names;
}

}  // namespace fg::testing
