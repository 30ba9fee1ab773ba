#include "ui/NodePanel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

#include "app/Editor.h"
#include "ui/PanelFont.h"

namespace fg {
namespace {

struct ButtonSpec {
    ButtonPicture picture;
    const char* help;
};

// Left to right: add below, add child, duplicate, delete, move down, move
// up, make child, make parent.
const ButtonSpec kButtons[] = {
    {ButtonPicture::AddBelow, QT_TRANSLATE_NOOP("fg::NodePanel", "下にノードを追加する。")},
    {ButtonPicture::AddChild, QT_TRANSLATE_NOOP("fg::NodePanel", "子ノードを追加する。")},
    {ButtonPicture::Duplicate, QT_TRANSLATE_NOOP("fg::NodePanel", "ノードを複製する。")},
    {ButtonPicture::Delete, QT_TRANSLATE_NOOP("fg::NodePanel", "ノードを削除する。")},
    {ButtonPicture::MoveDown, QT_TRANSLATE_NOOP("fg::NodePanel", "ノードを一つ下に移動。")},
    {ButtonPicture::MoveUp, QT_TRANSLATE_NOOP("fg::NodePanel", "ノードを一つ上に移動。")},
    {ButtonPicture::MakeChild, QT_TRANSLATE_NOOP("fg::NodePanel", "ノードを子ノードにする。")},
    {ButtonPicture::MakeParent, QT_TRANSLATE_NOOP("fg::NodePanel", "ノードを親ノードにする。")},
};

void collectRows(const Node& node, int depth, std::vector<NodePanel::Row>& rows) {
    int previous = -1;
    for (const auto& child : node.m_children) {
        const int row = static_cast<int>(rows.size());
        rows.push_back({child->m_ID, depth, previous});
        collectRows(*child, depth + 1, rows);
        previous = row;
    }
}

}  // namespace

NodePanel::NodePanel(Editor& editor, QWidget* parent)
    : ListPanel(QStringLiteral("nodePanel"), tr("ノードパネル"), kRowHeight, parent), m_editor(editor) {
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < 8; ++i) {
        PanelButton* b = addButton(kButtons[i].picture, tr(kButtons[i].help));
        connect(b, &QAbstractButton::clicked, this, [this, i] { runCommand(i); });
    }
    button(3)->setKey(QKeySequence(Qt::Key_Delete));  // the list's own key for it
    connect(&m_editor, &Editor::documentChanged, this, [this](DocumentChanges what) {
        if (what & DocumentPart::Selection) {
            // A box left open over another node (an undo from the menu) goes.
            const Node* now = m_editor.state().tree.selected();
            if (m_renameBox != nullptr && (now == nullptr || now->m_ID != m_renameId)) closeRenameBox();
            rebuildRows();
            const Node* selected = m_editor.state().tree.selected();
            if (selected != nullptr && rowOf(selected->m_ID) >= 0) scrollToRow(rowOf(selected->m_ID));
        } else if (what & DocumentPart::Tree) {
            rebuildRows();
        }
    });
    rebuildRows();
}

void NodePanel::rebuildRows() {
    m_rows.clear();
    collectRows(m_editor.state().tree.root(), 1, m_rows);
    setRowCount(static_cast<int>(m_rows.size()));
}

int NodePanel::rowOf(std::int32_t id) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].id == id) return static_cast<int>(i);
    }
    return -1;
}

void NodePanel::paintRows(QPainter& p, const QRect& visible) {
    const EffectTree& tree = m_editor.state().tree;
    const Node* selected = tree.selected();
    if (selected == nullptr) return;
    p.setFont(panelFont(10));
    const QPen linePen(QColor(150, 150, 150), 1);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const Row& row = m_rows[i];
        const int top = static_cast<int>(i) * kRowHeight;
        if (top > visible.bottom() || top + kRowHeight < visible.top()) continue;
        const Node* node = tree.findById(row.id);
        if (node == nullptr) continue;
        if (node == selected) p.fillRect(QRect(0, top, width(), kRowHeight), palette().color(QPalette::Highlight));
        const int indent = 20 * row.depth;
        p.setPen(Qt::white);
        // Names are drawn whole; a deep or long one runs past the edge.
        p.drawText(QRect(indent + 20, top + 2, 999, 20), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QString::fromStdString(node->m_name));
        p.setPen(linePen);
        p.drawLine(indent + 20, top + 12, indent + 10, top + 12);
        const int lineTop = row.previousSiblingRow >= 0 ? row.previousSiblingRow * kRowHeight : top + 2;
        p.drawLine(indent + 10, top + 12, indent + 10, lineTop);
        // The visibility box, ticked while the node is drawn.
        const QRect box(5, top + 5, 14, 14);
        p.fillRect(box, QColor(245, 245, 245));
        p.setPen(QColor(60, 60, 60));
        p.drawRect(box);
        if (node->m_isDraw != 0) {
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(30, 30, 30), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(8, top + 12), QPointF(11, top + 15.5), QPointF(16.5, top + 8.5)}));
            p.restore();
        }
    }
    paintDropTarget(p);
}

void NodePanel::runCommand(int position) {
    finishRename();
    switch (position) {
    case 0: m_editor.addBelow(); break;
    case 1: m_editor.addChild(); break;
    case 2: m_editor.duplicateNode(); break;
    case 3: m_editor.deleteNode(); break;
    case 4: m_editor.moveDown(); break;
    case 5: m_editor.moveUp(); break;
    case 6: m_editor.makeChild(); break;
    case 7: m_editor.makeParent(); break;
    default: break;
    }
}

void NodePanel::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return;
    m_editor.selectNode(m_rows[static_cast<std::size_t>(row)].id);
    scrollToRow(row);
}

void NodePanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    endDrag();
    // While a rename is open the box keeps the focus until the click decides.
    if (m_renameBox == nullptr) setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    const int row = rowAt(at.y());
    if (row < 0 || row >= static_cast<int>(m_rows.size())) {
        finishRename();
        return;
    }
    const std::int32_t id = m_rows[static_cast<std::size_t>(row)].id;
    if (at.x() < kBoxRight) {
        m_editor.toggleVisible(id);
        return;
    }
    const Node* selected = m_editor.state().tree.selected();
    if (selected != nullptr && selected->m_ID == id) {
        // A click on the selected name renames it; a drag from it moves it.
        if (m_renameBox == nullptr) {
            m_pressId = id;
            m_pressAt = at;
            m_renameOnRelease = true;
        }
        return;
    }
    finishRename();
    m_editor.selectNode(id);
    m_pressId = id;
    m_pressAt = at;
}

void NodePanel::keyPressEvent(QKeyEvent* event) {
    const Node* selected = m_editor.state().tree.selected();
    const int row = selected != nullptr ? rowOf(selected->m_ID) : -1;
    if (event->matches(QKeySequence::Copy)) {
        copyToClipboard();
    } else if (event->matches(QKeySequence::Paste)) {
        pasteFromClipboard();
    } else if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        contextMenuEvent(&menu);
    } else if (event->key() == Qt::Key_Escape && m_dragging) {
        endDrag();
    } else {
        switch (event->key()) {
        case Qt::Key_Up: selectRow(row - 1); break;
        case Qt::Key_Down: selectRow(row + 1); break;
        case Qt::Key_Home: selectRow(0); break;
        case Qt::Key_End: selectRow(static_cast<int>(m_rows.size()) - 1); break;
        case Qt::Key_F2: startRename(); break;
        case Qt::Key_Delete: runCommand(3); break;
        default: ListPanel::keyPressEvent(event); return;
        }
    }
    event->accept();
}

void NodePanel::startRename() {
    const Node* selected = m_editor.state().tree.selected();
    if (selected == nullptr || m_renameBox != nullptr) return;
    const int row = rowOf(selected->m_ID);
    if (row < 0) return;
    scrollToRow(row);
    const int depth = m_rows[static_cast<std::size_t>(row)].depth;
    auto* box = new QLineEdit(QString::fromStdString(selected->m_name), this);
    box->setObjectName(QStringLiteral("renameBox"));
    const int x = 20 * depth;
    // The box reaches to the scrollbar; a longer name scrolls inside it.
    box->setGeometry(x, kListTop + row * kRowHeight - scrollOffset() + 2, std::max(60, kScrollbarX - x), 21);
    box->selectAll();
    box->installEventFilter(this);
    box->show();
    box->setFocus(Qt::OtherFocusReason);
    m_renameBox = box;
    m_renameId = selected->m_ID;
}

void NodePanel::finishRename() {
    if (m_renameBox == nullptr) return;
    const std::string name = m_renameBox->text().toStdString();
    closeRenameBox();
    // The name belongs to the node the box was opened on.
    const Node* selected = m_editor.state().tree.selected();
    if (selected != nullptr && selected->m_ID == m_renameId) m_editor.renameSelected(name);
}

void NodePanel::closeRenameBox() {
    QLineEdit* box = m_renameBox;
    m_renameBox = nullptr;
    if (box == nullptr) return;
    box->removeEventFilter(this);
    box->hide();
    box->deleteLater();
    setFocus(Qt::OtherFocusReason);
}

bool NodePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_renameBox) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                finishRename();
                return true;
            }
            if (key == Qt::Key_Escape) {
                closeRenameBox();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Clicking elsewhere commits, as Enter does, before that click
            // can change the tree or the selection.
            finishRename();
        }
    }
    return ListPanel::eventFilter(watched, event);
}

}  // namespace fg
