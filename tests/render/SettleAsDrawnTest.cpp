// Stepping several frames before drawing one: settling each step as its draw
// would gives the picture of a view that drew after every step (the texture
// cells a draw leaves behind, the list order a sorted draw leaves behind).

#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "GlTestContext.h"
#include "model/EditorState.h"
#include "render/ParticleDraws.h"
#include "render/Renderer.h"
#include "render/camera/CameraControl.h"
#include "simulation/Simulation.h"

namespace fg::test {
namespace {

class SettleAsDrawn : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        RenderError error;
        renderer = Renderer::create(&error);
        ASSERT_TRUE(renderer) << error.caption << ": " << error.message;
        // Four cells of one colour each: red, green, blue, yellow.
        QImage sheet(64, 64, QImage::Format_RGBA8888);
        const QColor cells[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) sheet.setPixelColor(x, y, cells[(y / 32) * 2 + x / 32]);
        }
        const std::string path = ::testing::TempDir() + "/settle-cells.png";
        ASSERT_TRUE(sheet.save(QString::fromStdString(path)));
        std::vector<std::string> problems;
        renderer->assets().setMaterials({path}, {}, &problems);
        ASSERT_TRUE(problems.empty());

        // Animated planes scattered in a box, sorted by distance, each
        // emitting billboards whose random spreads depend on the list order.
        g.project.sort = 1;
        Node& planes = *g.pSelNode();
        planes.m_shape.type = kShapePlane;
        planes.m_emitter.size = {4, 4, 1};
        planes.m_timing.end = 60;
        planes.m_timing.num = 2;
        planes.m_scale.max = 8;
        planes.m_texture.ID = 0;
        planes.m_texture.isAnim = 1;
        planes.m_texture.w = 2;
        planes.m_texture.h = 2;
        planes.m_texture.speed = 100;
        planes.m_texture.isLoop = 1;
        Node& sparks = g.tree.addChild(planes);
        sparks.m_emitter.size = {3, 3, 3};
        sparks.m_timing.end = 60;
        sparks.m_scale.max = 3;
        sparks.m_scale.max_err = 50;

        camera = placedCamera(CameraPlacement{{0, 0, 10}, {0, 0, 0}});
        camera.updateMatrices(kSize, kSize);
    }

    // Steps `frames` times, running `afterStep` after each, then draws.
    QImage picture(int frames, const std::function<void(Simulation&)>& afterStep) {
        Simulation simulation(g);
        for (int i = 0; i < frames; ++i) {
            simulation.step();
            afterStep(simulation);
        }
        return draw(simulation);
    }

    QImage draw(Simulation& simulation) {
        RenderTarget target(kSize, kSize);
        target.bind();
        PreviewFrame frame;
        frame.viewWidth = kSize;
        frame.viewHeight = kSize;
        frame.project = &g.project;
        frame.overlay = false;
        renderer->renderFrame(simulation, camera, frame);
        return target.readImage();
    }

    static constexpr int kSize = 96;
    std::unique_ptr<Renderer> renderer;
    EditorState g;
    Camera camera;
};

TEST_F(SettleAsDrawn, GivesThePictureOfAViewThatDrewEveryStep) {
    constexpr int kFrames = 7;
    const QImage drawn = picture(kFrames, [&](Simulation& simulation) { draw(simulation); });
    const QImage settled =
        picture(kFrames, [&](Simulation& simulation) { settleAsDrawn(simulation, camera.eye, renderer->assets()); });
    const QImage undrawn = picture(kFrames, [](Simulation&) {});
    EXPECT_EQ(settled, drawn);
    // Without it the cells and the order differ: the case is worth testing.
    EXPECT_NE(undrawn, drawn);
}

TEST_F(SettleAsDrawn, FrontFacingPlaneShowsItsCurrentCell) {
    // One plane at the origin, seen from behind: it faces the camera's way
    // of winding and is drawn, opaque, in the first culling pass.
    Node& plane = *g.pSelNode();
    plane.deleteAllChildren();
    plane.m_emitter.size = {0, 0, 0};
    plane.m_timing.end = 1;
    plane.m_timing.num = 1;
    plane.m_scale.max = 40;
    const Rgba8 cells[4] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 0, 255}};
    for (int frames = 1; frames <= 5; ++frames) {
        // The particle is one frame old after the first step; its cell is (age - 1) mod 4.
        const QImage image = picture(
            frames, [&](Simulation& simulation) { settleAsDrawn(simulation, camera.eye, renderer->assets()); });
        EXPECT_TRUE(near(pixelAt(image, kSize / 2, kSize / 2), cells[(frames - 1) % 4], 0)) << frames;
    }
}

}  // namespace
}  // namespace fg::test
