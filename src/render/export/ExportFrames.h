#pragma once
// The export's render stage: restarts the effect, steps to the first
// exported frame and renders every image of the range offscreen at the
// supersampled size into numbered PNG files in the workspace's render folder.

#include <filesystem>
#include <functional>
#include <string>

#include "render/Renderer.h"
#include "render/camera/Camera.h"
#include "render/export/ExportSettings.h"
#include "simulation/Simulation.h"

namespace fg {

// Called after each culling pass of each image with (done, total); total is
// 2 × the image count. Returning false cancels before the next image.
using ExportProgress = std::function<bool(int done, int total)>;

struct ExportFramesResult {
    int lastIndex = -1;      // the last image written, -1 for none
    bool cancelled = false;
    std::string error;       // empty unless an intermediate file could not be written
    bool ok() const { return error.empty() && !cancelled && lastIndex >= 0; }
};

namespace export_text {
inline constexpr const char* kIntermediateFailed = "書き出し用の中間ファイルを保存できませんでした。";
}

// The render folder inside a workspace.
std::filesystem::path exportRenderFolder(const std::filesystem::path& workDir);

// Needs a current GL context. `camera` is the view's camera; its matrices are
// computed here for the exported frame's aspect.
ExportFramesResult exportFrames(Renderer& renderer, Simulation& simulation, Camera camera, const ExportPlan& plan,
                                const std::filesystem::path& workDir, const ExportProgress& progress = {});

}  // namespace fg
