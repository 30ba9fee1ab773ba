// A model triangle that faces the viewer in its modelling tool (counter-
// clockwise, right-handed) shows on the same side of the picture after the
// reader mirrors it into left-handed space, and turns the same way as the
// particle square facing the camera: clockwise on screen, which the
// counter-clockwise-front states treat as a back face.

#include <gtest/gtest.h>

#include "GlTestContext.h"
#include "ParticleDrawHelper.h"
#include "render/meshes/ObjMesh.h"

namespace fg::test {
namespace {

class ObjWinding : public GlTest {
protected:
    // Draws the model in white on black, seen by the modelling tool's viewer,
    // who stands on +z looking back at the origin.
    QImage drawFacingTheViewer(ObjMesh& mesh, CullMode cull) {
        Camera camera;
        camera.eye = {0, 0, 5};
        camera.target = {0, 0, 0};
        camera.up = {0, 1, 0};
        camera.updateMatrices(60, 60);
        ParticleDrawHelper helper;
        const float white[4] = {1, 1, 1, 1};
        RenderTarget target(60, 60);
        clear(target, 0, 0, 0);
        applyCull(cull);
        applyBlend(BlendMode::Alpha);
        helper.draw(*s_poly, camera, Mat4::identity(), white, {.pass = 1, .mesh = &mesh});
        return target.readImage();
    }
};

TEST_F(ObjWinding, MirroredModelKeepsItsSideAndTurnsLikeTheSquare) {
    const ObjReadResult read = parseObj("v 0 0 0\nv 2 0 0\nv 0 2 0\nf 1 2 3\n");
    ASSERT_TRUE(read.ok) << read.error;
    auto mesh = ObjMesh::fromModel(read.model);
    ASSERT_EQ(mesh->faceCount(), 1);

    const QImage image = drawFacingTheViewer(*mesh, CullMode::Front);
    // Upper right of the centre, as the modeller saw it.
    EXPECT_TRUE(near(pixelAt(image, 33, 27), {255, 255, 255, 255}));
    EXPECT_TRUE(near(pixelAt(image, 27, 27), {0, 0, 0, 255}));
    EXPECT_TRUE(near(pixelAt(image, 33, 33), {0, 0, 0, 255}));

    EXPECT_TRUE(near(pixelAt(drawFacingTheViewer(*mesh, CullMode::Back), 33, 27), {0, 0, 0, 255}));
}

TEST_F(ObjWinding, QuadFaceDrawsBothHalves) {
    // The square (0, 0)–(2, 2) as one four-cornered face: the halves on both
    // sides of its diagonal from corner 1 to corner 3 show, facing the same way.
    const ObjReadResult read = parseObj("v 0 0 0\nv 2 0 0\nv 2 2 0\nv 0 2 0\nf 1 2 3 4\n");
    ASSERT_TRUE(read.ok) << read.error;
    auto mesh = ObjMesh::fromModel(read.model);
    ASSERT_EQ(mesh->faceCount(), 2);

    const QImage image = drawFacingTheViewer(*mesh, CullMode::Front);
    EXPECT_TRUE(near(pixelAt(image, 35, 28), {255, 255, 255, 255}));  // below the diagonal
    EXPECT_TRUE(near(pixelAt(image, 32, 25), {255, 255, 255, 255}));  // above it
    EXPECT_TRUE(near(pixelAt(image, 27, 27), {0, 0, 0, 255}));        // outside the square
}

}  // namespace
}  // namespace fg::test
