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

#include "render/BackgroundColor.h"
#include "render/export/ExportDestinations.h"
#include "render/export/ExportFormat.h"
#include "render/export/ImageFileWriter.h"

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

std::string noMemoryFor(std::int64_t width, std::int64_t height) {
    char reason[96];
    std::snprintf(reason, sizeof reason, "no memory for a %lld×%lld picture", static_cast<long long>(width),
                  static_cast<long long>(height));
    return reason;
}

// Draws intermediate image `index` scaled into the cell; false with *error
// set when the frame cannot be read back.
bool drawFrame(QPainter& painter, const ComposeRequest& request, int index, int x, int y, std::string* error) {
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

std::string failure(const std::string& path, const std::string& reason) {
    return fillTemplate(export_text::kSaveFailed, {path, reason});
}

}  // namespace

ComposeResult composeExport(const ComposeRequest& request) {
    ComposeResult result;
    const ExportPlan& plan = request.plan;
    const std::string extension = fileExtension(request.destination);
    const ImageFormat format = formatForExtension(extension);
    const bool fill = !keepsTransparentBackground(plan.transparent, extension);
    const std::vector<std::string> outputs =
        exportOutputPaths(request.destination, plan.separateFiles, request.lastIndex);
    if (const auto hit = outputOverSource(outputs, request.sources)) {
        result.error = overwritesProjectMessage(*hit);
        return result;
    }

    if (plan.separateFiles) {
        for (int i = 0; i <= request.lastIndex; ++i) {
            QImage canvas = blankCanvas(plan.frameWidth, plan.frameHeight, fill, request.backColor);
            const std::string& path = outputs[static_cast<std::size_t>(i)];
            if (canvas.isNull()) {
                result.error = failure(path, noMemoryFor(plan.frameWidth, plan.frameHeight));
                return result;
            }
            bool drawn = false;
            {
                QPainter painter(&canvas);
                drawn = drawFrame(painter, request, i, 0, 0, &result.error);
            }
            if (!drawn) return result;
            if (std::string error = writeImageFile(canvas, path, format); !error.empty()) {
                result.error = failure(path, error);
                return result;
            }
            result.written.push_back(path);
        }
        return result;
    }

    const int columns = std::max(plan.columns, 1);
    const int rows = std::max(plan.rows, 1);
    const std::int64_t sheetWidth = std::int64_t{columns} * plan.frameWidth;
    const std::int64_t sheetHeight = std::int64_t{rows} * plan.frameHeight;
    QImage sheet;
    if (sheetWidth <= INT_MAX && sheetHeight <= INT_MAX) {
        sheet = blankCanvas(static_cast<int>(sheetWidth), static_cast<int>(sheetHeight), fill, request.backColor);
    }
    if (sheet.isNull()) {
        result.error = failure(request.destination, noMemoryFor(sheetWidth, sheetHeight));
        return result;
    }
    {
        QPainter painter(&sheet);
        for (int i = 0; i <= request.lastIndex; ++i) {
            if (!drawFrame(painter, request, i, (i % columns) * plan.frameWidth, (i / columns) * plan.frameHeight,
                           &result.error)) {
                return result;
            }
        }
    }
    if (std::string error = writeImageFile(sheet, request.destination, format); !error.empty()) {
        result.error = failure(request.destination, error);
        return result;
    }
    result.written.push_back(request.destination);
    return result;
}

}  // namespace fg
