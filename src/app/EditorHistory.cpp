// Undo, redo and jumps through the edit history.

#include "app/Editor.h"

namespace fg {

void Editor::undo() {
    if (!m_history.canUndo()) return;
    changeDocument([this] { m_history.undo(m_g.tree, materialNames()); });
    afterHistoryStep();
}

void Editor::redo() {
    if (!m_history.canRedo()) return;
    changeDocument([this] { m_history.redo(m_g.tree, materialNames()); });
    afterHistoryStep();
}

void Editor::jumpTo(int row) {
    if (row < 0 || row >= m_history.count() || row == m_history.current()) return;
    changeDocument([this, row] { m_history.jumpTo(m_g.tree, row, materialNames()); });
    afterHistoryStep();
}

void Editor::resetHistory() {
    m_history.clear();
    notify(DocumentPart::History);
}

void Editor::noteHistoryEntry() {
    if (!m_g.isModified) setModified(true);
    notify(DocumentPart::History);
}

void Editor::afterHistoryStep() {
    // The effect differs from what was saved, whichever way the step went.
    if (!m_g.isModified) setModified(true);
    notify(DocumentPart::History | DocumentPart::Tree | DocumentPart::Selection | DocumentPart::Page);
}

}  // namespace fg
