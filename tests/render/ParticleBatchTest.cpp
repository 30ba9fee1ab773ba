// The batched particle path against one draw per particle: a mixed preview
// scene (overlapping billboards of several colours and texture cells, both
// blend modes, under-cut, a cylinder and a hemisphere in between, opaque
// and translucent passes) must give the same picture either way.

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "GlTestContext.h"
#include "render/InstanceBuffer.h"
#include "render/ParticleBatch.h"
#include "render/RenderStates.h"
#include "render/Texture.h"
#include "render/camera/Camera.h"
#include "render/meshes/Primitive.h"

namespace fg::test {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

// A 3 × 2 sheet of differently coloured cells, each with a lighter, half
// transparent middle, so texture cell and filtering both show.
QImage cellSheet() {
    QImage sheet(48, 32, QImage::Format_RGBA8888);
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            const int cell = (y / 16) * 3 + x / 16;
            const bool middle = (x % 16) >= 4 && (x % 16) < 12 && (y % 16) >= 4 && (y % 16) < 12;
            const int base = 40 * cell;
            sheet.setPixelColor(x, y, middle ? QColor(255, 220 - base, base, 128)
                                             : QColor(base, 255 - base, 120 + base / 2, 255));
        }
    }
    return sheet;
}

// The texture transform of cell `cell` of a `w` × `h` sheet, as the
// simulation builds it.
Mat4 cellTransform(int cell, int w, int h) {
    return scaling(1.0f / static_cast<float>(w), 1.0f / static_cast<float>(h), 1.0f) *
           translation(static_cast<float>(cell % w) / static_cast<float>(w),
                       static_cast<float>(cell / w) / static_cast<float>(h), 0.0f);
}

class ParticleBatchTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        camera.updateMatrices(kWidth, kHeight);
        sheet = Texture::fromImage(cellSheet());
        ASSERT_TRUE(sheet);
        square = std::make_unique<Poly>();
        cylinder = std::make_unique<Cylinder>();
        hemisphere = std::make_unique<Hemisphere>();
        scene = mixedScene();
    }

    ParticleDraw draw(Primitive* mesh, const Mat4& world, const float colour[4], const Mat4& tex, bool isAdd,
                      bool underCut, Vec3f bottom = {1, 1, 1}, Vec3f top = {1, 1, 1}) const {
        ParticleDraw d;
        d.mesh = mesh;
        d.texture = (isAdd || mesh != square.get()) ? white.id() : sheet->id();
        d.isAdd = isAdd;
        d.underCut = underCut;
        d.instance = makeInstance(world, colour, tex, bottom, top);
        return d;
    }

    // Draw order as collected: runs of alpha and additive billboards that
    // overlap each other, split by a cylinder and a hemisphere; some
    // billboards reach below the ground and cut there.
    std::vector<ParticleDraw> mixedScene() const {
        std::mt19937 random(77);
        std::uniform_real_distribution<float> spread(-2.5f, 2.5f);
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        const Mat4 billboard = camera.billboard();
        std::vector<ParticleDraw> draws;
        const auto billboards = [&](int count, bool isAdd, bool underCut) {
            for (int i = 0; i < count; ++i) {
                const float size = 0.6f + unit(random);
                const Mat4 world = scaling(size, size, size) * billboard * rotationZ(unit(random)) *
                                   translation(spread(random), spread(random) * 0.4f + 0.5f, spread(random));
                const float colour[4] = {unit(random), unit(random), unit(random), 0.3f + 0.7f * unit(random)};
                draws.push_back(draw(square.get(), world, colour, cellTransform(i % 6, 3, 2), isAdd, underCut));
            }
        };
        billboards(12, false, false);
        billboards(8, true, false);
        const float tealish[4] = {0.2f, 0.8f, 0.7f, 0.6f};
        draws.push_back(draw(cylinder.get(), scaling(1.2f, 1.2f, 2.0f) * rotationX(0.7f) * translation(-0.5f, 0.3f, 0.2f),
                             tealish, Mat4::identity(), false, true, {0.6f, 0.6f, 1.0f}, {1.4f, 1.4f, 1.0f}));
        draws.push_back(draw(cylinder.get(), scaling(0.8f, 0.8f, 1.5f) * rotationY(1.1f) * translation(1.0f, 1.0f, 0.0f),
                             tealish, Mat4::identity(), true, false, {1.0f, 1.0f, 1.0f}, {0.3f, 0.3f, 1.0f}));
        billboards(10, false, true);
        const float orange[4] = {1.0f, 0.5f, 0.1f, 0.5f};
        draws.push_back(draw(hemisphere.get(), scaling(2.0f, 2.0f, 2.0f) * rotationX(-1.2f) * translation(0.8f, 0.2f, 0.5f),
                             orange, Mat4::identity(), false, false));
        draws.push_back(draw(hemisphere.get(), scaling(1.5f, 1.5f, 1.5f) * rotationY(2.0f) * translation(-1.0f, 0.9f, -0.5f),
                             orange, Mat4::identity(), false, false));
        billboards(10, true, true);
        billboards(10, false, false);
        return draws;
    }

    // Both passes as the preview draws them; returns the picture and the call count.
    QImage render(bool batched, int* calls) {
        RenderTarget target(kWidth, kHeight);
        clear(target, 0.1f, 0.1f, 0.15f);
        applyCull(CullMode::None);
        MeshDraw shared;
        shared.camera = &camera;
        shared.sampler = sampler.id();
        *calls = 0;
        for (int pass = 0; pass < 2; ++pass) {
            applyDepth(pass == 0 ? DepthUse::PreviewOpaque : DepthUse::PreviewTranslucent);
            shared.pass = pass;
            ParticleBatch batch(*s_poly, instances, shared, batched ? Batching::WorldVertices : Batching::PerParticle);
            for (const ParticleDraw& d : scene) batch.add(d);
            batch.flush();
            *calls += batch.callCount();
        }
        return target.readImage();
    }

    Camera camera;
    std::optional<Texture> sheet;
    Texture white = Texture::white();
    GlSampler sampler = makeLinearClampSampler();
    InstanceBuffer instances;
    std::unique_ptr<Poly> square;
    std::unique_ptr<Cylinder> cylinder;
    std::unique_ptr<Hemisphere> hemisphere;
    std::vector<ParticleDraw> scene;
};

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) ++count;
        }
    }
    return count;
}

int distinctColours(const QImage& image) {
    std::vector<QRgb> seen;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (std::find(seen.begin(), seen.end(), p) == seen.end()) seen.push_back(p);
        }
    }
    return static_cast<int>(seen.size());
}

TEST_F(ParticleBatchTest, BatchedPictureEqualsOneDrawPerParticle) {
    int batchedCalls = 0;
    int singleCalls = 0;
    const QImage batched = render(true, &batchedCalls);
    const QImage single = render(false, &singleCalls);

    EXPECT_EQ(singleCalls, 2 * static_cast<int>(scene.size()));
    // Runs of billboards became single calls.
    EXPECT_LT(batchedCalls, singleCalls / 3);
    // The scene really draws: many different colours, not just the background.
    EXPECT_GT(distinctColours(single), 200);
    EXPECT_EQ(differingPixels(batched, single), 0);
}

// Reversing the order inside a run changes the blended picture, so the
// comparison above would see a batch that reordered particles.
TEST_F(ParticleBatchTest, DrawOrderShowsInThePicture) {
    int calls = 0;
    const QImage forward = render(true, &calls);
    std::reverse(scene.begin(), scene.end());
    const QImage reversed = render(true, &calls);
    EXPECT_GT(differingPixels(forward, reversed), 100);
}

}  // namespace
}  // namespace fg::test
