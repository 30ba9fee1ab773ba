// The history list window and the undo/redo commands of the main window.

#include <QAction>
#include <QApplication>
#include <QScrollBar>

#include "UiTestSupport.h"
#include "model/NodeFields.h"
#include "ui/HistoryWindow.h"
#include "ui/MaterialPanel.h"
#include "ui/NodePanel.h"
#include "ui/ShellLayout.h"
#include "ui/ToolbarStrip.h"

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

    // Clicks land on the list at window points.
    QWidget* rows = list->listView()->viewport();
    const auto at = [&](int y) { return rows->mapFrom(list, QPoint(50, y)); };
    // The top of row 0's highlight (y = 25·0 − 5 … 19) picks row 0.
    QTest::mouseClick(rows, Qt::LeftButton, {}, at(2));
    EXPECT_EQ(editor->history().index(), 0);
    EXPECT_EQ(editor->state().pRoot()->childAt(0)->childCount(), 0);
    // Row 2 spans y = 45 … 69.
    QTest::mouseClick(rows, Qt::LeftButton, {}, at(46));
    EXPECT_EQ(editor->history().index(), 2);
    EXPECT_EQ(editor->state().pSelNode()->m_name, "火花");
    QTest::mouseClick(rows, Qt::LeftButton, {}, at(44));
    EXPECT_EQ(editor->history().index(), 1);
    EXPECT_EQ(editor->state().pSelNode()->m_name, "ノード2");
    // Past the last row nothing happens.
    QTest::mouseClick(rows, Qt::LeftButton, {}, at(150));
    EXPECT_EQ(editor->history().index(), 1);

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

TEST_F(WindowTest, UndoAndRedoAreEnabledOnlyWithAStepAndNameTheirEntry) {
    QAction* undo = window->action(Command::Undo);
    QAction* redo = window->action(Command::Redo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->text(), QString("元に戻す(&U)"));
    EXPECT_EQ(redo->text(), QString("やりなおし(&R)"));

    ASSERT_TRUE(editor->renameSelected("炎"));
    editor->editInt(*findNodeField("m_scale.max"), 20);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->text(), QString("元に戻す: 炎-サイズ"));
    EXPECT_EQ(redo->text(), QString("やりなおし(&R)"));

    undo->trigger();
    EXPECT_EQ(undo->text(), QString("元に戻す: ノード名＜炎＞に変更"));
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_EQ(redo->text(), QString("やり直し: 炎-サイズ"));
    undo->trigger();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QString("元に戻す(&U)"));
    // A disabled command does nothing, from the menu or its shortcut.
    undo->trigger();
    EXPECT_EQ(editor->history().index(), 0);
    // Shortcuts and help texts stay as they are.
    EXPECT_EQ(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    EXPECT_EQ(undo->statusTip(), QString("元に戻す。"));
    EXPECT_EQ(redo->statusTip(), QString("やりなおし。"));

    // A name holding '&' is shown as it is, not as a mnemonic.
    redo->trigger();
    ASSERT_TRUE(editor->renameSelected("R&D"));
    EXPECT_EQ(undo->text(), QString("元に戻す: ノード名＜R&&D＞に変更"));
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(WindowTest, TheToolbarsUndoAndRedoFollowTheirCommands) {
    ToolbarButton* undo = window->toolbar()->button(Command::Undo);
    ToolbarButton* redo = window->toolbar()->button(Command::Redo);
    ASSERT_NE(undo, nullptr);
    ASSERT_NE(redo, nullptr);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // Nothing to undo: dimmed, and a click does nothing.
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->toolTip(), QString("元に戻す (Ctrl+Z)"));
    const QImage dimmed = undo->grab().toImage();

    editor->editInt(*findNodeField("m_scale.max"), 20);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->toolTip(), QString("元に戻す: ノード1-サイズ (Ctrl+Z)"));
    EXPECT_NE(undo->grab().toImage(), dimmed);

    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(editor->history().index(), 0);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_EQ(redo->toolTip(), QString("やり直し: ノード1-サイズ (Ctrl+Y)"));
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(editor->history().index(), 0);
    QTest::mouseClick(redo, Qt::LeftButton);
    EXPECT_EQ(editor->history().index(), 1);
}

TEST_F(WindowTest, UndoingToTheSavedRowTakesTheMarkOffTheTitle) {
    editor->editInt(*findNodeField("m_kill.span"), 70);
    ASSERT_TRUE(editor->document().saveTo(home.file("saved.nbx")));
    editor->editInt(*findNodeField("m_scale.max"), 20);
    EXPECT_TRUE(window->windowTitle().contains(QLatin1Char('*')));
    window->action(Command::Undo)->trigger();
    EXPECT_FALSE(window->windowTitle().contains(QLatin1Char('*')));
    window->action(Command::Undo)->trigger();
    EXPECT_TRUE(window->windowTitle().contains(QLatin1Char('*')));
}

TEST_F(WindowTest, TheHistoryListJumpsWithTheKeyboard) {
    for (int v = 0; v < 4; ++v) editor->editInt(*findNodeField(v % 2 == 0 ? "m_kill.span" : "m_scale.max"), 100 + v);
    window->showHistoryList();
    HistoryWindow* list = window->historyWindow();
    HistoryListView* rows = list->listView();
    EXPECT_EQ(rows->currentIndex().row(), 4);
    QTest::keyClick(rows, Qt::Key_Up);
    EXPECT_EQ(editor->history().index(), 3);
    EXPECT_EQ(rows->currentIndex().row(), 3);
    QTest::keyClick(rows, Qt::Key_Up);
    QTest::keyClick(rows, Qt::Key_Down);
    EXPECT_EQ(editor->history().index(), 3);
    // Home moves the cursor; Enter jumps there.
    QTest::keyClick(rows, Qt::Key_Home);
    EXPECT_EQ(editor->history().index(), 3);
    QTest::keyClick(rows, Qt::Key_Return);
    EXPECT_EQ(editor->history().index(), 0);
    EXPECT_EQ(editor->state().pSelNode()->m_kill.span, 60);
    QTest::keyClick(rows, Qt::Key_End);
    QTest::keyClick(rows, Qt::Key_Enter);
    EXPECT_EQ(editor->history().index(), 4);
    // At either end a step goes nowhere.
    QTest::keyClick(rows, Qt::Key_Down);
    EXPECT_EQ(editor->history().index(), 4);
    // The rows read as their labels (for screen readers too).
    const QModelIndex last = rows->model()->index(4, 0);
    EXPECT_EQ(last.data(Qt::DisplayRole).toString(), QString("ノード1-サイズ"));
    EXPECT_EQ(last.data(Qt::AccessibleTextRole).toString(), QString("ノード1-サイズ"));
}

}  // namespace
}  // namespace fg
