#pragma once
// The checks an export passes before anything is rendered, the same for the
// dialog and the command-line tool: the range, a name that can hold an
// animation, and no output over the files the project was read from.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/EditorState.h"
#include "model/Message.h"
#include "model/TextTemplate.h"
#include "render/export/EngineExportOptions.h"
#include "render/export/ExportPipeline.h"

namespace fg {

namespace export_text {
inline constexpr const char* kExportCaption = FG_TRANSLATE_NOOP("fg::export_text", "書き出し");
inline constexpr const char* kAnimationNeedsFormat =
    FG_TRANSLATE_NOOP("fg::export_text", "アニメーションはGIF（.gif）、WebP（.webp）、APNG（.apng、.png）、MP4（.mp4）かWebM（.webm）で保存してください。");
inline constexpr const char* kStillNeedsFormat =
    FG_TRANSLATE_NOOP("fg::export_text", "%1 のファイルにはアニメーションしか保存できません。"
                                         "「アニメーション（GIF/WebP/APNG/MP4/WebM）で保存」を選ぶか、"
                                         "静止画の拡張子（.png など）にしてください。");
}  // namespace export_text

// What the caller chose for one export, beyond the project's own settings.
struct ExportOptions {
    std::string destination;
    EngineExportOptions engine;
    // Files no output may replace: the project the export is made from.
    std::vector<std::filesystem::path> sources;
    // The live-particle limit of the export's simulation; nothing: the default.
    std::optional<std::uint32_t> particleLimit;
};

// Why an export does not start, in the order the checks run.
enum class ExportRefusalCode {
    StartAfterEnd,
    BadStart,
    BadEnd,
    NotAnAnimationName,  // an animation asked for with a still picture's name
    OnlyAnAnimationName,  // still pictures asked for with a name only an animation can have
    OverwritesSource,
};

struct ExportRefusal {
    ExportRefusalCode code;
    Message caption;  // empty: the message box has no caption
    Message message;
    friend bool operator==(const ExportRefusal&, const ExportRefusal&) = default;
};

// An export ready to run: the document as exported (its export settings as
// accepted: the frames per row clamped to the image count and the rows they
// need) and what it renders and writes.
struct ExportTask {
    EditorState document;
    ExportRequest request;
    // Progress steps: two culling passes per image.
    int total() const { return 2 * request.plan.imageCount; }
};

using PreparedExport = std::variant<ExportTask, ExportRefusal>;

// Checks `document`'s export settings with `options`; the document is copied.
PreparedExport prepareExport(const EditorState& document, const ExportOptions& options);

}  // namespace fg
