// The matrix module against values worked out by hand: left-handed, row
// vectors, p · M, and A · B applies A first.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "simulation/Math.h"

namespace fg {
namespace {

constexpr float kHalfPi = 1.5707963f;
constexpr float kTol = 1e-6f;

void expectVec(Vec3f actual, Vec3f expected, float tol = kTol) {
    EXPECT_NEAR(actual.x, expected.x, tol);
    EXPECT_NEAR(actual.y, expected.y, tol);
    EXPECT_NEAR(actual.z, expected.z, tol);
}

void expectMat(const Mat4& a, const Mat4& b, float tol = kTol) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(a.m[i][j], b.m[i][j], tol) << "at " << i << "," << j;
}

TEST(MathVectors, ArithmeticCrossAndNormalise) {
    expectVec(Vec3f{1, 2, 3} + Vec3f{4, 5, 6}, {5, 7, 9});
    expectVec(Vec3f{1, 2, 3} - Vec3f{4, 5, 6}, {-3, -3, -3});
    expectVec(Vec3f{1, 2, 3} * 2.0f, {2, 4, 6});
    EXPECT_FLOAT_EQ(dot({1, 2, 3}, {4, 5, 6}), 32.0f);
    expectVec(cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1});
    expectVec(cross({0, 1, 0}, {0, 0, 1}), {1, 0, 0});
    EXPECT_FLOAT_EQ(length({3, 4, 12}), 13.0f);
    expectVec(normalize({3, 0, 4}), {0.6f, 0.0f, 0.8f});
    expectVec(normalize({0, 0, 0}), {0, 0, 0}, 0.0f);
}

TEST(MathVectors, NormaliseGivesTheBitsOfTheDivisionByTheLength) {
    // The plain formula, written out: unit vectors skip it and must come
    // out the same, signed zeros included.
    const auto plain = [](Vec3f v) {
        const float len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
        return len == 0.0f ? Vec3f{} : Vec3f{v.x / len, v.y / len, v.z / len};
    };
    const auto bits = [](Vec3f v) {
        return std::array{std::bit_cast<std::uint32_t>(v.x), std::bit_cast<std::uint32_t>(v.y),
                          std::bit_cast<std::uint32_t>(v.z)};
    };
    std::vector<Vec3f> vectors = {{1, 0, 0}, {0, -1, 0}, {-0.0f, 0, 1}, {0, 0, 0}, {-0.0f, -0.0f, -0.0f},
                                  {0.6f, 0.8f, 0}, {3, 4, 12}, {1e-30f, 0, 0}, {1e30f, 1e30f, 0}};
    std::mt19937 gen(7);
    std::uniform_real_distribution<float> any(-2.0f, 2.0f);
    for (int i = 0; i < 2000; ++i) {
        const Vec3f v{any(gen), any(gen), any(gen)};
        vectors.push_back(v);
        vectors.push_back(plain(v));  // nearly unit: some square to exactly 1
        vectors.push_back(plain(plain(v)));
    }
    for (const Vec3f& v : vectors) EXPECT_EQ(bits(normalize(v)), bits(plain(v))) << v.x << " " << v.y << " " << v.z;
}

TEST(MathRotations, QuarterTurnsMoveTheAxesTheLeftHandedWay) {
    // About X: +Y goes to +Z.
    expectVec(transformCoord({0, 1, 0}, rotationX(kHalfPi)), {0, 0, 1});
    // About Y: +X goes to −Z, +Z to +X.
    expectVec(transformCoord({1, 0, 0}, rotationY(kHalfPi)), {0, 0, -1});
    expectVec(transformCoord({0, 0, 1}, rotationY(kHalfPi)), {1, 0, 0});
    // About Z: +X goes to +Y.
    expectVec(transformCoord({1, 0, 0}, rotationZ(kHalfPi)), {0, 1, 0});
}

TEST(MathRotations, AxisRotationMatchesTheNamedAxesAndNormalisesItsAxis) {
    expectMat(rotationAxis({0, 0, 2}, 0.7f), rotationZ(0.7f));
    expectMat(rotationAxis({3, 0, 0}, -1.2f), rotationX(-1.2f));
    expectMat(rotationAxis({0, 0.5f, 0}, 2.5f), rotationY(2.5f));
    // Half a turn about the XY diagonal swaps X and Y.
    expectVec(transformCoord({1, 0, 0}, rotationAxis({1, 1, 0}, 3.14159265f)), {0, 1, 0});
    expectVec(transformCoord({0, 0, 1}, rotationAxis({1, 1, 0}, 3.14159265f)), {0, 0, -1});
}

TEST(MathRotations, ZeroAxisAndZeroAngleAreExactlyTheIdentity) {
    const Mat4 identity = Mat4::identity();
    expectMat(rotationAxis({0, 0, 0}, 1.0f), identity, 0.0f);
    expectMat(rotationAxis({0.3f, -2.0f, 0.7f}, 0.0f), identity, 0.0f);
}

TEST(MathMatrices, ScalingTranslationAndTheOrderOfProducts) {
    expectVec(transformCoord({1, 2, 3}, scaling(2, 3, 4)), {2, 6, 12});
    expectVec(transformCoord({1, 2, 3}, translation(10, 20, 30)), {11, 22, 33});
    // Translate first, then scale: (0,0,0) → (1,0,0) → (2,0,0).
    expectVec(transformCoord({0, 0, 0}, translation(1, 0, 0) * scaling(2, 2, 2)), {2, 0, 0});
    // Scale first, then translate: (0,0,0) stays, then (1,0,0).
    expectVec(transformCoord({0, 0, 0}, scaling(2, 2, 2) * translation(1, 0, 0)), {1, 0, 0});
    // Directions ignore the translation row.
    expectVec(transformNormal({1, 2, 3}, translation(10, 20, 30) * scaling(2, 2, 2)), {2, 4, 6});
    const Mat4 t = transpose(translation(1, 2, 3));
    EXPECT_EQ(t.m[0][3], 1.0f);
    EXPECT_EQ(t.m[2][3], 3.0f);
    EXPECT_EQ(t.m[3][0], 0.0f);
}

TEST(MathInverse, UndoesTranslationScalingAndGeneralMatrices) {
    expectMat(inverse(translation(1, -2, 3)), translation(-1, 2, -3));
    expectMat(inverse(scaling(2, 4, 8)), scaling(0.5f, 0.25f, 0.125f));
    const Mat4 a = rotationAxis({1, 2, 3}, 0.8f) * scaling(2, 0.5f, 3) * translation(4, -1, 2);
    bool ok = false;
    expectMat(a * inverse(a, &ok), Mat4::identity(), 1e-5f);
    EXPECT_TRUE(ok);
    Mat4 general;
    const float values[16] = {2, 0, 1, 0, 1, 3, 0, 0, 0, 1, 4, 0, 1, 2, 3, 1};
    for (int i = 0; i < 16; ++i) general.m[i / 4][i % 4] = values[i];
    expectMat(inverse(general) * general, Mat4::identity(), 1e-5f);
}

TEST(MathInverse, SingularMatrixGivesTheIdentityAndSaysSo) {
    bool ok = true;
    expectMat(inverse(scaling(1, 0, 1), &ok), Mat4::identity(), 0.0f);
    EXPECT_FALSE(ok);
}

TEST(MathCamera, LookAtFromTheFrontIsATranslation) {
    const Mat4 view = lookAtLH({0, 0, -10}, {0, 0, 0}, {0, 1, 0});
    expectMat(view, translation(0, 0, 10));
}

TEST(MathCamera, LookAtFromTheSide) {
    // Eye on +X looking at the origin: the view's z axis is −X, its x axis
    // up × z = +Z, its y axis z × x = +Y.
    const Mat4 view = lookAtLH({10, 0, 0}, {0, 0, 0}, {0, 1, 0});
    expectVec(transformCoord({0, 0, 0}, view), {0, 0, 10});
    expectVec(transformCoord({0, 0, 1}, view), {1, 0, 10});
    expectVec(transformCoord({0, 1, 0}, view), {0, 1, 10});
    expectVec(transformCoord({1, 0, 0}, view), {0, 0, 9});
}

TEST(MathCamera, PerspectiveMapsNearAndFarToZeroAndOne) {
    // 90° field of view, aspect 2: yScale = 1/tan(45°) = 1, xScale = 0.5;
    // z' = z · far/(far − near) − near·far/(far − near), w = z.
    const Mat4 p = perspectiveFovLH(kHalfPi, 2.0f, 1.0f, 11.0f);
    EXPECT_NEAR(p.m[0][0], 0.5f, kTol);
    EXPECT_NEAR(p.m[1][1], 1.0f, kTol);
    EXPECT_NEAR(p.m[2][2], 1.1f, kTol);
    EXPECT_NEAR(p.m[3][2], -1.1f, kTol);
    EXPECT_EQ(p.m[2][3], 1.0f);
    EXPECT_EQ(p.m[3][3], 0.0f);
    expectVec(transformCoord({0, 0, 1}, p), {0, 0, 0});
    expectVec(transformCoord({0, 0, 11}, p), {0, 0, 1});
    expectVec(transformCoord({2, 1, 2}, p), {0.5f, 0.5f, 0.55f});
}

}  // namespace
}  // namespace fg
