// What "frame the effect" costs on a 300-frame effect holding about 10 000
// live particles: the bounds of one pass run from the start, and of the pass
// the loop preview repeats (a warm-up of whole passes first), plus the fit.

#include <benchmark/benchmark.h>

#include "TenThousandParticles.h"

#include "model/EditorState.h"
#include "render/camera/CameraFit.h"
#include "simulation/EffectBounds.h"

namespace {

using fg::bench::tenThousandParticles;

void frameEffect(benchmark::State& state, bool loop) {
    const fg::EditorState g = tenThousandParticles();
    fg::EffectPass pass;
    pass.loop = loop;
    for (auto _ : state) {
        const std::optional<fg::Bounds3> bounds = fg::effectBounds(g, pass);
        if (!bounds) {
            state.SkipWithError("no bounds");
            break;
        }
        benchmark::DoNotOptimize(fg::fitCameraToSphere(g.camera, bounds->centre(), bounds->radius(), 16.0 / 9.0));
    }
}

void BM_FrameEffectOnePass(benchmark::State& state) { frameEffect(state, false); }
void BM_FrameEffectLoopPreview(benchmark::State& state) { frameEffect(state, true); }

}  // namespace

BENCHMARK(BM_FrameEffectOnePass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameEffectLoopPreview)->Unit(benchmark::kMillisecond);
