// The live view's costs with 10 000 particles, headless, at 640 and 1280
// pixels wide: the
// UI thread drawing one published snapshot (whole preview frame: grid,
// both particle passes, overlay), and the worker settling the list and
// taking the snapshot after a step. The CPU column is the whole process,
// software rasteriser threads included.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/EditorState.h"
#include "render/EglContext.h"
#include "render/ParticleDraws.h"
#include "render/Renderer.h"
#include "render/camera/CameraControl.h"
#include "simulation/Simulation.h"

namespace fg {
namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr std::uint32_t kParticles = 10'000;

struct Scene {
    std::unique_ptr<EglContext> context;
    std::unique_ptr<Renderer> renderer;
    EditorState g;
    std::unique_ptr<Simulation> simulation;
    Camera camera;

    static Scene& get() {
        static Scene scene;
        return scene;
    }

private:
    Scene() {
        std::string error;
        context = EglContext::create(&error);
        if (!context) {
            std::fprintf(stderr, "no GL context: %s\n", error.c_str());
            std::exit(1);
        }
        RenderError failure;
        renderer = Renderer::create(&failure);
        if (!renderer) {
            std::fprintf(stderr, "no renderer: %s\n", failure.message.sourceText().c_str());
            std::exit(1);
        }
        // 200 billboards a frame living 60 frames, sorted by distance.
        g.project.frame = 120;
        g.project.sort = 1;
        Node& sparks = *g.pSelNode();
        sparks.m_emitter.type = kEmitterSphere;
        sparks.m_emitter.size = {12, 12, 12};
        sparks.m_timing.end = 120;
        sparks.m_timing.num = 200;
        sparks.m_kill.span = 60;
        simulation = std::make_unique<Simulation>(g);
        while (simulation->particles().size() <= kParticles) simulation->step();
        camera = placedCamera(CameraPlacement{{0, 5, -25}, {0, 0, 0}});
        camera.updateMatrices(kWidth, kHeight);
    }
};

void BM_DrawSnapshot10k(benchmark::State& state) {
    Scene& scene = Scene::get();
    settleAsDrawn(*scene.simulation, scene.camera.eye, scene.renderer->assets());
    const FrameSnapshot snapshot = takeSnapshot(*scene.simulation, -1, meshesOf(scene.renderer->assets()));
    // The argument is the view width; the height keeps 16:9.
    const int width = static_cast<int>(state.range(0));
    const int height = width * 9 / 16;
    RenderTarget target(width, height);
    Camera camera = scene.camera;
    camera.updateMatrices(width, height);
    PreviewFrame frame;
    frame.viewWidth = width;
    frame.viewHeight = height;
    frame.project = &snapshot.project;
    target.bind();
    for (auto _ : state) {
        scene.renderer->renderFrame(snapshot, camera, frame);
        glFinish();
    }
    state.counters["particles"] = static_cast<double>(snapshot.particles.size());
}
BENCHMARK(BM_DrawSnapshot10k)->Arg(640)->Arg(kWidth)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

void BM_SettleAndTakeSnapshot10k(benchmark::State& state) {
    Scene& scene = Scene::get();
    const ShapeHasMesh meshes = meshesOf(scene.renderer->assets());
    for (auto _ : state) {
        settleAsDrawn(*scene.simulation, scene.camera.eye, meshes);
        FrameSnapshot snapshot = takeSnapshot(*scene.simulation, -1, meshes);
        benchmark::DoNotOptimize(snapshot.particles.data());
    }
}
BENCHMARK(BM_SettleAndTakeSnapshot10k)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace fg
