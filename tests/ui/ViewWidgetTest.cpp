// The live view on a real display (run under xvfb-run): it draws the
// worker's snapshots, and the tool icons, the wheel and the right and middle
// buttons move the camera, which the project keeps.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

#include "app/Editor.h"
#include "app/EditorTestSupport.h"
#include "render/camera/CameraControl.h"
#include "ui/FrameRate.h"
#include "ui/StatusPanel.h"
#include "ui/ViewPanel.h"
#include "ui/ViewWidget.h"
#include "ui/WheelSteps.h"
#include "ui/dialogs/CameraDialog.h"

namespace fg::test {
namespace {

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override { m_app = std::make_unique<QApplication>(m_argc, m_argv); }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[11] = "view_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};
const auto* const kApplication = ::testing::AddGlobalTestEnvironment(new QtApplication);

TEST(WheelSteps, SmallStepsAddUpToNotchesAndTurningBackDropsTheRest) {
    WheelSteps wheel;
    EXPECT_EQ(wheel.add(120), 1);
    EXPECT_EQ(wheel.add(-240), -2);
    // A touchpad's quarter notches.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(wheel.add(30), 0);
    EXPECT_EQ(wheel.add(30), 1);
    EXPECT_EQ(wheel.rest(), 0);
    EXPECT_EQ(wheel.add(90), 0);
    EXPECT_EQ(wheel.add(-30), 0);  // turned back: the 90 are dropped
    EXPECT_EQ(wheel.rest(), -30);
    EXPECT_EQ(wheel.add(-90), -1);
    EXPECT_EQ(wheel.add(250), 2);
    EXPECT_EQ(wheel.rest(), 10);
    wheel.reset();
    EXPECT_EQ(wheel.rest(), 0);
}

TEST(FrameRate, CountsTheFramesOfEachWholeSecond) {
    FrameRate rate;
    EXPECT_EQ(rate.perSecond(), 0);
    // The first frame opens the second; 21 more fill it.
    for (int i = 0; i <= 21; ++i) rate.frameShown(i * 1000 / 21);
    EXPECT_EQ(rate.perSecond(), 21);
    for (int i = 1; i <= 59; ++i) rate.frameShown(1000 + i * 1000 / 60);
    EXPECT_EQ(rate.perSecond(), 21);  // the second is not over yet
    rate.frameShown(2000);
    EXPECT_EQ(rate.perSecond(), 60);
    // After a pause the rate reads low rather than keeping the busy value.
    rate.frameShown(6000);
    EXPECT_EQ(rate.perSecond(), 0);
}

bool sameVec(Vec3f a, Vec3f b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
float distance(Vec3f a, Vec3f b) { return length(a - b); }

// The digit drawn in the counter cell at (x, y): the glyph of `digits`
// whose opaque pixels the cell shows, and no light where it has none, at
// any centring shift; -1 for none.
int glyphAt(const QImage& picture, int x, int y, const QImage& digits) {
    for (int digit = 0; digit < 10; ++digit) {
        for (int shift = -4; shift <= 0; ++shift) {
            bool same = true;
            int compared = 0;
            for (int j = 0; j < 16 && same; ++j) {
                for (int i = 0; i < 10 && same; ++i) {
                    const QColor expected = digits.pixelColor(10 * digit + i, j);
                    const QColor got = picture.pixelColor(x + shift + i, y + j);
                    if (expected.alpha() == 0) {
                        // No ink where the glyph has none (within its own cell).
                        if (shift + i >= 0) same = got.red() < 200 || got.green() < 200 || got.blue() < 200;
                        continue;
                    }
                    if (expected.alpha() != 255) continue;
                    same = std::abs(got.red() - expected.red()) <= 3 && std::abs(got.green() - expected.green()) <= 3;
                    ++compared;
                }
            }
            if (same && compared > 0) return digit;
        }
    }
    return -1;
}

class ViewWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor = makeEditor(nullptr);
        view = std::make_unique<ViewWidget>(*editor);
        view->resize(640, 400);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        editor->startWorker();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->framesDrawn() >= 3; }, 20000));
    }
    void TearDown() override {
        view.reset();
        editor.reset();
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), view->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(view.get(), &event);
    }

    // A point over the icon of `tool` in the top-right corner.
    QPoint iconOf(int tool) const {
        for (int x = view->width() - 1; x >= 0; --x) {
            if (hoveredTool(view->width(), x, 8) == tool) return {x - 4, 8};
        }
        return {-1, -1};
    }

    ScratchHome home;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<ViewWidget> view;
};

TEST_F(ViewWidgetTest, DrawsSnapshotsAsTheWorkerPublishesThem) {
    const std::uint64_t before = view->channel().published();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->channel().published() > before + 5; }, 20000));
    const QImage picture = view->grabFramebuffer();
    EXPECT_EQ(picture.size(), view->size() * view->devicePixelRatio());
}

// Nothing is drawn on a timer: with the worker stopped and nothing moving
// the view draws nothing; a camera move draws, and so does each snapshot
// the running worker publishes.
TEST_F(ViewWidgetTest, DrawsWhenSomethingChangesAndOnlyThen) {
    editor->stopWorker();
    QTest::qWait(100);  // what was queued before the stop
    // The picture under way, and the last one drawn sharp if it was drawn
    // smaller (a busy machine).
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->pictureDivisor() == 1; }, 5000));
    QTest::qWait(300);
    const int still = view->framesDrawn();
    QTest::qWait(400);
    EXPECT_EQ(view->framesDrawn(), still);

    const QPoint middle(view->width() / 2, view->height() / 2);
    send(QEvent::MouseButtonPress, middle, Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseMove, middle + QPoint(30, 0), Qt::NoButton, Qt::RightButton);
    send(QEvent::MouseButtonRelease, middle, Qt::RightButton, Qt::NoButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->framesDrawn() > still; }, 5000));
    QTest::qWait(100);
    const int moved = view->framesDrawn();
    EXPECT_LE(moved, still + 2);

    editor->startWorker();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->framesDrawn() > moved + 5; }, 20000));
}

// The FPS counter counts the pictures the view shows, not the steps: with
// the window's thread kept busy the view shows a few pictures a second
// while the worker goes on stepping at the project's rate.
TEST_F(ViewWidgetTest, TheFpsCounterCountsThePicturesShown) {
    editor->viewSettings().setDisplayFlags({true, false, true});
    const int shownBefore = view->framesShown();
    QElapsedTimer busy;
    busy.start();
    while (busy.elapsed() < 2600) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    const int shown = view->shownPerSecond();
    const std::shared_ptr<const FrameSnapshot> snapshot = view->channel().latest();
    ASSERT_TRUE(snapshot);
    // The worker stepped far faster than the view showed pictures.
    ASSERT_GT(snapshot->stepRate, shown + 10) << "shown " << shown;
    EXPECT_GE(shown, 1);
    EXPECT_LE(shown, 11);
    EXPECT_GT(view->framesShown(), shownBefore);
    EXPECT_LE(view->framesShown() - shownBefore, 30);

    // The counter draws that number: the FPS line (the second) reads ":" and its digits.
    if (view->devicePixelRatio() != 1.0) return;
    const QImage picture = view->grabFramebuffer();
    const QImage digits(":/fulgrane3d/pictures/digits.png");
    const QString text = QString::number(view->shownPerSecond());
    for (int i = 0; i < text.size(); ++i) {
        EXPECT_EQ(glyphAt(picture, 42 + 10 * i, 18, digits), text[i].digitValue()) << text.toStdString();
    }
}

// When the particle limit holds spawns back, the counters mark it and the
// status line says so; under the limit again, the notice goes.
TEST_F(ViewWidgetTest, TheParticleLimitIsNoticedInTheCountersAndTheStatusLine) {
    view.reset();  // this test installs its own view, as the main window does
    editor->stopWorker();
    editor->changeDocument({}, [](EditorState& g) { g.tree.selected()->m_timing.num = 10; });  // ten a frame
    editor->setParticleLimit(5);
    editor->remake();
    ViewPanel panel;
    StatusPanel status;
    ViewWidget* installed = installViewWidget(*editor, panel, &status);
    ASSERT_NE(installed, nullptr);
    panel.resize(400, 300);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    editor->startWorker();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !status.notice().isEmpty(); }, 20000));
    EXPECT_TRUE(installed->particleLimitShown());
    EXPECT_TRUE(status.notice().contains(QStringLiteral("5"))) << status.notice().toStdString();
    // The particle line (its counter is off) shows in the warning colour.
    const QImage picture = installed->grabFramebuffer();
    int warning = 0;
    for (int y = 18; y < 34; ++y) {
        for (int x = 0; x < 120; ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 80 && c.green() < 160 && c.blue() < 120) ++warning;
        }
    }
    EXPECT_GT(warning, 40);

    editor->stopWorker();
    editor->setParticleLimit(Simulation::kDefaultParticleLimit);
    editor->remake();
    editor->startWorker();
    EXPECT_TRUE(QTest::qWaitFor([&] { return status.notice().isEmpty(); }, 20000));
    EXPECT_FALSE(installed->particleLimitShown());
}

TEST_F(ViewWidgetTest, RotateToolDragsAboutTheTargetWithTheCursorHeld) {
    const Camera start = view->camera();
    const QPoint icon = iconOf(kToolRotate);
    ASSERT_GE(icon.x(), 0);
    send(QEvent::MouseButtonPress, icon, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, icon + QPoint(25, 0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, icon, Qt::LeftButton, Qt::NoButton);

    const Camera& moved = view->camera();
    EXPECT_FALSE(sameVec(moved.eye, start.eye));
    EXPECT_TRUE(sameVec(moved.target, start.target));
    EXPECT_NEAR(distance(moved.eye, moved.target), distance(start.eye, start.target), 1e-4f);
    // Kept in the project, which is now modified.
    EXPECT_TRUE(sameVec(editor->state().camera.eye, moved.eye));
    EXPECT_TRUE(editor->isModified());
    EXPECT_EQ(QCursor::pos(), view->mapToGlobal(icon));
}

TEST_F(ViewWidgetTest, DraggingOutsideTheIconsLeavesTheCamera) {
    const Camera start = view->camera();
    const QPoint middle(view->width() / 2, view->height() / 2);
    send(QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, middle + QPoint(40, 20), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, middle, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(sameVec(view->camera().eye, start.eye));
    EXPECT_FALSE(editor->isModified());
}

TEST_F(ViewWidgetTest, WheelZoomsRightButtonOrbitsMiddleButtonPans) {
    const Camera start = view->camera();
    const QPoint middle(view->width() / 2, view->height() / 2);
    QWheelEvent wheel(QPointF(middle), view->mapToGlobal(QPointF(middle)), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.get(), &wheel);
    const float zoomed = distance(view->camera().eye, view->camera().target);
    EXPECT_LT(zoomed, distance(start.eye, start.target));
    EXPECT_TRUE(sameVec(view->camera().target, start.target));
    // A touchpad's quarter notches: three do nothing yet, the fourth zooms
    // as a notch does (a 15-pixel zoom drag).
    Camera expected = view->camera();
    zoomCamera(expected, 0, 15);
    const auto quarter = [&] {
        QWheelEvent step(QPointF(middle), view->mapToGlobal(QPointF(middle)), QPoint(0, 2), QPoint(0, 30), Qt::NoButton,
                         Qt::NoModifier, Qt::ScrollUpdate, false);
        QApplication::sendEvent(view.get(), &step);
    };
    for (int i = 0; i < 3; ++i) quarter();
    EXPECT_EQ(distance(view->camera().eye, view->camera().target), zoomed);
    quarter();
    EXPECT_NEAR(distance(view->camera().eye, view->camera().target), distance(expected.eye, expected.target), 1e-5f);

    const float quartered = distance(view->camera().eye, view->camera().target);
    send(QEvent::MouseButtonPress, middle, Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseMove, middle + QPoint(30, 0), Qt::NoButton, Qt::RightButton);
    send(QEvent::MouseButtonRelease, middle, Qt::RightButton, Qt::NoButton);
    EXPECT_NEAR(distance(view->camera().eye, view->camera().target), quartered, 1e-4f);
    EXPECT_TRUE(sameVec(view->camera().target, start.target));

    const Vec3f orbited = view->camera().eye;
    send(QEvent::MouseButtonPress, middle, Qt::MiddleButton, Qt::MiddleButton);
    send(QEvent::MouseMove, middle + QPoint(30, 10), Qt::NoButton, Qt::MiddleButton);
    send(QEvent::MouseButtonRelease, middle, Qt::MiddleButton, Qt::NoButton);
    EXPECT_FALSE(sameVec(view->camera().target, start.target));
    EXPECT_FALSE(sameVec(view->camera().eye, orbited));
    EXPECT_TRUE(sameVec(editor->state().camera.target, view->camera().target));
}

// After a resize the picture fills the new size and the letterbox shading
// of the square exported frame sits where the new aspect puts it: nothing
// stretched, no black frame.
TEST_F(ViewWidgetTest, AResizedViewKeepsThePictureAndTheLetterboxInPlace) {
    editor->changeDocument({}, [](EditorState& g) {
        g.project.backColor = {200, 200, 200};
        for (int i = 0; i < g.tree.root().childCount(); ++i) g.tree.root().childAt(i)->m_isDraw = 0;
    });
    editor->remake();
    // Lines drawn smaller would spread onto the pixels looked at.
    view->setReducedResolution(false);
    const auto pictureAt = [&](int width, int height) {
        view->resize(width, height);
        const int drawn = view->framesDrawn();
        EXPECT_TRUE(QTest::qWaitFor([&] { return view->framesDrawn() > drawn + 3; }, 20000));
        return view->grabFramebuffer();
    };
    const auto grey = [](const QImage& image, int x, int y) { return qGray(image.pixel(x, y)); };

    // Wide: shaded bands of (800 - 300) / 2 = 250 pixels left and right.
    const QImage wide = pictureAt(800, 300);
    ASSERT_EQ(wide.size(), QSize(800, 300) * view->devicePixelRatio());
    if (view->devicePixelRatio() == 1.0) {
        const int y = 75;  // above the horizon and below the counters
        EXPECT_EQ(grey(wide, 400, y), 200);
        EXPECT_EQ(grey(wide, 253, y), 200);
        EXPECT_LT(grey(wide, 246, y), 200);
        EXPECT_LT(grey(wide, 5, y), 200);
        EXPECT_EQ(grey(wide, 5, y), grey(wide, 794, y));
        EXPECT_GT(grey(wide, 5, y), 0);  // shaded, not black
    }
    // Tall: bands of (500 - 300) / 2 = 100 pixels above and below.
    const QImage tall = pictureAt(300, 500);
    ASSERT_EQ(tall.size(), QSize(300, 500) * view->devicePixelRatio());
    if (view->devicePixelRatio() == 1.0) {
        EXPECT_EQ(grey(tall, 150, 104), 200);
        EXPECT_LT(grey(tall, 150, 96), 200);
        EXPECT_GT(grey(tall, 150, 96), 0);
    }
}

TEST_F(ViewWidgetTest, ARestartPlacesTheProjectCamera) {
    editor->viewSettings().setCamera({3, 4, -12}, {1, 0, 0});  // kept, not yet shown
    editor->remake();
    EXPECT_TRUE(sameVec(view->camera().eye, Vec3f{3, 4, -12}));
    EXPECT_TRUE(sameVec(view->camera().target, Vec3f{1, 0, 0}));
}

TEST_F(ViewWidgetTest, TheCameraDialogMovesTheViewAtOnceAndKeepsUpAboveTheTarget) {
    editor->viewSettings().setCamera({0, 5, -10}, {0, 0, 0});
    CameraDialog dialog(*editor);
    dialog.coordinateBox(2)->setValue(-50);  // eye z −5.0
    EXPECT_TRUE(sameVec(view->camera().eye, Vec3f{0, 5, -5}));
    // Upright: the viewing direction turned a quarter about the horizontal.
    const Vec3f up = view->camera().up;
    EXPECT_NEAR(up.x, 0.0f, 1e-6f);
    EXPECT_NEAR(up.y, 0.70710678f, 1e-5f);
    EXPECT_NEAR(up.z, 0.70710678f, 1e-5f);

    // Straight above the target there is no upright direction: up stays.
    dialog.coordinateBox(2)->setValue(0);
    EXPECT_TRUE(sameVec(view->camera().eye, Vec3f{0, 5, 0}));
    EXPECT_TRUE(sameVec(view->camera().up, up));
    dialog.coordinateBox(1)->setValue(80);
    EXPECT_TRUE(sameVec(view->camera().eye, Vec3f{0, 8, 0}));
    EXPECT_TRUE(sameVec(view->camera().up, up));
    EXPECT_TRUE(editor->isModified());
}

}  // namespace
}  // namespace fg::test
