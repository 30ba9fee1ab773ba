// The window's undo, redo and dialog keys around the parameter pages'
// fields, with the live view in the window (run under xvfb-run): once a
// value is committed, stepped by the arrows, or the view or a page's empty
// space is clicked, Ctrl+Z and Ctrl+Y undo and redo the edit, Ctrl+C and
// Ctrl+V open their windows; only typed text of the field's own keeps them.

#include <QAction>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include "PageTestSupport.h"
#include "ui/ViewPanel.h"

namespace fg {
namespace {

// The parameter pages' fields on the real window, with the history's undo.
class PageFieldKeys : public test::PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        choose(Page::Kill);
        span = control<QSpinBox>("m_kill.span");
        before = node().m_kill.span;
    }
    // Clicks a point on the view, as a user does to turn the camera.
    void clickView() {
        QWidget* view = window->viewPanel()->view();
        ASSERT_NE(view, nullptr) << "no OpenGL on this display";
        QTest::mouseClick(view, Qt::LeftButton, {}, view->rect().center());
    }
    QPoint upArrow(QSpinBox* field) {
        QStyleOptionSpinBox option;
        option.initFrom(field);
        option.rect = field->rect();
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame |
                             QStyle::SC_SpinBoxEditField;
        option.frame = field->hasFrame();
        option.buttonSymbols = field->buttonSymbols();
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        return field->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, field).center();
    }
    void undoKey() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier); }

    QSpinBox* span = nullptr;
    std::int32_t before = 0;
};

TEST_F(PageFieldKeys, UndoAfterACommittedValueUndoesTheEdit) {
    typeInto(span, "75");
    QTest::keyClick(span, Qt::Key_Return);
    ASSERT_EQ(node().m_kill.span, 75);
    ASSERT_TRUE(span->hasFocus());
    undoKey();
    EXPECT_EQ(node().m_kill.span, before);
    EXPECT_EQ(control<QSpinBox>("m_kill.span")->text(), QString::number(before));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(node().m_kill.span, 75);
}

TEST_F(PageFieldKeys, UndoAfterAClickInTheViewUndoesTheEdit) {
    typeInto(span, "75");
    clickView();
    EXPECT_FALSE(span->hasFocus());
    EXPECT_EQ(node().m_kill.span, 75);
    undoKey();
    EXPECT_EQ(node().m_kill.span, before);
    EXPECT_EQ(control<QSpinBox>("m_kill.span")->text(), QString::number(before));
}

TEST_F(PageFieldKeys, UndoAfterAnArrowClickUndoesTheStep) {
    QTest::mouseClick(span, Qt::LeftButton, {}, upArrow(span));
    ASSERT_EQ(node().m_kill.span, before + 1);
    ASSERT_TRUE(span->hasFocus());
    undoKey();
    EXPECT_EQ(node().m_kill.span, before);
    EXPECT_EQ(control<QSpinBox>("m_kill.span")->text(), QString::number(before));
}

TEST_F(PageFieldKeys, AClickOnThePageGivesTheShortcutsBack) {
    QSignalSpy cameraRuns(window->action(Command::CameraSettings), &QAction::triggered);
    typeInto(span, "75");
    // Typed text keeps the keys: undo edits the text.
    QTest::keyClick(span, Qt::Key_Backspace);
    undoKey();
    EXPECT_EQ(span->text(), QString("75"));
    // A click on the page's empty space (its margin) commits the field and
    // takes the focus.
    const QPoint empty(page()->width() - 3, 3);
    ASSERT_EQ(page()->childAt(empty), nullptr);
    QTest::mouseClick(page(), Qt::LeftButton, {}, empty);
    EXPECT_FALSE(span->hasFocus());
    undoKey();
    EXPECT_EQ(node().m_kill.span, before);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(cameraRuns.count(), 1);
}

}  // namespace
}  // namespace fg
