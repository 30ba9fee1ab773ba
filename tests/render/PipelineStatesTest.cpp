// The blend states, the two preview passes and the under-cut, from pixels.

#include <gtest/gtest.h>

#include "GlTestContext.h"
#include "ParticleDrawHelper.h"

namespace fg::test {
namespace {

class PipelineStates : public GlTest {
protected:
    // A 20×20 target with a (0.2, 0.4, 0.6) background and a flat camera.
    RenderTarget target{20, 20};
    Camera camera = flatCamera(1.0f);
    ParticleDrawHelper helper;

    void SetUp() override {
        GlTest::SetUp();
        clear(target, 0.2f, 0.4f, 0.6f);
        applyCull(CullMode::None);
    }
    Rgba8 centre() const { return pixelAt(target.readImage(), 10, 10); }
};

TEST_F(PipelineStates, NormalBlendMixesByAlpha) {
    applyDepth(DepthUse::PreviewTranslucent);
    const float colour[4] = {1.0f, 0.5f, 0.0f, 0.5f};
    helper.draw(*s_poly, camera, Mat4::identity(), colour, {.pass = 1});
    // 0.5 · source + 0.5 · background; alpha 0.5·0.5 + 1·0.5.
    EXPECT_TRUE(near(centre(), {byteOf(0.6f), byteOf(0.45f), byteOf(0.3f), byteOf(0.75f)}));
}

TEST_F(PipelineStates, AdditiveBlendAddsSourceTimesAlpha) {
    applyDepth(DepthUse::PreviewTranslucent);
    const float colour[4] = {1.0f, 0.5f, 0.0f, 0.5f};
    helper.draw(*s_poly, camera, Mat4::identity(), colour, {.pass = 1, .isAdd = true});
    // 0.5 · source + background; alpha blends as in normal mode.
    EXPECT_TRUE(near(centre(), {byteOf(0.7f), byteOf(0.65f), byteOf(0.6f), byteOf(0.75f)}));
}

TEST_F(PipelineStates, HalfTransparentParticleIsLeftOutOfTheOpaquePass) {
    const float colour[4] = {1.0f, 1.0f, 1.0f, 0.5f};
    applyDepth(DepthUse::PreviewOpaque);
    helper.draw(*s_poly, camera, Mat4::identity(), colour, {.pass = 0});
    EXPECT_TRUE(near(centre(), {byteOf(0.2f), byteOf(0.4f), byteOf(0.6f), 255}));
    applyDepth(DepthUse::PreviewTranslucent);
    helper.draw(*s_poly, camera, Mat4::identity(), colour, {.pass = 1});
    EXPECT_TRUE(near(centre(), {byteOf(0.6f), byteOf(0.7f), byteOf(0.8f), byteOf(0.75f)}));
}

// An opaque particle is drawn by the opaque pass, which writes its depth;
// the translucent pass then fails the less-than test on the same pixels,
// so an additive particle is not added a second time.
TEST_F(PipelineStates, OpaqueParticleIsDrawnOnceAcrossBothPasses) {
    const float colour[4] = {0.5f, 0.25f, 0.0f, 1.0f};
    applyDepth(DepthUse::PreviewOpaque);
    helper.draw(*s_poly, camera, Mat4::identity(), colour, {.pass = 0, .isAdd = true});
    const Rgba8 afterOpaque = centre();
    EXPECT_TRUE(near(afterOpaque, {byteOf(0.7f), byteOf(0.65f), byteOf(0.6f), 255}));
    applyDepth(DepthUse::PreviewTranslucent);
    helper.draw(*s_poly, camera, Mat4::identity(), colour, {.pass = 1, .isAdd = true});
    EXPECT_TRUE(near(centre(), afterOpaque, 0));
}

// Under-cut hides what lies below the ground plane: the square spans
// world y -1..1 and only its upper half stays.
TEST_F(PipelineStates, UnderCutHidesEverythingBelowTheGround) {
    const Camera half = flatCamera(0.5f);
    const float colour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    applyBlend(BlendMode::Alpha);
    for (int pass = 0; pass < 2; ++pass) {
        applyDepth(pass == 0 ? DepthUse::PreviewOpaque : DepthUse::PreviewTranslucent);
        helper.draw(*s_poly, half, scaling(2.0f, 2.0f, 1.0f), colour, {.pass = pass, .underCut = true});
    }
    const QImage image = target.readImage();
    const Rgba8 background{byteOf(0.2f), byteOf(0.4f), byteOf(0.6f), 255};
    EXPECT_TRUE(near(pixelAt(image, 10, 7), {255, 255, 255, 255}));
    EXPECT_TRUE(near(pixelAt(image, 10, 13), background));
    // The hidden half occupies no depth: a later particle behind it still shows.
    applyDepth(DepthUse::PreviewTranslucent);
    const Camera behind = flatCamera(0.5f, 0.0f, 0.9f);
    const float red[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    helper.draw(*s_poly, behind, scaling(2.0f, 2.0f, 1.0f), red, {.pass = 1});
    EXPECT_TRUE(near(pixelAt(target.readImage(), 10, 13), {255, 0, 0, 255}));
    EXPECT_TRUE(near(pixelAt(target.readImage(), 10, 7), {255, 255, 255, 255}));
}

// Without under-cut the same square shows whole.
TEST_F(PipelineStates, WithoutUnderCutTheLowerHalfShows) {
    const Camera half = flatCamera(0.5f);
    const float colour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    applyDepth(DepthUse::PreviewTranslucent);
    helper.draw(*s_poly, half, scaling(2.0f, 2.0f, 1.0f), colour, {.pass = 1});
    EXPECT_TRUE(near(pixelAt(target.readImage(), 10, 13), {255, 255, 255, 255}));
}

TEST(PixelProgramTable, PicksTheEntryByPassExportAndBlend) {
    EXPECT_EQ(selectPixelEntry(0, false, false), PolyPixelEntry::PS_NonAlpha);
    EXPECT_EQ(selectPixelEntry(0, false, true), PolyPixelEntry::PS_NonAlpha);
    EXPECT_EQ(selectPixelEntry(1, false, false), PolyPixelEntry::PS_Alpha);
    EXPECT_EQ(selectPixelEntry(1, false, true), PolyPixelEntry::PS_Alpha);
    EXPECT_EQ(selectPixelEntry(0, true, false), PolyPixelEntry::PS_BackNonAlpha);
    EXPECT_EQ(selectPixelEntry(0, true, true), PolyPixelEntry::PS_BackNonAlphaAdd);
    EXPECT_EQ(selectPixelEntry(1, true, false), PolyPixelEntry::PS_BackAlpha);
    EXPECT_EQ(selectPixelEntry(1, true, true), PolyPixelEntry::PS_BackAlphaAdd);
}

}  // namespace
}  // namespace fg::test
