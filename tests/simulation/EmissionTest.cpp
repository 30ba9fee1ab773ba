// When nodes emit: windows and intervals, counts, and emission at a
// parent's death with its double update and lost parent.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "SimulationTestSupport.h"
#include "simulation/Emission.h"

namespace fg {
namespace {

// Frames (1-based) in which node `id` gained a particle born that frame.
std::vector<std::uint32_t> birthFrames(EditorState& g, std::int32_t id, int frames) {
    Simulation sim(g);
    std::vector<std::uint32_t> out;
    for (int f = 1; f <= frames; ++f) {
        sim.step();
        for (const Particle* p : test::particlesOf(sim, id))
            if (p->age == 1) out.push_back(static_cast<std::uint32_t>(f));
    }
    return out;
}

TEST(EmissionWindow, EveryThirdFrameFromTenUpToTheInclusiveEnd) {
    EditorState g = test::rootOnlyState();
    Node& node = test::addQuietNode(g, g.tree.root());
    node.m_timing.start = 10;
    node.m_timing.end = 19;
    node.m_timing.often = 3;
    EXPECT_EQ(birthFrames(g, node.m_ID, 30), (std::vector<std::uint32_t>{10, 13, 16, 19}));
}

TEST(EmissionWindow, ParentFrameClockCountsTheParentsAgeFromZero) {
    EditorState g = test::rootOnlyState();
    Node& parent = test::addQuietNode(g, g.tree.root());
    parent.m_timing.start = 3;
    parent.m_timing.end = 3;  // one parent, born in frame 3
    Node& child = test::addQuietNode(g, parent);
    child.m_timing.type = kTimingParentFrames;
    child.m_timing.start = 0;  // the parent's first update
    child.m_timing.end = 4;
    child.m_timing.often = 2;
    // Parent ages 0, 2, 4 fall in frames 3, 5, 7.
    EXPECT_EQ(birthFrames(g, child.m_ID, 12), (std::vector<std::uint32_t>{3, 5, 7}));
}

TEST(EmissionWindow, OftenZeroAndNegativeStartNeverEmit) {
    EditorState g = test::rootOnlyState();
    Node& quiet = test::addQuietNode(g, g.tree.root());
    quiet.m_timing.often = 0;
    quiet.m_timing.end = 10;
    EXPECT_TRUE(birthFrames(g, quiet.m_ID, 10).empty());
    quiet.m_timing.often = 1;
    quiet.m_timing.start = -1;  // unsigned: beyond every frame
    EXPECT_TRUE(birthFrames(g, quiet.m_ID, 10).empty());
}

TEST(EmissionWindow, AtDeathTimingNeverEmitsDuringLife) {
    EditorState g = test::rootOnlyState();
    Node& node = test::addQuietNode(g, g.tree.root());
    node.m_timing.type = kTimingParentDeath;
    EXPECT_TRUE(birthFrames(g, node.m_ID, 30).empty());  // the root lives the whole effect
}

// A seed whose first draw satisfies the test.
template <class Pred>
std::uint32_t seedWhereFirstDraw(Pred pred) {
    for (std::uint32_t seed = 1;; ++seed)
        if (pred(test::drawAt(seed, 0))) return seed;
}

TEST(EmissionInterval, SpreadIntervalTruncatingToZeroEmitsOffTheBeat) {
    EditorState g = test::rootOnlyState();
    Node& node = test::addQuietNode(g, g.tree.root());
    node.m_timing.start = 1;
    node.m_timing.end = 100;
    node.m_timing.often = 3;
    node.m_timing.often_err = 100;  // factor (r % 200) / 100
    Simulation sim(g);
    sim.step();  // frame 1 done, frame 2 next: (2 − 1) % 3 ≠ 0
    const ParticleIndex root = 0;

    // trunc(3 × f) = 0 when r % 200 < 34: emits although frame 2 is off the beat.
    sim.random().seed(seedWhereFirstDraw([](int r) { return r % 200 < 34; }));
    std::uint32_t before = sim.particles().slotCount();
    emitDuringLife(sim, 1, root);
    EXPECT_EQ(sim.particles().slotCount(), before + 1);

    // trunc(3 × f) = 3 when 100 ≤ r % 200 < 134: off the beat, nothing.
    sim.random().seed(seedWhereFirstDraw([](int r) { return r % 200 >= 100 && r % 200 < 134; }));
    before = sim.particles().slotCount();
    emitDuringLife(sim, 1, root);
    EXPECT_EQ(sim.particles().slotCount(), before);
}

TEST(EmissionCount, CountsOfZeroOrBelowEmitNothingAndKeepTheIndex) {
    EditorState g = test::rootOnlyState();
    Node& node = test::addQuietNode(g, g.tree.root());
    node.m_timing.end = 100;
    for (std::int32_t num : {0, -3}) {
        node.m_timing.num = num;
        Simulation sim(g);
        sim.step();
        sim.particles()[0].emitIndex = 77;
        emitDuringLife(sim, 1, 0);
        EXPECT_EQ(sim.particles().size(), 1u) << num;
        EXPECT_EQ(sim.particles()[0].emitIndex, 77u);
        EXPECT_EQ(sim.particles()[0].emitCount, static_cast<std::uint32_t>(num));
    }
}

TEST(EmissionCount, SpreadCountTruncatesTowardZero) {
    EditorState g = test::rootOnlyState();
    Node& node = test::addQuietNode(g, g.tree.root());
    node.m_timing.end = 100;
    node.m_timing.num = 3;
    node.m_timing.num_err = 50;  // factor (r % 100 + 50) / 100
    Simulation sim(g);
    sim.step();
    const std::uint32_t seed = 99;
    sim.random().seed(seed);
    const std::uint32_t before = sim.particles().size();
    emitDuringLife(sim, 1, 0);
    const float factor = static_cast<float>(test::drawAt(seed, 0) % 100 + 50) / 100.0f;
    EXPECT_EQ(sim.particles().size() - before, static_cast<std::uint32_t>(3.0f * factor));
}

// Root → parent node (life 1, born frame 1) → at-death node (2 per death).
struct AtDeathFixture : ::testing::Test {
    EditorState g = test::rootOnlyState();
    Node& parent = test::addQuietNode(g, g.tree.root(), 1);
    Node& child = test::addQuietNode(g, parent, 10);
    AtDeathFixture() {
        child.m_timing.type = kTimingParentDeath;
        child.m_timing.num = 2;
    }
};

TEST_F(AtDeathFixture, ChildrenAreUpdatedTwiceInTheirFirstFrameAndOrphaned) {
    Simulation sim(g);
    sim.step();  // frame 1: the parent is born and lives its one frame
    ASSERT_EQ(test::particlesOf(sim, parent.m_ID).size(), 1u);
    sim.step();  // frame 2: the parent dies and emits
    EXPECT_TRUE(test::particlesOf(sim, parent.m_ID).empty());
    const auto children = test::particlesOf(sim, child.m_ID);
    ASSERT_EQ(children.size(), 2u);
    for (const Particle* c : children) {
        EXPECT_EQ(c->age, 2u);
        EXPECT_EQ(sim.particles().parentOf(*c), nullptr);
    }
    EXPECT_EQ(test::outputLine(sim).find("[2,0,"), std::string::npos);  // no child names the root as parent
}

TEST_F(AtDeathFixture, AtDeathChildEmitsItsOwnChildrenFirstSoTheyStandBeforeIt) {
    Node& grandchild = test::addQuietNode(g, child);
    grandchild.m_timing.type = kTimingParentFrames;
    grandchild.m_timing.start = 0;
    grandchild.m_timing.end = 0;
    Simulation sim(g);
    sim.step();
    sim.step();
    const auto live = test::liveParticles(sim);
    // root, grandchild 1, child 1, grandchild 2, child 2
    ASSERT_EQ(live.size(), 5u);
    const std::int32_t ids[5] = {0, grandchild.m_ID, child.m_ID, grandchild.m_ID, child.m_ID};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(sim.nodeOf(*live[static_cast<std::size_t>(i)]).id, ids[i]) << i;
    EXPECT_EQ(sim.particles().parentOf(*live[1]), live[2]);
    EXPECT_EQ(sim.particles().parentOf(*live[3]), live[4]);
    EXPECT_EQ(live[1]->age, 1u);  // born in the child's update, updated once by the walk
}

TEST_F(AtDeathFixture, ParentDyingWhenItsTimingIsDueEmitsOnlyAtDeathChildren) {
    Node& during = test::addQuietNode(g, parent);
    during.m_timing.start = 2;  // due in frame 2, when the parent dies
    during.m_timing.end = 2;
    Simulation sim(g);
    sim.step();
    sim.step();
    EXPECT_TRUE(test::particlesOf(sim, during.m_ID).empty());
    EXPECT_EQ(test::particlesOf(sim, child.m_ID).size(), 2u);
}

TEST_F(AtDeathFixture, ParticleWithoutLifeDiesAtOnceAndStillEmitsAtDeath) {
    parent.m_kill.span = 0;
    test::setFlatCurve(parent, kCurveSize, 50.0f);  // read at span 0: its last sample, 0.5
    child.m_emitter.size = {2.0f, 2.0f, 2.0f};
    child.m_emitter.scope = kScopeSurface;
    Simulation sim(g);
    sim.step();  // born and gone in frame 1, its children appear in frame 1
    EXPECT_TRUE(test::particlesOf(sim, parent.m_ID).empty());
    const auto children = test::particlesOf(sim, child.m_ID);
    ASSERT_EQ(children.size(), 2u);
    for (const Particle* c : children) {
        EXPECT_EQ(c->age, 2u);
        // On the box's surface, halved by the dead parent's size curve.
        const Vec3f o = c->position;
        EXPECT_FLOAT_EQ(std::max({std::fabs(o.x), std::fabs(o.y), std::fabs(o.z)}), 0.5f);
    }
}

}  // namespace
}  // namespace fg
