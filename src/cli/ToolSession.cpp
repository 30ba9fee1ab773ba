#include "cli/ToolSession.h"

#include <cstdio>
#include <vector>

#include "persistence/OpenProject.h"
#include "render/WorkspaceMaterials.h"
#include "render/camera/CameraControl.h"
#include "text/Format.h"

namespace fg::cli {
namespace {

void loadMaterials(const char* command, const EditorState& g, DrawAssets& assets) {
    for (const std::string& problem : loadWorkspaceMaterials(assets, g.workDir)) {
        std::fprintf(stderr, "fulgrane3d-cli %s: %s\n", command, problem.c_str());
    }
}

}  // namespace

std::unique_ptr<OpenedProject> openToolProject(const std::string& path, std::optional<int> fileVersionOverride) {
    std::string error;
    std::optional<ScopedWorkspace> workspace = ScopedWorkspace::createForTool(&error);
    if (!workspace) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return nullptr;
    }
    auto opened = std::make_unique<OpenedProject>(OpenedProject{std::move(*workspace), EditorState{}});
    opened->g.workDir = opened->workspace.path().string();
    const OpenProjectResult result = openProjectForTool(opened->g, path, fileVersionOverride);
    if (!result.ok) {
        std::fprintf(stderr, "%s\n", text::formatUtf8(result.message).c_str());
        return nullptr;
    }
    return opened;
}

std::optional<HeadlessRenderer> createHeadlessRenderer(const char* command, const EditorState& g) {
    HeadlessRenderer headless;
    std::string error;
    headless.context = EglContext::create(&error);
    if (!headless.context) {
        std::fprintf(stderr, "fulgrane3d-cli %s: %s\n", command, error.c_str());
        return std::nullopt;
    }
    RenderError failure;
    headless.renderer = Renderer::create(&failure);
    if (!headless.renderer) {
        const std::string message = text::formatUtf8(failure.message);
        if (failure.caption.empty()) std::fprintf(stderr, "%s\n", message.c_str());
        else std::fprintf(stderr, "%s: %s\n", text::formatUtf8(failure.caption).c_str(), message.c_str());
        return std::nullopt;
    }
    loadMaterials(command, g, headless.renderer->assets());
    return headless;
}

Camera projectCamera(const EditorState& g) { return placedCamera(g.camera); }

}  // namespace fg::cli
