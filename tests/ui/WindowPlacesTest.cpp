// The dialogs and tool windows open where the user last left them; the
// history list first opens beside the main window.

#include <QAction>
#include <QScreen>

#include "UiTestSupport.h"
#include "app/ProgramSettings.h"
#include "ui/HistoryWindow.h"
#include "ui/StartUp.h"

#include <cstdlib>
#include <string_view>

namespace fg {
namespace {

// The offscreen platform's own screen is 800 × 600, narrower than the main
// window and a tool window side by side: this program gets a wider one,
// before its QApplication is made. Another platform chosen by hand stays.
[[maybe_unused]] const bool kWideScreen = [] {
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    if (chosen != nullptr && std::string_view(chosen) != "offscreen") return false;
    return ::setenv("QT_QPA_PLATFORM", "offscreen:configfile=" FULGRANE3D_WIDE_SCREEN, 1) == 0;
}();

using test::WindowTest;

class WindowPlacesTest : public WindowTest {
protected:
    QRect desk() const { return window->screen()->availableGeometry(); }

    // The main window, small, at the desk's top-left corner.
    void showMainAtTheLeft() {
        window->setClientSize({360, 300});
        window->move(desk().topLeft());
        showActive();
    }

    HistoryWindow* openHistory() {
        window->action(Command::HistoryList)->trigger();
        HistoryWindow* history = window->historyWindow();
        EXPECT_NE(history, nullptr);
        if (history != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(history));
        }
        return history;
    }

    void closeHistory() {
        QPointer<HistoryWindow> history = window->historyWindow();
        ASSERT_NE(history, nullptr);
        history->close();
        // It is deleted on close: the next command makes a new one.
        ASSERT_TRUE(QTest::qWaitFor([&] { return history.isNull(); }, 2000));
    }
};

TEST_F(WindowPlacesTest, TheHistoryListFirstOpensBesideTheMainWindow) {
    showMainAtTheLeft();
    HistoryWindow* history = openHistory();
    ASSERT_NE(history, nullptr);
    const QRect main = window->frameGeometry();
    // To its right, level with its top, and wholly on the screen.
    EXPECT_EQ(history->x(), main.right() + 1);
    EXPECT_EQ(history->y(), main.top());
    EXPECT_TRUE(desk().contains(history->geometry())) << history->x() << "," << history->y();
}

TEST_F(WindowPlacesTest, TheHistoryListReopensWhereItWasLeft) {
    showMainAtTheLeft();
    HistoryWindow* history = openHistory();
    ASSERT_NE(history, nullptr);
    const QPoint movedTo = desk().topLeft() + QPoint(150, 120);
    history->resize(230, 320);
    history->move(movedTo);
    ASSERT_EQ(history->pos(), movedTo);
    closeHistory();

    history = openHistory();
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->pos(), movedTo);
    EXPECT_EQ(history->size(), QSize(230, 320));
    const app::WindowPlace kept = window->windowPlaces().at("HISTORY");
    EXPECT_EQ(kept, (app::WindowPlace{movedTo.x(), movedTo.y(), 230, 320}));
}

TEST_F(WindowPlacesTest, APlaceNoScreenShowsIsIgnored) {
    showMainAtTheLeft();
    // Left on a second screen that is no longer there.
    window->setWindowPlaces({{"HISTORY", {desk().right() + 2000, 100, 260, 400}}});
    HistoryWindow* history = openHistory();
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->x(), window->frameGeometry().right() + 1);
    EXPECT_TRUE(desk().contains(history->geometry()));
}

TEST_F(WindowPlacesTest, ADialogKeepsItsPositionButNotItsSize) {
    showMainAtTheLeft();
    window->action(Command::CameraSettings)->trigger();
    QPointer<CameraDialog> camera = window->cameraDialog();
    ASSERT_NE(camera, nullptr);
    const QSize natural = camera->size();
    const QPoint movedTo = desk().topLeft() + QPoint(40, 70);
    camera->move(movedTo);
    camera->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return camera.isNull(); }, 2000));
    // A size stored by hand is not taken: the dialog is sized by its contents.
    app::WindowPlaces places = window->windowPlaces();
    places.at("CAMERA").width = 999;
    window->setWindowPlaces(places);

    window->action(Command::CameraSettings)->trigger();
    camera = window->cameraDialog();
    ASSERT_NE(camera, nullptr);
    EXPECT_EQ(camera->pos(), movedTo);
    EXPECT_EQ(camera->size(), natural);
}

TEST_F(WindowPlacesTest, PlacesGoToDataPrmAtShutDownAndComeBack) {
    showMainAtTheLeft();
    HistoryWindow* history = openHistory();
    ASSERT_NE(history, nullptr);
    history->move(desk().topLeft() + QPoint(200, 150));
    const std::filesystem::path dataPrm = home.file("data.prm");
    ASSERT_TRUE(saveShutDownSettings(dataPrm, currentGeometry(*window), *editor, window->windowPlaces()));

    const app::ProgramSettings settings = app::loadProgramSettings(dataPrm);
    ASSERT_EQ(settings.places.count("HISTORY"), 1u);
    const app::WindowPlace stored = settings.places.at("HISTORY");
    EXPECT_EQ(QPoint(stored.x, stored.y), desk().topLeft() + QPoint(200, 150));

    // The next start: a new window given the settings opens it there.
    closeHistory();
    window = std::make_unique<MainWindow>(*editor, PanelColours{});
    applyProgramSettings(*editor, *window, settings);
    showMainAtTheLeft();
    history = openHistory();
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->pos(), desk().topLeft() + QPoint(200, 150));
}

}  // namespace
}  // namespace fg
