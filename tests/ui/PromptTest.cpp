// The unsaved-changes question, the file dialogs and dropped files, with the
// window's real message boxes and dialogs answered as a user would.

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QSignalSpy>
#include <QUrl>

#include "UiTestSupport.h"
#include "persistence/FileBytes.h"
#include "ui/DialogPrompts.h"
#include "ui/ViewPanel.h"

namespace fg {
namespace {

using test::WindowTest;

// Answers the unsaved-changes box with `button`, remembering what it said.
struct SaveQuestion {
    QString text;
    QString caption;
    QMessageBox::StandardButtons buttons;

    void answerWith(QMessageBox::StandardButton button) {
        test::answerNextModal([this, button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            text = box->text();
            caption = box->windowTitle();
            buttons = box->standardButtons();
            box->button(button)->click();
        });
    }
};

TEST_F(WindowTest, NewAsksAboutUnsavedChangesWithTheWindowsBox) {
    editor->setModified(true);
    QSignalSpy relaunches(editor.get(), &Editor::relaunchRequested);

    SaveQuestion question;
    question.answerWith(QMessageBox::Cancel);
    window->action(Command::New)->trigger();
    EXPECT_EQ(question.text, QString("データが変更されています。\n保存しますか？"));
    EXPECT_EQ(question.caption, QString("Fulgrane3D"));
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(relaunches.count(), 0);

    question.answerWith(QMessageBox::No);
    window->action(Command::New)->trigger();
    ASSERT_EQ(relaunches.count(), 1);
    EXPECT_EQ(relaunches.at(0).at(0).toString(), QString());
}

TEST_F(WindowTest, YesWithACancelledSaveDialogKeepsTheWindow) {
    editor->setModified(true);
    QSignalSpy relaunches(editor.get(), &Editor::relaunchRequested);
    bool sawSaveDialog = false;
    test::answerNextModal([&](QWidget* modal) {
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
        test::answerNextModal([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            sawSaveDialog = files->acceptMode() == QFileDialog::AcceptSave;
            files->reject();
        });
    });
    window->action(Command::New)->trigger();
    EXPECT_TRUE(sawSaveDialog);
    EXPECT_EQ(relaunches.count(), 0);
    EXPECT_TRUE(editor->isModified());
}

TEST_F(WindowTest, YesSavesThroughTheSaveDialogThenGoesOn) {
    editor->setModified(true);
    QSignalSpy relaunches(editor.get(), &Editor::relaunchRequested);
    const QString target = QString::fromStdString(home.file("saved.nbx"));
    test::answerNextModal([&](QWidget* modal) {
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
        test::answerNextModal([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            test::chooseFile(files, target);
        });
    });
    window->action(Command::New)->trigger();
    EXPECT_TRUE(std::filesystem::is_regular_file(target.toStdString()));
    EXPECT_EQ(relaunches.count(), 1);
    EXPECT_EQ(window->windowTitle(), QString("saved.nbx - Fulgrane3D"));
}

TEST_F(WindowTest, ClosingAsksAndCancelKeepsTheWindowOpen) {
    showActive();
    editor->startWorker();
    editor->setModified(true);
    SaveQuestion question;
    question.answerWith(QMessageBox::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(editor->workerRunning());

    question.answerWith(QMessageBox::No);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(editor->workerRunning());
    EXPECT_EQ(question.text, QString("データが変更されています。\n保存しますか？"));
}

// While the unsaved-changes question is open (its own event loop runs),
// a command that would ask again, leave or close does nothing: one question
// at a time, and its answer decides.
TEST_F(WindowTest, WhileAQuestionIsOpenNoSecondOneOpens) {
    showActive();
    window->showHistoryList();
    editor->setModified(true);
    QSignalSpy relaunches(editor.get(), &Editor::relaunchRequested);
    QPointer<QWidget> first;
    int seconds = 0;
    // Any further question or file dialog is counted and cancelled.
    QTimer sweeper;
    sweeper.setInterval(10);
    QObject::connect(&sweeper, &QTimer::timeout, [&] {
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (shown == first.data() || !shown->isVisible()) continue;
            if (qobject_cast<QMessageBox*>(shown) == nullptr && qobject_cast<QFileDialog*>(shown) == nullptr) continue;
            ++seconds;
            static_cast<QDialog*>(shown)->reject();
        }
    });
    bool stillOpen = false;
    test::answerNextModal([&](QWidget* modal) {
        first = modal;
        sweeper.start();
        window->action(Command::Exit)->trigger();
        window->close();
        window->action(Command::New)->trigger();
        window->action(Command::Open)->trigger();
        window->action(Command::SaveAs)->trigger();
        QTest::qWait(50);
        stillOpen = modal->isVisible();
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Cancel)->click();
    });
    window->action(Command::Exit)->trigger();
    sweeper.stop();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(seconds, 0);
    EXPECT_EQ(relaunches.count(), 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(editor->isModified());

    // Answered, the commands ask again.
    SaveQuestion question;
    question.answerWith(QMessageBox::Cancel);
    window->action(Command::New)->trigger();
    EXPECT_EQ(question.text, QString("データが変更されています。\n保存しますか？"));
}

// The window manager's close button pressed again while the question of a
// close is open: the question stays and decides; the window stays.
TEST_F(WindowTest, ASecondCloseFromTheWindowSystemWaitsForTheQuestion) {
    showActive();
    editor->setModified(true);
    bool stillShown = false;
    bool accepted = true;
    test::answerNextModal([&](QWidget* modal) {
        QCloseEvent request;  // as the window system delivers it
        QApplication::sendEvent(window->windowHandle(), &request);
        accepted = request.isAccepted();
        QTest::qWait(50);
        stillShown = window->isVisible() && modal->isVisible();
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(stillShown);
    EXPECT_FALSE(accepted);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(editor->isModified());
}

TEST_F(WindowTest, ClosingWithoutChangesAsksNothing) {
    showActive();
    bool asked = false;
    test::answerNextModal([&](QWidget* modal) {
        asked = true;
        modal->close();
    });
    EXPECT_TRUE(window->close());
    QTest::qWait(50);
    EXPECT_FALSE(asked);
}

TEST_F(WindowTest, OpenChoosesAFileAndAsksForAFreshInstance) {
    QSignalSpy relaunches(editor.get(), &Editor::relaunchRequested);
    const QString project = QString::fromStdString(home.file("existing.nbx"));
    ASSERT_TRUE(editor->document().saveTo(project.toStdString()));
    test::answerNextModal([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        test::chooseFile(files, project);
    });
    window->action(Command::Open)->trigger();
    ASSERT_EQ(relaunches.count(), 1);
    EXPECT_EQ(relaunches.at(0).at(0).toString(), project);
}

TEST_F(WindowTest, TheFileDialogsAsTheEditorShowsThem) {
    DialogPrompts prompts(window.get(), [this] { return QString::fromStdString(home.path().string()); });
    const std::unique_ptr<QFileDialog> save = prompts.makeSaveDialog();
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save->nameFilters(), QStringList{"Fulgrane3Dデータ(*.nbx)"});
    EXPECT_EQ(save->defaultSuffix(), QString("nbx"));
    EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(save->directory().absolutePath(), QString::fromStdString(home.path().string()));
    ASSERT_EQ(save->selectedFiles().size(), 1);
    EXPECT_TRUE(save->selectedFiles().front().endsWith(QString("/無題.nbx")));

    const std::unique_ptr<QFileDialog> open = prompts.makeOpenDialog();
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(open->nameFilters(), QStringList{"Fulgrane3Dデータ(*.nbx)"});
}

TEST_F(WindowTest, AFailedOpenShowsTheMessageWithItsCaption) {
    ASSERT_TRUE(writeFileBytes(home.file("broken.nbx"), "something else"));
    QString text;
    QString caption;
    test::answerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        caption = box->windowTitle();
        box->accept();
    });
    EXPECT_FALSE(editor->document().openInPlace(home.file("broken.nbx")));
    EXPECT_EQ(text, QString("対応していないファイルか、ファイルが壊れている可能性があります。"));
    EXPECT_EQ(caption, QString("Fulgrane3D"));
}

TEST_F(WindowTest, AFailedSaveSaysWhy) {
    // The project's name leads to a device that is always full.
    const std::filesystem::path full = home.path() / "full.nbx";
    std::filesystem::create_symlink("/dev/full", full);
    QString text;
    test::answerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        box->accept();
    });
    EXPECT_FALSE(editor->document().saveTo(full.string()));
    EXPECT_EQ(text, QString::fromStdString("「" + full.string() + "」に保存できませんでした。\nディスクの空き容量が足りません。"));
}

TEST_F(WindowTest, FilesDroppedOnTheViewAreOpenedByAFreshInstance) {
    QSignalSpy relaunches(editor.get(), &Editor::relaunchRequested);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/drop/first.nbx"), QUrl::fromLocalFile("/drop/second.nbx")});
    ViewPanel* view = window->viewPanel();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &drop);
    ASSERT_EQ(relaunches.count(), 1);
    EXPECT_EQ(relaunches.at(0).at(0).toString(), QString("/drop/first.nbx"));

    // Text that is not a file is refused.
    QMimeData text;
    text.setText("hello");
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(view, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

}  // namespace
}  // namespace fg
