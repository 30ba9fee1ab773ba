#include "export-service/ExportPreparation.h"

#include "render/export/ExportFormat.h"
#include "render/export/ExportSettings.h"
#include "render/export/ExportText.h"

namespace fg {
namespace {

ExportRefusalCode rangeCode(ExportRangeProblem problem) {
    switch (problem) {
    case ExportRangeProblem::StartAfterEnd: return ExportRefusalCode::StartAfterEnd;
    case ExportRangeProblem::BadStart: return ExportRefusalCode::BadStart;
    case ExportRangeProblem::BadEnd: break;
    }
    return ExportRefusalCode::BadEnd;
}

}  // namespace

PreparedExport prepareExport(const EditorState& document, const ExportOptions& options) {
    ExportTask task{copyOf(document), {}};
    ExportRequest& request = task.request;
    if (auto error = acceptExportSettings(task.document.write, task.document.project, request.plan)) {
        return ExportRefusal{rangeCode(error->problem), std::move(error->caption), std::move(error->message)};
    }
    request.plan.engine = options.engine;
    // Only the animation formats hold an animation; any other name would
    // quietly give still pictures instead of the animation asked for.
    if (options.engine.animated && animationFormatFor(fileExtension(options.destination)) == nullptr) {
        return ExportRefusal{ExportRefusalCode::NotAnAnimationName, exportMessage(export_text::kExportCaption),
                             exportMessage(export_text::kAnimationNeedsFormat)};
    }
    // Nor can still pictures go under a video's or an animation's name.
    if (const std::string extension = fileExtension(options.destination);
        !options.engine.animated && onlyAnimationName(extension)) {
        return ExportRefusal{ExportRefusalCode::OnlyAnAnimationName, exportMessage(export_text::kExportCaption),
                             exportMessage(export_text::kStillNeedsFormat).arg(extension)};
    }
    request.destination = options.destination;
    request.sources = options.sources;
    request.particleLimit = options.particleLimit;
    // Refused before a GL context is made; the composer checks again with
    // the names it really writes.
    if (auto refused = exportOverwriteError(request)) {
        return ExportRefusal{ExportRefusalCode::OverwritesSource, Message(), std::move(*refused)};
    }
    return task;
}

}  // namespace fg
