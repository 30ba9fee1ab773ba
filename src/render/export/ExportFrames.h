#pragma once
// The export's render stage: restarts the effect, steps to the first
// exported frame and renders every image of the range offscreen at the
// supersampled size, handing each to the composition as it is drawn or
// writing it into a numbered PNG file in the workspace's render folder.

#include <QImage>
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

// Takes image `index` (0, 1, … in order) as rendered: the render size,
// straight RGBA, handed over alone so that it can be converted in place. A
// non-empty message stops the export with that error.
using ExportFrameSink = std::function<Message(int index, QImage frame)>;

struct [[nodiscard]] ExportFramesResult {
    int lastIndex = -1;      // the last image handed over (written), -1 for none
    bool cancelled = false;
    // Empty unless the targets could not be made, a frame could not be drawn
    // or an intermediate file could not be written: the text to show.
    Message error;
    bool ok() const { return error.empty() && !cancelled && lastIndex >= 0; }
};

namespace export_text {
// Each with the reason on its second line.
inline constexpr const char* kTargetFailed = FG_TRANSLATE_NOOP("fg::export_text", "書き出し用レンダーターゲット作成失敗\n%1");
inline constexpr const char* kCopyTargetFailed =
    FG_TRANSLATE_NOOP("fg::export_text", "書き出し用レンダーターゲット（コピー用）作成失敗\n%1");
inline constexpr const char* kDrawFailed = FG_TRANSLATE_NOOP("fg::export_text", "書き出し用の画像を描画できませんでした。\n%1");
inline constexpr const char* kTooLarge = FG_TRANSLATE_NOOP(
    "fg::export_text",
    "１フレームの解像度×滑らかさ（%1×%2ピクセル）が、この環境で描画できる大きさ（%3×%4ピクセル）を超えています。");
}

// Why frames of w × h pixels cannot be rendered here, in the dialog's words.
Message targetTooLargeReason(int width, int height, int maxWidth, int maxHeight);

// The render folder inside a workspace.
std::filesystem::path exportRenderFolder(const std::filesystem::path& workDir);

// Needs a current GL context. `camera` is the view's camera; its matrices are
// computed here for the exported frame's aspect. Fails, before rendering
// anything, when the supersampled size is above what the context can draw
// into, and at the first frame that leaves a GL error or that `sink` refuses.
ExportFramesResult renderExportFrames(Renderer& renderer, Simulation& simulation, Camera camera,
                                      const ExportPlan& plan, const ExportFrameSink& sink,
                                      const ExportProgress& progress = {});

// The same into the intermediate files of the render folder of `workDir`
// (made at the first image).
ExportFramesResult exportFrames(Renderer& renderer, Simulation& simulation, Camera camera, const ExportPlan& plan,
                                const std::filesystem::path& workDir, const ExportProgress& progress = {});

}  // namespace fg
