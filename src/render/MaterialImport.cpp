#include "render/MaterialImport.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "render/meshes/ObjReader.h"

namespace fg {
namespace {

constexpr std::array<std::string_view, 4> kImageExtensions{".png", ".bmp", ".jpg", ".jpeg"};
constexpr std::string_view kModelExtension = ".obj";

std::string asciiLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

QString qtPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// Written beside the target and renamed over it, so a failed write never
// leaves half a file under the material's name.
bool savePng(const QImage& image, const std::filesystem::path& target) {
    std::filesystem::path partial = target;
    partial += ".partial";
    if (!image.save(qtPath(partial), "PNG")) {
        std::error_code ec;
        std::filesystem::remove(partial, ec);
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(partial, target, ec);
    if (ec) std::filesystem::remove(partial, ec);
    return !ec;
}

}  // namespace

QImage squaredImage(const QImage& image) {
    const int side = std::max(image.width(), image.height());
    QImage square(side, side, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage((side - image.width()) / 2, (side - image.height()) / 2, image);
    painter.end();
    return square;
}

std::optional<std::string> importedFileName(const std::filesystem::path& file) {
    const std::string extension = asciiLower(file.extension().string());
    const std::string name = file.stem().string() + extension;
    if (std::find(kImageExtensions.begin(), kImageExtensions.end(), extension) != kImageExtensions.end()) {
        return name + ".png";
    }
    if (extension == kModelExtension) return name;
    return std::nullopt;
}

ImportOutcome importMaterialFile(const std::filesystem::path& workDir, const std::filesystem::path& file) {
    const std::optional<std::string> imported = importedFileName(file);
    if (!imported) return ImportOutcome::Ignored;
    const std::string& name = *imported;
    if (name.ends_with(".png")) {
        QImage image(qtPath(file));
        if (image.isNull()) return ImportOutcome::Unreadable;
        return savePng(squaredImage(image), workDir / name) ? ImportOutcome::Imported : ImportOutcome::Unreadable;
    }
    // A model the renderer could not draw would only be left out of the
    // list later; it is refused here, where the user can be told.
    if (!readObj(file.string()).ok) return ImportOutcome::Unreadable;
    std::error_code ec;
    const std::filesystem::path target = workDir / name;
    if (std::filesystem::equivalent(file, target, ec)) return ImportOutcome::Imported;
    std::filesystem::copy_file(file, target, std::filesystem::copy_options::overwrite_existing, ec);
    return ec ? ImportOutcome::Unreadable : ImportOutcome::Imported;
}

bool mirrorImageFile(const std::filesystem::path& file) {
    const QImage image(qtPath(file));
    if (image.isNull()) return false;
    return savePng(image.convertToFormat(QImage::Format_ARGB32).mirrored(true, false), file);
}

}  // namespace fg
