#pragma once
// Writes one finished picture in the format its file name asks for. The
// picture is encoded in memory first and then replaces the file whole (a
// temporary file beside it, renamed into place), so a full disk, a failing
// device or a killed export leaves the earlier file as it was and never a
// truncated picture under the chosen name.

#include <QImage>
#include <string>
#include <string_view>

#include "model/Message.h"
#include "render/export/ExportFormat.h"

namespace fg {

// Empty on success, otherwise why the file could not be written (for a
// system error, a reason of persistence_text such as kDiskFull). A format
// without a still encoder is written as PNG.
[[nodiscard]] Message writeImageFile(const QImage& image, const std::string& path, ImageFormat format);

// The bytes of an exported file (a picture, its metadata, an animation)
// written with writeFileBytes: a symbolic link the user chose as the name is
// written through. Empty on success, otherwise the reason as above.
[[nodiscard]] Message writeExportBytes(const std::string& path, std::string_view bytes);

// The still encoders of the format table.
// Through Qt's image writer named by format.qtName; formats that do not keep
// alpha get the picture as it would show over black.
[[nodiscard]] Message writeThroughQt(const QImage& image, const std::string& path, const ExportFormat& format);
// GIF through giflib: the colours reduced to a 255-entry palette, pixels
// with alpha below one half written as the transparent entry.
[[nodiscard]] Message writeGifFile(const QImage& image, const std::string& path, const ExportFormat& format);

}  // namespace fg
