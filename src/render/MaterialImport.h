#pragma once
// Bringing files into a workspace as materials, and the one change made to
// a material in place (the left-right mirror). Images become square PNGs
// named after the file with its extension ("fire.jpg" → "fire.jpg.png", the
// material "fire.jpg"); OBJ models are copied as they are. Extensions are
// taken in any case and stored in lower case.

#include <filesystem>
#include <optional>
#include <string>

class QImage;

namespace fg {

enum class ImportOutcome {
    Imported,
    Ignored,     // not an image or model extension
    Unreadable,  // an image that does not load, a model that does not parse, or a failed write
};

// The workspace file name an import of `file` makes ("fire.JPG" →
// "fire.jpg.png", "ship.OBJ" → "ship.obj"); nothing when the extension is
// neither an image's nor a model's.
std::optional<std::string> importedFileName(const std::filesystem::path& file);

ImportOutcome importMaterialFile(const std::filesystem::path& workDir, const std::filesystem::path& file);

// `image` unscaled at the centre of a transparent square of side max(W, H)
// (the odd pixel of a difference goes below and to the right).
QImage squaredImage(const QImage& image);

// Rewrites the PNG at `file` mirrored left to right. False when it cannot be
// read or written (the file then stays as it was).
bool mirrorImageFile(const std::filesystem::path& file);

}  // namespace fg
