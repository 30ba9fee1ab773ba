#pragma once
// The undo/redo list of one editing session. Each entry records one edit of
// the effect with the values that undo restores ("before") and, once it was
// undone, the values that redo restores ("after"). Entries name their node
// by m_ID and a parameter by its row of the node-field table, so they stay
// valid while the tree's node objects are rebuilt; an entry whose node is
// gone is stepped over without effect. A texture or model-shape choice
// also keeps the material's name, since list positions move when materials
// are imported or deleted: undo and redo find the material again by name.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/EffectTree.h"
#include "model/Graph.h"
#include "model/MaterialNames.h"
#include "model/TextTemplate.h"
#include "model/NodeFields.h"

namespace fg {

enum class EntryKind { Parameter = 0, Rename = 1, Graph = 2, AddNode = 3, DeleteNode = 4, MoveNode = 5 };

// Where a node sits: its parent's ID and its position among the parent's children.
struct TreePlace {
    std::int32_t parentId = 0;
    int position = 0;
};

// One side of an entry; each kind uses the member it needs.
struct EntrySlot {
    std::uint32_t bits = 0;  // the raw bits of an int or float parameter
    std::string text;        // a node name
    std::string material;    // texture and model-shape entries: the material's name (empty: none)
    GraphPoints points;      // a curve's control points
    TreePlace place;         // a node's place in the tree
};

struct HistoryEntry {
    EntryKind kind = EntryKind::Parameter;
    std::string label;
    std::int32_t nodeId = 0;
    const NodeField* field = nullptr;  // parameter entries: the edited row
    int graphNumber = 0;               // graph entries
    EntrySlot before;
    EntrySlot after;
    // Add and delete entries: the node with its subtree while it is out of
    // the tree. It moves between the entry and the tree, so a subtree is
    // held once, whichever side it is on.
    std::unique_ptr<Node> saved;
};

namespace history_text {
// %1 is the node's name; in kParameter and kGraph %2 is the parameter's
// label (its node-field row's) or the curve's name.
inline constexpr const char* kStart = FG_TRANSLATE_NOOP("fg::history_text", "スタート");
inline constexpr const char* kParameter = "%1-%2";
inline constexpr const char* kGraph = FG_TRANSLATE_NOOP("fg::history_text", "%1-%2グラフ");
inline constexpr const char* kRename = FG_TRANSLATE_NOOP("fg::history_text", "ノード名＜%1＞に変更");
inline constexpr const char* kAdd = FG_TRANSLATE_NOOP("fg::history_text", "＜%1＞を追加");
inline constexpr const char* kDelete = FG_TRANSLATE_NOOP("fg::history_text", "＜%1＞を削除");
inline constexpr const char* kMoved = FG_TRANSLATE_NOOP("fg::history_text", "%1-ノードの移動");
}  // namespace history_text

class EditHistory {
public:
    // The base entry "スタート" alone, current.
    EditHistory();

    // Back to the base entry alone.
    void clear();

    int count() const { return static_cast<int>(m_entries.size()); }
    int current() const { return m_current; }
    const HistoryEntry& entry(int row) const { return m_entries.at(static_cast<std::size_t>(row)); }
    bool canUndo() const { return m_current >= 1; }
    bool canRedo() const { return m_current + 1 < count(); }

    // A parameter edit of `node`: nothing when `value` equals the stored
    // value; otherwise records the old value (or merges into the edit just
    // before, when that one changed the same field of the same node and
    // nothing was undone since) and writes `value`. Returns whether the
    // value changed. `materials` is the material list the stored value
    // refers to (only texture and model-shape choices need it).
    bool recordInt(Node& node, const NodeField& field, std::int32_t value, const MaterialNameList& materials = {});
    bool recordFloat(Node& node, const NodeField& field, float value);
    // Whether `field` selects a material by list position (the texture, the shape).
    static bool selectsMaterial(const NodeField& field);
    // Before a change of curve `graphNumber` of `node`.
    void recordGraph(const Node& node, int graphNumber);
    // After `node` was renamed from `oldName` (the caller records nothing
    // when the name stayed the same).
    void recordRename(const Node& node, const std::string& oldName);
    // After `added` was put into the tree.
    void recordAdd(const Node& added);

    // Entries made before a change that may still be refused; append them
    // once it happened. A delete entry keeps a copy of the node's subtree.
    static HistoryEntry deleteEntry(const Node& node);
    static HistoryEntry moveEntry(const Node& node);
    // Drops the redo branch and makes `entry` the current one.
    void append(HistoryEntry entry);

    // Steps back over the current entry (never over the base entry).
    // Returns whether it stepped. `materials` is today's material list: a
    // texture choice whose material is gone becomes none, a model shape
    // whose model is gone stays as it is (as when a model is deleted).
    bool undo(EffectTree& tree, const MaterialNameList& materials = {});
    // Steps forward over the next entry. Returns whether it stepped.
    bool redo(EffectTree& tree, const MaterialNameList& materials = {});
    // Undoes or redoes until `row` is current. Returns whether it stepped.
    bool jumpTo(EffectTree& tree, int row, const MaterialNameList& materials = {});

    // The subtrees the add and delete entries hold while they are out of
    // the tree; their material references follow the list like the tree's.
    std::vector<Node*> savedSubtrees();

private:
    bool recordValue(Node& node, const NodeField& field, std::uint32_t bits, std::uint32_t stored,
                     const MaterialNameList& materials);
    // Applies `entry` in one direction: undo restores before, redo after.
    void apply(EffectTree& tree, HistoryEntry& entry, bool undoing, const MaterialNameList& materials);

    std::vector<HistoryEntry> m_entries;
    int m_current = 0;
};

}  // namespace fg
