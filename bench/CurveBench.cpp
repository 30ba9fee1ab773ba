// Curve evaluation runs several times per particle per frame; rebuilding runs
// when the user drags a point.

#include <benchmark/benchmark.h>

#include "model/Graph.h"

namespace {

fg::Graph shapedCurve() {
    fg::Graph graph("bench", false);
    graph.setPoints({{0, 0}, {20, 80}, {45, 30}, {70, 95}, {100, 10}});
    graph.rebuild();
    return graph;
}

void BM_Evaluate(benchmark::State& state) {
    const fg::Graph graph = shapedCurve();
    int age = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(graph.evaluate(age, 97));
        age = age == 97 ? 0 : age + 1;
    }
}
BENCHMARK(BM_Evaluate);

void BM_EvaluateSpeed(benchmark::State& state) {
    fg::GraphSpeed graph("speed");
    graph.setPoints({{0, 0}, {50, 90}, {100, 40}});
    graph.rebuild();
    int age = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(graph.evaluate(age, 61));
        age = age == 61 ? 0 : age + 1;
    }
}
BENCHMARK(BM_EvaluateSpeed);

void BM_Rebuild(benchmark::State& state) {
    fg::Graph graph = shapedCurve();
    for (auto _ : state) {
        graph.rebuild();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Rebuild);

}  // namespace
