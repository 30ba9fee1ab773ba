// The cost of a jump to a random frame of a 300-frame effect holding about
// 10 000 live particles: what scrubbing a paused preview costs. The states
// along the way are kept at the seeker's default interval (the first pass
// through the effect fills them before timing starts).

#include <benchmark/benchmark.h>

#include "TenThousandParticles.h"

#include <random>

#include "model/EditorState.h"
#include "simulation/DrawOrder.h"
#include "simulation/FrameSeeker.h"
#include "simulation/PreviewTransport.h"
#include "simulation/Simulation.h"

namespace {

constexpr std::int32_t kFrames = fg::bench::kSceneFrames;
using fg::bench::tenThousandParticles;

void BM_SeekRandomFrame(benchmark::State& state) {
    const fg::EditorState g = tenThousandParticles();
    fg::Simulation simulation(g);
    fg::FrameSeeker seeker(simulation);
    seeker.seek(kFrames - 1);
    std::mt19937 gen(1);
    std::uniform_int_distribution<int> frame(0, kFrames - 1);
    for (auto _ : state) {
        seeker.seek(static_cast<std::uint64_t>(frame(gen)));
        benchmark::DoNotOptimize(simulation.particles().size());
    }
    state.counters["kept_states"] = static_cast<double>(seeker.keptStates());
    state.counters["interval"] = static_cast<double>(seeker.interval());
}

// Settles every step as the preview does: sorted from a fixed eye.
class SortingView : public fg::WorkerView {
public:
    explicit SortingView(fg::Simulation& simulation) : m_simulation(simulation) {}
    void drawPreview(const fg::PreviewTime&) override {}
    void settle() override { fg::sortByCameraDistance(m_simulation, {0.0f, 5.0f, -10.0f}); }

private:
    fg::Simulation& m_simulation;
};

// A jump asked of the paused preview, as the timeline asks it: through the
// transport, with the depth sort after every step of a project that sorts.
void BM_PreviewJumpRandomFrame(benchmark::State& state) {
    fg::EditorState g = tenThousandParticles();
    g.project.sort = 1;
    fg::Simulation simulation(g);
    fg::PlaybackControl control;
    control.setPlaying(false);
    fg::PreviewTransport transport(simulation, control);
    SortingView view(simulation);
    transport.setView(&view);
    control.requestFrame(kFrames);
    transport.advance(0);
    std::mt19937 gen(1);
    std::uniform_int_distribution<int> frame(0, kFrames);
    for (auto _ : state) {
        control.requestFrame(static_cast<std::uint32_t>(frame(gen)));
        transport.advance(0);
        benchmark::DoNotOptimize(simulation.particles().size());
    }
    state.counters["kept_states"] = static_cast<double>(transport.seeker().keptStates());
}

// The same jumps by stepping from the start each time, for comparison.
void BM_SeekRandomFrameFromTheStart(benchmark::State& state) {
    const fg::EditorState g = tenThousandParticles();
    fg::Simulation simulation(g);
    std::mt19937 gen(1);
    std::uniform_int_distribution<int> frame(0, kFrames - 1);
    for (auto _ : state) {
        simulation.restart();
        for (int i = frame(gen); i > 0; --i) simulation.step();
        benchmark::DoNotOptimize(simulation.particles().size());
    }
}

}  // namespace

BENCHMARK(BM_SeekRandomFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewJumpRandomFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeekRandomFrameFromTheStart)->Unit(benchmark::kMillisecond);
