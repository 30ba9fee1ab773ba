// Parameter and curve edits of the selected node.

#include "app/Editor.h"

namespace fg {

void Editor::editInt(const NodeField& field, std::int32_t value) {
    Node* node = m_g.pSelNode();
    if (node == nullptr || !m_history.recordInt(*node, field, value)) return;
    publishParameters();
    noteHistoryEntry();
}

void Editor::editFloat(const NodeField& field, float value) {
    Node* node = m_g.pSelNode();
    if (node == nullptr || !m_history.recordFloat(*node, field, value)) return;
    publishParameters();
    noteHistoryEntry();
}

void Editor::beginGraphEdit(int graphNumber) {
    Node* node = m_g.pSelNode();
    if (node == nullptr || graphNumber < 0 || graphNumber >= kCurveCount) return;
    m_history.recordGraph(*node, graphNumber);
    noteHistoryEntry();
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
