// Parameter and curve edits of the selected node.

#include "app/Editor.h"

namespace fg {

void Editor::editInt(const NodeField& field, std::int32_t value) {
    Node* node = m_g.pSelNode();
    if (node == nullptr) return;
    // A texture or model choice is recorded with its material's name.
    const MaterialNameList materials = EditHistory::selectsMaterial(field) ? materialNames() : MaterialNameList{};
    if (!m_history.recordInt(*node, field, value, materials)) return;
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
    // Recorded at the gesture's first real change: a press that only
    // picks a point leaves the history and the modified mark alone.
    m_pendingGraphEdit = PendingGraphEdit{node->m_ID, graphNumber};
}

void Editor::setGraphPoints(int graphNumber, const GraphPoints& points) {
    Node* node = m_g.pSelNode();
    if (node == nullptr || graphNumber < 0 || graphNumber >= kCurveCount) return;
    Graph& graph = node->curve(graphNumber);
    if (graph.points() == points) return;
    if (m_pendingGraphEdit && m_pendingGraphEdit->nodeId == node->m_ID &&
        m_pendingGraphEdit->graphNumber == graphNumber) {
        m_history.recordGraph(*node, graphNumber);
        noteHistoryEntry();
    }
    m_pendingGraphEdit.reset();
    graph.setPoints(points);
    graph.rebuild();
    publishParameters();
    if (!m_g.isModified) setModified(true);
}

}  // namespace fg
