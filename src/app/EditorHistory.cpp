// Undo, redo and jumps through the edit history, and the modified mark it
// gives: the project differs from its file while the history stands away
// from the saved row or something outside the history changed since.

#include <algorithm>

#include "app/Editor.h"

namespace fg {

// The material files change with the history: the store reaches them.
void Editor::undo() {
    const ChangeBatch batch(*this);
    if (!m_history.canUndo()) return;
    const bool files = m_history.changesMaterials(m_history.index());
    stepHistory([this] { m_history.undo(m_g.tree, *m_materials); }, files);
}

void Editor::redo() {
    const ChangeBatch batch(*this);
    if (!m_history.canRedo()) return;
    const bool files = m_history.changesMaterials(m_history.index() + 1);
    stepHistory([this] { m_history.redo(m_g.tree, *m_materials); }, files);
}

void Editor::jumpTo(int row) {
    const ChangeBatch batch(*this);
    if (row < 0 || row >= m_history.count() || row == m_history.index()) return;
    bool files = false;
    for (int step = std::min(row, m_history.index()) + 1; step <= std::max(row, m_history.index()); ++step) {
        files = files || m_history.changesMaterials(step);
    }
    stepHistory([this, row] { m_history.jumpTo(m_g.tree, row, *m_materials); }, files);
}

void Editor::resetHistory() {
    const ChangeBatch batch(*this);
    m_history.clear();
    notify(DocumentPart::History | syncModified());
}

void Editor::noteHistoryEntry() { notify(DocumentPart::History | syncModified()); }

void Editor::stepHistory(const std::function<void()>& step, bool materialFiles) {
    const Node* selected = m_g.tree.selected();
    const std::int32_t selectedId = selected != nullptr ? selected->m_ID : -1;
    restartAround(step);
    const Node* now = m_g.tree.selected();
    // A new selection refills the shown page itself; asking for a page
    // reload as well would fill it twice.
    const bool moved = now != selected || (now != nullptr && now->m_ID != selectedId);
    notify(DocumentPart::Preview | DocumentPart::History | DocumentPart::Tree |
           (moved ? DocumentPart::Selection : DocumentPart::Page) |
           (materialFiles ? DocumentPart::Materials | DocumentPart::Page : DocumentChanges()) | syncModified());
}

DocumentChanges Editor::syncModified() {
    const bool modified = m_changedOutsideHistory || !m_history.isClean();
    if (modified == m_g.isModified) return {};
    m_g.isModified = modified;
    return DocumentPart::Title;
}

void Editor::markSaved() {
    m_changedOutsideHistory = false;
    m_history.setClean();
}

}  // namespace fg
