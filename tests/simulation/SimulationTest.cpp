// The frame loop: restart, wrap-around, replay, parameter hand-over, the
// state a run starts from, the step rate and the particle list's bookkeeping.

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "SimulationTestSupport.h"

namespace fg {
namespace {

// A lively effect: sprays from a box, children at death, gravity, spread.
EditorState livelyState() {
    EditorState g = test::rootOnlyState();
    g.project.frame = 30;
    g.project.randomSeed = 7;
    Node& a = g.tree.addChild(g.tree.root());
    a.m_timing.end = 20;
    a.m_timing.num = 3;
    a.m_timing.num_err = 60;
    a.m_emitter.size = {1.0f, 2.0f, 3.0f};
    a.m_move.speed = 4;
    a.m_move.speed_err = 50;
    a.m_move.gravity = 10;
    a.m_kill.span = 8;
    a.m_kill.span_err = 50;
    a.m_rotate.angle = 45;
    a.m_rotate.dir = kRotateRandom;
    Node& b = g.tree.addChild(a);
    b.m_timing.type = kTimingParentDeath;
    b.m_timing.num = 2;
    b.m_emitter.type = kEmitterSphere;
    b.m_emitter.size = {0.5f, 0.5f, 0.5f};
    b.m_kill.span = 4;
    b.m_color.isAlphaParent = 1;
    return g;
}

TEST(SimulationFrames, SixtyFramesThenFrameOneAgain) {
    EditorState g = test::rootOnlyState();
    Simulation sim(g);
    EXPECT_EQ(sim.frame(), 1u);
    for (std::uint32_t f = 1; f <= 60; ++f) {
        EXPECT_FALSE(sim.step()) << f;
        EXPECT_EQ(sim.frame() - 1, f);  // the frame that step simulated
    }
    EXPECT_TRUE(sim.step());
    EXPECT_EQ(sim.frame() - 1, 1u);
    EXPECT_EQ(test::liveParticles(sim).size(), 1u);
    EXPECT_EQ(test::liveParticles(sim)[0]->age, 1u);
}

TEST(SimulationFrames, RestartLeavesOnlyTheRootAtFrameOne) {
    EditorState g = livelyState();
    Simulation sim(g);
    for (int i = 0; i < 10; ++i) sim.step();
    EXPECT_GT(sim.particles().size(), 1u);
    sim.restart();
    EXPECT_EQ(sim.frame(), 1u);
    ASSERT_EQ(sim.particles().size(), 1u);
    EXPECT_TRUE(sim.nodeOf(*test::liveParticles(sim)[0]).isRoot);
    EXPECT_EQ(test::liveParticles(sim)[0]->life, 30u);
}

TEST(SimulationReplay, EveryLoopAndEveryRunReplaysTheSameParticles) {
    EditorState g = livelyState();
    Simulation sim(g);
    std::vector<std::string> first;
    for (int i = 0; i < 30; ++i) {
        sim.step();
        first.push_back(test::outputLine(sim));
    }
    for (int i = 0; i < 30; ++i) {
        sim.step();
        EXPECT_EQ(test::outputLine(sim), first[static_cast<std::size_t>(i)]) << "frame " << i + 1;
    }
    Simulation again(g);
    for (int i = 0; i < 30; ++i) {
        again.step();
        EXPECT_EQ(test::outputLine(again), first[static_cast<std::size_t>(i)]);
    }
    EXPECT_GT(first[10].size(), 200u);  // the effect is not empty
}

TEST(SimulationReplay, AnotherSeedGivesAnotherPattern) {
    EditorState g = livelyState();
    Simulation a(g);
    g.project.randomSeed = 8;
    Simulation b(g);
    for (int i = 0; i < 5; ++i) {
        a.step();
        b.step();
    }
    EXPECT_NE(test::outputLine(a), test::outputLine(b));
}

TEST(SimulationParameters, EditsReachTheNextStepOnlyOncePublished) {
    EditorState g = test::rootOnlyState();
    Node& node = test::addQuietNode(g, g.tree.root());
    node.m_move.isOneWay = 1;
    node.m_move.dirX = 0.0f;
    node.m_move.speed = 50;  // one unit per frame
    Simulation sim(g);
    sim.step();
    node.m_move.speed = 100;  // not yet published: the copy still says 50
    sim.step();
    EXPECT_FLOAT_EQ(test::particlesOf(sim, node.m_ID)[0]->displacement.y, 1.0f);
    sim.parameters().publish(g.tree.root());
    sim.step();
    EXPECT_FLOAT_EQ(test::particlesOf(sim, node.m_ID)[0]->displacement.y, 2.0f);
    EXPECT_EQ(sim.frame(), 4u);  // no restart
}

TEST(SimulationParameters, CurveEditsTravelLikeParametersAndTheCopyOutlivesTheNodes) {
    EditorState g = test::rootOnlyState();
    Node& node = test::addQuietNode(g, g.tree.root());
    const std::int32_t id = node.m_ID;
    Simulation sim(g);
    sim.step();
    const float full = test::particlesOf(sim, id)[0]->colour.a;
    ASSERT_GT(full, 0.0f);
    test::setFlatCurve(node, 8, 50.0f);  // half opacity, not yet published
    sim.step();
    EXPECT_FLOAT_EQ(test::particlesOf(sim, id)[0]->colour.a, full);
    sim.parameters().publish(g.tree.root());
    sim.step();
    EXPECT_FLOAT_EQ(test::particlesOf(sim, id)[0]->colour.a, full * 0.5f);
    // The editor replaces its whole tree (a load, an undo): the running
    // effect reads only its own copy until the next restart.
    g.tree = EffectTree();
    sim.step();
    EXPECT_FLOAT_EQ(test::particlesOf(sim, id)[0]->colour.a, full * 0.5f);
}

TEST(SimulationParameters, CurvesEditedToZeroAndBackReadTheirNewValues) {
    EditorState g = test::rootOnlyState();
    Node& node = test::addQuietNode(g, g.tree.root());
    node.m_color.alphaRnd = 30;
    node.curve(kCurveOpacity).setPoints({{0, 10}, {40, 70}, {100, 20}});
    node.curve(kCurveOpacity).rebuild();
    const std::int32_t id = node.m_ID;
    Simulation sim(g);
    const auto opacity = [&] {
        const Particle& p = *test::particlesOf(sim, id)[0];
        return std::pair{p.colour.a, p.alphaFactor};
    };
    sim.step();
    sim.step();
    const auto shaped = opacity();
    EXPECT_EQ(shaped.first, node.curve(kCurveOpacity).evaluate(2, 60) * shaped.second);
    test::setFlatCurve(node, kCurveOpacity, 0.0f);
    sim.parameters().publish(g.tree.root());
    sim.step();
    EXPECT_EQ(opacity().first, shaped.second);  // the full factor
    node.curve(kCurveOpacity).setPoints({{0, 90}, {100, 30}});
    node.curve(kCurveOpacity).rebuild();
    sim.parameters().publish(g.tree.root());
    sim.step();
    EXPECT_EQ(opacity().first, node.curve(kCurveOpacity).evaluate(4, 60) * shaped.second);
    EXPECT_LT(opacity().first, 0.5f);
}

TEST(SimulationParameters, PublishedRootAndUnknownNodesAreIgnored) {
    EditorState g = test::rootOnlyState();
    g.project.frame = 40;
    test::addQuietNode(g, g.tree.root());
    Simulation sim(g);
    Node& late = g.tree.addChild(g.tree.root());  // structure change without restart
    late.m_ID = 99;
    sim.parameters().publish(g.tree.root());
    sim.step();
    EXPECT_EQ(sim.effect().size(), 2u);
    EXPECT_EQ(sim.effect()[EffectTable::kRoot].params.m_kill.span, 40);
}

// The simulation keeps its own copy of what it starts from: the editor may
// change or destroy its state, and only a restart with a state takes it up.
TEST(SimulationStart, RestartsFromItsOwnCopyUntilGivenAnotherState) {
    auto g = std::make_unique<EditorState>(livelyState());
    Simulation sim(*g);
    std::vector<std::string> first;
    for (int i = 0; i < 5; ++i) {
        sim.step();
        first.push_back(test::outputLine(sim));
    }
    g->project.randomSeed = 8;
    g->project.frame = 3;
    g->tree.addChild(g->tree.root());
    sim.restart();
    EXPECT_EQ(sim.project().randomSeed, 7);
    EXPECT_EQ(sim.project().frame, 30);
    EXPECT_EQ(sim.effect().size(), 3u);
    for (int i = 0; i < 5; ++i) {
        sim.step();
        EXPECT_EQ(test::outputLine(sim), first[static_cast<std::size_t>(i)]) << "frame " << i + 1;
    }

    // A restart with the state takes the changes up.
    sim.restart(*g);
    EXPECT_EQ(sim.project().randomSeed, 8);
    EXPECT_EQ(sim.project().frame, 3);
    EXPECT_EQ(sim.effect().size(), 4u);
    EXPECT_EQ(sim.effect()[EffectTable::kRoot].params.m_kill.span, 3);
    EXPECT_EQ(sim.frame(), 1u);
    EXPECT_EQ(sim.particles().size(), 1u);

    // Without one it goes back to the copy, even when the state is gone.
    g.reset();
    sim.restart();
    EXPECT_EQ(sim.project().randomSeed, 8);
    EXPECT_EQ(sim.effect().size(), 4u);
    for (int i = 0; i < 5; ++i) sim.step();
    EXPECT_EQ(sim.frame(), 3u);  // frames 1 to 3, then 1 and 2 again
}

// A restart starts from the effect as edited: an edit taken stays, one
// published and not yet taken is taken at the next step. A restart from the
// document takes the document's values and drops a version published before.
TEST(SimulationStart, ARestartKeepsTheEditsAndARestartFromTheDocumentTakesItsValues) {
    EditorState g = test::rootOnlyState();
    Node& node = test::addQuietNode(g, g.tree.root());
    node.m_move.speed = 50;
    Simulation sim(g);
    node.m_move.speed = 100;
    sim.parameters().publish(g.tree.root());
    sim.step();
    EXPECT_EQ(sim.effect()[1].params.m_move.speed, 100);
    EXPECT_EQ(sim.editsTaken(), 1U);
    sim.restart();
    EXPECT_EQ(sim.effect()[1].params.m_move.speed, 100);
    node.m_move.speed = 70;
    sim.parameters().publish(g.tree.root());
    sim.restart();
    sim.step();
    EXPECT_EQ(sim.effect()[1].params.m_move.speed, 70);

    node.m_move.speed = 80;
    sim.parameters().publish(g.tree.root());
    node.m_move.speed = 60;  // changed again without a publish, then restarted from the document
    sim.restart(g);
    sim.step();
    EXPECT_EQ(sim.effect()[1].params.m_move.speed, 60);
    EXPECT_FALSE(sim.takeEdits());
}

TEST(SimulationRate, CountsStepsWithinEachSecond) {
    EditorState g = test::rootOnlyState();
    std::uint32_t now = 5000;
    Simulation sim(g, [&now] { return now; });
    for (int i = 0; i < 50; ++i) {
        sim.step();
        now += 20;
    }
    EXPECT_EQ(sim.stepRate(), 0);  // the first second is not over
    sim.step();                    // at +1000 ms: 50 steps in that second
    EXPECT_EQ(sim.stepRate(), 50);
    now += 40;
    for (int i = 0; i < 25; ++i) {
        sim.step();
        now += 40;
    }
    EXPECT_EQ(sim.stepRate(), 25);
}

TEST(SimulationList, ParentLinksSurviveDeathsAndCompaction) {
    EditorState g = test::rootOnlyState();
    Node& shortLived = test::addQuietNode(g, g.tree.root(), 2);
    shortLived.m_timing.end = 100;
    shortLived.m_timing.num = 5;
    Node& keeper = test::addQuietNode(g, g.tree.root(), 100);
    keeper.m_timing.start = 1;
    keeper.m_timing.end = 1;
    Node& child = test::addQuietNode(g, keeper);
    child.m_timing.end = 100;
    child.m_move.isFollow = 1;
    Simulation sim(g);
    for (int i = 0; i < 20; ++i) sim.step();
    const Particle* k = test::particlesOf(sim, keeper.m_ID).at(0);
    const auto children = test::particlesOf(sim, child.m_ID);
    ASSERT_EQ(children.size(), 20u);
    for (const Particle* c : children) EXPECT_EQ(sim.particles().parentOf(*c), k);
    EXPECT_EQ(test::particlesOf(sim, shortLived.m_ID).size(), 10u);  // 5 a frame, 2 frames each
}

TEST(SimulationList, CompactionKeepsTheOrderAndParentsAlsoAfterASortPutChildrenFirst) {
    // Ten particles, each odd one the child of the one before it; a sort by
    // distance reverses them, so every child then comes before its parent.
    ParticleList list;
    for (std::uint32_t i = 0; i < 10; ++i) {
        Particle p;
        p.age = i;  // names the particle
        p.parent = i % 2 == 1 ? i - 1 : kNoParticle;
        p.cameraDistance = static_cast<float>(10 - i);
        list.append(p);
    }
    list.sortByCameraDistance();
    ASSERT_EQ(list[0].age, 9u);
    // Remove 8 and 5 (the parent of 9, and a child) and 0 (the parent of 1).
    for (ParticleIndex i = 0; i < list.slotCount(); ++i) {
        if (list[i].age == 8 || list[i].age == 5 || list[i].age == 0) list.remove(i);
    }
    list.compact(true);
    ASSERT_EQ(list.slotCount(), 7u);
    const std::uint32_t order[] = {9, 7, 6, 4, 3, 2, 1};
    for (ParticleIndex i = 0; i < 7; ++i) EXPECT_EQ(list[i].age, order[i]) << i;
    const auto parentAge = [&](ParticleIndex i) {
        const Particle* parent = list.parentOf(list[i]);
        return parent == nullptr ? -1 : static_cast<int>(parent->age);
    };
    EXPECT_EQ(parentAge(0), -1);  // 9: its parent died
    EXPECT_EQ(parentAge(1), 6);   // 7 → 6, which comes after it
    EXPECT_EQ(parentAge(4), 2);   // 3 → 2, which comes after it too
    EXPECT_EQ(parentAge(6), -1);  // 1: its parent died
    EXPECT_EQ(parentAge(2), -1);  // 6 has none
    // Again, now that the parent of 3 dies.
    list.remove(1);  // 7
    list.remove(5);  // 2
    list.compact(true);
    ASSERT_EQ(list.slotCount(), 5u);
    EXPECT_EQ(list[3].age, 3u);
    EXPECT_EQ(parentAge(3), -1);
    EXPECT_EQ(list.size(), 5u);
}

TEST(SimulationList, DyingParentLeavesItsChildrenWithoutParentAtOnce) {
    EditorState g = test::rootOnlyState();
    Node& parent = test::addQuietNode(g, g.tree.root(), 3);
    Node& child = test::addQuietNode(g, parent);
    child.m_timing.end = 100;
    Simulation sim(g);
    for (int i = 0; i < 3; ++i) sim.step();
    ASSERT_EQ(test::particlesOf(sim, child.m_ID).size(), 3u);
    sim.step();
    for (const Particle* c : test::particlesOf(sim, child.m_ID)) EXPECT_EQ(sim.particles().parentOf(*c), nullptr);
    const std::string line = test::outputLine(sim);
    EXPECT_NE(line.find("[2,-1,"), std::string::npos);
    EXPECT_EQ(line.find("[2,1,"), std::string::npos);
}

TEST(SimulationBounds, ZeroOrNegativeEffectLengthsDoNotHang) {
    EditorState g = test::rootOnlyState();
    g.project.frame = 0;
    Simulation sim(g);
    EXPECT_TRUE(sim.step());  // frame 1 > 0: restart every step
    EXPECT_TRUE(sim.step());
    g.project.frame = -5;  // the root has no life and dies at once
    sim.restart(g);
    EXPECT_FALSE(sim.step());
    EXPECT_TRUE(sim.particles().empty());
}

// Debug builds stop at a broken list order; release builds keep going (the
// checks cost nothing there), so these die only where assertions are on.
TEST(SimulationListDeathTest, ParentsComeBeforeTheirChildren) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ParticleList list;
    Particle orphan;
    orphan.parent = 3;  // not in the list yet
    EXPECT_DEBUG_DEATH(list.append(orphan), "parent");

    ParticleList moved;
    moved.append(Particle{});
    moved.append(Particle{});
    Particle late;
    late.parent = 1;  // a parent after the particle that moves behind it
    moved.append(late);
    EXPECT_DEBUG_DEATH(moved.moveBehindItsChildren(0), "parent");
}

}  // namespace
}  // namespace fg
