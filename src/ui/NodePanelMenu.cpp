// The node panel's context menu and its clipboard commands.

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>

#include "app/Editor.h"
#include "persistence/NodeClipboard.h"
#include "ui/NodePanel.h"

namespace fg {

void NodePanel::contextMenuEvent(QContextMenuEvent* event) {
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        // The menu is about the row clicked, which becomes the selected one.
        const int row = rowAt(event->pos().y());
        if (row >= 0 && row < static_cast<int>(rows().size())) {
            finishRename();
            m_editor.selectNode(rows()[static_cast<std::size_t>(row)].id);
        }
    } else {
        const Node* selected = m_editor.state().tree.selected();
        const int row = selected != nullptr ? rowOf(selected->m_ID) : -1;
        at = mapToGlobal(QPoint(40, kListTop + std::max(0, row) * kRowHeight + kRowHeight - scrollOffset()));
    }
    openContextMenu(at);
    event->accept();
}

void NodePanel::openContextMenu(QPoint globalAt) {
    finishRename();
    if (m_contextMenu != nullptr) m_contextMenu->close();
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("nodeMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool hasNode = m_editor.state().tree.selected() != nullptr;
    const auto add = [&](const char* name, const QString& text, bool enabled, auto run, const QKeySequence& keys = {}) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(enabled);
        if (!keys.isEmpty()) {
            // Shown beside the text; the keys themselves are the panel's.
            action->setShortcut(keys);
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        connect(action, &QAction::triggered, this, run);
    };
    add("addChild", tr("子ノードを追加"), m_editor.treeCommandApplies(TreeCommand::AddChild), [this] { runCommand(1); });
    add("addBelow", tr("下にノードを追加"), m_editor.treeCommandApplies(TreeCommand::AddBelow), [this] { runCommand(0); });
    add("duplicate", tr("複製"), m_editor.treeCommandApplies(TreeCommand::Duplicate), [this] { runCommand(2); });
    add("delete", tr("削除"), m_editor.treeCommandApplies(TreeCommand::Delete), [this] { runCommand(3); },
        QKeySequence(Qt::Key_Delete));
    add("rename", tr("名前の変更"), hasNode, [this] { startRename(); }, QKeySequence(Qt::Key_F2));
    menu->addSeparator();
    add("moveUp", tr("上へ"), m_editor.treeCommandApplies(TreeCommand::MoveUp), [this] { runCommand(5); });
    add("moveDown", tr("下へ"), m_editor.treeCommandApplies(TreeCommand::MoveDown), [this] { runCommand(4); });
    menu->addSeparator();
    const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
    const bool canPaste = offered != nullptr && offered->hasFormat(QString::fromLatin1(kNodeClipboardMimeType));
    add("copy", tr("コピー"), hasNode, [this] { copyToClipboard(); }, QKeySequence::Copy);
    add("paste", tr("貼り付け"), canPaste, [this] { pasteFromClipboard(); }, QKeySequence::Paste);
    m_contextMenu = menu;
    menu->popup(globalAt);
}

void NodePanel::copyToClipboard() {
    finishRename();
    const std::string bytes = m_editor.copyNodeBytes();
    if (bytes.empty()) return;
    auto* offered = new QMimeData;
    offered->setData(QString::fromLatin1(kNodeClipboardMimeType), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(offered);
}

void NodePanel::pasteFromClipboard() {
    finishRename();
    const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
    const QString type = QString::fromLatin1(kNodeClipboardMimeType);
    if (offered == nullptr || !offered->hasFormat(type)) return;
    const QByteArray bytes = offered->data(type);
    m_editor.pasteNodeBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool NodePanel::event(QEvent* event) {
    // The panel's own copy and paste win over the window's shortcuts on the
    // same keys while the panel has the focus.
    if (event->type() == QEvent::ShortcutOverride && m_renameBox == nullptr) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)) {
            event->accept();
            return true;
        }
    }
    return ListPanel::event(event);
}

}  // namespace fg
