#include "render/export/ExportPipeline.h"

#include "render/EglContext.h"
#include "render/Renderer.h"
#include "render/WorkspaceMaterials.h"
#include "render/camera/CameraControl.h"
#include "render/export/ExportDestinations.h"
#include "render/export/ExportFrames.h"
#include "render/export/SheetComposer.h"
#include "render/export/SheetLayout.h"
#include "render/export/SheetMetadata.h"
#include "simulation/Simulation.h"

namespace fg {

std::optional<Message> exportOverwriteError(const ExportRequest& request) {
    const EngineExportOptions& engine = request.plan.engine;
    std::vector<std::string> outputs = exportOutputPaths(
        request.destination, request.plan.separateFiles && !engine.animated, request.plan.imageCount - 1);
    if (engine.metaJson && !engine.animated) outputs.push_back(metadataPath(request.destination));
    if (const auto hit = outputOverSource(outputs, request.sources)) return overwritesProjectMessage(*hit);
    return std::nullopt;
}

ComposeRoute composeRouteFor(const ExportPlan& plan) {
    // Separate files are written only once every frame is rendered, so a
    // cancelled or failed export never leaves earlier files half replaced.
    if (plan.separateFiles) return ComposeRoute::IntermediateFiles;
    // An animation is encoded into a temporary file that replaces the
    // target only when it is complete.
    if (plan.engine.animated) return ComposeRoute::InMemory;
    const SheetLayout layout = sheetLayout(plan.columns, plan.rows, plan.frameWidth, plan.frameHeight, plan.engine);
    const std::int64_t sheetBytes = layout.width * layout.height * 4;
    return sheetBytes <= kInMemorySheetLimit ? ComposeRoute::InMemory : ComposeRoute::IntermediateFiles;
}

ExportOutcome runExportPipeline(Renderer& renderer, const EditorState& g, const ExportRequest& request,
                                const ExportProgressCallback& progress) {
    return runExportPipeline(renderer, g, request, composeRouteFor(request.plan), progress);
}

ExportOutcome runExportPipeline(Renderer& renderer, const EditorState& g, const ExportRequest& request,
                                ComposeRoute route, const ExportProgressCallback& progress) {
    ExportOutcome outcome;
    // Refused before the frames are rendered; the composer checks again with
    // the names it really writes.
    if (auto error = exportOverwriteError(request)) {
        outcome.error = std::move(*error);
        return outcome;
    }
    ComposeRequest compose;
    compose.renderDir = exportRenderFolder(g.workDir);
    compose.plan = request.plan;
    compose.backColor = g.project.backColor;
    compose.fps = g.project.fps;
    compose.destination = request.destination;
    compose.sources = request.sources;

    std::unique_ptr<FrameComposer> composer;
    if (route == ComposeRoute::InMemory) {
        // Every image the plan may render can come.
        compose.lastIndex = request.plan.imageCount - 1;
        ComposeResult failed;
        composer = FrameComposer::begin(compose, &failed);
        if (!composer) {
            outcome.error = std::move(failed.error);
            return outcome;
        }
    }

    Simulation simulation(g);
    if (request.particleLimit) simulation.setParticleLimit(*request.particleLimit);
    const Camera camera = placedCamera(g.camera);
    const ExportFramesResult frames =
        composer ? renderExportFrames(
                       renderer, simulation, camera, request.plan,
                       [&](int, QImage frame) { return composer->add(std::move(frame)); }, progress)
                 : exportFrames(renderer, simulation, camera, request.plan, g.workDir, progress);
    outcome.skippedSpawns = simulation.skippedSpawns();
    outcome.particleLimit = simulation.particleLimit();
    if (composer) outcome.written = composer->written();
    if (frames.cancelled) {
        outcome.cancelled = true;
        return outcome;
    }
    if (!frames.ok()) {
        outcome.error = frames.error;
        return outcome;
    }

    ComposeResult composed;
    if (composer) {
        composed = composer->finish();
    } else {
        compose.lastIndex = frames.lastIndex;
        composed = composeExport(compose);
    }
    outcome.error = std::move(composed.error);
    outcome.written = std::move(composed.written);
    return outcome;
}

ExportOutcome runHeadlessExport(const EditorState& g, const ExportRequest& request,
                                const ExportProgressCallback& progress, std::vector<std::string>* materialProblems) {
    ExportOutcome outcome;
    std::string contextError;
    const std::unique_ptr<EglContext> context = EglContext::create(&contextError);
    if (!context) {
        outcome.error = Message::verbatim(contextError);
        return outcome;
    }
    RenderError failure;
    const std::unique_ptr<Renderer> renderer = Renderer::create(&failure);
    if (!renderer) {
        // "caption: message", each in the language it is shown in.
        outcome.error = failure.caption.empty()
                            ? failure.message
                            : Message("fg::export_text", "%1: %2").arg(failure.caption).arg(failure.message);
        return outcome;
    }
    std::vector<std::string> problems = loadWorkspaceMaterials(renderer->assets(), g.workDir);
    if (materialProblems) *materialProblems = std::move(problems);
    return runExportPipeline(*renderer, g, request, progress);
}

}  // namespace fg
