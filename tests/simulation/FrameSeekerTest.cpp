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
    const EditorState g = test::busyEffect();
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
    const EditorState g = test::busyEffect();
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
    EditorState g = test::busyEffect();
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
