#pragma once
// Writes one finished picture in the format its file name asks for.

#include <QImage>
#include <string>

#include "render/export/ExportFormat.h"

namespace fg {

// Empty on success, otherwise why the file could not be written.
std::string writeImageFile(const QImage& image, const std::string& path, ImageFormat format);

// GIF through giflib: the colours reduced to a 255-entry palette, pixels
// with alpha below one half written as the transparent entry.
std::string writeGifFile(const QImage& image, const std::string& path);

}  // namespace fg
