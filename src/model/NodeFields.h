#pragma once
// One table of every stored node parameter, in the order the settings file
// writes them. Each row says everything the program knows about its field:
// the settings key, the type, where the value lives in a node, the value of
// a new node, the range and unit a page shows it in and the label the edit
// history shows for it. The settings reader and writer, the edit history,
// the parameter pages and the CLI all walk this table, so a field is
// described in one place.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/FieldId.h"

namespace fg {

struct Node;

enum class FieldType { Int, Float, Text };

// What a stored number means, and so how a page shows it.
enum class FieldUnit : std::uint8_t {
    Whole,    // a plain number, shown as stored (floats cut to whole units)
    Tenths,   // a float shown and typed in tenths: 12 stands for 1.2
    Degrees,  // an angle in whole degrees
    Percent,  // a share in whole percent
    Frames,   // a frame number or a number of frames
    Flag,     // 0 or 1, a check box
    Choice,   // minimum, minimum + 1, …: the entries of a list or radios
    Text,     // the name
};

struct NodeField {
    FieldId id;
    const char* key;  // "m_emitter.pos.x": the settings key
    FieldType type;
    void* (*ref)(Node&);   // where the value lives in a node
    double initial;        // a new node's value (int and float rows)
    std::int32_t minimum;  // the range a page's arrows keep to, in the
    std::int32_t maximum;  // unit shown (a file may hold any value)
    FieldUnit unit;
    // What the edit history calls the field (source text of the
    // "fg::HistoryLabels" translation context); empty for the few fields
    // that have no label.
    const char* label;
};

// m_name first, then m_isDraw, m_ID and every parameter, in settings order;
// row i has the FieldId i.
std::span<const NodeField> nodeFields();

// The row of a field.
const NodeField& nodeField(FieldId id);

// The row with this settings key, or null.
const NodeField* findNodeField(std::string_view key);

// A field's value in a node. Each asserts, in builds with assertions, that
// the row holds the type it is read as.
std::int32_t& intField(Node& node, const NodeField& field);
float& floatField(Node& node, const NodeField& field);
const std::string& textField(Node& node, const NodeField& field);
// Stores a text value, cut to the node's name limit in cp932 bytes.
void setTextField(Node& node, const NodeField& field, std::string_view value);

}  // namespace fg
