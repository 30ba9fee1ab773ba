#pragma once
// The node panel: the effect tree as an indented list under the root, with
// visibility boxes, the selected row highlighted, in-place renaming and the
// eight tree commands. Every change goes through the Editor; the panel
// only shows the tree it reads from there.

#include <QLineEdit>
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

protected:
    void paintRows(QPainter& painter, const QRect& visible) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuildRows();
    void runCommand(int position);
    void closeRenameBox();
    void selectRow(int row);

    Editor& m_editor;
    std::vector<Row> m_rows;
    QPointer<QLineEdit> m_renameBox;
    std::int32_t m_renameId = -1;  // the node the open box renames
};

}  // namespace fg
