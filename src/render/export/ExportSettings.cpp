#include "render/export/ExportSettings.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace fg {

namespace {

// The frames from start to end, both included: 64-bit, as any two ints may be read from a file.
std::int64_t frameSpan(int start, int end) { return std::int64_t{end} - start + 1; }

ExportSettingsError rangeError(ExportRangeProblem problem, const char* source) {
    return ExportSettingsError{problem, exportMessage(source)};
}

int clampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

int exportImageCount(int start, int end, int step) {
    step = std::max(step, 1);
    const double count = static_cast<double>(frameSpan(start, end)) / step + 0.9999;
    return static_cast<int>(std::clamp(count, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

int proposedColumns(int start, int end, int step) {
    step = std::max(step, 1);
    const std::int64_t perRow = frameSpan(start, end) / step;
    if (perRow < 1) return 1;
    return std::max(static_cast<int>(std::sqrt(static_cast<double>(perRow))), 1);
}

int sheetRows(int imageCount, int columns, int start, int end) {
    if (end < start) return 0;
    columns = std::max(columns, 1);
    return std::max(clampToInt((std::int64_t{imageCount} + columns - 1) / columns), 1);
}

Message exportInfoLine(const WriteSettings& write, const ProjectSettings& project) {
    // A count of "-2" images would only puzzle: say what OK will refuse.
    if (write.end < write.start) return exportMessage(export_text::kStartAfterEnd);
    const int n = exportImageCount(write.start, write.end, write.step);
    if (write.type == 1) return exportMessage(export_text::kInfoFiles).arg(std::to_string(n));
    const int columns = std::max(write.width, 1);
    const int rows = sheetRows(n, columns, write.start, write.end);
    return exportMessage(export_text::kInfoSheet)
        .arg(std::to_string(n))
        .arg(std::to_string(std::int64_t{columns} * project.width))
        .arg(std::to_string(std::int64_t{rows} * project.height));
}

void normaliseExportSettings(WriteSettings& write) {
    if (write.smooth == 0) write.smooth = 1;
    if (write.step == 0) write.step = 1;
}

std::optional<ExportSettingsError> validateExportRange(const WriteSettings& write, int projectFrames) {
    if (write.end < write.start) return rangeError(ExportRangeProblem::StartAfterEnd, export_text::kStartAfterEnd);
    if (write.start == 0) return rangeError(ExportRangeProblem::BadStart, export_text::kBadStart);
    if (write.end == 0 || write.end > projectFrames || write.end > kMaxExportFrame) {
        return rangeError(ExportRangeProblem::BadEnd, export_text::kBadEnd);
    }
    return std::nullopt;
}

std::optional<ExportSettingsError> acceptExportSettings(WriteSettings& write, const ProjectSettings& project,
                                                        ExportPlan& plan) {
    normaliseExportSettings(write);
    if (auto error = validateExportRange(write, project.frame)) return error;
    // A negative start would render frames before the effect begins: treat it
    // like the zero the dialog already refuses.
    if (write.start < 0) return rangeError(ExportRangeProblem::BadStart, export_text::kBadStart);
    // Steps beyond any range the end allows give the same single image; the
    // bound keeps the dialog's rounding from counting none.
    write.step = std::clamp(write.step, 1, kMaxExportFrame);

    const int n = exportImageCount(write.start, write.end, write.step);
    write.width = std::clamp(write.width, 1, n);
    write.height = sheetRows(n, write.width, write.start, write.end);

    plan.start = write.start;
    plan.end = write.end;
    plan.step = write.step;
    plan.imageCount = n;
    plan.columns = write.width;
    plan.rows = write.height;
    plan.separateFiles = write.type == 1;
    plan.transparent = write.isAlpha != 0;
    plan.smooth = std::clamp(write.smooth, kMinSmooth, kMaxSmooth);
    plan.frameWidth = std::clamp(project.width, kMinFrameSize, kMaxFrameSize);
    plan.frameHeight = std::clamp(project.height, kMinFrameSize, kMaxFrameSize);
    return std::nullopt;
}

}  // namespace fg
