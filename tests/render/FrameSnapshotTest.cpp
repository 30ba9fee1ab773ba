// Drawing a published snapshot against drawing the live simulation: every
// particle draw the snapshot yields must equal, bit for bit, the draw the
// live particle yields at the same moment; the worker's channel must settle
// and publish what the renderer would draw; and publishing from a stepping
// worker while the UI reads must hand over whole snapshots only.

#include <gtest/gtest.h>

#include <QImage>
#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "GlTestContext.h"
#include "model/EditorState.h"
#include "render/ParticleDraws.h"
#include "render/PreviewChannel.h"
#include "render/Renderer.h"
#include "render/camera/CameraControl.h"
#include "simulation/DrawOrder.h"
#include "simulation/Simulation.h"

namespace fg::test {
namespace {

constexpr int kSize = 96;

// Animated, sorted planes carrying billboards that turn with them, and a
// trail: every input of a particle draw varies.
// Returns the id of the billboards' node.
std::int32_t buildScene(EditorState& g) {
    g.project.sort = 1;
    Node& planes = *g.pSelNode();
    planes.m_shape.type = kShapePlane;
    planes.m_emitter.size = {4, 4, 1};
    planes.m_timing.end = 60;
    planes.m_timing.num = 2;
    planes.m_scale.max = 8;
    planes.m_texture.isAnim = 1;
    planes.m_texture.w = 2;
    planes.m_texture.h = 2;
    planes.m_texture.speed = 100;
    planes.m_texture.isLoop = 1;
    planes.m_rotate.axis = kAxisX;
    planes.m_rotate.angle = 7;
    planes.m_rotate.angle_err = 50;
    Node& sparks = g.tree.addChild(planes);
    sparks.m_emitter.size = {3, 3, 3};
    sparks.m_timing.end = 60;
    sparks.m_scale.max = 3;
    sparks.m_shape.isDir = 1;
    sparks.m_rotate.isSameParent = 1;
    Node& trail = g.tree.addChild(planes);
    trail.m_shape.type = kShapeTrail;
    trail.m_timing.end = 60;
    return sparks.m_ID;
}

bool sameDraw(const ParticleDraw& a, const ParticleDraw& b) {
    return a.mesh == b.mesh && a.texture == b.texture && a.isAdd == b.isAdd && a.underCut == b.underCut &&
           std::memcmp(&a.instance, &b.instance, sizeof(PolyInstance)) == 0 && a.trail.size() == b.trail.size() &&
           std::equal(a.trail.begin(), a.trail.end(), b.trail.begin(), [](const TrailPoint& p, const TrailPoint& q) {
               return p.position.x == q.position.x && p.position.y == q.position.y &&
                      p.position.z == q.position.z && p.width == q.width;
           });
}

class FrameSnapshotTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        RenderError error;
        renderer = Renderer::create(&error);
        ASSERT_TRUE(renderer) << error.caption << ": " << error.message;
        sparksId = buildScene(g);
        camera = placedCamera(CameraPlacement{{2, 3, 10}, {0, 0, 0}});
        camera.updateMatrices(kSize, kSize);
    }

    // The draws of the live particles in draw order (one pass).
    std::vector<ParticleDraw> liveDraws(Simulation& simulation) {
        std::vector<ParticleDraw> draws;
        walkDrawPass(simulation, 0, simulation.project().reverse != 0, [&](Particle& p, int) {
            if (auto d = particleDraw(simulation, p, camera, renderer->assets())) draws.push_back(*d);
        });
        return draws;
    }

    std::vector<ParticleDraw> snapshotDraws(const FrameSnapshot& snapshot) {
        std::vector<ParticleDraw> draws;
        for (const SnapshotParticle& p : snapshot.particles) {
            if (auto d = particleDraw(snapshot, p, camera, renderer->assets())) draws.push_back(*d);
        }
        return draws;
    }

    static bool same(const std::vector<ParticleDraw>& a, const std::vector<ParticleDraw>& b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (!sameDraw(a[i], b[i])) return false;
        }
        return true;
    }

    QImage draw(const std::function<void(const PreviewFrame&)>& render) {
        RenderTarget target(kSize, kSize);
        target.bind();
        PreviewFrame frame;
        frame.viewWidth = kSize;
        frame.viewHeight = kSize;
        frame.project = &g.project;
        frame.selectedNodeId = sparksId;  // gizmos around the planes
        frame.overlay = false;  // the step rates of two simulations differ
        render(frame);
        return target.readImage();
    }

    std::unique_ptr<Renderer> renderer;
    EditorState g;
    std::int32_t sparksId = -1;
    Camera camera;
};

TEST_F(FrameSnapshotTest, SnapshotDrawsEqualTheLiveParticleDraws) {
    Simulation simulation(g);
    std::vector<ParticleDraw> previous;
    std::size_t compared = 0;
    for (int frame = 0; frame < 40; ++frame) {
        simulation.step();
        settleAsDrawn(simulation, camera.eye, renderer->assets());
        const FrameSnapshot snapshot = takeSnapshot(simulation, -1, meshesOf(renderer->assets()));
        const std::vector<ParticleDraw> fromSnapshot = snapshotDraws(snapshot);
        const std::vector<ParticleDraw> live = liveDraws(simulation);
        ASSERT_TRUE(same(fromSnapshot, live)) << "frame " << frame;
        // Control: the previous frame's snapshot is a different picture.
        if (frame > 5) {
            EXPECT_FALSE(same(previous, live)) << "frame " << frame;
        }
        compared += live.size();
        // The snapshot owns its draw data: its draws outlive the next step.
        previous = snapshotDraws(snapshot);
    }
    EXPECT_GT(compared, 500u);
}

TEST_F(FrameSnapshotTest, CountersAndGizmoAnchorsComeFromTheStep) {
    Simulation simulation(g);
    for (int frame = 0; frame < 12; ++frame) simulation.step();
    const FrameSnapshot snapshot = takeSnapshot(simulation, sparksId, meshesOf(renderer->assets()));
    EXPECT_EQ(snapshot.frame, simulation.frame());
    EXPECT_EQ(snapshot.particleCount, static_cast<int>(simulation.particles().size()) - 1);
    EXPECT_EQ(snapshot.particleLimitReached, simulation.particleLimitReached());
    // One gizmo around every particle of the sparks' parent (the planes).
    std::size_t planes = 0;
    simulation.particles().forEach([&](const Particle& p) {
        if (simulation.nodeOf(p).id == g.pSelNode()->m_ID) ++planes;
    });
    EXPECT_GT(planes, 0u);
    EXPECT_EQ(snapshot.gizmos.size(), planes);
    EXPECT_EQ(takeSnapshot(simulation, -1, meshesOf(renderer->assets())).gizmos.size(), 0u);
}

TEST_F(FrameSnapshotTest, TheChannelPublishesWhatTheRendererDraws) {
    Simulation live(g);
    Simulation worker(g);
    PreviewChannel channel;
    channel.setEye(camera.eye);
    channel.setSelectedNode(sparksId);
    std::vector<bool> meshes;
    for (int type = 0; type < renderer->assets().shapeTypeCount(); ++type) {
        meshes.push_back(renderer->assets().shape(type) != nullptr);
    }
    channel.setShapeMeshes(meshes);
    for (int frame = 0; frame < 20; ++frame) {
        // A view draws after every step.
        live.step();
        settleAsDrawn(live, camera.eye, renderer->assets());
        worker.step();
        channel.publishFrom(worker);
        ASSERT_TRUE(channel.take());
    }
    const QImage expected = draw([&](const PreviewFrame& frame) { renderer->renderFrame(live, camera, frame); });
    const QImage published =
        draw([&](const PreviewFrame& frame) { renderer->renderFrame(*channel.latest(), camera, frame); });
    EXPECT_EQ(published, expected);
    EXPECT_EQ(channel.published(), 20u);
    // Nothing new, nothing published; a UI change asks for a fresh one.
    channel.publishFrom(worker);
    EXPECT_EQ(channel.published(), 20u);
    channel.setSelectedNode(-1);
    channel.publishFrom(worker);
    EXPECT_EQ(channel.published(), 21u);
    // Control: without the gizmo the picture differs.
    const QImage plain =
        draw([&](const PreviewFrame& frame) { renderer->renderFrame(*channel.latest(), camera, frame); });
    EXPECT_NE(plain, expected);
}

TEST(PreviewChannelThreads, TheUiReadsWholeSnapshotsWhileTheWorkerSteps) {
    EditorState g;
    (void)buildScene(g);
    Simulation simulation(g);
    PreviewChannel channel;
    channel.setShapeMeshes({true, true, true, true, true});
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int frame = 0; frame < 150; ++frame) {
            simulation.step();
            channel.publishFrom(simulation);
        }
        done.store(true);
    });
    std::uint64_t lastPublished = 0;
    int reads = 0;
    while (!done.load()) {
        if (const auto snapshot = channel.take()) {
            const std::uint64_t published = channel.published();
            EXPECT_GE(published, lastPublished);
            lastPublished = published;
            // Whole: every particle's trail lies inside the snapshot's points.
            for (const SnapshotParticle& p : snapshot->particles) {
                ASSERT_LE(p.trailFirst + p.trailCount, snapshot->trailPoints.size());
            }
            channel.setEye({static_cast<float>(reads % 7), 2.0f, -10.0f});
            ++reads;
        }
    }
    worker.join();
    // The view draws what is there; the worker's next pass catches up.
    ASSERT_TRUE(channel.take());
    channel.publishFrom(simulation);
    EXPECT_EQ(channel.latest()->frame, simulation.frame());
    EXPECT_GT(reads, 0);
    EXPECT_LE(channel.snapshotsAlive(), 1);
}

// Each snapshot copies every drawn particle: with a huge effect and a view
// that draws slowly, copies taken faster than it draws would pile up. The
// worker takes the next copy only once the view has taken the last, so at
// most two live: the one being drawn and the newest.
TEST(PreviewChannelBound, AtMostTwoSnapshotsLiveHoweverSlowlyTheViewDraws) {
    EditorState g;
    (void)buildScene(g);
    Simulation simulation(g);
    PreviewChannel channel;
    channel.setShapeMeshes({true, true, true, true, true});
    simulation.step();
    channel.publishFrom(simulation);
    EXPECT_EQ(channel.published(), 1u);
    EXPECT_EQ(channel.snapshotsAlive(), 1);
    // Not drawn yet: the steps go on without copies.
    for (int i = 0; i < 10; ++i) {
        simulation.step();
        channel.publishFrom(simulation);
    }
    EXPECT_EQ(channel.published(), 1u);
    EXPECT_EQ(channel.snapshotsAlive(), 1);

    // The view draws, holding its snapshot meanwhile: the newest state is
    // published at once, then nothing more until the view takes it.
    std::shared_ptr<const FrameSnapshot> drawing = channel.take();
    channel.publishFrom(simulation);
    EXPECT_EQ(channel.published(), 2u);
    EXPECT_EQ(channel.latest()->frame, simulation.frame());
    for (int i = 0; i < 10; ++i) {
        simulation.step();
        channel.setEye({static_cast<float>(i), 3.0f, -8.0f});
        channel.publishFrom(simulation);
        EXPECT_LE(channel.snapshotsAlive(), 2);
    }
    EXPECT_EQ(channel.published(), 2u);
    EXPECT_EQ(channel.snapshotsAlive(), 2);
    drawing.reset();
    EXPECT_EQ(channel.snapshotsAlive(), 1);

    // The next picture shows the state the steps reached meanwhile.
    drawing = channel.take();
    channel.publishFrom(simulation);
    EXPECT_EQ(channel.published(), 3u);
    EXPECT_EQ(channel.latest()->frame, simulation.frame());
    drawing.reset();
    EXPECT_EQ(channel.snapshotsAlive(), 1);
}

}  // namespace
}  // namespace fg::test
