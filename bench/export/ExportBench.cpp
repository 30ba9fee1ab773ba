// Seconds per exported frame at 128 × 128 with smoothing 2, for effects
// holding about 100, 1 000, 10 000 and 100 000 live particles, with the
// written method (a full copy of the target after every sub-mesh) and the
// fast one, which gives the same bytes. Larger effects export fewer frames
// so that one run stays short; every frame holds the same particles.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "HeadlessRenderer.h"
#include "model/EditorState.h"
#include "render/RenderTarget.h"
#include "render/Renderer.h"
#include "render/export/ExportFrames.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

HeadlessRenderer& sharedGl() {
    static HeadlessRenderer gl;
    return gl;
}

// `count` translucent billboards spread through a box, all alive from frame 1 on.
EditorState effectWith(int count) {
    EditorState g;
    g.tree = EffectTree();
    Node& node = g.tree.addChild(g.tree.root());
    node.m_emitter.size = {4.0f, 4.0f, 4.0f};
    node.m_timing.num = count;
    node.m_kill.span = 1000;
    node.m_scale.max = 3;
    node.curve(kCurveOpacity).setPoints({{0, 50}, {100, 50}});
    node.curve(kCurveOpacity).rebuild();
    g.project.width = 128;
    g.project.height = 128;
    return g;
}

// Frames exported per run: enough to time, few enough for the written
// method at 100 000 particles.
int framesFor(int count) {
    return count >= 100000 ? 2 : count >= 10000 ? 6 : 60;
}

void exportFramesWith(benchmark::State& state, ExportMethod method) {
    HeadlessRenderer& gl = sharedGl();
    const int count = static_cast<int>(state.range(0));
    const EditorState g = effectWith(count);
    WriteSettings write;
    write.start = 1;
    write.end = framesFor(count);
    write.smooth = 2;
    ExportPlan plan;
    acceptExportSettings(write, g.project, plan);
    const fs::path workDir = fs::temp_directory_path() / "fg-export-bench";
    fs::create_directories(workDir);
    gl.renderer->setExportMethod(method);
    for (auto _ : state) {
        Simulation simulation(g);
        const ExportFramesResult result = exportFrames(*gl.renderer, simulation, Camera{}, plan, workDir);
        if (!result.ok()) state.SkipWithError("export failed");
        state.counters["live"] = static_cast<double>(simulation.particles().size() - 1);
        state.counters["copies_per_image"] = gl.renderer->exportCopies();
    }
    state.counters["s_per_frame"] =
        benchmark::Counter(static_cast<double>(plan.imageCount) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    gl.renderer->setExportMethod(ExportMethod::Fast);
    fs::remove_all(workDir);
}

void BM_ExportWritten(benchmark::State& state) {
    exportFramesWith(state, ExportMethod::CopyAfterEverySubMesh);
}
void BM_ExportFast(benchmark::State& state) {
    exportFramesWith(state, ExportMethod::Fast);
}

// One image of the same effect drawn again and again: the export's draw
// alone (fast method) against the preview's batched draw of that frame at
// the export's render size, without stepping, writing or reading back.
struct OneFrame {
    EditorState g;
    std::unique_ptr<Simulation> simulation;
    Camera camera;
    int size = 256;  // 128 × smoothing 2

    explicit OneFrame(int count) : g(effectWith(count)) {
        simulation = std::make_unique<Simulation>(g);
        simulation->step();
        simulation->step();
        ProjectSettings renderSize = g.project;
        renderSize.width = size;
        renderSize.height = size;
        camera.updateMatricesForExport(renderSize);
    }
};

void BM_ExportImageFast(benchmark::State& state) {
    HeadlessRenderer& gl = sharedGl();
    OneFrame frame(static_cast<int>(state.range(0)));
    RenderTarget target(frame.size, frame.size);
    RenderTarget copy(frame.size, frame.size);
    for (auto _ : state) {
        gl.renderer->renderExportImage(*frame.simulation, frame.camera, target, copy);
        glFinish();
    }
    state.counters["live"] = static_cast<double>(frame.simulation->particles().size() - 1);
}

void BM_PreviewImage(benchmark::State& state) {
    HeadlessRenderer& gl = sharedGl();
    OneFrame frame(static_cast<int>(state.range(0)));
    RenderTarget target(frame.size, frame.size);
    PreviewFrame preview;
    preview.viewWidth = frame.size;
    preview.viewHeight = frame.size;
    preview.project = &frame.g.project;
    preview.overlay = false;
    for (auto _ : state) {
        target.bind();
        gl.renderer->renderFrame(*frame.simulation, frame.camera, preview);
        glFinish();
    }
    state.counters["live"] = static_cast<double>(frame.simulation->particles().size() - 1);
}

BENCHMARK(BM_ExportImageFast)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PreviewImage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK(BM_ExportWritten)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
BENCHMARK(BM_ExportFast)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
}  // namespace fg
