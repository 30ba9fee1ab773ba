// Start-up and shut-down around the main window: data.prm and color.ini read
// into the editor and the window, and written back on closing.

#include <QMenuBar>
#include <QTest>

#include "UiTestSupport.h"
#include "persistence/FileBytes.h"
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

}  // namespace
}  // namespace fg
