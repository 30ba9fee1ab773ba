// Every faster export method (framebuffer fetch, texture barriers, and the
// best the context has) gives the bytes of the written method (a copy of the
// whole target after every sub-mesh) for every effect: the bundled samples,
// every shape, blend, pass and order, and a few dozen generated effects.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "RendererTest.h"
#include "model/EditorState.h"
#include "persistence/MaterialFiles.h"
#include "persistence/OpenProject.h"
#include "persistence/Workspace.h"
#include "render/EglContext.h"
#include "render/Renderer.h"
#include "simulation/Simulation.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

class ExportMethodTest : public test::RendererTest<::testing::TestWithParam<ExportMethod>> {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        if (HasFatalFailure()) return;
        if (!s_renderer->supportsExportMethod(GetParam())) GTEST_SKIP() << "this GL context cannot run the method";
        s_renderer->setExportMethod(GetParam());
        if (s_renderer->effectiveExportMethod() == ExportMethod::CopyAfterEverySubMesh) {
            GTEST_SKIP() << "this GL context has no method faster than the copies";
        }
        s_renderer->setExportMethod(ExportMethod::Fast);
    }

    struct Run {
        std::vector<QImage> images;
        int copies = 0;  // over all images
        int barriers = 0;
        ExportMethod drawnWith = ExportMethod::Fast;
    };

    // `count` images, `step` frames apart from frame `start`, as the export
    // renders them at `smooth` times the project's size.
    static Run exportWith(ExportMethod method, const EditorState& g, int start, int step, int count, int smooth,
                          Vec3f eye, Vec3f target) {
        Run run;
        s_renderer->setExportMethod(method);
        run.drawnWith = s_renderer->effectiveExportMethod();
        Simulation simulation(g);
        Camera camera;
        camera.eye = eye;
        camera.target = target;
        ProjectSettings size = g.project;
        size.width *= smooth;
        size.height *= smooth;
        camera.updateMatricesForExport(size);
        RenderTarget image(size.width, size.height);
        RenderTarget copy(size.width, size.height);
        while (simulation.frame() <= static_cast<std::uint32_t>(start)) simulation.step();
        for (int i = 0; i < count; ++i) {
            s_renderer->renderExportImage(simulation, camera, image, copy);
            run.images.push_back(image.readImage());
            run.copies += s_renderer->exportCopies();
            run.barriers += s_renderer->exportBarriers();
            for (int s = 0; s < step; ++s) simulation.step();
        }
        s_renderer->setExportMethod(ExportMethod::Fast);
        return run;
    }

    // The written method and the tested one on the same effect: every byte
    // of every image agrees.
    ::testing::AssertionResult sameBytes(const EditorState& g, int start, int step, int count, int smooth, Vec3f eye,
                                         Vec3f target, Run* fastRun = nullptr) const {
        const Run written = exportWith(ExportMethod::CopyAfterEverySubMesh, g, start, step, count, smooth, eye, target);
        const Run fast = exportWith(GetParam(), g, start, step, count, smooth, eye, target);
        // A supported method is never swapped for the copies; Fast takes a faster one where there is one.
        if (fast.drawnWith == ExportMethod::CopyAfterEverySubMesh) {
            return ::testing::AssertionFailure() << "drawn with the copies instead";
        }
        if (GetParam() != ExportMethod::Fast && fast.drawnWith != GetParam()) {
            return ::testing::AssertionFailure() << "drawn with another method";
        }
        for (std::size_t i = 0; i < written.images.size(); ++i) {
            const QImage& a = written.images[i];
            const QImage& b = fast.images[i];
            if (a.size() != b.size()) return ::testing::AssertionFailure() << "image " << i << " size differs";
            for (int y = 0; y < a.height(); ++y) {
                for (int x = 0; x < a.width(); ++x) {
                    if (a.pixel(x, y) != b.pixel(x, y)) {
                        return ::testing::AssertionFailure()
                               << "image " << i << " differs first at (" << x << ", " << y << "): " << std::hex
                               << a.pixel(x, y) << " written, " << b.pixel(x, y) << " fast";
                    }
                }
            }
        }
        if (fastRun != nullptr) *fastRun = fast;
        return ::testing::AssertionSuccess();
    }

    static int coveredPixels(const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) != 0;
        }
        return count;
    }
};

// Overlapping particles of one node with the given look, spread round the
// origin so that most of them cover one another.
EditorState oneNodeEffect(int shape, bool additive, bool translucent, int count) {
    EditorState g;
    g.tree = EffectTree();
    Node& node = g.tree.addChild(g.tree.root());
    node.m_emitter.size = {3.0f, 2.0f, 3.0f};
    node.m_timing.num = count;
    node.m_timing.end = 30;
    node.m_kill.span = 40;
    node.m_move.speed = 3;
    node.m_move.speed_err = 100;
    node.m_move.gravity = 2;
    node.m_shape.type = shape;
    node.m_shape.dir = kDirRandom;
    node.m_texture.isAdd = additive ? 1 : 0;
    node.m_scale.max = 15;
    node.m_scale.max_err = 50;
    node.m_rotate.angle = 7;
    node.curve(kCurveOpacity).setPoints(translucent ? GraphPoints{{0, 20}, {100, 70}} : GraphPoints{{0, 0}, {100, 0}});
    node.curve(kCurveOpacity).rebuild();
    node.curve(kCurveRed).setPoints({{0, 0}, {100, 60}});
    node.curve(kCurveRed).rebuild();
    g.project.width = 48;
    g.project.height = 40;
    g.project.backColor = {30, 60, 90};
    return g;
}

const Vec3f kEye{0.0f, 4.0f, -9.0f};
const Vec3f kTarget{0.0f, 0.5f, 0.0f};

TEST_P(ExportMethodTest, EveryShapeBlendAndPassGivesTheWrittenBytes) {
    for (const int shape : {kShape2D, kShapePlane, kShapeHemisphere, kShapeCylinder, kShapeTrail}) {
        for (const bool additive : {false, true}) {
            for (const bool translucent : {false, true}) {
                const EditorState g = oneNodeEffect(shape, additive, translucent, 3);
                Run fast;
                EXPECT_TRUE(sameBytes(g, 8, 5, 3, 1, kEye, kTarget, &fast))
                    << "shape " << shape << (additive ? " additive" : " normal")
                    << (translucent ? " translucent" : " opaque");
                // A control: the effect is really drawn.
                EXPECT_GT(coveredPixels(fast.images.back()), 50) << "shape " << shape;
            }
        }
    }
}

TEST_P(ExportMethodTest, OrderUnderCutAndSmoothingGiveTheWrittenBytes) {
    EditorState g = oneNodeEffect(kShapeHemisphere, false, true, 4);
    g.tree.root().childAt(0)->m_shape.isUnderCut = 1;
    g.tree.root().childAt(0)->m_move.gravity = 6;  // falls through the ground
    for (const int smooth : {1, 3}) {
        for (const int reverse : {0, 1}) {
            for (const int sort : {0, 1}) {
                g.project.reverse = reverse;
                g.project.sort = sort;
                EXPECT_TRUE(sameBytes(g, 10, 7, 2, smooth, kEye, kTarget))
                    << "smooth " << smooth << " reverse " << reverse << " sort " << sort;
            }
        }
    }
}

// The copy is cleared at the start of each culling pass, so the first draw
// of the front-face pass reads nothing under it, not the back-face pass's
// picture: an opaque additive plane facing away, drawn first, over planes
// facing the camera. (Opaque normal and translucent first draws give the
// same picture either way.)
TEST_P(ExportMethodTest, TheFirstDrawOfTheSecondCullingPassReadsTheClearedCopy) {
    EditorState g;
    g.tree = EffectTree();
    for (const int dir : {kDirBack, kDirFront}) {
        Node& node = g.tree.addChild(g.tree.root());
        node.m_shape.type = kShapePlane;
        node.m_shape.dir = dir;
        node.m_scale.max = 40;
        node.m_timing.num = 2;
        node.m_texture.isAdd = 1;
        for (const int curve : {kCurveRed, kCurveGreen, kCurveBlue}) {  // dark, so that sums do not saturate
            node.curve(curve).setPoints({{0, 80}, {100, 80}});
            node.curve(curve).rebuild();
        }
    }
    g.project.width = 32;
    g.project.height = 32;
    for (const int reverse : {0, 1}) {
        g.project.reverse = reverse;
        for (const Vec3f eye : {Vec3f{0.0f, 0.0f, -6.0f}, Vec3f{0.0f, 0.0f, 6.0f}}) {
            Run fast;
            EXPECT_TRUE(sameBytes(g, 2, 1, 1, 1, eye, {0.0f, 0.0f, 0.0f}, &fast))
                << "eye z " << eye.z << " reverse " << reverse;
            EXPECT_GT(coveredPixels(fast.images[0]), 200);
        }
    }
}

// A trail that winds round crosses itself; each of its segments still
// reads what the segments before it left.
TEST_P(ExportMethodTest, ATrailCrossingItselfGivesTheWrittenBytes) {
    EditorState g;
    g.tree = EffectTree();
    Node& node = g.tree.addChild(g.tree.root());
    node.m_shape.type = kShapeTrail;
    node.m_emitter.pos = {2.0f, 0.0f, 0.0f};
    node.m_timing.num = 1;
    node.m_kill.span = 100;
    node.m_move.speed = 2;
    node.m_move.dirX = 0.0f;  // straight up, while it circles the parent
    node.m_rotate.revAxis = kRevAxisY;
    node.m_rotate.revAngle = 1440;  // four turns over its life
    node.curve(kCurveRevolutionAngle).setPoints({{0, 100}, {100, 0}});
    node.curve(kCurveRevolutionAngle).rebuild();
    node.m_scale.max = 30;
    node.m_scale.trailLength = 40;
    node.curve(kCurveOpacity).setPoints({{0, 50}, {100, 50}});
    node.curve(kCurveOpacity).rebuild();
    g.project.width = 40;
    g.project.height = 40;
    Run fast;
    EXPECT_TRUE(sameBytes(g, 20, 5, 3, 1, {0.0f, 14.0f, -3.0f}, {0.0f, 0.0f, 0.0f}, &fast));
    EXPECT_GT(coveredPixels(fast.images[2]), 100);
}

// Particles far apart take the same path as overlapping ones; the fast
// method copies at most a couple of times per image where the written one
// copies after every sub-mesh.
TEST_P(ExportMethodTest, SeparateParticlesAndTheCopiesSaved) {
    EditorState g = oneNodeEffect(kShape2D, false, true, 6);
    g.tree.root().childAt(0)->m_emitter.size = {60.0f, 1.0f, 60.0f};
    g.tree.root().childAt(0)->m_scale.max = 4;
    Run fast;
    ASSERT_TRUE(sameBytes(g, 5, 1, 2, 2, {0.0f, 40.0f, -1.0f}, {0.0f, 0.0f, 0.0f}, &fast));
    const Run written =
        exportWith(ExportMethod::CopyAfterEverySubMesh, g, 5, 1, 2, 2, {0.0f, 40.0f, -1.0f}, {0.0f, 0.0f, 0.0f});
    EXPECT_GT(written.copies, 100);
    EXPECT_LE(fast.copies, 2 * 2);
    // Particles apart share barriers: only the first of each pass waits for one.
    EXPECT_LE(fast.barriers, written.copies / 4) << written.copies << " copies";
}

// Ten thousand overlapping translucent billboards, one exported image.
TEST_P(ExportMethodTest, TenThousandParticlesGiveTheWrittenBytes) {
    EditorState g;
    g.tree = EffectTree();
    Node& node = g.tree.addChild(g.tree.root());
    node.m_emitter.size = {4.0f, 4.0f, 4.0f};
    node.m_timing.num = 10000;
    node.m_kill.span = 1000;
    node.m_scale.max = 3;
    node.curve(kCurveOpacity).setPoints({{0, 50}, {100, 50}});
    node.curve(kCurveOpacity).rebuild();
    g.project.width = 128;
    g.project.height = 128;
    Run fast;
    EXPECT_TRUE(sameBytes(g, 2, 1, 1, 2, {0.0f, 3.0f, -10.0f}, {0.0f, 0.0f, 0.0f}, &fast));
    EXPECT_GT(coveredPixels(fast.images[0]), 5000);
}

const char* sampleFiles[] = {"fire.nbx", "sparkle.nbx", "magic_circle.nbx"};

TEST_P(ExportMethodTest, TheBundledSamplesGiveTheWrittenBytes) {
    const char* source = std::getenv("FULGRANE3D_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    for (const char* file : sampleFiles) {
        std::string error;
        std::optional<ScopedWorkspace> workspace = ScopedWorkspace::createForTool(&error);
        ASSERT_TRUE(workspace) << error;
        EditorState g;
        g.workDir = workspace->path().string();
        const OpenProjectResult opened =
            openProjectForTool(g, (fs::path(source) / "resources" / "samples" / file).string());
        ASSERT_TRUE(opened.ok) << opened.message;
        const MaterialPaths materials = materialPaths(g.workDir);
        std::vector<std::string> problems;
        s_renderer->assets().setMaterials(materials.images, materials.models, &problems);
        ASSERT_TRUE(problems.empty()) << problems.front();
        Run fast;
        EXPECT_TRUE(sameBytes(g, 1, 6, 8, g.write.smooth, g.camera.eye, g.camera.target, &fast)) << file;
        EXPECT_GT(coveredPixels(fast.images[2]), 100) << file;
        s_renderer->assets().setMaterials({}, {}, &problems);
    }
}

// Generated effects: one to three nodes, children under parents, every
// shape and look, cylinders with rings of either sign, random cameras.
EditorState generatedEffect(std::uint32_t seed, int* smooth, Vec3f* eye) {
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    EditorState g;
    g.tree = EffectTree();
    const int nodes = pick(1, 3);
    for (int n = 0; n < nodes; ++n) {
        Node& parent = (n > 0 && pick(0, 1) == 1) ? *g.tree.root().childAt(0) : g.tree.root();
        Node& node = g.tree.addChild(parent);
        node.m_emitter.type = pick(0, 2);
        node.m_emitter.size = {static_cast<float>(pick(0, 40)) / 10.0f, static_cast<float>(pick(0, 40)) / 10.0f,
                               static_cast<float>(pick(0, 40)) / 10.0f};
        node.m_timing.num = pick(1, 4);
        node.m_timing.often = pick(1, 3);
        node.m_timing.end = pick(5, 40);
        node.m_kill.span = pick(10, 50);
        node.m_move.speed = pick(0, 6);
        node.m_move.speed_err = pick(0, 100);
        node.m_move.dirY = static_cast<float>(pick(0, 359));
        node.m_move.dirX = static_cast<float>(pick(0, 180));
        node.m_move.gravity = pick(-3, 5);
        node.m_shape.type = pick(kShape2D, kShapeTrail);
        node.m_shape.dir = pick(kDirFront, kDirRandom);
        node.m_shape.isDir = pick(0, 1);
        node.m_shape.isUnderCut = pick(0, 1);
        node.m_texture.isAdd = pick(0, 1);
        node.m_scale.max = pick(-20, 30);
        node.m_scale.max_err = pick(0, 80);
        node.m_scale.trailLength = pick(2, 12);
        node.m_scale.trailThickChange = pick(0, 1);
        node.m_rotate.axis = pick(kAxisX, kAxisZ);
        node.m_rotate.angle = pick(-15, 15);
        node.m_rotate.revAngle = pick(-5, 5);
        for (const int curve : {kCurveWidth, kCurveHeight, kCurveDepth, kCurveOpacity, kCurveRed, kCurveSize}) {
            const bool opaque = curve == kCurveOpacity && pick(0, 2) == 0;
            node.curve(curve).setPoints({{0, opaque ? 0.0f : static_cast<float>(pick(0, 90))},
                                         {static_cast<float>(pick(20, 80)), static_cast<float>(pick(0, 100))},
                                         {100, opaque ? 0.0f : static_cast<float>(pick(0, 100))}});
            node.curve(curve).rebuild();
        }
    }
    g.project.width = pick(24, 56);
    g.project.height = pick(24, 56);
    g.project.reverse = pick(0, 1);
    g.project.sort = pick(0, 1);
    g.project.randomSeed = pick(0, 1000);
    *smooth = pick(1, 3);
    *eye = {static_cast<float>(pick(-8, 8)), static_cast<float>(pick(-2, 8)), static_cast<float>(pick(-12, -3))};
    return g;
}

TEST_P(ExportMethodTest, GeneratedEffectsGiveTheWrittenBytes) {
    int drawn = 0;
    for (std::uint32_t seed = 1; seed <= 36; ++seed) {
        int smooth = 1;
        Vec3f eye;
        const EditorState g = generatedEffect(seed, &smooth, &eye);
        Run fast;
        EXPECT_TRUE(sameBytes(g, 6, 9, 3, smooth, eye, kTarget, &fast)) << "seed " << seed;
        drawn += coveredPixels(fast.images[1]) > 20;
    }
    // A control: most generated effects put something on the picture.
    EXPECT_GT(drawn, 18);
}

INSTANTIATE_TEST_SUITE_P(EachMethod, ExportMethodTest,
                         ::testing::Values(ExportMethod::FramebufferFetch, ExportMethod::TextureBarrier,
                                           ExportMethod::Fast),
                         [](const ::testing::TestParamInfo<ExportMethod>& method) -> std::string {
                             switch (method.param) {
                             case ExportMethod::FramebufferFetch: return "FramebufferFetch";
                             case ExportMethod::TextureBarrier: return "TextureBarrier";
                             case ExportMethod::Fast: return "Fast";
                             case ExportMethod::CopyAfterEverySubMesh: break;
                             }
                             return "Copies";
                         });

}  // namespace
}  // namespace fg
