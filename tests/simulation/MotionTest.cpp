// A particle's life frame by frame: gravity, attraction, following, speed,
// size, turns, death tests, revolution, trail and colour.

#include <gtest/gtest.h>

#include <cmath>

#include "SimulationTestSupport.h"
#include "simulation/ParticleTransforms.h"

namespace fg {
namespace {

// Root → one node whose single particle is born in frame 1 at `pos`.
struct MotionFixture : ::testing::Test {
    EditorState g = test::rootOnlyState();
    Node& node = test::addQuietNode(g, g.tree.root(), 100);
    std::unique_ptr<Simulation> sim;

    // Starts the effect and runs `frames` steps.
    void run(int frames) {
        sim = std::make_unique<Simulation>(g);
        advance(frames);
    }
    void advance(int frames) {
        for (int i = 0; i < frames; ++i) sim->step();
    }
    const Particle* particle() const {
        const auto all = test::particlesOf(*sim, node.m_ID);
        return all.empty() ? nullptr : all.front();
    }
};

void expectVec(Vec3f actual, Vec3f expected, float tol = 1e-5f) {
    EXPECT_NEAR(actual.x, expected.x, tol);
    EXPECT_NEAR(actual.y, expected.y, tol);
    EXPECT_NEAR(actual.z, expected.z, tol);
}

// ---- forces -----------------------------------------------------------------

TEST_F(MotionFixture, GravityHundredFallsZeroThenOneHundredthMoreEachUpdate) {
    node.m_move.gravity = 100;
    run(1);
    float previous = particle()->position.y;
    EXPECT_EQ(previous, 0.0f);
    for (int k = 1; k <= 5; ++k) {
        advance(1);
        const float y = particle()->position.y;
        EXPECT_NEAR(previous - y, 0.01f * static_cast<float>(k), 1e-6f) << "update " << k + 1;
        previous = y;
    }
}

TEST_F(MotionFixture, AttractionIsDoubledUntilTheParticleHeadsForTheTarget) {
    node.m_move.absorbPos = {10.0f, 0.0f, 0.0f};  // tenths: the point (1, 0, 0)
    node.m_move.absorbPawer = 100.0f;             // a pull of 0.01 per frame
    // Update 1: no velocity yet, pull doubled (no displacement) → 0.02.
    // Update 2: moves 0.02; the last displacement was still 0 → doubled → 0.04.
    // Update 3: moves 0.04; heading for the target → single pull → 0.05.
    // Update 4: moves 0.05.
    const float expected[4] = {0.0f, 0.02f, 0.06f, 0.11f};
    run(0);
    for (float x : expected) {
        advance(1);
        EXPECT_NEAR(particle()->position.x, x, 1e-6f);
    }
}

TEST_F(MotionFixture, FollowingAddsTheParentsMovement) {
    node.m_move.gravity = 100;
    Node& child = test::addQuietNode(g, node);
    child.m_move.isFollow = 1;
    child.m_timing.start = 3;
    child.m_timing.end = 3;
    run(6);
    const auto children = test::particlesOf(*sim, child.m_ID);
    ASSERT_EQ(children.size(), 1u);
    // The parent moved by its displacement every frame; the child copies it.
    EXPECT_FLOAT_EQ(children[0]->displacement.y, particle()->displacement.y);
    EXPECT_LT(children[0]->displacement.y, 0.0f);
}

TEST_F(MotionFixture, SpeedMovesAlongTheDirectionAndAReversingCurveComesBack) {
    node.m_move.isOneWay = 1;
    node.m_move.dirX = 0.0f;  // straight up
    node.m_move.speed = 50;   // one unit per frame at curve value 1
    node.m_kill.span = 40;
    run(1);
    EXPECT_NEAR(particle()->position.y, 1.0f, 1e-6f);
    // From +1 at birth to −1 at death: forward first, backward late.
    node.curve(kCurveSpeed).setPoints({{0.0f, 0.0f}, {100.0f, 100.0f}});
    node.curve(kCurveSpeed).rebuild();
    run(5);
    EXPECT_GT(particle()->displacement.y, 0.5f);
    advance(30);
    EXPECT_LT(particle()->displacement.y, -0.5f);
}

// ---- size and self rotation ---------------------------------------------------

TEST_F(MotionFixture, SizeMultipliesCurvesMaxAndFactor) {
    node.m_scale.max = 25;                           // 2.5
    test::setFlatCurve(node, kCurveWidth, 50.0f);    // 0.5
    test::setFlatCurve(node, kCurveHeight, 0.0f);    // 1
    test::setFlatCurve(node, kCurveDepth, 100.0f);   // 0
    test::setFlatCurve(node, kCurveSize, 20.0f);     // 0.8
    run(1);
    expectVec(particle()->scale, {1.0f, 2.0f, 0.0f}, 1e-6f);
}

TEST_F(MotionFixture, SelfAngleFollowsTheRisingCurveAtTheAgeBeforeTheUpdate) {
    node.m_rotate.angle = 90;
    node.m_rotate.dir = kRotateReversed;  // +1
    node.m_kill.span = 10;
    run(1);
    EXPECT_EQ(particle()->selfAngle, 0.0f);
    advance(3);  // update 4 reads age 3: 90 × 3/10
    EXPECT_NEAR(particle()->selfAngle, 27.0f, 1e-4f);
    // About Z: +X turned by 27°.
    expectVec(transformCoord({1, 0, 0}, selfRotationOf(*particle())),
              {std::cos(27.0f * 0.0174532925f), std::sin(27.0f * 0.0174532925f), 0.0f});
}

TEST_F(MotionFixture, TravelAxesFallBackWhenTheParticleBarelyMoved) {
    node.m_rotate.axis = kAxisTravelX;
    run(2);
    EXPECT_EQ(particle()->selfAxis, (Vec3f{1, 0, 0}));
    node.m_rotate.axis = kAxisTravelY;
    run(2);
    EXPECT_EQ(particle()->selfAxis, (Vec3f{0, 1, 0}));
}

TEST_F(MotionFixture, TravelZAxisIsThisUpdatesMovementAndStillIsNoRotation) {
    node.m_rotate.axis = kAxisTravelZ;
    node.m_rotate.angle = 90;
    node.m_kill.span = 10;
    run(3);  // not moving: a zero axis turns nothing
    const Mat4 identity = Mat4::identity();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(selfRotationOf(*particle()).m[i][j], identity.m[i][j]);
    node.m_move.gravity = 100;
    run(3);
    expectVec(particle()->selfAxis, {0, -1, 0}, 0.0f);
}

TEST_F(MotionFixture, ParentOrientationAxisReadsWhereTheParentFaces) {
    node.m_shape.dir = kDirUp;  // faces +Y
    Node& child = test::addQuietNode(g, node);
    child.m_rotate.axis = kAxisParentOrientation;
    child.m_timing.start = 2;
    child.m_timing.end = 2;
    run(3);
    expectVec(test::particlesOf(*sim, child.m_ID)[0]->selfAxis, {0, 1, 0});
}

// ---- death -----------------------------------------------------------------

TEST_F(MotionFixture, LandingKillsOnlyAParticleFallingBelowTheGround) {
    node.m_kill.isLand = 1;
    node.m_move.gravity = 100;
    node.m_emitter.pos = {0.0f, 0.015f, 0.0f};
    // y: 0.015, 0.005, then −0.015 in update 3 after falling in update 2.
    run(2);
    ASSERT_NE(particle(), nullptr);
    EXPECT_NEAR(particle()->position.y, 0.005f, 1e-6f);
    advance(1);
    EXPECT_EQ(particle(), nullptr);
}

TEST_F(MotionFixture, LandingSparesAParticleRisingFromBelow) {
    node.m_kill.isLand = 1;
    node.m_emitter.pos = {0.0f, -2.0f, 0.0f};
    node.m_move.isOneWay = 1;
    node.m_move.dirX = 0.0f;
    node.m_move.speed = 5;  // 0.1 up per frame
    run(10);
    ASSERT_NE(particle(), nullptr);
    EXPECT_LT(particle()->position.y, 0.0f);
}

TEST_F(MotionFixture, KillFrameRemovesEveryParticleOfTheNodeInThatFrame) {
    node.m_kill.isFrame = 1;
    node.m_kill.frame = 30;
    node.m_timing.end = 60;  // one new particle every frame
    run(29);
    EXPECT_EQ(test::particlesOf(*sim, node.m_ID).size(), 29u);
    advance(1);
    EXPECT_TRUE(test::particlesOf(*sim, node.m_ID).empty());
}

TEST_F(MotionFixture, AgeReachingLifeRemovesTheParticle) {
    node.m_kill.span = 3;
    run(3);
    ASSERT_NE(particle(), nullptr);
    EXPECT_EQ(particle()->age, 3u);
    advance(1);
    EXPECT_EQ(particle(), nullptr);
}

// ---- revolution ----------------------------------------------------------------

TEST_F(MotionFixture, RevolutionOf360OrbitsTheParentOnceOverTheLife) {
    node.m_emitter.pos = {1.0f, 0.0f, 0.0f};
    node.m_rotate.revAngle = 360;  // G4 rises linearly by default
    node.m_kill.span = 40;
    // θ(age) = −360 × age / 40 about Y: (1,0,0) → (cos θ, 0, −sin θ).
    run(10);
    expectVec(particle()->position, {0, 0, 1});
    EXPECT_NEAR(particle()->revolutionAngle, -90.0f, 1e-4f);
    advance(10);
    expectVec(particle()->position, {-1, 0, 0});
    advance(20);
    expectVec(particle()->position, {1, 0, 0});
}

TEST_F(MotionFixture, FlatRevolutionCurveHoldsTheSpawnPoint) {
    node.m_emitter.pos = {1.0f, 0.0f, 0.0f};
    node.m_rotate.revAngle = 360;
    test::setFlatCurve(node, kCurveRevolutionAngle, 50.0f);
    run(1);
    for (int i = 0; i < 20; ++i) {
        expectVec(particle()->position, {1, 0, 0});
        EXPECT_NEAR(particle()->revolutionAngle, -180.0f, 1e-4f);
        advance(1);
    }
}

TEST_F(MotionFixture, RevolutionTurnsTheDirectionToo) {
    node.m_emitter.pos = {1.0f, 0.0f, 0.0f};
    node.m_move.isOneWay = 1;
    node.m_move.dirX = 90.0f;  // heading +Z
    node.m_rotate.revAngle = 360;
    node.m_kill.span = 40;
    run(10);  // turned by −90° about Y
    expectVec(particle()->direction, {-1, 0, 0});
}

// ---- trail and colour -------------------------------------------------------------

TEST_F(MotionFixture, TrailLengthZeroKeepsTheLastThreePoints) {
    node.m_shape.type = kShapeTrail;
    node.m_scale.trailLength = 0;
    node.m_move.gravity = 100;
    run(10);
    const Particle* p = particle();
    ASSERT_EQ(p->trail.size(), 3u);
    expectVec(p->trail.back().position, p->position, 0.0f);
    EXPECT_FLOAT_EQ(p->trail.back().width, 1.0f);
    node.m_scale.trailLength = 5;
    run(20);
    EXPECT_EQ(particle()->trail.size(), 8u);
}

TEST_F(MotionFixture, ColourUsesOneBrightnessFactorAndTheOpacityFactor) {
    test::setFlatCurve(node, kCurveRed, 50.0f);
    test::setFlatCurve(node, kCurveOpacity, 75.0f);
    run(1);
    const Rgba c = particle()->colour;
    EXPECT_FLOAT_EQ(c.r, 0.5f);
    EXPECT_FLOAT_EQ(c.g, 1.0f);
    EXPECT_FLOAT_EQ(c.a, 0.25f);
}

TEST_F(MotionFixture, AlphaParentScalesByTheParentAndOrphansTurnInvisible) {
    node.m_kill.span = 3;
    test::setFlatCurve(node, kCurveOpacity, 50.0f);
    Node& child = test::addQuietNode(g, node);
    child.m_color.isAlphaParent = 1;
    child.m_timing.start = 2;
    child.m_timing.end = 2;
    run(3);
    const auto children = test::particlesOf(*sim, child.m_ID);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_FLOAT_EQ(children[0]->colour.a, 0.5f);
    advance(1);  // the parent dies in frame 4, before its child's update
    EXPECT_EQ(particle(), nullptr);
    EXPECT_EQ(test::particlesOf(*sim, child.m_ID)[0]->colour.a, 0.0f);
}

TEST_F(MotionFixture, OrphanRevolvesAboutItsOwnEmitterPosition) {
    node.m_kill.span = 2;
    node.m_emitter.pos = {3.0f, 0.0f, 0.0f};
    Node& child = test::addQuietNode(g, node, 100, {1.0f, 0.0f, 0.0f});
    child.m_timing.start = 2;
    child.m_timing.end = 2;
    child.m_rotate.revAngle = 360;
    run(2);  // born at the parent (3,0,0) + (1,0,0), then turned about the parent
    const Vec3f centre{1.0f, 0.0f, 0.0f};
    const Vec3f before = test::particlesOf(*sim, child.m_ID)[0]->position;
    EXPECT_NEAR(length(before - Vec3f{3, 0, 0}), 1.0f, 1e-5f);
    advance(1);  // parent gone: both halves of the turn are about the child's emitter position
    const Vec3f after = test::particlesOf(*sim, child.m_ID)[0]->position;
    EXPECT_NEAR(length(after - centre), length(before - centre), 1e-5f);
    EXPECT_GT(std::fabs(length(after - Vec3f{3, 0, 0}) - 1.0f), 1e-3f);
}

TEST(TrailHistory, CopiesOwnTheirPointsAndDroppingKeepsTheNewest) {
    Particle a;
    for (int i = 0; i < 5; ++i) a.trail.push_back({{static_cast<float>(i), 0, 0}, static_cast<float>(i)});
    Particle b = a;  // as a checkpoint copies the list
    a.trail.dropOldest(3);
    ASSERT_EQ(a.trail.size(), 2u);
    EXPECT_EQ(a.trail[0].width, 3.0f);
    EXPECT_EQ(a.trail.back().width, 4.0f);
    ASSERT_EQ(b.trail.size(), 5u);
    EXPECT_EQ(b.trail[0].width, 0.0f);
    b = a;
    a.trail.release();
    EXPECT_TRUE(a.trail.empty());
    EXPECT_EQ(a.trail.begin(), a.trail.end());
    ASSERT_EQ(b.trail.size(), 2u);
    EXPECT_EQ(b.trail[1].width, 4.0f);
    b.trail.dropOldest(10);
    EXPECT_TRUE(b.trail.empty());
}

}  // namespace
}  // namespace fg
