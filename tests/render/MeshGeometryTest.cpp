// Vertex counts and shapes of the built-in meshes and the trail ribbon.

#include <gtest/gtest.h>

#include <cmath>

#include "render/meshes/ShapeGeometry.h"
#include "render/meshes/TrailGeometry.h"

namespace fg {
namespace {

TEST(MeshGeometry, PolyIsOneUnitSquareInBothSets) {
    const VertexSets sets = polyGeometry();
    for (const auto& set : sets) {
        ASSERT_EQ(set.size(), 1u);
        ASSERT_EQ(set[0].size(), 4u);
        EXPECT_FLOAT_EQ(set[0][0].x, -0.5f);
        EXPECT_FLOAT_EQ(set[0][0].y, 0.5f);
        EXPECT_FLOAT_EQ(set[0][0].u, 0.0f);
        EXPECT_FLOAT_EQ(set[0][0].v, 0.0f);
        EXPECT_FLOAT_EQ(set[0][3].x, 0.5f);
        EXPECT_FLOAT_EQ(set[0][3].y, -0.5f);
        EXPECT_FLOAT_EQ(set[0][3].u, 1.0f);
        EXPECT_FLOAT_EQ(set[0][3].v, 1.0f);
    }
}

TEST(MeshGeometry, CylinderHas18And146VerticesClosingTheRing) {
    const VertexSets sets = cylinderGeometry();
    ASSERT_EQ(sets[0].size(), 1u);
    ASSERT_EQ(sets[1].size(), 1u);
    EXPECT_EQ(sets[0][0].size(), 18u);
    EXPECT_EQ(sets[1][0].size(), 146u);
    for (const SubMesh& strip : {sets[0][0], sets[1][0]}) {
        // Bottom at z = 0 with v = 1, top at z = -1 with v = 0, radius 0.5.
        for (std::size_t i = 0; i < strip.size(); ++i) {
            EXPECT_FLOAT_EQ(strip[i].z, i % 2 == 0 ? 0.0f : -1.0f);
            EXPECT_FLOAT_EQ(strip[i].v, i % 2 == 0 ? 1.0f : 0.0f);
            EXPECT_NEAR(std::hypot(strip[i].x, strip[i].y), 0.5f, 1e-6f);
        }
        EXPECT_FLOAT_EQ(strip.front().u, 0.0f);
        EXPECT_FLOAT_EQ(strip.back().u, 1.0f);
        EXPECT_NEAR(strip.front().y, strip.back().y, 1e-6f);
        EXPECT_NEAR(strip.front().x, strip.back().x, 1e-6f);
    }
    // d = 90°: (-0.5·sin, 0.5·cos) = (-0.5, 0) at u = 0.25.
    EXPECT_NEAR(sets[0][0][4].x, -0.5f, 1e-6f);
    EXPECT_NEAR(sets[0][0][4].y, 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(sets[0][0][4].u, 0.25f);
}

TEST(MeshGeometry, HemisphereHas24StripsOf14And72StripsOf38) {
    const VertexSets sets = hemisphereGeometry();
    ASSERT_EQ(sets[0].size(), 24u);
    ASSERT_EQ(sets[1].size(), 72u);
    for (const SubMesh& strip : sets[0]) EXPECT_EQ(strip.size(), 14u);
    for (const SubMesh& strip : sets[1]) EXPECT_EQ(strip.size(), 38u);
    // Each strip starts at the pole with the texture centre there and ends on the rim.
    for (const SubMesh& strip : sets[0]) {
        EXPECT_NEAR(strip.front().z, -0.5f, 1e-6f);
        EXPECT_NEAR(strip.front().u, 0.5f, 1e-6f);
        EXPECT_NEAR(strip.front().v, 0.5f, 1e-6f);
        EXPECT_NEAR(strip.back().z, 0.0f, 1e-6f);
        for (const MeshVertex& vertex : strip) {
            EXPECT_NEAR(std::sqrt(vertex.x * vertex.x + vertex.y * vertex.y + vertex.z * vertex.z), 0.5f, 1e-6f);
            EXPECT_NEAR(vertex.u, vertex.x + 0.5f, 1e-6f);
        }
    }
}

std::vector<TrailPoint> straightTrail(int count) {
    std::vector<TrailPoint> points;
    for (int i = 0; i < count; ++i) points.push_back({Vec3f{static_cast<float>(i), 0, 0}, 0.2f * static_cast<float>(i + 1)});
    return points;
}

TEST(TrailGeometry, FewerThanThreePointsDrawNothing) {
    const auto points = straightTrail(2);
    EXPECT_TRUE(trailGeometry(points, Vec3f{0, 0, -5}, false, false).empty());
}

TEST(TrailGeometry, PreviewStripSpansAllButTheLastTwoPoints) {
    const auto points = straightTrail(5);
    const auto meshes = trailGeometry(points, Vec3f{1, 0, -5}, false, false);
    ASSERT_EQ(meshes.size(), 1u);
    ASSERT_EQ(meshes[0].size(), 6u);  // points 0, 1, 2
    // Travel along +x seen from -z: side = x × (towards the eye) lies along ±y.
    EXPECT_NEAR(std::fabs(meshes[0][0].y), 0.5f, 1e-5f);  // fixed: the newest width 1.0
    EXPECT_NEAR(meshes[0][0].y, -meshes[0][1].y, 1e-6f);
    EXPECT_FLOAT_EQ(meshes[0][0].v, 0.0f);
    EXPECT_FLOAT_EQ(meshes[0][1].v, 1.0f);
    EXPECT_FLOAT_EQ(meshes[0][2].u, 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(meshes[0][4].u, 2.0f / 3.0f);
}

TEST(TrailGeometry, ChangingThicknessKeepsEachPointsOwnWidth) {
    const auto points = straightTrail(5);
    const auto meshes = trailGeometry(points, Vec3f{1, 0, -5}, true, false);
    ASSERT_EQ(meshes.size(), 1u);
    EXPECT_NEAR(std::fabs(meshes[0][0].y), 0.1f, 1e-5f);
    EXPECT_NEAR(std::fabs(meshes[0][2].y), 0.2f, 1e-5f);
    EXPECT_NEAR(std::fabs(meshes[0][4].y), 0.3f, 1e-5f);
}

TEST(TrailGeometry, RibbonNarrowsToALineWhereItPointsAtTheEye) {
    std::vector<TrailPoint> points{{{0, 0, 0}, 1}, {{0, 0, -1}, 1}, {{0, 0, -2}, 1}};
    const auto meshes = trailGeometry(points, Vec3f{0, 0, -10}, false, false);
    ASSERT_EQ(meshes.size(), 1u);
    EXPECT_FLOAT_EQ(meshes[0][0].x, 0.0f);
    EXPECT_FLOAT_EQ(meshes[0][0].y, 0.0f);
    EXPECT_FLOAT_EQ(meshes[0][1].y, 0.0f);
}

TEST(TrailGeometry, ExportMakesOneQuadPerSegment) {
    const auto points = straightTrail(5);
    const auto meshes = trailGeometry(points, Vec3f{1, 0, -5}, false, true);
    ASSERT_EQ(meshes.size(), 3u);
    for (std::size_t i = 0; i < meshes.size(); ++i) {
        ASSERT_EQ(meshes[i].size(), 4u);
        EXPECT_FLOAT_EQ(meshes[i][0].x, static_cast<float>(i));
        EXPECT_FLOAT_EQ(meshes[i][2].x, static_cast<float>(i + 1));
        for (const MeshVertex& vertex : meshes[i]) EXPECT_FLOAT_EQ(vertex.u, static_cast<float>(i) / 3.0f);
    }
}

}  // namespace
}  // namespace fg
