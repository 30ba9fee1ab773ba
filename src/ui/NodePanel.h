#pragma once
// The node panel: the effect tree as an indented list under the root, with
// visibility boxes, the selected row highlighted, in-place renaming and the
// eight tree commands. Every change goes through the Editor; the panel
// only shows the tree it reads from there.

#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <cstdint>
#include <vector>

#include "ui/ListPanel.h"

namespace fg {

class Editor;

class NodePanel : public ListPanel {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 25;
    static constexpr int kBoxRight = 20;  // clicks left of this toggle visibility

    // One shown node: its ID, its depth (top-level nodes 1) and its row.
    struct Row {
        std::int32_t id;
        int depth;
        int previousSiblingRow;  // -1 for a first child
    };

    explicit NodePanel(Editor& editor, QWidget* parent = nullptr);

    const std::vector<Row>& rows() const { return m_rows; }
    // The row of the node with this ID, or -1.
    int rowOf(std::int32_t id) const;
    QLineEdit* renameBox() const { return m_renameBox; }

    // The open rename box stores its text (nothing for the same name).
    void finishRename();
    // Opens the rename box on the selected node.
    void startRename();

    // The context menu while it is open (null otherwise).
    QMenu* contextMenu() const { return m_contextMenu; }
    // The selected node with its subtree to the system clipboard, and back
    // as the next sibling of the selected node.
    void copyToClipboard();
    void pasteFromClipboard();

    // Where a dragged node would go: onto a row (its last child) or into
    // the gap above or below it.
    enum class DropKind { None, Onto, Above, Below };
    struct DropTarget {
        DropKind kind = DropKind::None;
        int row = -1;
        std::int32_t parentId = 0;
        int position = 0;  // among the parent's children without the dragged node
    };
    // The drop target for a drag of node `draggedId` at panel point `at`.
    DropTarget dropTargetAt(std::int32_t draggedId, QPoint at) const;
    bool dragging() const { return m_dragging; }

protected:
    void paintRows(QPainter& painter, const QRect& visible) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuildRows();
    void runCommand(int position);
    void closeRenameBox();
    void selectRow(int row);
    void openContextMenu(QPoint globalAt);
    void paintDropTarget(QPainter& painter);
    void endDrag();

    Editor& m_editor;
    std::vector<Row> m_rows;
    QPointer<QLineEdit> m_renameBox;
    std::int32_t m_renameId = -1;  // the node the open box renames
    QPointer<QMenu> m_contextMenu;
    // A left press on a row: the node and where, until the release.
    std::int32_t m_pressId = -1;
    QPoint m_pressAt;
    bool m_renameOnRelease = false;  // the press was on the selected name
    bool m_dragging = false;
    DropTarget m_drop;
};

}  // namespace fg
