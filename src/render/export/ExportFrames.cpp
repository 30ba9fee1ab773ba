#include "render/export/ExportFrames.h"

#include <QImage>
#include <cstdio>
#include <memory>
#include <system_error>

#include "render/RenderTarget.h"
#include "render/export/IntermediateFrames.h"
#include "simulation/LoopWarmUp.h"

namespace fg {

std::filesystem::path exportRenderFolder(const std::filesystem::path& workDir) { return workDir / "render"; }

Message targetTooLargeReason(int width, int height, int maxWidth, int maxHeight) {
    return exportMessage(export_text::kTooLarge)
        .arg(std::to_string(width))
        .arg(std::to_string(height))
        .arg(std::to_string(maxWidth))
        .arg(std::to_string(maxHeight));
}

namespace {

// Steps `count` times; true when a step restarted the effect (then it stops there).
bool stepFrames(Simulation& simulation, int count) {
    for (int i = 0; i < count; ++i) {
        if (simulation.step()) return true;
    }
    return false;
}

// Both targets at the render size, or the message for the first that fails.
struct ExportTargets {
    std::unique_ptr<RenderTarget> target;
    std::unique_ptr<RenderTarget> copy;
    Message error;
};

ExportTargets makeTargets(int width, int height) {
    ExportTargets made;
    const TargetLimits limits = currentTargetLimits();
    if (width > limits.maxWidth || height > limits.maxHeight) {
        made.error = exportMessage(export_text::kTargetFailed)
                         .arg(targetTooLargeReason(width, height, limits.maxWidth, limits.maxHeight));
        return made;
    }
    std::string problem;
    made.target = RenderTarget::create(width, height, &problem);
    if (!made.target) {
        made.error = exportMessage(export_text::kTargetFailed).arg(problem);
        return made;
    }
    made.copy = RenderTarget::create(width, height, &problem);
    if (!made.copy) made.error = exportMessage(export_text::kCopyTargetFailed).arg(problem);
    return made;
}

// The drawn frame read back, or a null image with *error set when the GL
// reported a problem on the way or there is no memory for the picture.
QImage finishedFrame(const RenderTarget& target, Message* error) {
    QImage frame = target.readImage();
    std::string problem = takeGlErrors();
    if (problem.empty() && frame.isNull()) problem = "no memory for the picture";
    if (problem.empty()) return frame;
    *error = exportMessage(export_text::kDrawFailed).arg(problem);
    return {};
}

}  // namespace

ExportFramesResult exportFrames(Renderer& renderer, Simulation& simulation, Camera camera, const ExportPlan& plan,
                                const std::filesystem::path& workDir, const ExportProgress& progress) {
    const std::filesystem::path folder = exportRenderFolder(workDir);
    const auto writeFile = [&](int index, const QImage& frame) {
        if (index == 0) {
            std::error_code ignored;
            // A folder that cannot be made shows as the first frame's failed write.
            std::filesystem::create_directories(folder, ignored);
        }
        return writeIntermediateFrame(frame, intermediateFramePath(folder, index));
    };
    return renderExportFrames(renderer, simulation, camera, plan, writeFile, progress);
}

ExportFramesResult renderExportFrames(Renderer& renderer, Simulation& simulation, Camera camera,
                                      const ExportPlan& plan, const ExportFrameSink& sink,
                                      const ExportProgress& progress) {
    ExportFramesResult result;
    ProjectSettings renderSize = simulation.project();
    renderSize.width = plan.renderWidth();
    renderSize.height = plan.renderHeight();
    camera.updateMatricesForExport(renderSize);

    ExportTargets targets = makeTargets(plan.renderWidth(), plan.renderHeight());
    if (!targets.error.empty()) {
        result.error = targets.error;
        return result;
    }

    simulation.restart();
    if (plan.engine.loop) {
        // The pass shown is one that repeats; its first step is the wrap.
        warmUpLoop(simulation, plan.engine.extraLoopCycles);
        simulation.step();
    }
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
        renderer.renderExportImage(simulation, camera, *targets.target, *targets.copy, [&] {
            if (progress && !progress(++done, total)) cancelRequested = true;
        });
        {
            // Only one frame lives at a time, and the sink owns it.
            QImage frame = finishedFrame(*targets.target, &result.error);
            if (frame.isNull()) return result;
            if (Message error = sink(k, std::move(frame)); !error.empty()) {
                result.error = error;
                return result;
            }
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
