// A colour gradient seen in a real render: the particle at the age of a
// stop is drawn in the stop's colour; at another age it is not.

#include <gtest/gtest.h>

#include "GlTestContext.h"
#include "model/ColourGradient.h"
#include "model/EditorState.h"
#include "render/Renderer.h"
#include "simulation/Simulation.h"

namespace fg::test {
namespace {

class GradientColourTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        RenderError error;
        renderer = Renderer::create(&error);
        ASSERT_TRUE(renderer) << error.caption << ": " << error.message;
        g.project.backColor = {0, 0, 0};
    }

    // The start-up node's single particle, a white square at the origin,
    // with a life of 100 frames and the gradient blue → ember at 40 → green.
    void paintNode() {
        Node& node = *g.pSelNode();
        node.m_kill.span = 100;
        node.m_kill.span_err = 0;
        node.m_shape.type = kShape2D;
        node.m_texture.ID = -1;
        node.m_color.brigRnd = 0;
        node.m_color.alphaRnd = 0;
        ColourGradient gradient(node);
        const int stop = gradient.addStop(40);
        gradient.setColour(0, GradientColour{0, 0, 255, 255});
        gradient.setColour(stop, kEmber);
        gradient.setColour(stop + 1, GradientColour{0, 255, 0, 255});
        for (std::size_t c = 0; c < kGradientCurves.size(); ++c) {
            Graph& curve = node.curve(kGradientCurves[c]);
            curve.setPoints(gradient.points()[c]);
            curve.rebuild();
        }
    }

    // The picture's centre once the node's particle is `age` frames old.
    Rgba8 centreAtAge(Simulation& simulation, std::uint32_t age) {
        for (int step = 0; step < 200 && nodeParticleAge(simulation) != age; ++step) simulation.step();
        EXPECT_EQ(nodeParticleAge(simulation), age);
        camera.updateMatrices(200, 200);
        RenderTarget target(200, 200);
        target.bind();
        PreviewFrame frame;
        frame.overlay = false;
        frame.viewWidth = 200;
        frame.viewHeight = 200;
        frame.project = &g.project;
        renderer->renderFrame(simulation, camera, frame);
        return pixelAt(target.readImage(), 100, 100);
    }

    static std::uint32_t nodeParticleAge(Simulation& simulation) {
        std::uint32_t age = 0;
        simulation.particles().forEach([&](Particle& p) { if (!simulation.nodeOf(p).isRoot) age = p.age; });
        return age;
    }

    static constexpr GradientColour kEmber{230, 120, 40, 255};
    std::unique_ptr<Renderer> renderer;
    EditorState g;
    Camera camera;
};

TEST_F(GradientColourTest, TheParticleAtAStopsAgeHasTheStopsColour) {
    paintNode();
    Simulation simulation(g);
    const Rgba8 atStop = centreAtAge(simulation, 40);
    EXPECT_TRUE(near(atStop, {kEmber.red, kEmber.green, kEmber.blue, 255}, 1));
    // Control: fifteen frames on, the colour is on its way to green.
    const Rgba8 later = centreAtAge(simulation, 55);
    EXPECT_FALSE(near(later, atStop, 20));
    EXPECT_GT(later.g, atStop.g);
    EXPECT_LT(later.r, atStop.r);
}

}  // namespace
}  // namespace fg::test
