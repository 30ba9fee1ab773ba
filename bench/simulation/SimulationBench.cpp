// Steady-state cost of one simulation step per live particle, for a plain
// billboard node and for a node using every motion feature, on one thread or
// two (the second argument), next to the linked-list baseline on the plain
// workload.

#include <benchmark/benchmark.h>

#include "LinkedListBaseline.h"
#include "StepWorkloads.h"
#include "simulation/Simulation.h"

namespace {

using fg::bench::kLife;
using fg::bench::steadyEffect;

void report(benchmark::State& state, std::size_t live) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(live));
    state.counters["live"] = static_cast<double>(live);
    // Seconds per particle per step (printed with an SI prefix, n = ns).
    state.counters["per_particle"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(live),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void stepSimulation(benchmark::State& state, bool everyFeature) {
    const fg::EditorState g = steadyEffect(state.range(0), everyFeature);
    fg::Simulation sim(g);
    sim.setThreads(static_cast<unsigned>(state.range(1)));
    for (int i = 0; i < 2 * kLife; ++i) sim.step();  // reach the steady count
    for (auto _ : state) sim.step();
    report(state, sim.particles().size());
    state.counters["threads"] = static_cast<double>(sim.threads());
}

void BM_StepBillboard(benchmark::State& state) { stepSimulation(state, false); }
void BM_StepEveryFeature(benchmark::State& state) { stepSimulation(state, true); }

void BM_StepBillboardLinkedListBaseline(benchmark::State& state) {
    const fg::EditorState g = steadyEffect(state.range(0), false);
    fg::EffectTable effect;
    effect.load(g.tree.root(), g.project.frame);
    fg::bench::LinkedListBaseline baseline(effect);
    for (int i = 0; i < 2 * kLife; ++i) baseline.step();
    for (auto _ : state) baseline.step();
    report(state, baseline.size());
}

// {live particles, threads}
BENCHMARK(BM_StepBillboard)
    ->Args({1000, 1})
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Args({1000000, 1})
    ->Args({1000000, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepEveryFeature)
    ->Args({1000, 1})
    ->Args({10000, 1})
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepBillboardLinkedListBaseline)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
