// The editor's playback commands with the real preview worker: pause,
// steps and jumps reach the worker; an edit, an undo or a new seed while
// paused show at the frame on screen; the loop preview restarts the preview
// in loop mode; none of it touches the document.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "ChangeSpies.h"
#include "EditorTestSupport.h"
#include "simulation/SimulateOutput.h"

namespace fg {
namespace {

using namespace std::chrono_literals;
using test::ScratchHome;

// Records, on the worker thread, where the preview stands and what it shows.
class TimeView : public WorkerView {
public:
    explicit TimeView(Simulation& simulation) : m_simulation(simulation) {}
    void drawPreview(const PreviewTime& time) override {
        std::string line;
        appendSimulateLine(m_simulation, 0, line);
        const std::lock_guard lock(m_mutex);
        m_time = time;
        m_line = std::move(line);
        ++m_passes;
    }
    PreviewTime time() const {
        const std::lock_guard lock(m_mutex);
        return m_time;
    }
    std::string line() const {
        const std::lock_guard lock(m_mutex);
        return m_line;
    }
    int passes() const {
        const std::lock_guard lock(m_mutex);
        return m_passes;
    }

private:
    Simulation& m_simulation;
    mutable std::mutex m_mutex;
    PreviewTime m_time;
    std::string m_line;
    int m_passes = 0;
};

template <class Pred>
bool waitFor(Pred pred) {
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < end) {
        if (pred()) return true;
        std::this_thread::sleep_for(2ms);
    }
    return pred();
}

struct PlayingEditor {
    PlayingEditor() : editor(test::makeEditor(nullptr)) {
        editor->attachView([this](Simulation& live) -> std::unique_ptr<WorkerView> {
            auto made = std::make_unique<TimeView>(live);
            view = made.get();
            return made;
        });
        editor->startWorker();
    }
    ~PlayingEditor() { editor->stopWorker(); }
    // The frame shown once the worker has drawn a few passes there.
    bool settlesAt(std::uint32_t frame) {
        if (!waitFor([&] { return view->time().paused && view->time().frame == frame; })) return false;
        const int passes = view->passes();
        return waitFor([&] { return view->passes() > passes + 3; }) && view->time().frame == frame;
    }

    ScratchHome home;
    std::unique_ptr<Editor> editor;
    TimeView* view = nullptr;
};

TEST(EditorPlayback, PauseStepAndJumpReachTheWorkerAndMarkNothing) {
    PlayingEditor rig;
    PlaybackController& playback = rig.editor->playback();
    QSignalSpy changed(&playback, &PlaybackController::playbackChanged);
    ASSERT_TRUE(waitFor([&] { return rig.view->time().frame > 2; }));
    EXPECT_TRUE(playback.isPlaying());

    playback.jumpTo(20);
    playback.pause();
    EXPECT_EQ(changed.count(), 1);
    ASSERT_TRUE(rig.settlesAt(20));
    const std::string at20 = rig.view->line();
    playback.stepForward();
    ASSERT_TRUE(rig.settlesAt(21));
    playback.stepBack();
    ASSERT_TRUE(rig.settlesAt(20));
    EXPECT_EQ(rig.view->line(), at20);
    EXPECT_EQ(changed.count(), 1);  // the steps found it paused

    // The end of the export range, clamped to the effect.
    rig.editor->changeDocument({}, [](EditorState& g) { g.write.end = 45; });
    playback.jumpToEnd();
    EXPECT_TRUE(rig.settlesAt(45));
    rig.editor->changeDocument({}, [](EditorState& g) { g.write.end = 500; });
    EXPECT_EQ(playback.exportEnd(), 60);
    playback.jumpToStart();
    EXPECT_TRUE(rig.settlesAt(0));

    playback.setSpeed(PlaybackSpeed::Quarter);
    EXPECT_EQ(playback.speed(), PlaybackSpeed::Quarter);
    playback.play();
    EXPECT_TRUE(waitFor([&] { return !rig.view->time().paused && rig.view->time().frame > 0; }));
    EXPECT_FALSE(rig.editor->isModified());
    EXPECT_EQ(rig.editor->history().index(), 0);
}

TEST(EditorPlayback, AnEditAnUndoAndANewSeedWhilePausedShowAtTheFrameOnScreen) {
    PlayingEditor rig;
    PlaybackController& playback = rig.editor->playback();
    playback.pause();
    playback.jumpTo(30);
    ASSERT_TRUE(rig.settlesAt(30));
    const std::string before = rig.view->line();

    rig.editor->editInt(*findNodeField("m_timing.num"), 9);
    ASSERT_TRUE(waitFor([&] { return rig.view->line() != before; }));
    EXPECT_TRUE(rig.settlesAt(30));
    const std::string edited = rig.view->line();

    rig.editor->undo();
    ASSERT_TRUE(waitFor([&] { return rig.view->line() == before; }));
    EXPECT_TRUE(rig.settlesAt(30));

    rig.editor->redo();
    ASSERT_TRUE(waitFor([&] { return rig.view->line() == edited; }));
    rig.editor->remake();
    ASSERT_TRUE(waitFor([&] { return rig.view->line() != edited; }));
    EXPECT_TRUE(rig.settlesAt(30));
}

TEST(EditorPlayback, TheLoopPreviewRestartsThePreviewInLoopModeWithoutMarkingTheProject) {
    PlayingEditor rig;
    PlaybackController& playback = rig.editor->playback();
    test::PartSpy restarts(*rig.editor, DocumentPart::Preview);
    QSignalSpy changed(&playback, &PlaybackController::playbackChanged);
    playback.setLoopPreview(true);
    playback.setLoopPreview(true);  // no change, no restart
    EXPECT_TRUE(playback.loopPreview());
    EXPECT_TRUE(rig.editor->simulation().loop());
    EXPECT_EQ(restarts.count(), 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(rig.editor->isModified());
    playback.pause();
    playback.jumpTo(10);
    EXPECT_TRUE(rig.settlesAt(10));
    playback.setLoopPreview(false);
    EXPECT_FALSE(rig.editor->simulation().loop());
    EXPECT_TRUE(rig.settlesAt(10));  // paused, it comes back to the frame
}

}  // namespace
}  // namespace fg
