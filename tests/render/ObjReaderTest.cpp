// The OBJ reader: mirroring, flipping, reversed faces, missing fields, and
// refusal of files it cannot read safely.

#include <gtest/gtest.h>

#include <fstream>
#include <utility>
#include <vector>

#include "render/meshes/ObjReader.h"

namespace fg {
namespace {

const char* kTriangle =
    "v 1 2 3\n"
    "v 4 5 6\n"
    "v 7 8 9\n"
    "vt 0.25 0.75\n"
    "vt 0.5 0.5\n"
    "vt 1 0\n"
    "f 1/1 2/2 3/3\n";

TEST(ObjReader, MirrorsXFlipsVAndReversesTheFace) {
    const ObjReadResult result = parseObj(kTriangle);
    ASSERT_TRUE(result.ok) << result.error;
    const ObjModel& model = result.model;
    EXPECT_EQ(model.positionCount, 3);
    EXPECT_EQ(model.texCoordCount, 3);
    EXPECT_EQ(model.faceCount, 1);
    ASSERT_EQ(model.vertices.size(), 3u);
    // Third reference first.
    EXPECT_FLOAT_EQ(model.vertices[0].x, -7.0f);
    EXPECT_FLOAT_EQ(model.vertices[0].y, 8.0f);
    EXPECT_FLOAT_EQ(model.vertices[0].z, 9.0f);
    EXPECT_FLOAT_EQ(model.vertices[0].u, 1.0f);
    EXPECT_FLOAT_EQ(model.vertices[0].v, 1.0f);
    EXPECT_FLOAT_EQ(model.vertices[2].x, -1.0f);
    EXPECT_FLOAT_EQ(model.vertices[2].u, 0.25f);
    EXPECT_FLOAT_EQ(model.vertices[2].v, 0.25f);
    EXPECT_EQ(model.indices, (std::vector<unsigned>{0, 1, 2}));
}

// The vertices of a model as (x, y) pairs, in draw order.
std::vector<std::pair<float, float>> corners(const ObjModel& model) {
    std::vector<std::pair<float, float>> out;
    for (const MeshVertex& vertex : model.vertices) out.emplace_back(vertex.x, vertex.y);
    return out;
}

TEST(ObjReader, QuadFaceBecomesTwoTrianglesAroundItsFirstCorner) {
    const ObjReadResult result = parseObj("v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nf 1 2 3 4\n");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.model.faceCount, 1);
    // (1, 2, 3) and (1, 3, 4), each reversed; x mirrored.
    const std::vector<std::pair<float, float>> expected{{-1, 1}, {-1, 0}, {0, 0}, {0, 1}, {-1, 1}, {0, 0}};
    EXPECT_EQ(corners(result.model), expected);
    EXPECT_EQ(result.model.indices, (std::vector<unsigned>{0, 1, 2, 3, 4, 5}));
}

TEST(ObjReader, TriangleIsTheSameWithOrWithoutTheFan) {
    // The first triangle of a quad is the triangle of its first three corners.
    const ObjReadResult triangle = parseObj("v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nf 1 2 3\n");
    const ObjReadResult quad = parseObj("v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nf 1 2 3 4\n");
    ASSERT_TRUE(triangle.ok && quad.ok);
    ASSERT_EQ(triangle.model.vertices.size(), 3u);
    const std::vector<std::pair<float, float>> all = corners(quad.model);
    EXPECT_EQ(corners(triangle.model), (std::vector<std::pair<float, float>>(all.begin(), all.begin() + 3)));
}

TEST(ObjReader, PentagonGivesThreeTriangles) {
    const ObjReadResult result = parseObj("v 0 0 0\nv 2 0 0\nv 3 1 0\nv 1 2 0\nv -1 1 0\nf 1 2 3 4 5\n");
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.model.vertices.size(), 9u);
    // Every triangle has the first corner last (it is the fan's centre).
    for (std::size_t t = 0; t < 3; ++t) {
        EXPECT_FLOAT_EQ(result.model.vertices[3 * t + 2].x, 0.0f) << t;
        EXPECT_FLOAT_EQ(result.model.vertices[3 * t + 2].y, 0.0f) << t;
    }
    EXPECT_FLOAT_EQ(result.model.vertices[6].x, 1.0f);  // corner 5, mirrored
    EXPECT_FLOAT_EQ(result.model.vertices[7].x, -1.0f);  // corner 4
}

TEST(ObjReader, QuadCubeGivesTwelveTriangles) {
    const ObjReadResult result = parseObj(
        "v -1 -1 -1\nv 1 -1 -1\nv 1 1 -1\nv -1 1 -1\nv -1 -1 1\nv 1 -1 1\nv 1 1 1\nv -1 1 1\n"
        "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 0 -1\n"
        "f 1/1/1 4/4/1 3/3/1 2/2/1\n"
        "f 5/1 6/2 7/3 8/4\n"
        "f 1//1 2//1 6//1 5//1\n"
        "f 4 8 7 3\n"
        "f 1/1 5/2 8/3 4/4 # left\n"
        "f 2/1/1 3/2/1 7/3/1 6/4/1\n");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.model.faceCount, 6);
    EXPECT_EQ(result.model.vertices.size(), 36u);
    EXPECT_EQ(result.model.indices.size(), 36u);
    // Face 1's second triangle (1, 3, 2) reversed: corner 2 (u 1, v 1 − 0) first.
    EXPECT_FLOAT_EQ(result.model.vertices[3].x, -1.0f);
    EXPECT_FLOAT_EQ(result.model.vertices[3].u, 1.0f);
    EXPECT_FLOAT_EQ(result.model.vertices[3].v, 1.0f);
    EXPECT_FLOAT_EQ(result.model.vertices[4].u, 1.0f);  // corner 3: vt 3
    EXPECT_FLOAT_EQ(result.model.vertices[4].v, 0.0f);
}

TEST(ObjReader, BadReferencesAnywhereInAPolygonAreRefused) {
    const std::string square = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\n";
    EXPECT_FALSE(parseObj(square + "f 1 2 3 5\n").ok);          // past the positions
    EXPECT_FALSE(parseObj(square + "f 1 2 3 0\n").ok);          // zero
    EXPECT_FALSE(parseObj(square + "f 1 2 3 -1\n").ok);         // relative
    EXPECT_FALSE(parseObj(square + "f 1/1 2/1 3/1 4/2\n").ok);  // past the texture coordinates
    EXPECT_FALSE(parseObj(square + "f 1/1 2/1 3/1 4/-1\n").ok);
    EXPECT_FALSE(parseObj(square + "f 1 2 3 4/1/1/1\n").ok);    // four fields
    const ObjReadResult late = parseObj(square + "f 1 2 3 x\n");
    ASSERT_FALSE(late.ok);
    EXPECT_NE(late.error.find("line 6"), std::string::npos) << late.error;
}

TEST(ObjReader, BarePositionsReadTextureIndexZeroAsOrigin) {
    const ObjReadResult result = parseObj("v 0 0 0\nv 1 0 0\nv 1 1 0\nvt 0.5 0.5\nf 1 2 3\n");
    ASSERT_TRUE(result.ok) << result.error;
    for (const MeshVertex& vertex : result.model.vertices) {
        EXPECT_FLOAT_EQ(vertex.u, 0.0f);
        EXPECT_FLOAT_EQ(vertex.v, 0.0f);
    }
}

TEST(ObjReader, EmptyTextureFieldWithNormalReadsZero) {
    const ObjReadResult result = parseObj("v 0 0 0\nv 1 0 0\nv 1 1 0\nvt 0.5 0.5\nvn 0 0 1\nf 1//1 2//1 3//1\n");
    ASSERT_TRUE(result.ok) << result.error;
    for (const MeshVertex& vertex : result.model.vertices) EXPECT_FLOAT_EQ(vertex.u, 0.0f);
    EXPECT_FLOAT_EQ(result.model.vertices[2].x, 0.0f);
}

TEST(ObjReader, OtherRecordsLeaveCountsAloneButCommentTokensCount) {
    const ObjReadResult result = parseObj(
        "# a v in a comment\n"
        "mtllib scene.mtl\no thing\ng group\ns 1\nusemtl red\nvn 0 1 0\n"
        "v 0 0 0\nv 1 0 0\nv 1 1 0\nf 1 2 3\n");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.model.positionCount, 4);  // the comment's lone "v" counts
    EXPECT_EQ(result.model.texCoordCount, 0);
    EXPECT_EQ(result.model.faceCount, 1);
    EXPECT_FLOAT_EQ(result.model.vertices[0].x, -1.0f);  // positions are still the real ones
    EXPECT_FLOAT_EQ(result.model.vertices[0].y, 1.0f);
}

TEST(ObjReader, CrLfLinesRead) {
    const ObjReadResult result = parseObj("v 0 0 0\r\nv 1 0 0\r\nv 1 1 0\r\nf 1 2 3\r\n");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.model.vertices.size(), 3u);
}

TEST(ObjReader, RefusesPositionIndexOutOfRange) {
    const ObjReadResult result = parseObj("v 0 0 0\nv 1 0 0\nf 1 2 3\n");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("line 3"), std::string::npos) << result.error;
}

TEST(ObjReader, RefusesPositionIndexZero) {
    EXPECT_FALSE(parseObj("v 0 0 0\nv 1 0 0\nv 1 1 0\nf 0 1 2\n").ok);
}

TEST(ObjReader, RefusesNegativeRelativeIndices) {
    EXPECT_FALSE(parseObj("v 0 0 0\nv 1 0 0\nv 1 1 0\nf -3 -2 -1\n").ok);
    EXPECT_FALSE(parseObj("v 0 0 0\nv 1 0 0\nv 1 1 0\nvt 0 0\nf 1/-1 2/1 3/1\n").ok);
}

TEST(ObjReader, RefusesTextureIndexOutOfRange) {
    EXPECT_FALSE(parseObj("v 0 0 0\nv 1 0 0\nv 1 1 0\nvt 0 0\nf 1/2 2/1 3/1\n").ok);
}

TEST(ObjReader, RefusesFacesWithFewerThanThreeReferences) {
    EXPECT_FALSE(parseObj("v 0 0 0\nv 1 0 0\nf 1 2\n").ok);
}

TEST(ObjReader, RefusesMalformedNumbers) {
    EXPECT_FALSE(parseObj("v 0 0\nv 1 0 0\nv 1 1 0\nf 1 2 3\n").ok);
    EXPECT_FALSE(parseObj("v 0 0 0\nv 1 0 0\nv 1 1 0\nf 1 2 x\n").ok);
}

TEST(ObjReader, RefusesAFileThatCannotBeOpened) {
    const ObjReadResult result = readObj(::testing::TempDir() + "/no-such-model.obj");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
}

TEST(ObjReader, ReadsAFile) {
    const std::string path = ::testing::TempDir() + "/triangle.obj";
    std::ofstream(path) << kTriangle;
    const ObjReadResult result = readObj(path);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.model.faceCount, 1);
}

TEST(ObjReader, FaceTokensInCommentsCountButBuildNoTriangles) {
    std::string text = "# ";
    for (int i = 0; i < 1000; ++i) text += "f ";
    text += "\n";
    text += kTriangle;
    const ObjReadResult result = parseObj(text);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.model.faceCount, 1001);
    ASSERT_EQ(result.model.vertices.size(), 3u);
    EXPECT_FLOAT_EQ(result.model.vertices[0].x, -7.0f);
    EXPECT_FLOAT_EQ(result.model.vertices[2].x, -1.0f);
    EXPECT_EQ(result.model.indices, (std::vector<unsigned>{0, 1, 2}));
}

}  // namespace
}  // namespace fg
