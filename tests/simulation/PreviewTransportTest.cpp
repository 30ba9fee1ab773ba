// The preview's transport: paused it stands still; steps, jumps and edits
// while paused land on exactly the state a straight run from the start
// gives (sorted from the same eye, as the preview draws); playing follows
// the speed and goes round the pass; the loop preview shows the pass
// `export --loop` renders.

#include <gtest/gtest.h>

#include <string>

#include "SimulationTestSupport.h"
#include "simulation/DrawOrder.h"
#include "simulation/LoopWarmUp.h"
#include "simulation/PreviewTransport.h"

namespace fg {
namespace {

// Sorts from its eye as the view's settle does; the key moves with the eye.
class SortingView : public WorkerView {
public:
    explicit SortingView(Simulation& simulation) : m_simulation(simulation) {}
    void drawPreview(const PreviewTime& time) override { shown = time; }
    void settle() override {
        ++settles;
        if (m_simulation.project().sort != 0) sortByCameraDistance(m_simulation, eye);
    }
    std::uint64_t settleKey() const override { return eyeVersion; }
    void moveEye(Vec3f to) {
        eye = to;
        ++eyeVersion;
    }

    Vec3f eye{0.0f, 5.0f, -10.0f};
    std::uint64_t eyeVersion = 0;
    int settles = 0;
    PreviewTime shown;

private:
    Simulation& m_simulation;
};

std::string stateLine(const Simulation& simulation) {
    std::string line;
    appendSimulateLine(simulation, 0, line);
    return line;
}

// `steps` steps from the start, each sorted from `eye` when the project sorts.
std::string straightRun(const EditorState& g, std::uint64_t steps, Vec3f eye = {0.0f, 5.0f, -10.0f}) {
    Simulation reference(g);
    for (std::uint64_t i = 0; i < steps; ++i) {
        reference.step();
        if (g.project.sort != 0) sortByCameraDistance(reference, eye);
    }
    return stateLine(reference);
}

EditorState sortedBusyEffect() {
    EditorState g = test::busyEffect();
    g.project.sort = 1;
    g.project.fps = 10;  // a frame every 100 ms
    return g;
}

struct Rig {
    explicit Rig(const EditorState& g) : simulation(g), transport(simulation, control), view(simulation) {
        transport.setView(&view);
    }
    // One worker pass at `now`, then its picture.
    void pass(std::uint32_t now) {
        transport.advance(now);
        view.drawPreview(transport.time());
    }
    Simulation simulation;
    PlaybackControl control;
    PreviewTransport transport;
    SortingView view;
};

TEST(PreviewTransport, PausedItStandsStillAndStepsAndJumpsLandOnTheFramesOfAStraightRun) {
    const EditorState g = sortedBusyEffect();
    Rig rig(g);
    rig.control.setPlaying(false);
    rig.pass(0);
    rig.pass(5000);
    EXPECT_EQ(rig.transport.time().frame, 0U);
    EXPECT_TRUE(rig.view.shown.paused);

    rig.control.requestSteps(1);
    rig.control.requestSteps(1);  // two presses before the worker came round
    rig.pass(5005);
    EXPECT_EQ(rig.view.shown.frame, 2U);
    EXPECT_EQ(stateLine(rig.simulation), straightRun(g, 2));

    rig.control.requestFrame(15);
    rig.pass(5010);
    EXPECT_EQ(rig.view.shown.frame, 15U);
    EXPECT_EQ(stateLine(rig.simulation), straightRun(g, 15));
    const std::string at15 = stateLine(rig.simulation);

    rig.control.requestSteps(-1);
    rig.pass(5015);
    EXPECT_EQ(rig.view.shown.frame, 14U);
    EXPECT_EQ(stateLine(rig.simulation), straightRun(g, 14));
    rig.control.requestSteps(1);
    rig.pass(5020);
    EXPECT_EQ(stateLine(rig.simulation), at15);  // a step back and on is the same state

    // Out of the pass: clamped to its ends.
    rig.control.requestSteps(-100);
    rig.pass(5025);
    EXPECT_EQ(rig.view.shown.frame, 0U);
    rig.control.requestFrame(999);
    rig.pass(5030);
    EXPECT_EQ(rig.view.shown.frame, 18U);
    EXPECT_EQ(stateLine(rig.simulation), straightRun(g, 18));
    EXPECT_TRUE(rig.view.shown.paused);
}

TEST(PreviewTransport, PlayingItStepsAtTheSpeedAndGoesRoundThePass) {
    const EditorState g = sortedBusyEffect();
    Rig rig(g);
    rig.pass(1000);  // starts the clock
    rig.pass(1099);
    EXPECT_EQ(rig.view.shown.frame, 0U);
    rig.pass(1100);
    EXPECT_EQ(rig.view.shown.frame, 1U);
    EXPECT_FALSE(rig.view.shown.paused);

    rig.control.setSpeed(PlaybackSpeed::Quarter);  // a frame every 400 ms
    rig.pass(1200);
    rig.pass(1499);
    EXPECT_EQ(rig.view.shown.frame, 1U);
    rig.pass(1500);
    EXPECT_EQ(rig.view.shown.frame, 2U);

    rig.control.setSpeed(PlaybackSpeed::Double);  // every 50 ms
    std::uint32_t now = 1500;
    while (rig.view.shown.frame != 18U) rig.pass(now += 50);
    rig.pass(now += 50);
    // The pass ran out: frame 1 of the next, as a run from the start.
    EXPECT_EQ(rig.view.shown.frame, 1U);
    EXPECT_EQ(stateLine(rig.simulation), straightRun(g, 1));
    rig.pass(now += 50);
    EXPECT_EQ(stateLine(rig.simulation), straightRun(g, 2));
}

TEST(PreviewTransport, AnEditWhilePausedShowsAtTheSameFrameAsARunFromTheStartWithIt) {
    EditorState g = sortedBusyEffect();
    Rig rig(g);
    rig.control.setPlaying(false);
    rig.control.requestFrame(12);
    rig.pass(0);
    const std::string before = stateLine(rig.simulation);

    g.tree.root().m_children.front()->m_move.speed = 9;
    rig.simulation.parameters().publish(g.tree.root());
    rig.pass(10);
    EXPECT_EQ(rig.view.shown.frame, 12U);
    EXPECT_NE(stateLine(rig.simulation), before);
    EXPECT_EQ(stateLine(rig.simulation), straightRun(g, 12));
    // Nothing new: nothing simulated again.
    const int settles = rig.view.settles;
    rig.pass(20);
    EXPECT_EQ(rig.view.settles, settles);
}

TEST(PreviewTransport, AfterAnEditWhilePlayingAJumpBackShowsTheEditedEffect) {
    EditorState g = sortedBusyEffect();
    Rig rig(g);
    std::uint32_t now = 0;
    while (rig.view.shown.frame < 10U) rig.pass(now += 100);
    g.tree.root().m_children.front()->m_move.speed = 9;
    rig.simulation.parameters().publish(g.tree.root());
    rig.pass(now += 100);  // the step takes the edit and goes on from a state of the old effect
    EXPECT_FALSE(rig.transport.seeker().matchesStraightRun());
    rig.control.requestFrame(5);
    rig.pass(now += 1);
    EXPECT_EQ(stateLine(rig.simulation), straightRun(g, 5));
    rig.control.requestFrame(10);
    rig.pass(now += 1);
    EXPECT_EQ(stateLine(rig.simulation), straightRun(g, 10));
}

TEST(PreviewTransport, AMovedEyeMakesJumpsRunFromTheStartSortedFromIt) {
    const EditorState g = sortedBusyEffect();
    Rig rig(g);
    rig.control.setPlaying(false);
    rig.control.requestFrame(18);  // keeps the state at 16, sorted from the first eye
    rig.pass(0);
    const Vec3f side{-12.0f, 1.0f, 3.0f};
    rig.view.moveEye(side);
    rig.control.requestFrame(17);
    rig.pass(1);
    EXPECT_EQ(stateLine(rig.simulation), straightRun(g, 17, side));
    EXPECT_NE(straightRun(g, 17, side), straightRun(g, 17));  // the control: the eye matters here
}

TEST(PreviewTransport, ARestartComesBackToTheFrameShownWhilePausedAndPlaysFromTheStartOtherwise) {
    EditorState g = sortedBusyEffect();
    Rig rig(g);
    rig.control.setPlaying(false);
    rig.control.requestFrame(12);
    rig.pass(0);
    Node& added = g.tree.addChild(*g.tree.root().m_children.front());
    added.m_kill.span = 6;
    rig.simulation.restart(g);
    rig.transport.restarted();
    rig.pass(1);
    EXPECT_EQ(rig.view.shown.frame, 12U);
    EXPECT_EQ(stateLine(rig.simulation), straightRun(g, 12));

    rig.control.setPlaying(true);
    rig.simulation.restart(g);
    rig.transport.restarted();
    rig.pass(2);
    EXPECT_EQ(rig.view.shown.frame, 0U);
}

TEST(PreviewTransport, TheLoopPreviewShowsThePassExportLoopRenders) {
    EditorState g = test::busyEffect();  // particles outlive the pass
    Rig rig(g);
    rig.simulation.setLoop(true);
    rig.simulation.restart(g);
    rig.transport.restarted();
    rig.control.setPlaying(false);
    rig.control.requestFrame(5);
    rig.pass(0);

    Simulation exported(g);
    warmUpLoop(exported);
    for (int i = 0; i < 5; ++i) exported.step();
    EXPECT_EQ(stateLine(rig.simulation), stateLine(exported));
    Simulation once(g);
    for (int i = 0; i < 5; ++i) once.step();
    EXPECT_NE(stateLine(rig.simulation), stateLine(once));  // the control: carried particles show
}

TEST(PreviewTransport, ALongJumpGivesWayAndGoesOnAtTheNextPass) {
    const EditorState g = sortedBusyEffect();
    Rig rig(g);
    rig.control.setPlaying(false);
    rig.control.requestFrame(17);
    int asked = 0;
    rig.transport.advance(0, [&] { return ++asked > 5; });
    EXPECT_LT(rig.transport.time().frame, 17U);
    rig.pass(1);
    EXPECT_EQ(rig.transport.time().frame, 17U);
    EXPECT_EQ(stateLine(rig.simulation), straightRun(g, 17));
}

}  // namespace
}  // namespace fg
