// The node clipboard on a real display (run under xvfb-run with the xcb
// platform): a subtree copied in one editor process is pasted in another
// through the X clipboard, materials included; in the main window the node
// panel's Ctrl+C and Ctrl+V copy and paste instead of opening the camera
// settings and the view list.

#include <QAction>
#include <QClipboard>
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <filesystem>
#include <fstream>

#include "UiTestSupport.h"
#include "model/NodeFields.h"
#include "persistence/NodeClipboard.h"
#include "ui/Commands.h"
#include "ui/NodePanel.h"

namespace fg {
namespace {

namespace fs = std::filesystem;
using test::ScratchHome;
using test::ScriptedPrompts;

// Set in the copying process: the folder where it signals readiness and is told to end.
constexpr const char* kChildFolder = "FG_NODE_CLIPBOARD_CHILD";

bool waitForFile(const fs::path& file, int milliseconds) {
    return QTest::qWaitFor([&] { return fs::exists(file); }, milliseconds);
}

// The copying editor: only runs inside the child process the paste test starts.
TEST(NodeClipboardCopyingProcess, CopiesAndServesTheClipboard) {
    const char* folder = std::getenv(kChildFolder);
    if (folder == nullptr) GTEST_SKIP() << "started by the pasting test only";
    ScratchHome home;
    ScriptedPrompts prompts;
    std::unique_ptr<Editor> editor = test::makeEditor(&prompts);
    QImage red(8, 8, QImage::Format_ARGB32);
    red.fill(QColor(255, 0, 0));
    ASSERT_TRUE(red.save(QString::fromStdString(home.file("ember.png"))));
    ASSERT_EQ(editor->materials().importFiles({home.file("ember.png")}), 1);
    ASSERT_TRUE(editor->addChild().done());
    editor->editInt(*findNodeField("m_texture.ID"), 0);
    ASSERT_TRUE(editor->renameSelected("火花"));
    editor->selectNode(1);
    NodePanel panel(*editor);
    panel.resize(210, 300);
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    panel.setFocus();
    QTest::keyClick(&panel, Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(kNodeClipboardMimeType));
    std::ofstream(fs::path(folder) / "ready") << "ready";
    // The X clipboard is served from this process's event loop until the paste is done.
    EXPECT_TRUE(waitForFile(fs::path(folder) / "done", 60000));
}

TEST(NodeClipboardBetweenProcesses, ASubtreeCopiedInOneEditorIsPastedInAnother) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a real display";
    ScratchHome home;
    const fs::path folder = home.path() / "signals";
    fs::create_directories(folder);
    QProcess copier;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildFolder), QString::fromStdString(folder.string()));
    copier.setProcessEnvironment(environment);
    copier.setProcessChannelMode(QProcess::ForwardedChannels);
    copier.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=NodeClipboardCopyingProcess.*")});
    ASSERT_TRUE(copier.waitForStarted());
    ASSERT_TRUE(waitForFile(folder / "ready", 60000));

    ScriptedPrompts prompts;
    std::unique_ptr<Editor> editor = test::makeEditor(&prompts);
    NodePanel panel(*editor);
    panel.resize(210, 300);
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    panel.setFocus();
    QTest::keyClick(&panel, Qt::Key_V, Qt::ControlModifier);
    std::ofstream(folder / "done") << "done";
    EXPECT_TRUE(copier.waitForFinished(60000));
    EXPECT_EQ(copier.exitCode(), 0);

    ASSERT_EQ(editor->state().tree.root().childCount(), 2);
    const Node& pasted = *editor->state().tree.root().childAt(1);
    EXPECT_EQ(pasted.m_name, "ノード1");
    ASSERT_EQ(pasted.childCount(), 1);
    const Node& spark = *pasted.childAt(0);
    EXPECT_EQ(spark.m_name, "火花");
    const std::vector<MaterialFile> materials = editor->materials().list();
    ASSERT_EQ(materials.size(), 1u);
    EXPECT_EQ(materials[0].name, "ember.png");
    EXPECT_EQ(spark.m_texture.ID, 0);
    const QImage texture(QString::fromStdString((fs::path(editor->state().workDir) / materials[0].fileName).string()));
    EXPECT_EQ(texture.pixelColor(4, 4), QColor(255, 0, 0));
    EXPECT_TRUE(prompts.asked.empty());
}

class NodeClipboardInTheWindow : public test::WindowTest {};

TEST_F(NodeClipboardInTheWindow, TheNodePanelsKeysCopyAndPasteInsteadOfTheWindowsShortcuts) {
    showActive();
    QSignalSpy cameraRuns(window->action(Command::CameraSettings), &QAction::triggered);
    QSignalSpy viewListRuns(window->action(Command::ViewList), &QAction::triggered);
    NodePanel* panel = window->nodePanel();
    panel->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->hasFocus(); }));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(panel, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(kNodeClipboardMimeType));
    QTest::keyClick(panel, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->state().tree.root().childCount(), 2);
    EXPECT_EQ(cameraRuns.count(), 0);
    EXPECT_EQ(viewListRuns.count(), 0);
}

}  // namespace
}  // namespace fg
