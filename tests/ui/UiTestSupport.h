#pragma once
// A real main window on the offscreen platform, over an editor in a scratch
// FULGRANE3D_HOME, and a way to answer the modal dialogs it opens.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/Editor.h"
#include "app/EditorTestSupport.h"
#include "ui/MainWindow.h"

namespace fg::test {

void cancelModalAnswers();

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor = makeEditor(nullptr);
        window = std::make_unique<MainWindow>(*editor, PanelColours{});
    }
    void TearDown() override {
        cancelModalAnswers();
        window.reset();
        editor.reset();
    }
    // Shown and active, so that window shortcuts apply.
    void showActive() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    ScratchHome home;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<MainWindow> window;
};

// Calls `answer` with the next modal dialog as soon as it is open (the
// caller then opens it and blocks in its event loop).
void answerNextModal(std::function<void(QWidget*)> answer);
// Chooses `path` in an open file dialog and closes it with OK.
void chooseFile(QFileDialog* dialog, const QString& path);
// Drops the answers still waiting for a dialog.
void cancelModalAnswers();

}  // namespace fg::test
