// The node panel's context menu, drag and drop and clipboard keys on the
// real panel: the menu's items run the tree commands and are disabled where
// they cannot apply, a drag onto a row or between rows moves the node as
// one history entry, and Ctrl+C / Ctrl+V carry a subtree to another editor.

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include "UiTestSupport.h"
#include "persistence/NodeClipboard.h"
#include "ui/NodePanel.h"

namespace fg {
namespace {

using test::ScratchHome;
using test::ScriptedPrompts;

class NodePanelGestures : public ::testing::Test {
protected:
    void SetUp() override {
        panel = std::make_unique<NodePanel>(*editor);
        panel->resize(210, 400);
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }
    void TearDown() override {
        if (QMenu* menu = panel->contextMenu()) menu->close();
    }
    // Panel points: the middle of row `row`'s name, and its top and bottom edges.
    QPoint nameOf(int row) const { return {120, NodePanel::kListTop + row * NodePanel::kRowHeight + 12}; }
    QPoint topOf(int row) const { return {120, NodePanel::kListTop + row * NodePanel::kRowHeight + 2}; }
    QPoint bottomOf(int row) const { return {120, NodePanel::kListTop + row * NodePanel::kRowHeight + 23}; }
    std::int32_t selectedId() { return editor->state().pSelNode()->m_ID; }
    std::vector<std::int32_t> rowIds() {
        std::vector<std::int32_t> ids;
        for (const NodePanel::Row& row : panel->rows()) ids.push_back(row.id);
        return ids;
    }
    // A right click on a row, as the window system delivers it: the press, then the menu event.
    QMenu* rightClick(int row) {
        QTest::mousePress(panel.get(), Qt::RightButton, {}, nameOf(row));
        QContextMenuEvent event(QContextMenuEvent::Mouse, nameOf(row), panel->mapToGlobal(nameOf(row)));
        QApplication::sendEvent(panel.get(), &event);
        QTest::mouseRelease(panel.get(), Qt::RightButton, {}, nameOf(row));
        return panel->contextMenu();
    }
    QAction* item(QMenu* menu, const char* name) { return menu->findChild<QAction*>(QString::fromLatin1(name)); }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(panel.get(), Qt::LeftButton, {}, from);
        QTest::mouseMove(panel.get(), from + QPoint(0, 3));
        QTest::mouseMove(panel.get(), (from + to) / 2);
        QTest::mouseMove(panel.get(), to);
        QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, to);
    }

    ScratchHome home;
    ScriptedPrompts prompts;
    std::unique_ptr<Editor> editor = test::makeEditor(&prompts);
    std::unique_ptr<NodePanel> panel;
};

TEST_F(NodePanelGestures, TheContextMenuRunsTheTreeCommandsOnTheClickedRow) {
    ASSERT_TRUE(editor->addBelow().done());  // ノード1, ノード2 (selected)
    QMenu* menu = rightClick(0);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(selectedId(), 1);
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) texts << action->text();
    }
    EXPECT_EQ(texts, (QStringList{"子ノードを追加", "下にノードを追加", "複製", "削除", "名前の変更", "上へ", "下へ",
                                  "コピー", "貼り付け"}));
    // The first of two: up cannot apply, down can.
    EXPECT_FALSE(item(menu, "moveUp")->isEnabled());
    EXPECT_TRUE(item(menu, "moveDown")->isEnabled());
    item(menu, "addChild")->trigger();
    EXPECT_EQ(rowIds(), (std::vector<std::int32_t>{1, 3, 2}));
    EXPECT_EQ(selectedId(), 3);

    menu = rightClick(2);
    item(menu, "moveUp")->trigger();
    EXPECT_EQ(rowIds(), (std::vector<std::int32_t>{2, 1, 3}));
    menu = rightClick(0);
    item(menu, "duplicate")->trigger();
    EXPECT_EQ(editor->state().tree.root().childCount(), 3);
    menu = rightClick(0);
    item(menu, "delete")->trigger();
    EXPECT_EQ(editor->state().tree.root().childCount(), 2);
    menu = rightClick(0);
    item(menu, "addBelow")->trigger();
    EXPECT_EQ(editor->state().tree.root().childCount(), 3);
    menu = rightClick(0);
    item(menu, "rename")->trigger();
    ASSERT_NE(panel->renameBox(), nullptr);
    panel->renameBox()->setText(QStringLiteral("煙"));
    QTest::keyClick(panel->renameBox(), Qt::Key_Return);
    EXPECT_EQ(editor->state().tree.root().childAt(0)->m_name, "煙");
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(NodePanelGestures, TheMenuKeysOpenItForTheSelectedNodeAndRefusalsKeepTheirMessages) {
    panel->setFocus();
    QTest::keyClick(panel.get(), Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = panel->contextMenu();
    ASSERT_NE(menu, nullptr);
    // The only node: no move applies, delete is refused with its message.
    EXPECT_FALSE(item(menu, "moveUp")->isEnabled());
    EXPECT_FALSE(item(menu, "moveDown")->isEnabled());
    ASSERT_TRUE(item(menu, "delete")->isEnabled());
    item(menu, "delete")->trigger();
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"error このノードは削除できません"}));
    menu->close();
    QTest::keyClick(panel.get(), Qt::Key_Menu);
    EXPECT_NE(panel->contextMenu(), nullptr);
}

TEST_F(NodePanelGestures, DraggingOntoARowReparentsAndBetweenRowsReordersThenUndo) {
    ASSERT_TRUE(editor->addBelow().done());
    ASSERT_TRUE(editor->addBelow().done());  // ノード1, ノード2, ノード3
    const int entries = editor->history().count();

    // ノード3 onto ノード1: its last child.
    drag(nameOf(2), nameOf(0));
    EXPECT_EQ(rowIds(), (std::vector<std::int32_t>{1, 3, 2}));
    EXPECT_EQ(editor->state().tree.findById(3)->m_pParent->m_ID, 1);
    EXPECT_FALSE(panel->dragging());
    // ノード2 (row 2) into the gap above ノード1: first at the top.
    drag(nameOf(2), topOf(0));
    EXPECT_EQ(rowIds(), (std::vector<std::int32_t>{2, 1, 3}));
    ASSERT_EQ(editor->history().count(), entries + 2);
    EXPECT_EQ(editor->history().entry(entries).label.sourceText(), "ノード3-ノードの移動");
    EXPECT_EQ(editor->history().entry(entries + 1).label.sourceText(), "ノード2-ノードの移動");
    EXPECT_EQ(panel->renameBox(), nullptr);

    // Onto its own child: nothing.
    drag(nameOf(1), nameOf(2));
    EXPECT_EQ(editor->history().count(), entries + 2);

    editor->undo();
    EXPECT_EQ(rowIds(), (std::vector<std::int32_t>{1, 3, 2}));
    editor->undo();
    EXPECT_EQ(rowIds(), (std::vector<std::int32_t>{1, 2, 3}));
}

TEST_F(NodePanelGestures, TheDropTargetFollowsTheMouseAndIsDrawn) {
    ASSERT_TRUE(editor->addBelow().done());
    ASSERT_TRUE(editor->addChild().done());  // ノード1, ノード2 [ノード3]
    editor->selectNode(1);
    EXPECT_EQ(panel->dropTargetAt(1, nameOf(1)).kind, NodePanel::DropKind::Onto);
    const NodePanel::DropTarget below = panel->dropTargetAt(1, bottomOf(1));
    // The gap under a node with children is the top of its children.
    EXPECT_EQ(below.kind, NodePanel::DropKind::Below);
    EXPECT_EQ(below.parentId, 2);
    EXPECT_EQ(below.position, 0);
    EXPECT_EQ(panel->dropTargetAt(1, nameOf(0)).kind, NodePanel::DropKind::None);  // onto itself
    EXPECT_EQ(panel->dropTargetAt(1, topOf(1)).kind, NodePanel::DropKind::None);   // where it is

    const QImage before = panel->grab().toImage();
    QTest::mousePress(panel.get(), Qt::LeftButton, {}, nameOf(0));
    QTest::mouseMove(panel.get(), nameOf(0) + QPoint(0, 5));
    QTest::mouseMove(panel.get(), nameOf(2));
    ASSERT_TRUE(panel->dragging());
    const QImage during = panel->grab().toImage();
    // The outline of the target row is drawn at its left edge.
    const int y = NodePanel::kListTop + 2 * NodePanel::kRowHeight + 12;
    EXPECT_NE(during.pixelColor(1, y), before.pixelColor(1, y));
    QTest::keyClick(panel.get(), Qt::Key_Escape);  // the drag ends without a move
    QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, nameOf(2));
    EXPECT_EQ(editor->state().tree.findById(1)->m_pParent->m_ID, 0);
}

TEST_F(NodePanelGestures, CtrlCAndCtrlVCarryASubtreeThroughTheSystemClipboard) {
    ASSERT_TRUE(editor->addChild().done());
    ASSERT_TRUE(editor->renameSelected("火花"));
    editor->selectNode(1);
    panel->setFocus();
    QTest::keyClick(panel.get(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(offered, nullptr);
    ASSERT_TRUE(offered->hasFormat(kNodeClipboardMimeType));

    // Another editor with its own panel pastes it below its selected node.
    ScriptedPrompts otherPrompts;
    std::unique_ptr<Editor> other = test::makeEditor(&otherPrompts);
    NodePanel otherPanel(*other);
    otherPanel.resize(210, 300);
    otherPanel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&otherPanel));
    otherPanel.setFocus();
    QTest::keyClick(&otherPanel, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(otherPanel.rows().size(), 3u);
    const Node& pasted = *other->state().tree.root().childAt(1);
    EXPECT_EQ(pasted.m_name, "ノード1");
    ASSERT_EQ(pasted.childCount(), 1);
    EXPECT_EQ(pasted.childAt(0)->m_name, "火花");
    EXPECT_EQ(other->history().count(), 2);

    // Bytes that are not ours under our type: a message, nothing pasted.
    auto* junk = new QMimeData;
    junk->setData(kNodeClipboardMimeType, QByteArray("junk"));
    QGuiApplication::clipboard()->setMimeData(junk);
    QTest::keyClick(&otherPanel, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(otherPrompts.asked, (std::vector<std::string>{"error クリップボードのノードを読み込めませんでした。"}));
    EXPECT_EQ(otherPanel.rows().size(), 3u);
}

}  // namespace
}  // namespace fg
