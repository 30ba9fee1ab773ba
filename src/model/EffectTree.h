#pragma once
// The effect: an invisible root node whose children are the top-level nodes,
// the selected node and the commands of the node panel. The tree owns the ID
// rule: a new node's ID is one more than the highest ID in the tree (see
// NodeIdAllocator for a tree that already holds the highest 32-bit ID).

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "model/Message.h"
#include "model/Node.h"
#include "model/TextTemplate.h"

namespace fg {

class NodeIdAllocator;

// What a command did. A refusal carries the message and caption the editor
// shows in its message box; "nothing" means the command did not apply
// (e.g. move up on a first child) and must not be recorded.
struct TreeEditResult {
    enum class Outcome { Done, Nothing, Refused };
    Outcome outcome = Outcome::Nothing;
    Message message;
    Message caption;

    bool done() const { return outcome == Outcome::Done; }
    static TreeEditResult ok() { return {Outcome::Done, {}, {}}; }
    static TreeEditResult nothing() { return {Outcome::Nothing, {}, {}}; }
    static TreeEditResult refused(Message message, Message caption) {
        return {Outcome::Refused, std::move(message), std::move(caption)};
    }
};

namespace tree_text {
inline constexpr const char* kRootName = "ルートノード";
inline constexpr const char* kCopySuffix = "のｺﾋﾟｰ";
// The root's name and the copy suffix go into node names, which are stored:
// they are never translated.
inline constexpr const char* kContext = "fg::tree_text";
inline constexpr const char* kConfirmCaption = FG_TRANSLATE_NOOP("fg::tree_text", "確認");
inline constexpr const char* kCannotDelete = FG_TRANSLATE_NOOP("fg::tree_text", "このノードは削除できません");
inline constexpr const char* kTooManyChildren = FG_TRANSLATE_NOOP(
    "fg::tree_text", "これ以上ノードを追加できません。\n一つのノードに置ける子ノードは9個までです。");
inline constexpr const char* kTooDeep =
    FG_TRANSLATE_NOOP("fg::tree_text", "これ以上深い階層にはできません。\nノードの階層は9段までです。");
}  // namespace tree_text

class EffectTree {
public:
    // What the settings file can hold: nine children under one node and nine
    // levels below the root.
    static constexpr int kMaxChildren = 9;
    static constexpr int kMaxDepth = 9;

    // A root named "ルートノード" (ID 0) with no top-level node and nothing selected.
    EffectTree();
    // The start-up effect: the root with one top-level node "ノード1", selected.
    static EffectTree startup();

    EffectTree(EffectTree&&) noexcept = default;
    EffectTree& operator=(EffectTree&&) noexcept = default;
    // A deep copy, IDs included; the copy selects the node with the same ID.
    EffectTree copy() const;

    Node& root() { return *m_root; }
    const Node& root() const { return *m_root; }
    Node* selected() const { return m_selected; }
    void select(Node* node) { m_selected = node; }

    // A parentless-or-parented node with the next free ID (not inserted).
    std::unique_ptr<Node> makeNode(Node* parent) const;
    // Constructs a node with `parent` as parent and appends it (no limit check:
    // the settings reader uses it; the commands check first).
    Node& addChild(Node& parent);

    // Node panel commands; each acts on the selected node and ends with
    // finish() when it changed the tree.
    TreeEditResult addChildToSelected();
    TreeEditResult addBelowSelected();
    // Whether delete would be refused, without changing anything (the
    // history records the entry before the node goes).
    TreeEditResult checkDelete() const;
    TreeEditResult deleteSelected();
    TreeEditResult duplicateSelected();
    TreeEditResult moveUp();
    TreeEditResult moveDown();
    TreeEditResult makeChild();
    TreeEditResult makeParent();
    // Moves the node with ID `id` with its subtree under the node `parentId`
    // (the root is 0) to `position` among its children as they stand without
    // it (clamped). Nothing for the root, a missing node, a parent inside
    // the moved subtree or the place it already has; refused under the same
    // limits as the other moves. The node stays selected when it was.
    TreeEditResult moveTo(std::int32_t id, std::int32_t parentId, int position);
    // Inserts `subtree` (nodes made outside this tree) under `parent` at
    // `position` (clamped), gives every node of it a fresh ID and selects
    // its top. Refused under the limits of add.
    TreeEditResult insertSubtree(Node& parent, int position, std::unique_ptr<Node> subtree);

    // Takes `node` (never the root) out of the tree with its subtree. A
    // selection inside it moves as delete moves it (the parent, else the
    // previous sibling, else the next one). Null for a node not in the tree.
    std::unique_ptr<Node> take(Node& node);

    Node* findById(std::int32_t id) { return m_root->findById(id); }
    const Node* findById(std::int32_t id) const { return std::as_const(*m_root).findById(id); }
    std::int32_t highestId() const { return m_root->highestId(0); }

    // Parent links from the root down (the root's becomes null), then positions.
    void finish();
    // Destroys every top-level node and clears the selection.
    void clear();

private:
    explicit EffectTree(std::unique_ptr<Node> root);
    // Deletes `node` from its parent (the delete command's removal steps)
    // and moves the selection away from it when it was selected.
    void removeNode(Node& node);
    // Refuses placing `added` more children (of subtree height `addedHeight`)
    // under `parent` when the settings file could not hold the result.
    TreeEditResult checkRoomForChildren(const Node& parent, int added, int addedHeight) const;
    void renameCopies(Node& node, NodeIdAllocator& ids);
    std::unique_ptr<Node> takeSelectedForMove();

    std::unique_ptr<Node> m_root;
    Node* m_selected = nullptr;
};

}  // namespace fg
