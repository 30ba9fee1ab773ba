// The colour page's gradient: the four colour curves edited together.

#include "app/Editor.h"

namespace fg {

void Editor::beginGradientEdit() {
    Node* node = m_g.pSelNode();
    if (node == nullptr) return;
    // As with a curve gesture: one entry, made at its first real change.
    m_pendingGradientEdit = PendingGradientEdit{node->m_ID, ++m_lastGesture};
}

void Editor::setGradientPoints(const GradientPoints& points) {
    const ChangeBatch batch(*this);
    Node* node = m_g.pSelNode();
    if (node == nullptr) return;
    const std::uint64_t gesture =
        m_pendingGradientEdit && m_pendingGradientEdit->nodeId == node->m_ID ? m_pendingGradientEdit->gesture : 0;
    // Outside a gesture each change is an entry of its own.
    if (!m_history.push(m_g.tree, Edit::setGradient(*node, points, gesture))) return;
    publishParameters();
    noteHistoryEntry();
}

void Editor::copyGradient() {
    const Node* node = m_g.pSelNode();
    if (node == nullptr) return;
    m_gradientClipboard = ColourGradient(*node).points();
}

bool Editor::pasteGradient() {
    const ChangeBatch batch(*this);
    if (m_g.pSelNode() == nullptr || !m_gradientClipboard) return false;
    // A copy: the paste's own edit must not see the clipboard change.
    const GradientPoints points = *m_gradientClipboard;
    beginGradientEdit();
    setGradientPoints(points);
    return true;
}

}  // namespace fg
