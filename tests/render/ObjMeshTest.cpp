// The model mesh built from an OBJ file: only the file's face lines become
// triangles, so "f" tokens elsewhere cost nothing to upload or draw.

#include <gtest/gtest.h>

#include "GlTestContext.h"
#include "ParticleDrawHelper.h"
#include "render/meshes/ObjMesh.h"

namespace fg::test {
namespace {

class ObjMeshDraw : public GlTest {
protected:
    QImage draw(ObjMesh& mesh) {
        Camera camera;
        camera.eye = {0, 0, 5};
        camera.target = {0, 0, 0};
        camera.up = {0, 1, 0};
        camera.updateMatrices(60, 60);
        const float white[4] = {1, 1, 1, 1};
        RenderTarget target(60, 60);
        clear(target, 0, 0, 0);
        applyCull(CullMode::None);
        applyBlend(BlendMode::Alpha);
        helper.draw(*s_poly, camera, Mat4::identity(), white, {.pass = 1, .mesh = &mesh});
        return target.readImage();
    }

    ParticleDrawHelper helper;
};

TEST_F(ObjMeshDraw, FaceTokensInACommentAddNoTrianglesAndLeaveThePictureAlone) {
    const std::string model = "v 0 0 0\nv 2 0 0\nv 0 2 0\nf 1 2 3\n";
    std::string commented = "# ";
    for (int i = 0; i < 100000; ++i) commented += "f ";
    commented += "\n" + model;

    const ObjReadResult plainRead = parseObj(model);
    const ObjReadResult commentedRead = parseObj(commented);
    ASSERT_TRUE(plainRead.ok && commentedRead.ok);
    auto plain = ObjMesh::fromModel(plainRead.model);
    auto withComment = ObjMesh::fromModel(commentedRead.model);
    EXPECT_EQ(withComment->faceCount(), 1);

    const QImage expected = draw(*plain);
    EXPECT_TRUE(near(pixelAt(expected, 33, 27), {255, 255, 255, 255}));
    EXPECT_EQ(draw(*withComment), expected);
}

}  // namespace
}  // namespace fg::test
