#pragma once
// One export from start to end, as the editor and the command-line tool both
// run it: the output guard, the render stage and the composition into the
// chosen file or files. Frames go from the renderer straight into the
// composition; only a sheet too large to sit in memory beside the render
// targets goes through intermediate files in the workspace's render folder.
// Free of GL headers, so that widget code can include it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/EditorState.h"
#include "model/Message.h"
#include "render/export/ExportSettings.h"

namespace fg {

class Renderer;

struct ExportRequest {
    ExportPlan plan;                  // from acceptExportSettings
    std::string destination;          // the path the user chose
    // Files no output may replace: the project the export was made from.
    std::vector<std::filesystem::path> sources;
    // The live-particle limit of the export's simulation; nothing: the
    // simulation's own default.
    std::optional<std::uint32_t> particleLimit;
};

struct [[nodiscard]] ExportOutcome {
    Message error;                     // empty on success: the text to show
    bool cancelled = false;            // stopped through the progress callback
    std::vector<std::string> written;  // the files written, in order
    // Spawns the particle limit skipped, and the limit that was in force.
    std::uint64_t skippedSpawns = 0;
    std::uint32_t particleLimit = 0;
    bool ok() const { return error.empty() && !cancelled; }
};

// (done, total) after each culling pass of each image; false cancels.
using ExportProgressCallback = std::function<bool(int done, int total)>;

// The message when an output of `request` would replace one of its sources.
std::optional<Message> exportOverwriteError(const ExportRequest& request);

// How the frames reach the composition.
enum class ComposeRoute {
    InMemory,           // each frame straight into the sheet or file as it is rendered
    IntermediateFiles,  // all frames into the render folder, then composed from there
};

// The largest sheet composed while the frames are rendered. In memory the
// sheet comes on top of the render stage (targets and one frame); a larger
// sheet goes through the files, so that the render targets are released
// before it is made and the two never take memory at once.
inline constexpr std::int64_t kInMemorySheetLimit = std::int64_t{512} << 20;  // bytes

// InMemory unless the sheet takes more than kInMemorySheetLimit; animations
// hold one frame's picture and always compose in memory. Separate files go
// through the render folder: they replace files of the destination's name
// only once every frame has been rendered, as a cancelled export must leave
// those files as they were.
ComposeRoute composeRouteFor(const ExportPlan& plan);

// Renders and composes with `renderer`, whose context is current and which
// holds the project's materials. `g` is read only: the export steps a
// simulation of its own from it.
ExportOutcome runExportPipeline(Renderer& renderer, const EditorState& g, const ExportRequest& request,
                                const ExportProgressCallback& progress = {});
// The same along a chosen route (tests and benchmarks compare them).
ExportOutcome runExportPipeline(Renderer& renderer, const EditorState& g, const ExportRequest& request,
                                ComposeRoute route, const ExportProgressCallback& progress = {});

// The same in a headless GL context of its own, made (and the materials of
// g.workDir loaded) on the calling thread, so that an export can run beside
// the editor's view. Materials that cannot be loaded are listed in
// `materialProblems` and drawn as missing, as the view draws them.
ExportOutcome runHeadlessExport(const EditorState& g, const ExportRequest& request,
                                const ExportProgressCallback& progress = {},
                                std::vector<std::string>* materialProblems = nullptr);

}  // namespace fg
