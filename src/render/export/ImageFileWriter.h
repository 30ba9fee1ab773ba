#pragma once
// Writes one finished picture in the format its file name asks for. The
// picture is encoded in memory first and then written with every write and
// the close checked, so a full disk or a failing device is reported instead
// of leaving a truncated file behind as if all were well.

#include <QImage>
#include <string>
#include <string_view>

#include "render/export/ExportFormat.h"

namespace fg {

// Empty on success, otherwise why the file could not be written (the
// system's reason, e.g. "No space left on device"). A regular file left
// half-written is removed; devices and symbolic links are left as they are.
std::string writeImageFile(const QImage& image, const std::string& path, ImageFormat format);

// Creates or truncates the file and writes all bytes; empty on success,
// otherwise the first failure of open, write or close. A half-written
// regular file is removed.
std::string writeFileBytes(const std::string& path, std::string_view bytes);

// GIF through giflib: the colours reduced to a 255-entry palette, pixels
// with alpha below one half written as the transparent entry.
std::string writeGifFile(const QImage& image, const std::string& path);

}  // namespace fg
