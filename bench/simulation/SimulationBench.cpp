// Steady-state cost of one simulation step per live particle, for a plain
// billboard node and for a node using every motion feature, on one thread or
// two (the second argument), next to the linked-list baseline on the plain
// workload.

#include <benchmark/benchmark.h>

#include "LinkedListBaseline.h"
#include "model/EditorState.h"
#include "simulation/Simulation.h"

namespace {

constexpr std::int32_t kLife = 50;

// Root plus one node that keeps about `live` particles alive: live / life
// new particles every frame, each living `kLife` frames.
fg::EditorState steadyEffect(std::int64_t live, bool everyFeature) {
    fg::EditorState g;
    g.tree = fg::EffectTree();
    g.project.frame = 1000000;
    fg::Node& node = g.tree.addChild(g.tree.root());
    node.m_timing.end = 1000000;
    node.m_timing.num = static_cast<std::int32_t>(live / kLife);
    node.m_kill.span = kLife;
    node.m_emitter.size = {1.0f, 1.0f, 1.0f};
    node.m_move.speed = 5;
    if (everyFeature) {
        node.m_emitter.type = fg::kEmitterSphere;
        node.m_move.speed_err = 20;
        node.m_move.gravity = 20;
        node.m_move.absorbPos = {10.0f, 20.0f, 0.0f};
        node.m_move.absorbPawer = 5.0f;
        node.m_move.isFollow = 1;
        node.m_scale.max_err = 30;
        node.m_rotate.axis = fg::kAxisTravelZ;
        node.m_rotate.angle = 180;
        node.m_rotate.dir = fg::kRotateRandom;
        node.m_rotate.revAngle = 90;
        node.m_color.brigRnd = 20;
        node.m_color.alphaRnd = 20;
        node.m_color.isAlphaParent = 1;
        node.m_shape.dir = fg::kDirRandom;
        node.curve(fg::kCurveSpeed).setPoints({{0, 0}, {60, 40}, {100, 70}});
        node.curve(fg::kCurveSpeed).rebuild();
    }
    return g;
}

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
