// Saving and opening cost for a large effect: building and reading save.ini
// for a tree of 9 × 9 nodes with busy curves, and reading a 16 MiB archive,
// against copying the same bytes as the baseline.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/EditorState.h"
#include "persistence/Archive.h"
#include "persistence/Ini.h"
#include "persistence/SaveIni.h"

namespace {

fg::EditorState bigEffect() {
    fg::EditorState g;
    for (int i = 0; i < 8; ++i) g.tree.addChild(g.tree.root());
    for (const auto& top : g.tree.root().m_children) {
        for (int i = 0; i < 9; ++i) g.tree.addChild(*top);
    }
    std::vector<fg::Node*> nodes;
    for (const auto& top : g.tree.root().m_children) {
        nodes.push_back(top.get());
        for (const auto& child : top->m_children) nodes.push_back(child.get());
    }
    for (fg::Node* node : nodes) {
        for (int c = 0; c < fg::kCurveCount; ++c) {
            fg::GraphPoints points;
            for (int k = 0; k <= 20; ++k) points.push_back({static_cast<float>(k) * 5.0f, static_cast<float>((k * 37) % 100)});
            node->curve(c).setPoints(points);
            node->curve(c).rebuild();
        }
    }
    return g;
}

std::string saveText(const fg::EditorState& g) {
    fg::IniDocument ini;
    fg::buildSaveIni(g, ini);
    return ini.serialize();
}

void BM_BuildSaveIni(benchmark::State& state) {
    const fg::EditorState g = bigEffect();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = saveText(g);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_BuildSaveIni)->Unit(benchmark::kMillisecond);

void BM_ReadSaveIni(benchmark::State& state) {
    const std::string text = saveText(bigEffect());
    for (auto _ : state) {
        fg::EditorState g;
        const fg::IniDocument ini = fg::IniDocument::parse(text);
        fg::readSettings(g, ini);
        fg::readNodeTree(g, ini);
        benchmark::DoNotOptimize(g.tree.selected());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadSaveIni)->Unit(benchmark::kMillisecond);

std::string bigArchive() {
    std::vector<fg::PackInput> materials;
    for (int i = 0; i < 16; ++i) materials.push_back({"m" + std::to_string(i) + ".png", std::string(1 << 20, 'x')});
    return fg::buildArchive(materials, "[0]\r\n");
}

void BM_ParseArchive16MiB(benchmark::State& state) {
    const std::string bytes = bigArchive();
    for (auto _ : state) benchmark::DoNotOptimize(fg::parseArchive(bytes).records.size());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseArchive16MiB);

// Baseline: one copy of the same bytes.
void BM_CopyBaseline16MiB(benchmark::State& state) {
    const std::string bytes = bigArchive();
    std::string copy(bytes.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_CopyBaseline16MiB);

}  // namespace
