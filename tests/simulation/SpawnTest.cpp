// Where a particle appears, where it heads and what it draws, checked with
// draws predicted from the generator's formula.

#include <gtest/gtest.h>

#include <cmath>

#include "SimulationTestSupport.h"
#include "simulation/EffectTable.h"
#include "simulation/Spawn.h"
#include "simulation/Units.h"
#include "simulation/ParticleTransforms.h"

namespace fg {
namespace {

using test::drawAt;
using test::jitterOf;

constexpr std::uint32_t kSeed = 12345;

// An effect: root → node 1 (the parent's node) → node 2 (the one spawned).
struct SpawnFixture : ::testing::Test {
    EditorState g = test::rootOnlyState();
    Node& parentNode = g.tree.addChild(g.tree.root());
    Node& node = g.tree.addChild(parentNode);
    EffectTable table;
    Random random;
    Particle parent;
    OrientationPresets presets;

    SpawnFixture() {
        parent.node = 1;
        parent.position = {1.0f, 2.0f, 3.0f};
        parent.life = 60;
        parent.emitCount = 1;
        random.seed(kSeed);
    }

    Particle spawn() {
        table.load(g.tree.root(), 60);
        return spawnParticle(table, random, 2, &parent, node.m_shape.dir);
    }
    // How many draws the spawn made.
    int drawsMade() const {
        test::Lcg lcg{kSeed};
        for (int n = 0; n < 1000; ++n) {
            if (lcg.state == random.state()) return n;
            lcg.next();
        }
        return -1;
    }
};

void expectVec(Vec3f actual, Vec3f expected, float tol = 1e-6f) {
    EXPECT_NEAR(actual.x, expected.x, tol);
    EXPECT_NEAR(actual.y, expected.y, tol);
    EXPECT_NEAR(actual.z, expected.z, tol);
}

// ---- emitter shapes ---------------------------------------------------------

struct ZeroSizeCase {
    std::int32_t type;
    int drawsBeforeJitter;  // emitter draws + the "内部" scope draw
};

class ZeroSizeEmitter : public SpawnFixture, public ::testing::WithParamInterface<ZeroSizeCase> {};

TEST_P(ZeroSizeEmitter, PlacesAtTheEmitterAndHeadsAlongTheJitterCube) {
    const ZeroSizeCase c = GetParam();
    node.m_emitter.type = c.type;
    node.m_emitter.pos = {0.5f, -1.0f, 2.0f};
    const Particle p = spawn();
    expectVec(p.position, {1.5f, 1.0f, 5.0f}, 0.0f);
    // The first jitter draw goes to z, the second to y, the third to x.
    Vec3f d{jitterOf(drawAt(kSeed, c.drawsBeforeJitter + 2)), jitterOf(drawAt(kSeed, c.drawsBeforeJitter + 1)),
            jitterOf(drawAt(kSeed, c.drawsBeforeJitter))};
    if (c.type == kEmitterCircleHorizontal) d.y = 0.0f;
    if (c.type == kEmitterCircleVertical) d.z = 0.0f;
    const float len = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    expectVec(p.direction, {d.x / len, d.y / len, d.z / len});
    EXPECT_EQ(drawsMade(), c.drawsBeforeJitter + 3);
}

INSTANTIATE_TEST_SUITE_P(EveryType, ZeroSizeEmitter,
                         ::testing::Values(ZeroSizeCase{kEmitterCircleVertical, 2},
                                           ZeroSizeCase{kEmitterCircleHorizontal, 2},
                                           ZeroSizeCase{kEmitterSphere, 4}, ZeroSizeCase{kEmitterHemisphere, 4},
                                           ZeroSizeCase{kEmitterCylinder, 2}, ZeroSizeCase{kEmitterBox, 3},
                                           ZeroSizeCase{17, 1}));

TEST_F(SpawnFixture, EvenIntervalPutsFourParticlesAtQuarterTurnsAboutY) {
    node.m_emitter.type = kEmitterCircleHorizontal;
    node.m_emitter.size = {2.0f, 0.0f, 2.0f};
    node.m_emitter.scope = kScopeSurface;
    node.m_emitter.isEvenInterval = 1;
    parent.emitCount = 4;
    // (0.5, 0, 0) turned about Y by 0°, 90°, 180°, 270°, doubled: +X, −Z, −X, +Z.
    const Vec3f expected[4] = {{1, 0, 0}, {0, 0, -1}, {-1, 0, 0}, {0, 0, 1}};
    for (std::uint32_t i = 0; i < 4; ++i) {
        parent.emitIndex = i;
        const Particle p = spawn();
        expectVec(p.position - parent.position, expected[i], 1e-6f);
        expectVec(p.direction, expected[i], 1e-6f);
    }
    EXPECT_EQ(drawsMade(), 0);  // neither the angle nor the surface draws
}

TEST_F(SpawnFixture, BoxPointsLieOnAFaceAndInsideTheBox) {
    node.m_emitter.size = {2.0f, 4.0f, 6.0f};
    node.m_emitter.scope = kScopeSurface;
    for (int i = 0; i < 200; ++i) {
        const Vec3f o = spawn().position - parent.position;
        EXPECT_LE(std::fabs(o.x), 1.0f);
        EXPECT_LE(std::fabs(o.y), 2.0f);
        EXPECT_LE(std::fabs(o.z), 3.0f);
        const bool onFace = std::fabs(o.x) == 1.0f || std::fabs(o.y) == 2.0f || std::fabs(o.z) == 3.0f;
        EXPECT_TRUE(onFace) << o.x << "," << o.y << "," << o.z;
    }
}

TEST_F(SpawnFixture, BoxFaceAndSignComeFromTheFourthAndFifthDraws) {
    node.m_emitter.size = {2.0f, 2.0f, 2.0f};
    node.m_emitter.scope = kScopeSurface;
    const Vec3f o = spawn().position - parent.position;
    const float x = static_cast<float>(drawAt(kSeed, 0) % 200 - 100) / 100.0f;
    const float y = static_cast<float>(drawAt(kSeed, 1) % 200 - 100) / 100.0f;
    const float z = static_cast<float>(drawAt(kSeed, 2) % 200 - 100) / 100.0f;
    Vec3f expected{x, y, z};
    const int face = drawAt(kSeed, 3) % 3;
    (face == 0 ? expected.x : face == 1 ? expected.y : expected.z) = 1.0f;
    if (drawAt(kSeed, 4) % 2 == 1) expected = expected * -1.0f;
    expectVec(o, expected);
}

TEST_F(SpawnFixture, HemispherePointsStayOnTheUpperHalf) {
    node.m_emitter.type = kEmitterHemisphere;
    node.m_emitter.size = {2.0f, 2.0f, 2.0f};
    node.m_emitter.scope = kScopeSurface;
    for (int i = 0; i < 200; ++i) {
        const Vec3f o = spawn().position - parent.position;
        EXPECT_GE(o.y, 0.0f);
        EXPECT_NEAR(length(o), 1.0f, 1e-5f);
    }
}

TEST_F(SpawnFixture, CylinderHeadsAwayFromItsAxisHorizontally) {
    node.m_emitter.type = kEmitterCylinder;
    node.m_emitter.size = {2.0f, 3.0f, 2.0f};
    node.m_emitter.scope = kScopeSurface;
    for (int i = 0; i < 50; ++i) {
        const Particle p = spawn();
        const Vec3f o = p.position - parent.position;
        EXPECT_LE(std::fabs(o.y), 1.5f);
        EXPECT_NEAR(std::hypot(o.x, o.z), 1.0f, 1e-5f);
        expectVec(p.direction, normalize({o.x, 0.0f, o.z}), 1e-5f);
    }
}

// ---- scope ------------------------------------------------------------------

TEST_F(SpawnFixture, ScopeScalesTheSpherePointByTheDrawnFactor) {
    node.m_emitter.type = kEmitterSphere;
    node.m_emitter.size = {2.0f, 2.0f, 2.0f};  // radius 1

    node.m_emitter.scope = kScopeSurface;
    EXPECT_NEAR(length(spawn().position - parent.position), 1.0f, 1e-5f);

    random.seed(kSeed);
    node.m_emitter.scope = kScopeCustom;
    node.m_emitter.err = 0;  // the same as the surface, without a draw
    EXPECT_NEAR(length(spawn().position - parent.position), 1.0f, 1e-5f);

    random.seed(kSeed);
    node.m_emitter.err = 100;  // 1 − (r % 10000) / 10000 with the draw after the three angles
    const float band = 1.0f - static_cast<float>(drawAt(kSeed, 3) % 10000) / 10000.0f;
    EXPECT_NEAR(length(spawn().position - parent.position), band, 1e-5f);

    random.seed(kSeed);
    node.m_emitter.scope = kScopeInside;  // (r % 100) / 100
    EXPECT_NEAR(length(spawn().position - parent.position), static_cast<float>(drawAt(kSeed, 3) % 100) / 100.0f,
                1e-5f);
}

TEST_F(SpawnFixture, CustomBandOfOnePercentStaysInTheOuterPercent) {
    node.m_emitter.type = kEmitterSphere;
    node.m_emitter.size = {2.0f, 2.0f, 2.0f};
    node.m_emitter.scope = kScopeCustom;
    node.m_emitter.err = 1;
    for (int i = 0; i < 100; ++i) {
        const float r = length(spawn().position - parent.position);
        EXPECT_GT(r, 0.99f - 1e-6f);
        EXPECT_LE(r, 1.0f + 1e-6f);
    }
}

// ---- the parent's size and turn ----------------------------------------------

TEST_F(SpawnFixture, ParentCurvesScaleTheOffsetUnlessTheSizeIsFixed) {
    node.m_emitter.type = kEmitterCircleHorizontal;
    node.m_emitter.size = {2.0f, 0.0f, 2.0f};
    node.m_emitter.scope = kScopeSurface;
    node.m_emitter.isEvenInterval = 1;
    test::setFlatCurve(parentNode, kCurveWidth, 50.0f);  // G0 = 0.5
    test::setFlatCurve(parentNode, kCurveSize, 20.0f);   // G10 = 0.8
    expectVec(spawn().position - parent.position, {0.4f, 0.0f, 0.0f});
    node.m_emitter.scaleFix = 1;
    expectVec(spawn().position - parent.position, {1.0f, 0.0f, 0.0f});
}

TEST_F(SpawnFixture, ParentSelfRotationTurnsOffsetAndDirectionUnlessFixed) {
    node.m_emitter.type = kEmitterCircleHorizontal;
    node.m_emitter.size = {2.0f, 0.0f, 2.0f};
    node.m_emitter.scope = kScopeSurface;
    node.m_emitter.isEvenInterval = 1;
    parent.selfAxis = {0.0f, 0.0f, 1.0f};  // +X turns to +Y
    parent.selfAngle = 90.0f;
    Particle p = spawn();
    expectVec(p.position - parent.position, {0.0f, 1.0f, 0.0f});
    expectVec(p.direction, {0.0f, 1.0f, 0.0f});
    node.m_emitter.fix = 1;
    p = spawn();
    expectVec(p.position - parent.position, {1.0f, 0.0f, 0.0f});
    expectVec(p.direction, {1.0f, 0.0f, 0.0f});
}

TEST_F(SpawnFixture, ChildOfTheRootParticleHeadsFromTheEmitterPosition) {
    // Node 1 spawned from the root particle: d = position − emitter position.
    node.m_emitter.type = kEmitterCircleHorizontal;
    parentNode.m_emitter.type = kEmitterCircleHorizontal;
    parentNode.m_emitter.size = {2.0f, 0.0f, 2.0f};
    parentNode.m_emitter.scope = kScopeSurface;
    parentNode.m_emitter.isEvenInterval = 1;
    parentNode.m_emitter.pos = {5.0f, 5.0f, 5.0f};
    table.load(g.tree.root(), 60);
    Particle root;
    root.node = 0;
    root.life = 60;
    root.emitCount = 1;
    const Particle p = spawnParticle(table, random, 1, &root, kDirFront);
    expectVec(p.position, {6.0f, 5.0f, 5.0f});
    expectVec(p.direction, {1.0f, 0.0f, 0.0f});
}

// ---- direction -----------------------------------------------------------------

TEST_F(SpawnFixture, OneWayDirectionFollowsTheTwoAngles) {
    node.m_move.isOneWay = 1;
    node.m_move.dirX = 90.0f;  // (0,1,0) tipped about X onto +Z
    node.m_move.dirY = 0.0f;
    expectVec(spawn().direction, {0.0f, 0.0f, 1.0f});
    node.m_move.dirY = 90.0f;  // then turned about Y onto +X
    expectVec(spawn().direction, {1.0f, 0.0f, 0.0f});
    node.m_move.dirX = 0.0f;
    expectVec(spawn().direction, {0.0f, 1.0f, 0.0f});
}

TEST_F(SpawnFixture, OneWaySpreadTiltsBelowHalfTheOpeningAngle) {
    node.m_move.isOneWay = 1;
    node.m_move.dirX = 0.0f;
    node.m_move.oneway_err = 60;
    for (int i = 0; i < 200; ++i) {
        const Vec3f d = spawn().direction;
        EXPECT_NEAR(length(d), 1.0f, 1e-5f);
        EXPECT_GT(d.y, std::cos(30.0f * kDegToRad) - 1e-5f);  // tilt below 30°
    }
}

// ---- axes, signs, orientation, factors ---------------------------------------

TEST_F(SpawnFixture, AxesSignsAndTheRandomOrientationDrawInOrder) {
    node.m_rotate.axis = kAxisTravelZ;
    node.m_rotate.dir = kRotateRandom;
    node.m_rotate.revAxis = kRevAxisParentTravel;
    node.m_rotate.revDir = kRotateReversed;
    node.m_shape.dir = kDirRandom;
    node.m_shape.type = kShapePlane;
    node.m_emitter.size = {1.0f, 1.0f, 1.0f};
    node.m_emitter.scope = kScopeSurface;
    parent.displacement = {0.0f, 0.5f, 0.0f};
    const Particle p = spawn();
    // Box: 3 centred values, face, sign; direction from the offset: no jitter.
    const int first = 5;
    EXPECT_EQ(p.selfAxis, (Vec3f{}));  // follows the motion from the first update
    EXPECT_EQ(p.selfSign, drawAt(kSeed, first) % 100 % 2 == 1 ? 1 : -1);
    EXPECT_EQ(p.revolutionAxis, (Vec3f{0.0f, 0.5f, 0.0f}));
    EXPECT_EQ(p.revolutionSign, 1);
    const float a = static_cast<float>(drawAt(kSeed, first + 1) % 1000 - 500) / 100.0f;
    const float b = static_cast<float>(drawAt(kSeed, first + 2) % 1000 - 500) / 100.0f;
    const float c = static_cast<float>(drawAt(kSeed, first + 3) % 1000 - 500) / 100.0f;
    const float angle = static_cast<float>(drawAt(kSeed, first + 4) % 360) * kDegToRad;
    const Mat4 expected = rotationAxis({c, b, a}, angle);
    EXPECT_TRUE(p.ownsOrientation());
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(orientationOf(p).m[i][j], expected.m[i][j], 1e-6f);
    EXPECT_EQ(drawsMade(), first + 5);
}

TEST_F(SpawnFixture, FlatSpritesOnlySpinInTheScreenPlane) {
    node.m_shape.dir = kDirRandom;
    node.m_shape.type = kShape2D;
    for (int i = 0; i < 20; ++i) {
        const Mat4 m = orientationOf(spawn());
        EXPECT_FLOAT_EQ(m.m[2][2], 1.0f);
        EXPECT_EQ(m.m[0][2], 0.0f);
        EXPECT_EQ(m.m[1][2], 0.0f);
    }
}

TEST_F(SpawnFixture, PresetsFaceTheSixDirectionsAndOutOfRangeFacesFront) {
    const Vec3f forward{0.0f, 0.0f, -1.0f};
    expectVec(transformCoord(forward, presets.forDir(kDirFront)), {0, 0, -1});
    expectVec(transformCoord(forward, presets.forDir(kDirBack)), {0, 0, 1});
    expectVec(transformCoord({1, 0, 0}, presets.forDir(kDirRight)), {0, 0, 1});
    expectVec(transformCoord({1, 0, 0}, presets.forDir(kDirLeft)), {0, 0, -1});
    expectVec(transformCoord(forward, presets.forDir(kDirUp)), {0, 1, 0});
    expectVec(transformCoord(forward, presets.forDir(kDirDown)), {0, -1, 0});
    expectVec(transformCoord(forward, presets.forDir(9)), forward, 0.0f);
    node.m_rotate.dir = 5;  // outside the list: normal direction without a draw
    node.m_rotate.revDir = 3;
    node.m_rotate.axis = 8;
    const Particle p = spawn();
    EXPECT_EQ(p.selfSign, -1);
    EXPECT_EQ(p.revolutionSign, -1);
    EXPECT_EQ(p.selfAxis, (Vec3f{}));
}

TEST_F(SpawnFixture, LifeKillFrameAndTheSixFactorsDrawInOrder) {
    node.m_emitter.scope = kScopeSurface;
    node.m_emitter.size = {1.0f, 1.0f, 1.0f};
    node.m_kill.span = 60;
    node.m_kill.span_err = 50;
    node.m_kill.frame = 30;
    node.m_kill.frame_err = 10;
    node.m_move.speed_err = 20;
    node.m_scale.max_err = 30;
    node.m_rotate.angle_err = 40;
    node.m_rotate.revAngle_err = 5;
    node.m_color.brigRnd = 60;
    node.m_color.alphaRnd = 70;
    const Particle p = spawn();
    const int first = 5;  // after the box's five draws
    auto spreadAt = [](int k, int e) { return static_cast<float>(drawAt(kSeed, k) % (2 * e) - e + 100) / 100.0f; };
    EXPECT_EQ(p.life, static_cast<std::uint32_t>(60.0f * spreadAt(first, 50)));
    EXPECT_EQ(p.killFrame, static_cast<std::uint32_t>(30.0f * spreadAt(first + 1, 10)));
    EXPECT_FLOAT_EQ(p.speedFactor, spreadAt(first + 2, 20));
    EXPECT_FLOAT_EQ(p.sizeFactor, spreadAt(first + 3, 30));
    EXPECT_FLOAT_EQ(p.selfAngleFactor, spreadAt(first + 4, 40));
    EXPECT_FLOAT_EQ(p.revolutionAngleFactor, spreadAt(first + 5, 5));
    EXPECT_FLOAT_EQ(p.brightnessFactor, spreadAt(first + 6, 60));
    EXPECT_FLOAT_EQ(p.alphaFactor, spreadAt(first + 7, 70));
    EXPECT_EQ(drawsMade(), first + 8);
}

TEST_F(SpawnFixture, NegativeLifeAndKillFrameCountAsZero) {
    node.m_kill.span = -5;
    node.m_kill.frame = -1;
    const Particle p = spawn();
    EXPECT_EQ(p.life, 0u);
    EXPECT_EQ(p.killFrame, 0u);
}

TEST_F(SpawnFixture, FreshParticleStartsAtRest) {
    node.m_emitter.size = {1.0f, 1.0f, 1.0f};
    const Particle p = spawn();
    EXPECT_EQ(p.age, 0u);
    EXPECT_EQ(p.previousPosition, p.position);
    EXPECT_EQ(p.scale, (Vec3f{1, 1, 1}));
    EXPECT_EQ(p.displacement, (Vec3f{}));
    EXPECT_EQ(p.gravityVelocity, (Vec3f{}));
    EXPECT_TRUE(p.trail.empty());
    EXPECT_FALSE(p.ownsOrientation());
}

TEST(SpawnRoot, RootParticleHasNoDirectionNoSizeAndTheEffectsLength) {
    EditorState g = test::rootOnlyState();
    EffectTable table;
    table.load(g.tree.root(), 90);
    Random random;
    const Particle root = spawnParticle(table, random, EffectTable::kRoot, nullptr, kDirFront);
    EXPECT_EQ(root.direction, (Vec3f{}));
    EXPECT_EQ(root.scale, (Vec3f{}));
    EXPECT_EQ(root.life, 90u);
    EXPECT_EQ(g.tree.root().m_kill.span, 60);  // the node itself keeps its default
}

}  // namespace
}  // namespace fg
