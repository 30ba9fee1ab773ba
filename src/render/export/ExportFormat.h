#pragma once
// The formats an export writes, in one table: what the save dialog offers,
// what the command-line tool lists, which extension picks which encoder and
// whether the background may stay transparent. A new format is a row here
// and its encoder.

#include <QImage>
#include <string>
#include <string_view>
#include <vector>

#include "model/Message.h"
#include "model/TextTemplate.h"
#include "render/export/AnimatedWriter.h"

namespace fg {

enum class ImageFormat { Png, Bmp, Jpeg, Tiff, Gif, Webp, Mp4, Webm, Apng };

struct ExportFormat;

// Encodes one finished picture and replaces the file whole. Empty on success.
using StillEncoder = Message (*)(const QImage& image, const std::string& path, const ExportFormat& format);

struct ExportFormat {
    ImageFormat id;
    const char* name;                          // "PNG"
    std::vector<std::string_view> extensions;  // lower case, dot included; the first is the default
    bool keepsAlpha = true;                    // false: the background is always filled
    StillEncoder still = nullptr;              // null: only an animation
    AnimationBegin animation = nullptr;        // null: only still pictures
    bool takesQuality = false;                 // the animation can be lossy (--quality)
    const char* qtName = nullptr;              // Qt's image writer, for the encoders through Qt
    const char* filterLabel = nullptr;         // the save dialog's filter, marked for translation

    std::string_view defaultExtension() const { return extensions.front(); }
};

// Every format, the fallback for unknown names (PNG) first.
const std::vector<ExportFormat>& exportFormats();

// The extension of the file name, dot included ("" when there is none), as
// typed: the numbered names of separate files keep it.
std::string fileExtension(std::string_view path);

// The extension in lower case. Every choice made from an extension goes
// through it, so "NAME.JPG" is a JPEG like "name.jpg" (file dialogs and
// cameras write upper-case names).
std::string lowerCaseExtension(std::string_view extension);

// The still format for the extension in any case; anything else is PNG.
const ExportFormat& stillFormatFor(std::string_view extension);
// The animation format for the extension in any case, or null.
const ExportFormat* animationFormatFor(std::string_view extension);
const ExportFormat& exportFormat(ImageFormat id);
// Whether only an animation can be written under the extension (.mp4,
// .webm, .apng, .webp): a still export would put PNG bytes under it.
bool onlyAnimationName(std::string_view extension);

// stillFormatFor(extension).id.
ImageFormat formatForExtension(std::string_view extension);

// The background stays transparent only when asked for and the format keeps
// alpha (by extension, in any case; unknown names count as PNG).
bool keepsTransparentBackground(bool transparentRequested, std::string_view extension);

// "dir/base" + five-digit index + extension: fire.png -> fire00000.png.
std::string numberedFileName(std::string_view path, int index);

}  // namespace fg
