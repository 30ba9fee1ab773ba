// The node panel on real widgets: rows, clicks on names and boxes, the
// in-place rename keys, the eight buttons and their no-op cases, keyboard
// selection and scrolling.

#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>

#include "UiTestSupport.h"
#include "app/ChangeSpies.h"
#include "ui/HoverHelp.h"
#include "ui/NodePanel.h"

namespace fg {
namespace {

using test::ScratchHome;
using test::ScriptedPrompts;

class NodePanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel = std::make_unique<NodePanel>(*editor);
        panel->resize(210, 300);
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }
    // The middle of row `row`'s name, or of its visibility box.
    QPoint nameOf(int row) const { return {120, NodePanel::kListTop + row * NodePanel::kRowHeight + 12}; }
    QPoint boxOf(int row) const { return {10, NodePanel::kListTop + row * NodePanel::kRowHeight + 12}; }
    void click(QPoint at) { QTest::mouseClick(panel.get(), Qt::LeftButton, {}, at); }
    void press(int position) { QTest::mouseClick(panel->button(position), Qt::LeftButton); }
    std::int32_t selectedId() { return editor->state().pSelNode()->m_ID; }
    const std::string& nameOfNode(std::int32_t id) { return editor->state().tree.findById(id)->m_name; }

    ScratchHome home;
    ScriptedPrompts prompts;
    std::unique_ptr<Editor> editor = test::makeEditor(&prompts);
    std::unique_ptr<NodePanel> panel;
};

TEST_F(NodePanelTest, ANewProjectShowsOneSelectedTickedRow) {
    ASSERT_EQ(panel->rows().size(), 1u);
    EXPECT_EQ(panel->rows()[0].id, 1);
    EXPECT_EQ(panel->rows()[0].depth, 1);
    EXPECT_EQ(selectedId(), 1);
    const QImage shot = panel->grab().toImage();
    // The selected row is highlighted, and its box is ticked (dark ink in it).
    EXPECT_EQ(shot.pixelColor(150, NodePanel::kListTop + 3), panel->palette().color(QPalette::Highlight));
    EXPECT_LT(shot.pixelColor(11, NodePanel::kListTop + 15).lightness(), 100);
}

TEST_F(NodePanelTest, TheButtonsHaveTheirHelpTexts) {
    QStringList texts;
    for (int i = 0; i < 8; ++i) texts << HoverHelp::helpText(panel->button(i));
    EXPECT_EQ(texts, (QStringList{"下にノードを追加する。", "子ノードを追加する。", "ノードを複製する。",
                                  "ノードを削除する。", "ノードを一つ下に移動。", "ノードを一つ上に移動。",
                                  "ノードを子ノードにする。", "ノードを親ノードにする。"}));
}

TEST_F(NodePanelTest, ClickingANameSelectsAndLeftOfTwentyTogglesOnly) {
    press(0);  // add below: ノード2, selected
    ASSERT_EQ(panel->rows().size(), 2u);
    EXPECT_EQ(selectedId(), 2);
    click(nameOf(0));
    EXPECT_EQ(selectedId(), 1);

    test::PartSpy restarts(*editor, DocumentPart::Preview);
    click(boxOf(1));
    EXPECT_EQ(editor->state().tree.findById(2)->m_isDraw, 0);
    EXPECT_EQ(selectedId(), 1);
    click(boxOf(1));
    EXPECT_EQ(editor->state().tree.findById(2)->m_isDraw, 1);
    EXPECT_EQ(restarts.count(), 0);
    EXPECT_EQ(editor->history().count(), 2);
    // Below the last row there is nothing to hit.
    click(nameOf(5));
    EXPECT_EQ(selectedId(), 1);
}

TEST_F(NodePanelTest, EachButtonRunsItsCommand) {
    press(1);  // add child: ノード2 under ノード1
    press(0);  // add below: ノード3, last sibling of ノード2
    press(2);  // duplicate ノード3: the copy above it
    EXPECT_EQ(nameOfNode(selectedId()), "ノード3のｺﾋﾟｰ");
    press(4);  // move down: below ノード3
    EXPECT_EQ(editor->state().pSelNode()->m_index, 2);
    press(5);  // move up
    EXPECT_EQ(editor->state().pSelNode()->m_index, 1);
    press(6);  // make child of ノード2
    EXPECT_EQ(editor->state().pSelNode()->m_pParent->m_ID, 2);
    press(7);  // make parent again
    EXPECT_EQ(editor->state().pSelNode()->m_pParent->m_ID, 1);
    press(3);  // delete the copy
    EXPECT_EQ(editor->state().tree.findById(1)->childCount(), 2);
    EXPECT_EQ(editor->history().count(), 9);
    ASSERT_EQ(panel->rows().size(), 3u);
    EXPECT_EQ(panel->rows()[2].depth, 2);
    EXPECT_EQ(panel->rows()[2].previousSiblingRow, 1);
}

TEST_F(NodePanelTest, MovesThatDoNotApplyNeitherRestartNorRecord) {
    test::PartSpy restarts(*editor, DocumentPart::Preview);
    for (int position = 4; position < 8; ++position) press(position);
    EXPECT_EQ(restarts.count(), 0);
    EXPECT_EQ(editor->history().count(), 1);
    press(3);  // the only top-level node cannot go
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"error このノードは削除できません"}));
    EXPECT_EQ(panel->rows().size(), 1u);
    EXPECT_EQ(restarts.count(), 0);
}

TEST_F(NodePanelTest, EnterCommitsTheRenameAndEscKeepsTheOldName) {
    click(nameOf(0));  // the selected row: the box opens
    QLineEdit* box = panel->renameBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString("ノード1"));
    box->setText(QStringLiteral("煙"));
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(panel->renameBox(), nullptr);
    EXPECT_EQ(nameOfNode(1), "ノード1");
    EXPECT_EQ(editor->history().count(), 1);

    QTest::keyClick(panel.get(), Qt::Key_F2);
    box = panel->renameBox();
    ASSERT_NE(box, nullptr);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    box->insert(QStringLiteral("煙の柱"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(panel->renameBox(), nullptr);
    EXPECT_EQ(nameOfNode(1), "煙の柱");
    EXPECT_EQ(editor->history().entry(1).label.sourceText(), "ノード名＜煙の柱＞に変更");

    // The same name again records nothing.
    QTest::keyClick(panel.get(), Qt::Key_F2);
    QTest::keyClick(panel->renameBox(), Qt::Key_Enter);
    EXPECT_EQ(editor->history().count(), 2);
}

TEST_F(NodePanelTest, ClickingAnotherRowCommitsTheNameAndSelectsThatRow) {
    press(0);
    click(nameOf(1));
    ASSERT_NE(panel->renameBox(), nullptr);
    panel->renameBox()->setText(QStringLiteral("火花"));
    click(nameOf(0));
    EXPECT_EQ(nameOfNode(2), "火花");
    EXPECT_EQ(selectedId(), 1);
    EXPECT_EQ(panel->renameBox(), nullptr);
}

TEST_F(NodePanelTest, LosingTheFocusCommitsTheName) {
    QLineEdit other;
    other.show();
    QTest::keyClick(panel.get(), Qt::Key_F2);
    ASSERT_NE(panel->renameBox(), nullptr);
    panel->renameBox()->setText(QStringLiteral("emitter"));
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(panel->renameBox(), &out);
    EXPECT_EQ(nameOfNode(1), "emitter");
    EXPECT_EQ(panel->renameBox(), nullptr);
}

TEST_F(NodePanelTest, ABoxLeftOpenOverANodeThatIsNoLongerSelectedRenamesNothing) {
    press(0);  // ノード2, selected
    QTest::keyClick(panel.get(), Qt::Key_F2);
    ASSERT_NE(panel->renameBox(), nullptr);
    panel->renameBox()->setText(QStringLiteral("lost"));
    editor->undo();  // ノード2 goes; ノード1 is selected
    EXPECT_EQ(panel->renameBox(), nullptr);
    EXPECT_EQ(nameOfNode(1), "ノード1");
    EXPECT_EQ(editor->history().count(), 2);
}

TEST_F(NodePanelTest, ArrowsMoveTheSelectionAndDeleteDeletes) {
    press(1);
    press(1);
    press(0);  // ノード1 [ノード2 [ノード3, ノード4]]
    panel->setFocus();
    QTest::keyClick(panel.get(), Qt::Key_Up);
    EXPECT_EQ(selectedId(), 3);
    QTest::keyClick(panel.get(), Qt::Key_Up);
    QTest::keyClick(panel.get(), Qt::Key_Up);
    QTest::keyClick(panel.get(), Qt::Key_Up);
    EXPECT_EQ(selectedId(), 1);
    QTest::keyClick(panel.get(), Qt::Key_Down);
    EXPECT_EQ(selectedId(), 2);
    QTest::keyClick(panel.get(), Qt::Key_Delete);
    EXPECT_EQ(panel->rows().size(), 1u);
    EXPECT_EQ(selectedId(), 1);
    EXPECT_EQ(editor->history().entry(editor->history().index()).label.sourceText(), "＜ノード2＞を削除");
}

TEST_F(NodePanelTest, ATallTreeScrollsToTheSelectedRow) {
    for (int i = 0; i < 8; ++i) press(0);
    for (int i = 0; i < 8; ++i) press(1);  // 9 top-level nodes and a chain of 8 below the last
    ASSERT_EQ(panel->rows().size(), 17u);
    QScrollBar* bar = panel->scrollBar();
    EXPECT_EQ(bar->maximum(), 17 * NodePanel::kRowHeight - (300 - NodePanel::kListTop));
    EXPECT_EQ(bar->value(), bar->maximum());  // the new deepest node is in view
    bar->setValue(0);
    click(nameOf(2));
    EXPECT_EQ(selectedId(), 3);
    bar->setValue(2 * NodePanel::kRowHeight);
    click(nameOf(0));
    EXPECT_EQ(selectedId(), 3);  // row 2 now sits at the top
}

TEST_F(NodePanelTest, ATenthChildIsRefusedWithItsMessage) {
    for (int i = 0; i < 8; ++i) press(0);
    press(0);
    EXPECT_EQ(prompts.asked,
              (std::vector<std::string>{"error これ以上ノードを追加できません。\n一つのノードに置ける子ノードは9個までです。"}));
    EXPECT_EQ(panel->rows().size(), 9u);
}

}  // namespace
}  // namespace fg
