// Loop mode: particles alive at the wrap are carried into the next pass, so
// that one pass shows the effect as it looks repeated forever.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SimulationTestSupport.h"

namespace fg {
namespace {

constexpr int kFrames = 20;

// Sprays with spread every frame of the first 8; every particle lives 30
// frames (1.5 passes) and bursts into short-lived children at its death.
EditorState longLivedState(std::int32_t lifeSpread = 0) {
    EditorState g = test::rootOnlyState();
    g.project.frame = kFrames;
    g.project.randomSeed = 11;
    Node& a = g.tree.addChild(g.tree.root());
    a.m_timing.end = 8;
    a.m_timing.num = 2;
    a.m_timing.num_err = 50;
    a.m_emitter.size = {1.0f, 2.0f, 3.0f};
    a.m_move.speed = 3;
    a.m_move.speed_err = 40;
    a.m_kill.span = 30;
    a.m_kill.span_err = lifeSpread;
    Node& b = g.tree.addChild(a);
    b.m_timing.type = kTimingParentDeath;
    b.m_timing.num = 2;
    b.m_emitter.type = kEmitterSphere;
    b.m_emitter.size = {0.5f, 0.5f, 0.5f};
    b.m_kill.span = 4;
    return g;
}

// The simulate lines of one whole pass, starting at the wrap.
std::vector<std::string> onePass(Simulation& sim) {
    std::vector<std::string> lines;
    for (int f = 0; f < kFrames; ++f) {
        sim.step();
        lines.push_back(test::outputLine(sim));
    }
    return lines;
}

TEST(LoopMode, CarriesParticlesAcrossTheWrapWithoutAJump) {
    EditorState g = longLivedState();
    Simulation sim(g);
    sim.setLoop(true);
    sim.restart();
    for (int f = 0; f < kFrames; ++f) sim.step();
    EXPECT_TRUE(sim.firstCycleAlive());
    const std::vector<std::string> second = onePass(sim);
    EXPECT_EQ(sim.cycle(), 1u);
    // Particles live 1.5 passes: none of the first pass is left at the next wrap.
    EXPECT_FALSE(sim.firstCycleAlive());
    const std::size_t lastCount = sim.particles().size();
    const std::vector<std::string> third = onePass(sim);
    EXPECT_EQ(second, third);
    // Frame 1 of the pass that follows the last exported frame has as many
    // particles as frame 1 of the exported pass.
    Simulation replay(g);
    replay.setLoop(true);
    replay.restart();
    for (int f = 0; f < kFrames; ++f) replay.step();
    replay.step();
    const std::size_t firstOfSecond = replay.particles().size();
    Simulation wrapped(g);
    wrapped.setLoop(true);
    wrapped.restart();
    for (int f = 0; f < 3 * kFrames; ++f) wrapped.step();
    EXPECT_EQ(wrapped.particles().size(), lastCount);
    EXPECT_TRUE(wrapped.step());
    EXPECT_EQ(wrapped.particles().size(), firstOfSecond);
    EXPECT_GT(firstOfSecond, 10u);  // the carried particles, not just the root
}

TEST(LoopMode, EveryPassAfterTheFirstDiesOutRepeats) {
    // With spread, some particles live more than 1.5 passes.
    EditorState g = longLivedState(50);
    Simulation sim(g);
    sim.setLoop(true);
    sim.restart();
    for (int f = 0; f < kFrames; ++f) sim.step();
    while (sim.firstCycleAlive()) {
        for (int f = 0; f < kFrames; ++f) sim.step();
        ASSERT_LT(sim.cycle(), 5u);
    }
    EXPECT_EQ(onePass(sim), onePass(sim));
}

TEST(LoopMode, OffByDefaultAndTheWrapStillClears) {
    EditorState g = longLivedState();
    Simulation sim(g);
    EXPECT_FALSE(sim.loop());
    for (int f = 0; f < kFrames; ++f) sim.step();
    EXPECT_GT(sim.particles().size(), 10u);
    EXPECT_TRUE(sim.step());
    EXPECT_EQ(sim.cycle(), 0u);
    // Only the root and what it emitted in frame 1.
    Simulation fresh(g);
    fresh.step();
    EXPECT_EQ(sim.particles().size(), fresh.particles().size());
    EXPECT_EQ(test::outputLine(sim), test::outputLine(fresh));
}

TEST(LoopMode, CarriedParticlesKeepTheirOwnRandomSequence) {
    // The first pass alone (nothing carried into it) and the particles born
    // in a later pass are the same particles.
    EditorState g = longLivedState();
    Simulation plain(g);
    std::vector<std::size_t> bornCounts;
    for (int f = 0; f < kFrames; ++f) {
        plain.step();
        bornCounts.push_back(test::particlesOf(plain, g.tree.root().m_children.front()->m_ID).size());
    }
    Simulation sim(g);
    sim.setLoop(true);
    sim.restart();
    for (int f = 0; f < kFrames; ++f) sim.step();
    for (int f = 0; f < kFrames; ++f) {
        sim.step();
        std::size_t current = 0;
        sim.particles().forEach([&](const Particle& p) {
            if (p.cycle == 1 && sim.nodeOf(p).id == g.tree.root().m_children.front()->m_ID) ++current;
        });
        EXPECT_EQ(current, bornCounts[static_cast<std::size_t>(f)]) << f;
    }
}

}  // namespace
}  // namespace fg
