// The playback, timeline, grid and axis commands of the main window: what
// they change, check marks that follow the editor, the transport buttons,
// their help line, and which plain keys the focused control keeps.

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>

#include "PageTestSupport.h"
#include "app/PlaybackController.h"
#include "ui/MaterialPanel.h"
#include "ui/NodePanel.h"
#include "ui/StatusPanel.h"
#include "ui/ToolbarStrip.h"

namespace fg {
namespace {

using test::PageTest;
using test::WindowTest;

TEST_F(WindowTest, PlaybackCommandsActOnThePreviewsTime) {
    PlaybackController& playback = editor->playback();
    ASSERT_TRUE(playback.isPlaying());
    window->action(Command::PlayPause)->trigger();
    EXPECT_FALSE(playback.isPlaying());
    window->action(Command::PlayPause)->trigger();
    EXPECT_TRUE(playback.isPlaying());
    // A step pauses.
    window->action(Command::StepForward)->trigger();
    EXPECT_FALSE(playback.isPlaying());
    playback.play();
    window->action(Command::LastFrame)->trigger();
    EXPECT_FALSE(playback.isPlaying());

    // One speed at a time, checked as the editor has it.
    EXPECT_TRUE(window->action(Command::SpeedNormal)->isChecked());
    window->action(Command::SpeedQuarter)->trigger();
    EXPECT_EQ(playback.speed(), PlaybackSpeed::Quarter);
    EXPECT_TRUE(window->action(Command::SpeedQuarter)->isChecked());
    EXPECT_FALSE(window->action(Command::SpeedNormal)->isChecked());
    playback.setSpeed(PlaybackSpeed::Double);
    EXPECT_TRUE(window->action(Command::SpeedDouble)->isChecked());
    EXPECT_FALSE(window->action(Command::SpeedQuarter)->isChecked());

    EXPECT_FALSE(window->action(Command::LoopPreview)->isChecked());
    window->action(Command::LoopPreview)->trigger();
    EXPECT_TRUE(playback.loopPreview());
    playback.setLoopPreview(false);
    EXPECT_FALSE(window->action(Command::LoopPreview)->isChecked());
}

TEST_F(WindowTest, TimelineGridAndAxisChecksFollowTheDisplayFlags) {
    const auto flags = [this] { return editor->viewSettings().displayFlags(); };
    for (Command command : {Command::ShowTimeline, Command::ShowGrid, Command::ShowAxis}) {
        EXPECT_TRUE(window->action(command)->isCheckable());
        EXPECT_TRUE(window->action(command)->isChecked());
    }
    window->action(Command::ShowTimeline)->trigger();
    EXPECT_FALSE(flags().timeline);
    window->action(Command::ShowGrid)->trigger();
    EXPECT_FALSE(flags().grid);
    EXPECT_TRUE(flags().axis);
    editor->viewSettings().toggleAxis();
    EXPECT_FALSE(window->action(Command::ShowAxis)->isChecked());
    editor->viewSettings().toggleTimeline();
    EXPECT_TRUE(window->action(Command::ShowTimeline)->isChecked());
    EXPECT_FALSE(window->action(Command::ShowGrid)->isChecked());
}

TEST_F(WindowTest, TheTransportButtonsShowTheirKeysAndThePlayStateInThePicture) {
    showActive();
    ToolbarButton* play = window->toolbar()->button(Command::PlayPause);
    ToolbarButton* back = window->toolbar()->button(Command::StepBack);
    ToolbarButton* forward = window->toolbar()->button(Command::StepForward);
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->toolTip(), QString("再生/一時停止 (Space)"));
    EXPECT_EQ(back->toolTip(), QString("1フレーム戻る (,)"));
    EXPECT_EQ(forward->toolTip(), QString("1フレーム進む (.)"));

    // The help line names the key, as the menu's status help does.
    QTest::mouseMove(play, QPoint(10, 10));
    EXPECT_EQ(window->statusPanel()->helpText(), QString("再生と一時停止を切り替える。(Space)"));
    EXPECT_EQ(window->action(Command::FrameEffect)->statusTip(),
              QString("エフェクト全体が収まるようにカメラを合わせる。(F)"));
    EXPECT_EQ(window->action(Command::ResetCamera)->statusTip(), QString("カメラをプロジェクトの既定に戻す。(Shift+F)"));
    EXPECT_EQ(window->action(Command::LastFrame)->statusTip(),
              QString("書き出し範囲の最後のフレームへ移動する。(End)"));

    // Playing, the button offers to pause; paused, to play.
    const QImage playing = play->grab().toImage();
    EXPECT_FALSE(play->isAlternate());
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_FALSE(editor->playback().isPlaying());
    EXPECT_TRUE(play->isAlternate());
    EXPECT_NE(play->grab().toImage(), playing);
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(editor->playback().isPlaying());
    EXPECT_EQ(play->grab().toImage(), playing);

    QSignalSpy steps(window->action(Command::StepBack), &QAction::triggered);
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(steps.count(), 1);
    EXPECT_FALSE(editor->playback().isPlaying());
}

bool samePlace(const CameraPlacement& a, const CameraPlacement& b) {
    return a.eye.x == b.eye.x && a.eye.y == b.eye.y && a.eye.z == b.eye.z && a.target.x == b.target.x &&
           a.target.y == b.target.y && a.target.z == b.target.z;
}

TEST_F(WindowTest, FFramesTheEffectAndShiftFPutsTheCameraBack) {
    showActive();
    const CameraPlacement placed = editor->state().camera;
    window->materialPanel()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F);
    const CameraPlacement framed = editor->state().camera;
    EXPECT_FALSE(samePlace(framed, placed)) << "the camera did not move";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ShiftModifier);
    EXPECT_TRUE(samePlace(editor->state().camera, placed));
    // From the menu too.
    window->action(Command::FrameEffect)->trigger();
    EXPECT_TRUE(samePlace(editor->state().camera, framed));
    window->action(Command::ResetCamera)->trigger();
    EXPECT_TRUE(samePlace(editor->state().camera, placed));
}

// The keys as a user presses them on the window's controls.
class PlainKeyTest : public PageTest {
protected:
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

TEST_F(PlainKeyTest, TheViewsPanelsRunTheCommands) {
    PlaybackController& playback = editor->playback();
    ASSERT_TRUE(editor->addChild().done());
    NodePanel* nodes = window->nodePanel();
    nodes->setFocus();
    ASSERT_TRUE(nodes->hasFocus());
    const std::int32_t selected = node().m_ID;

    press(Qt::Key_Space);
    EXPECT_FALSE(playback.isPlaying());
    press(Qt::Key_Space);
    EXPECT_TRUE(playback.isPlaying());
    // Home and End are the first and last frame here, not the first and last row.
    QSignalSpy toStart(window->action(Command::FirstFrame), &QAction::triggered);
    QSignalSpy toEnd(window->action(Command::LastFrame), &QAction::triggered);
    press(Qt::Key_Home);
    EXPECT_EQ(toStart.count(), 1);
    EXPECT_EQ(node().m_ID, selected);
    EXPECT_FALSE(playback.isPlaying());
    press(Qt::Key_End);
    EXPECT_EQ(toEnd.count(), 1);

    window->materialPanel()->setFocus();
    QSignalSpy forward(window->action(Command::StepForward), &QAction::triggered);
    QSignalSpy back(window->action(Command::StepBack), &QAction::triggered);
    QSignalSpy frame(window->action(Command::FrameEffect), &QAction::triggered);
    QSignalSpy reset(window->action(Command::ResetCamera), &QAction::triggered);
    press(Qt::Key_Period);
    press(Qt::Key_Comma);
    press(Qt::Key_Comma);
    press(Qt::Key_F);
    press(Qt::Key_F, Qt::ShiftModifier);
    EXPECT_EQ(forward.count(), 1);
    EXPECT_EQ(back.count(), 2);
    EXPECT_EQ(frame.count(), 1);
    EXPECT_EQ(reset.count(), 1);
}

TEST_F(PlainKeyTest, TextFieldsAndButtonsKeepTheKeysTheyUse) {
    PlaybackController& playback = editor->playback();
    QSignalSpy toStart(window->action(Command::FirstFrame), &QAction::triggered);
    QSignalSpy forward(window->action(Command::StepForward), &QAction::triggered);
    QSignalSpy frame(window->action(Command::FrameEffect), &QAction::triggered);

    // The node's name box types them.
    NodePanel* nodes = window->nodePanel();
    nodes->setFocus();
    press(Qt::Key_F2);
    QLineEdit* name = nodes->renameBox();
    ASSERT_NE(name, nullptr);
    ASSERT_TRUE(name->hasFocus());
    press(Qt::Key_End);
    QTest::keyClicks(name, " F.,");
    press(Qt::Key_Home);
    EXPECT_TRUE(name->text().endsWith(" F.,")) << name->text().toStdString();
    EXPECT_EQ(name->cursorPosition(), 0);
    press(Qt::Key_Escape);

    // A number field: Home, End and Space are its own, "." types a point.
    choose(Page::Kill);
    QSpinBox* span = control<QSpinBox>("m_kill.span");
    span->setFocus();
    QLineEdit* text = span->findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);
    press(Qt::Key_Space);
    press(Qt::Key_Home);
    EXPECT_EQ(text->cursorPosition(), 0);
    press(Qt::Key_End);
    EXPECT_EQ(text->cursorPosition(), text->text().size());
    press(Qt::Key_Period);
    press(Qt::Key_F);

    // A check box presses on Space; the other keys still run the commands.
    choose(Page::Move);
    QCheckBox* oneWay = control<QCheckBox>("m_move.isOneWay");
    oneWay->setFocus();
    ASSERT_TRUE(oneWay->hasFocus());
    const bool wasChecked = oneWay->isChecked();
    press(Qt::Key_Space);
    EXPECT_NE(oneWay->isChecked(), wasChecked);

    EXPECT_TRUE(playback.isPlaying());
    EXPECT_EQ(toStart.count(), 0);
    EXPECT_EQ(forward.count(), 0);
    EXPECT_EQ(frame.count(), 0);
    press(Qt::Key_Period);
    EXPECT_EQ(forward.count(), 1);
}

}  // namespace
}  // namespace fg
