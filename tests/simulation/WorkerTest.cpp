// The preview worker: frame pacing, start and stop, restarts between runs,
// and parameter edits arriving while it runs (CI runs these under
// ThreadSanitizer too).

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "SimulationTestSupport.h"
#include "simulation/PreviewTransport.h"
#include "simulation/SimulateOutput.h"
#include "simulation/Worker.h"

namespace fg {
namespace {

using namespace std::chrono_literals;

TEST(FramePacing, DueAfterAFrameKeepingTheOvershoot) {
    FramePacer pacer;
    EXPECT_FALSE(pacer.frameDue(1000, 60));  // the first pass starts the clock
    EXPECT_FALSE(pacer.frameDue(1016, 60));  // 16 × 60 = 960 < 1000
    EXPECT_TRUE(pacer.frameDue(1017, 60));   // 1020: overshoot 20 / 60 = 0 ms → last 1017
    EXPECT_FALSE(pacer.frameDue(1033, 60));  // 960
    EXPECT_TRUE(pacer.frameDue(1037, 60));   // 1200: overshoot 200 / 60 = 3 ms → last 1034
    EXPECT_FALSE(pacer.frameDue(1050, 60));  // 16 × 60 = 960
    EXPECT_TRUE(pacer.frameDue(1051, 60));
}

TEST(FramePacing, BehindByAWholeFrameDropsTheBacklog) {
    FramePacer pacer;
    pacer.frameDue(1000, 60);
    // 100 ms late: 6000 − 1000 = 5000 → 83 ms overshoot, a frame or more: last ← now.
    EXPECT_TRUE(pacer.frameDue(1100, 60));
    EXPECT_FALSE(pacer.frameDue(1105, 60));  // no step back to back to catch up
    EXPECT_FALSE(pacer.frameDue(1116, 60));
    EXPECT_TRUE(pacer.frameDue(1117, 60));
}

TEST(FramePacing, TheSpeedScalesTheFrameTime) {
    FramePacer quarter;
    quarter.frameDue(1000, 30, 1);              // a quarter of 30 fps: 133⅓ ms a frame
    EXPECT_FALSE(quarter.frameDue(1133, 30, 1));  // 133 × 30 = 3990 < 4000
    EXPECT_TRUE(quarter.frameDue(1134, 30, 1));   // 4020: overshoot 20 / 30 = 0 ms
    FramePacer twice;
    twice.frameDue(1000, 30, 8);               // twice 30 fps: 16⅔ ms
    EXPECT_FALSE(twice.frameDue(1016, 30, 8));
    EXPECT_TRUE(twice.frameDue(1017, 30, 8));
    EXPECT_FALSE(twice.frameDue(5000, 30, 0));  // no speed, no frames
}

TEST(FramePacing, NoRateNoFrames) {
    FramePacer pacer;
    pacer.frameDue(0, 0);
    EXPECT_FALSE(pacer.frameDue(100000, 0));
    EXPECT_FALSE(pacer.frameDue(200000, -30));
}

// Counts what the worker does on each pass and records, on the worker
// thread, the speed the simulation is using.
class RecordingView : public WorkerView {
public:
    explicit RecordingView(const Simulation& sim, NodeIndex watched = 1) : m_sim(sim), m_watched(watched) {}
    void drawPreview(const PreviewTime&) override {
        ++previews;
        if (m_sim.effect().size() > m_watched) seenSpeed.store(m_sim.effect()[m_watched].params.m_move.speed);
        frame.store(m_sim.frame());
    }

    std::atomic<int> previews{0};
    std::atomic<std::int32_t> seenSpeed{-1};
    std::atomic<std::uint32_t> frame{0};

private:
    const Simulation& m_sim;
    NodeIndex m_watched;
};

// A clock that runs 20 ms per reading: at 60 fps every pass is due.
MillisecondClock fastClock() {
    auto now = std::make_shared<std::atomic<std::uint32_t>>(0);
    return [now] { return now->fetch_add(20); };
}

template <class Pred>
bool waitFor(Pred pred) {
    const auto end = std::chrono::steady_clock::now() + 5s;
    while (std::chrono::steady_clock::now() < end) {
        if (pred()) return true;
        std::this_thread::sleep_for(2ms);
    }
    return pred();
}

TEST(Worker, StepsAndDrawsUntilStoppedAndCanStartAgain) {
    EditorState g = test::rootOnlyState();
    Simulation sim(g);
    RecordingView view(sim);
    SimulationWorker worker(sim, &view, fastClock());
    worker.start();
    EXPECT_TRUE(worker.isRunning());
    ASSERT_TRUE(waitFor([&] { return view.frame.load() > 5; }));
    worker.stop();
    EXPECT_FALSE(worker.isRunning());
    const int previews = view.previews.load();
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(view.previews.load(), previews);  // really stopped
    worker.start();
    EXPECT_TRUE(waitFor([&] { return view.previews.load() > previews; }));
    worker.stop();
}

// Records where the preview stands, on the worker thread.
class TimeView : public WorkerView {
public:
    void drawPreview(const PreviewTime& time) override {
        frame.store(time.frame);
        paused.store(time.paused);
        ++previews;
    }
    std::atomic<std::uint32_t> frame{0};
    std::atomic<bool> paused{false};
    std::atomic<int> previews{0};
};

// The editor thread pauses, jumps and steps while the worker runs; the
// worker lands on the frames a straight run gives and stays there.
TEST(Worker, PausesJumpsAndStepsAsAskedFromTheEditorThread) {
    const EditorState g = test::busyEffect();
    Simulation sim(g);
    PlaybackControl control;
    PreviewTransport transport(sim, control);
    TimeView view;
    transport.setView(&view);
    SimulationWorker worker(sim, &view, fastClock(), &transport);
    worker.start();
    ASSERT_TRUE(waitFor([&] { return view.frame.load() > 3; }));
    control.setPlaying(false);
    control.requestFrame(11);
    ASSERT_TRUE(waitFor([&] { return view.paused.load() && view.frame.load() == 11; }));
    const int previews = view.previews.load();
    ASSERT_TRUE(waitFor([&] { return view.previews.load() > previews + 5; }));
    EXPECT_EQ(view.frame.load(), 11U);  // paused: it stays
    control.requestSteps(-1);
    control.requestSteps(-1);
    ASSERT_TRUE(waitFor([&] { return view.frame.load() == 9; }));
    worker.stop();

    Simulation reference(g);
    for (int i = 0; i < 9; ++i) reference.step();
    std::string shown;
    std::string straight;
    appendSimulateLine(sim, 0, shown);
    appendSimulateLine(reference, 0, straight);
    EXPECT_EQ(shown, straight);
}

TEST(Worker, WithoutAViewNothingRuns) {
    EditorState g = test::rootOnlyState();
    Simulation sim(g);
    SimulationWorker worker(sim, nullptr, fastClock());
    worker.start();
    std::this_thread::sleep_for(30ms);
    worker.stop();
    EXPECT_EQ(sim.frame(), 1u);
}

// Between runs the editor changes its state as it likes and restarts the
// simulation from it; while the worker runs, the simulation reads none of it.
TEST(Worker, RestartsBetweenRunsFromTheStateGiven) {
    EditorState g = test::rootOnlyState();
    g.project.randomSeed = 41;
    g.project.frame = 4;  // wrap-arounds while it runs
    Simulation sim(g);
    RecordingView view(sim);
    SimulationWorker worker(sim, &view, fastClock());
    worker.start();
    for (int run = 0; run < 3; ++run) {
        ASSERT_TRUE(waitFor([&] { return view.previews.load() > 10 * (run + 1); }));
        g.project.randomSeed += 1;  // the editor's state, not the worker's
        g.tree.addChild(g.tree.root());
        worker.stop();
        sim.restart(g);
        EXPECT_EQ(sim.frame(), 1u);
        worker.start();
    }
    worker.stop();
    EXPECT_EQ(sim.project().randomSeed, 44);
    EXPECT_EQ(sim.effect().size(), 4u);
}

// The editor thread edits and publishes as fast as it can while the worker
// steps: every edit lands whole, and the last one reaches the running
// simulation without a restart.
TEST(Worker, ParameterEditsReachTheRunningSimulation) {
    EditorState g = test::rootOnlyState();
    g.project.frame = 1000000;  // no wrap-around restart during the test
    Node& node = g.tree.addChild(g.tree.root());
    node.m_timing.end = 1000000;
    node.m_timing.num = 4;
    node.m_kill.span = 30;
    node.m_move.isOneWay = 1;
    node.m_move.speed = 1;
    Simulation sim(g);
    RecordingView view(sim);
    SimulationWorker worker(sim, &view, fastClock());
    worker.start();

    for (std::int32_t i = 1; i <= 2000; ++i) {
        node.m_move.speed = i;
        node.m_move.dirY = static_cast<float>(i % 360);
        node.m_scale.max = 5 + i % 20;
        node.m_texture.name = i % 2 ? "a rather long material name that needs the heap" : "short";
        if (i % 100 == 0) {
            node.curve(kCurveSize).setPoints({{0, 0}, {50, static_cast<float>(i % 100)}, {100, 0}});
            node.curve(kCurveSize).rebuild();
        }
        sim.parameters().publish(g.tree.root());
        if (i % 200 == 0) std::this_thread::sleep_for(1ms);
    }
    const std::uint32_t frameAtLastEdit = view.frame.load();
    // On a busy machine the worker may first run after the last edit: let
    // it take a few steps either way.
    EXPECT_TRUE(waitFor([&] { return view.seenSpeed.load() == 2000 && view.frame.load() > 2; }));
    worker.stop();
    EXPECT_GE(sim.frame(), frameAtLastEdit);  // no restart on the way
    EXPECT_GT(sim.frame(), 2u);
    EXPECT_EQ(sim.effect()[1].params.m_scale.max, 5 + 2000 % 20);
}

}  // namespace
}  // namespace fg
