// One simulation step, the program's against the frozen reference step
// (ReferenceSimulation.h) on the same effect in the same run: milliseconds
// per step for a plain node at 1 000 to 1 000 000 live particles and for the
// every-feature node at 100 000. Compare each BM_…New row with its
// BM_…Reference row; BM_ReferenceAgrees first checks that both give the
// same particles, bit for bit.

#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

#include "ReferenceSimulation.h"
#include "StepWorkloads.h"
#include "simulation/Simulation.h"

namespace {

using fg::bench::everyFeatureEffect;
using fg::bench::plainEffect;

// Past the first life (60 frames plain, 50 with every feature): the live
// count has reached its steady level.
constexpr int kWarmUpSteps = 70;

// `threads` 0: the simulation's default; the reference has one thread only.
template <class Sim>
void stepBench(benchmark::State& state, const fg::EditorState& g, unsigned threads = 0) {
    Sim sim(g);
    if constexpr (std::is_same_v<Sim, fg::Simulation>) {
        if (threads != 0) sim.setThreads(threads);
    }
    for (int i = 0; i < kWarmUpSteps; ++i) sim.step();
    for (auto _ : state) sim.step();
    const auto live = static_cast<double>(sim.particles().size());
    state.counters["live"] = live;
    // Seconds per particle per step (printed with an SI prefix, n = ns).
    state.counters["per_particle"] = benchmark::Counter(static_cast<double>(state.iterations()) * live,
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_PlainReference(benchmark::State& state) {
    stepBench<fg::bench_reference::Simulation>(state, plainEffect(state.range(0)));
}
// The second argument is the thread count; 0 is the default, where each
// step takes whichever way (one thread or two) has measured faster.
void BM_PlainNew(benchmark::State& state) {
    stepBench<fg::Simulation>(state, plainEffect(state.range(0)), static_cast<unsigned>(state.range(1)));
}

void BM_EveryFeatureReference(benchmark::State& state) {
    stepBench<fg::bench_reference::Simulation>(state, everyFeatureEffect(state.range(0)));
}
void BM_EveryFeatureNew(benchmark::State& state) {
    stepBench<fg::Simulation>(state, everyFeatureEffect(state.range(0)), static_cast<unsigned>(state.range(1)));
}

std::uint32_t bits(float v) { return std::bit_cast<std::uint32_t>(v); }

// The particles' state, both ways, must agree exactly: otherwise the
// comparison above measures two different computations.
template <class A, class B>
bool sameParticles(const A& a, const B& b) {
    if (a.particles().slotCount() != b.particles().slotCount()) return false;
    for (std::uint32_t i = 0; i < a.particles().slotCount(); ++i) {
        const auto& p = a.particles()[i];
        const auto& q = b.particles()[i];
        if (p.alive != q.alive || p.node != q.node || p.parent != q.parent || p.age != q.age || p.life != q.life)
            return false;
        for (const auto& [x, y] : {std::pair{p.position.x, q.position.x}, std::pair{p.position.y, q.position.y},
                                  std::pair{p.position.z, q.position.z}, std::pair{p.direction.x, q.direction.x},
                                  std::pair{p.direction.y, q.direction.y}, std::pair{p.direction.z, q.direction.z},
                                  std::pair{p.scale.x, q.scale.x}, std::pair{p.scale.y, q.scale.y},
                                  std::pair{p.scale.z, q.scale.z}, std::pair{p.colour.r, q.colour.r},
                                  std::pair{p.colour.g, q.colour.g}, std::pair{p.colour.b, q.colour.b},
                                  std::pair{p.colour.a, q.colour.a}, std::pair{p.selfAngle, q.selfAngle},
                                  std::pair{p.revolutionAngle, q.revolutionAngle}}) {
            if (bits(x) != bits(y)) return false;
        }
    }
    return true;
}

void BM_ReferenceAgrees(benchmark::State& state) {
    const fg::EditorState effects[] = {plainEffect(10000), everyFeatureEffect(10000)};
    int agreeing = 0;
    for (auto _ : state) {
        agreeing = 0;
        for (const fg::EditorState& g : effects) {
            fg::Simulation now(g);
            fg::bench_reference::Simulation before(g);
            bool same = true;
            for (int i = 0; i < 2 * kWarmUpSteps && same; ++i) {
                now.step();
                before.step();
                same = sameParticles(now, before);
            }
            agreeing += same ? 1 : 0;
        }
    }
    if (agreeing != 2) state.SkipWithError("the reference step and the program's step disagree");
    state.counters["agreeing"] = agreeing;
}

BENCHMARK(BM_ReferenceAgrees)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReference)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainNew)
    ->ArgsProduct({{1000, 10000, 100000, 1000000}, {1, 2, 0}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EveryFeatureReference)->Arg(100000)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EveryFeatureNew)->ArgsProduct({{100000}, {1, 2, 0}})->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
