#pragma once
// The last export stage: the supersampled intermediate frames are scaled down
// and written as one sheet or as numbered separate files.

#include <filesystem>
#include <string>
#include <vector>

#include "model/Vec3.h"
#include "render/export/ExportSettings.h"
#include "render/export/IntermediateFrames.h"

namespace fg {

struct ComposeRequest {
    std::filesystem::path renderDir;  // holds 00000.png, 00001.png, ...
    int lastIndex = 0;                // the last intermediate image written
    ExportPlan plan;
    Vec3f backColor;                  // 0..255
    std::string destination;          // the path the user chose
    int fps = 60;                     // the project's, for the frame durations of the metadata
    // Files no output may replace: the project the export was made from.
    std::vector<std::filesystem::path> sources;
};

struct [[nodiscard]] ComposeResult {
    Message error;                     // empty on success: the text to show
    std::vector<std::string> written;  // the files written, in order
    bool ok() const { return error.empty(); }
};

namespace export_text {
// The file on the second line, the reason on the third.
inline constexpr const char* kSaveFailed = FG_TRANSLATE_NOOP("fg::export_text", "画像ファイルを保存できませんでした。\n%1\n%2");
}

// The options of plan.engine change the layout (padding, extruded edges,
// power-of-two sides), add the metadata file beside the pictures, or write
// one animated file instead. Nothing is written when an output would replace a source file. Every
// intermediate frame 0 … lastIndex must be there at the render size: one that
// is missing or unreadable fails the export, naming the file.
ComposeResult composeExport(const ComposeRequest& request);

}  // namespace fg
