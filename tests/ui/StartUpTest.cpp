// Start-up and shut-down around the main window: data.prm and color.ini read
// into the editor and the window, and written back on closing.

#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "UiTestSupport.h"
#include "persistence/FileBytes.h"
#include "persistence/ProjectDocument.h"
#include "ui/RecoveryOffer.h"
#include "ui/ShellLayout.h"
#include "ui/StartUp.h"

namespace fg {
namespace {

using app::WindowGeometry;
using test::ScratchHome;

class StartUpTest : public ::testing::Test {
protected:
    // Reads the files as main() does and builds the window over them.
    void start() {
        files = readStartUpFiles(app::userFolders());
        editor = test::makeEditor(nullptr);
        window = std::make_unique<MainWindow>(*editor, files.colours);
        placed = applyProgramSettings(*editor, *window, files.settings);
        normal = new NormalGeometry(*window, placed);
        showMainWindow(*window, placed.zoomed);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    // Closes the window as the user does and writes what main() writes.
    void shutDown() {
        const WindowGeometry closing = normal->closing();
        ASSERT_TRUE(window->close());
        ASSERT_TRUE(saveShutDownSettings(files.folders.dataPrm(), closing, *editor));
        window.reset();
        editor.reset();
    }
    void writeDataPrm(const std::string& text) {
        std::filesystem::create_directories(home.path());
        ASSERT_TRUE(writeFileBytes(app::userFolders().dataPrm(), text));
    }
    WindowGeometry stored() const { return app::loadProgramSettings(app::userFolders().dataPrm()).window; }

    ScratchHome home;
    StartUpFiles files;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<MainWindow> window;
    WindowGeometry placed;
    NormalGeometry* normal = nullptr;  // owned by the window
};

TEST_F(StartUpTest, FirstStartCopiesTheColourSchemeAndOpensAtTheDefaults) {
    start();
    EXPECT_TRUE(std::filesystem::exists(files.folders.colorIni()));
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_EQ(currentGeometry(*window), (WindowGeometry{0, 0, 1200, 720, false}));
    EXPECT_EQ(editor->viewSettings().displayFlags(), (DisplayFlags{true, false, false}));
    EXPECT_TRUE(editor->document().recentMenuEntries().isEmpty());
}

TEST_F(StartUpTest, SettingsAndColoursReachTheEditorAndTheWindow) {
    writeDataPrm("[WINDOW]\r\nX=100\r\nY=80\r\nWIDTH=780\r\nHEIGHT=420\r\nZOOMED=0\r\n"
                 "[DISP]\r\nFLAME=0\r\nPARTICLE=1\r\nFPS=1\r\nPARTICLE_LIMIT=4321\r\n"
                 "[RECENT]\r\nlist0=/tmp/a.nbx\r\nlist1=/tmp/b.nbx\r\nlist2=-\r\n");
    ASSERT_TRUE(writeFileBytes(app::userFolders().colorIni(), "[WINDOW_COLOR]\r\nr=10\r\ng=20\r\nb=30\r\n"));
    start();
    EXPECT_EQ(currentGeometry(*window), (WindowGeometry{100, 80, 780, 420, false}));
    EXPECT_EQ(editor->viewSettings().displayFlags(), (DisplayFlags{false, true, true}));
    EXPECT_EQ(editor->simulation().particleLimit(), 4321u);
    EXPECT_EQ(editor->document().recentMenuEntries(), (QStringList{"/tmp/a.nbx", "/tmp/b.nbx"}));
    EXPECT_TRUE(window->action(Command::ShowFps)->isChecked());
    EXPECT_EQ(files.colours.window, QColor(10, 20, 30));
    EXPECT_EQ(files.colours.client, QColor(70, 70, 70));
    EXPECT_EQ(window->shell()->palette().color(QPalette::Window), QColor(10, 20, 30));
}

TEST_F(StartUpTest, APositionOffEveryScreenOpensOnThePrimaryScreen) {
    writeDataPrm("[WINDOW]\r\nX=5000\r\nY=-3000\r\nWIDTH=780\r\nHEIGHT=420\r\n");
    start();
    EXPECT_EQ(currentGeometry(*window), (WindowGeometry{0, 0, 780, 420, false}));
}

TEST_F(StartUpTest, ClosingWritesTheGeometryTheFlagsAndTheRecentFiles) {
    writeDataPrm("[WINDOW]\r\nX=100\r\nY=80\r\nWIDTH=780\r\nHEIGHT=420\r\n[RECENT]\r\nlist0=/tmp/a.nbx\r\n");
    start();
    window->move(150, 60);
    window->setClientSize({790, 410});
    QTRY_COMPARE(window->pos(), QPoint(150, 60));
    editor->viewSettings().toggleParticleDisplay();
    shutDown();

    const app::ProgramSettings settings = app::loadProgramSettings(app::userFolders().dataPrm());
    EXPECT_EQ(settings.window, (WindowGeometry{150, 60, 790, 410, false}));
    EXPECT_EQ(settings.display, (DisplayFlags{true, true, false}));
    EXPECT_EQ(settings.recent.menuEntries(), (std::vector<std::string>{"/tmp/a.nbx"}));
}

TEST_F(StartUpTest, ClosingMaximisedKeepsTheNormalGeometryAndReopensMaximised) {
    writeDataPrm("[WINDOW]\r\nX=100\r\nY=80\r\nWIDTH=780\r\nHEIGHT=420\r\nZOOMED=0\r\n");
    start();
    window->showMaximized();
    QTRY_VERIFY(window->isMaximized());
    QTRY_VERIFY(window->width() != 780);  // the screen's size now
    shutDown();
    EXPECT_EQ(stored(), (WindowGeometry{100, 80, 780, 420, true}));

    start();
    EXPECT_TRUE(window->isMaximized());
    shutDown();
    EXPECT_EQ(stored(), (WindowGeometry{100, 80, 780, 420, true}));
}

// What a killed editor leaves: its slot unlocked, with a copy of a project
// whose node was renamed.
void leaveRecoveryCopy(const std::string& origin) {
    auto editor = test::makeEditor(nullptr);
    ASSERT_TRUE(editor->renameSelected("復元された炎"));
    const PackedProject packed = packSnapshot(*snapshotProject(editor->state()));
    ASSERT_TRUE(packed.result.ok);
    const std::filesystem::path slot = app::userFolders().recoveryRoot / "1000";
    std::filesystem::create_directories(slot);
    ASSERT_TRUE(writeFileBytes(slot / kRecoveryLockName, ""));
    ASSERT_TRUE(writeFileBytes(slot / kRecoveryFileName, encodeRecovery({origin, "炎.nbx", packed.bytes})));
}

TEST_F(StartUpTest, UnsavedWorkAKilledEditorLeftIsOfferedAndEnterRestoresIt) {
    leaveRecoveryCopy("/home/artist/炎.nbx");
    start();
    ASSERT_EQ(files.recoveries.size(), 1u);
    // Claimed: an editor starting at the same moment is not offered it.
    EXPECT_TRUE(claimAbandonedCopies(app::userFolders().recoveryRoot).empty());

    QString question;
    test::answerNextModal([&question](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        question = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(offerRecoveries(window.get(), *editor, files.recoveries), RecoveryOutcome::Restored);
    EXPECT_EQ(question, QString("前回、保存されていない変更があります。復元しますか？"));
    EXPECT_EQ(editor->state().pSelNode()->m_name, "復元された炎");
    EXPECT_EQ(window->windowTitle(), QString("炎.nbx* - Fulgrane3D"));
    EXPECT_EQ(editor->state().fileName, "/home/artist/炎.nbx");
    // Restored copies are gone; the next start offers nothing.
    EXPECT_TRUE(claimAbandonedCopies(app::userFolders().recoveryRoot).empty());
    // The restored changes are unsaved: closing asks, and "No" lets them go.
    test::answerNextModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::No)->click();
    });
    shutDown();
}

TEST_F(StartUpTest, ARestoredCopyStaysUntilTheEditorsOwnCopyIsWritten) {
    leaveRecoveryCopy("");
    start();
    test::answerNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    int kept = 0;
    EXPECT_EQ(offerRecoveries(window.get(), *editor, files.recoveries, [&kept] { return ++kept < 0; }),
              RecoveryOutcome::Restored);
    EXPECT_EQ(kept, 1);
    EXPECT_EQ(editor->state().pSelNode()->m_name, "復元された炎");
    // Its own copy could not be written: the old one is offered again.
    EXPECT_EQ(claimAbandonedCopies(app::userFolders().recoveryRoot).size(), 1u);
    test::answerNextModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::No)->click();
    });
    shutDown();
}

TEST_F(StartUpTest, ALaterAnswerKeepsTheCopyForTheNextStart) {
    leaveRecoveryCopy("");
    start();
    test::answerNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(offerRecoveries(window.get(), *editor, files.recoveries), RecoveryOutcome::None);
    EXPECT_EQ(editor->state().pSelNode()->m_name, "ノード1");
    EXPECT_FALSE(editor->isModified());
    shutDown();

    start();
    ASSERT_EQ(files.recoveries.size(), 1u);
    test::answerNextModal([](QWidget* modal) {
        auto* discard = modal->findChild<QPushButton*>(QStringLiteral("discard"));
        ASSERT_NE(discard, nullptr);
        discard->click();
    });
    EXPECT_EQ(offerRecoveries(window.get(), *editor, files.recoveries), RecoveryOutcome::None);
    shutDown();
    start();
    EXPECT_TRUE(files.recoveries.empty());
    shutDown();
}

}  // namespace
}  // namespace fg
