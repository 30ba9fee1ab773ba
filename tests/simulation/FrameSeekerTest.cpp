// Seeking a simulation to any step, backwards and forwards, gives the state
// a straight run from the start reaches, and stepping on from there goes on
// as the straight run does (random sequences included), in loop mode too.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "SimulationTestSupport.h"
#include "simulation/FrameSeeker.h"
#include "simulation/SimulateOutput.h"

namespace fg {
namespace {

// A short effect that wraps often, draws random numbers everywhere and
// spawns children during and at the end of its parents' lives.
EditorState busyEffect() {
    EditorState g = test::rootOnlyState();
    g.project.frame = 18;
    g.project.randomSeed = 4242;
    Node& a = g.tree.addChild(g.tree.root());
    a.m_timing.end = 9;
    a.m_timing.num = 3;
    a.m_timing.num_err = 40;
    a.m_emitter.type = kEmitterSphere;
    a.m_emitter.size = {1.0f, 2.0f, 1.5f};
    a.m_move.speed = 3;
    a.m_move.speed_err = 50;
    a.m_kill.span = 24;  // outlives the pass: carried across the wrap in loop mode
    a.m_kill.span_err = 20;
    Node& during = g.tree.addChild(a);
    during.m_timing.type = kTimingParentFrames;
    during.m_timing.start = 2;
    during.m_timing.end = 1000;
    during.m_timing.often = 3;
    during.m_timing.often_err = 40;
    during.m_kill.span = 5;
    during.m_kill.span_err = 50;
    Node& atDeath = g.tree.addChild(a);
    atDeath.m_timing.type = kTimingParentDeath;
    atDeath.m_timing.num = 2;
    atDeath.m_kill.span = 4;
    return g;
}

std::string stateLine(const Simulation& simulation) {
    std::string line;
    appendSimulateLine(simulation, 0, line);
    return line;
}

std::string straightRun(const EditorState& g, bool loop, std::uint64_t steps) {
    Simulation reference(g);
    reference.setLoop(loop);
    reference.restart();
    for (std::uint64_t i = 0; i < steps; ++i) reference.step();
    return stateLine(reference);
}

TEST(FrameSeeker, EverySeekGivesTheStateOfAStraightRunAndGoesOnFromIt) {
    const EditorState g = busyEffect();
    for (const bool loop : {false, true}) {
        Simulation simulation(g);
        simulation.setLoop(loop);
        simulation.restart();
        // A small interval and capacity, so thinning happens on the way.
        FrameSeeker seeker(simulation, 4, 4);
        std::mt19937 gen(7);
        std::uniform_int_distribution<int> target(0, 90);
        for (int jump = 0; jump < 40; ++jump) {
            const auto steps = static_cast<std::uint64_t>(jump == 0 ? 90 : target(gen));
            seeker.seek(steps);
            ASSERT_EQ(seeker.position(), steps);
            ASSERT_EQ(stateLine(simulation), straightRun(g, loop, steps)) << "loop " << loop << ", step " << steps;
            // One step on: the random sequences went on from the same point.
            seeker.step();
            ASSERT_EQ(stateLine(simulation), straightRun(g, loop, steps + 1)) << "loop " << loop << ", step " << steps + 1;
        }
        EXPECT_LE(seeker.keptStates(), 4U);
        EXPECT_GT(seeker.interval(), 4U);
    }
}

TEST(FrameSeeker, TheKeptStatesStayWithinTheirByteBudget) {
    const EditorState g = busyEffect();
    Simulation simulation(g);
    // Room for about three states of this effect's particles.
    Simulation probe(g);
    for (int i = 0; i < 8; ++i) probe.step();
    const std::size_t budget = 3 * probe.particles().slotCount() * sizeof(Particle);
    FrameSeeker seeker(simulation, 2, 100, budget);
    seeker.seek(200);
    EXPECT_LE(seeker.keptBytes(), budget);
    EXPECT_GE(seeker.keptStates(), 1U);
    EXPECT_GT(seeker.interval(), 2U);
    seeker.seek(37);
    EXPECT_EQ(stateLine(simulation), straightRun(g, false, 37));
}

TEST(FrameSeeker, ARestartDropsTheStatesOfTheOldEffect) {
    EditorState g = busyEffect();
    Simulation simulation(g);
    FrameSeeker seeker(simulation, 4);
    seeker.seek(30);
    g.tree.root().m_children.front()->m_move.speed = 9;
    simulation.restart(g);
    seeker.restarted();
    EXPECT_EQ(seeker.position(), 0U);
    EXPECT_EQ(seeker.keptStates(), 1U);
    seeker.seek(12);
    EXPECT_EQ(stateLine(simulation), straightRun(g, false, 12));
    seeker.seek(3);
    EXPECT_EQ(stateLine(simulation), straightRun(g, false, 3));
}

}  // namespace
}  // namespace fg
