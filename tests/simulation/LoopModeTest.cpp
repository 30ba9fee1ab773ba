// Loop mode: particles alive at the wrap are carried into the next pass, so
// that one pass shows the effect as it looks repeated forever.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <string>
#include <vector>

#include "LoopEffectGenerator.h"
#include "SimulationTestSupport.h"
#include "simulation/LoopWarmUp.h"

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


void mix(std::uint64_t& hash, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        hash ^= (value >> (8 * i)) & 0xFFu;
        hash *= 1099511628211ull;
    }
}
void mix(std::uint64_t& hash, float value) { mix(hash, std::bit_cast<std::uint32_t>(value)); }
void mix(std::uint64_t& hash, const Vec3f& v) {
    mix(hash, v.x);
    mix(hash, v.y);
    mix(hash, v.z);
}
void mix(std::uint64_t& hash, const Mat4& m) {
    for (const auto& row : m.m)
        for (float value : row) mix(hash, value);
}

// The whole state of the live particles in list order (parents named by
// their place among the live ones, so compaction does not count). With
// `withPass` false the pass a particle belongs to is left out.
std::uint64_t stateHash(const Simulation& sim, bool withPass = true,
                        const std::vector<ParticleIndex>* only = nullptr) {
    const ParticleList& list = sim.particles();
    std::vector<std::uint32_t> liveOrdinal(list.slotCount(), 0xFFFFFFFFu);
    std::uint32_t next = 0;
    for (ParticleIndex i = 0; i < list.slotCount(); ++i)
        if (list[i].alive) liveOrdinal[i] = next++;
    std::uint64_t hash = 14695981039346656037ull;
    for (ParticleIndex i = 0; i < list.slotCount(); ++i) {
        const Particle& p = list[i];
        if (!p.alive) continue;
        if (only != nullptr && std::find(only->begin(), only->end(), i) == only->end()) continue;
        const Particle* parent = list.parentOf(p);
        mix(hash, sim.nodeOf(p).id < 0 ? 0u : static_cast<std::uint32_t>(sim.nodeOf(p).id));
        if (only == nullptr) mix(hash, parent == nullptr ? 0xFFFFFFFFu : liveOrdinal[p.parent]);
        mix(hash, p.age);
        mix(hash, p.life);
        mix(hash, p.killFrame);
        mix(hash, p.orientation);
        mix(hash, p.position);
        mix(hash, p.previousPosition);
        mix(hash, p.scale);
        mix(hash, p.selfAngle);
        mix(hash, p.selfAxis);
        mix(hash, static_cast<std::uint32_t>(p.selfSign));
        mix(hash, p.revolutionAngle);
        mix(hash, p.revolutionAxis);
        mix(hash, static_cast<std::uint32_t>(p.revolutionSign));
        mix(hash, p.selfRotation);
        mix(hash, p.direction);
        mix(hash, p.colour.r);
        mix(hash, p.colour.g);
        mix(hash, p.colour.b);
        mix(hash, p.colour.a);
        mix(hash, p.textureFrame);
        mix(hash, p.displacement);
        mix(hash, p.gravityVelocity);
        mix(hash, p.absorbVelocity);
        mix(hash, p.speedFactor);
        mix(hash, p.sizeFactor);
        mix(hash, p.selfAngleFactor);
        mix(hash, p.revolutionAngleFactor);
        mix(hash, p.brightnessFactor);
        mix(hash, p.alphaFactor);
        for (const TrailPoint& t : p.trail) {
            mix(hash, t.position);
            mix(hash, t.width);
        }
        if (withPass) mix(hash, p.cycle);
    }
    return hash;
}

// The state hash after each step of one whole pass; the pass belongs to
// the hashes, since a steady loop shifts every particle one pass along.
// `carried` counts, over the pass, the particles of earlier passes updated.
std::vector<std::uint64_t> passHashes(Simulation& sim, bool withPass, std::size_t* carried = nullptr) {
    std::vector<std::uint64_t> hashes;
    for (std::int32_t f = 0; f < sim.project().frame; ++f) {
        sim.step();
        hashes.push_back(stateHash(sim, withPass));
        if (carried == nullptr) continue;
        sim.particles().forEach([&](const Particle& p) {
            if (p.cycle < sim.cycle()) ++*carried;
        });
    }
    return hashes;
}

// The particles of one pass, as indices, carried ones only (the pass
// before the current one) or born in it.
std::vector<ParticleIndex> particlesOfPass(const Simulation& sim, std::uint32_t pass) {
    std::vector<ParticleIndex> out;
    for (ParticleIndex i = 0; i < sim.particles().slotCount(); ++i) {
        const Particle& p = sim.particles()[i];
        if (p.alive && p.cycle == pass && sim.nodeOf(p).id != sim.effect()[EffectTable::kRoot].id) out.push_back(i);
    }
    return out;
}

TEST(LoopMode, GeneratedEffectsWithChildrenAcrossTheWrapRepeatExactly) {
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE("effect seed " + std::to_string(seed));
        EditorState g = test::generatedLoopEffect(seed);
        Simulation sim(g);
        sim.restart();
        warmUpLoop(sim);
        const std::uint32_t k = sim.cycle();
        // Pass k + 1 and pass k + 2, without the pass numbers.
        std::size_t carried = 0;
        const std::vector<std::uint64_t> first = passHashes(sim, false, &carried);
        ASSERT_GT(carried, 0u);  // parents alive across the wrap
        const std::vector<std::uint64_t> second = passHashes(sim, false);
        ASSERT_EQ(sim.cycle(), k + 2);
        EXPECT_EQ(first, second);
        // A long run, stepped straight through from the restart, shows the
        // same picture at the same phase.
        Simulation longRun(g);
        longRun.setLoop(true);
        longRun.restart();
        const std::int32_t passes = 12;
        for (std::int32_t f = 0; f < passes * g.project.frame; ++f) longRun.step();
        ASSERT_GT(passes, static_cast<std::int32_t>(k) + 2);
        EXPECT_EQ(passHashes(longRun, false), first);
    }
}

TEST(LoopMode, CarriedParticlesGoOnAsIfThePassHadNotEnded) {
    // Loop mode against the same effect with a pass twice as long, where
    // nothing is emitted again: particles carried across the wrap (and their
    // children) must go on exactly as there, whatever the later passes draw.
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE("effect seed " + std::to_string(seed));
        const EditorState g = test::generatedLoopEffect(seed);
        EditorState twice = test::generatedLoopEffect(seed);
        twice.project.frame = 2 * g.project.frame;
        Simulation sim(g);
        sim.setLoop(true);
        sim.restart();
        for (std::int32_t f = 0; f < g.project.frame; ++f) sim.step();
        // Passes 1 and 2: what passes 0 and 1 carried over.
        for (std::uint32_t pass = 1; pass <= 2; ++pass) {
            Simulation lone(twice);
            for (std::int32_t f = 0; f < g.project.frame; ++f) lone.step();
            for (std::int32_t f = 0; f < g.project.frame; ++f) {
                sim.step();
                lone.step();
                std::vector<ParticleIndex> all;
                for (ParticleIndex i = 0; i < lone.particles().slotCount(); ++i) {
                    if (lone.particles()[i].alive && lone.particles()[i].node != EffectTable::kRoot) all.push_back(i);
                }
                const std::vector<ParticleIndex> carried = particlesOfPass(sim, pass - 1);
                ASSERT_EQ(carried.size(), all.size()) << "pass " << pass << " frame " << f + 1;
                EXPECT_EQ(stateHash(sim, false, &carried), stateHash(lone, false, &all))
                    << "pass " << pass << " frame " << f + 1;
            }
        }
    }
}

}  // namespace
}  // namespace fg
