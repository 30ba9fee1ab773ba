// The view's pictures are drawn on a thread of their own (run under
// xvfb-run, real GL): the window's thread keeps turning while a heavy
// picture is drawn, and costly pictures are drawn at a reduced resolution
// that the counters show, sharp again once the preview stands still.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <memory>

#include "app/Editor.h"
#include "app/EditorTestSupport.h"
#include "ui/ViewWidget.h"

namespace fg::test {
namespace {

using namespace std::chrono_literals;

class ViewWidgetThreadTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor = makeEditor(nullptr);
        // Only the FPS counter, on the first line.
        editor->viewSettings().setDisplayFlags({false, false, true});
        view = std::make_unique<ViewWidget>(*editor);
        view->resize(480, 320);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    void TearDown() override {
        view.reset();
        editor.reset();
    }

    // Many large white sprites filling the middle of the view.
    void makeHeavy(int perFrame, int scale) {
        editor->changeDocument({}, [&](EditorState& g) {
            Node& node = *g.tree.selected();
            node.m_timing.end = 1000;
            node.m_timing.num = perFrame;
            node.m_kill.span = 50;
            node.m_emitter.size = {1.0f, 1.0f, 1.0f};
            node.m_scale.max = scale;
        });
        editor->remake();
    }

    // Light pixels of the reduction note after the FPS counter (first line).
    int notePixels(const QImage& picture) const {
        int lit = 0;
        for (int y = 0; y < 18; ++y) {
            for (int x = 60; x < 200 && x < picture.width(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                if (c.red() > 200 && c.green() > 170 && c.blue() < 170) ++lit;
            }
        }
        return lit;
    }

    ScratchHome home;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<ViewWidget> view;
};

// While the drawing thread is busy with pictures that take more than a
// second each, a 10 ms timer on the window's thread keeps firing without a
// gap over 100 ms and typing reaches a text field.
TEST_F(ViewWidgetThreadTest, TheWindowKeepsTurningWhileAHeavyPictureIsDrawn) {
    makeHeavy(200, 30);
    view->setReducedResolution(false);
    view->setExtraPictureCostForTest(1200ms);
    editor->startWorker();
    // The first heavy picture is under way.
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->channel().published() > 3; }, 20000));

    QLineEdit field;
    field.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestGap = std::max(longestGap, now - last);
        last = now;
        ++ticks;
    });
    timer.start(10);
    const int drawnBefore = view->framesDrawn();
    QTest::keyClicks(&field, QStringLiteral("abc"));
    QTest::qWait(2500);
    timer.stop();
    EXPECT_EQ(field.text(), QStringLiteral("abc"));
    EXPECT_LE(longestGap, 100) << ticks << " ticks";
    EXPECT_GE(ticks, 24);  // it fired all along
    // The pictures go on coming, one per heavy draw.
    EXPECT_LE(view->framesDrawn(), drawnBefore + 6);
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->framesDrawn() > drawnBefore; }, 60000));
}

// However long they take, the pictures arrive and show the particles.
TEST_F(ViewWidgetThreadTest, AHeavyPictureEventuallyShowsTheParticles) {
    makeHeavy(200, 30);
    editor->startWorker();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const std::shared_ptr<const FrameSnapshot> shown = view->channel().latest();
            return view->framesDrawn() >= 2 && shown && shown->particleCount > 1000;
        },
        60000));
    QTest::qWait(200);
    const QImage picture = view->grabFramebuffer();
    int white = 0;
    const int cx = picture.width() / 2;
    const int cy = picture.height() / 2;
    for (int y = cy - 20; y < cy + 20; ++y) {
        for (int x = cx - 20; x < cx + 20; ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.red() > 240 && c.green() > 240 && c.blue() > 240) ++white;
        }
    }
    EXPECT_GT(white, 1200);  // of 1600: the sprites cover the middle
}

// Pictures over the budget are drawn smaller and the counters say so;
// paused, the picture is drawn sharp again and the note goes.
TEST_F(ViewWidgetThreadTest, CostlyPicturesAreDrawnSmallerUntilThePreviewStandsStill) {
    editor->startWorker();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->framesDrawn() >= 3; }, 20000));
    // A slow machine (or build) may draw even this small effect over the budget.
    if (view->pictureDivisor() == 1) {
        EXPECT_EQ(notePixels(view->grabFramebuffer()), 0);
    }

    view->setExtraPictureCostForTest(60ms);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->pictureDivisor() > 1; }, 20000));
    const QImage reduced = view->grabFramebuffer();
    EXPECT_GT(view->pictureDivisor(), 1);
    EXPECT_GT(notePixels(reduced), 20);

    editor->playback().pause();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const std::shared_ptr<const FrameSnapshot>& shown = view->shownSnapshot();
            return shown && shown->paused && view->pictureDivisor() == 1;
        },
        20000));
    // Once the pictures under way have come, the last one stays sharp.
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer still;
    still.start();
    int drawn = view->framesDrawn();
    while (still.elapsed() < 600 && clock.elapsed() < 20000) {
        QTest::qWait(20);
        if (view->framesDrawn() != drawn) {
            drawn = view->framesDrawn();
            still.restart();
        }
    }
    EXPECT_EQ(view->pictureDivisor(), 1);
    EXPECT_EQ(notePixels(view->grabFramebuffer()), 0);

    // Playing again, still over the budget: smaller again.
    editor->playback().play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->pictureDivisor() > 1; }, 20000));
}

// A picture is not drawn while the last one still waits to be shown, so a
// view that is not painting (hidden here) leaves the processor alone; it
// still gets a picture now and then, and shows pictures again once shown.
TEST_F(ViewWidgetThreadTest, NoPictureIsDrawnWhileTheLastOneWaitsToBeShown) {
    editor->startWorker();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->framesDrawn() >= 3; }, 20000));
    view->hide();
    QTest::qWait(300);
    const std::uint64_t before = view->picturesDrawnByThread();
    QTest::qWait(1000);
    const std::uint64_t drawn = view->picturesDrawnByThread() - before;
    // The worker steps 60 times a second; one picture per tenth of a
    // second at most was drawn.
    EXPECT_LE(drawn, 12u);
    EXPECT_GE(drawn, 2u);

    const int shownBefore = view->framesDrawn();
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->framesDrawn() >= shownBefore + 5; }, 20000));
}

// With the reduction off, costly pictures stay at full resolution.
TEST_F(ViewWidgetThreadTest, WithoutTheReductionCostlyPicturesStaySharp) {
    view->setReducedResolution(false);
    view->setExtraPictureCostForTest(60ms);
    editor->startWorker();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->framesDrawn() >= 3; }, 20000));
    const int drawn = view->framesDrawn();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1500) {
        QTest::qWait(20);
        EXPECT_EQ(view->pictureDivisor(), 1);
    }
    EXPECT_GT(view->framesDrawn(), drawn + 3);
    EXPECT_EQ(notePixels(view->grabFramebuffer()), 0);
}

}  // namespace
}  // namespace fg::test
