// Dragging a node inside the node panel: onto another row to make it that
// node's last child, or into the gap between rows to put it there. The drag
// never leaves the panel, so the panel follows the mouse itself.

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <limits>

#include "app/Editor.h"
#include "ui/NodePanel.h"

namespace fg {
namespace {

// `node`'s position among `parent`'s children once `dragged` is out of them.
int positionWithout(const Node& parent, int position, const Node& dragged) {
    return dragged.m_pParent == &parent && dragged.m_index < position ? position - 1 : position;
}

}  // namespace

NodePanel::DropTarget NodePanel::dropTargetAt(std::int32_t draggedId, QPoint at) const {
    const EffectTree& tree = m_editor.state().tree;
    const Node* dragged = tree.findById(draggedId);
    if (dragged == nullptr || dragged->m_pParent == nullptr || m_rows.empty() || at.y() < kListTop) return {};
    const int y = at.y() - kListTop + scrollOffset();
    int row = y / kRowHeight;
    const int within = y % kRowHeight;
    DropTarget target;
    if (row >= static_cast<int>(m_rows.size())) {
        // Below the list: the last top-level node.
        row = static_cast<int>(m_rows.size()) - 1;
        const Node& root = tree.root();
        target = {DropKind::Below, row, 0, positionWithout(root, root.childCount(), *dragged)};
    } else {
        const Node* over = tree.findById(m_rows[static_cast<std::size_t>(row)].id);
        if (over == nullptr || over->m_pParent == nullptr) return {};
        const Node& parent = *over->m_pParent;
        if (within < kRowHeight / 4) {
            target = {DropKind::Above, row, parent.m_ID, positionWithout(parent, over->m_index, *dragged)};
        } else if (within >= kRowHeight - kRowHeight / 4) {
            // The gap under a node with children is the top of its children.
            if (over->childCount() > 0) target = {DropKind::Below, row, over->m_ID, 0};
            else target = {DropKind::Below, row, parent.m_ID, positionWithout(parent, over->m_index + 1, *dragged)};
        } else {
            target = {DropKind::Onto, row, over->m_ID, std::numeric_limits<int>::max()};
        }
    }
    // Not into its own subtree, and not where it already is.
    const Node* newParent = tree.findById(target.parentId);
    if (newParent == nullptr || newParent->isWithin(*dragged)) return {};
    if (newParent == dragged->m_pParent && target.kind != DropKind::Onto &&
        target.position == dragged->m_index) {
        return {};
    }
    if (target.kind == DropKind::Onto && newParent == dragged->m_pParent &&
        dragged->m_index == newParent->childCount() - 1) {
        return {};
    }
    return target;
}

void NodePanel::mouseMoveEvent(QMouseEvent* event) {
    if (m_pressId < 0 || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    if (!m_dragging) {
        if ((at - m_pressAt).manhattanLength() < QApplication::startDragDistance()) return;
        m_dragging = true;
        m_renameOnRelease = false;
    }
    m_drop = dropTargetAt(m_pressId, at);
    // Near the edges the list scrolls under the drag.
    if (at.y() < kListTop + kRowHeight / 2) scrollBar()->setValue(scrollOffset() - kRowHeight / 2);
    else if (at.y() > height() - kRowHeight / 2) scrollBar()->setValue(scrollOffset() + kRowHeight / 2);
    update();
}

void NodePanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const std::int32_t id = m_pressId;
    const bool dropped = m_dragging;
    const bool rename = m_renameOnRelease;
    const DropTarget drop = dropped ? dropTargetAt(id, event->position().toPoint()) : DropTarget{};
    endDrag();
    if (dropped) {
        if (drop.kind != DropKind::None) m_editor.moveNodeTo(id, drop.parentId, drop.position);
        return;
    }
    const Node* selected = m_editor.state().tree.selected();
    if (rename && selected != nullptr && selected->m_ID == id) startRename();
}

void NodePanel::endDrag() {
    const bool shown = m_dragging;
    m_pressId = -1;
    m_renameOnRelease = false;
    m_dragging = false;
    m_drop = {};
    if (shown) update();
}

void NodePanel::paintDropTarget(QPainter& p) {
    if (!m_dragging || m_drop.kind == DropKind::None) return;
    const QColor ink = palette().color(QPalette::Highlight).lighter(150);
    const int top = m_drop.row * kRowHeight;
    if (m_drop.kind == DropKind::Onto) {
        p.setPen(QPen(ink, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(1, top + 1, kScrollbarX - 3, kRowHeight - 2));
        return;
    }
    // The line starts where a node at the new place would have its name.
    const Node* parent = m_editor.state().tree.findById(m_drop.parentId);
    const int depth = parent != nullptr ? parent->depth() + 1 : 1;
    const int y = m_drop.kind == DropKind::Above ? top + 1 : top + kRowHeight - 1;
    p.setPen(QPen(ink, 2));
    p.drawLine(20 * depth + 20, y, kScrollbarX - 2, y);
    p.setBrush(ink);
    p.drawEllipse(QPoint(20 * depth + 18, y), 3, 3);
}

}  // namespace fg
