#include "render/export/SheetComposer.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "persistence/FileBytes.h"
#include "render/BackgroundColor.h"
#include "render/export/ExportDestinations.h"
#include "render/export/ExportFormat.h"
#include "render/export/ExportText.h"
#include "render/export/AnimatedWriter.h"
#include "render/export/CellExtrude.h"
#include "render/export/ImageFileWriter.h"
#include "render/export/SheetLayout.h"
#include "render/export/SheetMetadata.h"

namespace fg {
namespace {

// 96 dots per inch, in dots per metre.
constexpr int kDotsPerMetre = 3780;

// Null when there is no memory for it. The resolution written into the file
// is fixed: left to Qt it follows the process's screen, so the editor and the
// command-line tool would write different bytes for the same picture.
QImage blankCanvas(int width, int height, bool fill, Vec3f backColor) {
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.setDotsPerMeterX(kDotsPerMetre);
    canvas.setDotsPerMeterY(kDotsPerMetre);
    const Rgb8 back = backgroundBytes(backColor);
    canvas.fill(fill ? QColor(back.r, back.g, back.b, 255) : QColor(0, 0, 0, 0));
    return canvas;
}

Message noMemoryFor(std::int64_t width, std::int64_t height) {
    char reason[96];
    std::snprintf(reason, sizeof reason, "no memory for a %lld×%lld picture", static_cast<long long>(width),
                  static_cast<long long>(height));
    return Message::verbatim(reason);
}

// Draws intermediate image `index` scaled into the cell; false with *error
// set when the frame cannot be read back.
bool drawFrame(QPainter& painter, const ComposeRequest& request, int index, int x, int y, Message* error) {
    const ExportPlan& plan = request.plan;
    QImage frame = readIntermediateFrame(intermediateFramePath(request.renderDir, index),
                                         QSize(plan.renderWidth(), plan.renderHeight()), error);
    if (frame.isNull()) return false;
    const int width = plan.frameWidth;
    const int height = plan.frameHeight;
    // Qt's smooth scaling averages the covered source area when shrinking.
    // The large frame is converted in place rather than copied.
    const QImage scaled = frame.size() == QSize(width, height)
                              ? frame
                              : std::move(frame)
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                    .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(QPoint(x, y), scaled);
    return true;
}

Message failure(const std::string& path, Message reason) {
    return exportMessage(export_text::kSaveFailed).arg(path).arg(std::move(reason));
}

// Draws image `index` into its cell and repeats its edges into the padding when asked.
bool drawCell(QImage& canvas, const ComposeRequest& request, const SheetLayout& layout, int cell, int index,
              Message* error) {
    const CellRect rect = layout.frame(cell);
    {
        QPainter painter(&canvas);
        if (!drawFrame(painter, request, index, rect.x, rect.y, error)) return false;
    }
    if (request.plan.engine.extrude) extrudeCell(canvas, rect, layout.padding);
    return true;
}

// Writes the metadata beside the pictures; false with result.error set.
bool writeMetadata(const ComposeRequest& request, const SheetMetadata& metadata, ComposeResult& result) {
    const std::string path = metadataPath(request.destination);
    if (Message error = writeExportBytes(path, metadataJson(metadata)); !error.empty()) {
        result.error = failure(path, std::move(error));
        return false;
    }
    result.written.push_back(path);
    return true;
}

// Frame by frame: each is drawn, handed to the encoder and let go, so the
// memory does not grow with the number of frames.
ComposeResult composeAnimation(const ComposeRequest& request, const ExportFormat& format, bool fill) {
    ComposeResult result;
    const ExportPlan& plan = request.plan;
    AnimationSettings settings;
    settings.step = plan.step;
    settings.fps = request.fps;
    settings.quality = plan.engine.quality;
    const Rgb8 back = backgroundBytes(request.backColor);
    settings.background = qRgba(back.r, back.g, back.b, 255);
    Message error;
    const std::unique_ptr<AnimationWriter> writer =
        format.animation(plan.frameWidth, plan.frameHeight, settings, request.destination, &error);
    if (!writer) {
        result.error = failure(request.destination, std::move(error));
        return result;
    }
    for (int i = 0; i <= request.lastIndex; ++i) {
        QImage canvas = blankCanvas(plan.frameWidth, plan.frameHeight, fill, request.backColor);
        if (canvas.isNull()) {
            result.error = failure(request.destination, noMemoryFor(plan.frameWidth, plan.frameHeight));
            return result;
        }
        {
            QPainter painter(&canvas);
            if (!drawFrame(painter, request, i, 0, 0, &result.error)) return result;
        }
        if (error = writer->add(canvas); !error.empty()) {
            result.error = failure(request.destination, std::move(error));
            return result;
        }
    }
    if (error = writer->finish(); !error.empty()) {
        result.error = failure(request.destination, std::move(error));
        return result;
    }
    result.written.push_back(request.destination);
    return result;
}

}  // namespace

ComposeResult composeExport(const ComposeRequest& request) {
    ComposeResult result;
    const ExportPlan& plan = request.plan;
    const std::string extension = fileExtension(request.destination);
    const ImageFormat format = formatForExtension(extension);
    const bool fill = !keepsTransparentBackground(plan.transparent, extension);
    const EngineExportOptions& engine = plan.engine;
    const ExportFormat* animatedFormat = engine.animated ? animationFormatFor(extension) : nullptr;
    const bool animated = animatedFormat != nullptr;
    std::vector<std::string> outputs =
        exportOutputPaths(request.destination, plan.separateFiles && !animated, request.lastIndex);
    if (engine.metaJson && !animated) outputs.push_back(metadataPath(request.destination));
    if (const auto hit = outputOverSource(outputs, request.sources)) {
        result.error = overwritesProjectMessage(*hit);
        return result;
    }
    // Exports killed between writing and renaming left their temporaries here.
    removeStaleTemporaries(std::vector<std::filesystem::path>(outputs.begin(), outputs.end()));
    if (animated) return composeAnimation(request, *animatedFormat, fill);
    const int durationMs = frameDurationMs(plan.step, request.fps);

    if (plan.separateFiles) {
        const SheetLayout layout = sheetLayout(1, 1, plan.frameWidth, plan.frameHeight, engine);
        const int width = static_cast<int>(std::min<std::int64_t>(layout.width, INT_MAX));
        const int height = static_cast<int>(std::min<std::int64_t>(layout.height, INT_MAX));
        for (int i = 0; i <= request.lastIndex; ++i) {
            QImage canvas = blankCanvas(width, height, fill, request.backColor);
            const std::string& path = outputs[static_cast<std::size_t>(i)];
            if (canvas.isNull()) {
                result.error = failure(path, noMemoryFor(width, height));
                return result;
            }
            if (!drawCell(canvas, request, layout, 0, i, &result.error)) return result;
            if (Message error = writeImageFile(canvas, path, format); !error.empty()) {
                result.error = failure(path, std::move(error));
                return result;
            }
            result.written.push_back(path);
        }
        if (engine.metaJson) {
            writeMetadata(request, separateFilesMetadata(request.destination, result.written, layout, durationMs),
                          result);
        }
        return result;
    }

    const SheetLayout layout = sheetLayout(plan.columns, plan.rows, plan.frameWidth, plan.frameHeight, engine);
    const std::int64_t sheetWidth = layout.width;
    const std::int64_t sheetHeight = layout.height;
    QImage sheet;
    if (sheetWidth <= INT_MAX && sheetHeight <= INT_MAX) {
        sheet = blankCanvas(static_cast<int>(sheetWidth), static_cast<int>(sheetHeight), fill, request.backColor);
    }
    if (sheet.isNull()) {
        result.error = failure(request.destination, noMemoryFor(sheetWidth, sheetHeight));
        return result;
    }
    if (engine.extrude && engine.padding > 0) {
        // Each cell is extruded right after it is drawn, before its neighbours.
        for (int i = 0; i <= request.lastIndex; ++i) {
            if (!drawCell(sheet, request, layout, i, i, &result.error)) return result;
        }
    } else {
        QPainter painter(&sheet);
        for (int i = 0; i <= request.lastIndex; ++i) {
            const CellRect cell = layout.frame(i);
            if (!drawFrame(painter, request, i, cell.x, cell.y, &result.error)) return result;
        }
    }
    if (Message error = writeImageFile(sheet, request.destination, format); !error.empty()) {
        result.error = failure(request.destination, std::move(error));
        return result;
    }
    result.written.push_back(request.destination);
    if (engine.metaJson) {
        writeMetadata(request, sheetMetadata(request.destination, layout, request.lastIndex + 1, durationMs), result);
    }
    return result;
}

}  // namespace fg
