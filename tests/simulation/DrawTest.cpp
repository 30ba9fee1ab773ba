// What the renderer reads: the draw order, the world matrix, the cylinder
// rings and the texture cells.

#include <gtest/gtest.h>

#include <cmath>

#include "SimulationTestSupport.h"
#include "simulation/DrawOrder.h"
#include "simulation/ParticleTransforms.h"

namespace fg {
namespace {

void expectVec(Vec3f actual, Vec3f expected, float tol = 1e-5f) {
    EXPECT_NEAR(actual.x, expected.x, tol);
    EXPECT_NEAR(actual.y, expected.y, tol);
    EXPECT_NEAR(actual.z, expected.z, tol);
}

// ---- draw order ---------------------------------------------------------------

// Root plus three particles born in frames 1, 2, 3 at x = 1, 2, 3... placed
// by their emitter positions so their camera distances are known.
struct DrawOrderFixture : ::testing::Test {
    EditorState g = test::rootOnlyState();
    std::unique_ptr<Simulation> sim;

    void build() {
        const float xs[3] = {5.0f, 1.0f, 3.0f};
        for (int i = 0; i < 3; ++i) {
            Node& n = test::addQuietNode(g, g.tree.root(), 100, {xs[i], 0.0f, 0.0f});
            n.m_timing.start = i + 1;
            n.m_timing.end = i + 1;
        }
        sim = std::make_unique<Simulation>(g);
        for (int i = 0; i < 3; ++i) sim->step();
    }
    // Node IDs in the order of one draw pass, pass numbers checked.
    std::vector<std::int32_t> drawnIds(Vec3f eye) {
        std::vector<std::int32_t> ids;
        int passes[2] = {0, 0};
        forEachInDrawOrder(*sim, eye, [&](Particle& p, int pass) {
            ++passes[pass];
            if (pass == 0) ids.push_back(sim->nodeOf(p).id);
        });
        EXPECT_EQ(passes[0], passes[1]);
        return ids;
    }
};

TEST_F(DrawOrderFixture, WithoutSortTheNewestComesFirstAndReverseStartsWithTheOldest) {
    build();
    EXPECT_EQ(drawnIds({}), (std::vector<std::int32_t>{3, 2, 1, 0}));
    g.project.reverse = 1;
    sim->restart(g);
    for (int i = 0; i < 3; ++i) sim->step();
    EXPECT_EQ(drawnIds({}), (std::vector<std::int32_t>{0, 1, 2, 3}));
}

TEST_F(DrawOrderFixture, ZSortDrawsFarToNearAndReverseNearToFar) {
    g.project.sort = 1;
    build();
    // Eye at x = 10: distances 5 (node 1), 9 (node 2), 7 (node 3), 10 (root).
    EXPECT_EQ(drawnIds({10, 0, 0}), (std::vector<std::int32_t>{0, 2, 3, 1}));
    g.project.reverse = 1;
    sim->restart(g);
    for (int i = 0; i < 3; ++i) sim->step();
    EXPECT_EQ(drawnIds({10, 0, 0}), (std::vector<std::int32_t>{1, 3, 2, 0}));
}

TEST_F(DrawOrderFixture, SortedOrderPersistsAndKeepsParentsAndTies) {
    g.project.sort = 1;
    build();
    Node& child = test::addQuietNode(g, *g.tree.root().childAt(0));  // under node 1 (x = 5)
    child.m_timing.start = 1;
    child.m_timing.end = 1;
    sim->restart(g);
    for (int i = 0; i < 3; ++i) sim->step();
    sortByCameraDistance(*sim, {-10, 0, 0});
    const auto live = test::liveParticles(*sim);
    ASSERT_EQ(live.size(), 5u);
    // Root (10) first; node 1 and its child at x = 5 tie (15) and keep their order.
    EXPECT_EQ(sim->nodeOf(*live[0]).id, 0);
    EXPECT_EQ(sim->nodeOf(*live[1]).id, 2);
    EXPECT_EQ(sim->nodeOf(*live[2]).id, 3);
    EXPECT_EQ(sim->nodeOf(*live[3]).id, 1);
    EXPECT_EQ(sim->nodeOf(*live[4]).id, child.m_ID);
    EXPECT_EQ(sim->particles().parentOf(*live[4]), live[3]);
    EXPECT_FLOAT_EQ(live[3]->cameraDistance, 15.0f);
    // The next step walks the sorted list: the child, now after its parent, still follows it.
    sim->step();
    EXPECT_EQ(sim->particles().parentOf(*test::liveParticles(*sim)[4]), test::liveParticles(*sim)[3]);
}

// ---- world matrix -----------------------------------------------------------

TEST(WorldMatrix, ScalesTurnsThenTranslates) {
    Particle p;
    p.position = {1, 2, 3};
    p.scale = {2, 2, 2};
    NodeParams params;
    const Mat4 world = particleWorldMatrix(p, params, nullptr, nullptr, false);
    expectVec(transformCoord({1, 0, 0}, world), {3, 2, 3});
    params.m_shape.type = kShapeCylinder;  // the rings carry the size
    expectVec(transformCoord({1, 0, 0}, particleWorldMatrix(p, params, nullptr, nullptr, false)), {2, 2, 3});
    p.scale = {2, 3, 4};
    const CylinderScales rings = cylinderScales(p);
    expectVec(transformCoord({1, 1, 1}, rings.bottom), {2, 2, 1});
    expectVec(transformCoord({1, 1, 1}, rings.top), {3, 3, 4});
}

TEST(WorldMatrix, TurnsByTheCurrentSelfRotation) {
    Particle p;
    p.selfAxis = {0, 0, 1};
    p.selfAngle = 90.0f;
    NodeParams params;
    const Mat4 world = particleWorldMatrix(p, params, nullptr, nullptr, false);
    expectVec(transformCoord({1, 0, 0}, selfRotationOf(p)), {0, 1, 0});
    expectVec(transformCoord({1, 0, 0}, world), {0, 1, 0});
}

TEST(WorldMatrix, TurnsWithTheParentOnlyWhenAskedAndPresent) {
    Particle parent;
    parent.facing = kDirLeft;  // +X → −Z
    Particle p;
    NodeParams params;
    params.m_rotate.isSameParent = 1;
    expectVec(transformCoord({1, 0, 0}, particleWorldMatrix(p, params, &parent, nullptr, false)), {0, 0, -1});
    expectVec(transformCoord({1, 0, 0}, particleWorldMatrix(p, params, nullptr, nullptr, false)), {1, 0, 0});
    params.m_rotate.isSameParent = 0;
    expectVec(transformCoord({1, 0, 0}, particleWorldMatrix(p, params, &parent, nullptr, false)), {1, 0, 0});
}

TEST(WorldMatrix, BillboardAppliesAfterTheParticlesOwnTurns) {
    Particle p;
    p.position = {0, 0, 5};
    NodeParams params;
    CameraMatrices camera;
    camera.billboard = rotationY(1.5707963f);
    expectVec(transformCoord({1, 0, 0}, particleWorldMatrix(p, params, nullptr, &camera, true)), {0, 0, 4});
    expectVec(transformCoord({1, 0, 0}, particleWorldMatrix(p, params, nullptr, &camera, false)), {1, 0, 5});
    // The default camera looks along +Z: no turn at all.
    const Mat4 front = billboardMatrix({0, 0, -10}, {0, 0, 0}, {0, 1, 0});
    expectVec(transformCoord({1, 2, 3}, front), {1, 2, 3});
}

TEST(WorldMatrix, FacingTurnsTheModelsMinusZOntoTheTravel) {
    for (const Vec3f s : {Vec3f{1, 0, 0}, Vec3f{0, 1, 0}, Vec3f{0, 0, 1}, Vec3f{0, 0, -1}, normalize({1, -2, 3})}) {
        expectVec(transformNormal({0, 0, -1}, facingRotation(s)), s);
    }
    Particle p;
    p.displacement = {0, 0.5f, 0};
    NodeParams params;
    params.m_shape.isDir = 1;
    expectVec(transformNormal({0, 0, -1}, particleWorldMatrix(p, params, nullptr, nullptr, false)), {0, 1, 0});
}

TEST(WorldMatrix, SpriteFacingPointsItsXAxisAlongTheScreenTravel) {
    Particle p;
    p.displacement = {0, -1, 0};  // straight down on screen with the front camera
    NodeParams params;
    params.m_shape.isDir = 1;
    CameraMatrices camera;
    camera.view = lookAtLH({0, 0, -10}, {0, 0, 0}, {0, 1, 0});
    expectVec(transformNormal({1, 0, 0}, particleWorldMatrix(p, params, nullptr, &camera, true)), {0, -1, 0});
}

// ---- texture cells --------------------------------------------------------------

TEST(TextureAnimation, FourByTwoAtSpeedFiftyAdvancesEveryTwoFramesAndHoldsTheLastCell) {
    Particle p;
    TextureParams texture;
    texture.isAnim = 1;
    texture.w = 4;
    texture.h = 2;
    texture.speed = 50;
    // Cell shown at age a is trunc(0.5 × (a − 2)), left by the previous draw.
    auto cellAt = [](const Mat4& m) {
        return static_cast<int>(std::lround(m.m[3][0] * 4.0f)) + 4 * static_cast<int>(std::lround(m.m[3][1] * 2.0f));
    };
    std::vector<int> cells;
    for (std::uint32_t age = 1; age <= 20; ++age) {
        p.age = age;
        const Mat4 m = textureTransform(p, texture);
        EXPECT_FLOAT_EQ(m.m[0][0], 0.25f);
        EXPECT_FLOAT_EQ(m.m[1][1], 0.5f);
        cells.push_back(cellAt(m));
    }
    EXPECT_EQ(cells, (std::vector<int>{0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 7, 7, 7}));
}

TEST(TextureAnimation, LoopWrapsKeepingTheFraction) {
    Particle p;
    TextureParams texture;
    texture.isAnim = 1;
    texture.w = 4;
    texture.h = 2;
    texture.speed = 50;
    texture.isLoop = 1;
    p.age = 20;  // 0.5 × 19 = 9.5 → 1.5
    textureTransform(p, texture);
    EXPECT_FLOAT_EQ(p.textureFrame, 1.5f);
}

TEST(TextureAnimation, OffOrWithoutCellsIsTheIdentity) {
    Particle p;
    p.age = 5;
    TextureParams texture;
    texture.speed = 100;
    const Mat4 identity = Mat4::identity();
    auto same = [&](const Mat4& m) {
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                if (m.m[i][j] != identity.m[i][j]) return false;
        return true;
    };
    EXPECT_TRUE(same(textureTransform(p, texture)));
    texture.isAnim = 1;
    texture.w = 0;
    EXPECT_TRUE(same(textureTransform(p, texture)));
}

}  // namespace
}  // namespace fg
