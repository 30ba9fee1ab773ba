#include "render/export/ExportFormat.h"

#include <cctype>
#include <cstdio>

namespace fg {
namespace {

// Index of the extension's dot, or npos when the last path element has none.
std::size_t extensionStart(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos) return dot;
    if (slash != std::string_view::npos && dot < slash) return std::string_view::npos;
    return dot;
}

}  // namespace

std::string lowerCaseExtension(std::string_view extension) {
    std::string lower(extension);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string fileExtension(std::string_view path) {
    const std::size_t dot = extensionStart(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

ImageFormat formatForExtension(std::string_view typed) {
    const std::string extension = lowerCaseExtension(typed);
    if (extension == ".bmp") return ImageFormat::Bmp;
    if (extension == ".jpg" || extension == ".jpeg") return ImageFormat::Jpeg;
    if (extension == ".tif" || extension == ".tiff") return ImageFormat::Tiff;
    if (extension == ".gif") return ImageFormat::Gif;
    return ImageFormat::Png;
}

bool keepsTransparentBackground(bool transparentRequested, std::string_view typed) {
    const std::string extension = lowerCaseExtension(typed);
    return transparentRequested && extension != ".jpg" && extension != ".jpeg" && extension != ".bmp";
}

std::string numberedFileName(std::string_view path, int index) {
    const std::size_t dot = extensionStart(path);
    const std::string_view stem = dot == std::string_view::npos ? path : path.substr(0, dot);
    char number[16];
    std::snprintf(number, sizeof number, "%05d", index);
    return std::string(stem) + number + fileExtension(path);
}

}  // namespace fg
