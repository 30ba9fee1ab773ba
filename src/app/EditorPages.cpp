// Copy and paste of whole curves for the parameter pages and the curve window.

#include "app/Editor.h"

namespace fg {

void Editor::copyCurvePoints(int graphNumber) {
    Node* node = m_g.pSelNode();
    if (node == nullptr || graphNumber < 0 || graphNumber >= kCurveCount) return;
    node->curve(graphNumber).copyPoints(m_g.pointClipboard);
}

bool Editor::canPastePoints() const { return m_g.pointClipboard.points.size() >= 2; }

bool Editor::pasteCurvePoints(int graphNumber) {
    const ChangeBatch batch(*this);
    Node* node = m_g.pSelNode();
    if (node == nullptr || graphNumber < 0 || graphNumber >= kCurveCount || !canPastePoints()) return false;
    // A copy: the clipboard may hold this very curve's points.
    const GraphPoints points = m_g.pointClipboard.points;
    beginGraphEdit(graphNumber);
    setGraphPoints(graphNumber, points);
    return true;
}

bool Editor::applyCurvePreset(int graphNumber, CurvePreset preset) {
    const ChangeBatch batch(*this);
    if (m_g.pSelNode() == nullptr || graphNumber < 0 || graphNumber >= kCurveCount) return false;
    beginGraphEdit(graphNumber);
    setGraphPoints(graphNumber, presetPoints(preset));
    return true;
}

}  // namespace fg
