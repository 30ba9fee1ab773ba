#include "render/export/SheetMetadata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace fg {
namespace {

QJsonObject rectObject(const CellRect& rect) {
    return {{"x", rect.x}, {"y", rect.y}, {"w", rect.width}, {"h", rect.height}};
}

QJsonObject sizeObject(std::int64_t width, std::int64_t height) {
    return {{"w", static_cast<qint64>(width)}, {"h", static_cast<qint64>(height)}};
}

QString fromPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

int frameDurationMs(int step, int fps) {
    if (fps <= 0) fps = 1;
    const double ms = 1000.0 * std::max(step, 1) / fps;
    return std::max(1, static_cast<int>(std::lround(ms)));
}

std::string metadataPath(const std::string& destination) {
    return std::filesystem::path(destination).replace_extension(".json").string();
}

SheetMetadata sheetMetadata(const std::string& destination, const SheetLayout& layout, int imageCount, int durationMs) {
    SheetMetadata metadata;
    const std::filesystem::path path(destination);
    const std::string base = path.stem().string();
    for (int i = 0; i < imageCount; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%05d", i);
        metadata.frames.push_back({base + number, layout.frame(i), durationMs});
    }
    metadata.animation = base;
    metadata.image = path.filename().string();
    metadata.width = layout.width;
    metadata.height = layout.height;
    return metadata;
}

SheetMetadata separateFilesMetadata(const std::string& destination, const std::vector<std::string>& files,
                                    const SheetLayout& layout, int durationMs) {
    SheetMetadata metadata;
    metadata.animation = std::filesystem::path(destination).stem().string();
    for (const std::string& file : files) {
        metadata.frames.push_back({std::filesystem::path(file).filename().string(), layout.frame(0), durationMs});
    }
    metadata.width = layout.width;
    metadata.height = layout.height;
    return metadata;
}

std::string metadataJson(const SheetMetadata& metadata) {
    QJsonObject frames;
    QJsonArray order;
    for (const MetadataFrame& frame : metadata.frames) {
        order.append(QString::fromStdString(frame.name));
        const QJsonObject source{{"w", frame.rect.width}, {"h", frame.rect.height}};
        frames.insert(QString::fromStdString(frame.name),
                      QJsonObject{{"frame", rectObject(frame.rect)},
                                  {"rotated", false},
                                  {"trimmed", false},
                                  {"spriteSourceSize", rectObject({0, 0, frame.rect.width, frame.rect.height})},
                                  {"sourceSize", source},
                                  {"duration", frame.durationMs}});
    }
    QJsonObject meta{{"app", "Fulgrane3D"},
                     {"version", FG_EXPORT_VERSION},
                     {"format", "RGBA8888"},
                     {"size", sizeObject(metadata.width, metadata.height)},
                     {"scale", "1"}};
    if (!metadata.image.empty()) meta.insert("image", fromPath(metadata.image));
    const QJsonObject animations{{QString::fromStdString(metadata.animation), order}};
    const QJsonObject root{{"frames", frames}, {"animations", animations}, {"meta", meta}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace fg
