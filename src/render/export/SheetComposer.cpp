#include "render/export/SheetComposer.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>

#include "render/export/ExportFormat.h"
#include "render/export/ImageFileWriter.h"

namespace fg {
namespace {

QImage blankCanvas(int width, int height, bool fill, Vec3f backColor) {
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(fill ? QColor(static_cast<int>(backColor.x), static_cast<int>(backColor.y),
                              static_cast<int>(backColor.z), 255)
                     : QColor(0, 0, 0, 0));
    return canvas;
}

// Draws intermediate image `index` scaled into the cell; a missing file draws nothing.
void drawFrame(QPainter& painter, const ComposeRequest& request, int index, int x, int y) {
    const QImage frame(QString::fromStdString(intermediateFramePath(request.renderDir, index).string()));
    if (frame.isNull()) return;
    const int width = request.plan.frameWidth;
    const int height = request.plan.frameHeight;
    // Qt's smooth scaling averages the covered source area when shrinking.
    const QImage scaled = frame.size() == QSize(width, height)
                              ? frame
                              : frame.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                    .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(QPoint(x, y), scaled);
}

std::string failure(const std::string& path, const std::string& reason) {
    return std::string(export_text::kSaveFailed) + "\n" + path + "\n" + reason;
}

}  // namespace

std::filesystem::path intermediateFramePath(const std::filesystem::path& renderDir, int index) {
    char name[32];
    std::snprintf(name, sizeof name, "%05d.png", index);
    return renderDir / name;
}

ComposeResult composeExport(const ComposeRequest& request) {
    ComposeResult result;
    const ExportPlan& plan = request.plan;
    const std::string extension = fileExtension(request.destination);
    const ImageFormat format = formatForExtension(extension);
    const bool fill = !keepsTransparentBackground(plan.transparent, extension);

    if (plan.separateFiles) {
        for (int i = 0; i <= request.lastIndex; ++i) {
            QImage canvas = blankCanvas(plan.frameWidth, plan.frameHeight, fill, request.backColor);
            {
                QPainter painter(&canvas);
                drawFrame(painter, request, i, 0, 0);
            }
            const std::string path = numberedFileName(request.destination, i);
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
    QImage sheet = blankCanvas(columns * plan.frameWidth, rows * plan.frameHeight, fill, request.backColor);
    {
        QPainter painter(&sheet);
        for (int i = 0; i <= request.lastIndex; ++i) {
            drawFrame(painter, request, i, (i % columns) * plan.frameWidth, (i / columns) * plan.frameHeight);
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
