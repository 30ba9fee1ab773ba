#pragma once
// One table of every stored node parameter, in the order the settings file
// writes them. The settings reader and writer, the edit history's labels,
// the parameter pages and the CLI all walk this table, so a field is added
// in one place.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace fg {

struct Node;

enum class FieldType { Int, Float, Text };

struct NodeField {
    const char* key;  // "m_emitter.pos.x": the settings key and the history path suffix
    FieldType type;
    void* (*ref)(Node&);  // where the value lives in a node
};

// m_name first, then m_isDraw, m_ID and every parameter, in settings order.
std::span<const NodeField> nodeFields();

// The row with this key, or null.
const NodeField* findNodeField(std::string_view key);

std::int32_t& intField(Node& node, const NodeField& field);
float& floatField(Node& node, const NodeField& field);
const std::string& textField(Node& node, const NodeField& field);
// Stores a text value, cut to the node's name limit in cp932 bytes.
void setTextField(Node& node, const NodeField& field, std::string_view value);

}  // namespace fg
