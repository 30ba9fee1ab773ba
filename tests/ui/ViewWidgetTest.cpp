// The live view on a real display (run under xvfb-run): it draws the
// worker's snapshots, and the tool icons, the wheel and the right and middle
// buttons move the camera, which the project keeps.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <memory>

#include "app/Editor.h"
#include "app/EditorTestSupport.h"
#include "render/camera/CameraControl.h"
#include "ui/ViewWidget.h"
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

bool sameVec(Vec3f a, Vec3f b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
float distance(Vec3f a, Vec3f b) { return length(a - b); }

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

    send(QEvent::MouseButtonPress, middle, Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseMove, middle + QPoint(30, 0), Qt::NoButton, Qt::RightButton);
    send(QEvent::MouseButtonRelease, middle, Qt::RightButton, Qt::NoButton);
    EXPECT_NEAR(distance(view->camera().eye, view->camera().target), zoomed, 1e-4f);
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
    EditorState& g = editor->state();
    g.project.backColor = {200, 200, 200};
    for (int i = 0; i < g.tree.root().childCount(); ++i) g.tree.root().childAt(i)->m_isDraw = 0;
    editor->remake();
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
    editor->state().camera = CameraPlacement{{3, 4, -12}, {1, 0, 0}};
    editor->remake();
    EXPECT_TRUE(sameVec(view->camera().eye, Vec3f{3, 4, -12}));
    EXPECT_TRUE(sameVec(view->camera().target, Vec3f{1, 0, 0}));
}

TEST_F(ViewWidgetTest, TheCameraDialogMovesTheViewAtOnceAndKeepsUpAboveTheTarget) {
    editor->state().camera = CameraPlacement{{0, 5, -10}, {0, 0, 0}};
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
