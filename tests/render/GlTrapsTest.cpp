// Pixel proofs that the Direct3D conventions the renderer is written in
// survive on GL: row-vector matrices, clip depth 0..1 with depth clipping
// off, top-left texture and picture origin, counter-clockwise front faces.

#include <gtest/gtest.h>

#include <cmath>

#include "GlTestContext.h"
#include "ParticleDrawHelper.h"
#include "render/Sprite.h"
#include "render/camera/Camera.h"

namespace fg::test {
namespace {

constexpr Rgba8 kBackground{0, 0, 0, 255};
constexpr Rgba8 kWhite{255, 255, 255, 255};
const float kOpaqueWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};

class GlTraps : public GlTest {
protected:
    ParticleDrawHelper helper;
};

TEST_F(GlTraps, ClearColourIsThePictureBackground) {
    RenderTarget target(16, 8);
    clear(target, 0.2f, 0.4f, 0.6f);
    const QImage image = target.readImage();
    EXPECT_EQ(image.width(), 16);
    EXPECT_EQ(image.height(), 8);
    EXPECT_TRUE(near(pixelAt(image, 0, 0), {byteOf(0.2f), byteOf(0.4f), byteOf(0.6f), 255}, 1));
    EXPECT_TRUE(near(pixelAt(image, 15, 7), {byteOf(0.2f), byteOf(0.4f), byteOf(0.6f), 255}, 1));
}

// scaling × translation applies the scaling first only with row vectors:
// the square becomes 2 wide and is then moved to x = 3 (covering 2..4).
// Column-vector use would scale the translation too and put it elsewhere.
TEST_F(GlTraps, MatricesMultiplyRowVectorsScaleThenMove) {
    RenderTarget target(100, 100);
    clear(target, 0, 0, 0);
    applyCull(CullMode::None);
    applyDepth(DepthUse::PreviewTranslucent);
    const Camera camera = flatCamera(0.1f);
    helper.draw(*s_poly, camera, scaling(2.0f, 1.0f, 1.0f) * translation(3.0f, 0.0f, 0.0f), kOpaqueWhite, {});
    const QImage image = target.readImage();
    // x 2..4 → clip 0.2..0.4 → pixels 60..70; y -0.5..0.5 → pixels 47.5..52.5.
    EXPECT_TRUE(near(pixelAt(image, 61, 50), kWhite));
    EXPECT_TRUE(near(pixelAt(image, 69, 50), kWhite));
    EXPECT_TRUE(near(pixelAt(image, 58, 50), kBackground));
    EXPECT_TRUE(near(pixelAt(image, 72, 50), kBackground));
    EXPECT_TRUE(near(pixelAt(image, 65, 45), kBackground));
    EXPECT_TRUE(near(pixelAt(image, 65, 55), kBackground));
}

// A clip depth of 0.3 (of w) is window depth 0.3 as in Direct3D; GL's own
// mapping would make it 0.65 and hide it behind a depth of 0.5.
TEST_F(GlTraps, ClipDepthZeroToOneKeepsItsWindowDepth) {
    RenderTarget target(20, 20);
    applyCull(CullMode::None);
    applyBlend(BlendMode::Alpha);
    applyDepth(DepthUse::PreviewTranslucent);

    clear(target, 0, 0, 0, 1, 0.5f);
    helper.draw(*s_poly, flatCamera(1.0f, 0.0f, 0.3f), Mat4::identity(), kOpaqueWhite, {});
    EXPECT_TRUE(near(pixelAt(target.readImage(), 10, 10), kWhite)) << "depth 0.3 must pass against 0.5";

    clear(target, 0, 0, 0, 1, 0.5f);
    helper.draw(*s_poly, flatCamera(1.0f, 0.0f, 0.7f), Mat4::identity(), kOpaqueWhite, {});
    EXPECT_TRUE(near(pixelAt(target.readImage(), 10, 10), kBackground)) << "depth 0.7 must fail against 0.5";
}

// Depth clipping is off: geometry in front of the near plane (clip z < 0)
// is drawn with its depth clamped to 0 instead of being cut away.
TEST_F(GlTraps, NothingIsClippedInFrontOfTheNearPlane) {
    RenderTarget target(20, 20);
    clear(target, 0, 0, 0);
    applyCull(CullMode::None);
    applyBlend(BlendMode::Alpha);
    applyDepth(DepthUse::PreviewOpaque);
    helper.draw(*s_poly, flatCamera(1.0f, 0.0f, -0.5f), Mat4::identity(), kOpaqueWhite, {.pass = 0});
    EXPECT_TRUE(near(pixelAt(target.readImage(), 10, 10), kWhite));
}

// Texture (0, 0) is the picture's top-left corner, and the read-back
// picture has its top row first: a sprite covering the target shows the
// texture upright.
TEST_F(GlTraps, SpriteShowsItsPictureUpright) {
    QImage picture(2, 2, QImage::Format_RGBA8888);
    picture.setPixelColor(0, 0, QColor(255, 0, 0));
    picture.setPixelColor(1, 0, QColor(0, 255, 0));
    picture.setPixelColor(0, 1, QColor(0, 0, 255));
    picture.setPixelColor(1, 1, QColor(255, 255, 0));
    const QString path = QString::fromStdString(::testing::TempDir()) + "/quadrants.png";
    ASSERT_TRUE(picture.save(path));

    RenderTarget target(40, 40);
    clear(target, 0, 0, 0);
    applyCull(CullMode::None);
    applyBlend(BlendMode::Alpha);
    applyDepth(DepthUse::Overlay);
    Sprite sprite(*s_sprite);
    ASSERT_TRUE(sprite.load(path, nullptr));
    sprite.draw(40, 40, {0, 0, 40, 40}, {0, 0, 2, 2});
    const QImage image = target.readImage();
    EXPECT_TRUE(near(pixelAt(image, 3, 3), {255, 0, 0, 255}));
    EXPECT_TRUE(near(pixelAt(image, 36, 3), {0, 255, 0, 255}));
    EXPECT_TRUE(near(pixelAt(image, 3, 36), {0, 0, 255, 255}));
    EXPECT_TRUE(near(pixelAt(image, 36, 36), {255, 255, 0, 255}));
}

// Sprite destinations are measured from the top-left corner of the view.
TEST_F(GlTraps, SpriteRectangleCountsFromTheTopLeft) {
    RenderTarget target(40, 20);
    clear(target, 0, 0, 0);
    applyCull(CullMode::None);
    applyBlend(BlendMode::Alpha);
    applyDepth(DepthUse::Overlay);
    Sprite sprite(*s_sprite);
    ASSERT_TRUE(sprite.load(":/fulgrane3d/pictures/white.png", nullptr));
    sprite.draw(40, 20, {30, 2, 8, 4}, {0, 0, 8, 8});
    const QImage image = target.readImage();
    EXPECT_TRUE(near(pixelAt(image, 31, 3), kWhite));
    EXPECT_TRUE(near(pixelAt(image, 37, 5), kWhite));
    EXPECT_TRUE(near(pixelAt(image, 29, 3), kBackground));
    EXPECT_TRUE(near(pixelAt(image, 31, 7), kBackground));
    EXPECT_TRUE(near(pixelAt(image, 31, 1), kBackground));
}

// A mesh's texture coordinate (0, 0) sits at its top-left vertex.
TEST_F(GlTraps, MeshTextureTopLeftIsPictureTopLeft) {
    QImage picture(2, 2, QImage::Format_RGBA8888);
    picture.fill(QColor(0, 0, 255));
    picture.setPixelColor(0, 0, QColor(255, 0, 0));
    const auto texture = Texture::fromImage(picture);
    ASSERT_TRUE(texture);
    RenderTarget target(40, 40);
    clear(target, 0, 0, 0);
    applyCull(CullMode::None);
    applyBlend(BlendMode::Alpha);
    applyDepth(DepthUse::PreviewTranslucent);
    helper.draw(*s_poly, flatCamera(2.0f), Mat4::identity(), kOpaqueWhite, {.texture = texture->id()});
    const QImage image = target.readImage();
    EXPECT_TRUE(near(pixelAt(image, 2, 2), {255, 0, 0, 255}));
    EXPECT_TRUE(near(pixelAt(image, 37, 37), {0, 0, 255, 255}));
}

// The square's strip runs clockwise as seen by the default camera (looking
// along +z): with counter-clockwise front faces it is a back face, so
// culling back faces hides it and culling front faces shows it.
TEST_F(GlTraps, SquareFacingTheCameraIsABackFace) {
    Camera camera;
    camera.eye = {0, 0, -5};
    camera.target = {0, 0, 0};
    camera.up = {0, 1, 0};
    camera.updateMatrices(40, 40);
    RenderTarget target(40, 40);
    applyBlend(BlendMode::Alpha);
    applyDepth(DepthUse::PreviewTranslucent);

    clear(target, 0, 0, 0);
    applyCull(CullMode::Back);
    helper.draw(*s_poly, camera, Mat4::identity(), kOpaqueWhite, {});
    EXPECT_TRUE(near(pixelAt(target.readImage(), 20, 20), kBackground));

    clear(target, 0, 0, 0);
    applyCull(CullMode::Front);
    helper.draw(*s_poly, camera, Mat4::identity(), kOpaqueWhite, {});
    EXPECT_TRUE(near(pixelAt(target.readImage(), 20, 20), kWhite));
}

}  // namespace
}  // namespace fg::test
