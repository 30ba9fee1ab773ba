#pragma once
// The last export stage: the supersampled frames are scaled down and written
// as one sheet, as numbered separate files or as one animated file. Frames
// come one at a time, straight from the renderer or read back from the
// intermediate files.

#include <QImage>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/Vec3.h"
#include "render/export/ExportSettings.h"
#include "render/export/IntermediateFrames.h"

namespace fg {

struct ComposeRequest {
    std::filesystem::path renderDir;  // holds 00000.png, 00001.png, ... (composeExport only)
    // The last intermediate image written; for a FrameComposer, the last
    // index that may come (the outputs it may write are guarded up to it).
    int lastIndex = 0;
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

// The composition fed frame by frame in index order, as the renderer makes
// them: each frame is scaled into its cell of the sheet, into a file of its
// own or into the animation and then let go, so the memory holds the output
// picture and one frame, however many frames there are. The files are the
// ones composeExport writes from the same frames, byte for byte.
class FrameComposer {
public:
    // Guards the outputs up to request.lastIndex and prepares the sheet or
    // the animation; null with failure->error set when an output would
    // replace a source, the animation cannot begin or there is no memory
    // for the sheet.
    static std::unique_ptr<FrameComposer> begin(const ComposeRequest& request, ComposeResult* failure);
    ~FrameComposer();

    // The next frame at the render size, straight (non-premultiplied) alpha
    // in any 8-bit RGBA format; handed over alone (moved in), it is
    // converted in place. Empty on success; after a failure the composer
    // takes nothing more.
    [[nodiscard]] Message add(QImage frame);
    // Writes the sheet or the animation (separate files are written as
    // they come) and the metadata.
    ComposeResult finish();
    // The files written so far, in order.
    const std::vector<std::string>& written() const;

private:
    struct State;
    explicit FrameComposer(std::unique_ptr<State> state);
    std::unique_ptr<State> m_state;
};

}  // namespace fg
