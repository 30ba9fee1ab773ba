#pragma once
// How the chosen file name decides the image format and the background.

#include <string>
#include <string_view>

namespace fg {

enum class ImageFormat { Png, Bmp, Jpeg, Tiff, Gif };

// The extension of the file name, dot included ("" when there is none), as
// typed: the numbered names of separate files keep it.
std::string fileExtension(std::string_view path);

// The extension in lower case. Every choice made from an extension goes
// through it, so "NAME.JPG" is a JPEG like "name.jpg" (file dialogs and
// cameras write upper-case names).
std::string lowerCaseExtension(std::string_view extension);

// ".bmp", ".jpg"/".jpeg", ".tif"/".tiff", ".gif" in any case; anything else is PNG.
ImageFormat formatForExtension(std::string_view extension);

// The background stays transparent only when asked for and the format is
// neither JPEG nor BMP (by extension, in any case).
bool keepsTransparentBackground(bool transparentRequested, std::string_view extension);

// "dir/base" + five-digit index + extension: fire.png -> fire00000.png.
std::string numberedFileName(std::string_view path, int index);

}  // namespace fg
