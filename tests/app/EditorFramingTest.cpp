// Framing the effect and putting the camera back, without widgets: after a
// fit every drawn particle of every frame of the pass the preview plays
// lies inside the view, the camera still looks the same way, and a reset
// returns to the placement the project was opened, created or saved with.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "ChangeSpies.h"
#include "EditorTestSupport.h"
#include "render/camera/Camera.h"
#include "simulation/EffectBounds.h"

namespace fg {
namespace {

using test::ScratchHome;

struct ViewSize {
    int width;
    int height;
};

Vec3f lookDirection(const CameraPlacement& camera) { return normalize(camera.target - camera.eye); }

// The drawn particles over the pass whose position falls outside the clip
// volume of the view's camera at `size` (Direct3D depth: 0 ≤ z ≤ w), and
// how many were looked at.
struct ClipCount {
    int outside = 0;
    int looked = 0;
};

ClipCount countOutsideView(const Editor& editor, ViewSize size) {
    Camera camera;
    camera.eye = editor.state().camera.eye;
    camera.target = editor.state().camera.target;
    camera.updateMatrices(size.width, size.height);
    const Mat4 m = camera.view * camera.projection;
    EffectPass pass;
    pass.loop = editor.playback().loopPreview();
    pass.particleLimit = editor.simulation().particleLimit();
    ClipCount count;
    walkEffectPass(editor.state(), pass, [&](const Simulation& simulation) {
        simulation.particles().forEach([&](const Particle& particle) {
            if (!drawsParticle(simulation, particle)) return;
            const Vec3f p = particle.position;
            float clip[4];
            for (int j = 0; j < 4; ++j) clip[j] = p.x * m.m[0][j] + p.y * m.m[1][j] + p.z * m.m[2][j] + m.m[3][j];
            const float w = clip[3];
            const bool inside = w > 0.0f && std::fabs(clip[0]) <= w && std::fabs(clip[1]) <= w && clip[2] >= 0.0f &&
                                clip[2] <= w;
            ++count.looked;
            if (!inside) ++count.outside;
        });
    });
    return count;
}

void expectFramed(Editor& editor, ViewSize size, const char* what) {
    SCOPED_TRACE(what);
    const Vec3f direction = lookDirection(editor.state().camera);
    test::PartSpy placed(editor, DocumentPart::Camera);
    editor.setModified(false);
    editor.viewSettings().frameEffect(static_cast<double>(size.width) / static_cast<double>(size.height));
    EXPECT_EQ(placed.count(), 1);
    EXPECT_TRUE(editor.isModified());
    const Vec3f after = lookDirection(editor.state().camera);
    EXPECT_NEAR(after.x, direction.x, 1e-4f);
    EXPECT_NEAR(after.y, direction.y, 1e-4f);
    EXPECT_NEAR(after.z, direction.z, 1e-4f);
    const ClipCount count = countOutsideView(editor, size);
    EXPECT_GT(count.looked, 100);
    EXPECT_EQ(count.outside, 0);
}

std::string fireSample() { return std::string(std::getenv("FULGRANE3D_SOURCE_DIR")) + "/resources/samples/fire.nbx"; }

TEST(EditorFraming, EveryParticleOfTheSampleIsInsideTheViewAfterFraming) {
    ScratchHome home;
    auto editor = test::makeEditor(nullptr);
    ASSERT_TRUE(editor->document().openInPlace(fireSample()));
    // Seen from aside and from far away, in a wide and in a tall view.
    editor->viewSettings().setCameraPlacement(Vec3f{40.0f, 3.0f, 1.0f}, Vec3f{0.0f, 2.0f, 0.0f});
    expectFramed(*editor, {1280, 720}, "wide view");
    expectFramed(*editor, {300, 900}, "tall view");
    editor->playback().setLoopPreview(true);
    expectFramed(*editor, {640, 480}, "loop preview");
}

TEST(EditorFraming, AWideEffectOutsideTheViewIsBroughtIntoIt) {
    ScratchHome home;
    auto editor = test::makeEditor(nullptr);
    editor->changeDocument({}, [](EditorState& g) {
        g.project.frame = 60;
        Node& node = *g.tree.selected();
        node.m_emitter.pos = Vec3f{25.0f, 4.0f, 12.0f};
        node.m_move.isOneWay = 0;
        node.m_move.speed = 50;  // a unit a frame
        node.m_kill.span = 60;
        node.m_timing.num = 8;
    });
    const ClipCount before = countOutsideView(*editor, {800, 600});
    ASSERT_GT(before.outside, 0);
    expectFramed(*editor, {800, 600}, "generated effect");
}

// Only what the view draws is framed: a hidden node's particles far away
// do not pull the camera off the shown ones.
TEST(EditorFraming, AHiddenNodeIsLeftOut) {
    ScratchHome home;
    auto editor = test::makeEditor(nullptr);
    ASSERT_TRUE(editor->addBelow().done());
    const std::int32_t far = editor->state().tree.selected()->m_ID;
    editor->changeDocument({}, [](EditorState& g) { g.tree.selected()->m_emitter.pos = Vec3f{400.0f, 0.0f, 0.0f}; });
    editor->viewSettings().frameEffect(1.0);
    EXPECT_GT(editor->state().camera.target.x, 100.0f);  // control: shown, it is framed
    editor->toggleVisible(far);
    editor->viewSettings().frameEffect(1.0);
    EXPECT_LT(std::fabs(editor->state().camera.target.x), 5.0f);
}

TEST(EditorFraming, AnEffectThatDrawsNothingLeavesTheCameraAlone) {
    ScratchHome home;
    auto editor = test::makeEditor(nullptr);
    editor->changeDocument({}, [](EditorState& g) { g.tree.selected()->m_isDraw = 0; });
    editor->setModified(false);
    const CameraPlacement camera = editor->state().camera;
    test::PartSpy placed(*editor, DocumentPart::Camera);
    editor->viewSettings().frameEffect(1.5);
    EXPECT_EQ(placed.count(), 0);
    EXPECT_EQ(editor->state().camera.eye, camera.eye);
    EXPECT_EQ(editor->state().camera.target, camera.target);
    EXPECT_FALSE(editor->isModified());
}

TEST(EditorFraming, ResetPutsTheCameraWhereTheProjectWasCreatedOpenedOrSaved) {
    ScratchHome home;
    const CameraPlacement standard;
    auto editor = test::makeEditor(nullptr);
    test::PartSpy placed(*editor, DocumentPart::Camera);
    editor->viewSettings().setCamera(Vec3f{3.0f, 3.0f, 3.0f}, Vec3f{1.0f, 0.0f, 0.0f});
    editor->viewSettings().resetCamera();
    EXPECT_EQ(editor->state().camera.eye, standard.eye);
    EXPECT_EQ(editor->state().camera.target, standard.target);
    EXPECT_EQ(placed.count(), 1);

    const std::string path = home.file("placed.nbx");
    editor->viewSettings().setCameraPlacement(Vec3f{1.5f, 2.0f, -7.0f}, Vec3f{0.0f, 1.0f, 0.0f});
    ASSERT_TRUE(editor->document().saveTo(path));
    editor->viewSettings().setCameraPlacement(Vec3f{9.0f, 9.0f, 9.0f}, Vec3f{});
    editor->viewSettings().resetCamera();
    EXPECT_EQ(editor->state().camera.eye, (Vec3f{1.5f, 2.0f, -7.0f}));
    EXPECT_EQ(editor->state().camera.target, (Vec3f{0.0f, 1.0f, 0.0f}));

    auto reopened = test::makeEditor(nullptr);
    ASSERT_TRUE(reopened->document().openInPlace(path));
    // Where it is already, the camera stays and the project is not modified.
    test::PartSpy unmoved(*reopened, DocumentPart::Camera);
    reopened->viewSettings().resetCamera();
    EXPECT_EQ(unmoved.count(), 0);
    EXPECT_FALSE(reopened->isModified());
    reopened->viewSettings().frameEffect(1.0);
    EXPECT_NE(reopened->state().camera.eye, (Vec3f{1.5f, 2.0f, -7.0f}));
    reopened->viewSettings().resetCamera();
    EXPECT_EQ(reopened->state().camera.eye, (Vec3f{1.5f, 2.0f, -7.0f}));
    EXPECT_EQ(reopened->state().camera.target, (Vec3f{0.0f, 1.0f, 0.0f}));
}

}  // namespace
}  // namespace fg
