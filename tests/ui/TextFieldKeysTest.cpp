// Text fields keep their editing keys: Ctrl+C/V/X/Z/A edit the text while a
// field has typed text of its own or a selection, even though Ctrl+C, Ctrl+V,
// Ctrl+Y and Ctrl+Z are menu shortcuts (the parameter pages' fields, where
// the menu's keys come back once a value is committed: WindowKeysTest).

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>

#include "UiTestSupport.h"
#include "ui/TabPanel.h"

namespace fg {
namespace {

class TextFieldKeys : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // Where the parameter pages put their fields.
        field = new QLineEdit(window->tabPanel()->pageArea());
        spin = new QSpinBox(window->tabPanel()->pageArea());
        spin->setRange(0, 1000);
        spin->move(0, 40);
        showActive();
    }
    QLineEdit* field = nullptr;
    QSpinBox* spin = nullptr;
};

TEST_F(TextFieldKeys, CopyCutPasteUndoAndSelectAllInALineEdit) {
    QSignalSpy cameraRuns(window->action(Command::CameraSettings), &QAction::triggered);
    QSignalSpy viewRuns(window->action(Command::ViewList), &QAction::triggered);
    QSignalSpy undoRuns(window->action(Command::Undo), &QAction::triggered);
    QSignalSpy saveAsRuns(window->action(Command::SaveAs), &QAction::triggered);
    field->setFocus();
    ASSERT_TRUE(field->hasFocus());
    QTest::keyClicks(field, "flame");

    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(field->selectedText(), QString("flame"));
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString("flame"));
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QString());
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QString("flameflame"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QString("flame"));

    EXPECT_EQ(cameraRuns.count(), 0);
    EXPECT_EQ(viewRuns.count(), 0);
    EXPECT_EQ(undoRuns.count(), 0);
    EXPECT_EQ(saveAsRuns.count(), 0);
}

TEST_F(TextFieldKeys, SpinBoxTextTooAndShortcutsElsewhere) {
    QSignalSpy cameraRuns(window->action(Command::CameraSettings), &QAction::triggered);
    QSignalSpy viewRuns(window->action(Command::ViewList), &QAction::triggered);
    spin->setValue(250);
    spin->setFocus();
    ASSERT_TRUE(spin->hasFocus());
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(spin, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString("250"));
    QTest::keyClicks(spin, "7");
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(spin, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(spin->text(), QString("250"));
    EXPECT_EQ(cameraRuns.count(), 0);
    EXPECT_EQ(viewRuns.count(), 0);

    // Without a text field in focus the same keys run the commands.
    field->clearFocus();
    spin->clearFocus();
    window->setFocus();
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cameraRuns.count(), 1);
    EXPECT_EQ(viewRuns.count(), 1);
}

}  // namespace
}  // namespace fg
