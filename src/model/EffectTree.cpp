#include "model/EffectTree.h"

#include <algorithm>
#include <utility>

#include "model/NodeIds.h"

namespace fg {

EffectTree::EffectTree() : EffectTree(std::make_unique<Node>(nullptr, 0)) {}

EffectTree::EffectTree(std::unique_ptr<Node> root) : m_root(std::move(root)) {
    m_root->setName(tree_text::kRootName);
}

EffectTree EffectTree::startup() {
    EffectTree tree;
    tree.select(&tree.addChild(tree.root()));
    return tree;
}

EffectTree EffectTree::copy() const {
    EffectTree copied(cloneSubtree(*m_root));
    copied.finish();
    if (m_selected != nullptr) copied.m_selected = copied.findById(m_selected->m_ID);
    return copied;
}

std::unique_ptr<Node> EffectTree::makeNode(Node* parent) const {
    return std::make_unique<Node>(parent, NodeIdAllocator(*m_root).take());
}

Node& EffectTree::addChild(Node& parent) {
    return parent.insertChild(parent.childCount(), makeNode(&parent));
}

void EffectTree::finish() {
    m_root->setParents(nullptr);
    m_root->renumber();
}

void EffectTree::clear() {
    m_root->deleteAllChildren();
    m_selected = nullptr;
}

// The settings file numbers a node's children 1 to 9 and its levels up to
// nine digits, so a tree beyond that would lose nodes when saved.
namespace {

// A refusal with `text` of the tree's messages, under the confirmation caption.
TreeEditResult refusal(const char* text) {
    return TreeEditResult::refused(Message(tree_text::kContext, text),
                                   Message(tree_text::kContext, tree_text::kConfirmCaption));
}

}  // namespace

TreeEditResult EffectTree::checkRoomForChildren(const Node& parent, int added, int addedHeight) const {
    if (parent.childCount() + added > kMaxChildren) {
        return refusal(tree_text::kTooManyChildren);
    }
    if (parent.depth() + addedHeight > kMaxDepth) {
        return refusal(tree_text::kTooDeep);
    }
    return TreeEditResult::ok();
}

TreeEditResult EffectTree::addChildToSelected() {
    if (!m_selected) return TreeEditResult::nothing();
    if (auto room = checkRoomForChildren(*m_selected, 1, 1); !room.done()) return room;
    m_selected = &addChild(*m_selected);
    finish();
    return TreeEditResult::ok();
}

TreeEditResult EffectTree::addBelowSelected() {
    if (!m_selected || !m_selected->m_pParent) return TreeEditResult::nothing();
    Node& parent = *m_selected->m_pParent;
    if (auto room = checkRoomForChildren(parent, 1, 1); !room.done()) return room;
    m_selected = &addChild(parent);
    finish();
    return TreeEditResult::ok();
}

TreeEditResult EffectTree::checkDelete() const {
    if (!m_selected) return TreeEditResult::nothing();
    const Node* parent = m_selected->m_pParent;
    const bool isRoot = m_selected == m_root.get() || !parent;
    const bool isLastTopLevel = parent == m_root.get() && m_root->childCount() == 1;
    if (isRoot || isLastTopLevel) {
        return refusal(tree_text::kCannotDelete);
    }
    return TreeEditResult::ok();
}

TreeEditResult EffectTree::deleteSelected() {
    TreeEditResult check = checkDelete();
    if (!check.done()) return check;
    removeNode(*m_selected);
    finish();
    return TreeEditResult::ok();
}

void EffectTree::removeNode(Node& node) { take(node); }

std::unique_ptr<Node> EffectTree::take(Node& node) {
    if (node.m_pParent == nullptr) return nullptr;
    Node& parent = *node.m_pParent;
    const int i = parent.positionOf(&node);
    if (i < 0) return nullptr;
    bool selectedInside = false;
    for (const Node* n = m_selected; n != nullptr; n = n->m_pParent) selectedInside = selectedInside || n == &node;
    if (selectedInside) {
        if (parent.childCount() == 1) m_selected = &parent;
        else if (i > 0) m_selected = parent.childAt(i - 1);
        else m_selected = parent.childAt(1);
    }
    std::unique_ptr<Node> taken = parent.detachChild(i);
    parent.renumber();
    return taken;
}

TreeEditResult EffectTree::duplicateSelected() {
    if (!m_selected || !m_selected->m_pParent) return TreeEditResult::nothing();
    Node& parent = *m_selected->m_pParent;
    if (auto room = checkRoomForChildren(parent, 1, 0); !room.done()) return room;

    Node& copy = parent.insertChild(parent.positionOf(m_selected), cloneSubtree(*m_selected));
    m_selected = &copy;
    // Every node of the copy gets a fresh ID in pre-order; the copy's own ID is
    // then drawn once more, so it carries the highest ID and one number is skipped.
    NodeIdAllocator ids(*m_root);
    renameCopies(copy, ids);
    copy.m_ID = ids.take();
    finish();
    return TreeEditResult::ok();
}

void EffectTree::renameCopies(Node& node, NodeIdAllocator& ids) {
    node.setName(node.m_name + tree_text::kCopySuffix);
    node.m_ID = ids.take();
    for (auto& child : node.m_children) renameCopies(*child, ids);
}

// The four moves rebuild the selected node at its new place from a deep copy,
// so its subtree travels with it and keeps its IDs.
std::unique_ptr<Node> EffectTree::takeSelectedForMove() {
    std::unique_ptr<Node> copy = cloneSubtree(*m_selected);
    removeNode(*m_selected);
    return copy;
}

TreeEditResult EffectTree::moveUp() {
    if (!m_selected || !m_selected->m_pParent) return TreeEditResult::nothing();
    Node& parent = *m_selected->m_pParent;
    const int b = parent.positionOf(m_selected);
    if (b <= 0) return TreeEditResult::nothing();
    m_selected = &parent.insertChild(b - 1, takeSelectedForMove());
    finish();
    return TreeEditResult::ok();
}

TreeEditResult EffectTree::moveDown() {
    if (!m_selected || !m_selected->m_pParent) return TreeEditResult::nothing();
    Node& parent = *m_selected->m_pParent;
    const int b = parent.positionOf(m_selected);
    if (b < 0 || b + 1 >= parent.childCount()) return TreeEditResult::nothing();
    m_selected = &parent.insertChild(b + 1, takeSelectedForMove());
    finish();
    return TreeEditResult::ok();
}

TreeEditResult EffectTree::makeChild() {
    if (!m_selected || !m_selected->m_pParent) return TreeEditResult::nothing();
    Node& parent = *m_selected->m_pParent;
    const int b = parent.positionOf(m_selected);
    if (b <= 0) return TreeEditResult::nothing();
    Node& newParent = *parent.childAt(b - 1);
    if (auto room = checkRoomForChildren(newParent, 1, m_selected->subtreeHeight()); !room.done()) return room;
    m_selected = &newParent.insertChild(newParent.childCount(), takeSelectedForMove());
    finish();
    return TreeEditResult::ok();
}

TreeEditResult EffectTree::makeParent() {
    if (!m_selected || !m_selected->m_pParent || m_selected->m_pParent == m_root.get()) {
        return TreeEditResult::nothing();
    }
    Node& parent = *m_selected->m_pParent;
    Node& grandparent = *parent.m_pParent;
    if (auto room = checkRoomForChildren(grandparent, 1, 0); !room.done()) return room;
    const int parentPosition = grandparent.positionOf(&parent);
    m_selected = &grandparent.insertChild(parentPosition + 1, takeSelectedForMove());
    finish();
    return TreeEditResult::ok();
}

TreeEditResult EffectTree::moveTo(std::int32_t id, std::int32_t parentId, int position) {
    Node* node = findById(id);
    Node* parent = findById(parentId);
    if (node == nullptr || node->m_pParent == nullptr || parent == nullptr) return TreeEditResult::nothing();
    if (parent->isWithin(*node)) return TreeEditResult::nothing();
    const bool sameParent = parent == node->m_pParent;
    const int roomAfter = parent->childCount() - (sameParent ? 1 : 0);
    position = std::clamp(position, 0, roomAfter);
    if (sameParent && parent->positionOf(node) == position) return TreeEditResult::nothing();
    if (!sameParent) {
        if (auto room = checkRoomForChildren(*parent, 1, node->subtreeHeight()); !room.done()) return room;
    }
    const bool wasSelected = node == m_selected;
    std::unique_ptr<Node> taken = take(*node);
    Node& placed = parent->insertChild(position, std::move(taken));
    if (wasSelected) m_selected = &placed;
    finish();
    return TreeEditResult::ok();
}

TreeEditResult EffectTree::insertSubtree(Node& parent, int position, std::unique_ptr<Node> subtree) {
    if (subtree == nullptr) return TreeEditResult::nothing();
    if (auto room = checkRoomForChildren(parent, 1, subtree->subtreeHeight()); !room.done()) return room;
    // The subtree's own IDs mean nothing here: they are cleared before the
    // allocator looks at the tree, then handed out in pre-order.
    const auto clearIds = [](auto& self, Node& node) -> void {
        node.m_ID = 0;
        for (auto& child : node.m_children) self(self, *child);
    };
    clearIds(clearIds, *subtree);
    Node& placed = parent.insertChild(std::clamp(position, 0, parent.childCount()), std::move(subtree));
    NodeIdAllocator ids(*m_root);
    const auto giveIds = [&ids](auto& self, Node& node) -> void {
        node.m_ID = ids.take();
        for (auto& child : node.m_children) self(self, *child);
    };
    giveIds(giveIds, placed);
    m_selected = &placed;
    finish();
    return TreeEditResult::ok();
}

}  // namespace fg
