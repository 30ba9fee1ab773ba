#pragma once
// The export dialog's arithmetic and checks, free of widgets: the image
// count, the proposed frames per row, the OK validation and the layout the
// export then uses.

#include <optional>
#include <string>

#include "model/ProjectSettings.h"
#include "render/export/EngineExportOptions.h"
#include "model/TextTemplate.h"
#include "render/export/ExportText.h"

namespace fg {

namespace export_text {
inline constexpr const char* kFixCaption = FG_TRANSLATE_NOOP("fg::export_text", "設定を修正してください。");
inline constexpr const char* kStartAfterEnd =
    FG_TRANSLATE_NOOP("fg::export_text", "開始フレームが終了フレームより大きくなっています");
inline constexpr const char* kBadStart = FG_TRANSLATE_NOOP("fg::export_text", "開始フレームが正しくありません");
inline constexpr const char* kBadEnd = FG_TRANSLATE_NOOP("fg::export_text", "終了フレームが正しくありません");
// The information line: the image count; for a sheet also its size.
inline constexpr const char* kInfoFiles = FG_TRANSLATE_NOOP("fg::export_text", "%1枚");
inline constexpr const char* kInfoSheet = FG_TRANSLATE_NOOP("fg::export_text", "%1コマ　%2×%3ピクセル");
}  // namespace export_text

// Spin ranges of the dialog.
inline constexpr int kMinFrameSize = 4;
inline constexpr int kMaxFrameSize = 2048;
inline constexpr int kMinSmooth = 1;
inline constexpr int kMaxSmooth = 6;
// The last frame an export may reach: the longest effect the project
// settings let one make. A larger frame count read from a file would
// otherwise keep an export running for days.
inline constexpr int kMaxExportFrame = 9999;

// Number of exported images: ⌈(end − start + 1) / step⌉ as the dialog computes it.
int exportImageCount(int start, int end, int step);

// Frames per row proposed when start, end or step change: ⌊√((end − start + 1) / step)⌋
// with integer division inside the root; at least 1, so a sheet always has a column.
int proposedColumns(int start, int end, int step);

// Rows of a sheet: ⌈n / columns⌉, at least 1, and 0 when end < start.
int sheetRows(int imageCount, int columns, int start, int end);

// The dialog's information line: kInfoFiles for separate files, otherwise
// kInfoSheet with the sheet's size; kStartAfterEnd while the range is upside down.
Message exportInfoLine(const WriteSettings& write, const ProjectSettings& project);

// Values the dialog repairs as it opens and after every command.
void normaliseExportSettings(WriteSettings& write);

// What is wrong with a range, in the order the checks run.
enum class ExportRangeProblem { StartAfterEnd, BadStart, BadEnd };

struct ExportSettingsError {
    ExportRangeProblem problem;
    Message message;
    Message caption = exportMessage(export_text::kFixCaption);
    friend bool operator==(const ExportSettingsError&, const ExportSettingsError&) = default;
};

// The OK checks in the dialog's order; nothing when the range is good. An end
// beyond kMaxExportFrame is refused like one beyond the effect.
std::optional<ExportSettingsError> validateExportRange(const WriteSettings& write, int projectFrames);

// What one export renders and writes, fixed when the dialog is accepted.
struct ExportPlan {
    int start = 1;
    int end = 1;
    int step = 1;
    int imageCount = 1;
    int columns = 1;
    int rows = 1;
    bool separateFiles = false;
    bool transparent = true;
    int smooth = 1;
    int frameWidth = 128;   // one frame as written
    int frameHeight = 128;
    EngineExportOptions engine;  // nothing chosen: the plain sequence
    int renderWidth() const { return frameWidth * smooth; }   // supersampled target
    int renderHeight() const { return frameHeight * smooth; }
};

// Accepts the dialog: validates, clamps the frames per row to the image count,
// derives the rows (written back into write.height) and returns the plan.
// Frame sizes and smoothing outside the dialog's ranges are clamped to them.
std::optional<ExportSettingsError> acceptExportSettings(WriteSettings& write, const ProjectSettings& project,
                                                        ExportPlan& plan);

}  // namespace fg
