#pragma once
// One edit of the effect as a value: which node it concerns, the label the
// history list shows and the data of its kind. An edit applies itself to a
// tree in either direction; applying captures the present state into the
// other direction's side first, so undo and redo always restore what was
// there. Edits name their node by m_ID and a parameter by its row of the
// node-field table, so they stay valid while the tree's node objects are
// rebuilt; an edit whose node is gone is stepped over without effect.
//
// A new kind is one more alternative of EditData with its factory, and its
// branches in the switch statements of Edit.cpp.

#include <cassert>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "history/MaterialEdit.h"
#include "model/ColourGradient.h"
#include "model/EffectTree.h"
#include "model/Graph.h"
#include "model/MaterialNames.h"
#include "model/Message.h"
#include "model/NodeFields.h"

namespace fg {

// Where a node sits: its parent's ID and its position among the parent's children.
struct TreePlace {
    std::int32_t parentId = 0;
    int position = 0;
};

// A parameter: the raw bits of the int or float value. A texture or
// model-shape choice also keeps the material's name, since list positions
// move when materials are imported or deleted: applying finds the material
// again by name.
struct ParameterValue {
    std::uint32_t bits = 0;
    std::string material;  // texture and model-shape values: the material's name (empty: none)
};
struct ParameterEdit {
    const NodeField* field = nullptr;
    ParameterValue before;
    ParameterValue after;
};
struct CurveEdit {
    int graphNumber = 0;
    GraphPoints before;
    GraphPoints after;
};
// Several curves of one node at once (the colour gradient's four).
struct CurvesEdit {
    std::vector<int> graphNumbers;
    std::vector<GraphPoints> before;
    std::vector<GraphPoints> after;
};
struct RenameEdit {
    std::string before;
    std::string after;  // already cut to the node's name limit
};
// Add and delete: the node with its subtree while it is out of the tree. It
// moves between the edit and the tree, so a subtree is held once, whichever
// side it is on.
struct AddNodeEdit {
    TreePlace place;
    std::unique_ptr<Node> saved;
};
struct DeleteNodeEdit {
    TreePlace place;
    std::unique_ptr<Node> saved;
};
struct MoveNodeEdit {
    TreePlace before;
    TreePlace after;
};

// The order of the alternatives is the order of EditKind.
using EditData = std::variant<ParameterEdit, RenameEdit, CurveEdit, AddNodeEdit, DeleteNodeEdit, MoveNodeEdit,
                              CurvesEdit, MaterialEdit>;
enum class EditKind {
    Parameter = 0,
    Rename = 1,
    Curve = 2,
    AddNode = 3,
    DeleteNode = 4,
    MoveNode = 5,
    Curves = 6,
    Material = 7
};

namespace history_text {
// %1 is the node's name; in kParameter and kGraph %2 is the parameter's
// label or the curve's name. kParameter is not translated itself; its
// label is.
inline constexpr const char* kStart = FG_TRANSLATE_NOOP("fg::history_text", "スタート");
inline constexpr const char* kParameter = "%1-%2";
inline constexpr const char* kGraph = FG_TRANSLATE_NOOP("fg::history_text", "%1-%2グラフ");
inline constexpr const char* kGradient = FG_TRANSLATE_NOOP("fg::history_text", "%1-カラー グラデーション");
inline constexpr const char* kRename = FG_TRANSLATE_NOOP("fg::history_text", "ノード名＜%1＞に変更");
inline constexpr const char* kAdd = FG_TRANSLATE_NOOP("fg::history_text", "＜%1＞を追加");
inline constexpr const char* kDelete = FG_TRANSLATE_NOOP("fg::history_text", "＜%1＞を削除");
inline constexpr const char* kMoved = FG_TRANSLATE_NOOP("fg::history_text", "%1-ノードの移動");
// Material edits: %1 is the material's name (kDelete serves them too).
inline constexpr const char* kImportMaterial = FG_TRANSLATE_NOOP("fg::history_text", "＜%1＞をインポート");
inline constexpr const char* kMirrorMaterial = FG_TRANSLATE_NOOP("fg::history_text", "＜%1＞を反転");
inline constexpr const char* kRenameMaterial = FG_TRANSLATE_NOOP("fg::history_text", "＜%1＞の名前を＜%2＞に変更");
inline constexpr const char* kReplaceMaterial = FG_TRANSLATE_NOOP("fg::history_text", "＜%1＞を置き換え");
inline constexpr const char* kReloadMaterial = FG_TRANSLATE_NOOP("fg::history_text", "＜%1＞を再読み込み");
}  // namespace history_text

enum class EditDirection { Redo, Undo };

class Edit {
public:
    // Parameter `field` of `node` set to `value`. `materials` is the list a
    // texture or model-shape value refers to (other fields need none).
    static Edit setInt(const Node& node, const NodeField& field, std::int32_t value,
                       const MaterialNameList& materials = {});
    static Edit setFloat(const Node& node, const NodeField& field, float value);
    // Curve `graphNumber` of `node` given `points`. Edits of one gesture
    // (the same nonzero `gesture`) merge into one.
    static Edit setCurve(const Node& node, int graphNumber, GraphPoints points, std::uint64_t gesture);
    // The colour gradient's four curves of `node` given `points`; edits of
    // one gesture merge into one.
    static Edit setGradient(const Node& node, const GradientPoints& points, std::uint64_t gesture);
    // `node` renamed to `name` (cut to the name limit).
    static Edit rename(const Node& node, std::string_view name);
    // `added` as it stands in a tree where it was made (a trial copy of the
    // edited tree): applying puts a copy of its subtree at the same place.
    static Edit addNode(const Node& added);
    static Edit deleteNode(const Node& node);
    // `node` to `to` (the place it has after the move).
    static Edit moveNode(const Node& node, TreePlace to);
    // A change of the material files, labelled `label`. It applies through
    // a MaterialStore (EditHistory), never by apply().
    static Edit material(Message label, MaterialEdit data);

    EditKind kind() const { return static_cast<EditKind>(m_data.index()); }
    std::int32_t nodeId() const { return m_nodeId; }
    const Message& label() const { return m_label; }
    std::uint64_t gesture() const { return m_gesture; }

    // The data of this edit's kind; asserts (debug builds) that it is that kind.
    template <typename Data>
    Data& as() {
        assert(std::holds_alternative<Data>(m_data) && "an edit read as another kind");
        return *std::get_if<Data>(&m_data);
    }
    template <typename Data>
    const Data& as() const {
        assert(std::holds_alternative<Data>(m_data) && "an edit read as another kind");
        return *std::get_if<Data>(&m_data);
    }

    // Whether applying it forward would change `tree` (false too when its
    // node is not there).
    bool changes(EffectTree& tree) const;
    // Redo writes the after side, undo the before side, each first
    // capturing the present state into the other side. `materials` is
    // today's material list: a texture choice whose material is gone becomes
    // none, a model shape whose model is gone stays as it is.
    void apply(EffectTree& tree, EditDirection direction, const MaterialNameList& materials);
    // Whether `later`, pushed right after this edit, belongs to it: the same
    // parameter of the same node, or the same curve within one gesture.
    bool absorbs(const Edit& later) const;
    // Takes over `later`'s after side; this edit keeps its before side.
    void absorb(Edit&& later);

    // Add and delete edits: the subtree held while it is out of the tree.
    Node* savedSubtree() const;

private:
    static Edit parameter(const Node& node, const NodeField& field, std::uint32_t bits,
                          const MaterialNameList& materials);
    Edit(std::int32_t nodeId, Message label, EditData data) : m_nodeId(nodeId), m_label(std::move(label)), m_data(std::move(data)) {}

    std::int32_t m_nodeId = 0;
    Message m_label;
    EditData m_data;
    std::uint64_t m_gesture = 0;
};

// Whether `field` selects a material by list position (the texture, the shape).
bool selectsMaterial(const NodeField& field);

}  // namespace fg
