// The timeline under the view: where frames sit, what a click, a drag, the
// wheel and the arrow keys ask of the preview, what it draws, and the view's
// place with the timeline shown and hidden.

#include <QAction>
#include <QSignalSpy>
#include <QToolTip>
#include <QWheelEvent>

#include "UiTestSupport.h"
#include "app/PlaybackController.h"
#include "app/ProjectSettingsRules.h"
#include "app/ViewSettingsController.h"
#include "ui/HoverHelp.h"
#include "ui/PanelColours.h"
#include "ui/ShellLayout.h"
#include "ui/TimelineScale.h"
#include "ui/TimelineWidget.h"
#include "ui/ViewPanel.h"

namespace fg {
namespace {

using test::WindowTest;

TEST(TimelineScale, NumbersAsOftenAsTheyFitAndTicksBetween) {
    // 10 pixels a frame: every 5th frame numbered 30 pixels apart, a tick on each frame.
    const TimelineScale tenPixels{0, 600, 60};
    EXPECT_EQ(tenPixels.labelStep(30), 5);
    EXPECT_EQ(tenPixels.minorStep(5, 4), 1);
    EXPECT_EQ(tenPixels.labelStep(5), 1);
    EXPECT_EQ(tenPixels.minorStep(1, 4), 0);
    // 2 pixels a frame.
    const TimelineScale twoPixels{0, 600, 300};
    EXPECT_EQ(twoPixels.labelStep(30), 20);
    EXPECT_EQ(twoPixels.minorStep(20, 4), 2);
    EXPECT_EQ(twoPixels.minorStep(20, 12), 10);
    // Half a pixel a frame: hundreds.
    const TimelineScale dense{10, 510, 1000};
    EXPECT_EQ(dense.labelStep(40), 100);
    EXPECT_EQ(dense.xOf(500), 260);
    EXPECT_EQ(dense.frameAt(260), 500);
    // A step wider than the scale numbers frame 0 alone.
    EXPECT_EQ(TimelineScale({0, 20, 3}).labelStep(30), 5);
}

TEST(TimelineScale, AnEmptyEffectSitsAtTheStart) {
    const TimelineScale empty{16, 300, 0};
    EXPECT_EQ(empty.xOf(0), 16);
    EXPECT_EQ(empty.xOf(10), 16);
    EXPECT_EQ(empty.frameAt(200), 0);
    EXPECT_EQ(empty.labelStep(30), 1);
    const TimelineScale narrow{16, 16, 60};
    EXPECT_EQ(narrow.frameAt(16), 0);
    EXPECT_EQ(narrow.xOf(60), 16);
}

// A view panel as the window has it, with a plain widget standing in for
// the GL view (the offscreen platform has no OpenGL).
class Timeline : public ::testing::Test {
protected:
    void SetUp() override {
        editor = test::makeEditor(nullptr);
        panel = std::make_unique<ViewPanel>();
        applyPanelColours(panel.get(), PanelColours{});
        view = new QWidget;
        panel->setView(view);
        timeline = installTimeline(*editor, *panel);
        panel->resize(kPanelSize);
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }
    void TearDown() override {
        panel.reset();
        editor.reset();
    }
    PlaybackController& playback() { return editor->playback(); }
    QPoint at(int frame) const { return {timeline->xOf(frame), timeline->trackRect().center().y()}; }
    void setExportRange(int start, int end, int step) {
        WriteSettings write = editor->state().write;
        write.start = start;
        write.end = end;
        write.step = step;
        editor->viewSettings().setExportSettings(write, editor->state().project.width, editor->state().project.height);
    }
    QColor colour(QPalette::ColorRole role) const { return timeline->palette().color(role); }
    static std::vector<int> requests(const QSignalSpy& spy) {
        std::vector<int> frames;
        for (const QList<QVariant>& call : spy) frames.push_back(call.at(0).toInt());
        return frames;
    }

    static constexpr QSize kPanelSize{640, 400};
    test::ScratchHome home;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<ViewPanel> panel;
    QWidget* view = nullptr;
    TimelineWidget* timeline = nullptr;
};

TEST_F(Timeline, FramesSpreadOverTheTrackAndEveryColumnFindsItsFrame) {
    const int count = playback().frameCount();
    ASSERT_EQ(count, 60);
    const QRect track = timeline->trackRect();
    EXPECT_EQ(timeline->xOf(0), track.left());
    EXPECT_EQ(timeline->xOf(count), track.right());
    for (int frame = 0; frame <= count; ++frame) {
        EXPECT_EQ(timeline->frameAt(timeline->xOf(frame)), frame);
        if (frame > 0) {
            EXPECT_GT(timeline->xOf(frame), timeline->xOf(frame - 1));
        }
    }
    // Outside the track the nearest end.
    EXPECT_EQ(timeline->frameAt(-40), 0);
    EXPECT_EQ(timeline->frameAt(timeline->width() + 40), count);
    EXPECT_EQ(timeline->xOf(count + 5), track.right());
}

TEST_F(Timeline, SitsUnderTheViewAndHidingItGivesTheViewThePanel) {
    ASSERT_TRUE(editor->viewSettings().displayFlags().timeline);
    ASSERT_TRUE(timeline->isVisible());
    EXPECT_EQ(timeline->geometry(),
              QRect(0, kPanelSize.height() - TimelineWidget::kHeight, kPanelSize.width(), TimelineWidget::kHeight));
    EXPECT_EQ(view->geometry(), QRect(0, 0, kPanelSize.width(), kPanelSize.height() - TimelineWidget::kHeight));

    editor->viewSettings().toggleTimeline();
    QApplication::processEvents();
    EXPECT_FALSE(timeline->isVisible());
    // The panel as it was before there was a timeline: the view fills it.
    EXPECT_EQ(view->geometry(), QRect(QPoint(0, 0), kPanelSize));

    editor->viewSettings().toggleTimeline();
    QApplication::processEvents();
    EXPECT_TRUE(timeline->isVisible());
    EXPECT_EQ(view->geometry().height(), kPanelSize.height() - TimelineWidget::kHeight);
}

TEST_F(WindowTest, TheWindowsViewPanelHasTheTimelineAlongItsFoot) {
    window->show();
    QApplication::processEvents();
    ViewPanel* panel = window->viewPanel();
    const QRect before = panel->geometry();
    auto* timeline = qobject_cast<TimelineWidget*>(panel->timeline());
    ASSERT_NE(timeline, nullptr);
    EXPECT_TRUE(timeline->isVisible());
    EXPECT_EQ(timeline->geometry(), QRect(0, before.height() - TimelineWidget::kHeight, before.width(),
                                          TimelineWidget::kHeight));
    // The panels keep their places either way.
    editor->viewSettings().toggleTimeline();
    QApplication::processEvents();
    EXPECT_FALSE(timeline->isVisible());
    EXPECT_EQ(panel->geometry(), before);
}

TEST_F(Timeline, StartsHiddenWhenTheFlagIsOff) {
    editor->viewSettings().toggleTimeline();
    ViewPanel other;
    auto* otherView = new QWidget;
    other.setView(otherView);
    TimelineWidget* hidden = installTimeline(*editor, other);
    other.resize(kPanelSize);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_EQ(otherView->geometry(), QRect(QPoint(0, 0), kPanelSize));
}

TEST_F(Timeline, AClickJumpsToTheFrameUnderItAndPlayingGoesOn) {
    ASSERT_TRUE(playback().isPlaying());
    QSignalSpy jumps(timeline, &TimelineWidget::jumpRequested);
    QTest::mouseClick(timeline, Qt::LeftButton, {}, at(30));
    EXPECT_EQ(requests(jumps), std::vector<int>{30});
    EXPECT_TRUE(playback().isPlaying());
    EXPECT_TRUE(timeline->hasFocus());

    // Paused, it stays paused at the new frame.
    playback().pause();
    QTest::mouseClick(timeline, Qt::LeftButton, {}, at(7));
    EXPECT_EQ(requests(jumps), (std::vector<int>{30, 7}));
    EXPECT_FALSE(playback().isPlaying());

    // Other buttons ask nothing.
    QTest::mouseClick(timeline, Qt::RightButton, {}, at(40));
    EXPECT_EQ(jumps.size(), 2);
}

TEST_F(Timeline, ADragScrubsPausedAndPlayingResumesOnRelease) {
    ASSERT_TRUE(playback().isPlaying());
    QSignalSpy jumps(timeline, &TimelineWidget::jumpRequested);
    QTest::mousePress(timeline, Qt::LeftButton, {}, at(10));
    EXPECT_FALSE(playback().isPlaying());
    for (int x = at(10).x(); x <= at(50).x(); x += 3) {
        QTest::mouseMove(timeline, {x, at(10).y()});
        EXPECT_FALSE(playback().isPlaying()) << x;
    }
    QTest::mouseRelease(timeline, Qt::LeftButton, {}, at(50));
    EXPECT_TRUE(playback().isPlaying());

    const std::vector<int> frames = requests(jumps);
    ASSERT_GE(frames.size(), 10u);
    EXPECT_EQ(frames.front(), 10);
    EXPECT_EQ(frames.back(), 50);
    for (std::size_t i = 1; i < frames.size(); ++i) EXPECT_GT(frames[i], frames[i - 1]) << i;

    // Beyond the ends the drag holds the first and last frame.
    jumps.clear();
    QTest::mousePress(timeline, Qt::LeftButton, {}, at(5));
    QTest::mouseMove(timeline, {timeline->width() + 30, at(5).y()});
    QTest::mouseMove(timeline, {-30, at(5).y()});
    QTest::mouseRelease(timeline, Qt::LeftButton, {}, {-30, at(5).y()});
    EXPECT_EQ(requests(jumps), (std::vector<int>{5, playback().frameCount(), 0}));
}

TEST_F(Timeline, TheWheelAndTheArrowsStepAndTheTransportKeysReachTheWindow) {
    QSignalSpy steps(timeline, &TimelineWidget::stepRequested);
    QTest::mouseClick(timeline, Qt::LeftButton, {}, at(20));
    ASSERT_TRUE(timeline->hasFocus());
    playback().play();

    // Away from the user is forward, one frame a notch.
    QWheelEvent up(QPointF(at(20)), timeline->mapToGlobal(QPointF(at(20))), {}, {0, 120}, Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(timeline, &up);
    EXPECT_FALSE(playback().isPlaying());
    QWheelEvent down(QPointF(at(20)), timeline->mapToGlobal(QPointF(at(20))), {}, {0, -240}, Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(timeline, &down);
    QTest::keyClick(timeline, Qt::Key_Right);
    QTest::keyClick(timeline, Qt::Key_Left);
    ASSERT_EQ(steps.size(), 4);
    EXPECT_EQ(steps.at(0).at(0).toInt(), 1);
    EXPECT_EQ(steps.at(1).at(0).toInt(), -2);
    EXPECT_EQ(steps.at(2).at(0).toInt(), 1);
    EXPECT_EQ(steps.at(3).at(0).toInt(), -1);

    // The window's shortcuts act with the timeline focused; the arrows stay
    // with the timeline even where the window binds them too.
    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    timeline->setFocus();
    std::map<int, int> triggered;
    for (const int key : {int(Qt::Key_Space), int(Qt::Key_Period), int(Qt::Key_Comma), int(Qt::Key_Home),
                          int(Qt::Key_End), int(Qt::Key_Right)}) {
        auto* action = new QAction(panel.get());
        action->setShortcut(QKeySequence(key));
        panel->addAction(action);
        QObject::connect(action, &QAction::triggered, [&triggered, key] { ++triggered[key]; });
    }
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Period, Qt::Key_Comma, Qt::Key_Home, Qt::Key_End}) {
        QTest::keyClick(timeline, key);
        EXPECT_EQ(triggered[key], 1) << key;
    }
    QTest::keyClick(timeline, Qt::Key_Right);
    EXPECT_EQ(triggered[Qt::Key_Right], 0);
    EXPECT_EQ(steps.size(), 5);
}

TEST_F(Timeline, TheExportBandCoversExactlyItsFramesWithAMarkOnEveryStep) {
    setExportRange(10, 50, 5);
    playback().frameShown(0);
    const QImage picture = timeline->grab().toImage();
    const QRect track = timeline->trackRect();
    const QColor band = colour(QPalette::Highlight);
    const int top = track.top() + 1;
    for (int x = 0; x < timeline->width(); ++x) {
        if (x == timeline->xOf(0)) continue;  // the current frame's line
        const bool inside = x >= timeline->xOf(10) && x <= timeline->xOf(50);
        EXPECT_EQ(picture.pixelColor(x, top) == band, inside) << x;
    }
    // The export's frames are marked in the band's lower half, the frames
    // between them are not.
    const int bottom = track.bottom();
    for (int frame = 10; frame <= 50; ++frame) {
        const QColor seen = picture.pixelColor(timeline->xOf(frame), bottom);
        if (frame % 5 == 0) {
            EXPECT_NE(seen, band) << frame;
        } else {
            EXPECT_EQ(seen, band) << frame;
        }
    }

    // Another range redraws at once.
    setExportRange(20, 30, 1);
    const QImage again = timeline->grab().toImage();
    EXPECT_EQ(again.pixelColor(timeline->xOf(15), top) == band, false);
    EXPECT_EQ(again.pixelColor(timeline->xOf(25), top), band);
}

TEST_F(Timeline, TheCurrentFrameIsMarkedWhereTheViewIs) {
    setExportRange(1, 60, 1);
    const QColor line = colour(QPalette::BrightText);
    const int y = timeline->trackRect().top() + 1;
    playback().frameShown(20);
    QImage picture = timeline->grab().toImage();
    EXPECT_EQ(picture.pixelColor(timeline->xOf(20), y), line);
    EXPECT_NE(picture.pixelColor(timeline->xOf(40), y), line);

    playback().frameShown(40);
    picture = timeline->grab().toImage();
    EXPECT_EQ(picture.pixelColor(timeline->xOf(40), y), line);
    EXPECT_NE(picture.pixelColor(timeline->xOf(20), y), line);
    // Its number sits above it, on the highlight.
    const QRect labels(timeline->xOf(40) - 8, 1, 16, 12);
    int highlighted = 0;
    for (int x = labels.left(); x <= labels.right(); ++x) {
        if (picture.pixelColor(x, labels.top() + 1) == colour(QPalette::Highlight)) ++highlighted;
    }
    EXPECT_GT(highlighted, 10);
}

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST_F(Timeline, FollowsTheFrameCountTheExportRangeAndTheShownFrame) {
    QApplication::processEvents();
    PaintCounter counter(timeline);
    const auto repainted = [&] {
        counter.paints = 0;
        QApplication::processEvents();
        return counter.paints > 0;
    };
    ASSERT_FALSE(repainted());

    ProjectSettingsChoice longer = projectSettingsChoice(editor->state().project);
    longer.frame = 120;
    editor->viewSettings().setProjectSettings(longer);
    EXPECT_TRUE(repainted());
    EXPECT_EQ(timeline->xOf(120), timeline->trackRect().right());
    EXPECT_EQ(timeline->frameAt(timeline->trackRect().right()), 120);

    setExportRange(30, 90, 3);
    EXPECT_TRUE(repainted());
    playback().frameShown(45);
    EXPECT_TRUE(repainted());
    // A camera move alone leaves it be.
    editor->viewSettings().setCamera({0.0F, 10.0F, -50.0F}, {0.0F, 0.0F, 0.0F});
    EXPECT_FALSE(repainted());
}

TEST_F(Timeline, TellsWhatItIsInTheChosenLanguage) {
    EXPECT_FALSE(timeline->accessibleName().isEmpty());
    EXPECT_FALSE(HoverHelp::helpText(timeline).isEmpty());
    QHelpEvent help(QEvent::ToolTip, at(30), timeline->mapToGlobal(at(30)));
    QApplication::sendEvent(timeline, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("30"))) << QToolTip::text().toStdString();
    EXPECT_TRUE(QToolTip::text().contains(HoverHelp::helpText(timeline)));
    QToolTip::hideText();
}

}  // namespace
}  // namespace fg
