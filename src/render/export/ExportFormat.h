#pragma once
// How the chosen file name decides the image format and the background.

#include <string>
#include <string_view>

namespace fg {

enum class ImageFormat { Png, Bmp, Jpeg, Tiff, Gif };

// The extension of the file name, dot included ("" when there is none).
// Compared as typed: ".PNG" is not ".png".
std::string fileExtension(std::string_view path);

// ".bmp", ".jpg"/".jpeg", ".tif"/".tiff", ".gif"; anything else is PNG.
ImageFormat formatForExtension(std::string_view extension);

// The background stays transparent only when asked for and the format is
// neither JPEG nor BMP (by extension, as typed).
bool keepsTransparentBackground(bool transparentRequested, std::string_view extension);

// "dir/base" + five-digit index + extension: fire.png -> fire00000.png.
std::string numberedFileName(std::string_view path, int index);

}  // namespace fg
