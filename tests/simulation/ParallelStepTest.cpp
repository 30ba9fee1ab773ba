// Two threads on a step give exactly what one thread gives: every field of
// every particle, bit for bit, after every step, and the simulate lines.

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

#include "GeneratedEffects.h"
#include "SimulationTestSupport.h"
#include "persistence/OpenProject.h"
#include "persistence/Workspace.h"
#include "simulation/DrawOrder.h"

namespace fg {
namespace {

// Floats compare by their bits: -0 against +0 or two NaNs are differences.
bool same(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }
bool same(const Vec3f& a, const Vec3f& b) { return same(a.x, b.x) && same(a.y, b.y) && same(a.z, b.z); }
bool same(const Rgba& a, const Rgba& b) { return same(a.r, b.r) && same(a.g, b.g) && same(a.b, b.b) && same(a.a, b.a); }
bool same(const OwnTurn& a, const OwnTurn& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z && a.degrees == b.degrees;
}
bool same(const TrailHistory& a, const TrailHistory& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (!same(a[k].position, b[k].position) || !same(a[k].width, b[k].width)) return false;
    return true;
}
template <class T>
bool same(const T& a, const T& b) { return a == b; }

// The first field in which two particles differ, or null.
const char* firstDifference(const Particle& a, const Particle& b) {
#define FG_FIELD(name) \
    if (!same(a.name, b.name)) return #name;
    FG_FIELD(node)
    FG_FIELD(parent)
    FG_FIELD(trail)
    FG_FIELD(age)
    FG_FIELD(position)
    FG_FIELD(previousPosition)
    FG_FIELD(scale)
    FG_FIELD(selfAngle)
    FG_FIELD(selfAxis)
    FG_FIELD(selfSign)
    FG_FIELD(revolutionAngle)
    FG_FIELD(revolutionAxis)
    FG_FIELD(revolutionSign)
    FG_FIELD(direction)
    FG_FIELD(colour)
    FG_FIELD(alive)
    FG_FIELD(facing)
    FG_FIELD(ownTurn)
    FG_FIELD(textureFrame)
    FG_FIELD(displacement)
    FG_FIELD(gravityVelocity)
    FG_FIELD(absorbVelocity)
    FG_FIELD(life)
    FG_FIELD(killFrame)
    FG_FIELD(speedFactor)
    FG_FIELD(sizeFactor)
    FG_FIELD(selfAngleFactor)
    FG_FIELD(revolutionAngleFactor)
    FG_FIELD(brightnessFactor)
    FG_FIELD(alphaFactor)
    FG_FIELD(emitCount)
    FG_FIELD(emitIndex)
    FG_FIELD(cameraDistance)
    FG_FIELD(cycle)
#undef FG_FIELD
    return nullptr;
}

::testing::AssertionResult sameState(Simulation& one, Simulation& two) {
    if (one.particles().slotCount() != two.particles().slotCount())
        return ::testing::AssertionFailure() << "slots " << one.particles().slotCount() << " vs "
                                             << two.particles().slotCount();
    for (ParticleIndex i = 0; i < one.particles().slotCount(); ++i) {
        if (const char* field = firstDifference(one.particles()[i], two.particles()[i]))
            return ::testing::AssertionFailure() << "particle " << i << " differs in " << field;
    }
    if (one.random().state() != two.random().state()) return ::testing::AssertionFailure() << "random state";
    if (one.frame() != two.frame() || one.cycle() != two.cycle()) return ::testing::AssertionFailure() << "frame";
    if (one.skippedSpawns() != two.skippedSpawns()) return ::testing::AssertionFailure() << "skipped spawns";
    return ::testing::AssertionSuccess();
}

// Live particles whose live parent comes later in the list.
std::size_t parentsAfterChildren(const Simulation& sim) {
    std::size_t count = 0;
    for (ParticleIndex i = 0; i < sim.particles().slotCount(); ++i) {
        const Particle& p = sim.particles()[i];
        if (p.alive && p.parent != kNoParticle && p.parent > i && sim.particles()[p.parent].alive) ++count;
    }
    return count;
}

struct Run {
    bool loop = false;
    int frames = 150;
    std::optional<Vec3f> sortEye = std::nullopt;  // sort by camera distance after each step, as the preview does
    std::uint32_t particleLimit = Simulation::kDefaultParticleLimit;
};

struct Seen {
    std::uint64_t particleUpdates = 0;   // live particles at the start of steps on two threads
    std::size_t parentsAfterChildren = 0;
    std::size_t maxLive = 0;
};

// Steps one simulation on one thread and one on two (every step through the
// parallel walk), checking after every step that they agree entirely.
void expectSameRun(const EditorState& g, const Run& run, Seen* seen = nullptr) {
    Simulation one(g);
    Simulation two(g);
    one.setThreads(1);
    two.setThreads(2);
    two.setParallelMinimum(1);
    for (Simulation* sim : {&one, &two}) {
        sim->setLoop(run.loop);
        sim->setParticleLimit(run.particleLimit);
        sim->restart();
    }
    for (int f = 0; f < run.frames; ++f) {
        if (seen != nullptr) {
            seen->particleUpdates += two.particles().size();
            seen->parentsAfterChildren += parentsAfterChildren(two);
        }
        const std::uint64_t parallelBefore = two.parallelSteps();
        one.step();
        two.step();
        ASSERT_EQ(two.parallelSteps(), parallelBefore + 1) << "frame " << f + 1;
        ASSERT_TRUE(sameState(one, two)) << "after step " << f + 1;
        ASSERT_EQ(test::outputLine(one), test::outputLine(two)) << "after step " << f + 1;
        if (run.sortEye) {
            sortByCameraDistance(one, *run.sortEye);
            sortByCameraDistance(two, *run.sortEye);
        }
        if (seen != nullptr) seen->maxLive = std::max<std::size_t>(seen->maxLive, two.particles().size());
    }
    EXPECT_EQ(one.parallelSteps(), 0u);
}

TEST(ParallelStep, SamplesMatchOneThread) {
    const char* source = std::getenv("FULGRANE3D_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("fg-parallel-step-" + std::to_string(::getpid()));
    {
        auto workspace = ScopedWorkspace::create(root);
        ASSERT_TRUE(workspace);
        for (const char* sample : {"fire", "magic_circle", "sparkle"}) {
            SCOPED_TRACE(sample);
            EditorState g;
            g.workDir = workspace->path().string();
            const std::string file = std::string(source) + "/resources/samples/" + sample + ".nbx";
            ASSERT_TRUE(openProjectForTool(g, file).ok);
            Seen seen;
            expectSameRun(g, {.loop = false}, &seen);
            EXPECT_GT(seen.maxLive, 5u);
            expectSameRun(g, {.loop = true, .frames = 2 * g.project.frame + 10});
            // Drawn with the Z sort: children come before their parents.
            expectSameRun(g, {.loop = true, .frames = 150, .sortEye = Vec3f{2.0f, 3.0f, -10.0f}}, &seen);
        }
    }
    std::filesystem::remove_all(root);
}

TEST(ParallelStep, GeneratedLoopEffectsMatchOneThread) {
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("effect seed " + std::to_string(seed));
        const EditorState g = test::generatedLoopEffect(seed);
        expectSameRun(g, {.loop = false});
        expectSameRun(g, {.loop = true});
    }
}

TEST(ParallelStep, EffectsReadingTheirParentsMatchOneThread) {
    Seen seen;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("effect seed " + std::to_string(seed));
        const EditorState g = test::generatedParentReadingEffect(seed);
        expectSameRun(g, {.loop = false}, &seen);
        expectSameRun(g, {.loop = true, .frames = 100});
        expectSameRun(g, {.loop = seed % 2 == 0, .frames = 80, .sortEye = Vec3f{-4.0f, 6.0f, -15.0f}}, &seen);
    }
    // The runs did what they are for: many particles, and parents read
    // both before and after their children in the list.
    EXPECT_GT(seen.maxLive, 2000u);
    EXPECT_GT(seen.parentsAfterChildren, 1000u);
}

TEST(ParallelStep, TheParticleLimitCountsDeathsAndBirthsInListOrder) {
    // At the limit, whether a spawn fits depends on the deaths before it in
    // the walk: both orders must count the same.
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("effect seed " + std::to_string(seed));
        const EditorState g = test::generatedParentReadingEffect(seed);
        expectSameRun(g, {.loop = false, .frames = 100, .particleLimit = 300});
    }
}

TEST(ParallelStep, ThreadCountAndMinimum) {
    EditorState g = test::generatedParentReadingEffect(3);
    Simulation sim(g);
    EXPECT_EQ(sim.threads(), ParallelStep::defaultThreads());
    EXPECT_EQ(sim.parallelMinimum(), ParallelStep::kDefaultMinimum);
    sim.setThreads(0);
    EXPECT_EQ(sim.threads(), 1u);
    // Few particles stay on one thread.
    sim.setThreads(2);
    for (int f = 0; f < 5; ++f) sim.step();
    EXPECT_EQ(sim.parallelSteps(), 0u);
    sim.setParallelMinimum(1);
    sim.step();
    EXPECT_EQ(sim.parallelSteps(), 1u);
}

// Left to choose, a simulation measures both ways and keeps to the faster,
// with the particles a fixed count gives.
TEST(ParallelStep, ByDefaultEachWayIsMeasuredAndTheResultsAreTheSame) {
    if (ParallelStep::defaultThreads() < 2) GTEST_SKIP() << "one hardware thread";
    const EditorState g = test::generatedParentReadingEffect(3);
    Simulation chosen(g);
    Simulation fixed(g);
    fixed.setThreads(1);
    chosen.setParallelMinimum(1);
    constexpr int kSteps = 80;
    for (int f = 0; f < kSteps; ++f) {
        chosen.step();
        fixed.step();
        ASSERT_TRUE(sameState(chosen, fixed)) << "after step " << f + 1;
        ASSERT_EQ(test::outputLine(chosen), test::outputLine(fixed)) << "after step " << f + 1;
    }
    EXPECT_TRUE(chosen.threadChoice().cost(true));
    EXPECT_TRUE(chosen.threadChoice().cost(false));
    EXPECT_GE(chosen.parallelSteps(), 2u);
    EXPECT_LT(chosen.parallelSteps(), static_cast<std::uint64_t>(kSteps));
}

}  // namespace
}  // namespace fg
