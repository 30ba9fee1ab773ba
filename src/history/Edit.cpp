#include "history/Edit.h"

#include <bit>
#include <optional>

#include "model/Cp932.h"

namespace fg {
namespace {

// Parameters that select a material by its list position.
enum class MaterialLink { None, Texture, Model };

MaterialLink materialLinkOf(const NodeField& field) {
    if (field.id == FieldId::TextureId) return MaterialLink::Texture;
    if (field.id == FieldId::ShapeType) return MaterialLink::Model;
    return MaterialLink::None;
}

std::uint32_t readBits(Node& node, const NodeField& field) {
    if (field.type == FieldType::Float) return std::bit_cast<std::uint32_t>(floatField(node, field));
    return std::bit_cast<std::uint32_t>(intField(node, field));
}

// The name of the material a stored value selects (empty: none, or not a material field).
std::string materialNameOf(const NodeField& field, std::uint32_t bits, const MaterialNameList& materials) {
    const auto value = std::bit_cast<std::int32_t>(bits);
    switch (materialLinkOf(field)) {
    case MaterialLink::Texture: return textureNameOf(materials, value);
    case MaterialLink::Model: return modelNameOf(materials, value);
    case MaterialLink::None: break;
    }
    return {};
}

ParameterValue readValue(Node& node, const NodeField& field, const MaterialNameList& materials) {
    ParameterValue value;
    value.bits = readBits(node, field);
    value.material = materialNameOf(field, value.bits, materials);
    return value;
}

// Writes a value; a material choice goes to wherever its material sits in
// the list now. A texture that is gone gives none; a model shape whose
// model is gone is left as it is, never moved to another model.
void writeValue(Node& node, const NodeField& field, const ParameterValue& value, const MaterialNameList& materials) {
    switch (materialLinkOf(field)) {
    case MaterialLink::None:
        if (field.type == FieldType::Float) {
            floatField(node, field) = std::bit_cast<float>(value.bits);
        } else {
            intField(node, field) = std::bit_cast<std::int32_t>(value.bits);
        }
        return;
    case MaterialLink::Texture: intField(node, field) = textureIdOf(materials, value.material); return;
    case MaterialLink::Model: {
        const auto type = std::bit_cast<std::int32_t>(value.bits);
        if (type < kShapeFirstModel) {
            intField(node, field) = type;
        } else if (const std::optional<std::int32_t> model = modelShapeOf(materials, value.material)) {
            intField(node, field) = *model;
        }
        return;
    }
    }
}

TreePlace placeOf(const Node& node) {
    return {node.m_pParent != nullptr ? node.m_pParent->m_ID : 0, node.m_index};
}

// Puts a node (with its subtree) under the node with the place's parent ID.
Node* insertAt(EffectTree& tree, std::unique_ptr<Node> node, const TreePlace& place) {
    Node* parent = tree.findById(place.parentId);
    if (parent == nullptr || node == nullptr) return nullptr;
    Node& inserted = parent->insertChild(place.position, std::move(node));
    tree.finish();
    return &inserted;
}

// Moves `node` to `place`; a selection stays on the node it was on.
void moveTo(EffectTree& tree, Node& node, const TreePlace& place) {
    Node* parent = tree.findById(place.parentId);
    if (parent == nullptr || parent->isWithin(node)) return;
    Node* selected = tree.selected();
    const bool keepSelection = selected != nullptr && selected->isWithin(node);
    insertAt(tree, tree.take(node), place);
    if (keepSelection) tree.select(selected);
}

Message nodeName(const Node& node) { return Message::verbatim(node.m_name); }

}  // namespace

Edit Edit::parameter(const Node& node, const NodeField& field, std::uint32_t bits, const MaterialNameList& materials) {
    // The label is the node's name and the parameter's label; a field
    // without a label leaves the text after the dash empty.
    const bool labelled = field.label != nullptr && *field.label != '\0';
    Message labelText = labelled ? Message("fg::HistoryLabels", field.label) : Message::verbatim({});
    ParameterEdit edit;
    edit.field = &field;
    edit.after.bits = bits;
    edit.after.material = materialNameOf(field, bits, materials);
    return {node.m_ID, Message("fg::history_text", history_text::kParameter).arg(nodeName(node)).arg(std::move(labelText)),
            std::move(edit)};
}

bool selectsMaterial(const NodeField& field) { return materialLinkOf(field) != MaterialLink::None; }

Edit Edit::setInt(const Node& node, const NodeField& field, std::int32_t value, const MaterialNameList& materials) {
    assert(field.type == FieldType::Int && "an int value for a float field");
    return parameter(node, field, std::bit_cast<std::uint32_t>(value), materials);
}

Edit Edit::setFloat(const Node& node, const NodeField& field, float value) {
    assert(field.type == FieldType::Float && "a float value for an int field");
    return parameter(node, field, std::bit_cast<std::uint32_t>(value), {});
}

Edit Edit::setCurve(const Node& node, int graphNumber, GraphPoints points, std::uint64_t gesture) {
    CurveEdit edit;
    edit.graphNumber = graphNumber;
    edit.after = std::move(points);
    const char* curveName = graphNumber >= 0 && graphNumber < kCurveCount ? node.curve(graphNumber).name().c_str() : "";
    Edit made(node.m_ID,
              Message("fg::history_text", history_text::kGraph).arg(nodeName(node)).arg(Message("fg::Graph", curveName)),
              std::move(edit));
    made.m_gesture = gesture;
    return made;
}

Edit Edit::setGradient(const Node& node, const GradientPoints& points, std::uint64_t gesture) {
    CurvesEdit edit;
    edit.graphNumbers.assign(kGradientCurves.begin(), kGradientCurves.end());
    edit.after.assign(points.begin(), points.end());
    Edit made(node.m_ID, Message("fg::history_text", history_text::kGradient).arg(nodeName(node)), std::move(edit));
    made.m_gesture = gesture;
    return made;
}

Edit Edit::rename(const Node& node, std::string_view name) {
    RenameEdit edit;
    edit.after = cutToCp932Bytes(name, Node::kNameBytes);
    Message label = Message("fg::history_text", history_text::kRename).arg(Message::verbatim(edit.after));
    return {node.m_ID, std::move(label), std::move(edit)};
}

Edit Edit::addNode(const Node& added) {
    AddNodeEdit edit;
    edit.place = placeOf(added);
    edit.saved = cloneSubtree(added);
    return {added.m_ID, Message("fg::history_text", history_text::kAdd).arg(nodeName(added)), std::move(edit)};
}

Edit Edit::deleteNode(const Node& node) {
    DeleteNodeEdit edit;
    edit.place = placeOf(node);
    return {node.m_ID, Message("fg::history_text", history_text::kDelete).arg(nodeName(node)), std::move(edit)};
}

Edit Edit::moveNode(const Node& node, TreePlace to) {
    MoveNodeEdit edit;
    edit.before = placeOf(node);
    edit.after = to;
    return {node.m_ID, Message("fg::history_text", history_text::kMoved).arg(nodeName(node)), std::move(edit)};
}

Edit Edit::material(Message label, MaterialEdit data) { return {0, std::move(label), std::move(data)}; }

bool Edit::changes(EffectTree& tree) const {
    Node* node = tree.findById(m_nodeId);
    switch (kind()) {
    case EditKind::Parameter: {
        const ParameterEdit& edit = as<ParameterEdit>();
        if (node == nullptr || edit.field == nullptr) return false;
        // Compared as the field's type: 0.0 and -0.0 are the same value.
        if (edit.field->type == FieldType::Float) {
            return floatField(*node, *edit.field) != std::bit_cast<float>(edit.after.bits);
        }
        return intField(*node, *edit.field) != std::bit_cast<std::int32_t>(edit.after.bits);
    }
    case EditKind::Rename: return node != nullptr && node->m_name != as<RenameEdit>().after;
    case EditKind::Curve: {
        const CurveEdit& edit = as<CurveEdit>();
        return node != nullptr && edit.graphNumber >= 0 && edit.graphNumber < kCurveCount &&
               node->curve(edit.graphNumber).points() != edit.after;
    }
    case EditKind::Curves: {
        const CurvesEdit& edit = as<CurvesEdit>();
        if (node == nullptr) return false;
        for (std::size_t i = 0; i < edit.graphNumbers.size(); ++i) {
            if (node->curve(edit.graphNumbers[i]).points() != edit.after[i]) return true;
        }
        return false;
    }
    case EditKind::AddNode: return node == nullptr && as<AddNodeEdit>().saved != nullptr;
    case EditKind::DeleteNode:
    case EditKind::MoveNode: return node != nullptr && node->m_pParent != nullptr;
    case EditKind::Material: return !as<MaterialEdit>().files.empty();
    }
    return false;
}

void Edit::apply(EffectTree& tree, EditDirection direction, const MaterialNameList& materials) {
    const bool undoing = direction == EditDirection::Undo;
    Node* node = tree.findById(m_nodeId);
    switch (kind()) {
    case EditKind::Parameter: {
        ParameterEdit& edit = as<ParameterEdit>();
        if (node == nullptr || edit.field == nullptr) return;
        (undoing ? edit.after : edit.before) = readValue(*node, *edit.field, materials);
        writeValue(*node, *edit.field, undoing ? edit.before : edit.after, materials);
        return;
    }
    case EditKind::Rename: {
        RenameEdit& edit = as<RenameEdit>();
        if (node == nullptr) return;
        (undoing ? edit.after : edit.before) = node->m_name;
        node->setName(undoing ? edit.before : edit.after);
        return;
    }
    case EditKind::Curve: {
        CurveEdit& edit = as<CurveEdit>();
        if (node == nullptr || edit.graphNumber < 0 || edit.graphNumber >= kCurveCount) return;
        Graph& graph = node->curve(edit.graphNumber);
        (undoing ? edit.after : edit.before) = graph.points();
        graph.setPoints(undoing ? edit.before : edit.after);
        graph.rebuild();
        return;
    }
    case EditKind::Curves: {
        CurvesEdit& edit = as<CurvesEdit>();
        if (node == nullptr) return;
        // All the curves change together, each captured before it is written.
        std::vector<GraphPoints>& captured = undoing ? edit.after : edit.before;
        const std::vector<GraphPoints>& written = undoing ? edit.before : edit.after;
        captured.resize(edit.graphNumbers.size());
        for (std::size_t i = 0; i < edit.graphNumbers.size(); ++i) {
            Graph& graph = node->curve(edit.graphNumbers[i]);
            captured[i] = graph.points();
            graph.setPoints(written[i]);
            graph.rebuild();
        }
        return;
    }
    case EditKind::MoveNode: {
        MoveNodeEdit& edit = as<MoveNodeEdit>();
        if (node == nullptr) return;
        (undoing ? edit.after : edit.before) = placeOf(*node);
        moveTo(tree, *node, undoing ? edit.before : edit.after);
        return;
    }
    case EditKind::AddNode:
    case EditKind::DeleteNode: {
        // Undoing an add and redoing a delete take the node out; the other
        // two directions put it back where it was and select it.
        const bool adding = kind() == EditKind::AddNode;
        std::unique_ptr<Node>& saved = adding ? as<AddNodeEdit>().saved : as<DeleteNodeEdit>().saved;
        if (adding == undoing) {
            if (node == nullptr || node->m_pParent == nullptr) return;
            if (!adding) as<DeleteNodeEdit>().place = placeOf(*node);
            saved = tree.take(*node);
            tree.finish();
        } else if (node == nullptr) {
            const TreePlace& place = adding ? as<AddNodeEdit>().place : as<DeleteNodeEdit>().place;
            if (Node* inserted = insertAt(tree, std::move(saved), place)) tree.select(inserted);
        }
        return;
    }
    case EditKind::Material: return;  // the files need a store: EditHistory applies it
    }
}

bool Edit::absorbs(const Edit& later) const {
    if (kind() != later.kind() || m_nodeId != later.m_nodeId) return false;
    switch (kind()) {
    case EditKind::Parameter: return as<ParameterEdit>().field == later.as<ParameterEdit>().field;
    case EditKind::Curve:
        return m_gesture != 0 && m_gesture == later.m_gesture &&
               as<CurveEdit>().graphNumber == later.as<CurveEdit>().graphNumber;
    case EditKind::Curves:
        return m_gesture != 0 && m_gesture == later.m_gesture &&
               as<CurvesEdit>().graphNumbers == later.as<CurvesEdit>().graphNumbers;
    default: return false;
    }
}

void Edit::absorb(Edit&& later) {
    assert(absorbs(later) && "merging edits of different targets");
    switch (kind()) {
    case EditKind::Parameter: as<ParameterEdit>().after = std::move(later.as<ParameterEdit>().after); return;
    case EditKind::Curve: as<CurveEdit>().after = std::move(later.as<CurveEdit>().after); return;
    case EditKind::Curves: as<CurvesEdit>().after = std::move(later.as<CurvesEdit>().after); return;
    default: return;
    }
}

Node* Edit::savedSubtree() const {
    if (auto* added = std::get_if<AddNodeEdit>(&m_data)) return added->saved.get();
    if (auto* deleted = std::get_if<DeleteNodeEdit>(&m_data)) return deleted->saved.get();
    return nullptr;
}

}  // namespace fg
