// Parameter and curve edits of the selected node.

#include "app/Editor.h"

namespace fg {

void Editor::editInt(const NodeField& field, std::int32_t value) {
    Node* node = m_g.pSelNode();
    if (node == nullptr || field.type != FieldType::Int) return;
    std::int32_t& stored = intField(*node, field);
    if (stored == value) return;
    stored = value;
    publishParameters();
    if (!m_g.isModified) setModified(true);
}

void Editor::editFloat(const NodeField& field, float value) {
    Node* node = m_g.pSelNode();
    if (node == nullptr || field.type != FieldType::Float) return;
    float& stored = floatField(*node, field);
    if (stored == value) return;
    stored = value;
    publishParameters();
    if (!m_g.isModified) setModified(true);
}

void Editor::beginGraphEdit(int graphNumber) {
    (void)graphNumber;
}

void Editor::setGraphPoints(int graphNumber, const GraphPoints& points) {
    Node* node = m_g.pSelNode();
    if (node == nullptr || graphNumber < 0 || graphNumber >= kCurveCount) return;
    Graph& graph = node->curve(graphNumber);
    graph.setPoints(points);
    graph.rebuild();
    publishParameters();
    if (!m_g.isModified) setModified(true);
}

}  // namespace fg
