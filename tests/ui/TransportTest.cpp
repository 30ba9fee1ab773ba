// The preview's transport in the real window, with the live view drawing
// the fire sample on a real display (run under xvfb-run): Space pauses and
// plays, the period and the comma step, a jump shows what the command-line
// tool renders for that frame, an edit while paused redraws the frame, and
// the keys type in a text field.

#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstdlib>

#include "PageTestSupport.h"
#include "app/PlaybackController.h"
#include "model/NodeFields.h"
#include "ui/NodePanel.h"
#include "ui/ViewPanel.h"
#include "ui/ViewWidget.h"

namespace fg {
namespace {

constexpr int kWaitMs = 20000;

class TransportTest : public test::PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        const char* source = std::getenv("FULGRANE3D_SOURCE_DIR");
        ASSERT_NE(source, nullptr);
        // A copy: the CLI renders the very file the editor shows.
        ASSERT_TRUE(scratch.isValid());
        projectPath = scratch.filePath(QStringLiteral("fire.nbx"));
        ASSERT_TRUE(editor->document().openInPlace(std::string(source) + "/resources/samples/fire.nbx"));
        ASSERT_TRUE(editor->document().saveTo(projectPath.toStdString()));
        view = qobject_cast<ViewWidget*>(window->viewPanel()->view());
        ASSERT_NE(view, nullptr) << "no OpenGL on this display";
        editor->startWorker();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->framesDrawn() >= 3; }, kWaitMs));
        view->setFocus();
    }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    PlaybackController& playback() { return editor->playback(); }

    // Waits until the view shows `frame` (any frame for -1) and keeps
    // showing it for a while; the frame it shows, -1 when it never settles.
    int settle(int frame = -1) {
        QElapsedTimer waited;
        waited.start();
        QElapsedTimer still;
        int last = -2;
        while (waited.elapsed() < kWaitMs) {
            const int now = playback().currentFrame();
            if (now != last) {
                last = now;
                still.start();
            } else if ((frame < 0 || now == frame) && still.elapsed() >= 400) {
                return now;
            }
            QTest::qWait(20);
        }
        return -1;
    }
    QImage picture() { return view->grabFramebuffer().convertToFormat(QImage::Format_RGB888); }

    // `fulgrane3d-cli render` of the project at `frame`, as large as the view.
    // `paused`: with the mark a paused preview shows.
    QImage rendered(int frame, const QSize& size, const QString& counters, bool paused = false) {
        const QString out = scratch.filePath(QStringLiteral("frame%1-%2-%3.png").arg(frame).arg(counters).arg(paused));
        QStringList args{QStringLiteral("render"), projectPath, QStringLiteral("--frame"), QString::number(frame),
                         QStringLiteral("-o"), out, QStringLiteral("--width"), QString::number(size.width()),
                         QStringLiteral("--height"), QString::number(size.height()), QStringLiteral("--counters"),
                         counters};
        if (paused) args << QStringLiteral("--paused");
        QProcess cli;
        cli.start(QStringLiteral(FULGRANE3D_CLI_PATH), args);
        EXPECT_TRUE(cli.waitForFinished(120000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        return QImage(out).convertToFormat(QImage::Format_RGB888);
    }
    // Keeps both pictures for a look when they differ.
    void keepOnFailure(const QImage& shown, const QImage& expected, const QString& name) {
        if (shown == expected) return;
        shown.save(scratch.filePath(name + QStringLiteral("-shown.png")));
        expected.save(scratch.filePath(name + QStringLiteral("-rendered.png")));
        scratch.setAutoRemove(false);
        ADD_FAILURE() << name.toStdString() << ": pictures kept in " << scratch.path().toStdString();
    }

    QTemporaryDir scratch;
    QString projectPath;
    ViewWidget* view = nullptr;
};

TEST_F(TransportTest, SpacePausesThePictureAndPlaysItAgain) {
    ASSERT_TRUE(playback().isPlaying());
    press(Qt::Key_Space);
    EXPECT_FALSE(playback().isPlaying());
    const int frame = settle();
    ASSERT_GE(frame, 0);
    const QImage paused = picture();
    QTest::qWait(1000);
    EXPECT_EQ(playback().currentFrame(), frame);
    EXPECT_EQ(picture(), paused);

    press(Qt::Key_Space);
    EXPECT_TRUE(playback().isPlaying());
    // The view rests after a picture as long as that picture took to show,
    // and the two grabs above count as one picture a second long.
    EXPECT_TRUE(QTest::qWaitFor([&] { return playback().currentFrame() != frame; }, 3000))
        << "still at frame " << frame << " after Space";
    EXPECT_NE(picture(), paused);
}

TEST_F(TransportTest, PeriodStepsOneFrameAndCommaReturnsToTheSamePixels) {
    press(Qt::Key_Space);
    // Home and End: the first frame and the export range's last.
    press(Qt::Key_End);
    EXPECT_EQ(settle(playback().exportEnd()), playback().exportEnd());
    press(Qt::Key_Home);
    EXPECT_EQ(settle(0), 0);
    // In the middle of the effect, where every step changes the picture.
    const int frame = 25;
    playback().jumpTo(frame);
    ASSERT_EQ(settle(frame), frame);
    const QImage before = picture();
    press(Qt::Key_Period);
    ASSERT_EQ(settle(frame + 1), frame + 1);
    const QImage after = picture();
    EXPECT_NE(after, before);
    // The frame counter reads the next number: its four digits as the
    // command-line tool draws them for that frame.
    const QRect digits(0, 0, 40, 16);
    const QImage counter = rendered(frame + 1, after.size(), QStringLiteral("frame")).copy(digits);
    keepOnFailure(after.copy(digits), counter, QStringLiteral("counter"));
    press(Qt::Key_Comma);
    ASSERT_EQ(settle(frame), frame);
    EXPECT_EQ(picture(), before);
    EXPECT_FALSE(playback().isPlaying());
}

TEST_F(TransportTest, AJumpShowsWhatTheCommandLineRendersForThatFrame) {
    // The FPS counter is the editor's own: both leave the counters out; the
    // paused preview still shows its frame line with the pause mark.
    editor->viewSettings().toggleFrameDisplay();
    ASSERT_FALSE(editor->viewSettings().displayFlags().frame);
    playback().pause();
    playback().jumpTo(30);
    ASSERT_EQ(settle(30), 30);
    const QImage shown = picture();

    const QImage expected = rendered(30, shown.size(), QStringLiteral("none"), true);
    ASSERT_EQ(expected.size(), shown.size());
    keepOnFailure(shown, expected, QStringLiteral("frame30"));
}

TEST_F(TransportTest, AnEditWhilePausedRedrawsThePausedFrame) {
    playback().pause();
    playback().jumpTo(20);
    ASSERT_EQ(settle(20), 20);
    const QImage before = picture();
    const int drawn = view->framesDrawn();
    editor->editInt(nodeField(FieldId::ScaleMax), node().m_scale.max * 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->framesDrawn() > drawn; }, kWaitMs));
    ASSERT_EQ(settle(20), 20);
    EXPECT_FALSE(playback().isPlaying());
    EXPECT_NE(picture(), before);
}

TEST_F(TransportTest, SpaceTypedIntoTheNodesNameDoesNotPause) {
    NodePanel* nodes = window->nodePanel();
    nodes->setFocus();
    press(Qt::Key_F2);
    QLineEdit* name = nodes->renameBox();
    ASSERT_NE(name, nullptr);
    ASSERT_TRUE(name->hasFocus());
    press(Qt::Key_End);
    press(Qt::Key_Space);
    EXPECT_TRUE(name->text().endsWith(QLatin1Char(' ')));
    EXPECT_TRUE(playback().isPlaying());
    press(Qt::Key_Return);
    // Back on the tree, Space is the window's again.
    ASSERT_TRUE(nodes->hasFocus());
    press(Qt::Key_Space);
    EXPECT_FALSE(playback().isPlaying());
}

}  // namespace
}  // namespace fg
