#pragma once
// Writes one finished picture in the format its file name asks for. The
// picture is encoded in memory first and then replaces the file whole (a
// temporary file beside it, renamed into place), so a full disk, a failing
// device or a killed export leaves the earlier file as it was and never a
// truncated picture under the chosen name.

#include <QImage>
#include <string>
#include <string_view>

#include "render/export/ExportFormat.h"

namespace fg {

// Empty on success, otherwise why the file could not be written (for a
// system error, a reason text of persistence_text such as kDiskFull, which
// the window and the command-line tool translate).
[[nodiscard]] std::string writeImageFile(const QImage& image, const std::string& path, ImageFormat format);

// The bytes of an exported file (a picture, its metadata, an animation)
// written with writeFileBytes: a symbolic link the user chose as the name is
// written through. Empty on success, otherwise the reason as above.
[[nodiscard]] std::string writeExportBytes(const std::string& path, std::string_view bytes);

// GIF through giflib: the colours reduced to a 255-entry palette, pixels
// with alpha below one half written as the transparent entry.
[[nodiscard]] std::string writeGifFile(const QImage& image, const std::string& path);

}  // namespace fg
