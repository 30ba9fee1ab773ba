#include "render/export/ExportFrames.h"

#include <QImage>
#include <QString>
#include <system_error>

#include "render/RenderTarget.h"
#include "render/export/SheetComposer.h"

namespace fg {

std::filesystem::path exportRenderFolder(const std::filesystem::path& workDir) { return workDir / "render"; }

namespace {

// Steps `count` times; true when a step restarted the effect (then it stops there).
bool stepFrames(Simulation& simulation, int count) {
    for (int i = 0; i < count; ++i) {
        if (simulation.step()) return true;
    }
    return false;
}

}  // namespace

ExportFramesResult exportFrames(Renderer& renderer, Simulation& simulation, Camera camera, const ExportPlan& plan,
                                const std::filesystem::path& workDir, const ExportProgress& progress) {
    ExportFramesResult result;
    ProjectSettings renderSize = simulation.project();
    renderSize.width = plan.renderWidth();
    renderSize.height = plan.renderHeight();
    camera.updateMatricesForExport(renderSize);

    RenderTarget target(plan.renderWidth(), plan.renderHeight());
    RenderTarget copy(plan.renderWidth(), plan.renderHeight());
    const std::filesystem::path folder = exportRenderFolder(workDir);
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);

    simulation.restart();
    const int total = 2 * plan.imageCount;
    int done = 0;
    // The first image shows the frame the preview counter calls `start`.
    const auto start = static_cast<std::uint32_t>(plan.start);
    const auto end = static_cast<std::uint32_t>(plan.end);
    while (simulation.frame() <= start) {
        if (simulation.step()) break;
    }

    bool cancelRequested = false;
    for (int k = 0;; ++k) {
        renderer.renderExportImage(simulation, camera, target, copy, [&] {
            if (progress && !progress(++done, total)) cancelRequested = true;
        });
        const std::filesystem::path file = intermediateFramePath(folder, k);
        if (!target.readImage().save(QString::fromStdString(file.string()), "PNG")) {
            result.error = std::string(export_text::kIntermediateFailed) + "\n" + file.string();
            return result;
        }
        result.lastIndex = k;
        const bool restarted = stepFrames(simulation, plan.step);
        if (restarted || simulation.frame() > end + 1) break;
        // Cancelling takes effect between images; the files written so far stay.
        if (cancelRequested) {
            result.cancelled = true;
            break;
        }
    }
    return result;
}

}  // namespace fg
