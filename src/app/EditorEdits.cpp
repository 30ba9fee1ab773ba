// Parameter and curve edits of the selected node.

#include "app/Editor.h"

namespace fg {

void Editor::editInt(const NodeField& field, std::int32_t value) {
    const ChangeBatch batch(*this);
    Node* node = m_g.pSelNode();
    if (node == nullptr) return;
    // A texture or model choice is recorded with its material's name.
    const MaterialNameList materials = selectsMaterial(field) ? materialNames() : MaterialNameList{};
    if (!m_history.push(m_g.tree, Edit::setInt(*node, field, value, materials), materials)) return;
    publishParameters();
    noteHistoryEntry();
}

void Editor::editFloat(const NodeField& field, float value) {
    const ChangeBatch batch(*this);
    Node* node = m_g.pSelNode();
    if (node == nullptr || !m_history.push(m_g.tree, Edit::setFloat(*node, field, value))) return;
    publishParameters();
    noteHistoryEntry();
}

void Editor::beginGraphEdit(int graphNumber) {
    Node* node = m_g.pSelNode();
    if (node == nullptr || graphNumber < 0 || graphNumber >= kCurveCount) return;
    // Every change of the gesture merges into one entry, made at its first
    // real change: a press that only picks a point records nothing.
    m_pendingGraphEdit = PendingGraphEdit{node->m_ID, graphNumber, ++m_lastGesture};
}

void Editor::setGraphPoints(int graphNumber, const GraphPoints& points) {
    const ChangeBatch batch(*this);
    Node* node = m_g.pSelNode();
    if (node == nullptr || graphNumber < 0 || graphNumber >= kCurveCount) return;
    if (m_pendingGraphEdit && m_pendingGraphEdit->nodeId == node->m_ID &&
        m_pendingGraphEdit->graphNumber == graphNumber) {
        if (!m_history.push(m_g.tree, Edit::setCurve(*node, graphNumber, points, m_pendingGraphEdit->gesture))) return;
        publishParameters();
        noteHistoryEntry();
        return;
    }
    // Outside a gesture: a change of the project that is no entry.
    Graph& graph = node->curve(graphNumber);
    if (graph.points() == points) return;
    graph.setPoints(points);
    graph.rebuild();
    publishParameters();
    markModified();
}

}  // namespace fg
