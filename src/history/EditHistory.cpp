#include "history/EditHistory.h"

#include <bit>
#include <optional>

namespace fg {
namespace {

std::uint32_t readBits(Node& node, const NodeField& field) {
    if (field.type == FieldType::Float) return std::bit_cast<std::uint32_t>(floatField(node, field));
    return std::bit_cast<std::uint32_t>(intField(node, field));
}

void writeBits(Node& node, const NodeField& field, std::uint32_t bits) {
    if (field.type == FieldType::Float) {
        floatField(node, field) = std::bit_cast<float>(bits);
    } else {
        intField(node, field) = std::bit_cast<std::int32_t>(bits);
    }
}

// Parameters that select a material by its list position.
enum class MaterialLink { None, Texture, Model };

MaterialLink materialLinkOf(const NodeField& field) {
    const std::string_view key = field.key;
    if (key == "m_texture.ID") return MaterialLink::Texture;
    if (key == "m_shape.type") return MaterialLink::Model;
    return MaterialLink::None;
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

void readSlot(Node& node, const NodeField& field, EntrySlot& slot, const MaterialNameList& materials) {
    slot.bits = readBits(node, field);
    slot.material = materialNameOf(field, slot.bits, materials);
}

// Writes a slot's value; a material choice goes to wherever its material
// sits in the list now. A texture that is gone gives none; a model shape
// whose model is gone is left as it is, never moved to another model.
void writeSlot(Node& node, const NodeField& field, const EntrySlot& slot, const MaterialNameList& materials) {
    switch (materialLinkOf(field)) {
    case MaterialLink::None: writeBits(node, field, slot.bits); return;
    case MaterialLink::Texture: intField(node, field) = textureIdOf(materials, slot.material); return;
    case MaterialLink::Model: {
        const auto type = std::bit_cast<std::int32_t>(slot.bits);
        if (type < kShapeFirstModel) {
            intField(node, field) = type;
        } else if (const std::optional<std::int32_t> model = modelShapeOf(materials, slot.material)) {
            intField(node, field) = *model;
        }
        return;
    }
    }
}

TreePlace placeOf(const Node& node) {
    return {node.m_pParent != nullptr ? node.m_pParent->m_ID : 0, node.m_index};
}

bool isInside(const Node* node, const Node& ancestor) {
    for (; node != nullptr; node = node->m_pParent) {
        if (node == &ancestor) return true;
    }
    return false;
}

// Puts a node (with its subtree) under the node with the place's parent ID.
Node* insertAt(EffectTree& tree, std::unique_ptr<Node> node, const TreePlace& place) {
    Node* parent = tree.findById(place.parentId);
    if (parent == nullptr || node == nullptr) return nullptr;
    Node& inserted = parent->insertChild(place.position, std::move(node));
    tree.finish();
    return &inserted;
}

// Moves the node with ID `id` to `place`; a selection stays on the node it was on.
void moveTo(EffectTree& tree, std::int32_t id, const TreePlace& place) {
    Node* node = tree.findById(id);
    Node* parent = tree.findById(place.parentId);
    if (node == nullptr || parent == nullptr || isInside(parent, *node)) return;
    Node* selected = tree.selected();
    const bool keepSelection = isInside(selected, *node);
    insertAt(tree, tree.take(*node), place);
    if (keepSelection) tree.select(selected);
}

}  // namespace

EditHistory::EditHistory() { clear(); }

void EditHistory::clear() {
    m_entries.clear();
    HistoryEntry base;
    base.label = history_text::kStart;
    m_entries.push_back(std::move(base));
    m_current = 0;
}

bool EditHistory::selectsMaterial(const NodeField& field) { return materialLinkOf(field) != MaterialLink::None; }

bool EditHistory::recordInt(Node& node, const NodeField& field, std::int32_t value, const MaterialNameList& materials) {
    if (field.type != FieldType::Int || intField(node, field) == value) return false;
    return recordValue(node, field, std::bit_cast<std::uint32_t>(value), readBits(node, field), materials);
}

bool EditHistory::recordFloat(Node& node, const NodeField& field, float value) {
    if (field.type != FieldType::Float || floatField(node, field) == value) return false;
    return recordValue(node, field, std::bit_cast<std::uint32_t>(value), readBits(node, field), {});
}

bool EditHistory::recordValue(Node& node, const NodeField& field, std::uint32_t bits, std::uint32_t stored,
                              const MaterialNameList& materials) {
    // A drag through many values is one edit: the entry keeps the value from
    // before its first step. Only an entry that is current merges; after an
    // undo the edit starts a new branch.
    const HistoryEntry& last = m_entries.back();
    const bool merges = m_current + 1 == count() && last.kind == EntryKind::Parameter && last.field == &field &&
                        last.nodeId == node.m_ID && m_current > 0;
    if (!merges) {
        HistoryEntry entry;
        entry.kind = EntryKind::Parameter;
        entry.field = &field;
        entry.nodeId = node.m_ID;
        entry.before.bits = stored;
        entry.before.material = materialNameOf(field, stored, materials);
        entry.label = fillTemplate(history_text::kParameter, {node.m_name, field.label});
        append(std::move(entry));
    }
    writeBits(node, field, bits);
    return true;
}

void EditHistory::recordGraph(const Node& node, int graphNumber) {
    if (graphNumber < 0 || graphNumber >= kCurveCount) return;
    HistoryEntry entry;
    entry.kind = EntryKind::Graph;
    entry.nodeId = node.m_ID;
    entry.graphNumber = graphNumber;
    entry.before.points = node.curve(graphNumber).points();
    entry.label = fillTemplate(history_text::kGraph, {node.m_name, node.curve(graphNumber).name()});
    append(std::move(entry));
}

void EditHistory::recordRename(const Node& node, const std::string& oldName) {
    HistoryEntry entry;
    entry.kind = EntryKind::Rename;
    entry.nodeId = node.m_ID;
    entry.before.text = oldName;
    entry.label = fillTemplate(history_text::kRename, {node.m_name});
    append(std::move(entry));
}

void EditHistory::recordAdd(const Node& added) {
    HistoryEntry entry;
    entry.kind = EntryKind::AddNode;
    entry.nodeId = added.m_ID;
    entry.before.place = placeOf(added);
    entry.label = fillTemplate(history_text::kAdd, {added.m_name});
    append(std::move(entry));
}

HistoryEntry EditHistory::deleteEntry(const Node& node) {
    HistoryEntry entry;
    entry.kind = EntryKind::DeleteNode;
    entry.nodeId = node.m_ID;
    entry.before.place = placeOf(node);
    entry.saved = cloneSubtree(node);
    entry.label = fillTemplate(history_text::kDelete, {node.m_name});
    return entry;
}

HistoryEntry EditHistory::moveEntry(const Node& node) {
    HistoryEntry entry;
    entry.kind = EntryKind::MoveNode;
    entry.nodeId = node.m_ID;
    entry.before.place = placeOf(node);
    entry.label = fillTemplate(history_text::kMoved, {node.m_name});
    return entry;
}

void EditHistory::append(HistoryEntry entry) {
    m_entries.erase(m_entries.begin() + m_current + 1, m_entries.end());
    m_entries.push_back(std::move(entry));
    m_current = count() - 1;
}

bool EditHistory::undo(EffectTree& tree, const MaterialNameList& materials) {
    if (count() < 2 || m_current < 1) return false;
    apply(tree, m_entries[static_cast<std::size_t>(m_current)], true, materials);
    --m_current;
    return true;
}

bool EditHistory::redo(EffectTree& tree, const MaterialNameList& materials) {
    if (m_current + 1 >= count()) return false;
    ++m_current;
    apply(tree, m_entries[static_cast<std::size_t>(m_current)], false, materials);
    return true;
}

bool EditHistory::jumpTo(EffectTree& tree, int row, const MaterialNameList& materials) {
    if (row < 0 || row >= count() || row == m_current) return false;
    while (m_current > row) undo(tree, materials);
    while (m_current < row) redo(tree, materials);
    return true;
}

std::vector<Node*> EditHistory::savedSubtrees() {
    std::vector<Node*> subtrees;
    for (HistoryEntry& entry : m_entries) {
        if (entry.saved) subtrees.push_back(entry.saved.get());
    }
    return subtrees;
}

void EditHistory::apply(EffectTree& tree, HistoryEntry& entry, bool undoing, const MaterialNameList& materials) {
    EntrySlot& from = undoing ? entry.before : entry.after;
    EntrySlot& into = undoing ? entry.after : entry.before;
    Node* node = tree.findById(entry.nodeId);
    switch (entry.kind) {
    case EntryKind::Parameter:
        if (node == nullptr || entry.field == nullptr) return;
        readSlot(*node, *entry.field, into, materials);
        writeSlot(*node, *entry.field, from, materials);
        return;
    case EntryKind::Rename:
        if (node == nullptr) return;
        into.text = node->m_name;
        node->setName(from.text);
        return;
    case EntryKind::Graph: {
        if (node == nullptr) return;
        Graph& graph = node->curve(entry.graphNumber);
        into.points = graph.points();
        graph.setPoints(from.points);
        graph.rebuild();
        return;
    }
    case EntryKind::MoveNode:
        if (node == nullptr) return;
        into.place = placeOf(*node);
        moveTo(tree, entry.nodeId, from.place);
        return;
    case EntryKind::AddNode:
    case EntryKind::DeleteNode: {
        // Undoing an add and redoing a delete take the node out; the other
        // two directions put it back where it was and select it.
        const bool takeOut = (entry.kind == EntryKind::AddNode) == undoing;
        if (takeOut) {
            if (node == nullptr || node->m_pParent == nullptr) return;
            entry.saved = tree.take(*node);
            tree.finish();
        } else if (node == nullptr) {
            if (Node* inserted = insertAt(tree, std::move(entry.saved), entry.before.place)) tree.select(inserted);
        }
        return;
    }
    }
}

}  // namespace fg
