#include "render/export/ExportFormat.h"

#include <algorithm>

#include <cctype>
#include <cstdio>

#include "render/export/ImageFileWriter.h"

namespace fg {

const std::vector<ExportFormat>& exportFormats() {
    static const std::vector<ExportFormat> formats{
        {.id = ImageFormat::Png,
         .name = "PNG",
         .extensions = {".png"},
         .still = writeThroughQt,
         .qtName = "png",
         .filterLabel = FG_TRANSLATE_NOOP("fg::export_text", "PNG(*.png)")},
        {.id = ImageFormat::Bmp,
         .name = "BMP",
         .extensions = {".bmp"},
         .keepsAlpha = false,
         .still = writeThroughQt,
         .qtName = "bmp",
         .filterLabel = FG_TRANSLATE_NOOP("fg::export_text", "BMP(*.bmp)")},
        {.id = ImageFormat::Jpeg,
         .name = "JPEG",
         .extensions = {".jpg", ".jpeg"},
         .keepsAlpha = false,
         .still = writeThroughQt,
         .qtName = "jpeg",
         .filterLabel = FG_TRANSLATE_NOOP("fg::export_text", "JPEG(*.jpg)")},
        {.id = ImageFormat::Tiff,
         .name = "TIFF",
         .extensions = {".tif", ".tiff"},
         .still = writeThroughQt,
         .qtName = "tiff",
         .filterLabel = FG_TRANSLATE_NOOP("fg::export_text", "TIFF(*.tif)")},
        {.id = ImageFormat::Gif,
         .name = "GIF",
         .extensions = {".gif"},
         .still = writeGifFile,
         .animation = beginAnimatedGif,
         .filterLabel = FG_TRANSLATE_NOOP("fg::export_text", "GIF(*.gif)")},
        {.id = ImageFormat::Webp,
         .name = "WebP",
         .extensions = {".webp"},
         .animation = beginAnimatedWebp,
         .takesQuality = true,
         .filterLabel = FG_TRANSLATE_NOOP("fg::export_text", "WebP(*.webp)")},
        // H.264 has no alpha: the background is always filled in.
        {.id = ImageFormat::Mp4,
         .name = "MP4",
         .extensions = {".mp4"},
         .keepsAlpha = false,
         .animation = beginMp4,
         .takesQuality = true,
         .filterLabel = FG_TRANSLATE_NOOP("fg::export_text", "MP4(*.mp4)")},
        {.id = ImageFormat::Webm,
         .name = "WebM",
         .extensions = {".webm"},
         .animation = beginWebm,
         .takesQuality = true,
         .filterLabel = FG_TRANSLATE_NOOP("fg::export_text", "WebM(*.webm)")},
        // Still pictures named .png stay PNG (the first row); only an
        // animation asked for is written as animated PNG.
        {.id = ImageFormat::Apng,
         .name = "APNG",
         .extensions = {".apng", ".png"},
         .animation = beginApng,
         .filterLabel = FG_TRANSLATE_NOOP("fg::export_text", "APNG(*.apng *.png)")},
    };
    return formats;
}

namespace {

// Index of the extension's dot, or npos when the last path element has none.
std::size_t extensionStart(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos) return dot;
    if (slash != std::string_view::npos && dot < slash) return std::string_view::npos;
    return dot;
}

bool hasExtension(const ExportFormat& format, std::string_view lower) {
    for (const std::string_view extension : format.extensions) {
        if (extension == lower) return true;
    }
    return false;
}

// The first row with the extension that `wanted` accepts, or null.
template <typename Wanted>
const ExportFormat* findFormat(std::string_view typed, Wanted wanted) {
    const std::string extension = lowerCaseExtension(typed);
    for (const ExportFormat& format : exportFormats()) {
        if (wanted(format) && hasExtension(format, extension)) return &format;
    }
    return nullptr;
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

const ExportFormat& stillFormatFor(std::string_view extension) {
    const ExportFormat* found = findFormat(extension, [](const ExportFormat& f) { return f.still != nullptr; });
    return found ? *found : exportFormats().front();
}

const ExportFormat* animationFormatFor(std::string_view extension) {
    return findFormat(extension, [](const ExportFormat& f) { return f.animation != nullptr; });
}

const ExportFormat& exportFormat(ImageFormat id) {
    for (const ExportFormat& format : exportFormats()) {
        if (format.id == id) return format;
    }
    return exportFormats().front();
}

bool onlyAnimationName(std::string_view extension) {
    const std::string lower = lowerCaseExtension(extension);
    if (animationFormatFor(lower) == nullptr) return false;
    const std::vector<std::string_view>& stills = stillFormatFor(lower).extensions;
    return std::find(stills.begin(), stills.end(), lower) == stills.end();
}

ImageFormat formatForExtension(std::string_view extension) { return stillFormatFor(extension).id; }

bool keepsTransparentBackground(bool transparentRequested, std::string_view extension) {
    const ExportFormat* any = findFormat(extension, [](const ExportFormat&) { return true; });
    return transparentRequested && (any ? any->keepsAlpha : exportFormats().front().keepsAlpha);
}

std::string numberedFileName(std::string_view path, int index) {
    const std::size_t dot = extensionStart(path);
    const std::string_view stem = dot == std::string_view::npos ? path : path.substr(0, dot);
    char number[16];
    std::snprintf(number, sizeof number, "%05d", index);
    return std::string(stem) + number + fileExtension(path);
}

}  // namespace fg
