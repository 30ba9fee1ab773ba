// A 60-frame 128 × 128 export: rendering the frames, then composing the
// sheet with its JSON metadata (padding 2, power-of-two sides) and encoding
// the animated GIF and WebP (lossless and lossy) from the same frames.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <system_error>

#include "HeadlessRenderer.h"
#include "model/EditorState.h"
#include "render/Renderer.h"
#include "render/export/ExportFrames.h"
#include "render/export/SheetComposer.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

constexpr int kFrames = 60;

// The fire sample at 128 × 128, frames 1 … 60, rendered once into a folder
// of its own; the composition benchmarks read those frames.
struct Rendered : HeadlessRenderer {
    fs::path dir;
    EditorState g;
    ExportPlan plan;

    static Rendered& get() {
        static Rendered rendered;
        return rendered;
    }
    ~Rendered() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

private:
    Rendered() {
        std::random_device seed;
        dir = fs::temp_directory_path() / ("fg-engine-bench-" + std::to_string(seed()));
        fs::create_directories(dir);
        g.tree = EffectTree();
        Node& node = g.tree.addChild(g.tree.root());
        node.m_emitter.size = {2.0f, 0.5f, 2.0f};
        node.m_timing.end = 60;
        node.m_timing.num = 20;
        node.m_move.speed = 2;
        node.m_move.speed_err = 60;
        node.m_kill.span = 40;
        node.m_scale.max = 2;
        g.project.width = 128;
        g.project.height = 128;
        g.project.fps = 30;
        WriteSettings write;
        write.start = 1;
        write.end = kFrames;
        write.step = 1;
        write.width = 8;
        write.smooth = 1;
        if (acceptExportSettings(write, g.project, plan)) std::exit(1);
    }
};

void BM_RenderFrames(benchmark::State& state) {
    Rendered& r = Rendered::get();
    for (auto _ : state) {
        Simulation simulation(r.g);
        const ExportFramesResult result = exportFrames(*r.renderer, simulation, Camera{}, r.plan, r.dir);
        if (!result.ok()) state.SkipWithError("render failed");
    }
}

ComposeRequest composeRequest(const std::string& name) {
    Rendered& r = Rendered::get();
    ComposeRequest request;
    request.renderDir = exportRenderFolder(r.dir);
    request.lastIndex = kFrames - 1;
    request.plan = r.plan;
    request.fps = r.g.project.fps;
    request.destination = (r.dir / name).string();
    return request;
}

void runCompose(benchmark::State& state, const ComposeRequest& request) {
    for (auto _ : state) {
        const ComposeResult result = composeExport(request);
        if (!result.ok()) state.SkipWithError(result.error.sourceText().c_str());
    }
}

void BM_PlainSheet(benchmark::State& state) {
    runCompose(state, composeRequest("plain.png"));
}

void BM_SheetWithJson(benchmark::State& state) {
    ComposeRequest request = composeRequest("engine.png");
    request.plan.engine.metaJson = true;
    request.plan.engine.padding = 2;
    request.plan.engine.pow2 = true;
    runCompose(state, request);
}

void BM_SheetWithJsonNoPow2(benchmark::State& state) {
    ComposeRequest request = composeRequest("padded.png");
    request.plan.engine.metaJson = true;
    request.plan.engine.padding = 2;
    runCompose(state, request);
}

void BM_AnimatedGif(benchmark::State& state) {
    ComposeRequest request = composeRequest("anim.gif");
    request.plan.engine.animated = true;
    runCompose(state, request);
}

void BM_AnimatedWebpLossless(benchmark::State& state) {
    ComposeRequest request = composeRequest("anim.webp");
    request.plan.engine.animated = true;
    runCompose(state, request);
}

void BM_AnimatedWebpLossy(benchmark::State& state) {
    ComposeRequest request = composeRequest("lossy.webp");
    request.plan.engine.animated = true;
    request.plan.engine.quality = 80;
    runCompose(state, request);
}

// Rendering first: the others read its frames.
BENCHMARK(BM_RenderFrames)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainSheet)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SheetWithJson)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SheetWithJsonNoPow2)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AnimatedGif)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AnimatedWebpLossless)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AnimatedWebpLossy)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace fg
