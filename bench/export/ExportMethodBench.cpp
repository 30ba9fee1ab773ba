// One run, side by side: the export methods (the copies that define the
// picture, framebuffer fetch, texture barriers) end to end on the three
// bundled samples and on the 10 000-particle scene, each a sheet written as
// the editor writes it; then the two ways frames reach the sheet (through
// intermediate files, or straight from the renderer). Each group ends with
// its times as ratios against the reference measured in the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "HeadlessRenderer.h"
#include "TenThousandParticles.h"
#include "model/EditorState.h"
#include "persistence/OpenProject.h"
#include "persistence/Workspace.h"
#include "render/Renderer.h"
#include "render/WorkspaceMaterials.h"
#include "render/export/ExportPipeline.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

// An effect to export, in a workspace of its own holding its materials.
struct Scene {
    std::string name;
    EditorState g;
    std::optional<ScopedWorkspace> workspace;
};

Scene sample(const char* name) {
    Scene scene;
    scene.name = name;
    std::string error;
    scene.workspace = ScopedWorkspace::createForTool(&error);
    if (!scene.workspace) {
        std::fprintf(stderr, "no workspace: %s\n", error.c_str());
        std::exit(1);
    }
    scene.g.workDir = scene.workspace->path().string();
    const char* source = std::getenv("FULGRANE3D_SOURCE_DIR");
    const fs::path file = fs::path(source ? source : ".") / "resources" / "samples" / (std::string(name) + ".nbx");
    const OpenProjectResult opened = openProjectForTool(scene.g, file.string());
    if (!opened.ok) {
        std::fprintf(stderr, "cannot open %s: %s\n", file.c_str(), opened.message.sourceText().c_str());
        std::exit(1);
    }
    return scene;
}

// The preview benchmarks' scene, two images once about 10 000 particles live.
Scene tenThousand() {
    Scene scene;
    scene.name = "10k";
    scene.g = bench::tenThousandParticles();
    std::string error;
    scene.workspace = ScopedWorkspace::createForTool(&error);
    scene.g.workDir = scene.workspace ? scene.workspace->path().string() : fs::temp_directory_path().string();
    scene.g.project.width = 128;
    scene.g.project.height = 128;
    scene.g.write.start = bench::kSceneLife;
    scene.g.write.end = bench::kSceneLife + 5;
    scene.g.write.step = 5;
    scene.g.write.width = 2;
    scene.g.write.smooth = 2;
    return scene;
}

void exportSheet(benchmark::State& state, HeadlessRenderer& gl, Scene& scene, ExportMethod method, ComposeRoute route) {
    if (!gl.renderer->supportsExportMethod(method)) {
        state.SkipWithError("this GL context cannot run the method");
        return;
    }
    std::vector<std::string> problems = loadWorkspaceMaterials(gl.renderer->assets(), scene.g.workDir);
    ExportRequest request;
    WriteSettings write = scene.g.write;
    acceptExportSettings(write, scene.g.project, request.plan);
    request.destination = (fs::path(scene.g.workDir) / "bench-sheet.png").string();
    gl.renderer->setExportMethod(method);
    for (auto _ : state) {
        const ExportOutcome outcome = runExportPipeline(*gl.renderer, scene.g, request, route);
        if (!outcome.ok()) state.SkipWithError(outcome.error.sourceText().c_str());
    }
    gl.renderer->setExportMethod(ExportMethod::Fast);
    state.counters["images"] = request.plan.imageCount;
    state.counters["copies_last_image"] = gl.renderer->exportCopies();
    state.counters["barriers_last_image"] = gl.renderer->exportBarriers();
    fs::remove_all(fs::path(scene.g.workDir) / "render");
}

// Collects each benchmark's time per iteration and, after the run, prints
// every group ("export/fire") as times and ratios against its reference
// ("copies", "files").
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Plain text: the table is meant to be pasted into notes.
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations == 0 || run.run_type != Run::RT_Iteration) continue;
            const std::string& name = run.run_name.function_name;
            const std::size_t cut = name.rfind('/');
            // GetAdjustedRealTime is in the run's unit: milliseconds here.
            m_times[name.substr(0, cut)].push_back({name.substr(cut + 1), run.GetAdjustedRealTime()});
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-22s %-10s %12s %8s\n", "group", "method", "ms", "ratio");
        for (const auto& [group, entries] : m_times) {
            const double reference = entries.front().ms;
            for (const Entry& entry : entries) {
                std::printf("%-22s %-10s %12.1f %8.3f\n", group.c_str(), entry.variant.c_str(), entry.ms,
                            entry.ms / reference);
            }
        }
    }

private:
    struct Entry {
        std::string variant;
        double ms;
    };
    std::map<std::string, std::vector<Entry>> m_times;
};

}  // namespace
}  // namespace fg

int main(int argc, char** argv) {
    using namespace fg;
    benchmark::Initialize(&argc, argv);
    HeadlessRenderer gl;
    std::vector<std::unique_ptr<Scene>> scenes;
    for (const char* name : {"fire", "sparkle", "magic_circle"})
        scenes.push_back(std::make_unique<Scene>(sample(name)));
    scenes.push_back(std::make_unique<Scene>(tenThousand()));

    struct Method {
        const char* name;
        ExportMethod method;
    };
    // The reference first: the ratios are taken against it.
    const Method methods[] = {{"copies", ExportMethod::CopyAfterEverySubMesh},
                              {"fetch", ExportMethod::FramebufferFetch},
                              {"barrier", ExportMethod::TextureBarrier}};
    for (const auto& scene : scenes) {
        for (const Method& method : methods) {
            const std::string name = "export/" + scene->name + "/" + method.name;
            benchmark::RegisterBenchmark(name.c_str(),
                                         [&gl, &scene = *scene, method](benchmark::State& state) {
                                             exportSheet(state, gl, scene, method.method, ComposeRoute::InMemory);
                                         })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(2.0);
        }
    }
    for (const auto& scene : scenes) {
        if (scene->name == "10k") continue;
        for (const auto& [route, routeName] :
             {std::pair{ComposeRoute::IntermediateFiles, "files"}, std::pair{ComposeRoute::InMemory, "memory"}}) {
            const std::string name = "compose/" + scene->name + "/" + routeName;
            benchmark::RegisterBenchmark(name.c_str(),
                                         [&gl, &scene = *scene, route](benchmark::State& state) {
                                             exportSheet(state, gl, scene, ExportMethod::Fast, route);
                                         })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(2.0);
        }
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
