// The texture-barrier export leaves out barriers between particles whose
// footprints stay apart: every pixel a particle really covers must lie in its
// footprint, whatever its shape, facing, size and the camera.

#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/EditorState.h"
#include "render/EglContext.h"
#include "render/ExportFootprint.h"
#include "render/ParticleDraws.h"
#include "render/RenderTarget.h"
#include "render/Renderer.h"
#include "simulation/Simulation.h"

namespace fg {
namespace {

// A particle or two of a flat shape, somewhere round the origin, seen from a random place.
EditorState oneParticle(std::mt19937& random, Vec3f* eye) {
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    EditorState g;
    g.tree = EffectTree();
    Node& node = g.tree.addChild(g.tree.root());
    node.m_shape.type = pick(0, 1) == 0 ? kShape2D : kShapePlane;
    node.m_shape.dir = pick(kDirFront, kDirRandom);
    node.m_emitter.pos = {static_cast<float>(pick(-30, 30)) / 10.0f, static_cast<float>(pick(-20, 20)) / 10.0f,
                          static_cast<float>(pick(-30, 30)) / 10.0f};
    node.m_timing.num = 1;
    node.m_timing.end = 1;
    node.m_kill.span = 100;
    node.m_scale.max = pick(1, 40);
    node.m_rotate.axis = pick(kAxisX, kAxisZ);
    node.m_rotate.angle = pick(-30, 30);
    node.curve(kCurveOpacity).setPoints({{0, 0}, {100, 0}});
    node.curve(kCurveOpacity).rebuild();
    g.project.width = pick(17, 90);
    g.project.height = pick(17, 90);
    *eye = {static_cast<float>(pick(-8, 8)), static_cast<float>(pick(-4, 8)), static_cast<float>(pick(-14, -6))};
    return g;
}

TEST(ExportFootprintTest, EveryCoveredPixelLiesInsideTheFootprint) {
    std::string error;
    const std::unique_ptr<EglContext> context = EglContext::create(&error);
    ASSERT_TRUE(context) << error;
    RenderError failure;
    const std::unique_ptr<Renderer> renderer = Renderer::create(&failure);
    ASSERT_TRUE(renderer) << failure.message.sourceText();
    renderer->setExportMethod(ExportMethod::CopyAfterEverySubMesh);
    std::mt19937 random(7);
    int drawn = 0;
    for (int effect = 0; effect < 40; ++effect) {
        SCOPED_TRACE(effect);
        Vec3f eye;
        const EditorState g = oneParticle(random, &eye);
        Simulation simulation(g);
        for (int i = 0; i < 3; ++i) simulation.step();
        Camera camera;
        camera.eye = eye;
        camera.updateMatricesForExport(g.project);
        RenderTarget target(g.project.width, g.project.height);
        RenderTarget copy(g.project.width, g.project.height);
        renderer->renderExportImage(simulation, camera, target, copy);
        const QImage picture = target.readImage();

        std::vector<PixelSpan> footprints;
        simulation.particles().forEach([&](Particle& particle) {
            if (const auto draw = particleDraw(simulation, particle, camera, renderer->assets())) {
                footprints.push_back(drawFootprint(draw->mesh->exportSubMeshes(), draw->instance,
                                                   camera.view * camera.projection, target.width(),
                                                   target.height()));
            }
        });
        ASSERT_FALSE(footprints.empty());
        const auto inside = [&](int x, int y) {
            for (const PixelSpan& f : footprints) {
                if (x >= f.x0 && x < f.x1 && y >= f.y0 && y < f.y1) return true;
            }
            return false;
        };
        int covered = 0;
        for (int row = 0; row < picture.height(); ++row) {
            const int y = picture.height() - 1 - row;  // window rows count from the bottom
            for (int x = 0; x < picture.width(); ++x) {
                if (qAlpha(picture.pixel(x, row)) == 0) continue;
                ++covered;
                ASSERT_TRUE(inside(x, y)) << "(" << x << ", " << y << ") outside every footprint";
            }
        }
        drawn += covered > 0;
    }
    EXPECT_GT(drawn, 25);  // a control: most particles are in the picture
}

TEST(ExportFootprintTest, WrittenTilesTellWhatWasDrawnSinceTheLastBarrier) {
    WrittenTiles tiles(100, 60);
    EXPECT_FALSE(tiles.any());
    EXPECT_FALSE(tiles.overlaps({0, 0, 100, 60}));
    tiles.mark({10, 10, 20, 20});
    EXPECT_TRUE(tiles.any());
    EXPECT_TRUE(tiles.overlaps({15, 15, 16, 16}));
    EXPECT_TRUE(tiles.overlaps({0, 0, 100, 60}));
    EXPECT_FALSE(tiles.overlaps({60, 30, 90, 50}));
    EXPECT_FALSE(tiles.overlaps({40, 40, 40, 50}));  // empty
    tiles.clear();
    EXPECT_FALSE(tiles.overlaps({15, 15, 16, 16}));
    tiles.markAll();
    EXPECT_TRUE(tiles.overlaps({99, 59, 100, 60}));
    EXPECT_FALSE(tiles.overlaps({120, 0, 130, 10}));  // outside the target: nothing to read
}

}  // namespace
}  // namespace fg
