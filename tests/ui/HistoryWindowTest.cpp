// The history list window and the undo/redo commands of the main window.

#include <QAction>
#include <QScrollBar>

#include "UiTestSupport.h"
#include "model/NodeFields.h"
#include "ui/HistoryWindow.h"
#include "ui/MaterialPanel.h"
#include "ui/NodePanel.h"
#include "ui/ShellLayout.h"

namespace fg {
namespace {

using test::WindowTest;

TEST_F(WindowTest, TheNodeAndMaterialPanelsFillTheirPlaces) {
    ASSERT_NE(window->nodePanel(), nullptr);
    ASSERT_NE(window->materialPanel(), nullptr);
    EXPECT_EQ(window->shell()->nodePanel(), window->nodePanel());
    EXPECT_EQ(window->nodePanel()->rows().size(), 1u);
}

TEST_F(WindowTest, UndoAndRedoShortcutsStepThroughTheHistory) {
    showActive();
    ASSERT_TRUE(editor->addChild().done());
    ASSERT_EQ(editor->state().pRoot()->childAt(0)->childCount(), 1);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor->state().pRoot()->childAt(0)->childCount(), 0);
    EXPECT_EQ(window->nodePanel()->rows().size(), 1u);
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(editor->state().pRoot()->childAt(0)->childCount(), 1);
    EXPECT_EQ(window->nodePanel()->rows().size(), 2u);
}

TEST_F(WindowTest, TheHistoryListOpensOnceAndJumpsOnAClick) {
    showActive();
    ASSERT_TRUE(editor->addChild().done());
    ASSERT_TRUE(editor->renameSelected("火花"));
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    HistoryWindow* list = window->historyWindow();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), QString("履歴リスト"));
    EXPECT_EQ(list->minimumSize(), QSize(200, 200));
    EXPECT_EQ(list->maximumSize(), QSize(999, 999));
    window->action(Command::HistoryList)->trigger();
    EXPECT_EQ(window->historyWindow(), list);
    EXPECT_EQ(window->findChildren<HistoryWindow*>().size(), 1);

    // The top of row 0's highlight (y = 25·0 − 5 … 19) picks row 0.
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(50, 2));
    EXPECT_EQ(editor->history().current(), 0);
    EXPECT_EQ(editor->state().pRoot()->childAt(0)->childCount(), 0);
    // Row 2 spans y = 45 … 69.
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(50, 46));
    EXPECT_EQ(editor->history().current(), 2);
    EXPECT_EQ(editor->state().pSelNode()->m_name, "火花");
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(50, 44));
    EXPECT_EQ(editor->history().current(), 1);
    EXPECT_EQ(editor->state().pSelNode()->m_name, "ノード2");
    // Past the last row nothing happens.
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(50, 150));
    EXPECT_EQ(editor->history().current(), 1);

    list->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->historyWindow(), nullptr);
}

TEST_F(WindowTest, TheHistoryListShowsTheCurrentRowAndFollowsNewEntries) {
    window->showHistoryList();
    HistoryWindow* list = window->historyWindow();
    list->resize(240, 200);
    const NodeField& span = *findNodeField("m_kill.span");
    const NodeField& size = *findNodeField("m_scale.max");
    for (int i = 0; i < 30; ++i) editor->editInt(i % 2 == 0 ? span : size, 100 + i);
    ASSERT_EQ(editor->history().count(), 31);
    QScrollBar* bar = list->scrollBar();
    EXPECT_EQ(bar->maximum(), 31 * HistoryWindow::kRowHeight - (200 - 30));
    // The current (last) row is in view and highlighted.
    const int y = 30 * HistoryWindow::kRowHeight - bar->value();
    EXPECT_GE(y - 5, 0);
    EXPECT_LE(y + 20, 200);
    const QImage shot = list->grab().toImage();
    EXPECT_EQ(shot.pixelColor(200, y + 3), list->palette().color(QPalette::Highlight));

    editor->undo();
    const QImage after = list->grab().toImage();
    const int undone = 30 * HistoryWindow::kRowHeight - bar->value();
    EXPECT_NE(after.pixelColor(200, undone + 3), list->palette().color(QPalette::Highlight));
}

}  // namespace
}  // namespace fg
