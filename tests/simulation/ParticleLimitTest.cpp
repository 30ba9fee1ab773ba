// The live-particle limit: spawns beyond it are skipped, counted and
// reported, the same way on every run, for emissions during a parent's life
// and at its death alike.

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "SimulationTestSupport.h"

namespace fg {
namespace {

std::vector<std::string> run(const EditorState& g, std::uint32_t limit, int steps) {
    Simulation sim(g);
    sim.setParticleLimit(limit);
    std::vector<std::string> lines;
    for (int i = 0; i < steps; ++i) {
        sim.step();
        lines.push_back(test::outputLine(sim));
    }
    return lines;
}

TEST(ParticleLimit, DefaultsToTwoMillionAndAlwaysLeavesRoomForTheRoot) {
    EditorState g = test::rootOnlyState();
    Simulation sim(g);
    EXPECT_EQ(sim.particleLimit(), 2'000'000u);
    EXPECT_FALSE(sim.particleLimitReached());
    EXPECT_EQ(sim.skippedSpawns(), 0u);
    sim.setParticleLimit(0);
    EXPECT_EQ(sim.particleLimit(), 1u);
    sim.restart();
    sim.step();
    EXPECT_EQ(sim.particles().size(), 1u);
    EXPECT_FALSE(sim.particleLimitReached());
}

TEST(ParticleLimit, AnAbsurdCountStopsAtTheLimitAtOnceAndReplaysIdentically) {
    EditorState g = test::rootOnlyState();
    g.project.frame = 4;
    Node& node = test::addQuietNode(g, g.tree.root());
    node.m_timing.num = std::numeric_limits<std::int32_t>::max();
    node.m_timing.end = 3;  // one emission in each of frames 1 … 3
    node.m_emitter.size = {1.0f, 1.0f, 1.0f};

    Simulation sim(g);
    sim.setParticleLimit(50);
    sim.step();
    EXPECT_EQ(sim.particles().size(), 50u);  // the root and 49 of the emission
    EXPECT_EQ(test::particlesOf(sim, node.m_ID).size(), 49u);
    EXPECT_TRUE(sim.particleLimitReached());
    const std::uint64_t perEmission = std::numeric_limits<std::int32_t>::max() - 49u;
    EXPECT_EQ(sim.skippedSpawns(), perEmission);
    sim.step();
    sim.step();
    EXPECT_EQ(sim.particles().size(), 50u);
    EXPECT_EQ(sim.skippedSpawns(), perEmission + 2u * std::numeric_limits<std::int32_t>::max());

    // Frame 4 emits nothing; the wrap-around starts the loop's flag afresh
    // and frame 1 reaches the limit again, while the total keeps counting.
    sim.step();
    EXPECT_TRUE(sim.particleLimitReached());
    sim.step();
    EXPECT_EQ(sim.frame() - 1, 1u);
    EXPECT_TRUE(sim.particleLimitReached());
    EXPECT_EQ(sim.skippedSpawns(), 2u * perEmission + 2u * std::numeric_limits<std::int32_t>::max());
    sim.restart();
    EXPECT_FALSE(sim.particleLimitReached());
    EXPECT_EQ(sim.skippedSpawns(), 0u);

    EXPECT_EQ(run(g, 50, 6), run(g, 50, 6));
}

TEST(ParticleLimit, TheParticlesBeforeTheLimitAreThoseOfAnUnlimitedRun) {
    EditorState g = test::rootOnlyState();
    Node& node = test::addQuietNode(g, g.tree.root());
    node.m_timing.num = 4;
    node.m_timing.end = 60;
    node.m_timing.num_err = 50;
    node.m_emitter.size = {1.0f, 2.0f, 3.0f};
    node.m_move.speed = 3;
    node.m_move.speed_err = 40;
    const std::vector<std::string> unlimited = run(g, Simulation::kDefaultParticleLimit, 12);
    const std::vector<std::string> limited = run(g, 20, 12);
    // About four particles a frame: the limit of 20 is first met in frame 5
    // or 6, and every frame before it is the unlimited run's.
    std::size_t same = 0;
    while (same < limited.size() && limited[same] == unlimited[same]) ++same;
    EXPECT_GE(same, 3u);
    EXPECT_LT(same, 12u);
    Simulation sim(g);
    sim.setParticleLimit(20);
    for (int i = 0; i < 12; ++i) {
        sim.step();
        EXPECT_LE(sim.particles().size(), 20u);
        EXPECT_EQ(sim.particleLimitReached(), static_cast<std::size_t>(i) >= same) << "frame " << i + 1;
    }
}

// Root → five parents (born in frame 1, dying in frame 3) → ten at-death
// children each.
TEST(ParticleLimit, ChildrenEmittedAtAParentsDeathStopAtTheLimit) {
    EditorState g = test::rootOnlyState();
    Node& parent = test::addQuietNode(g, g.tree.root(), 2);
    parent.m_timing.num = 5;
    Node& child = test::addQuietNode(g, parent, 30);
    child.m_timing.type = kTimingParentDeath;
    child.m_timing.num = 10;
    child.m_emitter.size = {1.0f, 1.0f, 1.0f};

    Simulation sim(g);
    sim.setParticleLimit(20);
    sim.step();
    sim.step();
    EXPECT_EQ(sim.particles().size(), 6u);
    EXPECT_FALSE(sim.particleLimitReached());
    sim.step();
    // The first death emits all ten (16 live), the second five (the dying
    // parent still counts), each later one the single place its
    // predecessor freed.
    EXPECT_TRUE(test::particlesOf(sim, parent.m_ID).empty());
    EXPECT_EQ(test::particlesOf(sim, child.m_ID).size(), 10u + 5u + 1u + 1u + 1u);
    EXPECT_EQ(sim.particles().size(), 19u);
    EXPECT_EQ(sim.skippedSpawns(), 5u + 9u + 9u + 9u);
    EXPECT_TRUE(sim.particleLimitReached());

    EXPECT_EQ(run(g, 20, 5), run(g, 20, 5));
    EXPECT_NE(run(g, 20, 5), run(g, 21, 5));
}

}  // namespace
}  // namespace fg
